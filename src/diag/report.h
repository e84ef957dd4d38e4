// The reporting service: one message line per diagnostic, on stderr and in the listing,
// with the error and warning counters and the run's final status.
#pragma once
#include <string>
#include <string_view>

#include "diag/message_codes.h"

namespace diag {

enum class MessageKind { Internal = 0, Fatal = 1, Error = 2, Warning = 3, Information = 4 };

// Letter printed in the prefix: 'S', 'F', 'E', 'W', 'I'.
char kind_letter(MessageKind kind);

// The complete line "Qandor-<letter>-<code>,  <text>\n" with the arguments substituted and the
// leftover "%1", "%2", "%3" removed. Pure: no counting, no output.
std::string format_message(MessageKind kind, std::string_view code, std::string_view first,
                           std::string_view second);

// Emits one message. Internal and Fatal close the listing and end the process (status 9 / 7).
void report(MessageKind kind, Code code, std::string_view first, std::string_view second);

[[noreturn]] void report_internal(Code code, std::string_view first = {}, std::string_view second = {});
[[noreturn]] void report_fatal(Code code, std::string_view first = {}, std::string_view second = {});
void report_error(Code code, std::string_view first = {}, std::string_view second = {});
void report_warning(Code code, std::string_view first = {}, std::string_view second = {});
void report_info(Code code, std::string_view first = {}, std::string_view second = {});

// Text-pointer variants: a null argument becomes a single blank " ".
[[noreturn]] void report_internal_text(Code code, const char* first, const char* second);
[[noreturn]] void report_fatal_text(Code code, const char* first, const char* second);

// The location prefix: "[file:line] " when file is not empty, "[line] " when line is not 0, else " ".
std::string location_prefix(std::string_view file, int line);
void report_at(MessageKind kind, Code code, std::string_view argument, std::string_view file, int line);
void report_at_text(MessageKind kind, Code code, const char* argument, std::string_view file, int line);
// report_at with the current position.
void report_here(MessageKind kind, Code code, std::string_view argument);

void set_current_file(std::string_view name);
const std::string& current_file();
void set_current_line(int line);
int current_line();

int error_count();
int warning_count();

// Sets the console echo; with a non-empty path, creates the listing ("FICERROPN" when it cannot).
void open_listing(const std::string& path, bool echo);
void close_listing();

// Prints the end message and exits with 0 (clean), 3 (warnings) or 5 (errors).
[[noreturn]] void finish_run();

// Counters, position, echo and listing back to their initial state (tests).
void reset_reporting();

}  // namespace diag
