// VAR and DEF_MESSAGE: a value written in the script, turned into check nodes by the interface
// analysis and recorded as a tree of check entries (check_entries.h).
#include "sema/statements/value_checks.h"

#include <memory>
#include <optional>
#include <string>

#include "iface/query/anc_expressions.h"
#include "iface/query/anc_names.h"
#include "iface/query/anc_session.h"
#include "iface/query/format.h"
#include "script/tree_view.h"
#include "sema/node_report.h"
#include "sema/statements/check_entries.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

// The variable a received message is read into; message values are compared with it.
constexpr std::string_view receive_variable = "qlx_msgrcv";

// Makes "qlx_msgrcv" a variable of the current C scope ("int qlx_msgrcv;" when the scope does not
// declare it yet) whose type, through a FORMAT of the current level, is the message type. The
// FORMAT is the compiler's own: re-typing it for another message type is no redefinition.
void prepare_receive_variable(const AnalysisContext& context, std::string_view message_type, const SyntaxNode* at) {
  const std::string& scope = context.state.scope_name;
  if (iface::anc_is_declared_in(receive_variable, scope) == 0)
    iface::anc_declare("int qlx_msgrcv;", scope, file_of(at), at->line);
  if (iface::anc_same_type(receive_variable, message_type, scope, file_of(at)) == 1) return;
  iface::anc_set_format(context.state.format_level, scope, receive_variable, message_type, file_of(at), at->line,
                        false);
}

// The message's own list: the child scope of its event variable's descriptor.
Scope* message_list(AnalysisContext& context, Entry* event_variable) {
  Descriptor* descriptor = event_variable->descriptor;
  if (descriptor->child_scope != nullptr) return descriptor->child_scope;
  return open_scope(context.model, descriptor, event_variable->scope);
}

std::string_view message_type_of(Entry* event_variable) {
  Entry* type = record_of<EventVariableRecord>(event_variable).message_type;
  return type != nullptr ? std::string_view(type->name) : std::string_view();
}

// The reference checks, with "qlx_msgrcv" already typed as the message.
Entry* build_reference_checks(AnalysisContext& context, Entry* event_variable, const SyntaxNode* at) {
  EventVariableRecord& record = record_of<EventVariableRecord>(event_variable);
  if (record.reference_checks_tried) return record.reference_checks;
  record.reference_checks_tried = true;
  std::string assignment = "EV=";
  assignment += receive_variable;
  std::unique_ptr<CheckList> checks = build_check_list(context, event_variable->name, assignment, at);
  if (checks == nullptr) return nullptr;
  std::optional<CheckPlan> plan = plan_check_entries(checks->first(), at);
  if (!plan) return nullptr;
  record.reference_checks = record_value_entry(context, message_list(context, event_variable), *plan,
                                               DescriptorKind::ExpectedCheck, event_variable->name, receive_variable,
                                               at, ExecutionFilter{});
  return record.reference_checks;
}

// The checks of one value with their plan; empty when the value is rejected (reported).
struct PlannedValue {
  std::unique_ptr<CheckList> checks;  // the plan points into it
  std::optional<CheckPlan> plan;
};

PlannedValue plan_value(const AnalysisContext& context, std::string_view variable, std::string_view assignment,
                        const SyntaxNode* at) {
  PlannedValue value;
  value.checks = build_check_list(context, variable, assignment, at);
  if (value.checks != nullptr) value.plan = plan_check_entries(value.checks->first(), at);
  return value;
}

}  // namespace

Entry* reference_checks_of(AnalysisContext& context, Entry* event_variable, const SyntaxNode* at) {
  EventVariableRecord& record = record_of<EventVariableRecord>(event_variable);
  if (record.reference_checks_tried) return record.reference_checks;
  prepare_receive_variable(context, message_type_of(event_variable), at);
  return build_reference_checks(context, event_variable, at);
}

void analyse_var(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string_view variable = leaf_text(script::var_variable(node));
  const SyntaxNode* value_node = script::var_value(node);
  std::string value(leaf_text(value_node));
  DescriptorKind kind = DescriptorKind::ExpectedCheck;
  std::string assignment = "EV=";
  if (value_node->kind == script::InitValue) {
    kind = DescriptorKind::InitCheck;
    assignment = "INIT=";
  } else if (value_node->kind == script::ExpectTest) {
    // "EV== other": the variable is compared with the value of one C expression, never with an
    // aggregate of the value notation.
    value = "(" + value + ")";
  }
  assignment += value;

  Entry* event_variable = find_event_variable(context, variable);
  PlannedValue checked = plan_value(context, variable, assignment, node);
  if (!checked.plan) return;
  record_value_entry(context, scope, *checked.plan, kind, variable, value, node, filter);
  if (event_variable != nullptr) record_of<EventVariableRecord>(event_variable).checked_by_var = true;
}

void analyse_def_message(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                         const ExecutionFilter& filter) {
  std::string_view message = leaf_text(script::def_message_message(node));
  std::string_view value = leaf_text(script::def_message_value(node));
  Entry* event_variable = find_event_variable(context, message);
  if (event_variable == nullptr) {
    report_at_node(diag::MessageKind::Error, diag::Code::UNDECTRGV, message, node);
    return;
  }

  // The received message first, so that the value may read it ("INIT=qlx_msgrcv"). Then every
  // check is built and planned before anything is recorded: a statement in error records
  // nothing, and its first message is its only one.
  prepare_receive_variable(context, message_type_of(event_variable), node);
  PlannedValue initial = plan_value(context, message, "INIT=" + std::string(value), node);
  if (!initial.plan) return;
  PlannedValue received = plan_value(context, receive_variable, "EV=" + std::string(value), node);
  if (!received.plan) return;
  bool first_attempt = !record_of<EventVariableRecord>(event_variable).reference_checks_tried;
  // A message type whose reference checks cannot be built is reported at the first statement
  // that asks; later ones go on without them.
  if (build_reference_checks(context, event_variable, node) == nullptr && first_attempt) return;

  AnalysisState& state = context.state;
  int number = state.message_definition_counter++;
  ++state.def_message_count;
  Entry* statement = statement_entry(context, scope, EntryKind::DefMessage, node, filter);
  statement->text = message;
  DefMessageRecord& statement_record =
      record_of<DefMessageRecord>(new_descriptor(context.model, statement, DescriptorKind::DefMessage));

  Scope* list = message_list(context, event_variable);
  Entry* definition =
      new_entry(context.model, list, EntryKind::MessageDefinition, "", position_of(node), filter.text, filter.present);
  definition->text = message;
  Descriptor* definition_descriptor = new_descriptor(context.model, definition, DescriptorKind::MessageDefinition);
  DefMessageRecord& definition_record = record_of<DefMessageRecord>(definition_descriptor);

  for (DefMessageRecord* record : {&statement_record, &definition_record}) {
    record->event_variable = event_variable;
    record->number = number;
    record->procedures_analysed = state.inside_procedure;
  }
  statement_record.counterpart = definition;
  definition_record.counterpart = statement;

  Scope* checks = open_scope(context.model, definition_descriptor, list);
  record_value_entry(context, checks, *initial.plan, DescriptorKind::InitCheck, message, value, node, filter);
  record_value_entry(context, checks, *received.plan, DescriptorKind::ReceiveCheck, receive_variable, value, node,
                     filter);
  record_of<EventVariableRecord>(event_variable).definitions.push_back(definition);
}

}  // namespace sema
