// Printing a declaration as C text, in three parts: the type text ("const struct S "), the
// declarator text ("*(*name)(int a)") and the array text ("[10][20]", the arrays that apply to
// the name itself). `type_text + declarator_text + array_text + ";"` is the declaration.
//
// Named types print their (scope-qualified) name: base types their name, typedefs their name,
// tags "struct S", "class C", "union U", "enum E"; anonymous structs, unions and enumerations
// print their body. An absent type prints "int".
#pragma once
#include <string>
#include <string_view>

#include "iface/dict/type_descriptor.h"

namespace iface {

struct DeclarationParts {
  std::string type_text;
  std::string declarator_text;
  std::string array_text;
};

enum class PrintMode {
  AsDeclared,
  // A character pointer (through typedefs and qualifiers) becomes a buffer of its own: type text
  // "char ", array text "[200]".
  CharacterPointerAsBuffer,
};

inline constexpr int kCharacterBufferSize = 200;

DeclarationParts print_declaration(const TypeDescriptor* type, std::string_view name, PrintMode mode);

// The three parts joined, trailing blanks removed.
std::string joined_declaration(const DeclarationParts& parts);
// "type declarator array;" for `name`.
std::string declaration_statement(const TypeDescriptor* type, std::string_view name, PrintMode mode);
// The type alone, as in a cast: "char *", "int [3]", "struct S".
std::string type_text(const TypeDescriptor* type);

}  // namespace iface
