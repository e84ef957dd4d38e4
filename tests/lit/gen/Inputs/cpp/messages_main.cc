/* Runs the message functions: the definitions, the dump of req's reference, the reference
   output of req, and the comparison of a received copy of req with req (it matches) and with
   ack's definition, which expects member i of the union while the received value holds f (the
   select field says so): that comparison fails. */
int main() {
  static QUELT q;
  q.define_req(3);
  q.qlx_message_t_dump_msg(q.qlx_msg_message_t[0].qlx_MsgRef);
  q.qlx_message_t_ref_msg(&q.qlx_msg_message_t[0]);
  message_t received = q.qlx_msg_message_t[0].qlx_MsgRef;
  QLX_T_INT matched = q.qlx_message_t_cmp_msg(&q.qlx_msg_message_t[0], received);
  q.define_others();
  q.QLX_message_t.n.select = 1;
  QLX_T_INT other = q.qlx_message_t_cmp_msg(&q.qlx_msg_message_t[1], received);
  std::printf("matched %d %d state %d %d\n", matched, other, q.qlx_msg_message_t[0].qlx_state,
              q.qlx_msg_message_t[1].qlx_state);
  return 0;
}
