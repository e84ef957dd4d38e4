#include "sema/scenarios/instances.h"

#include <string>

#include "diag/report.h"
#include "script/tree_view.h"
#include "sema/declarations/declarations.h"
#include "sema/lookup.h"
#include "sema/node_report.h"
#include "sema/statements/statement_list.h"

namespace sema {

using script::SyntaxNode;

namespace {

std::string_view name_text(const SyntaxNode* item) { return script::item_name(item)->text; }

// The guard's names as the tester wrote them: "a, b".
std::string guard_text(const SyntaxNode* header) {
  std::string text;
  for (const SyntaxNode* item : script::name_items(script::restriction_names(header))) {
    if (!text.empty()) text += ", ";
    text += name_text(item);
  }
  return text;
}

}  // namespace

void choose_instance_mode(AnalysisContext& context, const SyntaxNode* first_item) {
  const AnalysisParameters& parameters = context.parameters;
  AnalysisState& state = context.state;
  int declared = 0;
  for (const SyntaxNode* item : script::declaration_items(first_item)) {
    const SyntaxNode* instances = script::item_instances(item);
    if (instances == nullptr || instances->kind != script::DeclareInstance) continue;
    for (const SyntaxNode* name : script::name_items(script::declare_instance_names(instances))) {
      ++declared;
      if (parameters.has_instance && state.chosen_instance == 0 && name_text(name) == parameters.instance_name) {
        state.chosen_instance = declared;
      }
    }
  }
  if (declared == 0) {
    state.instance_mode = InstanceMode::None;
  } else if (!parameters.has_instance) {
    state.instance_mode = InstanceMode::AtRunTime;
  } else if (state.chosen_instance != 0) {
    state.instance_mode = InstanceMode::Selected;
  } else {
    state.instance_mode = InstanceMode::Unplanned;
    diag::report_at(diag::MessageKind::Information, diag::Code::ISTNOPLAN, parameters.instance_name, "", 0);
  }
}

void declare_instances(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  for (const SyntaxNode* item : script::name_items(script::declare_instance_names(node))) {
    const SyntaxNode* leaf = script::item_name(item);
    if (find_declared_instance(context, leaf->text) != nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::ISTNALRDEC, leaf->text, leaf);
      return;
    }
    Entry* entry = new_entry(context.model, scope, EntryKind::DeclaredInstance, leaf->text, position_of(leaf));
    record_of<DeclaredInstanceRecord>(new_descriptor(context.model, entry, DescriptorKind::DeclaredInstance)).number =
        context.state.next_instance_number++;
    index_entry(context, entry);
  }
}

bool names_chosen_instance(const AnalysisContext& context, const SyntaxNode* first_name) {
  if (!context.parameters.has_instance) return false;
  for (const SyntaxNode* item : script::name_items(first_name)) {
    if (name_text(item) == context.parameters.instance_name) return true;
  }
  return false;
}

void designate_instances(AnalysisContext& context, const SyntaxNode* first_name, Scope* scope) {
  for (const SyntaxNode* item : script::name_items(first_name)) {
    const SyntaxNode* leaf = script::item_name(item);
    Entry* declared = find_declared_instance(context, leaf->text);
    if (declared == nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::UNDECISTN, leaf->text, leaf);
      return;
    }
    record_of<DeclaredInstanceRecord>(declared).used = true;
    Entry* entry = new_entry(context.model, scope, EntryKind::InstanceDesignation, leaf->text, position_of(leaf));
    record_of<InstanceDesignationRecord>(new_descriptor(context.model, entry, DescriptorKind::InstanceDesignation))
        .instance = declared;
  }
}

void analyse_instance_block(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  const SyntaxNode* names = script::instance_block_names(node);
  if (context.parameters.has_instance) {
    // A driver made for one instance keeps only that instance's declarations.
    if (names_chosen_instance(context, names)) {
      analyse_declarations(context, script::instance_block_declarations(node), scope);
    }
    return;
  }
  new_entry(context.model, scope, EntryKind::InstanceBlockBegin, "", position_of(node));
  designate_instances(context, names, scope);
  analyse_declarations(context, script::instance_block_declarations(node), scope);
  new_entry(context.model, scope, EntryKind::InstanceBlockEnd, "", position_of(node));
}

bool analyse_instance_group(AnalysisContext& context, const SyntaxNode* header, const SyntaxNode* first_item,
                            Scope* scope, bool declarations) {
  AnalysisState& state = context.state;
  if (state.instance_depth > 0) {
    // Restrictions do not nest: the inner group is reported and left out.
    report_at_node(diag::MessageKind::Error, diag::Code::ISTBADLVL, "", header);
    return true;
  }
  const SyntaxNode* names = script::restriction_names(header);
  switch (state.instance_mode) {
    case InstanceMode::None:
      report_at_node(diag::MessageKind::Error, diag::Code::NODCLISTN, guard_text(header), header);
      return false;
    case InstanceMode::Selected:
      if (!names_chosen_instance(context, names)) return true;
      ++state.instance_depth;
      analyse_statement_list(context, first_item, scope);
      --state.instance_depth;
      return true;
    case InstanceMode::AtRunTime:
    case InstanceMode::Unplanned: break;
  }
  Model& model = context.model;
  new_entry(model, scope, declarations ? EntryKind::GuardedDeclarationsBegin : EntryKind::GuardedStatementsBegin, "",
            position_of(header));
  designate_instances(context, names, scope);
  ++state.instance_depth;
  analyse_statement_list(context, first_item, scope);
  --state.instance_depth;
  new_entry(model, scope, declarations ? EntryKind::GuardedDeclarationsEnd : EntryKind::GuardedStatementsEnd, "",
            position_of(header));
  return true;
}

}  // namespace sema
