// The named accessors of the syntax tree: what they return over parsed scripts, that a walk
// through them reaches every text of a real tree, and the internal messages for a node of the
// wrong kind or a missing child.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "script/parse_script.h"
#include "script/tree_view.h"

namespace {

using script::SyntaxNode;

// Every construct of the language that a script without INCLUDE can hold.
const char kScript[] =
    "HEADER \"Title\", \"1.0\", $USER\n"
    "COMMTYPE link IS link_id_t WITH MULTIPLEXING\n"
    "CHANNEL link : cmd_ch, status_ch\n"
    "DEF_TRIGGER request_t : open_request, close_request\n"
    "CALLBACK request_t (int code) ON link\n"
    "  NO_MESSAGE\n"
    "  MESSAGE_DATE\n"
    "END CALLBACK\n"
    "VIRTUALPROCSEND request_t ON link\n"
    "  @ send_it();\n"
    "END PROCSEND\n"
    "DECLARE_INSTANCE panel, console\n"
    "INSTANCE console\n"
    "  # int limit = 800;\n"
    "END INSTANCE\n"
    "# int shared;\n"
    "PROC connect (unsigned int port, char name)\n"
    "  CALL open_link (\"controller\", port @ a @ b) @ 0, link\n"
    "  ADD_ID (cmd_ch, link)\n"
    "  CLEAR_ID (cmd_ch)\n"
    "END PROC\n"
    "PROC handler (int)\n"
    "  EXIT\n"
    "END PROC\n"
    "INITIALIZATION CALL connect (7001, REF int)\n"
    "TERMINATION\n"
    "  CALL disconnect\n"
    "END TERMINATION\n"
    "SCENARIO opening 12 FAMILY smoke, nightly\n"
    "  SCENARIO first\n"
    "    IF (x > 1) THEN\n"
    "      PRINT \"value\", x\n"
    "    ELSE\n"
    "      PAUSE 10\n"
    "    END IF\n"
    "    WHILE (y)\n"
    "      TIMER t1\n"
    "      RESET t1\n"
    "    END WHILE\n"
    "    CASE (mode)\n"
    "      WHEN 1, 2\n"
    "        ERROR\n"
    "      WHEN OTHERS\n"
    "        EXIT\n"
    "    END CASE\n"
    "    VAR v, INIT=(1, 2)\n"
    "    VAR w, FORMAT=%d\n"
    "    WAITTIL (MATCHING(door_opened, status_ch), WTIME >= 2000)\n"
    "    SEND open_request ON cmd_ch\n"
    "%A+B CATCH (int) WITH handler\n"
    "    SET \"AB\"\n"
    "    UNSET \"AB\"\n"
    "    RENDEZVOUS meet\n"
    "    INTERSEND (1, \"tester\")\n"
    "    INTERRECV (v)\n"
    "    ENABLE_CLEANUP handler\n"
    "    DEF_MESSAGE open_request, INIT=(door => 1)\n"
    "    COMMENT a comment line\n"
    "    FLUSH_TRACE\n"
    "    INSTANCE panel\n"
    "      EXIT\n"
    "    END INSTANCE\n"
    "  END SCENARIO\n"
    "END SCENARIO\n";

struct Parsed {
  script::ParseResult result;
  Parsed(const std::string& name, const std::string& text) {
    result = script::parse_script_text(name, text, {}, true);
  }
  ~Parsed() {
    script::release_tree(result.root);
    script::release_files(result.files);
  }
  const SyntaxNode* root() const { return result.root; }
};

std::string text_of(const SyntaxNode* node) { return node == nullptr ? "<none>" : node->text; }

std::vector<int> kinds_of(script::NodeChain chain, const SyntaxNode* (*element)(const SyntaxNode*)) {
  std::vector<int> kinds;
  for (const SyntaxNode* item : chain) kinds.push_back(element(item)->kind);
  return kinds;
}

std::vector<std::string> names_of(const SyntaxNode* head) {
  std::vector<std::string> names;
  for (const SyntaxNode* item : script::name_items(head)) names.push_back(script::item_name(item)->text);
  return names;
}

// The n-th (from 0) item of a chain.
const SyntaxNode* nth(script::NodeChain chain, int n) {
  for (const SyntaxNode* item : chain) {
    if (n-- == 0) return item;
  }
  return nullptr;
}

// The statements of a 146 chain, through their holders.
std::vector<const SyntaxNode*> statements_of(const SyntaxNode* head) {
  std::vector<const SyntaxNode*> out;
  for (const SyntaxNode* item : script::statement_items(head)) {
    if (script::item_group_header(item) == nullptr) out.push_back(script::holder_statement(script::item_holder(item)));
  }
  return out;
}

// Walks a whole tree through the accessors only, as the semantic analysis will, and keeps every
// node they returned.
class AccessorWalk {
 public:
  std::set<const SyntaxNode*> seen;

