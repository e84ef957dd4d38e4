// The communication templates' own rules: the matching tests of a WAITTIL condition take the
// state they test, and a callback or procsend binds the names its body uses, renamed by its
// parameters.
#include "gen/cpp/cpp_comm.h"
#include "writer_fixture.h"

namespace gen::test {
namespace {

TEST(CppStateTests, EachMatchingTestGetsItsState) {
  EXPECT_EQ(state_tests("QLX_MATCHING_1(qlx_msg_req[0])"), "QLX_MATCHING_1(qlx_msg_req[0].qlx_state)");
  EXPECT_EQ(state_tests("QLX_NOTMATCHED_2(qlx_msg_req[1],qlx_state_channel[0][2]) || WTIME > 5"),
            "QLX_NOTMATCHED_2(2,qlx_msg_req[1].qlx_state_channel[0][2]) || WTIME > 5");
  // Two tests in a row, and names that only start like one.
  EXPECT_EQ(state_tests("!QLX_NOTMATCHING_1(qlx_msg_a[3])&&QLX_MATCHED_1(qlx_msg_b[0])"),
            "!QLX_NOTMATCHING_1(qlx_msg_a[3].qlx_state)&&QLX_MATCHED_1(qlx_msg_b[0].qlx_state)");
  EXPECT_EQ(state_tests("QLX_TIMEOUT == 0 && QLX_OCCID"), "QLX_TIMEOUT == 0 && QLX_OCCID");
  EXPECT_EQ(state_tests("ready > 3"), "ready > 3");
  // A test without its closing parenthesis is left as written.
  EXPECT_EQ(state_tests("QLX_MATCHING_1(qlx_msg_a[0]"), "QLX_MATCHING_1(qlx_msg_a[0]");
}

class CppRoutineNames : public WriterTest {};

TEST_F(CppRoutineNames, DefaultsParametersAndUse) {
  Entry* callback = add(nullptr, EntryKind::Callback, "req_ON_tcp", 1);
  auto& routine = record<sema::CallbackRecord>(callback, DescriptorKind::Callback);
  Scope* body = sema::open_scope(model, callback->descriptor, model.global());
  RoutineNames names = routine_names(callback);
  EXPECT_EQ(names.message, "qlx_msg");
  EXPECT_EQ(names.connection, "qlx_ids");
  EXPECT_EQ(names.count, "qlx_n");
  // The parameters rename in order; one without a name keeps the default.
  routine.parameters = sema::open_scope(model, callback->descriptor, model.global());
  add(routine.parameters, EntryKind::Parameter, "req", 1);
  Entry* unnamed = sema::new_entry(model, routine.parameters, EntryKind::Parameter, "", sema::Position{"t.pts", 1, 1});
  unnamed->has_name = false;
  add(routine.parameters, EntryKind::Parameter, "count", 1);
  names = routine_names(callback);
  EXPECT_EQ(names.message, "req");
  EXPECT_EQ(names.connection, "qlx_ids");
  EXPECT_EQ(names.count, "count");
  // Whole identifiers only, in nested statement lists too.
  add(body, EntryKind::AtLine, "", 2)->text = "if (read(&req, qlx_ids_all)) {";
  EXPECT_TRUE(body_uses(body, "req"));
  EXPECT_FALSE(body_uses(body, "qlx_ids"));
  Entry* branch = add(body, EntryKind::If, "", 3);
  record<sema::ConditionRecord>(branch, DescriptorKind::If).text = "count > 0";
  EXPECT_TRUE(body_uses(body, "count"));
  Scope* inner = sema::open_scope(model, branch->descriptor, body);
  add(inner, EntryKind::AtLine, "", 4)->text = "use(qlx_ids);";
  EXPECT_TRUE(body_uses(body, "qlx_ids"));
}

}  // namespace
}  // namespace gen::test
