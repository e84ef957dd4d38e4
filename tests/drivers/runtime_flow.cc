//
// A driver written by hand in the shape of a generated one, so that the dry-run runtime is tested
// before the driver generator exists: it uses every type, macro, free function and runtime member
// and method that a driver may use. Scenario tree of the script it stands for:
//   S0 (root): INITIALIZATION i0, EXCEPTION e0, TERMINATION t0, then S1, S2, S3 (repeated 2 times)
//   S1: C calls with result checks, a VAR check, one-line statements, timers, an exception handler
//   S2: SEND, WAITTIL (TIMEOUT=50: OK on the time-out, KO on a matching message), RDV, and,
//       under filter T, an inter-tester send and receive
//   S3: under filter X a run exit, under filter E an ERROR
// With -DRTTEST_THREAD the entry is the start routine runtime_flow_start instead of main.
//

#ifdef USE_QMK
#undef USE_QMK
#endif
#define USE_QMK 1
#include "TP.h"
#ifdef RTTEST_THREAD
#define QUELT runtime_flow_start_class
#endif

/* the code under test */
#include <stdexcept>
struct Msg {
  int code;
};
static int add(int a, int b) { return a + b; }
static const char *greeting() { return "hello"; }
static void may_throw() {
  const char *kind = getenv("RTTEST_THROW");
  if (kind && kind[0] == '1') throw std::runtime_error("bad");
  if (kind && kind[0] == '2') throw 42;
}
static void Msg_Init(Msg *m, int fd) { m->code = fd; }

#ifdef QLX_TESSVIA_DEBUG
#define RTTEST_DEBUG_EXIT(v) qlx_debug_state = (v)
#else
#define RTTEST_DEBUG_EXIT(v) return (v)
#endif

#define QLX_K_MAX_COMT 2
#define QLX_K_MAX_CHAN 2
#define QLX_K_MAX_MSGT 1
#define QLX_K_MSG_Msg 1
typedef struct qlx_s_T_MSG_Msg {
  QLX_T_INT qlx_defNumber;
  Msg qlx_MsgRef;
  Msg qlx_MsgMin;
  Msg qlx_MsgMax;
  QLX_T_INT qlx_state;
  QLX_T_INT qlx_stateok;
  QLX_T_INT qlx_stateko;
  QLX_T_INT qlx_state_channel[QLX_K_MAX_COMT][QLX_K_MAX_CHAN];
} QLX_T_Msg, *QLX_PT_Msg;
typedef QLX_T_Msg QLX_T_MSG_Msg[QLX_K_MSG_Msg];
#define QLX_K_CHAN_sock 1
typedef struct qlx_s_T_CHAN_sock {
  int *qlx_connexionId[QLX_K_ID_SIZE];
  QLX_T_INT qlx_numberofId;
  QLX_T_INT qlx_msg[QLX_K_MAX_MSGT];
} QLX_T_CHAN_sock, *QLX_PT_CHAN_sock;
typedef QLX_T_CHAN_sock QLX_T_COMM_sock[QLX_K_CHAN_sock];

class qlx_tabid_sock {
  QLX_PT_CHAN_sock qlx_pchannel;

 public:
  qlx_tabid_sock(QLX_PT_CHAN_sock c) { qlx_pchannel = c; };
  int &operator[](int i) { return (*(qlx_pchannel->qlx_connexionId[i])); };
};

class QUELT {
 public:
  QUELT();
  QLX_T_UTIME TIME(QLX_T_INT x);
  void qlx_initstates();
  QLX_T_INT qlx_S1();
  QLX_T_INT qlx_S2();
  QLX_T_INT qlx_S3();
  QLX_T_INT qlx_i0();
  QLX_T_INT qlx_t0();
  QLX_T_INT qlx_e0();
  QLX_T_INT qlx_S0();
  QLX_T_INT qlx_P1(std::runtime_error &e);
  QLX_T_INT qlx_Msg_TO_sock(QLX_T_INT qlx_RegId, QLX_T_INT qlx_index);
  QLX_T_INT qlx_Msg_ON_sock(QLX_T_INT qlx_RegId, QLX_T_INT qlx_index);
  QLX_T_INT qlx_WAIT_1(QLX_T_INT *qlx_exprOK, QLX_T_INT *qlx_exprKO, QLX_T_UTIME qlx_wtime_0);
  void qlx_Msg_ref_msg(QLX_PT_Msg qlx_msg_ref);
  QLX_T_INT qlx_Msg_cmp_msg(QLX_PT_Msg qlx_msg_ref, Msg &qlx_msgrcv);
  void qlx_Msg_dump_msg(Msg &qlx_msgrcv);
  QLX_T_INT qlx_flagrt;
  QLX_T_UTIME WTIME;
  QLX_T_INT I0, I1;
  QLX_T_INT J0, J1, J2;
  QLX_C_RUNTIME qlx_runtime;
  QLX_T_MSG_Msg qlx_msg_Msg;
  Msg qlx_Msg_rcv;
  Msg *qlx_Msg_send;
  QLX_T_COMM_sock qlx_channel_sock;
  int qlx_conn;
  QLX_T_TIMER qlx_timer[1];
};

void QUELT::qlx_initstates() {
  QLX_T_INT qlx_i, qlx_j, qlx_k;
  for (qlx_i = 0; qlx_i < QLX_K_MSG_Msg; qlx_i++) {
    qlx_msg_Msg[qlx_i].qlx_state = QLX_NOEVT;
    qlx_msg_Msg[qlx_i].qlx_stateok = 0;
    qlx_msg_Msg[qlx_i].qlx_stateko = 0;
    for (qlx_j = 0; qlx_j < QLX_K_MAX_COMT; qlx_j++)
      for (qlx_k = 0; qlx_k < QLX_K_MAX_CHAN; qlx_k++) qlx_msg_Msg[qlx_i].qlx_state_channel[qlx_j][qlx_k] = QLX_NOEVT;
  }
}

