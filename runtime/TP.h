/* TP.h - the dry-run test runtime of QMKPREPRO.
 *
 * A generated driver includes this header and runs on a desk instead of in a lab: every runtime
 * call prints one line "RT <call> <arguments>" (with " = <result>" for a call that returns one),
 * the clock is a counter that only the driver's own waits advance, environment variables named
 * QMK_DRYRUN_* steer the results that a lab would decide (a check that fails, a rendezvous not
 * reached, a message that arrives, a tester link that cannot be opened), and QMK_EXIT ends the
 * process with the root scenario's verdict. docs/dry-run.md describes the output and the variables.
 *
 * The runtime is header-only: a driver is compiled as it stands,
 *     c++ -std=c++17 -I<prefix>/share/qmkprepro/runtime root.cc -o root
 * and a driver generated with -THREAD is linked with qlx_dryrun_main.cpp, which calls its start
 * routine (-DQMK_DYNFLW=1, -DQLX_TESSVIA_DEBUG and -DQLX_HANDLE_EXCEPTION may be added freely).
 */
#ifndef QMK_DRYRUN_TP_H
#define QMK_DRYRUN_TP_H

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>

/* ---- types ---- */
typedef int QLX_T_INT;
typedef unsigned int QLX_T_UINT;
typedef long QLX_T_LONG;
typedef unsigned long QLX_T_ULONG;
typedef char QLX_T_CAR;
typedef const char *QLX_PT_CAR;
typedef void *QLX_PT_VOID;
typedef int QLX_T_ENUM;
typedef float QLX_T_REAL;
typedef double QLX_T_DOUBLE;
typedef long QLX_T_UTIME;
typedef QLX_T_INT *QLX_PT_INT;
typedef QLX_T_UINT *QLX_PT_UINT;
typedef struct {
  QLX_T_UTIME qlx_date;
} QLX_T_DATE, *QLX_PT_DATE;
typedef struct {
  QLX_T_DATE timer;
} QLX_T_TIMER;
typedef void QLX_T_THREAD_RETURN;
typedef struct {
  QLX_PT_CAR qlx_filters, qlx_riofilename, qlx_instance;
  QLX_T_INT qlx_occid;
} QLX_T_ARG, *QLX_PT_ARG;

/* ---- constants and macros ---- */
#define QLX_NOEVT 0
#define QLX_EVTOK 1
#define QLX_EVTKO 2
#define QLX_MESSAGE_SENT 0
#define QLX_MESSAGE_READ 2
#define QLX_NO_MESSAGE 3
#ifndef QLX_K_ID_SIZE
#define QLX_K_ID_SIZE 16
#endif
#define QLX_WTIME_TO_TIME 1
#define QMK_TAGTBUF_SIZE 256
#define K_TRACECTX_MAX_PRIORITY 100
#define NIL 0
#define NONIL ((QLX_PT_VOID)1)
/* Print formats of the VAR print family (the driver passes them through). */
#define QLX_P_BASE10 10
#define QLX_P_BASE16 16
#define QLX_P_BASE2 2
#define QLX_P_BASE8 8

#ifdef QLX_HANDLE_EXCEPTION
#define QLX_TRY try {
#define QLX_END_TRY }
#else
#define QLX_TRY {
#define QLX_END_TRY }
#endif

#define QMK_EXIT(code) qlx_dryrun::exit_run(code)

#define QLX_MATCHED_1(s) ((s) & QLX_EVTOK)
#define QLX_NOTMATCHED_1(s) ((s) & QLX_EVTKO)
#define QLX_MATCHING_1(s) ((s) == QLX_EVTOK)
#define QLX_NOTMATCHING_1(s) ((s) == QLX_EVTKO)
/* The channel argument only names where the state was seen; the test is on the state. */
#define QLX_MATCHED_2(c, s) QLX_MATCHED_1(s)
#define QLX_NOTMATCHED_2(c, s) QLX_NOTMATCHED_1(s)
#define QLX_MATCHING_2(c, s) QLX_MATCHING_1(s)
#define QLX_NOTMATCHING_2(c, s) QLX_NOTMATCHING_1(s)

/* The context that the generated TRIGGER callbacks date their messages with. */
struct QLX_T_RUNCTX {
  QLX_T_INT qlx_ctxrun;
};

