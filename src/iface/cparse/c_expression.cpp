// The analyser's expression parser: recursive descent over the lexer's tokens, precedence
// climbing for the binary operators, and the script's value notation on top.
#include "iface/cparse/c_expression.h"

#include <vector>

#include "base/intern.h"

namespace iface {

namespace {

using P = ExprParser;

// Where a node starts: its first token.
struct Where {
  const char* start;
  int line;
  const char* file;
};

Where where(const P& p) { return Where{p.current.text.data(), p.current.line, p.current.file}; }

void stack_overflow(P& p);

// `node` is one level above `child`: past the height limit the parse fails.
void raise_height(P& p, ExprNode* node, const ExprNode* child) {
  if (child == nullptr || child->height < node->height) return;
  node->height = child->height + 1;
  if (node->height > expression_height_limit) stack_overflow(p);
}

// A new node whose text runs from `w` to the end of the last token used.
ExprNode* make(P& p, ExprKind kind, const Where& w) {
  ExprNode& node = p.tree->nodes.emplace_back();
  node.kind = kind;
  node.file = w.file;
  node.line = w.line;
  const char* end = p.previous_end > w.start ? p.previous_end : w.start;
  node.text = std::string_view(w.start, static_cast<std::size_t>(end - w.start));
  return &node;
}

// The text of a node made before its last token was read.
void extend_text(const P& p, ExprNode* node, const Where& w) {
  node->text = std::string_view(w.start, static_cast<std::size_t>(p.previous_end - w.start));
}

ExprNode* make_operator(P& p, ExprKind kind, const Where& w, TokenKind op, ExprNode* first, ExprNode* second = nullptr,
                        ExprNode* third = nullptr) {
  ExprNode* node = make(p, kind, w);
  node->op = op;
  node->first = first;
  node->second = second;
  node->third = third;
  raise_height(p, node, first);
  raise_height(p, node, second);
  raise_height(p, node, third);
  return node;
}

void advance(P& p) {
  p.previous_end = p.current.text.data() + p.current.text.size();
  p.current = next_token(*p.lexer);
}

bool at(const P& p, TokenKind kind) { return p.current.kind == kind; }

void stack_overflow(P& p) {
  if (p.failed) return;
  p.failed = true;
  analyser_warning_at(p.current, diag::Code::SYNTAXERR, "yacc stack overflow");
}

bool expect(P& p, TokenKind kind) {
  if (p.failed) return false;
  if (!at(p, kind)) {
    expression_syntax_error(p);
    return false;
  }
  advance(p);
  return true;
}

// One open construct for the time of its parse; past the limit the parse fails.
class Nest {
 public:
  explicit Nest(P& p) : p_(p) {
    if (++p_.depth >= expression_stack_limit) stack_overflow(p_);
  }
  ~Nest() { --p_.depth; }
  Nest(const Nest&) = delete;
  Nest& operator=(const Nest&) = delete;
  bool ok() const { return !p_.failed; }

