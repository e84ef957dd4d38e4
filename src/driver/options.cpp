#include "driver/options.h"

#include <climits>
#include <cstdlib>

#include "base/names.h"
#include "diag/report.h"
#include "driver/decoder_messages.h"
#include "driver/option_table.h"

namespace driver {

namespace {

// Decoding stops at the first message: every step returns false up the calls.
struct Match {
  int length = 0;
  bool full = false;
};

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// How far `text` (an option name up to '=' or its end) matches `name`.
Match match_name(std::string_view name, std::string_view text) {
  std::size_t i = 0;
  while (i < name.size() && i < text.size() && upper(name[i]) == upper(text[i])) ++i;
  if (i == name.size() && i == text.size()) return {static_cast<int>(i), true};
  if (i == text.size() && i > 0) return {static_cast<int>(i), false};
  return {};
}

// Keywords: a text that begins with a whole keyword is a full match whatever follows.
Match match_keyword(std::string_view name, std::string_view text) {
  std::size_t i = 0;
  while (i < name.size() && i < text.size() && upper(name[i]) == upper(text[i])) ++i;
  if (i == name.size()) return {static_cast<int>(i), true};
  if (i == text.size() && i > 0) return {static_cast<int>(i), false};
  return {};
}

// Splits at the commas not preceded by '\'; `had_separator` tells whether there was one.
std::vector<std::string> split_list(std::string_view text, bool* had_separator) {
  std::vector<std::string> pieces(1);
  *had_separator = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ',' && (i == 0 || text[i - 1] != '\\')) {
      *had_separator = true;
      pieces.emplace_back();
    } else {
      pieces.back().push_back(text[i]);
    }
  }
  return pieces;
}

std::string remove_comma_escapes(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == ',') continue;
    result.push_back(text[i]);
  }
  return result;
}

bool fail(DecoderMessage message, std::string_view argument) {
  print_decoder_message(message, argument);
  return false;
}

// The keyword that `text` names: a full match at once, else the longest abbreviation;
// -1 none, -2 ambiguous.
int choose_keyword(const std::vector<Keyword>& keywords, std::string_view text) {
  int best = -1;
  int best_length = 0;
  bool ambiguous = false;
  for (int column = 0; column < 3; ++column) {
    for (std::size_t k = 0; k < keywords.size(); ++k) {
      Match match = match_keyword(keywords[k].names.column[column], text);
      if (match.full) return static_cast<int>(k);
      if (match.length > best_length) {
        best = static_cast<int>(k);
        best_length = match.length;
        ambiguous = false;
      } else if (match.length > 0 && match.length == best_length && best != static_cast<int>(k)) {
        ambiguous = true;
      }
    }
  }
  return ambiguous ? -2 : best;
}

// Replaces `text` by the column-2 name of the keyword it names; false after a message.
bool convert_keyword(std::vector<Keyword>& keywords, std::string* text) {
  int chosen = choose_keyword(keywords, *text);
  if (chosen == -1) return fail(DecoderMessage::UnknownValue, *text);
  if (chosen == -2) return fail(DecoderMessage::AmbiguousValue, *text);
  Keyword& keyword = keywords[static_cast<std::size_t>(chosen)];
  keyword.selected = true;
  *text = std::string(keyword.names.column[display_column]);
  return true;
}

// Checks one value piece and appends it to the description's list; false after a message.
// Length and range messages name the whole argument as typed (a piece may be empty).
bool convert_value(ValueDescription& value, std::vector<Keyword>* keywords, std::string_view piece,
                   std::string_view argument) {
  if (value.type == 'C') {
    long length = static_cast<long>(piece.size());
    if (length < value.minimum) return fail(DecoderMessage::LengthTooSmall, argument);
    if (length > value.maximum) return fail(DecoderMessage::LengthTooLarge, argument);
    std::string text = remove_comma_escapes(piece);
    if (keywords != nullptr && !keywords->empty() && !convert_keyword(*keywords, &text)) return false;
    value.values.push_back(std::move(text));
    return true;
  }
  std::string digits(piece);
  char* end = nullptr;
  long number = std::strtol(digits.c_str(), &end, 10);
  if (number < value.minimum) return fail(DecoderMessage::ValueTooSmall, argument);
  if (number > value.maximum) return fail(DecoderMessage::ValueTooLarge, argument);
  value.values.push_back(std::to_string(number));
  return true;
}