namespace qlx_dryrun {

/* Size of the name buffers the runtime owns (instance name, tester naming, received texts). */
constexpr int k_name_size = 256;

/* What the environment asks of this run, read once at the first runtime call. */
struct Settings {
  FILE *out = stdout;
  bool verbose = false;
  const char *failing = nullptr;  // QMK_DRYRUN_FAIL: numbers of the checks that fail
  const char *rdv = nullptr;      // QMK_DRYRUN_RDV_FAIL: rendezvous not reached ("*": all)
  long messages = 0;              // QMK_DRYRUN_MESSAGES: polls that report an event
  bool interrecv = false;         // QMK_DRYRUN_INTERRECV set: a text arrives
  char emitter[k_name_size] = {0};  // its emitter
  const char *info = "";             // and its text
  bool link_fail = false;         // QMK_DRYRUN_LINK_FAIL
  bool intersend_fail = false;    // QMK_DRYRUN_INTERSEND_FAIL
};

/* The process-wide state of a dry run. The runtime's free functions (qlx_rdv, qlx_sleep, ...)
 * have no context argument, so the fake clock and the settings they share live here. */
struct State {
  Settings settings;
  QLX_T_UTIME clock = 0;        // fake time, in ticks
  QLX_T_UTIME wait_start = 0;   // clock at the start of the current WAITTIL
  long failures = 0;            // failed checks so far
  long polls = 0;               // qlx_pollevt calls so far
  char emitter[k_name_size] = {0};
  char info[k_name_size] = {0};
};

inline bool env_flag(const char *name) {
  const char *v = std::getenv(name);
  return v && *v && std::strcmp(v, "0") != 0;
}

/* Whether the comma-separated list holds the item (blanks around items are ignored). */
inline bool list_has(const char *list, const char *item) {
  if (!list || !item) return false;
  size_t len = std::strlen(item);
  for (const char *p = list; *p;) {
    while (*p == ' ' || *p == ',') ++p;
    const char *e = p;
    while (*e && *e != ',') ++e;
    const char *last = e;
    while (last > p && last[-1] == ' ') --last;
    if (static_cast<size_t>(last - p) == len && std::strncmp(p, item, len) == 0) return true;
    p = e;
  }
  return false;
}

inline Settings read_settings() {
  Settings s;
  const char *out = std::getenv("QMK_DRYRUN_OUT");
  if (out && *out) {
    FILE *f = std::fopen(out, "w");
    if (f) {
      s.out = f;
    } else {
      std::fprintf(stderr, "dry-run: cannot write '%s', printing on standard output\n", out);
    }
  }
  s.verbose = env_flag("QMK_DRYRUN_VERBOSE");
  s.failing = std::getenv("QMK_DRYRUN_FAIL");
  s.rdv = std::getenv("QMK_DRYRUN_RDV_FAIL");
  const char *messages = std::getenv("QMK_DRYRUN_MESSAGES");
  s.messages = messages ? std::atol(messages) : 0;
  const char *recv = std::getenv("QMK_DRYRUN_INTERRECV");
  if (recv) {
    s.interrecv = true;
    const char *colon = std::strchr(recv, ':');
    size_t len = colon ? static_cast<size_t>(colon - recv) : 0;
    if (len >= sizeof s.emitter) len = sizeof s.emitter - 1;
    std::memcpy(s.emitter, colon ? recv : "tester", colon ? len : 6);
    s.info = colon ? colon + 1 : recv;
  }
  s.link_fail = env_flag("QMK_DRYRUN_LINK_FAIL");
  s.intersend_fail = env_flag("QMK_DRYRUN_INTERSEND_FAIL");
  return s;
}

inline State &state() {
  static State st{read_settings()};
  return st;
}

inline bool is_failing(long number) {
  char text[32];
  std::snprintf(text, sizeof text, "%ld", number);
  return list_has(state().settings.failing, text);
}

/* ---- printing one line per call ---- */

inline void put_string(FILE *out, const char *s, size_t max) {
  if (!s) {
    std::fputs("NULL", out);
    return;
  }
  std::fputc('"', out);
  for (size_t i = 0; i < max && s[i]; ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == '"' || c == '\\') {
      std::fprintf(out, "\\%c", c);
    } else if (c < 32 || c >= 127) {
      std::fprintf(out, "\\x%02x", c);
    } else {
      std::fputc(c, out);
    }
  }
  std::fputc('"', out);
}

/* Prints one argument: numbers as numbers, characters quoted, character strings (and arrays)
 * as quoted texts, other pointers as NULL, NONIL or <ptr> (addresses change from run to run),
 * anything else as <obj>. */
template <class T>
void put_arg(FILE *out, const T &v) {
  typedef typename std::decay<T>::type D;
  if constexpr (std::is_array<T>::value && std::is_same<typename std::remove_cv<typename std::remove_extent<T>::type>::type, char>::value) {
    put_string(out, v, sizeof(T));
  } else if constexpr (std::is_same<D, char *>::value || std::is_same<D, const char *>::value) {
    put_string(out, v, 200);
  } else if constexpr (std::is_same<D, char>::value) {
    if (v >= 32 && v < 127)
      std::fprintf(out, "'%c'", v);
    else
      std::fprintf(out, "'\\x%02x'", static_cast<unsigned char>(v));
  } else if constexpr (std::is_same<D, bool>::value) {
    std::fputs(v ? "1" : "0", out);
  } else if constexpr (std::is_enum<D>::value) {
    std::fprintf(out, "%lld", static_cast<long long>(v));
  } else if constexpr (std::is_integral<D>::value && std::is_signed<D>::value) {
    std::fprintf(out, "%lld", static_cast<long long>(v));
  } else if constexpr (std::is_integral<D>::value) {
    std::fprintf(out, "%llu", static_cast<unsigned long long>(v));
  } else if constexpr (std::is_floating_point<D>::value) {
    std::fprintf(out, "%g", static_cast<double>(v));
  } else if constexpr (std::is_null_pointer<D>::value) {
    std::fputs("NULL", out);
  } else if constexpr (std::is_pointer<D>::value) {
    const void *p = reinterpret_cast<const void *>(v);
    std::fputs(p == nullptr ? "NULL" : p == reinterpret_cast<const void *>(1) ? "NONIL" : "<ptr>", out);
  } else {
    std::fputs("<obj>", out);
  }
}

inline void put_args(FILE *) {}

template <class T, class... R>
void put_args(FILE *out, const T &first, const R &...rest) {
  std::fputc(' ', out);
  put_arg(out, first);
  put_args(out, rest...);
}

