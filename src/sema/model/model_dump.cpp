#include "sema/model/model_dump.h"

#include <string>
#include <string_view>
#include <vector>

namespace sema {

namespace {

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c == '"' || c == '\\') (out += '\\') += c;
    else out += c;
  }
  return out + "\"";
}

// A reference to another entry: its kind name and its name, or "none".
std::string reference(const Entry* entry) {
  if (entry == nullptr) return "none";
  std::string out = entry_kind_name(entry->kind);
  out += ':';
  out += entry->has_name ? quoted(entry->name) : std::string("-");
  return out;
}

// The " key=value" pieces of a record line.
class Fields {
 public:
  explicit Fields(std::string& out) : out_(out) {}
  void text(const char* key, std::string_view value) { add(key, quoted(value)); }
  void number(const char* key, long long value) { add(key, std::to_string(value)); }
  void flag(const char* key, bool value) { add(key, value ? "1" : "0"); }
  void entry(const char* key, const Entry* value) { add(key, reference(value)); }
  void scope(const char* key, const Scope* value) { add(key, value != nullptr ? "below" : "none"); }
  // Several pieces, separated by commas, each already printed.
  void pieces(const std::string& key, const std::vector<std::string>& values) {
    std::string joined;
    for (const std::string& value : values) (joined += joined.empty() ? "" : ",") += value;
    add(key.c_str(), joined);
  }

 private:
  void add(const char* key, const std::string& value) {
    out_ += ' ';
    out_ += key;
    out_ += '=';
    out_ += value;
  }
  std::string& out_;
};

// One overload per record type: a record type without one does not compile.
struct RecordPrinter {
  Fields& f;

