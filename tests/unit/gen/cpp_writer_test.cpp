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

// Every C call is written, with its checks; a procedure call only when the analysis found the
// procedure.
TEST_F(CppCoverage, CallsAreCoveredUnlessTheProcedureIsUnknown) {
  Entry* root = scenario(nullptr, "main");
  Entry* call = add(root->descriptor->child_scope, EntryKind::Call, "check_level", 2);
  auto& c_call = record<sema::CallRecord>(call, DescriptorKind::Call);
  c_call.function = "check_level";
  sema::open_scope(model, call->descriptor, root->descriptor->child_scope);
  Entry* argument = add(call->descriptor->child_scope, EntryKind::Value, "", 2);
  auto& value = record<sema::ValueRecord>(argument, DescriptorKind::ReturnCheck);
  value.text = "3";
  value.at_parts[0] = "0";
  value.by_reference = true;
  c_call.expected_value = "0";
  EXPECT_TRUE(cpp_driver_covers(model));
  c_call.is_procedure = true;
  EXPECT_FALSE(cpp_driver_covers(model));
}

// The typed check call: the neutral value stands for a missing bound, the maximum defaults to the
// minimum, structs go by address, and a class without a runtime type has no cast.
TEST(TypedCheckCall, BoundsCastsAndAddresses) {
  EXPECT_EQ(typed_check_call(2, "1", "", "x", false, 7), "$.$int_c (0, (QLX_T_INT) (1), (QLX_T_INT) (1), (QLX_T_INT) (x), 7 );");
  EXPECT_EQ(typed_check_call(5, "", "", "d", false, 3), "$.$double_c (0, 0.0, 0.0, (QLX_T_DOUBLE) (d), 3 );");
  EXPECT_EQ(typed_check_call(6, "\"a\"", "\"z\"", "s", true, 4),
            "$.$string_c (1, (QLX_PT_CAR) (\"a\"), (QLX_PT_CAR) (\"z\"), (QLX_PT_CAR) (s), 4 );");
  EXPECT_EQ(typed_check_call(10, "", "", "r", false, 9), "$.$pointer_c (0, 0, 0, &(r), 9 );");
  EXPECT_EQ(typed_check_call(-1, "", "", "r", false, 9), "$.$pointer_c (0, 0, 0, (r), 9 );");
  EXPECT_EQ(value_class_form(1).neutral, "'\\0', ");
}

// A VAR is covered when it holds INIT= or EV= checks; the checks of a message's own list are not
// statements and are not looked at here.
TEST_F(CppCoverage, VarWithValueChecksIsCovered) {
  Entry* root = scenario(nullptr, "main");
  Entry* var = add(root->descriptor->child_scope, EntryKind::Var, "", 2);
  record<sema::CheckRecord>(var, DescriptorKind::ExpectedCheck);
  EXPECT_TRUE(cpp_driver_covers(model));
  var->descriptor->kind = DescriptorKind::ReceiveCheck;
  EXPECT_FALSE(cpp_driver_covers(model));
}

// The I counters: one per array element level of the deepest check tree, wherever the tree is
// (a VAR in an IF's ELSE branch here), without recursion on the depth.
TEST_F(CppCoverage, CheckCounterDepthCountsNestedArrayElements) {
  EXPECT_EQ(check_counter_depth(model.global()), 0);
  Entry* root = scenario(nullptr, "main");
  Entry* condition = add(root->descriptor->child_scope, EntryKind::If, "", 2);
  Scope* else_scope = sema::open_scope(model, descriptor(condition, DescriptorKind::If), root->descriptor->child_scope);
  record<sema::ConditionRecord>(condition, DescriptorKind::If).else_scope = else_scope;
  Entry* var = add(else_scope, EntryKind::Var, "", 3);
  record<sema::CheckRecord>(var, DescriptorKind::ExpectedCheck);
  Scope* level = inside(var);
  for (int i = 0; i < 3000; ++i) {
    Entry* array = add(level, EntryKind::ArrayBegin, "a", 3);
    record<sema::CheckRecord>(array, DescriptorKind::ExpectedCheck);
    Entry* element = add(inside(array), EntryKind::ArrayElement, "", 3);
    record<sema::CheckRecord>(element, DescriptorKind::ExpectedCheck);
    level = inside(element);
  }
  EXPECT_EQ(check_counter_depth(model.global()), 3000);
}