/* One line "RT <name> <args>". */
template <class... A>
void line(const char *name, const A &...args) {
  FILE *out = state().settings.out;
  std::fprintf(out, "RT %s", name);
  put_args(out, args...);
  std::fputc('\n', out);
}

/* One line "RT <name> <args> = <result>", and the result. */
template <class R, class... A>
R result(R value, const char *name, const A &...args) {
  FILE *out = state().settings.out;
  std::fprintf(out, "RT %s", name);
  put_args(out, args...);
  std::fputs(" =", out);
  put_args(out, value);
  std::fputc('\n', out);
  return value;
}

/* The calls a WAITTIL repeats every polling period print only with QMK_DRYRUN_VERBOSE. */
template <class... A>
void quiet_line(const char *name, const A &...args) {
  if (state().settings.verbose) line(name, args...);
}

template <class R, class... A>
R quiet_result(R value, const char *name, const A &...args) {
  return state().settings.verbose ? result(value, name, args...) : value;
}

[[noreturn]] inline void exit_run(int code) {
  line("exit", code);
  std::fflush(state().settings.out);
  std::exit(code);
}

/* A check passes on its values unless its number is in QMK_DRYRUN_FAIL; a failure is counted
 * for the CALL, VAR or message comparison around it. */
template <class... A>
QLX_T_INT check(const char *name, bool ok, long number, const A &...args) {
  QLX_T_INT failed = (!ok || is_failing(number)) ? 1 : 0;
  if (failed) ++state().failures;
  return result(failed, name, args...);
}

template <class T>
bool in_range(QLX_T_INT range, const T &low, const T &high, const T &actual) {
  return range ? (low <= actual && actual <= high) : (actual == low);
}

inline int compare_text(QLX_PT_CAR a, QLX_PT_CAR b) {
  if (!a || !b) return (a != nullptr) - (b != nullptr);
  return std::strcmp(a, b);
}

/* The last argument of a VAR compare call is its check number (0 when it is not a number). */
inline long last_number() { return 0; }
template <class T, class... R>
long last_number(const T &first, const R &...rest) {
  if constexpr (sizeof...(rest) > 0) {
    return last_number(rest...);
  } else if constexpr (std::is_integral<typename std::decay<T>::type>::value) {
    return static_cast<long>(first);
  } else {
    return 0;
  }
}

/* Whether QMK_DRYRUN_RDV_FAIL names this rendezvous (or is "*"). */
inline bool rdv_fails(QLX_PT_CAR name) {
  const char *list = state().settings.rdv;
  return list_has(list, "*") || list_has(list, name);
}

/* Copies at most size-1 characters and ends the copy; a null source is an empty text. */
inline void copy_name(char *dst, QLX_PT_CAR src, size_t size) {
  if (!dst || dst == src || size == 0) return;
  size_t i = 0;
  for (; src && src[i] && i + 1 < size; ++i) dst[i] = src[i];
  dst[i] = '\0';
}

/* The value of "-<option>=<value>" among the program's arguments, or null. */
inline QLX_PT_CAR option_value(QLX_T_INT argc, const char *const *argv, const char *option) {
  size_t len = std::strlen(option);
  for (QLX_T_INT i = 1; argv && i < argc; ++i) {
    const char *a = argv[i];
    if (a && a[0] == '-' && std::strncmp(a + 1, option, len) == 0 && a[len + 1] == '=') return a + len + 2;
  }
  return nullptr;
}

}  // namespace qlx_dryrun

/* ---- free functions and variables ---- */

inline char *qlx_strcpy(char *dst, QLX_PT_CAR src) {
  if (!dst) return dst;
  return std::strcpy(dst, src ? src : "");
}

inline char *qlx_strcat(char *dst, QLX_PT_CAR src) {
  if (!dst) return dst;
  return std::strcat(dst, src ? src : "");
}

inline QLX_T_INT qlx_strcmp(QLX_PT_CAR a, QLX_PT_CAR b) { return qlx_dryrun::compare_text(a, b); }

inline QLX_PT_VOID qlx_memcpy(QLX_PT_VOID dst, const void *src, size_t size) {
  if (!dst || !src) return dst;
  return std::memcpy(dst, src, size);
}

__attribute__((format(printf, 2, 3))) inline QLX_T_INT qlx_sprintf(char *dst, QLX_PT_CAR format, ...) {
  if (!dst || !format) return 0;
  va_list ap;
  va_start(ap, format);
  int n = std::vsprintf(dst, format, ap);
  va_end(ap);
  return n;
}

inline QLX_T_UTIME qlx_gran = 10;

inline QLX_T_RUNCTX qlx_ctx_storage = {0};
inline QLX_T_RUNCTX *qlx_ctx = &qlx_ctx_storage;

inline void qlx_get_date(QLX_PT_DATE date) {
  if (date) date->qlx_date = qlx_dryrun::state().clock;
  qlx_dryrun::line("qlx_get_date", qlx_dryrun::state().clock);
}

inline void qlx_sleep(QLX_T_UTIME ticks) {
  if (ticks > 0) qlx_dryrun::state().clock += ticks;
  qlx_dryrun::quiet_line("qlx_sleep", ticks);
}

inline QLX_T_INT qlx_rdv(QLX_PT_CAR name) {
  return qlx_dryrun::result(qlx_dryrun::rdv_fails(name) ? 1 : 0, "qlx_rdv", name);
}

