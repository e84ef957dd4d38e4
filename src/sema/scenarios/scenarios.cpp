#include "sema/scenarios/scenarios.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "diag/report.h"
#include "script/tree_view.h"
#include "sema/scenarios/blocks.h"
#include "sema/node_report.h"
#include "sema/scenarios/selection.h"
#include "sema/statements/statement_list.h"

namespace sema {

using script::SyntaxNode;

namespace {

// One level of the scenario tree being walked: the scope of a scenario that holds sub-scenarios
// and blocks (or the global scope, for the level that holds the root scenario).
struct LevelFrame {
  Entry* scenario = nullptr;               // the composite scenario; null for the top
  Scope* scope = nullptr;
  const SyntaxNode* next = nullptr;        // the next 45 item to analyse
  std::unordered_set<std::string_view> names;  // scenario names in this scope ("SCENALREX")
  BlockSlots blocks;
  bool any_selected = false;               // a direct sub-scenario is selected
};

// The repeat count written after a scenario's name: decimal, octal or hexadecimal digits,
// suffixes ignored; counts beyond the int range are held at its end.
int scenario_number(const SyntaxNode* number) {
  errno = 0;
  unsigned long long value = std::strtoull(number->text.c_str(), nullptr, 0);
  if (errno == ERANGE || value > static_cast<unsigned long long>(INT_MAX)) return INT_MAX;
  return static_cast<int>(value);
}

std::string full_name_of(const LevelFrame& enclosing, std::string_view own) {
  if (enclosing.scenario == nullptr) return std::string();  // the root scenario
  const std::string& outer = record_of<ScenarioRecord>(enclosing.scenario).full_name;
  if (outer.empty()) return std::string(own);
  std::string name = outer;
  name += '.';
  name += own;
  return name;
}

// The FAMILY clause: one entry (5) per name in a scope of the clause's own; a name repeated in
// the clause gives "FNAMNOTUS" and is ignored. Returns the family test's result.
bool analyse_families(AnalysisContext& context, const SyntaxNode* clause, Descriptor* scenario, Scope* scope) {
  Model& model = context.model;
  Scope* families = model.make_scope();
  families->parent = scope;
  families->owner = scenario;
  record_of<ScenarioRecord>(scenario).family_scope = families;
  std::unordered_set<std::string_view> seen;
  std::vector<std::string_view> names;
  for (const SyntaxNode* item : script::name_items(script::family_names(clause))) {
    const SyntaxNode* leaf = script::item_name(item);
    if (!seen.insert(leaf->text).second) {
      report_at_node(diag::MessageKind::Warning, diag::Code::FNAMNOTUS, leaf->text, leaf);
      continue;
    }
    new_entry(model, families, EntryKind::FamilyName, leaf->text, position_of(leaf));
    names.push_back(leaf->text);
  }
  const AnalysisParameters& parameters = context.parameters;
  return passes_family_test(names, parameters.families, parameters.excluded_families);
}

// The entry, scope and selection of the scenario `node` in `frame`; returns its scope.
Scope* begin_scenario(AnalysisContext& context, const SyntaxNode* node, LevelFrame& frame) {
  const SyntaxNode* name = script::scenario_name(node);
  const SyntaxNode* contents = script::scenario_contents(node);
  if (!frame.names.insert(name->text).second) {
    report_at_node(diag::MessageKind::Error, diag::Code::SCENALREX, name->text, name);
  }
  Model& model = context.model;
  Entry* entry = new_entry(model, frame.scope, EntryKind::Scenario, name->text, position_of(node));
  Descriptor* descriptor = new_descriptor(model, entry, DescriptorKind::Scenario);
  add_to_function_list(model, entry);
  ScenarioRecord& record = record_of<ScenarioRecord>(descriptor);
  record.source_file = file_of(node);
  if (const SyntaxNode* number = script::contents_number(contents)) {
    record.has_number = true;
    record.number = scenario_number(number);
  }
  record.header_line = contents->line - 1;
  record.full_name = full_name_of(frame, name->text);

  const AnalysisParameters& parameters = context.parameters;
  bool selected = true;
  if (const SyntaxNode* clause = script::contents_family(contents)) {
    selected = analyse_families(context, clause, descriptor, frame.scope);
  }
  record.selected =
      selected && passes_scenario_test(record.full_name, parameters.scenarios, parameters.excluded_scenarios);
  return open_scope(model, descriptor, frame.scope);
}

// The end of a composite scenario: it stays selected only when a sub-scenario is.
void end_level(const LevelFrame& frame, LevelFrame* enclosing) {
  if (frame.scenario == nullptr) return;
  ScenarioRecord& record = record_of<ScenarioRecord>(frame.scenario);
  record.selected = record.selected && frame.any_selected;
  bool root = enclosing != nullptr && enclosing->scenario == nullptr;
  if (root && !frame.any_selected) diag::report_error(diag::Code::NOSCENGEN);
  if (enclosing != nullptr && record.selected) enclosing->any_selected = true;
}

}  // namespace

void analyse_scenario_level(AnalysisContext& context, const SyntaxNode* first_item) {
  std::vector<LevelFrame> stack;
  stack.push_back(LevelFrame{});
  stack.back().scope = context.model.global();
  stack.back().next = first_item;
  while (!stack.empty()) {
    LevelFrame& frame = stack.back();
    const SyntaxNode* item = frame.next;
    if (item == nullptr) {
      LevelFrame* enclosing = stack.size() > 1 ? &stack[stack.size() - 2] : nullptr;
      end_level(frame, enclosing);
      stack.pop_back();
      continue;
    }
    const SyntaxNode* element = script::level_element(item);
    frame.next = script::next_item(item);
    switch (element->kind) {
      case script::Include: break;
      case script::Initialization:
      case script::Termination:
      case script::Exception: {
        std::string_view name;
        if (frame.scenario != nullptr) name = record_of<ScenarioRecord>(frame.scenario).full_name;
        analyse_block(context, element, frame.scope, name, frame.blocks);
        break;
      }
      case script::Scenario: {
        Scope* scope = begin_scenario(context, element, frame);
        Entry* scenario = scope->owner->entry;
        ScenarioRecord& record = record_of<ScenarioRecord>(scenario);
        const SyntaxNode* statements = script::contents_statements(script::scenario_contents(element));
        // With the fast flag, an unselected scenario's contents are left unchecked.
        if (statements != nullptr && (record.selected || !context.parameters.fast)) {
          if (statements->kind == script::LevelList) {
            LevelFrame inner;
            inner.scenario = scenario;
            inner.scope = scope;
            inner.next = statements;
            stack.push_back(std::move(inner));  // `frame` is not used past this point
            break;
          }
          analyse_body(context, statements, scope, record.full_name);
        }
        if (record.selected) frame.any_selected = true;
        break;
      }
      default: script::unexpected_node(element);
    }
  }
}

}  // namespace sema
