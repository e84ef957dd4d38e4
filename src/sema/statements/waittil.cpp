// Not checked yet: accepted as written, nothing recorded (filled in by the statement work).
#include "sema/statements/statement_handlers.h"

namespace sema {

void analyse_waittil(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}

}  // namespace sema
