// Names of the script, the listing and the generated files, with their environment overrides.
#include <gtest/gtest.h>

#include <cstdlib>

#include "driver/output_names.h"

namespace {

class OutputNames : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"QMK_PTS", "QMK_LIS", "QMK_DEF", "QMK_TDC", "QMK_H", "QMK_TSF", "QMK_RIO", "QMK_SRC"}) {
      unsetenv(name);
    }
  }
  void TearDown() override { SetUp(); }
};

TEST_F(OutputNames, ScriptAndListing) {
  EXPECT_EQ(driver::script_file_name("demo"), "demo.pts");
  EXPECT_EQ(driver::script_file_name("demo.txt"), "demo.txt");
  EXPECT_EQ(driver::script_file_name("dir.d\\demo"), "dir.d\\demo.pts");
  EXPECT_EQ(driver::script_file_name("dir.d/demo"), "dir.d/demo.pts");
  EXPECT_EQ(driver::listing_file_name("demo.pts"), "demo.lis");
  EXPECT_EQ(driver::listing_file_name("demo.txt"), "demo.lis");
  EXPECT_EQ(driver::listing_file_name("in/demo.txt"), "in/demo.lis");
  EXPECT_EQ(driver::spg_file_name("in/demo.pts"), "in/demo.spg");
  setenv("QMK_PTS", "scr", 1);
  setenv("QMK_LIS", "log", 1);
  EXPECT_EQ(driver::script_file_name("demo"), "demo.scr");
  EXPECT_EQ(driver::listing_file_name("demo.scr"), "demo.log");
}

TEST_F(OutputNames, FilesAfterTheRoot) {
  EXPECT_EQ(driver::tdc_file_name("out\\drv"), "out\\drv.tdc");
  EXPECT_EQ(driver::header_file_name("out\\drv"), "out\\drv.h");
  EXPECT_EQ(driver::tsf_file_name("out\\drv"), "out\\drv_dyn.tsf");
  EXPECT_EQ(driver::report_file_name("out\\drv"), "out\\drv.rio");
  EXPECT_EQ(driver::source_file_name("out\\drv"), "out\\drv.cc");
  EXPECT_EQ(driver::tdc_file_name("out\\drv.cpp"), "out\\drv.tdc");
  EXPECT_EQ(driver::tsf_file_name("out\\drv.cpp"), "out\\drv_dyn.tsf");
  EXPECT_EQ(driver::source_file_name("out\\drv.cpp"), "out\\drv.cpp");
}

TEST_F(OutputNames, EnvironmentOverridesAndEmptyVariables) {
  setenv("QMK_TDC", "tdx", 1);
  EXPECT_EQ(driver::tdc_file_name("r"), "r.tdx");
  setenv("QMK_TDC", "", 1);
  EXPECT_EQ(driver::tdc_file_name("r"), "r.tdc");
  setenv("QMK_SRC", "cpp", 1);
  EXPECT_EQ(driver::source_file_name("r"), "r.cpp");
  EXPECT_EQ(driver::source_file_name("r.cxx"), "r.cxx");
  setenv("QMK_DEF", "dfn", 1);
  EXPECT_EQ(driver::definitions_file_name("host"), "host.dfn");
  EXPECT_EQ(driver::definitions_file_name("host.txt"), "host.txt");
}

TEST_F(OutputNames, ThreadRoutine) {
  EXPECT_EQ(driver::thread_routine_name("<start>", "out\\drv.cpp"), "drv_start");
  EXPECT_EQ(driver::thread_routine_name("<start>", "out/drv"), "drv_start");
  EXPECT_EQ(driver::thread_routine_name("<main>", "out/drv"), "<main>");
  EXPECT_EQ(driver::thread_routine_name("worker", "out/drv"), "worker");
}

}  // namespace
