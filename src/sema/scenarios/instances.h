// Virtual-tester instances: the instance mode, DECLARE_INSTANCE lists, INSTANCE blocks of the
// declaration level and the instance-restricted groups of bodies.
#pragma once
#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

// The instance mode over the declaration chain starting at `first_item`: 0 without
// DECLARE_INSTANCE, 2 with declarations and no -INSTANCE, 1 when -INSTANCE names a declared
// instance (its ordinal from 1 is kept), 3 when it names none ("ISTNOPLAN").
void choose_instance_mode(AnalysisContext& context, const script::SyntaxNode* first_item);

// DECLARE_INSTANCE (142): one entry (69) per new name, numbered from 0 over the script; a name
// declared before gives "ISTNALRDEC" and ends the list.
void declare_instances(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);

// An INSTANCE block (141) of the declaration level.
void analyse_instance_block(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);

// Whether one of the names of the chain starting at `first_name` (143 items) is -INSTANCE's.
bool names_chosen_instance(const AnalysisContext& context, const script::SyntaxNode* first_name);

// One designation entry (76) in `scope` per declared name of the chain, each marking its
// instance used; an undeclared name gives "UNDECISTN" and ends the list.
void designate_instances(AnalysisContext& context, const script::SyntaxNode* first_name, Scope* scope);

// A group of statements restricted to instances: `header` (150) names them, `first_item` starts
// its statement chain. `declarations` tells a declaration list (entries 72/73) from statements
// (74/75). Returns false when the walk of the enclosing list must stop ("NODCLISTN").
bool analyse_instance_group(AnalysisContext& context, const script::SyntaxNode* header,
                            const script::SyntaxNode* first_item, Scope* scope, bool declarations);

}  // namespace sema
