// The lexer of the C/C++ declaration and expression analyser.
//
// It reads preprocessed C/C++ text (the preprocessor's output: ordinary text, "# <n> "file""
// and "#line <n> "file"" line directives, "#pragma" lines) as a stream of tokens. Tokens point
// into the input text (no copy per token); identifiers are interned, so the parsers compare
// them by pointer. Every message carries the current file and line, which follow the line
// directives of the input.
//
// Lines starting with "#" are never tokens: line directives set the position, the pragma lines
// "#pragma quelt sizeof <type> <bits>" and "#pragma quelt signof <type> signed|unsigned" change
// the size settings, every other "#" line (other pragmas, "#ident", a "#warning" line that the
// preprocessor copied) is skipped.
#pragma once
#include "diag/message_codes.h"
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/wide_int.h"

namespace iface {

// Every token kind: the classes of tokens first, then one kind per keyword and per punctuator.
// Spelling variants share a kind ("__inline__" and "inline", "__asm__" and "asm", ...); the
// token's text keeps the spelling.
enum class TokenKind : std::uint8_t {
  End,         // end of the input
  Invalid,     // a character that starts no token (its text is that character)
  Identifier,
  IntegerConstant,
  FloatingConstant,
  CharConstant,
  StringLiteral,

  // Keywords of C.
  KwAuto, KwBreak, KwCase, KwChar, KwConst, KwContinue, KwDefault, KwDo, KwDouble, KwElse,
  KwEnum, KwExtern, KwFloat, KwFor, KwGoto, KwIf, KwInline, KwInt, KwLong, KwRegister,
  KwRestrict, KwReturn, KwShort, KwSigned, KwSizeof, KwStatic, KwStruct, KwSwitch, KwTypedef,
  KwUnion, KwUnsigned, KwVoid, KwVolatile, KwWhile,
  KwBool,          // _Bool and bool
  KwComplex,       // _Complex, __complex__
  KwImaginary,     // _Imaginary
  KwAlignas,       // _Alignas, alignas
  KwAlignof,       // _Alignof, alignof, __alignof__, __alignof
  KwAtomic,        // _Atomic
  KwGeneric,       // _Generic
  KwNoreturn,      // _Noreturn
  KwStaticAssert,  // _Static_assert, static_assert
  KwThreadLocal,   // _Thread_local, thread_local, __thread
  // Keywords of C++.
  KwAsm,  // asm, __asm__, __asm
  KwCatch, KwClass, KwConstCast, KwConstexpr, KwDecltype, KwDelete, KwDynamicCast, KwExplicit,
  KwExport, KwFalse, KwFriend, KwMutable, KwNamespace, KwNew, KwNoexcept, KwNullptr, KwOperator,
  KwPrivate, KwProtected, KwPublic, KwReinterpretCast, KwStaticCast, KwTemplate, KwThis,
  KwThrow, KwTrue, KwTry, KwTypeid, KwTypename, KwUsing, KwVirtual, KwWchar, KwChar16,
  KwChar32,
  // GNU keywords found in real headers.
  KwAttribute,     // __attribute__, __attribute
  KwExtension,     // __extension__
  KwTypeof,        // __typeof__, __typeof, typeof
  KwBuiltinVaList, // __builtin_va_list
  KwInt128,        // __int128
  KwFloat16, KwFloat32, KwFloat64, KwFloat128, KwFloat32x, KwFloat64x, KwFloat128x,  // _FloatN
  KwGnuFloat128,   // __float128
  KwGnuFloat80,    // __float80
  KwDecimal32, KwDecimal64, KwDecimal128,
  KwLabel,         // __label__
  KwAutoType,      // __auto_type
  KwReal,          // __real__
  KwImag,          // __imag__
  KwBuiltinOffsetof,  // __builtin_offsetof
  KwBuiltinVaArg,  // __builtin_va_arg

