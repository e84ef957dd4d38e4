// CALL: a PROC of the script, a C/C++ function (or pointer to function) of the interface files, or
// a macro of theirs. The called name is preprocessed and normalised first, so that a name that a
// macro renames calls what the macro names.
//
// The CALL's entry (4) gets a child scope holding one Value entry (27) per argument and, after
// them, the return check (a Value entry marked as such) when a return part is written. A CALL in
// error records nothing: its entries are made in a scope of their own that is attached to the
// call entry only once every check has passed.
#include <iterator>
#include <string>
#include <string_view>

#include "diag/report.h"
#include "iface/query/anc_expressions.h"
#include "iface/query/anc_names.h"
#include "iface/query/anc_session.h"
#include "iface/query/anc_types.h"
#include "script/tree_view.h"
#include "sema/lookup.h"
#include "sema/node_report.h"
#include "sema/scenarios/procedures.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

// The CALL being analysed.
struct CallSite {
  const SyntaxNode* node = nullptr;
  ExecutionFilter filter;
  std::string written;   // the called name as written (messages name it)
  std::string name;      // the name after preprocessing and normalising
  Scope* arguments = nullptr;  // the call's child scope, attached when the CALL is accepted
};

// The C/C++ side of a called name.
struct CFunction {
  bool found = false;
  int return_class = -1;
  std::string return_type;
  bool unprototyped = false;  // declared without prototype: any arguments go
};

std::string argument_label(int number, std::string_view function) {
  return std::to_string(number) + " (" + std::string(function) + ")";
}

bool is_aggregate(int type_class) {
  return type_class == iface::kClassStruct || type_class == iface::kClassArray || type_class == iface::kClassUnion;
}

// Whether a script scope on the way from `scope` outwards (as the interface analysis nests them:
// "A.B@init" in "A.B", "A.B" in "A", "A" at file level) declares `name` itself.
bool declared_in_script_scopes(std::string_view name, std::string_view scope) {
  while (!scope.empty()) {
    if (iface::anc_is_declared_in(name, scope) != 0) return true;
    std::size_t cut = scope.find_last_of(".@");
    if (cut == std::string_view::npos || cut == 0) break;
    scope = scope.substr(0, cut);
  }
  return false;
}

// Whether the interface analysis declares `name` (a function or an object) where the CALL stands,
// asked without a message, so that the CALL of a PROC or of an unknown name gets no message from
// the C side. A type is not callable. A called expression that is no name (obj.method) is left to
// the typing, which reports its own mistakes.
bool c_name_known(const AnalysisContext& context, std::string_view name) {
  if (!is_c_name(name)) return true;
  if (iface::anc_is_type_name(name) != 0) return false;
  const std::string& scope = context.state.scope_name;
  if (iface::anc_declaration_kind(name, scope) != 0) return true;  // an object
  if (name.find("::") == std::string_view::npos && declared_in_script_scopes(name, scope)) return true;
  std::string declaration;  // file level, or qualified: functions too
  iface::anc_declaration_text(name, 0, declaration);
  return declaration != "internal error;";
}

// The C/C++ function (or pointer to function) that the call names, when there is one.
CFunction find_c_function(const AnalysisContext& context, const CallSite& call) {
  CFunction function;
  if (!c_name_known(context, call.name)) return function;
  if (expression_class(context, call.name, call.node) == iface::kClassUnknown) return function;
  iface::ArgumentAnswer result = iface::anc_argument_class(call.name, context.state.scope_name, 0);
  if (result.type_class == iface::kClassUnknown) return function;
  function.found = true;
  function.return_class = result.type_class;
  function.return_type = result.type_text + result.bound_text;
  return function;
}

// Whether "name(a,a,...)" with one "a" per argument ("name()" without any) is a macro call: the
// preprocessor changes the text, or reports it (a macro given the wrong number of arguments: its
// message says so, and the call stays a macro call for the C++ compiler to judge).
bool is_macro_call(const CallSite& call, int argument_count) {
  std::string probe = call.name + '(';
  for (int i = 0; i < argument_count; ++i) probe += i == 0 ? "a" : ",a";
  probe += ')';
  std::string expanded;
  if (iface::anc_preprocess(probe, file_of(call.node), call.node->line, expanded) != 0) return true;
  iface::anc_normalise(expanded);
  return expanded != probe;
}

