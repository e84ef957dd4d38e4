// INTERSEND and INTERRECV: values exchanged with another virtual tester, integers (int, long) or
// strings, the tester named by a string.
#include <string>

#include "diag/report.h"
#include "iface/query/anc_expressions.h"
#include "script/tree_view.h"
#include "sema/node_report.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

bool is_integer_class(int type_class) { return type_class == 2 || type_class == 3; }
bool is_string_class(int type_class) { return type_class == 6 || type_class == 7; }

// A blank operand is "TOOFEWARG" with the keyword. A typed operand that `accepted` refuses is
// "INCOMPTYP" with its text (an error: the runtime converts no other type). An operand that could
// not be typed has been reported by the interface analysis and is taken as it stands. Returns
// whether the statement may be recorded.
bool check_operand(const AnalysisContext& context, std::string_view operand, const SyntaxNode* node,
                   bool (*accepted)(int), int& type_class, const char* keyword) {
  if (operand.empty()) {
    report_at_node(diag::MessageKind::Error, diag::Code::TOOFEWARG, keyword, node);
    return false;
  }
  type_class = expression_class(context, operand, node);
  if (type_class == -1 || accepted(type_class)) return true;
  report_at_node(diag::MessageKind::Error, diag::Code::INCOMPTYP, operand, node);
  return false;
}

bool integer_or_string(int type_class) { return is_integer_class(type_class) || is_string_class(type_class); }
bool not_string(int type_class) { return !is_string_class(type_class); }

}  // namespace

// INTERSEND (value, tester): the value is int, long or a string; the tester a string.
void analyse_intersend(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string_view value = leaf_text(script::intersend_value(node));
  std::string_view tester = leaf_text(script::intersend_tester(node));
  int value_class = -1;
  int tester_class = -1;
  bool good = check_operand(context, value, node, integer_or_string, value_class, "INTERSEND");
  good = check_operand(context, tester, node, is_string_class, tester_class, "INTERSEND") && good;
  if (!good) return;
  Entry* entry = statement_entry(context, scope, EntryKind::Intersend, node, filter);
  IntersendRecord& record = record_of<IntersendRecord>(new_descriptor(context.model, entry, DescriptorKind::Intersend));
  record.value.assign(value);
  record.tester.assign(tester);
  record.integer_value = is_integer_class(value_class);
  add_to_function_list(context.model, entry);
}

// INTERRECV (variable) receives a number into a variable that is no string; INTERRECV (buffer,
// size) receives a text into a character buffer of that size (an int or long).
void analyse_interrecv(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string_view first = leaf_text(script::interrecv_first(node));
  const SyntaxNode* second_leaf = script::interrecv_second(node);
  std::string_view second = leaf_text(second_leaf);
  bool one_operand = second_leaf == nullptr;
  int first_class = -1;
  int second_class = -1;
  bool good = one_operand ? check_operand(context, first, node, not_string, first_class, "INTERRECV")
                          : check_operand(context, first, node, is_string_class, first_class, "INTERRECV");
  if (!one_operand) good = check_operand(context, second, node, is_integer_class, second_class, "INTERRECV") && good;
  if (!good) return;
  // The received value is stored into the first operand (the integer variable, or the character
  // buffer whose size is the second): a constant cannot take it. A character array is the buffer.
  bool buffer_array = first_class == 7;
  if (!buffer_array && iface::anc_is_constant_expression(first, context.state.scope_name) != 0) {
    report_at_node(diag::MessageKind::Error, diag::Code::EXPRCONST, first, node);
    return;
  }
  Entry* entry = statement_entry(context, scope, EntryKind::Interrecv, node, filter);
  InterrecvRecord& record = record_of<InterrecvRecord>(new_descriptor(context.model, entry, DescriptorKind::Interrecv));
  record.first.assign(first);
  record.second.assign(second);
  record.one_operand = one_operand;
  add_to_function_list(context.model, entry);
}

}  // namespace sema
