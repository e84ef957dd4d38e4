// Value checks: the integer constant expressions of designators, display bases of checked
// elements, the list's ownership.
#include <climits>

#include "iface/query/anc_expressions.h"
#include "iface/query/format.h"
#include "iface/query/value_check.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

class ConstantExpressions : public QueryTest {
 protected:
  // The value of `text`, and the messages it gave.
  static std::pair<int, std::string> value(std::string_view text) {
    ::testing::internal::CaptureStderr();
    std::unique_ptr<ExprTree> tree = anc_parse_text(text, "", "s.pts", 2, false);
    int result = tree != nullptr ? evaluate_constant(tree->root, "s.pts", 2) : -999;
    return {result, ::testing::internal::GetCapturedStderr()};
  }
};

TEST_F(ConstantExpressions, OperatorsIn32BitSignedArithmetic) {
  EXPECT_EQ(value("(1 + 2) * 3 - 4 / 2 % 3").first, 7);
  EXPECT_EQ(value("-(5) + !0 + ~0").first, -5);
  EXPECT_EQ(value("1 < 2 && 2 >= 2 || 0").first, 1);
  EXPECT_EQ(value("3 != 3 | 4 == 4").first, 1);
  EXPECT_EQ(value("6 & 3 ^ 1").first, 3);
  EXPECT_EQ(value("1 << 33").first, 2);     // counts modulo 32
  EXPECT_EQ(value("-8 >> 1").first, -4);
  EXPECT_EQ(value("2147483647 + 1").first, INT_MIN);  // wraps, no undefined behaviour
  EXPECT_EQ(value("(-2147483647 - 1) / -1").first, INT_MIN);
  EXPECT_EQ(value("true + true + false").first, 2);
  EXPECT_EQ(value("4294967295").first, -1);
  EXPECT_EQ(value("7").second, "");
}

TEST_F(ConstantExpressions, DivisionByZeroAndOtherForms) {
  auto [quotient, division] = value("5 / (2 - 2)");
  EXPECT_EQ(quotient, 0);
  EXPECT_NE(division.find("Qandor-E-DIVBYZERO,  [s.pts:2] Division by zero"), std::string::npos);
  EXPECT_NE(value("5 % 0").second.find("DIVBYZERO"), std::string::npos);
  auto [unknown, message] = value("limit + 1");
  EXPECT_EQ(unknown, 0);
  EXPECT_NE(message.find("Qandor-W-CONSTINIT,  [s.pts:2] Not a constant expression: limit"), std::string::npos);
  EXPECT_NE(value("1.5").second.find("CONSTINIT"), std::string::npos);
  EXPECT_NE(value("f(1)").second.find("CONSTINIT"), std::string::npos);
  EXPECT_NE(value("1 ? 2 : 3").second.find("CONSTINIT"), std::string::npos);
  declare("enum sizes { SMALL = 4, LARGE = 16 };");
  EXPECT_EQ(value("LARGE - SMALL").first, 12);  // the dictionary's enumeration constants
}

class ValueChecks : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    ASSERT_EQ(declare("typedef unsigned short word; struct rec { word w; char *p; float f; long l; char s[8]; };\n"
                      "struct rec r; enum { N = 3 }; int sized[N]; int later[N + 1];\n"),
              "");
  }
  static std::vector<CheckNode> nodes(std::string_view name, std::string_view assignment, int* result = nullptr) {
    CheckNode* list = nullptr;
    int r = anc_build_value_checks(name, assignment, "", "s.pts", 4, list);
    if (result != nullptr) *result = r;
    std::vector<CheckNode> copy;
    for (CheckNode* n = list; n != nullptr; n = n->next) copy.push_back(*n);
    anc_free_value_checks(list);
    return copy;
  }
};

TEST_F(ValueChecks, DisplayBasesFromTheTypesAndFormats) {
  std::vector<CheckNode> list = nodes("r", "EV=(1, NONIL, 2.0, 3, \"s\")");
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(list[2].display_base, 6);  // word: integer, default
  EXPECT_EQ(list[3].display_base, 0);  // pointer: default given as hexadecimal
  EXPECT_EQ(list[3].type_class, 8);
  anc_set_format(1, "", "r.w", "#H", "s.pts", 4);
  anc_set_format(1, "", "r.l", "unsigned#U32", "s.pts", 4);
  list = nodes("r", "EV=(1, NONIL, 2.0, 3, \"s\")");
  EXPECT_EQ(list[2].display_base, 0);
  EXPECT_EQ(list[5].display_base, 3);
  anc_drop_formats(1);
  list = nodes("r", "EV=(1, NONIL, 2.0, 3, \"s\")");
  EXPECT_EQ(list[2].display_base, 6);
}

TEST_F(ValueChecks, BoundsFromEnumerationConstantsAndExpressions) {
  std::vector<CheckNode> list = nodes("sized", "EV=0");
  ASSERT_GE(list.size(), 2u);
  EXPECT_EQ(list[1].kind, kCheckArrayBegin);
  EXPECT_EQ(list[1].index_high, 2);
  list = nodes("later", "EV=0");
  EXPECT_EQ(list[1].index_high, 3);
  EXPECT_EQ(list[2].index_low, 0);
  EXPECT_EQ(list[2].index_high, 3);
}

TEST_F(ValueChecks, ResultsAndNoListOnFailure) {
  int result = -1;
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(nodes("r", "EV=(1, 2, 3, 4, 5, 6)", &result).empty());
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(nodes("r", "EV=(w => 1, 2)", &result).empty());
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(nodes("r", "EV=", &result).empty());  // no value at all
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(nodes("r", "EV", &result).empty());
  EXPECT_EQ(result, 0);
  std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(messages.find("[s.pts:4] Incorrect expression (r)"), std::string::npos);
  std::vector<CheckNode> list = nodes("r", "VA=(w => 1 == 1, l => 2)", &result);
  EXPECT_EQ(result, 1);  // the value is what follows the first "="
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[1].value_text, "(w => 1 == 1, l => 2)");
  EXPECT_EQ(list[2].value_text, "1 == 1");
}

}  // namespace
}  // namespace iface::querytest
