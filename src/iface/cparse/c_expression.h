// The analyser's expression parser: one C/C++ expression of the script, or one value in the
// script's value notation, into an expression tree.
//
// Recursive descent with precedence climbing for the binary operators (the team's choice over a
// generated LALR parser: the grammar is small, and casts need the dictionary's answer about type
// names in the middle of a parse). The generated parsers' limits are kept: a nesting deeper than
// `expression_stack_limit` open constructs reports "yacc stack overflow", an unexpected token
// "syntax error", both as the warning "SYNTAXERR" at the token's file and line; the parse then
// gives no tree.
//
// Value notation (INIT=, EV=, VA=, EV== and message values):
//   value      := aggregate | range
//   aggregate  := "(" items ")" | "{" items "}"   -- a "(" text is an aggregate only when a ","
//                                                  -- or "=>" stands at its top level
//   items      := item ("," item)*
//   item       := <nothing>                       -- Empty: skips its element or member
//               | range "=>" value-or-nothing     -- Designated: field name, OTHERS, index, low..high
//               | value
//   range      := expression [".." expression]    -- Range
// A parenthesised text without a top-level "," or "=>" is a C expression: "((1, 2))" is a
// parenthesised comma expression, not a list.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/wide_int.h"
#include "iface/cparse/c_lexer.h"

