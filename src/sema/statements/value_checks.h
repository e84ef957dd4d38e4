// Values checked against variables: the check nodes the interface analysis builds from a value
// (anc_build_value_checks), recorded as a tree of entries under a VAR (23) entry.
#pragma once
#include "script/syntax_tree.h"
#include "sema/context.h"

namespace sema {

// The reference checks of an event variable ("EV=qlx_msgrcv", expected-value nodes), built and
// kept in its record the first time a SEND or DEF_MESSAGE of it is analysed; the kept entry on
// later calls. `at` is the statement that asks, for positions of messages. Null when the checks
// cannot be built (reported).
Entry* reference_checks_of(AnalysisContext& context, Entry* event_variable, const script::SyntaxNode* at);

}  // namespace sema
