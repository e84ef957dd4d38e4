// The C++ test driver writer: the state one driver file is written with, and the template families
// that write it (the file frame and class, the scenario functions, the procedures and bodies, the
// program entry), one file each.
//
// Templates are written as the generated text with two marks for the generated names: "$." stands
// for the runtime object ("qlx_runtime." inside member functions, the driver object's runtime in
// the program entry) and "$" for the "qlx_" prefix of a generated member, variable or runtime
// method. `CppWriter::line` expands them, so no template spells a prefix by hand.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gen/cpp/cpp_value_checks.h"
#include "gen/generation.h"
#include "gen/output.h"
#include "sema/model/model.h"

namespace gen {

// The driver's own parameters (the run's options that only the C++ writer takes).
struct CppParameters {
  std::string source;                      // the .cc file to write
  std::string report_file;                 // the run-time report file (".rio") written into the program
  std::string filter_letters;              // -SET, empty when not given
  int allocation = 0;                      // 0 not given, 1 STACK, 2 DYNAMIC
  std::string start_routine = "<main>";    // -THREAD, already named after the root
  int buffer_kb = 10;                      // -BUFSIZE
  bool not_shared = false;                 // -NOTSHARED: each driver object has its own copies
  std::vector<std::string> interface_files;
};

// The prefix rule: "$." becomes `runtime` + ".", any other "$" becomes "qlx_".
std::string expand_prefixes(std::string_view text, std::string_view runtime);

// Whether the writer covers every element of the model: the scenarios, blocks, procedures, the
// communication declarations with their callbacks and procsends, and every statement the writer
// knows. A model holding anything else gets no driver rather than a wrong one.
bool cpp_driver_covers(const sema::Model& model);

// The member function of a block in the statement form: "qlx_i", "qlx_t" or "qlx_e" and the
// number of its scenario.
std::string block_function_name(const sema::Entry* block);

// The runtime's view of a type class (-1 and classes past 9 share one form): the type the driver
// declares for it, the cast in front of a checked value, the value standing for "none" followed by
// ", ", and the check function ("$.$int_c (" ...).
struct ValueClassForm {
  std::string_view type_name, cast, neutral, check;
};
const ValueClassForm& value_class_form(int type_class);

// A typed check call: the class's check function, "1, " for a range or "0, ", the expected value or
// minimum, the maximum (or the minimum again), the actual value, and the check's record number.
std::string typed_check_call(int type_class, std::string_view low, std::string_view high, std::string_view actual,
                             bool range, int number);

// The arguments of a CALL (or of a block's procedure call), joined by ", ", "&" before a REF one.
std::string call_argument_list(const sema::Entry* call);

// The internal error "ENTCODUNK" with the kind number of an element found where it cannot be.
[[noreturn]] void unknown_entry(const std::string& kind);

// Writes the whole driver file.
void write_cpp_driver(GenContext& context, const CppParameters& parameters);

// PROBE mode: writes the probe decoder in the driver's place, and its declarations into the probe
// header that the TDC writer left open (cpp_probe.cpp).
void write_probe_decoder_file(GenContext& context, const CppParameters& parameters);

// An element the probe decoder decodes: a SEND or a WAITTIL, with the message it sends or first
// awaits, that message's type and channel, and the definition of the message in force there.
struct ProbeElement {
  const sema::Entry* entry = nullptr;
  bool send = false;
  const sema::Entry* message = nullptr;
  const sema::Entry* type = nullptr;
  const sema::Entry* channel = nullptr;
  const sema::Entry* definition = nullptr;
};

// What remains to be written of the nested statement lists (cpp_statements.cpp).
struct PendingStep;

class CppWriter {
 public:
  CppWriter(GenContext& context, const CppParameters& parameters);

  // One line, prefixes expanded with the current runtime path.
  void line(std::string_view text);
  // A line written as it is (texts from the script, numbers already in).
  void raw(std::string_view text) { gen_line(out_, text); }
  void open_brace() { gen_open_brace(out_); }
  void close_brace() { gen_close_brace(out_); }
  void ifdef(std::string_view name) { gen_ifdef(out_, name); }
  void else_() { gen_else(out_); }
  void endif() { gen_endif(out_); }
  void define(std::string_view name, std::string_view value) { gen_define(out_, name, value); }
  // An empty (indented) line.
  void empty() { gen_line(out_, ""); }

