#include "sema/lookup.h"

#include "sema/context.h"

namespace sema {

namespace {

Entry* find_in(const NameMap& map, std::string_view name) {
  auto found = map.find(name);
  return found != map.end() ? found->second : nullptr;
}

// The key of a callback or procsend: the two names with a separator that no name contains.
std::string pair_key(std::string_view message_type, std::string_view comm_type) {
  std::string key;
  key.reserve(message_type.size() + comm_type.size() + 1);
  key.append(message_type);
  key += '\n';
  key.append(comm_type);
  return key;
}

NameMap* map_of(ModelIndex& index, EntryKind kind) {
  switch (kind) {
    case EntryKind::CommType: return &index.comm_types;
    case EntryKind::Channel: return &index.channels;
    case EntryKind::MessageType: return &index.message_types;
    case EntryKind::EventVariable: return &index.event_variables;
    case EntryKind::Procedure: return &index.procedures;
    case EntryKind::DeclaredInstance: return &index.declared_instances;
    default: return nullptr;
  }
}

}  // namespace

Entry* find_comm_type(const AnalysisContext& context, std::string_view name) {
  return find_in(context.index.comm_types, name);
}
Entry* find_channel(const AnalysisContext& context, std::string_view name) {
  return find_in(context.index.channels, name);
}
Entry* find_message_type(const AnalysisContext& context, std::string_view name) {
  return find_in(context.index.message_types, name);
}
Entry* find_event_variable(const AnalysisContext& context, std::string_view name) {
  return find_in(context.index.event_variables, name);
}

Entry* find_procedure(const AnalysisContext& context, std::string_view name) {
  return find_in(context.index.procedures, name);
}
Entry* find_declared_instance(const AnalysisContext& context, std::string_view name) {
  return find_in(context.index.declared_instances, name);
}

Entry* find_callback(const AnalysisContext& context, std::string_view message_type, std::string_view comm_type) {
  return find_in(context.index.callbacks, pair_key(message_type, comm_type));
}
Entry* find_procsend(const AnalysisContext& context, std::string_view message_type, std::string_view comm_type) {
  return find_in(context.index.procsends, pair_key(message_type, comm_type));
}

void index_entry(AnalysisContext& context, Entry* entry) {
  if (NameMap* map = map_of(context.index, entry->kind)) map->emplace(entry->name, entry);
}

void index_callback(AnalysisContext& context, Entry* entry, std::string_view message_type,
                    std::string_view comm_type) {
  NameMap& map = entry->kind == EntryKind::Procsend ? context.index.procsends : context.index.callbacks;
  map.emplace(pair_key(message_type, comm_type), entry);
}

}  // namespace sema
