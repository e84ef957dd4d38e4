#include <algorithm>
#include <cstdlib>
#include <utility>

#include "diag/report.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

bool is_statement_form_block(const Entry* entry) {
  const auto* block = entry->descriptor != nullptr ? std::get_if<sema::BlockRecord>(&entry->descriptor->record) : nullptr;
  return block != nullptr && block->procedure == nullptr;
}

// A CALL of a C function, or of a procedure that the analysis found.
bool is_written_call(const Entry* entry) {
  const auto* call = entry->descriptor != nullptr ? std::get_if<sema::CallRecord>(&entry->descriptor->record) : nullptr;
  return call != nullptr && (!call->is_procedure || call->procedure != nullptr);
}

bool is_cleanup(const Entry* entry) {
  const auto* cleanup = entry->descriptor != nullptr ? std::get_if<sema::CleanupRecord>(&entry->descriptor->record) : nullptr;
  return cleanup != nullptr && cleanup->procedure != nullptr;
}

bool is_catch(const Entry* entry) {
  const auto* handler = entry->descriptor != nullptr ? std::get_if<sema::CatchRecord>(&entry->descriptor->record) : nullptr;
  return handler != nullptr && handler->procedure != nullptr;
}

// A VAR with INIT= or EV= (or "EV==") and its check entries.
bool is_value_check(const Entry* entry) {
  return entry->descriptor != nullptr && std::holds_alternative<sema::CheckRecord>(entry->descriptor->record) &&
         (entry->descriptor->kind == sema::DescriptorKind::InitCheck ||
          entry->descriptor->kind == sema::DescriptorKind::ExpectedCheck);
}

// Kinds the writer knows inside a scenario, block or procedure body.
bool covered_statement(const Entry* entry) {
  switch (entry->kind) {
    case EntryKind::Comment:
    case EntryKind::Error:
    case EntryKind::Exit:
    case EntryKind::TraceOn:
    case EntryKind::TraceOff:
    case EntryKind::FlushTrace:
    case EntryKind::SetFilter:
    case EntryKind::UnsetFilter:
    case EntryKind::Pause:
    case EntryKind::Print:
    case EntryKind::Timer:
    case EntryKind::TimerDeclaration:
    case EntryKind::Reset:
    case EntryKind::AtLine:
    case EntryKind::NativeDeclaration:
    case EntryKind::If:
    case EntryKind::While:
    case EntryKind::Case:
    case EntryKind::WhenBranch:
    case EntryKind::WhenLabel:
    case EntryKind::Rendezvous:
    case EntryKind::Intersend:
    case EntryKind::Interrecv:
    case EntryKind::DefMessage: return true;
    case EntryKind::Var: return is_value_check(entry);
    case EntryKind::Call: return is_written_call(entry);
    case EntryKind::Catch: return is_catch(entry);
    case EntryKind::GuardedStatementsBegin:
    case EntryKind::InstanceDesignation:
    case EntryKind::GuardedStatementsEnd:
    case EntryKind::GuardedDeclarationsBegin:
    case EntryKind::GuardedDeclarationsEnd: return true;
    case EntryKind::EnableCleanup:
    case EntryKind::DisableCleanup: return is_cleanup(entry);
    case EntryKind::Send:
    case EntryKind::Waittil:
    case EntryKind::AddId:
    case EntryKind::ClearId:
    case EntryKind::MessageDate:
    case EntryKind::NoMessage: return true;
    default: return false;
  }
}

// The statement lists an IF (both branches), a WHILE, a CASE or a WHEN branch holds.
void push_statement_lists(const Entry* entry, std::vector<const sema::Scope*>& lists) {
  switch (entry->kind) {
    case EntryKind::If: {
      const auto* condition = std::get_if<sema::ConditionRecord>(&entry->descriptor->record);
      if (condition != nullptr && condition->else_scope != nullptr) lists.push_back(condition->else_scope);
      lists.push_back(child_scope(entry));
      break;
    }
    case EntryKind::While:
    case EntryKind::Case:
    case EntryKind::WhenBranch: lists.push_back(child_scope(entry)); break;
    default: break;
  }
}

}  // namespace

void unknown_entry(const std::string& kind) {
  diag::report_at(diag::MessageKind::Internal, diag::Code::ENTCODUNK, kind, "", 0);
  std::abort();  // the report ends the run
}

std::string expand_prefixes(std::string_view text, std::string_view runtime) {
  std::string out;
  out.reserve(text.size() + 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '$') {
      out += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '.') {
      out += runtime;
      out += '.';
      ++i;
    } else {
      out += "qlx_";
    }
  }
  return out;
}

