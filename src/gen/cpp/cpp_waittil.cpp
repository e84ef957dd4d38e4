// The WAITTIL statement: the definition and connection checks, the polling loop that calls the
// callbacks of every state channel it receives on and matches what they read against the awaited
// values, and the end of the wait by the OK condition, the KO condition or a failed callback.
#include <algorithm>
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

std::string channel_text(const Entry* channel) {
  return "$channel_" + comm_type_of_channel(channel)->name + "[" + str(channel_number(channel)) + "]";
}

std::string value_text(const Entry* event_variable) {
  return "$msg_" + message_type_of_value(event_variable)->name + "[" + str(event_index(event_variable)) + "]";
}

// The awaited values once each, in order.
std::vector<const Entry*> awaited_values(const sema::WaittilRecord& waittil) {
  std::vector<const Entry*> values;
  for (const sema::AwaitedMessage& awaited : waittil.awaited) {
    const Entry* value = awaited.event_variable;
    if (value != nullptr && std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
  }
  return values;
}

// The state channels of a WAITTIL grouped by communication type, each with the message types
// received on it (and their callbacks) and the values awaited there.
struct StateChannel {
  const Entry* channel = nullptr;
  std::vector<std::pair<const Entry*, const Entry*>> types;  // message type, callback
  std::vector<const Entry*> values;
};
struct CommReception {
  const Entry* comm_type = nullptr;
  std::vector<StateChannel> channels;
};

std::vector<CommReception> receptions_of(const sema::WaittilRecord& waittil, const ChannelMap& map) {
  std::vector<CommReception> result;
  for (const sema::AwaitedMessage& awaited : waittil.awaited) {
    if (awaited.event_variable == nullptr || awaited.callback == nullptr) continue;
    const Entry* type = message_type_of_value(awaited.event_variable);
    for (const Entry* channel : polled_channels(map, awaited)) {
      const Entry* comm_type = comm_type_of_channel(channel);
      auto reception =
          std::find_if(result.begin(), result.end(), [&](const CommReception& r) { return r.comm_type == comm_type; });
      if (reception == result.end()) reception = result.insert(result.end(), CommReception{comm_type, {}});
      auto& channels = reception->channels;
      auto state = std::find_if(channels.begin(), channels.end(), [&](const StateChannel& s) { return s.channel == channel; });
      if (state == channels.end()) state = channels.insert(channels.end(), StateChannel{channel, {}, {}});
      auto known = std::find_if(state->types.begin(), state->types.end(), [&](const auto& t) { return t.first == type; });
      if (known == state->types.end()) state->types.emplace_back(type, awaited.callback);
      if (std::find(state->values.begin(), state->values.end(), awaited.event_variable) == state->values.end()) {
        state->values.push_back(awaited.event_variable);
      }
    }
  }
  return result;
}

bool takes_table(const Entry* callback) {
  return reads_connection_table(std::get<sema::CallbackRecord>(callback->descriptor->record).comm_type);
}

// Whether some reception of the WAITTIL loops over connections (and needs qlx_i).
bool loops_over_connections(const std::vector<CommReception>& receptions) {
  for (const CommReception& reception : receptions) {
    for (const StateChannel& state : reception.channels) {
      for (const auto& type : state.types) {
        if (!takes_table(type.second)) return true;
      }
    }
  }
  return false;
}

// The debug choice of a failed WAITTIL: the debug build goes on after the statement.
void continue_or_fail(CppWriter& w) {
  w.ifdef("QLX_TESSVIA_DEBUG");
  w.line("$continue_debug = 1;");
  w.else_();
  w.raw("return ( 1 );");
  w.endif();
}

}  // namespace

