#include "iface/pp/preprocessor_token.h"

#include <algorithm>

namespace iface::pp {

namespace {

bool word_like(TokKind k) { return k == TokKind::Ident || k == TokKind::Number; }

// Two punctuator characters that the scanner would read as one longer token (or a comment).
bool joins(char a, char b) {
  static const char* const pairs[] = {"<<", "<=", ">>", ">=", "->", "--", "-=", "++", "+=", "&&", "&=", "||", "|=",
                                      "##", "::", "*=", "/=", "%=", "^=", "==", "!=", "//", "/*", "..", ".*"};
  for (const char* p : pairs)
    if (p[0] == a && p[1] == b) return true;
  return false;
}

}  // namespace

bool would_paste(const Token& left, const Token& right, bool after_dot) {
  if (left.len == 0 || right.len == 0) return false;
  char a = left.text[left.len - 1];
  char b = right.text[0];
  // A lone "." before a token that starts with one dot reads back the same ("..1" is "." ".1"),
  // which keeps the two dots of a range of the value notation ("a..b", "(x)..2") together;
  // only a third dot on either side would make "...".
  if (left.kind == TokKind::Punct && left.len == 1 && a == '.' && b == '.')
    return after_dot || (right.len > 1 && right.text[1] == '.');
  if (word_like(left.kind)) {
    if (word_like(right.kind) || right.kind == TokKind::Char || right.kind == TokKind::String) return true;
    if (left.kind == TokKind::Number && right.kind == TokKind::Punct)
      return b == '.' || ((b == '+' || b == '-') && (a == 'e' || a == 'E' || a == 'p' || a == 'P'));
    return false;
  }
  if (left.kind == TokKind::Punct) {
    if (right.kind == TokKind::Number) return a == '.';
    if (right.kind != TokKind::Punct) return false;
    if (joins(a, b)) return true;
    // "<<" "=" , "->" "*", ".." "." and the like.
    return left.len == 2 && (b == '=' || b == '*' || b == '.');
  }
  return false;
}

const char* TextArena::store(std::string_view text) {
  constexpr std::size_t chunk = 64 * 1024;
  std::size_t need = text.size() + 1;
  if (need > chunk / 4) {
    big_.push_back(std::make_unique<char[]>(need));
    char* p = big_.back().get();
    std::copy(text.begin(), text.end(), p);
    p[text.size()] = '\0';
    return p;
  }
  if (need > left_) {
    chunks_.push_back(std::make_unique<char[]>(chunk));
    free_ = chunks_.back().get();
    left_ = chunk;
  }
  char* p = free_;
  std::copy(text.begin(), text.end(), p);
  p[text.size()] = '\0';
  free_ += need;
  left_ -= need;
  return p;
}

void TextArena::clear() {
  // Keep one chunk for reuse.
  if (chunks_.size() > 1) chunks_.erase(chunks_.begin() + 1, chunks_.end());
  big_.clear();
  if (!chunks_.empty()) {
    free_ = chunks_.front().get();
    left_ = 64 * 1024;
  } else {
    free_ = nullptr;
    left_ = 0;
  }
}

}  // namespace iface::pp
