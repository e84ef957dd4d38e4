/* Message structures, connection ids and a polymorphic frame hierarchy for the communication
   templates of the driver. The definitions are compiled with the driver only. */
typedef int link_id_t;
typedef struct { int code; int user; } login_req;
typedef struct { int level; } alarm_evt;
union number { int i; float f; };
typedef struct { int code; union number n; } status_msg;
class frame_base { public: virtual int kind() const; int id; };
class cmd_frame : public frame_base { public: int command; };
class diag_frame : public frame_base { public: int counter; };
extern link_id_t link_a, link_b, links[4];
int read_login(login_req *req, link_id_t link);
int read_any(link_id_t first, int count);
int write_login(const login_req *req, link_id_t link);
cmd_frame *read_cmd(link_id_t link);
int write_cmd(const cmd_frame *frame, link_id_t link);
void alarm_evt_Init(alarm_evt *alarm, int fd);
#ifdef USE_QMK
link_id_t link_a = 1, link_b = 2, links[4] = {3, 4, 5, 6};
int frame_base::kind() const { return 0; }
int read_login(login_req *req, link_id_t link) { req->code = qlx_pollevt(link); return req->code; }
int read_any(link_id_t first, int count) { return qlx_pollevt(first, count); }
int write_login(const login_req *req, link_id_t link) { return req->code + link < 0; }
static cmd_frame received_cmd;
cmd_frame *read_cmd(link_id_t link) { return qlx_pollevt(link) ? &received_cmd : (cmd_frame *)0; }
int write_cmd(const cmd_frame *frame, link_id_t link) { return frame->command + link < 0; }
void alarm_evt_Init(alarm_evt *alarm, int fd) { alarm->level = fd; }
#endif
