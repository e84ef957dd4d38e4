// The run's options: the decoded command line read once, right after decoding, into typed
// values. From there on, the pipeline hands each phase its own parameters taken from this record;
// no phase reads the option table.
//
// Who takes what (the phases not written yet take these fields as their parameters):
//   naming            script, root (every file name), thread_routine with root
//   listing           log (console echo)
//   interface phase   restriction, include_dirs, defines, std_define_file (named), interface_files
//   parser            script (named), include_dirs, comments
//   semantic analysis families, excluded_families, scenarios, excluded_scenarios, fast, trace,
//                     instance_name (and the parser's script flags)
//   SPG writer        spv_gen (instead of the generators), families, studio_log
//   studio log        studio_log; probe (the "_H_" line)
//   TDC generator     trace, probe, instance_name (and the effective command line)
//   TSF generator     instance_name
//   C++ generator     filter_letters, instance_name, allocation, thread_routine (named), not_shared,
//                     trace, buffer_size, probe, interface_files
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace driver {

// -RESTRICTION. The numbers are the interface analysis's restriction codes.
enum class Restriction { KR = 0, ANSI = 1, NotGiven = 2 };
// -TRACE. The numbers are the trace levels of the analysis and the generators.
enum class TraceLevel { NotGiven = 0, Error = 5, Scenario = 10, Time = 20, Circular = 50 };
// -ALLOCATION (given without a value: Stack).
enum class Allocation { NotGiven = 0, Stack = 1, Dynamic = 2 };
// -PROBE.
enum class ProbeMode { NotGiven = 0, Default = 1, Custom = 2 };

struct RunOptions {
  // Positional arguments; under -NOPATH, file names without their directory.
  std::string script;                        // as given (the default extension is added by naming)
  std::vector<std::string> interface_files;  // in command-line order
  std::string root;                          // base of every generated file name

  std::vector<std::string> include_dirs;        // -INCL, in order
  std::vector<std::string> defines;             // -DEFINE, in order ("NAME" or "NAME=VALUE")
  std::optional<std::string> std_define_file;   // -STD_DEFINE as given
  std::optional<std::string> filter_letters;    // -SET as given (see check_filter_letters)
  std::optional<std::string> studio_log;        // -STUDIO_LOG
  std::vector<std::string> families;            // -FAMILY
  std::vector<std::string> excluded_families;   // -EXFAMILY
  std::vector<std::string> scenarios;           // -SCN
  std::vector<std::string> excluded_scenarios;  // -EXSCN
  std::optional<std::string> instance_name;     // -INSTANCE

  Restriction restriction = Restriction::NotGiven;
  TraceLevel trace = TraceLevel::NotGiven;
  Allocation allocation = Allocation::NotGiven;
  ProbeMode probe = ProbeMode::NotGiven;
  // -THREAD: "<main>" when absent, "<start>" when given without a value, else the routine name.
  std::string thread_routine = "<main>";
  int buffer_size = 10;  // -BUFSIZE (10 when absent or 0)

  bool fast = true;       // unless -NOFAST
  bool log = true;        // unless -NOLOG
  bool comments = true;   // unless -NOCOMMENT
  bool not_shared = false;  // -NOTSHARED
  bool spv_gen = false;     // -SPVGEN
};

// Reads every option value of the decoded command line ("INITPBRLM" before a successful decode).
// Pure reads: the -SET letters are taken as given.
RunOptions read_run_options();

// The -SET letters must all be 'A'..'Z', else fatal "BADFLTVAL". The run checks them when it reads
// its option values, after the banner.
void check_filter_letters(const RunOptions& options);

}  // namespace driver
