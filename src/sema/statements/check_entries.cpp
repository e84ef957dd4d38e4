// The tree of check entries: planned from the flat check list with an explicit stack (values nest
// as deep as a tester writes them), then recorded with another explicit stack.
#include "sema/statements/check_entries.h"

#include <algorithm>
#include <string>
#include <utility>

#include "iface/query/value_check.h"
#include "sema/node_report.h"

namespace sema {

using iface::CheckNode;
using script::SyntaxNode;

std::unique_ptr<CheckList> build_check_list(const AnalysisContext& context, std::string_view variable,
                                            std::string_view assignment, const SyntaxNode* at) {
  auto checks = std::make_unique<CheckList>();
  iface::anc_build_value_checks(variable, assignment, context.state.scope_name, file_of(at), at->line,
                                checks->head());
  if (checks->first() == nullptr) return nullptr;  // rejected, reported
  return checks;
}

namespace {

enum class Level { Top, Array, Struct, Union, Element };

struct Interval {
  long long low;
  long long high;
};

// One open level of the plan: where its entries go, and for an array its last index and the
// indexes its explicit elements cover.
struct Frame {
  int list = 0;
  Level level = Level::Top;
  long long high = -1;
  std::vector<Interval> covered;
  std::string_view text;  // an array's value as written, for "OTHERSEMP"
};

bool is_others(const CheckNode* node) { return node->name != nullptr && std::string_view(node->name) == "OTHERS"; }

// The index intervals of [0, high] that no range of `covered` holds, in order: O(n log n).
std::vector<Interval> uncovered(std::vector<Interval> covered, long long high) {
  std::sort(covered.begin(), covered.end(), [](const Interval& a, const Interval& b) { return a.low < b.low; });
  std::vector<Interval> gaps;
  long long next = 0;
  for (const Interval& range : covered) {
    if (range.low > next) gaps.push_back({next, range.low - 1});
    next = std::max(next, range.high + 1);
  }
  if (next <= high) gaps.push_back({next, high});
  return gaps;
}

class Planner {
 public:
  explicit Planner(const SyntaxNode* at) : at_(at) {
    plan_.lists.emplace_back();
    frames_.push_back(Frame{});
  }

  bool add(const CheckNode* node) {
    switch (node->kind) {
      case iface::kCheckHead: return true;
      case iface::kCheckArrayBegin: open(node, EntryKind::ArrayBegin, Level::Array); return true;
      case iface::kCheckStructBegin:
        open(node, node->base_class != 0 ? EntryKind::BaseClassPart : EntryKind::StructBegin, Level::Struct);
        return true;
      case iface::kCheckUnionBegin: open(node, EntryKind::UnionBegin, Level::Union); return true;
      case iface::kCheckElementBegin: return element(node);
      case iface::kCheckArrayEnd:
      case iface::kCheckElementEnd:
      case iface::kCheckStructEnd:
      case iface::kCheckUnionEnd: close(); return true;
      default: return scalar(node);
    }
  }

  CheckPlan take() { return std::move(plan_); }

 private:
  Frame& top() { return frames_.back(); }

  int new_entry(const CheckNode* node, EntryKind kind, Interval at, int children) {
    plan_.entries.push_back(PlannedEntry{node, kind, at.low, at.high, children});
    int index = static_cast<int>(plan_.entries.size()) - 1;
    plan_.lists[static_cast<std::size_t>(top().list)].push_back(index);
    return index;
  }

  int new_list() {
    plan_.lists.emplace_back();
    return static_cast<int>(plan_.lists.size()) - 1;
  }

  void open(const CheckNode* node, EntryKind kind, Level level) {
    int children = new_list();
    new_entry(node, kind, Interval{node->index_low, node->index_high}, children);
    Frame frame;
    frame.list = children;
    frame.level = level;
    frame.high = node->index_high;
    frame.text = node->value_text;
    frames_.push_back(std::move(frame));
  }

  void close() {
    if (frames_.size() == 1) return;  // an end without its begin: nothing is open
    Frame& frame = top();
    if (frame.level == Level::Array) order_by_index(plan_.lists[static_cast<std::size_t>(frame.list)]);
    frames_.pop_back();
  }

  // The elements of an array in index order (the explicit ones come as written, the OTHERS
  // intervals last).
  void order_by_index(std::vector<int>& list) {
    auto by_low = [this](int a, int b) {
      return plan_.entries[static_cast<std::size_t>(a)].low < plan_.entries[static_cast<std::size_t>(b)].low;
    };
    if (!std::is_sorted(list.begin(), list.end(), by_low)) std::stable_sort(list.begin(), list.end(), by_low);
  }

