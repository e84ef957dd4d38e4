// Lookups of the model's global declarations by name: communication types, channels, message
// types, event variables, callbacks and procsends, procedures and declared instances.
//
// Each kind keeps a name index in the analysis record, filled as the entries are made, so that a
// lookup costs the same however many declarations the script has (a script may hold thousands of
// procedures, and every CALL looks one up). Names are compared exactly. When two entries of one kind share a
// name (a redeclaration that was reported), the first one stays in the index.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sema/model/model.h"

namespace sema {

struct AnalysisContext;

// A string-keyed map that is searched with a std::string_view without making a string.
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using NameMap = std::unordered_map<std::string, Entry*, NameHash, std::equal_to<>>;

struct ModelIndex {
  NameMap comm_types;
  NameMap channels;
  NameMap message_types;
  NameMap event_variables;
  NameMap procedures;
  NameMap declared_instances;
  // Callbacks and procsends under the names of their message type and communication type.
  NameMap callbacks;
  NameMap procsends;
  // Callbacks and procsends declared before their message type, by that type's name, bound when
  // a DEF_TRIGGER or TRIGGER makes it; and the same in declaration order, for the final check.
  std::unordered_map<std::string, std::vector<Entry*>, NameHash, std::equal_to<>> waiting_by_type;
  std::vector<std::pair<Entry*, std::string>> waiting;
};

Entry* find_comm_type(const AnalysisContext& context, std::string_view name);
Entry* find_channel(const AnalysisContext& context, std::string_view name);
Entry* find_message_type(const AnalysisContext& context, std::string_view name);
Entry* find_event_variable(const AnalysisContext& context, std::string_view name);
Entry* find_procedure(const AnalysisContext& context, std::string_view name);
Entry* find_declared_instance(const AnalysisContext& context, std::string_view name);
// The CALLBACK (VIRTUALCALLBACK, generated callback) or PROCSEND (VIRTUALPROCSEND) for a message
// type and a communication type, given by their names as written.
Entry* find_callback(const AnalysisContext& context, std::string_view message_type, std::string_view comm_type);
Entry* find_procsend(const AnalysisContext& context, std::string_view message_type, std::string_view comm_type);

// Adds `entry` to the index of its kind under its name: communication types (50), channels (49),
// message types (47), event variables (46), procedures (3) and declared instances (69). Entries
// of other kinds are not indexed. A name already in the index keeps its first entry.
void index_entry(AnalysisContext& context, Entry* entry);
// Adds a callback (51) or procsend (68) under the names of its message type and communication type.
void index_callback(AnalysisContext& context, Entry* entry, std::string_view message_type,
                    std::string_view comm_type);

}  // namespace sema
