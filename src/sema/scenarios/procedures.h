// Procedures of the script (PROC): their declaration with a parameter scope and a body, the
// lookup by name, and the check of call arguments against the parameters.
#pragma once
#include <string_view>

#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

// PROC (42): a procedure entry (3) in `scope` with its parameters and its body; a name declared
// before gives "PROCALREX" and the procedure is not analysed.
void analyse_procedure(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);

// Marks the procedure named `name` used when there is one; returns it (or null).
Entry* use_procedure(const AnalysisContext& context, std::string_view name);

// Checks the arguments of a call of `procedure` (the 1 chain from `first_argument`, null when
// the call has none) against its parameters; one Value entry (27) per accepted argument goes to
// `scope`. Argument expressions are typed in the C scope `scope_name`; `call` is the calling
// node, where the messages about missing arguments stand.
void check_procedure_arguments(AnalysisContext& context, Entry* procedure, const script::SyntaxNode* first_argument,
                               Scope* scope, std::string_view scope_name, const script::SyntaxNode* call);

}  // namespace sema
