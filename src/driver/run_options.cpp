#include "driver/run_options.h"

#include "diag/report.h"
#include "driver/options.h"

namespace driver {

namespace {

std::optional<std::string> optional_text(const std::string* text) {
  if (text == nullptr) return std::nullopt;
  return *text;
}

Restriction restriction_of(int code) {
  switch (code) {
    case 0: return Restriction::KR;
    case 1: return Restriction::ANSI;
    default: return Restriction::NotGiven;
  }
}

TraceLevel trace_of(int level) {
  switch (level) {
    case 5: return TraceLevel::Error;
    case 10: return TraceLevel::Scenario;
    case 20: return TraceLevel::Time;
    case 50: return TraceLevel::Circular;
    default: return TraceLevel::NotGiven;
  }
}

Allocation allocation_of(int mode) {
  switch (mode) {
    case 1: return Allocation::Stack;
    case 2: return Allocation::Dynamic;
    default: return Allocation::NotGiven;
  }
}

ProbeMode probe_of(int mode) {
  switch (mode) {
    case 1: return ProbeMode::Default;
    case 2: return ProbeMode::Custom;
    default: return ProbeMode::NotGiven;
  }
}

}  // namespace

RunOptions read_run_options() {
  RunOptions options;
  options.script = script_file();
  options.interface_files = interface_files();
  options.root = root_name();
  options.include_dirs = include_dirs();
  options.defines = defines();
  options.std_define_file = optional_text(std_define_file());
  options.filter_letters = optional_text(filter_letters());
  options.studio_log = optional_text(studio_log_file());
  options.families = families();
  options.excluded_families = excluded_families();
  options.scenarios = scenarios();
  options.excluded_scenarios = excluded_scenarios();
  options.instance_name = optional_text(instance_name());
  options.restriction = restriction_of(restriction());
  options.trace = trace_of(trace_mode());
  options.allocation = allocation_of(allocation_mode());
  options.probe = probe_of(probe_mode());
  options.thread_routine = thread_routine();
  options.buffer_size = buffer_size();
  options.fast = fast() != 0;
  options.log = log_enabled() != 0;
  options.comments = comments_enabled() != 0;
  options.not_shared = not_shared() != 0;
  options.spv_gen = spv_gen() != 0;
  return options;
}

void check_filter_letters(const RunOptions& options) {
  if (!options.filter_letters) return;
  for (char c : *options.filter_letters) {
    if (c < 'A' || c > 'Z') diag::report_fatal(diag::Code::BADFLTVAL);
  }
}

}  // namespace driver
