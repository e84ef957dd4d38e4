// Message types and their event variables: DEF_TRIGGER and TRIGGER, with the channel and the
// generated callback that TRIGGER gives each new message type.
#include <string>

#include "iface/query/anc_names.h"
#include "iface/query/anc_select_struct.h"
#include "iface/query/anc_session.h"
#include "script/tree_view.h"
#include "sema/declarations/communication.h"
#include "sema/driver_names.h"
#include "sema/lookup.h"
#include "sema/node_report.h"

namespace sema {

using script::SyntaxNode;

namespace {

constexpr const char* socket_name = "qlx_socket";

// The callbacks and procsends that named this message type before it was declared.
void bind_waiting_callbacks(AnalysisContext& context, std::string_view name, Entry* message_type) {
  auto waiting = context.index.waiting_by_type.find(name);
  if (waiting == context.index.waiting_by_type.end()) return;
  for (Entry* callback : waiting->second) record_of<CallbackRecord>(callback).message_type = message_type;
  context.index.waiting_by_type.erase(waiting);
}

// The callback a TRIGGER makes for its message type on "qlx_socket": it polls the connections
// and reads one message.
void generate_callback(AnalysisContext& context, Scope* scope, const SyntaxNode* node, Entry* message_type,
                       Entry* socket) {
  const std::string& type = message_type->name;
  std::string name = type + "_ON_" + socket_name;
  Position at = position_of(node);
  Entry* callback =
      new_callback(context, scope, EntryKind::Callback, name, CallbackPair{type, socket_name, message_type, socket}, at);
  CallbackRecord& record = record_of<CallbackRecord>(callback);
  record.generated = true;
  record.message_variable = "qlx_msg";
  record.connection_table = "qlx_ids";
  record.count_variable = "qlx_n";
  Model& model = context.model;
  Scope* body = callback->descriptor->child_scope;
  new_entry(model, body, EntryKind::NativeDeclaration, "", at)->text = "int fd;";
  new_entry(model, body, EntryKind::Comment, "", at)->text = "Entree dans le callback " + name;
  new_entry(model, body, EntryKind::AtLine, "", at)->text =
      "if ((fd=qlx_pollevt(qlx_ids, qlx_n))) {  " + type +
      "_Init(&qlx_msg, fd); qlx_msgdate ( &(qlx_ctx->qlx_ctxrun),0 );} else return (QLX_NO_MESSAGE);";
}

// A new message type of a TRIGGER script travels on "qlx_socket": a channel of its own and,
// unless the script declared one before, a generated callback.
void bind_to_socket(AnalysisContext& context, Scope* scope, const SyntaxNode* node, Entry* message_type) {
  Entry* socket = find_comm_type(context, socket_name);
  if (socket == nullptr) socket = declare_socket_comm_type(context, scope);
  std::string channel = "qlx_v1_3_ch_" + std::to_string(record_of<CommTypeRecord>(socket).next_channel);
  record_of<MessageTypeRecord>(message_type).socket_channel = new_channel(context, scope, socket, channel, node);
  if (find_callback(context, message_type->name, socket_name) == nullptr) {
    generate_callback(context, scope, node, message_type, socket);
  }
}

// DEF_TRIGGER and TRIGGER: the type, its message type, then each event variable in order.
void analyse_event_variables(AnalysisContext& context, const SyntaxNode* node, Scope* scope, bool trigger) {
  const SyntaxNode* type = script::trigger_type(node);
  if (iface::anc_is_type_name(type->text) == 0) {
    // Nothing of the line is declared: its variables would only add C messages.
    report_at_node(diag::MessageKind::Error, diag::Code::UKNEVTSTC, type->text, type);
    return;
  }
  bool made = false;
  Entry* message_type = message_type_for(context, type, scope, made);
  if (trigger && made) bind_to_socket(context, scope, node, message_type);
  Model& model = context.model;
  MessageTypeRecord& message = record_of<MessageTypeRecord>(message_type);
  for (const SyntaxNode* item : script::name_items(script::trigger_variables(node))) {
    const SyntaxNode* name = script::item_name(item);
    if (find_event_variable(context, name->text) != nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::TRGALRDEC, name->text, name);
      return;
    }
    if (report_reserved_name(name->text, name)) return;
    Entry* variable = new_entry(model, scope, EntryKind::EventVariable, name->text, position_of(name));
    EventVariableRecord& record =
        record_of<EventVariableRecord>(new_descriptor(model, variable, DescriptorKind::EventVariable));
    record.message_type = message_type;
    record.index = message.next_event_index++;
    index_entry(context, variable);
    iface::anc_declare(type->text + ' ' + name->text + ';', "", file_of(name), name->line);
  }
}

}  // namespace

Entry* message_type_for(AnalysisContext& context, const SyntaxNode* type_leaf, Scope* scope, bool& made) {
  const std::string& name = type_leaf->text;
  made = false;
  if (Entry* existing = find_message_type(context, name)) return existing;
  made = true;
  Model& model = context.model;
  AnalysisState& state = context.state;
  Position at = position_of(type_leaf);
  Entry* entry = new_entry(model, scope, EntryKind::MessageType, name, at);
  MessageTypeRecord& record = record_of<MessageTypeRecord>(new_descriptor(model, entry, DescriptorKind::MessageType));
  if (state.message_type_count == 0) state.first_message = at;
  record.number = state.message_type_count++;
  index_entry(context, entry);
  // A type with unions has a select struct, which native expressions and the driver use.
  std::string_view file = file_of(type_leaf);
  std::string select_struct;
  if (iface::anc_select_struct_text(name, file, select_struct)) {
    iface::anc_declare(select_struct, "", file, type_leaf->line);
    record.declaration_text = std::move(select_struct);
  }
  iface::anc_declare("int qlx_msg_" + name + "[];", "", file, type_leaf->line);
  bind_waiting_callbacks(context, name, entry);
  return entry;
}

void analyse_def_trigger(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  script::expect_kind(node, script::DefTrigger);
  analyse_event_variables(context, node, scope, false);
}

void analyse_trigger(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  script::expect_kind(node, script::Trigger);
  analyse_event_variables(context, node, scope, true);
}

}  // namespace sema
