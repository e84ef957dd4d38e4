// Values checked against variables: VAR (check entries under an entry 23) and DEF_MESSAGE (entry
// 44, and 45 in the message's own list), and the reference checks of an event variable.
//
// The message's own list is the child scope of its event variable's descriptor (entry 46): it
// holds the reference checks (an entry 23 of kind 113) once they are built, then one entry 45 per
// DEF_MESSAGE of the message, each with its checks below it.
#pragma once
#include "script/syntax_tree.h"
#include "sema/context.h"

namespace sema {

// The reference checks of an event variable ("EV=qlx_msgrcv", expected-value nodes), built and
// kept in its record the first time a SEND or DEF_MESSAGE of it is analysed; the kept entry on
// later calls. `at` is the statement that asks, for positions of messages. Null when the checks
// cannot be built (reported by the first call only).
Entry* reference_checks_of(AnalysisContext& context, Entry* event_variable, const script::SyntaxNode* at);

}  // namespace sema
