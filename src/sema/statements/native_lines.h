// Native '#' lines: C/C++ declarations written in the script. Lines that follow each other form
// one text, declared in the interface analysis at the first line's position when the run ends, so
// that a declaration may span several lines; each line is also recorded as an entry (13).
#pragma once
#include <string_view>

#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

// Records the '#' line `line` (node 39) in `scope` and adds it to the open run, starting a run in
// the current C scope when none is open. `filter` is the statement's filter text, if any.
Entry* add_native_line(AnalysisContext& context, const script::SyntaxNode* line, Scope* scope, bool has_filter,
                       std::string_view filter);

// Ends the open run, if any: its text is preprocessed and declared.
void end_native_run(AnalysisContext& context);

}  // namespace sema
