// Not checked yet: accepted as written, nothing recorded (filled in by the statement work).
#include "sema/statements/statement_handlers.h"

namespace sema {

void analyse_set(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_unset(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_trace_on(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_trace_off(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_flush_trace(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_rendezvous(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_format(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}

}  // namespace sema
