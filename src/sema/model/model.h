// The semantic model: a tree of scopes of named entries, built by the semantic analysis and read by
// the generators. Records are data only; the analysis fills them, the TDC and TSF writers add the
// element and trace numbers, the C++ writer reads everything.
//
// Ownership: one `Model` owns every scope, entry and descriptor of a run in arenas, so freeing it is
// linear and needs no recursion whatever the depth of the scenario tree.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sema {

struct Scope;
struct Entry;
struct Descriptor;

// Entry kinds: what an element of a scope is. The numbers are the model's external numbering
// (messages such as "ENTCODUNK" print them); 0 to 83.
enum class EntryKind : int {
  Scenario = 0,
  Header = 1,
  Parameter = 2,            // a parameter of a PROC, in the procedure's parameter scope
  Procedure = 3,
  Call = 4,
  FamilyName = 5,
  Comment = 6,
  EnableCleanup = 10,
  DisableCleanup = 11,
  Waittil = 12,
  NativeDeclaration = 13,   // a '#' line of a declaration list
  AtLine = 14,              // a native line beginning with '@'
  While = 15,
  If = 16,
  Case = 17,
  WhenLabel = 18,
  Error = 19,
  Exit = 20,
  Initialization = 21,
  Termination = 22,
  Var = 23,
  ArrayBegin = 24,
  SetFilter = 25,
  UnsetFilter = 26,
  Value = 27,               // a CALL's return check, or an argument given to a PROC parameter
  WhenBranch = 28,
  Exception = 36,
  StructBegin = 38,
  ArrayElement = 39,
  StructField = 40,
  Rendezvous = 42,
  BaseClassPart = 43,
  DefMessage = 44,
  MessageDefinition = 45,   // a DEF_MESSAGE in its message's own list
  EventVariable = 46,
  MessageType = 47,
  Channel = 49,
  CommType = 50,
  Callback = 51,
  NoMessage = 52,
  MessageDate = 53,
  AddId = 55,
  ClearId = 56,
  WaittilRegistration = 58, // a WAITTIL again, at the head of the global scope
  UnionBegin = 59,
  Timer = 60,
  TimerDeclaration = 61,    // the same timer at the head of its enclosing block scope
  Reset = 63,
  Pause = 64,
  Print = 65,
  Catch = 66,
  Send = 67,
  Procsend = 68,
  DeclaredInstance = 69,
  InstanceBlockBegin = 70,
  InstanceBlockEnd = 71,
  GuardedDeclarationsBegin = 72,
  GuardedDeclarationsEnd = 73,
  GuardedStatementsBegin = 74,
  GuardedStatementsEnd = 75,
  InstanceDesignation = 76,
  UnionMember = 77,
  FlushTrace = 78,
  TraceOn = 79,
  TraceOff = 80,
  Intersend = 82,
  Interrecv = 83,
};
inline constexpr int first_entry_kind = 0;
inline constexpr int last_entry_kind = 83;

// Descriptor kinds: which record an entry carries; 101 to 157.
enum class DescriptorKind : int {
  Scenario = 101,
  Procedure = 102,
  Header = 103,
  CommType = 104,
  Call = 105,
  Channel = 106,
  ReturnCheck = 107,        // also a PROC argument's value
  Waittil = 108,
  If = 109,
  Case = 110,
  WhenBranch = 111,
  InitCheck = 112,          // check nodes of an "INIT=" value
  ExpectedCheck = 113,      // check nodes of an "EV=" value
  While = 114,
  Initialization = 115,
  Termination = 116,
  MessageType = 117,
  EventVariable = 118,
  Callback = 119,
  Procsend = 120,
  Cleanup = 121,            // ENABLE_CLEANUP / DISABLE_CLEANUP
  Exception = 128,
  DefMessage = 131,
  MessageDefinition = 132,
  ReceiveCheck = 135,       // an EV value checked against "qlx_msgrcv"
  SocketVariable = 138,     // the predefined communication type "qlx_socket" (a CommTypeRecord)
  AddId = 141,
  ClearId = 142,
  Timer = 146,
  Print = 149,
  Catch = 150,
  Send = 151,
  DeclaredInstance = 153,
  InstanceDesignation = 154,
  Intersend = 155,
  Interrecv = 156,
  Rendezvous = 157,
};
inline constexpr int first_descriptor_kind = 101;
inline constexpr int last_descriptor_kind = 157;

