// The analyser's lexer: token kinds, constants and their messages, positions from line
// directives, the size pragmas, look-ahead marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/intern.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "iface/cparse/c_lexer.h"

namespace {

using iface::ConstantType;
using iface::TokenKind;

class CLexer : public testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::reset_catalogue();
    // Texts in the catalogue's style, so that the lines show the position and the argument.
    for (const char* code : {"ENTOUTRAN", "CSTINCORR", "INVFINNUM", "CSTCARVID", "MULCARCST", "TOLOCSTCA",
                             "INVCSTCAR", "NOHEXDIGI", "SEQUEINCO", "SEQOUTRAN", "PRAGMAINC", "UNTERSTRI"}) {
      diag::catalogue_insert(code, std::string("%1") + code + " %2");
    }
  }
  void TearDown() override { diag::reset_reporting(); }

  std::vector<iface::Token> lex(std::string_view text, bool value_notation = false) {
    iface::Lexer lexer;
    iface::lexer_init(lexer, text, "t.h", 1, &sizes_);
    lexer.value_notation = value_notation;
    std::vector<iface::Token> tokens;
    for (iface::Token t = iface::next_token(lexer); t.kind != TokenKind::End; t = iface::next_token(lexer)) {
      tokens.push_back(t);
    }
    return tokens;
  }

  // The messages that lexing `text` prints.
  std::string messages(std::string_view text) {
    testing::internal::CaptureStderr();
    lex(text);
    return testing::internal::GetCapturedStderr();
  }

  std::vector<TokenKind> kinds(std::string_view text, bool value_notation = false) {
    std::vector<TokenKind> result;
    for (const iface::Token& t : lex(text, value_notation)) result.push_back(t.kind);
    return result;
  }

  std::int64_t value_of(std::string_view text) {
    std::vector<iface::Token> tokens = lex(text);
    EXPECT_EQ(tokens.size(), 1u) << text;
    std::int64_t v = 0;
    EXPECT_TRUE(base::wide_to_int64(tokens.at(0).value, &v)) << text;
    return v;
  }

  iface::SizeSettings sizes_;
};

TEST_F(CLexer, KeywordsIdentifiersAndSpellingVariants) {
  EXPECT_EQ(kinds("int wchar_t bool true false this new delete operator typeid static_cast template"),
            (std::vector<TokenKind>{TokenKind::KwInt, TokenKind::KwWchar, TokenKind::KwBool, TokenKind::KwTrue,
                                    TokenKind::KwFalse, TokenKind::KwThis, TokenKind::KwNew, TokenKind::KwDelete,
                                    TokenKind::KwOperator, TokenKind::KwTypeid, TokenKind::KwStaticCast,
                                    TokenKind::KwTemplate}));
  EXPECT_EQ(kinds("__inline__ __restrict __asm__ asm __attribute__ __extension__ __typeof__ _Float128 __int128 "
                  "_Noreturn _Static_assert _Bool _Complex __builtin_va_list __signed__ __const"),
            (std::vector<TokenKind>{TokenKind::KwInline, TokenKind::KwRestrict, TokenKind::KwAsm, TokenKind::KwAsm,
                                    TokenKind::KwAttribute, TokenKind::KwExtension, TokenKind::KwTypeof,
                                    TokenKind::KwFloat128, TokenKind::KwInt128, TokenKind::KwNoreturn,
                                    TokenKind::KwStaticAssert, TokenKind::KwBool, TokenKind::KwComplex,
                                    TokenKind::KwBuiltinVaList, TokenKind::KwSigned, TokenKind::KwConst}));
  std::vector<iface::Token> t = lex("integer in int_ $x _ x9 inline_");
  ASSERT_EQ(t.size(), 7u);
  for (const iface::Token& token : t) EXPECT_EQ(token.kind, TokenKind::Identifier) << token.text;
  EXPECT_EQ(t[0].name, base::intern("integer"));  // interned: the same pointer
  EXPECT_EQ(t[3].text, "$x");
}

