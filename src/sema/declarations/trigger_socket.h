// The predefined communication type of scripts that use TRIGGER without COMMTYPE.
#pragma once
#include "sema/context.h"

namespace sema {

// Declares the communication type "qlx_socket" (connection-id type "int") in the global scope.
void declare_trigger_socket(AnalysisContext& context);

}  // namespace sema
