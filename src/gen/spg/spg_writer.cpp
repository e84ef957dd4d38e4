#include "gen/spg/spg_writer.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_set>

#include "base/names.h"
#include "gen/model_walk.h"
#include "gen/spg/spg_plan.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

// The file being written. A write that fails is found when the output set closes the file.
class SpgText {
 public:
  explicit SpgText(std::FILE* file) : file_(file) {}

  void text(std::string_view text) { std::fwrite(text.data(), 1, text.size(), file_); }
  void tabs(int count) {
    for (int i = 0; i < count; ++i) std::fputc('\t', file_);
  }
  void quoted(std::string_view name) {
    std::fputc('"', file_);
    text(name);
    std::fputc('"', file_);
  }
  // Each name quoted, followed by `separator` except the last one.
  template <typename Names, typename NameOf>
  void quoted_list(const Names& names, std::string_view separator, NameOf name_of) {
    bool first = true;
    for (const auto& item : names) {
      if (!first) text(separator);
      first = false;
      quoted(name_of(item));
    }
  }
  // `key = "value";` lines of the blocks.
  void field(int depth, std::string_view key, std::string_view value) {
    tabs(depth);
    text(key);
    quoted(value);
    text(";\n");
  }

 private:
  std::FILE* file_;
};

std::string_view entry_name(const Entry* entry) { return entry->name; }

std::string_view file_of(const Entry* entry) { return entry->file != nullptr ? entry->file : ""; }

const sema::ScenarioRecord* scenario_record(const Entry* scenario) {
  return scenario->descriptor != nullptr ? std::get_if<sema::ScenarioRecord>(&scenario->descriptor->record)
                                         : nullptr;
}

// The family names of a scenario's FAMILY clause, in order.
std::vector<const Entry*> families_of(const Entry* scenario) {
  std::vector<const Entry*> names;
  const sema::ScenarioRecord* record = scenario_record(scenario);
  if (record == nullptr || record->family_scope == nullptr) return names;
  for (const Entry* e = record->family_scope->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::FamilyName) names.push_back(e);
  }
  return names;
}

// The SPG name without ".spg": the base of both file names written in the head.
std::string spg_base(const std::string& spg_name) {
  return spg_name.size() >= 4 ? spg_name.substr(0, spg_name.size() - 4) : std::string();
}

void write_head(SpgText& out, const std::string& spg_name, const std::vector<ScriptFile>& files) {
  std::string base = spg_base(spg_name);
  out.text("SPG_FILE = {\n\n");
  out.text("\tSPG_FILE_NAME = \"");
  out.text(base);
  out.text(".spg\";\n\n");
  out.text("\tPTS_FILE_NAME = \"");
  out.text(base);
  out.text(".pts\";\n\n");
  // The list is newest first: its last file is the script itself, which is not listed.
  std::vector<std::string_view> included;
  for (std::size_t i = 0; i + 1 < files.size(); ++i) included.push_back(files[i].name);
  out.text("\tHTS_FILE_LIST = (");
  out.quoted_list(included, ", ", [](std::string_view name) { return name; });
  out.text(");\n\n");
}

void write_instances(SpgText& out, const SpgPlan& plan) {
  out.text("\tINSTANCE_LIST = (");
  out.quoted_list(plan.instances, ", ", entry_name);
  out.text(");\n\n");
}

// The families of all scenarios, in model order, each name once.
void write_families(SpgText& out, const SpgPlan& plan) {
  std::vector<const Entry*> families;
  std::unordered_set<std::string_view> seen;
  for (const SpgScenario& scenario : plan.scenarios) {
    for (const Entry* family : families_of(scenario.entry)) {
      if (seen.insert(family->name).second) families.push_back(family);
    }
  }
  out.text("\tFAMILY_LIST   = (");
  out.quoted_list(families, ",", entry_name);
  out.text(");\n\n");
}

const Entry* first_scenario_from(const Entry* entry) {
  while (entry != nullptr && entry->kind != EntryKind::Scenario) entry = entry->next;
  return entry;
}

const Entry* first_scenario_child(const Entry* scenario) {
  const sema::Scope* scope = child_scope(scenario);
  return scope != nullptr ? first_scenario_from(scope->first) : nullptr;
}

