// Integer constant expressions of the value checks, and the display base of a checked element.
#include <cstdint>

#include "base/wide_int.h"
#include "diag/report.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/query/analysis_context.h"
#include "iface/query/value_check.h"

namespace iface {

namespace {

struct Evaluator {
  std::string_view file;
  int line;
  bool reported = false;
};

std::int32_t give_up(Evaluator& e, diag::Code code, std::string_view argument) {
  if (!e.reported) diag::report_at(code == diag::Code::DIVBYZERO ? diag::MessageKind::Error : diag::MessageKind::Warning, code,
                                   argument, e.file, e.line);
  e.reported = true;
  return 0;
}

std::int32_t wrap(std::uint32_t value) { return static_cast<std::int32_t>(value); }

std::int32_t eval(Evaluator& e, const ExprNode* node);

std::int32_t eval_binary(Evaluator& e, const ExprNode* node) {
  std::int32_t a = eval(e, left_operand(node));
  std::int32_t b = eval(e, right_operand(node));
  auto ua = static_cast<std::uint32_t>(a);
  auto ub = static_cast<std::uint32_t>(b);
  switch (node->op) {
    case TokenKind::Plus: return wrap(ua + ub);
    case TokenKind::Minus: return wrap(ua - ub);
    case TokenKind::Star: return wrap(ua * ub);
    case TokenKind::Slash:
    case TokenKind::Percent:
      if (b == 0) return give_up(e, diag::Code::DIVBYZERO, "");
      if (a == INT32_MIN && b == -1) return node->op == TokenKind::Slash ? a : 0;
      return node->op == TokenKind::Slash ? a / b : a % b;
    case TokenKind::Less: return a < b;
    case TokenKind::Greater: return a > b;
    case TokenKind::LessEqual: return a <= b;
    case TokenKind::GreaterEqual: return a >= b;
    case TokenKind::NotEqual: return a != b;
    case TokenKind::Equal: return a == b;
    case TokenKind::Amp: return a & b;
    case TokenKind::Pipe: return a | b;
    case TokenKind::Caret: return a ^ b;
    case TokenKind::AndAnd: return a && b;
    case TokenKind::OrOr: return a || b;
    case TokenKind::ShiftLeft: return wrap(ua << (ub % 32));
    case TokenKind::ShiftRight: return a >> (ub % 32);
    default: return give_up(e, diag::Code::CONSTINIT, node->text);
  }
}

std::int32_t eval_identifier(Evaluator& e, const ExprNode* node) {
  std::string_view name = node->name != nullptr ? node->name : "";
  if (name == "true") return 1;
  if (name == "false") return 0;
  if (SymbolEntry* entry = lookup_enumerator(the_dictionary(), node->name, global_context())) {
    for (const Enumerator& enumerator : enum_data(strip_typedefs(entry->declaration.type))->enumerators)
      if (enumerator.name == node->name) return static_cast<std::int32_t>(enumerator.value);
  }
  return give_up(e, diag::Code::CONSTINIT, name);
}

std::int32_t eval(Evaluator& e, const ExprNode* node) {
  if (node == nullptr || e.reported) return 0;
  switch (node->kind) {
    case ExprKind::Literal: {
      std::int64_t value = 0;
      if (node->literal != TokenKind::IntegerConstant) return give_up(e, diag::Code::CONSTINIT, node->text);
      if (!base::wide_to_int64(node->value, &value)) {
        std::uint64_t unsigned_value = 0;
        base::wide_to_uint64(node->value, &unsigned_value);
        value = static_cast<std::int64_t>(unsigned_value);
      }
      return wrap(static_cast<std::uint32_t>(value));
    }
    case ExprKind::Identifier: return eval_identifier(e, node);
    case ExprKind::Parenthesised: return eval(e, operand(node));
    case ExprKind::Unary: {
      std::int32_t a = eval(e, operand(node));
      if (node->op == TokenKind::Minus) return wrap(0u - static_cast<std::uint32_t>(a));
      if (node->op == TokenKind::Bang) return !a;
      if (node->op == TokenKind::Tilde) return ~a;
      return give_up(e, diag::Code::CONSTINIT, node->text);
    }
    case ExprKind::Binary: return eval_binary(e, node);
    default: return give_up(e, diag::Code::CONSTINIT, node->text);
  }
}

}  // namespace

int evaluate_constant(const ExprNode* node, std::string_view file, int line) {
  Evaluator e{file, line};
  return eval(e, node);
}

int display_base_of(const TypeDescriptor* type) {
  const TypeDescriptor* t = type;
  while (t != nullptr) {
    if (t->format_kind >= 0) return t->display_base;
    if (const TypedefData* alias = typedef_data(t)) t = alias->target;
    else if (const QualifiedData* qualified = qualified_data(t)) t = qualified->target;
    else if (const ReferenceData* reference = reference_data(t)) t = reference->referenced;
    else break;
  }
  if (t == nullptr) return kBaseDefault;
  if (t->kind == TypeKind::Integer || t->kind == TypeKind::Floating) return t->display_base;
  if (t->kind == TypeKind::Pointer) return t->display_base == kBaseDefault ? kBaseHexadecimal : t->display_base;
  return kBaseDefault;
}

}  // namespace iface
