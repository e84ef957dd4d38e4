// The run's options: the decoded command line read into typed values, and the interface phase's
// parameters taken from them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "diag/catalogue.h"
#include "driver/interface_phase.h"
#include "driver/options.h"
#include "driver/run_options.h"

namespace {

using driver::RunOptions;
using Texts = std::vector<std::string>;

// Decodes `arguments` (after the program name) and reads the run's options from the result.
RunOptions read(std::initializer_list<const char*> arguments) {
  driver::release_command_line();
  std::vector<std::string> texts = {"qmkprepro"};
  for (const char* argument : arguments) texts.emplace_back(argument);
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  std::string effective;
  testing::internal::CaptureStderr();
  bool ok = driver::decode_command_line(static_cast<int>(argv.size()), argv.data(), &effective);
  std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(ok) << messages;
  return driver::read_run_options();
}

TEST(RunOptions, Defaults) {
  RunOptions o = read({"s", "i", "r"});
  EXPECT_EQ(o.script, "s");
  EXPECT_EQ(o.interface_files, Texts{"i"});
  EXPECT_EQ(o.root, "r");
  EXPECT_TRUE(o.include_dirs.empty());
  EXPECT_TRUE(o.defines.empty());
  EXPECT_FALSE(o.std_define_file.has_value());
  EXPECT_FALSE(o.filter_letters.has_value());
  EXPECT_FALSE(o.studio_log.has_value());
  EXPECT_TRUE(o.families.empty());
  EXPECT_TRUE(o.excluded_families.empty());
  EXPECT_TRUE(o.scenarios.empty());
  EXPECT_TRUE(o.excluded_scenarios.empty());
  EXPECT_FALSE(o.instance_name.has_value());
  // The default keywords of -RESTRICTION, -TRACE, -ALLOCATION and -PROBE do not count as given.
  EXPECT_EQ(o.restriction, driver::Restriction::NotGiven);
  EXPECT_EQ(o.trace, driver::TraceLevel::NotGiven);
  EXPECT_EQ(o.allocation, driver::Allocation::NotGiven);
  EXPECT_EQ(o.probe, driver::ProbeMode::NotGiven);
  EXPECT_EQ(o.thread_routine, "<main>");
  EXPECT_EQ(o.buffer_size, 10);
  EXPECT_TRUE(o.fast);
  EXPECT_TRUE(o.log);
  EXPECT_TRUE(o.comments);
  EXPECT_FALSE(o.not_shared);
  EXPECT_FALSE(o.spv_gen);
}

TEST(RunOptions, EveryKeywordValue) {
  EXPECT_EQ(read({"s", "i", "r", "-RESTRICTION=KR"}).restriction, driver::Restriction::KR);
  EXPECT_EQ(read({"s", "i", "r", "-RESTRICTION=an"}).restriction, driver::Restriction::ANSI);

  EXPECT_EQ(read({"s", "i", "r", "-TRACE=ERROR"}).trace, driver::TraceLevel::Error);
  EXPECT_EQ(read({"s", "i", "r", "-TRACE=SCN"}).trace, driver::TraceLevel::Scenario);
  EXPECT_EQ(read({"s", "i", "r", "-TRACE=t"}).trace, driver::TraceLevel::Time);
  EXPECT_EQ(read({"s", "i", "r", "-TRACE=CIRCULAR"}).trace, driver::TraceLevel::Circular);

  EXPECT_EQ(read({"s", "i", "r", "-ALLOCATION"}).allocation, driver::Allocation::Stack);
  EXPECT_EQ(read({"s", "i", "r", "-ALLOCATION=STACK"}).allocation, driver::Allocation::Stack);
  EXPECT_EQ(read({"s", "i", "r", "-ALLOC=dyn"}).allocation, driver::Allocation::Dynamic);

  EXPECT_EQ(read({"s", "i", "r", "-PROBE=DEFAULT"}).probe, driver::ProbeMode::Default);
  EXPECT_EQ(read({"s", "i", "r", "-PROBE=c"}).probe, driver::ProbeMode::Custom);
}

TEST(RunOptions, TraceLevelsAreTheNumbersThePhasesCompare) {
  // The analysis drops trace statements below CIRCULAR by comparing these numbers.
  EXPECT_EQ(static_cast<int>(driver::TraceLevel::Error), 5);
  EXPECT_EQ(static_cast<int>(driver::TraceLevel::Scenario), 10);
  EXPECT_EQ(static_cast<int>(driver::TraceLevel::Time), 20);
  EXPECT_EQ(static_cast<int>(driver::TraceLevel::Circular), 50);
}

TEST(RunOptions, ListsAndTexts) {
  RunOptions o = read({"dir/s.pts", "inc/a.h,b.h", "out/r", "-INCL=x,y", "-INCL=z", "-DEFINE=A=1,B", "-DEFINE=C",
                       "-STD_DEFINE=defs", "-SET=AB", "-STUDIO_LOG=log.txt", "-FAMILY=f1,f2", "-SCN=a.b",
                       "-SCN=c", "-INSTANCE=x\\,y"});
  EXPECT_EQ(o.script, "dir/s.pts");
  EXPECT_EQ(o.interface_files, (Texts{"inc/a.h", "b.h"}));
  EXPECT_EQ(o.root, "out/r");
  EXPECT_EQ(o.include_dirs, (Texts{"x", "y", "z"}));
  EXPECT_EQ(o.defines, (Texts{"A=1", "B", "C"}));
  EXPECT_EQ(o.std_define_file, "defs");
  EXPECT_EQ(o.filter_letters, "AB");
  EXPECT_EQ(o.studio_log, "log.txt");
  EXPECT_EQ(o.families, (Texts{"f1", "f2"}));
  EXPECT_EQ(o.scenarios, (Texts{"a.b", "c"}));
  EXPECT_TRUE(o.excluded_families.empty());
  EXPECT_TRUE(o.excluded_scenarios.empty());
  EXPECT_EQ(o.instance_name, "x,y");

  o = read({"s", "i", "r", "-EXFAMILY=g", "-EXSCN=e1,e2"});
  EXPECT_EQ(o.excluded_families, Texts{"g"});
  EXPECT_EQ(o.excluded_scenarios, (Texts{"e1", "e2"}));
  EXPECT_TRUE(o.families.empty());
}

TEST(RunOptions, FlagsNumbersAndThePath) {
  RunOptions o = read({"dir\\s.pts", "inc/a.h,b.h", "out/r", "-NOFAST", "-NOLOG", "-NOCOMMENT", "-NOTSHARED",
                       "-ALLOC", "-SPVGEN", "-THREAD", "-BUFSIZE=64", "-NOPATH"});
  EXPECT_FALSE(o.fast);
  EXPECT_FALSE(o.log);
  EXPECT_FALSE(o.comments);
  EXPECT_TRUE(o.not_shared);
  EXPECT_TRUE(o.spv_gen);
  EXPECT_EQ(o.thread_routine, "<start>");
  EXPECT_EQ(o.buffer_size, 64);
  // -NOPATH: the positional values lose their directories.
  EXPECT_EQ(o.script, "s.pts");
  EXPECT_EQ(o.interface_files, (Texts{"a.h", "b.h"}));
  EXPECT_EQ(o.root, "r");

  o = read({"s", "i", "r", "-THREAD=worker", "-BUFSIZE=0", "-FAST", "-LOG"});
  EXPECT_EQ(o.thread_routine, "worker");
  EXPECT_EQ(o.buffer_size, 10);
  EXPECT_TRUE(o.fast);
  EXPECT_TRUE(o.log);
}

TEST(RunOptions, InterfacePhaseParameters) {
  RunOptions o = read({"s", "a.h,b.h", "r", "-RESTRICTION=ANSI", "-INCL=d1,d2", "-DEFINE=X=1"});
  driver::InterfacePhaseInput input = driver::interface_phase_input(o, "defs.def");
  EXPECT_EQ(input.restriction, driver::Restriction::ANSI);
  EXPECT_EQ(input.include_dirs, (Texts{"d1", "d2"}));
  EXPECT_EQ(input.defines, Texts{"X=1"});
  EXPECT_EQ(input.definitions_file, "defs.def");
  EXPECT_EQ(input.interface_files, (Texts{"a.h", "b.h"}));
  EXPECT_EQ(driver::interface_phase_input(read({"s", "i", "r"}), "").restriction, driver::Restriction::NotGiven);
}

class RunOptionsDeathTest : public testing::Test {
 protected:
  void SetUp() override {
    diag::reset_catalogue();
    diag::register_all_messages();
  }
};

TEST_F(RunOptionsDeathTest, FilterLettersMustBeUpperCase) {
  RunOptions o = read({"s", "i", "r", "-SET=Ab"});
  EXPECT_EQ(o.filter_letters, "Ab");
  EXPECT_EXIT(driver::check_filter_letters(o), testing::ExitedWithCode(7),
              "^Qandor-F-BADFLTVAL,  Incorrect -SET option : filters must be upper case letters\n$");
  o.filter_letters = "A+";
  EXPECT_EXIT(driver::check_filter_letters(o), testing::ExitedWithCode(7), "BADFLTVAL");
  // Upper-case letters, or no -SET at all, pass.
  o.filter_letters = "AZ";
  driver::check_filter_letters(o);
  o.filter_letters.reset();
  driver::check_filter_letters(o);
}

TEST_F(RunOptionsDeathTest, ReadBeforeDecoding) {
  driver::release_command_line();
  EXPECT_EXIT(driver::read_run_options(), testing::ExitedWithCode(9), "INITPBRLM");
}

}  // namespace
