// Checked system services: every failure ends the run with status 7 after the
// fatal system message naming the failed operation.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace base {

// Flushes stderr, then stdout, and exits with `status`. Never returns.
[[noreturn]] void terminate_run(int status);

// Prints "FATAL ERROR on '<operation>',\n Please contact your administrative." (translated)
// to stderr and ends the run with status 7.
[[noreturn]] void fatal_system_error(std::string_view operation);

// Makes every failed `new` anywhere in the process end through fatal_system_error("malloc").
void install_allocation_handler();

void* checked_alloc(std::size_t size);
void* checked_realloc(void* block, std::size_t size);
char* checked_strdup(const char* text);  // null gives null
void checked_close(std::FILE* stream);

// Formatted print into a new string; a formatting failure is fatal ("sprintf(<format>").
std::string format_to(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formatted print to a stream; a write failure is fatal ("fprintf").
void write_to(std::FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Opens `name`; false (and a null stream) when it cannot be opened.
bool open_file(const std::string& name, const char* mode, std::FILE** stream);

}  // namespace base
