// Members of structs, classes, unions and enumerations: position by name, member by position,
// member lookup for expressions, and the "character string" test.
#pragma once
#include <string>

#include "iface/dict/type_descriptor.h"

namespace iface {

// The 1-based position of `name` (interned) among the members of a struct/class or union, or the
// enumerators of an enumeration, in declaration order; 0 when it is none of them. Typedefs and
// qualifiers are looked through; a class template gives 0, a template instance is looked through
// to the class built for it (or its template's class body); no type at all gives 1.
int member_position(const TypeDescriptor* type, const char* name);

// The member at 1-based `position` of a union or struct/class (typedefs, qualifiers and
// references looked through), or null. `*counter` is advanced by one for every member passed,
// the returned one included, so that a caller can go on counting over several records; the
// member's name (nothing for an unnamed member) is appended to `*name_buffer` when given.
const Member* member_at(const TypeDescriptor* type, int position, int* counter, std::string* name_buffer);

// The member that `object.name` designates in an expression: the type's own members first, then
// the members of unnamed struct/union members (whose members belong to the enclosing record), then
// the base classes in declaration order, depth first. Typedefs, qualifiers and references are
// looked through. Null when there is none.
const Member* find_member(const TypeDescriptor* type, const char* name);

// Whether a struct/class (through typedefs and qualifiers) has a member or a base class whose
// flag byte carries the member flag (bit 0, kMemberVirtual).
bool has_flagged_member(const TypeDescriptor* type);

// True for a pointer or array whose element is a character-flagged integer type, through
// typedefs, qualifiers and references (on the type and on its element).
bool is_character_string(const TypeDescriptor* type);

}  // namespace iface
