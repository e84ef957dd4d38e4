// The generators' output helpers: preprocessor lines, the indentation rule, the line limit, C
// string paths; and the output set that makes a run's files whole or absent.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "gen/output.h"

namespace gen {
namespace {

namespace fs = std::filesystem;

std::string read_file(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void write_file(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

// A fresh directory per test: the output set writes beside its targets.
class GenOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory = fs::path(::testing::TempDir()) /
                ("gen_output_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(directory);
    fs::create_directories(directory);
    path = (directory / "out.cpp").string();
  }
  void TearDown() override { fs::remove_all(directory); }
  // The names in the directory, sorted, joined by blanks.
  std::string listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text;
  }
  fs::path directory;
  std::string path;
};

TEST_F(GenOutputTest, BracesStandOneUnitDeeperAndBodiesTwo) {
  OutputSet outputs;
  GenOutput out;
  gen_open(outputs, out, path);
  gen_line(out, "void f()");
  gen_open_brace(out);
  gen_line(out, "int a;");
  gen_line(out, "#line 4 \"s.pts\"");  // preprocessor lines are never indented
  gen_line(out, "if (a)");
  gen_open_brace(out);
  gen_line(out, "a = 0;");
  gen_close_brace(out);
  gen_line(out, "");
  gen_close_brace(out);
  gen_line(out, "int end;");
  gen_close(out);
  outputs.commit();
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
  OutputSet outputs;
  GenOutput out;
  std::string first = (directory / "first.h").string();
  gen_open(outputs, out, first);
  gen_open_brace(out);
  gen_open(outputs, out, path);  // the first file is closed, the new one starts at depth 0
  gen_ifdef(out, "QLX_TRACE");
  gen_define(out, "QLX_SIZE", "(4 * 2)");
  gen_else(out);
  gen_define(out, "QLX_SIZE", "0");
  gen_endif(out);
  gen_line(out, "x;");
  gen_close(out);
  gen_close(out);  // nothing open: nothing happens
  gen_line(out, "lost");
  outputs.commit();
  EXPECT_EQ(read_file(first), " {\n");
  EXPECT_EQ(read_file(path),
            "#ifdef QLX_TRACE\n"
            "#define QLX_SIZE (4 * 2)\n"
            "#else\n"
            "#define QLX_SIZE 0\n"
            "#endif\n"
            "x;\n");
}

// The files of a run appear under their names only at the commit; until then an older file of the
// same name stays as it was, and the new text waits in a hidden temporary file beside it.
TEST_F(GenOutputTest, FilesTakeTheirNamesOnlyAtTheCommit) {
  write_file(path, "older\n");
  OutputSet outputs;
  GenOutput out;
  gen_open(outputs, out, path);
  gen_line(out, "newer");
  gen_close(out);
  EXPECT_EQ(read_file(path), "older\n");
  ASSERT_EQ(outputs.temporary_names().size(), 1u);
  EXPECT_EQ(fs::path(outputs.temporary_names()[0]).parent_path(), directory);
  EXPECT_EQ(listing().substr(0, 9), ".out.cpp.");
  outputs.commit();
  EXPECT_EQ(read_file(path), "newer\n");
  EXPECT_EQ(listing(), "out.cpp");
}

// A run that ends without committing (the set is dropped, or discarded) leaves no temporary file
// and the older outputs untouched.
TEST_F(GenOutputTest, AnUncommittedSetLeavesNothingBehind) {
  write_file(path, "older\n");
  {
    OutputSet outputs;
    GenOutput out;
    gen_open(outputs, out, path);
    gen_line(out, "newer");
    GenOutput second;
    gen_open(outputs, second, (directory / "second.tdc").string());  // still open at the end
    gen_line(second, "x");
  }
  EXPECT_EQ(listing(), "out.cpp");
  EXPECT_EQ(read_file(path), "older\n");
}

// A fatal error in the middle of a generator (here: a second file that cannot be created) ends
// the run; the first file's temporary is removed on the way out.
TEST_F(GenOutputTest, AFatalErrorRemovesTheTemporaryFiles) {
  EXPECT_EXIT(
      {
        OutputSet outputs;
        GenOutput out;
        gen_open(outputs, out, path);
        gen_line(out, "int a;");
        gen_close(out);
        GenOutput second;
        gen_open(outputs, second, (directory / "missing" / "out.tdc").string());
      },
      ::testing::ExitedWithCode(7), "FICERROPN");
  EXPECT_EQ(listing(), "");
}

// A target name taken by a directory cannot receive its file: found before any file of the set
// takes its name, so that the run leaves all of its files or none.
TEST_F(GenOutputTest, ATargetThatIsADirectoryFailsBeforeAnyRename) {
  fs::create_directories(directory / "second.tsf");
  EXPECT_EXIT(
      {
        OutputSet outputs;
        GenOutput first;
        gen_open(outputs, first, path);
        gen_line(first, "int a;");
        GenOutput second;
        gen_open(outputs, second, (directory / "second.tsf").string());
        gen_line(second, "ED");
        outputs.commit();
      },
      ::testing::ExitedWithCode(7), "FICERROPN");
  EXPECT_EQ(listing(), "second.tsf");
}

TEST_F(GenOutputTest, AFileInADirectoryThatDoesNotExistIsFatal) {
  EXPECT_EXIT(
      {
        OutputSet outputs;
        GenOutput out;
        gen_open(outputs, out, "/nonexistent-dir/out.cpp");
      },
      ::testing::ExitedWithCode(7), "FICERROPN");
}

// A line of 4095 characters is written whole, indentation included; one more character is the
// internal error "SIZBUFOVL".
TEST_F(GenOutputTest, LinesAreAtMost4095Characters) {
  {
    OutputSet outputs;
    GenOutput out;
    gen_open(outputs, out, path);
    gen_line(out, std::string(4095, 'x'));
    gen_open_brace(out);  // the indentation (two units in the body) counts
    gen_line(out, std::string(4093, 'y'));
    gen_close(out);
    outputs.commit();
  }
  EXPECT_EQ(read_file(path), std::string(4095, 'x') + "\n {\n  " + std::string(4093, 'y') + "\n");
  EXPECT_EXIT(
      {
        OutputSet outputs;
        GenOutput out;
        gen_open(outputs, out, path);
        gen_open_brace(out);
        gen_line(out, std::string(4094, 'z'));
      },
      ::testing::ExitedWithCode(9), "SIZBUFOVL");
}

TEST(GenCPath, BackslashesDoubledUnlessThePathIsAbsoluteOrEmpty) {
  EXPECT_EQ(gen_c_path("C:\\tests\\drv\\a.tdc"), "C:\\\\tests\\\\drv\\\\a.tdc");
  EXPECT_EQ(gen_c_path("..\\out\\x"), "..\\\\out\\\\x");
  EXPECT_EQ(gen_c_path("\\\\server\\share"), "\\\\\\\\server\\\\share");
  EXPECT_EQ(gen_c_path("/usr/a\\b"), "/usr/a\\b");
  EXPECT_EQ(gen_c_path("relative/path"), "relative/path");
  EXPECT_EQ(gen_c_path(""), "");
}

}  // namespace
}  // namespace gen