bool cpp_driver_covers(const sema::Model& model) {
  const sema::Scope* global = model.global();
  // Bodies still to look at, and the nested statement lists (IF, WHILE, CASE, WHEN) still to look at.
  std::vector<const sema::Scope*> bodies;
  std::vector<const sema::Scope*> nested;
  bool root = false;
  for (const Entry* e = global->first; e != nullptr; e = e->next) {
    switch (e->kind) {
      case EntryKind::Header:
      case EntryKind::DeclaredInstance:
      case EntryKind::NativeDeclaration:
      case EntryKind::InstanceBlockBegin:
      case EntryKind::InstanceDesignation:
      case EntryKind::InstanceBlockEnd: break;
      case EntryKind::Scenario:
        if (is_generated_scenario(e)) bodies.push_back(child_scope(e));
        root = root || is_generated_scenario(e);
        break;
      case EntryKind::Procedure:
      case EntryKind::Callback:
      case EntryKind::Procsend:
        if (is_used_routine(e)) bodies.push_back(child_scope(e));
        break;
      case EntryKind::CommType:
      case EntryKind::Channel:
      case EntryKind::MessageType:
      case EntryKind::EventVariable:
      case EntryKind::WaittilRegistration: break;
      default: return false;  // script-level blocks, communication, variables, ...
    }
  }
  if (!root) return false;  // nothing to run
  while (!bodies.empty() || !nested.empty()) {
    if (bodies.empty()) {
      // A CATCH restarts its body's guarded region: it stands directly in a body, not in a nested list.
      const sema::Scope* list = nested.back();
      nested.pop_back();
      for (const Entry* e = list != nullptr ? list->first : nullptr; e != nullptr; e = e->next) {
        if (e->kind == EntryKind::Catch || !covered_statement(e)) return false;
        push_statement_lists(e, nested);
      }
      continue;
    }
    const sema::Scope* scope = bodies.back();
    bodies.pop_back();
    for (const Entry* e = scope != nullptr ? scope->first : nullptr; e != nullptr; e = e->next) {
      if (e->kind == EntryKind::Scenario) {
        if (is_generated_scenario(e)) bodies.push_back(child_scope(e));
      } else if (e->kind == EntryKind::Initialization || e->kind == EntryKind::Termination ||
                 e->kind == EntryKind::Exception) {
        if (is_statement_form_block(e)) bodies.push_back(child_scope(e));
      } else if (!covered_statement(e)) {
        return false;
      } else {
        push_statement_lists(e, nested);
      }
    }
  }
  return true;
}

int scenario_tree_depth(const sema::Scope* global) {
  int deepest = 0;
  std::vector<std::pair<const sema::Scope*, int>> pending{{global, 0}};
  while (!pending.empty()) {
    auto [scope, depth] = pending.back();
    pending.pop_back();
    for (const Entry* e = scope != nullptr ? scope->first : nullptr; e != nullptr; e = e->next) {
      if (e->kind != EntryKind::Scenario || !is_generated_scenario(e)) continue;
      deepest = std::max(deepest, depth + 1);
      pending.emplace_back(child_scope(e), depth + 1);
    }
  }
  return deepest;
}

CppWriter::CppWriter(GenContext& context, const CppParameters& parameters)
    : context_(context), parameters_(parameters) {
  // The entry sets J0 and each composite at depth d its J<d>: one counter more than the tree is deep.
  counter_count_ = std::max({21, scenario_tree_depth(context.model.global()) + 1,
                             check_counter_depth(context.model.global())});
  timer_count_ = timer_count(context.model.global());
  cleanup_ = uses_cleanup(context.model.global());
  int number = 2;
  for (const Entry* e = context.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::DeclaredInstance) instance_numbers_.emplace(e, number++);
  }
}

void CppWriter::line(std::string_view text) { gen_line(out_, expand_prefixes(text, runtime_)); }

bool CppWriter::has_trace_buffer() const {
  return context_.parameters.trace_level > 0 && buffer_bytes() > 0;
}

bool CppWriter::buffer_rule() const { return has_trace_buffer() && context_.parameters.trace_level != 50; }

long CppWriter::buffer_bytes() const { return static_cast<long>(parameters_.buffer_kb & 0xFFFFFF) * 1024; }

void write_cpp_driver(GenContext& context, const CppParameters& parameters) {
  CppWriter writer(context, parameters);
  gen_open(context.outputs, writer.out(), parameters.source);
  writer.write_frame();
  writer.write_entry();
  gen_close(writer.out());
}

}  // namespace gen