void CppWriter::write_waittil(Entry* statement) {
  const auto& waittil = std::get<sema::WaittilRecord>(statement->descriptor->record);
  if (!comm_channels_ready_) {
    comm_channels_ = channels_by_comm_type(context_.model.global());
    comm_channels_ready_ = true;
  }
  std::vector<CommReception> receptions = receptions_of(waittil, comm_channels_);
  std::vector<const Entry*> values = awaited_values(waittil);
  std::string n = str(statement->numbers.element);
  std::string end = str(statement->numbers.element_end);
  std::string second = str(statement->file_number);
  std::string first_type = values.empty() ? "<not defined>" : message_type_of_value(values.front())->name;

  open_brace();
  line("QLX_T_INT qlx_end_waittil_debug=0;");
  ifdef("QLX_TESSVIA_DEBUG");
  line("QLX_T_INT qlx_continue_debug=0;");
  endif();
  // A wait on time and plain conditions only has no message to check.
  if (!values.empty()) {
    line("if (0");
    for (const Entry* value : values) line("||(!" + value_text(value) + ".$defNumber)");
    line(")");
    open_brace();
    line("$.$nodefmsg(" + n + ");");
    continue_or_fail(*this);
    close_brace();
    empty();
    line("else if (!(0");
    for (const CommReception& reception : receptions) {
      for (const StateChannel& state : reception.channels) line("||(" + channel_text(state.channel) + ".$numberofId)");
    }
    line("))");
    open_brace();
    line("$.$noaddid(" + n + ");");
    continue_or_fail(*this);
    close_brace();
    line("else");
  }
  open_brace();
  bool receives = !receptions.empty();
  if (receives) {
    line(loops_over_connections(receptions) ? "QLX_T_INT $i, $ret, $cbret, $rcv;" : "QLX_T_INT $ret, $cbret, $rcv;");
  } else {
    line("QLX_T_INT $rcv;");
  }
  line("QLX_T_INT $exprOK=0, $exprKO=0;");
  line("QLX_T_UTIME $wtime_0, $t0, $tn, $tn1, $tnow;");
  write_wait_function(waittil);
  line("$initstates ();");
  traced("$.$begin_waittil_tsf ( " + str(statement->numbers.trace - 1) + ", " + second + ");");
  line("$.$waittil (" + n + ");");
  line("WTIME = 0;");
  line("$t0 = $.$getevtdate ();");
  line("$tn = $t0 ;");
  line("$tn1=$tn+$gran;");
  // The polling loop: one period per turn, each state channel's callbacks, then the conditions.
  raw("for (;");
  ifdef("QLX_TESSVIA_DEBUG");
  line("!$continue_debug &&");
  endif();
  line("!qlx_end_waittil_debug;)");
  open_brace();
  line("$rcv = 0;");
  line("$tnow = $.$getevtdate ();");
  line("while ($tnow >= $tn1)");
  open_brace();
  line("$tn = $tn1 ;");
  line("$tn1=$tn+$gran;");
  close_brace();
  const std::string& to = waittil.timeout;
  line("QLX_TIMEOUT = ( ((($tnow - $t0)/QLX_WTIME_TO_TIME) < " + to + ") ? (" + to +
       " - ($tnow - $t0)/QLX_WTIME_TO_TIME) : 0);");
  for (const CommReception& reception : receptions) {
    raw("/* CommType " + reception.comm_type->name + " */");
    for (const StateChannel& state : reception.channels) {
      line("if (" + channel_text(state.channel) + ".$numberofId)");
      open_brace();
      raw("/* Channel " + state.channel->name + " */");
      for (const auto& [type, callback] : state.types) {
        std::vector<const Entry*> received;
        for (const Entry* value : state.values) {
          if (message_type_of_value(value) == type) received.push_back(value);
        }
        write_reception(statement, state.channel, type, callback, received);
      }
      close_brace();
    }
  }
  raw("if (!qlx_end_waittil_debug");
  ifdef("QLX_TESSVIA_DEBUG");
  raw("&& !qlx_continue_debug");
  endif();
  raw(")");
  open_brace();
  line("$wtime_0 = $.$getwtime();");
  line("if ($WAIT_" + str(waittil.number) + "(&$exprOK, &$exprKO, $wtime_0))");
  open_brace();
  line("$end_waittil_debug = 1;");
  line("break;");
  close_brace();
  line("if (!$rcv)");
  open_brace();
  line("$tnow = $.$getevtdate ();");
  line("while ($tnow < $tn1)");
  open_brace();
  line("$sleep($tn1-$tnow);");
  line("$tnow = $.$getevtdate ();");
  close_brace();
  close_brace();
  close_brace();
  close_brace();  // the polling loop
  // The result: each value's state to the runtime, then the KO or OK end.
  ifdef("QLX_TESSVIA_DEBUG");
  line("if (!qlx_continue_debug)");
  open_brace();
  endif();
  for (const Entry* value : values) {
    line("$.$state ((" + value_text(value) + ".$state), " + str(value->numbers.element) + ");");
    line("$" + message_type_of_value(value)->name + "_ref_msg (&(" + value_text(value) + "));");
  }
  line("if ($exprKO)");
  open_brace();
  traced("$.$end_waittil_tsf ( " + str(statement->numbers.trace + 1) + ", " + second + ", 1);");
  line("$.$endwaittil(1, " + end + ", \"" + first_type + "\");");
  continue_or_fail(*this);
  close_brace();
  line("else if ($exprOK)");
  open_brace();
  traced("$.$end_waittil_tsf ( " + str(statement->numbers.trace + 1) + ", " + second + ", 0);");
  line("$.$endwaittil(0, " + end + ", \"" + first_type + "\");");
  close_brace();
  ifdef("QLX_TESSVIA_DEBUG");
  close_brace();
  endif();
  close_brace();  // the else block
  ifdef("QLX_TESSVIA_DEBUG");
  line("qlx_debug_state |= qlx_continue_debug;");
  endif();
  close_brace();
}

