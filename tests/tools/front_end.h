// The front end of a test tool: the set-up qmkprepro does, its command line, the interface files,
// the script parsed and, when parsing counted no error, analysed; then the release of it all.
// Shared by the tools that look at what the analysis leaves (dump_model, write_messages).
#pragma once
#include <QCoreApplication>
#include <string>

#include "base/checked.h"
#include "diag/base_faults.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "diag/translators.h"
#include "driver/interface_phase.h"
#include "driver/options.h"
#include "driver/output_names.h"
#include "driver/run_options.h"
#include "driver/semantic_phase.h"
#include "script/parse_script.h"
#include "sema/analysis.h"

namespace tools {

// The handlers qmkprepro installs before its application object exists.
inline void install_handlers() {
  diag::install_quiet_message_handler();
  base::install_allocation_handler();
  diag::install_base_fault_handler();
}

struct FrontEnd {
  driver::RunOptions options;
  std::string script;          // the script's file name
  std::string effective_line;  // the command line as the TDC file gives it
  script::ParseResult parsed;
  sema::AnalysisResult analysed;
  bool analysis_ran = false;
};

// Translations, messages and the command line of `application`, then the interface files, the
// parse and the analysis, as qmkprepro runs them.
inline FrontEnd run_front_end(QCoreApplication& application, int argc, char** argv) {
  diag::install_translators(application, diag::translation_prefixes());
  diag::register_all_messages();
  FrontEnd run;
  if (!driver::decode_command_line(argc, argv, &run.effective_line)) diag::report_fatal(diag::Code::COMMFATAL, "", "");
  run.options = driver::read_run_options();
  driver::check_filter_letters(run.options);
  std::string definitions_file;
  if (run.options.std_define_file) definitions_file = driver::definitions_file_name(*run.options.std_define_file);
  driver::start_interface_analysis(driver::interface_phase_input(run.options, definitions_file));
  run.script = driver::script_file_name(run.options.script);
  run.parsed = script::parse_script(run.script, run.options.include_dirs, run.options.comments);
  if (diag::error_count() == 0 && run.parsed.root != nullptr) {
    run.analysed = sema::analyse_script(run.parsed.root, run.parsed.files,
                                        driver::analysis_parameters(run.options, run.parsed.script_flags));
    run.analysis_ran = true;
    driver::end_interface_analysis();
  }
  return run;
}

// Everything the run holds, then the end of the run (its end message and exit status).
inline void finish_front_end(FrontEnd& run) {
  run.analysed.model.reset();
  script::release_tree(run.parsed.root);
  script::release_files(run.parsed.files);
  driver::release_command_line();
  diag::finish_run();
}

}  // namespace tools
