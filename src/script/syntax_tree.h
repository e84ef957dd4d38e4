// The script's syntax tree: uniform nodes with up to three children, built by the script
// grammar and walked by the semantic analysis.
//
// The layouts below are the contract of the named accessors of script/tree_view.h: outside the
// grammar (script_grammar.y) and the tree's builders (syntax_tree.cpp, tree_build.cpp), code
// reads the tree through those accessors, which check every kind and required child.
//
// Node layouts (first / second / third; "leaf" = a kind-22 name or text leaf unless stated;
// "or none" = may be absent in a tree that parsed without error, everything else is required):
//   43 ScriptRoot        header (36) or none / declaration chain (148) / scenario-level list (45)
//   36 Header            three text parts: 59 (a string, quotes kept) or 96 ("$NAME", the '$' kept)
//   148 DeclarationItem  a declaration, or none / 142 or 141, or none / next item
//   141 InstanceBlock    instance names (143 chain) / declarations (148 chain) or none
//   142 DeclareInstance  instance names (143 chain)
//   143 InstanceName     leaf / next
//   115 Commtype         name leaf / connection-id type leaf / property list (126 chain of 124)
//   113 Channel          communication type leaf / channel names (114 chain: leaf / next)
//   116 DefTrigger       type leaf / event variables (117 chain: leaf / next);  46 Trigger: same
//                        with 47 items
//   110, 164, 137, 165   callback / virtual callback / procsend / virtual procsend:
//                        111 (message type leaf, parameters (9 chain) or none) / 118 (communication
//                        type leaf) / body or none
//   42 Proc              name leaf / parameters (9 chain) or none / body or none
//   9 Parameter          type leaf (all words but the last) / name leaf (last word) or none / next
//   45 LevelList         element (24, 27, 44, 62, 93) / next
//   44 Scenario          name leaf / contents (134)
//   134 ScenarioContents number leaf (7) or none / FAMILY clause (21) or empty (11) / a 45 list, a
//                        body, or none
//   21 FamilyClause      family names (20 chain: leaf / next)
//   27, 62, 93 blocks    CALL form: procedure name leaf / none / arguments (1 chain) or none;
//                        statement form: none / body or none / none
//   body                 chain of 100 (declaration list: its statements are '#' lines only) and 99
//                        (instruction list) nodes linked by third; unrestricted: first is the
//                        statement chain (146) and second none; restricted to instances: first is
//                        the header (150) and second the statement chain
//   146 StatementItem    statement holder (37), or the header (150) of an instance group / that
//                        group's statement chain (none for an empty group) / next item
//   150 InstanceHeader   instance names (143 chain)
//   37 StatementHolder   execution filter (38 "%...", 41 "%%...", text as read) or none / statement
// Statement lists inside IF, ELSE, WHILE and WHEN are plain 146 chains (not grouped into a body).
// Statements: see the NodeKind comments below. An empty statement list is absent (none).
// Every node carries the position (file, file number, line) of the construct's first token; a
// scenario's contents (134) and the first list of a body carry the line after their header line,
// so that "line minus one" is the header line.
#pragma once
#include <string>