TEST_F(CLexer, PunctuatorsLongestMatch) {
  EXPECT_EQ(kinds(":: ->* .* ... -> <<= >>= != ## # a.b"),
            (std::vector<TokenKind>{TokenKind::Scope, TokenKind::ArrowStar, TokenKind::DotStar, TokenKind::Ellipsis,
                                    TokenKind::Arrow, TokenKind::ShiftLeftAssign, TokenKind::ShiftRightAssign,
                                    TokenKind::NotEqual, TokenKind::HashHash, TokenKind::Hash, TokenKind::Identifier,
                                    TokenKind::Dot, TokenKind::Identifier}));
  EXPECT_EQ(kinds("x+++y"), (std::vector<TokenKind>{TokenKind::Identifier, TokenKind::PlusPlus, TokenKind::Plus,
                                                     TokenKind::Identifier}));
  EXPECT_EQ(kinds("@"), (std::vector<TokenKind>{TokenKind::Invalid}));
  // ".." and "=>" are tokens of the value notation only.
  EXPECT_EQ(kinds("a=>b", false), (std::vector<TokenKind>{TokenKind::Identifier, TokenKind::Assign,
                                                           TokenKind::Greater, TokenKind::Identifier}));
  EXPECT_EQ(kinds("1..4 => x", true), (std::vector<TokenKind>{TokenKind::IntegerConstant, TokenKind::DotDot,
                                                               TokenKind::IntegerConstant, TokenKind::FatArrow,
                                                               TokenKind::Identifier}));
  EXPECT_EQ(kinds("1.5..2. ...", true), (std::vector<TokenKind>{TokenKind::FloatingConstant, TokenKind::DotDot,
                                                                 TokenKind::FloatingConstant, TokenKind::Ellipsis}));
}

TEST_F(CLexer, IntegerConstantsTakeTheirCType) {
  auto type_of = [&](std::string_view text) { return lex(text).at(0).constant_type; };
  EXPECT_EQ(type_of("2147483647"), ConstantType::Int);
  EXPECT_EQ(type_of("0x7fffffff"), ConstantType::Int);
  EXPECT_EQ(type_of("0xffffffff"), ConstantType::UnsignedInt);  // octal and hex may go unsigned
  EXPECT_EQ(type_of("2147483648"), ConstantType::LongLong);     // long is 32 bits: a decimal skips to long long
  EXPECT_EQ(type_of("10ul"), ConstantType::UnsignedLong);
  EXPECT_EQ(type_of("7LLU"), ConstantType::UnsignedLongLong);
  EXPECT_EQ(type_of("5L"), ConstantType::Long);
  EXPECT_EQ(value_of("0x1F"), 31);
  EXPECT_EQ(value_of("017"), 15);
  EXPECT_EQ(value_of("0"), 0);
  EXPECT_EQ(value_of("0b101"), 5);
  EXPECT_EQ(type_of("0B11111111111111111111111111111111u"), ConstantType::UnsignedInt);
  EXPECT_EQ(messages("18446744073709551615u 9223372036854775807"), "");
  sizes_.long_bits = 64;
  EXPECT_EQ(type_of("2147483648"), ConstantType::Long);
}

TEST_F(CLexer, IntegerConstantMessages) {
  EXPECT_EQ(messages("\n18446744073709551616"), "Qandor-W-ENTOUTRAN,  [t.h:2] ENTOUTRAN 18446744073709551616\n");
  EXPECT_EQ(messages("18446744073709551615"), "Qandor-W-ENTOUTRAN,  [t.h:1] ENTOUTRAN 18446744073709551615\n");
  EXPECT_EQ(messages("1234567890123456789012345678901234567890123456789012345678901234567890"),
            "Qandor-W-ENTOUTRAN,  [t.h:1] ENTOUTRAN "
            "1234567890123456789012345678901234567890123456789012345678901234567890\n");
  EXPECT_EQ(messages("089"), "Qandor-W-CSTINCORR,  [t.h:1] CSTINCORR 089\n");
  EXPECT_EQ(messages("12lul"), "Qandor-W-INVFINNUM,  [t.h:1] INVFINNUM 12lul\n");
  EXPECT_EQ(messages("0b102"), "Qandor-W-CSTINCORR,  [t.h:1] CSTINCORR 0b102\n");
  EXPECT_EQ(messages("0b1q"), "Qandor-W-INVFINNUM,  [t.h:1] INVFINNUM 0b1q\n");
  EXPECT_EQ(messages("1.5e3x"), "Qandor-W-INVFINNUM,  [t.h:1] INVFINNUM 1.5e3x\n");
  // The size pragma makes int 16 bits: 40000 no longer fits, and long long of 32 bits fails.
  EXPECT_EQ(messages("#pragma quelt sizeof int 16\n40000\n#pragma quelt sizeof longlong 32\n5000000000"),
            "Qandor-W-ENTOUTRAN,  [t.h:4] ENTOUTRAN 5000000000\n");
  EXPECT_EQ(sizes_.int_bits, 16);
  EXPECT_EQ(sizes_.long_long_bits, 32);
}