/* A poll reports an event (a positive descriptor) while QMK_DRYRUN_MESSAGES allows. */
template <class... A>
QLX_T_INT qlx_pollevt(const A &...args) {
  qlx_dryrun::State &st = qlx_dryrun::state();
  ++st.polls;
  QLX_T_INT fd = st.polls <= st.settings.messages ? static_cast<QLX_T_INT>(st.polls) : 0;
  if (fd) return qlx_dryrun::result(fd, "qlx_pollevt", args...);
  return qlx_dryrun::quiet_result(fd, "qlx_pollevt", args...);
}

template <class... A>
void qlx_msgdate(const A &...args) {
  qlx_dryrun::line("qlx_msgdate", args...);
}

inline QLX_T_INT priv_boot_tagtlk(QLX_T_INT *socket, QLX_PT_CAR instance, QLX_PT_CAR naming, QLX_T_UTIME *timeout,
                                  QLX_T_INT *activated) {
  bool fail = qlx_dryrun::state().settings.link_fail;
  if (socket) *socket = fail ? -1 : 3;
  if (timeout) *timeout = 100;
  if (activated) *activated = fail ? 0 : 1;
  return qlx_dryrun::result(fail ? 1 : 0, "priv_boot_tagtlk", instance, naming);
}

inline void priv_close_tagtlk(QLX_T_INT *socket) {
  qlx_dryrun::line("priv_close_tagtlk");
  if (socket) *socket = -1;
}

/* Receives the text of QMK_DRYRUN_INTERRECV (0), or nothing within the time-out (1). */
inline QLX_T_INT priv_interrecv(QLX_T_INT *socket, QLX_T_UTIME timeout, char *buffer, size_t size, char **emitter,
                                char **info) {
  (void)socket;
  qlx_dryrun::State &st = qlx_dryrun::state();
  if (!st.settings.interrecv) {
    st.clock += timeout > 0 ? timeout : 0;
    return qlx_dryrun::result(1, "priv_interrecv", timeout);
  }
  qlx_dryrun::copy_name(st.emitter, st.settings.emitter, sizeof st.emitter);
  qlx_dryrun::copy_name(st.info, st.settings.info, sizeof st.info);
  if (buffer && size > 0) qlx_dryrun::copy_name(buffer, st.info, size);
  if (emitter) *emitter = st.emitter;
  if (info) *info = st.info;
  return qlx_dryrun::result(0, "priv_interrecv", timeout, st.emitter, st.info);
}

/* ---- the runtime object ---- */

/* The VAR compare, dump and print calls take whatever the check passes; a compare fails when
 * its number (the last argument) is in QMK_DRYRUN_FAIL. */
#define QLX_DRYRUN_CMP(name)                                                                  \
  template <class... A>                                                                       \
  QLX_T_INT qlx_##name(const A &...args) {                                                    \
    return qlx_dryrun::check(#name, true, qlx_dryrun::last_number(args...), args...);         \
  }
#define QLX_DRYRUN_SHOW(name)                                                                 \
  template <class... A>                                                                       \
  QLX_T_INT qlx_##name(const A &...args) {                                                    \
    qlx_dryrun::line(#name, args...);                                                         \
    return 0;                                                                                 \
  }
#define QLX_DRYRUN_FAMILY(M, p, x) M(p##x##_c) M(p##x##_c_range) M(p##x##_range_c) M(p##range_##x##_c)
#define QLX_DRYRUN_CLASSES(M, p)                                                              \
  QLX_DRYRUN_FAMILY(M, p, long) QLX_DRYRUN_FAMILY(M, p, int) QLX_DRYRUN_FAMILY(M, p, char)    \
  QLX_DRYRUN_FAMILY(M, p, bytetab) QLX_DRYRUN_FAMILY(M, p, byte) QLX_DRYRUN_FAMILY(M, p, string) \
  QLX_DRYRUN_FAMILY(M, p, float) QLX_DRYRUN_FAMILY(M, p, double) QLX_DRYRUN_FAMILY(M, p, pointer) \
  QLX_DRYRUN_FAMILY(M, p, nonil)

class QLX_C_RUNTIME {
 public:
  QLX_C_RUNTIME() : qlx_instancename(instance_buffer_), qlx_ctxtesternaming(naming_buffer_) {}
  QLX_C_RUNTIME(const QLX_C_RUNTIME &) = delete;
  QLX_C_RUNTIME &operator=(const QLX_C_RUNTIME &) = delete;

  /* context that generated code reads and writes */
  QLX_T_INT qlx_ctxnuminstance = 1;
  QLX_T_INT qlx_ctxoccid = 0;
  QLX_T_UTIME qlx_ctxtimeout = 0;
  QLX_T_INT qlx_ctxfilter[26] = {0};
  QLX_T_CAR *qlx_ctxbuffertrace = nullptr;
  QLX_T_INT qlx_ctxbuffersize = 0;
  QLX_T_INT qlx_ctxbuffersizeleft = 0;
  QLX_T_INT qlx_ctxtracepriority = 0;
  QLX_T_CAR *qlx_ctxcurrentline = nullptr;
  QLX_T_CAR *qlx_ctxlinetoerase = nullptr;
  QLX_T_CAR *qlx_ctxlastline = nullptr;
  QLX_T_CAR *qlx_instancename;
  QLX_T_CAR *qlx_ctxtesternaming;
  QLX_T_INT qlx_ctxtagtsocket = -1;
  QLX_T_UTIME qlx_ctxtagttimeout = 0;
  QLX_T_INT qlx_ctxtagtcommactivated = 0;
  QLX_T_INT qlx_ctxflagprobe = 0;
  QLX_T_UTIME qlx_logdate = 0;
  QLX_T_DATE qlx_ctxusrdate = {0};  // a probe decoder's date of the record being decoded

