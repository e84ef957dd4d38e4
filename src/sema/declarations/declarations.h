// The declaration level: the chain of declaration items (148) of the script root and of INSTANCE
// blocks. Each declaration goes to the handler of its node kind (declarations.cpp holds the
// table); runs of native '#' lines are joined and declared together.
#pragma once
#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

// Analyses the declaration items from `first_item` (null: none) into `scope`.
void analyse_declarations(AnalysisContext& context, const script::SyntaxNode* first_item, Scope* scope);

}  // namespace sema
