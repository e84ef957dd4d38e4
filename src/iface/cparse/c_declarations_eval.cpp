// Constant values that declarations need: enumerator values and bit-field widths. The
// expression is parsed by the analyser's expression parser in the declaration's token stream and
// computed here in 64-bit two's complement, as the compilers of the interface files do; an
// expression that is no integer constant the analyser can see (a call, an unknown name, a
// floating value) gives no value, and the caller keeps its default.
#include <cstdint>
#include <limits>

#include "iface/cparse/c_declarations_parser.h"
#include "iface/dict/dictionary_lookup.h"

namespace iface::decl {

namespace {

using U = std::uint64_t;

long long wrap(U value) { return static_cast<long long>(value); }

bool enumerator_value(const TypeDescriptor* enumeration, const char* name, long long* value) {
  const EnumData* data = enum_data(enumeration);
  if (data == nullptr) return false;
  for (auto e = data->enumerators.rbegin(); e != data->enumerators.rend(); ++e) {
    if (e->name == name) {
      *value = e->value;
      return true;
    }
  }
  return false;
}

// "sizeof(type)" for the base types the size settings know.
bool size_of_type_text(const Parser& p, std::string_view text, long long* value) {
  const SizeSettings& s = p.analyser->sizes;
  struct Row {
    std::string_view text;
    int bits;
  };
  const Row rows[] = {
      {"char", s.char_bits},           {"signed char", s.char_bits},      {"unsigned char", s.char_bits},
      {"short", s.short_bits},         {"unsigned short", s.short_bits},  {"int", s.int_bits},
      {"unsigned", s.int_bits},        {"unsigned int", s.int_bits},      {"long", s.long_bits},
      {"unsigned long", s.long_bits},  {"long long", s.long_long_bits},   {"unsigned long long", s.long_long_bits},
      {"float", 32},                   {"double", 64},                    {"bool", 8},
      {"_Bool", 8},
  };
  for (const Row& row : rows) {
    if (row.text == text) {
      *value = row.bits / 8;
      return true;
    }
  }
  return false;
}

bool binary_value(TokenKind op, long long a, long long b, long long* value) {
  U ua = static_cast<U>(a);
  U ub = static_cast<U>(b);
  switch (op) {
    case TokenKind::Plus: *value = wrap(ua + ub); return true;
    case TokenKind::Minus: *value = wrap(ua - ub); return true;
    case TokenKind::Star: *value = wrap(ua * ub); return true;
    case TokenKind::Slash: case TokenKind::Percent:
      if (b == 0) return false;
      if (a == std::numeric_limits<long long>::min() && b == -1) {
        *value = op == TokenKind::Slash ? a : 0;
        return true;
      }
      *value = op == TokenKind::Slash ? a / b : a % b;
      return true;
    case TokenKind::ShiftLeft: *value = wrap(ua << (ub & 63U)); return true;
    case TokenKind::ShiftRight: *value = a >> (ub & 63U); return true;
    case TokenKind::Amp: *value = wrap(ua & ub); return true;
    case TokenKind::Pipe: *value = wrap(ua | ub); return true;
    case TokenKind::Caret: *value = wrap(ua ^ ub); return true;
    case TokenKind::AndAnd: *value = (a != 0 && b != 0) ? 1 : 0; return true;
    case TokenKind::OrOr: *value = (a != 0 || b != 0) ? 1 : 0; return true;
    case TokenKind::Equal: *value = a == b; return true;
    case TokenKind::NotEqual: *value = a != b; return true;
    case TokenKind::Less: *value = a < b; return true;
    case TokenKind::Greater: *value = a > b; return true;
    case TokenKind::LessEqual: *value = a <= b; return true;
    case TokenKind::GreaterEqual: *value = a >= b; return true;
    default: return false;
  }
}

bool literal_value(const ExprNode* node, long long* value) {
  if (node->literal != TokenKind::IntegerConstant && node->literal != TokenKind::CharConstant) return false;
  std::int64_t signed_value = 0;
  if (base::wide_to_int64(node->value, &signed_value)) {
    *value = signed_value;
    return true;
  }
  std::uint64_t unsigned_value = 0;
  if (base::wide_to_uint64(node->value, &unsigned_value)) {
    *value = wrap(unsigned_value);
    return true;
  }
  return false;
}

}  // namespace

bool constant_value(Parser& p, const ExprNode* node, const TypeDescriptor* enumeration, long long* value) {
  if (node == nullptr) return false;
  long long a = 0;
  long long b = 0;
  switch (node->kind) {
    case ExprKind::Literal:
      return literal_value(node, value);
    case ExprKind::Identifier: {
      std::string_view name(node->name);
      if (name == "true" || name == "false") {
        *value = name == "true";
        return true;
      }
      if (enumerator_value(enumeration, node->name, value)) return true;
      SymbolEntry* entry = lookup_enumerator(*p.dict, node->name, context_of(p));
      return entry != nullptr && enumerator_value(entry->declaration.type, node->name, value);
    }
    case ExprKind::Parenthesised: case ExprKind::Cast:
      return constant_value(p, operand(node), enumeration, value);
    case ExprKind::Unary:
      if (!constant_value(p, operand(node), enumeration, &a)) return false;
      switch (node->op) {
        case TokenKind::Minus: *value = wrap(U{0} - static_cast<U>(a)); return true;
        case TokenKind::Plus: *value = a; return true;
        case TokenKind::Tilde: *value = wrap(~static_cast<U>(a)); return true;
        case TokenKind::Bang: *value = a == 0; return true;
        default: return false;
      }
    case ExprKind::Binary:
      return constant_value(p, left_operand(node), enumeration, &a) &&
             constant_value(p, right_operand(node), enumeration, &b) && binary_value(node->op, a, b, value);
    case ExprKind::Conditional:
      if (!constant_value(p, condition(node), enumeration, &a)) return false;
      return constant_value(p, a != 0 ? then_value(node) : else_value(node), enumeration, value);
    case ExprKind::SizeofType:
      return node->op == TokenKind::KwSizeof && size_of_type_text(p, node->type_text, value);
    default:
      return false;
  }
}

bool parse_constant(Parser& p, const TypeDescriptor* enumeration, long long* value, bool* computed) {
  ExprTree tree;
  ExprContext context = expression_context(p);
  ExprParser parser;
  parser.lexer = &p.lexer;
  parser.tree = &tree;
  parser.context = &context;
  parser.current = p.current;
  parser.previous_end = p.previous_end;
  parser.depth = p.depth;
  bool quiet = p.quiet;
  ExprNode* node = quiet ? nullptr : parse_conditional_expression(parser);
  if (quiet) return false;
  p.current = parser.current;
  p.previous_end = parser.previous_end;
  if (parser.failed || node == nullptr) {
    p.quiet = true;  // the expression parser gave the message
    return false;
  }
  *computed = constant_value(p, node, enumeration, value);
  return true;
}

}  // namespace iface::decl