  /* scenario frame */
  void qlx_bproc(QLX_T_INT n) { qlx_dryrun::line("bproc", n); }
  void qlx_aproc(QLX_T_INT n) { qlx_dryrun::line("aproc", n); }
  void qlx_binit(QLX_T_INT a, QLX_T_INT b, QLX_T_INT c, QLX_T_INT d) { qlx_dryrun::line("binit", a, b, c, d); }
  void qlx_ainit(QLX_T_INT a, QLX_T_INT b, QLX_T_INT c, QLX_T_INT d) { qlx_dryrun::line("ainit", a, b, c, d); }
  void qlx_bterm(QLX_T_INT a, QLX_T_INT b, QLX_T_INT c, QLX_T_INT d) { qlx_dryrun::line("bterm", a, b, c, d); }
  void qlx_aterm(QLX_T_INT a, QLX_T_INT b, QLX_T_INT c, QLX_T_INT d) { qlx_dryrun::line("aterm", a, b, c, d); }
  void qlx_bexcep(QLX_T_INT a, QLX_T_INT b, QLX_T_INT c, QLX_T_INT d) { qlx_dryrun::line("bexcep", a, b, c, d); }
  void qlx_aexcep(QLX_T_INT a, QLX_T_INT b, QLX_T_INT c, QLX_T_INT d) { qlx_dryrun::line("aexcep", a, b, c, d); }
  void qlx_startchronomarkloop(QLX_T_INT end, QLX_T_INT number, QLX_T_INT depth, QLX_T_INT loop, QLX_PT_CAR name,
                               QLX_T_INT trace, QLX_T_INT value) {
    qlx_dryrun::line("startchronomarkloop", end, number, depth, loop, name, trace, value);
  }
  void qlx_stopchronomarkloop(QLX_T_INT state, QLX_T_INT end, QLX_T_INT depth, QLX_T_INT loop, QLX_PT_CAR name,
                              QLX_T_INT trace, QLX_T_INT value) {
    qlx_dryrun::line("stopchronomarkloop", state, end, depth, loop, name, trace, value);
  }
  void qlx_special_block_tsf(QLX_T_INT trace, QLX_T_INT value, QLX_T_INT kind, QLX_T_INT start) {
    qlx_dryrun::line("special_block_tsf", trace, value, kind, start);
  }
  void qlx_flush_circular_buffer(QLX_T_INT priority) { qlx_dryrun::line("flush_circular_buffer", priority); }

  /* calls of C functions */
  void qlx_bcf(QLX_T_INT n) {
    mark_ = qlx_dryrun::state().failures;
    qlx_dryrun::line("bcf", n);
  }
  QLX_T_INT qlx_cf(QLX_T_INT n) {
    bool failed = failed_since_mark() || qlx_dryrun::is_failing(n);
    return qlx_dryrun::result(failed ? 1 : 0, "cf", n);
  }
  void qlx_catch() {
    ++qlx_dryrun::state().failures;
    qlx_dryrun::line("catch");
  }

  /* typed checks: (range flag, expected or minimum, maximum, actual, number) */
  QLX_T_INT qlx_int_c(QLX_T_INT r, QLX_T_INT e, QLX_T_INT m, QLX_T_INT a, QLX_T_INT n) {
    return qlx_dryrun::check("int_c", qlx_dryrun::in_range(r, e, m, a), n, r, e, m, a, n);
  }
  QLX_T_INT qlx_char_c(QLX_T_INT r, QLX_T_CAR e, QLX_T_CAR m, QLX_T_CAR a, QLX_T_INT n) {
    return qlx_dryrun::check("char_c", qlx_dryrun::in_range(r, e, m, a), n, r, e, m, a, n);
  }
  QLX_T_INT qlx_long_c(QLX_T_INT r, QLX_T_LONG e, QLX_T_LONG m, QLX_T_LONG a, QLX_T_INT n) {
    return qlx_dryrun::check("long_c", qlx_dryrun::in_range(r, e, m, a), n, r, e, m, a, n);
  }
  QLX_T_INT qlx_float_c(QLX_T_INT r, QLX_T_REAL e, QLX_T_REAL m, QLX_T_REAL a, QLX_T_INT n) {
    return qlx_dryrun::check("float_c", qlx_dryrun::in_range(r, e, m, a), n, r, e, m, a, n);
  }
  QLX_T_INT qlx_double_c(QLX_T_INT r, QLX_T_DOUBLE e, QLX_T_DOUBLE m, QLX_T_DOUBLE a, QLX_T_INT n) {
    return qlx_dryrun::check("double_c", qlx_dryrun::in_range(r, e, m, a), n, r, e, m, a, n);
  }
  QLX_T_INT qlx_string_c(QLX_T_INT r, QLX_PT_CAR e, QLX_PT_CAR m, QLX_PT_CAR a, QLX_T_INT n) {
    using qlx_dryrun::compare_text;
    bool ok = r ? (compare_text(e, a) <= 0 && compare_text(a, m) <= 0) : compare_text(a, e) == 0;
    return qlx_dryrun::check("string_c", ok, n, r, e, m, a, n);
  }
  QLX_T_INT qlx_pointer_c(QLX_T_INT r, const void *e, const void *m, const void *a, QLX_T_INT n) {
    bool ok = r ? (e <= a && a <= m) : a == e;
    return qlx_dryrun::check("pointer_c", ok, n, r, e, m, a, n);
  }
  /* A NONIL expectation passes for any non-null pointer, a NIL one for null only. */
  QLX_T_INT qlx_nonil_c(QLX_T_INT r, const void *e, const void *m, const void *a, QLX_T_INT n) {
    bool ok = e ? a != nullptr : a == nullptr;
    return qlx_dryrun::check("nonil_c", ok, n, r, e, m, a, n);
  }
  /* Byte values and tables carry no length here: they pass unless steered to fail. */
  template <class E, class M, class A>
  QLX_T_INT qlx_byte_c(QLX_T_INT r, const E &e, const M &m, const A &a, QLX_T_INT n) {
    return qlx_dryrun::check("byte_c", true, n, r, e, m, a, n);
  }
  template <class E, class M, class A>
  QLX_T_INT qlx_bytetab_c(QLX_T_INT r, const E &e, const M &m, const A &a, QLX_T_INT n) {
    return qlx_dryrun::check("bytetab_c", true, n, r, e, m, a, n);
  }

