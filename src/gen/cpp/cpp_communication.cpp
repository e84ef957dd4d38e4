// The communication code of the driver: the member functions of procsends and callbacks, the WAIT
// function of each WAITTIL, and the statements SEND, WAITTIL (its definition and connection
// checks, the polling loop, the reception on each state channel), ADD_ID, CLEAR_ID, MESSAGE_DATE
// and NO_MESSAGE.
#include <string>
#include <vector>

#include "gen/cpp/cpp_comm.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

std::string str(long value) { return std::to_string(value); }

// "qlx_channel_<comm type>[<channel number>]".
std::string channel_text(const Entry* channel) {
  return "$channel_" + comm_type_of_channel(channel)->name + "[" + str(channel_number(channel)) + "]";
}

}  // namespace

// The runtime tests of the conditions take a state: "QLX_<test>_1(qlx_msg_T[i])" tests the
// value's state, "QLX_<test>_2(qlx_msg_T[i],qlx_state_channel[c][n])" its state on channel n of
// communication type c (the channel number goes first).
std::string state_tests(const std::string& condition) {
  static const char* const tests[] = {"NOTMATCHING", "NOTMATCHED", "MATCHING", "MATCHED"};
  std::string out;
  std::size_t i = 0;
  while (i < condition.size()) {
    std::size_t at = condition.find("QLX_", i);
    if (at == std::string::npos) break;
    out.append(condition, i, at - i);
    std::size_t name_end = at + 4;
    std::string test;
    for (const char* t : tests) {
      if (condition.compare(name_end, std::string(t).size(), t) == 0) {
        test = t;
        break;
      }
    }
    std::size_t open = name_end + test.size() + 2;  // after "_1" or "_2"
    std::size_t close = condition.find(')', open);
    if (test.empty() || open >= condition.size() || condition[open] != '(' || close == std::string::npos) {
      out += "QLX_";
      i = at + 4;
      continue;
    }
    std::string argument = condition.substr(open + 1, close - open - 1);
    char form = condition[open - 1];
    std::size_t comma = argument.find(",qlx_state_channel[");
    if (form == '1') {
      out += "QLX_" + test + "_1(" + argument + ".qlx_state)";
    } else if (form == '2' && comma != std::string::npos) {
      std::string value = argument.substr(0, comma);
      std::string state = argument.substr(comma + 1);
      std::size_t last = state.rfind('[');
      std::string number = state.substr(last + 1, state.size() - last - 2);
      out += "QLX_" + test + "_2(" + number + "," + value + "." + state + ")";
    } else {
      out.append(condition, at, close + 1 - at);
    }
    i = close + 1;
  }
  out.append(condition, std::min(i, condition.size()), std::string::npos);
  return out;
}

void CppWriter::traced(const std::string& call) {
  raw("#if QMK_DYNFLW");
  line(call);
  raw("#endif /* QMK_DYNFLW */");
  empty();
}

// ---- procsends and callbacks ----

void CppWriter::write_procsend(Entry* procsend) {
  if (!is_used_routine(procsend)) return;
  empty();
  raw("/* procsend " + procsend->name + " */");
  line("QLX_T_INT QUELT::$" + procsend->name + "(QLX_T_INT $RegId,QLX_T_INT $index)");
  write_routine_frame(procsend, false);
}

void CppWriter::write_callback(Entry* callback) {
  if (!is_used_routine(callback)) return;
  empty();
  raw("/* callback " + callback->name + " */");
  if (reads_connection_table(std::get<sema::CallbackRecord>(callback->descriptor->record).comm_type)) {
    line("QLX_T_INT QUELT::$" + callback->name + "(QLX_T_INT $RegId)");
  } else {
    line("QLX_T_INT QUELT::$" + callback->name + "(QLX_T_INT $RegId,QLX_T_INT $index)");
  }
  write_routine_frame(callback, true);
}

// The names the body uses bound to the message being sent or received, the connection or the
// connection table and the count; the leading declarations; the body; the result.
void CppWriter::write_routine_frame(Entry* routine, bool callback) {
  const auto& record = std::get<sema::CallbackRecord>(routine->descriptor->record);
  const sema::Scope* body = child_scope(routine);
  RoutineNames names = routine_names(routine);
  const std::string& type = record.message_type->name;
  const std::string& comm = record.comm_type->name;
  const std::string& connection_type = std::get<sema::CommTypeRecord>(record.comm_type->descriptor->record).connection_id_type;
  bool polymorphic = is_polymorphic(record.message_type);
  bool table = callback && reads_connection_table(record.comm_type);
  open_brace();
  if (body_uses(body, names.message)) {
    // A polymorphic message is reached through the pointer the routine sends or fills.
    std::string variable = callback ? "($" + type + "_rcv)" : polymorphic ? "($" + type + "_send)" : "*($" + type + "_send)";
    line(type + (polymorphic ? " *&" : " &") + names.message + " = " + variable + ";");
  }
  bool index_used = false;
  bool reg_used = false;
  if (table) {
    if (body_uses(body, names.count)) {
      line("QLX_T_INT &" + names.count + " = $channel_" + comm + "[$RegId].$numberofId;");
      reg_used = true;
    }
    if (body_uses(body, names.connection)) {
      line("$tabid_" + comm + " " + names.connection + "(&$channel_" + comm + "[$RegId]);");
      reg_used = true;
    }
  } else if (body_uses(body, names.connection)) {
    line(connection_type + " &" + names.connection + " = *($channel_" + comm + "[$RegId].$connexionId[$index]);");
    reg_used = index_used = true;
  }
  if (!reg_used) line("(void)$RegId;");
  if (!table && !index_used) line("(void)$index;");
  Entry* first = body != nullptr ? body->first : nullptr;
  while (first != nullptr && first->kind == EntryKind::NativeDeclaration) {
    raw(first->text);
    first = first->next;
  }
  empty();
  ifdef("QLX_TESSVIA_DEBUG");
  line("QLX_T_INT $debug_state = 0;");
  endif();
  write_body_from(first);
  std::string result = callback ? "QLX_MESSAGE_READ" : "QLX_MESSAGE_SENT";
  ifdef("QLX_TESSVIA_DEBUG");
  line("return ($debug_state ? 1 : " + result + ");");
  else_();
  raw("return ( " + result + " );");
  endif();
  close_brace();
}

