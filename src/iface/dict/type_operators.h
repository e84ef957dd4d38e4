// Names under which the dictionary records C++ operator functions and destructors.
#pragma once
#include <string>
#include <string_view>

namespace iface {

// The word of a C++ operator ("+=" -> "add_assign", "()" -> "function_call", "[]" ->
// "subscript"); empty for an operator that has no word ("new", "delete", conversions).
std::string_view operator_word(std::string_view op);
// "operator_" followed by the operator's word; empty when the operator has none.
std::string operator_function_name(std::string_view op);
// "destructor_" followed by the class name.
std::string destructor_name(std::string_view class_name);

}  // namespace iface
