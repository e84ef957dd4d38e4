// The semantic analysis: walks the script's syntax tree, checks it against the interface files
// through the interface analysis, and builds the semantic model for the generators.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "sema/model/model.h"
#include "script/source_files.h"
#include "script/syntax_tree.h"

namespace sema {

// What the run hands the analysis (filled by the driver from its run record).
struct AnalysisParameters {
  std::vector<std::string> families;            // -FAMILY
  std::vector<std::string> excluded_families;   // -EXFAMILY
  std::vector<std::string> scenarios;           // -SCN
  std::vector<std::string> excluded_scenarios;  // -EXSCN
  bool fast = false;                            // unselected scenarios' statements are not checked
  int trace_level = 0;                          // -TRACE: 0, 5, 10, 20 or 50 (CIRCULAR)
  int script_flags = 0;                         // bit 0: COMMTYPE read; bit 1: TRIGGER read
  bool has_instance = false;                    // -INSTANCE given
  std::string instance_name;
};

// Instance modes: how virtual-tester instances are chosen.
enum class InstanceMode : int {
  None = 0,        // no DECLARE_INSTANCE in the script
  Selected = 1,    // -INSTANCE names a declared instance
  AtRunTime = 2,   // instances declared, no -INSTANCE
  Unplanned = 3,   // -INSTANCE names no declared instance
};

struct AnalysisResult {
  std::unique_ptr<Model> model;
  InstanceMode instance_mode = InstanceMode::None;
  int chosen_instance = 0;       // the ordinal (from 1) of the -INSTANCE name among the declared
  int comm_type_count = 0;       // the generators size their tables from these three
  int message_type_count = 0;
  int highest_channel = 0;       // the highest channel number in use (channels count from 0)
  int timer_count = 0;           // TIMER declarations: the generators size the timer table from it
};

// Analyses the tree `root` (a script root) whose nodes point into `files`. Messages are reported
// as they are found; errors let the analysis finish so that one run reports all of them.
AnalysisResult analyse_script(const script::SyntaxNode* root, const script::SourceFileList& files,
                              const AnalysisParameters& parameters);

}  // namespace sema
