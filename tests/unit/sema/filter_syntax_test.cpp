// The execution-filter syntax: letters joined by '+', negated by '~'.
#include "sema/statements/filter_syntax.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterSyntax, WellFormedFilters) {
  for (const char* text : {"A", "AB", "A+B", "~A", "A~B", "~A+~B", "A+B+C", "~AB+C", ""}) {
    EXPECT_TRUE(sema::filter_syntax_ok(text)) << text;
  }
}

TEST(FilterSyntax, LeadingPlus) {
  EXPECT_FALSE(sema::filter_syntax_ok("+A"));
  EXPECT_FALSE(sema::filter_syntax_ok("+"));
}

TEST(FilterSyntax, DoubledOperators) {
  EXPECT_FALSE(sema::filter_syntax_ok("A++B"));
  EXPECT_FALSE(sema::filter_syntax_ok("~~A"));
  EXPECT_FALSE(sema::filter_syntax_ok("A~+B"));
  // '+' may be followed by '~'.
  EXPECT_TRUE(sema::filter_syntax_ok("A+~B"));
}

TEST(FilterSyntax, TrailingOperator) {
  EXPECT_FALSE(sema::filter_syntax_ok("A+"));
  EXPECT_FALSE(sema::filter_syntax_ok("A~"));
  EXPECT_FALSE(sema::filter_syntax_ok("~"));
}

}  // namespace
