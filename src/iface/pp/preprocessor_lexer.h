// The preprocessing-token scanner over a cleaned text buffer, and the fast line skipper of
// skipped groups. A buffer is cleaned once when it is loaded (clean_source): every line end
// ("\r\n" or a lone "\r" as well as "\n") becomes a newline and backslash-newlines are removed,
// their newlines re-added after the logical line so that later line numbers stay right.
#pragma once
#include <cstddef>
#include <cstdint>

#include "iface/pp/preprocessor_token.h"

namespace iface::pp {

enum LexProblem : std::uint8_t { UnterminatedComment = 1, UnterminatedLiteral = 2 };

struct Cursor {
  const char* p = nullptr;
  const char* end = nullptr;
  std::uint32_t line = 1;
  bool bol = true;              // nothing but white space and comments since the line began
  std::uint8_t problems = 0;    // LexProblem bits raised by the last call; the caller clears them
  std::uint32_t problem_line = 0;
};

// Reads the next token; white space and comments before it set Spaced. A newline gives a
// Newline token; the end of the buffer gives Eof.
void lex_token(Cursor& c, Token& t);

// Cleans `size` bytes in place and returns the new size.
std::size_t clean_source(char* data, std::size_t size);

// From the start of a line, moves to the next line whose first token is '#', leaving the
// cursor after the '#'. False (cursor at the end) when no such line is left.
bool skip_to_directive(Cursor& c);
// Moves past the end of the current line (comments and literals respected).
void skip_rest_of_line(Cursor& c);

}  // namespace iface::pp
