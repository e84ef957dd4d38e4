#include "iface/pp/preprocessor_lexer.h"

#include <algorithm>
#include <cstring>

namespace iface::pp {

// A line ends at "\n", "\r\n" or a lone "\r" (as gcc reads headers); a backslash right before
// a line end joins the two lines, and the line count is kept by newlines put after the joined line.
std::size_t clean_source(char* data, std::size_t size) {
  char* r = data;
  char* end = data + size;
  // Fast path: nothing to do up to the first backslash or carriage return.
  while (r < end && *r != '\\' && *r != '\r') ++r;
  char* w = r;
  std::size_t pending = 0;
  // The length of the line end at `q` (0 when there is none).
  auto line_end = [end](const char* q) -> std::size_t {
    if (q >= end) return 0;
    if (*q == '\n') return 1;
    if (*q == '\r') return q + 1 < end && q[1] == '\n' ? 2 : 1;
    return 0;
  };
  while (r < end) {
    char c = *r;
    if (c == '\\') {
      if (std::size_t n = line_end(r + 1)) {
        r += 1 + n;
        ++pending;
        continue;
      }
    } else if (std::size_t n = line_end(r)) {
      *w++ = '\n';
      r += n;
      for (; pending > 0; --pending) *w++ = '\n';
      continue;
    }
    *w++ = c;
    ++r;
  }
  for (; pending > 0; --pending) *w++ = '\n';
  return static_cast<std::size_t>(w - data);
}

namespace {

// Skips a block comment starting at p ("/*"); counts its newlines.
const char* skip_block_comment(Cursor& c, const char* p) {
  const char* e = c.end;
  p += 2;
  for (;;) {
    const char* star = static_cast<const char*>(std::memchr(p, '*', static_cast<std::size_t>(e - p)));
    const char* stop = star != nullptr ? star : e;
    for (const char* q = p; q < stop; ++q)
      if (*q == '\n') ++c.line;
    if (star == nullptr) {
      c.problems |= UnterminatedComment;
      return e;
    }
    if (star + 1 < e && star[1] == '/') return star + 2;
    if (star + 1 >= e) {
      c.problems |= UnterminatedComment;
      return e;
    }
    p = star + 1;
  }
}

// A literal from its opening quote; stops at the closing quote, a newline or the end.
const char* skip_literal(Cursor& c, const char* p, bool report) {
  const char* e = c.end;
  char quote = *p++;
  while (p < e) {
    char ch = *p;
    if (ch == quote) return p + 1;
    if (ch == '\n') break;
    if (ch == '\\' && p + 1 < e && p[1] != '\n') {
      p += 2;
      continue;
    }
    ++p;
  }
  if (report) c.problems |= UnterminatedLiteral;
  return p;
}

std::size_t punct_length(const char* p, const char* e) {
  std::size_t avail = static_cast<std::size_t>(e - p);
  char a = p[0];
  char b = avail > 1 ? p[1] : '\0';
  char c = avail > 2 ? p[2] : '\0';
  switch (a) {
    case '<':
      if (b == '<') return c == '=' ? 3 : 2;
      return b == '=' ? 2 : 1;
    case '>':
      if (b == '>') return c == '=' ? 3 : 2;
      return b == '=' ? 2 : 1;
    case '.':
      if (b == '.' && c == '.') return 3;
      return b == '*' ? 2 : 1;
    case '-':
      if (b == '>') return c == '*' ? 3 : 2;
      return (b == '-' || b == '=') ? 2 : 1;
    case '+': return (b == '+' || b == '=') ? 2 : 1;
    case '&': return (b == '&' || b == '=') ? 2 : 1;
    case '|': return (b == '|' || b == '=') ? 2 : 1;
    case '#': return b == '#' ? 2 : 1;
    case ':': return b == ':' ? 2 : 1;
    case '*': case '/': case '%': case '^': case '=': case '!':
      return b == '=' ? 2 : 1;
    default:
      return 1;
  }
}

bool is_punct_char(char c) { return c != '\0' && std::strchr("[](){}.<>-+&|#:*/%^=!~?,;", c) != nullptr; }

}  // namespace

void lex_token(Cursor& c, Token& t) {
  const char* p = c.p;
  const char* e = c.end;
  std::uint8_t flags = 0;
  for (;;) {
    if (p == e) {
      c.p = p;
      t.text = p;
      t.len = 0;
      t.line = c.line;
      t.kind = TokKind::Eof;
      t.flags = flags;
      t.aux = 0;
      return;
    }
    char ch = *p;
    if (is_horiz_space(ch)) {
      ++p;
      flags |= Spaced;
      continue;
    }
    if (ch == '/' && p + 1 < e) {
      if (p[1] == '*') {
        std::uint32_t start_line = c.line;
        p = skip_block_comment(c, p);
        if (c.problems & UnterminatedComment) c.problem_line = start_line;
        flags |= Spaced;
        continue;
      }
      if (p[1] == '/') {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(e - p)));
        p = nl != nullptr ? nl : e;
        flags |= Spaced;
        continue;
      }
    }
    break;
  }
  t.text = p;
  t.line = c.line;
  t.flags = flags;
  t.aux = 0;
  char ch = *p;
  const char* q = p + 1;
  if (ch == '\n') {
    t.kind = TokKind::Newline;
    ++c.line;
    c.bol = true;
  } else if (is_ident_start(ch)) {
    while (q < e && is_ident_char(*q)) ++q;
    std::size_t n = static_cast<std::size_t>(q - p);
    t.kind = TokKind::Ident;
    if (q < e && (*q == '\'' || *q == '"')) {
      bool prefix = (n == 1 && (ch == 'L' || ch == 'u' || ch == 'U')) || (n == 2 && ch == 'u' && p[1] == '8');
      if (prefix) {
        t.kind = *q == '\'' ? TokKind::Char : TokKind::String;
        c.problem_line = c.line;
        q = skip_literal(c, q, true);
      }
    }
    c.bol = false;
  } else if (is_digit(ch) || (ch == '.' && q < e && is_digit(*q))) {
    while (q < e) {
      char d = *q;
      if (is_ident_char(d) || d == '.') {
        ++q;
      } else if ((d == '+' || d == '-') && (q[-1] == 'e' || q[-1] == 'E' || q[-1] == 'p' || q[-1] == 'P')) {
        ++q;
      } else {
        break;
      }
    }
    t.kind = TokKind::Number;
    c.bol = false;
  } else if (ch == '"' || ch == '\'') {
    t.kind = ch == '"' ? TokKind::String : TokKind::Char;
    c.problem_line = c.line;
    q = skip_literal(c, p, true);
    c.bol = false;
  } else if (is_punct_char(ch)) {
    q = p + punct_length(p, e);
    t.kind = TokKind::Punct;
    c.bol = false;
  } else {
    t.kind = TokKind::Other;
    c.bol = false;
  }
  t.len = static_cast<std::uint32_t>(q - p);
  c.p = q;
}

