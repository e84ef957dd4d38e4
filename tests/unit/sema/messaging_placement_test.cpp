// Where MESSAGE_DATE and NO_MESSAGE may stand: the scopes of IF, WHILE, CASE and WHEN are looked
// through, and the first other block around them decides. Built on scopes made by hand, so that
// every kind of owner and any nesting can be tried.
#include "sema/statements/messaging.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "sema/model/model.h"

namespace {

using sema::DescriptorKind;
using sema::EntryKind;

class MessagePlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::register_all_messages();
  }
  void TearDown() override {
    diag::reset_catalogue();
    diag::reset_reporting();
  }

  // A scope owned by a new entry of `kind` (descriptor `descriptor`) standing in `parent`.
  sema::Scope* open(sema::Scope* parent, EntryKind kind, DescriptorKind descriptor) {
    sema::Entry* entry = sema::new_entry(model_, parent, kind, "", sema::Position{});
    return sema::open_scope(model_, sema::new_descriptor(model_, entry, descriptor), parent);
  }

  // The scopes of IF, WHILE, CASE and WHEN, nested in that order inside `outer`.
  sema::Scope* nest_control(sema::Scope* outer) {
    sema::Scope* scope = open(outer, EntryKind::If, DescriptorKind::If);
    scope = open(scope, EntryKind::While, DescriptorKind::While);
    scope = open(scope, EntryKind::Case, DescriptorKind::Case);
    return open(scope, EntryKind::WhenBranch, DescriptorKind::WhenBranch);
  }

  sema::Model model_;
};

TEST_F(MessagePlacement, CallbackAndProcedureBodiesAcceptThem) {
  sema::Scope* callback = open(model_.global(), EntryKind::Callback, DescriptorKind::Callback);
  sema::Scope* procedure = open(model_.global(), EntryKind::Procedure, DescriptorKind::Procedure);
  EXPECT_TRUE(sema::reads_messages_here(callback));
  EXPECT_TRUE(sema::reads_messages_here(procedure));
  EXPECT_TRUE(sema::reads_messages_here(nest_control(callback)));
  EXPECT_TRUE(sema::reads_messages_here(nest_control(procedure)));
}

TEST_F(MessagePlacement, OtherBlocksRefuseThemAtAnyDepth) {
  const std::initializer_list<std::pair<EntryKind, DescriptorKind>> blocks = {
      {EntryKind::Scenario, DescriptorKind::Scenario},
      {EntryKind::Procsend, DescriptorKind::Procsend},
      {EntryKind::Initialization, DescriptorKind::Initialization},
      {EntryKind::Termination, DescriptorKind::Termination},
      {EntryKind::Exception, DescriptorKind::Exception},
  };
  for (const auto& [kind, descriptor] : blocks) {
    sema::Scope* block = open(model_.global(), kind, descriptor);
    EXPECT_FALSE(sema::reads_messages_here(block)) << static_cast<int>(kind);
    EXPECT_FALSE(sema::reads_messages_here(nest_control(block))) << static_cast<int>(kind);
  }
  EXPECT_FALSE(sema::reads_messages_here(model_.global()));
}

TEST_F(MessagePlacement, TheNearestBlockDecides) {
  // A scenario inside a callback scope and a callback scope inside a scenario cannot be written,
  // but the walk must stop at the first block either way.
  sema::Scope* callback = open(model_.global(), EntryKind::Callback, DescriptorKind::Callback);
  sema::Scope* scenario_inside = open(nest_control(callback), EntryKind::Scenario, DescriptorKind::Scenario);
  EXPECT_FALSE(sema::reads_messages_here(nest_control(scenario_inside)));
  sema::Scope* scenario = open(model_.global(), EntryKind::Scenario, DescriptorKind::Scenario);
  sema::Scope* procedure_inside = open(scenario, EntryKind::Procedure, DescriptorKind::Procedure);
  EXPECT_TRUE(sema::reads_messages_here(nest_control(procedure_inside)));
}

}  // namespace
