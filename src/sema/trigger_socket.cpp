#include "sema/trigger_socket.h"

namespace sema {

// Filled by the analysis of the communication declarations.
void declare_trigger_socket(AnalysisContext&) {}

}  // namespace sema
