// The analyser's scanner: characters to tokens, line directives and the size pragmas.
// Constants are valued in c_lexer_constants.cpp.
#include "iface/cparse/c_lexer.h"

#include <array>
#include <cstring>

#include "base/intern.h"
#include "diag/report.h"

namespace iface {

namespace {

// Character classes, one table lookup per character.
enum CharClass : std::uint8_t { Other = 0, IdStart = 1, Digit = 2, Blank = 4, Newline = 8 };

constexpr std::array<std::uint8_t, 256> make_classes() {
  std::array<std::uint8_t, 256> c{};
  for (int i = 'a'; i <= 'z'; ++i) c[i] = IdStart;
  for (int i = 'A'; i <= 'Z'; ++i) c[i] = IdStart;
  c['_'] = IdStart;
  c['$'] = IdStart;
  // Bytes of UTF-8 sequences are identifier characters, as the host compilers take them.
  for (int i = 0x80; i < 256; ++i) c[i] = IdStart;
  for (int i = '0'; i <= '9'; ++i) c[i] = Digit;
  c[' '] = c['\t'] = c['\v'] = c['\f'] = c['\r'] = Blank;
  c['\n'] = Newline;
  return c;
}
constexpr std::array<std::uint8_t, 256> classes = make_classes();

inline std::uint8_t class_of(char c) { return classes[static_cast<unsigned char>(c)]; }
inline bool is_identifier_char(char c) { return (class_of(c) & (IdStart | Digit)) != 0; }
inline bool is_digit(char c) { return class_of(c) == Digit; }
inline bool is_blank(char c) { return class_of(c) == Blank; }

struct KeywordRow {
  std::string_view text;
  TokenKind kind;
};

// Every keyword spelling. The first row of a kind gives its spelling in messages.
constexpr KeywordRow keyword_table[] = {
    {"auto", TokenKind::KwAuto}, {"break", TokenKind::KwBreak}, {"case", TokenKind::KwCase},
    {"char", TokenKind::KwChar}, {"const", TokenKind::KwConst}, {"__const", TokenKind::KwConst},
    {"__const__", TokenKind::KwConst}, {"continue", TokenKind::KwContinue}, {"default", TokenKind::KwDefault},
    {"do", TokenKind::KwDo}, {"double", TokenKind::KwDouble}, {"else", TokenKind::KwElse},
    {"enum", TokenKind::KwEnum}, {"extern", TokenKind::KwExtern}, {"float", TokenKind::KwFloat},
    {"for", TokenKind::KwFor}, {"goto", TokenKind::KwGoto}, {"if", TokenKind::KwIf},
    {"inline", TokenKind::KwInline}, {"__inline", TokenKind::KwInline}, {"__inline__", TokenKind::KwInline},
    {"int", TokenKind::KwInt}, {"long", TokenKind::KwLong}, {"register", TokenKind::KwRegister},
    {"restrict", TokenKind::KwRestrict}, {"__restrict", TokenKind::KwRestrict},
    {"__restrict__", TokenKind::KwRestrict}, {"return", TokenKind::KwReturn}, {"short", TokenKind::KwShort},
    {"signed", TokenKind::KwSigned}, {"__signed", TokenKind::KwSigned}, {"__signed__", TokenKind::KwSigned},
    {"sizeof", TokenKind::KwSizeof}, {"static", TokenKind::KwStatic}, {"struct", TokenKind::KwStruct},
    {"switch", TokenKind::KwSwitch}, {"typedef", TokenKind::KwTypedef}, {"union", TokenKind::KwUnion},
    {"unsigned", TokenKind::KwUnsigned}, {"void", TokenKind::KwVoid}, {"volatile", TokenKind::KwVolatile},
    {"__volatile", TokenKind::KwVolatile}, {"__volatile__", TokenKind::KwVolatile}, {"while", TokenKind::KwWhile},
    {"bool", TokenKind::KwBool}, {"_Bool", TokenKind::KwBool}, {"_Complex", TokenKind::KwComplex},
    {"__complex__", TokenKind::KwComplex}, {"__complex", TokenKind::KwComplex},
    {"_Imaginary", TokenKind::KwImaginary}, {"_Alignas", TokenKind::KwAlignas}, {"alignas", TokenKind::KwAlignas},
    {"_Alignof", TokenKind::KwAlignof}, {"alignof", TokenKind::KwAlignof}, {"__alignof__", TokenKind::KwAlignof},
    {"__alignof", TokenKind::KwAlignof}, {"_Atomic", TokenKind::KwAtomic}, {"_Generic", TokenKind::KwGeneric},
    {"_Noreturn", TokenKind::KwNoreturn}, {"_Static_assert", TokenKind::KwStaticAssert},
    {"static_assert", TokenKind::KwStaticAssert}, {"_Thread_local", TokenKind::KwThreadLocal},
    {"thread_local", TokenKind::KwThreadLocal}, {"__thread", TokenKind::KwThreadLocal},
    {"asm", TokenKind::KwAsm}, {"__asm__", TokenKind::KwAsm}, {"__asm", TokenKind::KwAsm},
    {"catch", TokenKind::KwCatch}, {"class", TokenKind::KwClass}, {"const_cast", TokenKind::KwConstCast},
    {"constexpr", TokenKind::KwConstexpr}, {"decltype", TokenKind::KwDecltype}, {"__decltype", TokenKind::KwDecltype},
    {"delete", TokenKind::KwDelete}, {"dynamic_cast", TokenKind::KwDynamicCast},
    {"explicit", TokenKind::KwExplicit}, {"export", TokenKind::KwExport}, {"false", TokenKind::KwFalse},
    {"friend", TokenKind::KwFriend}, {"mutable", TokenKind::KwMutable}, {"namespace", TokenKind::KwNamespace},
    {"new", TokenKind::KwNew}, {"noexcept", TokenKind::KwNoexcept}, {"nullptr", TokenKind::KwNullptr},
    {"operator", TokenKind::KwOperator}, {"private", TokenKind::KwPrivate}, {"protected", TokenKind::KwProtected},
    {"public", TokenKind::KwPublic}, {"reinterpret_cast", TokenKind::KwReinterpretCast},
    {"static_cast", TokenKind::KwStaticCast}, {"template", TokenKind::KwTemplate}, {"this", TokenKind::KwThis},
    {"throw", TokenKind::KwThrow}, {"true", TokenKind::KwTrue}, {"try", TokenKind::KwTry},
    {"typeid", TokenKind::KwTypeid}, {"typename", TokenKind::KwTypename}, {"using", TokenKind::KwUsing},
    {"virtual", TokenKind::KwVirtual}, {"wchar_t", TokenKind::KwWchar}, {"char16_t", TokenKind::KwChar16},
    {"char32_t", TokenKind::KwChar32}, {"__attribute__", TokenKind::KwAttribute},
    {"__attribute", TokenKind::KwAttribute}, {"__extension__", TokenKind::KwExtension},
    {"__typeof__", TokenKind::KwTypeof}, {"__typeof", TokenKind::KwTypeof}, {"typeof", TokenKind::KwTypeof},
    {"__builtin_va_list", TokenKind::KwBuiltinVaList}, {"__int128", TokenKind::KwInt128},
    {"__int128_t", TokenKind::KwInt128}, {"_Float16", TokenKind::KwFloat16}, {"_Float32", TokenKind::KwFloat32},
    {"_Float64", TokenKind::KwFloat64}, {"_Float128", TokenKind::KwFloat128}, {"_Float32x", TokenKind::KwFloat32x},
    {"_Float64x", TokenKind::KwFloat64x}, {"_Float128x", TokenKind::KwFloat128x},
    {"__float128", TokenKind::KwGnuFloat128}, {"__float80", TokenKind::KwGnuFloat80},
    {"_Decimal32", TokenKind::KwDecimal32}, {"_Decimal64", TokenKind::KwDecimal64},
    {"_Decimal128", TokenKind::KwDecimal128}, {"__label__", TokenKind::KwLabel},
    {"__auto_type", TokenKind::KwAutoType}, {"__real__", TokenKind::KwReal}, {"__real", TokenKind::KwReal},
    {"__imag__", TokenKind::KwImag}, {"__imag", TokenKind::KwImag},
    {"__builtin_offsetof", TokenKind::KwBuiltinOffsetof}, {"__builtin_va_arg", TokenKind::KwBuiltinVaArg},
};

// Open-addressing table over the keyword spellings, built once and never changed.
constexpr std::size_t keyword_slots = 512;

std::size_t keyword_hash(const char* text, std::size_t length) {
  return (length * 131u + static_cast<unsigned char>(text[0]) * 31u +
          static_cast<unsigned char>(text[length - 1]) * 7u + static_cast<unsigned char>(text[length / 2])) %
         keyword_slots;
}

struct KeywordIndex {
  std::array<const KeywordRow*, keyword_slots> slots{};
  KeywordIndex() {
    for (const KeywordRow& row : keyword_table) {
      std::size_t h = keyword_hash(row.text.data(), row.text.size());
      while (slots[h] != nullptr) h = (h + 1) % keyword_slots;
      slots[h] = &row;
    }
  }
};

const KeywordIndex& keyword_index() {
  static const KeywordIndex index;
  return index;
}

TokenKind keyword_kind(const char* text, std::size_t length) {
  if (length < 2 || length > 18) return TokenKind::Identifier;
  const KeywordIndex& index = keyword_index();
  for (std::size_t h = keyword_hash(text, length); index.slots[h] != nullptr; h = (h + 1) % keyword_slots) {
    const KeywordRow* row = index.slots[h];
    if (row->text.size() == length && std::memcmp(row->text.data(), text, length) == 0) return row->kind;
  }
  return TokenKind::Identifier;
}

struct PunctuatorRow {
  std::string_view text;
  TokenKind kind;
};

// Spellings of the punctuators, for messages.
constexpr PunctuatorRow punctuator_table[] = {
    {"{", TokenKind::LeftBrace}, {"}", TokenKind::RightBrace}, {"[", TokenKind::LeftBracket},
    {"]", TokenKind::RightBracket}, {"(", TokenKind::LeftParen}, {")", TokenKind::RightParen},
    {";", TokenKind::Semicolon}, {":", TokenKind::Colon}, {"...", TokenKind::Ellipsis}, {"::", TokenKind::Scope},
    {".", TokenKind::Dot}, {".*", TokenKind::DotStar}, {"->", TokenKind::Arrow}, {"->*", TokenKind::ArrowStar},
    {"+", TokenKind::Plus}, {"-", TokenKind::Minus}, {"*", TokenKind::Star}, {"/", TokenKind::Slash},
    {"%", TokenKind::Percent}, {"^", TokenKind::Caret}, {"&", TokenKind::Amp}, {"|", TokenKind::Pipe},
    {"~", TokenKind::Tilde}, {"!", TokenKind::Bang}, {"=", TokenKind::Assign}, {"<", TokenKind::Less},
    {">", TokenKind::Greater}, {"+=", TokenKind::PlusAssign}, {"-=", TokenKind::MinusAssign},
    {"*=", TokenKind::StarAssign}, {"/=", TokenKind::SlashAssign}, {"%=", TokenKind::PercentAssign},
    {"^=", TokenKind::CaretAssign}, {"&=", TokenKind::AmpAssign}, {"|=", TokenKind::PipeAssign},
    {"<<", TokenKind::ShiftLeft}, {">>", TokenKind::ShiftRight}, {"<<=", TokenKind::ShiftLeftAssign},
    {">>=", TokenKind::ShiftRightAssign}, {"==", TokenKind::Equal}, {"!=", TokenKind::NotEqual},
    {"<=", TokenKind::LessEqual}, {">=", TokenKind::GreaterEqual}, {"&&", TokenKind::AndAnd},
    {"||", TokenKind::OrOr}, {"++", TokenKind::PlusPlus}, {"--", TokenKind::MinusMinus},
    {",", TokenKind::Comma}, {"?", TokenKind::Question}, {"#", TokenKind::Hash}, {"##", TokenKind::HashHash},
    {"..", TokenKind::DotDot}, {"=>", TokenKind::FatArrow},
};

bool should_report(const Lexer& lexer, const char* at) { return lexer.reported_up_to == nullptr || at >= lexer.reported_up_to; }

// --- Directive lines ---

const char* skip_blanks(const char* p, const char* end) {
  while (p < end && is_blank(*p)) ++p;
  return p;
}

const char* skip_word(const char* p, const char* end) {
  while (p < end && is_identifier_char(*p)) ++p;
  return p;
}

const char* line_end(const char* p, const char* end) {
  const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
  return nl == nullptr ? end : static_cast<const char*>(nl);
}

// The file name of a line directive: the text between the quotes, with the preprocessor's
// escapes (doubled backslashes, escaped quotes) undone.
const char* directive_file_name(const char* p, const char* end) {
  ++p;  // the opening quote
  const char* start = p;
  bool escaped = false;
  while (p < end && *p != '"') {
    if (*p == '\\' && p + 1 < end) {
      escaped = true;
      ++p;
    }
    ++p;
  }
  std::string_view raw(start, static_cast<std::size_t>(p - start));
  if (!escaped) return base::intern(raw);
  std::string name;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size()) ++i;
    name += raw[i];
  }
  return base::intern(name);
}