bool add_positional(CommandTable& table, std::size_t taken, std::string_view text) {
  std::size_t index = taken < table.positionals.size() ? taken : table.positionals.size() - 1;
  ValueDescription& positional = table.positionals[index];
  bool separator = false;
  std::vector<std::string> pieces = split_list(text, &separator);
  if (separator && positional.list != 'Y') return fail(DecoderMessage::ListForbiddenArgument, text);
  if (!positional.values.empty() && positional.list != 'Y') return fail(DecoderMessage::TooManyArguments, text);
  for (const std::string& piece : pieces) {
    if (!convert_value(positional, nullptr, piece, text)) return false;
  }
  return true;
}

// Finds the option that `name` (the text after the prefix, up to '=') names.
bool find_option(CommandTable& table, std::string_view name, std::string_view argument, int* index, int* state,
                 int* length) {
  int best = -1;
  int best_state = 0;
  int best_length = 0;
  bool ambiguous = false;
  for (int column = 0; column < 3; ++column) {
    for (std::size_t o = 0; o < table.options.size(); ++o) {
      const Option& option = table.options[o];
      std::string negated;
      for (int form = 0; form < (option.negatable ? 2 : 1); ++form) {
        std::string_view candidate = option.names.column[column];
        if (form == 1) {
          negated = "no";
          negated += candidate;
          candidate = negated;
        }
        Match match = match_name(candidate, name);
        int match_state = form == 0 ? 1 : -1;
        if (match.full) {
          *index = static_cast<int>(o);
          *state = match_state;
          *length = match.length;
          return true;
        }
        if (match.length > best_length) {
          best = static_cast<int>(o);
          best_state = match_state;
          best_length = match.length;
          ambiguous = false;
        } else if (match.length > 0 && match.length == best_length &&
                   (best != static_cast<int>(o) || best_state != match_state)) {
          ambiguous = true;
        }
      }
    }
  }
  if (best < 0) return fail(DecoderMessage::UnknownOption, argument);
  if (ambiguous) return fail(DecoderMessage::AmbiguousOption, argument);
  *index = best;
  *state = best_state;
  *length = best_length;
  return true;
}

// Whether `name` (the text after the prefix, up to '=') is an option name or an abbreviation of
// one, in any column, negated forms included.
bool names_an_option(const CommandTable& table, std::string_view name) {
  for (int column = 0; column < 3; ++column) {
    for (const Option& option : table.options) {
      std::string_view candidate = option.names.column[column];
      if (match_name(candidate, name).length > 0) return true;
      if (option.negatable && match_name("no" + std::string(candidate), name).length > 0) return true;
    }
  }
  return false;
}

// An argument that starts with '-' is an option. On POSIX '/' also starts absolute paths: an
// argument that starts with '/' is an option only when what follows (up to '=') is an option
// name or an abbreviation of one ("/INCL=dir", "/nol"); otherwise it is a positional path
// ("/home/me/test.pts").
bool is_option_argument(const CommandTable& table, std::string_view argument) {
  if (argument.empty()) return false;
  if (argument[0] == '-') return true;
  if (argument[0] != '/') return false;
  std::string_view rest = argument.substr(1);
  return names_an_option(table, rest.substr(0, rest.find('=')));
}

