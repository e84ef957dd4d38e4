/* The part of a driver around the message functions that the communication writer provides: the
   message state, the class members the functions use, and the select struct of message_t. */
#include "TP.h"
#include "messages.h"
#define QLX_K_MAX_COMT 2
#define QLX_K_MAX_CHAN 2
#define QLX_K_MSG_message_t 2
typedef struct qlx_s_T_MSG_message_t {
  QLX_T_INT qlx_defNumber;
  message_t qlx_MsgRef, qlx_MsgMin, qlx_MsgMax;
  QLX_T_INT qlx_state, qlx_stateok, qlx_stateko;
  QLX_T_INT qlx_state_channel[QLX_K_MAX_COMT][QLX_K_MAX_CHAN];
} QLX_T_message_t, *QLX_PT_message_t;
typedef QLX_T_message_t QLX_T_MSG_message_t[QLX_K_MSG_message_t];
#define QLX_K_MSG_point 1
typedef struct qlx_s_T_MSG_point {
  QLX_T_INT qlx_defNumber;
  point qlx_MsgRef, qlx_MsgMin, qlx_MsgMax;
  QLX_T_INT qlx_state, qlx_stateok, qlx_stateko;
  QLX_T_INT qlx_state_channel[QLX_K_MAX_COMT][QLX_K_MAX_CHAN];
} QLX_T_point, *QLX_PT_point;
typedef QLX_T_point QLX_T_MSG_point[QLX_K_MSG_point];
class QUELT {
 public:
  QLX_T_INT I0, I1;
  QLX_C_RUNTIME qlx_runtime;
  void qlx_message_t_ref_msg(QLX_PT_message_t qlx_msg_ref);
  QLX_T_INT qlx_message_t_cmp_msg(QLX_PT_message_t qlx__msg_ref, message_t &qlx_msg_rcv);
  void qlx_message_t_dump_msg(message_t &qlx_msgrcv);
  QLX_T_MSG_message_t qlx_msg_message_t;
  struct {
    struct {
      int select;
    } n;
  } QLX_message_t;
  void qlx_point_ref_msg(QLX_PT_point qlx_msg_ref);
  QLX_T_INT qlx_point_cmp_msg(QLX_PT_point qlx__msg_ref, point &qlx_msg_rcv);
  void qlx_point_dump_msg(point &qlx_msgrcv);
  QLX_T_MSG_point qlx_msg_point;
  void define_req(int value);
  void define_others();
};
