// The scenario level: the unnamed root scenario and the scenarios nested in it, with their
// numbers, full names, FAMILY clauses, selection and blocks. Nesting is walked with an explicit
// stack, so that the depth of the scenario tree costs no machine stack.
#pragma once
#include "script/syntax_tree.h"
#include "sema/context.h"

namespace sema {

// Analyses the level list (45 items) from `first_item` (the root's third child; null: none) into
// the global scope.
void analyse_scenario_level(AnalysisContext& context, const script::SyntaxNode* first_item);

}  // namespace sema
