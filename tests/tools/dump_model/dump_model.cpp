// dump_model <script> <interface_file>[,<interface_file>] <root> [options]
//
// Runs what qmkprepro runs up to the semantic analysis, with qmkprepro's command line (the same
// options: -INCL, -DEFINE, -STD_DEFINE, -RESTRICTION, -FAMILY, -EXFAMILY, -SCN, -EXSCN, -NOFAST,
// -TRACE, -INSTANCE ...): the interface files are loaded, the script is parsed and, when parsing
// counted no error, analysed. Then the semantic model is printed on stdout, also when the analysis
// reported errors. Diagnostics and the end message go to stderr (no listing is written); the exit
// status is the run's. Nothing is generated.
//
// Output (one item per line; texts are double-quoted with \" \\ \n \t escaped; "-" stands for an
// entry without a name):
//
//   scope global
//     entry <kind number> <KindName> "<name>" F<file number> L<line>[ filter="<filter>"][ text="<text>"]
//           [ numbers=<element>,<element end>,<after>,<trace>,<trace end>]
//       record <descriptor kind number> <DescriptorName>[ <field>=<value>]...
//       family scope                 (a scenario's FAMILY names, when it has a FAMILY clause)
//         entry ...
//       parameter scope              (a procedure's parameters, when it has some)
//         entry ...
//       scope                        (the scope the entry opens: scenario, procedure, block, callback ...)
//         entry ...
//   functions
//     function <kind number> <KindName> "<name>" F<file number> L<line>     (newest first)
//   result instance_mode=<0..3> chosen_instance=<n> comm_types=<n> message_types=<n> highest_channel=<n>
//          timers=<n>
//
// An entry line is indented by two blanks per level of its scope; its record and the headers of
// the scopes below it one level more, the entries of those scopes two levels more. "numbers" is
// printed only once a generator has given one of them. Record fields follow the record's
// declaration in src/sema/model.h, in order: texts quoted, flags 0/1, numbers in decimal, a
// reference to another entry as <KindName>:"<name>" (or none), a scope as "below" (printed under
// the entry) or none. An event variable prints the count of its DEF_MESSAGE definitions. A
// scenario without a number written after its name prints number="".
//
// The "result" line is printed only when the analysis ran (no parse error); without it, the
// model part is just "scope global" and "functions".
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "../front_end.h"
#include "sema/model/model_dump.h"

int main(int argc, char** argv) {
  tools::install_handlers();
  QCoreApplication application(argc, argv);
  tools::FrontEnd run = tools::run_front_end(application, argc, argv);
  const sema::AnalysisResult& analysed = run.analysed;

  std::string text = analysed.model != nullptr ? sema::dump_model(*analysed.model) : "scope global\nfunctions\n";
  std::fputs(text.c_str(), stdout);
  if (run.analysis_ran) {
    std::printf("result instance_mode=%d chosen_instance=%d comm_types=%d message_types=%d highest_channel=%d timers=%d\n",
                static_cast<int>(analysed.instance_mode), analysed.chosen_instance, analysed.comm_type_count,
                analysed.message_type_count, analysed.highest_channel, analysed.timer_count);
  }
  std::fflush(stdout);
  tools::finish_front_end(run);
}
