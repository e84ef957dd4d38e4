// The file frame of the driver: the head, the includes, the declarations and the QLX_K_ defines,
// the class QUELT with one prototype per generated function, the state initialiser and the
// constructor, then the member functions in declaration order.
#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "gen/cpp/cpp_comm.h"
#include "iface/query/anc_names.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

int count_of(const sema::Scope* global, EntryKind kind) {
  int count = 0;
  for (const Entry* e = global->first; e != nullptr; e = e->next) count += e->kind == kind ? 1 : 0;
  return count;
}

bool is_statement_form_block(const Entry* entry) {
  const auto* block = entry->descriptor != nullptr ? std::get_if<sema::BlockRecord>(&entry->descriptor->record) : nullptr;
  return block != nullptr && block->procedure == nullptr;
}


}  // namespace

// "QLX_T_INT I0,I1,...,I<n-1>;", as several such lines of at most 200 counters each, so that a
// scenario tree thousands of levels deep still fits the line length.
std::vector<std::string> counter_lines(char letter, int count) {
  constexpr int per_line = 200;
  std::vector<std::string> lines;
  for (int start = 0; start < count; start += per_line) {
    int end = std::min(count, start + per_line);
    std::string text = "QLX_T_INT ";
    for (int i = start; i < end; ++i) {
      text += letter + std::to_string(i);
      text += i + 1 < end ? ',' : ';';
    }
    lines.push_back(std::move(text));
  }
  return lines;
}

// The name of a block's own function: the kind letter and the number of the scenario that owns it
// (a scenario has at most one block of each kind).
std::string block_function_name(const Entry* block) {
  char letter = block->kind == EntryKind::Initialization ? 'i' : block->kind == EntryKind::Termination ? 't' : 'e';
  const sema::Descriptor* owner = block->scope != nullptr ? block->scope->owner : nullptr;
  int number = owner != nullptr && owner->entry != nullptr ? owner->entry->numbers.element : -1;
  return std::string("qlx_") + letter + std::to_string(number);
}

void CppWriter::write_frame() {
  write_head();
  write_declarations();
  write_class();
  write_state_initialiser();
  write_constructor();
  if (parameters_.allocation == 0) {
    line("static QUELT $quelt_static;");
    if (has_trace_buffer()) line("static QLX_T_CAR $ctxbuffertrace_static[" + std::to_string(buffer_bytes()) + "];");
  }
  write_member_functions();
}

// The comment that opens the driver and the probe decoder alike.
void CppWriter::write_file_comment() {
  raw("//");
  raw("// QUELT Tessvia v2.6a, preprocessor C++");
  raw("// file name: " + parameters_.source);
  raw("// date: " + context_.run.date);
  raw("//");
  empty();
  empty();
}

void CppWriter::write_head() {
  write_file_comment();
  if (needs_rtti()) raw("#define VELQ_RTTI_NEEDED 1");
  raw("#ifdef USE_QMK");
  raw("#undef USE_QMK");
  raw("#endif");
  raw("#define USE_QMK 1");
  raw("#include \"TP.h\"");
  raw("#include <string>");
  // typeid names the class of a received polymorphic message.
  if (needs_rtti()) raw("#include <typeinfo>");
  if (parameters_.start_routine != "<main>") define("QUELT", parameters_.start_routine + "_class");
  for (const std::string& file : parameters_.interface_files) {
    raw("#include \"" + gen_c_path(file) + "\"");
    empty();
  }
}

void CppWriter::write_declarations() {
  const sema::Scope* global = context_.model.global();
  // The script's own C declarations, those of instance groups included (they only declare).
  for (const Entry* e = global->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::NativeDeclaration) raw(e->text);
  }
  define("QLX_K_MAX_COMT", std::to_string(count_of(global, EntryKind::CommType) + 1));
  define("QLX_K_MAX_CHAN", std::to_string(count_of(global, EntryKind::Channel) + 1));
  define("QLX_K_MAX_MSGT", std::to_string(count_of(global, EntryKind::MessageType)));
  write_comm_declarations();
}

void CppWriter::write_class() {
  write_tabid_classes();
  line("class QUELT");
  open_brace();
  line("public:");
  line("QUELT ();");
  if (timer_count_ > 0) line("QLX_T_UTIME TIME (QLX_T_INT x);");
  // A class derived from the driver may replace its virtual routines, and be deleted through it.
  if (has_virtual_routines()) line("virtual ~QUELT () {}");
  line("void $initstates ();");
  write_prototypes();
  line("QLX_T_INT $flagrt;");
  line("QLX_T_UTIME WTIME;");
  for (const std::string& counters : counter_lines('I', counter_count_)) line(counters);
  for (const std::string& counters : counter_lines('J', counter_count_)) line(counters);
  line("QLX_C_RUNTIME $runtime;");
  write_timer_members();
  if (has_cleanup()) line("QLX_T_INT (QUELT::*$cleanup) ();");
  write_comm_members();
  if (parameters_.not_shared) write_unshared_copies();
  close_brace();
  line(";");
}

