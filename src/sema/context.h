// The per-run record of the semantic analysis: the model being built, the run's parameters and
// the analysis state. One record per analysis, passed to every analysing function; nothing of it
// is static, so a process can run several analyses one after the other.
#pragma once
#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "sema/analysis.h"
#include "sema/lookup.h"
#include "sema/model/model.h"

namespace sema {

// A run of native '#' lines being joined: declared in the interface analysis, at the first
// line's position, when the run ends.
struct NativeRun {
  bool open = false;
  std::string text;          // the lines so far, each followed by a newline
  std::string scope_name;    // the C scope the run is declared in
  const char* file = nullptr;
  int line = 0;              // the first line's
  int next_line = 0;         // the line the text's next line stands for
};

struct ListWalk;  // the statement-list walk in progress (statement_list.cpp)
// A CALLBACK or PROCSEND found for a message type on a communication type through the message
// type's base classes (message_routines.cpp), kept with the numbers of routines and message
// types there were when it was looked for: a later declaration makes it stale.
struct InheritedRoutine {
  Entry* routine = nullptr;
  bool ambiguous = false;
  std::size_t routines_declared = 0;
  std::size_t message_types_declared = 0;
};

struct AnalysisState {
  std::string scope_name;         // the C scope of the interface analysis for the current list
  int format_level = 1;           // level of anc_set_format / anc_drop_formats
  InstanceMode instance_mode = InstanceMode::None;
  int chosen_instance = 0;
  bool inside_procedure = false;
  bool instructions_seen = false; // an instruction list was analysed in the current body (BADIBSEQ)
  int instance_depth = 0;         // nesting of instance restrictions (ISTBADLVL)
  NativeRun native_run;
  const Entry* end_reported = nullptr;  // the ERROR or EXIT that "NOEXEINST" was given for

  int next_instance_number = 0;  // DECLARE_INSTANCE numbers over the whole script

  // Communication declarations.
  int comm_type_count = 0;        // communication types numbered so far
  int message_type_count = 0;
  int highest_channel = 0;
  bool waittil_needs_def_message = false;
  Position first_message;         // where the first message type was declared ("NODEFMESS")

  // Statements.
  int ignored_trace_on = 0;
  int ignored_trace_off = 0;
  int ignored_flush_trace = 0;
  int timer_counter = 0;
  // The declarations the TIMER statements made, so that a RESET can tell a timer from another name.
  std::unordered_set<const void*> timer_declarations;
  int return_counter = 0;
  int waittil_counter = 0;
  int message_definition_counter = 1;
  int waittil_count = 0;
  int def_message_count = 0;

  // The innermost statement-list walk in progress (its stack of nested lists), or none.
  ListWalk* list_walk = nullptr;
  // Routines chosen through base classes, by kind, message type and communication type names.
  std::unordered_map<std::string, InheritedRoutine> inherited_routines;
};

struct AnalysisContext {
  Model& model;
  const AnalysisParameters& parameters;
  const script::SourceFileList& files;
  AnalysisState state;
  ModelIndex index{};  // the model's global declarations by name (lookup.h)
};

}  // namespace sema
