#include "sema/declarations/declarations.h"

#include <array>
#include <cstddef>

#include "script/tree_view.h"
#include "sema/declarations/communication.h"
#include "sema/scenarios/instances.h"
#include "sema/statements/native_lines.h"
#include "sema/scenarios/procedures.h"

namespace sema {

using script::SyntaxNode;

namespace {

using DeclarationHandler = void (*)(AnalysisContext&, const SyntaxNode*, Scope*);

void add_declaration_line(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  add_native_line(context, node, scope, false, {});
}

struct DeclarationRow {
  int kind;
  DeclarationHandler handler;
};

// Node kind -> handler.
constexpr DeclarationRow declaration_rows[] = {
    {script::Proc, analyse_procedure},
    {script::HashLine, add_declaration_line},
    {script::DeclareInstance, declare_instances},
    {script::InstanceBlock, analyse_instance_block},
    // Communication declarations.
    {script::Commtype, analyse_commtype},
    {script::Channel, analyse_channel},
    {script::DefTrigger, analyse_def_trigger},
    {script::Trigger, analyse_trigger},
    {script::Callback, analyse_callback},
    {script::VirtualCallback, analyse_callback},
    {script::Procsend, analyse_callback},
    {script::VirtualProcsend, analyse_callback},
};

constexpr int handler_slots = 166;

constexpr std::array<DeclarationHandler, handler_slots> make_table() {
  std::array<DeclarationHandler, handler_slots> table{};
  for (const DeclarationRow& row : declaration_rows) table[static_cast<std::size_t>(row.kind)] = row.handler;
  return table;
}

constexpr std::array<DeclarationHandler, handler_slots> declaration_table = make_table();

}  // namespace

void analyse_declarations(AnalysisContext& context, const SyntaxNode* first_item, Scope* scope) {
  // The declaration level is in the global C scope, also inside INSTANCE blocks.
  for (const SyntaxNode* item : script::declaration_items(first_item)) {
    const SyntaxNode* node = script::item_declaration(item);
    if (node == nullptr) node = script::item_instances(item);
    if (node == nullptr) script::missing_node(item);
    if (node->kind != script::HashLine) end_native_run(context);
    DeclarationHandler handler = node->kind >= 0 && node->kind < handler_slots ? declaration_table[node->kind] : nullptr;
    if (handler == nullptr) script::unexpected_node(node);
    handler(context, node, scope);
  }
  end_native_run(context);
}

}  // namespace sema
