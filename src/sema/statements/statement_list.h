// The statement-list walk: the bodies of scenarios, blocks, procedures, callbacks and procsends,
// their instance-restricted groups, native '#' lines, execution filters, and the warning for
// statements that follow an ERROR or EXIT. Each statement is handed to analyse_statement, which
// dispatches on its node kind.
#pragma once
#include <memory>
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
// filters, instance groups, runs of native lines, "NOEXEINST". The lists nested in its IF, ELSE,
// WHILE and WHEN statements (walk_nested_list) are walked too, in script order, before it returns.
void analyse_statement_list(AnalysisContext& context, const script::SyntaxNode* first_item, Scope* scope);

// A statement list nested in a compound statement: a THEN, ELSE, WHILE or WHEN body.
struct NestedList {
  const script::SyntaxNode* first_item = nullptr;  // its first item (146), or null
  Scope* scope = nullptr;                          // where its statements go
  // When set, run as the list's turn comes, before its first statement: it may report, record
  // entries and set `first_item` and `scope` (a WHEN branch checks its labels and opens its scope
  // there, so that the messages keep the order of the lines). It does not walk lists itself.
  void (*start)(AnalysisContext&, NestedList&) = nullptr;
  const script::SyntaxNode* node = nullptr;  // what `start` works on
  ExecutionFilter filter;                     // the compound statement's filter, for `start`
  std::shared_ptr<void> shared;               // for `start`: state shared by the lists of one statement
};

// Hands a nested list to the walk in progress. The lists that one statement hands on are walked
// right after its handler returns and before the statement that follows it, in the order given,
// each one whole (its own nested lists included) before the next. The walk keeps its own stack of
// lists, so that nesting depth costs no call depth. Outside a walk the list is walked at once.
void walk_nested_list(AnalysisContext& context, NestedList list);

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
