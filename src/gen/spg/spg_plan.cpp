#include "gen/spg/spg_plan.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

using NameSet = std::unordered_set<std::string_view>;

bool is_instance_boundary(EntryKind kind) {
  switch (kind) {
    case EntryKind::InstanceBlockBegin:
    case EntryKind::InstanceBlockEnd:
    case EntryKind::GuardedDeclarationsBegin:
    case EntryKind::GuardedDeclarationsEnd:
    case EntryKind::GuardedStatementsBegin:
    case EntryKind::GuardedStatementsEnd: return true;
    default: return false;
  }
}

template <typename Record>
const Record* record_if(const Entry* entry) {
  return entry->descriptor != nullptr ? std::get_if<Record>(&entry->descriptor->record) : nullptr;
}

// The procedure a CALL statement or a CALL-form block names, or none.
const Entry* called_procedure(const Entry* entry) {
  switch (entry->kind) {
    case EntryKind::Call: {
      const auto* call = record_if<sema::CallRecord>(entry);
      return call != nullptr ? call->procedure : nullptr;
    }
    case EntryKind::Initialization:
    case EntryKind::Termination:
    case EntryKind::Exception: {
      const auto* block = record_if<sema::BlockRecord>(entry);
      return block != nullptr ? block->procedure : nullptr;
    }
    default: return nullptr;
  }
}

// The run of designations that ends at `last` (walked backwards), each instance once.
MemberList designated_run(const Entry* last) {
  MemberList members;
  NameSet seen;
  for (const Entry* e = last; e != nullptr && e->kind == EntryKind::InstanceDesignation; e = e->previous) {
    const auto* designation = record_if<sema::InstanceDesignationRecord>(e);
    const Entry* instance = designation != nullptr ? designation->instance : nullptr;
    if (instance != nullptr && seen.insert(instance->name).second) members.named.push_back(instance);
  }
  members.every_instance = members.named.empty();
  return members;
}

// The visitor of the walk: collects the elements in model order, and keeps, for every list of
// entries being walked, the last instance designation met in it since its last boundary, so that
// an element's member list is found without walking back over the statements before it.
class PlanCollector {
 public:
  explicit PlanCollector(SpgPlan& plan) : plan_(plan) {}

  void enter(Entry* entry, WalkPlan& walk) {
    switch (entry->kind) {
      case EntryKind::Scenario: enter_scenario(entry); break;
      case EntryKind::Procedure:
        procedure_stack_.push_back(plan_.procedures.size());
        plan_.procedures.push_back(SpgProcedure{entry, members_before(entry), {}});
        break;
      case EntryKind::Rendezvous: enter_rendezvous(entry); break;
      case EntryKind::DeclaredInstance: plan_.instances.push_back(entry); break;
      case EntryKind::InstanceDesignation: last_designation_[entry->scope] = entry; break;
      default:
        if (is_instance_boundary(entry->kind)) last_designation_[entry->scope] = nullptr;
        break;
    }
    if (const Entry* procedure = called_procedure(entry)) {
      plan_.calls.push_back(SpgCall{entry, procedure, members_before(entry)});
    }
    plan_children(entry, walk);
  }

  void leave(Entry* entry) {
    if (entry->kind == EntryKind::Scenario) scenario_stack_.pop_back();
    if (entry->kind == EntryKind::Procedure) procedure_stack_.pop_back();
  }

 private:
  void enter_scenario(const Entry* entry) {
    std::string path = entry->name;
    if (!scenario_stack_.empty()) {
      const std::string& parent = plan_.scenarios[scenario_stack_.back()].path;
      if (!parent.empty()) path = parent + "." + entry->name;
    }
    scenario_stack_.push_back(plan_.scenarios.size());
    plan_.scenarios.push_back(SpgScenario{entry, std::move(path)});
  }

  void enter_rendezvous(const Entry* entry) {
    SpgRendezvous cell;
    cell.entry = entry;
    if (!scenario_stack_.empty()) cell.scenario = scenario_stack_.back();
    if (!procedure_stack_.empty()) cell.procedure = procedure_stack_.back();
    cell.members = members_before(entry);
    plan_.rendezvous.push_back(std::move(cell));
  }

