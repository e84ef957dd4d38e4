// The semantic model's operations: insertion orders, kind checks, typed records, and a model deep
// enough that freeing it recursively would overflow the stack.
#include "sema/model/model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "diag/catalogue.h"
#include "diag/report.h"

namespace {

using sema::EntryKind;
using sema::DescriptorKind;

std::vector<std::string> names(const sema::Scope* scope) {
  std::vector<std::string> result;
  for (const sema::Entry* e = scope->first; e != nullptr; e = e->next) result.push_back(e->name);
  return result;
}

// The backward links agree with the forward ones.
std::vector<std::string> names_backwards(const sema::Scope* scope) {
  std::vector<std::string> result;
  for (const sema::Entry* e = scope->last; e != nullptr; e = e->previous) result.insert(result.begin(), e->name);
  return result;
}

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::register_all_messages();
  }
  void TearDown() override {
    diag::reset_catalogue();
    diag::reset_reporting();
  }
  sema::Model model;
  sema::Position at{"s.pts", 1, 3};
};

TEST_F(ModelTest, InsertionVariantsKeepTheirOrder) {
  sema::Scope* g = model.global();
  sema::new_entry(model, g, EntryKind::Call, "call", at);
  sema::new_entry(model, g, EntryKind::Scenario, "A", at);
  sema::new_entry(model, g, EntryKind::Scenario, "B", at);
  sema::new_entry_at(model, sema::Insertion::BeforeFirstScenario, g, EntryKind::Initialization, "init", at);
  sema::new_entry_at(model, sema::Insertion::BeforeFirstScenario, g, EntryKind::Termination, "term", at);
  sema::new_entry_at(model, sema::Insertion::Head, g, EntryKind::WaittilRegistration, "w", at);
  std::vector<std::string> expected{"w", "call", "init", "term", "A", "B"};
  EXPECT_EQ(names(g), expected);
  EXPECT_EQ(names_backwards(g), expected);
}

TEST_F(ModelTest, BeforeFirstScenarioInAScopeWithoutScenariosAppends) {
  sema::Scope* g = model.global();
  sema::new_entry(model, g, EntryKind::Call, "a", at);
  sema::new_entry_at(model, sema::Insertion::BeforeFirstScenario, g, EntryKind::Exception, "x", at);
  EXPECT_EQ(names(g), (std::vector<std::string>{"a", "x"}));
  EXPECT_EQ(g->last->name, "x");
}

TEST_F(ModelTest, ElementNumberOrderSortsAscending) {
  sema::Scope* g = model.global();
  for (int order : {5, 1, 9, 3, 3}) {
    sema::new_entry_at(model, sema::Insertion::ByElementNumber, g, EntryKind::ArrayElement,
                       std::to_string(order), at, order);
  }
  EXPECT_EQ(names(g), (std::vector<std::string>{"1", "3", "3", "5", "9"}));
  EXPECT_EQ(names_backwards(g), names(g));
}

TEST_F(ModelTest, TimerDeclarationGoesToTheNearestBlockScope) {
  sema::Entry* proc = sema::new_entry(model, model.global(), EntryKind::Procedure, "P", at);
  sema::Scope* body = sema::open_scope(model, sema::new_descriptor(model, proc, DescriptorKind::Procedure),
                                       model.global());
  sema::new_entry(model, body, EntryKind::Comment, "c", at);
  sema::Entry* loop = sema::new_entry(model, body, EntryKind::While, "w", at);
  sema::Scope* inner = sema::open_scope(model, sema::new_descriptor(model, loop, DescriptorKind::While), body);
  sema::new_entry_in_block_scope(model, inner, EntryKind::TimerDeclaration, "t", at);
  EXPECT_EQ(names(body), (std::vector<std::string>{"t", "c", "w"}));
  EXPECT_EQ(inner->first, nullptr);
}

