// The service functions of a message type: dump, reference and compare. This file holds their
// frames only, so that drivers with messages compile: the dump and the reference output write
// nothing yet and the comparison has no field checks, so every received message matches. The
// per-field bodies come with the VAR and DEF_MESSAGE writer, which replaces this file.
#include <string>

#include "gen/cpp/cpp_writer.h"

namespace gen {

void CppWriter::write_message_functions(const sema::Entry* message) {
  const std::string& type = message->name;
  empty();
  line("void QUELT::$" + type + "_dump_msg (" + type + " &$msgrcv)");
  open_brace();
  line("(void)$msgrcv;");
  close_brace();
  empty();
  line("void QUELT::$" + type + "_ref_msg (QLX_PT_" + type + " $msg_ref)");
  open_brace();
  line("(void)$msg_ref;");
  close_brace();
  empty();
  line("QLX_T_INT QUELT::$" + type + "_cmp_msg(QLX_PT_" + type + " $msg_ref, " + type + " &$msgrcv)");
  open_brace();
  line("QLX_T_INT $ret;");
  line("$.$cmp();");
  line("$ret=$.$cmp();");
  line("$msg_ref->$state = $ret?QLX_EVTOK:QLX_EVTKO;");
  line("if ($msg_ref->$state == QLX_EVTOK)");
  open_brace();
  line("$msg_ref->$stateok = 1;");
  line("$memcpy(&($msg_ref->$MsgRef),&$msgrcv,sizeof(" + type + "));");
  close_brace();
  line("else $msg_ref->$stateko = 1;");
  line("return($ret);");
  close_brace();
}

}  // namespace gen
