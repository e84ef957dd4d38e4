#include "base/wide_int.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>


namespace {

using base::WideInt;

WideInt w(std::int64_t value) { return base::wide_from_int64(value); }

WideInt parse(std::string_view text, int base = 10) {
  WideInt value;
  EXPECT_EQ(base::wide_from_text(text, base, &value), base::TextStatus::Ok) << text;
  return value;
}

std::string dec(const WideInt& value) { return base::wide_to_text(value, 10); }

const char max_decimal[] = "187072209578355573530071658587684226515959365500927";        // 2^167 - 1
const char min_decimal[] = "-187072209578355573530071658587684226515959365500928";       // -2^167
const char min_plus_one[] = "-187072209578355573530071658587684226515959365500927";

// Every arithmetic test watches the faults: the fixture's record counts them, and the base
// services print nothing themselves.
class Wide : public ::testing::Test {
 protected:
  void SetUp() override { ::testing::internal::CaptureStderr(); }
  void TearDown() override { EXPECT_EQ(::testing::internal::GetCapturedStderr(), ""); }
  int faults() const { return faults_.overflows + faults_.zero_divisors; }
  base::WideFaults faults_;
};

TEST_F(Wide, LayoutHasTheSignInByteZero) {
  WideInt one = w(1);
  EXPECT_EQ(one.bytes[1], 1);  // least significant byte
  EXPECT_EQ(one.bytes[0], 0);
  WideInt minus_one = w(-1);
  for (std::uint8_t byte : minus_one.bytes) EXPECT_EQ(byte, 0xFF);
  WideInt big = base::wide_shift_left(w(1), 160, &faults_);  // the lowest bit of byte 0
  EXPECT_EQ(big.bytes[0], 0x01);
  EXPECT_EQ(big.bytes[20], 0x00);
  EXPECT_EQ(base::wide_max().bytes[0], 0x7F);
  EXPECT_EQ(base::wide_min().bytes[0], 0x80);
  EXPECT_EQ(base::wide_byte(w(0x1234), 1), 0x12);
}

TEST_F(Wide, AdditionCarriesAcrossBytes) {
  EXPECT_EQ(dec(base::wide_add(w(0xFF), w(1), &faults_)), "256");
  EXPECT_EQ(dec(base::wide_add(parse("ffffffffffffffffffffffffffffffffffffffff", 16), w(1), &faults_)),
            "1461501637330902918203684832716283019655932542976");  // a carry into byte 0 (2^160)
  EXPECT_EQ(dec(base::wide_add(w(-1), w(1), &faults_)), "0");
  EXPECT_EQ(dec(base::wide_add(w(-300), w(45), &faults_)), "-255");
  EXPECT_EQ(dec(base::wide_add_small(w(10), -11, &faults_)), "-1");
  EXPECT_EQ(dec(base::wide_subtract(w(0), w(1), &faults_)), "-1");
  EXPECT_EQ(dec(base::wide_subtract(w(256), w(1), &faults_)), "255");
  EXPECT_EQ(dec(base::wide_subtract(base::wide_min(), w(-1), &faults_)), min_plus_one);
  EXPECT_EQ(base::wide_add(base::wide_max(), base::wide_min(), &faults_), w(-1));
  EXPECT_EQ(faults(), 0);
}

TEST_F(Wide, AddingOneToTheMaximumOverflows) {
  WideInt result = base::wide_add(base::wide_max(), w(1), &faults_);
  EXPECT_EQ(result, base::wide_min());  // the wrapped value
  EXPECT_EQ(faults(), 1);
  base::wide_add_small(base::wide_max(), 1, &faults_);
  base::wide_subtract(base::wide_min(), w(1), &faults_);
  base::wide_add(base::wide_min(), w(-1), &faults_);
  base::wide_negate(base::wide_min(), &faults_);
  EXPECT_EQ(faults(), 5);
  EXPECT_EQ(faults_.overflows, 5);
}

TEST_F(Wide, NearTheLimitsNoOverflow) {
  EXPECT_EQ(dec(base::wide_add(base::wide_max(), w(0), &faults_)), max_decimal);
  EXPECT_EQ(dec(base::wide_subtract(base::wide_max(), base::wide_max(), &faults_)), "0");
  EXPECT_EQ(dec(base::wide_subtract(w(-1), base::wide_max(), &faults_)), min_decimal);
  EXPECT_EQ(dec(base::wide_negate(base::wide_max(), &faults_)), min_plus_one);
  EXPECT_EQ(faults(), 0);
}

TEST_F(Wide, Multiplication) {
  EXPECT_EQ(dec(base::wide_multiply(w(-12), w(12), &faults_)), "-144");
  EXPECT_EQ(dec(base::wide_multiply(w(-12), w(-12), &faults_)), "144");
  EXPECT_EQ(dec(base::wide_multiply(w(INT64_MAX), w(INT64_MAX), &faults_)), "85070591730234615847396907784232501249");
  EXPECT_EQ(dec(base::wide_multiply(w(INT64_MIN), w(0), &faults_)), "0");
  // -2^166 * 2 is exactly the minimum; 2^166 * 2 is one past the maximum.
  WideInt half = base::wide_shift_left(w(1), 166, &faults_);
  EXPECT_EQ(base::wide_multiply(base::wide_negate(half, &faults_), w(2), &faults_), base::wide_min());
  EXPECT_EQ(base::wide_multiply(base::wide_min(), w(1), &faults_), base::wide_min());
  EXPECT_EQ(faults(), 0);
  base::wide_multiply(half, w(2), &faults_);
  EXPECT_EQ(faults(), 1);
  base::wide_multiply(base::wide_min(), w(-1), &faults_);
  EXPECT_EQ(faults(), 2);
  base::wide_multiply(base::wide_max(), base::wide_max(), &faults_);  // far beyond: high product limbs
  EXPECT_EQ(faults(), 3);
  base::wide_multiply(parse("1" + std::string(30, '0')), parse("-1" + std::string(30, '0')), &faults_);
  EXPECT_EQ(faults(), 4);
  EXPECT_EQ(faults_.overflows, 4);
  EXPECT_EQ(faults_.zero_divisors, 0);
}

TEST_F(Wide, EuclideanDivisionKeepsTheRemainderPositive) {
  struct Case {
    std::int64_t a, b, q, r;
  };
  const Case cases[] = {
      {7, 2, 3, 1}, {-7, 2, -4, 1}, {7, -2, -3, 1}, {-7, -2, 4, 1}, {-6, 2, -3, 0},
      {6, -3, -2, 0}, {0, -5, 0, 0}, {1, 10, 0, 1},  {-1, 10, -1, 9}, {INT64_MIN, 1, INT64_MIN, 0},
  };
  for (const Case& c : cases) {
    base::WideDivision d = base::wide_divide_euclid(w(c.a), w(c.b), &faults_);
    EXPECT_EQ(d.quotient, w(c.q)) << c.a << " / " << c.b;
    EXPECT_EQ(d.remainder, w(c.r)) << c.a << " % " << c.b;
    EXPECT_EQ(base::wide_divide(w(c.a), w(c.b), &faults_), w(c.q));
    EXPECT_EQ(base::wide_remainder(w(c.a), w(c.b), &faults_), w(c.r));
  }
  // Large operands: (2^167 - 1) / 3 and the minimum divided by -2.
  EXPECT_EQ(dec(base::wide_divide(base::wide_max(), w(3), &faults_)), "62357403192785191176690552862561408838653121833642");
  EXPECT_EQ(dec(base::wide_remainder(base::wide_max(), w(3), &faults_)), "1");
  EXPECT_EQ(dec(base::wide_remainder(base::wide_min(), w(3), &faults_)), "1");
  EXPECT_EQ(dec(base::wide_divide(base::wide_min(), w(3), &faults_)), "-62357403192785191176690552862561408838653121833643");
  EXPECT_EQ(base::wide_divide(base::wide_min(), w(-2), &faults_), base::wide_shift_left(w(1), 166, &faults_));
  EXPECT_EQ(base::wide_remainder(base::wide_min(), w(-1), &faults_), w(0));
  EXPECT_EQ(base::wide_divide(base::wide_max(), base::wide_max(), &faults_), w(1));
  EXPECT_EQ(base::wide_divide(base::wide_min(), base::wide_max(), &faults_), w(-2));
  EXPECT_EQ(base::wide_remainder(base::wide_min(), base::wide_max(), &faults_), base::wide_add_small(base::wide_max(), -1, &faults_));
  EXPECT_EQ(faults(), 0);
}

TEST_F(Wide, TruncatedDivisionAsInC) {
  struct Case {
    std::int64_t a, b;
  };
  const Case cases[] = {{7, 2}, {-7, 2}, {7, -2}, {-7, -2}, {-6, 3}, {0, -5}, {INT64_MIN, 7}, {INT64_MAX, -1000}};
  for (const Case& c : cases) {
    base::WideDivision d = base::wide_divide_truncated(w(c.a), w(c.b), &faults_);
    EXPECT_EQ(d.quotient, w(c.a / c.b)) << c.a << " / " << c.b;
    EXPECT_EQ(d.remainder, w(c.a % c.b)) << c.a << " % " << c.b;
  }
  base::WideDivision d = base::wide_divide_truncated(base::wide_min(), w(3), &faults_);
  EXPECT_EQ(dec(d.quotient), "-62357403192785191176690552862561408838653121833642");
  EXPECT_EQ(dec(d.remainder), "-2");
  EXPECT_EQ(faults(), 0);
  base::wide_divide_truncated(w(1), w(0), &faults_);
  EXPECT_EQ(faults_.zero_divisors, 1);
  base::wide_divide_truncated(base::wide_min(), w(-1), &faults_);
  EXPECT_EQ(faults_.overflows, 1);
}

TEST_F(Wide, DivisionFaults) {
  EXPECT_EQ(base::wide_divide(w(5), w(0), &faults_), w(0));
  EXPECT_EQ(base::wide_remainder(w(5), w(0), &faults_), w(0));
  EXPECT_EQ(faults(), 2);
  base::wide_divide(base::wide_min(), w(-1), &faults_);
  EXPECT_EQ(faults(), 3);
  EXPECT_EQ(faults_.zero_divisors, 2);
  EXPECT_EQ(faults_.overflows, 1);
}

TEST_F(Wide, ComparisonAndSign) {
  EXPECT_LT(base::wide_compare(w(-1), w(0)), 0);
  EXPECT_GT(base::wide_compare(w(1), w(-1)), 0);
  EXPECT_LT(base::wide_compare(w(-256), w(-255)), 0);
  EXPECT_EQ(base::wide_compare(w(42), w(42)), 0);
  EXPECT_LT(base::wide_compare(base::wide_min(), base::wide_max()), 0);
  EXPECT_GT(base::wide_compare(w(0x100), w(0xFF)), 0);
  EXPECT_TRUE(base::wide_is_negative(base::wide_min()));
  EXPECT_FALSE(base::wide_is_negative(w(0)));
  EXPECT_TRUE(base::wide_is_zero(WideInt{}));
  EXPECT_FALSE(base::wide_is_zero(w(-1)));
}

TEST_F(Wide, BitOperationsAndShifts) {
  EXPECT_EQ(base::wide_and(w(0xF0F0), w(0xFF00)), w(0xF000));
  EXPECT_EQ(base::wide_or(w(0xF0), w(0x0F)), w(0xFF));
  EXPECT_EQ(base::wide_xor(w(-1), w(5)), w(-6));
  EXPECT_EQ(base::wide_not(w(0)), w(-1));
  EXPECT_EQ(base::wide_shift_left(w(3), 40, &faults_), w(3LL << 40));
  EXPECT_EQ(base::wide_shift_left(w(-1), 167, &faults_), base::wide_min());
  EXPECT_EQ(base::wide_shift_right(w(-7), 1, &faults_), w(-4));  // towards minus infinity
  EXPECT_EQ(base::wide_shift_right(w(7), 1, &faults_), w(3));
  EXPECT_EQ(base::wide_shift_right(w(-7), 500, &faults_), w(-1));
  EXPECT_EQ(base::wide_shift_right(w(7), 168, &faults_), w(0));
  EXPECT_EQ(base::wide_shift_right(base::wide_shift_left(w(0x5A), 150, &faults_), 150, &faults_), w(0x5A));
  EXPECT_EQ(base::wide_shift_left(w(8), -2, &faults_), w(2));
  EXPECT_EQ(faults(), 0);
  base::wide_shift_left(w(1), 167, &faults_);  // reaches the sign bit
  base::wide_shift_left(w(1), 168, &faults_);
  base::wide_shift_left(w(-2), 167, &faults_);
  EXPECT_EQ(faults(), 3);
  EXPECT_EQ(base::wide_shift_left(w(0), 1000, &faults_), w(0));
  EXPECT_EQ(faults(), 3);
}

TEST_F(Wide, Int64Conversions) {
  std::int64_t s = 0;
  std::uint64_t u = 0;
  EXPECT_TRUE(base::wide_to_int64(w(INT64_MIN), &s));
  EXPECT_EQ(s, INT64_MIN);
  EXPECT_TRUE(base::wide_to_int64(w(INT64_MAX), &s));
  EXPECT_EQ(s, INT64_MAX);
  EXPECT_FALSE(base::wide_to_int64(base::wide_add_small(w(INT64_MAX), 1, &faults_), &s));
  EXPECT_FALSE(base::wide_to_int64(base::wide_add_small(w(INT64_MIN), -1, &faults_), &s));
  EXPECT_EQ(s, INT64_MAX);  // untouched on failure
  WideInt u_max = base::wide_from_uint64(UINT64_MAX);
  EXPECT_EQ(dec(u_max), "18446744073709551615");
  EXPECT_TRUE(base::wide_to_uint64(u_max, &u));
  EXPECT_EQ(u, UINT64_MAX);
  EXPECT_FALSE(base::wide_to_uint64(base::wide_add_small(u_max, 1, &faults_), &u));
  EXPECT_FALSE(base::wide_to_uint64(w(-1), &u));
  EXPECT_FALSE(base::wide_to_int64(u_max, &s));
}

TEST_F(Wide, FitAndWrapToCSizes) {
  EXPECT_TRUE(base::wide_fits(w(127), 8, true));
  EXPECT_FALSE(base::wide_fits(w(128), 8, true));
  EXPECT_TRUE(base::wide_fits(w(-128), 8, true));
  EXPECT_FALSE(base::wide_fits(w(-129), 8, true));
  EXPECT_TRUE(base::wide_fits(w(255), 8, false));
  EXPECT_FALSE(base::wide_fits(w(256), 8, false));
  EXPECT_FALSE(base::wide_fits(w(-1), 32, false));
  EXPECT_TRUE(base::wide_fits(w(0xFFFFFFFFLL), 32, false));
  EXPECT_FALSE(base::wide_fits(w(0xFFFFFFFFLL), 32, true));
  EXPECT_TRUE(base::wide_fits(base::wide_min(), 168, true));
  EXPECT_FALSE(base::wide_fits(base::wide_min(), 167, true));
  EXPECT_EQ(base::wide_wrap(w(-1), 32, false), w(0xFFFFFFFFLL));
  EXPECT_EQ(base::wide_wrap(w(0xFFFFFFFFLL), 32, true), w(-1));
  EXPECT_EQ(base::wide_wrap(w(0x1FF), 8, false), w(0xFF));
  EXPECT_EQ(base::wide_wrap(w(0x17F), 8, true), w(127));
  EXPECT_EQ(base::wide_wrap(w(-1), 64, false), base::wide_from_uint64(UINT64_MAX));
}

TEST_F(Wide, TextRoundTripsInEveryBase) {
  const WideInt values[] = {w(0), w(1), w(-1), w(255), w(-256), w(INT64_MIN), base::wide_max(), base::wide_min(),
                            base::wide_from_uint64(UINT64_MAX)};
  for (int text_base : {2, 8, 10, 16}) {
    for (const WideInt& value : values) {
      std::string text = base::wide_to_text(value, text_base);
      WideInt back;
      ASSERT_EQ(base::wide_from_text(text, text_base, &back), base::TextStatus::Ok) << text;
      EXPECT_EQ(back, value) << text;
    }
  }
  EXPECT_EQ(base::wide_to_text(w(-255), 16), "-ff");
  EXPECT_EQ(base::wide_to_text(w(10), 2), "1010");
  EXPECT_EQ(base::wide_to_text(w(8), 8), "10");
  EXPECT_EQ(base::wide_to_text(base::wide_min(), 16), "-8" + std::string(41, '0'));
  EXPECT_EQ(base::wide_to_text(base::wide_max(), 2), std::string(167, '1'));
  EXPECT_EQ(dec(parse("FfE", 16)), "4094");
  EXPECT_EQ(dec(parse("+12")), "12");
}

TEST_F(Wide, TextFaults) {
  WideInt out = w(99);
  EXPECT_EQ(base::wide_from_text("", 10, &out), base::TextStatus::Empty);
  EXPECT_EQ(base::wide_from_text("-", 10, &out), base::TextStatus::Empty);
  EXPECT_EQ(base::wide_from_text("12a", 10, &out), base::TextStatus::BadDigit);
  EXPECT_EQ(base::wide_from_text("8", 8, &out), base::TextStatus::BadDigit);
  EXPECT_EQ(base::wide_from_text("2", 2, &out), base::TextStatus::BadDigit);
  EXPECT_EQ(base::wide_from_text("1", 1, &out), base::TextStatus::BadBase);
  // One past the maximum, and one below the minimum.
  EXPECT_EQ(base::wide_from_text("187072209578355573530071658587684226515959365500928", 10, &out),
            base::TextStatus::TooLarge);
  EXPECT_EQ(base::wide_from_text("-187072209578355573530071658587684226515959365500929", 10, &out),
            base::TextStatus::TooLarge);
  EXPECT_EQ(base::wide_from_text(std::string(300, '9'), 10, &out), base::TextStatus::TooLarge);
  EXPECT_EQ(out, w(99));
  EXPECT_EQ(faults(), 0);  // text conversion counts no arithmetic fault
}

TEST_F(Wide, CConstantNotations) {
  struct Case {
    const char* text;
    const char* value;
    int base;
    bool is_unsigned;
    int long_count;
  };
  const Case cases[] = {
      {"0", "0", 8, false, 0},          {"42", "42", 10, false, 0},        {"052", "42", 8, false, 0},
      {"0x2a", "42", 16, false, 0},     {"0X2A", "42", 16, false, 0},      {"42u", "42", 10, true, 0},
      {"42L", "42", 10, false, 1},      {"42ll", "42", 10, false, 2},      {"42ul", "42", 10, true, 1},
      {"42LU", "42", 10, true, 1},      {"0x1FLLU", "31", 16, true, 2},    {"7llu", "7", 10, true, 2},
      {"0xffffffffffffffffULL", "18446744073709551615", 16, true, 2},
      {"0u", "0", 8, true, 0},
  };
  for (const Case& c : cases) {
    base::CConstant constant = base::parse_c_constant(c.text);
    EXPECT_EQ(constant.status, base::TextStatus::Ok) << c.text;
    EXPECT_EQ(dec(constant.value), c.value) << c.text;
    EXPECT_EQ(constant.base, c.base) << c.text;
    EXPECT_EQ(constant.is_unsigned, c.is_unsigned) << c.text;
    EXPECT_EQ(constant.long_count, c.long_count) << c.text;
  }
  for (const char* bad : {"08", "0x", "0xg", "12lL", "12lul", "12uu", "1e5", "12 ", "-1", "0b101"}) {
    EXPECT_EQ(base::parse_c_constant(bad).status, base::TextStatus::BadDigit) << bad;
  }
  EXPECT_EQ(base::parse_c_constant("").status, base::TextStatus::Empty);
  // Octal 7s: 55 of them are 165 bits, 56 are 168 bits, one too many for a signed value.
  EXPECT_EQ(base::parse_c_constant("0" + std::string(55, '7')).status, base::TextStatus::Ok);
  EXPECT_EQ(base::parse_c_constant("0" + std::string(56, '7')).status, base::TextStatus::TooLarge);
  EXPECT_EQ(base::parse_c_constant("0x" + std::string(42, 'f')).status, base::TextStatus::TooLarge);
}

TEST_F(Wide, DisplaySuffixes) {
  struct Case {
    const char* text;
    base::SuffixStatus status;
    int display_base;
    int size;
  };
  using S = base::SuffixStatus;
  const Case cases[] = {
      {"16", S::Ok, 0, 0},     {"2", S::Ok, 2, 0},       {"H", S::Ok, 0, 0},       {"h32", S::Ok, 0, -32},
      {"D", S::Ok, 1, 0},      {"d8", S::Ok, 1, -8},     {"B16", S::Ok, 2, -16},   {"U16", S::Ok, 3, 16},
      {"u", S::Ok, 3, 0},      {"F", S::Ok, 4, -6},      {"f3", S::Ok, 4, -3},     {"E", S::Ok, 5, -48},
      {"e10", S::Ok, 5, -10},  {"F7", S::Ok, 4, -7},
      {"D12", S::SizeNotByteMultiple, 6, 0},               {"U9", S::SizeNotByteMultiple, 6, 0},
      {"D16x", S::TrailingText, 6, 0},                     {"H 8", S::TrailingText, 6, 0},
      {"X", S::UnknownBase, 6, 0},                         {"", S::UnknownBase, 6, 0},
      {"160", S::UnknownBase, 6, 0},                       {"1", S::UnknownBase, 6, 0},
      {"2B", S::UnknownBase, 6, 0},                        {"D1234567", S::TrailingText, 6, 0},
  };
  for (const Case& c : cases) {
    base::DisplaySuffix suffix = base::parse_display_suffix(c.text);
    EXPECT_EQ(suffix.status, c.status) << c.text;
    EXPECT_EQ(suffix.display_base, c.display_base) << c.text;
    EXPECT_EQ(suffix.size, c.size) << c.text;
  }
}

}  // namespace
