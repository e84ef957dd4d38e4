/* Globals of the code under test that each tester thread should not share under -NOTSHARED. */
typedef struct { int x; int y; } point_t;
extern int counter;
extern point_t origin;
extern const char *label;
static const int limit = 3;
int bump(int by);
