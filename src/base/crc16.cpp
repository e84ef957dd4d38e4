#include "base/crc16.h"

#include <array>

namespace base {

namespace {

constexpr std::uint16_t polynomial = 0x1021;

// Entry i: the CRC of i << 8, most significant bit first.
constexpr std::array<std::uint16_t, 256> make_crc_table() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned value = i << 8;
    for (int bit = 0; bit < 8; ++bit) value = (value & 0x8000) ? (value << 1) ^ polynomial : value << 1;
    table[i] = static_cast<std::uint16_t>(value);
  }
  return table;
}

// 8-bit reversal built from the reversal of each nibble.
constexpr std::array<std::uint8_t, 256> make_reverse_table() {
  constexpr std::uint8_t nibble[16] = {0x0, 0x8, 0x4, 0xC, 0x2, 0xA, 0x6, 0xE,
                                       0x1, 0x9, 0x5, 0xD, 0x3, 0xB, 0x7, 0xF};
  std::array<std::uint8_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) table[i] = static_cast<std::uint8_t>((nibble[i & 0xF] << 4) | nibble[i >> 4]);
  return table;
}

constexpr std::array<std::uint16_t, 256> crc_table = make_crc_table();
constexpr std::array<std::uint8_t, 256> reverse_table = make_reverse_table();

// A 16-bit value reversed: each byte reversed and the two bytes swapped.
std::uint16_t reverse16(std::uint16_t value) {
  return static_cast<std::uint16_t>((reverse_table[value & 0xFF] << 8) | reverse_table[value >> 8]);
}

}  // namespace

std::uint16_t crc16(std::uint16_t initial, const unsigned char* data, std::size_t length, unsigned flags,
                    int reflect) {
  bool reflected = reflect < 0;
  std::uint16_t value;
  if (flags & 0x8000) {
    value = reflected ? reverse16(initial) : initial;
  } else {
    value = static_cast<std::uint16_t>((flags & 0xFF) * 257);
  }
  for (std::size_t i = 0; i < length; ++i) {
    std::uint8_t byte = reflected ? reverse_table[data[i]] : data[i];
    value = static_cast<std::uint16_t>(crc_table[byte ^ (value >> 8)] ^ (value << 8));
  }
  return reflected ? reverse16(value) : value;
}

}  // namespace base
