#include "base/concat.h"

#include <gtest/gtest.h>

#include "diag/base_faults.h"
#include "diag/catalogue.h"
#include "diag/report.h"

namespace {

class Concat : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::install_base_fault_handler();
    diag::catalogue_insert("ERRINTFCT", "%1Internal error in function %2");
  }
  void TearDown() override {
    diag::reset_catalogue();
    diag::reset_reporting();
  }
};

TEST_F(Concat, AppendsInOrderSkippingNulls) {
  std::string text = "a";
  base::concat_into(&text, {"b", nullptr, "cd", ""});
  EXPECT_EQ(text, "abcd");
  EXPECT_EQ(base::concat_new({"x", "/", "y"}), "x/y");
  EXPECT_EQ(base::concat_new({}), "");
}

TEST_F(Concat, StopsAtTheLimit) {
  std::string big(base::concat_limit - 2, 'a');
  std::string text = big;
  base::concat_into(&text, {"bcd", "efg"});
  EXPECT_EQ(text.size(), base::concat_limit);
  EXPECT_EQ(text.substr(text.size() - 3), "abc");

  std::string full(base::concat_limit + 10, 'z');  // already over: nothing is added, nothing is cut
  base::concat_into(&full, {"more"});
  EXPECT_EQ(full.size(), base::concat_limit + 10);

  std::string half(base::concat_limit / 2 + 1, 'h');
  EXPECT_EQ(base::concat_new({half.c_str(), half.c_str()}).size(), base::concat_limit);
}

TEST_F(Concat, NullDestinationIsInternal) {
  EXPECT_EXIT(base::concat_into(nullptr, {"x"}), ::testing::ExitedWithCode(9),
              "^Qandor-S-ERRINTFCT,   Internal error in function xstrcat \\(2\\)\n$");
}

TEST_F(Concat, OwnBufferAsTextIsInternal) {
  std::string text = "abc";
  EXPECT_EXIT(base::concat_into(&text, {"x", text.c_str()}), ::testing::ExitedWithCode(9),
              "^Qandor-S-ERRINTFCT,   Internal error in function xstrcat\n$");
  EXPECT_EXIT(base::concat_into(&text, {text.c_str() + 1}), ::testing::ExitedWithCode(9),
              "Internal error in function xstrcat\n$");
}

}  // namespace
