/* Types and variables for the statement tests of the lead's statement families. */
struct err_t { int code; };
typedef struct err_t err_t;
typedef const char *cstr;
int counter;
long big;
unsigned long mask;
char name[20];
const char *label;
double ratio;
err_t last_error;