// "<n> "file" flags...": the next line is line n of that file (the file stays when none is given).
void read_line_directive(Lexer& lexer, const char* p, const char* end) {
  if (p >= end || !is_digit(*p)) return;
  long number = 0;
  while (p < end && is_digit(*p)) {
    if (number < 100000000) number = number * 10 + (*p - '0');
    ++p;
  }
  p = skip_blanks(p, end);
  if (p < end && *p == '"') lexer.file = directive_file_name(p, end);
  lexer.line = static_cast<int>(number) - 1;  // the directive's own newline counts it up
}

struct BuiltinSizeRow {
  std::string_view name;
  int SizeSettings::*field;
};

constexpr BuiltinSizeRow builtin_size_table[] = {
    {"char", &SizeSettings::char_bits}, {"short", &SizeSettings::short_bits}, {"int", &SizeSettings::int_bits},
    {"long", &SizeSettings::long_bits}, {"longlong", &SizeSettings::long_long_bits},
};

std::string_view next_word(const char*& p, const char* end) {
  p = skip_blanks(p, end);
  const char* start = p;
  p = skip_word(p, end);
  return std::string_view(start, static_cast<std::size_t>(p - start));
}

bool read_bits(std::string_view word, int* bits) {
  if (word.empty() || word.size() > 3) return false;
  int value = 0;
  for (char c : word) {
    if (!is_digit(c)) return false;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 128) return false;
  *bits = value;
  return true;
}

