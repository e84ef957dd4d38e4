// The family and scenario tests of the command line's selection options, rule by rule.
#include "sema/scenarios/selection.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using Families = std::vector<std::string_view>;

bool scenario(std::string_view name, const Names& wanted, const Names& excluded = {}) {
  return sema::passes_scenario_test(name, wanted, excluded);
}

TEST(FamilyTest, WithoutListsEveryFamilyPasses) {
  EXPECT_TRUE(sema::passes_family_test({"smoke"}, {}, {}));
  EXPECT_TRUE(sema::passes_family_test({}, {}, {}));
}

TEST(FamilyTest, FamilyListNeedsOneOfTheScenariosFamilies) {
  Names wanted{"nightly", "weekly"};
  EXPECT_TRUE(sema::passes_family_test({"smoke", "weekly"}, wanted, {}));
  EXPECT_FALSE(sema::passes_family_test({"smoke"}, wanted, {}));
  EXPECT_FALSE(sema::passes_family_test({}, wanted, {}));
  // Names compare whole and with their case.
  EXPECT_FALSE(sema::passes_family_test({"night"}, wanted, {}));
  EXPECT_FALSE(sema::passes_family_test({"Nightly"}, wanted, {}));
}

TEST(FamilyTest, ExcludedListRejectsAnyListedFamily) {
  Names excluded{"slow"};
  EXPECT_TRUE(sema::passes_family_test({"smoke"}, {}, excluded));
  EXPECT_FALSE(sema::passes_family_test({"smoke", "slow"}, {}, excluded));
  EXPECT_TRUE(sema::passes_family_test({}, {}, excluded));
}

TEST(FamilyTest, FamilyListWinsOverTheExcludedList) {
  // With both lists, only -FAMILY is consulted.
  EXPECT_TRUE(sema::passes_family_test({"smoke", "slow"}, {"smoke"}, {"slow"}));
  EXPECT_FALSE(sema::passes_family_test({"other"}, {"smoke"}, {"other"}));
}

TEST(ScenarioTest, RootAlwaysPasses) {
  EXPECT_TRUE(scenario("", {"A"}));
  EXPECT_TRUE(scenario("", {}, {"A"}));
}

TEST(ScenarioTest, WithoutListsEveryNamePasses) { EXPECT_TRUE(scenario("A.B", {}, {})); }

TEST(ScenarioTest, SelectedScenarioItsParentsAndEverythingBelowPass) {
  Names wanted{"A"};
  EXPECT_TRUE(scenario("A", wanted));
  EXPECT_TRUE(scenario("A.B", wanted));
  EXPECT_TRUE(scenario("A.B.C", wanted));
  EXPECT_FALSE(scenario("AB", wanted));
  EXPECT_FALSE(scenario("B", wanted));
  EXPECT_FALSE(scenario("B.A", wanted));
}

TEST(ScenarioTest, ScenarioListOfANestedNameKeepsThePathToIt) {
  Names wanted{"A.B"};
  EXPECT_TRUE(scenario("A", wanted));
  EXPECT_TRUE(scenario("A.B", wanted));
  EXPECT_TRUE(scenario("A.B.C", wanted));
  EXPECT_FALSE(scenario("A.C", wanted));
  EXPECT_FALSE(scenario("A.BC", wanted));
  EXPECT_FALSE(scenario("AX", wanted));
  // A listed name that is longer without a '.' where the scenario's name ends.
  EXPECT_FALSE(scenario("A", Names{"AB"}));
}

TEST(ScenarioTest, AnyListedNameSelects) {
  Names wanted{"X", "A.B"};
  EXPECT_TRUE(scenario("X.Y", wanted));
  EXPECT_TRUE(scenario("A", wanted));
  EXPECT_FALSE(scenario("Y", wanted));
}

TEST(ScenarioTest, ExcludedNameAndEverythingBelowFail) {
  Names excluded{"A.B"};
  EXPECT_TRUE(scenario("A", {}, excluded));
  EXPECT_FALSE(scenario("A.B", {}, excluded));
  EXPECT_FALSE(scenario("A.B.C", {}, excluded));
  EXPECT_TRUE(scenario("A.BC", {}, excluded));
  EXPECT_TRUE(scenario("A.C", {}, excluded));
}

TEST(ScenarioTest, ScenarioListWinsOverTheExcludedList) {
  EXPECT_TRUE(scenario("A.B", {"A"}, {"A.B"}));
  EXPECT_FALSE(scenario("C", {"A"}, {"B"}));
}

TEST(ScenarioTest, OnOnePathIsSymmetric) {
  EXPECT_TRUE(sema::on_one_path("A", "A.B"));
  EXPECT_TRUE(sema::on_one_path("A.B", "A"));
  EXPECT_TRUE(sema::on_one_path("A.B", "A.B"));
  EXPECT_FALSE(sema::on_one_path("A.B", "A.C"));
  EXPECT_FALSE(sema::on_one_path("A.Bx", "A.B"));
}

}  // namespace
