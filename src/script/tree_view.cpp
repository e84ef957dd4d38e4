#include "script/tree_view.h"

#include <algorithm>
#include <string>

#include "diag/report.h"

namespace script {

namespace {

// Kind sets of the layouts.
constexpr int name_leaf[] = {Name};
constexpr int number_leaf[] = {Number};
constexpr int header_parts[] = {StringText, EnvText};
constexpr int string_leaf[] = {StringText};
constexpr int declarations[] = {Commtype, Channel,   DefTrigger, Trigger, Callback, VirtualCallback,
                                Procsend, VirtualProcsend, Proc,  HashLine};
constexpr int instance_declarations[] = {DeclareInstance, InstanceBlock};
constexpr int callbacks[] = {Callback, VirtualCallback, Procsend, VirtualProcsend};
constexpr int triggers[] = {DefTrigger, Trigger};
constexpr int level_elements[] = {Include, Initialization, Scenario, Termination, Exception};
constexpr int blocks[] = {Initialization, Termination, Exception};
constexpr int families[] = {FamilyClause, Empty};
constexpr int scenario_statements[] = {LevelList, InstructionList, DeclarationList};
constexpr int filters[] = {Filter, DoubleFilter};
constexpr int statements[] = {Call,         Case,          CommentLine,  Error,       Exit,          If,
                              HashLine,     AtLine,        Set,          Unset,       Var,           Waittil,
                              While,        Rendezvous,    Format,       DefMessage,  NoMessage,     MessageDate,
                              AddId,        ClearId,       Timer,        Reset,       Pause,         Print,
                              Catch,        Send,          EnableCleanup, DisableCleanup, FlushTrace, TraceOn,
                              TraceOff,     Intersend,     Interrecv};
constexpr int arguments[] = {ArgumentValue, RefArgument};
constexpr int when_label_kinds[] = {Number, Name, Others};
constexpr int else_kinds[] = {ElsePart, Empty};
constexpr int var_values[] = {InitValue, ExpectedValue, ExpectTest};
constexpr int format_variables[] = {FormatVariable};
constexpr int condition_elements[] = {Name, Matching};
constexpr int init_values[] = {InitValue};
constexpr int cleanups[] = {EnableCleanup, DisableCleanup};

// Chains: the cell kinds, and the link to the next cell.
constexpr int declaration_cells[] = {DeclarationItem};
constexpr int level_cells[] = {LevelList};
constexpr int body_cells[] = {InstructionList, DeclarationList};
constexpr int statement_cells[] = {StatementItem};
constexpr int name_cells[] = {InstanceName, FamilyName, ChannelName, DefTriggerVariable, TriggerVariable};
constexpr int parameter_cells[] = {Parameter};
constexpr int property_cells[] = {PropertyItem};
constexpr int argument_cells[] = {ArgumentItem};
constexpr int expression_cells[] = {ArgumentList};
constexpr int when_cells[] = {WhenItem};
constexpr int label_cells[] = {WhenLabel};
constexpr int condition_cells[] = {ConditionPart};

template <std::size_t N>
constexpr KindSet set_of(const int (&kinds)[N]) {
  return {kinds, N};
}

// The node itself, when it exists and has one of `kinds`.
template <std::size_t N>
const SyntaxNode* node_of(const SyntaxNode* node, const int (&kinds)[N]) {
  if (node == nullptr) missing_node(nullptr);
  if (!set_of(kinds).contains(node->kind)) unexpected_node(node);
  return node;
}

const SyntaxNode* node_of(const SyntaxNode* node, int kind) {
  const int kinds[] = {kind};
  return node_of(node, kinds);
}

// A child that may be absent; when present it must have one of `kinds`.
template <std::size_t N>
const SyntaxNode* optional(const SyntaxNode* child, const int (&kinds)[N]) {
  if (child != nullptr && !set_of(kinds).contains(child->kind)) unexpected_node(child);
  return child;
}

// A child that the layout requires.
template <std::size_t N>
const SyntaxNode* required(const SyntaxNode* parent, const SyntaxNode* child, const int (&kinds)[N]) {
  if (child == nullptr) missing_node(parent);
  return optional(child, kinds);
}

bool links_by_second(int kind) {
  switch (kind) {
    case ArgumentItem: case WhenItem: case FamilyName: case LevelList: case TriggerVariable: case WhenLabel:
    case ConditionPart: case ChannelName: case DefTriggerVariable: case ArgumentList: case PropertyItem:
    case InstanceName:
      return true;
    default:
      return false;
  }
}

bool links_by_third(int kind) {
  switch (kind) {
    case Parameter: case InstructionList: case DeclarationList: case StatementItem: case DeclarationItem:
      return true;
    default:
      return false;
  }
}

const SyntaxNode* callback_message_part(const SyntaxNode* callback) {
  const SyntaxNode* node = node_of(callback, callbacks);
  const int kinds[] = {CallbackMessage};
  return required(node, node->first, kinds);
}

const SyntaxNode* value_holder(const SyntaxNode* argument) {
  const SyntaxNode* node = node_of(argument, ArgumentValue);
  const int kinds[] = {ValueHolder};
  return required(node, node->first, kinds);
}

const SyntaxNode* send_operands(const SyntaxNode* send) {
  const SyntaxNode* node = node_of(send, Send);
  const int kinds[] = {SendOperands};
  return required(node, node->first, kinds);
}

const SyntaxNode* intersend_operands(const SyntaxNode* intersend) {
  const SyntaxNode* node = node_of(intersend, Intersend);
  const int kinds[] = {IntersendOperands};
  return required(node, node->first, kinds);
}

const SyntaxNode* interrecv_operands(const SyntaxNode* interrecv) {
  const SyntaxNode* node = node_of(interrecv, Interrecv);
  const int kinds[] = {InterrecvOperands};
  return required(node, node->first, kinds);
}

}  // namespace

// ---- reporting and generic access ----

bool KindSet::contains(int kind) const { return std::find(kinds, kinds + count, kind) != kinds + count; }

void unexpected_node(const SyntaxNode* node) {
  if (node == nullptr) missing_node(nullptr);
  diag::report_internal(diag::Code::STXNODNWT, diag::location_prefix(node->file != nullptr ? node->file : "", node->line),
                        std::to_string(node->kind));
}

void missing_node(const SyntaxNode* parent) {
  if (parent == nullptr) diag::report_internal(diag::Code::STXNODNIL, diag::location_prefix("", 0));
  diag::report_internal(diag::Code::STXNODNIL, diag::location_prefix(parent->file != nullptr ? parent->file : "", parent->line));
}

const SyntaxNode* expect_kind(const SyntaxNode* node, int kind) { return node_of(node, kind); }

const SyntaxNode* child(const SyntaxNode* node, int index) {
  if (node == nullptr) missing_node(nullptr);
  switch (index) {
    case 1: return node->first;
    case 2: return node->second;
    case 3: return node->third;
    default: return nullptr;
  }
}

const SyntaxNode* next_item(const SyntaxNode* item) {
  if (item == nullptr) missing_node(nullptr);
  if (links_by_second(item->kind)) return item->second;
  if (links_by_third(item->kind)) return item->third;
  unexpected_node(item);
}

// ---- script root, header, declarations ----

const SyntaxNode* root_header(const SyntaxNode* root) {
  const int kinds[] = {Header};
  return optional(node_of(root, ScriptRoot)->first, kinds);
}

const SyntaxNode* root_declarations(const SyntaxNode* root) {
  return optional(node_of(root, ScriptRoot)->second, declaration_cells);
}

const SyntaxNode* root_level(const SyntaxNode* root) {
  return optional(node_of(root, ScriptRoot)->third, level_cells);
}

const SyntaxNode* header_part(const SyntaxNode* header, int index) {
  const SyntaxNode* node = node_of(header, Header);
  return required(node, index >= 1 && index <= 3 ? child(node, index) : nullptr, header_parts);
}

const SyntaxNode* item_declaration(const SyntaxNode* item) {
  return optional(node_of(item, DeclarationItem)->first, declarations);
}

const SyntaxNode* item_instances(const SyntaxNode* item) {
  return optional(node_of(item, DeclarationItem)->second, instance_declarations);
}

const SyntaxNode* instance_block_names(const SyntaxNode* block) {
  const SyntaxNode* node = node_of(block, InstanceBlock);
  const int kinds[] = {InstanceName};
  return required(node, node->first, kinds);
}

const SyntaxNode* instance_block_declarations(const SyntaxNode* block) {
  return optional(node_of(block, InstanceBlock)->second, declaration_cells);
}

const SyntaxNode* declare_instance_names(const SyntaxNode* declared) {
  const SyntaxNode* node = node_of(declared, DeclareInstance);
  const int kinds[] = {InstanceName};
  return required(node, node->first, kinds);
}

const SyntaxNode* item_name(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, name_cells);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* commtype_name(const SyntaxNode* commtype) {
  const SyntaxNode* node = node_of(commtype, Commtype);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* commtype_id_type(const SyntaxNode* commtype) {
  const SyntaxNode* node = node_of(commtype, Commtype);
  return required(node, node->second, name_leaf);
}

const SyntaxNode* commtype_properties(const SyntaxNode* commtype) {
  return optional(node_of(commtype, Commtype)->third, property_cells);
}

const SyntaxNode* property_of(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, PropertyItem);
  const int kinds[] = {Multiplexing};
  return required(node, node->first, kinds);
}

const SyntaxNode* channel_commtype(const SyntaxNode* channel) {
  const SyntaxNode* node = node_of(channel, Channel);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* channel_names(const SyntaxNode* channel) {
  const SyntaxNode* node = node_of(channel, Channel);
  const int kinds[] = {ChannelName};
  return required(node, node->second, kinds);
}

const SyntaxNode* trigger_type(const SyntaxNode* trigger) {
  const SyntaxNode* node = node_of(trigger, triggers);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* trigger_variables(const SyntaxNode* trigger) {
  const SyntaxNode* node = node_of(trigger, triggers);
  const int kinds[] = {node->kind == DefTrigger ? DefTriggerVariable : TriggerVariable};
  return required(node, node->second, kinds);
}

const SyntaxNode* callback_message(const SyntaxNode* callback) {
  const SyntaxNode* message = callback_message_part(callback);
  return required(message, message->first, name_leaf);
}

const SyntaxNode* callback_parameters(const SyntaxNode* callback) {
  return optional(callback_message_part(callback)->second, parameter_cells);
}

const SyntaxNode* callback_commtype(const SyntaxNode* callback) {
  const SyntaxNode* node = node_of(callback, callbacks);
  const int kinds[] = {CallbackComm};
  const SyntaxNode* comm = required(node, node->second, kinds);
  return required(comm, comm->first, name_leaf);
}

const SyntaxNode* callback_body(const SyntaxNode* callback) {
  return optional(node_of(callback, callbacks)->third, body_cells);
}

const SyntaxNode* proc_name(const SyntaxNode* proc) {
  const SyntaxNode* node = node_of(proc, Proc);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* proc_parameters(const SyntaxNode* proc) {
  return optional(node_of(proc, Proc)->second, parameter_cells);
}

const SyntaxNode* proc_body(const SyntaxNode* proc) { return optional(node_of(proc, Proc)->third, body_cells); }

const SyntaxNode* parameter_type(const SyntaxNode* parameter) {
  const SyntaxNode* node = node_of(parameter, Parameter);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* parameter_name(const SyntaxNode* parameter) {
  return optional(node_of(parameter, Parameter)->second, name_leaf);
}

// ---- scenario level ----

const SyntaxNode* level_element(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, LevelList);
  return required(node, node->first, level_elements);
}

const SyntaxNode* scenario_name(const SyntaxNode* scenario) {
  const SyntaxNode* node = node_of(scenario, Scenario);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* scenario_contents(const SyntaxNode* scenario) {
  const SyntaxNode* node = node_of(scenario, Scenario);
  const int kinds[] = {ScenarioContents};
  return required(node, node->second, kinds);
}

const SyntaxNode* contents_number(const SyntaxNode* contents) {
  return optional(node_of(contents, ScenarioContents)->first, number_leaf);
}

const SyntaxNode* contents_family(const SyntaxNode* contents) {
  const SyntaxNode* node = node_of(contents, ScenarioContents);
  const SyntaxNode* family = required(node, node->second, families);
  return family->kind == FamilyClause ? family : nullptr;
}

const SyntaxNode* contents_statements(const SyntaxNode* contents) {
  return optional(node_of(contents, ScenarioContents)->third, scenario_statements);
}

const SyntaxNode* family_names(const SyntaxNode* clause) {
  const SyntaxNode* node = node_of(clause, FamilyClause);
  const int kinds[] = {FamilyName};
  return required(node, node->first, kinds);
}

const SyntaxNode* block_procedure(const SyntaxNode* block) {
  return optional(node_of(block, blocks)->first, name_leaf);
}

const SyntaxNode* block_arguments(const SyntaxNode* block) {
  return optional(node_of(block, blocks)->third, argument_cells);
}

const SyntaxNode* block_body(const SyntaxNode* block) {
  return optional(node_of(block, blocks)->second, body_cells);
}

// ---- bodies and statement lists ----

const SyntaxNode* body_restriction(const SyntaxNode* list) {
  const SyntaxNode* node = node_of(list, body_cells);
  const SyntaxNode* first = node->first;
  return first != nullptr && first->kind == InstanceHeader ? first : nullptr;
}

const SyntaxNode* body_statements(const SyntaxNode* list) {
  const SyntaxNode* node = node_of(list, body_cells);
  if (body_restriction(node) != nullptr) return required(node, node->second, statement_cells);
  return required(node, node->first, statement_cells);
}

const SyntaxNode* restriction_names(const SyntaxNode* header) {
  const SyntaxNode* node = node_of(header, InstanceHeader);
  const int kinds[] = {InstanceName};
  return required(node, node->first, kinds);
}

const SyntaxNode* item_group_header(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, StatementItem);
  const SyntaxNode* first = node->first;
  return first != nullptr && first->kind == InstanceHeader ? first : nullptr;
}

const SyntaxNode* item_group_statements(const SyntaxNode* item) {
  return optional(node_of(item, StatementItem)->second, statement_cells);
}

const SyntaxNode* item_holder(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, StatementItem);
  const int kinds[] = {StatementHolder};
  return required(node, node->first, kinds);
}

const SyntaxNode* holder_filter(const SyntaxNode* holder) {
  return optional(node_of(holder, StatementHolder)->first, filters);
}

const SyntaxNode* holder_statement(const SyntaxNode* holder) {
  const SyntaxNode* node = node_of(holder, StatementHolder);
  return required(node, node->second, statements);
}

// ---- statements ----

const SyntaxNode* call_name(const SyntaxNode* call) { return optional(node_of(call, Call)->first, name_leaf); }

const SyntaxNode* call_arguments(const SyntaxNode* call) {
  return optional(node_of(call, Call)->second, argument_cells);
}

const SyntaxNode* call_return(const SyntaxNode* call) {
  const int kinds[] = {ReturnPart};
  return optional(node_of(call, Call)->third, kinds);
}

const SyntaxNode* argument_of(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, ArgumentItem);
  return required(node, node->first, arguments);
}

const SyntaxNode* argument_expression(const SyntaxNode* argument) {
  return optional(value_holder(argument)->first, name_leaf);
}

const SyntaxNode* argument_first_at(const SyntaxNode* argument) {
  return optional(value_holder(argument)->second, name_leaf);
}

const SyntaxNode* argument_second_at(const SyntaxNode* argument) {
  return optional(value_holder(argument)->third, name_leaf);
}

const SyntaxNode* ref_type(const SyntaxNode* argument) {
  const SyntaxNode* node = node_of(argument, RefArgument);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* return_expected(const SyntaxNode* part) {
  return optional(node_of(part, ReturnPart)->first, name_leaf);
}

const SyntaxNode* return_variable(const SyntaxNode* part) {
  return optional(node_of(part, ReturnPart)->second, name_leaf);
}

const SyntaxNode* case_selector(const SyntaxNode* node) { return optional(node_of(node, Case)->first, name_leaf); }

const SyntaxNode* case_branches(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Case);
  return required(checked, checked->second, when_cells);
}

const SyntaxNode* when_branch(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, WhenItem);
  const int kinds[] = {WhenBranch};
  return required(node, node->first, kinds);
}

const SyntaxNode* when_labels(const SyntaxNode* branch) {
  const SyntaxNode* node = node_of(branch, WhenBranch);
  return required(node, node->first, label_cells);
}

const SyntaxNode* when_statements(const SyntaxNode* branch) {
  return optional(node_of(branch, WhenBranch)->second, statement_cells);
}

const SyntaxNode* when_label(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, WhenLabel);
  return required(node, node->first, when_label_kinds);
}

