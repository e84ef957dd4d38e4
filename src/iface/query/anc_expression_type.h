// The typing step of the query layer: the type of a parsed expression against the dictionary,
// computed bottom up and stored in each node.
//
//  - an identifier by value lookup in the scope ("IDENTIINC" when unknown); "true"/"false" are
//    bool; a symbol without type is an int;
//  - a subscript on an array gives the element, on a pointer the pointee, on a class the result
//    of its "operator []" ("NONTABLEA" otherwise); a call gives the return type (through a
//    function pointer too), on a class the result of "operator ()" ("NONFONCTI" otherwise);
//  - "." needs a struct, union or class ("INVCHASTR"), "->" a pointer ("NOPOSTRUC") to one
//    ("POINSTRUC", or a class with "operator ->"); the member must exist ("CHAMPINCO");
//  - "*" needs a pointer or array ("NONPOINTE"); unary "-"/"+" a numeric type ("OPERARITH"),
//    "!" a scalar ("OPERSCALA"), "~" an integer ("OPERENTIE"); "&" makes a pointer;
//  - binary arithmetic follows the usual conversions in short (floating beats integer, double
//    beats float, long beats int; pointer arithmetic keeps the pointer); comparisons and logical
//    operators give int; assignments the left operand; "?:" the second operand; "," the last;
//    a cast its type (read as a type from text); sizeof and alignof unsigned long.
// Every message is a warning at the node's position and gives no type (null) for the node and the
// nodes above it.
#pragma once
#include <string_view>

#include "iface/cparse/c_expression.h"
#include "iface/dict/dictionary_scopes.h"

namespace iface {

const TypeDescriptor* type_expression(ExprNode* node, TypeDescriptor* scope);

// The expression context of a query in `scope` (a scope name of the query layer) at file/line:
// the analyser's size settings and the dictionary's answer about type names.
ExprContext query_expression_context(std::string_view scope, std::string_view file, int line);

}  // namespace iface