#define QLX_NUMINSTANCE qlx_runtime.qlx_ctxnuminstance
#define QLX_OCCID qlx_runtime.qlx_ctxoccid
#define QLX_TIMEOUT qlx_runtime.qlx_ctxtimeout

QLX_T_UTIME QUELT ::TIME(QLX_T_INT qlx_num) { return (qlx_runtime.qlx_time(&(qlx_timer[qlx_num].timer))); };

QUELT ::QUELT() : WTIME(0), I0(0), I1(0), J0(0), J1(0), J2(0), qlx_Msg_send(nullptr), qlx_conn(7) {
  QLX_T_INT qlx_i;
  qlx_flagrt = 0;
  qlx_Msg_rcv.code = 0;
  for (qlx_i = 0; qlx_i < QLX_K_MSG_Msg; qlx_i++) qlx_msg_Msg[qlx_i].qlx_defNumber = 0;
  for (qlx_i = 0; qlx_i < QLX_K_CHAN_sock; qlx_i++) qlx_channel_sock[qlx_i].qlx_numberofId = 0;
  qlx_timer[0].timer.qlx_date = 0;
}

void QUELT::qlx_Msg_dump_msg(Msg &qlx_msgrcv) {
  qlx_runtime.qlx_dmp_int_c(qlx_msgrcv.code, QLX_P_BASE10, I0, 72);
  qlx_runtime.qlx_var(72);
}

void QUELT::qlx_Msg_ref_msg(QLX_PT_Msg qlx_msg_ref) {
  Msg &qlx_msgrcv = qlx_msg_ref->qlx_MsgRef;
  switch (qlx_msg_ref->qlx_defNumber) {
    case 1:
      qlx_runtime.qlx_def_msg(65);
      qlx_runtime.qlx_var_int_c(qlx_msgrcv.code, QLX_P_BASE16, I0, 73);
      qlx_runtime.qlx_var(73);
      break;
  }
}

QLX_T_INT QUELT::qlx_Msg_cmp_msg(QLX_PT_Msg qlx_msg_ref, Msg &qlx_msgrcv) {
  QLX_T_INT qlx_ret;
  Msg &qlx_msgref = qlx_msg_ref->qlx_MsgRef;
  Msg &qlx_msgMin = qlx_msg_ref->qlx_MsgMin;
  Msg &qlx_msgMax = qlx_msg_ref->qlx_MsgMax;
  qlx_runtime.qlx_cmp();
  switch (qlx_msg_ref->qlx_defNumber) {
    case 1:
      qlx_runtime.qlx_cmp_int_c(qlx_msgref.code, qlx_msgrcv.code, I0, 71);
      qlx_runtime.qlx_cmp_int_range_c(qlx_msgMin.code, qlx_msgMax.code, qlx_msgrcv.code, I0, 74);
      break;
  }
  qlx_ret = qlx_runtime.qlx_cmp();
  qlx_msg_ref->qlx_state = qlx_ret ? QLX_EVTOK : QLX_EVTKO;
  if (qlx_msg_ref->qlx_state == QLX_EVTOK) {
    qlx_msg_ref->qlx_stateok = 1;
    qlx_memcpy(&(qlx_msg_ref->qlx_MsgRef), &qlx_msgrcv, sizeof(Msg));
  } else
    qlx_msg_ref->qlx_stateko = 1;
  return (qlx_ret);
}

/* procsend Msg_TO_sock */
QLX_T_INT QUELT::qlx_Msg_TO_sock(QLX_T_INT qlx_RegId, QLX_T_INT qlx_index) {
  Msg &m = *(qlx_Msg_send);
  int &c = *(qlx_channel_sock[qlx_RegId].qlx_connexionId[qlx_index]);
  qlx_runtime.qlx_print(68, (QLX_T_ULONG)(m.code + c));
  return (QLX_MESSAGE_SENT);
}

/* callback Msg_ON_sock (the TRIGGER form: the message arrives when an event is polled) */
QLX_T_INT QUELT::qlx_Msg_ON_sock(QLX_T_INT qlx_RegId, QLX_T_INT qlx_index) {
  Msg &qlx_msg = (qlx_Msg_rcv);
  QLX_T_INT &qlx_n = qlx_channel_sock[qlx_RegId].qlx_numberofId;
  qlx_tabid_sock qlx_ids(&qlx_channel_sock[qlx_RegId]);
  (void)qlx_index;
  int fd;
  if ((fd = qlx_pollevt(qlx_ids, qlx_n))) {
    Msg_Init(&qlx_msg, fd);
    qlx_msgdate(&(qlx_ctx->qlx_ctxrun), 0);
  } else {
    qlx_runtime.qlx_nomsg(67);
    return (QLX_NO_MESSAGE);
  }
  return (QLX_MESSAGE_READ);
}

