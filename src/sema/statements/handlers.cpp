// CATCH, ENABLE_CLEANUP and DISABLE_CLEANUP: statements that hand a procedure of the script to
// the runtime, as the handler of native exceptions or as the cleanup run when a test is stopped.
#include <string>
#include <vector>

#include "diag/report.h"
#include "iface/query/anc_expressions.h"
#include "iface/query/anc_names.h"
#include "script/tree_view.h"
#include "sema/lookup.h"
#include "sema/node_report.h"
#include "sema/scenarios/procedures.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

bool is_identifier_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A C type text with one blank between words and none next to punctuation ("const  char *" and
// "const char*" compare equal).
std::string compact_type(std::string_view text) {
  std::string out;
  bool pending_blank = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      pending_blank = true;
      continue;
    }
    if (pending_blank && !out.empty() && is_identifier_char(out.back()) && is_identifier_char(c)) out += ' ';
    pending_blank = false;
    out += c;
  }
  return out;
}

std::vector<std::string_view> words_of(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

// Whether a native exception type names a known type other than plain void: the type without its
// qualifiers, '*' and '&' is a base type (one or more base type words such as "unsigned long"), a
// type name of the interface files, or such a name after "struct", "class", "union" or "enum".
bool is_known_exception_type(std::string_view compacted) {
  bool indirect = compacted.find_first_of("*&") != std::string_view::npos;
  std::string base;
  for (char c : compacted) base += (c == '*' || c == '&') ? ' ' : c;
  std::vector<std::string_view> words;
  for (std::string_view word : words_of(base)) {
    if (word != "const" && word != "volatile") words.push_back(word);
  }
  if (words.empty()) return false;
  if (words.size() == 2 && (words[0] == "struct" || words[0] == "class" || words[0] == "union" || words[0] == "enum")) {
    words.erase(words.begin());
  }
  if (words.size() == 1) {
    if (words[0] == "void") return indirect;
    return iface::anc_is_type_name(words[0]) != 0;
  }
  for (std::string_view word : words) {
    if (word == "void" || word.find(':') != std::string_view::npos || iface::anc_is_type_name(word) == 0) return false;
  }
  return true;
}

// The single parameter's type of a procedure, or an empty text when it has none; `count` is the
// number of parameters.
std::string_view parameter_type_of(Entry* procedure, int& count) {
  count = 0;
  std::string_view type;
  const ProcedureRecord& record = record_of<ProcedureRecord>(procedure);
  if (record.parameters == nullptr) return type;
  for (const Entry* parameter = record.parameters->first; parameter != nullptr; parameter = parameter->next) {
    if (count++ == 0) type = parameter->text;
  }
  return type;
}

// Whether a handler procedure's parameter type is the caught type: the same text, or the same type
// through typedefs and tags ("err_t" and "struct err_t"). A reference is compared by what it refers
// to, when both are references.
bool same_type(const AnalysisContext& context, std::string_view parameter, std::string_view caught,
               const SyntaxNode* node) {
  if (parameter == caught) return true;
  bool parameter_reference = !parameter.empty() && parameter.back() == '&';
  bool caught_reference = !caught.empty() && caught.back() == '&';
  if (parameter_reference != caught_reference) return false;
  if (parameter_reference) {
    parameter.remove_suffix(1);
    caught.remove_suffix(1);
  }
  std::string expression = "*(" + std::string(parameter) + "*)0";
  return iface::anc_same_type(expression, caught, context.state.scope_name, file_of(node)) != 0;
}

// The owner of the body that holds a statement: a CATCH must stand directly in the body of a
// scenario, PROC, INITIALIZATION, TERMINATION or EXCEPTION block, CALLBACK or PROCSEND, not in an
// IF, WHILE or WHEN inside it.
bool in_handler_body(const Scope* scope) {
  if (scope->owner == nullptr || scope->owner->entry == nullptr) return true;
  switch (scope->owner->entry->kind) {
    case EntryKind::Scenario:
    case EntryKind::Procedure:
    case EntryKind::Initialization:
    case EntryKind::Termination:
    case EntryKind::Exception:
    case EntryKind::Callback:
    case EntryKind::Procsend: return true;
    default: return false;
  }
}

// The procedure an ENABLE_CLEANUP or DISABLE_CLEANUP names: known ("UNKCLPROC") and without
// parameters ("CLVOIDPRC"); then an entry of `kind` that refers to it.
void analyse_cleanup(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter,
                     EntryKind kind) {
  std::string_view name = leaf_text(script::cleanup_procedure(node));
  Entry* procedure = use_procedure(context, name);
  if (procedure == nullptr) {
    report_at_node(diag::MessageKind::Error, diag::Code::UNKCLPROC, name, node);
    return;
  }
  int count = 0;
  parameter_type_of(procedure, count);
  if (count != 0) {
    report_at_node(diag::MessageKind::Error, diag::Code::CLVOIDPRC, name, node);
    return;
  }
  Entry* entry = statement_entry(context, scope, kind, node, filter);
  entry->name.assign(name);
  entry->has_name = true;
  record_of<CleanupRecord>(new_descriptor(context.model, entry, DescriptorKind::Cleanup)).procedure = procedure;
}

}  // namespace

// CATCH [type] WITH procedure: the type is a known non-void type ("UKNNATTYP"), the procedure is
// known ("UNKCLPROC") and takes exactly that type, or nothing without a type ("INCOMPTYP"); the
// CATCH stands directly in a body ("INVLCATCH"). The first mistake is the only one reported.
void analyse_catch(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  std::string type = compact_type(leaf_text(script::catch_type(node)));
  std::string_view name = leaf_text(script::catch_procedure(node));
  if (!type.empty() && !is_known_exception_type(type)) {
    report_at_node(diag::MessageKind::Error, diag::Code::UKNNATTYP, type, node);
    return;
  }
  Entry* procedure = use_procedure(context, name);
  if (procedure == nullptr) {
    report_at_node(diag::MessageKind::Error, diag::Code::UNKCLPROC, name, node);
    return;
  }
  int count = 0;
  std::string parameter = compact_type(parameter_type_of(procedure, count));
  bool matches = type.empty() ? count == 0 : count == 1 && same_type(context, parameter, type, node);
  if (!matches) {
    std::string argument = (type.empty() ? std::string("void") : type) + ',' + parameter;
    report_at_node(diag::MessageKind::Error, diag::Code::INCOMPTYP, argument, node);
    return;
  }
  if (!in_handler_body(scope)) {
    report_at_node(diag::MessageKind::Error, diag::Code::INVLCATCH, name, node);
    return;
  }
  Entry* entry = statement_entry(context, scope, EntryKind::Catch, node, filter);
  CatchRecord& record = record_of<CatchRecord>(new_descriptor(context.model, entry, DescriptorKind::Catch));
  record.type = std::move(type);
  record.procedure = procedure;
}

// ENABLE_CLEANUP records entry 10, DISABLE_CLEANUP entry 11: the first switches the procedure on as
// the cleanup of the test, the second off.
void analyse_enable_cleanup(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                            const ExecutionFilter& filter) {
  analyse_cleanup(context, node, scope, filter, EntryKind::EnableCleanup);
}

void analyse_disable_cleanup(AnalysisContext& context, const SyntaxNode* node, Scope* scope,
                             const ExecutionFilter& filter) {
  analyse_cleanup(context, node, scope, filter, EntryKind::DisableCleanup);
}

}  // namespace sema