  void operator()(const std::monostate&) const {}
  void operator()(const ScenarioRecord& r) const {
    f.text("source_file", r.source_file);
    f.flag("selected", r.selected);
    if (r.has_number) f.number("number", r.number);
    else f.text("number", "");
    f.number("header_line", r.header_line);
    f.text("full_name", r.full_name);
    f.scope("family_scope", r.family_scope);
  }
  void operator()(const HeaderRecord& r) const {
    f.text("text1", r.texts[0]);
    f.text("text2", r.texts[1]);
    f.text("text3", r.texts[2]);
  }
  void operator()(const ProcedureRecord& r) const {
    f.flag("used", r.used);
    f.flag("void_parameters", r.void_parameters);
    f.scope("parameters", r.parameters);
  }
  void operator()(const BlockRecord& r) const {
    f.entry("procedure", r.procedure);
    f.number("line", r.line);
    f.number("value", r.value);
  }
  void operator()(const CommTypeRecord& r) const {
    f.text("connection_id_type", r.connection_id_type);
    f.number("number", r.number);
    f.flag("multiplexing", r.multiplexing);
    f.number("next_channel", r.next_channel);
  }
  void operator()(const ChannelRecord& r) const {
    f.entry("comm_type", r.comm_type);
    f.number("number", r.number);
  }
  void operator()(const MessageTypeRecord& r) const {
    f.number("number", r.number);
    f.text("declaration_text", r.declaration_text);
    f.number("next_event_index", r.next_event_index);
    f.entry("socket_channel", r.socket_channel);
  }
  void operator()(const EventVariableRecord& r) const {
    f.entry("message_type", r.message_type);
    f.number("index", r.index);
    f.flag("checked_by_var", r.checked_by_var);
    f.flag("used", r.used);
    f.entry("reference_checks", r.reference_checks);
    f.number("definitions", static_cast<long long>(r.definitions.size()));
    f.flag("reference_checks_tried", r.reference_checks_tried);
  }
  void operator()(const CallbackRecord& r) const {
    f.entry("message_type", r.message_type);
    f.entry("comm_type", r.comm_type);
    f.flag("used", r.used);
    f.flag("virtual", r.is_virtual);
    f.flag("generated", r.generated);
    f.text("message_variable", r.message_variable);
    f.text("connection_table", r.connection_table);
    f.text("count_variable", r.count_variable);
    f.scope("parameters", r.parameters);
  }
  void operator()(const DeclaredInstanceRecord& r) const {
    f.flag("used", r.used);
    f.number("number", r.number);
  }
  void operator()(const InstanceDesignationRecord& r) const { f.entry("instance", r.instance); }
  void operator()(const CallRecord& r) const {
    f.text("function", r.function);
    f.text("return_variable", r.return_variable);
    f.text("expected_value", r.expected_value);
    f.number("expected_class", r.expected_class);
    f.number("return_class", r.return_class);
    f.flag("is_procedure", r.is_procedure);
    f.flag("return_variable_generated", r.return_variable_generated);
    f.entry("procedure", r.procedure);
    f.text("matched", r.matched);
    f.flag("macro", r.is_macro);
    f.number("variable_class", r.variable_class);
    f.text("return_type", r.return_type);
  }
  void operator()(const ValueRecord& r) const {
    f.text("text", r.text);
    f.number("value_class", r.value_class);
    f.number("target_class", r.target_class);
    f.entry("parameter", r.parameter);
    f.flag("by_reference", r.by_reference);
    f.text("at1", r.at_parts[0]);
    f.text("at2", r.at_parts[1]);
    f.flag("return_check", r.return_check);
  }
  void operator()(const ConditionRecord& r) const {
    f.text("text", r.text);
    f.number("condition_class", r.condition_class);
    f.scope("else_scope", r.else_scope);
  }
  void operator()(const WhenBranchRecord&) const {}
  void operator()(const CheckRecord& r) const {
    f.number("node_kind", r.node_kind);
    f.text("text", r.text);
    f.number("type_class", r.type_class);
    f.number("low", r.low);
    f.number("high", r.high);
    f.number("display_base", r.display_base);
    f.text("value_text", r.value_text);
    f.text("low_text", r.low_text);
    f.text("high_text", r.high_text);
    f.flag("whole", r.whole);
    f.number("selected_member", r.selected_member);
  }
  void operator()(const WaittilRecord& r) const {
    f.text("condition1", r.conditions[0]);
    f.text("condition2", r.conditions[1]);
    f.text("prepared1", r.prepared[0]);
    f.text("prepared2", r.prepared[1]);
    f.text("timeout", r.timeout);
    f.number("number", r.number);
    f.entry("waittil", r.waittil);
    for (std::size_t i = 0; i < r.awaited.size(); ++i) {
      const AwaitedMessage& a = r.awaited[i];
      f.pieces("awaited" + std::to_string(i + 1), {a.test, reference(a.event_variable), reference(a.channel),
                                                     reference(a.comm_type), reference(a.callback)});
    }
  }
  void operator()(const DefMessageRecord& r) const {
    f.entry("event_variable", r.event_variable);
    f.number("number", r.number);
    f.flag("procedures_analysed", r.procedures_analysed);
    f.entry("counterpart", r.counterpart);
  }
  void operator()(const SendRecord& r) const {
    f.entry("procsend", r.procsend);
    f.entry("channel", r.channel);
    f.entry("event_variable", r.event_variable);
  }
  void operator()(const IdRecord& r) const {
    f.entry("channel", r.channel);
    f.text("identifier", r.identifier);
  }
  void operator()(const TimerRecord& r) const { f.number("number", r.number); }
  void operator()(const PrintRecord& r) const { f.text("expression", r.expression); }
  void operator()(const CatchRecord& r) const {
    f.text("type", r.type);
    f.entry("procedure", r.procedure);
  }
  void operator()(const CleanupRecord& r) const { f.entry("procedure", r.procedure); }
  void operator()(const IntersendRecord& r) const {
    f.text("value", r.value);
    f.text("tester", r.tester);
    f.flag("integer_value", r.integer_value);
  }
  void operator()(const InterrecvRecord& r) const {
    f.text("first", r.first);
    f.text("second", r.second);
    f.flag("one_operand", r.one_operand);
  }
  void operator()(const RendezvousRecord&) const {}
};

void indent(std::string& out, int depth) { out.append(static_cast<std::size_t>(depth) * 2, ' '); }

std::string position(const Entry* entry) {
  return " F" + std::to_string(entry->file_number) + " L" + std::to_string(entry->line);
}

bool numbers_given(const ElementNumbers& n) {
  return n.element != -1 || n.element_end != -1 || n.after != -1 || n.trace != -1 || n.trace_end != -1;
}

void entry_line(std::string& out, const Entry* entry, int depth) {
  indent(out, depth);
  out += "entry " + std::to_string(static_cast<int>(entry->kind)) + ' ' + entry_kind_name(entry->kind) + ' ';
  out += entry->has_name ? quoted(entry->name) : std::string("-");
  out += position(entry);
  if (entry->has_filter) out += " filter=" + quoted(entry->filter);
  if (!entry->text.empty()) out += " text=" + quoted(entry->text);
  const ElementNumbers& n = entry->numbers;
  if (numbers_given(n)) {
    out += " numbers=" + std::to_string(n.element) + ',' + std::to_string(n.element_end) + ',' +
           std::to_string(n.after) + ',' + std::to_string(n.trace) + ',' + std::to_string(n.trace_end);
  }
  out += '\n';
}