bool decode_option(CommandTable& table, std::string_view argument) {
  std::string_view rest = argument.substr(1);
  std::size_t equal = rest.find('=');
  std::string_view name = rest.substr(0, equal);
  int index = 0;
  int state = 0;
  int length = 0;
  if (!find_option(table, name, argument, &index, &state, &length)) return false;
  std::string_view after = rest.substr(static_cast<std::size_t>(length));
  if (!after.empty() && after.front() != '=') return fail(DecoderMessage::InvalidCharacter, argument);
  Option& option = table.options[static_cast<std::size_t>(index)];
  ValueDescription* value = option.value >= 0 ? &table.values[static_cast<std::size_t>(option.value)] : nullptr;
  if (option.state != 0 && (value == nullptr || value->list != 'Y')) return fail(DecoderMessage::UsedTwice, argument);
  option.state = state;
  bool has_equal = !after.empty();
  if (option.value_mandatory && after.size() < 2) return fail(DecoderMessage::MandatoryArgument, argument);
  if (value == nullptr && has_equal) return fail(DecoderMessage::NoArgument, argument);
  if (!has_equal) return true;
  bool separator = false;
  std::vector<std::string> pieces = split_list(after.substr(1), &separator);
  if (separator && value->list != 'Y') return fail(DecoderMessage::ListForbiddenOption, argument);
  for (const std::string& piece : pieces) {
    if (!convert_value(*value, &option.keywords, piece, argument)) return false;
  }
  return true;
}

void apply_defaults(CommandTable& table) {
  for (Option& option : table.options) {
    if (option.default_on && option.state == 0) option.state = 1;
    if (option.negatable && !option.default_on && option.state == 0) option.state = -1;
    if (option.default_keyword > 0) {
      bool any = false;
      for (const Keyword& keyword : option.keywords) any = any || keyword.selected;
      if (!any && option.value >= 0) {
        const Keyword& chosen = option.keywords[static_cast<std::size_t>(option.default_keyword - 1)];
        table.values[static_cast<std::size_t>(option.value)].values.emplace_back(chosen.names.column[display_column]);
      }
    }
  }
}

// Whether a combination element counts as present, and its display name.
bool element_present(const CommandTable& table, int kind, int element, std::string_view* name) {
  bool present = false;
  int magnitude = kind < 0 ? -kind : kind;
  if (magnitude == 3) {
    const Option& option = table.options[static_cast<std::size_t>(element)];
    present = option.state == 1;
    *name = option.names.column[display_column];
  } else if (magnitude == 2) {
    const ValueDescription& value = table.values[static_cast<std::size_t>(element)];
    present = !value.values.empty();
    *name = value.names.column[display_column];
  } else {
    // Keyword elements name "option index * 100 + keyword index".
    const Option& option = table.options[static_cast<std::size_t>(element / 100)];
    const Keyword& keyword = option.keywords[static_cast<std::size_t>(element % 100)];
    present = keyword.selected;
    *name = keyword.names.column[display_column];
  }
  return kind < 0 ? !present : present;
}

bool check_combinations(const CommandTable& table) {
  for (const Incompatibility& rule : table.incompatibilities) {
    std::string_view first;
    std::string_view second;
    bool one = element_present(table, rule.kind1, rule.element1, &first);
    bool two = element_present(table, rule.kind2, rule.element2, &second);
    if (one && two) {
      std::string names = std::string(first) + " " + joining_word() + " " + std::string(second);
      return fail(DecoderMessage::IllegalCombination, names);
    }
  }
  return true;
}

CommandTable& decoded_table() {
  CommandTable& table = command_table();
  if (!table.decoded) diag::report_internal(diag::Code::INITPBRLM);
  return table;
}

const std::vector<std::string>& option_values(OptionIndex option) {
  CommandTable& table = decoded_table();
  return table.values[static_cast<std::size_t>(table.options[option].value)].values;
}

const std::string* given_value(OptionIndex option) {
  CommandTable& table = decoded_table();
  if (table.options[option].state == 0) return nullptr;
  const std::vector<std::string>& values = option_values(option);
  return values.empty() ? nullptr : &values.front();
}

// The keyword position (1-based) of a given option, 0 when absent.
int given_keyword(OptionIndex option) {
  const std::string* value = given_value(option);
  if (value == nullptr) return 0;
  const std::vector<Keyword>& keywords = command_table().options[option].keywords;
  for (std::size_t k = 0; k < keywords.size(); ++k) {
    if (keywords[k].names.column[display_column] == *value) return static_cast<int>(k) + 1;
  }
  return 0;
}

