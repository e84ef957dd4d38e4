// The interface analysis as one object: one reset empties everything (names, dictionary,
// preprocessor and its report hook, FORMAT overrides, session), so that an analysis after a reset
// answers as a new process would; several analyses live side by side, each with its own names.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/intern.h"
#include "iface/query/analysis_context.h"
#include "iface/query/anc_expressions.h"
#include "iface/query/anc_names.h"
#include "iface/query/format.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

// Set in the environment of the child process that answers for one header.
constexpr const char* kChildHeader = "QMK_ANALYSIS_CONTEXT_CHILD_HEADER";
constexpr const char* kAnswersStart = "<<<answers\n";
constexpr const char* kAnswersEnd = "answers>>>\n";

constexpr const char* kHeaderA =
    "#define LIMIT_A 3\n"
    "typedef struct { int a; char b[LIMIT_A]; } rec_a;\n"
    "enum color { RED, GREEN = 5 };\n"
    "static int count_a;\n"
    "rec_a table_a[2];\n";

// Declares count_a again, differently: after a reset that is no redefinition.
constexpr const char* kHeaderB =
    "#define LIMIT_B (2 * 4)\n"
    "typedef unsigned long size_b;\n"
    "struct node { struct node *next; int value; };\n"
    "char *count_a;\n"
    "struct node nodes_b[LIMIT_B];\n"
    "double ratio_b;\n";

// Begins the analysis in use, loads `header` and gives its messages and the answers to a fixed
// set of queries, one per line.
std::string answers_for(const std::string& header) {
  diag::reset_reporting();
  ::testing::internal::CaptureStderr();
  anc_begin(1, {}, {}, "");
  anc_load_interface_file(header);
  std::string text = "messages: " + ::testing::internal::GetCapturedStderr() + "\n";
  for (const char* name : {"count_a", "nodes_b", "ratio_b", "size_b", "table_a", "rec_a", "RED"}) {
    std::string declaration;
    anc_declaration_text(name, 0, declaration);
    text += std::string(name) + " kind " + std::to_string(anc_declaration_kind(name, "")) + " declared " +
            std::to_string(anc_is_declared_in(name, "")) + " text " + declaration + "\n";
  }
  ::testing::internal::CaptureStderr();
  for (const char* expr : {"nodes_b[1].next", "count_a", "ratio_b * 2", "sizeof(size_b)", "RED", "table_a[0].b"}) {
    int type_class = -2;
    anc_expression_class(expr, "", "s.pts", 1, type_class);
    text += std::string(expr) + " class " + std::to_string(type_class) + "\n";
  }
  std::string expanded;
  anc_preprocess("LIMIT_A LIMIT_B", "s.pts", 2, expanded);
  anc_normalise(expanded);
  text += "macros: " + expanded + "\n";
  std::vector<FileVariable> variables;
  anc_variables_of_file(header, variables);
  text += "variables:";
  for (const FileVariable& v : variables) text += " " + v.name + "/" + std::to_string(v.declaration_kind);
  text += "\nquery messages: " + ::testing::internal::GetCapturedStderr() + "\n";
  anc_end();
  return text;
}

class AnalysisContext : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    dir_ = std::filesystem::temp_directory_path() /
           ("analysis_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    header_a = write("a.h", kHeaderA);
    header_b = write("b.h", kHeaderB);
  }
  void TearDown() override {
    QueryTest::TearDown();
    std::filesystem::remove_all(dir_);
  }

  std::string write(const std::string& name, const std::string& text) {
    std::filesystem::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  // The answers for `header` from a new process: this test program, running this test alone
  // with the child's variable set.
  static std::string answers_of_a_new_process(const std::string& header) {
    std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filter = std::string("--gtest_filter=") +
                         ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "." +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ::setenv(kChildHeader, header.c_str(), 1);
    std::FILE* child = ::popen(("'" + program + "' '" + filter + "' 2>/dev/null").c_str(), "r");
    ::unsetenv(kChildHeader);
    if (child == nullptr) return "(no child)";
    std::string output;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, child) != nullptr) output += buffer;
    ::pclose(child);
    std::size_t start = output.find(kAnswersStart);
    std::size_t end = output.find(kAnswersEnd);
    if (start == std::string::npos || end == std::string::npos) return "(no answers in: " + output + ")";
    start += std::string(kAnswersStart).size();
    return output.substr(start, end - start);
  }

  std::filesystem::path dir_;
  std::string header_a;
  std::string header_b;
};

