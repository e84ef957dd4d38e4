// Lookups by name: each kind has its own names, a redeclared name keeps its first entry,
// callbacks and procsends are found by the pair of names, and many procedures stay cheap.
#include "sema/lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "sema/context.h"

namespace {

using sema::EntryKind;

class LookupTest : public ::testing::Test {
 protected:
  sema::Entry* add(EntryKind kind, const std::string& name) {
    sema::Entry* e = sema::new_entry(model, model.global(), kind, name, sema::Position{"s.pts", 1, 1});
    sema::index_entry(context, e);
    return e;
  }
  sema::Model model;
  sema::AnalysisParameters parameters;
  script::SourceFileList files;
  sema::AnalysisContext context{model, parameters, files, {}, {}};
};

TEST_F(LookupTest, EachKindHasItsOwnNames) {
  sema::Entry* comm = add(EntryKind::CommType, "x");
  sema::Entry* channel = add(EntryKind::Channel, "x");
  sema::Entry* message = add(EntryKind::MessageType, "x");
  sema::Entry* variable = add(EntryKind::EventVariable, "x");
  sema::Entry* proc = add(EntryKind::Procedure, "x");
  sema::Entry* instance = add(EntryKind::DeclaredInstance, "x");
  add(EntryKind::Scenario, "y");  // not indexed
  EXPECT_EQ(sema::find_comm_type(context, "x"), comm);
  EXPECT_EQ(sema::find_channel(context, "x"), channel);
  EXPECT_EQ(sema::find_message_type(context, "x"), message);
  EXPECT_EQ(sema::find_event_variable(context, "x"), variable);
  EXPECT_EQ(sema::find_procedure(context, "x"), proc);
  EXPECT_EQ(sema::find_declared_instance(context, "x"), instance);
  EXPECT_EQ(sema::find_procedure(context, "y"), nullptr);
  EXPECT_EQ(sema::find_channel(context, "y"), nullptr);
  EXPECT_EQ(sema::find_channel(context, "X"), nullptr);  // names are case-sensitive
  EXPECT_EQ(sema::find_comm_type(context, ""), nullptr);
}

TEST_F(LookupTest, ARedeclaredNameKeepsTheFirstEntry) {
  sema::Entry* first = add(EntryKind::Channel, "c");
  add(EntryKind::Channel, "c");
  EXPECT_EQ(sema::find_channel(context, "c"), first);
}

TEST_F(LookupTest, CallbacksAndProcsendsByTheirPairOfNames) {
  sema::Entry* callback = sema::new_entry(model, model.global(), EntryKind::Callback, "a_ON_b_c", {});
  sema::index_callback(context, callback, "a", "b_c");
  sema::Entry* procsend = sema::new_entry(model, model.global(), EntryKind::Procsend, "a_ON_b_c_for_procsend", {});
  sema::index_callback(context, procsend, "a", "b_c");
  EXPECT_EQ(sema::find_callback(context, "a", "b_c"), callback);
  EXPECT_EQ(sema::find_procsend(context, "a", "b_c"), procsend);
  // "a_ON_b" + "c" forms the same callback name, but it is another pair.
  EXPECT_EQ(sema::find_callback(context, "a_ON_b", "c"), nullptr);
  EXPECT_EQ(sema::find_callback(context, "ab", "_c"), nullptr);
  EXPECT_EQ(sema::find_callback(context, "b_c", "a"), nullptr);
}

// 200,000 procedures and as many lookups: a scan per lookup would take minutes.
TEST_F(LookupTest, ManyProceduresStayCheap) {
  const int count = 200000;
  for (int i = 0; i < count; ++i) add(EntryKind::Procedure, "proc_" + std::to_string(i));
  int found = 0;
  for (int i = count - 1; i >= 0; --i) found += sema::find_procedure(context, "proc_" + std::to_string(i)) != nullptr;
  EXPECT_EQ(found, count);
  EXPECT_EQ(sema::find_procedure(context, "proc_" + std::to_string(count)), nullptr);
}

}  // namespace
