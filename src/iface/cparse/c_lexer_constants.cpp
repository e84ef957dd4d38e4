// Values of the analyser's constants: integer constants in unbounded precision with the type the
// size settings give them, character constants with their escapes, floating constants, and the
// printing of a character code as a C character constant.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "iface/cparse/c_lexer.h"

namespace iface {

namespace {

void report(ConstantReport at, diag::Code code, std::string_view argument) {
  if (at != nullptr) analyser_warning_at(*at, code, argument);
}

// --- Integer constants ---

struct TypeBits {
  ConstantType type;
  int bits;
  bool is_signed;
};

TypeBits type_bits(ConstantType type, const SizeSettings& sizes) {
  switch (type) {
    case ConstantType::Int: return {type, sizes.int_bits, true};
    case ConstantType::UnsignedInt: return {type, sizes.int_bits, false};
    case ConstantType::Long: return {type, sizes.long_bits, true};
    case ConstantType::UnsignedLong: return {type, sizes.long_bits, false};
    case ConstantType::LongLong: return {type, sizes.long_long_bits, true};
    default: return {ConstantType::UnsignedLongLong, sizes.long_long_bits, false};
  }
}

// The candidate types of a constant, in C's order: a decimal constant without "u" stays signed;
// octal and hexadecimal constants may also take the unsigned type of each rank.
int candidate_types(const base::CConstant& c, ConstantType out[6]) {
  using T = ConstantType;
  static constexpr T ranks[3][2] = {{T::Int, T::UnsignedInt}, {T::Long, T::UnsignedLong},
                                    {T::LongLong, T::UnsignedLongLong}};
  int count = 0;
  for (int rank = c.long_count; rank < 3; ++rank) {
    if (!c.is_unsigned) out[count++] = ranks[rank][0];
    if (c.is_unsigned || c.base != 10) out[count++] = ranks[rank][1];
  }
  return count;
}

// Where the suffix of an integer constant starts: after its (hexadecimal) digits.
std::size_t integer_suffix_start(std::string_view text) {
  bool hex = text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  std::size_t i = hex ? 2 : 0;
  while (i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) &&
         (hex || (text[i] >= '0' && text[i] <= '9'))) {
    ++i;
  }
  return i;
}

// --- Character constants ---

struct CharPrefix {
  std::string_view text;
  ConstantType type;
};

constexpr CharPrefix char_prefixes[] = {
    {"L", ConstantType::WideChar}, {"u8", ConstantType::Char}, {"u", ConstantType::Char16},
    {"U", ConstantType::Char32},
};

struct Escape {
  char letter;
  int value;
};

// Escapes with a fixed value; the characters that stand for themselves after a backslash follow.
constexpr Escape escape_table[] = {{'a', 7}, {'b', 8}, {'f', 12}, {'n', 10}, {'r', 13}, {'t', 9}, {'v', 11}, {'E', 27}};
constexpr std::string_view self_escapes = "\"'(?[\\{";

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(c | 0x20);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::uint64_t mask_of(int bits) { return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1; }

// Reads one element (a character or an escape) at body[i]; i moves past it.
std::uint64_t read_element(std::string_view body, std::size_t& i, int element_bits, std::string_view text,
                           ConstantReport at) {
  char c = body[i++];
  if (c != '\\') return static_cast<unsigned char>(c);
  if (i >= body.size()) return '\\';  // the constant is unclosed: reported by the caller
  char e = body[i++];
  for (const Escape& escape : escape_table) {
    if (escape.letter == e) return static_cast<std::uint64_t>(escape.value);
  }
  if (e >= '0' && e <= '7') {
    std::uint64_t value = static_cast<std::uint64_t>(e - '0');
    for (int k = 1; k < 3 && i < body.size() && body[i] >= '0' && body[i] <= '7'; ++k) value = value * 8 + (body[i++] - '0');
    if ((value & ~mask_of(element_bits)) != 0) report(at, diag::Code::SEQOUTRAN, text);
    return value & mask_of(element_bits);
  }
  if (e == 'x') {
    if (i >= body.size() || hex_value(body[i]) < 0) {
      report(at, diag::Code::NOHEXDIGI, text);
      return 0;
    }
    std::uint64_t value = 0;
    bool too_large = false;
    for (; i < body.size() && hex_value(body[i]) >= 0; ++i) {
      if ((value >> 60) != 0) too_large = true;
      value = (value << 4) | static_cast<std::uint64_t>(hex_value(body[i]));
    }
    if (too_large || (value & ~mask_of(element_bits)) != 0) report(at, diag::Code::SEQOUTRAN, text);
    return value & mask_of(element_bits);
  }
  if (self_escapes.find(e) == std::string_view::npos) report(at, diag::Code::SEQUEINCO, text);
  return static_cast<unsigned char>(e);
}

// --- Floating constants ---

// Where the suffix of a number starts.
std::size_t suffix_start(std::string_view text) {
  std::size_t i = 0;
  bool hex = text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (hex) i = 2;
  auto digit = [&](char c) { return hex ? hex_value(c) >= 0 : (c >= '0' && c <= '9'); };
  while (i < text.size() && (digit(text[i]) || text[i] == '.')) ++i;
  char exponent = hex ? 'p' : 'e';
  if (i < text.size() && (text[i] | 0x20) == exponent) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  }
  return i;
}