// Numbers the generators give an element and keep for the later generators: the TDC writer's
// element numbers, the TSF writer's trace numbers. -1 until given.
struct ElementNumbers {
  int element = -1;
  int element_end = -1;
  int after = -1;           // a procedure's after number
  int trace = -1;
  int trace_end = -1;
};

// ---- records of the descriptors, one per kind (or family of kinds) ----

struct ScenarioRecord {
  std::string source_file;
  bool selected = false;
  bool has_number = false;
  int number = 0;           // the repeat count written after the name
  int header_line = 0;      // the line of its contents minus one
  std::string full_name;
  Scope* family_scope = nullptr;  // the FAMILY clause's names, or none
};

struct HeaderRecord {
  std::string texts[3];
};

struct ProcedureRecord {
  bool used = false;        // set by every CALL, block, CATCH or cleanup statement naming it
  bool void_parameters = false;  // its parameter list is the void type
  // The parameters, in order: entries of kind Parameter whose name is the parameter's name (none
  // for a parameter written as a type only) and whose text is its C type. The body's entries are
  // in the descriptor's child scope.
  Scope* parameters = nullptr;
};

// INITIALIZATION, TERMINATION, EXCEPTION. In the CALL form the child scope holds one Value entry
// (27) per argument; in the statement form it holds the block's statements.
struct BlockRecord {
  Entry* procedure = nullptr;  // CALL form: the called procedure entry
  int line = 0;
  int value = -1;
};

// A COMMTYPE (descriptor 104), and the predefined "qlx_socket" of TRIGGER scripts (descriptor 138).
struct CommTypeRecord {
  std::string connection_id_type;
  int number = 0;
  bool multiplexing = false;
  int next_channel = 0;
};

struct ChannelRecord {
  Entry* comm_type = nullptr;
  int number = 0;
};

struct MessageTypeRecord {
  int number = 0;
  std::string declaration_text;   // the C declaration of the type, when the interface gives one
  int next_event_index = 0;
  // TRIGGER scripts: the channel "qlx_v1_3_ch_<n>" of "qlx_socket" made by the type's first
  // TRIGGER line; none for a type that only DEF_TRIGGER declares.
  Entry* socket_channel = nullptr;
};

struct EventVariableRecord {
  Entry* message_type = nullptr;
  int index = 0;
  bool checked_by_var = false;
  bool used = false;
  Entry* reference_checks = nullptr;  // "EV=qlx_msgrcv" checks, built once on first SEND/DEF_MESSAGE
  std::vector<Entry*> definitions;    // its DEF_MESSAGE entries (45), in order
  // The reference checks were asked for once (built, or reported as impossible): later SENDs and
  // DEF_MESSAGEs take the kept entry, or go on without it, and report nothing again.
  bool reference_checks_tried = false;
};

// CALLBACK, VIRTUALCALLBACK, PROCSEND, VIRTUALPROCSEND and the generated TRIGGER callback.
// The statements are in the descriptor's child scope.
struct CallbackRecord {
  Entry* message_type = nullptr;  // bound when its DEF_TRIGGER or TRIGGER is analysed, even a later one
  Entry* comm_type = nullptr;
  bool used = false;
  bool is_virtual = false;        // VIRTUALCALLBACK, VIRTUALPROCSEND
  bool generated = false;         // the callback a TRIGGER makes for its message type
  // Generated callback only: the names its statements use.
  std::string message_variable;
  std::string connection_table;
  std::string count_variable;
  // The parameters, as a procedure's (ProcedureRecord): entries of kind Parameter, or none.
  Scope* parameters = nullptr;
};

struct DeclaredInstanceRecord {
  bool used = false;
  int number = 0;
};

struct InstanceDesignationRecord {
  Entry* instance = nullptr;  // the declared instance
};

// The statements' records (filled by the statement analysis).
struct CallRecord {
  std::string function;           // the called name as written
  std::string return_variable;
  std::string expected_value;
  int expected_class = -1;
  int return_class = -1;
  bool is_procedure = false;
  bool return_variable_generated = false;
  Entry* procedure = nullptr;     // the PROC called, when it is one
  // A CALL's child scope holds one Value entry (27) per argument, in order, then the return check
  // (a Value entry marked `return_check`) when a return part is written.
  std::string matched;            // the name that was matched: the called name after preprocessing
  bool is_macro = false;          // a macro of the interface files, not a function
  int variable_class = -1;        // the return variable's class (-1: none written)
  std::string return_type;        // the function's printed return type ("" for a macro or a PROC)
};