QLX_T_INT QUELT::qlx_WAIT_1(QLX_T_INT *qlx_exprOK, QLX_T_INT *qlx_exprKO, QLX_T_UTIME qlx_wtime_0) {
  QLX_T_INT qlx_ret = 0;
  do {
    if ((*qlx_exprKO = (QLX_MATCHED_1(qlx_msg_Msg[0].qlx_state) ||
                        QLX_MATCHING_2(sock, qlx_msg_Msg[0].qlx_state_channel[1][0])))) {
      qlx_ret = 1;
    }
    if ((*qlx_exprOK = (QLX_TIMEOUT == 0 && (QLX_NOTMATCHING_1(qlx_msg_Msg[0].qlx_state) ||
                                             QLX_NOTMATCHED_2(sock, qlx_msg_Msg[0].qlx_state_channel[1][0]) ||
                                             !QLX_MATCHED_1(qlx_msg_Msg[0].qlx_state))))) {
      qlx_ret = 1;
    }
    if (WTIME <= qlx_wtime_0) {
      WTIME++;
    }
  } while ((WTIME <= qlx_wtime_0) && (!qlx_ret));
  WTIME = qlx_wtime_0;
  return qlx_ret;
}

/* procedure P1: the handler of std::runtime_error */
QLX_T_INT QUELT::qlx_P1(std::runtime_error &e) {
#ifdef QLX_TESSVIA_DEBUG
  QLX_T_INT qlx_debug_state = 0;
#endif
  QLX_TRY
  qlx_runtime.qlx_print(52, (QLX_T_ULONG)(std::strlen(e.what())));
  QLX_END_TRY
#ifdef QLX_HANDLE_EXCEPTION
  catch (...) {
    return (1);
  }
#endif  // QLX_HANDLE_EXCEPTION
#ifdef QLX_TESSVIA_DEBUG
  return (qlx_debug_state);
#else
  return (0);
#endif
}

