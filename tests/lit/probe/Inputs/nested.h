/* A message type with a union inside a union, and an array of unions. */
union number { int i; float f; };
typedef struct { int tag; union { int a; union number inner; } outer; union number many[2]; } nested_t;
typedef int link_t;
