// The statement dispatcher: one handler per statement node kind. The statements whose checks are
// not written yet are accepted as they stand and record nothing (docs/language.md, "Statements
// not yet checked"); they still mark the procedures they name as used, so that the end-of-run
// "NOPROCCAL" notices stay true.
#include <array>
#include <string_view>

#include "script/tree_view.h"
#include "sema/native_lines.h"
#include "sema/node_report.h"
#include "sema/procedures.h"
#include "sema/statement_list.h"

namespace sema {

using script::SyntaxNode;

namespace {

using StatementHandler = void (*)(AnalysisContext&, const SyntaxNode*, Scope*, const ExecutionFilter&);

Entry* statement_entry(AnalysisContext& context, Scope* scope, EntryKind kind, const SyntaxNode* node,
                       const ExecutionFilter& filter) {
  return new_entry(context.model, scope, kind, "", position_of(node), filter.text, filter.present);
}

void analyse_error(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  statement_entry(context, scope, EntryKind::Error, node, filter);
}

void analyse_exit(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  statement_entry(context, scope, EntryKind::Exit, node, filter);
}

void analyse_comment(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  statement_entry(context, scope, EntryKind::Comment, node, filter)->text = node->text;
}

void analyse_at_line(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  statement_entry(context, scope, EntryKind::AtLine, node, filter)->text = node->text;
}

// A '#' line met alone (the list walk joins runs of them itself).
void analyse_hash_line(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  add_native_line(context, node, scope, filter.present, filter.text);
  end_native_run(context);
}

std::string_view trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

void accept_unchecked(AnalysisContext&, const SyntaxNode*, Scope*, const ExecutionFilter&) {}

void accept_call(AnalysisContext& context, const SyntaxNode* node, Scope*, const ExecutionFilter&) {
  if (const SyntaxNode* name = script::call_name(node)) use_procedure(context, trimmed(name->text));
}

void accept_catch(AnalysisContext& context, const SyntaxNode* node, Scope*, const ExecutionFilter&) {
  use_procedure(context, trimmed(script::catch_procedure(node)->text));
}

void accept_cleanup(AnalysisContext& context, const SyntaxNode* node, Scope*, const ExecutionFilter&) {
  use_procedure(context, trimmed(script::cleanup_procedure(node)->text));
}

constexpr int handler_slots = 166;

struct StatementRow {
  int kind;
  StatementHandler handler;
};

constexpr StatementRow statement_rows[] = {
    {script::Error, analyse_error},
    {script::Exit, analyse_exit},
    {script::CommentLine, analyse_comment},
    {script::AtLine, analyse_at_line},
    {script::HashLine, analyse_hash_line},
    // Not checked yet.
    {script::Call, accept_call},
    {script::Catch, accept_catch},
    {script::EnableCleanup, accept_cleanup},
    {script::DisableCleanup, accept_cleanup},
    {script::Case, accept_unchecked},
    {script::If, accept_unchecked},
    {script::Set, accept_unchecked},
    {script::Unset, accept_unchecked},
    {script::Var, accept_unchecked},
    {script::Waittil, accept_unchecked},
    {script::While, accept_unchecked},
    {script::Rendezvous, accept_unchecked},
    {script::Format, accept_unchecked},
    {script::DefMessage, accept_unchecked},
    {script::NoMessage, accept_unchecked},
    {script::MessageDate, accept_unchecked},
    {script::AddId, accept_unchecked},
    {script::ClearId, accept_unchecked},
    {script::Timer, accept_unchecked},
    {script::Reset, accept_unchecked},
    {script::Pause, accept_unchecked},
    {script::Print, accept_unchecked},
    {script::Send, accept_unchecked},
    {script::FlushTrace, accept_unchecked},
    {script::TraceOn, accept_unchecked},
    {script::TraceOff, accept_unchecked},
    {script::Intersend, accept_unchecked},
    {script::Interrecv, accept_unchecked},
};

constexpr std::array<StatementHandler, handler_slots> make_table() {
  std::array<StatementHandler, handler_slots> table{};
  for (const StatementRow& row : statement_rows) table[static_cast<std::size_t>(row.kind)] = row.handler;
  return table;
}

constexpr std::array<StatementHandler, handler_slots> statement_table = make_table();

}  // namespace

void analyse_statement(AnalysisContext& context, const SyntaxNode* statement, Scope* scope,
                       const ExecutionFilter& filter) {
  StatementHandler handler = nullptr;
  if (statement == nullptr) script::missing_node(nullptr);
  if (statement->kind >= 0 && statement->kind < handler_slots) handler = statement_table[statement->kind];
  if (handler == nullptr) script::unexpected_node(statement);
  handler(context, statement, scope, filter);
}

}  // namespace sema
