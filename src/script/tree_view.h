// Named, kind-checked accessors of the script's syntax tree. Code outside the grammar and the
// tree's builders reads the tree only through these: a node of the wrong kind, or a child that
// the layout requires and that is missing, ends the run with the internal message "STXNODNWT"
// (the kind number, at the node's position) or "STXNODNIL" (at the position of the node whose
// child is missing). The node layouts are documented in syntax_tree.h; each accessor below states
// the kinds it accepts ("n:") and what it returns.
//
// Children marked "or null" may be absent in a tree that parsed without error (a blank text, an
// empty statement list, an optional clause); all other children are required.
//
// Chains (statement items, declaration items, names, arguments, ...) are walked with the ranges
// at the end of this file: `for (const SyntaxNode* item : statement_items(if_then(n)))`.
#pragma once
#include <cstddef>
#include <iterator>

#include "script/syntax_tree.h"

namespace script {

// ---- reporting and generic access ----

// "STXNODNWT" with the node's kind at its position; ends the run.
[[noreturn]] void unexpected_node(const SyntaxNode* node);
// "STXNODNIL" at the position of `parent` (no position when it is null as well); ends the run.
[[noreturn]] void missing_node(const SyntaxNode* parent);
// `node` itself, after checking that it is not null and of kind `kind`.
const SyntaxNode* expect_kind(const SyntaxNode* node, int kind);

// Child 1, 2 or 3 of any node, unchecked (null for another index): for generic walkers only,
// such as a tree dump. Analyses use the named accessors.
const SyntaxNode* child(const SyntaxNode* node, int index);

// The next cell of a chain. n: any chain cell (1, 5, 9, 20, 45, 47, 79, 82, 99, 100, 114, 117,
// 125, 126, 143, 146, 148); null after the last one.
const SyntaxNode* next_item(const SyntaxNode* item);

// ---- script root (43), header (36), declarations ----

const SyntaxNode* root_header(const SyntaxNode* root);        // 36 or null
const SyntaxNode* root_declarations(const SyntaxNode* root);  // first 148 item or null
const SyntaxNode* root_level(const SyntaxNode* root);         // first 45 item or null (the root scenario)
// n: 36. Its text number `index` (1 to 3): 59 (a string, quotes kept) or 96 ("$NAME", the '$' kept).
const SyntaxNode* header_part(const SyntaxNode* header, int index);

// n: 148. A declaration (115, 113, 116, 46, 110, 164, 137, 165, 42 or a '#' line 39), or null
// when the item holds an instance declaration instead.
const SyntaxNode* item_declaration(const SyntaxNode* item);
// n: 148. DECLARE_INSTANCE (142) or an INSTANCE block (141), or null.
const SyntaxNode* item_instances(const SyntaxNode* item);
const SyntaxNode* instance_block_names(const SyntaxNode* block);         // n: 141; first 143 item
const SyntaxNode* instance_block_declarations(const SyntaxNode* block);  // n: 141; first 148 item or null
const SyntaxNode* declare_instance_names(const SyntaxNode* declared);    // n: 142; first 143 item

// n: a name-list item: 143 instance name, 20 family name, 114 channel name, 117 DEF_TRIGGER
// variable, 47 TRIGGER variable. Its name leaf (22).
const SyntaxNode* item_name(const SyntaxNode* item);

const SyntaxNode* commtype_name(const SyntaxNode* commtype);        // n: 115; leaf
const SyntaxNode* commtype_id_type(const SyntaxNode* commtype);     // n: 115; connection-id type leaf
const SyntaxNode* commtype_properties(const SyntaxNode* commtype);  // n: 115; first 126 item or null
const SyntaxNode* property_of(const SyntaxNode* item);              // n: 126; the property (124)

const SyntaxNode* channel_commtype(const SyntaxNode* channel);  // n: 113; communication type leaf
const SyntaxNode* channel_names(const SyntaxNode* channel);     // n: 113; first 114 item

// n: 116 (DEF_TRIGGER) or 46 (TRIGGER).
const SyntaxNode* trigger_type(const SyntaxNode* trigger);       // event structure type leaf
const SyntaxNode* trigger_variables(const SyntaxNode* trigger);  // first 117 (for 116) or 47 (for 46) item

// n: 110 CALLBACK, 164 VIRTUALCALLBACK, 137 PROCSEND, 165 VIRTUALPROCSEND (through their 111
// and 118 children).
const SyntaxNode* callback_message(const SyntaxNode* callback);     // message type leaf
const SyntaxNode* callback_parameters(const SyntaxNode* callback);  // first 9 item or null
const SyntaxNode* callback_commtype(const SyntaxNode* callback);    // communication type leaf (after ON)
const SyntaxNode* callback_body(const SyntaxNode* callback);        // first 99/100 list or null

const SyntaxNode* proc_name(const SyntaxNode* proc);        // n: 42; leaf
const SyntaxNode* proc_parameters(const SyntaxNode* proc);  // n: 42; first 9 item or null
const SyntaxNode* proc_body(const SyntaxNode* proc);        // n: 42; first 99/100 list or null

const SyntaxNode* parameter_type(const SyntaxNode* parameter);  // n: 9; type leaf (all words but the last)
const SyntaxNode* parameter_name(const SyntaxNode* parameter);  // n: 9; name leaf (last word) or null

// ---- scenario level ----

// n: 45. The element: 24 INCLUDE, 27 INITIALIZATION, 44 SCENARIO, 62 TERMINATION, 93 EXCEPTION.
const SyntaxNode* level_element(const SyntaxNode* item);

const SyntaxNode* scenario_name(const SyntaxNode* scenario);      // n: 44; leaf (empty text: the root scenario)
const SyntaxNode* scenario_contents(const SyntaxNode* scenario);  // n: 44; 134
const SyntaxNode* contents_number(const SyntaxNode* contents);    // n: 134; number leaf (7) or null
// n: 134. The FAMILY clause (21), or null when the scenario has none (the child is then the
// empty node 11).
const SyntaxNode* contents_family(const SyntaxNode* contents);
// n: 134. The first 45 item (sub-scenarios and blocks), the first 99/100 list of a body, or null.
const SyntaxNode* contents_statements(const SyntaxNode* contents);
const SyntaxNode* family_names(const SyntaxNode* clause);  // n: 21; first 20 item

// n: 27, 62, 93. CALL form: the procedure name leaf and the arguments; statement form: the body.
// A block has one of the two forms; an empty statement form has neither.
const SyntaxNode* block_procedure(const SyntaxNode* block);  // leaf or null
const SyntaxNode* block_arguments(const SyntaxNode* block);  // first 1 item or null
const SyntaxNode* block_body(const SyntaxNode* block);       // first 99/100 list or null

// ---- bodies and statement lists ----

// n: 99 or 100. The instance header (150) of a list restricted to instances, or null.
const SyntaxNode* body_restriction(const SyntaxNode* list);
// n: 99 or 100. The list's first statement item (146).
const SyntaxNode* body_statements(const SyntaxNode* list);
const SyntaxNode* restriction_names(const SyntaxNode* header);  // n: 150; first 143 item

// n: 146. The instance header (150) when the item is an instance group, else null.
const SyntaxNode* item_group_header(const SyntaxNode* item);
// n: 146. The group's first statement item, or null (empty group, or not a group).
const SyntaxNode* item_group_statements(const SyntaxNode* item);
// n: 146 that is not a group. Its statement holder (37).
const SyntaxNode* item_holder(const SyntaxNode* item);
// n: 37. The execution filter (38 "%...", 41 "%%...", text as read), or null.
const SyntaxNode* holder_filter(const SyntaxNode* holder);
// n: 37. The statement: 2, 4, 6, 14, 17, 23, 39, 40, 56, 68, 77, 78, 80, 105, 107, 109, 119,
// 120, 121, 122, 130, 131, 132, 133, 135, 136, 138, 139, 153, 154, 155, 156 or 158.
const SyntaxNode* holder_statement(const SyntaxNode* holder);

// ---- statements ----

// CALL (2).
const SyntaxNode* call_name(const SyntaxNode* call);       // leaf, or null for a blank name
const SyntaxNode* call_arguments(const SyntaxNode* call);  // first 1 item or null
const SyntaxNode* call_return(const SyntaxNode* call);     // 94 or null
// n: 1. The argument: 8 (a value) or 55 (REF).
const SyntaxNode* argument_of(const SyntaxNode* item);
// n: 8, through its value holder (18).
const SyntaxNode* argument_expression(const SyntaxNode* argument);  // leaf, or null for a blank argument
const SyntaxNode* argument_first_at(const SyntaxNode* argument);    // first '@' part leaf or null
const SyntaxNode* argument_second_at(const SyntaxNode* argument);   // second '@' part leaf or null
const SyntaxNode* ref_type(const SyntaxNode* argument);             // n: 55; type leaf
const SyntaxNode* return_expected(const SyntaxNode* part);          // n: 94; expected value leaf or null
const SyntaxNode* return_variable(const SyntaxNode* part);          // n: 94; return variable leaf or null

// CASE (4).
const SyntaxNode* case_selector(const SyntaxNode* node);     // leaf or null
const SyntaxNode* case_branches(const SyntaxNode* node);     // first 5 item
const SyntaxNode* when_branch(const SyntaxNode* item);       // n: 5; the branch (3)
const SyntaxNode* when_labels(const SyntaxNode* branch);     // n: 3; first 79 item
const SyntaxNode* when_statements(const SyntaxNode* branch); // n: 3; first 146 item or null
const SyntaxNode* when_label(const SyntaxNode* item);        // n: 79; 7 number, 22 expression or 48 OTHERS

// IF (23), ELSE part (10), WHILE (80).
const SyntaxNode* if_condition(const SyntaxNode* node);  // leaf or null
const SyntaxNode* if_then(const SyntaxNode* node);       // first 146 item or null
// The ELSE part (10), or null when there is none (the child is then the empty node 11).
const SyntaxNode* if_else(const SyntaxNode* node);
const SyntaxNode* else_statements(const SyntaxNode* part);   // n: 10; first 146 item or null
const SyntaxNode* while_condition(const SyntaxNode* node);   // n: 80; leaf or null
const SyntaxNode* while_statements(const SyntaxNode* node);  // n: 80; first 146 item or null

// VAR (77), FORMAT (107).
const SyntaxNode* var_variable(const SyntaxNode* node);  // leaf or null
const SyntaxNode* var_value(const SyntaxNode* node);     // 102 "INIT=", 103 "EV="/"VA=", 106 "EV==" (text: the value)
const SyntaxNode* format_variable(const SyntaxNode* node);  // 108 leaf (empty text when blank)
const SyntaxNode* format_text(const SyntaxNode* node);      // leaf

// WAITTIL (78) and its conditions (81).
const SyntaxNode* waittil_first_condition(const SyntaxNode* node);   // 81
const SyntaxNode* waittil_second_condition(const SyntaxNode* node);  // 81
const SyntaxNode* condition_parts(const SyntaxNode* condition);      // n: 81; first 82 item
const SyntaxNode* condition_part(const SyntaxNode* item);            // n: 82; text leaf (22) or matching (63)
const SyntaxNode* matching_message(const SyntaxNode* matching);      // n: 63; leaf
const SyntaxNode* matching_channel(const SyntaxNode* matching);      // n: 63; leaf or null

// Messages and channels.
const SyntaxNode* def_message_message(const SyntaxNode* node);  // n: 109; leaf or null
const SyntaxNode* def_message_value(const SyntaxNode* node);    // n: 109; 102
const SyntaxNode* send_message(const SyntaxNode* node);         // n: 136 (through 140); leaf
const SyntaxNode* send_channel(const SyntaxNode* node);         // n: 136 (through 140); leaf
const SyntaxNode* add_id_channel(const SyntaxNode* node);       // n: 121; 125
const SyntaxNode* add_id_identifier(const SyntaxNode* node);    // n: 121; 125
const SyntaxNode* clear_id_channel(const SyntaxNode* node);     // n: 122; 125
const SyntaxNode* expression_of(const SyntaxNode* item);        // n: 125; leaf or null (blank)

// Other statements.
const SyntaxNode* timer_name(const SyntaxNode* node);          // n: 130; leaf
const SyntaxNode* reset_name(const SyntaxNode* node);          // n: 131; leaf
const SyntaxNode* pause_arguments(const SyntaxNode* node);     // n: 132; first 125 item or null
const SyntaxNode* print_name(const SyntaxNode* node);          // n: 133; leaf (identifier, or string with quotes)
const SyntaxNode* print_arguments(const SyntaxNode* node);     // n: 133; first 125 item or null
const SyntaxNode* catch_type(const SyntaxNode* node);          // n: 135; leaf or null
const SyntaxNode* catch_procedure(const SyntaxNode* node);     // n: 135; leaf
const SyntaxNode* set_filter(const SyntaxNode* node);          // n: 56; string leaf (59), quotes kept
const SyntaxNode* unset_filter(const SyntaxNode* node);        // n: 68; string leaf (59), quotes kept
const SyntaxNode* rendezvous_name(const SyntaxNode* node);     // n: 105; leaf
const SyntaxNode* cleanup_procedure(const SyntaxNode* node);   // n: 138 or 139; leaf
const SyntaxNode* intersend_value(const SyntaxNode* node);     // n: 156 (through 157); leaf or null
const SyntaxNode* intersend_tester(const SyntaxNode* node);    // n: 156 (through 157); leaf or null
const SyntaxNode* interrecv_first(const SyntaxNode* node);     // n: 158 (through 159); leaf or null
const SyntaxNode* interrecv_second(const SyntaxNode* node);    // n: 158 (through 159); leaf or null

// ---- chains ----

// The kinds a chain's cells may have.
struct KindSet {
  const int* kinds;
  std::size_t count;
  bool contains(int kind) const;
};

// A range over a chain from its first cell (null: empty). Every cell is checked against the
// chain's kinds when the walk reaches it ("STXNODNWT" otherwise).
class NodeChain {
 public:
  class iterator {
   public:
    using value_type = const SyntaxNode*;
    using difference_type = std::ptrdiff_t;
    using iterator_category = std::forward_iterator_tag;
    using pointer = void;
    using reference = const SyntaxNode*;