int count_arguments(const SyntaxNode* first_argument) {
  script::NodeChain arguments = script::argument_items(first_argument);
  return static_cast<int>(std::distance(arguments.begin(), arguments.end()));
}

int value_class(const AnalysisContext& context, std::string_view text, const SyntaxNode* at) {
  int type_class = iface::kClassUnknown;
  int first_bound = 0;
  if (!text.empty()) {
    iface::anc_value_class(text, context.state.scope_name, file_of(at), at->line, type_class, first_bound);
  }
  return type_class;
}

// One argument of a C/C++ function or macro: a Value entry (27) in the call's scope with its text,
// its class and the class of the parameter it goes to (`target_class`). An argument without an
// expression is "CALLARGWT"; returns false then.
bool record_c_argument(AnalysisContext& context, const CallSite& call, const SyntaxNode* item, int target_class) {
  const SyntaxNode* argument = script::argument_of(item);
  ValueRecord value;
  value.target_class = target_class;
  if (argument->kind == script::RefArgument) {
    value.by_reference = true;
    value.text.assign(leaf_text(script::ref_type(argument)));
  } else {
    const SyntaxNode* expression = script::argument_expression(argument);
    if (expression == nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::CALLARGWT, call.written, item);
      return false;
    }
    value.text.assign(leaf_text(expression));
    if (const SyntaxNode* at = script::argument_first_at(argument)) value.at_parts[0].assign(leaf_text(at));
    if (const SyntaxNode* at = script::argument_second_at(argument)) value.at_parts[1].assign(leaf_text(at));
  }
  value.value_class = value_class(context, value.text, item);
  Entry* entry = statement_entry(context, call.arguments, EntryKind::Value, item, call.filter);
  entry->text = value.text;
  record_of<ValueRecord>(new_descriptor(context.model, entry, DescriptorKind::ReturnCheck)) = std::move(value);
  return true;
}

// The arguments of a C/C++ function against its parameters. Returns false after the first error.
bool check_c_arguments(AnalysisContext& context, const CallSite& call, CFunction& function) {
  const std::string& scope = context.state.scope_name;
  const SyntaxNode* first_argument = script::call_arguments(call.node);
  iface::ArgumentAnswer first = iface::anc_argument_class(call.name, scope, 1);
  if (first.type_class == iface::kClassVoid) {
    // No parameters: "(void)", or "()" in ANSI mode.
    if (first_argument == nullptr) return true;
    report_at_node(diag::MessageKind::Error, diag::Code::NOMOREARG, argument_label(1, call.written), first_argument);
    return false;
  }
  function.unprototyped = first.type_class == iface::kClassKrParameter;
  // Past the last parameter of a variadic function (15) or for any position of an unprototyped
  // one (17), every further argument goes; the interface analysis is not asked any more.
  int open_class = function.unprototyped ? iface::kClassKrParameter : iface::kClassUnknown;
  int number = 0;
  for (const SyntaxNode* item : script::argument_items(first_argument)) {
    ++number;
    int parameter_class = open_class;
    if (parameter_class == iface::kClassUnknown) {
      parameter_class = number == 1 ? first.type_class : iface::anc_argument_class(call.name, scope, number).type_class;
      if (parameter_class == iface::kClassEllipsis) open_class = parameter_class;
    }
    if (parameter_class == iface::kClassUnknown) {
      report_at_node(diag::MessageKind::Error, diag::Code::NOMOREARG, argument_label(number, call.written), item);
      return false;
    }
    if (!record_c_argument(context, call, item, parameter_class)) return false;
  }
  if (open_class != iface::kClassUnknown) return true;
  int next_class = number == 0 ? first.type_class : iface::anc_argument_class(call.name, scope, number + 1).type_class;
  if (next_class != iface::kClassUnknown && next_class != iface::kClassEllipsis) {
    report_at_node(diag::MessageKind::Error, diag::Code::TOOFEWARG, call.written, call.node);
    return false;
  }
  return true;
}

