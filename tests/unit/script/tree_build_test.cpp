// Body grouping and the unnamed root scenario.
#include <gtest/gtest.h>

#include "script/tree_build.h"

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
  for (; body != nullptr; body = body->third) kinds.push_back(body->kind);
  return kinds;
}

int length(const SyntaxNode* items) {
  int n = 0;
  for (; items != nullptr; items = items->third) ++n;
  return n;
}

TEST(MakeBody, RunsOfHashLinesAndStatementsBecomeLists) {
  SyntaxNode* body = script::make_body(
      chain({statement(script::HashLine), statement(script::HashLine), statement(script::Exit),
             statement(script::Error), statement(script::HashLine), statement(script::Exit)}),
      12);
  EXPECT_EQ(list_kinds(body), (std::vector<int>{100, 99, 100, 99}));
  EXPECT_EQ(body->line, 12);
  EXPECT_EQ(length(body->first), 2);
  EXPECT_EQ(length(body->third->first), 2);
  EXPECT_EQ(body->second, nullptr);
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
  const SyntaxNode* restricted = body->third;
  EXPECT_EQ(restricted->first->kind, script::InstanceHeader);
  EXPECT_EQ(length(restricted->second), 1);
  EXPECT_EQ(length(restricted->third->second), 2);
  EXPECT_EQ(body->third->third->third->first->first->second->kind, script::Exit);
  script::release_tree(body);
}

TEST(MakeBody, EmptyBodyIsAbsent) { EXPECT_EQ(script::make_body(nullptr, 1), nullptr); }

TEST(WrapRoot, ScenarioLevelGoesIntoTheUnnamedRootScenario) {
  script::SourcePosition at{1, "f", 1};
  SyntaxNode* level = script::new_node(script::LevelList, at, script::new_node(script::Scenario, at));
  SyntaxNode* root = script::new_node(script::ScriptRoot, at, nullptr, nullptr, level);
  script::wrap_root_scenario(root);
  ASSERT_EQ(root->third->kind, script::LevelList);
  EXPECT_EQ(root->third->second, nullptr);
  const SyntaxNode* scenario = root->third->first;
  ASSERT_EQ(scenario->kind, script::Scenario);
  EXPECT_EQ(scenario->first->kind, script::Name);
  EXPECT_TRUE(scenario->first->has_text);
  EXPECT_EQ(scenario->first->text, "");
  const SyntaxNode* contents = scenario->second;
  EXPECT_EQ(contents->kind, script::ScenarioContents);
  EXPECT_EQ(contents->first, nullptr);
  EXPECT_EQ(contents->second->kind, script::Empty);
  EXPECT_EQ(contents->third, level);
  script::release_tree(root);

  SyntaxNode* empty = script::new_node(script::ScriptRoot, at);
  script::wrap_root_scenario(empty);
  EXPECT_EQ(empty->third, nullptr);
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