QLX_T_INT QUELT::qlx_S1() {
#ifdef QLX_TESSVIA_DEBUG
  QLX_T_INT qlx_debug_state = 0;
#endif
  QLX_TRY
  qlx_runtime.qlx_print(9, (QLX_T_ULONG)(QLX_OCCID * 10 + QLX_NUMINSTANCE));
  qlx_runtime.qlx_comment(10);
  /* CALL r = add (2, 3) with r = 5 */
  {
    QLX_T_INT r;
    qlx_runtime.qlx_bcf(11);
    QLX_TRY
    r = add(2, 3);
    qlx_runtime.qlx_int_c(0, (QLX_T_INT)5, (QLX_T_INT)5, (QLX_T_INT)r, 11);
    qlx_flagrt = qlx_runtime.qlx_cf(12);
    QLX_END_TRY
#ifdef QLX_HANDLE_EXCEPTION
    catch (...) {
      qlx_runtime.qlx_catch();
      qlx_flagrt = qlx_runtime.qlx_cf(12);
#ifdef QLX_TESSVIA_DEBUG
#else
      throw;
#endif
    }
#endif  // QLX_HANDLE_EXCEPTION
    if (qlx_flagrt != 0) {
      RTTEST_DEBUG_EXIT(1);
    }
  }
  /* CALL with one result check per value class */
  {
    QLX_T_CAR c = 'q';
    QLX_T_LONG l = 1L << 20;
    QLX_T_REAL f = 1.5f;
    QLX_T_DOUBLE d = 2.25;
    QLX_PT_CAR s = greeting();
    QLX_PT_VOID p = &qlx_conn;
    QLX_T_ENUM en = 3;
    unsigned char bytes[2] = {1, 2};
    qlx_runtime.qlx_bcf(13);
    qlx_runtime.qlx_char_c(0, (QLX_T_CAR)'q', (QLX_T_CAR)'q', (QLX_T_CAR)c, 14);
    qlx_runtime.qlx_long_c(1, (QLX_T_LONG)0, (QLX_T_LONG)2000000, (QLX_T_LONG)l, 15);
    qlx_runtime.qlx_float_c(1, (QLX_T_REAL)1.0, (QLX_T_REAL)2.0, (QLX_T_REAL)f, 16);
    qlx_runtime.qlx_double_c(0, (QLX_T_DOUBLE)2.25, (QLX_T_DOUBLE)2.25, (QLX_T_DOUBLE)d, 17);
    qlx_runtime.qlx_string_c(0, (QLX_PT_CAR) "hello", (QLX_PT_CAR) "hello", (QLX_PT_CAR)s, 18);
    qlx_runtime.qlx_pointer_c(0, (QLX_PT_VOID)p, (QLX_PT_VOID)p, (QLX_PT_VOID)p, 19);
    qlx_runtime.qlx_nonil_c(0, (QLX_PT_VOID)1, (QLX_PT_VOID)1, (QLX_PT_VOID)p, 20);
    qlx_runtime.qlx_int_c(1, (QLX_T_ENUM)2, (QLX_T_ENUM)4, (QLX_T_ENUM)en, 21);
    qlx_runtime.qlx_byte_c(0, bytes[0], bytes[0], bytes[0], 22);
    qlx_runtime.qlx_bytetab_c(0, &bytes, &bytes, &bytes, 23);
    qlx_flagrt = qlx_runtime.qlx_cf(24);
    if (qlx_flagrt != 0) {
      RTTEST_DEBUG_EXIT(1);
    }
  }
  /* VAR t, EV=(1, 2): every compare, dump and print call of the families once */
  {
    QLX_T_INT t[2] = {1, 2};
    QLX_T_INT select = 1;
    qlx_runtime.qlx_var(25);
    QLX_TRY
    for (I0 = 0; I0 <= 1; ++I0) {
      qlx_runtime.qlx_vartab(26);
      qlx_runtime.qlx_cmp_int_c(0, I0 + 1, t[I0], I0, 27);
    }
    qlx_runtime.qlx_varstruct(28);
    qlx_runtime.qlx_varplage(29, 1, 2);
    qlx_runtime.qlx_varplage(29, -1, -1);
#define RTTEST_FAMILY(p, x) \
  qlx_runtime.qlx_##p##x##_c(t[0], I0, 30); \
  qlx_runtime.qlx_##p##x##_c_range(t[0], t[1], I0, 30); \
  qlx_runtime.qlx_##p##x##_range_c(t[0], t[1], I0, 30); \
  qlx_runtime.qlx_##p##range_##x##_c(t[0], t[1], I0, 30);
#define RTTEST_CLASSES(p) \
  RTTEST_FAMILY(p, long) RTTEST_FAMILY(p, int) RTTEST_FAMILY(p, char) RTTEST_FAMILY(p, bytetab) \
  RTTEST_FAMILY(p, byte) RTTEST_FAMILY(p, string) RTTEST_FAMILY(p, float) RTTEST_FAMILY(p, double) \
  RTTEST_FAMILY(p, pointer) RTTEST_FAMILY(p, nonil)
    RTTEST_CLASSES(cmp_)
    RTTEST_CLASSES(dmp_)
    RTTEST_CLASSES(var_)
    switch (select) {
      case 1:
        break;
      default:
        qlx_runtime.qlx_setflagrt();
    }
    QLX_END_TRY
#ifdef QLX_HANDLE_EXCEPTION
    catch (...) {
      qlx_runtime.qlx_var_catch(25);
    }
#endif  // QLX_HANDLE_EXCEPTION
    qlx_flagrt = qlx_runtime.qlx_var(31);
    qlx_runtime.qlx_varreset();
    if (qlx_flagrt != 0) {
      RTTEST_DEBUG_EXIT(1);
    }
  }
  qlx_runtime.qlx_trace_on(32);
  qlx_runtime.qlx_trace_off(33);
  qlx_runtime.qlx_flush_trace(34);
  qlx_runtime.qlx_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
  qlx_runtime.qlx_print(35, (QLX_T_ULONG)(add(40, 2)));
  qlx_runtime.qlx_setfilter("B", 36);
  if (qlx_runtime.qlx_ctxfilter[1]) {
    qlx_runtime.qlx_comment(37);
  }
  qlx_runtime.qlx_unsetfilter("B", 38);
  if (qlx_runtime.qlx_ctxfilter[1]) {
    qlx_runtime.qlx_comment(39);
  }
  /* timers and the clock: PAUSE 25, a timer reset, 5 ticks of sleep, PRINT the timer */
  qlx_runtime.qlx_pause((QLX_T_UTIME)(25));
  qlx_get_date(&(qlx_timer[0].timer));
  qlx_runtime.qlx_sleep(5);
  qlx_runtime.qlx_print(40, (QLX_T_ULONG)(TIME(0)));
  {
    QLX_T_DATE now;
    qlx_runtime.qlx_get_date(&now);
    qlx_runtime.qlx_print(41, (QLX_T_ULONG)(now.qlx_date));
  }
  /* the C-library helpers, null-safe */
  {
    char text[QMK_TAGTBUF_SIZE];
    char copy[QMK_TAGTBUF_SIZE];
    qlx_runtime.qlx_strcpy(text, "ab");
    qlx_runtime.qlx_strcat(text, nullptr);
    qlx_strcat(text, "c");
    qlx_strcpy(nullptr, text);
    qlx_runtime.qlx_sprintf(text + 3, "%d", 4);
    qlx_sprintf(copy, "%s-%d", text, 5);
    qlx_runtime.qlx_memcpy(copy + 6, "!", 2);
    qlx_memcpy(nullptr, copy, 3);
    qlx_runtime.qlx_print(42, (QLX_T_ULONG)(std::strlen(copy)));
    qlx_runtime.qlx_print(43, (QLX_T_ULONG)(qlx_strcmp(copy, "abc4-5!") == 0 && qlx_strcmp(nullptr, "") < 0 &&
                                            qlx_runtime.qlx_strcmp(nullptr, nullptr) == 0));
  }
  /* CALL may_throw () with a handler of std::runtime_error (procedure P1) */
  qlx_runtime.qlx_bcf(44);
  QLX_TRY
  may_throw();
  qlx_flagrt = qlx_runtime.qlx_cf(45);
  QLX_END_TRY
#ifdef QLX_HANDLE_EXCEPTION
  catch (std::runtime_error &qlx_exception) {
    qlx_flagrt = qlx_runtime.qlx_cf(45);
    qlx_runtime.qlx_bproc(50);
    qlx_flagrt = qlx_P1(qlx_exception);
    qlx_runtime.qlx_aproc(51);
#ifdef QLX_TESSVIA_DEBUG
#else
    if (qlx_flagrt) throw;
#endif
  }
  catch (...) {
    qlx_runtime.qlx_catch();
    qlx_flagrt = qlx_runtime.qlx_cf(45);
#ifdef QLX_TESSVIA_DEBUG
#else
    throw;
#endif
  }
#endif  // QLX_HANDLE_EXCEPTION
  if (qlx_flagrt != 0) {
    RTTEST_DEBUG_EXIT(1);
  }
  QLX_END_TRY
#ifdef QLX_HANDLE_EXCEPTION
  catch (...) {
    return (1);
  }
#endif  // QLX_HANDLE_EXCEPTION
#ifdef QLX_TESSVIA_DEBUG
  return (qlx_debug_state);
#else
  return (0);
#endif
}

