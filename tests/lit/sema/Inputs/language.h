/* The names that the examples of docs/language.md use. */
#ifndef LANGUAGE_H
#define LANGUAGE_H

typedef struct {
  int user;
  int flags;
} login_req;

typedef struct {
  int sensor;
  int level;
} alarm_evt;

int read_login(login_req *message);
int write_login(login_req *message);

extern char *host;
extern int status;
extern int dev;
extern int socket_fd;
int connect(const char *to, int port);
int read_reply(void *buffer, int size);
void refresh(void);
int get_state(int device);
#define STATE_READY 1
#define STATE_IDLE 0
#define STATE_BUSY 2
#define STATE_WAIT 4

typedef struct {
  int status;
  int data[4];
} reply_t;
extern reply_t reply;
extern int counter;
extern int level;
extern int copy;
extern int original;
extern int flags;
extern int retries;
extern int i;
extern int state;
extern int answer;

typedef struct {
  int code;
} failure_t;

typedef struct {
  int x;
  int y;
} inner_t;
typedef struct {
  int id;
  char name[8];
  inner_t inner;
} record_t;
extern int table[6];
extern record_t record;

#endif