  void root(const SyntaxNode* root) {
    if (const SyntaxNode* header = see(script::root_header(root))) {
      for (int part = 1; part <= 3; ++part) see(script::header_part(header, part));
    }
    declarations(script::root_declarations(root));
    level(script::root_level(root));
  }

 private:
  const SyntaxNode* see(const SyntaxNode* node) {
    if (node != nullptr) seen.insert(node);
    return node;
  }

  void names(const SyntaxNode* head) {
    for (const SyntaxNode* item : script::name_items(head)) see(script::item_name(see(item)));
  }

  void parameters(const SyntaxNode* head) {
    for (const SyntaxNode* parameter : script::parameter_items(head)) {
      see(script::parameter_type(see(parameter)));
      see(script::parameter_name(parameter));
    }
  }

  void declarations(const SyntaxNode* head) {
    for (const SyntaxNode* item : script::declaration_items(head)) {
      see(item);
      if (const SyntaxNode* declaration = see(script::item_declaration(item))) {
        this->declaration(declaration);
      } else if (const SyntaxNode* instances = see(script::item_instances(item))) {
        if (instances->kind == script::DeclareInstance) {
          names(script::declare_instance_names(instances));
        } else {
          names(script::instance_block_names(instances));
          declarations(script::instance_block_declarations(instances));
        }
      } else {
        script::missing_node(item);
      }
    }
  }

  void declaration(const SyntaxNode* node) {
    switch (node->kind) {
      case script::Commtype:
        see(script::commtype_name(node));
        see(script::commtype_id_type(node));
        for (const SyntaxNode* item : script::property_items(script::commtype_properties(node))) {
          see(script::property_of(see(item)));
        }
        break;
      case script::Channel:
        see(script::channel_commtype(node));
        names(script::channel_names(node));
        break;
      case script::DefTrigger:
      case script::Trigger:
        see(script::trigger_type(node));
        names(script::trigger_variables(node));
        break;
      case script::Callback:
      case script::VirtualCallback:
      case script::Procsend:
      case script::VirtualProcsend:
        see(script::callback_message(node));
        parameters(script::callback_parameters(node));
        see(script::callback_commtype(node));
        body(script::callback_body(node));
        break;
      case script::Proc:
        see(script::proc_name(node));
        parameters(script::proc_parameters(node));
        body(script::proc_body(node));
        break;
      case script::HashLine: break;
      default: script::unexpected_node(node);
    }
  }

  void level(const SyntaxNode* head) {
    for (const SyntaxNode* item : script::level_items(head)) element(see(script::level_element(see(item))));
  }

  void element(const SyntaxNode* node) {
    if (node->kind == script::Include) return;
    if (node->kind != script::Scenario) {
      see(script::block_procedure(node));
      arguments(script::block_arguments(node));
      body(script::block_body(node));
      return;
    }
    see(script::scenario_name(node));
    const SyntaxNode* contents = see(script::scenario_contents(node));
    see(script::contents_number(contents));
    if (const SyntaxNode* family = see(script::contents_family(contents))) names(script::family_names(family));
    const SyntaxNode* inside = script::contents_statements(contents);
    if (inside != nullptr && inside->kind == script::LevelList) level(inside);
    else body(inside);
  }

  void body(const SyntaxNode* head) {
    for (const SyntaxNode* list : script::body_lists(head)) {
      if (const SyntaxNode* header = see(script::body_restriction(see(list)))) names(script::restriction_names(header));
      statements(script::body_statements(list));
    }
  }