// The return part of a C/C++ call: the expected value's class and the return variable's, checked
// against each other and against the function's return class (-1: a macro whose result could not
// be typed, not compared). Fills the record; returns false after an error.
bool check_return_part(AnalysisContext& context, const CallSite& call, const SyntaxNode* part, CallRecord& record) {
  const SyntaxNode* expected = script::return_expected(part);
  const SyntaxNode* variable = script::return_variable(part);
  int return_class = record.return_class;
  if (expected != nullptr) {
    record.expected_value.assign(leaf_text(expected));
    int expected_class = value_class(context, record.expected_value, call.node);
    if (is_aggregate(expected_class)) {
      report_at_node(diag::MessageKind::Error, diag::Code::NOTSTRUCT, record.expected_value, call.node);
      return false;
    }
    // A character array is compared as a string.
    if (expected_class == iface::kClassCharArray) expected_class = iface::kClassCharPointer;
    record.expected_class = expected_class;
    if (expected_class != iface::kClassUnknown && return_class != iface::kClassUnknown &&
        iface::classes_compatible(expected_class, return_class) == 0) {
      report_at_node(diag::MessageKind::Warning, diag::Code::INCOMPTYP, record.expected_value, call.node);
    }
  }
  if (variable == nullptr) return true;
  record.return_variable.assign(leaf_text(variable));
  int variable_class = value_class(context, record.return_variable, call.node);
  record.variable_class = variable_class;
  if (variable_class == iface::kClassUnknown) return true;  // the interface analysis said why
  if (variable_class == iface::kClassArray || variable_class == iface::kClassCharArray) {
    report_at_node(diag::MessageKind::Error, diag::Code::NOTSTRUCT, record.return_variable, call.node);
    return false;
  }
  if (iface::anc_is_constant_expression(record.return_variable, context.state.scope_name) != 0) {
    report_at_node(diag::MessageKind::Warning, diag::Code::EXPRCONST, record.return_variable, call.node);
  }
  if (expected != nullptr && record.expected_class != iface::kClassUnknown &&
      iface::classes_compatible(variable_class, record.expected_class) == 0) {
    report_at_node(diag::MessageKind::Warning, diag::Code::INCOMPTYP, record.return_variable, call.node);
  }
  if (return_class != iface::kClassUnknown && iface::classes_compatible(variable_class, return_class) == 0) {
    report_at_node(diag::MessageKind::Warning, diag::Code::INCOMPTYP, record.return_variable, call.node);
  }
  return true;
}

// The text of the call itself, "name(arguments)", REF arguments passed by address.
std::string call_text(const CallSite& call) {
  std::string text = call.name + '(';
  bool first = true;
  for (const SyntaxNode* item : script::argument_items(script::call_arguments(call.node))) {
    if (!first) text += ',';
    first = false;
    const SyntaxNode* argument = script::argument_of(item);
    if (argument->kind == script::RefArgument) {
      (text += '&') += leaf_text(script::ref_type(argument));
    } else {
      text += leaf_text(script::argument_expression(argument));
    }
  }
  return text + ')';
}

// The call entry in `scope`, with the call's scope of arguments below it.
Entry* record_call(AnalysisContext& context, const CallSite& call, Scope* scope, CallRecord record) {
  Entry* entry = statement_entry(context, scope, EntryKind::Call, call.node, call.filter);
  entry->text = call.written;
  Descriptor* descriptor = new_descriptor(context.model, entry, DescriptorKind::Call);
  call.arguments->parent = scope;
  call.arguments->owner = descriptor;
  descriptor->child_scope = call.arguments;
  record_of<CallRecord>(descriptor) = std::move(record);
  return entry;
}

