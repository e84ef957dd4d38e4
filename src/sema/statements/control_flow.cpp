// IF, WHILE and CASE with its WHEN branches. The condition (or selector) is typed in the current
// C scope and kept in the statement's condition record; the bodies go to scopes of their own and
// are handed to the list walk (walk_nested_list), which analyses them in script order without
// using call depth, however deeply the statements nest.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>

#include "diag/report.h"
#include "script/tree_view.h"
#include "sema/node_report.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

// The entry of a compound statement and its condition record, with the condition (or selector)
// as written. An empty one is "EMPTYEXPR"; one the interface analysis cannot type has been
// reported by the query and keeps the class -1. The statement is recorded either way, so that
// the statements inside it are analysed.
Descriptor* condition_entry(AnalysisContext& context, Scope* scope, EntryKind kind, DescriptorKind descriptor_kind,
                            const SyntaxNode* node, const SyntaxNode* condition, const ExecutionFilter& filter) {
  std::string_view text = leaf_text(condition);
  Entry* entry = statement_entry(context, scope, kind, node, filter);
  entry->text.assign(text);
  Descriptor* descriptor = new_descriptor(context.model, entry, descriptor_kind);
  ConditionRecord& record = record_of<ConditionRecord>(descriptor);
  record.text.assign(text);
  if (text.empty()) {
    report_at_node(diag::MessageKind::Error, diag::Code::EMPTYEXPR, "", node);
  } else {
    record.condition_class = expression_class(context, text, node);
  }
  return descriptor;
}

NestedList body(const SyntaxNode* first_item, Scope* scope) {
  NestedList list;
  list.first_item = first_item;
  list.scope = scope;
  return list;
}

// ---- CASE ----

// The labels of one CASE so far, by key (case_label_key). Shared by the lists of its branches.
struct CaseLabels {
  std::unordered_set<std::string> keys;
};

// `text` without the parentheses that enclose all of it: "((a))" is "a", "(a) + (b)" stays.
std::string_view without_outer_parentheses(std::string_view text) {
  while (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    int depth = 0;
    bool encloses = true;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] == '(') ++depth;
      if (text[i] == ')') --depth;
      if (depth == 0) {
        encloses = false;
        break;
      }
    }
    if (!encloses) break;
    text = trimmed(text.substr(1, text.size() - 2));
  }
  return text;
}

// What two labels of one CASE are compared by: the label without enclosing parentheses and without
// the blanks and tabs outside character and string literals ("(A | B)" and "A|B" are the same).
std::string case_label_key(std::string_view label) {
  std::string key;
  char quote = 0;
  for (std::size_t i = 0; i < label.size(); ++i) {
    char c = label[i];
    if (quote != 0) {
      key += c;
      if (c == '\\' && i + 1 < label.size()) key += label[++i];
      else if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
      key += c;
    } else if (c != ' ' && c != '\t') {
      key += c;
    }
  }
  return key;
}

// One label of a WHEN branch: OTHERS, a name (an enumerator, a macro: taken as written), or an
// expression whose class must be char or int ("WHWACONST"); a label already used in the CASE is
// "ALRCASDEF". An accepted label is an entry (18) in the branch's scope.
void check_label(AnalysisContext& context, const SyntaxNode* label, Scope* branch_scope, const ExecutionFilter& filter,
                 CaseLabels& labels) {
  std::string_view text = label->kind == script::Others ? std::string_view("OTHERS") : leaf_text(label);
  std::string_view bare = without_outer_parentheses(text);
  bool others = bare == "OTHERS";
  if (!others && !is_c_name(bare)) {
    int type_class = expression_class(context, text, label);
    // -1: the interface analysis has said why; the label stays as written.
    if (type_class != -1 && type_class != 1 && type_class != 2) {
      report_at_node(diag::MessageKind::Error, diag::Code::WHWACONST, text, label);
      return;
    }
  }
  if (!labels.keys.insert(others ? std::string("OTHERS") : case_label_key(bare)).second) {
    report_at_node(diag::MessageKind::Error, diag::Code::ALRCASDEF, text, label);
    return;
  }
  statement_entry(context, branch_scope, EntryKind::WhenLabel, label, filter)->text.assign(others ? "OTHERS" : text);
}

// A WHEN branch's turn in the walk: its entry (28) in the CASE's scope, with a scope of its own
// holding its labels, then its statements.
void start_when_branch(AnalysisContext& context, NestedList& list) {
  const SyntaxNode* branch = list.node;
  Entry* entry = statement_entry(context, list.scope, EntryKind::WhenBranch, branch, list.filter);
  Descriptor* descriptor = new_descriptor(context.model, entry, DescriptorKind::WhenBranch);
  Scope* branch_scope = open_scope(context.model, descriptor, list.scope);
  CaseLabels& labels = *static_cast<CaseLabels*>(list.shared.get());
  for (const SyntaxNode* item : script::when_label_items(script::when_labels(branch))) {
    check_label(context, script::when_label(item), branch_scope, list.filter, labels);
  }
  list.scope = branch_scope;
  list.first_item = script::when_statements(branch);
}

}  // namespace

void analyse_if(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  const SyntaxNode* else_part = script::if_else(node);
  Descriptor* descriptor =
      condition_entry(context, scope, EntryKind::If, DescriptorKind::If, node, script::if_condition(node), filter);
  walk_nested_list(context, body(script::if_then(node), open_scope(context.model, descriptor, scope)));
  if (else_part == nullptr) return;
  // The ELSE statements: a second scope of the IF, kept in its record.
  Scope* else_scope = context.model.make_scope();
  else_scope->parent = scope;
  else_scope->owner = descriptor;
  record_of<ConditionRecord>(descriptor).else_scope = else_scope;
  walk_nested_list(context, body(script::else_statements(else_part), else_scope));
}

void analyse_while(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  Descriptor* descriptor = condition_entry(context, scope, EntryKind::While, DescriptorKind::While, node,
                                           script::while_condition(node), filter);
  walk_nested_list(context, body(script::while_statements(node), open_scope(context.model, descriptor, scope)));
}

void analyse_case(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  Descriptor* descriptor = condition_entry(context, scope, EntryKind::Case, DescriptorKind::Case, node,
                                           script::case_selector(node), filter);
  Scope* case_scope = open_scope(context.model, descriptor, scope);
  auto labels = std::make_shared<CaseLabels>();
  for (const SyntaxNode* item : script::when_items(script::case_branches(node))) {
    NestedList branch;
    branch.scope = case_scope;
    branch.start = start_when_branch;
    branch.node = script::when_branch(item);
    branch.filter = filter;
    branch.shared = labels;
    walk_nested_list(context, std::move(branch));
  }
}

}  // namespace sema