TEST_F(CLexer, FloatingConstants) {
  std::vector<iface::Token> t = lex("1.5 .5f 1e10 0x1p-3 2.L 1.0f128 1e+5");
  ASSERT_EQ(t.size(), 7u);
  for (const iface::Token& token : t) EXPECT_EQ(token.kind, TokenKind::FloatingConstant) << token.text;
  EXPECT_EQ(t[0].constant_type, ConstantType::Double);
  EXPECT_EQ(t[1].constant_type, ConstantType::Float);
  EXPECT_EQ(t[4].constant_type, ConstantType::LongDouble);
  EXPECT_EQ(t[5].constant_type, ConstantType::FloatN);
  EXPECT_EQ(iface::floating_constant_value(t[3].text), 0.125L);
  EXPECT_EQ(iface::floating_constant_value(t[1].text), 0.5L);
  // "1e" is no exponent: an integer with a bad suffix.
  EXPECT_EQ(messages("1e"), "Qandor-W-INVFINNUM,  [t.h:1] INVFINNUM 1e\n");
}

TEST_F(CLexer, CharacterConstantsAndEscapes) {
  EXPECT_EQ(value_of("'a'"), 97);
  EXPECT_EQ(value_of("'\\a'"), 7);
  EXPECT_EQ(value_of("'\\E'"), 27);
  EXPECT_EQ(value_of("'\\v'"), 11);
  EXPECT_EQ(value_of("'\\101'"), 65);
  EXPECT_EQ(value_of("'\\0'"), 0);
  EXPECT_EQ(value_of("'\\x41'"), 65);
  EXPECT_EQ(value_of("'\\x0041'"), 65);  // any number of hex digits
  EXPECT_EQ(value_of("'\\''"), 39);
  EXPECT_EQ(value_of("'\\('"), 40);
  EXPECT_EQ(value_of("'\\{'"), 123);
  EXPECT_EQ(value_of("'\\\\'"), 92);
  // The top bit makes a plain char negative, unless plain char is unsigned.
  EXPECT_EQ(value_of("'\\377'"), -1);
  EXPECT_EQ(value_of("'\\x80'"), -128);
  EXPECT_EQ(value_of("L'\\377'"), 255);  // L constants are int wide
  EXPECT_EQ(lex("L'x'").at(0).constant_type, ConstantType::WideChar);
  EXPECT_EQ(lex("'x'").at(0).constant_type, ConstantType::Char);
  sizes_.char_unsigned = true;
  EXPECT_EQ(value_of("'\\377'"), 255);
  EXPECT_EQ(messages("#pragma quelt signof char signed\n"), "");
  EXPECT_FALSE(sizes_.char_unsigned);
  EXPECT_EQ(value_of("'\\377'"), -1);
  // Two characters make an int of both.
  testing::internal::CaptureStderr();
  EXPECT_EQ(lex("'ab'").at(0).constant_type, ConstantType::MultiChar);
  EXPECT_EQ(value_of("'\\1\\2'"), 0x0102);
  testing::internal::GetCapturedStderr();
}

