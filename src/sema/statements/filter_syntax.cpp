#include "sema/statements/filter_syntax.h"

namespace sema {

bool filter_syntax_ok(std::string_view text) {
  if (text.empty()) return true;
  if (text.front() == '+') return false;
  if (text.back() == '~' || text.back() == '+') return false;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    char c = text[i];
    char next = text[i + 1];
    if (c == '~' && (next == '~' || next == '+')) return false;
    if (c == '+' && next == '+') return false;
  }
  return true;
}

}  // namespace sema
