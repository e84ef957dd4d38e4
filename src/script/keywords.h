// The script's keywords: their token codes and the declaration keywords that end the
// expression position of a line.
#pragma once
#include <string_view>

namespace script {

struct Keyword {
  std::string_view spelling;
  int token;
  bool declaration;  // clears the expression-position flag
};

// The keyword spelled exactly `word` (upper case only), or null.
const Keyword* find_keyword(std::string_view word);
bool is_declaration_keyword(int token);
// The token of MATCHING, MATCHED, NOTMATCHING or NOTMATCHED, else 0.
int matching_keyword(std::string_view word);

}  // namespace script
