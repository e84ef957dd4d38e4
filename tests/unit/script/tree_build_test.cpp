// Body grouping and the unnamed root scenario.
#include <gtest/gtest.h>

#include <iterator>

#include "script/tree_build.h"
#include "script/tree_view.h"

namespace {

using script::SyntaxNode;

SyntaxNode* statement(int kind) {
  script::SourcePosition at{5, "f", 1};
  return script::new_node(script::StatementItem, at,
                          script::new_node(script::StatementHolder, at, nullptr, script::new_node(kind, at)));
}

SyntaxNode* chain(std::initializer_list<SyntaxNode*> items) {
  script::NodeList list{nullptr, nullptr};
  for (SyntaxNode* item : items) list = script::list_append(list, item, script::Link::Third);
  return list.head;
}

std::vector<int> list_kinds(const SyntaxNode* body) {
  std::vector<int> kinds;
  for (const SyntaxNode* list : script::body_lists(body)) kinds.push_back(list->kind);
  return kinds;
}

// The number of statement items of a chain.
long length(const SyntaxNode* items) {
  script::NodeChain chain = script::statement_items(items);
  return std::distance(chain.begin(), chain.end());
}

// The n-th (from 0) list of a body.
const SyntaxNode* list_at(const SyntaxNode* body, int n) {
  for (const SyntaxNode* list : script::body_lists(body)) {
    if (n-- == 0) return list;
  }
  return nullptr;
}

TEST(MakeBody, RunsOfHashLinesAndStatementsBecomeLists) {
  SyntaxNode* body = script::make_body(
      chain({statement(script::HashLine), statement(script::HashLine), statement(script::Exit),
             statement(script::Error), statement(script::HashLine), statement(script::Exit)}),
      12);
  EXPECT_EQ(list_kinds(body), (std::vector<int>{100, 99, 100, 99}));
  EXPECT_EQ(body->line, 12);
  EXPECT_EQ(length(script::body_statements(body)), 2);
  EXPECT_EQ(length(script::body_statements(list_at(body, 1))), 2);
  EXPECT_EQ(script::body_restriction(body), nullptr);
  script::release_tree(body);
}

TEST(MakeBody, InstanceGroupsAreRestrictedLists) {
  script::SourcePosition at{3, "f", 1};
  SyntaxNode* group_decl = script::new_node(script::StatementItem, at, script::new_node(script::InstanceHeader, at),
                                            chain({statement(script::HashLine)}));
  SyntaxNode* group_stmt = script::new_node(script::StatementItem, at, script::new_node(script::InstanceHeader, at),
                                            chain({statement(script::HashLine), statement(script::Exit)}));
  SyntaxNode* body = script::make_body(chain({statement(script::Exit), group_decl, group_stmt, statement(script::Exit)}), 2);
  EXPECT_EQ(list_kinds(body), (std::vector<int>{99, 100, 99, 99}));
  const SyntaxNode* restricted = list_at(body, 1);
  ASSERT_NE(script::body_restriction(restricted), nullptr);
  EXPECT_EQ(script::body_restriction(restricted)->kind, script::InstanceHeader);
  EXPECT_EQ(length(script::body_statements(restricted)), 1);
  ASSERT_NE(script::body_restriction(list_at(body, 2)), nullptr);
  EXPECT_EQ(length(script::body_statements(list_at(body, 2))), 2);
  const SyntaxNode* last = script::body_statements(list_at(body, 3));
  EXPECT_EQ(script::holder_statement(script::item_holder(last))->kind, script::Exit);
  script::release_tree(body);
}

TEST(MakeBody, EmptyBodyIsAbsent) { EXPECT_EQ(script::make_body(nullptr, 1), nullptr); }

TEST(WrapRoot, ScenarioLevelGoesIntoTheUnnamedRootScenario) {
  script::SourcePosition at{1, "f", 1};
  SyntaxNode* level = script::new_node(script::LevelList, at, script::new_node(script::Scenario, at));
  SyntaxNode* root = script::new_node(script::ScriptRoot, at, nullptr, nullptr, level);
  script::wrap_root_scenario(root);
  const SyntaxNode* wrapper = script::root_level(root);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(script::next_item(wrapper), nullptr);
  const SyntaxNode* scenario = script::level_element(wrapper);
  ASSERT_EQ(scenario->kind, script::Scenario);
  EXPECT_TRUE(script::scenario_name(scenario)->has_text);
  EXPECT_EQ(script::scenario_name(scenario)->text, "");
  const SyntaxNode* contents = script::scenario_contents(scenario);
  EXPECT_EQ(script::contents_number(contents), nullptr);
  // No FAMILY clause: the second child is the empty node.
  EXPECT_EQ(script::contents_family(contents), nullptr);
  EXPECT_EQ(script::child(contents, 2)->kind, script::Empty);
  EXPECT_EQ(script::contents_statements(contents), level);
  script::release_tree(root);

  SyntaxNode* empty = script::new_node(script::ScriptRoot, at);
  script::wrap_root_scenario(empty);
  EXPECT_EQ(script::root_level(empty), nullptr);
  script::release_tree(empty);
}

TEST(Text, TrimAndIdentifiers) {
  EXPECT_EQ(script::trimmed(" \t a b \t"), "a b");
  EXPECT_TRUE(script::is_blank(" \t"));
  EXPECT_TRUE(script::is_identifier("_a1"));
  EXPECT_FALSE(script::is_identifier("1a"));
  EXPECT_FALSE(script::is_identifier("a b"));
  EXPECT_FALSE(script::is_identifier(""));
}

}  // namespace
