// Message lines: the arg rule, the removal of leftover placeholders, the location prefix and the
// catalogue texts as the user sees them.
#include <gtest/gtest.h>

#include <string>

#include "diag/arg_subst.h"
#include "diag/catalogue.h"
#include "diag/report.h"

namespace {

using diag::MessageKind;

class MessageFormatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_catalogue();
    diag::register_all_messages();
    diag::catalogue_insert("TESTTWOAR", "<%1|%2>");
    diag::catalogue_insert("TESTTHREE", "%1-%2-%3-%4");
  }
  void TearDown() override { diag::reset_catalogue(); }
};

TEST(ArgRule, ReplacesEveryOccurrenceOfTheLowestPlaceholder) {
  EXPECT_EQ(diag::arg("%1 and %1, %2", "x"), "x and x, %2");
  EXPECT_EQ(diag::arg("%2 then %3", "x"), "x then %3");
  // Two-digit numbers are placeholders of their own: %10 is higher than %2.
  EXPECT_EQ(diag::arg("%10 %2", "x"), "%10 x");
  EXPECT_EQ(diag::arg("%10 %11", "x"), "x %11");
  // No placeholder left: the text is unchanged (and %0 or a lone % is no placeholder).
  EXPECT_EQ(diag::arg("100% sure %0", "x"), "100% sure %0");
  EXPECT_EQ(diag::arg("", "x"), "");
  EXPECT_EQ(diag::arg("ends with %", "x"), "ends with %");
}

TEST(ArgRule, LeftoverRemovalTakesOneTwoThreeInTurn) {
  std::string line = "a%1b%2c%3d%4e%%11";
  diag::remove_leftover_placeholders(line);
  EXPECT_EQ(line, "abcd%4e%1");
  // Removing %1 can join the characters around it into a new %2, which then goes too.
  line = "%%12";
  diag::remove_leftover_placeholders(line);
  EXPECT_EQ(line, "");
}

TEST_F(MessageFormatTest, FourArgumentCases) {
  EXPECT_EQ(diag::format_message(MessageKind::Error, "TESTTWOAR", "x", "y"), "Qandor-E-TESTTWOAR,  <x|y>\n");
  EXPECT_EQ(diag::format_message(MessageKind::Error, "TESTTWOAR", "x", ""), "Qandor-E-TESTTWOAR,  <x|>\n");
  // Only the second argument: it fills the lowest placeholder.
  EXPECT_EQ(diag::format_message(MessageKind::Error, "TESTTWOAR", "", "y"), "Qandor-E-TESTTWOAR,  <y|>\n");
  EXPECT_EQ(diag::format_message(MessageKind::Error, "TESTTWOAR", "", ""), "Qandor-E-TESTTWOAR,  <|>\n");
}

TEST_F(MessageFormatTest, LeftoverPlaceholdersAreRemovedFromTheWholeLine) {
  EXPECT_EQ(diag::format_message(MessageKind::Warning, "TESTTHREE", "", ""), "Qandor-W-TESTTHREE,  ---%4\n");
  EXPECT_EQ(diag::format_message(MessageKind::Warning, "TESTTHREE", "a", "b"), "Qandor-W-TESTTHREE,  a-b--%4\n");
  // An argument that carries a placeholder loses it too.
  EXPECT_EQ(diag::format_message(MessageKind::Information, "COPYRIGHT", "50%1 off %3", ""),
            "Qandor-I-COPYRIGHT,  50 off \n");
}

TEST_F(MessageFormatTest, KindLetters) {
  EXPECT_EQ(diag::format_message(MessageKind::Internal, "TESTTWOAR", "", "")[7], 'S');
  EXPECT_EQ(diag::format_message(MessageKind::Fatal, "TESTTWOAR", "", "")[7], 'F');
  EXPECT_EQ(diag::format_message(MessageKind::Error, "TESTTWOAR", "", "")[7], 'E');
  EXPECT_EQ(diag::format_message(MessageKind::Warning, "TESTTWOAR", "", "")[7], 'W');
  EXPECT_EQ(diag::format_message(MessageKind::Information, "TESTTWOAR", "", "")[7], 'I');
}

