/* Every type class, reached through the expressions of qmkiface class. */
typedef unsigned long size_t;
typedef const char *cstring;
enum mode { OFF, ON };
struct node { int value; struct node *next; char tag[8]; union { int i; double d; } u; };
struct node head, table[4];
char c; short sh; unsigned u; long l; long long ll; size_t sz;
float f; double d; long double ld;
cstring name; char **argv; int *ip; void *vp;
enum mode m;
int compute(int a, char *text, ...);
void nothing(void);
int old_style();
int (*handler)(int);
