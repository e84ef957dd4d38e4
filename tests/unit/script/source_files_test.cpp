// The file table and the source file records: identity keys, CRCs, absolute directories.
#include <gtest/gtest.h>

#include "script/source_files.h"

namespace {

TEST(FileTable, SameKeyAndCrcShareANumber) {
  script::FileTable table;
  EXPECT_EQ(script::register_file(table, 100, 0x1234), 1);
  EXPECT_EQ(script::register_file(table, 100, 0x9999), 2);
  EXPECT_EQ(script::register_file(table, 101, 0x1234), 3);
  EXPECT_EQ(script::register_file(table, 100, 0x1234), 1);
  EXPECT_EQ(table.rows.size(), 3u);
}

TEST(FileTable, FiveHundredDistinctFilesFitTheNextIsFatal) {
  script::FileTable table;
  for (int i = 0; i < script::file_table_limit; ++i) ASSERT_EQ(script::register_file(table, i, 0), i + 1);
  EXPECT_EQ(script::register_file(table, 7, 0), 8);  // a known file still gets its number
  EXPECT_EXIT(script::register_file(table, 100000, 0), ::testing::ExitedWithCode(7), "INCLOVFLW");
}

TEST(SourceFiles, AbsoluteDirectory) {
  EXPECT_EQ(script::absolute_directory_of("a.pts", "/work"), "/work");
  EXPECT_EQ(script::absolute_directory_of("sub/a.pts", "/work"), "/work/sub");
  EXPECT_EQ(script::absolute_directory_of("sub\\a.pts", "/work"), "/work/sub");
  EXPECT_EQ(script::absolute_directory_of("/abs/dir/a.pts", "/work"), "/abs/dir");
  EXPECT_EQ(script::absolute_directory_of("\\abs\\a.pts", "/work"), "\\abs");
  EXPECT_EQ(script::absolute_directory_of("c:\\x\\a.pts", "/work"), "c:\\x");
}

TEST(SourceFiles, OverlongWorkingDirectoryIsInternal) {
  std::string deep = "/" + std::string(4000, 'd');
  EXPECT_EXIT(script::absolute_directory_of("a.pts", deep), ::testing::ExitedWithCode(9), "SIZBUFOVL");
  EXPECT_EXIT(script::absolute_directory_of("x/a.pts", "/" + std::string(3998, 'd')), ::testing::ExitedWithCode(9),
              "SIZBUFOVL");
}

TEST(SourceFiles, IdentityKeyAddsDirectoryCharactersMinus32) {
  // '/' is 47 and 'a' 97: 15 + 65.
  EXPECT_EQ(script::identity_key_of(10, "/a"), 10 + 15 + 65);
  EXPECT_EQ(script::identity_key_of(0, ""), 0);
}

TEST(SourceFiles, RecordHoldsSizeCrcOverRawBytesAndNumber) {
  script::FileTable table;
  auto file = script::make_source_file("dir/check.pts", "123456789", table, "/w");
  EXPECT_EQ(file->size, 9u);
  EXPECT_EQ(file->crc, 0x2189);  // CRC-16/KERMIT check value
  EXPECT_EQ(file->entry.absolute_directory, "/w/dir");
  EXPECT_EQ(file->entry.base_name, "check.pts");
  EXPECT_EQ(file->entry.number, 1);
  // Carriage returns count in the CRC: another file.
  auto other = script::make_source_file("dir/check.pts", "1234\r\n6789", table, "/w");
  EXPECT_EQ(other->entry.number, 2);
  auto again = script::make_source_file("dir/check.pts", "123456789", table, "/w");
  EXPECT_EQ(again->entry.number, 1);
}

}  // namespace
