// The check writer: a tree of check entries written as runtime calls (compare, dump, print) or as
// assignments, and the VAR statement around it.
//
// The tree is walked with an explicit stack: values nest as deep as a tester writes them. Each
// level keeps the path of its value relative to the root ("[I0].at.x"), the number of array
// counters in use, and what closes it (a loop's brace, a union's switch, a "break;").
#include <string>
#include <vector>

#include "diag/report.h"
#include "gen/cpp/cpp_value_checks.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

// Node kinds of the check entries' records.
constexpr int kWholeScalar = 9;
constexpr int kRange = 12;

std::string str(long long value) { return std::to_string(value); }

const sema::CheckRecord& check_of(const Entry* entry) {
  const auto* record = entry->descriptor != nullptr ? std::get_if<sema::CheckRecord>(&entry->descriptor->record) : nullptr;
  if (record == nullptr) sema::wrong_record(entry->descriptor);
  return *record;
}

// The runtime family of a type class: "int_c", "string_c", ...
std::string class_suffix(int type_class) {
  switch (type_class) {
    case 0:
    case 2: return "int_c";
    case 1: return "char_c";
    case 3: return "long_c";
    case 4: return "float_c";
    case 5: return "double_c";
    case 6:
    case 7: return "string_c";
    case 8: return "nonil_c";
    case 9: return "pointer_c";
    case 11: return "bytetab_c";
    default: return "byte_c";
  }
}

// Numbers, characters and texts have range checks; pointers and raw bytes do not.
bool has_range_check(int type_class) { return type_class >= 0 && type_class <= 7; }

// The display base of an integer or character element as the runtime's print format; nothing for
// the default base and for other classes.
std::string format_argument(const sema::CheckRecord& check) {
  if (check.type_class < 0 || check.type_class > 3) return "";
  switch (check.display_base) {
    case 0: return ",QLX_P_BASE16";
    case 1:
    case 3: return ",QLX_P_BASE10";
    case 2: return ",QLX_P_BASE2";
    default: return "";
  }
}

bool is_aggregate(EntryKind kind) {
  return kind == EntryKind::StructBegin || kind == EntryKind::BaseClassPart || kind == EntryKind::UnionBegin ||
         kind == EntryKind::ArrayBegin;
}

// One step of what closes a level.
struct Step {
  enum Kind { Raw, Line, Open, Close } kind;
  std::string text;
};

// An open level of the tree: the entries still to write and the value they belong to.
struct Level {
  const Entry* next = nullptr;
  const Entry* owner = nullptr;  // the aggregate entry whose parts these are; none at the top
  std::string path;              // the owner's path from the root
  std::string whole;             // the owner's expected value when it is compared as a whole ("" if not)
  int counters = 0;              // I counters in use
  int position = 0;              // the next part's position (union members)
  bool case_labels = false;      // a union written as a switch on its select field
  int selected = 0;              // the member a one-member union is opened by
  std::vector<Step> closing;
};

class CheckWriter {
 public:
  CheckWriter(CppWriter& out, const CheckTarget& target) : w_(out), target_(target) {}