void record_line(std::string& out, const Descriptor* descriptor, int depth) {
  indent(out, depth);
  out += "record " + std::to_string(static_cast<int>(descriptor->kind)) + ' ' + descriptor_kind_name(descriptor->kind);
  Fields fields(out);
  std::visit(RecordPrinter{fields}, descriptor->record);
  out += '\n';
}

// A scope still to be printed: its header line (printed when the walk reaches it, one level
// above its entries), the next entry to print, the depth of its entries.
struct Pending {
  const char* header;
  const Entry* next;
  int depth;
};

// The scope a record holds besides the descriptor's child scope, with its header line, and
// whether it prints after the child scope (an IF's ELSE scope) rather than before it.
struct RecordScope {
  const char* header = nullptr;
  const Scope* scope = nullptr;
  bool after_child = false;
};

RecordScope record_scope(const DescriptorRecord& record) {
  if (const auto* scenario = std::get_if<ScenarioRecord>(&record)) return {"family scope", scenario->family_scope};
  if (const auto* procedure = std::get_if<ProcedureRecord>(&record)) return {"parameter scope", procedure->parameters};
  if (const auto* callback = std::get_if<CallbackRecord>(&record)) return {"parameter scope", callback->parameters};
  if (const auto* condition = std::get_if<ConditionRecord>(&record)) return {"else scope", condition->else_scope, true};
  return {};
}

}  // namespace

const char* entry_kind_name(EntryKind kind) {
  switch (kind) {
    case EntryKind::Scenario: return "Scenario";
    case EntryKind::Header: return "Header";
    case EntryKind::Parameter: return "Parameter";
    case EntryKind::Procedure: return "Procedure";
    case EntryKind::Call: return "Call";
    case EntryKind::FamilyName: return "FamilyName";
    case EntryKind::Comment: return "Comment";
    case EntryKind::EnableCleanup: return "EnableCleanup";
    case EntryKind::DisableCleanup: return "DisableCleanup";
    case EntryKind::Waittil: return "Waittil";
    case EntryKind::NativeDeclaration: return "NativeDeclaration";
    case EntryKind::AtLine: return "AtLine";
    case EntryKind::While: return "While";
    case EntryKind::If: return "If";
    case EntryKind::Case: return "Case";
    case EntryKind::WhenLabel: return "WhenLabel";
    case EntryKind::Error: return "Error";
    case EntryKind::Exit: return "Exit";
    case EntryKind::Initialization: return "Initialization";
    case EntryKind::Termination: return "Termination";
    case EntryKind::Var: return "Var";
    case EntryKind::ArrayBegin: return "ArrayBegin";
    case EntryKind::SetFilter: return "SetFilter";
    case EntryKind::UnsetFilter: return "UnsetFilter";
    case EntryKind::Value: return "Value";
    case EntryKind::WhenBranch: return "WhenBranch";
    case EntryKind::Exception: return "Exception";
    case EntryKind::StructBegin: return "StructBegin";
    case EntryKind::ArrayElement: return "ArrayElement";
    case EntryKind::StructField: return "StructField";
    case EntryKind::Rendezvous: return "Rendezvous";
    case EntryKind::BaseClassPart: return "BaseClassPart";
    case EntryKind::DefMessage: return "DefMessage";
    case EntryKind::MessageDefinition: return "MessageDefinition";
    case EntryKind::EventVariable: return "EventVariable";
    case EntryKind::MessageType: return "MessageType";
    case EntryKind::Channel: return "Channel";
    case EntryKind::CommType: return "CommType";
    case EntryKind::Callback: return "Callback";
    case EntryKind::NoMessage: return "NoMessage";
    case EntryKind::MessageDate: return "MessageDate";
    case EntryKind::AddId: return "AddId";
    case EntryKind::ClearId: return "ClearId";
    case EntryKind::WaittilRegistration: return "WaittilRegistration";
    case EntryKind::UnionBegin: return "UnionBegin";
    case EntryKind::Timer: return "Timer";
    case EntryKind::TimerDeclaration: return "TimerDeclaration";
    case EntryKind::Reset: return "Reset";
    case EntryKind::Pause: return "Pause";
    case EntryKind::Print: return "Print";
    case EntryKind::Catch: return "Catch";
    case EntryKind::Send: return "Send";
    case EntryKind::Procsend: return "Procsend";
    case EntryKind::DeclaredInstance: return "DeclaredInstance";
    case EntryKind::InstanceBlockBegin: return "InstanceBlockBegin";
    case EntryKind::InstanceBlockEnd: return "InstanceBlockEnd";
    case EntryKind::GuardedDeclarationsBegin: return "GuardedDeclarationsBegin";
    case EntryKind::GuardedDeclarationsEnd: return "GuardedDeclarationsEnd";
    case EntryKind::GuardedStatementsBegin: return "GuardedStatementsBegin";
    case EntryKind::GuardedStatementsEnd: return "GuardedStatementsEnd";
    case EntryKind::InstanceDesignation: return "InstanceDesignation";
    case EntryKind::UnionMember: return "UnionMember";
    case EntryKind::FlushTrace: return "FlushTrace";
    case EntryKind::TraceOn: return "TraceOn";
    case EntryKind::TraceOff: return "TraceOff";
    case EntryKind::Intersend: return "Intersend";
    case EntryKind::Interrecv: return "Interrecv";
  }
  return "";
}