const SyntaxNode* if_condition(const SyntaxNode* node) { return optional(node_of(node, If)->first, name_leaf); }

const SyntaxNode* if_then(const SyntaxNode* node) { return optional(node_of(node, If)->second, statement_cells); }

const SyntaxNode* if_else(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, If);
  const SyntaxNode* part = required(checked, checked->third, else_kinds);
  return part->kind == ElsePart ? part : nullptr;
}

const SyntaxNode* else_statements(const SyntaxNode* part) {
  return optional(node_of(part, ElsePart)->first, statement_cells);
}

const SyntaxNode* while_condition(const SyntaxNode* node) { return optional(node_of(node, While)->first, name_leaf); }

const SyntaxNode* while_statements(const SyntaxNode* node) {
  return optional(node_of(node, While)->second, statement_cells);
}

const SyntaxNode* var_variable(const SyntaxNode* node) { return optional(node_of(node, Var)->first, name_leaf); }

const SyntaxNode* var_value(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Var);
  return required(checked, checked->second, var_values);
}

const SyntaxNode* format_variable(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Format);
  return required(checked, checked->first, format_variables);
}

const SyntaxNode* format_text(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Format);
  return required(checked, checked->second, name_leaf);
}

const SyntaxNode* waittil_first_condition(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Waittil);
  const int kinds[] = {Condition};
  return required(checked, checked->first, kinds);
}

