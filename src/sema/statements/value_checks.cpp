// Not checked yet: accepted as written, nothing recorded (filled in by the statement work).
#include "sema/statements/value_checks.h"

#include "sema/statements/statement_handlers.h"

namespace sema {

void analyse_var(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {}
// Counted for the end notice "NODEFMESS", which WAITTIL statements call for.
void analyse_def_message(AnalysisContext& context, const script::SyntaxNode*, Scope*, const ExecutionFilter&) {
  ++context.state.def_message_count;
}

Entry* reference_checks_of(AnalysisContext&, Entry* event_variable, const script::SyntaxNode*) {
  return record_of<EventVariableRecord>(event_variable).reference_checks;
}

}  // namespace sema