  // The file frame (cpp_frame.cpp).
  void write_frame();
  // The functions of a scenario tree, children before their parents (cpp_scenarios.cpp).
  void write_scenario_tree(sema::Entry* root);
  // A used procedure's member function, the body of a block or procedure, the debug exit
  // (cpp_procedures.cpp).
  void write_procedure(sema::Entry* procedure);
  void write_body(const sema::Scope* body);
  void write_debug_exit(std::string_view value);
  // A statement list from `first` on, nested lists (IF, WHILE, CASE, WHEN) included, written with
  // an explicit stack whatever their depth (cpp_statements.cpp).
  void write_statements(sema::Entry* first);
  // The declarations at the head of a body (timer constants, C declarations); the first entry
  // after them.
  sema::Entry* write_leading_declarations(sema::Entry* first);
  // main or the thread start routine (cpp_entry.cpp).
  void write_entry();
  // PROBE mode: the whole probe decoder (cpp_probe.cpp).
  void write_probe_file();
  // The communication members: the procsends' and callbacks' functions, the WAIT function of a
  // registered WAITTIL (cpp_communication.cpp).
  void write_procsend(sema::Entry* procsend);
  void write_callback(sema::Entry* callback);
  void write_wait_function(const sema::WaittilRecord& waittil);
  // The same functions without bodies, for a message type that nothing gives values
  // (cpp_comm_frame.cpp).
  void write_message_frames(const sema::Entry* message);
  // The end of a compare function, from the runtime's verdict on (cpp_messages.cpp).
  void write_compare_end(const std::string& type);
  // A tree of check entries in one of the check writer's modes; a VAR statement
  // (cpp_value_checks.cpp).
  void write_checks(const sema::Scope* checks, const CheckTarget& target);
  void write_var(const sema::Entry* statement);
  // The dump, reference and compare member functions of a message type with values, and the
  // DEF_MESSAGE statement (cpp_messages.cpp).
  void write_message_functions(const sema::Entry* message_type);
  void write_def_message(const sema::Entry* statement);

  GenContext& context() { return context_; }
  const CppParameters& parameters() const { return parameters_; }
  GenOutput& out() { return out_; }
  // The runtime object the templates name ("$."): the member inside member functions, the driver
  // object's member in the program entry.
  void set_runtime(std::string path) { runtime_ = std::move(path); }

  // A trace buffer exists, and the flushes inside scenario functions are written (the buffer
  // rule: not with CIRCULAR).
  bool has_trace_buffer() const;
  bool buffer_rule() const;
  bool has_cleanup() const { return cleanup_; }
  long buffer_bytes() const;
  // The I and J counters the class declares: I0/J0 .. I<count-1>/J<count-1>, at least 21, as many
  // as the scenario tree is deep and as the check trees nest arrays.
  int counter_count() const { return counter_count_; }

