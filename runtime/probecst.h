/* probecst.h - the probe runtime of a CUSTOM probe decoder, dry-run edition.
 *
 * The application side records: qlx_create_probe opens a recording, qlx_write_probe (the
 * qlx_send_trace and qlx_recv_trace macros) and qlx_write_key (qlx_select_trace) append to it,
 * qlx_end_probe closes it. The decoder side reads it back: qlx_dump_inst (written by qmkprepro)
 * calls qlx_open_probe, qlx_read_probe for each record and qlx_close_probe, and turns each record
 * into the runtime calls a driver would have made. qlx_dump_all_inst decodes the recording of
 * one instance, named by QMK_DRYRUN_PROBE_INSTANCE ("probe" when unset).
 * The recordings are described in qlx_probe_records.h and docs/dry-run.md.
 */
#ifndef QMK_DRYRUN_PROBECST_H
#define QMK_DRYRUN_PROBECST_H

#include "qlx_probe_records.h"

typedef qlx_dryrun::ProbeFile *QLX_CTX_PRB;

/* ---- recording (the application) ---- */

extern "C" inline QLX_CTX_PRB qlx_create_probe(QLX_PT_CAR path, QLX_PT_CAR instance, QLX_T_INT p1) {
  (void)p1;
  return qlx_dryrun::open_probe_file(qlx_dryrun::probe_file_name(path, instance), "w");
}

/* Each record is dated with the fake clock. */
extern "C" inline void qlx_write_probe(QLX_CTX_PRB ctx, QLX_T_UINT code, QLX_T_UINT key, void *msg, QLX_T_UINT lenmsg) {
  qlx_dryrun::write_probe_record(ctx, qlx_dryrun::state().clock, code, key, msg, lenmsg);
}

extern "C" inline void qlx_write_key(QLX_CTX_PRB ctx, QLX_T_UINT code, QLX_T_UINT value) {
  qlx_dryrun::write_probe_record(ctx, qlx_dryrun::state().clock, code, 0, &value, sizeof value);
}

extern "C" inline void qlx_end_probe(QLX_CTX_PRB ctx) { qlx_dryrun::close_probe_file(ctx); }

/* ---- reading back (the decoder) ---- */

/* A probe still open in `prb_ctx` is closed first. */
extern "C" inline QLX_CTX_PRB qlx_open_probe(QLX_CTX_PRB prb_ctx, QLX_PT_CAR path, QLX_PT_CAR riofile,
                                             QLX_PT_CAR instName, QLX_T_UINT other) {
  qlx_dryrun::close_probe_file(prb_ctx);
  std::string name = qlx_dryrun::probe_file_name(path, instName);
  qlx_dryrun::line("open_probe", name.c_str(), riofile, instName, other);
  return qlx_dryrun::open_probe_file(name, "r");
}

extern "C" inline QLX_T_INT qlx_read_probe(QLX_CTX_PRB prb_ctx, QLX_PT_DATE time, QLX_PT_UINT code, QLX_PT_UINT key,
                                           void **msg) {
  if (!qlx_dryrun::read_probe_record(prb_ctx, time, code, key, msg, nullptr)) return 0;
  qlx_dryrun::line("read_probe", time ? time->qlx_date : 0, code ? *code : 0, key ? *key : 0);
  return 1;
}

extern "C" inline void qlx_close_probe(QLX_CTX_PRB prb_ctx) {
  qlx_dryrun::line("close_probe");
  qlx_dryrun::close_probe_file(prb_ctx);
}

extern "C" void qlx_dump_inst(QLX_CTX_PRB prb_ctx, QLX_PT_CAR path, QLX_PT_CAR riofile, QLX_PT_CAR instName,
                              QLX_T_UINT other);

extern "C" inline void qlx_dump_all_inst() {
  const char *instance = std::getenv("QMK_DRYRUN_PROBE_INSTANCE");
  std::string name = instance && *instance ? instance : "probe";
  qlx_dump_inst(nullptr, "", (name + ".rio").c_str(), name.c_str(), 0);
}

#endif /* QMK_DRYRUN_PROBECST_H */
