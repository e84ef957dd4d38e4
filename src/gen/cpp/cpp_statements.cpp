// The statements of a body: the statement lists with their nested lists (IF and its ELSE, WHILE,
// CASE and each WHEN), walked with an explicit stack so that a script nested thousands of levels
// deep is written as it is analysed; the one-line statements; RENDEZVOUS; INTERSEND and INTERRECV;
// the declarations at the head of a body; the timers.
#include <algorithm>
#include <string>
#include <vector>

#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

// What is left to write after an entry of a list: the rest of a list, or the end of a block.
struct PendingStep {
  enum Kind {
    List,         // the entries of a list from `entry` on
    Close,        // "}"
    Else,         // "else" and "{"
    BreakClose,   // "break;" and "}" (the end of a WHEN branch)
  } kind;
  Entry* entry = nullptr;
};

namespace {

std::string str(long value) { return std::to_string(value); }

const sema::ConditionRecord* condition_of(const Entry* entry) {
  return entry->descriptor != nullptr ? std::get_if<sema::ConditionRecord>(&entry->descriptor->record) : nullptr;
}

std::string condition_text(const Entry* entry) {
  const sema::ConditionRecord* condition = condition_of(entry);
  return condition != nullptr ? condition->text : entry->text;
}

Entry* first_of(const sema::Scope* scope) { return scope != nullptr ? scope->first : nullptr; }

// A timer's constant: its number in the class's timer table, named as the script names the timer.
std::string timer_constant(const Entry* declaration) {
  const auto* timer = declaration->descriptor != nullptr ? std::get_if<sema::TimerRecord>(&declaration->descriptor->record)
                                                         : nullptr;
  return "enum { " + declaration->name + " = " + str(timer != nullptr ? timer->number : 0) + " };";
}

// Calls `visit` for every TIMER declaration of the model, in no particular order.
template <typename Visit>
void for_each_timer(const sema::Scope* global, Visit visit) {
  for_each_entry(global, [&visit](const Entry* e) {
    const auto* timer = e->kind == EntryKind::Timer ? std::get_if<sema::TimerRecord>(&e->descriptor->record) : nullptr;
    if (timer != nullptr) visit(*timer);
    return false;
  });
}

}  // namespace

int timer_count(const sema::Scope* global) {
  int count = 0;
  for_each_timer(global, [&count](const sema::TimerRecord& timer) { count = std::max(count, timer.number + 1); });
  return count;
}

void CppWriter::traced(std::string_view call) {
  raw("#if QMK_DYNFLW");
  raw(call);
  raw("#endif /* QMK_DYNFLW */");
  empty();
}

// Timer constants and C declarations stand before the guarded region, so that a CATCH, which
// starts the region again, leaves them in scope for every statement after it.
// The declarations of an instance group are written whatever the instance: they only declare,
// and the statements that use them are the ones guarded (with -INSTANCE the analysis kept only
// the chosen instance's group).
Entry* CppWriter::write_leading_declarations(Entry* first) {
  Entry* e = first;
  for (; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::TimerDeclaration) {
      raw(timer_constant(e));
    } else if (e->kind == EntryKind::NativeDeclaration) {
      raw(e->text);
    } else if (e->kind != EntryKind::GuardedDeclarationsBegin && e->kind != EntryKind::GuardedDeclarationsEnd &&
               e->kind != EntryKind::InstanceDesignation) {
      break;
    }
  }
  return e;
}

void CppWriter::write_statements(Entry* first) {
  std::vector<PendingStep> pending;
  if (first != nullptr) pending.push_back(PendingStep{PendingStep::List, first});
  while (!pending.empty()) {
    PendingStep step = pending.back();
    pending.pop_back();
    switch (step.kind) {
      case PendingStep::Close: close_brace(); break;
      case PendingStep::Else:
        line("else");
        open_brace();
        break;
      case PendingStep::BreakClose:
        line("break;");
        close_brace();
        break;
      case PendingStep::List:
        // The rest of the list comes after whatever this entry leaves to write.
        if (step.entry->next != nullptr) pending.push_back(PendingStep{PendingStep::List, step.entry->next});
        write_list_entry(step.entry, pending);
        break;
    }
  }
}

