#include "iface/query/anc_types.h"

#include <cstdlib>

#include "iface/dict/type_print.h"

namespace iface {

namespace {

int base_type_class(const TypeDescriptor* type) {
  const BaseTypeData* base = base_data(type);
  if (type->kind == TypeKind::Floating) return base->name == "double" ? kClassDouble : kClassFloat;
  if (base->character) return kClassChar;
  return base->name.find("long") != std::string::npos ? kClassLong : kClassInt;
}

// The final pointee of a pointer chain and the number of levels.
const TypeDescriptor* final_pointee(const TypeDescriptor* type, int* levels) {
  *levels = 0;
  const TypeDescriptor* t = strip_typedefs_and_qualifiers(type);
  while (t != nullptr && t->kind == TypeKind::Pointer) {
    ++*levels;
    t = strip_typedefs_and_qualifiers(pointer_data(t)->pointee);
  }
  return t;
}

int class_of_stripped(const TypeDescriptor* t) {
  if (t == nullptr) return kClassInt;
  switch (t->kind) {
    case TypeKind::Integer:
    case TypeKind::Floating:
      return base_type_class(t);
    case TypeKind::Enumeration:
      return kClassEnum;
    case TypeKind::Pointer: {
      int levels = 0;
      return is_character_type(final_pointee(t, &levels)) ? kClassCharPointer : kClassPointer;
    }
    case TypeKind::Array:
      return is_character_type(strip_typedefs_and_qualifiers(array_data(t)->element)) ? kClassCharArray
                                                                                     : kClassArray;
    case TypeKind::Struct:
      return kClassStruct;
    case TypeKind::Union:
      return kClassUnion;
    case TypeKind::Function:
      return kClassFunction;
    case TypeKind::Void:
      return kClassVoid;
    case TypeKind::Ellipsis:
      return kClassEllipsis;
    case TypeKind::TemplateInstance: {
      const InstanceData* instance = instance_data(t);
      return instance->instantiated != nullptr ? class_of_stripped(strip_to_object_type(instance->instantiated))
                                               : kClassStruct;
    }
    default:
      return kClassUnknown;
  }
}

// The printed name of a base type (or of the named type a chain ends in).
std::string printed_base(const TypeDescriptor* t) {
  if (t == nullptr) return "int";
  if (t->kind == TypeKind::Void) return "void";
  if (const char* name = type_name(t)) return name;
  return type_text(t);
}

}  // namespace

int type_class_of(const TypeDescriptor* type) { return class_of_stripped(strip_to_object_type(type)); }

ClassifiedType classify_type(const TypeDescriptor* type) {
  ClassifiedType result;
  result.type_class = type_class_of(type);
  const TypeDescriptor* t = strip_typedefs_and_qualifiers(type);
  int references = 0;
  while (t != nullptr && t->kind == TypeKind::Reference) {
    ++references;
    t = strip_typedefs_and_qualifiers(reference_data(t)->referenced);
  }
  while (t != nullptr && t->kind == TypeKind::Array) {
    const ArrayData* array = array_data(t);
    result.bound_text += "[" + (array->bound_text.empty() ? std::string("0") : array->bound_text) + "]";
    t = strip_typedefs_and_qualifiers(array->element);
  }
  int levels = 0;
  const TypeDescriptor* base = final_pointee(t, &levels);
  result.base_text = printed_base(base);
  if (levels > 0) result.base_text += " " + std::string(static_cast<std::size_t>(levels), '*');
  if (references > 0) result.base_text += " " + std::string(static_cast<std::size_t>(references), '&');
  return result;
}

int first_bound_of(const TypeDescriptor* type) {
  const ArrayData* array = array_data(strip_to_object_type(type));
  if (array == nullptr || array->bound_text.empty()) return 0;
  char* end = nullptr;
  long value = std::strtol(array->bound_text.c_str(), &end, 0);
  return *end == '\0' ? static_cast<int>(value) : 0;
}

int classes_compatible(int a, int b) {
  if ((a == kClassNoNil || a == kClassPointer) && b <= kClassPointer) return 1;
  if ((b == kClassNoNil || b == kClassPointer) && a <= kClassPointer) return 1;
  if ((a == kClassCharPointer || a == kClassCharArray) && (b == kClassCharPointer || b == kClassCharArray)) return 1;
  if (a >= kClassEnum && a <= kClassDouble && b >= kClassEnum && b <= kClassDouble) return 1;
  if (a == kClassEllipsis || a == kClassKrParameter || b == kClassEllipsis || b == kClassKrParameter) return 1;
  return a == b ? 1 : 0;
}

bool types_identical(const TypeDescriptor* a, const TypeDescriptor* b) {
  const TypeDescriptor* x = strip_typedefs_and_qualifiers(a);
  const TypeDescriptor* y = strip_typedefs_and_qualifiers(b);
  bool x_array = x != nullptr && x->kind == TypeKind::Array;
  bool y_array = y != nullptr && y->kind == TypeKind::Array;
  if (x_array && y_array)
    return declaration_statement(x, "", PrintMode::AsDeclared) == declaration_statement(y, "", PrintMode::AsDeclared);
  auto compound = [](const TypeDescriptor* t) {
    return t != nullptr && (t->kind == TypeKind::Struct || t->kind == TypeKind::Union);
  };
  // A FORMAT gives a variable a copy of its type's descriptor that shares the type's record: the
  // copy is the same struct or union.
  if (compound(x) && compound(y)) return x == y || (x->data != nullptr && x->data == y->data);
  return classes_compatible(type_class_of(x), type_class_of(y)) == 1;
}

}  // namespace iface
