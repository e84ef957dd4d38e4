/* Interface of the door controller under test: the frames exchanged with it on its control link
   and the functions of its library that the test script calls. */
#ifndef EXAMPLE_H
#define EXAMPLE_H

typedef int link_id_t;

/* Command frame sent to the controller. */
typedef struct {
  int door;      /* door number, from 1 */
  int command;   /* DOOR_OPEN or DOOR_CLOSE */
} door_request_t;

/* Status frame the controller sends after each movement. */
typedef struct {
  int door;
  int state;       /* STATE_OPEN, STATE_CLOSED or STATE_MOVING */
  int error_code;  /* ERR_NONE when the movement succeeded */
} door_status_t;

#define DOOR_OPEN 1
#define DOOR_CLOSE 2

#define STATE_OPEN 1
#define STATE_CLOSED 2
#define STATE_MOVING 3

#define ERR_NONE 0
#define ERR_BLOCKED 4

#define DOOR_COUNT 4

/* Controller library. */
int controller_init(int doors);
int controller_reset(void);
int door_state(int door);
link_id_t open_link(const char *host, int port);
void close_link(link_id_t link);
int send_frame(link_id_t link, const void *frame, int size);
int receive_frame(link_id_t link, void *frame, int size);

/* Measurements published by the controller. */
extern int motor_current;
extern int open_count[DOOR_COUNT];

#endif