const SyntaxNode* waittil_second_condition(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Waittil);
  const int kinds[] = {Condition};
  return required(checked, checked->second, kinds);
}

const SyntaxNode* condition_parts(const SyntaxNode* condition) {
  const SyntaxNode* node = node_of(condition, Condition);
  return required(node, node->first, condition_cells);
}

const SyntaxNode* condition_part(const SyntaxNode* item) {
  const SyntaxNode* node = node_of(item, ConditionPart);
  return required(node, node->first, condition_elements);
}

const SyntaxNode* matching_message(const SyntaxNode* matching) {
  const SyntaxNode* node = node_of(matching, Matching);
  return required(node, node->first, name_leaf);
}

const SyntaxNode* matching_channel(const SyntaxNode* matching) {
  return optional(node_of(matching, Matching)->second, name_leaf);
}

const SyntaxNode* def_message_message(const SyntaxNode* node) {
  return optional(node_of(node, DefMessage)->first, name_leaf);
}

const SyntaxNode* def_message_value(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, DefMessage);
  return required(checked, checked->second, init_values);
}

const SyntaxNode* send_message(const SyntaxNode* node) {
  const SyntaxNode* operands = send_operands(node);
  return required(operands, operands->first, name_leaf);
}

const SyntaxNode* send_channel(const SyntaxNode* node) {
  const SyntaxNode* operands = send_operands(node);
  return required(operands, operands->second, name_leaf);
}

