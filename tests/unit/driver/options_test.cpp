// The command-line decoder: matching, values, defaults, combinations, messages, effective line.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "driver/options.h"

namespace {

struct Decoded {
  bool ok = false;
  std::string effective;
  std::string messages;  // what went to stderr
};

// Decodes without capturing stderr (for death tests, whose stderr is matched).
bool decode_uncaptured(std::initializer_list<const char*> arguments) {
  driver::release_command_line();
  std::vector<std::string> texts = {"qmkprepro"};
  for (const char* argument : arguments) texts.emplace_back(argument);
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  std::string effective;
  return driver::decode_command_line(static_cast<int>(argv.size()), argv.data(), &effective);
}

Decoded decode(std::initializer_list<const char*> arguments) {
  driver::release_command_line();
  std::vector<std::string> texts = {"qmkprepro"};
  for (const char* argument : arguments) texts.emplace_back(argument);
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  Decoded result;
  testing::internal::CaptureStderr();
  result.ok = driver::decode_command_line(static_cast<int>(argv.size()), argv.data(), &result.effective);
  result.messages = testing::internal::GetCapturedStderr();
  return result;
}

// The first line of a decoder message (the usage text follows it).
std::string first_line(const std::string& messages) { return messages.substr(0, messages.find('\n')); }

void expect_refused(std::initializer_list<const char*> arguments, const std::string& line) {
  Decoded result = decode(arguments);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(first_line(result.messages), "QMKPREPRO Command analysis : " + line);
  EXPECT_NE(result.messages.find("\nUsage QMKPREPRO:\n\t<scn>\n"), std::string::npos);
  EXPECT_EQ(result.messages.substr(result.messages.size() - 26), "\t[-BUFSIZE=<buffer_size>]\n");
}

TEST(OptionMatching, FullNamesAbbreviationsAndCase) {
  Decoded result = decode({"s", "i", "r", "-incl=a,b", "-INC=c", "-SC=x"});
  ASSERT_TRUE(result.ok) << result.messages;
  EXPECT_EQ(driver::include_dirs(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(driver::scenarios(), (std::vector<std::string>{"x"}));
  EXPECT_EQ(driver::option_state("INCL"), 1);
  EXPECT_EQ(driver::option_state("SCN"), 6);
}

TEST(OptionMatching, NegatedForms) {
  ASSERT_TRUE(decode({"s", "i", "r", "-NOF", "-nolog"}).ok);
  EXPECT_EQ(driver::fast(), 0);
  EXPECT_EQ(driver::log_enabled(), 0);
  EXPECT_EQ(driver::option_state("FAST"), -12);
  EXPECT_EQ(driver::option_state("LOG"), -14);
}

TEST(OptionMatching, AmbiguousAndUnknown) {
  expect_refused({"s", "i", "r", "-IN=x"}, "Ambiguous option, -IN=x");
  expect_refused({"s", "i", "r", "-S=x"}, "Ambiguous option, -S=x");
  expect_refused({"s", "i", "r", "-NO"}, "Ambiguous option, -NO");
  expect_refused({"s", "i", "r", "-INCLX=a"}, "Unknown option, -INCLX=a");
  expect_refused({"s", "i", "r", "-"}, "Unknown option, -");
  expect_refused({"s", "i", "r", "-NOSUCH"}, "Unknown option, -NOSUCH");
}

// On POSIX '/' starts absolute paths too: it starts an option only when an option name or an
// abbreviation of one follows.
TEST(OptionMatching, SlashIsAnOptionOnlyBeforeAnOptionName) {
  Decoded result = decode({"/abs/dir/x.pts", "/usr/include/a.h,/abs/b.h", "/abs/out/r", "/INC=/abs/inc", "/nol"});
  ASSERT_TRUE(result.ok) << result.messages;
  EXPECT_EQ(driver::script_file(), "/abs/dir/x.pts");
  EXPECT_EQ(driver::interface_files(), (std::vector<std::string>{"/usr/include/a.h", "/abs/b.h"}));
  EXPECT_EQ(driver::root_name(), "/abs/out/r");
  EXPECT_EQ(driver::include_dirs(), (std::vector<std::string>{"/abs/inc"}));
  EXPECT_EQ(driver::log_enabled(), 0);
  // A name up to '=' that abbreviates an option reads as that option; "/INCL/x.h" is a path.
  expect_refused({"s", "i", "r", "/IN=x"}, "Ambiguous option, /IN=x");
  expect_refused({"s", "i", "r", "/INCL/x.h"}, "Too many arguments invalid argument, /INCL/x.h");
  // Anything else after '/' is a path: here a fourth positional argument.
  expect_refused({"s", "i", "r", "/NOSUCH"}, "Too many arguments invalid argument, /NOSUCH");
  expect_refused({"s", "i", "r", "/"}, "Too many arguments invalid argument, /");
}

TEST(OptionValues, ListsAndRepetition) {
  ASSERT_TRUE(decode({"s", "i", "r", "-INCL=a", "-INCL=b"}).ok);
  EXPECT_EQ(driver::include_dirs(), (std::vector<std::string>{"a", "b"}));
  expect_refused({"s", "i", "r", "-SET=AB", "-SET=C"}, "An option can't be used twice, -SET=C");
  expect_refused({"s", "i", "r", "-FAST", "-NOFAST"}, "An option can't be used twice, -NOFAST");
  expect_refused({"s", "i", "r", "-INSTANCE=a,b"}, "List forbidden invalid option, -INSTANCE=a,b");
  ASSERT_TRUE(decode({"s", "i", "r", "-INSTANCE=a\\,b"}).ok);
  ASSERT_NE(driver::instance_name(), nullptr);
  EXPECT_EQ(*driver::instance_name(), "a,b");
  expect_refused({"s", "i", "r", "-INCL=a,,b"}, "Arg length too small, -INCL=a,,b");
}

TEST(OptionValues, Keywords) {
  ASSERT_TRUE(decode({"s", "i", "r", "-ALLOCATION"}).ok);
  EXPECT_EQ(driver::allocation_mode(), 1);
  ASSERT_TRUE(decode({"s", "i", "r", "-ALLOCATION=dyn"}).ok);
  EXPECT_EQ(driver::allocation_mode(), 2);
  expect_refused({"s", "i", "r", "-ALLOCATION=X"}, "Unknown value of option, X");
  ASSERT_TRUE(decode({"s", "i", "r", "-TRACE=SCNX", "-RESTRICTION=an", "-PROBE=c"}).ok);
  EXPECT_EQ(driver::trace_mode(), 10);
  EXPECT_EQ(driver::restriction(), 1);
  EXPECT_EQ(driver::probe_mode(), 2);
  ASSERT_TRUE(decode({"s", "i", "r", "-TRACE=e"}).ok);
  EXPECT_EQ(driver::trace_mode(), 5);
  expect_refused({"s", "i", "r", "-RESTRICTION=ANSIXX"}, "Arg length too large, -RESTRICTION=ANSIXX");
}

TEST(OptionValues, MandatoryAndForbiddenValues) {
  expect_refused({"s", "i", "r", "-TRACE"}, "Mandatory argument for this option, -TRACE");
  expect_refused({"s", "i", "r", "-TRACE="}, "Mandatory argument for this option, -TRACE=");
  expect_refused({"s", "i", "r", "-FAST=1"}, "No argument for this option, -FAST=1");
  expect_refused({"s", "i", "r", "-THREAD="}, "Arg length too small, -THREAD=");
}

TEST(OptionDefaults, AbsentOptions) {
  ASSERT_TRUE(decode({"s", "i", "r"}).ok);
  EXPECT_EQ(driver::restriction(), 2);
  EXPECT_EQ(driver::fast(), 1);
  EXPECT_EQ(driver::log_enabled(), 1);
  EXPECT_EQ(driver::probe_mode(), 0);
  EXPECT_EQ(driver::allocation_mode(), 0);
  EXPECT_EQ(driver::trace_mode(), 0);
  EXPECT_EQ(driver::buffer_size(), 10);
  EXPECT_EQ(driver::thread_routine(), "<main>");
  EXPECT_EQ(driver::comments_enabled(), 1);
  EXPECT_EQ(driver::spv_gen(), 0);
  EXPECT_EQ(driver::std_define_file(), nullptr);
  EXPECT_EQ(driver::option_state("FAST"), 12);
  // The default keyword is recorded as the value even when the option is absent.
  ASSERT_NE(driver::option_value(21, 1), nullptr);
  EXPECT_EQ(*driver::option_value(21, 1), "CIRCULAR");
  EXPECT_EQ(driver::option_value(21, 2), nullptr);
}

TEST(OptionDefaults, ThreadRoutine) {
  ASSERT_TRUE(decode({"s", "i", "r", "-THREAD"}).ok);
  EXPECT_EQ(driver::thread_routine(), "<start>");
  ASSERT_TRUE(decode({"s", "i", "r", "-THREAD=worker"}).ok);
  EXPECT_EQ(driver::thread_routine(), "worker");
}

TEST(Positionals, CountAndLists) {
  expect_refused({"s", "i", "r", "x"}, "Too many arguments invalid argument, x");
  expect_refused({"s", "i"}, "Argument missing, root");
  expect_refused({}, "Argument missing, scn");
  expect_refused({"a,b", "i", "r"}, "List forbidden invalid argument, a,b");
  expect_refused({"", "i", "r"}, "Arg length too small,");
  ASSERT_TRUE(decode({"s", "a.h,b.h", "r"}).ok);
  EXPECT_EQ(driver::interface_files(), (std::vector<std::string>{"a.h", "b.h"}));
  ASSERT_NE(driver::positional_value(2, 2), nullptr);
  EXPECT_EQ(*driver::positional_value(2, 2), "b.h");
}

TEST(Positionals, LongAndNonAsciiArguments) {
  std::string long_name(256, 'x');
  Decoded result = decode({long_name.c_str(), "i", "r"});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(first_line(result.messages), "QMKPREPRO Command analysis : Arg length too large, " + long_name);
  result = decode({"sc\xe9nario\xff", "i", "r"});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(driver::script_file(), "sc\xe9nario\xff");
}

TEST(Positionals, NoPath) {
  ASSERT_TRUE(decode({"dir\\a.pts", "inc/x.h,y.h", "out/drv", "-NOPATH"}).ok);
  EXPECT_EQ(driver::script_file(), "a.pts");
  EXPECT_EQ(driver::interface_files(), (std::vector<std::string>{"x.h", "y.h"}));
  EXPECT_EQ(driver::root_name(), "drv");
}

TEST(Combinations, RefusedInOrder) {
  expect_refused({"s", "i", "r", "-NOTSHARED"}, "Illegal combination of command elements, NOTSHARED and ALLOCATION");
  expect_refused({"s", "i", "r", "-SCN=a", "-EXSCN=b"}, "Illegal combination of command elements, SCN and EXSCN");
  expect_refused({"s", "i", "r", "-FAMILY=a", "-EXFAMILY=b", "-SCN=a", "-EXSCN=b"},
                 "Illegal combination of command elements, FAMILY and EXFAMILY");
  ASSERT_TRUE(decode({"s", "i", "r", "-NOTSHARED", "-ALLOC"}).ok);
  EXPECT_EQ(driver::not_shared(), 1);
}

TEST(EffectiveLine, OrderOfItems) {
  Decoded result = decode({"-NOCOMMENT", "-THREAD", "-ALLOCATION", "-NOTSHARED", "-LOG", "-BUFSIZE=0", "-TRACE=t",
                           "-PROBE=d", "-NOFAST", "-RESTRICTION=ansi", "-SPVGEN", "-EXSCN=e", "-INSTANCE=i1",
                           "-FAMILY=f1,f2", "-STUDIO_LOG=log", "-STD_DEFINE=d", "-DEFINE=A=1,B", "-SET=XY",
                           "-INCL=i", "-NOPATH", "s", "a/x.h,y.h", "r"});
  ASSERT_TRUE(result.ok) << result.messages;
  EXPECT_EQ(result.effective,
            "qmkprepro s x.h,y.h r -INCL=i -SET=XY -DEFINE=A=1,B -STD_DEFINE=d -STUDIO_LOG=log -FAMILY=f1,f2"
            " -INSTANCE=i1 -EXSCN=e -SPVGEN -RESTRICTION=ANSI -NOFAST -PROBE=DEFAULT -TRACE=TIME -BUFSIZE=10 -LOG"
            " -ALLOCATION=STACK -THREAD=<start> -NOTSHARED -NOCOMMENT");
}

TEST(EffectiveLine, MinimalLine) {
  Decoded result = decode({"s", "i", "r"});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.effective, "qmkprepro s i r -FAST -LOG");
  EXPECT_TRUE(result.messages.empty());
}

TEST(EffectiveLine, CutAt1900Characters) {
  EXPECT_EQ(driver::limit_effective_line(std::string(1900, 'a')), std::string(1900, 'a'));
  EXPECT_EQ(driver::limit_effective_line(std::string(1901, 'a')), std::string(1900, 'a') + " (...)");
  // A long command line made of many include directories.
  std::vector<std::string> dirs(300, "-INCL=include_dir");
  std::vector<std::string> texts = {"qmkprepro", "s", "i", "r"};
  texts.insert(texts.end(), dirs.begin(), dirs.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  driver::release_command_line();
  std::string effective;
  ASSERT_TRUE(driver::decode_command_line(static_cast<int>(argv.size()), argv.data(), &effective));
  std::string recorded = driver::limit_effective_line(effective);
  EXPECT_EQ(recorded.size(), 1906u);
  EXPECT_EQ(recorded.substr(0, 30), "qmkprepro s i r -INCL=include_");
  EXPECT_EQ(recorded.substr(1900), " (...)");
}

TEST(OptionState, UnknownNamePrintsTitleLineOnly) {
  ASSERT_TRUE(decode({"s", "i", "r"}).ok);
  testing::internal::CaptureStderr();
  EXPECT_EQ(driver::option_state("incl"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "QMKPREPRO Command analysis : Internal error, bad option name incl\n");
  EXPECT_EQ(driver::option_value(99, 1), nullptr);
  EXPECT_EQ(driver::option_value(-1, 0), nullptr);
}

class FatalAccessors : public testing::Test {
 protected:
  void SetUp() override {
    diag::reset_catalogue();
    diag::register_all_messages();
  }
};

TEST_F(FatalAccessors, BeforeDecoding) {
  driver::release_command_line();
  EXPECT_EXIT(driver::include_dirs(), testing::ExitedWithCode(9),
              "Qandor-S-INITPBRLM,  Initialization problem on command line\n");
}

TEST_F(FatalAccessors, FilterLettersAreKeptAsGiven) {
  // Decoding keeps the letters as given (the effective line shows them); the run checks them
  // later (run_options_test).
  Decoded result = decode({"s", "i", "r", "-SET=Ab"});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.effective, "qmkprepro s i r -SET=Ab -FAST -LOG");
  ASSERT_NE(driver::filter_letters(), nullptr);
  EXPECT_EQ(*driver::filter_letters(), "Ab");
}

TEST_F(FatalAccessors, BufferSize) {
  EXPECT_EXIT(decode_uncaptured({"s", "i", "r", "-BUFSIZE=12k"}), testing::ExitedWithCode(7),
              "Qandor-F-BADBSZVAL,  Incorrect -BUFSIZE option : buffer size must be a number\n");
  EXPECT_EXIT(decode_uncaptured({"s", "i", "r", "-BUFSIZE=99999999999"}), testing::ExitedWithCode(7), "BADBSZVAL");
  ASSERT_TRUE(decode({"s", "i", "r", "-BUFSIZE=4096"}).ok);
  EXPECT_EQ(driver::buffer_size(), 4096);
}

}  // namespace
