/* Declarations of the benchmark script. */
typedef struct {
  int id;
  int a;
  int b[3];
} request_t;
typedef struct {
  int code;
} fault_t;
extern request_t counter;
extern int status;
extern char inbox[64];
extern int i;
extern int conn;
int compute(int n);
