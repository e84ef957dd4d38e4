// The studio log: lines in order, an emptied file, and the fatal path.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "driver/studio_log.h"

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(StudioLog, LinesInOrderAndEmptiedOnOpen) {
  std::string path = testing::TempDir() + "studio_" + std::to_string(getpid()) + ".log";
  {
    std::ofstream old(path);
    old << "stale line\n";
  }
  driver::StudioLog log;
  driver::open_studio_log(log, path);
  driver::write_studio_line(log, "TDC", "out/drv.tdc");
  driver::write_studio_line(log, "_H_", "out/drv.h");
  driver::close_studio_log(log);
  driver::write_studio_line(log, "TSF", "ignored once closed");
  EXPECT_EQ(read_file(path), "TDC out/drv.tdc\n_H_ out/drv.h\n");
}

TEST(StudioLog, NotCreatableIsFatal) {
  diag::reset_catalogue();
  diag::register_all_messages();
  driver::StudioLog log;
  EXPECT_EXIT(driver::open_studio_log(log, "/nonexistent-dir/studio.log"), testing::ExitedWithCode(7),
              "Qandor-F-FICERROPN,  File /nonexistent-dir/studio.log opening problem\n");
}

}  // namespace
