// Instances in the model: the instance mode and the chosen instance, the declared instances'
// numbers and used flags, and the entries of INSTANCE blocks and restricted groups.
#include <string>
#include <vector>

#include "analysis_fixture.h"

namespace sema::test {
namespace {

using K = EntryKind;

const char* const script_text =
    "DECLARE_INSTANCE a, b\n"
    "DECLARE_INSTANCE c\n"
    "INSTANCE b\n"
    "  # int only_b;\n"
    "END INSTANCE\n"
    "SCENARIO s\n"
    "  INSTANCE a, c\n"
    "    # int for_a_c;\n"
    "  END INSTANCE\n"
    "  EXIT\n"
    "  INSTANCE b\n"
    "    ERROR\n"
    "  END INSTANCE\n"
    "END SCENARIO\n";

AnalysisParameters instance(const std::string& name) {
  AnalysisParameters parameters;
  parameters.has_instance = true;
  parameters.instance_name = name;
  return parameters;
}

TEST_F(AnalysisTest, InstancesChosenAtRunTime) {
  const AnalysisResult& result = analyse(script_text);
  EXPECT_EQ(result.instance_mode, InstanceMode::AtRunTime);
  EXPECT_EQ(result.chosen_instance, 0);
  EXPECT_EQ(record_of<DeclaredInstanceRecord>(global_entry(K::DeclaredInstance, "a")).number, 0);
  EXPECT_EQ(record_of<DeclaredInstanceRecord>(global_entry(K::DeclaredInstance, "c")).number, 2);
  // Every instance is named by a block or group.
  for (const char* name : {"a", "b", "c"}) {
    EXPECT_TRUE(record_of<DeclaredInstanceRecord>(global_entry(K::DeclaredInstance, name)).used) << name;
  }
  std::vector<K> global = kinds(model().global());
  EXPECT_EQ(global, (std::vector<K>{K::Header, K::DeclaredInstance, K::DeclaredInstance, K::DeclaredInstance,
                                    K::InstanceBlockBegin, K::InstanceDesignation, K::NativeDeclaration,
                                    K::InstanceBlockEnd, K::Scenario}));
  EXPECT_EQ(kinds(child(scenario("s"))),
            (std::vector<K>{K::GuardedDeclarationsBegin, K::InstanceDesignation, K::InstanceDesignation,
                            K::NativeDeclaration, K::GuardedDeclarationsEnd, K::Exit, K::GuardedStatementsBegin,
                            K::InstanceDesignation, K::Error, K::GuardedStatementsEnd}));
  const Entry* designation = entries(child(scenario("s")))[1];
  EXPECT_EQ(record_of<InstanceDesignationRecord>(designation->descriptor).instance,
            global_entry(K::DeclaredInstance, "a"));
  // Nothing after the EXIT runs, the restricted group included.
  EXPECT_EQ(messages(), "Qandor-W-NOEXEINST,  [t.pts:10] Instructions after ERROR or EXIT are never executed\n");
}

TEST_F(AnalysisTest, OneInstanceChosen) {
  const AnalysisResult& result = analyse(script_text, instance("c"));
  EXPECT_EQ(result.instance_mode, InstanceMode::Selected);
  EXPECT_EQ(result.chosen_instance, 3);
  // Only c's statements are kept, without markers.
  EXPECT_EQ(kinds(child(scenario("s"))), (std::vector<K>{K::NativeDeclaration, K::Exit}));
  std::vector<K> global = kinds(model().global());
  EXPECT_EQ(global, (std::vector<K>{K::Header, K::DeclaredInstance, K::DeclaredInstance, K::DeclaredInstance,
                                    K::Scenario}));
}

TEST_F(AnalysisTest, UndeclaredInstanceChosen) {
  const AnalysisResult& result = analyse(script_text, instance("z"));
  EXPECT_EQ(result.instance_mode, InstanceMode::Unplanned);
  EXPECT_EQ(result.chosen_instance, 0);
  EXPECT_NE(messages().find("Qandor-I-ISTNOPLAN,   No declared instance named z: the instance is chosen at run time\n"), std::string::npos) << messages();
  // The groups are kept with their markers, as when the instance is chosen at run time.
  EXPECT_EQ(kinds(child(scenario("s"))).size(), 10u);
}

TEST_F(AnalysisTest, NoInstanceDeclared) {
  const AnalysisResult& result = analyse("SCENARIO s\nEND SCENARIO\n");
  EXPECT_EQ(result.instance_mode, InstanceMode::None);
  EXPECT_EQ(analyse("SCENARIO s\nEND SCENARIO\n", instance("x")).instance_mode, InstanceMode::None);
}

}  // namespace
}  // namespace sema::test
