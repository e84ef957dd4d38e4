// Checked system services: every failure ends the run with status 7 after the
// fatal system message naming the failed operation.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace base {

// Runs the exit cleanup (if one is set), flushes stderr, then stdout, and exits with `status`.
// Never returns.
[[noreturn]] void terminate_run(int status);

// The one piece of work that an early end of the run must still do (the generators remove the
// temporary files of outputs they have not finished). Set while that work may be needed, cleared
// (null) after; it runs at most once.
using ExitCleanup = void (*)(void* data);
void set_exit_cleanup(ExitCleanup cleanup, void* data);

// Prints "FATAL ERROR on '<operation>',\n Please contact your administrative." (translated)
// to stderr and ends the run with status 7.
[[noreturn]] void fatal_system_error(std::string_view operation);

// Makes every failed `new` anywhere in the process end through fatal_system_error("malloc").
void install_allocation_handler();

// Internal faults of the base services that no caller can recover from. The base services know no
// message catalogue: the program installs, once at start, the handler that turns a fault into its
// own diagnostic (the reporting service's, see diag::install_base_fault_handler). The handler must
// end the run; without one (or should it return) the fault prints a plain line and ends the run
// with status 9.
enum class InternalFault {
  AnalysisMemory,         // an analysis allocation failed
  ConcatNullDestination,  // bounded concatenation into no destination
  ConcatOverlap,          // bounded concatenation of a text that lies in its own destination
};
using InternalFaultHandler = void (*)(InternalFault fault);
void set_internal_fault_handler(InternalFaultHandler handler);
[[noreturn]] void internal_fault(InternalFault fault);

void* checked_alloc(std::size_t size);
void* checked_realloc(void* block, std::size_t size);
char* checked_strdup(const char* text);  // null gives null
// Closes a stream that was written: a write that failed before (the stream's error flag) or
// while closing is fatal ("fclose").
void checked_close(std::FILE* stream);
// Flushes a stream that is written: a write that failed, now or before, is fatal ("fflush").
void checked_flush(std::FILE* stream);

// Formatted print into a new string; a formatting failure is fatal ("sprintf(<format>").
std::string format_to(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formatted print to a stream; a write failure is fatal ("fprintf").
void write_to(std::FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Opens `name`; false (and a null stream) when it cannot be opened.
bool open_file(const std::string& name, const char* mode, std::FILE** stream);
// Opens `name` for reading in binary when it is a regular file; false (and a null stream) for a
// missing file, a directory, a device or a pipe. A named pipe is not waited on: it is looked at
// without blocking and refused.
bool open_regular_file(const std::string& name, std::FILE** stream);

}  // namespace base
