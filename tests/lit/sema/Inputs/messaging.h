/* Messaging statement tests: message structures, a connection-id type and its variables, and a
   frame class hierarchy: bus_frame <- cmd_frame <- move_frame, bus_frame <- diag_frame,
   combo_frame <- cmd_frame and diag_frame. */
typedef int conn_id_t;
typedef struct { int code; int user; } login_req;
typedef struct { int level; } alarm_evt;
typedef struct { int state; } status_msg;
class bus_frame { public: int id; };
class cmd_frame : public bus_frame { public: int command; };
class diag_frame : public bus_frame { public: int counter; };
class move_frame : public cmd_frame { public: int target; };
class combo_frame : public cmd_frame, public diag_frame { public: int flags; };
extern conn_id_t link, links[4], *link_ptr;
extern int fd, ready, SLOW_WTIME_OK;
extern char *host;
extern login_req pending;
int link_of(int port);
#define FIRST_LINK 0
#define MAX_WAIT 2000
