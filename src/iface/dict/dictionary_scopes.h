// Scopes of the dictionary: the scope table, namespaces, using-directives, lookup contexts and
// the visibility of a symbol from a context.
#pragma once
#include <string>
#include <string_view>

#include "iface/dict/dictionary.h"

namespace iface {

// Kind 0: global (file level, no scope); kind 1: inside `scope`.
struct LookupContext {
  int kind = 0;
  TypeDescriptor* scope = nullptr;
};

LookupContext global_context();
// Kind 1 in `scope`; the global context when `scope` is null.
LookupContext scope_context(TypeDescriptor* scope);
// The context that encloses `context`'s scope (the global context for a scope at file level).
LookupContext enclosing_context(const LookupContext& context);

// The qualified name of `scope` inside `enclosing` (null: file level): "E::name" or "name".
std::string qualified_scope_name(const TypeDescriptor* enclosing, std::string_view name);

// Registers a namespace, struct/class or union descriptor under its qualified name (made from
// its scope and name, or `qualified_name` when given). The qualified name is kept in the
// descriptor's ScopeInfo. False when the descriptor cannot be a scope or has no name.
bool register_scope(Dictionary& dictionary, TypeDescriptor* descriptor, std::string_view qualified_name = {});
// The descriptor registered under `qualified_name` (compared by text), or null. When a name was
// registered twice, the latest registration is returned.
TypeDescriptor* find_scope(const Dictionary& dictionary, std::string_view qualified_name);

// Opens namespace `name` (interned) inside `enclosing` (null: file level). A namespace that is
// already registered under that qualified name is reopened; a class of that name gives
// "REDEFSYMB" and is returned as it is.
TypeDescriptor* enter_namespace(Dictionary& dictionary, const char* name, TypeDescriptor* enclosing,
                                const SourcePosition& where);
// The name of the next unnamed namespace of the run: "quelt_unnamed_namespace_1", "_2"...
std::string next_unnamed_namespace_name(Dictionary& dictionary);

// "namespace { ... }": the namespace `name` (next_unnamed_namespace_name, interned) entered in
// `enclosing`, whose names are made visible there by a using-directive, as C++ has it.
TypeDescriptor* enter_unnamed_namespace(Dictionary& dictionary, const char* name, TypeDescriptor* enclosing,
                                        const SourcePosition& where);

// A scope of the script side (a scenario, procedure or block name such as "A.B@init"): a
// namespace registered under that exact text, at file level unless `enclosing` is given. An
// existing scope of that name is returned.
TypeDescriptor* ensure_script_scope(Dictionary& dictionary, std::string_view name, TypeDescriptor* enclosing);

// "using namespace N;" at file level (`in_scope` null) or inside a namespace or class. A
// namespace already named by that list is not added again.
void add_using_directive(Dictionary& dictionary, TypeDescriptor* in_scope, TypeDescriptor* used_namespace);

// Visibility of a declaration from a context. Global: declared at file level, or in a namespace
// named by a file-level using-directive. Scope S: declared in S, or in a namespace that S uses.
bool is_visible(const Dictionary& dictionary, const Declaration& declaration, const LookupContext& context);

}  // namespace iface