// The tree from `first` (the first scenario below the root) and its siblings: each scenario on a
// line of its own, indented by its depth, "  ," before it when a scenario follows it directly;
// its sub-scenarios between ",(" and ")" lines one level deeper. Walked with an explicit stack.
void write_tree_lines(SpgText& out, const Entry* first) {
  struct Level {
    const Entry* next;
    int depth;
  };
  std::vector<Level> levels;
  if (first != nullptr) levels.push_back(Level{first, 1});
  while (!levels.empty()) {
    const Entry* scenario = first_scenario_from(levels.back().next);
    int depth = levels.back().depth;
    if (scenario == nullptr) {
      levels.pop_back();
      if (!levels.empty()) {
        out.tabs(depth);
        out.text(")\n");
      }
      continue;
    }
    levels.back().next = scenario->next;
    bool followed = scenario->next != nullptr && scenario->next->kind == EntryKind::Scenario;
    out.tabs(depth);
    out.text(followed ? "  ," : "   ");
    out.quoted(scenario->name);
    out.text("\n");
    if (const Entry* child = first_scenario_child(scenario)) {
      out.tabs(depth + 1);
      out.text(",(\n");
      levels.push_back(Level{child, depth + 1});
    }
  }
}

void write_tree(SpgText& out, const SpgPlan& plan) {
  out.text("\tSCENARIO_TREE = (\n");
  if (plan.scenarios.size() > 1) write_tree_lines(out, plan.scenarios[1].entry);
  out.text(");\n\n");
}

void write_scenario_blocks(SpgText& out, const SpgPlan& plan) {
  out.text("\tSCENARII_LIST = {\n");
  for (std::size_t i = 1; i < plan.scenarios.size(); ++i) {
    const SpgScenario& scenario = plan.scenarios[i];
    const sema::ScenarioRecord* record = scenario_record(scenario.entry);
    out.text("\t\t SCENARIO  {\n");
    out.field(3, "NAME        = ", scenario.path);
    out.field(3, "FILE        = ", record != nullptr ? std::string_view(record->source_file) : file_of(scenario.entry));
    out.field(3, "LINE        = ", std::to_string(scenario.entry->line));
    out.text("\t\t\tFAMILY_LIST = (");
    out.quoted_list(families_of(scenario.entry), ",", entry_name);
    out.text(");\n\t\t    };\n\n");
  }
  out.text("\t};\n\n");
}

void write_rendezvous_block(SpgText& out, const SpgPlan& plan, const SpgRendezvous& rendezvous) {
  out.text("\n\t\tRDV {\n");
  if (rendezvous.scenario) {
    const SpgScenario& scenario = plan.scenarios[*rendezvous.scenario];
    out.field(3, "SCENARIO     = ", scenario.path.empty() ? scenario.entry->name : scenario.path);
  } else if (rendezvous.procedure) {
    out.field(3, "PROC         = ", plan.procedures[*rendezvous.procedure].entry->name);
  }
  const Entry* entry = rendezvous.entry;
  out.field(3, "RDV_NAME     = ", entry->name);
  out.text("\t\t\tFROM_FILE    = {\n");
  if (!file_of(entry).empty()) out.field(4, "NAME = ", file_of(entry));
  if (entry->line != 0) out.field(4, "LINE = ", std::to_string(entry->line));
  out.text("\t\t\t};\n");
  // A rendezvous in a procedure that nothing calls has an empty list: a lone ");" would leave the
  // block unreadable for the planning tool.
  out.text("\t\t\tMEMBERS_LIST = (");
  if (rendezvous.members_written) out.quoted_list(members_of(plan, rendezvous.members), ", ", entry_name);
  out.text(");\n\t\t};\n");
}

void write_rendezvous_list(SpgText& out, const SpgPlan& plan) {
  out.text("\tRDV_LIST = {\n");
  for (const SpgRendezvous& rendezvous : plan.rendezvous) write_rendezvous_block(out, plan, rendezvous);
  out.text("\t};\n};\n");
}

}  // namespace

void write_spg(OutputSet& outputs, const std::string& spg_name, const std::vector<ScriptFile>& files,
               const sema::Model& model) {
  SpgPlan plan = collect_spg_plan(model);
  std::FILE* file = outputs.create(base::file_name_of(spg_name));
  SpgText out(file);
  write_head(out, spg_name, files);
  write_instances(out, plan);
  write_families(out, plan);
  write_tree(out, plan);
  write_scenario_blocks(out, plan);
  write_rendezvous_list(out, plan);
  outputs.close(file);
}

}  // namespace gen