  // A CALL's and a rendezvous' children are not walked; the others' are, the scenarios' and
  // procedures' with a leave step that closes them.
  void plan_children(Entry* entry, WalkPlan& walk) const {
    switch (entry->kind) {
      case EntryKind::Call:
      case EntryKind::Rendezvous: return;
      case EntryKind::If: plan_statement_lists(entry, walk); return;
      case EntryKind::Scenario:
      case EntryKind::Procedure:
        walk.scope(child_scope(entry));
        walk.leave(entry);
        return;
      default: walk.scope(child_scope(entry)); return;
    }
  }

  MemberList members_before(const Entry* entry) const {
    auto found = last_designation_.find(entry->scope);
    if (found == last_designation_.end() || found->second == nullptr) return MemberList{{}, true};
    return designated_run(found->second);
  }

  SpgPlan& plan_;
  std::vector<std::size_t> scenario_stack_;
  std::vector<std::size_t> procedure_stack_;
  std::unordered_map<const sema::Scope*, const Entry*> last_designation_;
};

NameSet names_of(const SpgPlan& plan, const MemberList& members) {
  NameSet names;
  for (const Entry* instance : members_of(plan, members)) names.insert(instance->name);
  return names;
}

// Every call of a procedure joins the procedure's chain, in model order.
void chain_calls(SpgPlan& plan) {
  std::unordered_map<const Entry*, std::size_t> procedure_index;
  for (std::size_t i = 0; i < plan.procedures.size(); ++i) procedure_index.emplace(plan.procedures[i].entry, i);
  for (std::size_t i = 0; i < plan.calls.size(); ++i) {
    auto found = procedure_index.find(plan.calls[i].target);
    if (found != procedure_index.end()) plan.procedures[found->second].calls.push_back(i);
  }
}

// The rendezvous of one procedure: their own members that the procedure and one of its calls
// both run for.
void restrict_to_calls(SpgPlan& plan, std::size_t procedure, std::vector<SpgRendezvous*>& cells) {
  const SpgProcedure& cell = plan.procedures[procedure];
  if (cell.calls.empty()) {
    for (SpgRendezvous* rendezvous : cells) {
      rendezvous->members = MemberList{};
      rendezvous->members_written = false;
    }
    return;
  }
  NameSet procedure_names = names_of(plan, cell.members);
  NameSet called_names;
  for (std::size_t call : cell.calls) {
    for (const Entry* instance : members_of(plan, plan.calls[call].members)) called_names.insert(instance->name);
  }
  for (SpgRendezvous* rendezvous : cells) {
    MemberList kept;
    for (const Entry* instance : members_of(plan, rendezvous->members)) {
      if (procedure_names.count(instance->name) != 0 && called_names.count(instance->name) != 0) {
        kept.named.push_back(instance);
      }
    }
    rendezvous->members = std::move(kept);
  }
}

void settle_procedure_rendezvous(SpgPlan& plan) {
  std::vector<std::vector<SpgRendezvous*>> by_procedure(plan.procedures.size());
  for (SpgRendezvous& rendezvous : plan.rendezvous) {
    if (rendezvous.procedure) by_procedure[*rendezvous.procedure].push_back(&rendezvous);
  }
  for (std::size_t i = 0; i < plan.procedures.size(); ++i) {
    if (!by_procedure[i].empty()) restrict_to_calls(plan, i, by_procedure[i]);
  }
}

}  // namespace

const std::vector<const Entry*>& members_of(const SpgPlan& plan, const MemberList& members) {
  return members.every_instance ? plan.instances : members.named;
}

SpgPlan collect_spg_plan(const sema::Model& model) {
  SpgPlan plan;
  PlanCollector collector(plan);
  walk_model(model.global(), collector);
  chain_calls(plan);
  settle_procedure_rendezvous(plan);
  return plan;
}

}  // namespace gen
