// "#pragma quelt" keywords, pragma aliases and the analysis switch.
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

}  // namespace
