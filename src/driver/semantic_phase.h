// The semantic analysis in the compiler's run: its parameters taken from the run's options and
// the parser's script flags.
#pragma once
#include "driver/run_options.h"
#include "sema/analysis.h"

namespace driver {

sema::AnalysisParameters analysis_parameters(const RunOptions& options, int script_flags);

}  // namespace driver