bool apply_sizeof_pragma(Lexer& lexer, std::string_view type, std::string_view size) {
  int bits = 0;
  if (!read_bits(size, &bits)) return false;
  for (const BuiltinSizeRow& row : builtin_size_table) {
    if (row.name == type) {
      lexer.sizes->*row.field = bits;
      return true;
    }
  }
  return !type.empty() && lexer.hooks.set_size && lexer.hooks.set_size(base::intern(type), bits);
}

bool apply_signof_pragma(Lexer& lexer, std::string_view type, std::string_view sign) {
  if (sign != "signed" && sign != "unsigned") return false;
  bool is_unsigned = sign == "unsigned";
  if (type == "char") {
    lexer.sizes->char_unsigned = is_unsigned;
    return true;
  }
  return !type.empty() && lexer.hooks.set_sign && lexer.hooks.set_sign(base::intern(type), is_unsigned);
}

// "pragma quelt sizeof|signof ...": other pragmas are left to the preprocessor.
void read_pragma(Lexer& lexer, const char* p, const char* end, const char* directive) {
  if (next_word(p, end) != "quelt") return;
  std::string_view keyword = next_word(p, end);
  if (keyword != "sizeof" && keyword != "signof") return;
  std::string_view type = next_word(p, end);
  std::string_view setting = next_word(p, end);
  bool trailing = skip_blanks(p, end) != end;
  bool applied = !trailing && (keyword == "sizeof" ? apply_sizeof_pragma(lexer, type, setting)
                                                   : apply_signof_pragma(lexer, type, setting));
  if (!applied && should_report(lexer, directive)) {
    analyser_warning(lexer, diag::Code::PRAGMAINC, std::string_view(directive, static_cast<std::size_t>(end - directive)));
  }
}

