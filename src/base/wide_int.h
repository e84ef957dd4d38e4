// Wide integers: 168-bit signed two's complement values for the constant arithmetic of the
// interface analysis (C constants read with more precision than any C type, #if arithmetic).
//
// Layout: 21 bytes; byte 0 is the most significant byte and carries the sign, bytes 1 to 20
// hold the remaining 160 bits from the least significant byte upwards. Values are plain
// 21-byte records, copied by value.
//
// Arithmetic that overflows, or divides by zero, counts the fault in the caller's WideFaults (when
// one is given) and gives the value wrapped to 168 bits (overflow) or 0 (zero divisor), so the
// caller can go on and report the fault in its own terms ("OVERFLOW", "DIVBYZERO").
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

inline constexpr int wide_bits = 168;
inline constexpr int wide_bytes = 21;

struct WideInt {
  std::array<std::uint8_t, wide_bytes> bytes{};  // all zero: the value 0

  friend bool operator==(const WideInt&, const WideInt&) = default;
};

// The byte of significance `k` (0 = least significant, 20 = the sign byte), in the layout above.
std::uint8_t wide_byte(const WideInt& value, int k);
void set_wide_byte(WideInt& value, int k, std::uint8_t byte);

// Faults counted by the arithmetic below; the caller decides what they mean.
struct WideFaults {
  int overflows = 0;
  int zero_divisors = 0;
  bool any() const { return overflows != 0 || zero_divisors != 0; }
};

WideInt wide_max();  // 2^167 - 1
WideInt wide_min();  // -2^167
WideInt wide_from_int64(std::int64_t value);
WideInt wide_from_uint64(std::uint64_t value);
// False (and *out untouched) when the value is out of the target's range.
bool wide_to_int64(const WideInt& value, std::int64_t* out);
bool wide_to_uint64(const WideInt& value, std::uint64_t* out);

bool wide_is_zero(const WideInt& value);
bool wide_is_negative(const WideInt& value);
// -1, 0 or 1 as a < b, a == b, a > b (signed).
int wide_compare(const WideInt& a, const WideInt& b);

WideInt wide_add(const WideInt& a, const WideInt& b, WideFaults* faults = nullptr);
WideInt wide_add_small(const WideInt& a, int small, WideFaults* faults = nullptr);
WideInt wide_subtract(const WideInt& a, const WideInt& b, WideFaults* faults = nullptr);
WideInt wide_multiply(const WideInt& a, const WideInt& b, WideFaults* faults = nullptr);
WideInt wide_negate(const WideInt& a, WideFaults* faults = nullptr);  // -min overflows

// Euclidean division: a = b * quotient + remainder with 0 <= remainder < |b|
// (so -7 / 2 is -4 remainder 1, and -7 / -2 is 4 remainder 1). min / -1 overflows.
struct WideDivision {
  WideInt quotient;
  WideInt remainder;
};
WideDivision wide_divide_euclid(const WideInt& a, const WideInt& b, WideFaults* faults = nullptr);
WideInt wide_divide(const WideInt& a, const WideInt& b, WideFaults* faults = nullptr);
WideInt wide_remainder(const WideInt& a, const WideInt& b, WideFaults* faults = nullptr);
// C's division, for evaluating C expressions: the quotient rounded towards zero and the
// remainder with the dividend's sign (-7 / 2 is -3 remainder -1). Same faults as above.
WideDivision wide_divide_truncated(const WideInt& a, const WideInt& b, WideFaults* faults = nullptr);

// Bit operations on the two's complement form.
WideInt wide_and(const WideInt& a, const WideInt& b);
WideInt wide_or(const WideInt& a, const WideInt& b);
WideInt wide_xor(const WideInt& a, const WideInt& b);
WideInt wide_not(const WideInt& a);
// Shifts by `count` bits. Left: overflow when the value does not survive (bits lost or sign changed).
// Right: arithmetic (rounds towards minus infinity); counts of 168 and more give 0 or -1.
WideInt wide_shift_left(const WideInt& a, int count, WideFaults* faults = nullptr);
WideInt wide_shift_right(const WideInt& a, int count, WideFaults* faults = nullptr);

// Whether `value` is representable in an integer of `bits` bits (1..168), signed or not.
bool wide_fits(const WideInt& value, int bits, bool is_signed);
// `value` converted to such an integer as C converts: the low `bits` bits, sign- or zero-extended.
WideInt wide_wrap(const WideInt& value, int bits, bool is_signed);

// Text forms. Bases 2 to 36; digits above 9 are letters (written lower case, read in either case).
enum class TextStatus { Ok, Empty, BadDigit, BadBase, TooLarge };
// Sign and magnitude: "-" for negative values, then the digits without prefix ("-ff", "101").
std::string wide_to_text(const WideInt& value, int base);
// Reads an optional '+' or '-' and the digits of `base`. Reports nothing: the caller gives the
// message that fits its context. On a status other than Ok, *out is untouched.
TextStatus wide_from_text(std::string_view text, int base, WideInt* out);

// A C integer constant: decimal, octal (leading 0) or hexadecimal (0x, 0X) digits, then an
// optional suffix of u/U and l/L, ll/LL in either order ("10ul", "0x1FLLU", "7lu").
struct CConstant {
  TextStatus status = TextStatus::Empty;  // BadDigit also covers a malformed suffix or "0x" alone
  WideInt value;
  int base = 10;
  bool is_unsigned = false;
  int long_count = 0;  // 0, 1 (l) or 2 (ll)
};
CConstant parse_c_constant(std::string_view text);

// The "#" display suffix of a FORMAT text (the part after "#"): "16" or H/h hexadecimal (0),
// D/d decimal (1), "2" or B/b binary (2), U/u unsigned decimal (3), F/f fixed floating (4,
// default precision 6), E/e exponent floating (5, default precision 48). Digits after the letter
// give the size in bits (the precision for F and E); for H, D, B and U the size must be a multiple
// of 8. The stored size is negative (signed) for every letter but U; "16" and "2" take no size.
enum class SuffixStatus {
  Ok,
  UnknownBase,     // an unknown letter or a malformed "16" / "2": "BASEINCON" for the caller
  TrailingText,    // characters after the size digits: "TAILLEERR"
  SizeNotByteMultiple  // an integer size that is not a multiple of 8: "TAILLEDIV"
};
struct DisplaySuffix {
  SuffixStatus status = SuffixStatus::Ok;
  int display_base = 6;  // on failure: the default base 6 and size 0
  int size = 0;
};
DisplaySuffix parse_display_suffix(std::string_view text);

}  // namespace base
