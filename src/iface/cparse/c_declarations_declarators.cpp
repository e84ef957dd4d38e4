// Declarators: pointers, references, qualifiers, nested declarators, arrays with their bounds,
// parameter lists (prototypes, "...", K&R identifier lists), operator and destructor names, and
// the function bodies that definitions carry.
#include <algorithm>

#include "base/intern.h"
#include "diag/report.h"
#include "iface/cparse/c_declarations_parser.h"
#include "iface/dict/type_operators.h"

namespace iface::decl {

namespace {

bool is_cv(TokenKind k) {
  return k == TokenKind::KwConst || k == TokenKind::KwVolatile || k == TokenKind::KwRestrict ||
         k == TokenKind::KwAtomic;
}

// Qualifiers after a "*": they qualify the pointer itself.
void read_pointer_qualifiers(Parser& p, std::vector<Operation>& operations) {
  for (;;) {
    if (at(p, TokenKind::KwConst) || at(p, TokenKind::KwVolatile)) {
      Operation q;
      q.kind = OperationKind::Qualify;
      q.qualifier = at(p, TokenKind::KwConst) ? "const" : "volatile";
      operations.push_back(q);
      advance(p);
    } else if (is_cv(p.current.kind)) {
      advance(p);
    } else if (at(p, TokenKind::Identifier) &&
               (std::string_view(p.current.name) == "_Nonnull" || std::string_view(p.current.name) == "_Nullable")) {
      advance(p);
    } else if (!skip_extension(p)) {
      return;
    }
  }
}

// "A::B::*": a pointer to member, recorded as a pointer. The parser stays put when it is none.
bool try_member_pointer(Parser& p) {
  if (!(at(p, TokenKind::Identifier) || at(p, TokenKind::Scope))) return false;
  LexerMark mark = lexer_mark(p.lexer);
  Token first = p.current;
  const char* first_end = p.previous_end;
  if (at(p, TokenKind::Scope)) advance(p);
  while (at(p, TokenKind::Identifier)) {
    advance(p);
    if (!at(p, TokenKind::Scope)) break;
    advance(p);
    if (at(p, TokenKind::Star)) {
      advance(p);
      return true;
    }
  }
  lexer_reset(p.lexer, mark);
  p.current = first;
  p.previous_end = first_end;
  return false;
}

// Whether a "(" at the start of a direct declarator opens a nested declarator rather than the
// parameters of an abstract function declarator.
bool opens_nested_declarator(Parser& p) {
  LexerMark mark = lexer_mark(p.lexer);
  Token next = next_token(p.lexer);
  Token after = next_token(p.lexer);
  lexer_reset(p.lexer, mark);
  switch (next.kind) {
    case TokenKind::Star: case TokenKind::Amp: case TokenKind::AndAnd: case TokenKind::LeftParen:
    case TokenKind::Tilde: case TokenKind::KwOperator: case TokenKind::KwAttribute: case TokenKind::LeftBracket:
    case TokenKind::Scope:
      return true;
    case TokenKind::Identifier:
      if (after.kind == TokenKind::Scope) return true;
      return type_named(p, next.name) == nullptr;
    default:
      return false;
  }
}

// The name of an operator function after "operator".
const char* operator_name(Parser& p) {
  advance(p);  // operator
  switch (p.current.kind) {
    case TokenKind::KwNew: case TokenKind::KwDelete: {
      bool is_new = at(p, TokenKind::KwNew);
      advance(p);
      bool array = false;
      if (at(p, TokenKind::LeftBracket) && peek(p) == TokenKind::RightBracket) {
        advance(p);
        advance(p);
        array = true;
      }
      return base::intern(std::string(is_new ? "operator_new" : "operator_delete") + (array ? "_array" : ""));
    }
    case TokenKind::LeftParen:
      advance(p);
      if (!at(p, TokenKind::RightParen)) return nullptr;
      advance(p);
      return base::intern(operator_function_name("()"));
    case TokenKind::LeftBracket:
      advance(p);
      if (!at(p, TokenKind::RightBracket)) return nullptr;
      advance(p);
      return base::intern(operator_function_name("[]"));
    default:
      break;
  }
  if (is_punctuator(p.current.kind)) {
    std::string name = operator_function_name(token_kind_spelling(p.current.kind));
    if (name.empty()) return nullptr;
    advance(p);
    return base::intern(name);
  }
  // A conversion function: "operator int", "operator const char *".
  Specifiers s;
  if (!parse_specifiers(p, s, SpecifierUse::TypeName)) return nullptr;
  while (at(p, TokenKind::Star) || at(p, TokenKind::Amp) || at(p, TokenKind::AndAnd) || is_cv(p.current.kind))
    advance(p);
  return base::intern("operator_conversion");
}

// The name of a direct declarator: "x", "N::x", "C::~C", "operator+", "~C".
bool parse_declarator_name(Parser& p, Declarator& d) {
  std::vector<const char*> parts;
  if (at(p, TokenKind::Scope)) {
    d.qualified = true;
    advance(p);
  }
  for (;;) {
    if (at(p, TokenKind::KwOperator)) {
      d.special = true;
      d.name = operator_name(p);
      return d.name != nullptr || fail(p);
    }
    if (at(p, TokenKind::Tilde)) {
      advance(p);
      if (!at(p, TokenKind::Identifier)) return fail(p);
      d.special = true;
      d.name = base::intern(destructor_name(p.current.name));
      advance(p);
      return true;
    }
    if (is_c_typedef_keyword(p.current.kind) && parts.empty()) {  // "typedef int wchar_t;" of C headers
      d.name = base::intern(p.current.text);
      advance(p);
      return true;
    }
    if (!at(p, TokenKind::Identifier)) return fail(p);
    d.name = p.current.name;
    advance(p);
    if (at(p, TokenKind::Less)) {  // "A<T>::f", "f<int>": nothing else puts a "<" after a declarator's name
      std::vector<TemplateArgument> ignored;
      if (!parse_template_arguments(p, ignored)) return false;
    }
    if (!at(p, TokenKind::Scope)) {
      if (p.in_class != nullptr && d.name == p.in_class->name) d.special = true;
      return true;
    }
    parts.push_back(d.name);
    d.qualified = true;
    advance(p);
  }
}

// "[bound]": the bound's text and expression.
bool parse_array_suffix(Parser& p, std::vector<Operation>& suffixes) {
  Nest nest(p);
  if (!nest.ok()) return false;
  Token open = p.current;
  advance(p);  // '['
  while (at(p, TokenKind::KwStatic) || is_cv(p.current.kind)) advance(p);  // C99 parameter arrays
  Operation array;
  array.kind = OperationKind::Array;
  int depth = 0;
  while (!(depth == 0 && at(p, TokenKind::RightBracket))) {
    if (at(p, TokenKind::End)) return fail(p);
    TokenKind k = p.current.kind;
    if (k == TokenKind::LeftParen || k == TokenKind::LeftBracket || k == TokenKind::LeftBrace) {
      ++depth;
      if (p.depth + depth >= declaration_stack_limit) return fail_with(p, diag::Code::SYNTAXERR, "yacc stack overflow");
    }
    if (k == TokenKind::RightParen || k == TokenKind::RightBracket || k == TokenKind::RightBrace) {
      if (depth == 0) return fail(p);
      --depth;
    }
    append_token_text(array.bound_text, p.current.text);
    advance(p);
  }
  advance(p);  // ']'
  if (array.bound_text == "*") array.bound_text.clear();  // "[*]": a bound that is not known
  if (!array.bound_text.empty() && !p.discard) {
    ExprContext context = expression_context(p);
    context.line = open.line;
    if (open.file != nullptr) context.file = open.file;
    std::unique_ptr<ExprTree> tree = parse_expression(array.bound_text, context);
    if (tree != nullptr) {
      array.bound = tree->root;
      p.analyser->bound_trees.push_back(std::move(tree));
    }
  }
  suffixes.push_back(std::move(array));
  return true;
}

bool is_identifier(const Parser& p, std::string_view word) {
  return at(p, TokenKind::Identifier) && std::string_view(p.current.name) == word;
}

// What may follow a parameter list: member qualifiers, exception specifications, attributes,
// "override", "final", "= 0" is left for the initialiser.
bool skip_function_suffixes(Parser& p, TypeDescriptor** trailing_result, bool* has_trailing) {
  for (;;) {
    if (is_cv(p.current.kind) || at(p, TokenKind::Amp) || at(p, TokenKind::AndAnd) || is_identifier(p, "override") ||
        is_identifier(p, "final")) {
      advance(p);
    } else if (at(p, TokenKind::KwNoexcept) || at(p, TokenKind::KwThrow)) {
      advance(p);
      if (at(p, TokenKind::LeftParen) && !skip_balanced(p)) return false;
    } else if (at(p, TokenKind::Arrow)) {
      advance(p);
      bool ok = true;
      *trailing_result = parse_type_id(p, &ok);
      *has_trailing = true;
      if (!ok) return false;
    } else if (!skip_extension(p)) {
      return true;
    }
  }
}

// A K&R identifier list "(a, b, c)": the "(" is consumed, the current token is the first name.
bool parse_identifier_list(Parser& p, Operation& function) {
  function.kr = true;
  for (;;) {
    if (!at(p, TokenKind::Identifier)) return fail(p);
    function.kr_names.push_back(p.current.name);
    function.parameters.push_back(Parameter{p.current.name, nullptr});
    advance(p);
    if (at(p, TokenKind::RightParen)) {
      advance(p);
      return true;
    }
    if (!expect(p, TokenKind::Comma)) return false;
  }
}

bool starts_identifier_list(Parser& p) {
  if (!at(p, TokenKind::Identifier) || type_named(p, p.current.name) != nullptr) return false;
  TokenKind next = peek(p);
  return next == TokenKind::Comma || next == TokenKind::RightParen;
}

bool parse_parameter(Parser& p, Operation& function) {
  if (at(p, TokenKind::Ellipsis)) {
    advance(p);
    function.parameters.push_back(Parameter{nullptr, p.dict->base.builtin.ellipsis_type});
    return true;
  }
  Specifiers s;
  if (!parse_specifiers(p, s, SpecifierUse::Parameter)) return false;
  if (!s.has_type && s.core == nullptr && s.longs == 0 && s.shorts == 0 && s.sign == 0 && !s.is_const &&
      !s.is_volatile && !s.is_static && !s.is_extern && !s.is_typedef)
    return fail(p);  // a parameter needs a type (a name alone is K&R, read before)
  Declarator d;
  if (!parse_declarator(p, d, true)) return false;
  TypeDescriptor* type = apply_declarator(p, specified_type(p, s), d);
  if (at(p, TokenKind::Ellipsis)) advance(p);  // "T..." packs
  if (at(p, TokenKind::Assign)) {  // a default argument
    advance(p);
    skip_until(p, {TokenKind::Comma, TokenKind::RightParen}, false);
  }
  function.parameters.push_back(Parameter{d.name, type});
  return true;
}

// "(parameters)" after a declarator: the "(" is the current token.
bool parse_function_suffix(Parser& p, std::vector<Operation>& suffixes) {
  Nest nest(p);
  if (!nest.ok()) return false;
  advance(p);  // '('
  Operation function;
  function.kind = OperationKind::Function;
  if (at(p, TokenKind::RightParen)) {
    advance(p);
  } else if (starts_identifier_list(p)) {
    if (!parse_identifier_list(p, function)) return false;
  } else {
    for (;;) {
      if (!parse_parameter(p, function)) return false;
      if (at(p, TokenKind::RightParen)) {
        advance(p);
        break;
      }
      if (!expect(p, TokenKind::Comma)) return false;
    }
  }
  TypeDescriptor* trailing = nullptr;
  bool has_trailing = false;
  if (!skip_function_suffixes(p, &trailing, &has_trailing)) return false;
  function.has_trailing_result = has_trailing;
  function.trailing_result = trailing;
  suffixes.push_back(std::move(function));
  return true;
}

}  // namespace

bool parse_declarator(Parser& p, Declarator& d, bool abstract) {
  Nest nest(p);
  if (!nest.ok()) return false;
  std::vector<Operation> prefix;
  for (;;) {
    if (at(p, TokenKind::Star)) {
      advance(p);
      prefix.push_back(Operation{});
      read_pointer_qualifiers(p, prefix);
    } else if (at(p, TokenKind::Amp) || at(p, TokenKind::AndAnd)) {
      advance(p);
      Operation reference;
      reference.kind = OperationKind::Reference;
      prefix.push_back(reference);
      read_pointer_qualifiers(p, prefix);
    } else if (try_member_pointer(p)) {
      prefix.push_back(Operation{});
      read_pointer_qualifiers(p, prefix);
    } else if (!skip_extension(p)) {
      break;
    }
  }
  Declarator inner;
  bool nested = false;
  if (at(p, TokenKind::LeftParen) && opens_nested_declarator(p)) {
    advance(p);
    nested = true;
    if (!parse_declarator(p, inner, abstract) || !expect(p, TokenKind::RightParen)) return false;
    d.name = inner.name;
    d.qualified = inner.qualified;
    d.special = inner.special;
  } else if (at(p, TokenKind::Identifier) || at(p, TokenKind::Scope) || at(p, TokenKind::KwOperator) ||
             (!abstract && is_c_typedef_keyword(p.current.kind)) ||
             (at(p, TokenKind::Tilde) && p.in_class != nullptr)) {
    if (!parse_declarator_name(p, d)) return false;
  } else if (!abstract) {
    return fail(p);
  }
  std::vector<Operation> suffixes;
  for (;;) {
    if (at(p, TokenKind::LeftBracket) && peek(p) != TokenKind::LeftBracket) {
      if (!parse_array_suffix(p, suffixes)) return false;
    } else if (at(p, TokenKind::LeftParen)) {
      if (!parse_function_suffix(p, suffixes)) return false;
    } else if (!skip_extension(p)) {  // GNU attributes and asm labels after the name or a suffix:
      break;                          // "int flags __attribute__((__unused__))", "(*f) __attribute__((x)) (int)"
    }
  }
  d.operations = std::move(prefix);
  for (auto s = suffixes.rbegin(); s != suffixes.rend(); ++s) d.operations.push_back(std::move(*s));
  if (nested) {
    for (Operation& operation : inner.operations) d.operations.push_back(std::move(operation));
  }
  return true;
}

TypeDescriptor* apply_declarator(Parser& p, TypeDescriptor* type, const Declarator& d) {
  TypeStore& store = p.dict->types;
  if (d.special && type == nullptr && d.is_function()) type = p.dict->base.builtin.void_type;
  for (const Operation& operation : d.operations) {
    switch (operation.kind) {
      case OperationKind::Pointer:
        type = make_pointer(store, type);
        break;
      case OperationKind::Reference:
        type = make_reference(store, type);
        break;
      case OperationKind::Qualify:
        if (operation.qualifier != nullptr) type = make_qualified(store, operation.qualifier, type);
        break;
      case OperationKind::Array:
        type = make_array(store, type, operation.bound_text, operation.bound);
        break;
      case OperationKind::Function: {
        // "auto f() -> T": the trailing result replaces the placeholder
        TypeDescriptor* result = operation.has_trailing_result ? operation.trailing_result : type;
        type = make_function(store, result, operation.parameters);
        break;
      }
    }
  }
  return type;
}

TypeDescriptor* parse_type_id(Parser& p, bool* ok) {
  Specifiers s;
  if (!parse_specifiers(p, s, SpecifierUse::TypeName)) {
    *ok = false;
    return nullptr;
  }
  Declarator d;
  if (!parse_declarator(p, d, true)) {
    *ok = false;
    return nullptr;
  }
  if (d.name != nullptr) {
    *ok = fail(p);
    return nullptr;
  }
  return apply_declarator(p, specified_type(p, s), d);
}

bool parse_kr_declarations(Parser& p, Declarator& d) {
  Operation& function = d.operations.back();
  while (!at(p, TokenKind::LeftBrace)) {
    if (at(p, TokenKind::End)) return fail(p);
    Specifiers s;
    if (!parse_specifiers(p, s, SpecifierUse::Parameter)) return false;
    TypeDescriptor* base_type = specified_type(p, s);
    for (;;) {
      Declarator parameter;
      if (!parse_declarator(p, parameter, false)) return false;
      auto named = std::find_if(function.parameters.begin(), function.parameters.end(),
                                [&](const Parameter& candidate) { return candidate.name == parameter.name; });
      if (named == function.parameters.end()) {
        // Reported, and the definition is read to its end so that its body is no declaration.
        SourcePosition where = here(p);
        if (!d.invalid) diag::report_at(diag::MessageKind::Warning, diag::Code::FUNCT_DEF, parameter.name, where.file, where.line);
        d.invalid = true;
      } else {
        named->type = apply_declarator(p, base_type, parameter);
      }
      if (at(p, TokenKind::Comma)) {
        advance(p);
        continue;
      }
      if (!expect(p, TokenKind::Semicolon)) return false;
      break;
    }
  }
  return true;
}

bool skip_function_body(Parser& p) {
  if (at(p, TokenKind::KwTry)) advance(p);
  if (at(p, TokenKind::Colon)) {  // constructor initialisers: "a(1), b{2}"
    // A "{" right after a name (or a template's ">") opens a member initialiser; any other
    // "{" is the body's.
    TokenKind previous = TokenKind::Colon;
    advance(p);
    while (!(at(p, TokenKind::LeftBrace) && previous != TokenKind::Identifier && previous != TokenKind::Greater)) {
      if (at(p, TokenKind::End)) return fail(p);
      previous = p.current.kind;
      if (at(p, TokenKind::LeftParen) || at(p, TokenKind::LeftBrace)) {
        if (!skip_balanced(p)) return false;
        previous = TokenKind::RightParen;
        continue;
      }
      advance(p);
    }
  }
  if (!at(p, TokenKind::LeftBrace)) return fail(p);
  // Only braces count inside a body: its statements are not read.
  int depth = 0;
  do {
    if (at(p, TokenKind::End)) return fail(p);
    if (at(p, TokenKind::LeftBrace)) ++depth;
    if (at(p, TokenKind::RightBrace)) --depth;
    advance(p);
  } while (depth > 0);
  if (at(p, TokenKind::KwCatch)) {  // function-try-block handlers
    while (at(p, TokenKind::KwCatch)) {
      advance(p);
      if (!at(p, TokenKind::LeftParen) || !skip_balanced(p)) return fail(p);
      if (!at(p, TokenKind::LeftBrace) || !skip_balanced(p)) return fail(p);
    }
  }
  return true;
}

}  // namespace iface::decl
