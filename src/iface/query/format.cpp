#include "iface/query/format.h"

#include <cctype>

#include "base/intern.h"
#include "diag/report.h"
#include "iface/query/analysis_context.h"
#include "iface/query/anc_session.h"
#include "iface/cparse/c_declarations.h"
#include "iface/cparse/c_type_from_text.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/type_members.h"

namespace iface {

const std::array<FormatRow, 12>& format_table() {
  static const std::array<FormatRow, 12> table = {{
      {"boolean", "int", "booleen", 1, 0},
      {"char", "char", "caractere", 2, 0},
      {"double", "double", "double", 3, 0},
      {"enum", "int", "entier", 0, -32},
      {"float", "float", "float", 3, 0},
      {"int", "long", "entier", 0, -32},
      {"integer", "long", "entier", 0, -32},
      {"pointer", "void*", "pointeur", 6, 32},
      {"string", "char*", "chaine", 4, 0},
      {"string_ptr", "char*", "ptr_chaine", 9, 0},
      {"unsigned", "unsigned", "unsigned", 0, 32},
      {"longdouble", "long double", "longdouble", 3, 0},
  }};
  return table;
}

const FormatRow* find_format(std::string_view name) {
  for (const FormatRow& row : format_table())
    if (name == row.name) return &row;
  return nullptr;
}

namespace {

struct BaseLetter {
  char letter;
  int base;
  int default_size;
  bool integer;
};

constexpr BaseLetter kBaseLetters[] = {
    {'H', kBaseHexadecimal, 0, true}, {'D', kBaseDecimal, 0, true}, {'B', kBaseBinary, 0, true},
    {'U', kBaseUnsigned, 0, true},    {'F', kBaseFixed, 6, false},  {'E', kBaseExponent, 48, false},
};

DisplayBaseText failed(diag::Code code, std::string_view argument) {
  DisplayBaseText result;
  result.error = code;
  result.argument = std::string(argument);
  return result;
}

}  // namespace

DisplayBaseText parse_display_base(std::string_view text) {
  DisplayBaseText result;
  if (text.empty()) return result;
  if (text.substr(0, 2) == "16" || text.front() == '2') {
    std::size_t length = text.front() == '2' ? 1 : 2;
    if (text.size() != length) return failed(diag::Code::BASEINCON, text);
    result.base = length == 1 ? kBaseBinary : kBaseHexadecimal;
    return result;
  }
  const BaseLetter* letter = nullptr;
  for (const BaseLetter& candidate : kBaseLetters)
    if (std::toupper(static_cast<unsigned char>(text.front())) == candidate.letter) letter = &candidate;
  if (letter == nullptr) return failed(diag::Code::BASEINCON, text);
  std::string_view rest = text.substr(1);
  std::size_t digits = 0;
  while (digits < rest.size() && std::isdigit(static_cast<unsigned char>(rest[digits]))) ++digits;
  if (digits < rest.size()) return failed(diag::Code::TAILLEERR, text);
  int size = letter->default_size;
  if (digits > 0) {
    if (digits > 6) return failed(diag::Code::TAILLEERR, text);
    size = std::stoi(std::string(rest.substr(0, digits)));
  }
  if (letter->integer && size % 8 != 0) return failed(diag::Code::TAILLEDIV, rest.substr(0, digits));
  result.base = letter->base;
  result.size_given = size != 0;
  result.size = letter->letter == 'U' ? size : -size;
  return result;
}

std::string compact_format_name(std::string_view text) {
  std::string result;
  bool pending_blank = false;
  for (char c : text) {
    if (c == '#' || c == '(') break;
    if (c == '$') continue;
    if (c == ' ' || c == '\t') {
      pending_blank = !result.empty();
      continue;
    }
    if (pending_blank) result += ' ';
    pending_blank = false;
    result += c;
  }
  return result;
}

namespace {

struct FormatRequest {
  std::string_view variable;
  std::string_view file;
  int line;
};

void report(const FormatRequest& r, diag::MessageKind kind, diag::Code code, std::string_view argument) {
  diag::report_at(kind, code, argument, r.file, r.line);
}

// Trailing "[]" pairs (blanks allowed inside) removed; -1 for a "]" without its "[".
int strip_brackets(std::string& text) {
  int pairs = 0;
  for (;;) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    if (text.empty() || text.back() != ']') return pairs;
    text.pop_back();
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    if (text.empty() || text.back() != '[') return -1;
    text.pop_back();
    ++pairs;
  }
}

TypeDescriptor* mutable_type(const TypeDescriptor* type) { return const_cast<TypeDescriptor*>(type); }

// The record type that a path component steps into: struct/class or union through typedefs and
// qualifiers, through one pointer level with "->".
const TypeDescriptor* record_of(const TypeDescriptor* type, bool arrow) {
  const TypeDescriptor* t = strip_typedefs_and_qualifiers(type);
  if (arrow) {
    const PointerData* pointer = pointer_data(t);
    if (pointer == nullptr) return nullptr;
    t = strip_typedefs_and_qualifiers(pointer->pointee);
  }
  return compound_data(t) != nullptr ? t : nullptr;
}

// The next component of a path: its name and whether "->" precedes it.
struct PathStep {
  std::string name;
  bool arrow = false;
};

std::vector<PathStep> split_path(std::string_view path, std::string* head) {
  std::vector<PathStep> steps;
  std::size_t i = 0;
  auto next_separator = [&](std::size_t from) {
    std::size_t dot = path.find('.', from);
    std::size_t arrow = path.find("->", from);
    return std::min(dot, arrow);
  };
  std::size_t cut = next_separator(0);
  *head = std::string(path.substr(0, cut));
  i = cut;
  while (i < path.size()) {
    bool arrow = path[i] == '-';
    std::size_t start = i + (arrow ? 2 : 1);
    std::size_t end = next_separator(start);
    steps.push_back({std::string(path.substr(start, end - start)), arrow});
    i = end;
  }
  return steps;
}

std::string trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

// The slot that the variable designates, or null (reported).
TypeDescriptor** find_slot(const FormatRequest& r, std::string_view scope, const std::string& variable) {
  std::string head;
  std::vector<PathStep> steps = split_path(variable, &head);
  head = trimmed(head);
  SymbolEntry* entry = head.empty() ? nullptr
                                    : lookup_value_name(the_dictionary(), base::intern(head),
                                                        scope_context(anc_scope(scope)));
  if (entry == nullptr) {
    report(r, diag::MessageKind::Warning, diag::Code::IDENTINCO, steps.empty() ? variable : head);
    return nullptr;
  }
  TypeDescriptor** slot = &entry->declaration.type;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const TypeDescriptor* record = record_of(*slot, steps[i].arrow);
    if (record == nullptr) {
      report(r, diag::MessageKind::Error, diag::Code::NOMVARINC, r.variable);
      return nullptr;
    }
    const Member* member = find_member(record, base::intern(trimmed(steps[i].name)));
    if (member == nullptr) {
      std::string rest;
      for (std::size_t j = i; j < steps.size(); ++j) rest += (j > i ? (steps[j].arrow ? "->" : ".") : "") + steps[j].name;
      report(r, diag::MessageKind::Error, diag::Code::CHAMPINCO, trimmed(rest));
      return nullptr;
    }
    slot = &const_cast<Member*>(member)->type;
  }
  return slot;
}