    iterator() = default;
    iterator(const SyntaxNode* node, KindSet kinds);
    const SyntaxNode* operator*() const { return node_; }
    iterator& operator++();
    iterator operator++(int);
    bool operator==(const iterator& other) const { return node_ == other.node_; }

   private:
    const SyntaxNode* node_ = nullptr;
    KindSet kinds_{nullptr, 0};
  };

  NodeChain(const SyntaxNode* head, KindSet kinds) : head_(head), kinds_(kinds) {}
  iterator begin() const { return iterator(head_, kinds_); }
  iterator end() const { return iterator(); }

 private:
  const SyntaxNode* head_;
  KindSet kinds_;
};

NodeChain declaration_items(const SyntaxNode* head);     // 148
NodeChain level_items(const SyntaxNode* head);           // 45
NodeChain body_lists(const SyntaxNode* head);            // 99 and 100
NodeChain statement_items(const SyntaxNode* head);       // 146
NodeChain name_items(const SyntaxNode* head);            // 143, 20, 114, 117, 47
NodeChain parameter_items(const SyntaxNode* head);       // 9
NodeChain property_items(const SyntaxNode* head);        // 126
NodeChain argument_items(const SyntaxNode* head);        // 1
NodeChain expression_items(const SyntaxNode* head);      // 125
NodeChain when_items(const SyntaxNode* head);            // 5
NodeChain when_label_items(const SyntaxNode* head);      // 79
NodeChain condition_part_items(const SyntaxNode* head);  // 82

}  // namespace script
