#include "iface/dict/type_descriptor.h"

#include <utility>

namespace iface {

namespace {

template <typename Record>
const Record* record_of(const TypeDescriptor* type) {
  return type != nullptr && type->data != nullptr ? std::get_if<Record>(type->data) : nullptr;
}

template <typename Record>
Record* record_of(TypeDescriptor* type) {
  return type != nullptr && type->data != nullptr ? std::get_if<Record>(type->data) : nullptr;
}

bool is_kind(const TypeDescriptor* type, TypeKind a, TypeKind b) {
  return type != nullptr && (type->kind == a || type->kind == b);
}

}  // namespace

void clear_store(TypeStore& store) {
  store.descriptors.clear();
  store.records.clear();
}

TypeDescriptor* new_descriptor(TypeStore& store, TypeKind kind, KindData data) {
  KindData* record = nullptr;
  if (!std::holds_alternative<std::monostate>(data)) record = &store.records.emplace_back(std::move(data));
  TypeDescriptor& type = store.descriptors.emplace_back();
  type.kind = kind;
  type.data = record;
  return &type;
}

TypeDescriptor* copy_descriptor(TypeStore& store, const TypeDescriptor* original) {
  TypeDescriptor& copy = store.descriptors.emplace_back();
  copy.kind = original->kind;
  copy.data = original->data;
  copy.scoped = original->scoped;
  copy.scope = original->scope;
  return &copy;
}

void set_scope(TypeDescriptor* type, TypeDescriptor* scope) {
  type->scoped = scope != nullptr;
  type->scope = scope;
}

TypeDescriptor* make_pointer(TypeStore& store, TypeDescriptor* pointee) {
  return new_descriptor(store, TypeKind::Pointer, PointerData{pointee});
}

TypeDescriptor* make_reference(TypeStore& store, TypeDescriptor* referenced) {
  return new_descriptor(store, TypeKind::Reference, ReferenceData{referenced});
}

TypeDescriptor* make_qualified(TypeStore& store, std::string_view qualifier, TypeDescriptor* target) {
  return new_descriptor(store, TypeKind::Qualified, QualifiedData{std::string(qualifier), target});
}

TypeDescriptor* make_array(TypeStore& store, TypeDescriptor* element, std::string_view bound_text,
                           const ExprNode* bound_expression) {
  return new_descriptor(store, TypeKind::Array, ArrayData{element, std::string(bound_text), bound_expression});
}

TypeDescriptor* make_function(TypeStore& store, TypeDescriptor* result, std::vector<Parameter> parameters) {
  return new_descriptor(store, TypeKind::Function, FunctionData{result, std::move(parameters)});
}

TypeDescriptor* make_typedef(TypeStore& store, const char* name, TypeDescriptor* target) {
  return new_descriptor(store, TypeKind::Typedef, TypedefData{name, target});
}

TypeDescriptor* make_compound(TypeStore& store, TypeKind kind, const char* name, bool is_struct) {
  CompoundData data;
  data.name = name;
  data.is_struct = is_struct;
  return new_descriptor(store, kind, std::move(data));
}

TypeDescriptor* make_enumeration(TypeStore& store, const char* name) {
  EnumData data;
  data.name = name;
  return new_descriptor(store, TypeKind::Enumeration, std::move(data));
}

TypeDescriptor* make_class_template(TypeStore& store, const char* name, bool is_struct,
                                    std::vector<TemplateParameter> parameters) {
  TemplateData data;
  data.name = name;
  data.is_struct = is_struct;
  data.parameters = std::move(parameters);
  return new_descriptor(store, TypeKind::ClassTemplate, std::move(data));
}

TypeDescriptor* make_namespace(TypeStore& store, const char* name) {
  NamespaceData data;
  data.name = name;
  return new_descriptor(store, TypeKind::Namespace, std::move(data));
}

const BaseTypeData* base_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Integer, TypeKind::Floating) ? record_of<BaseTypeData>(type) : nullptr;
}
BaseTypeData* base_data(TypeDescriptor* type) {
  return is_kind(type, TypeKind::Integer, TypeKind::Floating) ? record_of<BaseTypeData>(type) : nullptr;
}
const PointerData* pointer_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Pointer, TypeKind::Pointer) ? record_of<PointerData>(type) : nullptr;
}
const ArrayData* array_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Array, TypeKind::Array) ? record_of<ArrayData>(type) : nullptr;
}
const EnumData* enum_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Enumeration, TypeKind::Enumeration) ? record_of<EnumData>(type) : nullptr;
}
EnumData* enum_data(TypeDescriptor* type) {
  return is_kind(type, TypeKind::Enumeration, TypeKind::Enumeration) ? record_of<EnumData>(type) : nullptr;
}
const CompoundData* compound_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Struct, TypeKind::Union) ? record_of<CompoundData>(type) : nullptr;
}
CompoundData* compound_data(TypeDescriptor* type) {
  return is_kind(type, TypeKind::Struct, TypeKind::Union) ? record_of<CompoundData>(type) : nullptr;
}
const TypedefData* typedef_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Typedef, TypeKind::Typedef) ? record_of<TypedefData>(type) : nullptr;
}
const FunctionData* function_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Function, TypeKind::Function) ? record_of<FunctionData>(type) : nullptr;
}
const QualifiedData* qualified_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Qualified, TypeKind::Qualified) ? record_of<QualifiedData>(type) : nullptr;
}
const ReferenceData* reference_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Reference, TypeKind::Reference) ? record_of<ReferenceData>(type) : nullptr;
}
const TemplateData* template_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::ClassTemplate, TypeKind::ClassTemplate) ? record_of<TemplateData>(type) : nullptr;
}
TemplateData* template_data(TypeDescriptor* type) {
  return is_kind(type, TypeKind::ClassTemplate, TypeKind::ClassTemplate) ? record_of<TemplateData>(type) : nullptr;
}
const InstanceData* instance_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::TemplateInstance, TypeKind::TemplateInstance) ? record_of<InstanceData>(type)
                                                                                : nullptr;
}
const NamespaceData* namespace_data(const TypeDescriptor* type) {
  return is_kind(type, TypeKind::Namespace, TypeKind::Namespace) ? record_of<NamespaceData>(type) : nullptr;
}

