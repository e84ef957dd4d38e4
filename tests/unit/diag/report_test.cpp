// The reporting service: positions, counters, echo and listing, the fatal paths and the end of run.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "diag/catalogue.h"
#include "diag/report.h"

namespace {

using diag::MessageKind;

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class Reporting : public testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::reset_catalogue();
    diag::register_all_messages();
    // One file per test: ctest runs the tests of this program in parallel processes.
    listing_ = testing::TempDir() + "report_test_" + testing::UnitTest::GetInstance()->current_test_info()->name() +
               std::to_string(getpid()) + ".lis";
    std::remove(listing_.c_str());
  }
  void TearDown() override { diag::reset_reporting(); }

  // Runs `emit` and returns what reached stderr.
  template <typename F>
  std::string console(F emit) {
    testing::internal::CaptureStderr();
    emit();
    return testing::internal::GetCapturedStderr();
  }

  std::string listing_;
};

TEST_F(Reporting, LocationForms) {
  EXPECT_EQ(console([] { diag::report_at(MessageKind::Error, diag::Code::CANNOTOPN, "x.h", "a.pts", 3); }),
            "Qandor-E-CANNOTOPN,  [a.pts:3] Cannot open file x.h\n");
  EXPECT_EQ(console([] { diag::report_at(MessageKind::Error, diag::Code::CANNOTOPN, "x.h", "", 7); }),
            "Qandor-E-CANNOTOPN,  [7] Cannot open file x.h\n");
  EXPECT_EQ(console([] { diag::report_at(MessageKind::Warning, diag::Code::CANNOTOPN, "x.h", "", 0); }),
            "Qandor-W-CANNOTOPN,   Cannot open file x.h\n");
  EXPECT_EQ(console([] { diag::report_at_text(MessageKind::Information, diag::Code::CANNOTOPN, nullptr, "b.h", 1); }),
            "Qandor-I-CANNOTOPN,  [b.h:1] Cannot open file  \n");
}

TEST_F(Reporting, CurrentPosition) {
  diag::set_current_file("inc/x.h");
  diag::set_current_line(42);
  EXPECT_EQ(diag::current_line(), 42);
  EXPECT_EQ(console([] { diag::report_here(MessageKind::Error, diag::Code::CANNOTOPN, "y.h"); }),
            "Qandor-E-CANNOTOPN,  [inc/x.h:42] Cannot open file y.h\n");
}

TEST_F(Reporting, CountersGrowBeforeTheLineIsWritten) {
  console([] {
    diag::report_error(diag::Code::CANNOTOPN, " ", "a");
    diag::report_warning(diag::Code::CANNOTOPN, " ", "b");
    diag::report_warning(diag::Code::CANNOTOPN, " ", "c");
    diag::report_info(diag::Code::CANNOTOPN, " ", "d");
  });
  EXPECT_EQ(diag::error_count(), 1);
  EXPECT_EQ(diag::warning_count(), 2);
}

TEST_F(Reporting, UnknownCodeAndLeftoverPlaceholders) {
  // A code whose table is not registered prints its code and no text.
  diag::reset_catalogue();
  EXPECT_EQ(console([] { diag::report_error(diag::Code::CANNOTOPN, "a", "b"); }), "Qandor-E-CANNOTOPN,  \n");
  diag::register_all_messages();
  // An argument that itself carries a placeholder is cleaned like the text.
  EXPECT_EQ(console([] { diag::report_error(diag::Code::FICERROPN, "f%2%1.h", ""); }),
            "Qandor-E-FICERROPN,  File f.h opening problem\n");
}

TEST_F(Reporting, EchoAndListing) {
  std::string path = listing_;
  std::string out = console([&] {
    diag::open_listing(path, false);
    diag::report_warning(diag::Code::CANNOTOPN, " ", "quiet.h");
    diag::close_listing();
  });
  EXPECT_EQ(out, "");
  EXPECT_EQ(read_file(path), "Qandor-W-CANNOTOPN,   Cannot open file quiet.h\n");
  // Closing twice does nothing; messages after closing reach the console only.
  diag::close_listing();
}

TEST_F(Reporting, ListingNotCreatableIsFatal) {
  EXPECT_EXIT(diag::open_listing("/nonexistent-dir/x.lis", true), testing::ExitedWithCode(7),
              "Qandor-F-FICERROPN,  File /nonexistent-dir/x.lis opening problem\n");
}

TEST_F(Reporting, FatalAndInternalCloseTheListing) {
  std::string path = listing_;
  EXPECT_EXIT(
      {
        diag::open_listing(path, true);
        diag::report_fatal(diag::Code::COMMFATAL, "", "");
      },
      testing::ExitedWithCode(7), "Qandor-F-COMMFATAL,  Invalid command line\n");
  EXPECT_EQ(read_file(path), "Qandor-F-COMMFATAL,  Invalid command line\n");
  EXPECT_EXIT(diag::report_at(MessageKind::Internal, diag::Code::ERRINTERN, "parser", "", 0), testing::ExitedWithCode(9),
              "Qandor-S-ERRINTERN,   Internal error in parser\n");
  EXPECT_EXIT(diag::report_fatal_text(diag::Code::FICERROPN, nullptr, ""), testing::ExitedWithCode(7),
              "Qandor-F-FICERROPN,  File   opening problem\n");
}

TEST_F(Reporting, EndOfRunTextsAndStatuses) {
  EXPECT_EXIT(diag::finish_run(), testing::ExitedWithCode(0),
              "^Qandor-I-ENDNOENWR,  End of execution with 0 error and 0 warning\n$");
  EXPECT_EXIT(
      {
        diag::report_warning(diag::Code::CANNOTOPN, " ", "a");
        diag::report_warning(diag::Code::CANNOTOPN, " ", "a");
        diag::report_warning(diag::Code::CANNOTOPN, " ", "a");
        diag::finish_run();
      },
      testing::ExitedWithCode(3), "Qandor-I-ENDNOEWAR,  End of execution with 3 warning\\(s\\)\n$");
  EXPECT_EXIT(
      {
        diag::report_error(diag::Code::CANNOTOPN, " ", "a");
        diag::report_error(diag::Code::CANNOTOPN, " ", "a");
        diag::finish_run();
      },
      testing::ExitedWithCode(5), "Qandor-I-ENDERRNWR,  End of execution with 2 error\\(s\\)\n$");
  EXPECT_EXIT(
      {
        diag::report_error(diag::Code::CANNOTOPN, " ", "a");
        diag::report_error(diag::Code::CANNOTOPN, " ", "a");
        diag::report_warning(diag::Code::CANNOTOPN, " ", "a");
        diag::finish_run();
      },
      testing::ExitedWithCode(5), "Qandor-I-ENDERRWAR,  End of execution with 2 error\\(s\\) and 1 warning\\(s\\)\n$");
}

}  // namespace
