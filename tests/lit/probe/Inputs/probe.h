/* The message types of the probe decoder scripts: two plain structs and one with a union, whose
   select struct gives the decoder a selector. */
typedef struct { int code; int level; } frame_t;
typedef struct { int level; } alarm_t;
union number { int i; float f; };
typedef struct { int kind; union number n; } value_t;
typedef int link_t;
