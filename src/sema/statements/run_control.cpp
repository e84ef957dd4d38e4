// Statements that steer the test run rather than test anything: SET and UNSET of execution-filter
// letters, the circular-trace statements, RENDEZVOUS and FORMAT.
#include "diag/report.h"
#include "iface/query/format.h"
#include "script/tree_view.h"
#include "sema/node_report.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

constexpr int circular_trace_level = 50;

// The letters of a SET or UNSET string (quotes dropped); "BADLETFLT" for every character that is
// not an upper-case letter A-Z. Returns whether all are.
bool check_filter_letters(std::string_view letters, const SyntaxNode* node) {
  bool good = true;
  for (char c : letters) {
    if (c >= 'A' && c <= 'Z') continue;
    report_at_node(diag::MessageKind::Error, diag::Code::BADLETFLT, std::string_view(&c, 1), node);
    good = false;
  }
  return good;
}

void analyse_filter_letters(AnalysisContext& context, const SyntaxNode* node, const SyntaxNode* text, Scope* scope,
                            const ExecutionFilter& filter, EntryKind kind) {
  std::string_view letters = text->text;
  letters = letters.size() >= 2 ? letters.substr(1, letters.size() - 2) : std::string_view();
  if (!check_filter_letters(letters, node)) return;
  statement_entry(context, scope, kind, node, filter)->text.assign(letters);
}

// With the circular trace the statement records an entry of `kind`; with any other trace level it
// is dropped and counted for the end-of-run notice.
void analyse_trace_statement(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                             const ExecutionFilter& filter, EntryKind kind, int& ignored) {
  if (context.parameters.trace_level != circular_trace_level) {
    ++ignored;
    return;
  }
  statement_entry(context, scope, kind, node, filter);
}

bool directly_in_callback_or_procsend(const Scope* scope) {
  const Descriptor* owner = scope->owner;
  return owner != nullptr && owner->entry != nullptr &&
         (owner->entry->kind == EntryKind::Callback || owner->entry->kind == EntryKind::Procsend);
}

}  // namespace

void analyse_set(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  analyse_filter_letters(context, node, script::set_filter(node), scope, filter, EntryKind::SetFilter);
}

void analyse_unset(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  analyse_filter_letters(context, node, script::unset_filter(node), scope, filter, EntryKind::UnsetFilter);
}

void analyse_trace_on(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  analyse_trace_statement(context, node, scope, filter, EntryKind::TraceOn, context.state.ignored_trace_on);
}

void analyse_trace_off(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  analyse_trace_statement(context, node, scope, filter, EntryKind::TraceOff, context.state.ignored_trace_off);
}

// FLUSH_TRACE writes the trace out, which a CALLBACK or PROCSEND body (run inside a reception or an
// emission) may not do; inside an IF or WHILE of such a body it is accepted.
void analyse_flush_trace(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                         const ExecutionFilter& filter) {
  if (context.parameters.trace_level == circular_trace_level && directly_in_callback_or_procsend(scope)) {
    report_at_node(diag::MessageKind::Error, diag::Code::FTINCBPS, "", node);
    return;
  }
  analyse_trace_statement(context, node, scope, filter, EntryKind::FlushTrace, context.state.ignored_flush_trace);
}

void analyse_rendezvous(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                        const ExecutionFilter& filter) {
  Entry* entry = statement_entry(context, scope, EntryKind::Rendezvous, node, filter);
  entry->name.assign(leaf_text(script::rendezvous_name(node)));
  entry->has_name = true;
  new_descriptor(context.model, entry, DescriptorKind::Rendezvous);
}

// FORMAT sets how a variable's value is shown from here on, for the C scope of the body; nothing
// is recorded.
void analyse_format(AnalysisContext& context, const SyntaxNode* node, Scope*, const ExecutionFilter&) {
  const AnalysisState& state = context.state;
  iface::anc_set_format(state.format_level, state.scope_name, leaf_text(script::format_variable(node)),
                        leaf_text(script::format_text(node)), file_of(node), node->line);
}

}  // namespace sema
