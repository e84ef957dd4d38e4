// Preprocessing tokens, the character classes of the preprocessor and the text arena that
// holds the texts of tokens made during expansion (pasting, stringizing, special symbols).
#pragma once
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace iface::pp {

// Character classes: identifier characters a-z A-Z 0-9 _ $, identifier starts a-z A-Z _ $,
// horizontal white space blank, tab, vertical tab, form feed and carriage return; white
// space additionally the newline.
enum CharClass : std::uint8_t { IdentStart = 1, IdentChar = 2, Digit = 4, HorizSpace = 8, Space = 16 };

struct CharTable {
  std::uint8_t cls[256];
  constexpr CharTable() : cls{} {
    for (int c = 'a'; c <= 'z'; ++c) cls[c] = IdentStart | IdentChar;
    for (int c = 'A'; c <= 'Z'; ++c) cls[c] = IdentStart | IdentChar;
    for (int c = '0'; c <= '9'; ++c) cls[c] = IdentChar | Digit;
    cls[static_cast<unsigned char>('_')] = IdentStart | IdentChar;
    cls[static_cast<unsigned char>('$')] = IdentStart | IdentChar;
    for (char c : {' ', '\t', '\v', '\f', '\r'}) cls[static_cast<unsigned char>(c)] = HorizSpace | Space;
    cls[static_cast<unsigned char>('\n')] = Space;
  }
};
inline constexpr CharTable char_table{};

inline bool is_ident_start(char c) { return char_table.cls[static_cast<unsigned char>(c)] & IdentStart; }
inline bool is_ident_char(char c) { return char_table.cls[static_cast<unsigned char>(c)] & IdentChar; }
inline bool is_digit(char c) { return char_table.cls[static_cast<unsigned char>(c)] & Digit; }
inline bool is_horiz_space(char c) { return char_table.cls[static_cast<unsigned char>(c)] & HorizSpace; }
inline bool is_space(char c) { return char_table.cls[static_cast<unsigned char>(c)] & Space; }

enum class TokKind : std::uint8_t {
  Eof,          // end of a text level
  Newline,      // end of a source line
  Ident,
  Number,       // preprocessing number
  Char,         // character constant (with prefix)
  String,       // string literal (with prefix)
  Punct,        // operator or punctuator
  Other,        // any other single character (stray characters, NUL, binary bytes)
  Param,        // macro body: parameter reference, `aux` is its index
  Placemarker,  // empty argument next to ##
  End,          // end of an argument or directive token list
};

enum TokFlag : std::uint8_t {
  Spaced = 1,       // white space before the token
  NoExpand = 2,     // an identifier that must never be expanded again (its macro was disabled)
  PasteLeft = 4,    // macro body: the token is followed by ##
  Stringify = 8,    // macro body: a parameter preceded by #
  VaArgs = 16,      // macro body: the parameter is the variadic one
};

struct Token {
  const char* text = "";
  std::uint32_t len = 0;
  std::uint32_t line = 0;
  std::uint16_t aux = 0;
  TokKind kind = TokKind::Eof;
  std::uint8_t flags = 0;

  std::string_view view() const { return {text, len}; }
  bool is(char c) const { return kind == TokKind::Punct && len == 1 && text[0] == c; }
  bool is_punct(std::string_view p) const { return kind == TokKind::Punct && view() == p; }
};

// Whether two tokens written side by side without a blank would be read back differently.
// `after_dot`: the character written just before `left` is a ".".
bool would_paste(const Token& left, const Token& right, bool after_dot = false);

// Stable storage for synthesised token texts; reset at the end of each preprocessing call.
class TextArena {
 public:
  const char* store(std::string_view text);
  void clear();

 private:
  std::vector<std::unique_ptr<char[]>> chunks_;
  std::vector<std::unique_ptr<char[]>> big_;
  char* free_ = nullptr;
  std::size_t left_ = 0;
};

}  // namespace iface::pp