  /* VAR checks: var(n) answers whether a check failed since the previous var() (or bcf, cf, cmp) */
  QLX_T_INT qlx_var(QLX_T_INT n) {
    bool failed = failed_since_mark() || qlx_dryrun::is_failing(n);
    return qlx_dryrun::result(failed ? 1 : 0, "var", n);
  }
  void qlx_vartab(QLX_T_INT n) { qlx_dryrun::line("vartab", n); }
  void qlx_varstruct(QLX_T_INT n) { qlx_dryrun::line("varstruct", n); }
  void qlx_varplage(QLX_T_INT n, QLX_T_INT low, QLX_T_INT high) { qlx_dryrun::line("varplage", n, low, high); }
  void qlx_setflagrt() {
    ++qlx_dryrun::state().failures;
    qlx_dryrun::line("setflagrt");
  }
  void qlx_var_catch(QLX_T_INT n) {
    ++qlx_dryrun::state().failures;
    qlx_dryrun::line("var_catch", n);
  }
  void qlx_varreset() { qlx_dryrun::line("varreset"); }
  QLX_DRYRUN_CLASSES(QLX_DRYRUN_CMP, cmp_)
  QLX_DRYRUN_CLASSES(QLX_DRYRUN_SHOW, dmp_)
  QLX_DRYRUN_CLASSES(QLX_DRYRUN_SHOW, var_)
  /* cmp() opens a message comparison and, called again, answers 1 when no check failed since. */
  QLX_T_INT qlx_cmp() {
    bool matched = !failed_since_mark();
    return qlx_dryrun::result(matched ? 1 : 0, "cmp");
  }

  /* messages */
  void qlx_send(QLX_T_INT n, QLX_PT_CAR message) { qlx_dryrun::line("send", n, message); }
  void qlx_send_tsf(QLX_T_INT trace, QLX_T_INT value) { qlx_dryrun::line("send_tsf", trace, value); }
  void qlx_endsend(QLX_T_INT status, QLX_T_INT n) { qlx_dryrun::line("endsend", status, n); }
  void qlx_rio_on() { qlx_dryrun::quiet_line("rio_on"); }
  void qlx_rio_off() { qlx_dryrun::quiet_line("rio_off"); }
  void qlx_nodefmsg(QLX_T_INT n) { qlx_dryrun::line("nodefmsg", n); }
  void qlx_noaddid(QLX_T_INT n) { qlx_dryrun::line("noaddid", n); }
  void qlx_numofid(QLX_T_INT n) { qlx_dryrun::line("numofid", n); }
  void qlx_begin_waittil_tsf(QLX_T_INT trace, QLX_T_INT value) { qlx_dryrun::line("begin_waittil_tsf", trace, value); }
  void qlx_waittil_tsf(QLX_PT_CAR type, QLX_T_INT trace, QLX_T_INT value) {
    qlx_dryrun::line("waittil_tsf", type, trace, value);
  }
  void qlx_end_waittil_tsf(QLX_T_INT trace, QLX_T_INT value, QLX_T_INT how) {
    qlx_dryrun::line("end_waittil_tsf", trace, value, how);
  }
  void qlx_waittil(QLX_T_INT n) {
    qlx_dryrun::state().wait_start = qlx_dryrun::state().clock;
    qlx_logdate = 0;
    qlx_dryrun::line("waittil", n);
  }
  /* The end of a WAITTIL also shows how long it waited on the fake clock. */
  void qlx_endwaittil(QLX_T_INT how, QLX_T_INT n, QLX_PT_CAR type) {
    qlx_dryrun::line("endwaittil", how, n, type, qlx_dryrun::state().clock - qlx_dryrun::state().wait_start);
  }
  void qlx_state(QLX_T_INT state, QLX_T_INT n) { qlx_dryrun::line("state", state, n); }
  void qlx_evt(QLX_T_INT message, QLX_T_INT channel, QLX_T_INT typed, QLX_PT_CAR type) {
    qlx_logdate = qlx_dryrun::state().clock - qlx_dryrun::state().wait_start;
    qlx_dryrun::line("evt", message, channel, typed, type);
  }
  void qlx_endevt(QLX_T_INT n) { qlx_dryrun::line("endevt", n); }
  void qlx_def_msg(QLX_T_INT n) { qlx_dryrun::line("def_msg", n); }
  void qlx_nomsg(QLX_T_INT n) { qlx_dryrun::line("nomsg", n); }
  void qlx_msgdate(QLX_T_INT n) { qlx_dryrun::line("msgdate", n); }

