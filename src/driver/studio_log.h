// The studio log: one "<tag> <file>" line per generated file, in the order the files are made.
#pragma once
#include <cstdio>
#include <string>

namespace driver {

struct StudioLog {
  std::FILE* stream = nullptr;
};

// Opens (and empties) the log; a log that cannot be created is fatal "FICERROPN" with its name.
void open_studio_log(StudioLog& log, const std::string& name);
// Writes "<tag> <file>\n" when the log is open. Tags: "SPG", "TDC", "_H_", "TSF", "SRC".
void write_studio_line(StudioLog& log, const char* tag, const std::string& file);
void close_studio_log(StudioLog& log);

}  // namespace driver