// One message type on one state channel: the callback for each connection (or once for the
// connection table), a failed callback ends the WAITTIL, a message read is shown, dumped and
// compared with each value awaited there, then the conditions are evaluated at its date.
void CppWriter::write_reception(const Entry* statement, const Entry* channel, const Entry* type, const Entry* callback,
                                const std::vector<const Entry*>& values) {
  const auto& waittil = std::get<sema::WaittilRecord>(statement->descriptor->record);
  const std::string& t = type->name;
  std::string chan = channel_text(channel);
  std::string k = str(channel_number(channel));
  std::string comm = str(comm_type_number(comm_type_of_channel(channel)));
  std::string end = str(statement->numbers.element_end);
  std::string trace = str(statement->numbers.trace);
  std::string second = str(statement->file_number);
  bool table = takes_table(callback);
  bool polymorphic = is_polymorphic(type);
  raw("/* Type message " + t + " */");
  if (table) {
    // Called once per period: the guard the connection loop has in its condition.
    raw("if (");
  } else {
    raw("for (qlx_i=0;");
  }
  ifdef("QLX_TESSVIA_DEBUG");
  line("!$continue_debug&&");
  endif();
  if (table) {
    raw("!qlx_end_waittil_debug)");
  } else {
    raw("!qlx_end_waittil_debug && qlx_i<" + expand_prefixes(chan, runtime_) + ".qlx_numberofId;qlx_i++)");
  }
  open_brace();
  line("$ret = 0;");
  line("$.$rio_off();");
  line("$cbret=$" + callback->name + "(" + k + (table ? ");" : ",$i);"));
  line("$.$rio_on();");
  line("if ($cbret== 1)");
  open_brace();
  traced("$.$end_waittil_tsf ( " + str(statement->numbers.trace + 1) + ", " + second + ", 2);");
  line("$.$endwaittil(2, " + end + ", \"" + t + "\");");
  ifdef("QLX_TESSVIA_DEBUG");
  line("$continue_debug = 1;");
  line("break;");
  else_();
  raw("return ( 1 );");
  endif();
  close_brace();
  line("if ($cbret==QLX_MESSAGE_READ)");
  open_brace();
  raw("char qlx_str_type_rcv[1024];");
  raw("qlx_strcpy(qlx_str_type_rcv,\"< !!! Unknown type !!! >\");");
  traced("$.$waittil_tsf ( \"" + t + "\", " + trace + ", " + second + ");");
  std::string received = "$" + t + "_rcv";
  if (polymorphic) {
    // The callback leaves a pointer to what it read: null when it read nothing of the class.
    line(t + " *tmp_rcv = dynamic_cast<" + t + " *>(" + received + ");");
    line("if (" + received + ")");
    open_brace();
    bool first = true;
    for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
      if (e->kind != EntryKind::MessageType || !is_polymorphic(e)) continue;
      if (!first) raw("else");
      first = false;
      line("if(typeid(*" + received + ")==typeid(" + e->name + "))");
      raw("qlx_strcpy(qlx_str_type_rcv,\"" + e->name + "\");");
    }
    close_brace();
  }
  line("$rcv |= 1;");
  std::string message_number = str(std::get<sema::MessageTypeRecord>(type->descriptor->record).number);
  std::string channel_state = str(channel->numbers.element);
  if (polymorphic) {
    line("$.$evt (" + message_number + "," + channel_state + ",1,qlx_str_type_rcv);");
    line("if (tmp_rcv)");
    line("$" + t + "_dump_msg (*tmp_rcv);");
  } else {
    line("$.$evt (" + message_number + "," + channel_state + ",0,\" \");");
    line("$" + t + "_dump_msg (" + received + ");");
  }
  line("$.$endevt (" + str(statement->numbers.element) + ");");
  for (const Entry* value : values) {
    std::string v = value_text(value);
    std::string on_channel = v + ".$state_channel[" + comm + "][" + k + "]";
    if (polymorphic) {
      line("if (!tmp_rcv)");
      open_brace();
      line(v + ".qlx_state=QLX_EVTKO;");
      line(v + ".qlx_stateko=1;");
      line(on_channel + "|=QLX_EVTKO;");
      close_brace();
      line("else");
    }
    line("if ($" + t + "_cmp_msg(&(" + v + ")," + (polymorphic ? "*tmp_rcv" : received) + "))");
    open_brace();
    const auto& record = std::get<sema::EventVariableRecord>(value->descriptor->record);
    if (!record.definitions.empty() && value->numbers.element >= 0) line("$.$def_msg(" + str(value->numbers.element) + ");");
    line("$ret=1;");
    line(on_channel + "|=QLX_EVTOK;");
    close_brace();
    line("else");
    open_brace();
    line(on_channel + "|=QLX_EVTKO;");
    close_brace();
  }
  close_brace();
  line("if ($ret)");
  open_brace();
  line("$wtime_0 = $.$logdate / $gran;");
  close_brace();
  line("else");
  open_brace();
  line("$wtime_0 = $.$getwtime();");
  close_brace();
  line("if ($WAIT_" + str(waittil.number) + "(&$exprOK, &$exprKO, $wtime_0))");
  open_brace();
  line("$end_waittil_debug = 1;");
  line("break;");
  close_brace();
  close_brace();
}

}  // namespace gen