// The statements nested in IF (both branches), WHILE, CASE and WHEN are looked at as well: one the
// writer does not know, however deep, means no driver; a CATCH belongs directly in a body.
TEST_F(CppCoverage, StatementsOfNestedListsAreLookedInto) {
  Entry* root = scenario(nullptr, "main");
  Entry* if_entry = add(root->descriptor->child_scope, EntryKind::If, "", 2);
  auto& condition = record<sema::ConditionRecord>(if_entry, DescriptorKind::If);
  Scope* then_list = sema::open_scope(model, if_entry->descriptor, root->descriptor->child_scope);
  Entry* loop = add(then_list, EntryKind::While, "", 3);
  record<sema::ConditionRecord>(loop, DescriptorKind::While);
  Scope* body = sema::open_scope(model, loop->descriptor, then_list);
  add(body, EntryKind::Rendezvous, "sync", 4);
  EXPECT_TRUE(cpp_driver_covers(model));

  Entry* var = add(body, EntryKind::Var, "", 5);
  EXPECT_FALSE(cpp_driver_covers(model));
  var->kind = EntryKind::Comment;
  EXPECT_TRUE(cpp_driver_covers(model));

  // The ELSE list has a scope of its own.
  condition.else_scope = model.make_scope();
  condition.else_scope->parent = root->descriptor->child_scope;
  Entry* unknown = add(condition.else_scope, EntryKind::Var, "", 6);
  EXPECT_FALSE(cpp_driver_covers(model));
  unknown->kind = EntryKind::Pause;
  EXPECT_TRUE(cpp_driver_covers(model));

  // A CATCH directly in the body is covered, the same CATCH in a nested list is not.
  Entry* handler = add(nullptr, EntryKind::Procedure, "on_any", 7);
  Entry* catch_entry = add(root->descriptor->child_scope, EntryKind::Catch, "", 8);
  record<sema::CatchRecord>(catch_entry, DescriptorKind::Catch).procedure = handler;
  EXPECT_TRUE(cpp_driver_covers(model));
  Entry* nested_catch = add(body, EntryKind::Catch, "", 9);
  record<sema::CatchRecord>(nested_catch, DescriptorKind::Catch).procedure = handler;
  EXPECT_FALSE(cpp_driver_covers(model));
}

TEST_F(CppCoverage, NestedListsThousandsDeepAreLookedIntoWithoutRecursion) {
  Entry* root = scenario(nullptr, "main");
  Scope* scope = root->descriptor->child_scope;
  for (int i = 0; i < 20000; ++i) {
    Entry* entry = add(scope, EntryKind::If, "", i + 2);
    record<sema::ConditionRecord>(entry, DescriptorKind::If);
    scope = sema::open_scope(model, entry->descriptor, scope);
  }
  add(scope, EntryKind::Comment, "", 1);
  EXPECT_TRUE(cpp_driver_covers(model));
  add(scope, EntryKind::Var, "", 1);
  EXPECT_FALSE(cpp_driver_covers(model));
}

// The timer table holds one timer per TIMER number, wherever the TIMER stands.
TEST_F(CppCoverage, TimerCountIsTheHighestTimerNumberPlusOne) {
  EXPECT_EQ(timer_count(model.global()), 0);
  Entry* root = scenario(nullptr, "main");
  Entry* if_entry = add(root->descriptor->child_scope, EntryKind::If, "", 2);
  auto& condition = record<sema::ConditionRecord>(if_entry, DescriptorKind::If);
  sema::open_scope(model, if_entry->descriptor, root->descriptor->child_scope);
  condition.else_scope = model.make_scope();
  Entry* timer = add(condition.else_scope, EntryKind::Timer, "t", 3);
  record<sema::TimerRecord>(timer, DescriptorKind::Timer).number = 4;
  Entry* other = add(root->descriptor->child_scope, EntryKind::Timer, "u", 4);
  record<sema::TimerRecord>(other, DescriptorKind::Timer).number = 1;
  EXPECT_EQ(timer_count(model.global()), 5);
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
  add(callback->descriptor->child_scope, EntryKind::Var, "", 5);
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
