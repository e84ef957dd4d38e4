// SEND, ADD_ID, CLEAR_ID, MESSAGE_DATE and NO_MESSAGE: the statements that send messages, manage
// the connections of a channel and report on the message a callback reads.
#include "sema/statements/messaging.h"

#include <string>

#include "iface/query/anc_expressions.h"
#include "iface/query/anc_names.h"
#include "script/tree_view.h"
#include "sema/lookup.h"
#include "sema/node_report.h"
#include "sema/statements/message_routines.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"
#include "sema/statements/value_checks.h"

namespace sema {

using script::SyntaxNode;

namespace {

void report_error(diag::Code code, std::string_view argument, const SyntaxNode* node) {
  report_at_node(diag::MessageKind::Error, code, argument, node);
}

// The channel of that name, or none after "UNKCHANAM" with the name.
Entry* known_channel(const AnalysisContext& context, std::string_view name, const SyntaxNode* node) {
  Entry* channel = find_channel(context, name);
  if (channel == nullptr) report_error(diag::Code::UNKCHANAM, name, node);
  return channel;
}

// The channel named by the first operand of ADD_ID or CLEAR_ID.
std::string_view channel_operand(const SyntaxNode* list) { return leaf_text(script::expression_of(list)); }

const CommTypeRecord& comm_type_of(Entry* channel) {
  return record_of<CommTypeRecord>(record_of<ChannelRecord>(channel).comm_type);
}

// Whether the connection identifier of an ADD_ID fits its channel: a variable (not a constant) of
// the channel's connection-id type. Reports the first mistake.
bool identifier_fits(const AnalysisContext& context, std::string_view identifier, std::string_view channel_name,
                     const std::string& id_type, const SyntaxNode* node) {
  const std::string& scope = context.state.scope_name;
  // An unknown connection-id type was reported at its COMMTYPE: no second message for it here.
  if (iface::anc_is_type_name(id_type) == 0) return false;
  // An expression the interface analysis cannot type has been reported by it.
  if (!identifier.empty() && expression_class(context, identifier, node) == -1) return false;
  if (iface::anc_same_type(identifier, id_type, scope, file_of(node)) == 0) {
    report_error(diag::Code::TYPIDCOKO, channel_name, node);
    return false;
  }
  if (iface::anc_is_constant_expression(identifier, scope) != 0) {
    report_error(diag::Code::NOIDCONST, identifier, node);
    return false;
  }
  return true;
}

// MESSAGE_DATE and NO_MESSAGE: the entry when the statement stands in a PROC or a CALLBACK, else
// `code` with the keyword.
void analyse_read_report(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter,
                         EntryKind kind, diag::Code code, std::string_view keyword) {
  if (!reads_messages_here(scope)) {
    report_error(code, keyword, node);
    return;
  }
  statement_entry(context, scope, kind, node, filter);
}

}  // namespace

bool reads_messages_here(const Scope* scope) {
  for (const Scope* current = scope; current != nullptr; current = current->parent) {
    if (current->owner == nullptr) return false;
    switch (current->owner->kind) {
      case DescriptorKind::If:
      case DescriptorKind::While:
      case DescriptorKind::Case:
      case DescriptorKind::WhenBranch: continue;
      case DescriptorKind::Procedure:
      case DescriptorKind::Callback: return true;
      default: return false;
    }
  }
  return false;
}

void analyse_send(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string_view message_name = leaf_text(script::send_message(node));
  std::string_view channel_name = leaf_text(script::send_channel(node));
  Entry* variable = find_event_variable(context, message_name);
  if (variable == nullptr) {
    report_error(diag::Code::UNKMSGNAM, message_name, node);
    return;
  }
  Entry* channel = known_channel(context, channel_name, node);
  if (channel == nullptr) return;
  EventVariableRecord& message = record_of<EventVariableRecord>(variable);
  Entry* comm_type = record_of<ChannelRecord>(channel).comm_type;
  RoutineChoice choice = choose_routine(context, EntryKind::Procsend, message.message_type, comm_type);
  if (choice.routine == nullptr) {
    std::string pair = message.message_type->name + " ON " + comm_type->name;
    report_error(choice.ambiguous ? diag::Code::PSENDAMBIG : diag::Code::PSNOTDECL, pair, node);
    return;
  }
  record_of<CallbackRecord>(choice.routine).used = true;
  message.used = true;
  // The reference values of the message, built on its first SEND or DEF_MESSAGE.
  reference_checks_of(context, variable, node);
  Model& model = context.model;
  Entry* entry = statement_entry(context, scope, EntryKind::Send, node, filter);
  SendRecord& record = record_of<SendRecord>(new_descriptor(model, entry, DescriptorKind::Send));
  record.procsend = choice.routine;
  record.channel = channel;
  record.event_variable = variable;
  add_to_function_list(model, entry);
}

void analyse_add_id(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string_view channel_name = channel_operand(script::add_id_channel(node));
  Entry* channel = known_channel(context, channel_name, node);
  if (channel == nullptr) return;
  std::string_view identifier = leaf_text(script::expression_of(script::add_id_identifier(node)));
  if (!identifier_fits(context, identifier, channel_name, comm_type_of(channel).connection_id_type, node)) return;
  Entry* entry = statement_entry(context, scope, EntryKind::AddId, node, filter);
  IdRecord& record = record_of<IdRecord>(new_descriptor(context.model, entry, DescriptorKind::AddId));
  record.channel = channel;
  record.identifier.assign(identifier);
}

void analyse_clear_id(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  Entry* channel = known_channel(context, channel_operand(script::clear_id_channel(node)), node);
  if (channel == nullptr) return;
  Entry* entry = statement_entry(context, scope, EntryKind::ClearId, node, filter);
  record_of<IdRecord>(new_descriptor(context.model, entry, DescriptorKind::ClearId)).channel = channel;
}

void analyse_message_date(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                          const ExecutionFilter& filter) {
  analyse_read_report(context, node, scope, filter, EntryKind::MessageDate, diag::Code::MSGDINBBL, "MESSAGE_DATE");
}

void analyse_no_message(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                        const ExecutionFilter& filter) {
  analyse_read_report(context, node, scope, filter, EntryKind::NoMessage, diag::Code::NOMSINBBL, "NO_MESSAGE");
}

}  // namespace sema
