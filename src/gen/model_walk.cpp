#include "gen/model_walk.h"

namespace gen {

using sema::EntryKind;

void plan_statement_lists(const sema::Entry* entry, WalkPlan& plan) {
  switch (entry->kind) {
    case EntryKind::If: {
      plan.scope(child_scope(entry));
      const auto* condition =
          entry->descriptor != nullptr ? std::get_if<sema::ConditionRecord>(&entry->descriptor->record) : nullptr;
      if (condition != nullptr) plan.scope(condition->else_scope);
      break;
    }
    case EntryKind::While:
    case EntryKind::Case:
    case EntryKind::WhenBranch: plan.scope(child_scope(entry)); break;
    default: break;
  }
}

bool plan_generated_body(const sema::Entry* entry, WalkPlan& plan) {
  switch (entry->kind) {
    case EntryKind::Scenario:
      if (is_generated_scenario(entry)) plan.scope(child_scope(entry));
      return true;
    case EntryKind::Procedure:
    case EntryKind::Callback:
    case EntryKind::Procsend:
      if (is_used_routine(entry)) plan.scope(child_scope(entry));
      return true;
    case EntryKind::Initialization:
    case EntryKind::Termination:
    case EntryKind::Exception: {
      const auto* block =
          entry->descriptor != nullptr ? std::get_if<sema::BlockRecord>(&entry->descriptor->record) : nullptr;
      if (block == nullptr || block->procedure == nullptr) plan.scope(child_scope(entry));
      return true;
    }
    default: return false;
  }
}

bool is_used_routine(const sema::Entry* entry) {
  const sema::Descriptor* descriptor = entry->descriptor;
  if (descriptor == nullptr) return false;
  if (const auto* procedure = std::get_if<sema::ProcedureRecord>(&descriptor->record)) return procedure->used;
  if (const auto* callback = std::get_if<sema::CallbackRecord>(&descriptor->record)) return callback->used;
  return false;
}

bool is_generated_scenario(const sema::Entry* entry) {
  const sema::Descriptor* descriptor = entry->descriptor;
  const auto* scenario = descriptor != nullptr ? std::get_if<sema::ScenarioRecord>(&descriptor->record) : nullptr;
  return scenario != nullptr && scenario->selected;
}

}  // namespace gen
