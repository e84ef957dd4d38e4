// The communication part of the driver's frame: the QLX_K_ sizes, the message state and channel
// types, the connection table classes, the prototypes of callbacks, procsends and WAIT functions,
// the class members of messages, message values and channels, the constructor's bindings and
// loops, and the state initialiser that every WAITTIL starts with.
#include <string>
#include <unordered_set>
#include <variant>

#include "gen/cpp/cpp_comm.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"
#include "iface/query/anc_names.h"
#include "iface/query/anc_select_struct.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

std::string str(long value) { return std::to_string(value); }

template <typename Record>
const Record* record_if(const Entry* entry) {
  return entry != nullptr && entry->descriptor != nullptr ? std::get_if<Record>(&entry->descriptor->record) : nullptr;
}

bool is_identifier_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool names(const std::string& text, const std::string& name) {
  for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
    bool starts = at == 0 || !is_identifier_char(text[at - 1]);
    std::size_t end = at + name.size();
    if (starts && (end == text.size() || !is_identifier_char(text[end]))) return true;
  }
  return false;
}

// The texts of an entry that hold C code of the script.
bool entry_names(const Entry* e, const std::string& name) {
  if (names(e->text, name)) return true;
  if (const auto* call = record_if<sema::CallRecord>(e)) {
    return names(call->function, name) || names(call->return_variable, name) || names(call->expected_value, name);
  }
  if (const auto* value = record_if<sema::ValueRecord>(e)) {
    return names(value->text, name) || names(value->at_parts[0], name) || names(value->at_parts[1], name);
  }
  if (const auto* condition = record_if<sema::ConditionRecord>(e)) return names(condition->text, name);
  if (const auto* check = record_if<sema::CheckRecord>(e)) {
    return names(check->value_text, name) || names(check->low_text, name) || names(check->high_text, name);
  }
  if (const auto* waittil = record_if<sema::WaittilRecord>(e)) {
    return names(waittil->conditions[0], name) || names(waittil->conditions[1], name);
  }
  if (const auto* print = record_if<sema::PrintRecord>(e)) return names(print->expression, name);
  if (const auto* id = record_if<sema::IdRecord>(e)) return names(id->identifier, name);
  if (const auto* send = record_if<sema::IntersendRecord>(e)) return names(send->value, name) || names(send->tester, name);
  if (const auto* recv = record_if<sema::InterrecvRecord>(e)) return names(recv->first, name) || names(recv->second, name);
  return false;
}

}  // namespace

const Entry* message_type_of_value(const Entry* event_variable) {
  const auto* value = record_if<sema::EventVariableRecord>(event_variable);
  return value != nullptr ? value->message_type : nullptr;
}

const Entry* comm_type_of_channel(const Entry* channel) {
  const auto* record = record_if<sema::ChannelRecord>(channel);
  return record != nullptr ? record->comm_type : nullptr;
}

int comm_type_number(const Entry* comm_type) {
  const auto* record = record_if<sema::CommTypeRecord>(comm_type);
  return record != nullptr ? record->number : 0;
}

int channel_number(const Entry* channel) {
  const auto* record = record_if<sema::ChannelRecord>(channel);
  return record != nullptr ? record->number : 0;
}

int event_index(const Entry* event_variable) {
  const auto* value = record_if<sema::EventVariableRecord>(event_variable);
  return value != nullptr ? value->index : 0;
}

bool reads_connection_table(const Entry* comm_type) {
  const auto* record = record_if<sema::CommTypeRecord>(comm_type);
  if (record == nullptr) return false;
  return record->multiplexing || comm_type->descriptor->kind == sema::DescriptorKind::SocketVariable;
}

bool is_polymorphic(const Entry* message_type) {
  if (message_type == nullptr) return false;
  return iface::anc_is_polymorphic_class(message_type->name) != 0;
}

RoutineNames routine_names(const Entry* routine) {
  RoutineNames result;
  const auto* record = record_if<sema::CallbackRecord>(routine);
  if (record == nullptr) return result;
  if (!record->message_variable.empty()) result.message = record->message_variable;
  if (!record->connection_table.empty()) result.connection = record->connection_table;
  if (!record->count_variable.empty()) result.count = record->count_variable;
  int position = 0;
  for (const Entry* p = record->parameters != nullptr ? record->parameters->first : nullptr; p != nullptr; p = p->next) {
    ++position;
    if (!p->has_name || p->name.empty()) continue;
    if (position == 1) result.message = p->name;
    if (position == 2) result.connection = p->name;
    if (position == 3) result.count = p->name;
  }
  return result;
}

bool body_uses(const sema::Scope* body, const std::string& name) {
  std::vector<const sema::Scope*> pending{body};
  while (!pending.empty()) {
    const sema::Scope* scope = pending.back();
    pending.pop_back();
    for (const Entry* e = scope != nullptr ? scope->first : nullptr; e != nullptr; e = e->next) {
      if (entry_names(e, name)) return true;
      if (const sema::Scope* inner = child_scope(e)) pending.push_back(inner);
      if (const auto* condition = record_if<sema::ConditionRecord>(e)) {
        if (condition->else_scope != nullptr) pending.push_back(condition->else_scope);
      }
    }
  }
  return false;
}

