// The walk of the semantic model that the TDC and TSF writers share: depth first, in scope order,
// with an explicit stack, so that scenarios and IF/WHILE statements nested as deep as a tester
// writes them never deepen the call stack.
//
// The visitor decides, element by element, what follows it: `enter(entry, plan)` writes what comes
// before the element's children and fills `plan` in order with the scopes to walk, single entries
// to visit, and the points where `leave(entry)` is called (end records, trace lines).
#pragma once
#include <vector>

#include "sema/model/model.h"

namespace gen {

class WalkPlan {
 public:
  // Walk every entry of `scope` (nothing for none).
  void scope(const sema::Scope* scope) {
    if (scope != nullptr && scope->first != nullptr) steps_.push_back(Step{Step::Entries, scope->first});
  }
  // Visit one entry (enter, then what it plans).
  void entry(sema::Entry* entry) {
    if (entry != nullptr) steps_.push_back(Step{Step::Visit, entry});
  }
  // Call leave(entry) here.
  void leave(sema::Entry* entry) { steps_.push_back(Step{Step::Leave, entry}); }

 private:
  template <typename Visitor>
  friend void walk_model(const sema::Scope* scope, Visitor& visitor);

  struct Step {
    enum Kind { Entries, Visit, Leave } kind;
    sema::Entry* entry;
  };
  std::vector<Step> steps_;
};

// Walks `scope` with `visitor`, which has `void enter(sema::Entry*, WalkPlan&)` and
// `void leave(sema::Entry*)`.
template <typename Visitor>
void walk_model(const sema::Scope* scope, Visitor& visitor) {
  using Step = WalkPlan::Step;
  std::vector<Step> stack;
  if (scope != nullptr && scope->first != nullptr) stack.push_back(Step{Step::Entries, scope->first});
  WalkPlan plan;
  while (!stack.empty()) {
    Step step = stack.back();
    sema::Entry* entry = step.entry;
    if (step.kind == Step::Leave) {
      stack.pop_back();
      visitor.leave(entry);
      continue;
    }
    if (step.kind == Step::Entries) {
      // The rest of the scope stays on the stack below what this entry plans.
      if (entry->next != nullptr) {
        stack.back().entry = entry->next;
      } else {
        stack.pop_back();
      }
    } else {
      stack.pop_back();
    }
    plan.steps_.clear();
    visitor.enter(entry, plan);
    for (auto it = plan.steps_.rbegin(); it != plan.steps_.rend(); ++it) stack.push_back(*it);
  }
}

// The statement lists an entry holds, in order: the THEN and ELSE statements of an IF, the body
// of a WHILE, the WHEN branches of a CASE, the statements of a WHEN branch. None for other entries.
void plan_statement_lists(const sema::Entry* entry, WalkPlan& plan);

// The scope an entry's descriptor opens (a body, a branch, a parameter list), or null.
inline const sema::Scope* child_scope(const sema::Entry* entry) {
  return entry->descriptor != nullptr ? entry->descriptor->child_scope : nullptr;
}

// Calls `visit(entry)` for every entry of `scope` and of every scope nested in it (bodies, IF
// branches and ELSE branches, parameter and check lists), in no particular order, without recursion.
// `visit` returns true to stop the walk; the result says whether it was stopped.
template <typename Visit>
bool for_each_entry(const sema::Scope* scope, Visit visit) {
  std::vector<const sema::Scope*> pending;
  if (scope != nullptr) pending.push_back(scope);
  while (!pending.empty()) {
    const sema::Scope* current = pending.back();
    pending.pop_back();
    for (const sema::Entry* e = current->first; e != nullptr; e = e->next) {
      if (visit(e)) return true;
      if (e->descriptor == nullptr) continue;
      if (e->descriptor->child_scope != nullptr) pending.push_back(e->descriptor->child_scope);
      if (const auto* condition = std::get_if<sema::ConditionRecord>(&e->descriptor->record)) {
        if (condition->else_scope != nullptr) pending.push_back(condition->else_scope);
      }
    }
  }
  return false;
}

// The bodies the generators write: a generated scenario's, a used procedure's, callback's or
// procsend's, and the statements of a block that names no procedure. True for those kinds of
// entry (whether their body is planned or not), false for any other.
bool plan_generated_body(const sema::Entry* entry, WalkPlan& plan);

// Whether the entry's procedure, callback or procsend is used (its body is generated).
bool is_used_routine(const sema::Entry* entry);
// Whether the scenario is selected (generated).
bool is_generated_scenario(const sema::Entry* entry);

}  // namespace gen
