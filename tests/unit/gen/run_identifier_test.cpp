// The run identifier: the date in ctime form, the process number, the check value of a file
// section, and SOURCE_DATE_EPOCH.
#include <gtest/gtest.h>

#include "gen/run_identifier.h"

namespace gen {
namespace {

TEST(RunIdentifier, SourceDateEpochGivesThatInstantInUtcAndProcessZero) {
  RunIdentifier id = run_identifier_from("1700000000", 5, 4242);
  EXPECT_EQ(id.date, "Tue Nov 14 22:13:20 2023");
  EXPECT_EQ(id.process, 0);
  EXPECT_EQ(id.text(), "Tue Nov 14 22:13:20 2023 0");
  // Single-digit days are padded with a blank, as ctime does.
  EXPECT_EQ(run_identifier_from("0", 5, 1).date, "Thu Jan  1 00:00:00 1970");
}

TEST(RunIdentifier, WithoutAUsableEpochTheClockAndTheProcessAreUsed) {
  for (const char* epoch : {"", "abc", "-5", "12x", " 12"}) {
    RunIdentifier id = run_identifier_from(epoch, 1700000000, 4242);
    EXPECT_EQ(id.process, 4242) << epoch;
    EXPECT_EQ(id.date.size(), 24u) << epoch;
    EXPECT_EQ(id.text(), id.date + " 4242") << epoch;
  }
}

// The check value: process + the file's second number + the sum of (character code - 32) over
// the date.
TEST(RunIdentifier, CheckValueAddsProcessFileNumberAndDateChecksum) {
  RunIdentifier id{"AB C", 100};
  // 'A' 65-32=33, 'B' 34, ' ' 0, 'C' 35: 102.
  EXPECT_EQ(id.check_value(7), 100 + 7 + 102);
  EXPECT_EQ((RunIdentifier{"", 0}.check_value(0)), 0);
}

}  // namespace
}  // namespace gen