// A "#" at the start of a line: the whole line is read here and gives no token.
void read_directive(Lexer& lexer) {
  const char* directive = lexer.cursor;
  const char* end = line_end(lexer.cursor, lexer.end);
  const char* p = skip_blanks(lexer.cursor + 1, end);
  if (p < end && is_digit(*p)) {
    read_line_directive(lexer, p, end);
  } else {
    const char* word_start = p;
    p = skip_word(p, end);
    std::string_view word(word_start, static_cast<std::size_t>(p - word_start));
    if (word == "line") {
      read_line_directive(lexer, skip_blanks(p, end), end);
    } else if (word == "pragma") {
      read_pragma(lexer, p, end, directive);
    }
  }
  lexer.cursor = end;
}

// --- Tokens ---

// Blanks, newlines and directive lines before the next token.
void skip_space(Lexer& lexer) {
  const char* p = lexer.cursor;
  const char* end = lexer.end;
  while (p < end) {
    std::uint8_t c = class_of(*p);
    if (c == Blank) {
      ++p;
    } else if (c == Newline) {
      ++p;
      ++lexer.line;
      lexer.at_line_start = true;
    } else if (*p == '#' && lexer.at_line_start) {
      lexer.cursor = p;
      read_directive(lexer);
      p = lexer.cursor;
    } else {
      break;
    }
  }
  lexer.cursor = p;
}

