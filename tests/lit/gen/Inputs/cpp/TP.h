// TEST STUB of the test runtime, for the C++ driver generator's tests only: just enough of the
// runtime contract (types, macros, the runtime class and the tester-link functions) for a generated
// driver to compile with -Wall -Wextra -Werror and run. Each call prints "RT <name> <arguments>".
// It is not the project's dry-run runtime. STUB_FILTERS holds the execution filters that are set, STUB_INSTANCE the instance name a run is given, STUB_FAIL_CALL the end number of the
// C function call whose checks fail.
#ifndef QMK_TEST_STUB_TP_H
#define QMK_TEST_STUB_TP_H
#include <cstdio>
#include <cstdlib>
#include <cstring>

typedef int QLX_T_INT;
typedef unsigned int QLX_T_UINT;
typedef long QLX_T_LONG;
typedef unsigned long QLX_T_ULONG;
typedef char QLX_T_CAR;
typedef const char *QLX_PT_CAR;
typedef void *QLX_PT_VOID;
typedef long QLX_T_UTIME;
typedef void QLX_T_THREAD_RETURN;
typedef struct { QLX_PT_CAR qlx_filters, qlx_riofilename, qlx_instance; QLX_T_INT qlx_occid; } QLX_T_ARG, *QLX_PT_ARG;

#define K_TRACECTX_MAX_PRIORITY 100
#ifdef QLX_HANDLE_EXCEPTION
#define QLX_TRY try {
#define QLX_END_TRY }
#else
#define QLX_TRY {
#define QLX_END_TRY }
#endif
#define QMK_EXIT(code) std::exit(code)

namespace qlx_stub {
inline void arg(long v) { std::printf(" %ld", v); }
inline void arg(const char *s) { std::printf(" \"%s\"", s != nullptr ? s : "(null)"); }
inline void arg(char **) { std::printf(" argv"); }
inline void arg(const char **) { std::printf(" argv"); }
template <typename... A>
void call(const char *name, A... a) {
  std::printf("RT %s", name);
  (arg(a), ...);
  std::printf("\n");
}
}  // namespace qlx_stub

inline char *qlx_strcpy(char *d, const char *s) { return std::strcpy(d, s); }
inline int qlx_strcmp(const char *a, const char *b) { return std::strcmp(a, b); }

#define QLX_STUB_CALL(name, ...) { qlx_stub::call(#name, __VA_ARGS__); }
class QLX_C_RUNTIME {
 public:
  QLX_T_INT qlx_ctxnuminstance = 1, qlx_ctxoccid = 0, qlx_ctxtimeout = 0;
  QLX_T_INT qlx_ctxfilter[26] = {};
  QLX_T_CAR *qlx_ctxbuffertrace = nullptr;
  long qlx_ctxbuffersize = 0, qlx_ctxbuffersizeleft = 0;
  QLX_T_INT qlx_ctxtracepriority = 0;
  QLX_T_CAR *qlx_ctxcurrentline = nullptr, *qlx_ctxlinetoerase = nullptr, *qlx_ctxlastline = nullptr;
  char *qlx_instancename = names_[0];
  char *qlx_ctxtesternaming = names_[1];
  QLX_T_INT qlx_ctxtagtsocket = 0, qlx_ctxtagtcommactivated = 0, qlx_ctxflagprobe = 0;
  QLX_T_UTIME qlx_ctxtagttimeout = 0, qlx_logdate = 0;

