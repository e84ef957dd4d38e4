/* Declarations the analysis tests refer to. */
typedef struct {
  int code;
  char text[16];
} record_t;
typedef unsigned long mask_t;
extern record_t last_record;
extern char *user_name;
extern int counter;
#define LIMIT 10
