// Selection in the model: the selected flags that the command line's lists give the scenarios,
// composite scenarios, and the fast flag that leaves unselected scenarios unchecked.
#include <string>
#include <vector>

#include "analysis_fixture.h"

namespace sema::test {
namespace {

const char* const tree =
    "SCENARIO A FAMILY smoke\n"
    "  SCENARIO B FAMILY slow\n"
    "    EXIT\n"
    "  END SCENARIO\n"
    "  SCENARIO C\n"
    "    EXIT\n"
    "  END SCENARIO\n"
    "END SCENARIO\n"
    "SCENARIO AB FAMILY nightly, smoke\n"
    "  EXIT\n"
    "END SCENARIO\n"
    "SCENARIO D\n"
    "  EXIT\n"
    "END SCENARIO\n";

class SelectionTest : public AnalysisTest {
 protected:
  // The full names of the selected scenarios, in script order.
  std::string selected(const AnalysisParameters& parameters) {
    analyse(tree, parameters);
    std::vector<std::string> names;
    for (const Entry* e = model().global()->function_list; e != nullptr; e = e->chain) {
      if (e->kind == EntryKind::Scenario && record_of<ScenarioRecord>(e->descriptor).selected) {
        names.insert(names.begin(), record_of<ScenarioRecord>(e->descriptor).full_name);
      }
    }
    std::string text;
    for (const std::string& name : names) text += "[" + name + "]";
    return text;
  }
  static AnalysisParameters slow() {
    AnalysisParameters parameters;
    parameters.fast = false;
    return parameters;
  }
};

TEST_F(SelectionTest, EverythingWithoutLists) { EXPECT_EQ(selected(slow()), "[][A][A.B][A.C][AB][D]"); }

TEST_F(SelectionTest, ScenarioListKeepsParentsAndChildren) {
  AnalysisParameters parameters = slow();
  parameters.scenarios = {"A"};
  EXPECT_EQ(selected(parameters), "[][A][A.B][A.C]");
  parameters.scenarios = {"A.C"};
  EXPECT_EQ(selected(parameters), "[][A][A.C]");
}

TEST_F(SelectionTest, ExcludedScenarios) {
  AnalysisParameters parameters = slow();
  parameters.excluded_scenarios = {"A.B", "D"};
  EXPECT_EQ(selected(parameters), "[][A][A.C][AB]");
}

TEST_F(SelectionTest, FamilyListAppliesToScenariosWithAFamilyClause) {
  AnalysisParameters parameters = slow();
  parameters.families = {"smoke"};
  // A.B has the family slow only; A.C and D have no FAMILY clause and are not filtered by it.
  EXPECT_EQ(selected(parameters), "[][A][A.C][AB][D]");
}

TEST_F(SelectionTest, ExcludedFamily) {
  AnalysisParameters parameters = slow();
  parameters.excluded_families = {"smoke"};
  // A is excluded; its sub-scenarios are judged on their own but A stays unselected.
  EXPECT_EQ(selected(parameters), "[][A.B][A.C][D]");
}

TEST_F(SelectionTest, CompositeWithoutSelectedChildIsUnselected) {
  AnalysisParameters parameters = slow();
  parameters.excluded_scenarios = {"A.B", "A.C"};
  EXPECT_EQ(selected(parameters), "[][AB][D]");
}

TEST_F(SelectionTest, FastFlagLeavesUnselectedContentsOut) {
  AnalysisParameters parameters;
  parameters.fast = true;
  parameters.excluded_families = {"smoke"};
  analyse(tree, parameters);
  // A is unselected: its sub-scenarios are not even made.
  EXPECT_TRUE(entries(child(scenario("A"))).empty());
  EXPECT_TRUE(entries(child(scenario("AB"))).empty());
  EXPECT_EQ(kinds(child(scenario("D"))), std::vector<EntryKind>{EntryKind::Exit});
}

TEST_F(SelectionTest, NothingSelectedIsAnError) {
  AnalysisParameters parameters = slow();
  parameters.scenarios = {"nothing"};
  EXPECT_EQ(selected(parameters), "");
  EXPECT_NE(messages().find("Qandor-E-NOSCENGEN,  No scenario generated"), std::string::npos) << messages();
}

TEST_F(SelectionTest, RepeatedFamilyOnlyWarnsWithinOneClause) {
  analyse(
      "SCENARIO a FAMILY f, g, f\n"
      "  SCENARIO b FAMILY f\n"
      "  END SCENARIO\n"
      "END SCENARIO\n"
      "SCENARIO c FAMILY f\n"
      "END SCENARIO\n");
  EXPECT_EQ(messages(), "Qandor-W-FNAMNOTUS,  [t.pts:1] Family name f already used\n");
  const ScenarioRecord& a = record_of<ScenarioRecord>(scenario("a"));
  std::vector<const Entry*> families = entries(a.family_scope);
  ASSERT_EQ(families.size(), 2u);
  EXPECT_EQ(families[0]->kind, EntryKind::FamilyName);
  EXPECT_EQ(families[0]->name, "f");
  EXPECT_EQ(families[1]->name, "g");
  EXPECT_EQ(record_of<ScenarioRecord>(scenario("a.b")).family_scope->first->name, "f");
  EXPECT_EQ(record_of<ScenarioRecord>(scenario("c")).family_scope->first->name, "f");
}

}  // namespace
}  // namespace sema::test
