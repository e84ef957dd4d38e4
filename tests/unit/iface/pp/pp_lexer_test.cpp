// The scanner: buffer cleaning (splices, carriage returns), token kinds and the skipper
// of skipped groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "iface/pp/preprocessor_lexer.h"

namespace {

using iface::pp::Cursor;
using iface::pp::lex_token;
using iface::pp::TokKind;
using iface::pp::Token;

std::string cleaned(std::string s) {
  s.resize(iface::pp::clean_source(s.data(), s.size()));
  return s;
}

TEST(PpLexer, CleaningKeepsLineNumbers) {
  EXPECT_EQ(cleaned("a\\\nb\nc\n"), "ab\n\nc\n");
  EXPECT_EQ(cleaned("a\\\r\nb\\\nc\nd"), "abc\n\n\nd");
  EXPECT_EQ(cleaned("x\r\ny\r\n"), "x\ny\n");
  // A lone carriage return ends a line, as gcc reads headers; before a newline it is dropped.
  EXPECT_EQ(cleaned("lone\rcr\n"), "lone\ncr\n");
  EXPECT_EQ(cleaned("#define A 1\rint a;\r"), "#define A 1\nint a;\n");
  EXPECT_EQ(cleaned("a\\\rb\rc"), "ab\n\nc");
  EXPECT_EQ(cleaned("\r\r\n\n"), "\n\n\n");
  EXPECT_EQ(cleaned("end\\\n"), "end\n");
  EXPECT_EQ(cleaned("back\\slash\n"), "back\\slash\n");
}

// The tokens point into `text`, which must outlive them.
std::vector<Token> lex_all(const std::string& text, std::uint8_t* problems = nullptr) {
  Cursor c;
  c.p = text.data();
  c.end = text.data() + text.size();
  std::vector<Token> out;
  for (;;) {
    Token t;
    lex_token(c, t);
    if (problems) *problems |= c.problems;
    if (t.kind == TokKind::Eof) break;
    out.push_back(t);
  }
  return out;
}

TEST(PpLexer, TokenKindsAndPunctuators) {
  const std::string text = "id $x 0x1fUL .5e+3 'c' L\"w\" u8\"s\" <<= ... -> ## @ a.b";
  auto t = lex_all(text);
  std::vector<std::string> texts;
  for (const Token& k : t) texts.emplace_back(k.view());
  EXPECT_EQ(texts, (std::vector<std::string>{"id", "$x", "0x1fUL", ".5e+3", "'c'", "L\"w\"", "u8\"s\"", "<<=", "...",
                                             "->", "##", "@", "a", ".", "b"}));
  EXPECT_EQ(t[2].kind, TokKind::Number);
  EXPECT_EQ(t[4].kind, TokKind::Char);
  EXPECT_EQ(t[5].kind, TokKind::String);
  EXPECT_EQ(t[11].kind, TokKind::Other);
  EXPECT_TRUE(t[1].flags & iface::pp::Spaced);
  EXPECT_FALSE(t[0].flags & iface::pp::Spaced);
}

TEST(PpLexer, CommentsAreWhiteSpaceAndCountLines) {
  const std::string text = "a/* x\n y */b // c\nd";
  auto t = lex_all(text);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[1].view(), "b");
  EXPECT_TRUE(t[1].flags & iface::pp::Spaced);
  EXPECT_EQ(t[1].line, 2u);
  EXPECT_EQ(t[2].kind, TokKind::Newline);
  EXPECT_EQ(t[3].line, 3u);
}

TEST(PpLexer, UnterminatedCommentsAndLiterals) {
  std::uint8_t p = 0;
  lex_all("a /* open", &p);
  EXPECT_EQ(p, iface::pp::UnterminatedComment);
  p = 0;
  const std::string text = "\"open\nx";
  auto t = lex_all(text, &p);
  EXPECT_EQ(p, iface::pp::UnterminatedLiteral);
  EXPECT_EQ(t[0].view(), "\"open");
  EXPECT_EQ(t[2].view(), "x");
}

TEST(PpLexer, SkipperFindsDirectivesOnly) {
  std::string text = "x /* #no\n */ y\n\"#no\" '\n  # yes\n";
  Cursor c;
  c.p = text.data();
  c.end = text.data() + text.size();
  ASSERT_TRUE(iface::pp::skip_to_directive(c));
  EXPECT_EQ(c.line, 4u);
  Token t;
  lex_token(c, t);
  EXPECT_EQ(t.view(), "yes");
  iface::pp::skip_rest_of_line(c);
  EXPECT_FALSE(iface::pp::skip_to_directive(c));
}

}  // namespace