 private:
  P& p_;
};

// A position to come back to after looking ahead. Looked-at tokens report nothing the second time.
struct ParserMark {
  LexerMark lexer;
  Token current;
  const char* previous_end;
};

ParserMark mark(const P& p) { return ParserMark{lexer_mark(*p.lexer), p.current, p.previous_end}; }

void restore(P& p, const ParserMark& m) {
  lexer_reset(*p.lexer, m.lexer);
  p.current = m.current;
  p.previous_end = m.previous_end;
}

TokenKind peek(P& p) {
  LexerMark m = lexer_mark(*p.lexer);
  TokenKind kind = next_token(*p.lexer).kind;
  lexer_reset(*p.lexer, m);
  return kind;
}

// --- Names ---

// A name "a", "a::b::c" or "::a" from the current token: its interned text without blanks.
// Leaves the parser after the name. A "::" without a name after it is a syntax error (quiet:
// only a null result, for looking ahead).
const char* read_name(P& p, bool quiet = false) {
  if (at(p, TokenKind::Identifier) && peek(p) != TokenKind::Scope) {
    const char* name = p.current.name;
    advance(p);
    return name;
  }
  std::string qualified;
  if (at(p, TokenKind::Identifier)) {
    qualified = p.current.text;
    advance(p);
  }
  while (at(p, TokenKind::Scope)) {
    advance(p);
    if (!at(p, TokenKind::Identifier)) {
      if (!quiet) expression_syntax_error(p);
      return nullptr;
    }
    qualified += "::";
    qualified += p.current.text;
    advance(p);
  }
  return base::intern(qualified);
}

bool is_type_name(const P& p, const char* name) {
  return name != nullptr && p.context->is_type_name && p.context->is_type_name(name, p.context->scope);
}

// Whether the name at the current token is a type name; the parser stays where it is.
bool name_is_type(P& p) {
  if (!p.context->is_type_name) return false;
  if (at(p, TokenKind::Identifier) && peek(p) != TokenKind::Scope) return is_type_name(p, p.current.name);
  ParserMark m = mark(p);
  const char* name = read_name(p, true);
  restore(p, m);
  return is_type_name(p, name);
}

// --- Type names ---

bool is_base_type_keyword(TokenKind k) {
  switch (k) {
    case TokenKind::KwChar: case TokenKind::KwShort: case TokenKind::KwInt: case TokenKind::KwLong:
    case TokenKind::KwSigned: case TokenKind::KwUnsigned: case TokenKind::KwFloat: case TokenKind::KwDouble:
    case TokenKind::KwVoid: case TokenKind::KwBool: case TokenKind::KwWchar: case TokenKind::KwChar16:
    case TokenKind::KwChar32: case TokenKind::KwComplex: case TokenKind::KwImaginary: case TokenKind::KwInt128:
    case TokenKind::KwFloat16: case TokenKind::KwFloat32: case TokenKind::KwFloat64: case TokenKind::KwFloat128:
    case TokenKind::KwFloat32x: case TokenKind::KwFloat64x: case TokenKind::KwFloat128x:
    case TokenKind::KwGnuFloat128: case TokenKind::KwGnuFloat80: case TokenKind::KwDecimal32:
    case TokenKind::KwDecimal64: case TokenKind::KwDecimal128: case TokenKind::KwBuiltinVaList:
      return true;
    default:
      return false;
  }
}

bool is_qualifier(TokenKind k) {
  return k == TokenKind::KwConst || k == TokenKind::KwVolatile || k == TokenKind::KwRestrict;
}

bool is_tag_keyword(TokenKind k) {
  return k == TokenKind::KwStruct || k == TokenKind::KwUnion || k == TokenKind::KwEnum || k == TokenKind::KwClass ||
         k == TokenKind::KwTypename;
}

// Keywords followed by a parenthesised operand inside a type name.
bool is_parenthesised_specifier(TokenKind k) {
  return k == TokenKind::KwTypeof || k == TokenKind::KwDecltype || k == TokenKind::KwAttribute ||
         k == TokenKind::KwAtomic || k == TokenKind::KwAlignas;
}

// From "(" or "[" to its partner, whatever lies between.
void skip_balanced(P& p) {
  int depth = 0;
  do {
    if (at(p, TokenKind::End)) {
      expression_syntax_error(p);
      return;
    }
    TokenKind k = p.current.kind;
    if (k == TokenKind::LeftParen || k == TokenKind::LeftBracket || k == TokenKind::LeftBrace) ++depth;
    if (k == TokenKind::RightParen || k == TokenKind::RightBracket || k == TokenKind::RightBrace) --depth;
    advance(p);
  } while (depth > 0);
}

// The specifiers of a type name; false when there is none.
bool read_specifiers(P& p) {
  bool any = false;
  bool has_base = false;
  while (!p.failed) {
    TokenKind k = p.current.kind;
    if (is_base_type_keyword(k) || is_qualifier(k)) {
      has_base = has_base || is_base_type_keyword(k);
      advance(p);
    } else if (is_tag_keyword(k)) {
      advance(p);
      if (at(p, TokenKind::Identifier) || at(p, TokenKind::Scope)) read_name(p);
      has_base = true;
    } else if (is_parenthesised_specifier(k)) {
      advance(p);
      if (at(p, TokenKind::LeftParen)) skip_balanced(p);
      if (k == TokenKind::KwTypeof || k == TokenKind::KwDecltype) has_base = true;
    } else if (!has_base && (k == TokenKind::Identifier || k == TokenKind::Scope) && name_is_type(p)) {
      read_name(p);
      has_base = true;
    } else {
      break;
    }
    any = true;
  }
  return any;
}

// The abstract declarator after the specifiers: pointers, references, qualifiers, array bounds and
// parameter lists.
void read_abstract_declarator(P& p) {
  while (!p.failed) {
    TokenKind k = p.current.kind;
    if (k == TokenKind::Star || k == TokenKind::Amp || k == TokenKind::AndAnd || is_qualifier(k)) {
      advance(p);
    } else if (k == TokenKind::KwAttribute) {
      advance(p);
      if (at(p, TokenKind::LeftParen)) skip_balanced(p);
    } else if (k == TokenKind::LeftParen || k == TokenKind::LeftBracket) {
      skip_balanced(p);
    } else {
      break;
    }
  }
}

// --- Expressions ---

ExprNode* parse_cast_operand(P& p);

ExprNode* parse_literal(P& p) {
  Where w = where(p);
  Token token = p.current;
  int pieces = 0;
  if (at(p, TokenKind::StringLiteral)) {
    while (at(p, TokenKind::StringLiteral)) {
      ++pieces;
      advance(p);
    }
  } else {
    advance(p);
  }
  ExprNode* node = make(p, ExprKind::Literal, w);
  node->literal = token.kind;
  node->constant_type = token.constant_type;
  node->value = token.value;
  node->string_pieces = pieces;
  return node;
}

ExprNode* parse_name_node(P& p) {
  Where w = where(p);
  bool scoped = at(p, TokenKind::Scope) || peek(p) == TokenKind::Scope;
  const char* name = read_name(p);
  if (p.failed) return nullptr;
  ExprNode* node = make(p, scoped ? ExprKind::ScopedName : ExprKind::Identifier, w);
  node->name = name;
  return node;
}

// Keywords that read as names: true, false, this, nullptr.
ExprNode* parse_keyword_name(P& p) {
  Where w = where(p);
  const char* name = base::intern(p.current.text);
  advance(p);
  ExprNode* node = make(p, ExprKind::Identifier, w);
  node->name = name;
  return node;
}

// "(" type ")" operand, or "(" expression ")".
ExprNode* parse_parenthesised(P& p) {
  Where w = where(p);
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  if (starts_type_name(p)) {
    std::string_view type = parse_type_name(p);
    if (!expect(p, TokenKind::RightParen)) return nullptr;
    ExprNode* operand = parse_cast_operand(p);
    if (p.failed) return nullptr;
    ExprNode* node = make_operator(p, ExprKind::Cast, w, TokenKind::LeftParen, operand);
    node->type_text = type;
    return node;
  }
  ExprNode* inner = parse_comma_expression(p);
  if (p.failed || !expect(p, TokenKind::RightParen)) return nullptr;
  return make_operator(p, ExprKind::Parenthesised, w, TokenKind::LeftParen, inner);
}

// static_cast<type>(expression) and the other C++ casts.
ExprNode* parse_cxx_cast(P& p) {
  Where w = where(p);
  TokenKind op = p.current.kind;
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  if (!expect(p, TokenKind::Less)) return nullptr;
  std::string_view type = parse_type_name(p);
  if (!expect(p, TokenKind::Greater) || !expect(p, TokenKind::LeftParen)) return nullptr;
  ExprNode* operand = parse_comma_expression(p);
  if (p.failed || !expect(p, TokenKind::RightParen)) return nullptr;
  ExprNode* node = make_operator(p, ExprKind::Cast, w, op, operand);
  node->type_text = type;
  return node;
}

// int(x): a type keyword called as a function.
ExprNode* parse_functional_cast(P& p) {
  Where w = where(p);
  TokenKind op = p.current.kind;
  std::string_view type = p.current.text;
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  if (!expect(p, TokenKind::LeftParen)) return nullptr;
  ExprNode* operand = parse_comma_expression(p);
  if (p.failed || !expect(p, TokenKind::RightParen)) return nullptr;
  ExprNode* node = make_operator(p, ExprKind::Cast, w, op, operand);
  node->type_text = type;
  return node;
}

ExprNode* parse_primary(P& p) {
  switch (p.current.kind) {
    case TokenKind::Identifier:
    case TokenKind::Scope:
      return parse_name_node(p);
    case TokenKind::KwTrue:
    case TokenKind::KwFalse:
    case TokenKind::KwThis:
    case TokenKind::KwNullptr:
      return parse_keyword_name(p);
    case TokenKind::IntegerConstant:
    case TokenKind::FloatingConstant:
    case TokenKind::CharConstant:
    case TokenKind::StringLiteral:
      return parse_literal(p);
    case TokenKind::LeftParen:
      return parse_parenthesised(p);
    case TokenKind::KwStaticCast:
    case TokenKind::KwDynamicCast:
    case TokenKind::KwConstCast:
    case TokenKind::KwReinterpretCast:
      return parse_cxx_cast(p);
    default:
      if (is_base_type_keyword(p.current.kind) && peek(p) == TokenKind::LeftParen) return parse_functional_cast(p);
      expression_syntax_error(p);
      return nullptr;
  }
}

// The arguments of a call, after its "(", up to and with the ")".
bool parse_arguments(P& p, ExprNode* call) {
  ExprNode** tail = &call->items;
  if (at(p, TokenKind::RightParen)) {
    advance(p);
    return true;
  }
  while (!p.failed) {
    ExprNode* argument = parse_assignment_expression(p);
    if (p.failed) return false;
    *tail = argument;
    tail = &argument->next;
    ++call->item_count;
    raise_height(p, call, argument);
    if (p.failed) return false;
    if (at(p, TokenKind::Comma)) {
      advance(p);
      continue;
    }
    return expect(p, TokenKind::RightParen);
  }
  return false;
}

ExprNode* parse_postfix(P& p) {
  Where w = where(p);
  ExprNode* node = parse_primary(p);
  while (node != nullptr && !p.failed) {
    TokenKind k = p.current.kind;
    if (k == TokenKind::LeftBracket) {
      Nest nest(p);
      if (!nest.ok()) return nullptr;
      advance(p);
      ExprNode* index = parse_comma_expression(p);
      if (p.failed || !expect(p, TokenKind::RightBracket)) return nullptr;
      node = make_operator(p, ExprKind::Subscript, w, k, node, index);
    } else if (k == TokenKind::LeftParen) {
      Nest nest(p);
      if (!nest.ok()) return nullptr;
      advance(p);
      ExprNode* call = make_operator(p, ExprKind::Call, w, k, node);
      if (!parse_arguments(p, call)) return nullptr;
      extend_text(p, call, w);
      node = call;
    } else if (k == TokenKind::Dot || k == TokenKind::Arrow) {
      advance(p);
      if (!at(p, TokenKind::Identifier)) {
        expression_syntax_error(p);
        return nullptr;
      }
      const char* name = read_name(p);
      if (p.failed) return nullptr;
      node = make_operator(p, ExprKind::Member, w, k, node);
      node->name = name;
    } else if (k == TokenKind::PlusPlus || k == TokenKind::MinusMinus) {
      advance(p);
      node = make_operator(p, ExprKind::Postfix, w, k, node);
    } else {
      break;
    }
  }
  return p.failed ? nullptr : node;
}

// sizeof or alignof: of a type in parentheses, or of an expression.
ExprNode* parse_sizeof(P& p) {
  Where w = where(p);
  TokenKind op = p.current.kind;
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  if (at(p, TokenKind::LeftParen)) {
    ParserMark m = mark(p);
    advance(p);
    if (starts_type_name(p)) {
      std::string_view type = parse_type_name(p);
      if (!expect(p, TokenKind::RightParen)) return nullptr;
      ExprNode* node = make_operator(p, ExprKind::SizeofType, w, op, nullptr);
      node->type_text = type;
      return node;
    }
    restore(p, m);
  }
  ExprNode* operand = parse_cast_operand(p);
  if (p.failed) return nullptr;
  return make_operator(p, ExprKind::Unary, w, op, operand);
}

bool is_prefix_operator(TokenKind k) {
  switch (k) {
    case TokenKind::Minus: case TokenKind::Plus: case TokenKind::Bang: case TokenKind::Tilde: case TokenKind::Amp:
    case TokenKind::PlusPlus: case TokenKind::MinusMinus: case TokenKind::Star: case TokenKind::KwReal:
    case TokenKind::KwImag:
      return true;
    default:
      return false;
  }
}

ExprNode* parse_unary(P& p) {
  TokenKind k = p.current.kind;
  if (k == TokenKind::KwSizeof || k == TokenKind::KwAlignof) return parse_sizeof(p);
  if (k == TokenKind::KwExtension) {
    advance(p);
    return parse_cast_operand(p);
  }
  if (!is_prefix_operator(k)) return parse_postfix(p);
  Where w = where(p);
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  ExprNode* operand = parse_cast_operand(p);
  if (p.failed) return nullptr;
  return make_operator(p, k == TokenKind::Star ? ExprKind::Dereference : ExprKind::Unary, w, k, operand);
}

// The operand of a cast or prefix operator: casts are parenthesised primaries here, so this is
// the unary expression.
ExprNode* parse_cast_operand(P& p) { return parse_unary(p); }

// Binding strength of the binary operators, 0 for other tokens.
int precedence(TokenKind k) {
  switch (k) {
    case TokenKind::OrOr: return 1;
    case TokenKind::AndAnd: return 2;
    case TokenKind::Pipe: return 3;
    case TokenKind::Caret: return 4;
    case TokenKind::Amp: return 5;
    case TokenKind::Equal: case TokenKind::NotEqual: return 6;
    case TokenKind::Less: case TokenKind::Greater: case TokenKind::LessEqual: case TokenKind::GreaterEqual: return 7;
    case TokenKind::ShiftLeft: case TokenKind::ShiftRight: return 8;
    case TokenKind::Plus: case TokenKind::Minus: return 9;
    case TokenKind::Star: case TokenKind::Slash: case TokenKind::Percent: return 10;
    case TokenKind::DotStar: case TokenKind::ArrowStar: return 11;
    default: return 0;
  }
}

ExprNode* parse_binary(P& p, int min_precedence) {
  Where w = where(p);
  ExprNode* left = parse_unary(p);
  while (left != nullptr && !p.failed) {
    int strength = precedence(p.current.kind);
    if (strength == 0 || strength < min_precedence) break;
    TokenKind op = p.current.kind;
    advance(p);
    ExprNode* right = parse_binary(p, strength + 1);
    if (p.failed) return nullptr;
    left = make_operator(p, ExprKind::Binary, w, op, left, right);
  }
  return p.failed ? nullptr : left;
}

bool is_assignment_operator(TokenKind k) {
  switch (k) {
    case TokenKind::Assign: case TokenKind::PlusAssign: case TokenKind::MinusAssign: case TokenKind::StarAssign:
    case TokenKind::SlashAssign: case TokenKind::PercentAssign: case TokenKind::CaretAssign:
    case TokenKind::AmpAssign: case TokenKind::PipeAssign: case TokenKind::ShiftLeftAssign:
    case TokenKind::ShiftRightAssign:
      return true;
    default:
      return false;
  }
}

// --- Value notation ---

ExprNode* parse_value_node(P& p);

ExprNode* make_empty(P& p) {
  Where w = where(p);
  ExprNode* node = make(p, ExprKind::Empty, w);
  node->text = std::string_view(w.start, 0);
  return node;
}

// Whether the "(" at the current token opens an aggregate: a "," or "=>" at its top level. The scan
// remembers the answer for every parenthesis it sees closed, so that nested aggregates are not
// scanned again (no quadratic work on deep values).
bool opens_aggregate(P& p) {
  auto known = p.aggregate_parens.find(p.current.text.data());
  if (known != p.aggregate_parens.end()) return known->second;
  ParserMark m = mark(p);
  struct Open {
    const char* at;
    bool is_paren;
    bool aggregate;
  };
  std::vector<Open> open;
  bool aggregate = false;
  for (; !at(p, TokenKind::End); p.current = next_token(*p.lexer)) {
    TokenKind k = p.current.kind;
    if (k == TokenKind::LeftParen || k == TokenKind::LeftBracket || k == TokenKind::LeftBrace) {
      open.push_back(Open{p.current.text.data(), k == TokenKind::LeftParen, false});
    } else if (k == TokenKind::RightParen || k == TokenKind::RightBracket || k == TokenKind::RightBrace) {
      Open closed = open.back();
      open.pop_back();
      if (closed.is_paren) p.aggregate_parens.emplace(closed.at, closed.aggregate);
      if (open.empty()) break;
    } else if (k == TokenKind::Comma || k == TokenKind::FatArrow) {
      open.back().aggregate = true;
      if (open.size() == 1) {
        aggregate = true;
        break;
      }
    }
  }
  restore(p, m);
  return aggregate;
}

bool ends_item(const P& p, TokenKind closer) { return at(p, TokenKind::Comma) || at(p, closer); }

// An item: nothing, a designated item, or a value.
ExprNode* parse_item(P& p, TokenKind closer) {
  if (ends_item(p, closer)) return make_empty(p);
  Where w = where(p);
  ExprNode* value = parse_value_node(p);
  if (p.failed || !at(p, TokenKind::FatArrow)) return value;
  if (value->kind == ExprKind::BraceList) {
    expression_syntax_error(p);
    return nullptr;
  }
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  ExprNode* designated_value = ends_item(p, closer) ? make_empty(p) : parse_value_node(p);
  if (p.failed) return nullptr;
  return make_operator(p, ExprKind::Designated, w, TokenKind::FatArrow, value, designated_value);
}

ExprNode* parse_aggregate(P& p) {
  Where w = where(p);
  TokenKind closer = at(p, TokenKind::LeftBrace) ? TokenKind::RightBrace : TokenKind::RightParen;
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  ExprNode* list = make(p, ExprKind::BraceList, w);
  ExprNode** tail = &list->items;
  if (closer == TokenKind::RightBrace && at(p, closer)) {
    advance(p);
  } else {
    while (true) {
      ExprNode* item = parse_item(p, closer);
      if (p.failed) return nullptr;
      *tail = item;
      tail = &item->next;
      ++list->item_count;
      raise_height(p, list, item);
      if (p.failed) return nullptr;
      if (at(p, TokenKind::Comma)) {
        advance(p);
        continue;
      }
      if (!expect(p, closer)) return nullptr;
      break;
    }
  }
  extend_text(p, list, w);
  return list;
}

// An expression, or a range "low..high".
ExprNode* parse_range(P& p) {
  Where w = where(p);
  ExprNode* low = parse_assignment_expression(p);
  if (p.failed || !at(p, TokenKind::DotDot)) return low;
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  ExprNode* high = parse_assignment_expression(p);
  if (p.failed) return nullptr;
  return make_operator(p, ExprKind::Range, w, TokenKind::DotDot, low, high);
}

ExprNode* parse_value_node(P& p) {
  if (at(p, TokenKind::LeftBrace) || (at(p, TokenKind::LeftParen) && opens_aggregate(p))) return parse_aggregate(p);
  return parse_range(p);
}

// The shared frame of parse_expression and parse_value.
template <typename Parse>
std::unique_ptr<ExprTree> parse_text(std::string_view text, const ExprContext& context, bool value_notation,
                                     Parse parse) {
  auto tree = std::make_unique<ExprTree>();
  tree->text = std::string(text);
  Lexer lexer;
  lexer_init(lexer, tree->text, context.file, context.line, context.sizes);
  lexer.value_notation = value_notation;
  ExprParser parser;
  expr_parser_start(parser, lexer, *tree, context);
  if (at(parser, TokenKind::End)) return nullptr;
  ExprNode* root = parse(parser);
  if (!parser.failed && !at(parser, TokenKind::End)) expression_syntax_error(parser);
  if (parser.failed || root == nullptr) return nullptr;
  tree->root = root;
  return tree;
}

}  // namespace

void expression_syntax_error(ExprParser& parser) {
  if (parser.failed) return;
  parser.failed = true;
  analyser_warning_at(parser.current, diag::Code::SYNTAXERR, "syntax error");
}

void expr_parser_start(ExprParser& parser, Lexer& lexer, ExprTree& tree, const ExprContext& context) {
  parser.lexer = &lexer;
  parser.tree = &tree;
  parser.context = &context;
  parser.previous_end = lexer.cursor;
  parser.depth = 0;
  parser.failed = false;
  parser.current = next_token(lexer);
}

ExprNode* parse_conditional_expression(ExprParser& p) {
  Where w = where(p);
  ExprNode* condition = parse_binary(p, 1);
  if (p.failed || !at(p, TokenKind::Question)) return p.failed ? nullptr : condition;
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  ExprNode* then_value = parse_comma_expression(p);
  if (p.failed || !expect(p, TokenKind::Colon)) return nullptr;
  ExprNode* else_value = parse_assignment_expression(p);
  if (p.failed) return nullptr;
  return make_operator(p, ExprKind::Conditional, w, TokenKind::Question, condition, then_value, else_value);
}

ExprNode* parse_assignment_expression(ExprParser& p) {
  Where w = where(p);
  ExprNode* target = parse_conditional_expression(p);
  if (p.failed || !is_assignment_operator(p.current.kind)) return p.failed ? nullptr : target;
  TokenKind op = p.current.kind;
  Nest nest(p);
  if (!nest.ok()) return nullptr;
  advance(p);
  ExprNode* value = parse_assignment_expression(p);
  if (p.failed) return nullptr;
  return make_operator(p, ExprKind::Assignment, w, op, target, value);
}

ExprNode* parse_comma_expression(ExprParser& p) {
  Where w = where(p);
  ExprNode* left = parse_assignment_expression(p);
  while (!p.failed && at(p, TokenKind::Comma)) {
    advance(p);
    ExprNode* right = parse_assignment_expression(p);
    if (p.failed) return nullptr;
    left = make_operator(p, ExprKind::Comma, w, TokenKind::Comma, left, right);
  }
  return p.failed ? nullptr : left;
}

bool starts_type_name(ExprParser& p) {
  TokenKind k = p.current.kind;
  if (is_base_type_keyword(k) || is_qualifier(k) || is_tag_keyword(k) || is_parenthesised_specifier(k)) return true;
  return (k == TokenKind::Identifier || k == TokenKind::Scope) && name_is_type(p);
}

std::string_view parse_type_name(ExprParser& p) {
  const char* start = p.current.text.data();
  if (!read_specifiers(p)) {
    expression_syntax_error(p);
    return {};
  }
  read_abstract_declarator(p);
  if (p.failed) return {};
  return std::string_view(start, static_cast<std::size_t>(p.previous_end - start));
}

std::unique_ptr<ExprTree> parse_expression(std::string_view text, const ExprContext& context) {
  return parse_text(text, context, false, [](ExprParser& p) { return parse_comma_expression(p); });
}

std::unique_ptr<ExprTree> parse_value(std::string_view text, const ExprContext& context) {
  return parse_text(text, context, true, [](ExprParser& p) { return parse_value_node(p); });
}

}  // namespace iface
