// The records that drive the command-line decoder: value descriptions, keywords, options and
// incompatible combinations. Decoding fills their state fields.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// A name in three columns: French without accents, French with accents, English.
struct Names {
  std::array<std::string_view, 3> column;
};
inline constexpr int display_column = 2;

struct ValueDescription {
  Names names;
  char type = 'C';   // 'C' text, 'I' integer, 'L' long integer
  char list = 'N';   // 'Y': comma lists and repeated use allowed
  long minimum = 0;  // length ('C') or value ('I', 'L')
  long maximum = 0;
  int optional = 0;  // positional arguments only
  std::vector<std::string> values;  // decoded values (numbers are kept as their text)
};

struct Keyword {
  Names names;
  bool selected = false;
};

struct Option {
  Names names;
  bool value_mandatory = false;
  int value = -1;                 // index of the value description, -1: no value
  int state = 0;                  // 0 absent, 1 given, -1 given as "no<name>"
  bool negatable = false;
  bool default_on = false;
  int default_keyword = 0;        // 1-based, 0 none
  std::vector<Keyword> keywords;  // empty: free text
};

// Element kinds of a combination: 1 keyword, 2 value description, 3 option; negative inverts.
struct Incompatibility {
  int kind1;
  int element1;
  int kind2;
  int element2;
};

// The positional arguments, in order.
enum Positional { ScriptArg = 0, InterfaceArg = 1, RootArg = 2, PositionalCount = 3 };

// Option positions in the table (0-based; option_state reports them 1-based).
enum OptionIndex {
  OptINCL, OptSET, OptDEFINE, OptSTD_DEFINE, OptSTUDIO_LOG, OptSCN, OptEXSCN, OptFAMILY, OptEXFAMILY,
  OptINSTANCE, OptRESTRICTION, OptFAST, OptPROBE, OptLOG, OptALLOCATION, OptTHREAD, OptNOTSHARED,
  OptNOPATH, OptNOCOMMENT, OptSPVGEN, OptTRACE, OptBUFSIZE, OptionCount
};

struct CommandTable {
  std::vector<ValueDescription> positionals;  // PositionalCount entries
  std::vector<ValueDescription> values;       // value descriptions of the options
  std::vector<Option> options;                // OptionCount entries, table order
  std::vector<Incompatibility> incompatibilities;
  bool decoded = false;
};

// A fresh table with every state cleared.
CommandTable make_command_table();
// The process-wide table the accessors read.
CommandTable& command_table();

}  // namespace driver