  void write(const sema::Scope* checks) {
    if (checks == nullptr || checks->first == nullptr) return;
    Level top;
    top.next = checks->first;
    levels_.push_back(std::move(top));
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == nullptr) {
        std::vector<Step> closing = std::move(level.closing);
        levels_.pop_back();
        play(closing);
        continue;
      }
      const Entry* entry = level.next;
      level.next = entry->next;
      int position = level.position++;
      visit(entry, position);
    }
  }

 private:
  void play(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      switch (step.kind) {
        case Step::Raw: w_.raw(step.text); break;
        case Step::Line: w_.line(step.text); break;
        case Step::Open: w_.open_brace(); break;
        case Step::Close: w_.close_brace(); break;
      }
    }
  }

  // The path of a part relative to its owner's.
  static std::string component(const Level& level, const Entry* entry) {
    if (level.owner == nullptr) return "";
    switch (level.owner->kind) {
      case EntryKind::ArrayBegin: return "[I" + std::to_string(level.counters) + "]";
      case EntryKind::ArrayElement: return "";
      default: return entry->kind == EntryKind::BaseClassPart ? "" : "." + entry->name;
    }
  }

  void visit(const Entry* entry, int position) {
    Level& level = levels_.back();
    const sema::CheckRecord& check = check_of(entry);
    std::string part = component(level, entry);
    std::string path = level.path + part;
    std::string whole = level.whole.empty() ? std::string() : level.whole + part;
    int counters = level.counters;
    std::vector<Step> after;
    if (level.case_labels) {
      w_.raw("case " + str(single_member(level) ? level.selected : position) + ":");
      after.push_back({Step::Raw, "break;"});
    }
    // A part compared with an aggregate as a whole takes its expected value from the same path
    // of that aggregate.
    if (whole.empty() && check.whole && is_aggregate(entry->kind) && !check.value_text.empty() &&
        check.value_text != entry->name) {
      whole = check.value_text;
    }

    Level inner;
    inner.owner = entry;
    inner.path = path;
    inner.whole = whole;
    inner.counters = counters;
    const sema::Scope* parts = child_scope(entry);
    bool has_parts = parts != nullptr && parts->first != nullptr;
    std::string number = str(entry->numbers.element);

    switch (entry->kind) {
      case EntryKind::ArrayBegin:
        if (target_.mode != CheckMode::Init) w_.line("$.$vartab (" + number + ");");
        break;
      case EntryKind::ArrayElement: {
        if (target_.mode != CheckMode::Init) {
          w_.line(check.low == check.high ? "$.$varplage ( " + number + ", -1, -1 );"
                                          : "$.$varplage (" + number + ", " + str(check.low) + ", " + str(check.high) + ");");
        }
        std::string counter = "I" + str(counters);
        if (check.low == check.high) {
          w_.raw(counter + " = " + str(check.low) + ";");
        } else {
          w_.raw("for(" + counter + " = " + str(check.low) + "; " + counter + " <= " + str(check.high) + "; ++" +
                 counter + ")");
          w_.open_brace();
          after.insert(after.begin(), Step{Step::Close, ""});
        }
        inner.counters = counters + 1;
        if (!has_parts) scalar(entry, check, path, whole, inner.counters);
        break;
      }
      case EntryKind::StructBegin:
      case EntryKind::BaseClassPart:
        if (target_.mode != CheckMode::Init) w_.line("$.$varstruct (" + number + ");");
        break;
      case EntryKind::UnionBegin:
        if (target_.mode != CheckMode::Init) w_.line("$.$varstruct (" + number + ");");
        open_union(entry, check, path, inner, after);
        break;
      default: scalar(entry, check, path, whole, counters); break;
    }
    if (has_parts && entry->kind != EntryKind::StructField && entry->kind != EntryKind::UnionMember) {
      inner.next = parts->first;
      inner.closing.insert(inner.closing.end(), after.begin(), after.end());
      levels_.push_back(std::move(inner));
    } else {
      play(after);
    }
  }

  static bool single_member(const Level& level) {
    const sema::Scope* parts = child_scope(level.owner);
    return parts != nullptr && parts->first != nullptr && parts->first == parts->last;
  }

  // A union of a message type with a select struct: its select field says which member the value
  // holds. A compared member is checked only when it is the selected one (otherwise the check
  // fails); an initialised member is recorded as selected; a dumped or printed union shows the
  // selected member.
  void open_union(const Entry* entry, const sema::CheckRecord& check, const std::string& path, Level& inner,
                  std::vector<Step>& after) {
    if (target_.select.empty()) return;
    std::string select = target_.select + path + ".select";
    inner.selected = check.selected_member;
    const sema::Scope* parts = child_scope(entry);
    bool one_member = parts != nullptr && parts->first != nullptr && parts->first == parts->last;
    if (target_.mode == CheckMode::Init) {
      if (one_member) w_.raw(select + " = " + str(check.selected_member) + ";");
      return;
    }
    if (target_.mode == CheckMode::Compare && one_member) {
      w_.raw("if (" + select + "==" + str(check.selected_member) + ")");
      w_.open_brace();
      std::vector<Step> steps{{Step::Close, ""}, {Step::Line, "else"}, {Step::Open, ""},
                              {Step::Line, "$.$setflagrt ();"}, {Step::Close, ""}};
      after.insert(after.begin(), steps.begin(), steps.end());
      return;
    }
    w_.raw("switch (" + select + ")");
    w_.open_brace();
    inner.case_labels = true;
    after.insert(after.begin(), Step{Step::Close, ""});
  }

  // The expected value of a scalar: the reference's same path, the aggregate's same path, or the
  // value written in the script.
  std::string expected(const sema::CheckRecord& check, const std::string& path, const std::string& whole) const {
    if (!target_.reference.empty()) return target_.reference + path;
    if (!whole.empty()) return whole;
    return check.value_text;
  }

  std::string bound(const std::string& root, const std::string& text, const std::string& path) const {
    return root.empty() ? text : root + path;
  }

  // ", I<innermost counter>, <number> );" (-1 outside arrays).
  static std::string tail(int counters, const Entry* entry) {
    std::string index = counters > 0 ? "I" + str(counters - 1) : std::string("-1");
    return ", " + index + ", " + str(entry->numbers.element) + " );";
  }

  void scalar(const Entry* entry, const sema::CheckRecord& check, const std::string& path, const std::string& whole,
              int counters) {
    std::string actual = target_.actual + path;
    bool range = check.node_kind == kRange;
    if (target_.mode == CheckMode::Init) {
      initialise(check, actual, path, whole);
      return;
    }
    std::string family = class_suffix(check.type_class);
    std::string format = format_argument(check);
    if (range && !has_range_check(check.type_class)) diag::report_internal(diag::Code::RANGENOTA, actual);
    std::string low = bound(target_.minimum, check.low_text, path);
    std::string high = bound(target_.maximum, check.high_text, path);
    switch (target_.mode) {
      case CheckMode::Compare:
        if (range) {
          w_.line("$.$cmp_" + family + "_range (" + actual + ", " + low + ", " + high + format + tail(counters, entry));
        } else {
          w_.line("$.$cmp_" + family + " (" + actual + ", " + expected(check, path, whole) + format +
                  tail(counters, entry));
        }
        break;
      case CheckMode::Dump: w_.line("$.$dmp_" + family + " (" + actual + format + tail(counters, entry)); break;
      case CheckMode::Print:
        if (range) {
          w_.line("$.$var_" + family + "_range (" + actual + ", " + low + ", " + high + format + tail(counters, entry));
        } else {
          w_.line("$.$var_" + family + " (" + actual + format + tail(counters, entry));
        }
        break;
      case CheckMode::Init: break;
    }
  }

  // INIT: the value (a range gives its low bound, and its bounds to the minimum and maximum when
  // the target keeps them); a character array is copied.
  void initialise(const sema::CheckRecord& check, const std::string& actual, const std::string& path,
                  const std::string& whole) {
    bool range = check.node_kind == kRange;
    std::string value = range ? check.low_text : check.node_kind == kWholeScalar && !whole.empty() ? whole : check.value_text;
    if (!target_.reference.empty() && !range) value = target_.reference + path;
    assign(check.type_class, actual, value);
    if (range && !target_.minimum.empty()) assign(check.type_class, target_.minimum + path, check.low_text);
    if (range && !target_.maximum.empty()) assign(check.type_class, target_.maximum + path, check.high_text);
  }

  void assign(int type_class, const std::string& target, const std::string& value) {
    if (type_class == 7) {
      w_.line("$strcpy(" + target + "," + value + ");");
    } else {
      w_.raw(target + " = " + value + ";");
    }
  }

  CppWriter& w_;
  const CheckTarget& target_;
  std::vector<Level> levels_;
};

}  // namespace