ChannelMap channels_by_comm_type(const sema::Scope* global) {
  ChannelMap channels;
  for (const Entry* e = global->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::Channel) channels[comm_type_of_channel(e)].push_back(e);
  }
  return channels;
}

std::vector<const Entry*> polled_channels(const ChannelMap& channels, const sema::AwaitedMessage& awaited) {
  if (awaited.channel != nullptr) return {awaited.channel};
  auto found = channels.find(awaited.comm_type);
  return found != channels.end() ? found->second : std::vector<const Entry*>{};
}

// Message types: "QLX_K_MSG_<type>" values and the state of each; communication types:
// "QLX_K_CHAN_<type>" channels with their connections.
void CppWriter::write_comm_declarations() {
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::MessageType) {
      const std::string& type = e->name;
      define("QLX_K_MSG_" + type, str(std::get<sema::MessageTypeRecord>(e->descriptor->record).next_event_index));
      line("typedef struct $s_T_MSG_" + type);
      open_brace();
      line("QLX_T_INT $defNumber;");
      line(type + " $MsgRef;");
      line(type + " $MsgMin;");
      line(type + " $MsgMax;");
      line("QLX_T_INT $state;");
      line("QLX_T_INT $stateok;");
      line("QLX_T_INT $stateko;");
      line("QLX_T_INT $state_channel[QLX_K_MAX_COMT][QLX_K_MAX_CHAN];");
      close_brace();
      raw("QLX_T_" + type + ", *QLX_PT_" + type + ";");
      raw("typedef QLX_T_" + type + " QLX_T_MSG_" + type + "[QLX_K_MSG_" + type + "];");
    } else if (e->kind == EntryKind::CommType) {
      const auto& comm = std::get<sema::CommTypeRecord>(e->descriptor->record);
      const std::string& name = e->name;
      define("QLX_K_CHAN_" + name, str(comm.next_channel));
      line("typedef struct $s_T_CHAN_" + name);
      open_brace();
      line(comm.connection_id_type + " *$connexionId[QLX_K_ID_SIZE];");
      line("QLX_T_INT $numberofId;");
      line("QLX_T_INT $msg[QLX_K_MAX_MSGT];");
      close_brace();
      raw("QLX_T_CHAN_" + name + ", *QLX_PT_CHAN_" + name + ";");
      raw("typedef QLX_T_CHAN_" + name + " QLX_T_COMM_" + name + "[QLX_K_CHAN_" + name + "];");
    }
  }
}

// The connection table a table-reading callback indexes: "qlx_ids[i]" is the i-th connection.
void CppWriter::write_tabid_classes() {
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::CommType || !reads_connection_table(e)) continue;
    const std::string& name = e->name;
    const auto& comm = std::get<sema::CommTypeRecord>(e->descriptor->record);
    line("class $tabid_" + name);
    open_brace();
    line("QLX_PT_CHAN_" + name + " $pchannel;");
    line("public:");
    line("$tabid_" + name + "(QLX_PT_CHAN_" + name + " c) { $pchannel = c; };");
    line(comm.connection_id_type + " &operator[] (int i) { return(*($pchannel->qlx_connexionId[i])); };");
    close_brace();
    line(";");
  }
}

// A callback that reads the connection table takes no index; one that reads one connection is
// called for each connection with its index, as a procsend is. Virtual routines stay virtual.
void CppWriter::write_comm_prototype(const Entry* entry) {
  switch (entry->kind) {
    case EntryKind::Callback:
    case EntryKind::Procsend: {
      if (!is_used_routine(entry)) return;
      const auto& record = std::get<sema::CallbackRecord>(entry->descriptor->record);
      std::string head = record.is_virtual ? "virtual QLX_T_INT $" : "QLX_T_INT $";
      bool table = entry->kind == EntryKind::Callback && reads_connection_table(record.comm_type);
      line(head + entry->name + (table ? " (QLX_T_INT $RegId);" : " (QLX_T_INT $RegId, QLX_T_INT $index);"));
      return;
    }
    default: return;
  }
}

// The select struct "QLX_<type>" of a message type with unions: which member each union holds,
// one line of its text at a time. Nothing for a type without unions.
void CppWriter::write_select_struct(const std::string& type) {
  std::string select;
  if (!iface::anc_select_struct_text(type, "", select)) return;
  std::size_t start = 0;
  while (start < select.size()) {
    std::size_t end = select.find('\n', start);
    if (end == std::string::npos) end = select.size();
    if (end > start) raw(select.substr(start, end - start));
    start = end + 1;
  }
}

