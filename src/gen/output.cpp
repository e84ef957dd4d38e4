#include "gen/output.h"

#include "base/checked.h"
#include "diag/report.h"

namespace gen {

namespace {

void write_text(std::string_view text) {
  GenOutput& out = the_gen_output();
  if (out.file == nullptr || text.empty()) return;
  std::fwrite(text.data(), 1, text.size(), out.file);
}

void write_raw_line(std::string_view text) {
  write_text(text);
  write_text("\n");
}

}  // namespace

GenOutput& the_gen_output() {
  static GenOutput output;
  return output;
}

void gen_open(std::string_view name) {
  gen_close();
  GenOutput& out = the_gen_output();
  out.name = std::string(name);
  out.file = std::fopen(out.name.c_str(), "w");
  if (out.file == nullptr) diag::report_fatal(diag::Code::FICERROPN, out.name);
  out.depth = 0;
}

void gen_close() {
  GenOutput& out = the_gen_output();
  // A write that failed on the way is fatal here ("fclose"), so no incomplete file passes as written.
  if (out.file != nullptr) base::checked_close(out.file);
  out.file = nullptr;
  out.depth = 0;
}

void gen_define(std::string_view name, std::string_view value) {
  write_text("#define ");
  write_text(name);
  write_text(" ");
  write_raw_line(value);
}

void gen_ifdef(std::string_view name) {
  write_text("#ifdef ");
  write_raw_line(name);
}

void gen_else() { write_raw_line("#else"); }

void gen_endif() { write_raw_line("#endif"); }

void gen_line(std::string_view text) {
  GenOutput& out = the_gen_output();
  if (out.file == nullptr) return;
  if (text.empty() || text.front() != '#')
    for (int i = 0; i < out.depth; ++i) std::fputc(' ', out.file);
  write_raw_line(text);
}

void gen_open_brace() {
  GenOutput& out = the_gen_output();
  ++out.depth;
  gen_line("{");
  ++out.depth;
}

void gen_close_brace() {
  GenOutput& out = the_gen_output();
  --out.depth;
  gen_line("}");
  --out.depth;
}

std::string gen_c_path(std::string_view path) {
  if (path.empty() || path.front() == '/') return std::string(path);
  std::string result;
  result.reserve(path.size() + 8);
  for (char c : path) {
    result += c;
    if (c == '\\') result += '\\';
  }
  return result;
}

}  // namespace gen
