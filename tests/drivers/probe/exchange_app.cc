/* The application of exchange.pts, instrumented with the trace macros of the probe header
   (PROBE_HEADER names it): it reports the answer it receives and the two frames it sends. With a
   DEFAULT decoder each report is decoded at once, and a second context, beyond the table of
   contexts (built with NB_INSTANCES=1), gets none and its reports are dropped; with a CUSTOM
   decoder the reports are recorded, then qlx_dump_trace decodes the recording. */
#include "probe.h"
#include PROBE_HEADER

int main() {
  frame_t request = {1, 2};
  frame_t answer = {2, 0};
  QLX_CTX_PRB ctx;
  qlx_start_trace(ctx, "", probe, 0);
  qlx_recv_trace(ctx, status_ch, &answer, frame_t, answer);
  qlx_send_trace(ctx, cmd_ch, &request, frame_t, request);
  answer.level = 7;
  qlx_send_trace(ctx, status_ch, &answer, frame_t, answer);
  qlx_end_trace(ctx);
#ifndef QLX_PROBE_CUSTOM
  QLX_CTX_PRB extra;
  qlx_start_trace(extra, "", other, 0);
  qlx_send_trace(extra, cmd_ch, &request, frame_t, request);
  qlx_end_trace(extra);
#endif
  qlx_dump_trace();
  QMK_EXIT(0);
}
