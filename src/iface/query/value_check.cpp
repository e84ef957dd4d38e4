// Building the check list of a message value: the shape check of the value, then the walk of the
// variable's type and the value together.
#include "iface/query/value_check.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/intern.h"
#include "diag/report.h"
#include "iface/query/anc_expression_type.h"
#include "iface/query/anc_expressions.h"
#include "iface/query/anc_session.h"
#include "iface/query/anc_types.h"
#include "iface/cparse/c_declarations.h"
#include "iface/dict/type_members.h"

namespace iface {

namespace {

struct Builder {
  std::string_view file;
  int line = 0;
  TypeDescriptor* scope = nullptr;
  bool expand_all = false;
  CheckNode* head = nullptr;
  CheckNode* tail = nullptr;
  std::unordered_map<const ExprNode*, const TypeDescriptor*> value_types;
  // Index designators evaluated by the shape check, so that the walk does not report twice.
  std::unordered_map<const ExprNode*, std::pair<int, int>> index_ranges;
};

void report(const Builder& b, diag::MessageKind kind, diag::Code code, std::string_view argument) {
  diag::report_at(kind, code, argument, b.file, b.line);
}
void error(const Builder& b, diag::Code code, std::string_view argument) {
  report(b, diag::MessageKind::Error, code, argument);
}
void warning(const Builder& b, diag::Code code, std::string_view argument) {
  report(b, diag::MessageKind::Warning, code, argument);
}

int messages_so_far() { return diag::error_count() + diag::warning_count(); }

CheckNode* add(Builder& b, int kind, const char* name, bool whole) {
  auto* node = new CheckNode;
  node->kind = kind;
  node->name = name;
  node->whole = whole ? 1 : 0;
  if (b.tail != nullptr) b.tail->next = node;
  else b.head = node;
  b.tail = node;
  return node;
}

bool is_others(const ExprNode* node) {
  return node != nullptr && node->kind == ExprKind::Identifier && node->name != nullptr &&
         std::string_view(node->name) == "OTHERS";
}
bool is_field_designator(const ExprNode* node) {
  return node != nullptr && node->kind == ExprKind::Identifier && !is_others(node);
}
// Whether `item` is designated by the field name `field` (interned).
bool designates_field(const ExprNode* item, const char* field) {
  const ExprNode* named_by = designator(item);
  return named_by != nullptr && is_field_designator(named_by) && named_by->name == field;
}
bool is_single(const ExprNode* value) {
  return value->kind != ExprKind::BraceList && value->kind != ExprKind::Range &&
         value->kind != ExprKind::Designated && value->kind != ExprKind::Empty;
}

std::string text_of(const ExprNode* node) { return node != nullptr ? std::string(node->text) : std::string(); }

// An index designator as an ordered range.
std::pair<int, int> index_range(Builder& b, const ExprNode* designator) {
  auto known = b.index_ranges.find(designator);
  if (known != b.index_ranges.end()) return known->second;
  std::pair<int, int> range;
  if (designator->kind == ExprKind::Range) {
    int low = evaluate_constant(range_low(designator), b.file, b.line);
    int high = evaluate_constant(range_high(designator), b.file, b.line);
    range = {std::min(low, high), std::max(low, high)};
  } else {
    int index = evaluate_constant(designator, b.file, b.line);
    range = {index, index};
  }
  b.index_ranges.emplace(designator, range);
  return range;
}

// --- Shape check ---

bool check_shape(Builder& b, const ExprNode* value, std::string_view list_text);

bool check_list(Builder& b, const ExprNode* list) {
  std::string list_text = text_of(list);
  bool positional = false;
  bool designated = false;
  bool all_designated = true;
  for (const ExprNode* item = list->items; item != nullptr; item = item->next) {
    if (item->kind == ExprKind::Empty) continue;
    if (item->kind != ExprKind::Designated) {
      positional = true;
      all_designated = false;
      continue;
    }
    if (is_others(designator(item))) {
      if (item->next != nullptr) {
        error(b, diag::Code::ENDOTHERS, list_text);
        return false;
      }
    } else {
      designated = true;
    }
  }
  if (positional && designated) {
    error(b, diag::Code::VARPOSNAM, list_text);
    return false;
  }
  if (all_designated && designated) {
    // A list may hold a hundred thousand items: names are found in a set, and overlapping ranges
    // between neighbours once the ranges are sorted.
    std::unordered_set<const char*> fields;
    std::vector<std::pair<int, int>> ranges;
    for (const ExprNode* item = list->items; item != nullptr; item = item->next) {
      if (item->kind != ExprKind::Designated || is_others(designator(item))) continue;
      if (is_field_designator(designator(item))) {
        if (!fields.insert(designator(item)->name).second) {
          error(b, diag::Code::STRFLDALR, list_text);
          return false;
        }
      } else {
        ranges.push_back(index_range(b, designator(item)));
      }
    }
    std::sort(ranges.begin(), ranges.end());
    for (std::size_t i = 1; i < ranges.size(); ++i)
      if (ranges[i].first <= ranges[i - 1].second) {
        error(b, diag::Code::COMBNDSEC, list_text);
        return false;
      }
  }
  for (const ExprNode* item = list->items; item != nullptr; item = item->next)
    if (!check_shape(b, item, list_text)) return false;
  return true;
}

// `list_text`: the text of the list the value stands in (the value's own text at the top).
bool check_shape(Builder& b, const ExprNode* value, std::string_view list_text) {
  if (value->kind == ExprKind::Designated) {
    const ExprNode* designated = designated_value(value);
    if (designated == nullptr || designated->kind == ExprKind::Empty) {
      error(b, diag::Code::FORBEMPTY, list_text);
      return false;
    }
    return check_shape(b, designated, list_text);
  }
  if (value->kind == ExprKind::BraceList) return check_list(b, value);
  return true;
}

// --- Walk ---

const TypeDescriptor* value_type(Builder& b, const ExprNode* value) {
  auto found = b.value_types.find(value);
  if (found != b.value_types.end()) return found->second;
  const TypeDescriptor* type = type_expression(const_cast<ExprNode*>(value), b.scope);
  b.value_types.emplace(value, type);
  return type;
}

bool is_nonil(const ExprNode* value) { return value->text == "NONIL"; }
bool is_string_literal(const ExprNode* value) {
  return value->kind == ExprKind::Literal && value->literal == TokenKind::StringLiteral;
}

// The type check of one scalar value: "INCOMPTYP" (warning) for incompatible classes.
void check_value(Builder& b, int element_class, const ExprNode* value) {
  if (is_nonil(value)) {
    if (!classes_compatible(element_class, kClassNoNil)) warning(b, diag::Code::INCOMPTYP, text_of(value));
    return;
  }
  const TypeDescriptor* type = value_type(b, value);
  if (type == nullptr) return;  // the typing step reported why
  if (!classes_compatible(element_class, type_class_of(type))) warning(b, diag::Code::INCOMPTYP, text_of(value));
}

struct Position {
  int low = 0;
  int high = 0;
};

void walk(Builder& b, const char* name, const TypeDescriptor* type, const ExprNode* value, bool whole);

CheckNode* scalar_node(Builder& b, int kind, const char* name, const TypeDescriptor* type, const ExprNode* value,
                       bool whole, Position at) {
  CheckNode* node = add(b, kind, name, whole);
  node->type_class = is_nonil(value) ? kClassNoNil : type_class_of(type);
  node->display_base = display_base_of(type);
  node->index_low = at.low;
  node->index_high = at.high;
  node->value_text = text_of(value);
  return node;
}

void scalar(Builder& b, const char* name, const TypeDescriptor* type, const ExprNode* value, bool whole, Position at) {
  int element_class = type_class_of(type);
  if (value->kind == ExprKind::Designated) {
    const ExprNode* designated_by = designator(value);
    if (is_field_designator(designated_by)) {
      name = designated_by->name;
    } else if (!is_others(designated_by)) {
      auto [low, high] = index_range(b, designated_by);
      at = {low, high};
    } else {
      name = designated_by->name;
    }
    value = designated_value(value);
  }
  if (value->kind == ExprKind::BraceList) {
    error(b, diag::Code::INCOMPTYP, text_of(value));
    return;
  }
  if (value->kind == ExprKind::Range) {
    CheckNode* node = scalar_node(b, kCheckRange, name, type, value, whole, at);
    node->low_text = text_of(range_low(value));
    node->high_text = text_of(range_high(value));
    check_value(b, element_class, range_low(value));
    check_value(b, element_class, range_high(value));
    return;
  }
  if (whole) {
    // An element that is a character array stays a string compare, as everywhere else.
    scalar_node(b, element_class == kClassCharArray ? kCheckCompare : kCheckWhole, name, type, value, whole, at);
    return;
  }
  scalar_node(b, kCheckCompare, name, type, value, whole, at);
  check_value(b, element_class, value);
}

bool is_aggregate(const TypeDescriptor* type) {
  const TypeDescriptor* t = strip_to_object_type(type);
  if (t == nullptr) return false;
  if (t->kind == TypeKind::Struct || t->kind == TypeKind::Union) return true;
  return t->kind == TypeKind::Array && type_class_of(t) != kClassCharArray;
}

// The index high of an array: its bound text (or bound expression printed back) with "-1".
int array_high(Builder& b, const TypeDescriptor* array, const char* name, bool* known) {
  const ArrayData* data = array_data(array);
  std::string bound = data->bound_text;
  if (bound.empty()) {
    if (const ExprNode* expression = array_bound_expression(array)) bound = std::string(expression->text);
  }
  *known = !bound.empty();
  if (bound.empty()) {
    warning(b, diag::Code::CHAMPINCO, name != nullptr ? name : "");
    return -1;
  }
  std::unique_ptr<ExprTree> tree = parse_expression("(" + bound + ")-1", query_expression_context("", b.file, b.line));
  return tree != nullptr ? evaluate_constant(tree->root, b.file, b.line) : -1;
}

void element(Builder& b, const TypeDescriptor* element_type, const ExprNode* item, bool whole, Position at,
             const char* element_name) {
  CheckNode* begin = add(b, kCheckElementBegin, element_name, whole);
  begin->index_low = at.low;
  begin->index_high = at.high;
  begin->value_text = text_of(item);
  walk(b, nullptr, element_type, item, whole);
  add(b, kCheckElementEnd, element_name, whole);
}

void walk_array(Builder& b, const char* name, const TypeDescriptor* array, const ExprNode* value, bool whole) {
  const TypeDescriptor* element_type = array_data(array)->element;
  // A character array is a string: one compare node, also inside a whole-aggregate comparison
  // (the consumer compares it as a string, not character by character).
  if (type_class_of(array) == kClassCharArray && (whole || is_string_literal(value))) {
    CheckNode* node = add(b, kCheckCompare, name, whole);
    node->type_class = kClassCharArray;
    node->display_base = display_base_of(element_type);
    node->value_text = text_of(value);
    return;
  }
  CheckNode* begin = add(b, kCheckArrayBegin, name, whole);
  begin->value_text = text_of(value);
  bool known = false;
  begin->index_high = array_high(b, array, name, &known);
  Position all{0, begin->index_high};
  bool aggregate = is_aggregate(element_type);
  if (value->kind == ExprKind::BraceList) {
    int position = 0;
    for (const ExprNode* item = value->items; item != nullptr; item = item->next, ++position) {
      if (item->kind == ExprKind::Empty) continue;
      Position at{position, position};
      if (!aggregate) {
        scalar(b, nullptr, element_type, item, whole, at);
        continue;
      }
      const char* element_name = nullptr;
      const ExprNode* element_value = item;
      if (const ExprNode* named_by = designator(item)) {
        if (is_others(named_by)) {
          element_name = named_by->name;
          at = all;
        } else if (is_field_designator(named_by)) {
          warning(b, diag::Code::CHAMPINCO, text_of(named_by));
        } else {
          auto [low, high] = index_range(b, named_by);
          at = {low, high};
        }
        element_value = designated_value(item);
      }
      element(b, element_type, element_value, whole, at, element_name);
    }
  } else if (aggregate) {
    element(b, element_type, value, whole, all, nullptr);
  } else {
    scalar(b, nullptr, element_type, value, whole, all);
  }
  add(b, kCheckArrayEnd, name, whole);
}

// The data members of a struct/class or union: member functions and static members are left out.
std::vector<const Member*> data_members(const TypeDescriptor* compound) {
  std::vector<const Member*> members;
  for (const Member& member : compound_data(compound)->members) {
    if (member.flags & kMemberStatic) continue;
    const TypeDescriptor* t = strip_typedefs(member.type);
    if (t != nullptr && t->kind == TypeKind::Function) continue;
    members.push_back(&member);
  }
  return members;
}

int item_count(const ExprNode* list) {
  int count = 0;
  for (const ExprNode* item = list->items; item != nullptr; item = item->next) ++count;
  return count;
}

void walk_union(Builder& b, const char* name, const TypeDescriptor* type, const ExprNode* value, bool whole) {
  CheckNode* begin = add(b, kCheckUnionBegin, name, whole);
  begin->value_text = text_of(value);
  std::vector<const Member*> members = data_members(type);
  if (value->kind == ExprKind::BraceList) {
    if (item_count(value) >= 2) {
      error(b, diag::Code::ONEFLDUNN, text_of(value));
    } else if (value->items != nullptr && value->items->kind != ExprKind::Empty) {
      const ExprNode* item = value->items;
      std::size_t chosen = 0;
      const ExprNode* member_value = item;
      if (item->kind == ExprKind::Designated) {
        member_value = designated_value(item);
        chosen = members.size();
        for (std::size_t i = 0; i < members.size(); ++i)
          if (designates_field(item, members[i]->name)) chosen = i;
        if (chosen == members.size()) warning(b, diag::Code::CHAMPINCO, text_of(designator(item)));
      }
      if (chosen < members.size()) {
        begin->selected_member = static_cast<int>(chosen);
        walk(b, members[chosen]->name, members[chosen]->type, member_value, whole);
      }
    }
  } else if (!members.empty()) {
    std::size_t count = b.expand_all ? members.size() : 1;
    for (std::size_t i = 0; i < count; ++i) walk(b, members[i]->name, members[i]->type, value, whole);
  }
  add(b, kCheckUnionEnd, name, whole);
}

// The struct/class that a base-class entry names, through typedefs, qualifiers and template
// instances; null when it is none.
const TypeDescriptor* base_class_type(const BaseClass& base) {
  const TypeDescriptor* t = strip_to_object_type(base.type);
  if (const InstanceData* instance = instance_data(t); instance != nullptr && instance->instantiated != nullptr)
    t = strip_to_object_type(instance->instantiated);
  return t != nullptr && t->kind == TypeKind::Struct ? t : nullptr;
}

// Whether `field` (interned) names a data member of the struct/class or of one of its base
// classes, at any depth. The bases are visited from a work list, not by recursion.
bool names_member_or_inherited(const TypeDescriptor* type, const char* field) {
  std::vector<const TypeDescriptor*> pending{type};
  while (!pending.empty()) {
    const TypeDescriptor* t = pending.back();
    pending.pop_back();
    for (const Member* member : data_members(t))
      if (member->name == field) return true;
    for (const BaseClass& base : compound_data(t)->bases)
      if (const TypeDescriptor* base_type = base_class_type(base)) pending.push_back(base_type);
  }
  return false;
}

void walk_struct(Builder& b, const char* name, const TypeDescriptor* type, const ExprNode* value, bool whole,
                 bool base_part);

// The base-class parts of a struct/class, in declaration order, each walked with the same value
// as the class itself: a designated list gives each part the items that name its members (and
// OTHERS), a single value is compared with every part.
void walk_base_parts(Builder& b, const TypeDescriptor* type, const ExprNode* value, bool whole) {
  for (const BaseClass& base : compound_data(type)->bases) {
    const TypeDescriptor* base_type = base_class_type(base);
    if (base_type == nullptr) continue;
    walk_struct(b, compound_data(base_type)->name, base_type, value, whole, true);
  }
}

// `base_part`: the list is that of a derived class, whose own walk has checked the designators.
void walk_designated_struct(Builder& b, const TypeDescriptor* type, const std::vector<const Member*>& members,
                            const ExprNode* list, bool whole, bool base_part) {
  const ExprNode* others = nullptr;
  for (const ExprNode* item = list->items; item != nullptr; item = item->next) {
    if (item->kind != ExprKind::Designated) continue;
    if (is_others(designator(item))) {
      others = item;
      continue;
    }
    if (base_part) continue;
    bool known = false;
    for (const Member* member : members)
      if (designates_field(item, member->name)) known = true;
    if (!known && is_field_designator(designator(item)) && !compound_data(type)->bases.empty())
      known = names_member_or_inherited(type, designator(item)->name);
    if (!known) warning(b, diag::Code::CHAMPINCO, text_of(item));
  }
  walk_base_parts(b, type, list, whole);
  for (const Member* member : members) {
    const ExprNode* chosen = nullptr;
    for (const ExprNode* item = list->items; item != nullptr && chosen == nullptr; item = item->next)
      if (designates_field(item, member->name)) chosen = item;
    if (chosen == nullptr) chosen = others;
    if (chosen != nullptr) walk(b, member->name, member->type, designated_value(chosen), whole);
  }
}

void walk_positional_struct(Builder& b, const TypeDescriptor* type, const std::vector<const Member*>& members,
                            const ExprNode* list, bool whole) {
  if (!compound_data(type)->bases.empty() && list->items != nullptr && list->items->kind != ExprKind::Empty) {
    error(b, diag::Code::INHERITED, text_of(list));
    return;
  }
  int count = item_count(list);
  std::size_t next = 0;
  const ExprNode* item = list->items;
  for (int i = 0; i + 1 < count; ++i, item = item->next, ++next) {
    if (next >= members.size()) {
      error(b, diag::Code::NBVALINCO, text_of(list));
      return;
    }
    if (item->kind != ExprKind::Empty) walk(b, members[next]->name, members[next]->type, item, whole);
  }
  if (item == nullptr) return;
  if (item->kind == ExprKind::Designated && is_others(designator(item))) {
    for (; next < members.size(); ++next)
      walk(b, members[next]->name, members[next]->type, designated_value(item), whole);
    return;
  }
  if (next >= members.size()) {
    error(b, diag::Code::NBVALINCO, text_of(list));
    return;
  }
  if (item->kind != ExprKind::Empty) walk(b, members[next]->name, members[next]->type, item, whole);
}

// A struct/class, or (`base_part`) the part of a derived object that one of its base classes
// makes up: its begin and end nodes carry the base-class mark and the base class's name.
void walk_struct(Builder& b, const char* name, const TypeDescriptor* type, const ExprNode* value, bool whole,
                 bool base_part) {
  CheckNode* begin = add(b, kCheckStructBegin, name, whole);
  begin->value_text = text_of(value);
  begin->base_class = base_part ? 1 : 0;
  std::vector<const Member*> members = data_members(type);
  if (value->kind == ExprKind::BraceList) {
    if (value->items != nullptr && value->items->kind == ExprKind::Designated)
      walk_designated_struct(b, type, members, value, whole, base_part);
    else
      walk_positional_struct(b, type, members, value, whole);
  } else {
    walk_base_parts(b, type, value, whole);
    for (const Member* member : members) walk(b, member->name, member->type, value, whole);
  }
  add(b, kCheckStructEnd, name, whole)->base_class = base_part ? 1 : 0;
}

void walk(Builder& b, const char* name, const TypeDescriptor* type, const ExprNode* value, bool whole) {
  const TypeDescriptor* t = strip_to_object_type(type);
  if (const InstanceData* instance = instance_data(t); instance != nullptr && instance->instantiated != nullptr)
    t = strip_to_object_type(instance->instantiated);
  // A value of the identical struct, union or array type (a char array included) is compared as a
  // whole; a string literal is a value of its own, compared with a type check.
  bool compound =
      t != nullptr && (t->kind == TypeKind::Struct || t->kind == TypeKind::Union || t->kind == TypeKind::Array);
  if (!whole && is_single(value) && compound && !is_nonil(value) && !is_string_literal(value)) {
    const TypeDescriptor* given = value_type(b, value);
    if (given != nullptr && types_identical(given, t)) whole = true;
  }
  if (t != nullptr && t->kind == TypeKind::Array) {
    walk_array(b, name, t, value, whole);
  } else if (t != nullptr && t->kind == TypeKind::Union) {
    walk_union(b, name, t, value, whole);
  } else if (t != nullptr && t->kind == TypeKind::Struct) {
    walk_struct(b, name, t, value, whole, false);
  } else {
    scalar(b, name, type, value, whole, Position{});
  }
}

}  // namespace

void anc_free_value_checks(CheckNode* list) {
  while (list != nullptr) {
    CheckNode* next = list->next;
    delete list;
    list = next;
  }
}

int anc_build_value_checks(std::string_view name, std::string_view assignment_text, std::string_view scope,
                           std::string_view file, int line, CheckNode*& list) {
  list = nullptr;
  Builder b;
  b.file = file;
  b.line = line;
  b.scope = anc_scope(scope);
  std::size_t equals = assignment_text.find('=');
  std::string_view value_text = equals == std::string_view::npos ? std::string_view("") : assignment_text.substr(equals + 1);
  b.expand_all = value_text == "qlx_msgrcv";

  int before = messages_so_far();
  std::unique_ptr<ExprTree> value = anc_parse_text(value_text, scope, file, line, true);
  bool value_failed = messages_so_far() != before;
  std::unique_ptr<ExprTree> variable = anc_parse_text(name, scope, file, line, false);
  const TypeDescriptor* type = nullptr;
  const char* label = nullptr;
  if (variable != nullptr && variable->root != nullptr) {
    bool plain = variable->root->kind == ExprKind::Identifier;
    // Built by appending: g++ 12 at -O3 warns (-Wrestrict) on "(" + std::string + ")".
    std::string text;
    if (!plain) text.push_back('(');
    text.append(name);
    if (!plain) text.push_back(')');
    label = base::intern(text);
    type = type_expression(variable->root, b.scope);
  }
  if (value_failed || value == nullptr || value->root == nullptr || type == nullptr) {
    error(b, diag::Code::VARNOGOOD, name);
    return 0;
  }
  add(b, kCheckHead, nullptr, false);
  // A message of the constant evaluation (a designator dividing by zero) also rejects the shape.
  before = messages_so_far();
  if (!check_shape(b, value->root, value->root->text) || messages_so_far() != before) {
    anc_free_value_checks(b.head);
    return 1;
  }
  before = messages_so_far();
  walk(b, label, type, value->root, false);
  if (messages_so_far() != before) {
    anc_free_value_checks(b.head);
    error(b, diag::Code::VARNOGOOD, name);
    return 0;
  }
  list = b.head;
  return 1;
}

}  // namespace iface
