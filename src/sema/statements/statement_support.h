// Pieces every statement handler uses: the entry a statement records (with its position and
// filter), the trimmed text of an optional leaf, and the class of an operand typed in the
// current C scope.
#pragma once
#include <string_view>

#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/statements/statement_list.h"

namespace sema {

// A new entry of `kind` at the end of `scope`, at the statement's file and line, carrying the
// statement's execution filter.
Entry* statement_entry(AnalysisContext& context, Scope* scope, EntryKind kind, const script::SyntaxNode* node,
                       const ExecutionFilter& filter);

// `text` without leading and trailing blanks and tabs.
std::string_view trimmed(std::string_view text);

// The trimmed text of a leaf, or an empty text for a null leaf.
std::string_view leaf_text(const script::SyntaxNode* leaf);

// The type class (anc_expression_class) of `expression` in the current C scope, typed at the
// statement's position; -1 for an empty text or one the interface analysis cannot type (it has
// reported why).
int expression_class(const AnalysisContext& context, std::string_view expression, const script::SyntaxNode* at);

// Whether `text` is a C name: an identifier, or identifiers joined by "::" (with an optional
// leading "::"), without blanks. CALL and CASE tell names from other expressions with it.
bool is_c_name(std::string_view text);

}  // namespace sema