  void qlx_bproc(int n) QLX_STUB_CALL(bproc, n)
  void qlx_aproc(int n) QLX_STUB_CALL(aproc, n)
  void qlx_binit(int a, int b, int c, int d) QLX_STUB_CALL(binit, a, b, c, d)
  void qlx_ainit(int a, int b, int c, int d) QLX_STUB_CALL(ainit, a, b, c, d)
  void qlx_bterm(int a, int b, int c, int d) QLX_STUB_CALL(bterm, a, b, c, d)
  void qlx_aterm(int a, int b, int c, int d) QLX_STUB_CALL(aterm, a, b, c, d)
  void qlx_bexcep(int a, int b, int c, int d) QLX_STUB_CALL(bexcep, a, b, c, d)
  void qlx_aexcep(int a, int b, int c, int d) QLX_STUB_CALL(aexcep, a, b, c, d)
  void qlx_special_block_tsf(int a, int b, int c, int d) QLX_STUB_CALL(special_block_tsf, a, b, c, d)
  void qlx_flush_circular_buffer(int n) QLX_STUB_CALL(flush_circular_buffer, n)
  void qlx_startchronomarkloop(int a, int b, int c, int d, const char *s, int e, int f)
      QLX_STUB_CALL(startchronomarkloop, a, b, c, d, s, e, f)
  void qlx_stopchronomarkloop(int a, int b, int c, int d, const char *s, int e, int f)
      QLX_STUB_CALL(stopchronomarkloop, a, b, c, d, s, e, f)
  void qlx_comment(int n) QLX_STUB_CALL(comment, n)
  void qlx_trace_on(int n) QLX_STUB_CALL(trace_on, n)
  void qlx_trace_off(int n) QLX_STUB_CALL(trace_off, n)
  void qlx_flush_trace(int n) QLX_STUB_CALL(flush_trace, n)
  void qlx_error(int n) QLX_STUB_CALL(error, n)
  void qlx_rioexit(int n) QLX_STUB_CALL(rioexit, n)
  void qlx_bcf(int n) QLX_STUB_CALL(bcf, n)
  // A call's checks fail when STUB_FAIL_CALL names its end number.
  QLX_T_INT qlx_cf(int n) {
    qlx_stub::call("cf", n);
    const char *failing = std::getenv("STUB_FAIL_CALL");
    return failing != nullptr && std::atoi(failing) == n ? 1 : 0;
  }
  void qlx_catch() { qlx_stub::call("catch"); }
  void qlx_set_trace_functions() { qlx_stub::call("set_trace_functions"); }
  template <typename C, typename V>
  void qlx_set_lstflt(C c, V, const char *letters) {
    qlx_stub::call("set_lstflt", static_cast<long>(c), letters);
    for (const char *l = std::getenv("STUB_FILTERS"); l != nullptr && *l != '\0'; ++l) qlx_ctxfilter[*l - 'A'] = 1;
    for (const char *l = letters; l != nullptr && *l != '\0'; ++l) qlx_ctxfilter[*l - 'A'] = 1;
  }
  template <typename C, typename V>
  void qlx_set_riofilename(C c, V, const char *name) { qlx_stub::call("set_riofilename", static_cast<long>(c), name); }
  template <typename C, typename V>
  void qlx_set_instancename(C c, V, const char *name) {
    qlx_stub::call("set_instancename", static_cast<long>(c), name);
    const char *given = std::getenv("STUB_INSTANCE");
    if (given != nullptr) std::strncpy(qlx_instancename, given, 255);
  }
  template <typename C, typename V>
  void qlx_set_occid(C c, V, int n) QLX_STUB_CALL(set_occid, static_cast<long>(c), n)
  void qlx_set_testernaming() { qlx_stub::call("set_testernaming"); }
  void qlx_set_instancevalid(int n) QLX_STUB_CALL(set_instancevalid, n)
  void qlx_set_instancerequired(int n) QLX_STUB_CALL(set_instancerequired, n)
  void qlx_initrio_with_dynamicfollowing(const char *a, const char *b) QLX_STUB_CALL(initrio_with_dynamicfollowing, a, b)
  void qlx_initrio_no_dynamicfollowing(const char *a, const char *b) QLX_STUB_CALL(initrio_no_dynamicfollowing, a, b)
  void qlx_notify_tsf(int a, long b, long c) QLX_STUB_CALL(notify_tsf, a, b, c)
  void qlx_declare_ni_tsf(int n) QLX_STUB_CALL(declare_ni_tsf, n)
  void qlx_end() { qlx_stub::call("end"); }
  void qlx_endoftester_tagtlk() { qlx_stub::call("endoftester_tagtlk"); }
  void qlx_thr_exit(int n) QLX_STUB_CALL(thr_exit, n)

 private:
  char names_[2][256] = {};
};

inline int priv_boot_tagtlk(int *, const char *, char *tester, QLX_T_UTIME *, int *) {
  qlx_stub::call("priv_boot_tagtlk", static_cast<const char *>(tester));
  return 0;
}
inline void priv_close_tagtlk(int *) { qlx_stub::call("priv_close_tagtlk"); }
#endif
