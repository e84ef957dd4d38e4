// The C++ driver writer's own rules: the prefix expansion of its templates, the scripts it covers
// (no driver rather than a wrong one for the others), and the depth that sizes the J counters.
#include "gen/cpp/cpp_writer.h"
#include "writer_fixture.h"

namespace gen::test {
namespace {

TEST(CppPrefixes, RuntimeMarkAndMemberMarkExpandDifferently) {
  EXPECT_EQ(expand_prefixes("$.$bproc(3);", "qlx_runtime"), "qlx_runtime.qlx_bproc(3);");
  EXPECT_EQ(expand_prefixes("$.$ctxcurrentline=$.$ctxbuffertrace;", "qlx_quelt->qlx_runtime"),
            "qlx_quelt->qlx_runtime.qlx_ctxcurrentline=qlx_quelt->qlx_runtime.qlx_ctxbuffertrace;");
  EXPECT_EQ(expand_prefixes("$local_state = $S4 ();", "r"), "qlx_local_state = qlx_S4 ();");
  // A mark at the very end, and text without marks.
  EXPECT_EQ(expand_prefixes("x$", "r"), "xqlx_");
  EXPECT_EQ(expand_prefixes("return ( 0 );", "r"), "return ( 0 );");
}

class CppCoverage : public WriterTest {
 protected:
  Entry* scenario(Scope* scope, std::string_view name, bool selected = true) {
    Entry* entry = add(scope, EntryKind::Scenario, name, 1);
    record<sema::ScenarioRecord>(entry, DescriptorKind::Scenario).selected = selected;
    sema::open_scope(model, entry->descriptor, scope != nullptr ? scope : model.global());
    return entry;
  }
};

TEST_F(CppCoverage, ScenariosWithKnownStatementsAreCovered) {
  Entry* root = scenario(nullptr, "main");
  Entry* leaf = scenario(root->descriptor->child_scope, "leaf");
  add(leaf->descriptor->child_scope, EntryKind::Comment, "", 2);
  add(leaf->descriptor->child_scope, EntryKind::Error, "", 3);
  EXPECT_TRUE(cpp_driver_covers(model));
  EXPECT_EQ(scenario_tree_depth(model.global()), 2);
}

TEST_F(CppCoverage, AnUnknownStatementAnywhereInTheTreeIsNotCovered) {
  Entry* root = scenario(nullptr, "main");
  Entry* leaf = scenario(root->descriptor->child_scope, "leaf");
  add(leaf->descriptor->child_scope, EntryKind::Var, "", 2);
  EXPECT_FALSE(cpp_driver_covers(model));
}

TEST_F(CppCoverage, AScenarioLeftOutBySelectionIsNotLookedInto) {
  Entry* root = scenario(nullptr, "main");
  Entry* skipped = scenario(root->descriptor->child_scope, "skipped", false);
  add(skipped->descriptor->child_scope, EntryKind::Var, "", 2);
  scenario(root->descriptor->child_scope, "kept");
  EXPECT_TRUE(cpp_driver_covers(model));
  EXPECT_EQ(scenario_tree_depth(model.global()), 2);
}

TEST_F(CppCoverage, NoScenarioIsNotCovered) { EXPECT_FALSE(cpp_driver_covers(model)); }

// A C call is covered while it needs nothing of the statement writer still to come: a result
// variable of its own, an expected result, arguments passed by address or checked after the call.
TEST_F(CppCoverage, OnlyPlainCallsOfCFunctionsAreCovered) {
  Entry* root = scenario(nullptr, "main");
  Entry* call = add(root->descriptor->child_scope, EntryKind::Call, "check_level", 2);
  auto& c_call = record<sema::CallRecord>(call, DescriptorKind::Call);
  c_call.function = "check_level";
  sema::open_scope(model, call->descriptor, root->descriptor->child_scope);
  Entry* argument = add(call->descriptor->child_scope, EntryKind::Value, "", 2);
  auto& value = record<sema::ValueRecord>(argument, DescriptorKind::ReturnCheck);
  value.text = "3";
  EXPECT_TRUE(cpp_driver_covers(model));
  value.at_parts[0] = "0";
  EXPECT_FALSE(cpp_driver_covers(model));
  value.at_parts[0].clear();
  value.by_reference = true;
  EXPECT_FALSE(cpp_driver_covers(model));
  value.by_reference = false;
  c_call.expected_value = "0";
  EXPECT_FALSE(cpp_driver_covers(model));
  c_call.expected_value.clear();
  c_call.return_variable = "qlx_return_0";
  c_call.return_variable_generated = true;
  EXPECT_FALSE(cpp_driver_covers(model));
}

// A used callback's body is written, so its statements must be known; an unused one is not looked
// into. The communication declarations themselves are covered.
TEST_F(CppCoverage, UsedCallbacksAndProcsendsAreLookedInto) {
  Entry* root = scenario(nullptr, "main");
  add(root->descriptor->child_scope, EntryKind::Waittil, "", 2);
  add(nullptr, EntryKind::CommType, "tcp", 1);
  add(nullptr, EntryKind::MessageType, "login", 1);
  Entry* callback = add(nullptr, EntryKind::Callback, "login_ON_tcp", 3);
  auto& routine = record<sema::CallbackRecord>(callback, DescriptorKind::Callback);
  sema::open_scope(model, callback->descriptor, model.global());
  add(callback->descriptor->child_scope, EntryKind::MessageDate, "", 4);
  add(callback->descriptor->child_scope, EntryKind::DefMessage, "", 5);
  EXPECT_TRUE(cpp_driver_covers(model));
  routine.used = true;
  EXPECT_FALSE(cpp_driver_covers(model));
}

TEST_F(CppCoverage, DepthOfADeepTreeIsCountedWithoutLimit) {
  Scope* scope = nullptr;
  for (int i = 0; i < 60; ++i) scope = scenario(scope, "s")->descriptor->child_scope;
  EXPECT_EQ(scenario_tree_depth(model.global()), 60);
}

}  // namespace
}  // namespace gen::test
