#include "script/tree_build.h"

namespace script {

namespace {

SyntaxNode*& link_of(SyntaxNode* cell, Link link) { return link == Link::Second ? cell->second : cell->third; }

bool is_hash_holder(const SyntaxNode* item) {
  return item->second == nullptr && item->first != nullptr && item->first->second != nullptr &&
         item->first->second->kind == HashLine;
}

// True when every item of an instance group is a '#' line.
bool holds_only_hash_lines(const SyntaxNode* chain) {
  if (chain == nullptr) return false;
  for (const SyntaxNode* item = chain; item != nullptr; item = item->third) {
    if (!is_hash_holder(item)) return false;
  }
  return true;
}

SourcePosition position_of(const SyntaxNode* node) { return {node->line, node->file, node->file_number}; }

}  // namespace

NodeList list_append(NodeList list, SyntaxNode* cell, Link link) {
  if (cell == nullptr) return list;
  if (list.head == nullptr) return {cell, cell};
  link_of(list.tail, link) = cell;
  return {list.head, cell};
}

NodeList list_of(SyntaxNode* cell) { return {cell, cell}; }

NodeList list_concat(NodeList front, NodeList back, Link link) {
  if (front.head == nullptr) return back;
  if (back.head == nullptr) return front;
  link_of(front.tail, link) = back.head;
  return {front.head, back.tail};
}

std::string trimmed(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return std::string(text.substr(begin, end - begin));
}

bool is_blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

bool is_identifier(std::string_view text) {
  if (text.empty() || (text[0] >= '0' && text[0] <= '9')) return false;
  for (char c : text) {
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

SyntaxNode* retag_trimmed(SyntaxNode* leaf, int kind) {
  std::string text = trimmed(leaf->text);
  if (text.empty()) {
    release_tree(leaf);
    return nullptr;
  }
  leaf->kind = kind;
  leaf->text = std::move(text);
  return leaf;
}

SyntaxNode* make_body(SyntaxNode* statements, int first_line) {
  NodeList lists{nullptr, nullptr};
  NodeList run{nullptr, nullptr};  // items of the list being filled
  SyntaxNode* open = nullptr;      // that list
  for (SyntaxNode* item = statements; item != nullptr;) {
    SyntaxNode* next = item->third;
    item->third = nullptr;
    if (item->second != nullptr) {
      // An instance group becomes a restricted list of its own.
      int kind = holds_only_hash_lines(item->second) ? DeclarationList : InstructionList;
      SyntaxNode* list = new_node(kind, position_of(item), item->first, item->second);
      item->first = item->second = nullptr;
      release_tree(item);
      lists = list_append(lists, list, Link::Third);
      open = nullptr;
    } else {
      int kind = is_hash_holder(item) ? DeclarationList : InstructionList;
      if (open == nullptr || open->kind != kind) {
        open = new_node(kind, position_of(item));
        lists = list_append(lists, open, Link::Third);
        run = {nullptr, nullptr};
      }
      run = list_append(run, item, Link::Third);
      open->first = run.head;
    }
    item = next;
  }
  if (lists.head != nullptr) lists.head->line = first_line;
  return lists.head;
}

void wrap_root_scenario(SyntaxNode* root) {
  if (root == nullptr || root->third == nullptr) return;
  SourcePosition at = position_of(root->third);
  SyntaxNode* contents = new_node(ScenarioContents, at, nullptr, new_node(Empty, at), root->third);
  SyntaxNode* scenario = new_node(Scenario, at, new_leaf(Name, at, ""), contents);
  root->third = new_node(LevelList, at, scenario);
}

}  // namespace script
