// The text services of the query layer: preprocessing a fragment, normalising it, and the
// begin/end of the analysis.
#include <string>

#include "iface/query/anc_names.h"
#include "iface/pp/preprocessor.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

using Normalise = QueryTest;

std::string normalised(std::string text) {
  anc_normalise(text);
  return text;
}

TEST_F(Normalise, LineDirectivesGoOtherHashLinesJoinLiteralsStay) {
  EXPECT_EQ(normalised("# 1 \"<x>\"\n#line 3\n  a + b\n"), "# 1 \"<x>\"   a + b");
  EXPECT_EQ(normalised("#line 7 \"s.pts\"\nvalue\n"), "value");
  EXPECT_EQ(normalised("# line 7\nv"), "v");
  EXPECT_EQ(normalised("x = \"#line\\\" \\n\" + '#'\n"), "x = \"#line\\\" \\n\" + '#'");
  EXPECT_EQ(normalised(" \t\n"), "");
  EXPECT_EQ(normalised(""), "");
  EXPECT_EQ(normalised("a\nb"), "a\nb");  // a newline without "#" stays
}

TEST_F(Normalise, PreprocessedFragmentsUseTheHeadersMacros) {
  declare("");
  std::string out;
  ASSERT_EQ(the_preprocessor().run_string("#define LIMIT (3 + 1)\n", "defs", 1, out), 0);
  EXPECT_EQ(anc_preprocess("LIMIT * 2", "s.pts", 4, out), 0);
  anc_normalise(out);
  EXPECT_EQ(out, "(3 + 1) * 2");
}

TEST_F(Normalise, BeginEmptiesTheDictionaryAndKeepsTheRestriction) {
  declare("int before;");
  ASSERT_EQ(anc_declaration_kind("before", ""), 1);
  anc_end();
  begin(0);
  EXPECT_EQ(anc_declaration_kind("before", ""), 0);
  EXPECT_EQ(the_anc_session().restriction, 0);
  EXPECT_EQ(the_dictionary().name, "QUELT");
}

}  // namespace
}  // namespace iface::querytest
