// The reference checks of an event variable as a SEND asks for them (reference_checks_of): built
// once in the message's own list, with "qlx_msgrcv" declared and typed in the asking scope; a
// message type they cannot be built for is reported once.
#include <gtest/gtest.h>

#include "analysis_fixture.h"
#include "iface/query/anc_names.h"
#include "script/source_files.h"
#include "sema/context.h"
#include "sema/statements/value_checks.h"

namespace sema::test {
namespace {

class ReferenceChecks : public AnalysisTest {
 protected:
  // A context on the analysed model, in the C scope of scenario "s", as a statement there has it.
  AnalysisContext context_in_scenario() {
    AnalysisContext context{model(), parameters_, files_, {}, {}};
    context.state.scope_name = "s";
    return context;
  }

  script::SyntaxNode send_at_line(int line) {
    script::SyntaxNode node;
    node.file = "t.pts";
    node.file_number = 1;
    node.line = line;
    return node;
  }

  AnalysisParameters parameters_;
  script::SourceFileList files_;
};

TEST_F(ReferenceChecks, BuiltOnceInTheMessagesListAgainstTheReceivedMessage) {
  declare("typedef struct { int code; union { int i; float f; } u; } msg_t;");
  analyse("DEF_TRIGGER msg_t : m1\nSCENARIO s\n  EXIT\nEND SCENARIO\n");
  ASSERT_EQ(messages().find("Qandor-E-"), std::string::npos) << messages();
  AnalysisContext context = context_in_scenario();
  Entry* message = global_entry(EntryKind::EventVariable, "m1");
  script::SyntaxNode at = send_at_line(7);

  ::testing::internal::CaptureStderr();
  Entry* first = reference_checks_of(context, message, &at);
  Entry* again = reference_checks_of(context, message, &at);
  std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(reported, "");

  ASSERT_NE(first, nullptr);
  EXPECT_EQ(again, first);
  EXPECT_EQ(record_of<EventVariableRecord>(message).reference_checks, first);
  // The message's list holds them once, at the position of the statement that asked.
  EXPECT_EQ(kinds(child(message)), std::vector<EntryKind>{EntryKind::Var});
  EXPECT_EQ(first->line, 7);
  EXPECT_EQ(first->descriptor->kind, DescriptorKind::ExpectedCheck);
  EXPECT_EQ(record_of<CheckRecord>(first).value_text, "qlx_msgrcv");
  EXPECT_EQ(iface::anc_is_declared_in("qlx_msgrcv", "s"), 1);

  // The received message is the same type: compared as a whole, every union member visited.
  Entry* message_struct = child(first)->first;
  ASSERT_EQ(message_struct->kind, EntryKind::StructBegin);
  EXPECT_TRUE(record_of<CheckRecord>(message_struct).whole);
  EXPECT_EQ(kinds(child(message_struct)), (std::vector<EntryKind>{EntryKind::StructField, EntryKind::UnionBegin}));
  Entry* union_entry = child(message_struct)->last;
  EXPECT_EQ(kinds(child(union_entry)), (std::vector<EntryKind>{EntryKind::UnionMember, EntryKind::UnionMember}));
}

TEST_F(ReferenceChecks, AMessageTypeWithoutThemIsReportedOnce) {
  declare("typedef struct { int n; int rest[]; } open_t;");
  analyse("DEF_TRIGGER open_t : m2\nSCENARIO s\n  EXIT\nEND SCENARIO\n");
  AnalysisContext context = context_in_scenario();
  Entry* message = global_entry(EntryKind::EventVariable, "m2");
  script::SyntaxNode at = send_at_line(9);

  ::testing::internal::CaptureStderr();
  EXPECT_EQ(reference_checks_of(context, message, &at), nullptr);
  EXPECT_EQ(reference_checks_of(context, message, &at), nullptr);
  std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(reported,
            "Qandor-W-CHAMPINCO,  [t.pts:9] Unknown field rest\n"
            "Qandor-E-VARNOGOOD,  [t.pts:9] Incorrect expression (m2)\n");
  EXPECT_TRUE(record_of<EventVariableRecord>(message).reference_checks_tried);
  EXPECT_EQ(child(message), nullptr);
}

}  // namespace
}  // namespace sema::test