struct FloatSuffix {
  std::string_view text;
  ConstantType type;
};

constexpr FloatSuffix float_suffixes[] = {
    {"", ConstantType::Double},       {"f", ConstantType::Float},       {"F", ConstantType::Float},
    {"l", ConstantType::LongDouble},  {"L", ConstantType::LongDouble},  {"f16", ConstantType::FloatN},
    {"f32", ConstantType::FloatN},    {"f64", ConstantType::FloatN},    {"f128", ConstantType::FloatN},
    {"f32x", ConstantType::FloatN},   {"f64x", ConstantType::FloatN},   {"f128x", ConstantType::FloatN},
    {"F16", ConstantType::FloatN},    {"F32", ConstantType::FloatN},    {"F64", ConstantType::FloatN},
    {"F128", ConstantType::FloatN},   {"F32x", ConstantType::FloatN},   {"F64x", ConstantType::FloatN},
    {"F128x", ConstantType::FloatN},  {"q", ConstantType::FloatN},      {"Q", ConstantType::FloatN},
    {"w", ConstantType::FloatN},      {"W", ConstantType::FloatN},
};


// C++14's binary constants ("0b101u"): the binary digits, then the suffix read as C reads it.
base::CConstant parse_binary_constant(std::string_view text) {
  std::size_t end = 2;
  while (end < text.size() && (text[end] == '0' || text[end] == '1')) ++end;
  // The suffix behind a "0", appended: g++ 12 at -O3 warns (-Wrestrict) on "0" + std::string.
  std::string suffix_text(1, '0');
  suffix_text.append(text.substr(end));
  base::CConstant c = base::parse_c_constant(suffix_text);
  if (c.status != base::TextStatus::Ok) return c;
  if (end == 2 || (end < text.size() && text[end] >= '2' && text[end] <= '9')) {
    c.status = base::TextStatus::BadDigit;
    return c;
  }
  c.base = 2;
  c.status = base::wide_from_text(text.substr(2, end - 2), 2, &c.value);
  return c;
}

// Whether a binary constant has digits and no decimal digit other than 0 and 1 right after them.
bool binary_digits_are_good(std::string_view text) {
  std::size_t end = 2;
  while (end < text.size() && (text[end] == '0' || text[end] == '1')) ++end;
  return end > 2 && !(end < text.size() && text[end] >= '2' && text[end] <= '9');
}

bool is_binary(std::string_view text) { return text.size() > 1 && text[0] == '0' && (text[1] | 0x20) == 'b'; }

}  // namespace

IntegerValue integer_constant_value(std::string_view text, const SizeSettings& sizes, ConstantReport at) {
  IntegerValue result;
  base::CConstant c = is_binary(text) ? parse_binary_constant(text) : base::parse_c_constant(text);
  if (c.status == base::TextStatus::BadDigit) {
    // A bad digit inside the digits, or a suffix that is none of C's.
    bool bad_suffix = is_binary(text) ? binary_digits_are_good(text)
                                      : base::parse_c_constant(text.substr(0, integer_suffix_start(text))).status ==
                                            base::TextStatus::Ok;
    report(at, bad_suffix ? diag::Code::INVFINNUM : diag::Code::CSTINCORR, text);
    result.ok = false;
    return result;
  }
  if (c.status == base::TextStatus::TooLarge) {
    report(at, diag::Code::ENTOUTRAN, text);
    result.ok = false;
    result.type = c.is_unsigned ? ConstantType::UnsignedLongLong : ConstantType::LongLong;
    return result;
  }
  result.value = c.value;
  ConstantType candidates[6];
  int count = candidate_types(c, candidates);
  for (int k = 0; k < count; ++k) {
    TypeBits t = type_bits(candidates[k], sizes);
    if (base::wide_fits(c.value, t.bits, t.is_signed)) {
      result.type = t.type;
      return result;
    }
  }
  result.type = candidates[count - 1];
  result.ok = false;
  report(at, diag::Code::ENTOUTRAN, text);
  return result;
}

