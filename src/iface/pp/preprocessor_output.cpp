#include "iface/pp/preprocessor_output.h"

#include <charconv>

namespace iface::pp {

void append_escaped_name(std::string& out, std::string_view name) {
  for (char c : name) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
}

void OutputWriter::start(std::string* out) {
  out_ = out;
  in_line_ = false;
  out_line_ = 0;
  out_file_.clear();
  have_file_ = false;
}

void OutputWriter::sync(std::uint32_t line, std::string_view file) {
  // Levels without a name never get a "#line".
  if (file.empty()) return;
  bool changed = !have_file_ || file != out_file_;
  if (!changed && line >= out_line_ && line - out_line_ < 8) return;
  char digits[16];
  auto r = std::to_chars(digits, digits + sizeof digits, line);
  out_->append("#line ");
  out_->append(digits, r.ptr);
  out_->append(" \"");
  append_escaped_name(*out_, file);
  out_->append("\"\n");
  if (changed) {
    out_file_.assign(file);
    have_file_ = true;
  }
  out_line_ = line;
}

bool OutputWriter::written_after_dot() const {
  std::size_t size = out_->size();
  return size > last_.len && (*out_)[size - last_.len - 1] == '.';
}

void OutputWriter::token(const Token& t, std::string_view file) {
  if (!in_line_) {
    sync(t.line, file);
    in_line_ = true;
  } else if ((t.flags & Spaced) || would_paste(last_, t, written_after_dot())) {
    out_->push_back(' ');
  }
  out_->append(t.text, t.len);
  last_ = t;
}

void OutputWriter::newline(std::uint32_t line, std::string_view file) {
  if (in_line_) {
    out_->push_back('\n');
    ++out_line_;
    in_line_ = false;
  } else if (have_file_ && line == out_line_ && file == out_file_) {
    // An empty source line while the positions agree keeps them agreeing.
    out_->push_back('\n');
    ++out_line_;
  }
}

void OutputWriter::whole_line(std::string_view text, std::uint32_t line, std::string_view file) {
  end_line();
  sync(line, file);
  out_->append(text);
  out_->push_back('\n');
  ++out_line_;
}

void OutputWriter::end_line() {
  if (in_line_) {
    out_->push_back('\n');
    ++out_line_;
    in_line_ = false;
  }
}

}  // namespace iface::pp
