/* Functions whose arguments and results the C-call tests check. */
typedef struct { int code; char text[16]; } reply_t;
int status;
char name[16];
reply_t reply;
inline int read_level(int *level) { *level = 7; return 0; }
inline long total(long a, long b) { return a + b; }
inline const char *device_name(void) { return "dev0"; }
inline void copy_name(char *to) { to[0] = 'd'; to[1] = 0; }
inline double ratio(void) { return 0.5; }
inline char grade(void) { return 'B'; }
inline void fill(reply_t *r) { r->code = 3; }
inline void *handle(void) { return &status; }
#define TWICE(x) ((x) * 2)