std::string positional_text(Positional p) {
  const std::vector<std::string>& values = decoded_table().positionals[p].values;
  std::string text = values.empty() ? std::string() : values.front();
  return command_table().options[OptNOPATH].state == 1 ? base::file_name_of(text) : text;
}

std::string join(const std::vector<std::string>& list) {
  std::string text;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) text += ',';
    text += list[i];
  }
  return text;
}

void append_list(std::string& line, std::string_view option, const std::vector<std::string>& list) {
  if (list.empty()) return;
  line += " -";
  line += option;
  line += '=';
  line += join(list);
}

void append_text(std::string& line, std::string_view option, const std::string* text) {
  if (text == nullptr) return;
  line += " -";
  line += option;
  line += '=';
  line += *text;
}

void append_flag(std::string& line, std::string_view option, bool given) {
  if (!given) return;
  line += " -";
  line += option;
}

std::string build_effective_line(const char* program) {
  std::string line = program == nullptr ? "" : program;
  line += ' ';
  line += script_file();
  line += ' ';
  line += join(interface_files());
  line += ' ';
  line += root_name();
  append_list(line, "INCL", include_dirs());
  append_text(line, "SET", filter_letters());
  append_list(line, "DEFINE", defines());
  append_text(line, "STD_DEFINE", std_define_file());
  append_text(line, "STUDIO_LOG", studio_log_file());
  append_list(line, "FAMILY", families());
  append_list(line, "EXFAMILY", excluded_families());
  append_list(line, "SCN", scenarios());
  append_text(line, "INSTANCE", instance_name());
  append_list(line, "EXSCN", excluded_scenarios());
  append_flag(line, "SPVGEN", spv_gen() != 0);
  append_text(line, "RESTRICTION", given_value(OptRESTRICTION));
  line += fast() ? " -FAST" : " -NOFAST";
  append_text(line, "PROBE", given_value(OptPROBE));
  append_text(line, "TRACE", given_value(OptTRACE));
  if (given_value(OptBUFSIZE) != nullptr) line += " -BUFSIZE=" + std::to_string(buffer_size());
  line += log_enabled() ? " -LOG" : " -NOLOG";
  append_text(line, "ALLOCATION", given_value(OptALLOCATION));
  if (command_table().options[OptTHREAD].state != 0) line += " -THREAD=" + thread_routine();
  append_flag(line, "NOTSHARED", not_shared() != 0);
  append_flag(line, "NOCOMMENT", comments_enabled() == 0);
  return line;
}

}  // namespace

bool decode_command_line(int argc, char** argv, std::string* effective) {
  CommandTable& table = command_table();
  std::size_t taken = 0;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i] == nullptr ? "" : argv[i];
    if (is_option_argument(table, argument)) {
      if (!decode_option(table, argument)) return false;
    } else {
      if (!add_positional(table, taken, argument)) return false;
      if (taken < table.positionals.size()) ++taken;
    }
  }
  for (const ValueDescription& positional : table.positionals) {
    if (!positional.optional && positional.values.empty()) {
      return fail(DecoderMessage::ArgumentMissing, positional.names.column[display_column]);
    }
  }
  apply_defaults(table);
  if (!check_combinations(table)) return false;
  table.decoded = true;
  *effective = build_effective_line(argc > 0 ? argv[0] : nullptr);
  return true;
}

std::string limit_effective_line(std::string line) {
  constexpr std::size_t limit = 1900;
  if (line.size() > limit) {
    line.resize(limit);
    line += " (...)";
  }
  return line;
}

int option_state(std::string_view name) {
  const CommandTable& table = command_table();
  for (std::size_t o = 0; o < table.options.size(); ++o) {
    const Option& option = table.options[o];
    if (option.names.column[display_column] == name) {
      int position = static_cast<int>(o) + 1;
      return option.state == 0 ? 0 : (option.state > 0 ? position : -position);
    }
  }
  std::string line = decoder_line(DecoderMessage::BadOptionName, name) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  return 0;
}

