#include "iface/dict/type_operators.h"

namespace iface {

namespace {

struct OperatorWord {
  std::string_view op;
  std::string_view word;
};

constexpr OperatorWord kOperatorWords[] = {
    {"++", "increment"},
    {"+=", "add_assign"},
    {"+", "plus"},
    {"--", "decrement"},
    {"-=", "sub_assign"},
    {"->*", "arrow_star"},
    {"->", "ptr"},
    {"-", "minus"},
    {"*=", "mul_assign"},
    {"*", "mul"},
    {"/=", "div_assign"},
    {"/", "div"},
    {"%=", "mod_assign"},
    {"%", "mod"},
    {"~", "invbit"},
    {"^=", "xor_assign"},
    {"^", "xorbit"},
    {"&&", "and"},
    {"&=", "and_assign"},
    {"&", "andbit"},
    {"||", "or"},
    {"|=", "or_assign"},
    {"|", "orbit"},
    {"!=", "not_equal"},
    {"!", "not"},
    {"==", "equal"},
    {"=", "assign"},
    {"<<=", "left_shift_assign"},
    {"<<", "left_shift"},
    {"<=", "less_equal"},
    {"<", "less"},
    {">>=", "right_shift_assign"},
    {">>", "right_shift"},
    {">=", "greater_equal"},
    {">", "greater"},
    {".*", "dot_star"},
    {".", "dot"},
    {"()", "function_call"},
    {"[]", "subscript"},
};

}  // namespace

std::string_view operator_word(std::string_view op) {
  for (const OperatorWord& row : kOperatorWords) {
    if (row.op == op) return row.word;
  }
  return {};
}

std::string operator_function_name(std::string_view op) {
  std::string_view word = operator_word(op);
  if (word.empty()) return {};
  std::string name = "operator_";
  name += word;
  return name;
}

std::string destructor_name(std::string_view class_name) {
  std::string name = "destructor_";
  name += class_name;
  return name;
}

}  // namespace iface
