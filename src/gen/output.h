// Output helpers of the generators: a file being generated, written line by line with a current
// depth that indents C++ text, and the preprocessor lines that the generated files use. The file
// is opened through the run's OutputSet (output_set.h), so that it takes its name only when the
// run's generators have all finished.
//
// Indentation: a line is preceded by one blank per depth unit unless it starts with "#", and by
// at most `max_indentation` blanks, so that statements nested thousands of levels deep still fit
// their lines.
// `gen_open_brace` writes "{" one unit deeper than the enclosing statement and leaves the body two
// units deeper; `gen_close_brace` undoes it.
//
// A line is at most 4095 characters long (the record and line size of the files' readers); a
// longer one is the internal error "SIZBUFOVL".
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#include "gen/output_set.h"

namespace gen {

inline constexpr std::size_t max_line_length = 4095;
inline constexpr int max_indentation = 256;

// One file being generated and its depth.
struct GenOutput {
  OutputSet* outputs = nullptr;
  std::FILE* file = nullptr;
  std::string name;
  int depth = 0;
};

// Opens `name` through `outputs` (a temporary file beside it) at depth 0; a file still open in
// `out` is closed first. Failure: "FICERROPN" with the name, fatal.
void gen_open(OutputSet& outputs, GenOutput& out, std::string_view name);
// Closes the file (nothing when none is open); it waits in the set for the end of the run.
void gen_close(GenOutput& out);
// "#define <name> <value>"
void gen_define(GenOutput& out, std::string_view name, std::string_view value);
// "#ifdef <name>"
void gen_ifdef(GenOutput& out, std::string_view name);
void gen_else(GenOutput& out);
void gen_endif(GenOutput& out);
// The text and a newline, indented by the depth unless it starts with "#".
void gen_line(GenOutput& out, std::string_view text);
void gen_open_brace(GenOutput& out);
void gen_close_brace(GenOutput& out);

// A path to be written inside a C string literal: every backslash doubled. A path that is empty
// or starts with "/" is copied as it is.
std::string gen_c_path(std::string_view path);

}  // namespace gen
