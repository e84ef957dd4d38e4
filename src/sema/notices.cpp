#include "sema/notices.h"

#include <string>

#include "diag/report.h"
#include "sema/node_report.h"

namespace sema {

namespace {

void report_ignored(diag::Code code, int count) {
  if (count > 0) diag::report_at(diag::MessageKind::Information, code, std::to_string(count), "", 0);
}

}  // namespace

void report_statement_notices(AnalysisContext& context) {
  const AnalysisState& state = context.state;
  report_ignored(diag::Code::IGNEDTRON, state.ignored_trace_on);
  report_ignored(diag::Code::IGNEDTROF, state.ignored_trace_off);
  report_ignored(diag::Code::IGNEDFTRC, state.ignored_flush_trace);
  for (const Entry* entry = context.model.global()->first; entry != nullptr; entry = entry->next) {
    if (entry->kind != EntryKind::Procedure) continue;
    if (!record_of<ProcedureRecord>(entry->descriptor).used) {
      report_at_entry(diag::MessageKind::Information, diag::Code::NOPROCCAL, entry->name, entry);
    }
  }
  if (state.waittil_count > 0 && state.def_message_count == 0) {
    const Position& at = state.first_message;
    diag::report_at(diag::MessageKind::Information, diag::Code::NODEFMESS, "",
                    at.file != nullptr ? std::string_view(at.file) : std::string_view(), at.line);
  }
}

}  // namespace sema
