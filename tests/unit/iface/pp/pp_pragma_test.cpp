// "#pragma quelt" keywords, pragma aliases, the analysis switch and the _Pragma operator.
#include "pp_fixture.h"

namespace {

using diag::MessageKind;
using pptest::messages;
using pptest::Pp;
using pptest::squeeze;

using PpPragma = Pp;

TEST_F(PpPragma, AnalyserPragmasReachTheOutputUnchanged) {
  EXPECT_EQ(run("#pragma quelt sizeof(long) = 8\n#pragma quelt signof char = 1\n"),
            "#pragma quelt sizeof(long) = 8\n#pragma quelt signof char = 1\n");
  EXPECT_EQ(run("#pragma pack(1)\n"), "#pragma pack(1)\n");
  EXPECT_EQ(run("#pragma quelt type_modifier __far\n"), "#pragma quelt type_modifier __far\n");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpPragma, KeywordsMatchByTheirBeginning) {
  run("#pragma quelt stop\nx\n");  // "stop" selects stop_analyse, which strings ignore
  EXPECT_EQ(codes(), "");
  EXPECT_FALSE(pp.analysis_on());
  run("#pragma quelt start_analyze\n");
  EXPECT_TRUE(pp.analysis_on());
  run("#pragma quelt s\n");  // the first keyword starting with "s" is stop_analyse
  EXPECT_FALSE(pp.analysis_on());
  run("#pragma quelt start\n");
  EXPECT_TRUE(pp.analysis_on());
}

TEST_F(PpPragma, Messages) {
  struct Row {
    const char* text;
    const char* code;
    const char* argument;
  } rows[] = {
      {"#pragma quelt bogus\n", "PRAGMAINC", "bogus"},
      {"#pragma quelt incl_stdx\n", "PRAGMAINC", "incl_stdx"},
      {"#pragma quelt\n", "PRAGMAINC", ""},
      {"#pragma quelt incl_std\n", "SYNTAXERR", "empty pragma quelt incl_std"},
      {"#pragma quelt type_modifier\n", "TYPMODINC", ""},
      {"#pragma quelt type_modifier a b\n", "TYPMODINC", "a b"},
  };
  for (const Row& r : rows) {
    messages().clear();
    run(r.text);
    ASSERT_EQ(codes(), r.code) << r.text;
    EXPECT_EQ(messages()[0].argument, r.argument) << r.text;
  }
}

TEST_F(PpPragma, AliasesStandInPlaceOfThePragma) {
  run("#pragma quelt pragma \"my  thing\" = int aliased;\n");
  EXPECT_EQ(squeeze(run("#pragma my thing\n")), "int aliased;");
  run("#pragma quelt pragma other = #pragma quelt sizeof(int) = 4\n");
  EXPECT_EQ(run("#pragma other\n"), "#pragma quelt sizeof(int) = 4\n");
  // A second registration replaces the replacement; the replacement is macro-expanded.
  run("#define V 7\n#pragma quelt pragma \"mything\" = int v = V;\n");
  EXPECT_EQ(squeeze(run("#pragma my thing\n")), "int v = 7;");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpPragma, AnalysisSwitchSkipsFilesButNotStrings) {
  std::string h = write("h.h",
                        "before\n#pragma quelt stop_analyse\n#define HIDDEN 1\nhidden\n#if\n#endif\n#error no\n\n\n\n"
                        "#pragma quelt start_analyze\nafter\n");
  std::string out = include(h);
  EXPECT_EQ(codes(), "");
  EXPECT_EQ(squeeze(out), "#line 1 \"" + h + "\" before #line 12 \"" + h + "\" after");
  EXPECT_FALSE(pp.is_macro("HIDDEN"));
  // The same text as a script fragment is processed.
  std::string text = "#pragma quelt stop_analyse\n#define SHOWN 1\nshown\n#pragma quelt start_analyse\n";
  EXPECT_EQ(squeeze(run(text)), "shown");
  EXPECT_TRUE(pp.is_macro("SHOWN"));
}

TEST_F(PpPragma, AnAliasCanRestartTheAnalysis) {
  run("#pragma quelt pragma go = #pragma quelt start_analyse\n");
  std::string h = write("h.h", "#pragma quelt stop_analyse\nhidden\n#pragma go\nseen\n");
  EXPECT_EQ(squeeze(include(h)), "#line 4 \"" + h + "\" seen");
  EXPECT_TRUE(pp.analysis_on());
}

TEST_F(PpPragma, AnalysisStaysOffToTheEndOfTheFileWithoutStart) {
  std::string h = write("h.h", "#pragma quelt stop_analyse\nhidden\n");
  std::string g = write("g.h", "#include \"" + h + "\"\nafter_include\n");
  EXPECT_EQ(include(g), "");
  EXPECT_FALSE(pp.analysis_on());
}

// --- _Pragma ---

TEST_F(PpPragma, PragmaOperatorIsThePragmaLineItStandsFor) {
  EXPECT_EQ(run("_Pragma(\"pack(1)\")\n"), "#pragma pack(1)\n");
  // In the middle of a line the pragma gets a line of its own.
  EXPECT_EQ(run("a _Pragma(\"pack(1)\") b\n"), "a\n#pragma pack(1)\nb\n");
  // \" and \\ are turned back; an encoding prefix goes.
  EXPECT_EQ(run("_Pragma(\"message(\\\"a\\\\\\\\b\\\")\")\n"), "#pragma message(\"a\\\\b\")\n");
  EXPECT_EQ(run("_Pragma(L\"pack(2)\")\n"), "#pragma pack(2)\n");
  // The operand may span lines, and macros in it are expanded (as gcc does).
  EXPECT_EQ(squeeze(run("_Pragma(\n\"pack(4)\"\n) z\n")), "#pragma pack(4) z");
  EXPECT_EQ(run("#define OPERAND (\"pack(8)\")\n_Pragma OPERAND\n"), "#pragma pack(8)\n");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpPragma, PragmaOperatorWorksAfterMacroExpansion) {
  EXPECT_EQ(run("#define DIAG _Pragma(\"GCC diagnostic push\")\nint a; DIAG int b;\n"),
            "int a;\n#pragma GCC diagnostic push\nint b;\n");
  // The usual helper: # makes the string, the operator undoes it.
  EXPECT_EQ(run("#define DO(x) _Pragma(#x)\nDO(message(\"hi\" \"\\\\\"))\n"), "#pragma message(\"hi\" \"\\\\\")\n");
  // A macro argument carries it to the body.
  EXPECT_EQ(run("#define ID(x) x\nID(_Pragma(\"pack(1)\") c)\n"), "#pragma pack(1)\nc\n");
  EXPECT_EQ(codes(), "");
  // A macro of the name is a macro like any other.
  EXPECT_EQ(squeeze(run("#define _Pragma(x)\n_Pragma(\"pack(1)\") a\n")), "a");
}

TEST_F(PpPragma, PragmaOperatorDoesTheToolsOwnKeywords) {
  run("_Pragma(\"quelt stop_analyse\")\n");
  EXPECT_FALSE(pp.analysis_on());
  run("x _Pragma(\"quelt start\")\n");  // abbreviations too
  EXPECT_TRUE(pp.analysis_on());
  run("_Pragma(\"quelt bogus\")\n");
  ASSERT_EQ(codes(), "PRAGMAINC");
  EXPECT_EQ(messages()[0].argument, "bogus");
  messages().clear();
  std::string inc = dir() + "/inc";
  write("inc/found.h", "int found;\n");
  run("_Pragma(\"quelt incl_std \\\"" + inc + "\\\"\")\n");
  EXPECT_EQ(squeeze(include("found.h")), "#line 1 \"" + inc + "/found.h\" int found;");
  run("_Pragma(\"quelt pragma \\\"my thing\\\" = int aliased;\")\n");
  EXPECT_EQ(squeeze(run("#pragma my thing\n")), "int aliased;");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpPragma, PragmaOperatorStopsTheAnalysisOfAFile) {
  std::string h =
      write("h.h", "before _Pragma(\"quelt stop_analyse\") dropped\nhidden\n#pragma quelt start_analyse\nafter\n");
  EXPECT_EQ(include(h), "#line 1 \"" + h + "\"\nbefore\nafter\n");
  EXPECT_EQ(codes(), "");
}

TEST_F(PpPragma, PragmaOperatorOnceMarksTheFile) {
  std::string h = write("h.h", "_Pragma(\"once\")\nint once_only;\n");
  std::string g = write("g.h", "#include \"" + h + "\"\n#include \"" + h + "\"\n");
  EXPECT_EQ(squeeze(include(g)), "#line 2 \"" + h + "\" int once_only;");
}

TEST_F(PpPragma, AliasThroughThePragmaOperatorStandsInItsPlace) {
  run("#pragma quelt pragma mine = int aliased;\n");
  // Before the rest of the expansion that brought the operator.
  EXPECT_EQ(squeeze(run("#define M x _Pragma(\"mine\") y\nM z\n")), "x int aliased; y z");
  run("#pragma quelt pragma other = #pragma quelt sizeof(int) = 4\n");
  EXPECT_EQ(run("a _Pragma(\"other\") b\n"), "a\n#pragma quelt sizeof(int) = 4\nb\n");
  EXPECT_EQ(codes(), "");
  // An alias that names itself ends with the level limit, not with the stack.
  run("#pragma quelt pragma loop = _Pragma(\"loop\")\n");
  run("_Pragma(\"loop\") end\n");
  EXPECT_EQ(codes(), "NBRECURSI");
}

TEST_F(PpPragma, MalformedPragmaOperatorIsReportedAndDropped) {
  struct Row {
    const char* text;
    const char* output;
  } rows[] = {
      {"_Pragma x\n", "x"},
      {"_Pragma(x) y\n", "y"},
      {"_Pragma((\"a\")) y\n", "y"},
      {"_Pragma(\"a\" \"b\") c\n", "c"},
      {"_Pragma('a') d\n", "d"},
      {"_Pragma(\"a\" e\nf\n", "f"},  // not past the end of the line
      {"_Pragma\n", ""},
      {"_Pragma(\"a\"", ""},
  };
  for (const Row& r : rows) {
    messages().clear();
    EXPECT_EQ(squeeze(run(r.text)), r.output) << r.text;
    ASSERT_EQ(codes(), "SYNTAXERR") << r.text;
    EXPECT_EQ(messages()[0].argument, "_Pragma takes a string literal in parentheses");
  }
  // The position is the line of the operator (of the macro call when a macro brings it).
  std::string h = write("h.h", "\n#define P _Pragma(\"quelt bogus\") _Pragma x\n\nP\n");
  messages().clear();
  include(h);
  ASSERT_EQ(codes(), "PRAGMAINC SYNTAXERR");
  EXPECT_EQ(messages()[0].line, 4);
  EXPECT_EQ(messages()[1].line, 4);
  EXPECT_EQ(messages()[1].file, h);
}

}  // namespace
