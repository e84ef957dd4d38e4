/* qlx_dryrun_main.cpp - the program entry of a dry run for a driver generated with -THREAD.
 *
 * Such a driver has no main: its start routine is called by the tester's harness, one thread per
 * virtual tester. On a desk this file stands in for the harness and runs one tester:
 *     c++ -std=c++17 -I<runtime> -DQMK_DRYRUN_START=<routine> root.cc qlx_dryrun_main.cpp
 * The routine's argument comes from QMK_DRYRUN_FILTERS, QMK_DRYRUN_RIO, QMK_DRYRUN_INSTANCE and
 * QMK_DRYRUN_OCCID (each left null, or 0, when unset). The routine ends the run with thr_exit.
 */
#include "TP.h"

#ifndef QMK_DRYRUN_START
#error "define QMK_DRYRUN_START as the driver's start routine (-DQMK_DRYRUN_START=<routine>)"
#endif

QLX_T_THREAD_RETURN QMK_DRYRUN_START(QLX_PT_ARG arg);

int main() {
  const char *occid = std::getenv("QMK_DRYRUN_OCCID");
  QLX_T_ARG arg = {std::getenv("QMK_DRYRUN_FILTERS"), std::getenv("QMK_DRYRUN_RIO"), std::getenv("QMK_DRYRUN_INSTANCE"),
                   occid ? std::atoi(occid) : 0};
  QMK_DRYRUN_START(&arg);
  /* A start routine that returns instead of calling thr_exit ends the run as passed. */
  QMK_EXIT(0);
}
