#include "iface/dict/dictionary_scopes.h"

#include <algorithm>

#include "diag/report.h"

namespace iface {

namespace {

bool contains(const std::vector<TypeDescriptor*>& list, const TypeDescriptor* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

LookupContext global_context() { return LookupContext{0, nullptr}; }

LookupContext scope_context(TypeDescriptor* scope) {
  return scope != nullptr ? LookupContext{1, scope} : global_context();
}

LookupContext enclosing_context(const LookupContext& context) {
  if (context.kind == 0 || context.scope == nullptr || !context.scope->scoped) return global_context();
  return scope_context(context.scope->scope);
}

std::string qualified_scope_name(const TypeDescriptor* enclosing, std::string_view name) {
  std::string qualified;
  if (const ScopeInfo* outer = scope_info(enclosing); outer != nullptr && !outer->qualified_name.empty()) {
    qualified = outer->qualified_name;
    qualified += "::";
  }
  qualified += name;
  return qualified;
}

bool register_scope(Dictionary& dictionary, TypeDescriptor* descriptor, std::string_view qualified_name) {
  ScopeInfo* info = scope_info(descriptor);
  if (info == nullptr) return false;
  if (!qualified_name.empty()) {
    info->qualified_name.assign(qualified_name);
  } else {
    const char* name = type_name(descriptor);
    if (name == nullptr || *name == '\0') return false;
    info->qualified_name = qualified_scope_name(descriptor->scope, name);
  }
  ScopeEntry& entry = dictionary.scope_entries.emplace_back();
  entry.name = info->qualified_name;
  entry.descriptor = descriptor;
  // At the head: the latest registration of a name is found first.
  ScopeEntry*& head = dictionary.scope_buckets[scope_bucket(entry.name)];
  entry.next = head;
  head = &entry;
  dictionary.scope_by_name[entry.name] = descriptor;
  return true;
}

TypeDescriptor* find_scope(const Dictionary& dictionary, std::string_view qualified_name) {
  auto found = dictionary.scope_by_name.find(qualified_name);
  return found != dictionary.scope_by_name.end() ? found->second : nullptr;
}

TypeDescriptor* enter_namespace(Dictionary& dictionary, const char* name, TypeDescriptor* enclosing,
                                const SourcePosition& where) {
  std::string qualified = qualified_scope_name(enclosing, name);
  if (TypeDescriptor* existing = find_scope(dictionary, qualified)) {
    if (existing->kind != TypeKind::Namespace) {
      diag::report_at(diag::MessageKind::Warning, diag::Code::REDEFSYMB, qualified, where.file, where.line);
    }
    return existing;
  }
  TypeDescriptor* space = make_namespace(dictionary.types, name);
  set_scope(space, enclosing);
  register_scope(dictionary, space, qualified);
  return space;
}

std::string next_unnamed_namespace_name(Dictionary& dictionary) {
  return "quelt_unnamed_namespace_" + std::to_string(++dictionary.unnamed_namespace_count);
}

TypeDescriptor* enter_unnamed_namespace(Dictionary& dictionary, const char* name, TypeDescriptor* enclosing,
                                        const SourcePosition& where) {
  TypeDescriptor* space = enter_namespace(dictionary, name, enclosing, where);
  add_using_directive(dictionary, enclosing, space);
  return space;
}

TypeDescriptor* ensure_script_scope(Dictionary& dictionary, std::string_view name, TypeDescriptor* enclosing) {
  if (TypeDescriptor* existing = find_scope(dictionary, name)) return existing;
  TypeDescriptor* scope = make_namespace(dictionary.types, nullptr);
  set_scope(scope, enclosing);
  register_scope(dictionary, scope, name);
  return scope;
}

void add_using_directive(Dictionary& dictionary, TypeDescriptor* in_scope, TypeDescriptor* used_namespace) {
  if (used_namespace == nullptr) return;
  std::vector<TypeDescriptor*>* list = &dictionary.file_level_using;
  if (in_scope != nullptr) {
    ScopeInfo* info = scope_info(in_scope);
    if (info == nullptr) return;
    list = &info->used_namespaces;
  }
  if (!contains(*list, used_namespace)) list->push_back(used_namespace);
}

bool is_visible(const Dictionary& dictionary, const Declaration& declaration, const LookupContext& context) {
  if (context.kind == 0 || context.scope == nullptr) {
    return !declaration.scoped || contains(dictionary.file_level_using, declaration.scope);
  }
  if (declaration.scoped && declaration.scope == context.scope) return true;
  const ScopeInfo* info = scope_info(context.scope);
  return info != nullptr && declaration.scoped && contains(info->used_namespaces, declaration.scope);
}

}  // namespace iface
