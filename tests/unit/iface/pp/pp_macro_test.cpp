// Macro expansion: the published C rules (rescanning, no re-expansion inside its own
// expansion, # and ##, variadic parameters, empty arguments) and the call messages.
#include "pp_fixture.h"

#include <memory>

#include "iface/pp/preprocessor_macros.h"

namespace {

using pptest::messages;
using pptest::Pp;
using pptest::squeeze;

class PpMacro : public Pp {
 protected:
  // Each case with a fresh macro table.
  std::string fresh(const std::string& text) {
    start();
    return run(text);
  }
};

TEST_F(PpMacro, ObjectAndFunctionLikeMacrosRescan) {
  EXPECT_EQ(squeeze(fresh("#define A B\n#define B 3\nA\n")), "3");
  EXPECT_EQ(squeeze(fresh("#define F(x, y) (x * y)\nF(1 + 2, 3)\n")), "(1 + 2 * 3)");
  EXPECT_EQ(squeeze(fresh("#define G(x) F(x, x)\n#define F(a, b) a b\nG(z)\n")), "z z");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpMacro, NoReexpansionInsideItsOwnExpansion) {
  EXPECT_EQ(squeeze(fresh("#define foo foo + 1\nfoo\n")), "foo + 1");
  EXPECT_EQ(squeeze(fresh("#define a b\n#define b a\na b\n")), "a b");
  EXPECT_EQ(squeeze(fresh("#define f(x) x + f(x)\nf(2)\n")), "2 + f(2)");
  // The standard's example: f(2)(9) continues with the text after the expansion.
  EXPECT_EQ(squeeze(fresh("#define f(a) a*g\n#define g(a) f(a)\nf(2)(9)\n")), "2*9*g");
  // A name that met its disabled macro stays unexpanded when passed on.
  EXPECT_EQ(squeeze(fresh("#define h(x) x\n#define q h(q)\nq\n")), "q");
}

TEST_F(PpMacro, ArgumentsArePreExpandedExceptNextToHashes) {
  EXPECT_EQ(squeeze(fresh("#define N 5\n#define S(x) #x\n#define X(x) S(x)\nS(N) X(N)\n")), "\"N\" \"5\"");
  EXPECT_EQ(squeeze(fresh("#define N 5\n#define C(a, b) a ## b\nC(N, 1) C(x, N)\n")), "N1 xN");
  EXPECT_EQ(squeeze(fresh("#define f(x) [x]\nf(f(1))\n")), "[[1]]");
}

TEST_F(PpMacro, Stringizing) {
  EXPECT_EQ(squeeze(fresh("#define S(x) #x\nS(  a   +  b  )\n")), "\"a + b\"");
  EXPECT_EQ(squeeze(fresh("#define S(x) #x\nS(\"q\\n\" 'c' '\\'')\n")), "\"\\\"q\\\\n\\\" 'c' '\\\\''\"");
  EXPECT_EQ(squeeze(fresh("#define S(x) #x\nS()\n")), "\"\"");
  // Non-printable characters are written as octal escapes.
  EXPECT_EQ(squeeze(fresh("#define S(x) #x\nS(\"a\x01\")\n")), "\"\\\"a\\001\\\"\"");
  EXPECT_EQ(squeeze(fresh("#define S(x) # x\nS(y)\n")), "\"y\"");
}

TEST_F(PpMacro, Pasting) {
  EXPECT_EQ(squeeze(fresh("#define C(a, b) a ## b\nC(x, y) C(1, 2) C(+, =) C(, z) C(w, ) C(,)\n")), "xy 12 += z w");
  EXPECT_EQ(squeeze(fresh("#define C3(a, b, c) a ## b ## c\nC3(p, q, r) C3(, , r)\n")), "pqr r");
  EXPECT_EQ(squeeze(fresh("#define OBJ x ## y\nOBJ\n")), "xy");
  // Pasting that does not give one token keeps both tokens.
  EXPECT_EQ(squeeze(fresh("#define C(a, b) a ## b\nC(+, -)\n")), "+ -");
  // The pasted name is rescanned.
  EXPECT_EQ(squeeze(fresh("#define xy 42\n#define C(a, b) a ## b\nC(x, y)\n")), "42");
  EXPECT_EQ(squeeze(fresh("#define S(x) #x\n#define C(a, b) S(a ## b)\nC(c, d)\n")), "\"cd\"");
}

// The output is read again by the analyser: tokens written side by side must read back as the
// same tokens, without blanks that split the two dots of a value range.
TEST_F(PpMacro, DotsAreWrittenSideBySideUnlessTheyMakeAnEllipsis) {
  EXPECT_EQ(fresh("((4-4)..1 => 5, (0)..6/6 => 6) x..y (a)..(b)\n"), "((4-4)..1 => 5, (0)..6/6 => 6) x..y (a)..(b)\n");
  // Lone dots from separate expansions: never three in a row, never a dot before "...".
  EXPECT_EQ(fresh("#define I(a) a\nI(.)I(.)I(.) I(.)I(.)I(.5) I(.)I(...) I(...)I(.)\n"), ".. . .. .5 . ... ... .\n");
  // A number next to a dot would read back as one longer number; the range keeps its two dots.
  EXPECT_EQ(fresh("#define N 3\n#define D .\n#define I(a) a\nN..N I(N)I(D) I(D)I(N)\n"), "3 .. 3 3 . . 3\n");
}

TEST_F(PpMacro, VariadicParameters) {
  EXPECT_EQ(squeeze(fresh("#define V(f, ...) g(f, __VA_ARGS__)\nV(1, 2, 3)\n")), "g(1, 2, 3)");
  EXPECT_EQ(squeeze(fresh("#define V(f, rest...) g(f, rest)\nV(1, 2, (3, 4))\n")), "g(1, 2, (3, 4))");
  EXPECT_EQ(squeeze(fresh("#define V(...) #__VA_ARGS__\nV(a,b,  c)\n")), "\"a,b, c\"");
  // GNU comma: ", ## __VA_ARGS__" loses the comma when nothing is passed.
  EXPECT_EQ(squeeze(fresh("#define P(fmt, ...) p(fmt, ## __VA_ARGS__)\nP(x) P(x, 1)\n")), "p(x) p(x, 1)");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpMacro, CallsOverSeveralLinesAndNamesWithoutParenthesis) {
  EXPECT_EQ(squeeze(fresh("#define F(a, b) a-b\nF(1,\n  2\n)\nnext\n")), "1-2 next");
  EXPECT_EQ(squeeze(fresh("#define F(a) <a>\nF\n\n(3)\n")), "<3>");
  EXPECT_EQ(squeeze(fresh("#define F(a) <a>\nF + F;\nint F;\n")), "F + F; int F;");
  // A directive between the name and "(" is processed.
  EXPECT_EQ(squeeze(fresh("#define F(a) <a>\nF\n#define Y 9\n(Y)\n")), "<9>");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpMacro, EmptyArgumentsAndArgumentCountMessages) {
  EXPECT_EQ(squeeze(fresh("#define F(a, b) [a|b]\nF(,) F(1,)\n")), "[|] [1|]");
  EXPECT_EQ(codes(), "");
  fresh("#define Z() z\nZ(1)\n");
  EXPECT_EQ(codes(), "ARGTOMACR");
  messages().clear();
  fresh("#define F(a, b) a\nF()\n");
  EXPECT_EQ(codes(), "NOARTOMAC");
  messages().clear();
  fresh("#define F(a, b) a\nF(1)\n");
  EXPECT_EQ(codes(), "NBARGMACR");
  EXPECT_EQ(messages()[0].argument, "F");
  messages().clear();
  EXPECT_EQ(squeeze(fresh("#define F(a) a\nF(1, 2)\n")), "1");
  EXPECT_EQ(codes(), "TOMANYARG");
  EXPECT_EQ(messages()[0].kind, diag::MessageKind::Warning);
  messages().clear();
  // A one-parameter macro called with nothing gets one empty argument, quietly (stdio.h does it).
  EXPECT_EQ(squeeze(fresh("#define ONE(a) [a]\nONE()\n")), "[]");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpMacro, OneParameterMacroCalledWithNothingIsQuietInKAndRMode) {
  iface::PreprocessorStart kr;
  kr.kr = true;
  start(kr);
  EXPECT_EQ(squeeze(run("#define ONE(a) [a]\nONE()\n")), "[]");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpMacro, OverlongVariadicTextIsAnInternalError) {
  std::string many = "#define V(...) __VA_ARGS__\nV(";
  for (int i = 0; i < 2100; ++i) many += "abcd, ";
  many += "x)\n";
  fresh(many);
  ASSERT_FALSE(messages().empty());
  EXPECT_EQ(messages().back().code, "TOMANYARG");
  EXPECT_EQ(messages().back().kind, diag::MessageKind::Internal);
}

TEST_F(PpMacro, UnterminatedCallIsExpandedWithWhatWasCollected) {
  EXPECT_EQ(squeeze(fresh("#define F(a, b) <a>\nF(1, \n")), "<1>");
  EXPECT_EQ(codes(), "ERRINLINE");
  EXPECT_EQ(messages()[0].argument, "unterminated macro call");
}

TEST_F(PpMacro, HashBeforeANonParameterInAFunctionLikeBody) {
  fresh("#define F(a) # b\n");
  EXPECT_EQ(codes(), "OPERMACRO");
}

TEST_F(PpMacro, ExponentialExpansionStopsWithAMessage) {
  std::string text = "#define f0 x\n";
  for (int i = 1; i <= 40; ++i)
    text += "#define f" + std::to_string(i) + " f" + std::to_string(i - 1) + " f" + std::to_string(i - 1) + "\n";
  text += "f40\n";
  std::string out = fresh(text);
  ASSERT_FALSE(messages().empty());
  EXPECT_EQ(messages().back().code, "NBRECURSI");
  EXPECT_LT(out.size(), std::size_t{64} << 20);
}

TEST_F(PpMacro, UnterminatedCallsAtTheEndDoNotRepeatForever) {
  // Found by the fuzzer: the expansion of an unterminated call opens a new call of a macro
  // that collecting has enabled again; each macro does this once per end of input.
  EXPECT_EQ(squeeze(fresh("#define A B(\n#define B(x) A\nA\n")), "B(");
  EXPECT_EQ(codes(), "ERRINLINE");
  const char* found =
      "#define F(a, ...) a ## __VA_ARGS__fine F(a, .;.) a ## __VA_ARGS__ #a\n"
      "#define G(x) F(f defined F && (x, x \n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\ny)\n"
      "#if defined F && (2 ? 2 : 3) / 1 << 2\nG(1) G() F(,)\n#elif #machine(F)\n#else\n#endif\n"
      "#pragma quelt prag&, x y)\n#if defined F && (2 ? 2 : 3) / 1 << 2\nG(1) G() F(,)\n#elif #machine(F)\n"
      "#else\n#endif\n#pragma quelt prag& (1 ? 2 : 3) / 1 << 2\nG(LINE__ __FILE__\n";
  std::string out = fresh(found);
  EXPECT_LT(out.size(), std::size_t{1} << 16);
  EXPECT_LT(messages().size(), 100u);
}

// The table grows with the macros a run defines (a fixed number of buckets made 200,000
// #defines take seconds): entries are still found, and unlinked, after it has grown.
TEST(PpSymbolTable, GrowsAndKeepsEveryEntry) {
  iface::pp::SymbolTable table;
  std::size_t initial = table.bucket_count();
  std::vector<iface::pp::Symbol*> inserted;
  for (int i = 0; i < 100000; ++i) {
    auto symbol = std::make_unique<iface::pp::Symbol>();
    symbol->name = "MACRO_" + std::to_string(i);
    inserted.push_back(table.insert(std::move(symbol)));
  }
  EXPECT_GE(table.bucket_count() * 2, table.size());
  EXPECT_GT(table.bucket_count(), initial * 32);
  for (int i = 0; i < 100000; i += 7) EXPECT_EQ(table.find("MACRO_" + std::to_string(i)), inserted[i]);
  EXPECT_EQ(table.find("MACRO_100000"), nullptr);
  for (int i = 0; i < 100000; i += 2) table.unlink(inserted[i]);
  EXPECT_EQ(table.size(), 50000u);
  EXPECT_EQ(table.find("MACRO_4"), nullptr);
  EXPECT_EQ(table.find("MACRO_5"), inserted[5]);
}

TEST_F(PpMacro, ManyDefinitionsThenUse) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "#define M" + std::to_string(i) + " " + std::to_string(i) + "\n";
  text += "#undef M7\nM0 M7 M19999\n";
  EXPECT_EQ(squeeze(fresh(text)), "0 M7 19999");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpMacro, OutputLimitEndsTheCall) {
  iface::PreprocessorStart small;
  small.output_limit = 1000;
  start(small);
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "word" + std::to_string(i) + "\n";
  std::string out = run(text);
  ASSERT_EQ(codes(), "PPOUTSIZE");
  EXPECT_EQ(messages()[0].kind, diag::MessageKind::Fatal);
  EXPECT_EQ(messages()[0].argument, "1000");
  EXPECT_LT(out.size(), 1100u);
  // The next call starts with a fresh allowance.
  EXPECT_EQ(squeeze(run("after\n")), "after");
}

TEST_F(PpMacro, DeepNestingReportsTooManyLevels) {
  std::string text;
  for (int i = 0; i < 2100; ++i) text += "#define m" + std::to_string(i) + " m" + std::to_string(i + 1) + "\n";
  text += "m0\n";
  fresh(text);
  ASSERT_FALSE(messages().empty());
  EXPECT_EQ(messages().back().code, "NBRECURSI");
  EXPECT_EQ(messages().back().kind, diag::MessageKind::Internal);
}

TEST_F(PpMacro, MegabyteArgument) {
  std::string text = "#define F(a) [a]\nF(";
  for (int i = 0; i < 200000; ++i) text += "x + ";
  text += "y)\n";
  std::string out = fresh(text);
  EXPECT_EQ(codes(), "");
  EXPECT_EQ(out.substr(0, 5), "[x + ");
  ASSERT_GE(out.size(), 3u);
  EXPECT_EQ(out.substr(out.size() - 3), "y]\n");
  EXPECT_GT(out.size(), 800000u);
}

}  // namespace
