// Type classes: the small numbers in which the script side asks about the kind of a C value,
// their compatibility, the two printed texts of a classified type, and type identity.
#pragma once
#include <string>

#include "iface/dict/type_descriptor.h"

namespace iface {

enum TypeClass : int {
  kClassUnknown = -1,
  kClassEnum = 0,
  kClassChar = 1,
  kClassInt = 2,
  kClassLong = 3,
  kClassFloat = 4,
  kClassDouble = 5,
  kClassCharPointer = 6,
  kClassCharArray = 7,
  kClassNoNil = 8,
  kClassPointer = 9,
  kClassStruct = 10,
  kClassArray = 11,
  kClassUnion = 12,
  kClassFunction = 13,
  kClassVoid = 14,
  kClassEllipsis = 15,
  kClassKrParameter = 17,
};

// A classified type. `base_text` is the printed base type ("int" for an absent type) followed,
// for pointers, by a blank and one "*" per level, for references by a blank and one "&" per
// level; `bound_text` holds one "[bound]" per array level ("[0]" for an array without bound).
struct ClassifiedType {
  int type_class = kClassUnknown;
  std::string base_text;
  std::string bound_text;
};

// The class of `type`: typedefs and qualifiers are looked through, a reference is classified as
// its referenced type; null is an absent type (class 2).
int type_class_of(const TypeDescriptor* type);
ClassifiedType classify_type(const TypeDescriptor* type);

// The number inside the first bound text of `type` (typedefs, qualifiers, references looked
// through); 0 when it is no array or the bound is not a plain number.
int first_bound_of(const TypeDescriptor* type);

// 1 when a value of class `a` may be compared with one of class `b`.
int classes_compatible(int a, int b);

// Type identity: typedef and qualifier wrappers removed; arrays by their printed declarations,
// structs/classes and unions by descriptor, anything else by compatible classes.
bool types_identical(const TypeDescriptor* a, const TypeDescriptor* b);

}  // namespace iface