// With stripped brackets: the element slot of an array (all dimensions) or the pointee slot of a
// pointer; a function's slot is its result's.
TypeDescriptor** descend(const FormatRequest& r, TypeDescriptor** slot, bool elements) {
  if (elements) {
    TypeDescriptor* t = mutable_type(strip_typedefs(*slot));
    if (t != nullptr && t->kind == TypeKind::Array) {
      while (t != nullptr && t->kind == TypeKind::Array) {
        slot = &std::get<ArrayData>(*t->data).element;
        t = mutable_type(strip_typedefs(*slot));
      }
    } else if (t != nullptr && t->kind == TypeKind::Pointer) {
      slot = &std::get<PointerData>(*t->data).pointee;
    } else {
      report(r, diag::MessageKind::Error, diag::Code::NOMVARINC, r.variable);
      return nullptr;
    }
  }
  TypeDescriptor* t = mutable_type(strip_typedefs(*slot));
  if (t != nullptr && t->kind == TypeKind::Function) slot = &std::get<FunctionData>(*t->data).result;
  return slot;
}

// Whether the format proper is to be read as a C type: every format name of the table that is no
// C type ("boolean", "pointer"...) is taken from the table, so that reading it reports nothing.
// Other texts are read as a C type when their first word starts one (a type keyword or a type
// name of the dictionary); anything else is no type and reading it would only add a syntax error.
bool read_as_c_type(const std::string& compacted, std::string_view scope) {
  const FormatRow* row = find_format(compacted);
  if (row != nullptr)
    return compacted == "char" || compacted == "double" || compacted == "float" || compacted == "int" ||
           compacted == "unsigned";
  std::size_t end = 0;
  while (end < compacted.size() && (std::isalnum(static_cast<unsigned char>(compacted[end])) || compacted[end] == '_' ||
                                    compacted[end] == ':'))
    ++end;
  std::string word = compacted.substr(0, end);
  static const char* const keywords[] = {"char", "short", "int", "long", "float", "double", "signed", "unsigned",
                                         "void", "bool", "wchar_t", "struct", "union", "enum", "class", "const",
                                         "volatile"};
  for (const char* keyword : keywords)
    if (word == keyword) return true;
  if (word.empty() || word.find("::") != std::string::npos) return !word.empty();
  return lookup_type_name(the_dictionary(), base::intern(word), scope_context(anc_scope(scope))) != nullptr;
}

}  // namespace