// ---- the WAIT function ----

// Evaluates the conditions at every tick up to the given time; the KO condition first. It is a
// local function of the WAITTIL's block, so that the conditions see what the statement sees: the
// parameters and locals of the procedure or callback that holds it, and the driver's members.
void CppWriter::write_wait_function(const sema::WaittilRecord& waittil) {
  std::string ok = state_tests(!waittil.prepared[0].empty() ? waittil.prepared[0] : waittil.conditions[0]);
  std::string ko = state_tests(!waittil.prepared[1].empty() ? waittil.prepared[1] : waittil.conditions[1]);
  line("auto $WAIT_" + str(waittil.number) +
       " = [&](QLX_T_INT * $exprOK,QLX_T_INT * $exprKO,QLX_T_UTIME $wtime_0) -> QLX_T_INT");
  open_brace();
  line("QLX_T_INT $ret=0;");
  line("do");
  open_brace();
  line("if ((*$exprKO = (" + ko + ")))");
  open_brace();
  line("$ret=1;");
  close_brace();
  line("if ((*$exprOK = (" + ok + ")))");
  open_brace();
  line("$ret=1;");
  close_brace();
  line("if (WTIME <= $wtime_0)");
  open_brace();
  line("WTIME++;");
  close_brace();
  close_brace();
  line("while ((WTIME<=$wtime_0)&&(!$ret));");
  line("WTIME = $wtime_0;");
  line("return $ret;");
  close_brace();
  line(";");
}

// ---- statements ----

bool CppWriter::write_comm_statement(Entry* statement) {
  std::string number = str(statement->numbers.element);
  switch (statement->kind) {
    case EntryKind::Send: write_send(statement); return true;
    case EntryKind::Waittil: write_waittil(statement); return true;
    case EntryKind::AddId: write_add_id(statement); return true;
    case EntryKind::ClearId:
      line(channel_text(std::get<sema::IdRecord>(statement->descriptor->record).channel) + ".$numberofId=0;");
      return true;
    case EntryKind::MessageDate: line("$.$msgdate (" + number + ");"); return true;
    case EntryKind::NoMessage:
      line("$.$nomsg (" + number + ");");
      raw("return ( QLX_NO_MESSAGE );");
      return true;
    default: return false;
  }
}

// The message goes out through the procsend over every connection of the channel; a procsend
// that fails (1) stops the loop and the SEND.
void CppWriter::write_send(Entry* send) {
  const auto& record = std::get<sema::SendRecord>(send->descriptor->record);
  const auto& procsend = std::get<sema::CallbackRecord>(record.procsend->descriptor->record);
  const std::string& message = record.event_variable->name;
  const Entry* channel = record.channel;
  line("$.$send( " + str(send->numbers.element) + ", \"" + message + "\");");
  line("$" + procsend.message_type->name + "_send = &" + message + ";");
  traced("$.$send_tsf ( " + str(send->numbers.trace) + ", " + str(send->file_number) + ");");
  open_brace();
  line("QLX_T_INT $i, $psret=0;");
  line("$.$rio_on();");
  line("for (qlx_i=0;qlx_i<" + channel_text(channel) + ".qlx_numberofId;qlx_i++)");
  open_brace();
  line("$.$rio_off();");
  line("$psret = $" + record.procsend->name + " (" + str(channel_number(channel)) + ",qlx_i);");
  line("$.$rio_on();");
  line("if ($psret==1)");
  open_brace();
  ifdef("QLX_TESSVIA_DEBUG");
  line("$debug_state=1;");
  endif();
  line("break;");
  close_brace();
  close_brace();
  line("$" + message_type_of_value(record.event_variable)->name + "_dump_msg ( " + message + " );");
  line("$.$endsend( $psret," + str(send->numbers.element_end) + ");");
  ifdef("QLX_TESSVIA_DEBUG");
  else_();
  line("if ($psret)");
  raw("return ( 1 );");
  endif();
  close_brace();
}

void CppWriter::write_add_id(Entry* add_id) {
  const auto& record = std::get<sema::IdRecord>(add_id->descriptor->record);
  std::string c = channel_text(record.channel);
  line("if (" + c + ".$numberofId<QLX_K_ID_SIZE)");
  open_brace();
  if (reads_connection_table(comm_type_of_channel(record.channel))) {
    line("(" + c + ".$connexionId[" + c + ".$numberofId]) = &" + record.identifier + ";");
  } else {
    line(c + ".$connexionId[" + c + ".$numberofId] = &" + record.identifier + ";");
  }
  line("++" + c + ".$numberofId;");
  close_brace();
  line("else");
  open_brace();
  line("$.$numofid(" + str(add_id->numbers.element) + ");");
  write_debug_exit("1");
  close_brace();
}

}  // namespace gen