  // Punctuators of C++.
  LeftBrace, RightBrace, LeftBracket, RightBracket, LeftParen, RightParen, Semicolon, Colon,
  Ellipsis,      // ...
  Scope,         // ::
  Dot, DotStar,  // . .*
  Arrow, ArrowStar,  // -> ->*
  Plus, Minus, Star, Slash, Percent, Caret, Amp, Pipe, Tilde, Bang, Assign, Less, Greater,
  PlusAssign, MinusAssign, StarAssign, SlashAssign, PercentAssign, CaretAssign, AmpAssign,
  PipeAssign, ShiftLeft, ShiftRight, ShiftLeftAssign, ShiftRightAssign, Equal, NotEqual,
  LessEqual, GreaterEqual, AndAnd, OrOr, PlusPlus, MinusMinus, Comma, Question,
  Hash, HashHash,  // # ## inside a line
  // The script's value notation (only with Lexer::value_notation).
  DotDot,    // ..  (ranges)
  FatArrow,  // =>  (designated items)
};

// The spelling of a keyword or punctuator kind ("int", "->*"), or the name of a token class
// ("identifier", "end of text").
std::string_view token_kind_spelling(TokenKind kind);
bool is_keyword(TokenKind kind);
bool is_punctuator(TokenKind kind);

// The type a constant has: integer constants take the first type of the C list that holds their
// value under the size settings; character constants the type of their prefix; floating
// constants their suffix's type.
enum class ConstantType : std::uint8_t {
  None,
  Int, UnsignedInt, Long, UnsignedLong, LongLong, UnsignedLongLong,
  Char,      // 'a'
  MultiChar, // 'ab': an int made of several characters
  WideChar,  // L'a': the width of int
  Char16,    // u'a'
  Char32,    // U'a'
  Float, Double, LongDouble,
  FloatN,    // 1.0f128 and friends: the suffix says which
};

struct Token {
  TokenKind kind = TokenKind::End;
  std::string_view text;           // the spelling, in the input (a string literal with its quotes and prefix)
  int line = 0;                    // line of the first character
  const char* file = nullptr;      // interned current file name (null when none)
  const char* name = nullptr;      // identifiers: the interned spelling
  ConstantType constant_type = ConstantType::None;
  base::WideInt value;             // integer and character constants
};

// The sizes in bits of the integer types and the sign of plain char, used for integer and
// character constants and for sizeof. One record per analysis run; the pragma lines change it.
struct SizeSettings {
  int char_bits = 8;
  int short_bits = 16;
  int int_bits = 32;
  int long_bits = 32;
  int long_long_bits = 64;
  bool char_unsigned = false;
};

// Answers for the pragma lines that name a typedef: set its size or sign when `name` is a typedef
// of an integer type and return true, else return false (the lexer then reports "PRAGMAINC").
struct TypedefPragmaHooks {
  std::function<bool(const char* name, int bits)> set_size;
  std::function<bool(const char* name, bool is_unsigned)> set_sign;
};

// Where the lexer stands; a mark taken with lexer_mark and given back to lexer_reset re-reads
// the same tokens (the parsers look ahead this way). Messages are given once: a token read again
// after a reset reports nothing.
struct LexerMark {
  const char* cursor = nullptr;
  int line = 0;
  const char* file = nullptr;
  bool at_line_start = true;
};

struct Lexer {
  const char* begin = nullptr;
  const char* cursor = nullptr;
  const char* end = nullptr;
  int line = 1;
  const char* file = nullptr;
  bool at_line_start = true;       // only blanks since the last newline: a "#" starts a directive
  SizeSettings* sizes = nullptr;   // never null after lexer_init
  SizeSettings own_sizes;          // used when lexer_init gets no record (do not copy a Lexer)
  TypedefPragmaHooks hooks;
  bool value_notation = false;     // ".." and "=>" are tokens; "1..4" is two integers around ".."
  const char* reported_up_to = nullptr;  // messages only for text beyond this point
};

// Starts reading `text` at `line` of `file` (interned by the lexer; empty for none). `sizes`
// must outlive the lexer; with null the lexer uses a default record of its own, so the size
// pragmas of the text last only as long as the lexer. Clears value_notation (set it afterwards);
// the hooks stay as they are.
void lexer_init(Lexer& lexer, std::string_view text, std::string_view file, int line, SizeSettings* sizes);
Token next_token(Lexer& lexer);
LexerMark lexer_mark(const Lexer& lexer);
void lexer_reset(Lexer& lexer, const LexerMark& mark);

// The analyser's message path: a warning (or the given kind) at the lexer's current file and line.
void analyser_warning(const Lexer& lexer, diag::Code code, std::string_view argument);
void analyser_warning_at(const Token& token, diag::Code code, std::string_view argument);

// --- Constants (c_lexer_constants.cpp) ---

// The value and type of an integer constant spelled `text` (digits and suffix). Reports
// "ENTOUTRAN" when no type of its list holds the value, "CSTINCORR" for a bad digit and
// "INVFINNUM" for a bad suffix, at the position of `report` (null: no message).
struct IntegerValue {
  base::WideInt value;
  ConstantType type = ConstantType::Int;
  bool ok = true;
};
// The token whose file and line the constant's messages carry; null for none.
using ConstantReport = const Token*;
IntegerValue integer_constant_value(std::string_view text, const SizeSettings& sizes, ConstantReport report);

// The value of a character constant spelled `text` (prefix, quotes and all), with its messages:
// "CSTCARVID", "MULCARCST", "TOLOCSTCA", "INVCSTCAR", "NOHEXDIGI", "SEQUEINCO", "SEQOUTRAN".
struct CharValue {
  base::WideInt value;
  ConstantType type = ConstantType::Char;
};
CharValue char_constant_value(std::string_view text, const SizeSettings& sizes, ConstantReport report);

// The type of a floating constant from its suffix; None with "INVFINNUM" for a bad suffix.
ConstantType floating_constant_type(std::string_view text, ConstantReport report);
// The value of a floating constant (the C library's reading of the text without its suffix).
long double floating_constant_value(std::string_view text);

// A character code printed as a C character constant for messages and generated text:
// "'a'", "'\n'", "'\''", "'\07'", "'\033'"; codes above 0377 as "'\x1234'". `bits` is the width
// of the constant: a negative code is first taken modulo 2^bits.
std::string char_constant_text(std::int64_t code, int bits);

}  // namespace iface