TEST_F(CLexer, CharacterConstantMessages) {
  EXPECT_EQ(messages("''"), "Qandor-W-CSTCARVID,  [t.h:1] CSTCARVID ''\n");
  EXPECT_EQ(messages("'ab'"), "Qandor-W-MULCARCST,  [t.h:1] MULCARCST 'ab'\n");
  EXPECT_EQ(messages("'abcd'"), "Qandor-W-MULCARCST,  [t.h:1] MULCARCST 'abcd'\n");
  EXPECT_EQ(messages("'abcde'"), "Qandor-W-TOLOCSTCA,  [t.h:1] TOLOCSTCA 'abcde'\n");
  EXPECT_EQ(messages("L'ab'"), "Qandor-W-TOLOCSTCA,  [t.h:1] TOLOCSTCA L'ab'\n");
  EXPECT_EQ(messages("'\\x'"), "Qandor-W-NOHEXDIGI,  [t.h:1] NOHEXDIGI '\\x'\n");
  EXPECT_EQ(messages("'\\q'"), "Qandor-W-SEQUEINCO,  [t.h:1] SEQUEINCO '\\q'\n");
  EXPECT_EQ(messages("'\\x100'"), "Qandor-W-SEQOUTRAN,  [t.h:1] SEQOUTRAN '\\x100'\n");
  EXPECT_EQ(messages("'\\400'"), "Qandor-W-SEQOUTRAN,  [t.h:1] SEQOUTRAN '\\400'\n");
  EXPECT_EQ(messages("x = 'a\ny"), "Qandor-W-INVCSTCAR,  [t.h:1] INVCSTCAR 'a\n");
  EXPECT_EQ(messages("'\\'"), "Qandor-W-INVCSTCAR,  [t.h:1] INVCSTCAR '\\'\n");
  EXPECT_EQ(messages("\"abc\n\"x\""), "Qandor-W-UNTERSTRI,  [t.h:1] UNTERSTRI \"abc\n");
  EXPECT_EQ(diag::warning_count(), 12);
}

TEST_F(CLexer, StringLiteralsKeepTheirText) {
  std::vector<iface::Token> t = lex("\"a\\\"b\" L\"w\" u8\"x\" \"\"");
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].text, "\"a\\\"b\"");
  EXPECT_EQ(t[1].text, "L\"w\"");
  EXPECT_EQ(t[2].text, "u8\"x\"");
  EXPECT_EQ(t[3].text, "\"\"");
  for (const iface::Token& token : t) EXPECT_EQ(token.kind, TokenKind::StringLiteral);
  // A prefix that is no literal prefix stays an identifier.
  EXPECT_EQ(kinds("LL\"x\""), (std::vector<TokenKind>{TokenKind::Identifier, TokenKind::StringLiteral}));
}

TEST_F(CLexer, PositionsFollowLineDirectives) {
  std::vector<iface::Token> t = lex(
      "a\n# 10 \"x.h\" 1 3\nb\n\nc\n#line 3 \"dir\\\\y.h\"\nd\n  #  line 7\ne\n#ident \"v\"\n#pragma once\nf # g");
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[0].line, 1);
  EXPECT_STREQ(t[0].file, "t.h");
  EXPECT_EQ(t[1].line, 10);
  EXPECT_EQ(t[1].file, base::intern("x.h"));
  EXPECT_EQ(t[2].line, 12);
  EXPECT_EQ(t[3].line, 3);
  EXPECT_STREQ(t[3].file, "dir\\y.h");  // the preprocessor's doubled backslash is undone
  EXPECT_EQ(t[4].line, 7);              // a directive without file keeps the file
  EXPECT_STREQ(t[4].file, "dir\\y.h");
  EXPECT_EQ(t[5].text, "f");            // "#ident" and other pragmas are skipped
  EXPECT_EQ(t[5].line, 10);
  EXPECT_EQ(t[6].kind, TokenKind::Hash);  // "#" inside a line is a punctuator
}