namespace iface {

struct TypeDescriptor;  // the dictionary's type descriptor, set on nodes by the typing step

// The most open constructs (parentheses, brackets, prefix operators, "?", assignments, nested
// items) that an expression may nest; one more is "yacc stack overflow".
inline constexpr int expression_stack_limit = 600;
// The most levels a tree may have: "1 + 1 + ... + 1" opens nothing but makes one level per
// operator, and the analyser walks a tree level by level. A deeper tree is "yacc stack overflow"
// as well (gcc takes such chains; no real header comes near this height).
inline constexpr int expression_height_limit = 10000;

// The children of each kind, with the accessor that reads them (below); code outside the parser
// reads children through the accessors, never through `first`/`second`/`third`.
enum class ExprKind : std::uint8_t {
  Identifier,     // name: also "true", "false", "this", "nullptr", "OTHERS"
  ScopedName,     // name: the qualified name without blanks, "a::b", "::c"
  Literal,        // literal, constant_type, value, string_pieces
  Parenthesised,  // (operand)
  Subscript,      // subscripted[subscript_index]
  Call,           // callee(items...): items are the arguments
  Member,         // member_object.name (op Dot) or member_object->name (op Arrow)
  Dereference,    // *operand
  Unary,          // op operand: op is Minus, Plus, Bang, Tilde, Amp, PlusPlus, MinusMinus, KwSizeof, KwAlignof
  Postfix,        // operand op: PlusPlus, MinusMinus
  Binary,         // left_operand op right_operand: arithmetic, shifts, comparisons, bit and logical
                  // operators, DotStar, ArrowStar
  Assignment,     // left_operand op right_operand: Assign, PlusAssign, ...
  Conditional,    // condition ? then_value : else_value
  Comma,          // left_operand, right_operand
  Cast,           // (type_text) operand: op LeftParen; static_cast<type_text>(operand): op the cast keyword;
                  // type_text(operand), a type keyword called as a function: op KwInt, KwChar...
  SizeofType,     // sizeof(type_text) (op KwSizeof) or alignof(type_text) (op KwAlignof)
  BraceList,      // items: the items of an aggregate, in order (Empty items included)
  Designated,     // designator => designated_value: the designator an Identifier, an expression or a
                  // Range; the value an Empty node when none is written
  Range,          // range_low..range_high
  Empty,          // an empty item
};

struct ExprNode {
  ExprKind kind = ExprKind::Empty;
  TokenKind op = TokenKind::End;  // the operator (see the kinds)
  std::string_view text;          // the node's source text, as written (printing a value back uses it)
  const char* file = nullptr;     // position of the node's first token
  int line = 0;
  const char* name = nullptr;     // interned: Identifier, ScopedName, Member
  // The children, in the order written; read them through the accessors below.
  ExprNode* first = nullptr;
  ExprNode* second = nullptr;
  ExprNode* third = nullptr;
  ExprNode* items = nullptr;      // Call arguments and BraceList items, linked by `next`
  int item_count = 0;
  ExprNode* next = nullptr;       // the following argument or item
  int height = 1;                 // levels of the subtree (the node itself counts one)
  std::string_view type_text;     // Cast and SizeofType: the type name as written
  // Literal
  TokenKind literal = TokenKind::End;  // IntegerConstant, FloatingConstant, CharConstant, StringLiteral
  ConstantType constant_type = ConstantType::None;
  base::WideInt value;                 // integer and character constants
  int string_pieces = 0;               // adjacent string literals joined into this one
  // Set by the typing step.
  const TypeDescriptor* type = nullptr;
};

// --- Children by their role ---
//
// Each accessor gives the child of a (non-null) node of the kinds named above for it, and null for
// a node of any other kind.

inline bool expr_kind_in(const ExprNode* n, std::initializer_list<ExprKind> kinds) {
  for (ExprKind k : kinds)
    if (n->kind == k) return true;
  return false;
}

// Parenthesised, Dereference, Unary, Postfix, Cast.
inline ExprNode* operand(const ExprNode* n) {
  return expr_kind_in(n, {ExprKind::Parenthesised, ExprKind::Dereference, ExprKind::Unary, ExprKind::Postfix,
                          ExprKind::Cast})
             ? n->first
             : nullptr;
}
// Binary, Assignment (the target and the value), Comma.
inline ExprNode* left_operand(const ExprNode* n) {
  return expr_kind_in(n, {ExprKind::Binary, ExprKind::Assignment, ExprKind::Comma}) ? n->first : nullptr;
}
inline ExprNode* right_operand(const ExprNode* n) {
  return expr_kind_in(n, {ExprKind::Binary, ExprKind::Assignment, ExprKind::Comma}) ? n->second : nullptr;
}
// Conditional.
inline ExprNode* condition(const ExprNode* n) { return n->kind == ExprKind::Conditional ? n->first : nullptr; }
inline ExprNode* then_value(const ExprNode* n) { return n->kind == ExprKind::Conditional ? n->second : nullptr; }
inline ExprNode* else_value(const ExprNode* n) { return n->kind == ExprKind::Conditional ? n->third : nullptr; }
// Subscript: the array or pointer, and the index.
inline ExprNode* subscripted(const ExprNode* n) { return n->kind == ExprKind::Subscript ? n->first : nullptr; }
inline ExprNode* subscript_index(const ExprNode* n) { return n->kind == ExprKind::Subscript ? n->second : nullptr; }
// Call: the called expression (the arguments are `items`).
inline ExprNode* callee(const ExprNode* n) { return n->kind == ExprKind::Call ? n->first : nullptr; }
// Member: the object (or pointer) whose member `name` is selected.
inline ExprNode* member_object(const ExprNode* n) { return n->kind == ExprKind::Member ? n->first : nullptr; }
// Designated.
inline ExprNode* designator(const ExprNode* n) { return n->kind == ExprKind::Designated ? n->first : nullptr; }
inline ExprNode* designated_value(const ExprNode* n) {
  return n->kind == ExprKind::Designated ? n->second : nullptr;
}
// Range.
inline ExprNode* range_low(const ExprNode* n) { return n->kind == ExprKind::Range ? n->first : nullptr; }
inline ExprNode* range_high(const ExprNode* n) { return n->kind == ExprKind::Range ? n->second : nullptr; }

// A parsed expression: the nodes and the text they point into.
struct ExprTree {
  std::string text;              // the parsed text (a copy; node texts point into it)
  std::deque<ExprNode> nodes;    // stable addresses
  ExprNode* root = nullptr;
};

// Whether `name` (interned; a qualified name for "a::b") names a type in `scope` (a qualified
// scope name, empty for the global scope). The dictionary answers; without it only type keywords
// start a type name.
using TypeNameQuery = std::function<bool(const char* name, std::string_view scope)>;

struct ExprContext {
  std::string_view scope;
  std::string_view file;         // position of the text, for messages
  int line = 1;
  SizeSettings* sizes = nullptr; // null: the default sizes
  TypeNameQuery is_type_name;
};

// A C/C++ expression (the comma operator included). Null for an empty text (no message) and after
// a syntax error (reported).
std::unique_ptr<ExprTree> parse_expression(std::string_view text, const ExprContext& context);
// A value in the script's value notation (above). Null as parse_expression.
std::unique_ptr<ExprTree> parse_value(std::string_view text, const ExprContext& context);

// --- Parsing inside another parser's token stream (the declaration parser) ---
//
// The parser reads from `lexer`, with `current` the token under examination; after a parse,
// `current` is the first token not used, and the caller goes on from there. Node texts point into
// the lexer's text, which the caller keeps alive; nodes go into `tree`.
struct ExprParser {
  Lexer* lexer = nullptr;
  ExprTree* tree = nullptr;
  const ExprContext* context = nullptr;
  Token current;
  const char* previous_end = nullptr;  // end of the last token used
  int depth = 0;
  bool failed = false;                 // a message was given; the results are null from then on
  std::unordered_map<const char*, bool> aggregate_parens;  // value notation: which "(" open aggregates
};

void expr_parser_start(ExprParser& parser, Lexer& lexer, ExprTree& tree, const ExprContext& context);
// The comma expression, the assignment expression (function arguments, initialisers) and the
// conditional expression (array bounds, enumerator values, bit-field widths). Null on a failure.
ExprNode* parse_comma_expression(ExprParser& parser);
ExprNode* parse_assignment_expression(ExprParser& parser);
ExprNode* parse_conditional_expression(ExprParser& parser);
// Whether the current token starts a type name (a type keyword, or a name the dictionary knows as
// a type); `parse_type_name` then reads it and gives its text (empty on a failure).
bool starts_type_name(ExprParser& parser);
std::string_view parse_type_name(ExprParser& parser);
// "syntax error" at the current token (once per parse).
void expression_syntax_error(ExprParser& parser);

// --- Texts (c_expression_text.cpp) ---

std::string_view expression_kind_name(ExprKind kind);
// The tree as a nested list, for tests and traces: "(call (id f) (lit 1) (id x))".
std::string expression_outline(const ExprNode* node);

}  // namespace iface
