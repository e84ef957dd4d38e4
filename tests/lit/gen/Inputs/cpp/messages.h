/* The message types of the message function tests: a struct with a string, a union and an array
   of structs, and a plain struct. */
struct point { int x; int y; };
union number { int i; float f; };
typedef struct {
  int code;
  char name[8];
  union number n;
  struct point pts[3];
} message_t;
