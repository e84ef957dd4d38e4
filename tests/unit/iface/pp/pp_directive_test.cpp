// Directives and their messages: #define / #undef, conditionals, special symbols, #warning,
// #error, #line, -DEFINE items and the end call.
#include "pp_fixture.h"

namespace {

using diag::MessageKind;
using pptest::messages;
using pptest::Pp;
using pptest::squeeze;

using PpDirective = Pp;

TEST_F(PpDirective, DefineMessages) {
  struct Row {
    const char* text;
    const char* code;
    const char* argument;
  } rows[] = {
      {"#define 3x 1\n", "INVAMACRO", "3x 1"},
      {"#define defined 1\n", "INVDEFINE", "defined"},
      {"#define F(1a) x\n", "PARASTART", "1a"},
      {"#define F(a, b..) x\n", "BADPARDEF", "\"...\" expected"},
      {"#define F(a..., b) x\n", "BADPARDEF", "another parameter follow \"...\""},
      {"#define F(..., b) x\n", "BADPARDEF", "another parameter follow \"...\""},
      {"#define F(a,) x\n", "BADPARDEF", ") x"},
      {"#define F(a b) x\n", "BADPARDEF", "b) x"},
      {"#define F(a, b\n", "UNTPARDEF", "F"},
  };
  for (const Row& r : rows) {
    messages().clear();
    run(r.text);
    ASSERT_EQ(messages().size(), 1u) << r.text << ": " << codes();
    EXPECT_EQ(messages()[0].code, r.code) << r.text;
    EXPECT_EQ(messages()[0].argument, r.argument) << r.text;
    EXPECT_EQ(messages()[0].kind, MessageKind::Warning);
  }
}

TEST_F(PpDirective, ParameterListErrorAbandonsTheDefinition) {
  run("#define G(a b) x\n");
  EXPECT_FALSE(pp.is_macro("G"));
  run("#define H(1a) [1a]\n");
  EXPECT_TRUE(pp.is_macro("H"));
  EXPECT_EQ(squeeze(run("H(5)\n")), "[5]");
}

TEST_F(PpDirective, NamedVariadicAndRedefinitions) {
  run("#define V(a, b...) b\n");
  EXPECT_EQ(codes(), "");
  EXPECT_EQ(squeeze(run("V(1, 2, 3)\n")), "2, 3");
  run("#define A  1 +  2\n#define A 1 + 2 /* same */\n");
  EXPECT_EQ(codes(), "");
  run("#define A 1+2\n");
  EXPECT_EQ(codes(), "IDENREDEF");
  EXPECT_EQ(messages()[0].argument, "A");
  messages().clear();
  run("#define A(x) 1+2\n");
  EXPECT_EQ(codes(), "IDENREDEF");
  EXPECT_EQ(squeeze(run("A(0)\n")), "1+2");
  messages().clear();
  // The constant __STDC__ is replaced quietly; the other special symbols are not.
  run("#define __STDC__ 1\n");
  EXPECT_EQ(codes(), "");
  EXPECT_EQ(squeeze(run("__STDC__\n")), "1");
  run("#define __FILE__ x\n");
  EXPECT_EQ(codes(), "IDENREDEF");
}

TEST_F(PpDirective, Undef) {
  run("#define A 1\n#undef A\n");
  EXPECT_FALSE(pp.is_macro("A"));
  EXPECT_EQ(codes(), "");
  run("#undef defined\n");
  EXPECT_EQ(codes(), "UNDEFININ");
  EXPECT_EQ(messages()[0].argument, "defined");
  messages().clear();
  EXPECT_EQ(squeeze(run("__LINE__\n")), "1");
  run("#undef __LINE__\n");
  EXPECT_EQ(codes(), "UNDEFININ");
  EXPECT_EQ(messages()[0].argument, "__LINE__");
  EXPECT_EQ(squeeze(run("__LINE__\n")), "__LINE__");
  messages().clear();
  run("#undef __STDC__\n");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpDirective, SpecialSymbols) {
  EXPECT_EQ(squeeze(run("__STDC__ __INCLUDE_LEVEL__\n\n__LINE__\n")), "0 0 3");
  EXPECT_EQ(squeeze(run_labelled("__FILE__ __LINE__\n", "s.pts", 12)), "#line 12 \"s.pts\" \"s.pts\" 12");
  std::string h = write("lvl.h", "__INCLUDE_LEVEL__ __FILE__ __BASE_FILE__\n#include \"" + dir() + "/in.h\"\n");
  write("in.h", "__INCLUDE_LEVEL__ __BASE_FILE__\n");
  std::string out = include(h);
  EXPECT_NE(out.find("0 \"" + h + "\" \"" + h + "\""), std::string::npos) << out;
  EXPECT_NE(out.find("1 \"" + h + "\""), std::string::npos) << out;
  // "Mmm dd yyyy" with a blank-padded day, "hh:mm:ss"; the time is taken once.
  std::string date = run("__DATE__ __TIME__\n");
  ASSERT_EQ(date.size(), std::string("\"Dec  8 2026\" \"06:00:00\"\n").size()) << date;
  EXPECT_EQ(date[0], '"');
  EXPECT_EQ(date[4], ' ');
  EXPECT_EQ(date[17], ':');
  EXPECT_EQ(run("__DATE__ __TIME__\n"), date);
  iface::PreprocessorStart kr;
  kr.kr = true;
  start(kr);
  EXPECT_EQ(squeeze(run("__STDC__\n#ifdef __STDC__\nyes\n#endif\n")), "__STDC__");
}

TEST_F(PpDirective, StartDefinitionsAndDefineOptions) {
  iface::PreprocessorStart s;
  s.defines = {"ONE", "TWO=2", "LONG=a\\\nb", "3bad", "BAD-x", "=x", ""};
  start(s);
  messages().clear();
  EXPECT_EQ(squeeze(run("QLX_WIN32 USE_QMK QLX_CPLUSPLUS_LANGUAGE ONE TWO LONG\n")), "1 1 1 1 2 ab");
  pp.start(s);
  std::vector<std::string> bad;
  for (const auto& m : messages()) {
    EXPECT_EQ(m.code, "MALFOROPT");
    bad.push_back(m.argument);
  }
  EXPECT_EQ(bad, (std::vector<std::string>{"-D3bad", "-DBAD-x", "-D=x", "-D"}));
}

TEST_F(PpDirective, ConditionalsTakeTheRightGroup) {
  const char* text =
      "#define A 2\n"
      "#if A == 1\none\n#elif A == 2\ntwo\n#elif 1 / 0\nnever\n#else\nother\n#endif\n"
      "#ifdef A\nd\n#endif\n#ifndef A\nnd\n#else\nelse\n#endif\n"
      "#if 0\n#if 1\nin\n#else\nin2\n#endif\n#elif 1\nouter\n#endif\n"
      "#if 0\n#error not seen\n#bogus ' \" unbalanced\n#endif\nend\n";
  EXPECT_EQ(squeeze(run(text)), "two d else outer end");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpDirective, DefinedAndTheMachineAndLintForms) {
  EXPECT_EQ(squeeze(run("#define M\n#if defined M && defined(M) && !defined N\nok\n#endif\n")), "ok");
  EXPECT_EQ(squeeze(run("#if #machine(M)\nm\n#endif\n#if #machine(N)\nn\n#endif\n")), "m");
  EXPECT_EQ(squeeze(run("#if #lint(on)\nlint\n#else\nnolint\n#endif\n")), "nolint");
  // "defined" made by a macro counts too.
  EXPECT_EQ(squeeze(run("#define D defined(M)\n#if D\nd\n#endif\n")), "d");
  EXPECT_EQ(codes(), "");
  run("#if defined\n#endif\n");
  EXPECT_EQ(codes(), "ERDEFINED");
  messages().clear();
  run("#if defined(M\n#endif\n");
  EXPECT_EQ(codes().substr(0, 9), "ERDEFINED");
  // "defined" is an ordinary name outside conditions.
  messages().clear();
  EXPECT_EQ(squeeze(run("defined(N)\n")), "defined(N)");
}

// The feature-test operators answer as the host compiler that the definitions name: without
// __GNUC__ (no GCC-compatible compiler) builtins and attributes are absent.
TEST_F(PpDirective, FeatureOperatorsExistAndAnswerForTheHostCompiler) {
  const char* probe =
      "#if defined __has_include && defined(__has_builtin) && defined __has_attribute\nall\n#endif\n"
      "#ifdef __has_cpp_attribute\ncpp\n#endif\n"
      "#if __has_builtin(__builtin_expect)\nexpect\n#endif\n"
      "#if __has_builtin(__is_same)\nsame\n#endif\n"
      "#if __has_builtin(__builtin_bit_cast)\nbitcast\n#endif\n"
      "#if __has_attribute(__unused__) && __has_attribute(gnu::packed)\nunused\n#endif\n"
      "#if __has_attribute(no_such_thing)\nnosuch\n#endif\n"
      "#if __has_cpp_attribute(nodiscard) >= 201603L\nnodiscard\n#endif\n";
  EXPECT_EQ(squeeze(run(probe)), "all cpp");
  EXPECT_EQ(codes(), "");
  run("#define __GNUC__ 10\n");
  EXPECT_EQ(squeeze(run(probe)), "all cpp expect unused");
  run("#define __cplusplus 201703L\n");
  EXPECT_EQ(squeeze(run(probe)), "all cpp expect same unused nodiscard");
  run("#undef __GNUC__\n#define __GNUC__ 12\n");
  EXPECT_EQ(squeeze(run(probe)), "all cpp expect same bitcast unused nodiscard");
  EXPECT_EQ(codes(), "");
  // Through a macro, as libstdc++ writes them.
  EXPECT_EQ(squeeze(run("#define HAS(B) __has_builtin(B)\n#if HAS(__builtin_launder)\nlaunder\n#endif\n")), "launder");
  // Outside a condition the operator is a plain name.
  EXPECT_EQ(squeeze(run("__has_builtin(x)\n")), "__has_builtin(x)");
  // A missing operand is a syntax error of the condition.
  run("#if __has_builtin\n#endif\n");
  EXPECT_EQ(codes().substr(0, 9), "SYNTAXERR");
}

TEST_F(PpDirective, HasIncludeLooksInTheIncludeChain) {
  write("inc/present.h", "");
  write("inc/next/twice.h", "");
  write("inc/twice.h",
        "#if __has_include_next(<twice.h>)\nnext_found\n#endif\n"
        "#if __has_include_next(<present.h>)\nnext_wrong\n#endif\n");
  write("local.h", "");
  iface::PreprocessorStart s;
  s.include_dirs = {dir() + "/inc", dir() + "/inc/next"};
  start(s);
  std::string main = write("main.h",
                           "#if __has_include(<present.h>) && __has_include(\"local.h\")\nboth\n#endif\n"
                           "#if __has_include(<absent.h>)\nabsent\n#endif\n"
                           "#define HEADER <present.h>\n#if __has_include(HEADER)\nby_macro\n#endif\n"
                           "#include <twice.h>\n");
  std::string out = include(main);
  for (const char* found : {"both", "by_macro", "next_found"}) EXPECT_NE(out.find(found), std::string::npos) << found;
  for (const char* absent : {"absent", "next_wrong"}) EXPECT_EQ(out.find(absent), std::string::npos) << absent;
  EXPECT_EQ(codes(), "");
}

TEST_F(PpDirective, CharUnsignedChangesCharacterConstants) {
  EXPECT_EQ(squeeze(run("#if '\\377' < 0\nsigned\n#endif\n")), "signed");
  run("#define __CHAR_UNSIGNED__ 1\n");
  EXPECT_EQ(squeeze(run("#if '\\377' < 0\nsigned\n#else\nunsigned\n#endif\n")), "unsigned");
}

TEST_F(PpDirective, ConditionalMessages) {
  struct Row {
    const char* text;
    const char* codes;
  } rows[] = {
      {"#ifdef\n#endif\n", "NOARGUMEN"},
      {"#ifndef +x\n#endif\n", "ARGPUNCTU"},
      {"#ifdef 1x\n#endif\n", "STARTDIGI"},
      {"#ifdef A B\n#endif\n", "INVALIEND"},
      {"#else\n", "NOCONDITI"},
      {"#elif 1\n", "NOCONDITI"},
      {"#endif\n", "UNBAENDIF"},
      {"#if 1\n#else\n#else\n#endif\n", "ELIFAELSE MATCHLINE"},
      {"#if 0\n#else\n#elif 1\n#endif\n", "ELIFAELSE MATCHLINE"},
      {"#if 0\n#else\n#else\n#endif\n", "ELIFAELSE MATCHLINE"},
  };
  for (const Row& r : rows) {
    messages().clear();
    run(r.text);
    EXPECT_EQ(codes(), r.codes) << r.text;
  }
  messages().clear();
  run("#else\n");
  EXPECT_EQ(messages()[0].argument, "#else");
  messages().clear();
  run("#if 1\n#else\n#elif 1\n#endif\n");
  EXPECT_EQ(messages()[0].argument, "elif");
  EXPECT_EQ(messages()[1].argument, " 1");
  EXPECT_EQ(messages()[1].kind, MessageKind::Information);
  messages().clear();
  run("#if 1\n#else\n#else\n#endif\n");
  EXPECT_EQ(messages()[0].argument, "else or elif");
}

TEST_F(PpDirective, MatchLineNamesTheFileOfTheOpeningDirective) {
  std::string h = write("open.h", "\n#ifdef X\n#else\n");
  write("main.h", "#include \"" + h + "\"\n#else\n#endif\n");
  include(dir() + "/main.h");
  ASSERT_EQ(codes(), "ELIFAELSE MATCHLINE");
  EXPECT_EQ(messages()[1].argument, " 2 file " + h);
  EXPECT_EQ(messages()[0].file, dir() + "/main.h");
  EXPECT_EQ(messages()[0].line, 2);
}

TEST_F(PpDirective, EndReportsOpenConditionalsAndRemovesUserMacros) {
  std::string h = write("open.h", "#define U 1\n#if 1\n#ifdef U\n#else\n");
  include(h);
  EXPECT_EQ(codes(), "");
  EXPECT_TRUE(pp.is_macro("U"));
  pp.end();
  ASSERT_EQ(codes(), "UNTERCOND UNTERCOND");
  EXPECT_EQ(messages()[0].argument, "if");
  EXPECT_EQ(messages()[0].line, 2);
  EXPECT_EQ(messages()[1].argument, "else");
  EXPECT_EQ(messages()[1].file, h);
  EXPECT_FALSE(pp.is_macro("U"));
  EXPECT_FALSE(pp.is_macro("QLX_WIN32"));
  EXPECT_EQ(squeeze(run("__LINE__\n")), "1");  // special symbols stay
}

TEST_F(PpDirective, WarningAndErrorAreReportedAndCopied) {
  std::string out = run("#warning  careful   here\n#error stop\n");
  ASSERT_EQ(codes(), "WARNERR WARNERR");
  EXPECT_EQ(messages()[0].argument, "#warning careful here");
  EXPECT_EQ(messages()[1].argument, "#error stop");
  EXPECT_EQ(messages()[1].kind, MessageKind::Warning);
  EXPECT_EQ(out, "#warning careful here\n#error stop\n");
  messages().clear();
  run("#warning " + std::string(600, 'x') + "\n");
  EXPECT_EQ(messages()[0].argument.size(), 511u);
}

TEST_F(PpDirective, UnknownDirectivesAreOrdinaryText) {
  EXPECT_EQ(run("#ident \"x\"\n#\nafter\n"), "#ident \"x\"\nafter\n");
}

TEST_F(PpDirective, LineDirectivesInAndOut) {
  // In: the next line gets the number and the file; out: "#line" where the position jumps.
  std::string out = run_labelled("a\n#line 100 \"other.c\"\nb\n__LINE__ __FILE__\n", "s.pts", 1);
  EXPECT_EQ(out, "#line 1 \"s.pts\"\na\n#line 100 \"other.c\"\nb\n101 \"other.c\"\n");
}

TEST_F(PpDirective, EightLineRuleForLineSynchronisation) {
  std::string seven = "a\n";
  for (int i = 0; i < 6; ++i) seven += "#define X" + std::to_string(i) + "\n";
  seven += "b\n";
  // Six directive lines: a gap under 8, nothing written; the drift is carried.
  EXPECT_EQ(run_labelled(seven, "s", 1), "#line 1 \"s\"\na\nb\n");
  std::string more = seven;
  more += "#define Y\n#define Z\nc\n";
  // Now the gap reaches 8 lines: b was at 8 (written as 2), c at 11 (would be 3).
  EXPECT_EQ(run_labelled(more, "s", 1), "#line 1 \"s\"\na\nb\n#line 11 \"s\"\nc\n");
  // Going backwards always writes a line.
  EXPECT_EQ(run_labelled("a\n#line 1\nb\n", "s", 5), "#line 5 \"s\"\na\n#line 1 \"s\"\nb\n");
  // Blank lines in step are kept.
  EXPECT_EQ(run_labelled("a\n\nb\n", "s", 1), "#line 1 \"s\"\na\n\nb\n");
}

TEST_F(PpDirective, LineNamesAreEscaped) {
  EXPECT_EQ(run_labelled("x\n", "c:\\dir\\\"q\".h", 3), "#line 3 \"c:\\\\dir\\\\\\\"q\\\".h\"\nx\n");
}

TEST_F(PpDirective, UnterminatedCommentAndLiteral) {
  EXPECT_EQ(squeeze(run("a /* open\n\n")), "a");
  EXPECT_EQ(codes(), "UNTERCOMM");
  messages().clear();
  EXPECT_EQ(squeeze(run("s = \"open\nnext\n")), "s = \"open next");
  EXPECT_EQ(codes(), "UNTERSTRI");
  messages().clear();
  run("c = 'x\n");
  EXPECT_EQ(codes(), "UNTERSTRI");
}

TEST_F(PpDirective, BackslashNewlineAndCarriageReturns) {
  EXPECT_EQ(run_labelled("#define L a \\\n  b\nL\nx\n", "s", 1), "#line 3 \"s\"\na b\nx\n");
  EXPECT_EQ(run_labelled("a\r\nb\r\n", "s", 1), "#line 1 \"s\"\na\nb\n");
  EXPECT_EQ(squeeze(run("#def\\\nine Q 7\nQ\n")), "7");
}

TEST_F(PpDirective, BinaryGarbageAndNulBytesGiveOrdinaryOutput) {
  std::string junk("a\0b\x01\xff\x80 \"\0\" 'x\n", 15);
  std::string out = run(junk + "ok\n");
  EXPECT_NE(out.find("ok"), std::string::npos);
  EXPECT_EQ(out.find('\0'), 1u);
}

}  // namespace
