// Type from text: the type descriptor of a type written as C text ("unsigned long",
// "struct S *", "int [4]", "int (*)(void)"), for FORMAT and for comparing types.
#pragma once
#include <string_view>

#include "iface/cparse/c_declarations.h"

namespace iface {

// Reads `text` as a type name in `scope` (null: global) and declares the reserved variable
// "__quelt_var" of that type there (the dictionary replaces its previous type silently); the
// result is the variable's type. Null when the text is no type name: "syntax error" is reported
// at `file` and `line`. An empty text is no type name either and reports nothing.
TypeDescriptor* type_from_text(DeclarationAnalyser& analyser, std::string_view text, TypeDescriptor* scope,
                               std::string_view file, int line);

}  // namespace iface