QLX_T_INT QUELT::qlx_S2() {
#ifdef QLX_TESSVIA_DEBUG
  QLX_T_INT qlx_debug_state = 0;
#endif
  QLX_TRY
  /* ADD_ID (sock[0], conn) */
  if (qlx_channel_sock[0].qlx_numberofId < QLX_K_ID_SIZE) {
    qlx_channel_sock[0].qlx_connexionId[qlx_channel_sock[0].qlx_numberofId] = &qlx_conn;
    ++qlx_channel_sock[0].qlx_numberofId;
  } else {
    qlx_runtime.qlx_numofid(60);
    RTTEST_DEBUG_EXIT(1);
  }
  qlx_msg_Msg[0].qlx_defNumber = 1;
  qlx_msg_Msg[0].qlx_MsgRef.code = 1;
  qlx_msg_Msg[0].qlx_MsgMin.code = 0;
  qlx_msg_Msg[0].qlx_MsgMax.code = 9;
  /* SEND (m) */
  qlx_runtime.qlx_send(61, "m");
  qlx_Msg_send = &qlx_msg_Msg[0].qlx_MsgRef;
#if QMK_DYNFLW
  qlx_runtime.qlx_send_tsf(5, 0);
#endif /* QMK_DYNFLW */

  {
    QLX_T_INT qlx_i, qlx_psret = 0;
    qlx_runtime.qlx_rio_on();
    for (qlx_i = 0; qlx_i < qlx_channel_sock[0].qlx_numberofId; qlx_i++) {
      qlx_runtime.qlx_rio_off();
      qlx_psret = qlx_Msg_TO_sock(0, qlx_i);
      qlx_runtime.qlx_rio_on();
      if (qlx_psret == 1) {
#ifdef QLX_TESSVIA_DEBUG
        qlx_debug_state = 1;
#endif
        break;
      }
    }
    qlx_Msg_dump_msg(*qlx_Msg_send);
    qlx_runtime.qlx_endsend(qlx_psret, 62);
#ifdef QLX_TESSVIA_DEBUG
#else
    if (qlx_psret) return (1);
#endif
  }
  /* WAITTIL (TIMEOUT=50): OK on the time-out, KO when m arrives */
  {
    QLX_T_INT qlx_end_waittil_debug = 0;
#ifdef QLX_TESSVIA_DEBUG
    QLX_T_INT qlx_continue_debug = 0;
#endif
    if (0 || (!qlx_msg_Msg[0].qlx_defNumber)) {
      qlx_runtime.qlx_nodefmsg(63);
#ifdef QLX_TESSVIA_DEBUG
      qlx_continue_debug = 1;
#else
      return (1);
#endif
    } else if (!(0 || (qlx_channel_sock[0].qlx_numberofId))) {
      qlx_runtime.qlx_noaddid(63);
#ifdef QLX_TESSVIA_DEBUG
      qlx_continue_debug = 1;
#else
      return (1);
#endif
    } else {
      QLX_T_INT qlx_i, qlx_ret, qlx_cbret, qlx_rcv;
      QLX_T_INT qlx_exprOK = 0, qlx_exprKO = 0;
      QLX_T_UTIME qlx_wtime_0, qlx_t0, qlx_tn, qlx_tn1, qlx_tnow;
      qlx_initstates();
#if QMK_DYNFLW
      qlx_runtime.qlx_begin_waittil_tsf(6, 0);
#endif /* QMK_DYNFLW */

      qlx_runtime.qlx_waittil(63);
      WTIME = 0;
      qlx_t0 = qlx_runtime.qlx_getevtdate();
      qlx_tn = qlx_t0;
      qlx_tn1 = qlx_tn + qlx_gran;
      for (;
#ifdef QLX_TESSVIA_DEBUG
           !qlx_continue_debug &&
#endif
           !qlx_end_waittil_debug;) {
        qlx_rcv = 0;
        qlx_tnow = qlx_runtime.qlx_getevtdate();
        while (qlx_tnow >= qlx_tn1) {
          qlx_tn = qlx_tn1;
          qlx_tn1 = qlx_tn + qlx_gran;
        }
        QLX_TIMEOUT = ((((qlx_tnow - qlx_t0) / QLX_WTIME_TO_TIME) < 50) ? (50 - (qlx_tnow - qlx_t0) / QLX_WTIME_TO_TIME) : 0);
        /* CommType sock */
        if (qlx_channel_sock[0].qlx_numberofId) {
          /* Channel sock */
          /* Type message Msg */
          for (qlx_i = 0;
#ifdef QLX_TESSVIA_DEBUG
               !qlx_continue_debug &&
#endif
               !qlx_end_waittil_debug && qlx_i < qlx_channel_sock[0].qlx_numberofId;
               qlx_i++) {
            qlx_ret = 0;
            qlx_runtime.qlx_rio_off();
            qlx_cbret = qlx_Msg_ON_sock(0, qlx_i);
            qlx_runtime.qlx_rio_on();
            if (qlx_cbret == 1) {
#if QMK_DYNFLW
              qlx_runtime.qlx_end_waittil_tsf(8, 0, 2);
#endif /* QMK_DYNFLW */

              qlx_runtime.qlx_endwaittil(2, 64, "Msg");
#ifdef QLX_TESSVIA_DEBUG
              qlx_continue_debug = 1;
              break;
#else
              return (1);
#endif
            }
            if (qlx_cbret == QLX_MESSAGE_READ) {
              char qlx_str_type_rcv[1024];
              qlx_strcpy(qlx_str_type_rcv, "< !!! Unknown type !!! >");
#if QMK_DYNFLW
              qlx_runtime.qlx_waittil_tsf("Msg", 7, 0);
#endif /* QMK_DYNFLW */

              qlx_rcv |= 1;
              qlx_runtime.qlx_evt(1, 0, 0, " ");
              qlx_Msg_dump_msg(qlx_Msg_rcv);
              qlx_runtime.qlx_endevt(63);
              if (qlx_Msg_cmp_msg(&(qlx_msg_Msg[0]), qlx_Msg_rcv)) {
                qlx_runtime.qlx_def_msg(65);
                qlx_ret = 1;
                qlx_msg_Msg[0].qlx_state_channel[1][0] |= QLX_EVTOK;
              } else {
                qlx_msg_Msg[0].qlx_state_channel[1][0] |= QLX_EVTKO;
              }
            }
            if (qlx_ret) {
              qlx_wtime_0 = qlx_runtime.qlx_logdate / qlx_gran;
            } else {
              qlx_wtime_0 = qlx_runtime.qlx_getwtime();
            }
            if (qlx_WAIT_1(&qlx_exprOK, &qlx_exprKO, qlx_wtime_0)) {
              qlx_end_waittil_debug = 1;
              break;
            }
          }
        }
        if (!qlx_end_waittil_debug
#ifdef QLX_TESSVIA_DEBUG
            && !qlx_continue_debug
#endif
        ) {
          qlx_wtime_0 = qlx_runtime.qlx_getwtime();
          if (qlx_WAIT_1(&qlx_exprOK, &qlx_exprKO, qlx_wtime_0)) {
            qlx_end_waittil_debug = 1;
            break;
          }
          if (!qlx_rcv) {
            qlx_tnow = qlx_runtime.qlx_getevtdate();
            while (qlx_tnow < qlx_tn1) {
              qlx_sleep(qlx_tn1 - qlx_tnow);
              qlx_tnow = qlx_runtime.qlx_getevtdate();
            }
          }
        }
      }
#ifdef QLX_TESSVIA_DEBUG
      if (!qlx_continue_debug) {
#endif
        qlx_runtime.qlx_state((qlx_msg_Msg[0].qlx_state), 63);
        qlx_Msg_ref_msg(&(qlx_msg_Msg[0]));
        if (qlx_exprKO) {
#if QMK_DYNFLW
          qlx_runtime.qlx_end_waittil_tsf(7, 0, 1);
#endif /* QMK_DYNFLW */

          qlx_runtime.qlx_endwaittil(1, 64, "Msg");
#ifdef QLX_TESSVIA_DEBUG
          qlx_continue_debug = 1;
#else
          return (1);
#endif
        } else if (qlx_exprOK) {
#if QMK_DYNFLW
          qlx_runtime.qlx_end_waittil_tsf(7, 0, 0);
#endif /* QMK_DYNFLW */

          qlx_runtime.qlx_endwaittil(0, 64, "Msg");
        }
#ifdef QLX_TESSVIA_DEBUG
      }
#endif
    }
#ifdef QLX_TESSVIA_DEBUG
    qlx_debug_state |= qlx_continue_debug;
#endif
  }
  qlx_runtime.qlx_msgdate(66);
  /* RDV sync */
  qlx_runtime.qlx_brdv(80, "sync");
  if (qlx_rdv("sync")) {
#if QMK_DYNFLW
    qlx_runtime.qlx_rdv_reached_tsf(1, 9, 0);
#endif /* QMK_DYNFLW */

    qlx_runtime.qlx_ardv(80, 1, "sync");
    RTTEST_DEBUG_EXIT(1);
  } else {
#if QMK_DYNFLW
    qlx_runtime.qlx_rdv_reached_tsf(0, 9, 0);
#endif /* QMK_DYNFLW */

    qlx_runtime.qlx_ardv(80, 0, "sync");
  }
  qlx_runtime.qlx_print(84, (QLX_T_ULONG)(qlx_runtime.qlx_rdv("sync")));
  /* under filter T: INTERSEND 42 TO peer, INTERRECV n */
  if (qlx_runtime.qlx_ctxfilter[19]) {
    char qlx_local_int2string[QMK_TAGTBUF_SIZE];
    qlx_sprintf(qlx_local_int2string, "%d", 42);
#if QMK_DYNFLW
    qlx_runtime.qlx_intersend_tsf(10, 0, qlx_local_int2string);
#endif /* QMK_DYNFLW */

    if (qlx_runtime.qlx_intersend("peer", qlx_local_int2string)) {
      qlx_runtime.qlx_isend(81, 1, "peer", qlx_local_int2string);
      RTTEST_DEBUG_EXIT(1);
    } else {
      qlx_runtime.qlx_isend(81, 0, "peer", qlx_local_int2string);
    }
  }
  if (qlx_runtime.qlx_ctxfilter[19]) {
    QLX_T_INT n = 0;
    char *qlx_loc_tstemit = NULL;
    char *qlx_loc_info = NULL;
    char qlx_local_interrecv_msg[QMK_TAGTBUF_SIZE];
    qlx_runtime.qlx_irecv(82);
    if (priv_interrecv(&(qlx_runtime.qlx_ctxtagtsocket), qlx_runtime.qlx_ctxtagttimeout, qlx_local_interrecv_msg,
                       QMK_TAGTBUF_SIZE, &qlx_loc_tstemit, &qlx_loc_info)) {
      qlx_runtime.qlx_end_irecv(82, 2, NULL, NULL);
      RTTEST_DEBUG_EXIT(1);
    } else {
      *(&n) = atoi(qlx_loc_info);
#if QMK_DYNFLW
      qlx_runtime.qlx_interrecv_tsf(11, 0, qlx_loc_info, qlx_loc_tstemit);
#endif /* QMK_DYNFLW */
      qlx_runtime.qlx_end_irecv(82, 0, qlx_loc_tstemit, qlx_loc_info);
      qlx_runtime.qlx_print(83, (QLX_T_ULONG)(n + 1));
    }
  }
  QLX_END_TRY
#ifdef QLX_HANDLE_EXCEPTION
  catch (...) {
    return (1);
  }
#endif  // QLX_HANDLE_EXCEPTION
#ifdef QLX_TESSVIA_DEBUG
  return (qlx_debug_state);
#else
  return (0);
#endif
}