TEST_F(CLexer, SizePragmas) {
  EXPECT_EQ(messages("#pragma quelt sizeof char 16\n#pragma quelt sizeof short 8\n#pragma quelt sizeof long 64\n"
                     "#pragma quelt signof char unsigned\n#pragma other thing\n"),
            "");
  EXPECT_EQ(sizes_.char_bits, 16);
  EXPECT_EQ(sizes_.short_bits, 8);
  EXPECT_EQ(sizes_.long_bits, 64);
  EXPECT_TRUE(sizes_.char_unsigned);
  EXPECT_EQ(messages("#pragma quelt sizeof long x\n"),
            "Qandor-W-PRAGMAINC,  [t.h:1] PRAGMAINC #pragma quelt sizeof long x\n");
  EXPECT_EQ(messages("#pragma quelt signof char maybe\n"),
            "Qandor-W-PRAGMAINC,  [t.h:1] PRAGMAINC #pragma quelt signof char maybe\n");
  EXPECT_EQ(sizes_.long_bits, 64);
  // A typedef name goes to the dictionary's hooks.
  std::string seen;
  iface::Lexer lexer;
  iface::lexer_init(lexer, "#pragma quelt sizeof my_t 16\n#pragma quelt signof my_t unsigned\n"
                           "#pragma quelt sizeof other_t 16\n", "t.h", 1, &sizes_);
  lexer.hooks.set_size = [&](const char* name, int bits) {
    seen += std::string(name) + "=" + std::to_string(bits) + ";";
    return name == base::intern("my_t");
  };
  lexer.hooks.set_sign = [&](const char* name, bool is_unsigned) {
    seen += std::string(name) + (is_unsigned ? " unsigned;" : " signed;");
    return true;
  };
  testing::internal::CaptureStderr();
  EXPECT_EQ(iface::next_token(lexer).kind, TokenKind::End);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Qandor-W-PRAGMAINC,  [t.h:3] PRAGMAINC #pragma quelt sizeof other_t 16\n");
  EXPECT_EQ(seen, "my_t=16;my_t unsigned;other_t=16;");
}

TEST_F(CLexer, MarksReReadWithoutRepeatingMessages) {
  iface::Lexer lexer;
  iface::lexer_init(lexer, "a 'xy' b\nc", "t.h", 5, &sizes_);
  testing::internal::CaptureStderr();
  EXPECT_EQ(iface::next_token(lexer).text, "a");
  iface::LexerMark mark = iface::lexer_mark(lexer);
  EXPECT_EQ(iface::next_token(lexer).text, "'xy'");
  EXPECT_EQ(iface::next_token(lexer).text, "b");
  iface::lexer_reset(lexer, mark);
  EXPECT_EQ(iface::next_token(lexer).text, "'xy'");
  EXPECT_EQ(iface::next_token(lexer).text, "b");
  iface::Token c = iface::next_token(lexer);
  EXPECT_EQ(c.text, "c");
  EXPECT_EQ(c.line, 6);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Qandor-W-MULCARCST,  [t.h:5] MULCARCST 'xy'\n");
}

TEST_F(CLexer, ConstantValuesWithoutAPositionReportNothing) {
  testing::internal::CaptureStderr();
  iface::IntegerValue big = iface::integer_constant_value("99999999999999999999", sizes_, nullptr);
  iface::CharValue empty = iface::char_constant_value("''", sizes_, nullptr);
  iface::CharValue wide = iface::char_constant_value("L'\\xFFFFFFFF'", sizes_, nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(big.ok);
  EXPECT_TRUE(base::wide_is_zero(empty.value));
  std::int64_t v = 0;
  ASSERT_TRUE(base::wide_to_int64(wide.value, &v));
  EXPECT_EQ(v, -1);  // L constants are signed ints
  EXPECT_EQ(iface::floating_constant_type("1.0q", nullptr), ConstantType::FloatN);
  EXPECT_EQ(iface::floating_constant_type("1.0z", nullptr), ConstantType::None);
}

TEST(CharConstantText, PrintsEscapesAndCodes) {
  EXPECT_EQ(iface::char_constant_text('a', 8), "'a'");
  EXPECT_EQ(iface::char_constant_text(' ', 8), "' '");
  EXPECT_EQ(iface::char_constant_text('\n', 8), "'\\n'");
  EXPECT_EQ(iface::char_constant_text('\b', 8), "'\\b'");
  EXPECT_EQ(iface::char_constant_text('\'', 8), "'\\''");
  EXPECT_EQ(iface::char_constant_text('"', 8), "'\\\"'");
  EXPECT_EQ(iface::char_constant_text('\\', 8), "'\\\\'");
  EXPECT_EQ(iface::char_constant_text(0, 8), "'\\00'");
  EXPECT_EQ(iface::char_constant_text(7, 8), "'\\07'");
  // Codes from 8 on are written in octal, so that the text reads back as the same value.
  EXPECT_EQ(iface::char_constant_text(27, 8), "'\\033'");
  EXPECT_EQ(iface::char_constant_text(-1, 8), "'\\377'");
  EXPECT_EQ(iface::char_constant_text(0x1234, 32), "'\\x1234'");
}

}  // namespace
