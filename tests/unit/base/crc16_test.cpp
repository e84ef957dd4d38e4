#include "base/crc16.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const unsigned char check_data[] = "123456789";
constexpr std::size_t check_length = 9;

TEST(Crc16, ReflectedIsKermit) {
  EXPECT_EQ(base::crc16(0, check_data, check_length, 0x8000, -1), 0x2189);
  // Reflected with start value 0xFFFF: CRC-16/MCRF4XX.
  EXPECT_EQ(base::crc16(0xFFFF, check_data, check_length, 0x8000, -1), 0x6F91);
}

TEST(Crc16, GivenStartValue) {
  EXPECT_EQ(base::crc16(0, check_data, check_length, 0x8000, 0), 0x31C3);       // XMODEM
  EXPECT_EQ(base::crc16(0x1D0F, check_data, check_length, 0x8000, 1), 0xE5CC);  // AUG-CCITT
}

TEST(Crc16, StartValueFromFlags) {
  // Bit 15 clear: the start value is (flags & 0xFF) * 257 and `initial` is ignored.
  EXPECT_EQ(base::crc16(0x1234, check_data, check_length, 0xFF, 0), 0x29B1);  // CCITT-FALSE
  EXPECT_EQ(base::crc16(0x1234, check_data, check_length, 0x7F00, 0), 0x31C3);
  EXPECT_EQ(base::crc16(0, check_data, check_length, 0x1D, 0),
            base::crc16(0x1D1D, check_data, check_length, 0x8000, 0));
}

TEST(Crc16, EmptyDataGivesTheStartValue) {
  EXPECT_EQ(base::crc16(0xBEEF, nullptr, 0, 0x8000, 0), 0xBEEF);
  EXPECT_EQ(base::crc16(0xBEEF, nullptr, 0, 0x8000, -1), 0xBEEF);  // reflected twice
  EXPECT_EQ(base::crc16(0, nullptr, 0, 0x12, 0), 0x1212);
}

TEST(Crc16, ChunksChainThroughTheStartValue) {
  unsigned first = base::crc16(0, check_data, 4, 0x8000, 0);
  EXPECT_EQ(base::crc16(static_cast<std::uint16_t>(first), check_data + 4, 5, 0x8000, 0), 0x31C3);
}

}  // namespace

namespace {

TEST(Crc16, ReflectedChunksChainToo) {
  std::uint16_t first = base::crc16(0, check_data, 4, 0x8000, -1);
  EXPECT_EQ(base::crc16(first, check_data + 4, 5, 0x8000, -1), 0x2189);
}

}  // namespace