// A quoted literal from `p` (at its opening quote) to its closing quote; stops before a newline.
// Returns the position after the literal and whether it was closed.
const char* scan_quoted(const char* p, const char* end, char quote, bool* closed) {
  ++p;
  while (p < end) {
    char c = *p;
    if (c == quote) {
      *closed = true;
      return p + 1;
    }
    if (c == '\n') break;
    if (c == '\\' && p + 1 < end && p[1] != '\n') ++p;
    ++p;
  }
  *closed = false;
  return p;
}

ConstantReport reporter_for(const Lexer& lexer, const Token& token) {
  return should_report(lexer, token.text.data()) ? &token : nullptr;
}

void read_char_constant(Lexer& lexer, Token& token, const char* start, const char* quote) {
  bool closed = false;
  lexer.cursor = scan_quoted(quote, lexer.end, '\'', &closed);
  token.kind = TokenKind::CharConstant;
  token.text = std::string_view(start, static_cast<std::size_t>(lexer.cursor - start));
  CharValue value = char_constant_value(token.text, *lexer.sizes, reporter_for(lexer, token));
  token.value = value.value;
  token.constant_type = value.type;
}

void read_string_literal(Lexer& lexer, Token& token, const char* start, const char* quote) {
  bool closed = false;
  lexer.cursor = scan_quoted(quote, lexer.end, '"', &closed);
  token.kind = TokenKind::StringLiteral;
  token.text = std::string_view(start, static_cast<std::size_t>(lexer.cursor - start));
  if (!closed && should_report(lexer, start)) analyser_warning_at(token, diag::Code::UNTERSTRI, token.text);
}

