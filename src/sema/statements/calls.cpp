// Not checked yet: the called procedure is marked used, nothing is recorded.
#include "script/tree_view.h"
#include "sema/scenarios/procedures.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

void analyse_call(AnalysisContext& context, const script::SyntaxNode* node, Scope*, const ExecutionFilter&) {
  use_procedure(context, leaf_text(script::call_name(node)));
}

}  // namespace sema