// Per declaration: a message value's aliases of its reference, minimum and maximum; a message
// type's service functions, states and the values being sent and received; a communication
// type's channels.
void CppWriter::write_comm_members() {
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::EventVariable) {
      const Entry* type = message_type_of_value(e);
      if (type == nullptr) continue;
      line(type->name + " &" + e->name + ";");
      line(type->name + " &$Min_" + e->name + ";");
      line(type->name + " &$Max_" + e->name + ";");
    } else if (e->kind == EntryKind::MessageType) {
      const std::string& type = e->name;
      line("void $" + type + "_ref_msg (QLX_PT_" + type + " $msg_ref);");
      line("QLX_T_INT $" + type + "_cmp_msg (QLX_PT_" + type + " $_msg_ref," + type + " &$msg_rcv);");
      line("void $" + type + "_dump_msg (" + type + " &$msgrcv);");
      line("QLX_T_MSG_" + type + " $msg_" + type + ";");
      // A polymorphic message is received through a pointer, as it is sent.
      line(type + (is_polymorphic(e) ? " *$" : " $") + type + "_rcv;");
      line(type + " *$" + type + "_send;");
      write_select_struct(type);
    } else if (e->kind == EntryKind::CommType) {
      line("QLX_T_COMM_" + e->name + " $channel_" + e->name + ";");
    }
  }
}

void CppWriter::write_alias_initialisers() {
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::EventVariable) continue;
    const Entry* type = message_type_of_value(e);
    if (type == nullptr) continue;
    std::string value = "$msg_" + type->name + "[" + str(event_index(e)) + "]";
    line("," + e->name + "(" + value + ".$MsgRef)");
    line(",$Min_" + e->name + "(" + value + ".$MsgMin)");
    line(",$Max_" + e->name + "(" + value + ".$MsgMax)");
  }
}

// No value has a definition and no channel a connection when the driver starts.
void CppWriter::write_comm_constructor_body() {
  bool declared = false;
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::MessageType && e->kind != EntryKind::CommType) continue;
    if (!declared) line("QLX_T_INT $i;");
    declared = true;
    if (e->kind == EntryKind::MessageType) {
      line("for ($i=0;$i<QLX_K_MSG_" + e->name + ";$i++)");
      open_brace();
      line("$msg_" + e->name + "[$i].$defNumber=0;");
      close_brace();
    } else {
      line("for ($i=0;$i<QLX_K_CHAN_" + e->name + ";$i++)");
      open_brace();
      line("$channel_" + e->name + "[$i].$numberofId = 0;");
      close_brace();
    }
  }
}

// The body of initstates: every message value back to "no event", on every channel.
void CppWriter::write_state_loops() {
  bool declared = false;
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::MessageType) continue;
    if (!declared) line("QLX_T_INT $i,$j,$k;");
    declared = true;
    const std::string value = "$msg_" + e->name + "[$i].";
    line("for ($i=0; $i<QLX_K_MSG_" + e->name + "; $i++)");
    open_brace();
    line(value + "$state=QLX_NOEVT;");
    line(value + "$stateok=0;");
    line(value + "$stateko=0;");
    line("for ($j=0; $j<QLX_K_MAX_COMT; $j++)");
    open_brace();
    line("for ($k=0; $k<QLX_K_MAX_CHAN; $k++)");
    open_brace();
    line(value + "$state_channel[$j][$k]=QLX_NOEVT;");
    close_brace();
    close_brace();
    close_brace();
  }
}

// Some used callback or procsend handles a polymorphic message (WAITTIL names its dynamic type).
bool CppWriter::needs_rtti() const {
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if ((e->kind == EntryKind::Callback || e->kind == EntryKind::Procsend) && is_used_routine(e) &&
        is_polymorphic(std::get<sema::CallbackRecord>(e->descriptor->record).message_type)) {
      return true;
    }
  }
  return false;
}

// Some used VIRTUAL CALLBACK or VIRTUAL PROCSEND: the class gets a virtual destructor.
bool CppWriter::has_virtual_routines() const {
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if ((e->kind == EntryKind::Callback || e->kind == EntryKind::Procsend) && is_used_routine(e) &&
        std::get<sema::CallbackRecord>(e->descriptor->record).is_virtual) {
      return true;
    }
  }
  return false;
}

// The message types some value of which has values (a SEND or DEF_MESSAGE gave it reference checks
// or a definition): only theirs are written with bodies.
std::unordered_set<const Entry*> message_types_with_values(const sema::Scope* global) {
  std::unordered_set<const Entry*> types;
  for (const Entry* e = global->first; e != nullptr; e = e->next) {
    const auto* value = e->kind == EntryKind::EventVariable ? record_if<sema::EventVariableRecord>(e) : nullptr;
    if (value != nullptr && (value->reference_checks != nullptr || !value->definitions.empty())) {
      types.insert(value->message_type);
    }
  }
  return types;
}

// The service functions of a message type that nothing gives values: a WAITTIL may still await its
// values and call them. Nothing to dump or reference; the comparison has no check, so a message
// read matches.
void CppWriter::write_message_frames(const Entry* message) {
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
  write_compare_end(type);
}

}  // namespace gen
