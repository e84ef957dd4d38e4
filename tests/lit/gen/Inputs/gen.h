/* Declarations the generator tests' scripts are checked against. */
typedef struct { int code; int level; } frame_t;
typedef int link_t;
int check_level(int level);
int read_level(void);
void reset_device(void);
extern int counter;
extern char peer[32];