inline bool is_hex_digit(char c) { return is_digit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

// A number: integer or floating, with its suffix. In the value notation "1..4" ends the integer
// before the two dots.
void read_number(Lexer& lexer, Token& token, const char* start) {
  const char* p = start;
  const char* end = lexer.end;
  bool floating = false;
  bool hex = p + 1 < end && p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
  auto fraction_dot = [&](const char* q) {
    return q < end && *q == '.' && !(lexer.value_notation && q + 1 < end && q[1] == '.');
  };
  if (hex) {
    p += 2;
    while (p < end && is_hex_digit(*p)) ++p;
    if (fraction_dot(p)) {
      floating = true;
      ++p;
      while (p < end && is_hex_digit(*p)) ++p;
    }
    if (p < end && (*p == 'p' || *p == 'P')) {
      floating = true;
      ++p;
      if (p < end && (*p == '+' || *p == '-')) ++p;
      while (p < end && is_digit(*p)) ++p;
    }
  } else {
    while (p < end && is_digit(*p)) ++p;
    if (fraction_dot(p)) {
      floating = true;
      ++p;
      while (p < end && is_digit(*p)) ++p;
    }
    if (p < end && (*p == 'e' || *p == 'E')) {
      const char* q = p + 1;
      if (q < end && (*q == '+' || *q == '-')) ++q;
      if (q < end && is_digit(*q)) {
        floating = true;
        p = q;
        while (p < end && is_digit(*p)) ++p;
      }
    }
  }
  while (p < end && is_identifier_char(*p)) ++p;  // the suffix
  lexer.cursor = p;
  token.text = std::string_view(start, static_cast<std::size_t>(p - start));
  ConstantReport report = reporter_for(lexer, token);
  if (floating) {
    token.kind = TokenKind::FloatingConstant;
    token.constant_type = floating_constant_type(token.text, report);
    return;
  }
  token.kind = TokenKind::IntegerConstant;
  IntegerValue value = integer_constant_value(token.text, *lexer.sizes, report);
  token.value = value.value;
  token.constant_type = value.type;
}

// The prefix of a character or string literal: L, u, U or u8 right before the quote.
const char* literal_quote(const char* start, const char* word_end, const char* end) {
  if (word_end >= end || (*word_end != '\'' && *word_end != '"')) return nullptr;
  std::string_view prefix(start, static_cast<std::size_t>(word_end - start));
  if (prefix == "L" || prefix == "u" || prefix == "U" || prefix == "u8") return word_end;
  return nullptr;
}

void read_word(Lexer& lexer, Token& token, const char* start) {
  const char* p = skip_word(start, lexer.end);
  if (const char* quote = literal_quote(start, p, lexer.end)) {
    if (*quote == '\'') {
      read_char_constant(lexer, token, start, quote);
    } else {
      read_string_literal(lexer, token, start, quote);
    }
    return;
  }
  lexer.cursor = p;
  std::size_t length = static_cast<std::size_t>(p - start);
  token.text = std::string_view(start, length);
  token.kind = keyword_kind(start, length);
  if (token.kind == TokenKind::Identifier) token.name = base::intern(token.text);
}

// The longest punctuator at `p`; Invalid for a character that starts none.
TokenKind read_punctuator(const Lexer& lexer, const char* p, std::size_t* length) {
  const char* end = lexer.end;
  auto at = [&](std::size_t k) { return p + k < end ? p[k] : '\0'; };
  auto pick = [&](std::size_t n, TokenKind kind) {
    *length = n;
    return kind;
  };
  char c1 = at(1);
  switch (*p) {
    case '{': return pick(1, TokenKind::LeftBrace);
    case '}': return pick(1, TokenKind::RightBrace);
    case '[': return pick(1, TokenKind::LeftBracket);
    case ']': return pick(1, TokenKind::RightBracket);
    case '(': return pick(1, TokenKind::LeftParen);
    case ')': return pick(1, TokenKind::RightParen);
    case ';': return pick(1, TokenKind::Semicolon);
    case ',': return pick(1, TokenKind::Comma);
    case '?': return pick(1, TokenKind::Question);
    case '~': return pick(1, TokenKind::Tilde);
    case ':': return c1 == ':' ? pick(2, TokenKind::Scope) : pick(1, TokenKind::Colon);
    case '.':
      if (c1 == '.' && at(2) == '.') return pick(3, TokenKind::Ellipsis);
      if (c1 == '.' && lexer.value_notation) return pick(2, TokenKind::DotDot);
      return c1 == '*' ? pick(2, TokenKind::DotStar) : pick(1, TokenKind::Dot);
    case '-':
      if (c1 == '>') return at(2) == '*' ? pick(3, TokenKind::ArrowStar) : pick(2, TokenKind::Arrow);
      if (c1 == '-') return pick(2, TokenKind::MinusMinus);
      return c1 == '=' ? pick(2, TokenKind::MinusAssign) : pick(1, TokenKind::Minus);
    case '+':
      if (c1 == '+') return pick(2, TokenKind::PlusPlus);
      return c1 == '=' ? pick(2, TokenKind::PlusAssign) : pick(1, TokenKind::Plus);
    case '*': return c1 == '=' ? pick(2, TokenKind::StarAssign) : pick(1, TokenKind::Star);
    case '/': return c1 == '=' ? pick(2, TokenKind::SlashAssign) : pick(1, TokenKind::Slash);
    case '%': return c1 == '=' ? pick(2, TokenKind::PercentAssign) : pick(1, TokenKind::Percent);
    case '^': return c1 == '=' ? pick(2, TokenKind::CaretAssign) : pick(1, TokenKind::Caret);
    case '!': return c1 == '=' ? pick(2, TokenKind::NotEqual) : pick(1, TokenKind::Bang);
    case '&':
      if (c1 == '&') return pick(2, TokenKind::AndAnd);
      return c1 == '=' ? pick(2, TokenKind::AmpAssign) : pick(1, TokenKind::Amp);
    case '|':
      if (c1 == '|') return pick(2, TokenKind::OrOr);
      return c1 == '=' ? pick(2, TokenKind::PipeAssign) : pick(1, TokenKind::Pipe);
    case '=':
      if (c1 == '=') return pick(2, TokenKind::Equal);
      return c1 == '>' && lexer.value_notation ? pick(2, TokenKind::FatArrow) : pick(1, TokenKind::Assign);
    case '<':
      if (c1 == '<') return at(2) == '=' ? pick(3, TokenKind::ShiftLeftAssign) : pick(2, TokenKind::ShiftLeft);
      return c1 == '=' ? pick(2, TokenKind::LessEqual) : pick(1, TokenKind::Less);
    case '>':
      if (c1 == '>') return at(2) == '=' ? pick(3, TokenKind::ShiftRightAssign) : pick(2, TokenKind::ShiftRight);
      return c1 == '=' ? pick(2, TokenKind::GreaterEqual) : pick(1, TokenKind::Greater);
    case '#': return c1 == '#' ? pick(2, TokenKind::HashHash) : pick(1, TokenKind::Hash);
    default: return pick(1, TokenKind::Invalid);
  }
}

}  // namespace

