#include "iface/dict/dictionary_lookup.h"

#include "base/intern.h"

#include <string>

namespace iface {

namespace {

using EntryTest = bool (*)(const SymbolEntry&, const char*);

bool any_entry(const SymbolEntry&, const char*) { return true; }

bool tag_test(const SymbolEntry& entry, const char* name, TypeKind kind) {
  const TypeDescriptor* type = entry.declaration.type;
  return type != nullptr && type->kind == kind && type_name(type) == name;
}
bool is_struct_tag(const SymbolEntry& entry, const char* name) { return tag_test(entry, name, TypeKind::Struct); }
bool is_template_tag(const SymbolEntry& entry, const char* name) {
  return tag_test(entry, name, TypeKind::ClassTemplate);
}
bool is_enum_tag(const SymbolEntry& entry, const char* name) { return tag_test(entry, name, TypeKind::Enumeration); }
bool is_union_tag(const SymbolEntry& entry, const char* name) { return tag_test(entry, name, TypeKind::Union); }
bool is_own_typedef(const SymbolEntry& entry, const char* name) {
  const TypedefData* alias = typedef_data(entry.declaration.type);
  return alias != nullptr && alias->name == name;
}

// The matching entry visible at one level; the last one, or the first with `return_first`. The
// visible entries are those of the level's own scope (file level for the global context) and of
// the namespaces its using-directives name: only those groups are searched, and the result is the
// newest (or oldest) of them by symbol number, as a walk over every entry of the name would find.
SymbolEntry* match_at_level(const Dictionary& dictionary, SymbolTable table, const char* name,
                            const LookupContext& context, EntryTest test) {
  bool file_level = context.kind == 0 || context.scope == nullptr;
  const TypeDescriptor* own = file_level ? nullptr : context.scope;
  const std::vector<TypeDescriptor*>* used = &dictionary.file_level_using;
  if (!file_level) {
    const ScopeInfo* info = scope_info(context.scope);
    used = info != nullptr ? &info->used_namespaces : nullptr;
  }
  SymbolEntry* found = nullptr;
  auto consider = [&](const TypeDescriptor* scope) {
    const std::vector<SymbolEntry*>& group = entries_in_scope(dictionary, table, name, scope);
    if (dictionary.return_first) {
      for (SymbolEntry* entry : group) {
        if (!test(*entry, name)) continue;
        if (found == nullptr || entry->number < found->number) found = entry;
        break;
      }
      return;
    }
    for (auto it = group.rbegin(); it != group.rend(); ++it) {
      if (!test(**it, name)) continue;
      if (found == nullptr || (*it)->number > found->number) found = *it;
      break;
    }
  };
  consider(own);
  if (used != nullptr) {
    for (const TypeDescriptor* scope : *used) {
      if (scope != own) consider(scope);
    }
  }
  return found;
}

// One table, one test, from the context outward.
SymbolEntry* match_outward(const Dictionary& dictionary, SymbolTable table, const char* name,
                           LookupContext context) {
  if (name == nullptr) return nullptr;
  for (;;) {
    if (SymbolEntry* found = match_at_level(dictionary, table, name, context, any_entry)) return found;
    if (context.kind == 0) return nullptr;
    context = enclosing_context(context);
  }
}

struct TypeCandidate {
  SymbolTable table;
  EntryTest test;
};

constexpr TypeCandidate kTypeNameOrder[] = {
    {SymbolTable::Tags, is_struct_tag},    {SymbolTable::Tags, is_template_tag},
    {SymbolTable::Ordinary, is_own_typedef}, {SymbolTable::Tags, is_enum_tag},
    {SymbolTable::Tags, is_union_tag},
};

SymbolEntry* type_name_at_level(const Dictionary& dictionary, const char* name, const LookupContext& context) {
  for (const TypeCandidate& candidate : kTypeNameOrder) {
    if (SymbolEntry* found = match_at_level(dictionary, candidate.table, name, context, candidate.test)) {
      return found;
    }
  }
  return nullptr;
}

// The context named by all parts but the last (a leading null part is the global scope).
bool resolve_qualifier(const Dictionary& dictionary, std::span<const char* const> parts, LookupContext* context) {
  std::size_t first = 0;
  if (!parts.empty() && parts[0] == nullptr) first = 1;
  if (parts.size() < first + 1) return false;
  if (parts.size() == first + 1) {
    *context = global_context();
    return true;
  }
  std::string qualified;
  for (std::size_t i = first; i + 1 < parts.size(); ++i) {
    if (parts[i] == nullptr) return false;
    if (!qualified.empty()) qualified += "::";
    qualified += parts[i];
  }
  TypeDescriptor* scope = find_scope(dictionary, qualified);
  if (scope == nullptr) return false;
  *context = scope_context(scope);
  return true;
}

}  // namespace

SymbolEntry* lookup_ordinary(const Dictionary& dictionary, const char* name, const LookupContext& context) {
  return match_outward(dictionary, SymbolTable::Ordinary, name, context);
}

SymbolEntry* lookup_enumerator(const Dictionary& dictionary, const char* name, const LookupContext& context) {
  return match_outward(dictionary, SymbolTable::Enumerators, name, context);
}

SymbolEntry* lookup_value_name(const Dictionary& dictionary, const char* name, const LookupContext& context) {
  if (SymbolEntry* found = lookup_ordinary(dictionary, name, context)) return found;
  return lookup_enumerator(dictionary, name, context);
}

SymbolEntry* lookup_type_name(const Dictionary& dictionary, const char* name, const LookupContext& context) {
  if (name == nullptr) return nullptr;
  LookupContext level = context;
  for (;;) {
    if (SymbolEntry* found = type_name_at_level(dictionary, name, level)) return found;
    if (level.kind == 0) return nullptr;
    level = enclosing_context(level);
  }
}

SymbolEntry* lookup_tag(const Dictionary& dictionary, TypeKind kind, const char* name, const LookupContext& context) {
  if (name == nullptr) return nullptr;
  EntryTest test = kind == TypeKind::Struct ? is_struct_tag : kind == TypeKind::Union ? is_union_tag : is_enum_tag;
  LookupContext level = context;
  for (;;) {
    if (SymbolEntry* found = match_at_level(dictionary, SymbolTable::Tags, name, level, test)) return found;
    if (kind == TypeKind::Struct) {
      if (SymbolEntry* found = match_at_level(dictionary, SymbolTable::Tags, name, level, is_template_tag)) return found;
    }
    if (level.kind == 0) return nullptr;
    level = enclosing_context(level);
  }
}

SymbolEntry* find_in_scope(const Dictionary& dictionary, SymbolTable table, const char* name,
                           const TypeDescriptor* scope) {
  const std::vector<SymbolEntry*>& group = entries_in_scope(dictionary, table, name, scope);
  if (group.empty()) return nullptr;
  return dictionary.return_first ? group.front() : group.back();
}

SymbolEntry* find_tag_in_scope(const Dictionary& dictionary, TypeKind kind, const char* name,
                               const TypeDescriptor* scope) {
  SymbolEntry* found = nullptr;
  for (SymbolEntry* entry : entries_in_scope(dictionary, SymbolTable::Tags, name, scope)) {
    if (!tag_test(*entry, name, kind)) continue;
    found = entry;
    if (dictionary.return_first) break;
  }
  return found;
}

SymbolEntry* lookup_qualified(const Dictionary& dictionary, std::span<const char* const> parts) {
  LookupContext context;
  if (!resolve_qualifier(dictionary, parts, &context)) return nullptr;
  const char* name = parts.back();
  if (SymbolEntry* found = match_at_level(dictionary, SymbolTable::Ordinary, name, context, any_entry)) return found;
  return match_at_level(dictionary, SymbolTable::Enumerators, name, context, any_entry);
}

SymbolEntry* lookup_qualified_type(const Dictionary& dictionary, std::span<const char* const> parts) {
  LookupContext context;
  if (!resolve_qualifier(dictionary, parts, &context)) return nullptr;
  return type_name_at_level(dictionary, parts.back(), context);
}

std::vector<const char*> qualified_parts(std::string_view name) {
  std::vector<const char*> parts;
  if (name.substr(0, 2) == "::") {
    parts.push_back(nullptr);
    name.remove_prefix(2);
  }
  for (;;) {
    std::size_t cut = name.find("::");
    parts.push_back(base::intern(name.substr(0, cut)));
    if (cut == std::string_view::npos) break;
    name.remove_prefix(cut + 2);
  }
  return parts;
}

}  // namespace iface
