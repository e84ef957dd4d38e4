// The message service functions of the driver (the dump, reference and compare member functions
// of each message type with values) and the DEF_MESSAGE statement, which chooses a message
// value's definition and gives the value its reference, minimum and maximum.
#include <string>
#include <vector>

#include "gen/cpp/cpp_value_checks.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"
#include "iface/query/anc_select_struct.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

std::string str(long value) { return std::to_string(value); }

const sema::EventVariableRecord* event_record(const Entry* entry) {
  return entry->descriptor != nullptr ? std::get_if<sema::EventVariableRecord>(&entry->descriptor->record) : nullptr;
}

// A message value has values once a SEND or a DEF_MESSAGE gave it its reference checks or a
// definition.
bool has_values(const sema::EventVariableRecord& record) {
  return record.reference_checks != nullptr || !record.definitions.empty();
}

// The value entry (23) of a definition that holds the checks of `kind`.
const Entry* definition_value(const Entry* definition, sema::DescriptorKind kind) {
  const sema::Scope* values = child_scope(definition);
  for (const Entry* e = values != nullptr ? values->first : nullptr; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::Var && e->descriptor != nullptr && e->descriptor->kind == kind) return e;
  }
  return nullptr;
}

int definition_number(const Entry* definition) {
  return std::get<sema::DefMessageRecord>(definition->descriptor->record).number;
}

// What a tree of checks reads: plain values, ranges. Linear in the tree.
struct Reads {
  bool values = false;
  bool ranges = false;
};

void add_reads(Reads& reads, const sema::Scope* checks) {
  std::vector<const sema::Scope*> pending;
  if (checks != nullptr) pending.push_back(checks);
  while (!pending.empty()) {
    const sema::Scope* scope = pending.back();
    pending.pop_back();
    for (const Entry* e = scope->first; e != nullptr; e = e->next) {
      const sema::Scope* parts = child_scope(e);
      if (parts != nullptr && parts->first != nullptr) {
        pending.push_back(parts);
        continue;
      }
      const auto* check = std::get_if<sema::CheckRecord>(&e->descriptor->record);
      if (check == nullptr || e->kind == EntryKind::ArrayBegin || e->kind == EntryKind::StructBegin ||
          e->kind == EntryKind::UnionBegin || e->kind == EntryKind::BaseClassPart) {
        continue;
      }
      (check->node_kind == 12 ? reads.ranges : reads.values) = true;
    }
  }
}

// What the receive checks of every definition of the values read.
Reads definition_reads(const std::vector<const Entry*>& values) {
  Reads reads;
  for (const Entry* v : values) {
    for (const Entry* d : event_record(v)->definitions)
      if (const Entry* checks = definition_value(d, sema::DescriptorKind::ReceiveCheck)) add_reads(reads, child_scope(checks));
  }
  return reads;
}

// The checks of a message function read the received value and the bounds of its ranges through
// the function's bindings.
CheckTarget received_message_target(CheckMode mode, const std::string& select) {
  CheckTarget target;
  target.mode = mode;
  target.actual = "qlx_msgrcv";
  target.minimum = "qlx_msgMin";
  target.maximum = "qlx_msgMax";
  target.select = select;
  return target;
}

}  // namespace

// The event variables of each message type that have values, in declaration order; found once.
const std::vector<const Entry*>& CppWriter::message_values(const Entry* message_type) {
  if (!message_values_found_) {
    message_values_found_ = true;
    for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
      const sema::EventVariableRecord* record = e->kind == EntryKind::EventVariable ? event_record(e) : nullptr;
      if (record != nullptr && has_values(*record)) message_values_by_type_[record->message_type].push_back(e);
    }
  }
  return message_values_by_type_[message_type];
}

// The select struct member of a message type whose type holds unions ("QLX_<type>"), or "".
std::string CppWriter::select_struct_of(const Entry* message_type) {
  std::string text;
  if (!iface::anc_select_struct_text(message_type->name, "", text)) return "";
  return "QLX_" + message_type->name;
}

void CppWriter::write_message_functions(const Entry* message_type) {
  const std::vector<const Entry*>& values = message_values(message_type);
  if (values.empty()) return;
  std::string select = select_struct_of(message_type);
  write_dump_function(message_type, values, select);
  write_reference_function(message_type, values, select);
  write_compare_function(message_type, values, select);
}

// Every field of a received value, as the reference checks of the type's first value visit them
// (every member of every union, the selected one shown).
void CppWriter::write_dump_function(const Entry* message_type, const std::vector<const Entry*>& values,
                                    const std::string& select) {
  const std::string& type = message_type->name;
  const Entry* first = values.front();
  const Entry* reference = event_record(first)->reference_checks;
  for (const Entry* v : values) {
    if (reference != nullptr) break;
    reference = event_record(v)->reference_checks;
    first = v;
  }
  empty();
  line("void QUELT::$" + type + "_dump_msg (" + type + " &$msgrcv)");
  open_brace();
  Reads reads;
  add_reads(reads, reference != nullptr ? child_scope(reference) : nullptr);
  if (!reads.values && !reads.ranges) line("(void)$msgrcv;");
  CheckTarget target;
  target.mode = CheckMode::Dump;
  target.actual = "qlx_msgrcv";
  target.select = select;
  if (reference != nullptr) write_checks(child_scope(reference), target);
  line("$.$var (" + str(first->numbers.element_end) + ");");
  close_brace();
}

