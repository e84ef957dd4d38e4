// Recording declarations in the dictionary, with the rules that merge a new declaration with an
// existing one of the same name in the same scope and table.
//
// Merge rules (the returned entry is the one in force; use its type from then on):
//  Ordinary table
//   - the reserved variable "__quelt_var": the existing entry takes the new type and file, silently;
//   - two functions with the same parameter types: one entry; a definition after a declaration
//     (or a declaration after a definition) merges silently and the entry is marked defined; two
//     definitions give "REDEFSYMB"; the same parameters with another result type give "REDEFSYMB";
//   - two functions with different parameter types are overloads: a new entry, no message;
//   - two typedefs with equivalent targets, or two objects of equivalent types ("extern int x;"
//     then "int x;", or the same declaration twice): one entry, silently; an object whose array
//     had no bound takes the bound of the later declaration; "extern" is dropped by a declaration
//     without it, "static" is kept from either;
//   - anything else (different types, function against object, typedef against object):
//     "REDEFSYMB" with the name, and the new declaration is entered after the old one (so the
//     last one wins unless the first/last switch says otherwise).
//  Tag table
//   - the same kind of tag declared again without a body, or declared without a body after its
//     definition: the existing entry;
//   - a body for a tag that was only declared: the existing descriptor takes the new body (so
//     every earlier use of the tag sees it), the existing entry is returned;
//   - a second body for a struct, class or union: "REDEFSTRU" with the name; for an enumeration
//     or a template "REDEFSYMB"; the new tag is entered after the old one;
//   - a tag of another kind (a union named like a struct): "REDEFSYMB", the new tag is entered.
//  Enumeration-constant table
//   - a constant of the same name in the same scope: "REDEFSYMB", the new one is entered.
// Every message is a warning at the position given.
#pragma once
#include <string_view>
#include <vector>

#include "iface/dict/dictionary.h"
#include "iface/dict/dictionary_scopes.h"

namespace iface {

// The general entry point. For an enumeration given with its enumerators, call complete_tag on
// the returned entry's type to enter the constants.
SymbolEntry* declare_symbol(Dictionary& dictionary, const Declaration& declaration, SymbolTable table,
                            unsigned flags, const SourcePosition& where);

// An object or function `name` of `type` in `scope` (null: file level).
SymbolEntry* declare_object(Dictionary& dictionary, const char* name, TypeDescriptor* type, TypeDescriptor* scope,
                            const char* file, unsigned flags, const SourcePosition& where);

// "typedef <target> name;": a typedef descriptor named `name` (placed in `scope`) entered in the
// ordinary table under its own name. Returns the entry in force: its type is the typedef.
SymbolEntry* declare_typedef(Dictionary& dictionary, const char* name, TypeDescriptor* target, TypeDescriptor* scope,
                             const char* file, const SourcePosition& where);

// Start of a struct/class, union or enumeration body ("struct S {"), `kind` Struct, Union or
// Enumeration. A named tag declared earlier in exactly `scope` without a body is reused, so that
// earlier uses of it see the members; otherwise a new tag is entered (a second body gives
// "REDEFSTRU" / "REDEFSYMB"). A named struct, class or union is registered as a scope. An
// anonymous tag (`name` null) gets a descriptor and no entry. Add members, bases or enumerators
// to the descriptor, then call complete_tag.
TypeDescriptor* begin_tag_definition(Dictionary& dictionary, TypeKind kind, const char* name, bool is_struct,
                                     TypeDescriptor* scope, const char* file, const SourcePosition& where);
// End of the body: the tag is complete (its entry, if any, is marked defined); for an
// enumeration each named enumerator is entered in the enumeration-constant table with the
// enumeration's type, scope and `file`.
void complete_tag(Dictionary& dictionary, TypeDescriptor* tag, const char* file, const SourcePosition& where);

// A tag named without a body ("struct S;", "struct S *p"): the tag of that kind visible from
// `context`, else a new incomplete tag entered in `scope`. A template name gives its template.
TypeDescriptor* reference_tag(Dictionary& dictionary, TypeKind kind, const char* name, bool is_struct,
                              const LookupContext& context, TypeDescriptor* scope, const char* file,
                              const SourcePosition& where);

void add_member(TypeDescriptor* compound, const Member& member);
void add_base(TypeDescriptor* compound, TypeDescriptor* base, std::uint8_t flags);
void add_enumerator(TypeDescriptor* enumeration, const char* name, long long value);

// "template <parameters> class name ...": a class template tag entered in `scope`, with the
// class body as written (`pattern`, null for a declaration without body). The tag rules apply: a
// template declared again returns the existing one, a body for a template only declared is taken
// by it, and a second body gives "REDEFSYMB".
TypeDescriptor* declare_class_template(Dictionary& dictionary, const char* name, bool is_struct,
                                       std::vector<TemplateParameter> parameters, TypeDescriptor* scope,
                                       const char* file, const SourcePosition& where,
                                       TypeDescriptor* pattern = nullptr);
// The instance of `template_type` for these arguments: the one made before for the same argument
// texts, else a new one (so that one instance is one descriptor, as type identity requires).
// `instantiated` may carry the class built for the arguments; it is kept on a new instance and
// set on an existing one that has none yet.
TypeDescriptor* instantiate_template(Dictionary& dictionary, TypeDescriptor* template_type,
                                     std::vector<TemplateArgument> arguments, TypeDescriptor* instantiated = nullptr);

// Whether two types are the same for merging declarations: the same descriptor, or the same kind
// with equivalent parts (base types by name, size and character flag; arrays by element and
// bound text; functions by result and parameter types; structs, unions, enumerations and
// templates only as the same descriptor; typedefs by name and target).
bool types_equivalent(const TypeDescriptor* a, const TypeDescriptor* b);

}  // namespace iface