QLX_T_INT QUELT::qlx_S3() {
#ifdef QLX_TESSVIA_DEBUG
  QLX_T_INT qlx_debug_state = 0;
#endif
  QLX_TRY
  qlx_runtime.qlx_print(90, (QLX_T_ULONG)(J1));
  if (qlx_runtime.qlx_ctxfilter[23]) {
    qlx_runtime.qlx_rioexit(91);
    return (3);
  }
  if (qlx_runtime.qlx_ctxfilter[4]) {
    qlx_runtime.qlx_error(92);
    RTTEST_DEBUG_EXIT(1);
  }
  qlx_runtime.qlx_comment(93);
  QLX_END_TRY
#ifdef QLX_HANDLE_EXCEPTION
  catch (...) {
    return (1);
  }
#endif  // QLX_HANDLE_EXCEPTION
#ifdef QLX_TESSVIA_DEBUG
  return (qlx_debug_state);
#else
  return (0);
#endif
}

QLX_T_INT QUELT::qlx_i0() {
  qlx_runtime.qlx_comment(3);
  return (0);
}

QLX_T_INT QUELT::qlx_t0() {
  qlx_runtime.qlx_comment(4);
  return (0);
}

QLX_T_INT QUELT::qlx_e0() {
  qlx_runtime.qlx_comment(5);
  return (0);
}

