// Evaluation of #if / #elif conditions: the macro-expanded token list is parsed by a bison
// grammar (pp_expr.y) and computed in the widest integer type with C's unsigned rules.
#pragma once
#include "diag/message_codes.h"
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "iface/pp/preprocessor_token.h"

namespace iface::pp {

// Receives the evaluator's messages: a code and its parameter text.
using ExprReport = void (*)(void* context, diag::Code code, std::string_view argument);

struct ExprValue {
  std::intmax_t v = 0;
  bool is_unsigned = false;
};

// The state the generated parser works on.
struct ExprParser {
  const Token* tokens = nullptr;
  std::size_t count = 0;
  std::size_t next = 0;         // index of the next token to read
  std::size_t last = 0;         // index of the last token read
  bool char_unsigned = false;
  bool quiet = false;           // no messages (used to classify a syntax error)
  bool reported = false;        // a message about this condition was already given
  bool overflow = false;        // the parser's stack overflowed
  int skip = 0;                 // > 0 inside an operand that is not evaluated
  ExprValue result;
  ExprReport report = nullptr;
  void* context = nullptr;

  void message(diag::Code code, std::string_view argument);
};

// The value of a condition; 0 after any message. `tokens` holds no End token.
std::intmax_t evaluate_condition(const Token* tokens, std::size_t count, bool char_unsigned, ExprReport report,
                                 void* context);

// Value of a character constant token (prefix included) as #if sees it. Sets `ok` false
// and reports through the parser when the constant is malformed.
ExprValue character_value(const Token& token, ExprParser& parser, bool* ok);
// Value of an integer preprocessing number; `kind` is 0 for an integer, 1 for a floating
// number, 2 for an invalid number.
ExprValue number_value(std::string_view text, int* kind);

}  // namespace iface::pp