CharValue char_constant_value(std::string_view text, const SizeSettings& sizes, ConstantReport at) {
  CharValue result;
  std::size_t quote = text.find('\'');
  if (quote == std::string_view::npos) {
    report(at, diag::Code::INVCSTCAR, text);
    return result;
  }
  int element_bits = sizes.char_bits;
  bool is_signed = !sizes.char_unsigned;
  for (const CharPrefix& prefix : char_prefixes) {
    if (text.substr(0, quote) == prefix.text) result.type = prefix.type;
  }
  switch (result.type) {
    case ConstantType::WideChar: element_bits = sizes.int_bits; is_signed = true; break;
    case ConstantType::Char16: element_bits = 16; is_signed = false; break;
    case ConstantType::Char32: element_bits = 32; is_signed = false; break;
    default: if (quote != 0) is_signed = false; break;  // u8'a'
  }
  std::string_view body = text.substr(quote + 1);
  int capacity = element_bits >= sizes.int_bits ? 1 : sizes.int_bits / element_bits;
  std::uint64_t value = 0;
  int count = 0;
  bool closed = false;
  for (std::size_t i = 0; i < body.size();) {
    if (body[i] == '\'') {
      closed = true;
      break;
    }
    std::uint64_t element = read_element(body, i, element_bits, text, at);
    value = element_bits >= 64 ? element : ((value << element_bits) | element);
    ++count;
  }
  if (!closed) report(at, diag::Code::INVCSTCAR, text);  // the line ended before the closing quote
  if (count == 0) {
    if (closed) report(at, diag::Code::CSTCARVID, text);
    return result;
  }
  if (count == 1) {
    result.value = base::wide_wrap(base::wide_from_uint64(value), element_bits, is_signed);
    return result;
  }
  report(at, count > capacity ? diag::Code::TOLOCSTCA : diag::Code::MULCARCST, text);
  if (result.type == ConstantType::Char) result.type = ConstantType::MultiChar;
  int bits = result.type == ConstantType::MultiChar ? sizes.int_bits : element_bits;
  result.value = base::wide_wrap(base::wide_from_uint64(value & mask_of(bits)), bits,
                                 result.type == ConstantType::MultiChar || is_signed);
  return result;
}

ConstantType floating_constant_type(std::string_view text, ConstantReport at) {
  std::string_view suffix = text.substr(suffix_start(text));
  for (const FloatSuffix& row : float_suffixes) {
    if (row.text == suffix) return row.type;
  }
  report(at, diag::Code::INVFINNUM, text);
  return ConstantType::None;
}

long double floating_constant_value(std::string_view text) {
  std::string number(text.substr(0, suffix_start(text)));
  return std::strtold(number.c_str(), nullptr);
}

std::string char_constant_text(std::int64_t code, int bits) {
  if (code < 0 && bits > 0 && bits < 63) code += std::int64_t{1} << bits;
  switch (code) {
    case '\b': return "'\\b'";
    case '\f': return "'\\f'";
    case '\n': return "'\\n'";
    case '\r': return "'\\r'";
    case '\t': return "'\\t'";
    case '\v': return "'\\v'";
    case '\'': return "'\\''";
    case '"': return "'\\\"'";
    case '\\': return "'\\\\'";
    default: break;
  }
  char buffer[32];
  if (code >= 0x20 && code < 0x7F) {
    std::snprintf(buffer, sizeof buffer, "'%c'", static_cast<int>(code));
  } else if (code >= 0 && code < 8) {
    std::snprintf(buffer, sizeof buffer, "'\\0%d'", static_cast<int>(code));
  } else if (code >= 0 && code <= 0377) {
    std::snprintf(buffer, sizeof buffer, "'\\%03o'", static_cast<unsigned>(code));
  } else {
    std::snprintf(buffer, sizeof buffer, "'\\x%llx'", static_cast<unsigned long long>(code));
  }
  return buffer;
}

}  // namespace iface