std::string_view token_kind_spelling(TokenKind kind) {
  switch (kind) {
    case TokenKind::End: return "end of text";
    case TokenKind::Invalid: return "invalid character";
    case TokenKind::Identifier: return "identifier";
    case TokenKind::IntegerConstant: return "integer constant";
    case TokenKind::FloatingConstant: return "floating constant";
    case TokenKind::CharConstant: return "character constant";
    case TokenKind::StringLiteral: return "string literal";
    default: break;
  }
  for (const KeywordRow& row : keyword_table) {
    if (row.kind == kind) return row.text;
  }
  for (const PunctuatorRow& row : punctuator_table) {
    if (row.kind == kind) return row.text;
  }
  return "?";
}

bool is_keyword(TokenKind kind) { return kind >= TokenKind::KwAuto && kind <= TokenKind::KwBuiltinVaArg; }
bool is_punctuator(TokenKind kind) { return kind >= TokenKind::LeftBrace; }

void lexer_init(Lexer& lexer, std::string_view text, std::string_view file, int line, SizeSettings* sizes) {
  lexer.begin = text.data();
  lexer.cursor = text.data();
  lexer.end = text.data() + text.size();
  lexer.line = line;
  lexer.file = base::intern(file);
  lexer.at_line_start = true;
  lexer.own_sizes = SizeSettings{};
  lexer.sizes = sizes != nullptr ? sizes : &lexer.own_sizes;
  lexer.value_notation = false;
  lexer.reported_up_to = nullptr;
}

Token next_token(Lexer& lexer) {
  skip_space(lexer);
  Token token;
  token.line = lexer.line;
  token.file = lexer.file;
  const char* start = lexer.cursor;
  if (start == lexer.end) {
    token.text = std::string_view(start, 0);
    return token;
  }
  lexer.at_line_start = false;
  std::uint8_t c = class_of(*start);
  if (c == IdStart) {
    read_word(lexer, token, start);
  } else if (c == Digit || (*start == '.' && start + 1 < lexer.end && is_digit(start[1]))) {
    read_number(lexer, token, start);
  } else if (*start == '\'') {
    read_char_constant(lexer, token, start, start);
  } else if (*start == '"') {
    read_string_literal(lexer, token, start, start);
  } else {
    std::size_t length = 1;
    token.kind = read_punctuator(lexer, start, &length);
    token.text = std::string_view(start, length);
    lexer.cursor = start + length;
  }
  if (lexer.reported_up_to == nullptr || lexer.cursor > lexer.reported_up_to) lexer.reported_up_to = lexer.cursor;
  return token;
}

LexerMark lexer_mark(const Lexer& lexer) {
  return LexerMark{lexer.cursor, lexer.line, lexer.file, lexer.at_line_start};
}

void lexer_reset(Lexer& lexer, const LexerMark& mark) {
  lexer.cursor = mark.cursor;
  lexer.line = mark.line;
  lexer.file = mark.file;
  lexer.at_line_start = mark.at_line_start;
}

void analyser_warning(const Lexer& lexer, diag::Code code, std::string_view argument) {
  diag::report_at(diag::MessageKind::Warning, code, argument, base::intern_or_empty(lexer.file), lexer.line);
}

void analyser_warning_at(const Token& token, diag::Code code, std::string_view argument) {
  diag::report_at(diag::MessageKind::Warning, code, argument, base::intern_or_empty(token.file), token.line);
}

}  // namespace iface