void skip_rest_of_line(Cursor& c) {
  const char* p = c.p;
  const char* e = c.end;
  while (p < e) {
    char ch = *p;
    if (ch == '\n') {
      ++c.line;
      c.p = p + 1;
      c.bol = true;
      return;
    }
    if (ch == '/' && p + 1 < e && p[1] == '*') {
      std::uint8_t saved = c.problems;
      p = skip_block_comment(c, p);
      c.problems = saved;  // an open comment in a skipped group just ends the group
      continue;
    }
    if (ch == '/' && p + 1 < e && p[1] == '/') {
      const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(e - p)));
      p = nl != nullptr ? nl : e;
      continue;
    }
    if (ch == '"' || ch == '\'') {
      p = skip_literal(c, p, false);
      continue;
    }
    ++p;
  }
  c.p = e;
  c.bol = true;
}

bool skip_to_directive(Cursor& c) {
  for (;;) {
    const char* p = c.p;
    const char* e = c.end;
    // Leading blanks and comments of the line.
    for (;;) {
      while (p < e && is_horiz_space(*p)) ++p;
      if (p + 1 < e && p[0] == '/' && p[1] == '*') {
        std::uint8_t saved = c.problems;
        p = skip_block_comment(c, p);
        c.problems = saved;
        continue;
      }
      break;
    }
    if (p >= e) {
      c.p = e;
      return false;
    }
    if (*p == '#') {
      c.p = p + 1;
      c.bol = false;
      return true;
    }
    c.p = p;
    skip_rest_of_line(c);
    if (c.p >= e) return false;
  }
}

}  // namespace iface::pp