namespace script {

// Kind numbers are shared with the semantic analysis; the names are this module's.
enum NodeKind : int {
  ArgumentItem = 1,       // CALL argument list item: argument (8 or 55) / next
  Call = 2,               // name leaf or none (blank name) / arguments (1 chain) or none / return (94) or none
  WhenBranch = 3,         // labels (79 chain) / statements or none
  Case = 4,               // selector leaf or none / WHEN list (5 chain)
  WhenItem = 5,           // branch (3) / next
  CommentLine = 6,        // text: the line after its first 8 characters
  Number = 7,             // text: the digits as written
  ArgumentValue = 8,      // holder (18)
  Parameter = 9,
  ElsePart = 10,          // ELSE statements or none
  Empty = 11,
  Error = 14,
  Exit = 17,
  ValueHolder = 18,       // value leaf or none (blank) / first '@' part / second '@' part
  FamilyName = 20,
  FamilyClause = 21,
  Name = 22,              // name or text leaf
  If = 23,                // condition leaf or none / THEN statements or none / 10 or 11
  Include = 24,
  Initialization = 27,
  EnvironmentVariable = 35,
  Header = 36,
  StatementHolder = 37,
  Filter = 38,
  HashLine = 39,          // text without the '#'
  AtLine = 40,            // text without the '@'
  DoubleFilter = 41,
  Proc = 42,
  ScriptRoot = 43,
  Scenario = 44,
  LevelList = 45,
  Trigger = 46,
  TriggerVariable = 47,
  Others = 48,
  RefArgument = 55,       // name leaf
  Set = 56,               // string leaf (59), quotes kept
  Termination = 62,
  Matching = 63,          // text: MATCHING, MATCHED, NOTMATCHING or NOTMATCHED / message leaf / channel leaf or none
  Unset = 68,             // string leaf (59), quotes kept
  Var = 77,               // variable leaf or none / value (102, 103 or 106, text: the value)
  Waittil = 78,           // condition (81) / condition (81)
  WhenLabel = 79,         // 7, 22 or 48 / next
  While = 80,             // condition leaf or none / statements or none
  Condition = 81,         // text: the whole condition / parts (82 chain)
  ConditionPart = 82,     // text leaf (22) or matching (63) / next
  Exception = 93,
  ReturnPart = 94,        // expected value leaf or none / return variable leaf or none
  EnvText = 96,
  InstructionList = 99,
  DeclarationList = 100,
  InitValue = 102,        // "INIT="
  ExpectedValue = 103,    // "EV=" or "VA="
  Rendezvous = 105,       // name leaf
  ExpectTest = 106,       // "EV=="
  Format = 107,           // variable (108) / format text leaf
  FormatVariable = 108,
  DefMessage = 109,       // message leaf or none / value (102)
  Callback = 110,
  CallbackMessage = 111,
  Channel = 113,
  ChannelName = 114,
  Commtype = 115,
  DefTrigger = 116,
  DefTriggerVariable = 117,
  CallbackComm = 118,
  NoMessage = 119,
  MessageDate = 120,
  AddId = 121,            // channel (125) / identifier (125)
  ClearId = 122,          // channel (125)
  Multiplexing = 124,
  ArgumentList = 125,     // expression leaf or none (blank) / next
  PropertyItem = 126,     // property (124) / next
  Timer = 130,            // name leaf
  Reset = 131,            // name leaf
  Pause = 132,            // arguments (125 chain)
  Print = 133,            // name leaf (identifier, or string with its quotes) / arguments (125 chain) or none
  ScenarioContents = 134,
  Catch = 135,            // type leaf or none / procedure name leaf
  Send = 136,             // operands (140)
  Procsend = 137,
  EnableCleanup = 138,    // procedure name leaf
  DisableCleanup = 139,   // procedure name leaf
  SendOperands = 140,     // message leaf / channel leaf
  InstanceBlock = 141,
  DeclareInstance = 142,
  InstanceName = 143,
  StatementItem = 146,
  DeclarationItem = 148,
  InstanceHeader = 150,
  FlushTrace = 153,       // text: the keyword
  TraceOn = 154,
  TraceOff = 155,
  Intersend = 156,        // operands (157: value leaf or none / tester leaf or none)
  IntersendOperands = 157,
  Interrecv = 158,        // operands (159: leaf or none / leaf or none)
  InterrecvOperands = 159,
  VirtualCallback = 164,
  VirtualProcsend = 165,
  StringText = 59,
};

struct SyntaxNode {
  int kind = 0;
  SyntaxNode* first = nullptr;
  SyntaxNode* second = nullptr;
  SyntaxNode* third = nullptr;
  int line = 0;
  bool has_text = false;
  std::string text;
  const char* file = nullptr;  // owned by the source file list
  int file_number = 0;
};

// Position of a token or construct.
struct SourcePosition {
  int line = 0;
  const char* file = nullptr;
  int file_number = 0;
};

SyntaxNode* new_node(int kind, const SourcePosition& at, SyntaxNode* first = nullptr, SyntaxNode* second = nullptr,
                     SyntaxNode* third = nullptr);
SyntaxNode* new_leaf(int kind, const SourcePosition& at, std::string text);

// Frees `node` and everything below it, iteratively (lists may be very long). Texts are members
// of the nodes; `with_texts` is kept for callers that moved texts out first (they are then empty).
void release_tree(SyntaxNode* node, bool with_texts = true);

// A short name for a kind ("Scenario"), or "" for a kind no rule builds.
const char* node_kind_name(int kind);

}  // namespace script
