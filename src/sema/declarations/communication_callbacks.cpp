// CALLBACK, VIRTUALCALLBACK, PROCSEND and VIRTUALPROCSEND: one per pair of message type and
// communication type, each with its parameters and its body in a scope of its own.
#include <string>
#include <vector>

#include "iface/query/anc_session.h"
#include "script/tree_view.h"
#include "sema/declarations/communication.h"
#include "sema/driver_names.h"
#include "sema/lookup.h"
#include "sema/node_report.h"
#include "sema/statements/statement_list.h"

namespace sema {

using script::SyntaxNode;

namespace {

// Whether a body holds MESSAGE_DATE and NO_MESSAGE statements anywhere: in its lists, in
// instance groups, inside IF, ELSE, WHILE and WHEN. The nested lists are walked with a work list
// of chain heads, so that the depth of the nesting costs no stack.
struct ReadStatements {
  bool message_date = false;
  bool no_message = false;
};

ReadStatements find_read_statements(const SyntaxNode* first_list) {
  ReadStatements found;
  std::vector<const SyntaxNode*> chains;
  for (const SyntaxNode* list : script::body_lists(first_list)) chains.push_back(script::body_statements(list));
  while (!chains.empty()) {
    const SyntaxNode* head = chains.back();
    chains.pop_back();
    for (const SyntaxNode* item : script::statement_items(head)) {
      if (script::item_group_header(item) != nullptr) {
        chains.push_back(script::item_group_statements(item));
        continue;
      }
      const SyntaxNode* statement = script::holder_statement(script::item_holder(item));
      switch (statement->kind) {
        case script::MessageDate: found.message_date = true; break;
        case script::NoMessage: found.no_message = true; break;
        case script::If:
          chains.push_back(script::if_then(statement));
          if (const SyntaxNode* otherwise = script::if_else(statement)) {
            chains.push_back(script::else_statements(otherwise));
          }
          break;
        case script::While: chains.push_back(script::while_statements(statement)); break;
        case script::Case:
          for (const SyntaxNode* when : script::when_items(script::case_branches(statement))) {
            chains.push_back(script::when_statements(script::when_branch(when)));
          }
          break;
        default: break;
      }
    }
  }
  return found;
}

// The parameter list written "(void)": one parameter, the type void alone.
bool is_void_list(const SyntaxNode* first_parameter) {
  if (first_parameter == nullptr || script::next_item(first_parameter) != nullptr) return false;
  return script::parameter_name(first_parameter) == nullptr && script::parameter_type(first_parameter)->text == "void";
}

// The parameters as entries of the record's parameter scope, and their C declarations in the
// callback's C scope, so that its body can use them.
void declare_parameters(AnalysisContext& context, const SyntaxNode* first_parameter, Descriptor* callback) {
  if (first_parameter == nullptr || is_void_list(first_parameter)) return;
  Model& model = context.model;
  Scope* parameters = model.make_scope();
  parameters->parent = callback->entry->scope;
  parameters->owner = callback;
  record_of<CallbackRecord>(callback).parameters = parameters;
  std::string declarations;
  for (const SyntaxNode* item : script::parameter_items(first_parameter)) {
    const SyntaxNode* type = script::parameter_type(item);
    const SyntaxNode* name = script::parameter_name(item);
    Entry* parameter = new_entry(model, parameters, EntryKind::Parameter, name != nullptr ? name->text : "",
                                 position_of(item));
    parameter->text = type->text;
    if (name != nullptr) report_reserved_name(name->text, name, true);
    if (name != nullptr) declarations += type->text + ' ' + name->text + ";\n";
  }
  if (!declarations.empty()) {
    iface::anc_declare(declarations, callback->entry->name, file_of(first_parameter), first_parameter->line);
  }
}

bool is_procsend(int kind) { return kind == script::Procsend || kind == script::VirtualProcsend; }

}  // namespace

Entry* new_callback(AnalysisContext& context, Scope* scope, EntryKind kind, std::string_view name,
                    const CallbackPair& pair, const Position& at) {
  Model& model = context.model;
  Entry* entry = new_entry(model, scope, kind, name, at);
  DescriptorKind descriptor_kind = kind == EntryKind::Procsend ? DescriptorKind::Procsend : DescriptorKind::Callback;
  Descriptor* descriptor = new_descriptor(model, entry, descriptor_kind);
  CallbackRecord& record = record_of<CallbackRecord>(descriptor);
  record.message_type = pair.message_type;
  record.comm_type = pair.comm_type;
  open_scope(model, descriptor, scope);
  index_callback(context, entry, pair.message_type_name, pair.comm_type_name);
  return entry;
}

void analyse_callback(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  bool procsend = is_procsend(node->kind);
  bool is_virtual = node->kind == script::VirtualCallback || node->kind == script::VirtualProcsend;
  const SyntaxNode* message_name = script::callback_message(node);
  const SyntaxNode* comm_name = script::callback_commtype(node);
  std::string name = message_name->text + "_ON_" + comm_name->text;
  if (procsend) name += "_for_procsend";

  Entry* existing = procsend ? find_procsend(context, message_name->text, comm_name->text)
                             : find_callback(context, message_name->text, comm_name->text);
  if (existing != nullptr) {
    record_of<CallbackRecord>(existing).used = true;
    report_at_node(diag::MessageKind::Error, procsend ? diag::Code::PSALRDEFI : diag::Code::CBALRDEFI, name, node);
    return;
  }
  Entry* comm_type = find_comm_type(context, comm_name->text);
  if (comm_type == nullptr) {
    report_at_node(diag::MessageKind::Error, diag::Code::COMMNODEC, comm_name->text, comm_name);
  }
  Entry* message_type = find_message_type(context, message_name->text);
  // Made also for an undeclared communication type, so that a second one of the pair is still
  // reported as such and the body is checked.
  Entry* entry = new_callback(context, scope, procsend ? EntryKind::Procsend : EntryKind::Callback, name,
                              CallbackPair{message_name->text, comm_name->text, message_type, comm_type},
                              position_of(node));
  if (message_type == nullptr) {
    // A DEF_TRIGGER or TRIGGER further down may declare it.
    context.index.waiting_by_type[message_name->text].push_back(entry);
    context.index.waiting.emplace_back(entry, message_name->text);
  }
  Descriptor* descriptor = entry->descriptor;
  record_of<CallbackRecord>(descriptor).is_virtual = is_virtual;
  declare_parameters(context, script::callback_parameters(node), descriptor);
  const SyntaxNode* body = script::callback_body(node);
  analyse_body(context, body, descriptor->child_scope, name);
  if (procsend) return;
  ReadStatements found = find_read_statements(body);
  if (!found.message_date) report_at_node(diag::MessageKind::Error, diag::Code::NOMSGDCAL, name, node);
  if (!found.no_message) report_at_node(diag::MessageKind::Error, diag::Code::NONMSGCAL, name, node);
}

void check_callback_message_types(AnalysisContext& context) {
  for (const auto& [entry, type_name] : context.index.waiting) {
    if (record_of<CallbackRecord>(entry).message_type == nullptr) {
      report_at_entry(diag::MessageKind::Error, diag::Code::UKNMSGTYP, type_name, entry);
    }
  }
  context.index.waiting.clear();
}

}  // namespace sema