TEST_F(AnalysisContext, AfterAResetTheAnswersAreThoseOfANewProcess) {
  if (const char* header = std::getenv(kChildHeader)) {
    // The child: one analysis of one header, nothing before it.
    std::string answers = answers_for(header);
    std::printf("%s%s%s", kAnswersStart, answers.c_str(), kAnswersEnd);
    std::fflush(stdout);
    return;
  }
  std::string first = answers_for(header_a);
  EXPECT_NE(first.find("count_a kind 2 declared 1"), std::string::npos) << first;  // static in A
  EXPECT_NE(first.find("macros: 3 LIMIT_B"), std::string::npos) << first;
  EXPECT_NE(first.find("RED class "), std::string::npos) << first;

  std::string after_reset = answers_for(header_b);
  EXPECT_EQ(after_reset, answers_of_a_new_process(header_b));
  // What B alone gives: A's names, macros and enumerators are gone, count_a is B's own.
  EXPECT_NE(after_reset.find("messages: \n"), std::string::npos) << after_reset;
  EXPECT_NE(after_reset.find("count_a kind 1 declared 1 text char *count_a;"), std::string::npos) << after_reset;
  EXPECT_NE(after_reset.find("table_a kind 0 declared 0"), std::string::npos) << after_reset;
  EXPECT_NE(after_reset.find("rec_a kind 0 declared 0"), std::string::npos) << after_reset;
  EXPECT_NE(after_reset.find("RED class -1"), std::string::npos) << after_reset;
  EXPECT_NE(after_reset.find("table_a[0].b class -1"), std::string::npos) << after_reset;
  EXPECT_NE(after_reset.find("macros: LIMIT_A (2 * 4)"), std::string::npos) << after_reset;
  EXPECT_NE(after_reset.find("variables: "), std::string::npos) << after_reset;
  EXPECT_EQ(after_reset.find("table_a/"), std::string::npos) << after_reset;
}

TEST_F(AnalysisContext, ANewAnalysisObjectAnswersAsTheResetOne) {
  answers_for(header_a);
  std::string after_reset = answers_for(header_b);
  std::string fresh;
  {
    Analysis other;  // in use from here on
    EXPECT_EQ(&current_analysis(), &other);
    fresh = answers_for(header_b);
  }
  EXPECT_EQ(after_reset, fresh);
}

TEST_F(AnalysisContext, AnalysesSideBySideKeepTheirOwnNamesAndDeclarations) {
  Analysis& first = current_analysis();
  anc_load_interface_file(header_a);
  const char* first_name = base::intern("count_a");
  {
    Analysis second;
    anc_begin(1, {}, {}, "");
    anc_load_interface_file(header_b);
    EXPECT_NE(base::intern("count_a"), first_name);  // each analysis interns into its own table
    EXPECT_EQ(anc_declaration_kind("table_a", ""), 0);
    EXPECT_EQ(anc_declaration_kind("count_a", ""), 1);

    EXPECT_EQ(use_analysis(&first), &second);
    EXPECT_EQ(base::intern("count_a"), first_name);
    EXPECT_EQ(anc_declaration_kind("table_a", ""), 1);
    EXPECT_EQ(anc_declaration_kind("count_a", ""), 2);
    // Resetting the other analysis leaves the names and declarations in use alone.
    second.reset();
    EXPECT_STREQ(first_name, "count_a");
    EXPECT_EQ(anc_declaration_kind("count_a", ""), 2);
    use_analysis(&second);
    EXPECT_EQ(anc_declaration_kind("ratio_b", ""), 0);
  }
  // The analysis in use is gone: the process's own one, which holds A, is in use again.
  EXPECT_EQ(&current_analysis(), &first);
  EXPECT_EQ(base::intern("count_a"), first_name);
  EXPECT_EQ(anc_declaration_kind("count_a", ""), 2);
}

std::vector<std::string> hooked;

void hook(diag::MessageKind, diag::Code code, std::string_view, std::string_view, int) {
  hooked.emplace_back(diag::code_name(code));
}

TEST_F(AnalysisContext, ResetEmptiesFormatsSessionAndThePreprocessorsHook) {
  declare("int plain;");
  ::testing::internal::CaptureStderr();
  anc_set_format(1, "", "plain", "#H", "s.pts", 3);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  ASSERT_EQ(the_format_state().overrides.size(), 1u);
  the_anc_session().restriction = 0;
  hooked.clear();
  Preprocessor& preprocessor = the_preprocessor();
  preprocessor.set_report_hook(hook);
  preprocessor.start(PreprocessorStart{});
  std::string out;
  preprocessor.run_string("#define KEPT 1\n#warning hooked\n", "s.pts", 1, out);
  EXPECT_EQ(hooked, std::vector<std::string>{"WARNERR"});
  ASSERT_TRUE(preprocessor.is_macro("KEPT"));

  current_analysis().reset();
  EXPECT_TRUE(the_format_state().overrides.empty());
  EXPECT_EQ(the_anc_session().restriction, 2);
  EXPECT_EQ(anc_declaration_kind("plain", ""), 0);
  EXPECT_FALSE(preprocessor.is_macro("KEPT"));
  ::testing::internal::CaptureStderr();
  preprocessor.run_string("#warning reported\n", "s.pts", 1, out);
  std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(hooked.size(), 1u);  // the default report is back: the message goes to stderr
  EXPECT_NE(reported.find("reported"), std::string::npos) << reported;
}

}  // namespace
}  // namespace iface::querytest