const SyntaxNode* add_id_channel(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, AddId);
  return required(checked, checked->first, expression_cells);
}

const SyntaxNode* add_id_identifier(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, AddId);
  return required(checked, checked->second, expression_cells);
}

const SyntaxNode* clear_id_channel(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, ClearId);
  return required(checked, checked->first, expression_cells);
}

const SyntaxNode* expression_of(const SyntaxNode* item) {
  return optional(node_of(item, ArgumentList)->first, name_leaf);
}

const SyntaxNode* timer_name(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Timer);
  return required(checked, checked->first, name_leaf);
}

const SyntaxNode* reset_name(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Reset);
  return required(checked, checked->first, name_leaf);
}

const SyntaxNode* pause_arguments(const SyntaxNode* node) {
  return optional(node_of(node, Pause)->first, expression_cells);
}

const SyntaxNode* print_name(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Print);
  return required(checked, checked->first, name_leaf);
}

const SyntaxNode* print_arguments(const SyntaxNode* node) {
  return optional(node_of(node, Print)->second, expression_cells);
}

const SyntaxNode* catch_type(const SyntaxNode* node) { return optional(node_of(node, Catch)->first, name_leaf); }

const SyntaxNode* catch_procedure(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Catch);
  return required(checked, checked->second, name_leaf);
}