const char* descriptor_kind_name(DescriptorKind kind) {
  switch (kind) {
    case DescriptorKind::Scenario: return "Scenario";
    case DescriptorKind::Procedure: return "Procedure";
    case DescriptorKind::Header: return "Header";
    case DescriptorKind::CommType: return "CommType";
    case DescriptorKind::Call: return "Call";
    case DescriptorKind::Channel: return "Channel";
    case DescriptorKind::ReturnCheck: return "ReturnCheck";
    case DescriptorKind::Waittil: return "Waittil";
    case DescriptorKind::If: return "If";
    case DescriptorKind::Case: return "Case";
    case DescriptorKind::WhenBranch: return "WhenBranch";
    case DescriptorKind::InitCheck: return "InitCheck";
    case DescriptorKind::ExpectedCheck: return "ExpectedCheck";
    case DescriptorKind::While: return "While";
    case DescriptorKind::Initialization: return "Initialization";
    case DescriptorKind::Termination: return "Termination";
    case DescriptorKind::MessageType: return "MessageType";
    case DescriptorKind::EventVariable: return "EventVariable";
    case DescriptorKind::Callback: return "Callback";
    case DescriptorKind::Procsend: return "Procsend";
    case DescriptorKind::Cleanup: return "Cleanup";
    case DescriptorKind::Exception: return "Exception";
    case DescriptorKind::DefMessage: return "DefMessage";
    case DescriptorKind::MessageDefinition: return "MessageDefinition";
    case DescriptorKind::ReceiveCheck: return "ReceiveCheck";
    case DescriptorKind::SocketVariable: return "SocketVariable";
    case DescriptorKind::AddId: return "AddId";
    case DescriptorKind::ClearId: return "ClearId";
    case DescriptorKind::Timer: return "Timer";
    case DescriptorKind::Print: return "Print";
    case DescriptorKind::Catch: return "Catch";
    case DescriptorKind::Send: return "Send";
    case DescriptorKind::DeclaredInstance: return "DeclaredInstance";
    case DescriptorKind::InstanceDesignation: return "InstanceDesignation";
    case DescriptorKind::Intersend: return "Intersend";
    case DescriptorKind::Interrecv: return "Interrecv";
    case DescriptorKind::Rendezvous: return "Rendezvous";
  }
  return "";
}

std::string dump_model(const Model& model) {
  std::string out;
  std::vector<Pending> pending;
  pending.push_back({"scope global", model.global()->first, 1});
  while (!pending.empty()) {
    Pending& top = pending.back();
    if (top.header != nullptr) {
      indent(out, top.depth - 1);
      (out += top.header) += '\n';
      top.header = nullptr;
    }
    const Entry* entry = top.next;
    if (entry == nullptr) {
      pending.pop_back();
      continue;
    }
    int depth = top.depth;
    top.next = entry->next;  // before pushing: `top` may move
    entry_line(out, entry, depth);
    const Descriptor* descriptor = entry->descriptor;
    if (descriptor == nullptr) continue;
    record_line(out, descriptor, depth + 1);
    // The scopes below the entry print before its next sibling: the record's own scope (a
    // scenario's FAMILY names, a procedure's parameters) first, then the child scope, except an
    // IF's ELSE scope, which follows its THEN scope; the one to print first is pushed last.
    RecordScope own = record_scope(descriptor->record);
    if (own.scope != nullptr && own.after_child) pending.push_back({own.header, own.scope->first, depth + 2});
    if (descriptor->child_scope != nullptr) pending.push_back({"scope", descriptor->child_scope->first, depth + 2});
    if (own.scope != nullptr && !own.after_child) pending.push_back({own.header, own.scope->first, depth + 2});
  }
  out += "functions\n";
  for (const Entry* entry = model.global()->function_list; entry != nullptr; entry = entry->chain) {
    out += "  function " + std::to_string(static_cast<int>(entry->kind)) + ' ' + entry_kind_name(entry->kind) + ' ';
    out += entry->has_name ? quoted(entry->name) : std::string("-");
    out += position(entry) + '\n';
  }
  return out;
}

}  // namespace sema