  /* clock: dates are ticks of the fake clock; a WAITTIL's time counts polling periods */
  QLX_T_UTIME qlx_getevtdate() { return qlx_dryrun::quiet_result(qlx_dryrun::state().clock, "getevtdate"); }
  QLX_T_UTIME qlx_getwtime() {
    qlx_dryrun::State &st = qlx_dryrun::state();
    return qlx_dryrun::quiet_result((st.clock - st.wait_start) / (qlx_gran > 0 ? qlx_gran : 1), "getwtime");
  }
  QLX_T_UTIME qlx_time(const QLX_T_DATE *date) {
    QLX_T_UTIME now = qlx_dryrun::state().clock;
    return qlx_dryrun::quiet_result(date ? now - date->qlx_date : now, "time");
  }
  void qlx_pause(QLX_T_UTIME ticks) {
    if (ticks > 0) qlx_dryrun::state().clock += ticks;
    qlx_dryrun::line("pause", ticks);
  }
  void qlx_sleep(QLX_T_UTIME ticks) {
    if (ticks > 0) qlx_dryrun::state().clock += ticks;
    qlx_dryrun::line("sleep", ticks);
  }
  void qlx_get_date(QLX_PT_DATE date) {
    if (date) date->qlx_date = qlx_dryrun::state().clock;
    qlx_dryrun::line("get_date", qlx_dryrun::state().clock);
  }

  /* one-line statements */
  void qlx_comment(QLX_T_INT n) { qlx_dryrun::line("comment", n); }
  void qlx_trace_on(QLX_T_INT n) { qlx_dryrun::line("trace_on", n); }
  void qlx_trace_off(QLX_T_INT n) { qlx_dryrun::line("trace_off", n); }
  void qlx_flush_trace(QLX_T_INT n) { qlx_dryrun::line("flush_trace", n); }
  void qlx_setfilter(QLX_PT_CAR letters, QLX_T_INT n) {
    set_filters(letters, 1);
    qlx_dryrun::line("setfilter", letters, n);
  }
  void qlx_unsetfilter(QLX_PT_CAR letters, QLX_T_INT n) {
    set_filters(letters, 0);
    qlx_dryrun::line("unsetfilter", letters, n);
  }
  void qlx_error(QLX_T_INT n) { qlx_dryrun::line("error", n); }
  void qlx_rioexit(QLX_T_INT n) { qlx_dryrun::line("rioexit", n); }
  void qlx_print(QLX_T_INT n, QLX_T_ULONG value) { qlx_dryrun::line("print", n, value); }

  /* rendezvous and inter-tester messages */
  void qlx_brdv(QLX_T_INT n, QLX_PT_CAR name) { qlx_dryrun::line("brdv", n, name); }
  QLX_T_INT qlx_rdv(QLX_PT_CAR name) { return qlx_dryrun::result(qlx_dryrun::rdv_fails(name) ? 1 : 0, "rdv", name); }
  void qlx_ardv(QLX_T_INT n, QLX_T_INT failed, QLX_PT_CAR name) { qlx_dryrun::line("ardv", n, failed, name); }
  void qlx_rdv_reached_tsf(QLX_T_INT failed, QLX_T_INT trace, QLX_T_INT value) {
    qlx_dryrun::line("rdv_reached_tsf", failed, trace, value);
  }
  QLX_T_INT qlx_intersend(QLX_PT_CAR tester, QLX_PT_CAR value) {
    return qlx_dryrun::result(qlx_dryrun::state().settings.intersend_fail ? 1 : 0, "intersend", tester, value);
  }
  void qlx_intersend_tsf(QLX_T_INT trace, QLX_T_INT value, QLX_PT_CAR text) {
    qlx_dryrun::line("intersend_tsf", trace, value, text);
  }
  void qlx_isend(QLX_T_INT n, QLX_T_INT failed, QLX_PT_CAR tester, QLX_PT_CAR value) {
    qlx_dryrun::line("isend", n, failed, tester, value);
  }
  void qlx_irecv(QLX_T_INT n) { qlx_dryrun::line("irecv", n); }
  void qlx_end_irecv(QLX_T_INT n, QLX_T_INT how, QLX_PT_CAR emitter, QLX_PT_CAR info) {
    qlx_dryrun::line("end_irecv", n, how, emitter, info);
  }
  void qlx_interrecv_tsf(QLX_T_INT trace, QLX_T_INT value, QLX_PT_CAR info, QLX_PT_CAR emitter) {
    qlx_dryrun::line("interrecv_tsf", trace, value, info, emitter);
  }

