#include "diag/arg_subst.h"

#include <cctype>

namespace diag {

namespace {

// Reads a placeholder number (one or two digits, 1..99) at text[i] == '%'; 0 when there is none.
int placeholder_at(std::string_view text, std::size_t i, std::size_t* length) {
  if (i + 1 >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i + 1]))) return 0;
  int number = text[i + 1] - '0';
  std::size_t used = 2;
  if (i + 2 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 2]))) {
    number = number * 10 + (text[i + 2] - '0');
    used = 3;
  }
  *length = used;
  return number;
}

}  // namespace

std::string arg(std::string_view text, std::string_view value) {
  int lowest = 100;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t length = 0;
    if (text[i] == '%') {
      int number = placeholder_at(text, i, &length);
      if (number >= 1 && number < lowest) lowest = number;
    }
  }
  if (lowest == 100) return std::string(text);
  std::string result;
  result.reserve(text.size() + value.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 0;
    if (text[i] == '%' && placeholder_at(text, i, &length) == lowest) {
      result.append(value);
      i += length;
    } else {
      result.push_back(text[i]);
      ++i;
    }
  }
  return result;
}

void remove_leftover_placeholders(std::string& line) {
  for (const char* marker : {"%1", "%2", "%3"}) {
    std::string kept;
    kept.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
      if (line.compare(i, 2, marker) == 0) {
        i += 2;
      } else {
        kept.push_back(line[i]);
        ++i;
      }
    }
    line.swap(kept);
  }
}

}  // namespace diag
