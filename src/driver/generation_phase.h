// The generators in the compiler's run (step 20): the TDC file (and the probe header in PROBE
// mode), then the TSF template, each announced in the studio log; every file is written under a
// temporary name and takes its own only when all of them are complete. With -SPVGEN the SPG
// scenario plan takes their place (step 18).
#pragma once
#include <string>

#include "driver/run_options.h"
#include "driver/studio_log.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/generation.h"
#include "script/source_files.h"
#include "sema/analysis.h"

namespace driver {

// What the run hands the generators.
struct GenerationInput {
  const RunOptions& options;
  const std::string& script;          // the script's name with its extension
  const std::string& effective_line;  // the effective command line, already cut
  const script::SourceFileList& files;
  sema::AnalysisResult& analysed;
};

// The generators' parameters from the run.
gen::GenParameters generation_parameters(const GenerationInput& input);
// The C++ driver's own parameters from the run's options.
gen::CppParameters cpp_parameters(const RunOptions& options);
// The generators' view of the script reader's file records, in the same order.
std::vector<gen::ScriptFile> script_files_for_generators(const script::SourceFileList& files);

// -SPVGEN: the SPG scenario plan instead of the generators, written whatever errors the analysis
// reported; announced in the studio log (opened here when -STUDIO_LOG was given) as "SPG" with the
// SPG name, while the file itself is made in the current directory (gen/spg/spg_writer.h).
void write_scenario_plan(const GenerationInput& input, StudioLog& log);

// Runs the generators in order and commits their files. The studio log is opened (if -STUDIO_LOG
// was given) and left open for the end of the run.
void run_generators(const GenerationInput& input, StudioLog& log);

}  // namespace driver