  /* set-up and end; the options of the program's command line are -SET=, -RIO=, -INSTANCE=, -OCCID= */
  void qlx_set_trace_functions() { qlx_dryrun::line("set_trace_functions"); }
  void qlx_set_lstflt(QLX_T_INT argc, const char *const *argv, QLX_PT_CAR letters) {
    set_filters(letters, 1);
    set_filters(qlx_dryrun::option_value(argc, argv, "SET"), 1);
    char active[27];
    qlx_dryrun::line("set_lstflt", letters, active_filters(active));
  }
  void qlx_set_riofilename(QLX_T_INT argc, const char *const *argv, QLX_PT_CAR name) {
    QLX_PT_CAR given = qlx_dryrun::option_value(argc, argv, "RIO");
    qlx_dryrun::line("set_riofilename", given ? given : name);
  }
  /* A named instance is invalid (-1) until the driver finds it among the script's instances. */
  void qlx_set_instancename(QLX_T_INT argc, const char *const *argv, QLX_PT_CAR name) {
    QLX_PT_CAR given = qlx_dryrun::option_value(argc, argv, "INSTANCE");
    if (!given) given = name;
    qlx_dryrun::copy_name(qlx_instancename, given, qlx_dryrun::k_name_size);
    if (qlx_instancename[0]) qlx_ctxnuminstance = -1;
    qlx_dryrun::line("set_instancename", qlx_instancename);
  }
  void qlx_set_occid(QLX_T_INT argc, const char *const *argv, QLX_T_INT occid) {
    QLX_PT_CAR given = qlx_dryrun::option_value(argc, argv, "OCCID");
    qlx_ctxoccid = given ? std::atoi(given) : occid;
    qlx_dryrun::line("set_occid", qlx_ctxoccid);
  }
  void qlx_set_testernaming() {
    qlx_dryrun::copy_name(qlx_ctxtesternaming, qlx_instancename[0] ? qlx_instancename : "desk",
                          qlx_dryrun::k_name_size);
    qlx_dryrun::line("set_testernaming", qlx_ctxtesternaming);
  }
  void qlx_set_instancevalid(QLX_T_INT valid) { qlx_dryrun::line("set_instancevalid", valid); }
  void qlx_set_instancerequired(QLX_T_INT required) { qlx_dryrun::line("set_instancerequired", required); }
  void qlx_initrio(QLX_PT_CAR run, QLX_PT_CAR mode) { qlx_dryrun::line("initrio", run, mode); }
  void qlx_initrio_with_dynamicfollowing(QLX_PT_CAR run, QLX_PT_CAR mode) {
    qlx_dryrun::line("initrio_with_dynamicfollowing", run, mode);
  }
  void qlx_initrio_no_dynamicfollowing(QLX_PT_CAR run, QLX_PT_CAR mode) {
    qlx_dryrun::line("initrio_no_dynamicfollowing", run, mode);
  }
  void qlx_notify_tsf(QLX_T_INT file, QLX_T_LONG first, QLX_T_LONG second) {
    qlx_dryrun::line("notify_tsf", file, first, second);
  }
  void qlx_declare_ni_tsf(QLX_T_INT count) { qlx_dryrun::line("declare_ni_tsf", count); }
  void qlx_end() { qlx_dryrun::line("end"); }
  void qlx_endoftester_tagtlk() { qlx_dryrun::line("endoftester_tagtlk"); }
  [[noreturn]] void qlx_thr_exit(QLX_T_INT code) {
    qlx_dryrun::line("thr_exit", code);
    qlx_dryrun::exit_run(code);
  }

  /* the C-library helpers */
  char *qlx_strcpy(char *dst, QLX_PT_CAR src) { return ::qlx_strcpy(dst, src); }
  char *qlx_strcat(char *dst, QLX_PT_CAR src) { return ::qlx_strcat(dst, src); }
  QLX_T_INT qlx_strcmp(QLX_PT_CAR a, QLX_PT_CAR b) { return ::qlx_strcmp(a, b); }
  QLX_PT_VOID qlx_memcpy(QLX_PT_VOID dst, const void *src, size_t size) { return ::qlx_memcpy(dst, src, size); }
  __attribute__((format(printf, 3, 4))) QLX_T_INT qlx_sprintf(char *dst, QLX_PT_CAR format, ...) {
    if (!dst || !format) return 0;
    va_list ap;
    va_start(ap, format);
    int n = std::vsprintf(dst, format, ap);
    va_end(ap);
    return n;
  }

 private:
  void set_filters(QLX_PT_CAR letters, QLX_T_INT on) {
    for (const char *p = letters ? letters : ""; *p; ++p)
      if (*p >= 'A' && *p <= 'Z') qlx_ctxfilter[*p - 'A'] = on;
  }
  /* The letters of the filters that are on, in a buffer of 27 characters. */
  const char *active_filters(char (&letters)[27]) const {
    int n = 0;
    for (int i = 0; i < 26; ++i)
      if (qlx_ctxfilter[i]) letters[n++] = static_cast<char>('A' + i);
    letters[n] = '\0';
    return letters;
  }

  /* Whether a check failed since the last bcf, cf, var or cmp; each of them starts a new count. */
  bool failed_since_mark() {
    bool failed = qlx_dryrun::state().failures != mark_;
    mark_ = qlx_dryrun::state().failures;
    return failed;
  }

  long mark_ = 0;  // failed checks counted at the last bcf, cf, var or cmp
  char instance_buffer_[qlx_dryrun::k_name_size] = {0};
  char naming_buffer_[qlx_dryrun::k_name_size] = {0};
};

#undef QLX_DRYRUN_CLASSES
#undef QLX_DRYRUN_FAMILY
#undef QLX_DRYRUN_SHOW
#undef QLX_DRYRUN_CMP

#endif /* QMK_DRYRUN_TP_H */
