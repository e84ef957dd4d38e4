/* The code under test of the communication drivers: message structures, connections, and the
   reading and writing routines that the scripts' callbacks and procsends call. A message arrives
   when the dry-run runtime's poll reports one (QMK_DRYRUN_MESSAGES); a frame write fails when the
   environment says so (COMM_WRITE_FAIL). The definitions are compiled with the driver only. */
typedef struct { int code; int user; } frame_t;
typedef struct { int level; } alarm_t;
extern int conn_a, conn_b, conn_c;
int read_frame(frame_t *frame, int conn);
int write_frame(const frame_t *frame, int conn);
int read_alarm(alarm_t *alarm, int first, int count);
void alarm_t_Init(alarm_t *alarm, int fd);
#ifdef USE_QMK

int conn_a = 11, conn_b = 12, conn_c = 13;
int read_frame(frame_t *frame, int conn) {
  int fd = qlx_pollevt(conn);
  if (fd) frame->code = fd;
  return fd;
}
int write_frame(const frame_t *frame, int conn) {
  const char *fail = getenv("COMM_WRITE_FAIL");
  qlx_dryrun::line("write_frame", frame->code, conn);
  return fail && *fail ? 1 : 0;
}
int read_alarm(alarm_t *alarm, int first, int count) {
  int fd = qlx_pollevt(first, count);
  if (fd) alarm->level = fd;
  return fd;
}
void alarm_t_Init(alarm_t *alarm, int fd) { alarm->level = fd; }
#endif