  void statements(const SyntaxNode* head) {
    for (const SyntaxNode* item : script::statement_items(head)) {
      if (const SyntaxNode* header = see(script::item_group_header(see(item)))) {
        names(script::restriction_names(header));
        statements(script::item_group_statements(item));
        continue;
      }
      const SyntaxNode* holder = see(script::item_holder(item));
      see(script::holder_filter(holder));
      statement(see(script::holder_statement(holder)));
    }
  }

  void arguments(const SyntaxNode* head) {
    for (const SyntaxNode* item : script::argument_items(head)) {
      const SyntaxNode* argument = see(script::argument_of(see(item)));
      if (argument->kind == script::RefArgument) {
        see(script::ref_type(argument));
      } else {
        see(script::argument_expression(argument));
        see(script::argument_first_at(argument));
        see(script::argument_second_at(argument));
      }
    }
  }

  void expressions(const SyntaxNode* head) {
    for (const SyntaxNode* item : script::expression_items(head)) see(script::expression_of(see(item)));
  }

  void condition(const SyntaxNode* node) {
    for (const SyntaxNode* item : script::condition_part_items(script::condition_parts(see(node)))) {
      const SyntaxNode* part = see(script::condition_part(see(item)));
      if (part->kind == script::Matching) {
        see(script::matching_message(part));
        see(script::matching_channel(part));
      }
    }
  }