  // An explicit element of the current array: inside its bounds ("BNDOUTARR" otherwise).
  bool explicit_element(Interval range) {
    Frame& array = top();
    if (range.low < 0 || range.high > array.high) {
      report_at_node(diag::MessageKind::Error, diag::Code::BNDOUTARR,
                     "(" + std::to_string(range.low) + ".." + std::to_string(range.high) + ")", at_);
      return false;
    }
    array.covered.push_back(range);
    return true;
  }

  // The index intervals OTHERS stands for in the current array ("OTHERSEMP" when none).
  std::vector<Interval> others_intervals() {
    std::vector<Interval> gaps = uncovered(top().covered, top().high);
    if (gaps.empty()) {
      report_at_node(diag::MessageKind::Warning, diag::Code::OTHERSEMP, top().text, at_);
    }
    return gaps;
  }

  // An aggregate element (3): one entry 39 with its subtree, or one per OTHERS interval sharing it.
  bool element(const CheckNode* node) {
    if (top().level != Level::Array) {
      open(node, EntryKind::ArrayElement, Level::Element);
      return true;
    }
    int children = new_list();
    if (is_others(node)) {
      for (const Interval& gap : others_intervals()) new_entry(node, EntryKind::ArrayElement, gap, children);
    } else {
      Interval range{node->index_low, node->index_high};
      if (!explicit_element(range)) return false;
      new_entry(node, EntryKind::ArrayElement, range, children);
    }
    Frame frame;
    frame.list = children;
    frame.level = Level::Element;
    frames_.push_back(std::move(frame));
    return true;
  }

  // A compared scalar (7, 9, 12).
  bool scalar(const CheckNode* node) {
    Interval range{node->index_low, node->index_high};
    switch (top().level) {
      case Level::Array:
        if (is_others(node)) {
          for (const Interval& gap : others_intervals()) new_entry(node, EntryKind::ArrayElement, gap, -1);
          return true;
        }
        if (!explicit_element(range)) return false;
        new_entry(node, EntryKind::ArrayElement, range, -1);
        return true;
      case Level::Union: new_entry(node, EntryKind::UnionMember, range, -1); return true;
      default: new_entry(node, EntryKind::StructField, range, -1); return true;
    }
  }

  const SyntaxNode* at_;
  CheckPlan plan_;
  std::vector<Frame> frames_;
};

void fill_record(CheckRecord& record, const PlannedEntry& planned) {
  const CheckNode* node = planned.node;
  record.node_kind = node->kind;
  record.text = node->name != nullptr ? node->name : "";
  record.type_class = node->type_class;
  record.low = planned.low;
  record.high = planned.high;
  record.display_base = node->display_base;
  record.value_text = node->value_text;
  record.low_text = node->low_text;
  record.high_text = node->high_text;
  record.whole = node->whole != 0;
  record.selected_member = node->selected_member;
}

}  // namespace

std::optional<CheckPlan> plan_check_entries(const CheckNode* list, const SyntaxNode* at) {
  Planner planner(at);
  for (const CheckNode* node = list; node != nullptr; node = node->next)
    if (!planner.add(node)) return std::nullopt;
  return planner.take();
}

void record_check_entries(AnalysisContext& context, const CheckPlan& plan, Scope* scope, DescriptorKind kind,
                          const SyntaxNode* at, const ExecutionFilter& filter) {
  struct Pending {
    int list;
    std::size_t next;
    Scope* scope;
  };
  std::vector<Pending> pending{{0, 0, scope}};
  Position position = position_of(at);
  while (!pending.empty()) {
    Pending& top = pending.back();
    const std::vector<int>& list = plan.lists[static_cast<std::size_t>(top.list)];
    if (top.next == list.size()) {
      pending.pop_back();
      continue;
    }
    const PlannedEntry& planned = plan.entries[static_cast<std::size_t>(list[top.next++])];
    Scope* into = top.scope;  // before pushing: `top` may move
    const char* name = planned.node->name != nullptr ? planned.node->name : "";
    Entry* entry = new_entry(context.model, into, planned.kind, name, position, filter.text, filter.present);
    Descriptor* descriptor = new_descriptor(context.model, entry, kind);
    fill_record(record_of<CheckRecord>(descriptor), planned);
    if (planned.children >= 0) pending.push_back({planned.children, 0, open_scope(context.model, descriptor, into)});
  }
}

Entry* record_value_entry(AnalysisContext& context, Scope* scope, const CheckPlan& plan, DescriptorKind kind,
                          std::string_view variable, std::string_view value_text, const SyntaxNode* at,
                          const ExecutionFilter& filter) {
  Entry* entry = new_entry(context.model, scope, EntryKind::Var, "", position_of(at), filter.text, filter.present);
  entry->text = variable;
  Descriptor* descriptor = new_descriptor(context.model, entry, kind);
  CheckRecord& record = record_of<CheckRecord>(descriptor);
  record.text = variable;
  record.value_text = value_text;
  record_check_entries(context, plan, open_scope(context.model, descriptor, scope), kind, at, filter);
  return entry;
}

}  // namespace sema