/* The frame of one sub-scenario of S0: INITIALIZATION before it, TERMINATION after a pass,
 * EXCEPTION after a failure; 3 and 4 end S0 at once. */
#define RTTEST_SUB(number, end, name, call)                                            \
  qlx_runtime.qlx_binit(2, 1, 1, J1);                                                  \
  qlx_local_state = qlx_i0();                                                          \
  if (qlx_local_state) {                                                               \
    qlx_runtime.qlx_ainit(1, 2, 1, J1);                                                \
    return (qlx_local_state & 1 ? qlx_local_state + 1 : qlx_local_state);              \
  } else                                                                               \
    qlx_runtime.qlx_ainit(0, 2, 1, J1);                                                \
  qlx_runtime.qlx_startchronomarkloop(end, number, 1, J1, name, 20, 0);                \
  qlx_local_state = call();                                                            \
  qlx_runtime.qlx_stopchronomarkloop(qlx_local_state, end, 1, J1, name, 21, 0);        \
  if (qlx_local_state) {                                                               \
    qlx_global_state = 2;                                                              \
    if ((qlx_local_state == 3) || (qlx_local_state == 4)) {                            \
      return (4);                                                                      \
    }                                                                                  \
    qlx_runtime.qlx_bexcep(6, 3, 1, J1);                                               \
    qlx_local_state = qlx_e0();                                                        \
    qlx_runtime.qlx_aexcep(qlx_local_state ? 1 : 0, 6, 1, J1);                         \
  } else {                                                                             \
    qlx_runtime.qlx_bterm(5, 2, 1, J1);                                                \
    qlx_local_state = qlx_t0();                                                        \
    qlx_runtime.qlx_aterm(qlx_local_state ? 1 : 0, 5, 1, J1);                          \
  }

QLX_T_INT QUELT::qlx_S0() {
  QLX_T_INT qlx_local_state = 0;
  QLX_T_INT qlx_global_state = 0;
  J1 = 1;
#if QMK_DYNFLW
  qlx_runtime.qlx_special_block_tsf(12, 0, 1, 1);
#endif /* QMK_DYNFLW */
  RTTEST_SUB(7, 8, "S1", qlx_S1)
  RTTEST_SUB(9, 10, "S2", qlx_S2)
  for (J1 = 1; J1 <= 2; ++J1) {
    RTTEST_SUB(11, 12, "S3", qlx_S3)
  }
  return (qlx_global_state);
}