const SyntaxNode* set_filter(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Set);
  return required(checked, checked->first, string_leaf);
}

const SyntaxNode* unset_filter(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Unset);
  return required(checked, checked->first, string_leaf);
}

const SyntaxNode* rendezvous_name(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, Rendezvous);
  return required(checked, checked->first, name_leaf);
}

const SyntaxNode* cleanup_procedure(const SyntaxNode* node) {
  const SyntaxNode* checked = node_of(node, cleanups);
  return required(checked, checked->first, name_leaf);
}

const SyntaxNode* intersend_value(const SyntaxNode* node) {
  return optional(intersend_operands(node)->first, name_leaf);
}

const SyntaxNode* intersend_tester(const SyntaxNode* node) {
  return optional(intersend_operands(node)->second, name_leaf);
}

const SyntaxNode* interrecv_first(const SyntaxNode* node) {
  return optional(interrecv_operands(node)->first, name_leaf);
}

const SyntaxNode* interrecv_second(const SyntaxNode* node) {
  return optional(interrecv_operands(node)->second, name_leaf);
}

// ---- chains ----

NodeChain::iterator::iterator(const SyntaxNode* node, KindSet kinds) : node_(node), kinds_(kinds) {
  if (node_ != nullptr && !kinds_.contains(node_->kind)) unexpected_node(node_);
}

