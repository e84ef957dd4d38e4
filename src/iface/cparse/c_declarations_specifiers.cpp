// Declaration specifiers: storage classes, qualifiers, base-type words, type names (plain,
// qualified, template instances), and the bodies of struct, union, class and enum specifiers.
#include <string>

#include "base/intern.h"
#include "diag/report.h"
#include "iface/cparse/c_declarations_parser.h"
#include "iface/dict/dictionary_declare.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/type_members.h"
#include "iface/dict/type_print.h"

namespace iface::decl {

namespace {

// A base type of the GNU and C23 extensions, one descriptor per name and dictionary.
TypeDescriptor* extension_type(Parser& p, TypeKind kind, std::string_view spelling, int bits) {
  const char* name = base::intern(spelling);
  auto found = p.analyser->extension_types.find(name);
  if (found != p.analyser->extension_types.end()) return found->second;
  TypeDescriptor* type = new_descriptor(p.dict->types, kind, BaseTypeData{std::string(spelling), bits, false});
  p.analyser->extension_types.emplace(name, type);
  return type;
}

int floating_bits(TokenKind k) {
  switch (k) {
    case TokenKind::KwFloat16: return 16;
    case TokenKind::KwFloat32: case TokenKind::KwDecimal32: return 32;
    case TokenKind::KwFloat64: case TokenKind::KwFloat32x: case TokenKind::KwDecimal64: return 64;
    case TokenKind::KwGnuFloat80: return 80;
    default: return 128;
  }
}

// The core type of a base-type keyword, or null for a keyword that is none.
TypeDescriptor* core_of(Parser& p, const Token& token) {
  const BuiltinTypes& b = p.dict->base.builtin;
  switch (token.kind) {
    case TokenKind::KwVoid: return b.void_type;
    case TokenKind::KwChar: return b.char_type;
    case TokenKind::KwInt: return b.int_type;
    case TokenKind::KwFloat: return b.float_type;
    case TokenKind::KwDouble: return b.double_type;
    case TokenKind::KwBool: return b.bool_type;
    case TokenKind::KwWchar: return b.wchar_type;
    case TokenKind::KwChar16: return extension_type(p, TypeKind::Integer, "char16_t", 16);
    case TokenKind::KwChar32: return extension_type(p, TypeKind::Integer, "char32_t", 32);
    case TokenKind::KwInt128: return extension_type(p, TypeKind::Integer, "__int128", -128);
    case TokenKind::KwFloat16: case TokenKind::KwFloat32: case TokenKind::KwFloat64: case TokenKind::KwFloat128:
    case TokenKind::KwFloat32x: case TokenKind::KwFloat64x: case TokenKind::KwFloat128x:
    case TokenKind::KwGnuFloat128: case TokenKind::KwGnuFloat80: case TokenKind::KwDecimal32:
    case TokenKind::KwDecimal64: case TokenKind::KwDecimal128:
      return extension_type(p, TypeKind::Floating, token.text, floating_bits(token.kind));
    case TokenKind::KwBuiltinVaList: {
      const char* key = base::intern("__builtin_va_list");
      auto found = p.analyser->extension_types.find(key);
      if (found != p.analyser->extension_types.end()) return found->second;
      TypeDescriptor* list = make_pointer(p.dict->types, b.void_type);
      p.analyser->extension_types.emplace(key, list);
      return list;
    }
    default: return nullptr;
  }
}

bool set_type(Parser& p, Specifiers& s, TypeDescriptor* type) {
  if (s.has_type) return fail(p);
  s.type = type;
  s.has_type = true;
  return true;
}

// "typeof(type)" or "typeof(expression)"; "decltype(...)" the same.
bool parse_typeof(Parser& p, Specifiers& s) {
  advance(p);
  if (!at(p, TokenKind::LeftParen)) return fail(p);
  LexerMark mark = lexer_mark(p.lexer);
  Token open = p.current;
  const char* open_end = p.previous_end;
  advance(p);
  if (starts_specifiers(p)) {
    bool ok = true;
    TypeDescriptor* type = parse_type_id(p, &ok);
    if (ok && at(p, TokenKind::RightParen)) {
      advance(p);
      return set_type(p, s, type);
    }
    if (!ok) return false;
  }
  lexer_reset(p.lexer, mark);
  p.current = open;
  p.previous_end = open_end;
  if (!skip_balanced(p)) return false;
  return set_type(p, s, nullptr);
}

bool is_template_pattern(const Parser& p, const TypeDescriptor* type) {
  for (const TemplateFrame* frame : p.templates) {
    if (frame->pattern != nullptr && frame->pattern == type) return true;
  }
  return false;
}

// "b::s" seen from inside namespace a: the scope is searched from the current scope outward.
SymbolEntry* lookup_relative_type(Parser& p, const std::vector<const char*>& parts) {
  std::vector<const char*> scope_parts(parts.begin(), parts.end() - 1);
  const TypeDescriptor* scope = resolve_scope(p, scope_parts, false);
  const ScopeInfo* info = scope_info(scope);
  if (info == nullptr) return nullptr;
  std::vector<const char*> full;
  std::string_view name = info->qualified_name;
  for (std::size_t start = 0; start <= name.size();) {
    std::size_t end = name.find("::", start);
    if (end == std::string_view::npos) end = name.size();
    full.push_back(base::intern(name.substr(start, end - start)));
    start = end + 2;
  }
  full.push_back(parts.back());
  return lookup_qualified_type(*p.dict, full);
}

// An identifier or "::" that may start a type name. Leaves the parser where it was and gives
// false when the name is no type (it is then the declarator's).
bool try_type_name(Parser& p, Specifiers& s, SpecifierUse use) {
  if (at(p, TokenKind::Identifier) && peek(p) != TokenKind::Scope) {
    const char* name = p.current.name;
    if (p.in_class != nullptr && name == p.in_class->name && peek(p) == TokenKind::LeftParen) return false;
    TypeDescriptor* type = type_named(p, name);
    if (type == nullptr) return false;
    if (type->kind == TypeKind::ClassTemplate && peek(p) == TokenKind::Less) {
      advance(p);
      std::vector<TemplateArgument> arguments;
      if (!parse_template_arguments(p, arguments)) return false;
      const TemplateData* data = template_data(type);
      if (arguments.size() > data->parameters.size() && p.analyser->variadic_templates.count(type) == 0) {
        fail_with(p, diag::Code::TEMINSINC, name);
        return false;
      }
      s.type = p.discard ? nullptr : instantiate_template(*p.dict, type, std::move(arguments));
      s.has_type = true;
      return true;
    }
    advance(p);
    if (at(p, TokenKind::Less) && is_template_pattern(p, type)) {
      // "X<T, N>" inside the body of template X: the class being defined.
      std::vector<TemplateArgument> ignored;
      if (!parse_template_arguments(p, ignored)) return false;
    }
    s.type = type;
    s.has_type = true;
    return true;
  }
  // A qualified name: "A::B::T", "::T", "A<int>::T".
  LexerMark mark = lexer_mark(p.lexer);
  Token first = p.current;
  const char* first_end = p.previous_end;
  auto restore = [&]() {
    lexer_reset(p.lexer, mark);
    p.current = first;
    p.previous_end = first_end;
    return false;
  };
  std::vector<const char*> parts;
  if (at(p, TokenKind::Scope)) {
    parts.push_back(nullptr);
    advance(p);
  }
  bool through_instance = false;
  const TypeDescriptor* through_union = nullptr;
  std::string union_path;
  for (;;) {
    if (!at(p, TokenKind::Identifier)) return restore();
    parts.push_back(p.current.name);
    advance(p);
    if (!at(p, TokenKind::Scope)) break;
    if (at(p, TokenKind::Less)) break;
    TokenKind next = peek(p);
    if (next != TokenKind::Identifier) return restore();  // "C::~C", "C::operator", "C::*"
    // A union in the path: its nested types are not reachable that way.
    std::vector<const char*> scope_parts(parts.begin() + (parts.front() == nullptr ? 1 : 0), parts.end());
    const TypeDescriptor* scope = resolve_scope(p, scope_parts, parts.front() == nullptr);
    if (scope != nullptr && scope->kind == TypeKind::Union && through_union == nullptr) {
      through_union = scope;
      union_path = std::string(parts.back());
    }
    advance(p);
  }
  if (at(p, TokenKind::Less)) {  // "A<int>::type" or "N::box<int>"
    std::vector<const char*> template_parts = parts;
    SymbolEntry* entry = lookup_qualified_type(*p.dict, template_parts);
    std::vector<TemplateArgument> arguments;
    if (!parse_template_arguments(p, arguments)) return false;
    if (at(p, TokenKind::Scope)) {
      through_instance = true;
      while (at(p, TokenKind::Scope) && peek(p) == TokenKind::Identifier) {
        advance(p);
        advance(p);
        if (at(p, TokenKind::Less) && !parse_template_arguments(p, arguments)) return false;
      }
    } else if (entry != nullptr && entry->declaration.type->kind == TypeKind::ClassTemplate) {
      s.type = p.discard ? nullptr : instantiate_template(*p.dict, entry->declaration.type, std::move(arguments));
      s.has_type = true;
      return true;
    }
  }
  if (through_instance) {
    s.has_type = true;
    s.type = nullptr;
    return true;
  }
  if (through_union != nullptr) {
    union_path += "::";
    union_path += parts.back();
    fail_with(p, diag::Code::SYNTAXERR, union_path);
    return false;
  }
  SymbolEntry* entry = lookup_qualified_type(*p.dict, parts);
  if (entry == nullptr && parts.front() != nullptr) entry = lookup_relative_type(p, parts);
  if (entry == nullptr) {
    // "T::type" with T a template parameter: a type the analyser cannot see through.
    const TypeDescriptor* head = parts.front() != nullptr ? type_named(p, parts.front()) : nullptr;
    bool dependent = head != nullptr && typedef_data(head) != nullptr && typedef_data(head)->target == nullptr;
    if (dependent && use != SpecifierUse::Declaration && use != SpecifierUse::Member) {
      s.has_type = true;
      s.type = nullptr;
      return true;
    }
    return restore();
  }
  s.type = entry->declaration.type;
  s.has_type = true;
  return true;
}

bool is_storage_word(TokenKind k) {
  switch (k) {
    case TokenKind::KwTypedef: case TokenKind::KwExtern: case TokenKind::KwStatic: case TokenKind::KwAuto:
    case TokenKind::KwRegister: case TokenKind::KwInline: case TokenKind::KwVirtual: case TokenKind::KwExplicit:
    case TokenKind::KwFriend: case TokenKind::KwMutable: case TokenKind::KwConstexpr:
    case TokenKind::KwThreadLocal: case TokenKind::KwNoreturn:
      return true;
    default:
      return false;
  }
}

void apply_storage_word(Parser& p, Specifiers& s) {
  switch (p.current.kind) {
    case TokenKind::KwTypedef: s.is_typedef = true; break;
    case TokenKind::KwExtern: s.is_extern = true; break;
    case TokenKind::KwStatic: s.is_static = true; break;
    case TokenKind::KwInline: s.is_inline = true; break;
    case TokenKind::KwVirtual: s.is_virtual = true; break;
    case TokenKind::KwFriend: s.is_friend = true; break;
    default: break;
  }
  bool explicit_word = at(p, TokenKind::KwExplicit);
  advance(p);
  if (explicit_word && at(p, TokenKind::LeftParen)) skip_balanced(p);
}

}  // namespace

bool is_c_typedef_keyword(TokenKind k) {
  switch (k) {
    case TokenKind::KwWchar: case TokenKind::KwChar16: case TokenKind::KwChar32: case TokenKind::KwBool:
    case TokenKind::KwFloat16: case TokenKind::KwFloat32: case TokenKind::KwFloat64: case TokenKind::KwFloat128:
    case TokenKind::KwFloat32x: case TokenKind::KwFloat64x: case TokenKind::KwFloat128x:
      return true;
    default:
      return false;
  }
}

namespace {

bool is_size_word(TokenKind k) {
  return k == TokenKind::KwShort || k == TokenKind::KwLong || k == TokenKind::KwSigned || k == TokenKind::KwUnsigned;
}

void apply_size_word(Parser& p, Specifiers& s) {
  switch (p.current.kind) {
    case TokenKind::KwShort: ++s.shorts; break;
    case TokenKind::KwLong: ++s.longs; break;
    case TokenKind::KwSigned: s.sign = s.sign == 0 ? 1 : 3; break;
    default: s.sign = s.sign == 0 ? 2 : 3; break;
  }
  advance(p);
}

}  // namespace

bool starts_specifiers(Parser& p) {
  TokenKind k = p.current.kind;
  if (is_storage_word(k) || is_size_word(k)) return true;
  switch (k) {
    case TokenKind::KwConst: case TokenKind::KwVolatile: case TokenKind::KwRestrict: case TokenKind::KwAtomic:
    case TokenKind::KwStruct: case TokenKind::KwClass: case TokenKind::KwUnion: case TokenKind::KwEnum:
    case TokenKind::KwTypename: case TokenKind::KwTypeof: case TokenKind::KwDecltype: case TokenKind::KwComplex:
    case TokenKind::KwImaginary: case TokenKind::KwAttribute: case TokenKind::KwExtension:
      return true;
    default:
      break;
  }
  if (core_of(p, p.current) != nullptr) return true;
  if (at(p, TokenKind::Identifier)) {
    if (peek(p) != TokenKind::Scope) return type_named(p, p.current.name) != nullptr;
    return true;  // a qualified name: the parse decides
  }
  return at(p, TokenKind::Scope);
}

bool parse_specifiers(Parser& p, Specifiers& s, SpecifierUse use) {
  for (;;) {
    TokenKind k = p.current.kind;
    if (is_storage_word(k)) {
      apply_storage_word(p, s);
      continue;
    }
    if (is_size_word(k)) {
      if (s.has_type) return fail(p);
      apply_size_word(p, s);
      continue;
    }
    if (skip_extension(p)) continue;
    switch (k) {
      case TokenKind::KwConst:
        s.is_const = true;
        advance(p);
        continue;
      case TokenKind::KwVolatile:
        s.is_volatile = true;
        advance(p);
        continue;
      case TokenKind::KwRestrict: case TokenKind::KwComplex: case TokenKind::KwImaginary:
        advance(p);
        continue;
      case TokenKind::KwAtomic:
        advance(p);
        if (at(p, TokenKind::LeftParen)) {
          advance(p);
          bool ok = true;
          TypeDescriptor* type = parse_type_id(p, &ok);
          if (!ok || !expect(p, TokenKind::RightParen) || !set_type(p, s, type)) return false;
        }
        continue;
      case TokenKind::KwStruct: case TokenKind::KwClass: case TokenKind::KwUnion:
        if (s.has_type || s.core != nullptr) return fail(p);
        if (!parse_class_specifier(p, s)) return false;
        continue;
      case TokenKind::KwEnum:
        if (s.has_type || s.core != nullptr) return fail(p);
        if (!parse_enum_specifier(p, s)) return false;
        continue;
      case TokenKind::KwTypeof: case TokenKind::KwDecltype:
        if (!parse_typeof(p, s)) return false;
        continue;
      case TokenKind::KwTypename: {
        advance(p);
        if (s.has_type || s.core != nullptr) return fail(p);
        if (!try_type_name(p, s, SpecifierUse::TypeName)) {
          // a dependent name: read it, no type
          if (at(p, TokenKind::Scope)) advance(p);
          while (at(p, TokenKind::Identifier)) {
            advance(p);
            if (at(p, TokenKind::Less)) {
              std::vector<TemplateArgument> ignored;
              if (!parse_template_arguments(p, ignored)) return false;
            }
            if (!at(p, TokenKind::Scope)) break;
            advance(p);
          }
          s.has_type = true;
          s.type = nullptr;
        }
        continue;
      }
      case TokenKind::Identifier: case TokenKind::Scope:
        if (s.has_type || s.core != nullptr || s.longs > 0 || s.shorts > 0 || s.sign != 0) return true;
        if (!try_type_name(p, s, use)) return !p.quiet;
        continue;
      default:
        break;
    }
    if (TypeDescriptor* core = core_of(p, p.current)) {
      // C headers define "wchar_t" and friends as typedefs: the keyword is then the declarator's name.
      if ((s.has_type || s.core != nullptr) && is_c_typedef_keyword(k)) return true;
      if (s.has_type || s.core != nullptr) return fail(p);
      s.core = core;
      advance(p);
      continue;
    }
    return true;
  }
}

TypeDescriptor* specified_type(Parser& p, const Specifiers& s) {
  TypeDescriptor* type = s.type;
  bool words = s.longs > 0 || s.shorts > 0 || s.sign != 0;
  if (!s.has_type && (s.core != nullptr || words)) {
    TypeDescriptor* core = s.core != nullptr ? s.core : p.dict->base.builtin.int_type;
    type = core;
    if (words) {
      std::string key = std::to_string(reinterpret_cast<std::uintptr_t>(core)) + ":" + std::to_string(s.sign) +
                        ":" + std::to_string(s.longs) + ":" + std::to_string(s.shorts);
      auto found = p.analyser->composed_types.find(key);
      if (found != p.analyser->composed_types.end()) {
        type = found->second;
      } else {
        SourcePosition where = here(p);
        BaseTypes& base = p.dict->base;
        if (s.sign == 3) {
          type = compose_type(base, p.dict->types, "signed", compose_type(base, p.dict->types, "unsigned", type, where), where);
        } else if (s.sign != 0) {
          type = compose_type(base, p.dict->types, s.sign == 1 ? "signed" : "unsigned", type, where);
        }
        for (int i = 0; i < s.shorts && type != nullptr; ++i) type = compose_type(base, p.dict->types, "short", type, where);
        for (int i = 0; i < s.longs && type != nullptr; ++i) type = compose_type(base, p.dict->types, "long", type, where);
        if (type != nullptr) p.analyser->composed_types.emplace(key, type);
      }
    }
  }
  if (s.is_volatile) type = make_qualified(p.dict->types, "volatile", type);
  if (s.is_const) type = make_qualified(p.dict->types, "const", type);
  return type;
}

// --- struct, union, class ---

bool parse_base_list(Parser& p, TypeDescriptor* compound) {
  advance(p);  // ':'
  for (;;) {
    std::uint8_t flags = 0;
    bool is_struct = compound_data(compound) != nullptr && compound_data(compound)->is_struct;
    std::uint8_t access = is_struct ? 0 : kMemberPrivate;
    for (bool more = true; more;) {
      switch (p.current.kind) {
        case TokenKind::KwVirtual: flags |= kMemberVirtual; advance(p); break;
        case TokenKind::KwPublic: access = 0; advance(p); break;
        case TokenKind::KwProtected: access = kMemberProtected; advance(p); break;
        case TokenKind::KwPrivate: access = kMemberPrivate; advance(p); break;
        default: more = false; break;
      }
    }
    Specifiers s;
    if (!try_type_name(p, s, SpecifierUse::TypeName)) {
      if (p.quiet) return false;
      if (at(p, TokenKind::Identifier)) return fail_with(p, diag::Code::IDENTIINC, p.current.name);
      return fail(p);
    }
    if (at(p, TokenKind::Ellipsis)) advance(p);
    if (!p.discard && s.type != nullptr) add_base(compound, s.type, static_cast<std::uint8_t>(flags | access));
    if (!at(p, TokenKind::Comma)) return true;
    advance(p);
  }
}

bool parse_member_list(Parser& p, ClassFrame& frame) {
  TypeDescriptor* saved_scope = p.scope;
  const ScopeInfo* info = scope_info(frame.compound);
  if (info != nullptr && !info->qualified_name.empty()) p.scope = frame.compound;
  ClassFrame* saved = p.in_class;
  p.in_class = &frame;
  parse_declaration_list(p, true);
  p.in_class = saved;
  p.scope = saved_scope;
  return expect(p, TokenKind::RightBrace);
}

bool parse_class_specifier(Parser& p, Specifiers& s) {
  Token start = p.current;
  TypeKind kind = at(p, TokenKind::KwUnion) ? TypeKind::Union : TypeKind::Struct;
  bool is_struct = !at(p, TokenKind::KwClass);
  advance(p);
  while (skip_extension(p)) {
  }
  const char* name = nullptr;
  if (at(p, TokenKind::Identifier) || at(p, TokenKind::Scope)) {
    // "struct N::S": the last part names the tag
    if (at(p, TokenKind::Scope)) advance(p);
    while (at(p, TokenKind::Identifier)) {
      name = p.current.name;
      advance(p);
      if (at(p, TokenKind::Less)) {  // a specialisation or an instance named with its key
        std::vector<TemplateArgument> arguments;
        if (!parse_template_arguments(p, arguments)) return false;
        TypeDescriptor* t = type_named(p, name);
        if (t != nullptr && t->kind == TypeKind::ClassTemplate) {
          if (at(p, TokenKind::LeftBrace) || at(p, TokenKind::Colon)) {
            TypeDescriptor* body = make_compound(p.dict->types, kind, name, is_struct);
            // A specialisation's body belongs to its instance: nothing in it is entered in the tables.
            ClassFrame frame{body, name, static_cast<std::uint8_t>(is_struct ? 0 : kMemberPrivate), p.in_class,
                             true};
            if (at(p, TokenKind::Colon) && !parse_base_list(p, body)) return false;
            if (!at(p, TokenKind::LeftBrace)) return fail(p);
            Nest nest(p);
            if (!nest.ok()) return false;
            advance(p);
            if (!parse_member_list(p, frame)) return false;
            compound_data(body)->complete = true;
            s.type = p.discard ? nullptr : instantiate_template(*p.dict, t, std::move(arguments), body);
          } else {
            s.type = p.discard ? nullptr : instantiate_template(*p.dict, t, std::move(arguments));
          }
          s.has_type = true;
          s.defined_tag = true;
          return true;
        }
      }
      if (!at(p, TokenKind::Scope)) break;
      advance(p);
    }
  }
  if (at(p, TokenKind::Identifier) && std::string_view(p.current.name) == "final") advance(p);
  const char* file = start.file != nullptr ? start.file : p.default_file;
  SourcePosition where{base::intern_or_empty(file), start.line};
  if (!at(p, TokenKind::LeftBrace) && !at(p, TokenKind::Colon)) {
    if (name == nullptr) return fail(p);
    // A friend class not seen before belongs to the innermost enclosing namespace.
    TypeDescriptor* scope = p.scope;
    while (s.is_friend && scope != nullptr && scope->kind != TypeKind::Namespace) scope = scope->scope;
    s.type = reference_tag(*p.dict, kind, name, is_struct, context_of(p), scope, file, where);
    s.has_type = true;
    s.elaborated = true;
    return true;
  }
  TypeDescriptor* compound = p.discard || in_pattern(p) ? make_compound(p.dict->types, kind, name, is_struct)
                                       : begin_tag_definition(*p.dict, kind, name, is_struct, p.scope, file, where);
  ClassFrame frame{compound, name, static_cast<std::uint8_t>(is_struct ? 0 : kMemberPrivate), p.in_class,
                   in_pattern(p)};
  if (at(p, TokenKind::Colon) && !parse_base_list(p, compound)) return false;
  if (!at(p, TokenKind::LeftBrace)) return fail(p);
  Nest nest(p);
  if (!nest.ok()) return false;
  advance(p);
  if (!parse_member_list(p, frame)) return false;
  if (p.discard || in_pattern(p)) {
    compound_data(compound)->complete = true;
  } else {
    complete_tag(*p.dict, compound, file, where);
  }
  s.type = compound;
  s.has_type = true;
  s.defined_tag = true;
  s.anonymous_tag = name == nullptr;
  while (skip_extension(p)) {
  }
  return true;
}

// --- enum ---

bool parse_enumerators(Parser& p, TypeDescriptor* enumeration) {
  long long next = 0;
  while (!at(p, TokenKind::RightBrace)) {
    if (!at(p, TokenKind::Identifier)) return fail(p);
    const char* name = p.current.name;
    advance(p);
    while (skip_extension(p)) {
    }
    long long value = next;
    if (at(p, TokenKind::Assign)) {
      advance(p);
      bool computed = false;
      if (!parse_constant(p, enumeration, &value, &computed)) return false;
      if (!computed) value = next;
    }
    if (!p.discard) add_enumerator(enumeration, name, value);
    next = static_cast<long long>(static_cast<unsigned long long>(value) + 1U);
    if (at(p, TokenKind::Comma)) {
      advance(p);
      continue;
    }
    if (!at(p, TokenKind::RightBrace)) return fail(p);
  }
  advance(p);
  return true;
}

bool parse_enum_specifier(Parser& p, Specifiers& s) {
  Token start = p.current;
  advance(p);  // enum
  if (at(p, TokenKind::KwClass) || at(p, TokenKind::KwStruct)) advance(p);
  while (skip_extension(p)) {
  }
  const char* name = nullptr;
  if (at(p, TokenKind::Identifier)) {
    name = p.current.name;
    advance(p);
  }
  if (at(p, TokenKind::Colon)) {  // the underlying type
    advance(p);
    Specifiers underlying;
    if (!parse_specifiers(p, underlying, SpecifierUse::TypeName)) return false;
  }
  const char* file = start.file != nullptr ? start.file : p.default_file;
  SourcePosition where{base::intern_or_empty(file), start.line};
  if (!at(p, TokenKind::LeftBrace)) {
    if (name == nullptr) return fail(p);
    s.type = reference_tag(*p.dict, TypeKind::Enumeration, name, true, context_of(p), p.scope, file, where);
    s.has_type = true;
    s.elaborated = true;
    return true;
  }
  Nest nest(p);
  if (!nest.ok()) return false;
  advance(p);
  TypeDescriptor* enumeration = p.discard || in_pattern(p) ? make_enumeration(p.dict->types, name)
                                          : begin_tag_definition(*p.dict, TypeKind::Enumeration, name, true, p.scope,
                                                                 file, where);
  if (!parse_enumerators(p, enumeration)) return false;
  if (p.discard || in_pattern(p)) {
    enum_data(enumeration)->complete = true;
  } else {
    complete_tag(*p.dict, enumeration, file, where);
  }
  s.type = enumeration;
  s.has_type = true;
  s.defined_tag = true;
  s.anonymous_tag = name == nullptr;
  while (skip_extension(p)) {
  }
  return true;
}

}  // namespace iface::decl

