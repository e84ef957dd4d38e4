#include "iface/dict/type_members.h"

#include <vector>

namespace iface {

namespace {

// A template instance stands for the class built for it, else for its template's class body.
const TypeDescriptor* instance_class(const TypeDescriptor* type) {
  const InstanceData* instance = instance_data(type);
  if (instance == nullptr) return type;
  if (instance->instantiated != nullptr) return instance->instantiated;
  const TemplateData* pattern = template_data(instance->template_type);
  return pattern != nullptr ? pattern->pattern : nullptr;
}

const TypeDescriptor* record_type(const TypeDescriptor* type) {
  return strip_typedefs_and_qualifiers(instance_class(strip_to_object_type(type)));
}

const Member* find_member_in(const TypeDescriptor* type, const char* name, std::vector<const TypeDescriptor*>& seen) {
  const TypeDescriptor* record = record_type(type);
  const CompoundData* compound = compound_data(record);
  if (compound == nullptr) return nullptr;
  // A class reached twice (a diamond of bases, or a class that names itself) is searched once.
  for (const TypeDescriptor* visited : seen) {
    if (visited == record) return nullptr;
  }
  seen.push_back(record);
  for (const Member& member : compound->members) {
    if (member.name == name) return &member;
  }
  for (const Member& member : compound->members) {
    if (member.name != nullptr) continue;
    if (const Member* inner = find_member_in(member.type, name, seen)) return inner;
  }
  for (const BaseClass& base : compound->bases) {
    if (const Member* inherited = find_member_in(base.type, name, seen)) return inherited;
  }
  return nullptr;
}

}  // namespace

int member_position(const TypeDescriptor* type, const char* name) {
  if (type == nullptr) return 1;
  const TypeDescriptor* record = strip_typedefs_and_qualifiers(type);
  if (record->kind == TypeKind::TemplateInstance) record = strip_typedefs_and_qualifiers(instance_class(record));
  if (const EnumData* enumeration = enum_data(record)) {
    for (std::size_t i = 0; i < enumeration->enumerators.size(); ++i) {
      if (enumeration->enumerators[i].name == name) return static_cast<int>(i) + 1;
    }
    return 0;
  }
  if (const CompoundData* compound = compound_data(record)) {
    for (std::size_t i = 0; i < compound->members.size(); ++i) {
      if (compound->members[i].name == name && name != nullptr) return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

const Member* member_at(const TypeDescriptor* type, int position, int* counter, std::string* name_buffer) {
  const CompoundData* compound = compound_data(record_type(type));
  if (compound == nullptr || position < 1) return nullptr;
  for (std::size_t i = 0; i < compound->members.size(); ++i) {
    if (counter != nullptr) ++*counter;
    if (static_cast<int>(i) + 1 != position) continue;
    const Member& member = compound->members[i];
    if (name_buffer != nullptr && member.name != nullptr) name_buffer->append(member.name);
    return &member;
  }
  return nullptr;
}

const Member* find_member(const TypeDescriptor* type, const char* name) {
  if (name == nullptr) return nullptr;
  std::vector<const TypeDescriptor*> seen;
  return find_member_in(type, name, seen);
}

bool has_flagged_member(const TypeDescriptor* type) {
  const TypeDescriptor* record = strip_typedefs_and_qualifiers(type);
  const CompoundData* compound = record != nullptr && record->kind == TypeKind::Struct ? compound_data(record) : nullptr;
  if (compound == nullptr) return false;
  for (const Member& member : compound->members) {
    if ((member.flags & kMemberVirtual) != 0) return true;
  }
  for (const BaseClass& base : compound->bases) {
    if ((base.flags & kMemberVirtual) != 0) return true;
  }
  return false;
}

bool is_character_string(const TypeDescriptor* type) {
  const TypeDescriptor* outer = strip_to_object_type(type);
  const TypeDescriptor* element = nullptr;
  if (const PointerData* pointer = pointer_data(outer)) element = pointer->pointee;
  if (const ArrayData* array = array_data(outer)) element = array->element;
  return element != nullptr && is_character_type(strip_to_object_type(element));
}

}  // namespace iface
