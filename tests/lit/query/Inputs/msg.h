/* Message types for the check lists of qmkiface checks. */
typedef unsigned char byte;
struct pos { int x; int y; };
union number { int i; float f; char c; };
typedef struct {
  int code;
  byte flags;
  char name[4];
  union number n;
  struct pos points[3];
  int table[2 + 1];
  char *text;
  double ratio;
} msg_t;
msg_t qlx_msgrcv, other;
struct pos where;
struct base { int b; };
struct derived : base { int d; } child;
int open_ended[];
union number num;
int list[4];
typedef char label_t[6];
struct names { const char a[4]; label_t b; byte c[2]; char grid[2][3]; int n; };
struct names names1, names2;
