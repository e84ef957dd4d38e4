// Helpers of the grammar's actions: list building with a tail pointer (no quadratic appends),
// leaves from tokens, and the grouping of a body into declaration and instruction lists.
#pragma once
#include <string>
#include <string_view>

#include "script/syntax_tree.h"

namespace script {

// A list under construction: its first and last cell.
struct NodeList {
  SyntaxNode* head;
  SyntaxNode* tail;
};

enum class Link { Second, Third };

// Appends `cell` (may be null: nothing appended) through the given link of the last cell.
NodeList list_append(NodeList list, SyntaxNode* cell, Link link);
NodeList list_of(SyntaxNode* cell);
// `front` followed by `back`, both linked through `link`.
NodeList list_concat(NodeList front, NodeList back, Link link);

// Blanks and tabs removed at both ends.
std::string trimmed(std::string_view text);
bool is_blank(std::string_view text);
// True for a C identifier (letters, digits, '_', not starting with a digit).
bool is_identifier(std::string_view text);

// Turns a token leaf into a leaf of `kind` whose text is trimmed; a blank text gives null (the
// leaf is released).
SyntaxNode* retag_trimmed(SyntaxNode* leaf, int kind);

// Groups a chain of statement items (146) into a body: runs of '#' lines become declaration lists
// (100), runs of other statements instruction lists (99), an instance group a restricted list
// (100 when it holds '#' lines only). The first list carries `first_line`.
SyntaxNode* make_body(SyntaxNode* statements, int first_line);

// Wraps the root's scenario-level list in the unnamed root scenario.
void wrap_root_scenario(SyntaxNode* root);

}  // namespace script