const std::string* option_value(int n, int k) {
  CommandTable& table = command_table();
  int position = n < 0 ? -n : n;
  if (position < 1 || position > static_cast<int>(table.options.size()) || k < 1) return nullptr;
  const Option& option = table.options[static_cast<std::size_t>(position - 1)];
  if (option.value < 0) return nullptr;
  const std::vector<std::string>& values = table.values[static_cast<std::size_t>(option.value)].values;
  return k <= static_cast<int>(values.size()) ? &values[static_cast<std::size_t>(k - 1)] : nullptr;
}

const std::string* positional_value(int p, int k) {
  CommandTable& table = command_table();
  if (p < 1 || p > static_cast<int>(table.positionals.size()) || k < 1) return nullptr;
  const std::vector<std::string>& values = table.positionals[static_cast<std::size_t>(p - 1)].values;
  return k <= static_cast<int>(values.size()) ? &values[static_cast<std::size_t>(k - 1)] : nullptr;
}

std::string script_file() { return positional_text(ScriptArg); }

std::vector<std::string> interface_files() {
  std::vector<std::string> files = decoded_table().positionals[InterfaceArg].values;
  if (command_table().options[OptNOPATH].state == 1) {
    for (std::string& file : files) file = base::file_name_of(file);
  }
  return files;
}

std::string root_name() { return positional_text(RootArg); }

const std::vector<std::string>& include_dirs() { return option_values(OptINCL); }

const std::string* filter_letters() { return given_value(OptSET); }

const std::vector<std::string>& defines() { return option_values(OptDEFINE); }
const std::string* std_define_file() { return given_value(OptSTD_DEFINE); }
const std::string* studio_log_file() { return given_value(OptSTUDIO_LOG); }
const std::vector<std::string>& families() { return option_values(OptFAMILY); }
const std::vector<std::string>& excluded_families() { return option_values(OptEXFAMILY); }
const std::vector<std::string>& scenarios() { return option_values(OptSCN); }
const std::vector<std::string>& excluded_scenarios() { return option_values(OptEXSCN); }
const std::string* instance_name() { return given_value(OptINSTANCE); }

int restriction() {
  int keyword = given_keyword(OptRESTRICTION);
  return keyword == 0 ? 2 : keyword - 1;
}

int fast() { return decoded_table().options[OptFAST].state == -1 ? 0 : 1; }
int probe_mode() { return given_keyword(OptPROBE); }
int log_enabled() { return decoded_table().options[OptLOG].state == -1 ? 0 : 1; }
int allocation_mode() { return given_keyword(OptALLOCATION); }

std::string thread_routine() {
  const Option& option = decoded_table().options[OptTHREAD];
  if (option.state == 0) return "<main>";
  const std::string* value = given_value(OptTHREAD);
  return value == nullptr ? "<start>" : *value;
}

int not_shared() { return decoded_table().options[OptNOTSHARED].state == 1 ? 1 : 0; }
int comments_enabled() { return decoded_table().options[OptNOCOMMENT].state == 1 ? 0 : 1; }
int spv_gen() { return decoded_table().options[OptSPVGEN].state == 1 ? 1 : 0; }

int trace_mode() {
  static const int modes[] = {0, 50, 10, 20, 5};  // CIRCULAR, SCN, TIME, ERROR
  return modes[given_keyword(OptTRACE)];
}

int buffer_size() {
  const std::string* text = given_value(OptBUFSIZE);
  if (text == nullptr) return 10;
  long long number = 0;
  for (char c : *text) {
    if (c < '0' || c > '9') diag::report_fatal(diag::Code::BADBSZVAL);
    number = number * 10 + (c - '0');
    // A size that does not fit an int is as unusable as one with letters.
    if (number > INT_MAX) diag::report_fatal(diag::Code::BADBSZVAL);
  }
  return number == 0 ? 10 : static_cast<int>(number);
}

void release_command_line() { command_table() = make_command_table(); }

}  // namespace driver