#ifdef RTTEST_THREAD
QLX_T_THREAD_RETURN runtime_flow_start(QLX_PT_ARG arg)
#else
QLX_T_INT main(QLX_T_INT argc, QLX_PT_CAR *argv)
#endif
{
  QLX_T_INT qlx_local_state = 0;
  QLX_PT_CAR rio_file_name = "out/runtime_flow.rio";
#if QMK_DYNFLW
  char tstnaming[QMK_TAGTBUF_SIZE + 2];
#endif /* QMK_DYNFLW */
  QUELT *qlx_quelt = new QUELT;
  qlx_quelt->qlx_runtime.qlx_ctxbuffertrace = new QLX_T_CAR[1024];
  qlx_quelt->qlx_runtime.qlx_ctxbuffersize = 1024;
  qlx_quelt->qlx_runtime.qlx_ctxbuffersizeleft = 1024;
  qlx_quelt->qlx_runtime.qlx_ctxtracepriority = 10;
  qlx_quelt->qlx_runtime.qlx_ctxcurrentline = qlx_quelt->qlx_runtime.qlx_ctxbuffertrace;
  qlx_quelt->qlx_runtime.qlx_ctxlinetoerase = qlx_quelt->qlx_runtime.qlx_ctxbuffertrace;
  qlx_quelt->qlx_runtime.qlx_ctxlastline = qlx_quelt->qlx_runtime.qlx_ctxbuffertrace;
  qlx_quelt->qlx_runtime.qlx_set_trace_functions();
#ifdef RTTEST_THREAD
  qlx_quelt->qlx_runtime.qlx_initrio("thread", "");
#endif
  qlx_quelt->qlx_runtime.qlx_ctxnuminstance = 1;
  qlx_quelt->qlx_runtime.qlx_instancename[0] = '\0';
  qlx_quelt->qlx_runtime.qlx_ctxtesternaming[0] = '\0';
#ifdef RTTEST_THREAD
  if (arg->qlx_filters) {
    QLX_T_CAR qlx_l_lstflt[QMK_TAGTBUF_SIZE];
    qlx_quelt->qlx_runtime.qlx_strcpy(qlx_l_lstflt, arg->qlx_filters);
    qlx_quelt->qlx_runtime.qlx_strcat(qlx_l_lstflt, "A");
    qlx_quelt->qlx_runtime.qlx_set_lstflt(0, (char **)0, qlx_l_lstflt);
  } else
    qlx_quelt->qlx_runtime.qlx_set_lstflt(0, (char **)0, "A");
  if (arg->qlx_riofilename)
    qlx_quelt->qlx_runtime.qlx_set_riofilename(0, (char **)0, arg->qlx_riofilename);
  else
    qlx_quelt->qlx_runtime.qlx_set_riofilename(0, (char **)0, rio_file_name);
  if (arg->qlx_instance)
    qlx_quelt->qlx_runtime.qlx_set_instancename(0, (char **)0, arg->qlx_instance);
  else
    qlx_quelt->qlx_runtime.qlx_set_instancename(0, (char **)0, qlx_quelt->qlx_runtime.qlx_instancename);
  qlx_quelt->qlx_runtime.qlx_ctxoccid = (arg->qlx_occid);
#else
  qlx_quelt->qlx_runtime.qlx_set_lstflt(argc, argv, "");
  qlx_quelt->qlx_runtime.qlx_set_riofilename(argc, argv, rio_file_name);
  qlx_quelt->qlx_runtime.qlx_set_instancename(argc, argv, 0);
  qlx_quelt->qlx_runtime.qlx_set_occid(argc, argv, 0);
#endif
  if (qlx_quelt->qlx_runtime.qlx_instancename) {
    /* Computing index of executed instance */
    if (qlx_quelt->qlx_runtime.qlx_strcmp("left", qlx_quelt->qlx_runtime.qlx_instancename) == 0) {
      qlx_quelt->qlx_runtime.qlx_ctxnuminstance = 2;
    }
  }
#if QMK_DYNFLW
  qlx_quelt->qlx_runtime.qlx_set_testernaming();
#endif /* QMK_DYNFLW */
  qlx_quelt->qlx_runtime.qlx_set_instancevalid(!(qlx_quelt->qlx_runtime.qlx_ctxnuminstance == -1));
  qlx_quelt->qlx_runtime.qlx_set_instancerequired((qlx_quelt->qlx_runtime.qlx_ctxnuminstance == -1));
  qlx_quelt->qlx_runtime.qlx_ctxflagprobe = 0;
#if QMK_DYNFLW
  qlx_quelt->qlx_runtime.qlx_initrio_with_dynamicfollowing("2026-12-08 14:00:00 0",
#else
  qlx_quelt->qlx_runtime.qlx_initrio_no_dynamicfollowing("2026-12-08 14:00:00 0",
#endif /* QMK_DYNFLW */
#ifdef QLX_TESSVIA_DEBUG
                                                           "D");
#else
                                                         "");
#endif
  qlx_quelt->J0 = 1;
#if QMK_DYNFLW
  {
    qlx_quelt->qlx_runtime.qlx_sprintf(tstnaming, "\"%s\"", qlx_quelt->qlx_runtime.qlx_ctxtesternaming);
    if (priv_boot_tagtlk(&(qlx_quelt->qlx_runtime.qlx_ctxtagtsocket), qlx_quelt->qlx_runtime.qlx_instancename,
                         tstnaming, &(qlx_quelt->qlx_runtime.qlx_ctxtagttimeout),
                         &(qlx_quelt->qlx_runtime.qlx_ctxtagtcommactivated))) {
      QMK_EXIT(1);
    } else {
      qlx_quelt->qlx_runtime.qlx_notify_tsf(1, 1234L, 5678L);
      /* To_spv: 1 -> (1234,42) - runtime_flow.pts -*/
    }
  }
  qlx_quelt->qlx_runtime.qlx_declare_ni_tsf(1);
#endif /* QMK_DYNFLW */

  qlx_quelt->qlx_runtime.qlx_startchronomarkloop(2, 1, 0, qlx_quelt->J0, "", 0, 0);
  qlx_local_state = qlx_quelt->qlx_S0();
  qlx_quelt->qlx_runtime.qlx_stopchronomarkloop(qlx_local_state, 2, 1, qlx_quelt->J0, "", 0, 0);
  qlx_quelt->qlx_runtime.qlx_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);
  qlx_quelt->qlx_runtime.qlx_end();
#if QMK_DYNFLW
  qlx_quelt->qlx_runtime.qlx_endoftester_tagtlk();
  priv_close_tagtlk(&(qlx_quelt->qlx_runtime.qlx_ctxtagtsocket));
#endif /* QMK_DYNFLW */

  delete[] qlx_quelt->qlx_runtime.qlx_ctxbuffertrace;
#ifdef RTTEST_THREAD
  /* thr_exit ends the process in a dry run, so the driver object is left to it */
  qlx_quelt->qlx_runtime.qlx_thr_exit((qlx_local_state != 0));
#else
  delete qlx_quelt;
  QMK_EXIT((qlx_local_state != 0));
  return (0);
#endif
}
