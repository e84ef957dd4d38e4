/* Types and variables that the VAR and DEF_MESSAGE tests check values against (read as C++). */
#ifndef VALUES_H
#define VALUES_H

struct point { int x; int y; };
union number { int i; float f; };
struct inner { int a; struct point at; };
struct outer { int id; struct inner in; int table[4]; };

/* Message types: a typedef'd struct with a string, a union and an array of structs; a struct
   named by its tag; a struct whose last member has no bound (no reference checks can be made). */
typedef struct {
  int code;
  char name[8];
  union number n;
  struct point pts[3];
} message_t;
typedef struct { int n; int rest[]; } open_msg_t;

/* Classes with base classes. */
struct base { int b; };
struct derived : base { int d; };
class shape { public: int kind; };
class circle : public shape { public: int radius; };
class ring_t : public circle { public: int width; };

int counter;
long level;
int table[6];
int grid[3][4];
struct point pts[5];
int huge[1000000];
struct point where, there;
struct outer deep;
union number num;
struct derived child;
ring_t ring;

#endif
