#include "gen/tsf/tsf_points.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

// The trace reader's codes.
constexpr int code_rendezvous = 310;
constexpr int code_received = 380;
constexpr int code_sent = 383;
constexpr int code_scenario_start = 390;
constexpr int code_scenario_end = 393;
constexpr int code_initialization = 400;
constexpr int code_termination = 410;
constexpr int code_exception = 420;
constexpr int code_waittil = 433;

// The blocks: their code (the same at both ends) and their word.
struct BlockTrace {
  EntryKind kind;
  int code;
  const char* word;
};

constexpr BlockTrace block_traces[] = {
    {EntryKind::Initialization, code_initialization, "INITIALIZATION"},
    {EntryKind::Termination, code_termination, "TERMINATION"},
    {EntryKind::Exception, code_exception, "EXCEPTION"},
};

const BlockTrace* block_trace_of(EntryKind kind) {
  for (const BlockTrace& row : block_traces) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

// The statements of a block in statement form (the CALL form's scope holds its arguments).
const sema::Scope* block_statements(const Entry* entry) {
  const sema::BlockRecord* block =
      entry->descriptor != nullptr ? std::get_if<sema::BlockRecord>(&entry->descriptor->record) : nullptr;
  return block != nullptr && block->procedure != nullptr ? nullptr : child_scope(entry);
}

}  // namespace

TraceSection* TsfPoints::section_of(const Entry* entry) {
  int ordinal = entry->file_number;
  if (ordinal < 1 || ordinal > static_cast<int>(sections_.size())) return nullptr;
  return &sections_[static_cast<std::size_t>(ordinal - 1)];
}

void TsfPoints::enter(Entry* entry, WalkPlan& plan) {
  if (const BlockTrace* block = block_trace_of(entry->kind)) {
    enter_pair(entry, block->code, block->word);
    plan.scope(block_statements(entry));
    plan.leave(entry);
    return;
  }
  switch (entry->kind) {
    case EntryKind::Scenario:
      // A scenario without a name (the root) has no lines of its own; its children have theirs.
      if (!entry->name.empty()) enter_pair(entry, code_scenario_start, entry->name);
      plan.scope(child_scope(entry));
      if (!entry->name.empty()) plan.leave(entry);
      break;
    case EntryKind::Procedure:
    case EntryKind::Callback:
    case EntryKind::Procsend:
      if (is_used_routine(entry)) plan.scope(child_scope(entry));
      break;
    case EntryKind::Send: {
      const sema::SendRecord* send =
          entry->descriptor != nullptr ? std::get_if<sema::SendRecord>(&entry->descriptor->record) : nullptr;
      enter_send(entry, send != nullptr && send->event_variable != nullptr ? send->event_variable->name : "");
      break;
    }
    case EntryKind::Intersend:
    case EntryKind::Interrecv: enter_send(entry, "..."); break;
    case EntryKind::Waittil: enter_waittil(entry); break;
    case EntryKind::Rendezvous: enter_rendezvous(entry); break;
    case EntryKind::DeclaredInstance: enter_instance(entry); break;
    // The WAITTILs registered again at the head of the global scope have their points where they
    // stand in their bodies.
    case EntryKind::WaittilRegistration: break;
    default: plan_statement_lists(entry, plan); break;
  }
}

void TsfPoints::enter_pair(Entry* entry, int code, const std::string& text) {
  TraceSection* section = section_of(entry);
  if (section == nullptr) return;
  int number = section->counter;
  section->counter += 2;
  entry->numbers.trace = number;
  entry->numbers.trace_end = number + 1;
  section->points.push_back(TracePoint{TracePoint::Text, code, entry->line, number, text});
}

// The end line of a scenario or block, with the number reserved at its start. The model keeps no
// END line: the element's own line stands for it.
void TsfPoints::leave(Entry* entry) {
  TraceSection* section = section_of(entry);
  if (section == nullptr || entry->numbers.trace_end < 0) return;
  int code = code_scenario_end;
  std::string text = entry->name;
  if (const BlockTrace* block = block_trace_of(entry->kind)) {
    code = block->code;
    text = block->word;
  }
  section->points.push_back(TracePoint{TracePoint::Text, code, entry->line, entry->numbers.trace_end, text});
}

void TsfPoints::enter_send(Entry* entry, std::string text) {
  TraceSection* section = section_of(entry);
  if (section == nullptr) return;
  int number = section->counter++;
  entry->numbers.trace = number;
  section->points.push_back(TracePoint{TracePoint::Message, code_sent, entry->line, number, std::move(text)});
}

// A WAITTIL: its begin, its reception (the number kept), its end.
void TsfPoints::enter_waittil(Entry* entry) {
  TraceSection* section = section_of(entry);
  if (section == nullptr) return;
  int number = section->counter;
  section->counter += 3;
  entry->numbers.trace = number + 1;
  section->points.push_back(TracePoint{TracePoint::Text, code_waittil, entry->line, number, "WAITTIL"});
  section->points.push_back(TracePoint{TracePoint::Message, code_received, entry->line, number + 1, "..."});
  section->points.push_back(TracePoint{TracePoint::Text, code_waittil, entry->line, number + 2, texts_.end_waittil});
}

void TsfPoints::enter_rendezvous(Entry* entry) {
  TraceSection* section = section_of(entry);
  if (section == nullptr) return;
  int number = section->counter++;
  entry->numbers.trace = number;
  section->points.push_back(TracePoint{TracePoint::Text, code_rendezvous, entry->line, number, entry->name});
}

void TsfPoints::enter_instance(Entry* entry) {
  TraceSection* section = section_of(entry);
  if (section == nullptr) return;
  int number = section->counter++;
  section->points.push_back(TracePoint{TracePoint::Instance, 0, entry->line, number, entry->name});
}

}  // namespace gen
