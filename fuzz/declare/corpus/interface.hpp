// An interface header in the C++ that interface headers use: every construct the analyser reads.
typedef unsigned long size_type;
typedef struct point { int x; int y; } point;
struct flags { unsigned ready : 1; unsigned mode : 3; int : 0; unsigned long long wide : 40; };
enum colour { RED, GREEN = 4, BLUE, MIXED = (RED | GREEN) << 2 };
union value { int i; double d; char *s; struct { short lo, hi; }; };
extern "C" {
  int c_entry(const char *text, ...);
  static int file_count;
  extern const volatile int status;
  int (*handler)(int signal_number);
  char table[2][3 + 1];
}
extern "C" int single_entry(void);
int old_style(a, b) int a; char *b; { return a; }
inline int twice(int v) { if (v) { return v * 2; } return 0; }
namespace net {
  typedef unsigned short port_t;
  int counter;
  struct packet { port_t from; char data[64]; };
  class socket : public packet {
   public:
    socket();
    explicit socket(int descriptor);
    virtual ~socket();
    virtual int send(const char *text, size_type length) = 0;
    socket &operator=(const socket &other);
    int operator[](int index) const;
    bool operator==(const socket &other) const { return true; }
    operator bool() const;
    static int open_count;
    friend class inspector;
    friend int peek(socket &s);
    struct option { int level; int name; };
    enum state { CLOSED, OPEN };
   protected:
    int descriptor_;
   private:
    state state_;
    option options_[4];
  };
  namespace detail { int depth; }
  namespace { int hidden; }
}
namespace net { int reopened; }
namespace { int file_hidden; }
int counter;
using namespace net;
class base_a { public: int a; virtual void f(); };
class base_b { public: int b; };
class derived : public base_a, virtual base_b {
 public:
  base_a::a;
  using base_b::b;
  int &alias;
  derived(const derived &) = delete;
};
template <class T, int N = 4> class array_of {
 public:
  T items[N];
  typedef T value_type;
  T &operator[](int i) { return items[i]; }
};
template <typename T> struct holder;
template <typename T> T maximum(T a, T b) { return a > b ? a : b; }
array_of<int, 8> eight_ints;
array_of<array_of<char, 2> > nested_arrays;
template <> class array_of<double, 1> { public: double only; };
__extension__ typedef long long wide_t;
extern int attributed(int) __attribute__((__nothrow__, __leaf__)) __asm__("attributed_v2");
_Static_assert(sizeof(int) == 4, "int");
typedef __builtin_va_list va_list_t;
__int128 big;
_Float128 quad;
extern _Noreturn void stop(void);
extern int restricted(char *__restrict out, const char *__restrict in);
__typeof__(int) typed;
static __inline int quick(void) { return 1; }
