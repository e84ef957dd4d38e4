// The generators' output helpers: preprocessor lines, the indentation rule, C string paths.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "gen/output.h"

namespace gen {
namespace {

std::string read_file(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

class GenOutputTest : public ::testing::Test {
 protected:
  void SetUp() override { path = ::testing::TempDir() + "gen_output_test.cpp"; }
  void TearDown() override {
    gen_close();
    std::remove(path.c_str());
  }
  std::string path;
};

TEST_F(GenOutputTest, BracesStandOneUnitDeeperAndBodiesTwo) {
  gen_open(path);
  gen_line("void f()");
  gen_open_brace();
  gen_line("int a;");
  gen_line("#line 4 \"s.pts\"");  // preprocessor lines are never indented
  gen_line("if (a)");
  gen_open_brace();
  gen_line("a = 0;");
  gen_close_brace();
  gen_line("");
  gen_close_brace();
  gen_line("int end;");
  gen_close();
  EXPECT_EQ(read_file(path),
            "void f()\n"
            " {\n"
            "  int a;\n"
            "#line 4 \"s.pts\"\n"
            "  if (a)\n"
            "   {\n"
            "    a = 0;\n"
            "   }\n"
            "  \n"
            " }\n"
            "int end;\n");
}

TEST_F(GenOutputTest, PreprocessorLinesAndReopeningResetsTheDepth) {
  gen_open(path);
  gen_open_brace();
  gen_open(path);  // the first file is closed, the new one starts at depth 0
  gen_ifdef("QLX_TRACE");
  gen_define("QLX_SIZE", "(4 * 2)");
  gen_else();
  gen_define("QLX_SIZE", "0");
  gen_endif();
  gen_line("x;");
  gen_close();
  gen_close();  // nothing open: nothing happens
  gen_line("lost");
  EXPECT_EQ(read_file(path),
            "#ifdef QLX_TRACE\n"
            "#define QLX_SIZE (4 * 2)\n"
            "#else\n"
            "#define QLX_SIZE 0\n"
            "#endif\n"
            "x;\n");
}

TEST(GenOutputDeath, AFileThatCannotBeOpenedIsFatal) {
  EXPECT_EXIT(gen_open("/nonexistent-dir/out.cpp"), ::testing::ExitedWithCode(7), "FICERROPN");
}

TEST(GenCPath, BackslashesDoubledUnlessThePathIsAbsoluteOrEmpty) {
  EXPECT_EQ(gen_c_path("C:\\tests\\drv\\a.tdc"), "C:\\\\tests\\\\drv\\\\a.tdc");
  EXPECT_EQ(gen_c_path("..\\out\\x"), "..\\\\out\\\\x");
  EXPECT_EQ(gen_c_path("\\\\server\\share"), "\\\\\\\\server\\\\share");
  EXPECT_EQ(gen_c_path("/usr/a\\b"), "/usr/a\\b");
  EXPECT_EQ(gen_c_path("relative/path"), "relative/path");
  EXPECT_EQ(gen_c_path(""), "");
}

// A generated file whose writing failed (a full disk) must not pass as written: closing it is
// fatal "fclose", status 7.
TEST_F(GenOutputTest, AWriteErrorIsFatalWhenTheFileIsClosed) {
  EXPECT_EXIT(
      {
        gen_open("/dev/full");
        for (int i = 0; i < 1000; ++i) gen_line("int a_rather_long_line_to_fill_the_buffer;");
        gen_close();
        std::exit(0);
      },
      ::testing::ExitedWithCode(7), "FATAL ERROR on 'fclose'");
}

}  // namespace
}  // namespace gen
