/* The code under test of the communication drivers: message structures, connections, and the
   reading and writing routines that the scripts' callbacks and procsends call. A message arrives
   when the dry-run runtime's poll reports one (QMK_DRYRUN_MESSAGES); a write fails when the
   environment says so (COMM_WRITE_FAIL); POLY_FRAMES and POLY_SILENT choose the class of the
   polymorphic frames that arrive and a connection on which no command frame does. The
   definitions are compiled with the driver only. */
typedef struct { int code; int user; } frame_t;
typedef struct { int level; } alarm_t;
extern int conn_a, conn_b, conn_c;
int read_frame(frame_t *frame, int conn);
int write_frame(const frame_t *frame, int conn);
int read_alarm(alarm_t *alarm, int first, int count);
void alarm_t_Init(alarm_t *alarm, int fd);
int write_alarm(const alarm_t *alarm, int conn);
/* A polymorphic frame hierarchy: the frames a callback reads through a frame_base pointer. */
class frame_base { public: virtual ~frame_base(); int id; };
class cmd_frame : public frame_base { public: int command; };
class diag_frame : public frame_base { public: int counter; };
class status_frame : public frame_base { public: int status; };
cmd_frame *read_cmd(int conn);
frame_base *read_any_frame(int first, int count, int *got);
int write_cmd(const cmd_frame *frame, int conn);
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
int write_alarm(const alarm_t *alarm, int conn) {
  const char *fail = getenv("COMM_WRITE_FAIL");
  qlx_dryrun::line("write_alarm", alarm->level, conn);
  return fail && *fail ? 1 : 0;
}
frame_base::~frame_base() {}
static cmd_frame cmd_in;
static diag_frame diag_in;
static status_frame status_in;
/* The frame that arrives as the n-th message: the n-th word of POLY_FRAMES (cmd, diag, status or
   none, comma-separated); a cmd frame when the list is shorter. */
static frame_base *arriving(int n) {
  const char *list = getenv("POLY_FRAMES");
  for (int i = 1; list && *list; ++i) {
    size_t len = strcspn(list, ",");
    if (i == n) {
      if (len == 4 && !strncmp(list, "diag", 4)) return &diag_in;
      if (len == 6 && !strncmp(list, "status", 6)) return &status_in;
      if (len == 4 && !strncmp(list, "none", 4)) return 0;
      break;
    }
    list += len + (list[len] ? 1 : 0);
  }
  return &cmd_in;
}
/* A command frame arrives on a connection unless POLY_SILENT names it. */
cmd_frame *read_cmd(int conn) {
  const char *silent = getenv("POLY_SILENT");
  if (silent && atoi(silent) == conn) return 0;
  int fd = qlx_pollevt(conn);
  if (!fd) return 0;
  cmd_in.id = fd;
  return &cmd_in;
}
frame_base *read_any_frame(int first, int count, int *got) {
  int fd = qlx_pollevt(first, count);
  *got = fd != 0;
  if (!fd) return 0;
  frame_base *frame = arriving(fd);
  if (frame) frame->id = fd;
  return frame;
}
int write_cmd(const cmd_frame *frame, int conn) {
  const char *fail = getenv("COMM_WRITE_FAIL");
  qlx_dryrun::line("write_cmd", frame->id, frame->command, conn);
  return fail && *fail ? 1 : 0;
}
#endif
