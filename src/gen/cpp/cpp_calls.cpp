// The CALL statement: a script procedure called through its member function, a C/C++ function
// called in its own guarded region with the checks of its '@' arguments and of its result, the
// typed check calls those use, and the exception handlers written after each C call.
#include <array>
#include <string>

#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

std::string str(long value) { return std::to_string(value); }

const sema::ValueRecord* value_of(const Entry* entry) {
  if (entry->kind != EntryKind::Value || entry->descriptor == nullptr) return nullptr;
  return std::get_if<sema::ValueRecord>(&entry->descriptor->record);
}

constexpr int kNoNilClass = 8;

// Struct, array and union values are compared through their address.
bool passed_by_address(int type_class) { return type_class >= 10 && type_class <= 12; }

}  // namespace

// The runtime's view of each type class: the type it declares, the cast in front of a checked
// value, the value that stands for "none" (with its separator) and the check function.
const ValueClassForm& value_class_form(int type_class) {
  static const std::array<ValueClassForm, 10> forms{{
      {"QLX_T_ENUM", "(QLX_T_ENUM) ", "0, ", "$.$int_c ("},
      {"QLX_T_CAR", "(QLX_T_CAR) ", "'\\0', ", "$.$char_c ("},
      {"QLX_T_INT", "(QLX_T_INT) ", "0, ", "$.$int_c ("},
      {"QLX_T_LONG", "(QLX_T_LONG) ", "0, ", "$.$long_c ("},
      {"QLX_T_REAL", "(QLX_T_REAL) ", "0.0, ", "$.$float_c ("},
      {"QLX_T_DOUBLE", "(QLX_T_DOUBLE) ", "0.0, ", "$.$double_c ("},
      {"QLX_PT_CAR", "(QLX_PT_CAR) ", "\"\", ", "$.$string_c ("},
      {"QLX_T_CAR", "(QLX_PT_CAR) ", "\"\", ", "$.$string_c ("},
      {"QLX_PT_VOID", "(QLX_PT_VOID) ", "1, ", "$.$nonil_c ("},
      {"QLX_PT_VOID", "(QLX_PT_VOID) ", "0, ", "$.$pointer_c ("},
  }};
  static const ValueClassForm others{"TO_BE_COMPLETED", "", "0, ", "$.$pointer_c ("};
  if (type_class < 0 || type_class >= static_cast<int>(forms.size())) return others;
  return forms[static_cast<std::size_t>(type_class)];
}

std::string call_argument_list(const Entry* call) {
  std::string text;
  const sema::Scope* arguments = child_scope(call);
  for (const Entry* v = arguments != nullptr ? arguments->first : nullptr; v != nullptr; v = v->next) {
    const sema::ValueRecord* value = value_of(v);
    if (value == nullptr || value->return_check) continue;
    if (!text.empty()) text += ", ";
    if (value->by_reference) text += '&';
    text += value->text;
  }
  return text;
}

// "<check> (" then "1, " with a range (a maximum given) or "0, ", the minimum or expected value,
// the maximum (or the expected value again), each with the class's cast or the neutral value, the
// actual value, and the number of the check's record.
std::string typed_check_call(int type_class, std::string_view low, std::string_view high, std::string_view actual,
                             bool range, int number) {
  const ValueClassForm& form = value_class_form(type_class);
  std::string text(form.check);
  text += range ? "1, " : "0, ";
  auto value = [&](std::string_view v) {
    if (v.empty()) {
      text += form.neutral;
    } else {
      (((text += form.cast) += "(") += v) += "), ";
    }
  };
  value(low);
  value(high.empty() ? low : high);
  text += form.cast;
  if (passed_by_address(type_class)) text += '&';
  (((text += "(") += actual) += "), ") += str(number);
  return text + " );";
}

void CppWriter::write_procedure_call(Entry* call) {
  const auto& record = std::get<sema::CallRecord>(call->descriptor->record);
  const Entry* procedure = record.procedure;
  open_brace();
  line("QLX_T_INT $ret;");
  line("$.$bproc(" + str(procedure->numbers.element) + ");");
  line("$ret=$P" + str(procedure->numbers.element) + " (" + call_argument_list(call) + " );");
  line("$.$aproc(" + str(procedure->numbers.after) + ");");
  line("if ($ret)");
  open_brace();
  line("if ($ret==1)");
  open_brace();
  write_debug_exit("1");
  close_brace();
  line("else");
  open_brace();
  line("return ( $ret );");
  close_brace();
  close_brace();
  close_brace();
}

