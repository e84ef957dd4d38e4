#include "driver/semantic_phase.h"

namespace driver {

sema::AnalysisParameters analysis_parameters(const RunOptions& options, int script_flags) {
  sema::AnalysisParameters parameters;
  parameters.families = options.families;
  parameters.excluded_families = options.excluded_families;
  parameters.scenarios = options.scenarios;
  parameters.excluded_scenarios = options.excluded_scenarios;
  parameters.fast = options.fast;
  parameters.trace_level = static_cast<int>(options.trace);
  parameters.script_flags = script_flags;
  parameters.has_instance = options.instance_name.has_value();
  if (parameters.has_instance) parameters.instance_name = *options.instance_name;
  return parameters;
}

}  // namespace driver