namespace iface::decl {

namespace {

// The ">" that closes a template argument list; a ">>" gives its first half.
bool close_angle(Parser& p) {
  if (at(p, TokenKind::Greater)) {
    advance(p);
    return true;
  }
  if (at(p, TokenKind::ShiftRight)) {
    p.previous_end = p.current.text.data() + 1;
    p.current.kind = TokenKind::Greater;
    p.current.text = p.current.text.substr(1);
    return true;
  }
  return fail(p);
}

bool parse_template_argument(Parser& p, std::vector<TemplateArgument>& arguments) {
  if (starts_specifiers(p)) {
    LexerMark mark = lexer_mark(p.lexer);
    Token first = p.current;
    const char* first_end = p.previous_end;
    bool quiet = p.quiet;
    p.quiet = true;
    bool ok = true;
    TypeDescriptor* type = parse_type_id(p, &ok);
    p.quiet = quiet;
    if (ok && (at(p, TokenKind::Comma) || at(p, TokenKind::Greater) || at(p, TokenKind::ShiftRight) ||
               at(p, TokenKind::Ellipsis))) {
      if (at(p, TokenKind::Ellipsis)) advance(p);
      arguments.push_back(TemplateArgument{type_text(type), type});
      return true;
    }
    lexer_reset(p.lexer, mark);
    p.current = first;
    p.previous_end = first_end;
  }
  std::string text = skip_until(p, {TokenKind::Comma, TokenKind::Greater, TokenKind::ShiftRight}, false);
  if (text.empty()) return fail(p);
  arguments.push_back(TemplateArgument{std::move(text), nullptr});
  return true;
}

}  // namespace

bool parse_template_arguments(Parser& p, std::vector<TemplateArgument>& arguments) {
  Nest nest(p);
  if (!nest.ok()) return false;
  advance(p);  // '<'
  if (at(p, TokenKind::Greater) || at(p, TokenKind::ShiftRight)) return close_angle(p);
  for (;;) {
    if (!parse_template_argument(p, arguments)) return false;
    if (at(p, TokenKind::Comma)) {
      advance(p);
      continue;
    }
    return close_angle(p);
  }
}

}  // namespace iface::decl
