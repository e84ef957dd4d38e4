// Procedures and bodies: the member function of each used procedure, the guarded frame of a body
// with its filter guards, the statement switch, and the debug exit.
#include <string>
#include <vector>

#include "diag/report.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

std::string str(long value) { return std::to_string(value); }

// The member-function pointer of the procedure an ENABLE_CLEANUP or DISABLE_CLEANUP names.
std::string cleanup_procedure(const Entry* statement) {
  const auto& cleanup = std::get<sema::CleanupRecord>(statement->descriptor->record);
  return "&QUELT::qlx_P" + str(cleanup.procedure->numbers.element);
}

}  // namespace

bool uses_cleanup(const sema::Scope* global) {
  return for_each_entry(global, [](const Entry* e) {
    return e->kind == EntryKind::EnableCleanup || e->kind == EntryKind::DisableCleanup;
  });
}

void CppWriter::end_of_guarded_region() {
  raw("QLX_END_TRY");
  raw("#ifdef QLX_HANDLE_EXCEPTION");
  raw("catch(...)");
  open_brace();
  raw("return ( 1 );");
  close_brace();
  raw("#endif // QLX_HANDLE_EXCEPTION");
}

void CppWriter::write_debug_exit(std::string_view value) {
  ifdef("QLX_TESSVIA_DEBUG");
  line("$debug_state = " + std::string(value) + ";");
  else_();
  raw("return ( " + std::string(value) + " );");
  endif();
}

void CppWriter::write_procedure(Entry* procedure) {
  if (!is_used_routine(procedure)) return;
  const auto& record = std::get<sema::ProcedureRecord>(procedure->descriptor->record);
  empty();
  raw("/* procedure " + procedure->name + " */");
  std::string head = "QLX_T_INT QUELT::qlx_P" + str(procedure->numbers.element) + " (";
  bool first = true;
  std::vector<std::string> names;
  if (!record.void_parameters && record.parameters != nullptr) {
    for (const Entry* p = record.parameters->first; p != nullptr; p = p->next) {
      if (!p->has_name || p->name.empty()) continue;
      if (!first) head += ", ";
      head += p->text + " " + p->name;
      names.push_back(p->name);
      first = false;
    }
  }
  raw(head + ")");
  open_brace();
  // A body need not use every parameter.
  for (const std::string& name : names) raw("(void)" + name + ";");
  ifdef("QLX_TESSVIA_DEBUG");
  line("QLX_T_INT $debug_state = 0;");
  endif();
  write_body(child_scope(procedure));
  ifdef("QLX_TESSVIA_DEBUG");
  line("return ( $debug_state );");
  else_();
  line("return ( 0 );");
  endif();
  close_brace();
}

void CppWriter::write_body(const sema::Scope* body) { write_body_from(body != nullptr ? body->first : nullptr); }

void CppWriter::write_body_from(Entry* first) {
  local_ = Handlers{};
  Entry* statements = write_leading_declarations(first);
  raw("QLX_TRY");
  write_statements(statements);
  end_of_guarded_region();
  local_ = Handlers{};
}

// A handler for a type already in the list replaces its procedure; a new type goes to the front; a
// handler without a type replaces the catch-all.
void CppWriter::add_handler(const Entry* declaration) {
  const auto& handler = std::get<sema::CatchRecord>(declaration->descriptor->record);
  if (handler.type.empty()) {
    local_.catch_all = handler.procedure;
    return;
  }
  for (auto& [type, procedure] : local_.typed) {
    if (type == handler.type) {
      procedure = handler.procedure;
      return;
    }
  }
  local_.typed.insert(local_.typed.begin(), {handler.type, handler.procedure});
}

// The statements of an instance group run only on the instances it names: the instance the driver
// plays at run time is QLX_NUMINSTANCE, 2 for the first declared instance, 3 for the next, ...
std::string CppWriter::instance_guard(const Entry* begin) const {
  std::string condition;
  for (const Entry* e = begin->next; e != nullptr && e->kind == EntryKind::InstanceDesignation; e = e->next) {
    const auto* designation = std::get_if<sema::InstanceDesignationRecord>(&e->descriptor->record);
    if (designation == nullptr || designation->instance == nullptr) continue;
    auto number = instance_numbers_.find(designation->instance);
    if (number == instance_numbers_.end()) continue;
    if (!condition.empty()) condition += " || ";
    condition += "QLX_NUMINSTANCE == " + str(number->second);
  }
  return "if ( " + (condition.empty() ? std::string("0") : condition) + " )";
}

// "if ( " then the filter's terms: letters are execution filters, '~' negates the next one, '+'
// starts another group; a leading '%' swaps the roles of "and" and "or".
std::string CppWriter::filter_guard(std::string_view filter) const {
  bool groups = filter.find('+') != std::string_view::npos;
  std::string group_separator = ") || (";
  std::string term_separator = " && ";
  if (!filter.empty() && filter.front() == '%') {
    group_separator = ") && (";
    term_separator = " || ";
    filter.remove_prefix(1);
  }
  std::string text = groups ? "if ( ( " : "if ( ";
  bool term_before = false;
  for (char c : filter) {
    if (c == '+') {
      text += group_separator;
      term_before = false;
    } else if (c == '~') {
      if (term_before) text += term_separator;
      text += "!";
      term_before = false;
    } else if (c >= 'A' && c <= 'Z') {
      if (term_before) text += term_separator;
      text += "qlx_runtime.qlx_ctxfilter[" + str(c - 'A') + "]";
      term_before = true;
    }
  }
  text += ")";
  if (groups) text += " )";
  return text;
}

void CppWriter::write_statement(Entry* statement) {
  if (write_comm_statement(statement)) return;
  std::string number = str(statement->numbers.element);
  switch (statement->kind) {
    case EntryKind::Comment: line("$.$comment (" + number + ");"); break;
    case EntryKind::TraceOn: line("$.$trace_on ( " + number + " );"); break;
    case EntryKind::TraceOff: line("$.$trace_off ( " + number + " );"); break;
    case EntryKind::FlushTrace:
      line("$.$flush_trace ( " + number + " );");
      line("$.$flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);");
      break;
    case EntryKind::Error:
      line("$.$error (" + number + ");");
      write_debug_exit("1");
      break;
    case EntryKind::Exit:
      line("$.$rioexit (" + number + ");");
      raw("return ( 3 );");
      break;
    case EntryKind::Var: write_var(statement); break;
    case EntryKind::EnableCleanup: line("$cleanup = " + cleanup_procedure(statement) + ";"); break;
    case EntryKind::DisableCleanup:
      // Withdraws the named procedure only: another one recorded since stays recorded.
      line("if ($cleanup == " + cleanup_procedure(statement) + ") $cleanup = 0;");
      break;
    case EntryKind::DefMessage: write_def_message(statement); break;
    case EntryKind::Call:
      if (std::get<sema::CallRecord>(statement->descriptor->record).is_procedure) {
        write_procedure_call(statement);
      } else {
        write_c_call(statement);
      }
      break;
    case EntryKind::SetFilter:
    case EntryKind::UnsetFilter:
    case EntryKind::Pause:
    case EntryKind::Print:
    case EntryKind::Timer:
    case EntryKind::TimerDeclaration:
    case EntryKind::Reset:
    case EntryKind::AtLine:
    case EntryKind::NativeDeclaration:
    case EntryKind::WhenLabel:
    case EntryKind::Rendezvous:
    case EntryKind::Intersend:
    case EntryKind::Interrecv: write_simple_statement(statement); break;
    default: unknown_entry(std::to_string(static_cast<int>(statement->kind)));
  }
}

}  // namespace gen
