#include "driver/generation_phase.h"

#include "driver/output_names.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/output_set.h"
#include "gen/run_identifier.h"
#include "gen/spg/spg_writer.h"
#include "gen/tdc/probe_header.h"
#include "gen/tdc/tdc_writer.h"
#include "gen/tsf/tsf_writer.h"

namespace driver {

std::vector<gen::ScriptFile> script_files_for_generators(const script::SourceFileList& files) {
  std::vector<gen::ScriptFile> list;
  list.reserve(files.size());
  for (const auto& file : files) {
    gen::ScriptFile copy;
    copy.name = file->name;
    copy.ordinal = file->entry.number;
    copy.size = static_cast<long>(file->size);
    copy.crc = file->crc;
    copy.entry_crc = file->entry.crc;
    copy.identity_key = file->entry.identity_key;
    copy.directory = file->entry.absolute_directory;
    copy.base_name = file->entry.base_name;
    list.push_back(std::move(copy));
  }
  return list;
}

gen::GenParameters generation_parameters(const GenerationInput& input) {
  gen::GenParameters parameters;
  parameters.script = input.script;
  parameters.command_line = input.effective_line;
  parameters.files = script_files_for_generators(input.files);
  parameters.instance_name = input.options.instance_name;
  parameters.instance_mode = static_cast<int>(input.analysed.instance_mode);
  parameters.trace_level = static_cast<int>(input.options.trace);
  parameters.probe_mode = static_cast<int>(input.options.probe);
  return parameters;
}

gen::CppParameters cpp_parameters(const RunOptions& options) {
  gen::CppParameters cpp;
  cpp.source = source_file_name(options.root);
  cpp.report_file = report_file_name(options.root);
  cpp.filter_letters = options.filter_letters.value_or("");
  cpp.allocation = static_cast<int>(options.allocation);
  cpp.start_routine = thread_routine_name(options.thread_routine, options.root);
  cpp.buffer_kb = options.buffer_size;
  cpp.not_shared = options.not_shared;
  cpp.interface_files = options.interface_files;
  return cpp;
}

void write_scenario_plan(const GenerationInput& input, StudioLog& log) {
  std::string spg = spg_file_name(input.script);
  if (input.options.studio_log) {
    open_studio_log(log, *input.options.studio_log);
    write_studio_line(log, "SPG", spg);
  }
  gen::OutputSet outputs;
  gen::write_spg(outputs, spg, script_files_for_generators(input.files), *input.analysed.model);
  outputs.commit();
}

void run_generators(const GenerationInput& input, StudioLog& log) {
  const RunOptions& options = input.options;
  gen::GenParameters parameters = generation_parameters(input);
  // One identifier for the whole run: the TDC, TSF and driver files carry the same one.
  gen::RunIdentifier run = gen::make_run_identifier();
  gen::OutputSet outputs;
  gen::GenContext context{*input.analysed.model, parameters, run, outputs, {}, {}};

  std::string tdc = tdc_file_name(options.root);
  std::string header = header_file_name(options.root);
  if (options.studio_log) {
    open_studio_log(log, *options.studio_log);
    write_studio_line(log, "TDC", tdc);
    if (options.probe != ProbeMode::NotGiven) write_studio_line(log, "_H_", header);
  }
  gen::write_tdc(context, tdc, header);

  std::string tsf = tsf_file_name(options.root);
  write_studio_line(log, "TSF", tsf);
  gen::write_tsf(context, tsf);

  // PROBE mode: the probe decoder takes the driver's place and completes the probe header.
  if (options.probe != ProbeMode::NotGiven) {
    gen::CppParameters cpp = cpp_parameters(options);
    write_studio_line(log, "SRC", cpp.source);
    gen::write_probe_decoder_file(context, cpp);
  }
  // The C++ driver, for the scripts whose every element its writer covers; for the others no
  // driver is written rather than an incomplete one.
  if (options.probe == ProbeMode::NotGiven && gen::cpp_driver_covers(context.model)) {
    gen::CppParameters cpp = cpp_parameters(options);
    write_studio_line(log, "SRC", cpp.source);
    gen::write_cpp_driver(context, cpp);
  }
  gen::close_probe_header(context);
  outputs.commit();
}

}  // namespace driver