namespace {

struct UnsharedVariable {
  std::string name;
  std::string declaration;  // its member declaration, "{}" before the ';'
};

// With -NOTSHARED every driver object (one per tester thread with -ALLOCATION) gets its own copy
// of each variable the interface files declare at file level, so that the testers' statements do
// not share them: the member hides the global of the same name in every member function. A name
// the script declares itself keeps the script's declaration. A static variable's copy loses its
// own const, so that the script can assign it.
std::vector<UnsharedVariable> unshared_variables(const GenParameters& run, const CppParameters& cpp) {
  std::unordered_set<std::string> script_names;
  std::vector<iface::FileVariable> variables;
  for (const ScriptFile& file : run.files) iface::anc_variables_of_file(file.name, variables);
  for (const iface::FileVariable& variable : variables) script_names.insert(variable.name);
  std::unordered_set<std::string> taken;
  std::vector<UnsharedVariable> copies;
  for (const std::string& file : cpp.interface_files) {
    variables.clear();
    iface::anc_variables_of_file(file, variables);
    for (const iface::FileVariable& variable : variables) {
      if (variable.declaration_kind == 0 || script_names.count(variable.name) != 0) continue;
      if (!taken.insert(variable.name).second) continue;
      UnsharedVariable copy{variable.name, {}};
      iface::anc_declaration_text(variable.name, variable.declaration_kind == 2 ? 1 : 0, copy.declaration);
      if (!copy.declaration.empty() && copy.declaration.back() == ';') copy.declaration.insert(copy.declaration.size() - 1, "{}");
      copies.push_back(std::move(copy));
    }
  }
  return copies;
}

}  // namespace

void CppWriter::write_unshared_copies() {
  for (UnsharedVariable& copy : unshared_variables(context_.parameters, parameters_)) {
    raw(copy.declaration);
    unshared_names_.push_back(std::move(copy.name));
  }
}

// Each copy starts with the value the global has when the driver object is made (an array or a
// struct as a whole, hence the byte copy). The class, written before, named them.
void CppWriter::write_unshared_starts() {
  for (const std::string& name : unshared_names_) {
    raw("std::memcpy ((void *) &" + name + ", (const void *) &::" + name + ", sizeof (" + name + "));");
  }
}

void CppWriter::write_prototypes() {
  for (const Entry* e = context_.model.global()->function_list; e != nullptr; e = e->chain) {
    switch (e->kind) {
      case EntryKind::Scenario:
        if (is_generated_scenario(e)) line("QLX_T_INT $S" + std::to_string(e->numbers.element) + " ();");
        break;
      case EntryKind::Procedure: {
        if (!is_used_routine(e)) break;
        std::string types;
        const auto& procedure = std::get<sema::ProcedureRecord>(e->descriptor->record);
        if (!procedure.void_parameters && procedure.parameters != nullptr) {
          for (const Entry* p = procedure.parameters->first; p != nullptr; p = p->next) {
            if (!types.empty()) types += ", ";
            types += p->text;
          }
        }
        line("QLX_T_INT $P" + std::to_string(e->numbers.element) + " (" + types + ");");
        break;
      }
      case EntryKind::Initialization:
      case EntryKind::Termination:
      case EntryKind::Exception:
        if (is_statement_form_block(e) && e->numbers.element >= 0) raw("QLX_T_INT " + block_function_name(e) + " ();");
        break;
      case EntryKind::WaittilRegistration: write_comm_prototype(e); break;
      default: break;
    }
  }
  // Callbacks and procsends are declarations, not in the function list.
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::Callback || e->kind == EntryKind::Procsend) write_comm_prototype(e);
  }
}

// The message states start at QLX_NOEVT; written after the class that declares the function.
void CppWriter::write_state_initialiser() {
  line("void QUELT::$initstates ()");
  open_brace();
  write_state_loops();
  close_brace();
}

void CppWriter::write_constructor() {
  define("QLX_NUMINSTANCE", expand_prefixes("$runtime.$ctxnuminstance", runtime_));
  define("QLX_OCCID", expand_prefixes("$runtime.$ctxoccid", runtime_));
  define("QLX_TIMEOUT", expand_prefixes("$runtime.$ctxtimeout", runtime_));
  empty();
  write_time_function();
  line("QUELT :: QUELT () : WTIME(0)");
  write_alias_initialisers();
  open_brace();
  if (has_cleanup()) line("$cleanup = 0;");
  if (parameters_.not_shared) write_unshared_starts();
  write_timer_starts();
  write_comm_constructor_body();
  close_brace();
}

void CppWriter::write_member_functions() {
  const auto with_values = message_types_with_values(context_.model.global());
  for (const Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::MessageType) continue;
    if (with_values.count(e) != 0) {
      write_message_functions(e);
    } else {
      write_message_frames(e);
    }
  }
  for (Entry* e = context_.model.global()->first; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::Scenario) {
      write_scenario_tree(e);
    } else if (e->kind == EntryKind::Procedure) {
      write_procedure(e);
    } else if (e->kind == EntryKind::Callback) {
      write_callback(e);
    } else if (e->kind == EntryKind::Procsend) {
      write_procsend(e);
    }
  }
}

}  // namespace gen
