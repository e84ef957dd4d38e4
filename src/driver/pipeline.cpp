#include "driver/pipeline.h"

#include <QCoreApplication>
#include <cstdio>

#include "base/checked.h"
#include "diag/base_faults.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "diag/translators.h"
#include "driver/generation_phase.h"
#include "driver/interface_phase.h"
#include "driver/options.h"
#include "driver/output_names.h"
#include "driver/run_options.h"
#include "driver/semantic_phase.h"
#include "driver/studio_log.h"
#include "script/parse_script.h"
#include "sema/analysis.h"

namespace driver {

namespace {

// The run record: the options, read once right after decoding, and the names made from them.
// Phases get their parameters from here (run_options.h says which fields each one takes).
struct RunContext {
  RunOptions options;
  std::string effective_line;    // TDC generator
  std::string script;            // the script's name with its default extension: parser, TDC, SPG
  std::string listing;
  std::string thread_routine;    // "<start>" named after the root: C++ generator
  std::string definitions_file;  // -STD_DEFINE with its default extension; empty: none
  StudioLog studio_log;          // open from the first generated file to the end of the run
};

void report_banner() {
  const char* context = "VELQIdent";
  std::string title = QCoreApplication::translate(context, "Rudoze D++ Oriz Avudavuv").toStdString();
  std::string version = QCoreApplication::translate(context, "8.0.1.2.343.015").toStdString();
  std::string product = QCoreApplication::translate(context, "QMKPREPRO").toStdString();
  std::string banner = base::format_to(" %s %s", title.c_str(), version.c_str());
  diag::report_info(diag::Code::STARTEXEC, product, banner);
  diag::report_info(diag::Code::COPYRIGHT,
                    QCoreApplication::translate(context, "Copyright (c) 2026 The QMKPREPRO developers").toStdString());
}

// Steps 9 to 12: the option values every later phase is handed, and the names made from them.
void take_option_values(RunContext& run) {
  check_filter_letters(run.options);  // letters other than 'A'..'Z': fatal "BADFLTVAL", after the banner
  run.thread_routine = thread_routine_name(run.options.thread_routine, run.options.root);
  if (run.options.std_define_file) run.definitions_file = definitions_file_name(*run.options.std_define_file);
}

}  // namespace

int run_qmkprepro(int argc, char** argv) {
  diag::install_quiet_message_handler();
  base::install_allocation_handler();
  diag::install_base_fault_handler();
  QCoreApplication application(argc, argv);
  diag::install_translators(application, diag::translation_prefixes());
  diag::register_all_messages();

  RunContext run;
  if (!decode_command_line(argc, argv, &run.effective_line)) diag::report_fatal(diag::Code::COMMFATAL, "", "");
  run.effective_line = limit_effective_line(std::move(run.effective_line));
  run.options = read_run_options();

  run.script = script_file_name(run.options.script);
  run.listing = listing_file_name(run.script);
  diag::open_listing(run.listing, run.options.log);
  report_banner();
  take_option_values(run);

  // Steps 13 and 14: the interface files, into the global scope.
  start_interface_analysis(interface_phase_input(run.options, run.definitions_file));

  // Steps 15 and 16: the script and its included files; errors stop the phases after parsing.
  script::ParseResult parsed = script::parse_script(run.script, run.options.include_dirs, run.options.comments);
  sema::AnalysisResult analysed;
  if (diag::error_count() == 0 && parsed.root != nullptr) {
    // Step 17: the semantic analysis builds the model.
    analysed = sema::analyse_script(parsed.root, parsed.files,
                                    analysis_parameters(run.options, parsed.script_flags));
    // Step 18: -SPVGEN writes the scenario plan even after errors of the analysis, and nothing else.
    if (run.options.spv_gen) {
      write_scenario_plan(GenerationInput{run.options, run.script, run.effective_line, parsed.files, analysed},
                          run.studio_log);
    }
    // Step 19: an -INSTANCE that names no declared instance is not passed to the generators.
    if (analysed.instance_mode == sema::InstanceMode::Unplanned) run.options.instance_name.reset();
    // The end of the interface analysis may still report (open conditionals).
    end_interface_analysis();
    // Step 20: the generators, when nothing was reported as an error.
    if (diag::error_count() == 0 && !run.options.spv_gen) {
      run_generators(GenerationInput{run.options, run.script, run.effective_line, parsed.files, analysed},
                     run.studio_log);
    }
  }

  // Step 21.
  close_studio_log(run.studio_log);
  analysed.model.reset();
  script::release_tree(parsed.root);
  script::release_files(parsed.files);
  release_command_line();
  diag::finish_run();
}

}  // namespace driver
