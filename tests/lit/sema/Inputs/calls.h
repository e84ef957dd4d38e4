/* The names the CALL, IF, WHILE and CASE tests refer to. */
typedef struct {
  int code;
  char text[16];
} result_t;

extern result_t last_result;
extern int status;
extern long total;
extern char name[16];
extern char *label;
extern int table[4];
extern const int limit;

int add(int a, int b);
int no_arguments(void);
int old_style();
int log_line(const char *format, ...);
void reset(void);
result_t get_result(int id);
char *get_name(int id);
int (*on_event)(int code);

#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define CLEAR(x) do { (x) = 0; } while (0)
#define PLUS add

enum colour { RED, GREEN, BLUE };

namespace net {
int open(const char *host, int port);
struct link_t {
  int send(int size);
  int fd;
};
}
extern net::link_t link;
