// The smallest driver a tester could compile against the installed dry-run runtime: one C call
// with a result check, a rendezvous, and the root verdict as the exit status.
#include "TP.h"

QLX_T_INT main(QLX_T_INT argc, QLX_PT_CAR *argv) {
  QLX_C_RUNTIME qlx_runtime;
  QLX_T_INT qlx_local_state = 0;
  qlx_runtime.qlx_set_lstflt(argc, argv, "");
  qlx_runtime.qlx_bcf(2);
  qlx_runtime.qlx_int_c(0, (QLX_T_INT)4, (QLX_T_INT)4, (QLX_T_INT)(2 + 2), 2);
  if (qlx_runtime.qlx_cf(3)) qlx_local_state = 2;
  if (qlx_rdv("meet")) qlx_local_state = 2;
  qlx_runtime.qlx_end();
  QMK_EXIT((qlx_local_state != 0));
  return (0);
}