int check_counter_depth(const sema::Scope* scope) {
  int deepest = 0;
  std::vector<std::pair<const sema::Scope*, int>> pending;
  if (scope != nullptr) pending.emplace_back(scope, 0);
  while (!pending.empty()) {
    auto [current, depth] = pending.back();
    pending.pop_back();
    for (const Entry* e = current->first; e != nullptr; e = e->next) {
      int inner = depth + (e->kind == EntryKind::ArrayElement ? 1 : 0);
      if (inner > deepest) deepest = inner;
      if (e->descriptor == nullptr) continue;
      if (e->descriptor->child_scope != nullptr) pending.emplace_back(e->descriptor->child_scope, inner);
      if (const auto* condition = std::get_if<sema::ConditionRecord>(&e->descriptor->record)) {
        if (condition->else_scope != nullptr) pending.emplace_back(condition->else_scope, inner);
      }
    }
  }
  return deepest;
}

void CppWriter::write_checks(const sema::Scope* checks, const CheckTarget& target) {
  CheckWriter(*this, target).write(checks);
}

// A VAR statement: its checks (or assignments) in a guarded region, the runtime's verdict on them
// and the debug exit when one failed.
void CppWriter::write_var(const Entry* statement) {
  const auto& value = std::get<sema::CheckRecord>(statement->descriptor->record);
  CheckTarget target;
  target.mode = statement->descriptor->kind == sema::DescriptorKind::InitCheck ? CheckMode::Init : CheckMode::Compare;
  target.actual = statement->text.empty() ? value.text : statement->text;
  std::string number = std::to_string(statement->numbers.element);
  line("$.$var (" + number + ");");
  raw("QLX_TRY");
  write_checks(child_scope(statement), target);
  raw("QLX_END_TRY");
  raw("#ifdef QLX_HANDLE_EXCEPTION");
  raw("catch(...)");
  open_brace();
  line("$.$var_catch(" + number + ");");
  close_brace();
  raw("#endif // QLX_HANDLE_EXCEPTION");
  line("$.$varreset ();");
  line("$flagrt = $.$var (" + std::to_string(statement->numbers.element_end) + ");");
  line("if ($flagrt != 0)");
  open_brace();
  write_debug_exit("1");
  close_brace();
}

}  // namespace gen
