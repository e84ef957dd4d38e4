// The output text of the preprocessor: tokens laid out line by line, with
// "#line N \"file\"" lines where the receiver's idea of the position would be wrong.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "iface/pp/preprocessor_token.h"

namespace iface::pp {

class OutputWriter {
 public:
  void start(std::string* out);
  // A token of the source line `line` of `file` (empty: a level without a name).
  void token(const Token& t, std::string_view file);
  // The end of source line `line` of `file`.
  void newline(std::uint32_t line, std::string_view file);
  // A line of its own (copied directives such as #pragma), at source line `line`.
  void whole_line(std::string_view text, std::uint32_t line, std::string_view file);
  // Ends a started line (end of a file).
  void end_line();

 private:
  void sync(std::uint32_t line, std::string_view file);
  // Whether the character before the last token written is a ".".
  bool written_after_dot() const;

  std::string* out_ = nullptr;
  bool in_line_ = false;
  std::uint32_t out_line_ = 0;
  std::string out_file_;
  bool have_file_ = false;
  Token last_;
};

// The file name as written inside "#line": backslashes doubled, double quotes escaped.
void append_escaped_name(std::string& out, std::string_view name);

}  // namespace iface::pp
