// COMMTYPE and CHANNEL, and the predefined communication type of TRIGGER scripts.
#include <string>

#include "iface/query/anc_names.h"
#include "iface/query/anc_session.h"
#include "script/tree_view.h"
#include "sema/declarations/communication.h"
#include "sema/lookup.h"
#include "sema/node_report.h"

namespace sema {

using script::SyntaxNode;

namespace {

constexpr const char* socket_name = "qlx_socket";

Entry* new_comm_type(AnalysisContext& context, Scope* scope, std::string_view name, std::string_view id_type,
                     DescriptorKind kind, const Position& at) {
  Model& model = context.model;
  Entry* entry = new_entry(model, scope, EntryKind::CommType, name, at);
  CommTypeRecord& record = record_of<CommTypeRecord>(new_descriptor(model, entry, kind));
  record.connection_id_type.assign(id_type);
  record.number = context.state.comm_type_count++;
  index_entry(context, entry);
  return entry;
}

}  // namespace

Entry* declare_socket_comm_type(AnalysisContext& context, Scope* scope) {
  if (Entry* existing = find_comm_type(context, socket_name)) return existing;
  return new_comm_type(context, scope, socket_name, "int", DescriptorKind::SocketVariable, Position{});
}

void analyse_commtype(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  const SyntaxNode* name = script::commtype_name(node);
  const SyntaxNode* id_type = script::commtype_id_type(node);
  bool repeated = find_comm_type(context, name->text) != nullptr;
  if (repeated) report_at_node(diag::MessageKind::Error, diag::Code::COMALRDEC, name->text, name);
  bool known_id_type = iface::anc_is_type_name(id_type->text) != 0;
  if (!known_id_type) report_at_node(diag::MessageKind::Error, diag::Code::IDCNOTDEC, id_type->text, id_type);
  Entry* entry = new_comm_type(context, scope, name->text, id_type->text, DescriptorKind::CommType, position_of(node));
  CommTypeRecord& record = record_of<CommTypeRecord>(entry);
  for (const SyntaxNode* item : script::property_items(script::commtype_properties(node))) {
    script::expect_kind(script::property_of(item), script::Multiplexing);
    if (record.multiplexing) {
      // The declaration ends here: its connection table type is not declared.
      report_at_node(diag::MessageKind::Error, diag::Code::PROPALDEC, "MULTIPLEXING", item);
      return;
    }
    record.multiplexing = true;
  }
  // The connection table of a multiplexed type, for native expressions. After an error above
  // (unknown connection-id type, name declared before) it would only add a C message.
  if (record.multiplexing && known_id_type && !repeated) {
    iface::anc_declare("typedef " + id_type->text + " qlx_tabid_" + name->text + "[];", "", file_of(node), node->line);
  }
}

Entry* new_channel(AnalysisContext& context, Scope* scope, Entry* comm_type, std::string_view name,
                   const SyntaxNode* at) {
  Model& model = context.model;
  Entry* entry = new_entry(model, scope, EntryKind::Channel, name, position_of(at));
  ChannelRecord& record = record_of<ChannelRecord>(new_descriptor(model, entry, DescriptorKind::Channel));
  record.comm_type = comm_type;
  record.number = record_of<CommTypeRecord>(comm_type).next_channel++;
  if (record.number > context.state.highest_channel) context.state.highest_channel = record.number;
  index_entry(context, entry);
  return entry;
}

void analyse_channel(AnalysisContext& context, const SyntaxNode* node, Scope* scope) {
  const SyntaxNode* comm_name = script::channel_commtype(node);
  Entry* comm_type = find_comm_type(context, comm_name->text);
  if (comm_type == nullptr) {
    report_at_node(diag::MessageKind::Error, diag::Code::COMMNODEC, comm_name->text, comm_name);
    return;
  }
  for (const SyntaxNode* item : script::name_items(script::channel_names(node))) {
    const SyntaxNode* name = script::item_name(item);
    if (find_channel(context, name->text) != nullptr) {
      report_at_node(diag::MessageKind::Error, diag::Code::CHAALRDEC, name->text, name);
      return;
    }
    new_channel(context, scope, comm_type, name->text, name);
  }
}

}  // namespace sema
