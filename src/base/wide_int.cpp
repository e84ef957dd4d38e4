#include "base/wide_int.h"

#include <algorithm>
#include <iterator>
#include <limits>


namespace base {

namespace {

// The arithmetic works on six 32-bit limbs (192 bits, least significant first) holding the
// value sign-extended; a result is representable when bits 167 to 191 are all equal. Sums and
// differences of two 168-bit values never overflow 192 bits, so "does it fit" is the overflow test.
constexpr int limb_count = 6;
using Limbs = std::array<std::uint32_t, limb_count>;

Limbs to_limbs(const WideInt& value) {
  Limbs limbs{};
  for (int k = 0; k < wide_bytes; ++k) limbs[k / 4] |= std::uint32_t(wide_byte(value, k)) << (8 * (k % 4));
  if (wide_byte(value, wide_bytes - 1) & 0x80) limbs[limb_count - 1] |= 0xFFFFFF00u;
  return limbs;
}

// The low 168 bits of `limbs`.
WideInt from_limbs(const Limbs& limbs) {
  WideInt value;
  for (int k = 0; k < wide_bytes; ++k) set_wide_byte(value, k, std::uint8_t(limbs[k / 4] >> (8 * (k % 4))));
  return value;
}

bool limbs_negative(const Limbs& l) { return (l[limb_count - 1] & 0x80000000u) != 0; }

bool limbs_fit(const Limbs& l) {
  std::uint32_t top = l[limb_count - 1] >> 7;  // bits 167..191
  return top == 0 || top == 0x1FFFFFFu;
}

Limbs limbs_add(const Limbs& a, const Limbs& b, std::uint32_t carry_in = 0) {
  Limbs sum{};
  std::uint64_t carry = carry_in;
  for (int i = 0; i < limb_count; ++i) {
    carry += std::uint64_t(a[i]) + b[i];
    sum[i] = std::uint32_t(carry);
    carry >>= 32;
  }
  return sum;
}

Limbs limbs_not(const Limbs& a) {
  Limbs result{};
  for (int i = 0; i < limb_count; ++i) result[i] = ~a[i];
  return result;
}

Limbs limbs_negate(const Limbs& a) { return limbs_add(limbs_not(a), Limbs{}, 1); }

Limbs limbs_subtract(const Limbs& a, const Limbs& b) { return limbs_add(a, limbs_not(b), 1); }

Limbs limbs_magnitude(const Limbs& a) { return limbs_negative(a) ? limbs_negate(a) : a; }

bool limbs_zero(const Limbs& a) {
  return std::all_of(a.begin(), a.end(), [](std::uint32_t limb) { return limb == 0; });
}

// Unsigned comparison of two magnitudes.
int limbs_compare_unsigned(const Limbs& a, const Limbs& b) {
  for (int i = limb_count - 1; i >= 0; --i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

bool limbs_bit(const Limbs& a, int bit) { return (a[bit / 32] >> (bit % 32)) & 1u; }

Limbs limbs_shift_left(const Limbs& a, int count) {
  Limbs result{};
  int limbs = count / 32, bits = count % 32;
  for (int i = limb_count - 1; i >= limbs; --i) {
    std::uint64_t part = std::uint64_t(a[i - limbs]) << bits;
    if (bits != 0 && i - limbs - 1 >= 0) part |= a[i - limbs - 1] >> (32 - bits);
    result[i] = std::uint32_t(part);
  }
  return result;
}

// Arithmetic shift: the vacated bits take the sign.
Limbs limbs_shift_right(const Limbs& a, int count) {
  std::uint32_t fill = limbs_negative(a) ? 0xFFFFFFFFu : 0;
  Limbs result{};
  int limbs = count / 32, bits = count % 32;
  for (int i = 0; i < limb_count; ++i) {
    int from = i + limbs;
    std::uint32_t low = from < limb_count ? a[from] : fill;
    std::uint32_t high = from + 1 < limb_count ? a[from + 1] : fill;
    result[i] = bits == 0 ? low : (low >> bits) | (high << (32 - bits));
  }
  return result;
}

// Small unsigned division in place; gives the remainder.
std::uint32_t limbs_divide_small(Limbs& a, std::uint32_t divisor) {
  std::uint64_t rest = 0;
  for (int i = limb_count - 1; i >= 0; --i) {
    std::uint64_t part = (rest << 32) | a[i];
    a[i] = std::uint32_t(part / divisor);
    rest = part % divisor;
  }
  return std::uint32_t(rest);
}

// a * factor + addend on an unsigned magnitude; false when the result leaves 192 bits.
bool limbs_multiply_add_small(Limbs& a, std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (int i = 0; i < limb_count; ++i) {
    carry += std::uint64_t(a[i]) * factor;
    a[i] = std::uint32_t(carry);
    carry >>= 32;
  }
  return carry == 0;
}

void note_overflow(WideFaults* faults) {
  if (faults != nullptr) ++faults->overflows;
}
void note_zero_divisor(WideFaults* faults) {
  if (faults != nullptr) ++faults->zero_divisors;
}

// The 168-bit result of a 192-bit computation, noting an overflow when it is not representable.
WideInt checked_result(const Limbs& limbs, WideFaults* faults) {
  if (!limbs_fit(limbs)) note_overflow(faults);
  return from_limbs(limbs);
}

// Unsigned long division of magnitudes (both below 2^191, divisor not zero).
void divide_magnitudes(const Limbs& dividend, const Limbs& divisor, Limbs& quotient, Limbs& remainder) {
  quotient = Limbs{};
  remainder = Limbs{};
  for (int bit = wide_bits - 1; bit >= 0; --bit) {
    remainder = limbs_shift_left(remainder, 1);
    if (limbs_bit(dividend, bit)) remainder[0] |= 1u;
    if (limbs_compare_unsigned(remainder, divisor) >= 0) {
      remainder = limbs_subtract(remainder, divisor);
      quotient[bit / 32] |= 1u << (bit % 32);
    }
  }
}

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

bool is_digit_of(char c, int base) { return digit_value(c) < base; }

// The C integer suffixes: u/U alone or with l/L, ll/LL on either side.
struct SuffixRow {
  const char* text;
  bool is_unsigned;
  int long_count;
};
constexpr SuffixRow suffix_table[] = {
    {"", false, 0},    {"u", true, 0},    {"U", true, 0},    {"l", false, 1},   {"L", false, 1},
    {"ll", false, 2},  {"LL", false, 2},  {"ul", true, 1},   {"uL", true, 1},   {"Ul", true, 1},
    {"UL", true, 1},   {"lu", true, 1},   {"lU", true, 1},   {"Lu", true, 1},   {"LU", true, 1},
    {"ull", true, 2},  {"uLL", true, 2},  {"Ull", true, 2},  {"ULL", true, 2},  {"llu", true, 2},
    {"llU", true, 2},  {"LLu", true, 2},  {"LLU", true, 2},
};

// The display-base letters of a "#" suffix.
struct BaseLetterRow {
  char letter;
  int display_base;
  bool is_integer;      // the size must be a multiple of 8
  bool is_unsigned;     // the size is stored positive
  int default_size;     // without digits
};
constexpr BaseLetterRow base_letter_table[] = {
    {'H', 0, true, false, 0}, {'h', 0, true, false, 0}, {'D', 1, true, false, 0},  {'d', 1, true, false, 0},
    {'B', 2, true, false, 0}, {'b', 2, true, false, 0}, {'U', 3, true, true, 0},   {'u', 3, true, true, 0},
    {'F', 4, false, false, 6}, {'f', 4, false, false, 6}, {'E', 5, false, false, 48}, {'e', 5, false, false, 48},
};
constexpr int max_size_digits = 6;

}  // namespace

std::uint8_t wide_byte(const WideInt& value, int k) { return k == wide_bytes - 1 ? value.bytes[0] : value.bytes[1 + k]; }

void set_wide_byte(WideInt& value, int k, std::uint8_t byte) {
  if (k == wide_bytes - 1) {
    value.bytes[0] = byte;
  } else {
    value.bytes[1 + k] = byte;
  }
}

WideInt wide_max() {
  WideInt value;
  value.bytes.fill(0xFF);
  value.bytes[0] = 0x7F;
  return value;
}

WideInt wide_min() {
  WideInt value;
  value.bytes[0] = 0x80;
  return value;
}

WideInt wide_from_int64(std::int64_t value) {
  Limbs limbs{};
  std::uint64_t bits = static_cast<std::uint64_t>(value);
  std::uint32_t fill = value < 0 ? 0xFFFFFFFFu : 0;
  limbs.fill(fill);
  limbs[0] = std::uint32_t(bits);
  limbs[1] = std::uint32_t(bits >> 32);
  return from_limbs(limbs);
}

WideInt wide_from_uint64(std::uint64_t value) {
  Limbs limbs{};
  limbs[0] = std::uint32_t(value);
  limbs[1] = std::uint32_t(value >> 32);
  return from_limbs(limbs);
}

bool wide_to_int64(const WideInt& value, std::int64_t* out) {
  if (!wide_fits(value, 64, true)) return false;
  Limbs limbs = to_limbs(value);
  *out = static_cast<std::int64_t>((std::uint64_t(limbs[1]) << 32) | limbs[0]);
  return true;
}

bool wide_to_uint64(const WideInt& value, std::uint64_t* out) {
  if (!wide_fits(value, 64, false)) return false;
  Limbs limbs = to_limbs(value);
  *out = (std::uint64_t(limbs[1]) << 32) | limbs[0];
  return true;
}

bool wide_is_zero(const WideInt& value) { return value == WideInt{}; }

bool wide_is_negative(const WideInt& value) { return (value.bytes[0] & 0x80) != 0; }

int wide_compare(const WideInt& a, const WideInt& b) {
  bool a_negative = wide_is_negative(a), b_negative = wide_is_negative(b);
  if (a_negative != b_negative) return a_negative ? -1 : 1;
  // Same sign: two's complement orders like the unsigned bit patterns.
  return limbs_compare_unsigned(to_limbs(a), to_limbs(b));
}

WideInt wide_add(const WideInt& a, const WideInt& b, WideFaults* faults) { return checked_result(limbs_add(to_limbs(a), to_limbs(b)), faults); }

WideInt wide_add_small(const WideInt& a, int small, WideFaults* faults) { return wide_add(a, wide_from_int64(small), faults); }

WideInt wide_subtract(const WideInt& a, const WideInt& b, WideFaults* faults) {
  return checked_result(limbs_subtract(to_limbs(a), to_limbs(b)), faults);
}

WideInt wide_negate(const WideInt& a, WideFaults* faults) { return checked_result(limbs_negate(to_limbs(a)), faults); }

WideInt wide_multiply(const WideInt& a, const WideInt& b, WideFaults* faults) {
  Limbs la = to_limbs(a), lb = to_limbs(b);
  bool negative = limbs_negative(la) != limbs_negative(lb);
  Limbs ma = limbs_magnitude(la), mb = limbs_magnitude(lb);
  std::array<std::uint32_t, 2 * limb_count> product{};
  for (int i = 0; i < limb_count; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < limb_count; ++j) {
      carry += std::uint64_t(ma[i]) * mb[j] + product[i + j];
      product[i + j] = std::uint32_t(carry);
      carry >>= 32;
    }
    product[i + limb_count] = std::uint32_t(carry);
  }
  Limbs low{};
  std::copy_n(product.begin(), limb_count, low.begin());
  bool high_used = std::any_of(product.begin() + limb_count, product.end(), [](std::uint32_t l) { return l != 0; });
  // A magnitude of 2^191 or more cannot be negated within 192 bits: it overflows anyway.
  bool fits = !high_used && !limbs_negative(low);
  Limbs result = negative ? limbs_negate(low) : low;
  if (fits && limbs_fit(result)) return from_limbs(result);
  note_overflow(faults);
  return from_limbs(result);
}

WideDivision wide_divide_euclid(const WideInt& a, const WideInt& b, WideFaults* faults) {
  Limbs la = to_limbs(a), lb = to_limbs(b);
  if (limbs_zero(lb)) {
    note_zero_divisor(faults);
    return WideDivision{};
  }
  Limbs magnitude_a = limbs_magnitude(la), magnitude_b = limbs_magnitude(lb);
  Limbs q, r;
  divide_magnitudes(magnitude_a, magnitude_b, q, r);
  // |a| = |b| * q + r. For a negative dividend with a remainder, step one further from zero so
  // that the remainder |b| - r is positive.
  if (limbs_negative(la) && !limbs_zero(r)) {
    q = limbs_add(q, Limbs{}, 1);
    r = limbs_subtract(magnitude_b, r);
  }
  if (limbs_negative(la) != limbs_negative(lb)) q = limbs_negate(q);
  return WideDivision{checked_result(q, faults), from_limbs(r)};
}

WideInt wide_divide(const WideInt& a, const WideInt& b, WideFaults* faults) { return wide_divide_euclid(a, b, faults).quotient; }

WideInt wide_remainder(const WideInt& a, const WideInt& b, WideFaults* faults) {
  Limbs lb = to_limbs(b);
  if (limbs_zero(lb)) {
    note_zero_divisor(faults);
    return WideInt{};
  }
  // Computed apart from the quotient so that min % -1 (remainder 0) reports no overflow.
  Limbs magnitude_b = limbs_magnitude(lb);
  Limbs q, r;
  divide_magnitudes(limbs_magnitude(to_limbs(a)), magnitude_b, q, r);
  if (wide_is_negative(a) && !limbs_zero(r)) r = limbs_subtract(magnitude_b, r);
  return from_limbs(r);
}

WideDivision wide_divide_truncated(const WideInt& a, const WideInt& b, WideFaults* faults) {
  Limbs la = to_limbs(a), lb = to_limbs(b);
  if (limbs_zero(lb)) {
    note_zero_divisor(faults);
    return WideDivision{};
  }
  Limbs q, r;
  divide_magnitudes(limbs_magnitude(la), limbs_magnitude(lb), q, r);
  if (limbs_negative(la) != limbs_negative(lb)) q = limbs_negate(q);
  if (limbs_negative(la)) r = limbs_negate(r);
  return WideDivision{checked_result(q, faults), from_limbs(r)};
}

WideInt wide_and(const WideInt& a, const WideInt& b) {
  WideInt result;
  for (int i = 0; i < wide_bytes; ++i) result.bytes[i] = a.bytes[i] & b.bytes[i];
  return result;
}

WideInt wide_or(const WideInt& a, const WideInt& b) {
  WideInt result;
  for (int i = 0; i < wide_bytes; ++i) result.bytes[i] = a.bytes[i] | b.bytes[i];
  return result;
}

WideInt wide_xor(const WideInt& a, const WideInt& b) {
  WideInt result;
  for (int i = 0; i < wide_bytes; ++i) result.bytes[i] = a.bytes[i] ^ b.bytes[i];
  return result;
}

WideInt wide_not(const WideInt& a) {
  WideInt result;
  for (int i = 0; i < wide_bytes; ++i) result.bytes[i] = std::uint8_t(~a.bytes[i]);
  return result;
}

// A negative count shifts the other way.
WideInt wide_shift_left(const WideInt& a, int count, WideFaults* faults) {
  if (count < 0) return wide_shift_right(a, count == std::numeric_limits<int>::min() ? wide_bits : -count, faults);
  if (count == 0) return a;
  if (count >= wide_bits) {
    if (!wide_is_zero(a)) note_overflow(faults);
    return WideInt{};
  }
  // a << n is representable exactly when a fits in 168 - n signed bits.
  if (!wide_fits(a, wide_bits - count, true)) note_overflow(faults);
  return from_limbs(limbs_shift_left(to_limbs(a), count));
}

WideInt wide_shift_right(const WideInt& a, int count, WideFaults* faults) {
  if (count < 0) return wide_shift_left(a, count == std::numeric_limits<int>::min() ? wide_bits : -count, faults);
  return from_limbs(limbs_shift_right(to_limbs(a), std::min(count, limb_count * 32 - 1)));
}

bool wide_fits(const WideInt& value, int bits, bool is_signed) {
  if (is_signed) {
    if (bits >= wide_bits) return true;
    if (bits < 1) return false;
    // The bits from bits - 1 upwards are all copies of the sign.
    Limbs high = limbs_shift_right(to_limbs(value), bits - 1);
    return limbs_zero(high) || limbs_zero(limbs_not(high));
  }
  if (wide_is_negative(value)) return false;
  if (bits >= wide_bits - 1) return true;
  if (bits < 1) return wide_is_zero(value);
  return limbs_zero(limbs_shift_right(to_limbs(value), bits));
}

// Unsigned widths of 167 bits and more keep the value itself: no 168-bit signed value can
// hold a negative number's unsigned image at that width.
WideInt wide_wrap(const WideInt& value, int bits, bool is_signed) {
  if (bits >= wide_bits - (is_signed ? 0 : 1) || bits < 1) return value;
  Limbs limbs = to_limbs(value);
  for (int bit = bits; bit < limb_count * 32; ++bit) limbs[bit / 32] &= ~(1u << (bit % 32));
  if (is_signed && limbs_bit(limbs, bits - 1)) {
    for (int bit = bits; bit < limb_count * 32; ++bit) limbs[bit / 32] |= 1u << (bit % 32);
  }
  return from_limbs(limbs);
}

std::string wide_to_text(const WideInt& value, int base) {
  if (base < 2 || base > 36) return {};
  Limbs magnitude = limbs_magnitude(to_limbs(value));
  std::string digits;
  do {
    std::uint32_t digit = limbs_divide_small(magnitude, std::uint32_t(base));
    digits += "0123456789abcdefghijklmnopqrstuvwxyz"[digit];
  } while (!limbs_zero(magnitude));
  if (wide_is_negative(value)) digits += '-';
  std::reverse(digits.begin(), digits.end());
  return digits;
}

TextStatus wide_from_text(std::string_view text, int base, WideInt* out) {
  if (base < 2 || base > 36) return TextStatus::BadBase;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return TextStatus::Empty;
  if (!std::all_of(text.begin(), text.end(), [base](char c) { return is_digit_of(c, base); })) {
    return TextStatus::BadDigit;
  }
  // The magnitude may reach 2^167 (the minimum); anything beyond is too large.
  Limbs limit{};
  limit[wide_bits / 32] = 1u << ((wide_bits - 1) % 32);
  Limbs magnitude{};
  for (char c : text) {
    if (!limbs_multiply_add_small(magnitude, std::uint32_t(base), std::uint32_t(digit_value(c))) ||
        limbs_compare_unsigned(magnitude, limit) > 0) {
      return TextStatus::TooLarge;
    }
  }
  if (!negative && limbs_compare_unsigned(magnitude, limit) == 0) return TextStatus::TooLarge;
  *out = from_limbs(negative ? limbs_negate(magnitude) : magnitude);
  return TextStatus::Ok;
}

CConstant parse_c_constant(std::string_view text) {
  CConstant constant;
  if (text.empty()) return constant;
  std::string_view digits = text;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    constant.base = 16;
    digits.remove_prefix(2);
  } else if (text[0] == '0') {
    constant.base = 8;
  }
  // The digits run up to the suffix: hexadecimal digits for base 16, decimal digits otherwise
  // (an 8 or 9 in an octal constant is a bad digit, not the start of a suffix).
  int run_base = constant.base == 16 ? 16 : 10;
  std::size_t length = 0;
  while (length < digits.size() && is_digit_of(digits[length], run_base)) ++length;
  std::string_view suffix = digits.substr(length);
  digits = digits.substr(0, length);
  constant.status = TextStatus::BadDigit;
  if (digits.empty()) return constant;
  const SuffixRow* row = std::find_if(std::begin(suffix_table), std::end(suffix_table),
                                      [suffix](const SuffixRow& r) { return suffix == r.text; });
  if (row == std::end(suffix_table)) return constant;
  constant.is_unsigned = row->is_unsigned;
  constant.long_count = row->long_count;
  constant.status = wide_from_text(digits, constant.base, &constant.value);
  return constant;
}

DisplaySuffix parse_display_suffix(std::string_view text) {
  DisplaySuffix result;
  auto fail = [](SuffixStatus status) { return DisplaySuffix{status, 6, 0}; };
  if (!text.empty() && (text[0] == '1' || text[0] == '2')) {
    if (text == "16") return DisplaySuffix{SuffixStatus::Ok, 0, 0};
    if (text == "2") return DisplaySuffix{SuffixStatus::Ok, 2, 0};
    return fail(SuffixStatus::UnknownBase);
  }
  const BaseLetterRow* row = text.empty() ? std::end(base_letter_table)
                                          : std::find_if(std::begin(base_letter_table), std::end(base_letter_table),
                                                         [&](const BaseLetterRow& r) { return r.letter == text[0]; });
  if (row == std::end(base_letter_table)) return fail(SuffixStatus::UnknownBase);
  std::string_view rest = text.substr(1);
  std::size_t digit_count = 0;
  while (digit_count < rest.size() && rest[digit_count] >= '0' && rest[digit_count] <= '9') ++digit_count;
  if (digit_count != rest.size() || digit_count > max_size_digits) return fail(SuffixStatus::TrailingText);
  int size = row->default_size;
  if (digit_count > 0) {
    size = 0;
    for (char c : rest) size = size * 10 + (c - '0');
  }
  if (row->is_integer && size % 8 != 0) return fail(SuffixStatus::SizeNotByteMultiple);
  result.display_base = row->display_base;
  result.size = row->is_unsigned ? size : -size;
  return result;
}

}  // namespace base