  void statement(const SyntaxNode* node) {
    switch (node->kind) {
      case script::Call:
        see(script::call_name(node));
        arguments(script::call_arguments(node));
        if (const SyntaxNode* part = see(script::call_return(node))) {
          see(script::return_expected(part));
          see(script::return_variable(part));
        }
        break;
      case script::Case:
        see(script::case_selector(node));
        for (const SyntaxNode* item : script::when_items(script::case_branches(node))) {
          const SyntaxNode* branch = see(script::when_branch(see(item)));
          for (const SyntaxNode* label : script::when_label_items(script::when_labels(branch))) {
            see(script::when_label(see(label)));
          }
          statements(script::when_statements(branch));
        }
        break;
      case script::If:
        see(script::if_condition(node));
        statements(script::if_then(node));
        if (const SyntaxNode* part = see(script::if_else(node))) statements(script::else_statements(part));
        break;
      case script::While:
        see(script::while_condition(node));
        statements(script::while_statements(node));
        break;
      case script::Var:
        see(script::var_variable(node));
        see(script::var_value(node));
        break;
      case script::Format:
        see(script::format_variable(node));
        see(script::format_text(node));
        break;
      case script::Waittil:
        condition(script::waittil_first_condition(node));
        condition(script::waittil_second_condition(node));
        break;
      case script::DefMessage:
        see(script::def_message_message(node));
        see(script::def_message_value(node));
        break;
      case script::Send:
        see(script::send_message(node));
        see(script::send_channel(node));
        break;
      case script::AddId:
        expressions(script::add_id_channel(node));
        expressions(script::add_id_identifier(node));
        break;
      case script::ClearId: expressions(script::clear_id_channel(node)); break;
      case script::Timer: see(script::timer_name(node)); break;
      case script::Reset: see(script::reset_name(node)); break;
      case script::Pause: expressions(script::pause_arguments(node)); break;
      case script::Print:
        see(script::print_name(node));
        expressions(script::print_arguments(node));
        break;
      case script::Catch:
        see(script::catch_type(node));
        see(script::catch_procedure(node));
        break;
      case script::Set: see(script::set_filter(node)); break;
      case script::Unset: see(script::unset_filter(node)); break;
      case script::Rendezvous: see(script::rendezvous_name(node)); break;
      case script::EnableCleanup:
      case script::DisableCleanup: see(script::cleanup_procedure(node)); break;
      case script::Intersend:
        see(script::intersend_value(node));
        see(script::intersend_tester(node));
        break;
      case script::Interrecv:
        see(script::interrecv_first(node));
        see(script::interrecv_second(node));
        break;
      default: break;  // statements without children (their text, if any, is their own)
    }
  }
};

// Every node of a tree that carries a text, found without the accessors.
std::set<const SyntaxNode*> texts_of_tree(const SyntaxNode* root) {
  std::set<const SyntaxNode*> texts;
  std::vector<const SyntaxNode*> pending{root};
  while (!pending.empty()) {
    const SyntaxNode* node = pending.back();
    pending.pop_back();
    if (node == nullptr) continue;
    if (node->has_text) texts.insert(node);
    for (int index = 1; index <= 3; ++index) pending.push_back(script::child(node, index));
  }
  return texts;
}

void expect_walk_reaches_every_text(const SyntaxNode* root) {
  AccessorWalk walk;
  walk.root(root);
  std::set<const SyntaxNode*> texts = texts_of_tree(root);
  ASSERT_FALSE(texts.empty());
  for (const SyntaxNode* node : texts) {
    EXPECT_TRUE(walk.seen.count(node) == 1)
        << "not reached: kind " << node->kind << " line " << node->line << " \"" << node->text << "\"";
  }
}

class TreeView : public testing::Test {
 protected:
  void SetUp() override {
    diag::reset_catalogue();
    diag::register_all_messages();
    diag::reset_reporting();
  }
};

TEST_F(TreeView, DeclarationsOfAParsedScript) {
  Parsed parsed("all.pts", kScript);
  ASSERT_EQ(diag::error_count(), 0);
  const SyntaxNode* root = parsed.root();

  const SyntaxNode* header = script::root_header(root);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(script::header_part(header, 1)->text, "\"Title\"");
  EXPECT_EQ(script::header_part(header, 2)->kind, script::StringText);
  EXPECT_EQ(script::header_part(header, 3)->kind, script::EnvText);
  EXPECT_EQ(script::header_part(header, 3)->text, "$USER");

  script::NodeChain items = script::declaration_items(script::root_declarations(root));
  std::vector<int> kinds;
  for (const SyntaxNode* item : items) {
    const SyntaxNode* declaration = script::item_declaration(item);
    kinds.push_back(declaration != nullptr ? declaration->kind : script::item_instances(item)->kind);
  }
  EXPECT_EQ(kinds, (std::vector<int>{115, 113, 116, 110, 165, 142, 141, 39, 42, 42}));

  const SyntaxNode* commtype = script::item_declaration(nth(items, 0));
  EXPECT_EQ(script::commtype_name(commtype)->text, "link");
  EXPECT_EQ(script::commtype_id_type(commtype)->text, "link_id_t");
  EXPECT_EQ(kinds_of(script::property_items(script::commtype_properties(commtype)), script::property_of),
            (std::vector<int>{script::Multiplexing}));
  const SyntaxNode* channel = script::item_declaration(nth(items, 1));
  EXPECT_EQ(script::channel_commtype(channel)->text, "link");
  EXPECT_EQ(names_of(script::channel_names(channel)), (std::vector<std::string>{"cmd_ch", "status_ch"}));
  const SyntaxNode* trigger = script::item_declaration(nth(items, 2));
  EXPECT_EQ(script::trigger_type(trigger)->text, "request_t");
  EXPECT_EQ(script::trigger_variables(trigger)->kind, script::DefTriggerVariable);
  EXPECT_EQ(names_of(script::trigger_variables(trigger)), (std::vector<std::string>{"open_request", "close_request"}));

  const SyntaxNode* callback = script::item_declaration(nth(items, 3));
  EXPECT_EQ(script::callback_message(callback)->text, "request_t");
  EXPECT_EQ(script::callback_commtype(callback)->text, "link");
  const SyntaxNode* code = script::callback_parameters(callback);
  EXPECT_EQ(script::parameter_type(code)->text, "int");
  EXPECT_EQ(text_of(script::parameter_name(code)), "code");
  std::vector<int> body_kinds;
  for (const SyntaxNode* list : script::body_lists(script::callback_body(callback))) {
    for (const SyntaxNode* statement : statements_of(script::body_statements(list))) {
      body_kinds.push_back(statement->kind);
    }
  }
  EXPECT_EQ(body_kinds, (std::vector<int>{script::NoMessage, script::MessageDate}));
  const SyntaxNode* procsend = script::item_declaration(nth(items, 4));
  EXPECT_EQ(script::callback_parameters(procsend), nullptr);
  EXPECT_EQ(script::callback_message(procsend)->text, "request_t");

  EXPECT_EQ(names_of(script::declare_instance_names(script::item_instances(nth(items, 5)))),
            (std::vector<std::string>{"panel", "console"}));
  const SyntaxNode* block = script::item_instances(nth(items, 6));
  EXPECT_EQ(names_of(script::instance_block_names(block)), (std::vector<std::string>{"console"}));
  const SyntaxNode* inner = script::item_declaration(script::instance_block_declarations(block));
  EXPECT_EQ(inner->kind, script::HashLine);
  EXPECT_EQ(inner->text, " int limit = 800;");

  const SyntaxNode* connect = script::item_declaration(nth(items, 8));
  EXPECT_EQ(script::proc_name(connect)->text, "connect");
  std::vector<std::string> parameters;
  for (const SyntaxNode* parameter : script::parameter_items(script::proc_parameters(connect))) {
    parameters.push_back(script::parameter_type(parameter)->text + "|" + text_of(script::parameter_name(parameter)));
  }
  EXPECT_EQ(parameters, (std::vector<std::string>{"unsigned int|port", "char|name"}));
  // One word: a type without a name.
  const SyntaxNode* handler = script::item_declaration(nth(items, 9));
  EXPECT_EQ(script::parameter_name(script::proc_parameters(handler)), nullptr);

  const SyntaxNode* call = statements_of(script::body_statements(script::proc_body(connect)))[0];
  EXPECT_EQ(script::call_name(call)->text, "open_link");
  const SyntaxNode* port = script::argument_of(nth(script::argument_items(script::call_arguments(call)), 1));
  EXPECT_EQ(script::argument_expression(port)->text, "port");
  EXPECT_EQ(script::argument_first_at(port)->text, "a");
  EXPECT_EQ(script::argument_second_at(port)->text, "b");
  EXPECT_EQ(script::return_expected(script::call_return(call))->text, "0");
  EXPECT_EQ(script::return_variable(script::call_return(call))->text, "link");
  const SyntaxNode* add_id = statements_of(script::body_statements(script::proc_body(connect)))[1];
  EXPECT_EQ(script::expression_of(script::add_id_channel(add_id))->text, "cmd_ch");
  EXPECT_EQ(script::expression_of(script::add_id_identifier(add_id))->text, "link");
}

TEST_F(TreeView, ScenariosBlocksAndStatementsOfAParsedScript) {
  Parsed parsed("all.pts", kScript);
  ASSERT_EQ(diag::error_count(), 0);
  // The unnamed root scenario holds the scenario level.
  const SyntaxNode* wrapper = script::level_element(script::root_level(parsed.root()));
  EXPECT_EQ(script::scenario_name(wrapper)->text, "");
  script::NodeChain level = script::level_items(script::contents_statements(script::scenario_contents(wrapper)));
  EXPECT_EQ(kinds_of(level, script::level_element), (std::vector<int>{27, 62, 44}));

  const SyntaxNode* initialization = script::level_element(nth(level, 0));
  EXPECT_EQ(script::block_procedure(initialization)->text, "connect");
  EXPECT_EQ(script::block_body(initialization), nullptr);
  script::NodeChain arguments = script::argument_items(script::block_arguments(initialization));
  EXPECT_EQ(script::argument_expression(script::argument_of(nth(arguments, 0)))->text, "7001");
  EXPECT_EQ(script::ref_type(script::argument_of(nth(arguments, 1)))->text, "int");
  const SyntaxNode* termination = script::level_element(nth(level, 1));
  EXPECT_EQ(script::block_procedure(termination), nullptr);
  EXPECT_EQ(script::call_name(statements_of(script::body_statements(script::block_body(termination)))[0])->text,
            "disconnect");

  const SyntaxNode* opening = script::level_element(nth(level, 2));
  EXPECT_EQ(script::scenario_name(opening)->text, "opening");
  const SyntaxNode* contents = script::scenario_contents(opening);
  EXPECT_EQ(script::contents_number(contents)->text, "12");
  EXPECT_EQ(names_of(script::family_names(script::contents_family(contents))),
            (std::vector<std::string>{"smoke", "nightly"}));
  const SyntaxNode* first = script::level_element(script::contents_statements(contents));
  EXPECT_EQ(script::scenario_name(first)->text, "first");
  const SyntaxNode* first_contents = script::scenario_contents(first);
  EXPECT_EQ(script::contents_family(first_contents), nullptr);

  // The body: one instruction list, then the INSTANCE group as a restricted list.
  script::NodeChain lists = script::body_lists(script::contents_statements(first_contents));
  EXPECT_EQ(script::body_restriction(nth(lists, 0)), nullptr);
  const SyntaxNode* restriction = script::body_restriction(nth(lists, 1));
  ASSERT_NE(restriction, nullptr);
  EXPECT_EQ(names_of(script::restriction_names(restriction)), (std::vector<std::string>{"panel"}));
  EXPECT_EQ(nth(lists, 2), nullptr);

  std::vector<const SyntaxNode*> statements = statements_of(script::body_statements(nth(lists, 0)));
  std::vector<int> kinds;
  for (const SyntaxNode* statement : statements) kinds.push_back(statement->kind);
  EXPECT_EQ(kinds, (std::vector<int>{23, 80, 4, 77, 107, 78, 136, 135, 56, 68, 105, 156, 158, 138, 109, 6, 153}));

  const SyntaxNode* if_node = statements[0];
  EXPECT_EQ(script::if_condition(if_node)->text, "x > 1");
  const SyntaxNode* print = statements_of(script::if_then(if_node))[0];
  EXPECT_EQ(script::print_name(print)->text, "\"value\"");
  EXPECT_EQ(script::expression_of(script::print_arguments(print))->text, "x");
  const SyntaxNode* else_part = script::if_else(if_node);
  ASSERT_NE(else_part, nullptr);
  EXPECT_EQ(script::expression_of(script::pause_arguments(statements_of(script::else_statements(else_part))[0]))->text,
            "10");

  const SyntaxNode* while_node = statements[1];
  EXPECT_EQ(script::while_condition(while_node)->text, "y");
  std::vector<const SyntaxNode*> loop = statements_of(script::while_statements(while_node));
  EXPECT_EQ(script::timer_name(loop[0])->text, "t1");
  EXPECT_EQ(script::reset_name(loop[1])->text, "t1");

  const SyntaxNode* case_node = statements[2];
  EXPECT_EQ(script::case_selector(case_node)->text, "mode");
  script::NodeChain branches = script::when_items(script::case_branches(case_node));
  const SyntaxNode* one = script::when_branch(nth(branches, 0));
  EXPECT_EQ(kinds_of(script::when_label_items(script::when_labels(one)), script::when_label),
            (std::vector<int>{script::Number, script::Name}));
  EXPECT_EQ(kinds_of(script::when_label_items(script::when_labels(script::when_branch(nth(branches, 1)))),
                     script::when_label),
            (std::vector<int>{script::Others}));
  EXPECT_EQ(statements_of(script::when_statements(one))[0]->kind, script::Error);

  EXPECT_EQ(script::var_variable(statements[3])->text, "v");
  EXPECT_EQ(script::var_value(statements[3])->kind, script::InitValue);
  EXPECT_EQ(script::var_value(statements[3])->text, "(1, 2)");
  EXPECT_EQ(script::format_variable(statements[4])->text, "w");
  EXPECT_EQ(script::format_text(statements[4])->text, "%d");

  const SyntaxNode* waittil = statements[5];
  // The text before MATCHING is a part of its own (empty here), then the matching.
  const SyntaxNode* first_condition = script::waittil_first_condition(waittil);
  script::NodeChain parts = script::condition_part_items(script::condition_parts(first_condition));
  EXPECT_EQ(script::condition_part(nth(parts, 0))->text, "");
  const SyntaxNode* matching = script::condition_part(nth(parts, 1));
  ASSERT_EQ(matching->kind, script::Matching);
  EXPECT_EQ(script::matching_message(matching)->text, "door_opened");
  EXPECT_EQ(script::matching_channel(matching)->text, "status_ch");
  EXPECT_EQ(script::waittil_second_condition(waittil)->text, "WTIME >= 2000");

  EXPECT_EQ(script::send_message(statements[6])->text, "open_request");
  EXPECT_EQ(script::send_channel(statements[6])->text, "cmd_ch");
  EXPECT_EQ(script::catch_type(statements[7])->text, "int");
  EXPECT_EQ(script::catch_procedure(statements[7])->text, "handler");
  script::NodeChain items = script::statement_items(script::body_statements(nth(lists, 0)));
  const SyntaxNode* filtered = script::item_holder(nth(items, 7));
  EXPECT_EQ(script::holder_filter(filtered)->kind, script::Filter);
  EXPECT_EQ(script::holder_filter(filtered)->text, "%A+B");
  EXPECT_EQ(script::set_filter(statements[8])->text, "\"AB\"");
  EXPECT_EQ(script::unset_filter(statements[9])->text, "\"AB\"");
  EXPECT_EQ(script::rendezvous_name(statements[10])->text, "meet");
  EXPECT_EQ(script::intersend_value(statements[11])->text, "1");
  EXPECT_EQ(script::intersend_tester(statements[11])->text, "\"tester\"");
  EXPECT_EQ(script::interrecv_first(statements[12])->text, "v");
  EXPECT_EQ(script::interrecv_second(statements[12]), nullptr);
  EXPECT_EQ(script::cleanup_procedure(statements[13])->text, "handler");
  EXPECT_EQ(script::def_message_message(statements[14])->text, "open_request");
  EXPECT_EQ(script::def_message_value(statements[14])->text, "(door => 1)");
}

TEST_F(TreeView, TriggerVariablesAndInstanceGroupsInsideStatements) {
  Parsed parsed("trigger.pts",
                "TRIGGER event_t : ev1, ev2\n"
                "DECLARE_INSTANCE a, b\n"
                "SCENARIO s\n"
                "  IF (c) THEN\n"
                "    INSTANCE a, b\n"
                "      EXIT\n"
                "    END INSTANCE\n"
                "  END IF\n"
                "END SCENARIO\n");
  ASSERT_EQ(diag::error_count(), 0);
  const SyntaxNode* trigger = script::item_declaration(script::root_declarations(parsed.root()));
  EXPECT_EQ(script::trigger_variables(trigger)->kind, script::TriggerVariable);
  EXPECT_EQ(names_of(script::trigger_variables(trigger)), (std::vector<std::string>{"ev1", "ev2"}));

  const SyntaxNode* wrapper = script::level_element(script::root_level(parsed.root()));
  const SyntaxNode* s = script::level_element(script::contents_statements(script::scenario_contents(wrapper)));
  const SyntaxNode* list = script::contents_statements(script::scenario_contents(s));
  const SyntaxNode* if_node = statements_of(script::body_statements(list))[0];
  EXPECT_EQ(script::if_else(if_node), nullptr);
  const SyntaxNode* group = script::if_then(if_node);
  const SyntaxNode* header = script::item_group_header(group);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(names_of(script::restriction_names(header)), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(statements_of(script::item_group_statements(group))[0]->kind, script::Exit);
  expect_walk_reaches_every_text(parsed.root());
}

TEST_F(TreeView, AWalkThroughTheAccessorsReachesEveryText) {
  Parsed parsed("all.pts", kScript);
  ASSERT_EQ(diag::error_count(), 0);
  expect_walk_reaches_every_text(parsed.root());
}

// The example of the distribution and the scripts of the parse tests, found from this file's own
// path (the build compiles it by its absolute name).
TEST_F(TreeView, RealScriptsWalkWithoutInternalMessages) {
  std::string here = __FILE__;
  std::string root = here.substr(0, here.find_last_of('/')) + "/../../..";
  std::string lit = root + "/tests/lit/script/";
  for (const std::string& name : {root + "/examples/example.pts", lit + "parse_control.test",
                                  lit + "parse_declarations.test", lit + "parse_scenarios.test",
                                  lit + "parse_statements.test"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(std::ifstream(name).good());
    script::ParseResult parsed = script::parse_script(name, {lit + "Inputs"}, true);
    ASSERT_EQ(diag::error_count(), 0);
    expect_walk_reaches_every_text(parsed.root);
    script::release_tree(parsed.root);
    script::release_files(parsed.files);
  }
}

// ---- internal messages ----

using TreeViewDeathTest = TreeView;

TEST_F(TreeViewDeathTest, NodeOfTheWrongKind) {
  Parsed parsed("t.pts", "SCENARIO s\n  EXIT\n  WHILE (x)\n    EXIT\n  END WHILE\nEND SCENARIO\n");
  const SyntaxNode* wrapper = script::level_element(script::root_level(parsed.root()));
  const SyntaxNode* s = script::level_element(script::contents_statements(script::scenario_contents(wrapper)));
  const SyntaxNode* list = script::contents_statements(script::scenario_contents(s));
  const SyntaxNode* while_node = statements_of(script::body_statements(list))[1];
  ASSERT_EQ(while_node->kind, script::While);
  EXPECT_EXIT(script::if_condition(while_node), testing::ExitedWithCode(9),
              "^Qandor-S-STXNODNWT,  \\[t\\.pts:3\\] Unexpected syntax node 80\\. Ask for maintenance help\\.\n$");
  // A cell of another chain, and a node that is no chain cell at all.
  EXPECT_EXIT(script::statement_items(script::root_level(parsed.root())).begin(), testing::ExitedWithCode(9),
              "STXNODNWT,  \\[t\\.pts:1\\] Unexpected syntax node 45\\.");
  EXPECT_EXIT(script::next_item(s), testing::ExitedWithCode(9),
              "STXNODNWT,  \\[t\\.pts:1\\] Unexpected syntax node 44\\.");
}

TEST_F(TreeViewDeathTest, ChildOfTheWrongKind) {
  script::SourcePosition at{7, "f.pts", 1};
  script::SourcePosition later{9, "f.pts", 1};
  SyntaxNode* scenario = script::new_node(script::Scenario, at, script::new_leaf(script::Name, at, "s"),
                                          script::new_leaf(script::Name, later, "not contents"));
  EXPECT_EXIT(script::scenario_contents(scenario), testing::ExitedWithCode(9),
              "^Qandor-S-STXNODNWT,  \\[f\\.pts:9\\] Unexpected syntax node 22\\.");
  // A chain whose second cell has another kind: the walk stops there.
  SyntaxNode* list = script::new_node(script::LevelList, at, scenario,
                                      script::new_node(script::StatementItem, later));
  EXPECT_EXIT(
      {
        for (const SyntaxNode* item : script::level_items(list)) (void)item;
      },
      testing::ExitedWithCode(9), "STXNODNWT,  \\[f\\.pts:9\\] Unexpected syntax node 146\\.");
  script::release_tree(list);
}

TEST_F(TreeViewDeathTest, MissingRequiredChild) {
  script::SourcePosition at{7, "f.pts", 1};
  SyntaxNode* scenario = script::new_node(script::Scenario, at, script::new_leaf(script::Name, at, "s"));
  EXPECT_EXIT(script::scenario_contents(scenario), testing::ExitedWithCode(9),
              "^Qandor-S-STXNODNIL,  \\[f\\.pts:7\\] Null syntax node\\. Ask for maintenance help\\.\n$");
  // An IF without its else part (neither 10 nor 11) is malformed.
  SyntaxNode* if_node = script::new_node(script::If, {4, "f.pts", 1});
  EXPECT_EXIT(script::if_else(if_node), testing::ExitedWithCode(9), "STXNODNIL,  \\[f\\.pts:4\\] Null syntax node");
  // No node at all: no position either.
  EXPECT_EXIT(script::scenario_name(nullptr), testing::ExitedWithCode(9),
              "^Qandor-S-STXNODNIL,   Null syntax node\\.");
  script::release_tree(scenario);
  script::release_tree(if_node);
}

TEST_F(TreeView, OptionalChildrenAreNullAndChainsMayBeEmpty) {
  script::SourcePosition at{2, "f.pts", 1};
  SyntaxNode* if_node = script::new_node(script::If, at, nullptr, nullptr, script::new_node(script::Empty, at));
  EXPECT_EQ(script::if_condition(if_node), nullptr);
  EXPECT_EQ(script::if_then(if_node), nullptr);
  EXPECT_EQ(script::if_else(if_node), nullptr);
  script::NodeChain none = script::statement_items(script::if_then(if_node));
  EXPECT_TRUE(none.begin() == none.end());
  script::release_tree(if_node);
}

}  // namespace