void CppWriter::write_list_entry(Entry* e, std::vector<PendingStep>& pending) {
  switch (e->kind) {
    case EntryKind::GuardedStatementsBegin:
      raw(instance_guard(e));
      open_brace();
      return;
    case EntryKind::InstanceDesignation:
    case EntryKind::GuardedDeclarationsBegin:
    case EntryKind::GuardedDeclarationsEnd: return;
    case EntryKind::GuardedStatementsEnd: close_brace(); return;
    case EntryKind::Catch:
      add_handler(e);
      // The handlers apply to the calls after them: the guarded region starts again.
      end_of_guarded_region();
      raw("QLX_TRY");
      return;
    case EntryKind::Scenario:
    case EntryKind::Initialization:
    case EntryKind::Termination:
    case EntryKind::Exception: unknown_entry(std::to_string(static_cast<int>(e->kind)));
    default: break;
  }
  bool filtered = e->has_filter && !e->filter.empty();
  if (filtered) {
    raw(filter_guard(e->filter));
    open_brace();
    // The guard's block closes after everything the statement nests.
    pending.push_back(PendingStep{PendingStep::Close});
  }
  switch (e->kind) {
    case EntryKind::If:
    case EntryKind::While:
    case EntryKind::Case:
    case EntryKind::WhenBranch: write_compound(e, pending); break;
    default: write_statement(e); break;
  }
}

// The statement line of a compound statement and its opened block; its nested lists and the ends
// of its blocks go on `pending`, last first.
void CppWriter::write_compound(Entry* statement, std::vector<PendingStep>& pending) {
  switch (statement->kind) {
    case EntryKind::If: {
      const sema::ConditionRecord* condition = condition_of(statement);
      raw("if ( " + condition_text(statement) + " )");
      open_brace();
      if (condition != nullptr && condition->else_scope != nullptr) {
        pending.push_back(PendingStep{PendingStep::Close});
        if (Entry* first = first_of(condition->else_scope)) pending.push_back(PendingStep{PendingStep::List, first});
        pending.push_back(PendingStep{PendingStep::Else});
      }
      break;
    }
    case EntryKind::While:
      raw("while ( " + condition_text(statement) + " )");
      open_brace();
      break;
    case EntryKind::Case:
      raw("switch ( " + condition_text(statement) + " )");
      open_brace();
      break;
    case EntryKind::WhenBranch: {
      // The labels, then a block with the branch's statements that ends with "break;".
      Entry* e = first_of(child_scope(statement));
      for (; e != nullptr && e->kind == EntryKind::WhenLabel; e = e->next) {
        raw(e->text == "OTHERS" ? std::string("default :") : "case " + e->text + " :");
      }
      open_brace();
      pending.push_back(PendingStep{PendingStep::BreakClose});
      if (e != nullptr) pending.push_back(PendingStep{PendingStep::List, e});
      return;
    }
    default: return;
  }
  pending.push_back(PendingStep{PendingStep::Close});
  if (Entry* first = first_of(child_scope(statement))) pending.push_back(PendingStep{PendingStep::List, first});
}

// The one-line statements, RENDEZVOUS, INTERSEND and INTERRECV.
void CppWriter::write_simple_statement(Entry* statement) {
  std::string number = str(statement->numbers.element);
  switch (statement->kind) {
    case EntryKind::SetFilter: line("$.$setfilter (\"" + statement->text + "\", " + number + " );"); break;
    case EntryKind::UnsetFilter: line("$.$unsetfilter (\"" + statement->text + "\", " + number + " );"); break;
    case EntryKind::Pause: raw(expand("$.$pause ((QLX_T_UTIME)(") + statement->text + "));"); break;
    case EntryKind::Print: {
      const auto& print = std::get<sema::PrintRecord>(statement->descriptor->record);
      raw(expand("$.$print(" + number + ",(QLX_T_ULONG)(") + print.expression + "));");
      break;
    }
    // TIMER starts its timer where it stands; RESET starts it again.
    case EntryKind::Timer:
    case EntryKind::Reset: line("$get_date(&($timer[" + statement->name + "].timer));"); break;
    case EntryKind::TimerDeclaration: raw(timer_constant(statement)); break;
    case EntryKind::AtLine:
    case EntryKind::NativeDeclaration: raw(statement->text); break;
    case EntryKind::WhenLabel: break;  // written with its branch
    case EntryKind::Rendezvous: write_rendezvous(statement); break;
    case EntryKind::Intersend: write_intersend(statement); break;
    case EntryKind::Interrecv: write_interrecv(statement); break;
    default: unknown_entry(std::to_string(static_cast<int>(statement->kind)));
  }
}

void CppWriter::write_rendezvous(const Entry* statement) {
  std::string number = str(statement->numbers.element);
  std::string name = "\"" + statement->name + "\"";
  std::string trace = str(statement->numbers.trace) + ", " + str(statement->file_number);
  line("$.$brdv(" + number + ", " + name + ");");
  line("if ($rdv(" + name + "))");
  open_brace();
  traced(expand("$.$rdv_reached_tsf ( 1, " + trace + ");"));
  line("$.$ardv(" + number + ",1, " + name + ");");
  write_debug_exit("1");
  close_brace();
  line("else");
  open_brace();
  traced(expand("$.$rdv_reached_tsf ( 0, " + trace + ");"));
  line("$.$ardv(" + number + ",0, " + name + ");");
  close_brace();
}

