// The declaration parser's frame: tokens, recovery, lookups, the declaration list with
// namespaces, linkage blocks, using-directives and templates, and the recording of declarators.
#include "iface/cparse/c_declarations.h"

#include <cctype>

#include "base/intern.h"
#include "diag/report.h"
#include "iface/cparse/c_declarations_parser.h"
#include "iface/dict/dictionary_declare.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/type_members.h"

namespace iface {

namespace decl {

// --- Tokens ---

void advance(Parser& p) {
  p.previous_end = p.current.text.data() + p.current.text.size();
  p.previous_line = p.current.line;
  p.previous_file = p.current.file;
  p.current = next_token(p.lexer);
}

TokenKind peek(Parser& p) {
  LexerMark mark = lexer_mark(p.lexer);
  TokenKind kind = next_token(p.lexer).kind;
  lexer_reset(p.lexer, mark);
  return kind;
}

bool expect(Parser& p, TokenKind kind) {
  if (!at(p, kind)) return fail(p);
  advance(p);
  return true;
}

const char* current_file(const Parser& p) { return p.current.file != nullptr ? p.current.file : p.default_file; }

SourcePosition here(const Parser& p) { return SourcePosition{base::intern_or_empty(current_file(p)), p.current.line}; }

bool fail_with(Parser& p, diag::Code code, std::string_view argument) {
  if (p.quiet) return false;
  p.quiet = true;
  diag::report_at(diag::MessageKind::Warning, code, argument, base::intern_or_empty(current_file(p)), p.current.line);
  return false;
}

bool fail(Parser& p) {
  if (p.quiet) return false;
  if (at(p, TokenKind::End) && !p.end_is_syntax_error) {
    // At the last line that has a token: the end of the text is past its newline.
    p.quiet = true;
    const char* file = p.previous_file != nullptr ? p.previous_file : current_file(p);
    int line = p.previous_line != 0 ? p.previous_line : p.current.line;
    diag::report_at(diag::MessageKind::Error, diag::Code::UNEXP_EOF, "end of text inside a declaration",
                    base::intern_or_empty(file), line);
    return false;
  }
  return fail_with(p, diag::Code::SYNTAXERR, "syntax error");
}

Nest::Nest(Parser& p) : p_(p) {
  if (++p_.depth >= declaration_stack_limit) {
    ok_ = false;
    fail_with(p_, diag::Code::SYNTAXERR, "yacc stack overflow");
  }
}

bool skip_balanced(Parser& p) {
  int depth = 0;
  do {
    switch (p.current.kind) {
      case TokenKind::End:
        return fail(p);
      case TokenKind::LeftParen: case TokenKind::LeftBracket: case TokenKind::LeftBrace:
        ++depth;
        break;
      case TokenKind::RightParen: case TokenKind::RightBracket: case TokenKind::RightBrace:
        --depth;
        break;
      default:
        break;
    }
    advance(p);
  } while (depth > 0);
  return true;
}

namespace {

bool is_word_character(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

}  // namespace

void append_token_text(std::string& out, std::string_view text) {
  if (text.empty()) return;
  if (!out.empty() && is_word_character(out.back()) && is_word_character(text.front())) out += ' ';
  out += text;
}

bool skip_extension(Parser& p) {
  switch (p.current.kind) {
    case TokenKind::KwExtension:
      advance(p);
      return true;
    case TokenKind::KwAttribute: case TokenKind::KwAlignas: case TokenKind::KwAsm:
      advance(p);
      if (at(p, TokenKind::KwVolatile) || at(p, TokenKind::KwInline) || at(p, TokenKind::KwGoto)) advance(p);
      if (at(p, TokenKind::LeftParen)) skip_balanced(p);
      return true;
    case TokenKind::LeftBracket:
      if (peek(p) != TokenKind::LeftBracket) return false;
      skip_balanced(p);
      return true;
    case TokenKind::Identifier:
      if (std::string_view(p.current.name) != "__declspec" || peek(p) != TokenKind::LeftParen) return false;
      advance(p);
      skip_balanced(p);
      return true;
    default:
      return false;
  }
}

std::string skip_until(Parser& p, std::initializer_list<TokenKind> stops, bool angles) {
  std::string text;
  int depth = 0;
  while (!at(p, TokenKind::End)) {
    TokenKind k = p.current.kind;
    if (depth == 0) {
      bool stop = false;
      for (TokenKind s : stops) stop = stop || k == s;
      if (stop) break;
    }
    if (k == TokenKind::LeftParen || k == TokenKind::LeftBracket || k == TokenKind::LeftBrace ||
        (angles && k == TokenKind::Less)) {
      ++depth;
    } else if (k == TokenKind::RightParen || k == TokenKind::RightBracket || k == TokenKind::RightBrace ||
               (angles && k == TokenKind::Greater)) {
      if (depth == 0) break;  // closes something outside: the caller's
      --depth;
    }
    append_token_text(text, p.current.text);
    advance(p);
  }
  return text;
}

// --- Names and lookups ---

LookupContext context_of(const Parser& p) { return scope_context(p.scope); }

TypeDescriptor* type_named(Parser& p, const char* name) {
  for (auto frame = p.templates.rbegin(); frame != p.templates.rend(); ++frame) {
    const TemplateFrame& t = **frame;
    for (std::size_t i = 0; i < t.parameters.size(); ++i) {
      if (t.parameters[i].name == name && t.parameters[i].is_type) return t.parameter_types[i];
    }
    if (t.defined_name == name && t.pattern != nullptr) return t.pattern;
  }
  SymbolEntry* entry = lookup_type_name(*p.dict, name, context_of(p));
  return entry != nullptr ? entry->declaration.type : nullptr;
}

TypeDescriptor* resolve_scope(const Parser& p, const std::vector<const char*>& parts, bool leading_global) {
  std::string path;
  for (const char* part : parts) {
    if (!path.empty()) path += "::";
    path += part;
  }
  if (!leading_global) {
    for (const TypeDescriptor* s = p.scope; s != nullptr; s = s->scope) {
      const ScopeInfo* info = scope_info(s);
      if (info == nullptr || info->qualified_name.empty()) continue;
      if (TypeDescriptor* found = find_scope(*p.dict, info->qualified_name + "::" + path)) return found;
    }
  }
  return find_scope(*p.dict, path);
}

TypeNameQuery type_name_query(Parser& p) {
  return [&p](const char* name, std::string_view) {
    std::string_view text(name);
    if (text.find("::") == std::string_view::npos) return type_named(p, name) != nullptr;
    std::vector<const char*> parts;
    std::size_t start = 0;
    if (text.substr(0, 2) == "::") {
      parts.push_back(nullptr);
      start = 2;
    }
    while (start <= text.size()) {
      std::size_t end = text.find("::", start);
      if (end == std::string_view::npos) end = text.size();
      parts.push_back(base::intern(text.substr(start, end - start)));
      start = end + 2;
    }
    return lookup_qualified_type(*p.dict, parts) != nullptr;
  };
}

ExprContext expression_context(Parser& p) {
  ExprContext context;
  const ScopeInfo* info = scope_info(p.scope);
  if (info != nullptr) context.scope = info->qualified_name;
  context.file = base::intern_or_empty(current_file(p));
  context.line = p.current.line;
  context.sizes = &p.analyser->sizes;
  context.is_type_name = type_name_query(p);
  return context;
}

namespace {

// --- Recovery ---

// After a failure: up to the next ";" at the declaration's own depth (consumed), or past the "}"
// that closes a body the declaration opened (and a ";" right after it). A "}" of the enclosing
// body is left for it.
void skip_to_safe_point(Parser& p) {
  int depth = 0;
  while (!at(p, TokenKind::End)) {
    TokenKind k = p.current.kind;
    if (k == TokenKind::Semicolon && depth == 0) {
      advance(p);
      return;
    }
    if (k == TokenKind::LeftBrace) ++depth;
    if (k == TokenKind::RightBrace) {
      if (depth == 0) return;
      advance(p);
      if (--depth == 0) {
        if (at(p, TokenKind::Semicolon)) advance(p);
        return;
      }
      continue;
    }
    advance(p);
  }
}

// --- Recording ---

const char* declaration_file(const Parser& p, const Token& start) {
  return start.file != nullptr ? start.file : p.default_file;
}

unsigned symbol_flags(const Specifiers& s, bool defined, bool force_extern) {
  unsigned flags = 0;
  if (s.is_static) flags |= kSymbolStatic;
  if ((s.is_extern || force_extern) && !defined) flags |= kSymbolExtern;
  if (s.is_inline) flags |= kSymbolInline;
  if (defined) flags |= kSymbolDefined;
  return flags;
}

std::uint8_t member_flags(const Parser& p, const Specifiers& s) {
  std::uint8_t flags = p.in_class->access;
  if (s.is_virtual) flags |= kMemberVirtual;
  if (s.is_static) flags |= kMemberStatic;
  return flags;
}

void record(Parser& p, const Specifiers& s, const Declarator& d, TypeDescriptor* base_type, const Token& start,
            bool defined) {
  if (p.discard || d.qualified || d.invalid || (s.is_friend && !s.is_typedef)) return;
  TypeDescriptor* type = apply_declarator(p, base_type, d);
  const char* file = declaration_file(p, start);
  SourcePosition where{base::intern_or_empty(file), start.line};
  if (s.is_typedef) {
    if (d.name != nullptr && !in_pattern(p)) declare_typedef(*p.dict, d.name, type, p.scope, file, where);
    return;
  }
  if (p.in_class != nullptr) {
    add_member(p.in_class->compound, Member{d.name, type, member_flags(p, s), d.bit_width});
    return;
  }
  if (d.name == nullptr) return;
  declare_object(*p.dict, d.name, type, p.scope, file, symbol_flags(s, defined, p.force_extern), where);
}

// An anonymous struct or union without declarator inside a class is a member whose members
// belong to the class.
void record_tag_only(Parser& p, const Specifiers& s) {
  if (p.discard || p.in_class == nullptr || !s.anonymous_tag || s.is_typedef || s.is_friend) return;
  if (s.type == nullptr || (s.type->kind != TypeKind::Struct && s.type->kind != TypeKind::Union)) return;
  add_member(p.in_class->compound, Member{nullptr, s.type, p.in_class->access, -1});
}

// --- Simple declarations ---

// "= value", "{ list }" or "(arguments)" after a declarator: skipped.
bool skip_initialiser(Parser& p) {
  if (at(p, TokenKind::Assign)) {
    advance(p);
    skip_until(p, {TokenKind::Comma, TokenKind::Semicolon}, false);
    return true;
  }
  if (at(p, TokenKind::LeftBrace)) return skip_balanced(p);
  return true;
}

// Member declarator extras: bit-field width.
bool parse_bit_field(Parser& p, Declarator& d) {
  advance(p);  // ':'
  long long width = 0;
  bool computed = false;
  if (!parse_constant(p, nullptr, &width, &computed)) return false;
  d.bit_width = computed && width >= 0 && width <= 1024 ? static_cast<int>(width) : 0;
  return true;
}

bool parse_simple_declaration(Parser& p) {
  Token start = p.current;
  Specifiers s;
  SpecifierUse use = p.in_class != nullptr ? SpecifierUse::Member : SpecifierUse::Declaration;
  if (!parse_specifiers(p, s, use)) return false;
  if (at(p, TokenKind::Semicolon)) {
    advance(p);
    record_tag_only(p, s);
    return true;
  }
  TypeDescriptor* base_type = specified_type(p, s);
  for (bool first = true;; first = false) {
    Declarator d;
    if (p.in_class != nullptr && at(p, TokenKind::Colon)) {
      if (!parse_bit_field(p, d)) return false;
    } else {
      if (!parse_declarator(p, d, false)) return false;
      if (p.in_class != nullptr && at(p, TokenKind::Colon) && !d.is_function() && !parse_bit_field(p, d))
        return false;
    }
    while (skip_extension(p)) {
    }
    if (d.is_function() && d.function()->kr && !at(p, TokenKind::Semicolon) && !at(p, TokenKind::Comma)) {
      if (!parse_kr_declarations(p, d)) return false;
    }
    bool body = d.is_function() && (at(p, TokenKind::LeftBrace) || at(p, TokenKind::Colon) || at(p, TokenKind::KwTry));
    if (body) {
      if (!first || s.is_typedef) {
        fail_with(p, diag::Code::FUNCT_DEF, d.name != nullptr ? d.name : "");
        return false;
      }
      record(p, s, d, base_type, start, true);
      return skip_function_body(p);
    }
    if (!skip_initialiser(p)) return false;
    record(p, s, d, base_type, start, false);
    if (at(p, TokenKind::Comma)) {
      advance(p);
      continue;
    }
    return expect(p, TokenKind::Semicolon);
  }
}

// --- Namespaces, linkage, using ---

bool parse_namespace(Parser& p) {
  advance(p);  // namespace
  while (skip_extension(p)) {
  }
  std::vector<const char*> names;
  while (at(p, TokenKind::Identifier)) {
    names.push_back(p.current.name);
    advance(p);
    if (!at(p, TokenKind::Scope)) break;
    advance(p);
    if (at(p, TokenKind::KwInline)) advance(p);
  }
  if (at(p, TokenKind::Assign)) {  // namespace alias
    skip_until(p, {TokenKind::Semicolon}, false);
    return expect(p, TokenKind::Semicolon);
  }
  while (skip_extension(p)) {
  }
  SourcePosition where = here(p);
  if (!at(p, TokenKind::LeftBrace)) return fail(p);
  Nest nest(p);
  if (!nest.ok()) return false;
  advance(p);
  TypeDescriptor* saved = p.scope;
  if (names.empty()) {
    std::string name = next_unnamed_namespace_name(*p.dict);
    p.scope = enter_unnamed_namespace(*p.dict, base::intern(name), p.scope, where);
  }
  for (const char* name : names) p.scope = enter_namespace(*p.dict, name, p.scope, where);
  ClassFrame* saved_class = p.in_class;
  p.in_class = nullptr;
  parse_declaration_list(p, true);
  p.in_class = saved_class;
  p.scope = saved;
  if (!at(p, TokenKind::RightBrace)) return fail(p);
  advance(p);
  return true;
}

bool parse_linkage(Parser& p) {
  advance(p);  // extern
  advance(p);  // "C"
  if (at(p, TokenKind::LeftBrace)) {
    Nest nest(p);
    if (!nest.ok()) return false;
    advance(p);
    parse_declaration_list(p, true);
    return expect(p, TokenKind::RightBrace);
  }
  bool saved = p.force_extern;
  p.force_extern = true;
  bool ok = parse_simple_declaration(p);
  p.force_extern = saved;
  return ok;
}

// A possibly qualified name: "A::B::c", "::c". The parts are interned.
bool read_qualified_name(Parser& p, std::vector<const char*>& parts, bool* leading_global) {
  *leading_global = false;
  if (at(p, TokenKind::Scope)) {
    *leading_global = true;
    advance(p);
  }
  for (;;) {
    if (!at(p, TokenKind::Identifier)) return fail(p);
    parts.push_back(p.current.name);
    advance(p);
    if (at(p, TokenKind::Less)) {  // "B<int>::c": the arguments say nothing about the scope here
      std::vector<TemplateArgument> ignored;
      if (!parse_template_arguments(p, ignored)) return false;
    }
    if (!at(p, TokenKind::Scope)) return true;
    advance(p);
  }
}

std::string joined(const std::vector<const char*>& parts) {
  std::string text;
  for (const char* part : parts) {
    if (!text.empty()) text += "::";
    text += part;
  }
  return text;
}

// "B::member;" or "using B::member;" in a class: the member must be one of a base's.
bool check_access_declaration(Parser& p, const std::vector<const char*>& parts, const Token& start) {
  if (p.discard || p.in_class == nullptr || parts.empty()) return true;
  const CompoundData* data = compound_data(p.in_class->compound);
  for (const BaseClass& base : data->bases) {
    if (find_member(base.type, parts.back()) != nullptr) return true;
  }
  if (!p.quiet) {
    diag::report_at(diag::MessageKind::Warning, diag::Code::MODACCINC, joined(parts),
                    base::intern_or_empty(declaration_file(p, start)), start.line);
  }
  return true;
}

bool parse_using(Parser& p) {
  advance(p);  // using
  if (at(p, TokenKind::KwNamespace)) {
    advance(p);
    std::vector<const char*> parts;
    bool global = false;
    SourcePosition where = here(p);
    if (!read_qualified_name(p, parts, &global)) return false;
    TypeDescriptor* used = resolve_scope(p, parts, global);
    if (used == nullptr || used->kind != TypeKind::Namespace) {
      diag::report_at(diag::MessageKind::Warning, diag::Code::IDENTIINC, joined(parts), where.file, where.line);
    } else if (!p.discard) {
      add_using_directive(*p.dict, p.scope, used);
    }
    return expect(p, TokenKind::Semicolon);
  }
  if (at(p, TokenKind::Identifier) && peek(p) == TokenKind::Assign) {  // using T = type;
    Token start = p.current;
    const char* name = p.current.name;
    advance(p);
    advance(p);
    bool ok = true;
    TypeDescriptor* type = parse_type_id(p, &ok);
    if (!ok) return false;
    if (!p.discard) {
      const char* file = declaration_file(p, start);
      declare_typedef(*p.dict, name, type, p.scope, file, SourcePosition{base::intern_or_empty(file), start.line});
    }
    return expect(p, TokenKind::Semicolon);
  }
  if (at(p, TokenKind::KwTypename)) advance(p);
  std::vector<const char*> parts;
  bool global = false;
  Token start = p.current;
  if (!read_qualified_name(p, parts, &global)) return false;
  if (!expect(p, TokenKind::Semicolon)) return false;
  return check_access_declaration(p, parts, start);
}

// --- Templates ---

bool parse_template_parameter(Parser& p, TemplateFrame& frame) {
  TemplateParameter parameter;
  if (at(p, TokenKind::KwTemplate)) {  // template <...> class TT
    advance(p);
    if (!at(p, TokenKind::Less)) return fail(p);
    advance(p);
    skip_until(p, {TokenKind::Greater}, true);
    if (!expect(p, TokenKind::Greater)) return false;
  }
  if (at(p, TokenKind::KwClass) || at(p, TokenKind::KwTypename)) {
    advance(p);
    if (at(p, TokenKind::Ellipsis)) {
      frame.variadic = true;
      advance(p);
    }
    if (at(p, TokenKind::Identifier)) {
      parameter.name = p.current.name;
      advance(p);
    }
    if (at(p, TokenKind::Assign)) {
      advance(p);
      skip_until(p, {TokenKind::Comma, TokenKind::Greater}, true);
    }
  } else {
    if (!starts_specifiers(p)) return fail(p);
    parameter.is_type = false;
    Specifiers s;
    if (!parse_specifiers(p, s, SpecifierUse::Parameter)) return false;
    if (at(p, TokenKind::Ellipsis)) {
      frame.variadic = true;
      advance(p);
    }
    Declarator d;
    if (!parse_declarator(p, d, true)) return false;
    parameter.name = d.name;
    parameter.value_type = apply_declarator(p, specified_type(p, s), d);
    if (at(p, TokenKind::Assign)) {
      advance(p);
      skip_until(p, {TokenKind::Comma, TokenKind::Greater}, true);
    }
  }
  frame.parameters.push_back(parameter);
  frame.parameter_types.push_back(parameter.is_type && parameter.name != nullptr
                                      ? make_typedef(p.dict->types, parameter.name, nullptr)
                                      : nullptr);
  return true;
}

bool parse_template_parameters(Parser& p, TemplateFrame& frame) {
  advance(p);  // '<'
  if (at(p, TokenKind::Greater)) {
    advance(p);
    return true;
  }
  for (;;) {
    if (!parse_template_parameter(p, frame)) return false;
    if (at(p, TokenKind::Greater)) {
      advance(p);
      return true;
    }
    if (!expect(p, TokenKind::Comma)) return false;
  }
}

bool is_class_key(TokenKind k) { return k == TokenKind::KwClass || k == TokenKind::KwStruct || k == TokenKind::KwUnion; }

// "template <...> class Name { ... };" or "template <...> class Name;" (current token: the key).
// False with the parser where it was when the key does not start a primary class template.
bool is_primary_class_template(Parser& p) {
  if (!is_class_key(p.current.kind) || p.current.kind == TokenKind::KwUnion) return false;
  // (Attributes between the key and the name are not looked through: such a template is read
  // as a declaration that records nothing.)
  LexerMark mark = lexer_mark(p.lexer);
  Token name = next_token(p.lexer);
  Token after = next_token(p.lexer);
  lexer_reset(p.lexer, mark);
  return name.kind == TokenKind::Identifier &&
         (after.kind == TokenKind::LeftBrace || after.kind == TokenKind::Colon ||
          after.kind == TokenKind::Semicolon ||
          (after.kind == TokenKind::Identifier && std::string_view(after.name) == "final"));
}

bool parse_class_template(Parser& p, TemplateFrame& frame) {
  Token start = p.current;
  bool is_struct = p.current.kind == TokenKind::KwStruct;
  advance(p);
  const char* name = p.current.name;
  advance(p);
  if (at(p, TokenKind::Identifier)) advance(p);  // final
  const char* file = declaration_file(p, start);
  SourcePosition where{base::intern_or_empty(file), start.line};
  TypeDescriptor* pattern = nullptr;
  if (!at(p, TokenKind::Semicolon)) {
    pattern = make_compound(p.dict->types, TypeKind::Struct, name, is_struct);
    frame.defined_name = name;
    frame.pattern = pattern;
    if (at(p, TokenKind::Colon) && !parse_base_list(p, pattern)) return false;
    if (!at(p, TokenKind::LeftBrace)) return fail(p);
    Nest nest(p);
    if (!nest.ok()) return false;
    advance(p);
    ClassFrame cf{pattern, name, static_cast<std::uint8_t>(is_struct ? 0 : kMemberPrivate), p.in_class, true};
    TypeDescriptor* saved_scope = p.scope;
    bool saved_discard = p.discard;
    p.discard = false;
    // Nested types and typedefs of a template body are not entered in the dictionary: they belong
    // to its instances.
    bool ok = parse_member_list(p, cf);
    p.scope = saved_scope;
    p.discard = saved_discard;
    if (!ok) return false;
    compound_data(pattern)->complete = true;
  }
  if (!p.discard) {
    TypeDescriptor* t =
        declare_class_template(*p.dict, name, is_struct, frame.parameters, p.scope, file, where, pattern);
    if (frame.variadic) p.analyser->variadic_templates.insert(t);
  }
  while (skip_extension(p)) {
  }
  return expect(p, TokenKind::Semicolon);
}

// "template <> class X<int> { ... };": the instance takes the body.
bool parse_specialisation(Parser& p, bool full) {
  Specifiers s;
  bool saved = p.discard;
  p.discard = p.discard || !full;
  bool ok = parse_specifiers(p, s, SpecifierUse::Declaration);
  p.discard = saved;
  if (!ok) return false;
  if (at(p, TokenKind::Semicolon)) {
    advance(p);
    return true;
  }
  return fail(p);
}

bool parse_template(Parser& p) {
  advance(p);  // template
  if (!at(p, TokenKind::Less)) {
    // Explicit instantiation: "template class X<int>;" makes the instance; the instance of a
    // function template records nothing.
    bool saved = p.discard;
    p.discard = p.discard || !is_class_key(p.current.kind);
    bool ok = parse_simple_declaration(p);
    p.discard = saved;
    return ok;
  }
  TemplateFrame frame;
  Nest nest(p);
  if (!nest.ok()) return false;
  // The frame is in force from the start: "template <class T, T value>".
  p.templates.push_back(&frame);
  bool quiet = p.quiet;
  p.quiet = true;  // a bad parameter list is reported as a bad template declaration
  bool parameters_ok = parse_template_parameters(p, frame);
  p.quiet = quiet;
  if (!parameters_ok) {
    p.templates.pop_back();
    return fail_with(p, diag::Code::TEMPLADEC, "template");
  }
  bool ok;
  if (at(p, TokenKind::KwUsing)) {  // an alias template: records nothing
    bool saved = p.discard;
    p.discard = true;
    ok = parse_using(p);
    p.discard = saved;
  } else if (at(p, TokenKind::Semicolon) || at(p, TokenKind::End)) {
    ok = fail_with(p, diag::Code::TEMPLADEC, "template");
  } else if (is_primary_class_template(p)) {
    ok = parse_class_template(p, frame);
  } else if (is_class_key(p.current.kind)) {
    ok = parse_specialisation(p, frame.parameters.empty());
  } else if (at(p, TokenKind::KwTemplate)) {
    bool saved = p.discard;
    p.discard = true;
    ok = parse_template(p);
    p.discard = saved;
  } else {
    // A function template, or a member defined outside its template: read, not recorded.
    bool saved = p.discard;
    p.discard = true;
    ok = parse_simple_declaration(p);
    p.discard = saved;
  }
  p.templates.pop_back();
  return ok;
}

bool parse_static_assert(Parser& p) {
  advance(p);
  if (!at(p, TokenKind::LeftParen) || !skip_balanced(p)) return fail(p);
  return expect(p, TokenKind::Semicolon);
}

// In a class: "public:", and the access declaration "B::member;".
bool parse_class_item(Parser& p, bool* done) {
  *done = true;
  switch (p.current.kind) {
    case TokenKind::KwPublic: p.in_class->access = 0; break;
    case TokenKind::KwProtected: p.in_class->access = kMemberProtected; break;
    case TokenKind::KwPrivate: p.in_class->access = kMemberPrivate; break;
    default: {
      if (!(at(p, TokenKind::Identifier) && peek(p) == TokenKind::Scope)) {
        *done = false;
        return true;
      }
      LexerMark mark = lexer_mark(p.lexer);
      Token first = p.current;
      const char* first_end = p.previous_end;
      std::vector<const char*> parts;
      bool global = false;
      bool quiet = p.quiet;
      p.quiet = true;  // only a look: the declaration's own parse reports
      if (read_qualified_name(p, parts, &global) && at(p, TokenKind::Semicolon)) {
        p.quiet = quiet;
        advance(p);
        return check_access_declaration(p, parts, first);
      }
      p.quiet = quiet;
      lexer_reset(p.lexer, mark);
      p.current = first;
      p.previous_end = first_end;
      *done = false;
      return true;
    }
  }
  advance(p);
  return expect(p, TokenKind::Colon);
}

bool parse_declaration(Parser& p) {
  if (p.in_class != nullptr) {
    bool done = false;
    bool ok = parse_class_item(p, &done);
    if (done) return ok;
  }
  for (;;) {
    switch (p.current.kind) {
      case TokenKind::Semicolon:
        advance(p);
        return true;
      case TokenKind::KwExtension: case TokenKind::KwExport:
        advance(p);
        continue;
      case TokenKind::KwNamespace:
        return parse_namespace(p);
      case TokenKind::KwInline:
        if (peek(p) == TokenKind::KwNamespace) {
          advance(p);
          return parse_namespace(p);
        }
        return parse_simple_declaration(p);
      case TokenKind::KwUsing:
        return parse_using(p);
      case TokenKind::KwTemplate:
        return parse_template(p);
      case TokenKind::KwStaticAssert:
        return parse_static_assert(p);
      case TokenKind::KwAsm:
        advance(p);
        if (at(p, TokenKind::LeftParen) && !skip_balanced(p)) return false;
        return expect(p, TokenKind::Semicolon);
      case TokenKind::KwExtern:
        if (peek(p) == TokenKind::StringLiteral) return parse_linkage(p);
        return parse_simple_declaration(p);
      default:
        return parse_simple_declaration(p);
    }
  }
}

// Keeps the dictionary's base types in step with the size pragmas read so far.
void apply_size_pragmas(DeclarationAnalyser& analyser) {
  BaseTypes& base = analyser.dictionary->base;
  const SizeSettings& s = analyser.sizes;
  IntegerSizes& d = base.sizes;
  bool changed = false;
  auto sync = [&](int wanted, int current, std::string_view word) {
    if (wanted == current) return;
    set_builtin_size(base, word, wanted);
    changed = true;
  };
  sync(s.char_bits, d.char_bits, "char");
  sync(s.short_bits, d.short_bits, "short");
  sync(s.int_bits, d.int_bits, "int");
  sync(s.long_bits, d.long_bits, "long");
  sync(s.long_long_bits, d.long_long_bits, "longlong");
  if (s.char_unsigned != d.plain_char_unsigned) {
    set_plain_char_unsigned(base, s.char_unsigned);
    changed = true;
  }
  if (changed) analyser.composed_types.clear();
}

}  // namespace

void parse_declaration_list(Parser& p, bool in_body) {
  while (!at(p, TokenKind::End) && !(in_body && at(p, TokenKind::RightBrace))) {
    if (p.templates.empty() && p.in_class == nullptr) apply_size_pragmas(*p.analyser);
    if (parse_declaration(p)) {
      p.quiet = false;
      continue;
    }
    skip_to_safe_point(p);
    p.quiet = false;
    if (!in_body && at(p, TokenKind::RightBrace)) advance(p);  // a stray "}" at file level
  }
}

}  // namespace decl

namespace {

// Pragma lines that name a typedef of an integer type.
TypedefPragmaHooks typedef_hooks(DeclarationAnalyser& analyser) {
  auto find = [&analyser](const char* name) -> TypeDescriptor* {
    SymbolEntry* entry = lookup_ordinary(*analyser.dictionary, name, global_context());
    return entry != nullptr ? entry->declaration.type : nullptr;
  };
  TypedefPragmaHooks hooks;
  hooks.set_size = [&analyser, find](const char* name, int bits) {
    TypeDescriptor* alias = find(name);
    return alias != nullptr && set_typedef_integer_size(analyser.dictionary->types, alias, bits);
  };
  hooks.set_sign = [&analyser, find](const char* name, bool is_unsigned) {
    TypeDescriptor* alias = find(name);
    return alias != nullptr && set_typedef_integer_sign(analyser.dictionary->types, alias, is_unsigned);
  };
  return hooks;
}

// The caches hold descriptors of the dictionary's store: they go when the dictionary is emptied.
// The store only grows between initialisations, so a smaller store than the last one seen
// (or other built-in types) says that the dictionary was initialised again.
void check_caches(DeclarationAnalyser& analyser) {
  const TypeDescriptor* owner = analyser.dictionary->base.builtin.int_type;
  std::size_t size = analyser.dictionary->types.descriptors.size();
  if (analyser.cache_owner != owner || size < analyser.store_size_seen) {
    analyser.composed_types.clear();
    analyser.extension_types.clear();
    analyser.variadic_templates.clear();
    analyser.bound_trees.clear();
    analyser.cache_owner = owner;
  }
  analyser.store_size_seen = size;
}

}  // namespace

void reset_analyser(DeclarationAnalyser& analyser, Dictionary& dictionary) {
  analyser.dictionary = &dictionary;
  analyser.sizes = SizeSettings{};
  analyser.bound_trees.clear();
  analyser.composed_types.clear();
  analyser.extension_types.clear();
  analyser.variadic_templates.clear();
  analyser.cache_owner = dictionary.base.builtin.int_type;
  analyser.store_size_seen = dictionary.types.descriptors.size();
}

namespace decl {

void start_parser(Parser& p, DeclarationAnalyser& analyser, std::string_view text, TypeDescriptor* scope,
                  std::string_view file, int line) {
  check_caches(analyser);
  p.analyser = &analyser;
  p.dict = analyser.dictionary;
  p.default_file = file.empty() ? nullptr : base::intern(file);
  p.scope = scope;
  lexer_init(p.lexer, text, file, line, &analyser.sizes);
  p.lexer.hooks = typedef_hooks(analyser);
  p.previous_end = p.lexer.cursor;
  p.current = next_token(p.lexer);
}

}  // namespace decl

void analyse_declarations(DeclarationAnalyser& analyser, std::string_view text, TypeDescriptor* scope,
                          std::string_view file, int line) {
  decl::Parser p;
  decl::start_parser(p, analyser, text, scope, file, line);
  decl::parse_declaration_list(p, false);
  decl::apply_size_pragmas(analyser);
  analyser.store_size_seen = analyser.dictionary->types.descriptors.size();
}

const ExprNode* array_bound_expression(const TypeDescriptor* array) {
  const ArrayData* data = array_data(array);
  // The dictionary keeps the bound as an opaque pointer; the analyser stores its own nodes there.
  return data != nullptr ? data->bound_expression : nullptr;
}

}  // namespace iface
