#include "base/names.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cctype>

namespace {

struct Split {
  std::string name;
  std::string ext;
};

Split split(std::string name) {
  std::string ext = base::split_extension(name);
  return {name, ext};
}

TEST(SplitExtension, CutsAtTheLastDotOfTheLastComponent) {
  EXPECT_EQ(split("demo.pts").name, "demo");
  EXPECT_EQ(split("demo.pts").ext, "pts");
  EXPECT_EQ(split("a.b.c").name, "a.b");
  EXPECT_EQ(split("a.b.c").ext, "c");
  EXPECT_EQ(split("out\\drv.cpp").name, "out\\drv");
  EXPECT_EQ(split("out\\drv.cpp").ext, "cpp");
  EXPECT_EQ(split("out/drv.cpp").name, "out/drv");
}

TEST(SplitExtension, NoExtensionLeavesTheNameAlone) {
  for (const char* name : {"demo", "dir.x\\demo", "a.b/c", "", "x"}) {
    Split result = split(name);
    EXPECT_EQ(result.name, name);
    EXPECT_EQ(result.ext, "");
  }
}

TEST(SplitExtension, LeadingAndTrailingDots) {
  // The scan stops at the first character: ".pts" is an empty name with the extension "pts".
  EXPECT_EQ(split(".pts").name, "");
  EXPECT_EQ(split(".pts").ext, "pts");
  EXPECT_EQ(split("dir\\.pts").name, "dir\\");
  EXPECT_EQ(split("dir\\.pts").ext, "pts");
  // A trailing dot is an empty extension; the dot goes.
  EXPECT_EQ(split("demo.").name, "demo");
  EXPECT_EQ(split("demo.").ext, "");
}

TEST(AppendExtension, DefaultOrEnvironment) {
  std::string name = "demo";
  base::append_extension(name, "lis");
  EXPECT_EQ(name, "demo.lis");

  ::unsetenv("QMK_TEST_EXT");
  name = "demo";
  base::append_default_extension(name, "pts", "QMK_TEST_EXT");
  EXPECT_EQ(name, "demo.pts");

  ::setenv("QMK_TEST_EXT", "", 1);
  name = "demo";
  base::append_default_extension(name, "pts", "QMK_TEST_EXT");
  EXPECT_EQ(name, "demo.pts");

  ::setenv("QMK_TEST_EXT", "scn", 1);
  name = "demo";
  base::append_default_extension(name, "pts", "QMK_TEST_EXT");
  EXPECT_EQ(name, "demo.scn");
  ::unsetenv("QMK_TEST_EXT");
}

TEST(FileNameAndDirectory, BothSeparatorsCount) {
  EXPECT_EQ(base::file_name_of("a\\b\\c.h"), "c.h");
  EXPECT_EQ(base::file_name_of("a/b/c.h"), "c.h");
  EXPECT_EQ(base::file_name_of("a/b\\c.h"), "c.h");
  EXPECT_EQ(base::file_name_of("c.h"), "c.h");
  EXPECT_EQ(base::file_name_of("dir/"), "");

  EXPECT_EQ(base::directory_of(""), "");
  EXPECT_EQ(base::directory_of("c.h"), ".");
  EXPECT_EQ(base::directory_of("a\\b\\c.h"), "a\\b");
  EXPECT_EQ(base::directory_of("a/b/c.h"), "a/b");
  EXPECT_EQ(base::directory_of("/c.h"), "/");
  EXPECT_EQ(base::directory_of("\\c.h"), "\\");
  EXPECT_EQ(base::directory_of("c:\\c.h"), "c:\\");
}

TEST(JoinPath, AbsoluteNamesStandAlone) {
  EXPECT_EQ(base::join_path("lib", "c:x.h"), "c:x.h");
  EXPECT_EQ(base::join_path("lib", "\\inc\\x.h"), "\\inc\\x.h");
  EXPECT_EQ(base::join_path("lib", "/usr/include/x.h"), "/usr/include/x.h");
  EXPECT_EQ(base::join_path("lib", "x.h"), "lib/x.h");
  EXPECT_EQ(base::join_path("lib", ""), "lib");
  // No doubled separator, and an empty directory does not turn the name into a root path.
  EXPECT_EQ(base::join_path("lib/", "x.h"), "lib/x.h");
  EXPECT_EQ(base::join_path("lib\\", "x.h"), "lib\\x.h");
  EXPECT_EQ(base::join_path("", "x.h"), "x.h");
  EXPECT_EQ(base::path_join("out", "x.cc"), "out\\x.cc");
}

TEST(RelativePath, StepsUpThenDown) {
  EXPECT_EQ(base::relative_path("\\a\\b\\", "\\a\\c\\"), "..\\c\\");
  EXPECT_EQ(base::relative_path("\\a\\b", "\\a\\c"), "..\\c\\");
  EXPECT_EQ(base::relative_path("\\a\\b\\c\\", "\\a\\d\\"), "..\\..\\d\\");
  EXPECT_EQ(base::relative_path("\\a\\", "\\a\\b\\c\\"), "b\\c\\");
  EXPECT_EQ(base::relative_path("\\a\\b\\", "\\a\\b\\"), "");
  EXPECT_EQ(base::relative_path("/a/b/", "/a/c/"), "..\\c/");
  EXPECT_EQ(base::relative_path("/a/b", "/a/c"), "..\\c/");
  EXPECT_EQ(base::relative_path("/a/b/", "\\a\\c\\"), "..\\c\\");
  EXPECT_EQ(base::relative_path("x\\y\\", "z\\"), "..\\..\\z\\");
  // Components match whole: "ab" is not "a" followed by more.
  EXPECT_EQ(base::relative_path("\\ab\\", "\\a\\"), "..\\a\\");
  // Another drive: no steps lead there.
  EXPECT_EQ(base::relative_path("c:\\a\\", "d:\\a\\"), "d:\\a\\");
}

TEST(Environment, ValueOrEmpty) {
  ::setenv("QMK_TEST_VALUE", "abc", 1);
  EXPECT_EQ(base::environment_value("QMK_TEST_VALUE"), "abc");
  ::unsetenv("QMK_TEST_VALUE");
  EXPECT_EQ(base::environment_value("QMK_TEST_VALUE"), "");
}

TEST(CurrentDate, CtimeFormWithoutNewline) {
  // "Www Mmm dd hh:mm:ss yyyy", English names whatever the locale.
  std::string date = base::current_date_text();
  ASSERT_EQ(date.size(), 24u) << date;
  const std::string days = "Sun Mon Tue Wed Thu Fri Sat";
  const std::string months = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec";
  EXPECT_NE(days.find(date.substr(0, 3)), std::string::npos) << date;
  EXPECT_NE(months.find(date.substr(4, 3)), std::string::npos) << date;
  const std::string layout = "aaa_aaa_Dd_dd:dd:dd_dddd";  // a letter, _ blank, D blank or digit, d digit
  for (std::size_t i = 0; i < layout.size(); ++i) {
    char c = date[i];
    bool digit = c >= '0' && c <= '9';
    switch (layout[i]) {
      case '_': EXPECT_EQ(c, ' ') << date; break;
      case ':': EXPECT_EQ(c, ':') << date; break;
      case 'd': EXPECT_TRUE(digit) << date; break;
      case 'D': EXPECT_TRUE(digit || c == ' ') << date; break;
      default: EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c))) << date; break;
    }
  }
}

}  // namespace
