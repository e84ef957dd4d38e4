typedef unsigned long size_t;
typedef struct _IO_FILE FILE;
struct _IO_FILE { int _flags; char *_IO_read_ptr; struct _IO_FILE *_chain; };
extern int fprintf(FILE *__restrict __stream, const char *__restrict __format, ...) __attribute__((__nonnull__(1)));
enum { A = 1 << 2, B = A | 3 };
typedef int (*compar_fn_t)(const void *, const void *);
union wait { int w_status; struct { unsigned int __w_termsig:7; unsigned int __w_coredump:1; } __wait_terminated; };
int old(a, b) int a; char *b; { return a; }
#pragma quelt sizeof int 16
static __inline int f(void) { return 0; }
