#include "sema/statements/statement_support.h"

#include "script/tree_build.h"

#include "iface/query/anc_expressions.h"
#include "sema/node_report.h"

namespace sema {

Entry* statement_entry(AnalysisContext& context, Scope* scope, EntryKind kind, const script::SyntaxNode* node,
                       const ExecutionFilter& filter) {
  return new_entry(context.model, scope, kind, "", position_of(node), filter.text, filter.present);
}

std::string_view trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string_view leaf_text(const script::SyntaxNode* leaf) {
  return leaf != nullptr ? trimmed(leaf->text) : std::string_view();
}

int expression_class(const AnalysisContext& context, std::string_view expression, const script::SyntaxNode* at) {
  int type_class = -1;
  if (expression.empty()) return type_class;
  iface::anc_expression_class(expression, context.state.scope_name, file_of(at), at->line, type_class);
  return type_class;
}

bool is_c_name(std::string_view text) {
  if (text.starts_with("::")) text.remove_prefix(2);
  for (;;) {
    std::size_t separator = text.find("::");
    if (!script::is_identifier(text.substr(0, separator))) return false;
    if (separator == std::string_view::npos) return true;
    text.remove_prefix(separator + 2);
  }
}

}  // namespace sema
