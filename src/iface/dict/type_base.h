// Base types of the interface analysis: the built-in descriptors, the integer sizes that the
// "sizeof"/"signof" pragmas change, and the composition of type specifiers ("unsigned", "long"...).
#pragma once
#include <string_view>

#include "iface/dict/type_descriptor.h"

namespace iface {

// Where a message about a declaration is reported: the analyser's current file and line.
struct SourcePosition {
  std::string_view file;
  int line = 0;
};

// Sizes in bits used for integer and character constants, "sizeof" and the integer base types.
struct IntegerSizes {
  int char_bits = 8;
  int short_bits = 16;
  int int_bits = 32;
  int long_bits = 32;
  int long_long_bits = 64;
  bool plain_char_unsigned = false;
};

// The built-in descriptors of one dictionary. "int", "short", "long", "long long" and "char"
// follow the sizes above; the others have fixed sizes.
struct BuiltinTypes {
  TypeDescriptor* char_type = nullptr;
  TypeDescriptor* short_type = nullptr;
  TypeDescriptor* int_type = nullptr;
  TypeDescriptor* long_type = nullptr;
  TypeDescriptor* long_long_type = nullptr;
  TypeDescriptor* bool_type = nullptr;
  TypeDescriptor* wchar_type = nullptr;
  TypeDescriptor* float_type = nullptr;
  TypeDescriptor* double_type = nullptr;
  TypeDescriptor* void_type = nullptr;
  TypeDescriptor* ellipsis_type = nullptr;
};

struct BaseTypes {
  IntegerSizes sizes;
  BuiltinTypes builtin;
};

// Creates the built-in descriptors in `store` with the default sizes.
void install_builtin_types(BaseTypes& base, TypeStore& store);

// The built-in base type called `name` ("int", "char", "short", "long", "long long", "bool",
// "wchar_t", "float", "double", "void"), or null.
TypeDescriptor* builtin_type(const BaseTypes& base, std::string_view name);

// Pragma words. `size_word` is "char", "short", "int", "long" or "longlong"; false for another word.
bool set_builtin_size(BaseTypes& base, std::string_view size_word, int bits);
// "signof char signed|unsigned": plain char becomes signed or unsigned.
void set_plain_char_unsigned(BaseTypes& base, bool is_unsigned);
// Pragma on a typedef of an integer type: the typedef's target becomes a private copy of its
// integer record with the new size or sign, so that other users of that integer type keep theirs.
// False when `alias` is no typedef of an integer type.
bool set_typedef_integer_size(TypeStore& store, TypeDescriptor* alias, int bits);
bool set_typedef_integer_sign(TypeStore& store, TypeDescriptor* alias, bool is_unsigned);

// Applies the specifier `word` ("unsigned", "signed", "long", "short") to `type`:
//  - "unsigned"/"signed" keep the character flag and make the size positive / negative;
//  - "short" gives the short size, "long" the long size, "long" on a long the long long size,
//    "long" on "double" gives the floating type "long double"; the character flag is cleared and
//    the size is signed unless the type already says "unsigned" (so the order of the words does
//    not matter: "unsigned short" and "short unsigned" are the same type);
//  - on a pointer or qualified type the word applies to the pointee or target (a new wrapper is made);
//  - "unsigned" with "signed", "short" with "long", a word given twice (other than "long long"),
//    any other word, or a type that is no integer base type: the warning "CONSTRUCT" with the
//    word and the type's name, and null.
// The composed type's name is written in the order sign, length, core ("unsigned long",
// "signed char", "unsigned int", "long long"), dropping "int" after a length word.
TypeDescriptor* compose_type(BaseTypes& base, TypeStore& store, std::string_view word, TypeDescriptor* type,
                             const SourcePosition& where);

}  // namespace iface