// A CALL of a C function: its number to the runtime, the call in the guarded region with its
// result stored when the script asks for it, the checks of its '@' arguments and of its result,
// the runtime's verdict on the call, the handlers.
void CppWriter::write_c_call(Entry* call) {
  const auto& record = std::get<sema::CallRecord>(call->descriptor->record);
  int end = call->numbers.element_end;
  line("$.$bcf (" + str(call->numbers.element) + ");");
  raw("QLX_TRY");
  std::string text;
  if (record.return_variable_generated) {
    // A result variable of the driver's own lives only as long as the call's checks need it.
    text = "auto " + record.return_variable + " = " + record.function + " (";
  } else if (!record.return_variable.empty()) {
    text = record.return_variable + " = " + record.function + " (";
  } else {
    text = record.function + " ( ";
  }
  raw(text + call_argument_list(call) + " );");
  write_call_checks(call);
  line("$flagrt = $.$cf (" + str(end) + ");");
  raw("QLX_END_TRY");
  write_handlers(end);
  line("if ($flagrt != 0)");
  open_brace();
  write_debug_exit("1");
  close_brace();
}

// After the call: each argument with '@' parts compared with its expected value or range, then
// the result compared with the expected value when one is written. A result kept only in a
// variable of the driver's own is not compared: nothing expected was written.
void CppWriter::write_call_checks(const Entry* call) {
  const auto& record = std::get<sema::CallRecord>(call->descriptor->record);
  const sema::Scope* arguments = child_scope(call);
  for (const Entry* v = arguments != nullptr ? arguments->first : nullptr; v != nullptr; v = v->next) {
    const sema::ValueRecord* value = value_of(v);
    if (value == nullptr) continue;
    if (value->return_check) {
      if (record.expected_value.empty()) continue;
      // NONIL expects any non-null pointer: its own check, whatever the pointer's type.
      int type_class = record.expected_class == kNoNilClass || record.return_class < 0 ? record.expected_class : record.return_class;
      line(typed_check_call(type_class, record.expected_value, "", record.return_variable, true, call->numbers.element_end - 1));
    } else if (!value->at_parts[0].empty() || !value->at_parts[1].empty()) {
      int type_class = value->at_parts[0] == "NONIL" ? kNoNilClass : value->value_class;
      line(typed_check_call(type_class, value->at_parts[0], value->at_parts[1], value->text,
                            !value->at_parts[1].empty(), v->numbers.element));
    }
  }
  if (record.return_variable_generated && record.expected_value.empty()) raw("(void)" + record.return_variable + ";");
}

void CppWriter::write_handler(const std::string& type, const Entry* procedure, int end_number) {
  std::string number = str(procedure->numbers.element);
  line(type.empty() ? "catch(...)" : "catch(" + type + " &$exception)");
  open_brace();
  line("$flagrt = $.$cf (" + str(end_number) + ");");
  line("$.$bproc (" + number + ");");
  line(type.empty() ? "$flagrt = $P" + number + "();" : "$flagrt = $P" + number + "($exception);");
  line("$.$aproc (" + str(procedure->numbers.after) + ");");
  ifdef("QLX_TESSVIA_DEBUG");
  else_();
  line("if ($flagrt) throw;");
  endif();
  close_brace();
}

// The handlers of a call with end number `n`: the typed ones in list order, then the catch-all, or
// without one a catch-all that reports through the runtime and lets the exception go on.
void CppWriter::write_handlers(int end_number) {
  raw("#ifdef QLX_HANDLE_EXCEPTION");
  for (const auto& [type, procedure] : local_.typed) write_handler(type, procedure, end_number);
  if (local_.catch_all != nullptr) {
    write_handler("", local_.catch_all, end_number);
  } else {
    raw("catch(...)");
    open_brace();
    line("$.$catch ();");
    line("$flagrt = $.$cf (" + str(end_number) + ");");
    ifdef("QLX_TESSVIA_DEBUG");
    else_();
    raw("throw;");
    endif();
    close_brace();
  }
  raw("#endif // QLX_HANDLE_EXCEPTION");
}

}  // namespace gen
