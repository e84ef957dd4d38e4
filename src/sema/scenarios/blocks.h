// INITIALIZATION, TERMINATION and EXCEPTION blocks of a scenario, in their CALL form (a procedure
// called with arguments) and their statement form (a body of their own).
#pragma once
#include <string_view>

#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

// The blocks a scenario's scope holds already, one flag per kind ("TOOMCHINI", ...).
struct BlockSlots {
  bool initialization = false;
  bool termination = false;
  bool exception = false;
};

// A block (27, 62, 93) of the scenario whose full name is `scenario_name`; its entry goes before
// the first sub-scenario of `scope`.
void analyse_block(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope,
                   std::string_view scenario_name, BlockSlots& slots);

}  // namespace sema
