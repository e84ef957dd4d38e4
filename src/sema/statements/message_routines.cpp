#include "sema/statements/message_routines.h"

#include <string>

#include "iface/query/anc_names.h"
#include "sema/lookup.h"

namespace sema {

namespace {

Entry* declared_routine(const AnalysisContext& context, EntryKind kind, std::string_view message_type,
                        std::string_view comm_type) {
  return kind == EntryKind::Procsend ? find_procsend(context, message_type, comm_type)
                                     : find_callback(context, message_type, comm_type);
}

std::size_t routines_declared(const AnalysisContext& context, EntryKind kind) {
  return kind == EntryKind::Procsend ? context.index.procsends.size() : context.index.callbacks.size();
}

// The routines of the message types that are base classes of `message_type`, on `comm_type`: the
// nearest one, or ambiguity when several share the nearest distance.
RoutineChoice search_base_classes(const AnalysisContext& context, EntryKind kind, const std::string& message_type,
                                  const std::string& comm_type) {
  RoutineChoice choice;
  int nearest = -1;
  for (const auto& [name, entry] : context.index.message_types) {
    if (name == message_type) continue;
    Entry* routine = declared_routine(context, kind, name, comm_type);
    if (routine == nullptr) continue;
    int distance = iface::anc_base_distance(message_type, name);
    if (distance <= 0) continue;
    if (nearest == -1 || distance < nearest) {
      nearest = distance;
      choice = RoutineChoice{routine, false};
    } else if (distance == nearest) {
      choice.ambiguous = true;
    }
  }
  if (choice.ambiguous) choice.routine = nullptr;
  return choice;
}

}  // namespace

RoutineChoice choose_routine(AnalysisContext& context, EntryKind kind, const Entry* message_type,
                             const Entry* comm_type) {
  const std::string& type_name = message_type->name;
  const std::string& comm_name = comm_type->name;
  if (Entry* routine = declared_routine(context, kind, type_name, comm_name)) return RoutineChoice{routine, false};
  // The search walks the message types and their class bases: its answer is kept until a
  // routine or a message type is declared.
  std::string key;
  key.reserve(type_name.size() + comm_name.size() + 2);
  key += kind == EntryKind::Procsend ? 'P' : 'C';
  (key += type_name) += '\n';
  key += comm_name;
  std::size_t routines = routines_declared(context, kind);
  std::size_t types = context.index.message_types.size();
  InheritedRoutine& kept = context.state.inherited_routines[key];
  if (kept.routines_declared != routines || kept.message_types_declared != types) {
    RoutineChoice found = search_base_classes(context, kind, type_name, comm_name);
    kept = InheritedRoutine{found.routine, found.ambiguous, routines, types};
  }
  return RoutineChoice{kept.routine, kept.ambiguous};
}

}  // namespace sema
