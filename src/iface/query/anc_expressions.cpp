#include "iface/query/anc_expressions.h"

#include "diag/report.h"
#include "iface/query/anc_expression_type.h"
#include "iface/query/anc_session.h"
#include "iface/query/anc_types.h"
#include "iface/cparse/c_declarations.h"
#include "iface/cparse/c_type_from_text.h"

namespace iface {

std::unique_ptr<ExprTree> anc_parse_text(std::string_view text, std::string_view scope, std::string_view file,
                                         int line, bool value) {
  if (text.empty()) return nullptr;
  std::string expanded;
  anc_preprocess(text, file, line, expanded);
  anc_normalise(expanded);
  if (expanded.empty()) return nullptr;
  ExprContext context = query_expression_context(scope, file, line);
  return value ? parse_value(expanded, context) : parse_expression(expanded, context);
}

namespace {

// The typed expression; null type after any failure.
const TypeDescriptor* typed(const ExprTree* tree, std::string_view scope) {
  if (tree == nullptr || tree->root == nullptr) return nullptr;
  return type_expression(tree->root, anc_scope(scope));
}

// The function that an expression of this type calls: a function, or what a pointer to a function
// points to (a function pointer variable, also through typedefs and qualifiers); null otherwise.
const FunctionData* callee_function(const TypeDescriptor* type) {
  const TypeDescriptor* object = strip_to_object_type(type);
  if (const PointerData* pointer = pointer_data(object)) object = strip_to_object_type(pointer->pointee);
  return function_data(object);
}

}  // namespace

void anc_expression_class(std::string_view expr, std::string_view scope, std::string_view file, int line,
                          int& type_class) {
  std::unique_ptr<ExprTree> tree = anc_parse_text(expr, scope, file, line, false);
  const TypeDescriptor* type = typed(tree.get(), scope);
  type_class = type != nullptr ? type_class_of(type) : kClassUnknown;
}

void anc_value_class(std::string_view expr, std::string_view scope, std::string_view file, int line,
                     int& type_class, int& first_bound) {
  first_bound = 0;
  if (expr == "NONIL") {
    type_class = kClassNoNil;
    return;
  }
  std::unique_ptr<ExprTree> tree = anc_parse_text(expr, scope, file, line, false);
  const TypeDescriptor* type = typed(tree.get(), scope);
  type_class = type != nullptr ? type_class_of(type) : kClassUnknown;
  if (type != nullptr) first_bound = first_bound_of(type);
}

ArgumentAnswer anc_argument_class(std::string_view function_expr, std::string_view scope, int position) {
  ArgumentAnswer answer;
  if (position < 0) return answer;
  std::unique_ptr<ExprTree> tree = anc_parse_text(function_expr, scope, "", 0, false);
  const FunctionData* function = callee_function(typed(tree.get(), scope));
  if (function == nullptr) return answer;
  const TypeDescriptor* chosen = nullptr;
  if (position == 0) {
    chosen = function->result != nullptr ? function->result : the_dictionary().base.builtin.void_type;
  } else if (function->parameters.empty()) {
    if (the_anc_session().restriction != 1) answer.type_class = kClassKrParameter;
    else if (position == 1) answer.type_class = kClassVoid;
    return answer;
  } else if (static_cast<std::size_t>(position) <= function->parameters.size()) {
    const Parameter& parameter = function->parameters[static_cast<std::size_t>(position) - 1];
    if (parameter.name != nullptr) answer.parameter_name = parameter.name;
    chosen = parameter.type;
  } else {
    if (function->parameters.back().type != nullptr && function->parameters.back().type->kind == TypeKind::Ellipsis)
      answer.type_class = kClassEllipsis;
    return answer;
  }
  ClassifiedType classified = classify_type(chosen);
  answer.type_class = classified.type_class;
  answer.type_text = classified.base_text;
  answer.bound_text = classified.bound_text;
  answer.first_bound = first_bound_of(chosen);
  return answer;
}

int anc_is_constant_expression(std::string_view expr, std::string_view scope) {
  std::unique_ptr<ExprTree> tree = anc_parse_text(expr, scope, "", 0, false);
  const ExprNode* node = tree != nullptr ? tree->root : nullptr;
  while (node != nullptr && (node->kind == ExprKind::Parenthesised || node->kind == ExprKind::Dereference))
    node = operand(node);
  if (node == nullptr) return 1;
  bool variable = node->kind == ExprKind::Identifier || node->kind == ExprKind::ScopedName ||
                  node->kind == ExprKind::Subscript;
  return variable ? 0 : 1;
}

int anc_same_type(std::string_view expr, std::string_view type_text, std::string_view scope, std::string_view file) {
  std::unique_ptr<ExprTree> tree = anc_parse_text(expr, scope, file, 0, false);
  if (tree == nullptr) return 0;
  int warnings = diag::warning_count();
  const TypeDescriptor* type = typed(tree.get(), scope);
  if (type == nullptr || diag::warning_count() != warnings) return 0;
  const TypeDescriptor* written = type_from_text(the_analyser(), type_text, anc_scope(scope), file, 0);
  if (written == nullptr) return 0;
  return types_identical(type, written) ? 1 : 0;
}

}  // namespace iface
