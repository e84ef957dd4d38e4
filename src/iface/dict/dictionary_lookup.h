// Name lookup in the dictionary: ordinary names, type names, enumeration constants and
// qualified names. Names are interned pointers. Where several entries match at one level, the
// last one is returned, or the first when the dictionary's `return_first` switch is set.
#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "iface/dict/dictionary.h"
#include "iface/dict/dictionary_scopes.h"

namespace iface {

// The ordinary table (objects, functions, typedefs): the entries of `name` visible from the
// context; when none and the context is a scope, the same again from its enclosing scope,
// outward, ending with the global context.
SymbolEntry* lookup_ordinary(const Dictionary& dictionary, const char* name, const LookupContext& context);

// The enumeration-constant table, with the same rules.
SymbolEntry* lookup_enumerator(const Dictionary& dictionary, const char* name, const LookupContext& context);

// An identifier in an expression: an ordinary name, else an enumeration constant (the ordinary
// table alone does not hold enumeration constants, and scripts compare values with them).
SymbolEntry* lookup_value_name(const Dictionary& dictionary, const char* name, const LookupContext& context);

// A type name. At each level of the context (the context itself, then each enclosing scope,
// outward, then the global context) the candidates are tried in this order: a struct/class tag,
// a class template, an ordinary name whose type is a typedef of that same name, an enumeration
// tag, a union tag. Tags are compared by the tag's own name.
SymbolEntry* lookup_type_name(const Dictionary& dictionary, const char* name, const LookupContext& context);

// The tag named in an elaborated type ("struct S", "union U", "enum E"): the visible tag of that
// kind (a class template also answers "struct"/"class"), searched from the context outward.
SymbolEntry* lookup_tag(const Dictionary& dictionary, TypeKind kind, const char* name, const LookupContext& context);

// The tag of `kind` (Struct, Union, Enumeration or ClassTemplate) named `name` that is declared
// in exactly `scope` (null: file level), ignoring using-directives; null when there is none.
SymbolEntry* find_tag_in_scope(const Dictionary& dictionary, TypeKind kind, const char* name,
                               const TypeDescriptor* scope);
// Any entry of `table` named `name` declared in exactly `scope`; the last one (or the first).
SymbolEntry* find_in_scope(const Dictionary& dictionary, SymbolTable table, const char* name,
                           const TypeDescriptor* scope);

// A qualified name "A::B::name", given as its parts (interned, the last one the name; a leading
// null part stands for a leading "::", the global scope). The scope "A::B" is found in the scope
// table and the name is looked up in that scope alone (its own symbols and those of the
// namespaces it uses), not in the scopes around it. Null when the scope is unknown.
SymbolEntry* lookup_qualified(const Dictionary& dictionary, std::span<const char* const> parts);
SymbolEntry* lookup_qualified_type(const Dictionary& dictionary, std::span<const char* const> parts);

// "A::B::x" as the interned parts the two lookups above take; a leading "::" is a null first part.
std::vector<const char*> qualified_parts(std::string_view name);

}  // namespace iface