TEST_F(MessageFormatTest, PositionedMessages) {
  EXPECT_EQ(diag::format_message(MessageKind::Error, "CANNOTOPN", diag::location_prefix("a.pts", 3), "x.h"),
            "Qandor-E-CANNOTOPN,  [a.pts:3] Cannot open file x.h\n");
  // No file and no line: a single blank, so three blanks follow the comma.
  EXPECT_EQ(diag::format_message(MessageKind::Error, "CANNOTOPN", diag::location_prefix("", 0), "x.h"),
            "Qandor-E-CANNOTOPN,   Cannot open file x.h\n");
  EXPECT_EQ(diag::format_message(MessageKind::Error, "UNEXPTEOF", diag::location_prefix("", 12), ""),
            "Qandor-E-UNEXPTEOF,  [12] Unexpected end of file\n");
  EXPECT_EQ(diag::format_message(MessageKind::Error, "UNEXPTOUT", diag::location_prefix("b.pts", 1), ""),
            "Qandor-E-UNEXPTOUT,  [b.pts:1] Unexpected keyword TIMEOUT\n");
  EXPECT_EQ(diag::format_message(MessageKind::Error, "UNDECISTN", diag::location_prefix("s.pts", 40), "VT2"),
            "Qandor-E-UNDECISTN,  [s.pts:40] Instance 'VT2' not declared\n");
}

TEST_F(MessageFormatTest, UnknownCodeGivesThePrefixAlone) {
  EXPECT_EQ(diag::format_message(MessageKind::Fatal, "ALLOCFAILD", "x", "y"), "Qandor-F-ALLOCFAILD,  \n");
}

TEST_F(MessageFormatTest, EndOfRunTexts) {
  EXPECT_EQ(diag::format_message(MessageKind::Information, "ENDERRWAR", "2", "1"),
            "Qandor-I-ENDERRWAR,  End of execution with 2 error(s) and 1 warning(s)\n");
  EXPECT_EQ(diag::format_message(MessageKind::Information, "ENDERRNWR", "2", ""),
            "Qandor-I-ENDERRNWR,  End of execution with 2 error(s)\n");
  EXPECT_EQ(diag::format_message(MessageKind::Information, "ENDNOEWAR", "", "3"),
            "Qandor-I-ENDNOEWAR,  End of execution with 3 warning(s)\n");
  EXPECT_EQ(diag::format_message(MessageKind::Information, "ENDNOENWR", "", ""),
            "Qandor-I-ENDNOENWR,  End of execution with 0 error and 0 warning\n");
  EXPECT_EQ(diag::format_message(MessageKind::Fatal, "COMMFATAL", "", ""),
            "Qandor-F-COMMFATAL,  Invalid command line\n");
  EXPECT_EQ(diag::format_message(MessageKind::Fatal, "FICERROPN", "out/x.lis", ""),
            "Qandor-F-FICERROPN,  File out/x.lis opening problem\n");
  EXPECT_EQ(diag::format_message(MessageKind::Information, "STARTEXEC", "QMKPREPRO", " Title 1.0"),
            "Qandor-I-STARTEXEC,  QMKPREPRO Title 1.0\n");
}

TEST_F(MessageFormatTest, ReportAtWritesTheLineAndCountsIt) {
  diag::reset_reporting();
  ::testing::internal::CaptureStderr();
  diag::report_at(MessageKind::Error, diag::Code::CANNOTOPN, "x.h", "a.pts", 3);
  diag::report_at(MessageKind::Warning, diag::Code::NOEXEINST, "", "", 0);
  std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(printed,
            "Qandor-E-CANNOTOPN,  [a.pts:3] Cannot open file x.h\n"
            "Qandor-W-NOEXEINST,   Instructions after ERROR or EXIT are never executed\n");
  EXPECT_EQ(diag::error_count(), 1);
  EXPECT_EQ(diag::warning_count(), 1);
  diag::reset_reporting();
}

}  // namespace
