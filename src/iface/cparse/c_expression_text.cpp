// Names of the expression kinds and the outline of a tree, for tests and traces.
#include <string>

#include "iface/cparse/c_expression.h"

namespace iface {

namespace {

struct KindRow {
  ExprKind kind;
  std::string_view name;
};

constexpr KindRow kind_table[] = {
    {ExprKind::Identifier, "id"},       {ExprKind::ScopedName, "scoped"},   {ExprKind::Literal, "lit"},
    {ExprKind::Parenthesised, "paren"}, {ExprKind::Subscript, "index"},     {ExprKind::Call, "call"},
    {ExprKind::Member, "member"},       {ExprKind::Dereference, "deref"},   {ExprKind::Unary, "unary"},
    {ExprKind::Postfix, "postfix"},     {ExprKind::Binary, "binary"},       {ExprKind::Assignment, "assign"},
    {ExprKind::Conditional, "cond"},    {ExprKind::Comma, "comma"},         {ExprKind::Cast, "cast"},
    {ExprKind::SizeofType, "sizeof-type"}, {ExprKind::BraceList, "list"},   {ExprKind::Designated, "=>"},
    {ExprKind::Range, ".."},            {ExprKind::Empty, "empty"},
};

void outline(const ExprNode* node, std::string& out);

void outline_children(const ExprNode* node, std::string& out) {
  for (const ExprNode* child : {node->first, node->second, node->third}) {
    if (child != nullptr) outline(child, out);
  }
  for (const ExprNode* item = node->items; item != nullptr; item = item->next) outline(item, out);
}

void outline(const ExprNode* node, std::string& out) {
  out += out.empty() || out.back() == '(' ? "(" : " (";
  out += expression_kind_name(node->kind);
  switch (node->kind) {
    case ExprKind::Identifier:
    case ExprKind::ScopedName:
      out += ' ';
      out += node->name;
      break;
    case ExprKind::Literal:
      out += ' ';
      out += node->text;
      break;
    case ExprKind::Member:
      out += node->op == TokenKind::Arrow ? " ->" : " .";
      out += node->name;
      break;
    case ExprKind::Unary:
    case ExprKind::Postfix:
    case ExprKind::Binary:
    case ExprKind::Assignment:
      out += ' ';
      out += token_kind_spelling(node->op);
      break;
    case ExprKind::Cast:
    case ExprKind::SizeofType:
      out += " <";
      out += node->type_text;
      out += '>';
      break;
    default:
      break;
  }
  outline_children(node, out);
  out += ')';
}

}  // namespace

std::string_view expression_kind_name(ExprKind kind) {
  for (const KindRow& row : kind_table) {
    if (row.kind == kind) return row.name;
  }
  return "?";
}

std::string expression_outline(const ExprNode* node) {
  std::string out;
  if (node == nullptr) return "null";
  outline(node, out);
  return out;
}

}  // namespace iface
