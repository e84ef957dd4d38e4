#include "sema/scenarios/blocks.h"

#include <string>

#include "diag/report.h"
#include "script/tree_view.h"
#include "sema/node_report.h"
#include "sema/scenarios/procedures.h"
#include "sema/statements/statement_list.h"

namespace sema {

using script::SyntaxNode;

namespace {

// What distinguishes the three kinds of blocks.
struct BlockKind {
  EntryKind entry;
  DescriptorKind descriptor;
  diag::Code too_many;
  const char* scope_suffix;
  bool BlockSlots::*slot;
};

BlockKind block_kind(const SyntaxNode* node) {
  switch (node->kind) {
    case script::Initialization:
      return {EntryKind::Initialization, DescriptorKind::Initialization, diag::Code::TOOMCHINI, "@init",
              &BlockSlots::initialization};
    case script::Termination:
      return {EntryKind::Termination, DescriptorKind::Termination, diag::Code::TOOMCHTER, "@term",
              &BlockSlots::termination};
    case script::Exception:
      return {EntryKind::Exception, DescriptorKind::Exception, diag::Code::TOOMCHEXC, "@excp",
              &BlockSlots::exception};
    default: script::unexpected_node(node);
  }
}

Descriptor* block_entry(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const BlockKind& kind) {
  Model& model = context.model;
  Entry* entry = new_entry_at(model, Insertion::BeforeFirstScenario, scope, kind.entry, "", position_of(node));
  return new_descriptor(model, entry, kind.descriptor);
}

}  // namespace

void analyse_block(AnalysisContext& context, const SyntaxNode* node, Scope* scope, std::string_view scenario_name,
                   BlockSlots& slots) {
  BlockKind kind = block_kind(node);
  if (slots.*kind.slot) report_at_node(diag::MessageKind::Error, kind.too_many, "", node);
  std::string scope_name(scenario_name);
  scope_name += kind.scope_suffix;
  Model& model = context.model;

  if (const SyntaxNode* called = script::block_procedure(node)) {
    Entry* procedure = use_procedure(context, called->text);
    if (procedure == nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::UNKCLPROC, called->text, called);
      return;
    }
    Descriptor* descriptor = block_entry(context, node, scope, kind);
    BlockRecord& record = record_of<BlockRecord>(descriptor);
    record.procedure = procedure;
    record.line = node->line;
    slots.*kind.slot = true;
    Scope* arguments = open_scope(model, descriptor, scope);
    check_procedure_arguments(context, procedure, script::block_arguments(node), arguments, scope_name, node);
    return;
  }

  // The statement form; an empty block has no body.
  const SyntaxNode* body = script::block_body(node);
  Descriptor* descriptor = block_entry(context, node, scope, kind);
  record_of<BlockRecord>(descriptor).line = body != nullptr ? body->line - 1 : node->line;
  slots.*kind.slot = true;
  add_to_function_list(model, descriptor->entry);
  Scope* statements = open_scope(model, descriptor, scope);
  analyse_body(context, body, statements, scope_name);
}

}  // namespace sema
