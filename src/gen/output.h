// Output helpers of the generators: one output file at a time, written line by line with a
// current depth that indents C++ text, and the preprocessor lines that the generated files use.
//
// Indentation: a line is preceded by one blank per depth unit unless it starts with "#".
// `gen_open_brace` writes "{" one unit deeper than the enclosing statement and leaves the body two
// units deeper; `gen_close_brace` undoes it.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

namespace gen {

// The file being written and its depth. One per run (`the_gen_output`); tests reset it by
// closing it.
struct GenOutput {
  std::FILE* file = nullptr;
  std::string name;
  int depth = 0;
};

GenOutput& the_gen_output();

// Opens `name` for writing (created or emptied) and sets the depth to 0. A file still open is
// closed first. Failure: "FICERROPN" with the name, fatal.
void gen_open(std::string_view name);
// Closes the file (nothing when none is open).
void gen_close();
// "#define <name> <value>"
void gen_define(std::string_view name, std::string_view value);
// "#ifdef <name>"
void gen_ifdef(std::string_view name);
void gen_else();
void gen_endif();
// The text and a newline, indented by the depth unless it starts with "#".
void gen_line(std::string_view text);
void gen_open_brace();
void gen_close_brace();

// A path to be written inside a C string literal: every backslash doubled. A path that is empty
// or starts with "/" is copied as it is.
std::string gen_c_path(std::string_view path);

}  // namespace gen