const ScopeInfo* scope_info(const TypeDescriptor* type) {
  if (const CompoundData* compound = compound_data(type)) return &compound->scope;
  if (const NamespaceData* space = namespace_data(type)) return &space->scope;
  return nullptr;
}

ScopeInfo* scope_info(TypeDescriptor* type) {
  return const_cast<ScopeInfo*>(scope_info(static_cast<const TypeDescriptor*>(type)));
}

const char* type_name(const TypeDescriptor* type) {
  if (const CompoundData* compound = compound_data(type)) return compound->name;
  if (const EnumData* enumeration = enum_data(type)) return enumeration->name;
  if (const TypedefData* alias = typedef_data(type)) return alias->name;
  if (const TemplateData* pattern = template_data(type)) return pattern->name;
  if (const NamespaceData* space = namespace_data(type)) return space->name;
  if (const BaseTypeData* base = base_data(type)) return base->name.c_str();
  return nullptr;
}

const TypeDescriptor* strip_typedefs(const TypeDescriptor* type) {
  while (const TypedefData* alias = typedef_data(type)) type = alias->target;
  return type;
}

const TypeDescriptor* strip_typedefs_and_qualifiers(const TypeDescriptor* type) {
  for (;;) {
    if (const TypedefData* alias = typedef_data(type)) {
      type = alias->target;
    } else if (const QualifiedData* qualified = qualified_data(type)) {
      type = qualified->target;
    } else {
      return type;
    }
  }
}

const TypeDescriptor* strip_to_object_type(const TypeDescriptor* type) {
  for (;;) {
    type = strip_typedefs_and_qualifiers(type);
    const ReferenceData* reference = reference_data(type);
    if (reference == nullptr) return type;
    type = reference->referenced;
  }
}

bool is_character_type(const TypeDescriptor* type) {
  const BaseTypeData* base = base_data(type);
  return base != nullptr && type->kind == TypeKind::Integer && base->character;
}

}  // namespace iface
