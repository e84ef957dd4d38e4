/* The variables the VAR checks of checks.pts read and set, defined here so that the generated
   driver compiles alone. thrown_level throws when CHECKS_THROW is set. */
typedef enum { RED, GREEN, BLUE } colour_t;
struct point { int x; int y; };
union number { int i; float f; };
struct inner { int a; struct point at; };
struct outer { int id; struct inner in; int table[4]; };
int counter = 3;
long level = 4;
char letter = 'q';
float ratio = 1.5f;
const char *label = "door";
char name[8] = "abc";
void *handle = &counter;
colour_t colour = GREEN;
int table[6] = {1, 2, 0, 0, 0, 0};
struct point pts[3];
struct point where, there;
struct outer deep = {1, {2, {3, 4}}, {0, 0, 0, 0}};
union number num;
inline int thrown_level(void) { if (getenv("CHECKS_THROW")) throw 1; return 7; }
