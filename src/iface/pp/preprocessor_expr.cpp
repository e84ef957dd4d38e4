// Condition evaluation around the generated parser: messages, numbers and character constants.
#include "iface/pp/preprocessor_expr.h"

#include "pp_expr.tab.hpp"

namespace iface::pp {

void ExprParser::message(diag::Code code, std::string_view argument) {
  if (quiet || reported) return;
  reported = true;
  if (report != nullptr) report(context, code, argument);
}

namespace {

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool valid_suffix(std::string_view s, bool* is_unsigned) {
  // u, l, ul, lu, ll, ull, llu in any case (ll must keep its case).
  bool u = false;
  int l = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if ((c == 'u' || c == 'U') && !u) {
      u = true;
      ++i;
    } else if ((c == 'l' || c == 'L') && l == 0) {
      l = 1;
      if (i + 1 < s.size() && s[i + 1] == c) {
        l = 2;
        ++i;
      }
      ++i;
    } else {
      return false;
    }
  }
  *is_unsigned = u;
  return true;
}

}  // namespace

ExprValue number_value(std::string_view text, int* kind) {
  *kind = 0;
  std::size_t i = 0;
  int base = 10;
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    i = 2;
  } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
    base = 2;
    i = 2;
  } else if (!text.empty() && text[0] == '0') {
    base = 8;
  }
  // Floating forms: a '.', or an exponent in a decimal / 'p' exponent in a hexadecimal number.
  for (std::size_t k = 0; k < text.size(); ++k) {
    char c = text[k];
    if (c == '.' || (base != 16 && (c == 'e' || c == 'E')) || (base == 16 && (c == 'p' || c == 'P'))) {
      *kind = 1;
      return {};
    }
  }
  std::uintmax_t value = 0;
  bool overflow = false;
  std::size_t start = i;
  for (; i < text.size(); ++i) {
    int d = digit_value(text[i]);
    if (d >= base) break;
    std::uintmax_t next = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if ((value != 0 && next / static_cast<unsigned>(base) != value) || next < value) overflow = true;
    value = next;
  }
  bool is_unsigned = false;
  if ((i == start && base != 8) || !valid_suffix(text.substr(i), &is_unsigned)) {
    *kind = 2;
    return {};
  }
  (void)overflow;  // wraps like the host compiler after its warning
  if (value > static_cast<std::uintmax_t>(INTMAX_MAX)) is_unsigned = true;
  return ExprValue{static_cast<std::intmax_t>(value), is_unsigned};
}

namespace {

// One character of a constant at `*i`, escapes decoded; `wide` when it may exceed a byte.
bool next_char(std::string_view body, std::size_t* i, bool wide, ExprParser& parser, std::uintmax_t* out) {
  char c = body[*i];
  if (c != '\\') {
    *out = static_cast<unsigned char>(c);
    ++*i;
    return true;
  }
  ++*i;
  if (*i >= body.size()) {
    *out = '\\';
    return true;
  }
  char e = body[(*i)++];
  switch (e) {
    case 'a': *out = 7; return true;
    case 'b': *out = 8; return true;
    case 'f': *out = 12; return true;
    case 'n': *out = 10; return true;
    case 'r': *out = 13; return true;
    case 't': *out = 9; return true;
    case 'v': *out = 11; return true;
    case 'E': *out = 27; return true;
    case '"': case '\'': case '(': case '?': case '[': case '\\': case '{':
      *out = static_cast<unsigned char>(e);
      return true;
    case 'x': {
      std::uintmax_t v = 0;
      std::size_t digits = 0;
      while (*i < body.size() && digit_value(body[*i]) < 16) {
        v = (v << 4) | static_cast<unsigned>(digit_value(body[(*i)++]));
        ++digits;
      }
      if (digits == 0) {
        parser.message(diag::Code::NOHEXDIGI, "");
        return false;
      }
      if (!wide && (v > 0xFF || digits > 16)) {
        parser.message(diag::Code::NOFITBYTE, "");
        return false;
      }
      *out = v;
      return true;
    }
    default:
      if (e >= '0' && e <= '7') {
        std::uintmax_t v = static_cast<unsigned>(e - '0');
        for (int k = 0; k < 2 && *i < body.size() && body[*i] >= '0' && body[*i] <= '7'; ++k)
          v = (v << 3) | static_cast<unsigned>(body[(*i)++] - '0');
        if (!wide && v > 0xFF) {
          parser.message(diag::Code::NOFITBYTE, "");
          return false;
        }
        *out = v;
        return true;
      }
      parser.message(diag::Code::SEQUEINCO, "");
      *out = static_cast<unsigned char>(e);
      return true;
  }
}

}  // namespace

ExprValue character_value(const Token& token, ExprParser& parser, bool* ok) {
  std::string_view text = token.view();
  std::size_t quote = text.find('\'');
  bool wide = quote > 0;  // L, u, U, u8 prefixes
  std::string_view body = text.substr(quote + 1);
  if (!body.empty() && body.back() == '\'') body.remove_suffix(1);
  if (body.empty()) {
    parser.message(diag::Code::EXPERRONE, "Invalid token in expression");
    *ok = false;
    return {};
  }
  std::uintmax_t value = 0;
  std::size_t count = 0;
  std::size_t i = 0;
  while (i < body.size()) {
    std::uintmax_t c = 0;
    if (!next_char(body, &i, wide, parser, &c)) {
      *ok = false;
      return {};
    }
    value = wide ? c : ((value << 8) | (c & 0xFF));
    ++count;
  }
  if (wide) return ExprValue{static_cast<std::intmax_t>(static_cast<std::int32_t>(value)), false};
  if (count == 1) {
    if (parser.char_unsigned) return ExprValue{static_cast<std::intmax_t>(value & 0xFF), false};
    return ExprValue{static_cast<std::intmax_t>(static_cast<signed char>(value & 0xFF)), false};
  }
  // Several characters: an int, as the host compiler computes it.
  return ExprValue{static_cast<std::intmax_t>(static_cast<std::int32_t>(value & 0xFFFFFFFFu)), false};
}

namespace {

bool parses(const Token* tokens, std::size_t count, bool char_unsigned) {
  ExprParser quiet;
  quiet.tokens = tokens;
  quiet.count = count;
  quiet.char_unsigned = char_unsigned;
  quiet.quiet = true;
  return ppexpr_parse(quiet) == 0;
}

}  // namespace

std::intmax_t evaluate_condition(const Token* tokens, std::size_t count, bool char_unsigned, ExprReport report,
                                 void* context) {
  ExprParser parser;
  parser.tokens = tokens;
  parser.count = count;
  parser.char_unsigned = char_unsigned;
  parser.report = report;
  parser.context = context;
  if (count == 0) {
    parser.message(diag::Code::EMPTYEXPR, "");
    return 0;
  }
  if (ppexpr_parse(parser) == 0) return parser.reported ? 0 : (parser.result.v != 0 ? 1 : 0);
  if (parser.overflow) {
    parser.message(diag::Code::EXPERRONE, "yacc stack overflow");
  } else if (!parser.reported) {
    // A complete expression followed by more tokens, or a plain syntax error.
    if (parser.last > 0 && parser.last < count && parses(tokens, parser.last, char_unsigned))
      parser.message(diag::Code::ERRAFTEND, "");
    else
      parser.message(diag::Code::EXPERRONE, "syntax error");
  }
  return 0;
}

}  // namespace iface::pp
