// The statement-list walk: the bodies of scenarios, blocks, procedures, callbacks and procsends,
// their instance-restricted groups, native '#' lines, execution filters, and the warning for
// statements that follow an ERROR or EXIT. Each statement is handed to analyse_statement, which
// dispatches on its node kind.
#pragma once
#include <string_view>

#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

// The execution filter of a statement as its entries keep it: the filter text without its first
// '%' (so "%%A" keeps "%A", which the generators read as the swapped form), or none.
struct ExecutionFilter {
  bool present = false;
  std::string_view text;
};

// Analyses a body: the chain of declaration lists (100) and instruction lists (99) that starts at
// `first_list` (null: an empty body), recording its entries in `scope`. The C scope name of the
// interface analysis is `scope_name` for the whole body (the scenario's full name, the procedure,
// callback or procsend name, or a block's "<scenario>@init" / "@term" / "@excp"); the previous
// name is back afterwards. A body starts with no instruction list seen ("BADIBSEQ").
void analyse_body(AnalysisContext& context, const script::SyntaxNode* first_list, Scope* scope,
                  std::string_view scope_name);

// Walks one statement chain (146 items, null: empty) into `scope` under the current C scope name:
// filters, instance groups, runs of native lines, "NOEXEINST". For the lists nested in IF, ELSE,
// WHILE and WHEN.
void analyse_statement_list(AnalysisContext& context, const script::SyntaxNode* first_item, Scope* scope);

// One statement, dispatched on its node kind; `filter` travels to every entry it records.
void analyse_statement(AnalysisContext& context, const script::SyntaxNode* statement, Scope* scope,
                       const ExecutionFilter& filter);

// The filter of a statement holder's filter node (38 "%...", 41 "%%..."), after checking its
// syntax ("BADFLTSTX" at the node). Null node: no filter.
ExecutionFilter take_filter(const script::SyntaxNode* filter);

// Reports "BADFLTSTX" with the filter as written when the node's text breaks the filter syntax;
// returns whether it is well formed.
bool check_filter_syntax(const script::SyntaxNode* filter);

}  // namespace sema
