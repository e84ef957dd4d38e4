// Not checked yet: accepted as written, nothing recorded (filled in by the statement work).
#include "sema/statements/statement_handlers.h"

namespace sema {

void analyse_send(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_add_id(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_clear_id(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_message_date(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
void analyse_no_message(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}

}  // namespace sema
