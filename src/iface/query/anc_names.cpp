#include "iface/query/anc_names.h"

#include <deque>
#include <unordered_set>

#include "base/intern.h"
#include "iface/query/anc_session.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/dictionary_scopes.h"
#include "iface/dict/type_members.h"
#include "iface/dict/type_print.h"

namespace iface {

namespace {

bool is_qualified(std::string_view name) { return name.find("::") != std::string_view::npos; }

SymbolEntry* find_object(std::string_view name, std::string_view scope) {
  if (name.empty()) return nullptr;
  const Dictionary& dictionary = the_dictionary();
  if (is_qualified(name)) return lookup_qualified(dictionary, qualified_parts(name));
  return lookup_ordinary(dictionary, base::intern(name), scope_context(anc_scope(scope)));
}

// The type of a global name: an object or typedef, else a tag.
const TypeDescriptor* type_of_name(std::string_view name) {
  if (name.empty()) return nullptr;
  const Dictionary& dictionary = the_dictionary();
  SymbolEntry* entry = nullptr;
  if (is_qualified(name)) {
    std::vector<const char*> parts = qualified_parts(name);
    entry = lookup_qualified(dictionary, parts);
    if (entry == nullptr) entry = lookup_qualified_type(dictionary, parts);
  } else {
    const char* interned = base::intern(name);
    entry = lookup_ordinary(dictionary, interned, global_context());
    if (entry == nullptr) entry = lookup_type_name(dictionary, interned, global_context());
  }
  return entry != nullptr ? entry->declaration.type : nullptr;
}

// A class template instance stands for the class made for it.
const TypeDescriptor* class_of(const TypeDescriptor* type) {
  const TypeDescriptor* t = strip_typedefs_and_qualifiers(type);
  if (const InstanceData* instance = instance_data(t); instance != nullptr && instance->instantiated != nullptr)
    t = strip_typedefs_and_qualifiers(instance->instantiated);
  return t != nullptr && t->kind == TypeKind::Struct ? t : nullptr;
}

bool names_class(const TypeDescriptor* type, std::string_view name) {
  const char* own = type_name(type);
  if (own != nullptr && name == own) return true;
  const ScopeInfo* scope = scope_info(type);
  return scope != nullptr && !scope->qualified_name.empty() && name == scope->qualified_name;
}

}  // namespace

int anc_declaration_kind(std::string_view name, std::string_view scope) {
  return symbol_declaration_kind(find_object(name, scope));
}

const void* anc_declaration_identity(std::string_view name, std::string_view scope) {
  return find_object(name, scope);
}

int anc_is_declared_in(std::string_view name, std::string_view scope) {
  if (name.empty()) return 0;
  return find_in_scope(the_dictionary(), SymbolTable::Ordinary, base::intern(name), anc_scope(scope)) != nullptr;
}

int anc_is_static(std::string_view name, std::string_view scope) {
  return anc_declaration_kind(name, scope) == 2 ? 1 : 0;
}

int anc_is_class_type(std::string_view name) { return class_of(type_of_name(name)) != nullptr ? 1 : 0; }

int anc_is_type_name(std::string_view name) {
  if (name.empty()) return 0;
  const Dictionary& dictionary = the_dictionary();
  if (name == "unsigned" || name == "signed" || builtin_type(dictionary.base, name) != nullptr) return 1;
  SymbolEntry* entry = is_qualified(name) ? lookup_qualified_type(dictionary, qualified_parts(name))
                                          : lookup_type_name(dictionary, base::intern(name), global_context());
  if (entry == nullptr || entry->declaration.type == nullptr) return 0;
  return strip_typedefs_and_qualifiers(entry->declaration.type)->kind != TypeKind::ClassTemplate ? 1 : 0;
}

int anc_is_not_template_type(std::string_view name) {
  const TypeDescriptor* type = type_of_name(name);
  return type != nullptr && strip_typedefs_and_qualifiers(type)->kind != TypeKind::ClassTemplate ? 1 : 0;
}

int anc_class_has_flagged_member(std::string_view name) {
  const TypeDescriptor* type = class_of(type_of_name(name));
  return type != nullptr && has_flagged_member(type) ? 1 : 0;
}

const TypeDescriptor* anc_pointer_to_class(std::string_view name) {
  const PointerData* pointer = pointer_data(strip_typedefs(type_of_name(name)));
  return pointer != nullptr ? class_of(pointer->pointee) : nullptr;
}

const char* anc_pointer_class_name(std::string_view name) { return type_name(anc_pointer_to_class(name)); }

int anc_base_distance(std::string_view class_name, std::string_view base_name) {
  if (class_name == base_name) return 0;
  const TypeDescriptor* start = class_of(type_of_name(class_name));
  if (start == nullptr) return -1;
  struct Pending {
    const TypeDescriptor* type;
    int depth;
  };
  // The work queue grows in steps of 512 entries; `next` is its read position.
  constexpr std::size_t kQueueStep = 512;
  std::vector<Pending> queue;
  queue.reserve(kQueueStep);
  queue.push_back({start, 0});
  for (std::size_t next = 0; next < queue.size(); ++next) {
    Pending current = queue[next];
    const CompoundData* compound = compound_data(current.type);
    if (compound == nullptr) continue;
    for (const BaseClass& base : compound->bases) {
      const TypeDescriptor* base_type = class_of(base.type);
      if (base_type == nullptr) continue;
      if (names_class(base_type, base_name)) return current.depth + 1;
      if (queue.size() == queue.capacity()) queue.reserve(queue.capacity() + kQueueStep);
      queue.push_back({base_type, current.depth + 1});
    }
  }
  return -1;
}

int anc_is_polymorphic_class(std::string_view name) {
  const TypeDescriptor* start = class_of(type_of_name(name));
  std::vector<const TypeDescriptor*> pending;
  std::unordered_set<const TypeDescriptor*> seen;  // a base shared by several paths is looked at once
  if (start != nullptr) pending.push_back(start);
  while (!pending.empty()) {
    const TypeDescriptor* current = pending.back();
    pending.pop_back();
    if (!seen.insert(current).second) continue;
    if (has_flagged_member(current)) return 1;
    const CompoundData* compound = compound_data(current);
    if (compound == nullptr) continue;
    for (const BaseClass& base : compound->bases) {
      if (const TypeDescriptor* base_type = class_of(base.type)) pending.push_back(base_type);
    }
  }
  return 0;
}

void anc_variables_of_file(std::string_view file, std::vector<FileVariable>& list) {
  for (const SymbolEntry* entry : file_level_symbols_of(the_dictionary(), file))
    list.push_back({entry->declaration.name, symbol_declaration_kind(entry)});
}

void anc_declaration_text(std::string_view name, int mode, std::string& out) {
  SymbolEntry* entry = find_object(name, "");
  if (entry == nullptr) {
    out = "internal error;";
    return;
  }
  const TypeDescriptor* type = entry->declaration.type;
  if (type == nullptr) {
    out = "int " + std::string(name) + ";";
    return;
  }
  if (mode == 1)
    while (type->kind == TypeKind::Qualified) type = qualified_data(type)->target;
  out = declaration_statement(type, entry->declaration.name, PrintMode::AsDeclared);
}

}  // namespace iface
