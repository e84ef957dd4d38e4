// Names of the script that the generated C++ driver uses as they stand (procedure and callback
// parameters, message variables, timers) must still compile there: not a C++ keyword, and not a
// name the driver or its runtime already gives a meaning.
#pragma once
#include <string_view>

#include "script/syntax_tree.h"

namespace sema {

// What a script name may not be in the driver. `own_prefix_allowed`: names starting with "qlx_"
// are let through (a callback's parameters may name the variables the driver binds for it).
bool is_reserved_in_driver(std::string_view name, bool own_prefix_allowed);

// Error "DRVRESNAM" at `node` when `name` is reserved; returns whether it was.
bool report_reserved_name(std::string_view name, const script::SyntaxNode* node, bool own_prefix_allowed = false);

}  // namespace sema
