#include "sema/statements/native_lines.h"

#include <algorithm>
#include <string>

#include "iface/query/anc_session.h"
#include "sema/node_report.h"

namespace sema {

Entry* add_native_line(AnalysisContext& context, const script::SyntaxNode* line, Scope* scope, bool has_filter,
                       std::string_view filter) {
  NativeRun& run = context.state.native_run;
  // A run stays within one file, so that its lines keep their positions.
  if (run.open && run.file != line->file) end_native_run(context);
  if (!run.open) {
    run.open = true;
    run.text.clear();
    run.scope_name = context.state.scope_name;
    run.file = line->file;
    run.line = line->line;
    run.next_line = line->line;
  }
  // Comment or empty lines between two native lines become empty lines of the text: a message
  // about the declaration names the line it stands on.
  if (line->line > run.next_line) run.text.append(static_cast<std::size_t>(line->line - run.next_line), '\n');
  run.text += line->text;
  run.text += '\n';
  run.next_line = std::max(run.next_line, line->line) + 1;
  Entry* entry = new_entry(context.model, scope, EntryKind::NativeDeclaration, "", position_of(line), filter, has_filter);
  entry->text = line->text;
  return entry;
}

void end_native_run(AnalysisContext& context) {
  NativeRun& run = context.state.native_run;
  if (!run.open) return;
  run.open = false;
  std::string_view file = run.file != nullptr ? std::string_view(run.file) : std::string_view();
  // Macros of the interface files apply in native lines, and a native "#define" defines one.
  std::string expanded;
  iface::anc_preprocess(run.text, file, run.line, expanded);
  iface::anc_declare(expanded, run.scope_name, file, run.line);
  run.text.clear();
}

}  // namespace sema
