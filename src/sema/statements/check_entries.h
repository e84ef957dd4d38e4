// The check nodes of a value (anc_build_value_checks), rebuilt as a tree of entries: the list is
// first planned (checked, OTHERS intervals computed, array elements put in index order), then
// recorded under an entry, so that a value in error records nothing.
//
// Entry kinds of the tree: array 24, array element or index interval 39, struct 38, base-class
// part 43, union 59; a scalar is a field 40 in a struct (or alone, for a plain variable), a union
// member 77 in a union, an element 39 in an array. Opening nodes give entries with a scope of
// their own; the entries of an OTHERS element share one planned subtree, recorded under each of
// its intervals.
#pragma once
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "iface/query/value_check.h"
#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/statements/statement_list.h"

namespace sema {

// Owns the list that anc_build_value_checks returns and frees it whatever the path.
class CheckList {
 public:
  CheckList() = default;
  CheckList(const CheckList&) = delete;
  CheckList& operator=(const CheckList&) = delete;
  ~CheckList() { iface::anc_free_value_checks(head_); }

  iface::CheckNode*& head() { return head_; }
  const iface::CheckNode* first() const { return head_; }

 private:
  iface::CheckNode* head_ = nullptr;
};

// Builds the check list of `assignment` ("INIT=...", "EV=...") for the C expression `variable`
// in the current C scope, at the statement's position. Null when the interface analysis rejected
// the value (it has reported why).
std::unique_ptr<CheckList> build_check_list(const AnalysisContext& context, std::string_view variable,
                                            std::string_view assignment, const script::SyntaxNode* at);

struct PlannedEntry {
  const iface::CheckNode* node = nullptr;  // the check node (the OTHERS node for its intervals)
  EntryKind kind = EntryKind::StructField;
  long long low = 0;
  long long high = 0;
  int children = -1;  // index of its list of children in CheckPlan::lists, or -1 (a leaf)
};

struct CheckPlan {
  std::vector<PlannedEntry> entries;
  std::vector<std::vector<int>> lists;  // lists[0]: the top level
};

// Plans the tree of a check list. An element index or range outside its array is the error
// "BNDOUTARR" with "(low..high)" and gives no plan; an OTHERS that covers no index is the
// warning "OTHERSEMP" and records nothing for OTHERS. Messages at the statement `at`.
std::optional<CheckPlan> plan_check_entries(const iface::CheckNode* list, const script::SyntaxNode* at);

// Records a plan in `scope` (the child scope of the entry that carries the value): each entry
// at the statement's position, with its filter, and a descriptor of `kind` (112, 113, 135) whose
// CheckRecord holds the node's data.
void record_check_entries(AnalysisContext& context, const CheckPlan& plan, Scope* scope, DescriptorKind kind,
                          const script::SyntaxNode* at, const ExecutionFilter& filter);

// An entry 23 in `scope` carrying a value's checks: its text is the checked variable, its record
// (node kind 0) the variable and the value text; the plan is recorded in its child scope.
Entry* record_value_entry(AnalysisContext& context, Scope* scope, const CheckPlan& plan, DescriptorKind kind,
                          std::string_view variable, std::string_view value_text, const script::SyntaxNode* at,
                          const ExecutionFilter& filter);

}  // namespace sema