struct ValueRecord {              // return check, or a PROC argument
  std::string text;
  int value_class = -1;
  int target_class = -1;
  Entry* parameter = nullptr;
  // An argument of a C/C++ function: REF (passed by address; `text` is the variable) and the
  // '@' parts written after it, as written.
  bool by_reference = false;
  std::string at_parts[2];
  // The return check of a CALL: `text` is the expected value ("" when only a variable is
  // written), `value_class` its class, `target_class` the function's return class.
  bool return_check = false;
};

struct ConditionRecord {          // IF, WHILE, CASE
  std::string text;
  int condition_class = -1;
  // IF: the THEN statements are in the descriptor's child scope; an ELSE part has a second scope
  // of its own, held here (its parent is the scope of the IF, its owner the IF's descriptor, like
  // the child scope's). None without ELSE; an empty ELSE part has an empty scope.
  Scope* else_scope = nullptr;
};

struct WhenBranchRecord {};

struct CheckRecord {              // an INIT/EV/receive check node recorded as an entry
  int node_kind = 0;
  std::string text;
  int type_class = -1;
  long long low = 0, high = 0;
  int display_base = 0;
  std::string value_text, low_text, high_text;
  bool whole = false;             // part of an aggregate compared as a whole (no per-field type check)
  int selected_member = 0;        // a union opened by a named member: its 0-based position
};

// A message that a WAITTIL awaits: one MATCHING, MATCHED, NOTMATCHING or NOTMATCHED of its
// conditions, with the CALLBACK that reads it and where it is polled.
struct AwaitedMessage {
  std::string test;               // "MATCHING", "MATCHED", "NOTMATCHING" or "NOTMATCHED"
  Entry* event_variable = nullptr;
  Entry* channel = nullptr;       // none: every channel of comm_type is polled
  Entry* comm_type = nullptr;
  Entry* callback = nullptr;
};

struct WaittilRecord {
  std::string conditions[2];
  // The conditions as the WAIT function tests them: each matching replaced by its runtime test
  // on the message value's state, "QLX_<test>_1(qlx_msg_<type>[<index>])", or with a channel
  // "QLX_<test>_2(qlx_msg_<type>[<index>],qlx_state_channel[<comm type number>][<channel number>])".
  std::string prepared[2];
  std::string timeout = "0";
  int number = 0;
  Entry* waittil = nullptr;       // the registration's (a copy of the record): the WAITTIL entry (12)
  std::vector<AwaitedMessage> awaited;  // in the order of the conditions
};

struct DefMessageRecord {
  Entry* event_variable = nullptr;
  int number = 0;
  bool procedures_analysed = false;
  Entry* counterpart = nullptr;   // 44: its definition 45 in the message's list; 45: its DEF_MESSAGE 44
};

struct SendRecord {
  Entry* procsend = nullptr;
  Entry* channel = nullptr;
  Entry* event_variable = nullptr;
};

struct IdRecord {                 // ADD_ID, CLEAR_ID
  Entry* channel = nullptr;
  std::string identifier;
};

struct TimerRecord {
  int number = 0;
};

struct PrintRecord {
  std::string expression;
};

struct CatchRecord {
  std::string type;
  Entry* procedure = nullptr;
};

struct CleanupRecord {
  Entry* procedure = nullptr;
};

struct IntersendRecord {
  std::string value;
  std::string tester;
  bool integer_value = false;
};

struct InterrecvRecord {
  std::string first;
  std::string second;
  bool one_operand = false;
};

struct RendezvousRecord {};

using DescriptorRecord =
    std::variant<std::monostate, ScenarioRecord, HeaderRecord, ProcedureRecord, BlockRecord, CommTypeRecord,
                 ChannelRecord, MessageTypeRecord, EventVariableRecord, CallbackRecord, DeclaredInstanceRecord,
                 InstanceDesignationRecord, CallRecord, ValueRecord, ConditionRecord,
                 WhenBranchRecord, CheckRecord, WaittilRecord, DefMessageRecord, SendRecord, IdRecord,
                 TimerRecord, PrintRecord, CatchRecord, CleanupRecord, IntersendRecord, InterrecvRecord,
                 RendezvousRecord>;

// ---- the three records of the model ----

