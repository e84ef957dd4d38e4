// #if expressions: values, C's unsigned rules, short-circuit evaluation and the messages.
#include "iface/pp/preprocessor_expr.h"
#include "iface/pp/preprocessor_lexer.h"
#include "pp_fixture.h"

namespace {

using pptest::messages;

struct Eval {
  std::intmax_t value;
  std::string codes;
  std::string argument;
};

void note(void* context, diag::Code code, std::string_view argument) {
  auto* e = static_cast<Eval*>(context);
  if (!e->codes.empty()) e->codes += ' ';
  e->codes += diag::code_name(code);
  e->argument = argument;
}

Eval eval(const std::string& text, bool char_unsigned = false) {
  std::vector<iface::pp::Token> toks;
  iface::pp::Cursor c;
  c.p = text.data();
  c.end = text.data() + text.size();
  for (;;) {
    iface::pp::Token t;
    iface::pp::lex_token(c, t);
    if (t.kind == iface::pp::TokKind::Eof) break;
    toks.push_back(t);
  }
  Eval e{0, "", ""};
  e.value = iface::pp::evaluate_condition(toks.data(), toks.size(), char_unsigned, note, &e);
  return e;
}

bool truth(const std::string& text) {
  Eval e = eval(text);
  EXPECT_EQ(e.codes, "") << text;
  return e.value != 0;
}

TEST(PpExpr, PrecedenceAndOperators) {
  EXPECT_TRUE(truth("1 + 2 * 3 == 7"));
  EXPECT_TRUE(truth("(1 + 2) * 3 == 9"));
  EXPECT_TRUE(truth("10 - 2 - 3 == 5"));
  EXPECT_TRUE(truth("1 << 4 >> 2 == 4"));
  EXPECT_TRUE(truth("(6 & 3) == 2 && (6 | 1) == 7 && (6 ^ 3) == 5"));
  EXPECT_TRUE(truth("1 | 2 ^ 3 & 4"));            // & before ^ before |
  EXPECT_TRUE(truth("!0 && ~0 == -1 && -(-3) == +3"));
  EXPECT_TRUE(truth("7 % 4 == 3 && 7 / 2 == 3 && -7 / 2 == -3"));
  EXPECT_TRUE(truth("1 ? 2 : 0"));
  EXPECT_FALSE(truth("0 ? 2 : 0"));
  EXPECT_TRUE(truth("(0, 5) == 5"));
  EXPECT_TRUE(truth("1 < 2 && 2 <= 2 && 3 > 2 && 3 >= 3 && 1 != 2"));
}

TEST(PpExpr, NumbersInEveryBaseWithSuffixes) {
  EXPECT_TRUE(truth("0x1F == 31 && 017 == 15 && 0b101 == 5"));
  EXPECT_TRUE(truth("10u == 10 && 10UL == 10 && 10ll == 10 && 10LLU == 10 && 0 == 0"));
  EXPECT_TRUE(truth("9223372036854775807 > 0"));
}

TEST(PpExpr, WidestTypeWithUnsignedRules) {
  EXPECT_FALSE(truth("-1 < 0u"));                        // -1 becomes the largest unsigned value
  EXPECT_TRUE(truth("-1 < 0"));
  EXPECT_TRUE(truth("0xFFFFFFFFFFFFFFFF == -1"));        // too large for signed: unsigned
  EXPECT_TRUE(truth("0xFFFFFFFFFFFFFFFF > 0"));
  EXPECT_TRUE(truth("(1 << 63) < 0"));                   // signed wide arithmetic
  EXPECT_TRUE(truth("-9223372036854775807 - 1 < 0"));
  EXPECT_TRUE(truth("(-9223372036854775807 - 1) / -1 != 0"));  // no trap
  EXPECT_TRUE(truth("1 << 64 == 0 && -8 >> 1 == -4 && 1u - 2 > 0"));
}

TEST(PpExpr, CharacterConstantsAreSignedUnlessCharIsUnsigned) {
  EXPECT_TRUE(truth("'a' == 97 && '\\n' == 10 && '\\0' == 0 && '\\x41' == 65 && '\\101' == 65"));
  EXPECT_TRUE(truth("'\\E' == 27 && '\\(' == 40"));
  EXPECT_TRUE(truth("'\\377' < 0 && '\\xff' == -1"));
  EXPECT_TRUE(eval("'\\377' == 255", true).value);
  EXPECT_TRUE(truth("L'\\377' == 255"));
  EXPECT_TRUE(truth("'ab' == 24930"));
  Eval big = eval("'\\777' == 0");
  EXPECT_EQ(big.codes, "NOFITBYTE");
  EXPECT_EQ(eval("'\\x100'").codes, "NOFITBYTE");
  EXPECT_EQ(eval("'\\x'").codes, "NOHEXDIGI");
}

TEST(PpExpr, ShortCircuitSkipsDivisionByZero) {
  EXPECT_FALSE(truth("0 && 1 / 0"));
  EXPECT_TRUE(truth("1 || 1 % 0"));
  EXPECT_TRUE(truth("1 ? 1 : 1 / 0"));
  EXPECT_TRUE(truth("0 ? 1 / 0 : 1"));
  Eval e = eval("1 / 0");
  EXPECT_EQ(e.codes, "DIVISZERO");
  EXPECT_EQ(e.value, 0);
  EXPECT_EQ(eval("5 % (2 - 2)").codes, "DIVISZERO");
}

TEST(PpExpr, MessagesWithTheirParameterTexts) {
  struct Row {
    const char* text;
    const char* code;
    const char* argument;
  } rows[] = {
      {"1.5 > 1", "EXPERRONE", "floating point numbers not allowed in #if expressions"},
      {"1e3", "EXPERRONE", "floating point numbers not allowed in #if expressions"},
      {"\"abc\"", "EXPERRONE", "double quoted strings not allowed in #if expressions"},
      {"1 = 1", "EXPERRONE", "Invalid token in expression"},
      {"12abc", "EXPERRONE", "Invalid token in expression"},
      {"1 @ 2", "EXPERRONE", "Invalid token in expression"},
      {"1 +", "EXPERRONE", "syntax error"},
      {"(1", "EXPERRONE", "syntax error"},
      {"f(1)", "ERRAFTEND", ""},
      {"1 2", "ERRAFTEND", ""},
      {"", "EMPTYEXPR", ""},
  };
  for (const Row& r : rows) {
    Eval e = eval(r.text);
    EXPECT_EQ(e.codes, r.code) << r.text;
    EXPECT_EQ(e.argument, r.argument) << r.text;
    EXPECT_EQ(e.value, 0) << r.text;
  }
}

TEST(PpExpr, DeepNestingOverflowsTheParserStack) {
  std::string deep(20000, '(');
  deep += "1";
  deep += std::string(20000, ')');
  Eval e = eval(deep);
  EXPECT_EQ(e.codes, "EXPERRONE");
  EXPECT_EQ(e.argument, "yacc stack overflow");
  EXPECT_TRUE(truth(std::string(500, '(') + "1" + std::string(500, ')')));
}

}  // namespace
