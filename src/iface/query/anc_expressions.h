// Expression queries of the script side. The text is preprocessed, normalised, parsed as a C/C++
// expression and typed against the dictionary; an empty text, a parse failure or a typing failure
// gives class -1. Scopes are named as in anc_session.h.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "iface/cparse/c_expression.h"

namespace iface {

// The text preprocessed (a level named after `file`, starting at `line`), normalised and parsed;
// null for an empty text or after a syntax error (reported). With `value`, the script's value
// notation is read instead of an expression.
std::unique_ptr<ExprTree> anc_parse_text(std::string_view text, std::string_view scope, std::string_view file,
                                         int line, bool value);

void anc_expression_class(std::string_view expr, std::string_view scope, std::string_view file, int line,
                          int& type_class);
// As anc_expression_class; "NONIL" is class 8 without parsing. `first_bound` is the number inside
// the first bound text of the type (0 when the type is no array).
void anc_value_class(std::string_view expr, std::string_view scope, std::string_view file, int line,
                     int& type_class, int& first_bound);

// The answer about one position of a function: class, parameter name, the printed base type and
// bound texts, and the first bound.
struct ArgumentAnswer {
  int type_class = -1;
  std::string parameter_name;
  std::string type_text;
  std::string bound_text;
  int first_bound = 0;
};
// Position 0 is the return type, i > 0 the i-th parameter. Past the last parameter: 15 after a
// "...", else -1. An empty parameter list: in ANSI mode 14 for position 1 and -1 after it, 17 for
// every position otherwise. A negative position, or an expression of no function type: -1.
ArgumentAnswer anc_argument_class(std::string_view function_expr, std::string_view scope, int position);

// 0 for an identifier or a subscript (through parentheses and "*"), 1 for any other form and for
// a text that does not parse.
int anc_is_constant_expression(std::string_view expr, std::string_view scope);
// 1 when the expression's type is identical to the type written in `type_text`; 0 when either
// does not parse or typing the expression reported a warning.
int anc_same_type(std::string_view expr, std::string_view type_text, std::string_view scope, std::string_view file);

}  // namespace iface
