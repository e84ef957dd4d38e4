// Not checked yet: accepted as written, nothing recorded (filled in by the statement work).
#include "sema/statements/statement_handlers.h"

namespace sema {

void analyse_timer(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_reset(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_pause(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_print(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}

}  // namespace sema
