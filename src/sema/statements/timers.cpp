// TIMER, RESET, PAUSE and PRINT: the statements that declare and read timers and the two that
// take an integer operand.
#include <string>

#include "diag/report.h"
#include "iface/query/anc_names.h"
#include "iface/query/anc_session.h"
#include "script/tree_view.h"
#include "sema/driver_names.h"
#include "sema/node_report.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

bool is_int_or_long(int type_class) { return type_class == 2 || type_class == 3; }

// The items of a PAUSE or PRINT expression list joined with ',' into one expression text; empty
// when every item is blank.
std::string joined_expression(const SyntaxNode* first_item) {
  std::string text;
  bool any = false;
  bool first = true;
  for (const SyntaxNode* item : script::expression_items(first_item)) {
    if (!first) text += ',';
    first = false;
    std::string_view part = leaf_text(script::expression_of(item));
    any = any || !part.empty();
    text += part;
  }
  return any ? text : std::string();
}

// The class of an integer operand: "INCOMPTYP" (warning) with the expression when it is typed
// and neither int nor long. An operand the interface analysis cannot type has been reported there.
void check_integer_operand(const AnalysisContext& context, std::string_view expression, const SyntaxNode* node) {
  int type_class = expression_class(context, expression, node);
  if (type_class != -1 && !is_int_or_long(type_class)) {
    report_at_node(diag::MessageKind::Warning, diag::Code::INCOMPTYP, expression, node);
  }
}

}  // namespace

// TIMER name: declares "int name;" in the current C scope, records the timer in the body (60) and
// at the head of the nearest enclosing block scope (61), both with the timer's number.
void analyse_timer(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  AnalysisState& state = context.state;
  std::string_view name = leaf_text(script::timer_name(node));
  if (iface::anc_is_declared_in(name, state.scope_name) != 0) {
    report_at_node(diag::MessageKind::Error, diag::Code::IDENREDEF, name, node);
    return;
  }
  if (report_reserved_name(name, node)) return;
  std::string declaration = "int ";
  (declaration += name) += ';';
  iface::anc_declare(declaration, state.scope_name, file_of(node), node->line);
  state.timer_declarations.insert(iface::anc_declaration_identity(name, state.scope_name));
  int number = state.timer_counter++;
  Entry* timer = statement_entry(context, scope, EntryKind::Timer, node, filter);
  timer->name.assign(name);
  timer->has_name = true;
  record_of<TimerRecord>(new_descriptor(context.model, timer, DescriptorKind::Timer)).number = number;
  Entry* declared = new_entry_in_block_scope(context.model, scope, EntryKind::TimerDeclaration, name, position_of(node));
  record_of<TimerRecord>(new_descriptor(context.model, declared, DescriptorKind::Timer)).number = number;
}

// RESET name: the name must be declared, and be a timer of this scope or of an enclosing one
// (the driver restarts the timer of that number; another name has none).
void analyse_reset(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string_view name = leaf_text(script::reset_name(node));
  if (iface::anc_declaration_kind(name, context.state.scope_name) == 0) {
    report_at_node(diag::MessageKind::Error, diag::Code::IDENTINCO, name, node);
    return;
  }
  if (context.state.timer_declarations.count(iface::anc_declaration_identity(name, context.state.scope_name)) == 0) {
    report_at_node(diag::MessageKind::Error, diag::Code::RESNOTTIM, name, node);
    return;
  }
  Entry* entry = statement_entry(context, scope, EntryKind::Reset, node, filter);
  entry->name.assign(name);
  entry->has_name = true;
}

// PAUSE duration: the duration is int or long.
void analyse_pause(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string duration = joined_expression(script::pause_arguments(node));
  if (duration.empty()) {
    report_at_node(diag::MessageKind::Error, diag::Code::TOOFEWARG, "PAUSE", node);
    return;
  }
  check_integer_operand(context, duration, node);
  statement_entry(context, scope, EntryKind::Pause, node, filter)->text = std::move(duration);
}

// PRINT label, expression: the expression is int or long.
void analyse_print(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string expression = joined_expression(script::print_arguments(node));
  if (expression.empty()) {
    report_at_node(diag::MessageKind::Error, diag::Code::TOOFEWARG, "PRINT", node);
    return;
  }
  check_integer_operand(context, expression, node);
  Entry* entry = statement_entry(context, scope, EntryKind::Print, node, filter);
  entry->text.assign(leaf_text(script::print_name(node)));
  record_of<PrintRecord>(new_descriptor(context.model, entry, DescriptorKind::Print)).expression = std::move(expression);
}

}  // namespace sema
