#include "base/checked.h"

#include <QCoreApplication>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base {

namespace {
// Process-wide wiring, like the fault handler below: who must clean up when the run ends early.
ExitCleanup exit_cleanup = nullptr;
void* exit_cleanup_data = nullptr;
}  // namespace

void set_exit_cleanup(ExitCleanup cleanup, void* data) {
  exit_cleanup = cleanup;
  exit_cleanup_data = data;
}

void terminate_run(int status) {
  if (ExitCleanup cleanup = exit_cleanup) {
    exit_cleanup = nullptr;  // a failure inside the cleanup ends the run without running it again
    cleanup(exit_cleanup_data);
  }
  std::fflush(stderr);
  std::fflush(stdout);
  std::exit(status);
}

void fatal_system_error(std::string_view operation) {
  QString text = QCoreApplication::translate("Fatal Error (cstsyst)",
                                             "FATAL ERROR on '%1',\n Please contact your administrative.",
                                             "'%1' is a function name");
  text.replace(QLatin1String("%1"), QString::fromLocal8Bit(operation.data(), qsizetype(operation.size())));
  std::fprintf(stderr, "%s", text.toLocal8Bit().constData());
  terminate_run(7);
}

namespace {

// The new-handler. Printing the translated message allocates too; should that fail as well, the
// handler is entered again: the second time it prints the source text from static storage.
void allocation_failed() {
  static bool reporting = false;
  if (reporting) {
    std::fputs("FATAL ERROR on 'malloc',\n Please contact your administrative.", stderr);
    terminate_run(7);
  }
  reporting = true;
  fatal_system_error("malloc");
}

}  // namespace

void install_allocation_handler() { std::set_new_handler(allocation_failed); }

namespace {
// Process-wide wiring, set once by the program's entry; holds no per-run state.
InternalFaultHandler fault_handler = nullptr;
}  // namespace

void set_internal_fault_handler(InternalFaultHandler handler) { fault_handler = handler; }

void internal_fault(InternalFault fault) {
  if (fault_handler != nullptr) fault_handler(fault);
  std::fprintf(stderr, "internal fault %d in the base services\n", static_cast<int>(fault));
  terminate_run(9);
}

void* checked_alloc(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) fatal_system_error("malloc");
  return block;
}

void* checked_realloc(void* block, std::size_t size) {
  void* grown = std::realloc(block, size == 0 ? 1 : size);
  if (grown == nullptr) fatal_system_error("realloc");
  return grown;
}

char* checked_strdup(const char* text) {
  if (text == nullptr) return nullptr;
  std::size_t length = std::strlen(text) + 1;
  char* copy = static_cast<char*>(std::malloc(length));
  if (copy == nullptr) fatal_system_error("strdup");
  std::memcpy(copy, text, length);
  return copy;
}

void checked_close(std::FILE* stream) {
  if (stream == nullptr) return;
  bool write_failed = std::ferror(stream) != 0;
  if (std::fclose(stream) != 0 || write_failed) fatal_system_error("fclose");
}

void checked_flush(std::FILE* stream) {
  if (std::fflush(stream) != 0 || std::ferror(stream) != 0) fatal_system_error("fflush");
}

std::string format_to(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  if (length < 0) {
    va_end(again);
    fatal_system_error(std::string("sprintf(") + format);
  }
  std::string result(std::size_t(length), '\0');
  std::vsnprintf(result.data(), result.size() + 1, format, again);
  va_end(again);
  return result;
}

void write_to(std::FILE* stream, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int written = std::vfprintf(stream, format, args);
  va_end(args);
  if (written < 0) fatal_system_error("fprintf");
}

bool open_file(const std::string& name, const char* mode, std::FILE** stream) {
  *stream = std::fopen(name.c_str(), mode);
  return *stream != nullptr;
}

bool open_regular_file(const std::string& name, std::FILE** stream) {
  *stream = nullptr;
  int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  *stream = ::fdopen(fd, "rb");
  if (*stream == nullptr) {
    ::close(fd);
    return false;
  }
  return true;
}

}  // namespace base