// The bindings of a value's reference, minimum and maximum; those the body does not read are
// marked used.
void CppWriter::write_message_bindings(const std::string& type, const std::string& reference, bool reference_read,
                                       bool ranges_read) {
  line(type + " &$" + reference + " = $msg_ref->$MsgRef;");
  line(type + " &$msgMin = $msg_ref->$MsgMin;");
  line(type + " &$msgMax = $msg_ref->$MsgMax;");
  if (!reference_read) line("(void)$" + reference + ";");
  if (!ranges_read) {
    line("(void)$msgMin;");
    line("(void)$msgMax;");
  }
}

// The reference of the active definition: its number, then the values it expects (ranges from the
// minimum and maximum).
void CppWriter::write_reference_function(const Entry* message_type, const std::vector<const Entry*>& values,
                                         const std::string& select) {
  const std::string& type = message_type->name;
  Reads reads = definition_reads(values);
  empty();
  line("void QUELT::$" + type + "_ref_msg (QLX_PT_" + type + " $msg_ref)");
  open_brace();
  write_message_bindings(type, "msgrcv", reads.values || reads.ranges, reads.ranges);
  line("switch($msg_ref->$defNumber)");
  open_brace();
  CheckTarget target = received_message_target(CheckMode::Print, select);
  for (const Entry* v : values) {
    for (const Entry* d : event_record(v)->definitions) {
      std::string number = str(d->numbers.element);
      raw("case " + str(definition_number(d)) + ":");
      line("$.$def_msg(" + number + ");");
      if (const Entry* checks = definition_value(d, sema::DescriptorKind::ReceiveCheck))
        write_checks(child_scope(checks), target);
      line("$.$var (" + number + ");");
      raw("break;");
    }
  }
  close_brace();
  close_brace();
}

// A received value against the active definition: the comparisons, the verdict, the value's state,
// and on a match the received value kept as the reference.
void CppWriter::write_compare_function(const Entry* message_type, const std::vector<const Entry*>& values,
                                       const std::string& select) {
  const std::string& type = message_type->name;
  Reads reads = definition_reads(values);
  empty();
  line("QLX_T_INT QUELT::$" + type + "_cmp_msg(QLX_PT_" + type + " $msg_ref, " + type + " &$msgrcv)");
  open_brace();
  line("QLX_T_INT $ret;");
  write_message_bindings(type, "msgref", reads.values, reads.ranges);
  line("$.$cmp();");
  line("switch($msg_ref->$defNumber)");
  open_brace();
  CheckTarget target = received_message_target(CheckMode::Compare, select);
  target.reference = "qlx_msgref";
  for (const Entry* v : values) {
    for (const Entry* d : event_record(v)->definitions) {
      raw("case " + str(definition_number(d)) + ":");
      if (const Entry* checks = definition_value(d, sema::DescriptorKind::ReceiveCheck))
        write_checks(child_scope(checks), target);
      raw("break;");
    }
  }
  close_brace();
  write_compare_end(type);
}

// DEF_MESSAGE: the value's active definition, then the definition's values given to the value's
// reference (ranges to its minimum and maximum too), the union members it selects recorded.
void CppWriter::write_def_message(const Entry* statement) {
  const auto& record = std::get<sema::DefMessageRecord>(statement->descriptor->record);
  const Entry* message = record.event_variable;
  const sema::EventVariableRecord* value = message != nullptr ? event_record(message) : nullptr;
  if (value == nullptr || value->message_type == nullptr) unknown_entry(std::to_string(static_cast<int>(statement->kind)));
  const std::string& type = value->message_type->name;
  std::string slot = "qlx_msg_" + type + "[" + str(value->index) + "]";
  raw(slot + ".qlx_defNumber = " + str(record.number) + ";");
  const Entry* checks = record.counterpart != nullptr ? definition_value(record.counterpart, sema::DescriptorKind::InitCheck) : nullptr;
  if (checks == nullptr) return;
  CheckTarget target;
  target.mode = CheckMode::Init;
  target.actual = slot + ".qlx_MsgRef";
  target.minimum = slot + ".qlx_MsgMin";
  target.maximum = slot + ".qlx_MsgMax";
  target.select = select_struct_of(value->message_type);
  write_checks(child_scope(checks), target);
}

// The end of a compare function: the runtime's verdict on the comparison becomes the state of
// the message value, and a matching message becomes its reference.
void CppWriter::write_compare_end(const std::string& type) {
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
