// CRC-16 with the polynomial 0x1021 (table driven).
#pragma once
#include <cstddef>
#include <cstdint>

namespace base {

// Bit 15 of `flags` set: `initial` is the start value; clear: the start value is (flags & 0xFF) * 257.
// `reflect` < 0 bit-reverses the input bytes, a given start value and the final value
// (CRC-16/KERMIT is crc16(0, data, n, 0x8000, -1): "123456789" gives 0x2189).
std::uint16_t crc16(std::uint16_t initial, const unsigned char* data, std::size_t length, unsigned flags,
                    int reflect);

}  // namespace base
