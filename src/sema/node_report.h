// Positions and messages at syntax nodes: every message of the analysis carries the file and line
// of the node concerned.
#pragma once
#include <string_view>

#include "diag/report.h"
#include "script/syntax_tree.h"
#include "sema/model/model.h"

namespace sema {

inline Position position_of(const script::SyntaxNode* node) {
  return Position{node->file, node->file_number, node->line};
}

inline std::string_view file_of(const script::SyntaxNode* node) {
  return node->file != nullptr ? std::string_view(node->file) : std::string_view();
}

// report_at at the node's file and line.
inline void report_at_node(diag::MessageKind kind, diag::Code code, std::string_view argument,
                           const script::SyntaxNode* node) {
  diag::report_at(kind, code, argument, file_of(node), node->line);
}

// report_at at an entry's file and line.
inline void report_at_entry(diag::MessageKind kind, diag::Code code, std::string_view argument, const Entry* entry) {
  diag::report_at(kind, code, argument, entry->file != nullptr ? std::string_view(entry->file) : std::string_view(),
                  entry->line);
}

}  // namespace sema
