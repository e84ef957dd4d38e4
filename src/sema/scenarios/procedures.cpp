#include "sema/scenarios/procedures.h"

#include <string>

#include "diag/report.h"
#include "iface/query/anc_expressions.h"
#include "iface/query/anc_session.h"
#include "iface/query/anc_types.h"
#include "script/tree_view.h"
#include "sema/driver_names.h"
#include "sema/lookup.h"
#include "sema/node_report.h"
#include "sema/statements/statement_list.h"

namespace sema {

using script::SyntaxNode;

namespace {

// "%d (%s)": the argument number and the procedure name.
std::string argument_label(int number, std::string_view procedure) {
  std::string label = std::to_string(number);
  label += " (";
  label += procedure;
  label += ')';
  return label;
}

// The parameter list written "(void)": one parameter, the type void alone.
bool is_void_list(const SyntaxNode* first_parameter) {
  if (first_parameter == nullptr || script::next_item(first_parameter) != nullptr) return false;
  return script::parameter_name(first_parameter) == nullptr && script::parameter_type(first_parameter)->text == "void";
}

// The parameter entries in the procedure's parameter scope, and their C declarations in the
// procedure's C scope (one text for the whole list) so that the body can use them.
void declare_parameters(AnalysisContext& context, const SyntaxNode* first_parameter, Descriptor* procedure,
                        const std::string& scope_name) {
  Model& model = context.model;
  ProcedureRecord& record = record_of<ProcedureRecord>(procedure);
  record.parameters = model.make_scope();
  record.parameters->parent = procedure->entry->scope;
  record.parameters->owner = procedure;
  if (is_void_list(first_parameter)) {
    record.void_parameters = true;
    return;
  }
  std::string declarations;
  for (const SyntaxNode* item : script::parameter_items(first_parameter)) {
    const SyntaxNode* type = script::parameter_type(item);
    const SyntaxNode* name = script::parameter_name(item);
    Entry* parameter =
        new_entry(model, record.parameters, EntryKind::Parameter, name != nullptr ? name->text : "", position_of(item));
    parameter->text = type->text;
    if (name != nullptr) report_reserved_name(name->text, name);
    if (name != nullptr) declarations += type->text + ' ' + name->text + ";\n";
  }
  if (!declarations.empty()) iface::anc_declare(declarations, scope_name, file_of(first_parameter), first_parameter->line);
}

// The type class of a parameter: the class of an expression of its type. Asking through the type
// rather than the parameter's name keeps the cost of a call independent of how many procedures
// have a parameter of that name.
int parameter_class(const Entry* parameter) {
  std::string expression = "*(" + parameter->text + "*)0";
  int type_class = -1;
  int first_bound = 0;
  iface::anc_value_class(expression, "", parameter->file != nullptr ? parameter->file : "", parameter->line,
                         type_class, first_bound);
  return type_class;
}

// One argument given to `parameter`: a Value entry (27), and "INCOMPTYP" when the classes do not
// go together.
void record_argument(AnalysisContext& context, const SyntaxNode* expression, Entry* parameter, Scope* scope,
                     std::string_view scope_name) {
  ValueRecord value;
  value.text = expression->text;
  value.parameter = parameter;
  int first_bound = 0;
  iface::anc_value_class(expression->text, scope_name, file_of(expression), expression->line, value.value_class,
                         first_bound);
  value.target_class = parameter_class(parameter);
  Entry* entry = new_entry(context.model, scope, EntryKind::Value, "", position_of(expression));
  entry->text = expression->text;
  record_of<ValueRecord>(new_descriptor(context.model, entry, DescriptorKind::ReturnCheck)) = value;
  if (iface::classes_compatible(value.value_class, value.target_class) == 0) {
    report_at_node(diag::MessageKind::Warning, diag::Code::INCOMPTYP, expression->text, expression);
  }
}

}  // namespace

Entry* use_procedure(const AnalysisContext& context, std::string_view name) {
  Entry* procedure = find_procedure(context, name);
  if (procedure != nullptr) record_of<ProcedureRecord>(procedure).used = true;
  return procedure;
}

void analyse_procedure(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  const SyntaxNode* name = script::proc_name(node);
  if (find_procedure(context, name->text) != nullptr) {
    report_at_node(diag::MessageKind::Error, diag::Code::PROCALREX, name->text, name);
    return;
  }
  Model& model = context.model;
  Entry* entry = new_entry(model, scope, EntryKind::Procedure, name->text, position_of(node));
  index_entry(context, entry);
  Descriptor* descriptor = new_descriptor(model, entry, DescriptorKind::Procedure);
  add_to_function_list(model, entry);
  declare_parameters(context, script::proc_parameters(node), descriptor, name->text);
  Scope* body = open_scope(model, descriptor, scope);
  context.state.inside_procedure = true;
  analyse_body(context, script::proc_body(node), body, name->text);
  context.state.inside_procedure = false;
}

void check_procedure_arguments(AnalysisContext& context, Entry* procedure, const SyntaxNode* first_argument,
                               Scope* scope, std::string_view scope_name, const SyntaxNode* call) {
  const ProcedureRecord& record = record_of<ProcedureRecord>(procedure);
  const std::string& name = procedure->name;
  if (record.void_parameters) {
    if (first_argument != nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::NOMOREARG, argument_label(1, name), first_argument);
    }
    return;
  }
  Entry* parameter = record.parameters != nullptr ? record.parameters->first : nullptr;
  if (first_argument == nullptr) {
    if (parameter != nullptr) report_at_node(diag::MessageKind::Error, diag::Code::TOOFEWARG, name, call);
    return;
  }
  int number = 0;
  for (const SyntaxNode* item : script::argument_items(first_argument)) {
    ++number;
    if (parameter == nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::NOMOREARG, argument_label(number, name), item);
      return;
    }
    const SyntaxNode* argument = script::argument_of(item);
    if (argument->kind == script::RefArgument) {
      report_at_node(diag::MessageKind::Error, diag::Code::NOREFPROC, argument_label(number, name), item);
    } else if (const SyntaxNode* expression = script::argument_expression(argument); expression == nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::CALLARGWT, name, item);
    } else if (script::argument_first_at(argument) != nullptr || script::argument_second_at(argument) != nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::NOTERPROC, name, item);
    } else {
      record_argument(context, expression, parameter, scope, scope_name);
    }
    parameter = parameter->next;
  }
  if (parameter != nullptr) report_at_node(diag::MessageKind::Error, diag::Code::TOOFEWARG, name, call);
}

}  // namespace sema