void anc_set_format(int level, std::string_view scope, std::string_view variable_expr, std::string_view format_text,
                    std::string_view file, int line, bool report_redefinition) {
  FormatRequest r{variable_expr, file, line};
  std::size_t hash = format_text.find('#');
  DisplayBaseText display;
  if (hash != std::string_view::npos) {
    display = parse_display_base(format_text.substr(hash + 1));
    if (display.error) report(r, diag::MessageKind::Error, *display.error, display.argument);
  }
  std::string proper = trimmed(format_text.substr(0, hash));
  if (proper.empty()) proper = "int";

  std::string variable;
  anc_preprocess(variable_expr, file, line, variable);
  anc_normalise(variable);
  int pairs = strip_brackets(variable);
  if (pairs < 0) {
    report(r, diag::MessageKind::Error, diag::Code::NOMVARINC, variable_expr);
    return;
  }
  TypeDescriptor** slot = find_slot(r, scope, variable);
  if (slot != nullptr) slot = descend(r, slot, pairs > 0);
  if (slot == nullptr) return;

  Dictionary& dictionary = the_dictionary();
  TypeDescriptor* chosen = nullptr;
  const FormatRow* row = nullptr;
  std::string compacted = compact_format_name(proper);
  if (read_as_c_type(compacted, scope)) {
    std::string expanded;
    anc_preprocess(proper, file, line, expanded);
    anc_normalise(expanded);
    int before = diag::warning_count() + diag::error_count();
    TypeDescriptor* c_type = type_from_text(the_analyser(), expanded, anc_scope(scope), file, line);
    if (c_type != nullptr && diag::warning_count() + diag::error_count() == before)
      chosen = copy_descriptor(dictionary.types, c_type);
    else if (c_type == nullptr && find_format(compacted) == nullptr) {
      report(r, diag::MessageKind::Error, diag::Code::TYPEINCON, compacted);
      return;
    }
  }
  if (chosen == nullptr) {
    row = find_format(compacted);
    if (row == nullptr || *slot == nullptr) {
      report(r, diag::MessageKind::Error, diag::Code::TYPEINCON, compacted);
      return;
    }
    chosen = copy_descriptor(dictionary.types, *slot);
  }
  chosen->display_base = display.base;
  chosen->format_kind = row != nullptr ? row->format_kind : -1;
  chosen->size = display.size_given ? display.size : (row != nullptr ? row->default_size : 0);
  if (row != nullptr && row->format_kind == kFormatKindPointer && chosen->display_base == kBaseDefault)
    chosen->display_base = kBaseHexadecimal;

  FormatState& state = the_format_state();
  for (FormatOverride& existing : state.overrides) {
    if (existing.level == level && existing.slot == slot) {
      if (report_redefinition) report(r, diag::MessageKind::Warning, diag::Code::FORMREDEF, variable_expr);
      existing.new_type = chosen;
      *slot = chosen;
      return;
    }
  }
  state.overrides.push_back({level, slot, chosen, *slot});
  *slot = chosen;
}

void anc_drop_formats(int level) {
  std::vector<FormatOverride>& overrides = the_format_state().overrides;
  for (std::size_t i = overrides.size(); i-- > 0;) {
    FormatOverride dropped = overrides[i];
    if (dropped.level != level) continue;
    overrides.erase(overrides.begin() + static_cast<std::ptrdiff_t>(i));
    const FormatOverride* below = nullptr;
    for (const FormatOverride& other : overrides)
      if (other.slot == dropped.slot && other.level < level && (below == nullptr || other.level > below->level))
        below = &other;
    TypeDescriptor* declared = dropped.previous_type;
    for (const FormatOverride& other : overrides)
      if (other.slot == dropped.slot && (declared == other.new_type)) declared = other.previous_type;
    *dropped.slot = below != nullptr ? below->new_type : declared;
  }
}

}  // namespace iface
