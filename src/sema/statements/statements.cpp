// The statement dispatcher: one handler per statement node kind, from a table. The handlers of
// the families live in the files that statement_handlers.h names; the one-line statements that
// only record an entry (ERROR, EXIT, COMMENT, '@' and '#' lines) are here.
#include <array>

#include "script/tree_view.h"
#include "sema/statements/native_lines.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

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
    {script::Call, analyse_call},
    {script::If, analyse_if},
    {script::While, analyse_while},
    {script::Case, analyse_case},
    {script::Var, analyse_var},
    {script::DefMessage, analyse_def_message},
    {script::Waittil, analyse_waittil},
    {script::Send, analyse_send},
    {script::AddId, analyse_add_id},
    {script::ClearId, analyse_clear_id},
    {script::MessageDate, analyse_message_date},
    {script::NoMessage, analyse_no_message},
    {script::Timer, analyse_timer},
    {script::Reset, analyse_reset},
    {script::Pause, analyse_pause},
    {script::Print, analyse_print},
    {script::Catch, analyse_catch},
    {script::EnableCleanup, analyse_enable_cleanup},
    {script::DisableCleanup, analyse_disable_cleanup},
    {script::Set, analyse_set},
    {script::Unset, analyse_unset},
    {script::TraceOn, analyse_trace_on},
    {script::TraceOff, analyse_trace_off},
    {script::FlushTrace, analyse_flush_trace},
    {script::Rendezvous, analyse_rendezvous},
    {script::Format, analyse_format},
    {script::Intersend, analyse_intersend},
    {script::Interrecv, analyse_interrecv},
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
