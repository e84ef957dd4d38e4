/* Declarations of the communication tests: connection-id types, message types (one with a
   union, so that it has a select struct), and names that are no types. */
typedef int link_id_t;
namespace net {
typedef long conn_t;
}
typedef struct {
  int code;
  char name[8];
} login_req;
typedef struct {
  int level;
  union {
    int count;
    float ratio;
  } reading;
} alarm_evt;
struct status_msg {
  int state;
};
typedef struct {
  int n;
} reply_t;
int busy;
int open_link(int port);
