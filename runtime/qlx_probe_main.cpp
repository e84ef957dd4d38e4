/* qlx_probe_main.cpp - the program entry of a dry run of a probe decoder (qmkprepro -PROBE).
 *
 * It stands in for the instrumented application: it reads a recording (qlx_probe_records.h) and
 * hands its records to the decoder.
 *   DEFAULT decoder:  c++ -std=c++17 -I<runtime> root.cc qlx_probe_main.cpp
 *     qlx_create_probe, one qlx_write_probe per record, qlx_stop_probe, as the trace macros would.
 *   CUSTOM decoder:   c++ -std=c++17 -I<runtime> -DQLX_PROBE_CUSTOM root.cc qlx_probe_main.cpp
 *     qlx_dump_all_inst, which reads the recording back through qlx_dump_inst.
 * The recording is QMK_DRYRUN_PROBE, or "<instance>.prb" with the instance of
 * QMK_DRYRUN_PROBE_INSTANCE ("probe" when unset). The run ends with "RT exit 0", or with status 2
 * when a DEFAULT recording cannot be read.
 */
#include "TP.h"

#ifdef QLX_PROBE_CUSTOM
#include "probecst.h"

int main() {
  qlx_dump_all_inst();
  QMK_EXIT(0);
}

#else
#include "qlx_probe_records.h"

typedef struct QLX_T_CTX *QLX_PT_CTX;
extern "C" QLX_PT_CTX qlx_create_probe(QLX_PT_CAR path, QLX_PT_CAR instance, QLX_T_INT p1);
extern "C" void qlx_write_probe(QLX_PT_CTX ctx, unsigned int code, unsigned int key, void *msg, unsigned int lenmsg);
extern "C" void qlx_stop_probe(QLX_PT_CTX qlx_ctx);

int main() {
  const char *named = std::getenv("QMK_DRYRUN_PROBE_INSTANCE");
  const char *instance = named && *named ? named : "probe";
  qlx_dryrun::ProbeFile *records = qlx_dryrun::open_probe_file(qlx_dryrun::probe_file_name("", instance), "r");
  if (!records) QMK_EXIT(2);
  QLX_PT_CTX ctx = qlx_create_probe("", instance, 0);
  QLX_T_DATE date;
  QLX_T_UINT code = 0, key = 0;
  void *msg = nullptr;
  std::size_t length = 0;
  while (qlx_dryrun::read_probe_record(records, &date, &code, &key, &msg, &length)) {
    qlx_dryrun::line("write_probe", date.qlx_date, code, key);
    qlx_write_probe(ctx, code, key, msg, static_cast<unsigned int>(length));
  }
  qlx_stop_probe(ctx);
  qlx_dryrun::close_probe_file(records);
  QMK_EXIT(0);
}
#endif
