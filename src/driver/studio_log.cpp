#include "driver/studio_log.h"

#include "base/checked.h"
#include "diag/report.h"

namespace driver {

void open_studio_log(StudioLog& log, const std::string& name) {
  if (log.stream != nullptr) return;
  if (!base::open_file(name, "w", &log.stream)) diag::report_fatal(diag::Code::FICERROPN, name, "");
}

void write_studio_line(StudioLog& log, const char* tag, const std::string& file) {
  if (log.stream != nullptr) base::write_to(log.stream, "%s %s\n", tag, file.c_str());
}

void close_studio_log(StudioLog& log) {
  if (log.stream == nullptr) return;
  base::checked_close(log.stream);
  log.stream = nullptr;
}

}  // namespace driver
