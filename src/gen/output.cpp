#include "gen/output.h"

#include <algorithm>

#include "diag/report.h"

namespace gen {

namespace {

// One whole line: the indentation, the text and the newline.
void write_line(GenOutput& out, std::size_t indent, std::string_view text) {
  if (out.file == nullptr) return;
  if (indent + text.size() > max_line_length) diag::report_internal(diag::Code::SIZBUFOVL);
  static constexpr std::string_view spaces = "                                                                ";
  for (std::size_t left = indent; left > 0;) {
    std::size_t part = std::min(left, spaces.size());
    std::fwrite(spaces.data(), 1, part, out.file);
    left -= part;
  }
  std::fwrite(text.data(), 1, text.size(), out.file);
  std::fputc('\n', out.file);
}

void write_directive(GenOutput& out, std::string_view directive, std::string_view operand) {
  std::string line(directive);
  line += operand;
  write_line(out, 0, line);
}

}  // namespace

void gen_open(OutputSet& outputs, GenOutput& out, std::string_view name) {
  gen_close(out);
  out.outputs = &outputs;
  out.name = std::string(name);
  out.file = outputs.create(out.name);
  out.depth = 0;
}

void gen_close(GenOutput& out) {
  if (out.file != nullptr && out.outputs != nullptr) out.outputs->close(out.file);
  out.file = nullptr;
  out.depth = 0;
}

void gen_define(GenOutput& out, std::string_view name, std::string_view value) {
  std::string operand(name);
  operand += ' ';
  operand += value;
  write_directive(out, "#define ", operand);
}

void gen_ifdef(GenOutput& out, std::string_view name) { write_directive(out, "#ifdef ", name); }

void gen_else(GenOutput& out) { write_line(out, 0, "#else"); }

void gen_endif(GenOutput& out) { write_line(out, 0, "#endif"); }

void gen_line(GenOutput& out, std::string_view text) {
  bool directive = !text.empty() && text.front() == '#';
  int indentation = directive || out.depth < 0 ? 0 : std::min(out.depth, max_indentation);
  write_line(out, static_cast<std::size_t>(indentation), text);
}

void gen_open_brace(GenOutput& out) {
  ++out.depth;
  gen_line(out, "{");
  ++out.depth;
}

void gen_close_brace(GenOutput& out) {
  --out.depth;
  gen_line(out, "}");
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