TEST_F(ModelTest, FunctionListIsNewestFirst) {
  sema::Entry* a = sema::new_entry(model, model.global(), EntryKind::Scenario, "A", at);
  sema::Entry* b = sema::new_entry(model, model.global(), EntryKind::Scenario, "B", at);
  sema::add_to_function_list(model, a);
  sema::add_to_function_list(model, b);
  EXPECT_EQ(model.global()->function_list, b);
  EXPECT_EQ(b->chain, a);
  EXPECT_EQ(a->chain, nullptr);
}

TEST_F(ModelTest, DescriptorsStartWithTheirKindsRecord) {
  sema::Entry* s = sema::new_entry(model, model.global(), EntryKind::Scenario, "S", at);
  sema::Descriptor* d = sema::new_descriptor(model, s, DescriptorKind::Scenario);
  EXPECT_EQ(s->descriptor, d);
  EXPECT_EQ(d->entry, s);
  sema::record_of<sema::ScenarioRecord>(s).full_name = "A.S";
  EXPECT_EQ(std::get<sema::ScenarioRecord>(d->record).full_name, "A.S");
  sema::Entry* w = sema::new_entry(model, model.global(), EntryKind::Waittil, "", at);
  sema::new_descriptor(model, w, DescriptorKind::Waittil);
  EXPECT_EQ(sema::record_of<sema::WaittilRecord>(w).timeout, "0");
}

TEST_F(ModelTest, KindChecksAreInternalErrors) {
  EXPECT_EXIT(sema::new_entry(model, model.global(), static_cast<EntryKind>(84), "x", at),
              ::testing::ExitedWithCode(9), "Qandor-S-ENTCODUNK,   Unknown entry code 84. Ask for maintenance help.");
  EXPECT_EXIT(sema::new_entry(model, model.global(), static_cast<EntryKind>(-1), "x", at),
              ::testing::ExitedWithCode(9), "Qandor-S-ENTCODUNK,   Unknown entry code -1. ");
  EXPECT_EXIT(sema::new_descriptor(model, nullptr, static_cast<DescriptorKind>(158)),
              ::testing::ExitedWithCode(9), "Qandor-S-DSCCODUNK,   Unknown descriptor code 158. ");
  EXPECT_EXIT(sema::new_descriptor(model, nullptr, static_cast<DescriptorKind>(100)),
              ::testing::ExitedWithCode(9), "Qandor-S-DSCCODUNK,   Unknown descriptor code 100. ");
  EXPECT_EXIT(sema::new_entry(model, nullptr, EntryKind::Scenario, "x", at), ::testing::ExitedWithCode(9),
              "Qandor-S-SCPBADPTR,   Entry without scope. ");
}

TEST_F(ModelTest, ReadingAnotherKindsRecordIsInternal) {
  sema::Entry* s = sema::new_entry(model, model.global(), EntryKind::Scenario, "S", at);
  sema::new_descriptor(model, s, DescriptorKind::Scenario);
  EXPECT_EXIT(sema::record_of<sema::CallRecord>(s), ::testing::ExitedWithCode(9),
              "Qandor-S-DSCCODUNK,   Unknown descriptor code 101. ");
  sema::Entry* bare = sema::new_entry(model, model.global(), EntryKind::Comment, "c", at);
  EXPECT_EXIT(sema::record_of<sema::CallRecord>(bare), ::testing::ExitedWithCode(9), "DSCCODUNK");
}

// 50,000 nested scenario scopes: building and freeing the model is linear and iterative.
TEST(ModelDepth, DeepTreesAreFreedWithoutRecursion) {
  auto model = std::make_unique<sema::Model>();
  sema::Scope* scope = model->global();
  sema::Position at{"deep.pts", 1, 1};
  for (int depth = 0; depth < 50000; ++depth) {
    sema::Entry* e = sema::new_entry(*model, scope, EntryKind::Scenario, "S", at);
    scope = sema::open_scope(*model, sema::new_descriptor(*model, e, DescriptorKind::Scenario), scope);
  }
  int depth = 0;
  for (const sema::Scope* s = scope; s->parent != nullptr; s = s->parent) ++depth;
  EXPECT_EQ(depth, 50000);
  model.reset();
}

}  // namespace