struct Scope {
  Scope* parent = nullptr;
  Descriptor* owner = nullptr;   // none for the global scope
  Entry* first = nullptr;
  Entry* last = nullptr;
  Entry* function_list = nullptr;  // global scope only: the newest element of the function list
};

struct Entry {
  Scope* scope = nullptr;
  EntryKind kind = EntryKind::Scenario;
  std::string name;
  bool has_name = false;
  Descriptor* descriptor = nullptr;
  Entry* next = nullptr;
  Entry* previous = nullptr;
  std::string filter;            // execution-filter text of a statement
  bool has_filter = false;
  const char* file = nullptr;    // owned by the script's file list
  int file_number = 0;
  int line = 0;
  Entry* chain = nullptr;        // next (older) element of the function list
  std::string text;              // a statement's text operand
  ElementNumbers numbers;
};

struct Descriptor {
  Scope* child_scope = nullptr;
  Entry* entry = nullptr;
  DescriptorKind kind = DescriptorKind::Scenario;
  DescriptorRecord record;
};

// Storage of one kind of record: chunks of many records each (a model holds hundreds of
// thousands of entries), freed chunk by chunk. Records never move once made.
template <typename T>
class Arena {
 public:
  T* make() {
    if (used_ == chunk_size) {
      chunks_.push_back(std::make_unique<T[]>(chunk_size));
      used_ = 0;
    }
    return &chunks_.back()[used_++];
  }

 private:
  static constexpr std::size_t chunk_size = 256;
  std::vector<std::unique_ptr<T[]>> chunks_;
  std::size_t used_ = chunk_size;
};

// The storage of one run's model.
class Model {
 public:
  Model();
  Model(const Model&) = delete;
  Model& operator=(const Model&) = delete;

  Scope* global() { return global_; }
  const Scope* global() const { return global_; }

  Scope* make_scope();
  Entry* make_entry();
  Descriptor* make_descriptor();

 private:
  Arena<Scope> scopes_;
  Arena<Entry> entries_;
  Arena<Descriptor> descriptors_;
  Scope* global_;
};

// Where new_entry_at puts an entry.
enum class Insertion {
  Append,                  // at the end of the scope
  ByElementNumber,         // in ascending order of `order` (array-element checks)
  Head,                    // at the head (global registrations such as WAITTIL)
  BeforeFirstScenario,     // before the scope's first scenario entry (INITIALIZATION, ...)
};

struct Position {
  const char* file = nullptr;
  int file_number = 0;
  int line = 0;
};

// Appends an entry. An out-of-range kind is the internal "ENTCODUNK" (the number), a null scope
// the internal "SCPBADPTR".
Entry* new_entry(Model& model, Scope* scope, EntryKind kind, std::string_view name, const Position& at,
                 std::string_view filter = {}, bool has_filter = false);
// The same, inserted as `where` says; `order` is the element number for ByElementNumber (the
// entries' `numbers.element` hold theirs).
Entry* new_entry_at(Model& model, Insertion where, Scope* scope, EntryKind kind, std::string_view name,
                    const Position& at, int order = 0);
// Prepends to the nearest scope, from `scope` outwards, whose owner is a scenario, PROC, CALLBACK,
// PROCSEND, block or an instance-guarded declaration group (TIMER declarations).
Entry* new_entry_in_block_scope(Model& model, Scope* scope, EntryKind kind, std::string_view name,
                                const Position& at);
// Attaches a descriptor with the default record of its kind. An out-of-range kind is the
// internal "DSCCODUNK".
Descriptor* new_descriptor(Model& model, Entry* entry, DescriptorKind kind);
// Opens the descriptor's child scope inside `parent`.
Scope* open_scope(Model& model, Descriptor* descriptor, Scope* parent);

// Chains `entry` into the function list of the global scope (newest first).
void add_to_function_list(Model& model, Entry* entry);

// The internal "DSCCODUNK" for a descriptor that is missing or holds another record.
[[noreturn]] void wrong_record(const Descriptor* descriptor);

// The typed record of a descriptor; the internal "DSCCODUNK" when it holds another record.
template <typename Record>
Record& record_of(Descriptor* descriptor) {
  Record* record = descriptor != nullptr ? std::get_if<Record>(&descriptor->record) : nullptr;
  if (record == nullptr) wrong_record(descriptor);
  return *record;
}
template <typename Record>
Record& record_of(Entry* entry) {
  return record_of<Record>(entry->descriptor);
}

}  // namespace sema
