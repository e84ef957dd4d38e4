#include "iface/query/anc_select_struct.h"

#include "base/intern.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/query/analysis_context.h"

namespace iface {

namespace {

const TypeDescriptor* unwrapped(const TypeDescriptor* type) { return strip_typedefs_and_qualifiers(type); }

bool contains_union(const TypeDescriptor* type) {
  const TypeDescriptor* t = unwrapped(type);
  while (t != nullptr && t->kind == TypeKind::Array) t = unwrapped(array_data(t)->element);
  if (t == nullptr) return false;
  if (t->kind == TypeKind::Union) return true;
  if (t->kind != TypeKind::Struct) return false;
  for (const Member& member : compound_data(t)->members)
    if (contains_union(member.type)) return true;
  return false;
}

// The texts of the members that contain unions, one after the other.
std::string member_texts(const TypeDescriptor* compound);

// The select text of a member `name` of `type`; empty when the type has no union.
std::string select_text(const TypeDescriptor* type, std::string name) {
  const TypeDescriptor* t = unwrapped(type);
  while (t != nullptr && t->kind == TypeKind::Array) {
    const ArrayData* array = array_data(t);
    name += "[" + (array->bound_text.empty() ? std::string("0") : array->bound_text) + "]";
    t = unwrapped(array->element);
  }
  if (t == nullptr) return {};
  if (t->kind == TypeKind::Union) {
    std::string inner = member_texts(t);
    if (inner.empty()) return "struct {\nint select;\n\n}" + name + ";\n";
    return "struct {\nint select;\n\n" + inner + "\n}" + name + ";\n";
  }
  if (t->kind == TypeKind::Struct && contains_union(t)) return "struct {\n" + member_texts(t) + "\n}" + name + ";\n";
  return {};
}

std::string member_texts(const TypeDescriptor* compound) {
  std::string texts;
  for (const Member& member : compound_data(compound)->members)
    if (contains_union(member.type)) texts += select_text(member.type, member.name != nullptr ? member.name : "");
  return texts;
}

}  // namespace

bool anc_select_struct_text(std::string_view type_name, std::string_view file, std::string& out) {
  (void)file;
  out.clear();
  if (type_name.empty()) return false;
  SymbolEntry* entry = lookup_type_name(the_dictionary(), base::intern(type_name), global_context());
  if (entry == nullptr || entry->declaration.type == nullptr) return false;
  const TypeDescriptor* type = entry->declaration.type;
  const char* name = iface::type_name(type);
  out = select_text(type, "QLX_" + std::string(name != nullptr ? name : type_name));
  return !out.empty();
}

}  // namespace iface