 private:
  void write_head();
  void write_declarations();
  void write_state_initialiser();
  void write_class();
  void write_constructor();
  void write_prototypes();
  void write_member_functions();
  // The communication part of the frame (cpp_comm_frame.cpp): the message and channel types, the
  // connection table classes, the prototypes and members, the constructor's share, the states.
  void write_comm_declarations();
  void write_tabid_classes();
  void write_comm_prototype(const sema::Entry* entry);
  void write_comm_members();
  void write_alias_initialisers();
  void write_comm_constructor_body();
  void write_state_loops();
  bool needs_rtti() const;
  bool has_virtual_routines() const;
  // The communication statements (cpp_communication.cpp).
  bool write_comm_statement(sema::Entry* statement);
  void write_send(sema::Entry* send);
  void write_waittil(sema::Entry* waittil);
  void write_reception(const sema::Entry* statement, const sema::Entry* channel, const sema::Entry* type,
                       const sema::Entry* callback, const std::vector<const sema::Entry*>& values);
  void write_add_id(sema::Entry* add_id);
  void write_routine_frame(sema::Entry* routine, bool callback);
  void traced(const std::string& call);
  // A body from its first statement on (the leading declarations of a callback stand before it).
  void write_body_from(sema::Entry* first);
  void write_statement(sema::Entry* statement);
  void write_procedure_call(sema::Entry* call);
  void write_c_call(sema::Entry* call);
  void write_call_checks(const sema::Entry* call);
  void write_handlers(int end_number);
  void write_handler(const std::string& type, const sema::Entry* procedure, int end_number);
  std::string filter_guard(std::string_view filter) const;
  void add_handler(const sema::Entry* declaration);
  std::string instance_guard(const sema::Entry* begin) const;
  const std::vector<const sema::Entry*>& message_values(const sema::Entry* message_type);
  std::string select_struct_of(const sema::Entry* message_type);
  void write_dump_function(const sema::Entry* message_type, const std::vector<const sema::Entry*>& values,
                           const std::string& select);
  void write_reference_function(const sema::Entry* message_type, const std::vector<const sema::Entry*>& values,
                                const std::string& select);
  void write_compare_function(const sema::Entry* message_type, const std::vector<const sema::Entry*>& values,
                              const std::string& select);
  void write_message_bindings(const std::string& type, const std::string& reference, bool reference_read,
                              bool ranges_read);
  // One entry of a statement list: guards, handlers and statements; compound statements leave
  // their nested lists on `pending` (cpp_statements.cpp).
  void write_list_entry(sema::Entry* entry, std::vector<PendingStep>& pending);
  void write_compound(sema::Entry* statement, std::vector<PendingStep>& pending);
  void write_simple_statement(sema::Entry* statement);
  void write_rendezvous(const sema::Entry* statement);
  void write_intersend(const sema::Entry* statement);
  void write_interrecv(const sema::Entry* statement);
  // The timer table of the class, the TIME member function, the timers' start in the constructor.
  void write_timer_members();
  // -NOTSHARED: the interface files' variables, as members of the class (cpp_frame.cpp).
  void write_file_comment();
  void write_select_struct(const std::string& type);
  void write_unshared_copies();
  void write_unshared_starts();
  void write_time_function();
  void write_timer_starts();
  // The parts of the probe decoder (cpp_probe.cpp, cpp_probe_decoder.cpp).
  void header_line(std::string_view text);
  void write_probe_head();
  void write_probe_header_additions();
  void write_probe_class();
  void write_probe_selectors();
  void write_probe_entry_points();
  void write_probe_start_stop();
  void write_probe_decoder();
  void write_probe_send_test(const std::vector<ProbeElement>& table);
  void write_probe_receptions(const std::vector<ProbeElement>& table);
  void write_probe_dumps(const std::vector<ProbeElement>& table);
  void write_probe_dump_inst();
  std::string probe_name(const sema::Entry* entry) const;
  // "QLX_END_TRY" and the catch-all of a guarded region.
  void end_of_guarded_region();
  // A runtime call (prefixes expanded) written only when the driver follows the run dynamically,
  // then an empty line.
  void traced(std::string_view call);
  // A template with its prefixes expanded, for lines that go on with a text of the script.
  std::string expand(std::string_view text) const { return expand_prefixes(text, runtime_); }

  GenContext& context_;
  const CppParameters& parameters_;
  GenOutput out_;
  std::string runtime_ = "qlx_runtime";
  // The exception handlers of the function being written (CATCH statements met in its body), newest
  // type first, and its catch-all; emptied for each function.
  struct Handlers {
    std::vector<std::pair<std::string, const sema::Entry*>> typed;
    const sema::Entry* catch_all = nullptr;
  };
  Handlers local_;
  int counter_count_ = 21;
  // The size of the class's timer table (the highest timer number plus one).
  int timer_count_ = 0;
  // The class holds the cleanup procedure the script recorded last (ENABLE_CLEANUP).
  bool cleanup_ = false;
  // -NOTSHARED: the variables the class holds copies of, in the class's order.
  std::vector<std::string> unshared_names_;
  // The number each declared instance has at run time: 2 for the first, 3 for the next, ...
  std::unordered_map<const sema::Entry*, int> instance_numbers_;
  // The message values of each message type, found on first use (cpp_messages.cpp).
  std::unordered_map<const sema::Entry*, std::vector<const sema::Entry*>> message_values_by_type_;
  bool message_values_found_ = false;
  // The channels of each communication type, gathered at the first WAITTIL.
  std::unordered_map<const sema::Entry*, std::vector<const sema::Entry*>> comm_channels_;
  bool comm_channels_ready_ = false;
  friend class ScenarioFunctions;
  friend class EntryWriter;
};

// "QLX_T_INT I0,I1,...,I<n-1>;" (or J), as lines of at most 200 counters each (cpp_frame.cpp).
std::vector<std::string> counter_lines(char letter, int count);

// The number of timers the script declares (the size of the class's timer table), and each
// TIMER's start in the constructor (cpp_statements.cpp).
int timer_count(const sema::Scope* global);

// Whether a statement anywhere in the model records or withdraws a cleanup procedure
// (cpp_procedures.cpp).
bool uses_cleanup(const sema::Scope* global);

// The tree depth of the generated scenarios (the root is depth 1), without recursion.
int scenario_tree_depth(const sema::Scope* global);

}  // namespace gen
