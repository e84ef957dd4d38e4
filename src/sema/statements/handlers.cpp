// Not checked yet: the named procedure is marked used, nothing is recorded.
#include "script/tree_view.h"
#include "sema/scenarios/procedures.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

void analyse_catch(AnalysisContext& context, const script::SyntaxNode* node, Scope*, const ExecutionFilter&) {
  use_procedure(context, leaf_text(script::catch_procedure(node)));
}

void analyse_enable_cleanup(AnalysisContext& context, const script::SyntaxNode* node, Scope*,
                            const ExecutionFilter&) {
  use_procedure(context, leaf_text(script::cleanup_procedure(node)));
}

void analyse_disable_cleanup(AnalysisContext& context, const script::SyntaxNode* node, Scope*,
                             const ExecutionFilter&) {
  use_procedure(context, leaf_text(script::cleanup_procedure(node)));
}

}  // namespace sema