NodeChain::iterator& NodeChain::iterator::operator++() {
  *this = iterator(next_item(node_), kinds_);
  return *this;
}

NodeChain::iterator NodeChain::iterator::operator++(int) {
  iterator before = *this;
  ++*this;
  return before;
}

NodeChain declaration_items(const SyntaxNode* head) { return {head, set_of(declaration_cells)}; }
NodeChain level_items(const SyntaxNode* head) { return {head, set_of(level_cells)}; }
NodeChain body_lists(const SyntaxNode* head) { return {head, set_of(body_cells)}; }
NodeChain statement_items(const SyntaxNode* head) { return {head, set_of(statement_cells)}; }
NodeChain name_items(const SyntaxNode* head) { return {head, set_of(name_cells)}; }
NodeChain parameter_items(const SyntaxNode* head) { return {head, set_of(parameter_cells)}; }
NodeChain property_items(const SyntaxNode* head) { return {head, set_of(property_cells)}; }
NodeChain argument_items(const SyntaxNode* head) { return {head, set_of(argument_cells)}; }
NodeChain expression_items(const SyntaxNode* head) { return {head, set_of(expression_cells)}; }
NodeChain when_items(const SyntaxNode* head) { return {head, set_of(when_cells)}; }
NodeChain when_label_items(const SyntaxNode* head) { return {head, set_of(label_cells)}; }
NodeChain condition_part_items(const SyntaxNode* head) { return {head, set_of(condition_cells)}; }

}  // namespace script
