// The syntax of execution filters ("%A+B", "%~C", "%%A~B"): letters joined by '+' (or) and
// prefixed by '~' (not). Pure.
#pragma once
#include <string_view>

namespace sema {

// Whether `text` (the filter after its '%', or after "%%") is well formed: it does not begin
// with '+', has no "~~", "~+" or "++", and does not end with '~' or '+'.
bool filter_syntax_ok(std::string_view text);

}  // namespace sema