// The value goes to the other tester as text; intersend answers 0 when it was sent, so the branch
// of a non-zero answer is the failure.
void CppWriter::write_intersend(const Entry* statement) {
  const auto& send = std::get<sema::IntersendRecord>(statement->descriptor->record);
  std::string number = str(statement->numbers.element);
  std::string value = send.value;
  // Each INTERSEND has its own block, so that two in one body do not declare the buffer twice.
  open_brace();
  if (send.integer_value) {
    line("char $local_int2string[QMK_TAGTBUF_SIZE];");
    // An int or a long: converted as a long.
    raw(expand("$sprintf ($local_int2string, \"%ld\", (long)(") + value + "));");
    value = "qlx_local_int2string";
  }
  std::string operands = send.tester + ", " + value;
  traced(expand("$.$intersend_tsf ( " + str(statement->numbers.trace) + ", " + str(statement->file_number) + ", ") + value + ");");
  raw(expand("if ($.$intersend (") + operands + "))");
  open_brace();
  raw(expand("$.$isend (" + number + ", 1, ") + operands + ");");
  write_debug_exit("1");
  close_brace();
  line("else");
  open_brace();
  raw(expand("$.$isend (" + number + ", 0, ") + operands + ");");
  close_brace();
  close_brace();
}

// INTERRECV (n) receives an integer into n through a local buffer; INTERRECV (buffer, size)
// receives a text into the script's buffer, and an empty text fails.
void CppWriter::write_interrecv(const Entry* statement) {
  const auto& receive = std::get<sema::InterrecvRecord>(statement->descriptor->record);
  std::string number = str(statement->numbers.element);
  bool integer_target = receive.one_operand;
  // Each INTERRECV has its own block, so that two in one body do not declare the locals twice.
  open_brace();
  line("char *$loc_tstemit = NULL;");
  line("char *$loc_info = NULL;");
  if (integer_target) line("char $local_interrecv_msg[QMK_TAGTBUF_SIZE];");
  line("$.$irecv (" + number + ");");
  std::string buffer = integer_target ? "qlx_local_interrecv_msg, QMK_TAGTBUF_SIZE" : receive.first + ", " + receive.second;
  raw(expand("if (priv_interrecv ( &($.$ctxtagtsocket), $.$ctxtagttimeout, ") + buffer + expand(", &$loc_tstemit, &$loc_info))"));
  open_brace();
  line("$.$end_irecv (" + number + ", 2, NULL, NULL);");
  write_debug_exit("1");
  close_brace();
  line("else");
  open_brace();
  std::string received = "$.$interrecv_tsf ( " + str(statement->numbers.trace) + ", " + str(statement->file_number) +
                         ", $loc_info, $loc_tstemit);";
  std::string ended = "$.$end_irecv (" + number + ", 0, $loc_tstemit, $loc_info);";
  if (integer_target) {
    raw("*(&(" + receive.first + expand(")) = atoi ($loc_info);"));
    traced(expand(received));
    line(ended);
  } else {
    raw("if (" + receive.first + "[0]=='\\0')");
    open_brace();
    line("$.$end_irecv (" + number + ", 1, NULL, NULL);");
    write_debug_exit("1");
    close_brace();
    line("else");
    open_brace();
    traced(expand(received));
    line(ended);
    close_brace();
  }
  close_brace();
  close_brace();
}

// The class's timer table and the TIME member function (empty without timers).
void CppWriter::write_timer_members() {
  int count = timer_count_;
  if (count > 0) line("QLX_T_TIMER $timer[" + str(count) + "];");
}

void CppWriter::write_time_function() {
  if (timer_count_ == 0) return;
  line("QLX_T_UTIME QUELT :: TIME (QLX_T_INT $num)");
  open_brace();
  line("return($.$time(&($timer[$num].timer)));");
  close_brace();
  line(";");
}

// Every timer starts when the driver object is made, by its number: the timers' names are
// constants of the bodies that declare them.
void CppWriter::write_timer_starts() {
  std::vector<int> numbers;
  for_each_timer(context_.model.global(), [&numbers](const sema::TimerRecord& timer) { numbers.push_back(timer.number); });
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  for (int number : numbers) line("$get_date(&($timer[" + str(number) + "].timer));");
}

}  // namespace gen
