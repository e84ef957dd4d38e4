// The command-line decoder: three positional arguments and a table of named options,
// with their defaults, the incompatible combinations and the effective command line.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// Decodes argv[1..argc-1]. On success, fills `effective` with the effective command line and
// returns true; on failure the decoder message and the usage text have gone to stderr.
bool decode_command_line(int argc, char** argv, std::string* effective);

// The effective command line as recorded: over 1900 characters it is cut there and " (...)" follows.
std::string limit_effective_line(std::string line);

// 0 when absent, +n when given, -n when given negated; n is the option's 1-based table position.
// An unknown name prints "Internal error, bad option name" with the name and gives 0.
int option_state(std::string_view name);
// The k-th (1-based) decoded value of option |n| / of positional argument p, or null.
const std::string* option_value(int n, int k);
const std::string* positional_value(int p, int k);

// Accessors; each reports the internal error "INITPBRLM" before a successful decode. The run
// reads them once, into its RunOptions (run_options.h).
std::string script_file();
std::vector<std::string> interface_files();
std::string root_name();
const std::vector<std::string>& include_dirs();
const std::string* filter_letters();  // null when -SET is absent; as given (see check_filter_letters)
const std::vector<std::string>& defines();
const std::string* std_define_file();
const std::string* studio_log_file();
const std::vector<std::string>& families();
const std::vector<std::string>& excluded_families();
const std::vector<std::string>& scenarios();
const std::vector<std::string>& excluded_scenarios();
const std::string* instance_name();
int restriction();       // 0 KR, 1 ANSI, 2 not given
int fast();              // 1 unless -NOFAST
int probe_mode();        // 0 not given, 1 DEFAULT, 2 CUSTOM
int log_enabled();       // 1 unless -NOLOG
int allocation_mode();   // 0 not given, 1 STACK, 2 DYNAMIC
std::string thread_routine();  // "<main>" absent, "<start>" given without value, else the value
int not_shared();
int comments_enabled();  // 1 unless -NOCOMMENT
int spv_gen();
int trace_mode();        // 0 not given, 5 ERROR, 10 SCN, 20 TIME, 50 CIRCULAR
int buffer_size();       // 10 when absent or 0; not all digits: fatal "BADBSZVAL"

// Forgets every decoded value and state; the decoder can run again (also used by tests).
void release_command_line();

}  // namespace driver