// A CALL of a PROC: its arguments against the parameters (the check of block calls); no return
// part ("NORETNFCT").
void call_procedure(AnalysisContext& context, const CallSite& call, Entry* procedure, Scope* scope) {
  if (script::call_return(call.node) != nullptr) {
    report_at_node(diag::MessageKind::Error, diag::Code::NORETNFCT, call.written, call.node);
    return;
  }
  int errors = diag::error_count();
  check_procedure_arguments(context, procedure, script::call_arguments(call.node), call.arguments,
                            context.state.scope_name, call.node);
  if (diag::error_count() != errors) return;
  for (Entry* argument = call.arguments->first; argument != nullptr; argument = argument->next) {
    argument->filter.assign(call.filter.text);
    argument->has_filter = call.filter.present;
  }
  CallRecord record;
  record.function = call.written;
  record.matched = call.name;
  record.is_procedure = true;
  record.procedure = procedure;
  record_call(context, call, scope, std::move(record));
}

// A CALL of a C/C++ function or of a macro: the arguments, the return part, and the return
// variable made up when the result must be checked and none is written.
void call_c_side(AnalysisContext& context, const CallSite& call, CFunction function, bool macro, Scope* scope) {
  int errors = diag::error_count();
  if (macro) {
    for (const SyntaxNode* item : script::argument_items(script::call_arguments(call.node))) {
      if (!record_c_argument(context, call, item, iface::kClassUnknown)) return;
    }
  } else if (!check_c_arguments(context, call, function)) {
    return;
  }
  CallRecord record;
  record.function = call.written;
  record.matched = call.name;
  record.is_macro = macro;
  record.return_type = function.return_type;
  record.return_class = function.return_class;
  const SyntaxNode* part = script::call_return(call.node);
  // A macro's result is typed only when it is checked: its expansion need not be an expression.
  if (macro && part != nullptr) record.return_class = expression_class(context, call_text(call), call.node);
  if (part != nullptr && !check_return_part(context, call, part, record)) return;
  if (diag::error_count() != errors) return;
  if (part != nullptr) {
    ValueRecord check;
    check.text = record.expected_value;
    check.value_class = record.expected_class;
    check.target_class = record.return_class;
    check.return_check = true;
    Entry* entry = statement_entry(context, call.arguments, EntryKind::Value, part, call.filter);
    entry->text = check.text;
    record_of<ValueRecord>(new_descriptor(context.model, entry, DescriptorKind::ReturnCheck)) = std::move(check);
  }
  bool has_expected = !record.expected_value.empty();
  bool checked = (macro || function.unprototyped) ? has_expected : record.return_class != iface::kClassVoid;
  if (record.return_variable.empty() && checked) {
    record.return_variable = "qlx_return_" + std::to_string(context.state.return_counter++);
    record.return_variable_generated = true;
    record.variable_class = record.return_class;
  }
  record_call(context, call, scope, std::move(record));
}

}  // namespace

void analyse_call(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  CallSite call;
  call.node = node;
  call.filter = filter;
  call.written.assign(leaf_text(script::call_name(node)));
  if (!call.written.empty()) {
    iface::anc_preprocess(call.written, file_of(node), node->line, call.name);
    iface::anc_normalise(call.name);
  }
  if (call.name.empty()) {
    report_at_node(diag::MessageKind::Error, diag::Code::UKNFCTCLL, call.written, node);
    return;
  }
  call.arguments = context.model.make_scope();
  Entry* procedure = use_procedure(context, call.name);
  CFunction function = find_c_function(context, call);
  if (procedure != nullptr && function.found) {
    report_at_node(diag::MessageKind::Error, diag::Code::SAMEFCTNM, call.written, node);
    return;
  }
  if (procedure != nullptr) {
    call_procedure(context, call, procedure, scope);
    return;
  }
  if (function.found) {
    call_c_side(context, call, std::move(function), false, scope);
    return;
  }
  if (is_macro_call(call, count_arguments(script::call_arguments(node)))) {
    call_c_side(context, call, CFunction{}, true, scope);
  } else {
    report_at_node(diag::MessageKind::Error, diag::Code::UKNFCTCLL, call.written, node);
  }
}

}  // namespace sema
