#include "sema/statements/statement_list.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "diag/report.h"
#include "iface/query/format.h"
#include "script/tree_view.h"
#include "sema/statements/filter_syntax.h"
#include "sema/scenarios/instances.h"
#include "sema/statements/native_lines.h"
#include "sema/node_report.h"

namespace sema {

using script::SyntaxNode;

// One list of a walk: the list and the next item to analyse.
struct ListFrame {
  NestedList list;
  script::NodeChain::iterator next;
  bool started = false;
};

// A walk of statement lists: the stack of the lists begun and not finished, the innermost on top.
struct ListWalk {
  std::vector<ListFrame> frames;
};

namespace {

bool ends_execution(const Entry* entry) {
  return entry != nullptr && (entry->kind == EntryKind::Error || entry->kind == EntryKind::Exit);
}

// After a statement: the first statement that records an entry right after an ERROR or EXIT is
// never executed; the warning stands at the ERROR or EXIT.
// Once per ERROR or EXIT, also when a group's first statement and the group itself both follow it.
void check_after_end(AnalysisContext& context, const Scope* scope, const Entry* last_before) {
  if (scope->last == last_before || !ends_execution(last_before)) return;
  if (context.state.end_reported == last_before) return;
  context.state.end_reported = last_before;
  report_at_entry(diag::MessageKind::Warning, diag::Code::NOEXEINST, "", last_before);
}

// One plain statement item: its filter, then the statement. Native lines join the open run.
void analyse_item(AnalysisContext& context, const SyntaxNode* item, Scope* scope) {
  const SyntaxNode* holder = script::item_holder(item);
  ExecutionFilter filter = take_filter(script::holder_filter(holder));
  const SyntaxNode* statement = script::holder_statement(holder);
  const Entry* last_before = scope->last;
  if (statement->kind == script::HashLine) {
    add_native_line(context, statement, scope, filter.present, filter.text);
  } else {
    end_native_run(context);
    analyse_statement(context, statement, scope, filter);
  }
  check_after_end(context, scope, last_before);
}

}  // namespace

bool check_filter_syntax(const SyntaxNode* filter) {
  std::string_view text = filter->text;
  // "%A" is checked from after its '%', "%%A" one character later.
  std::size_t skip = filter->kind == script::DoubleFilter ? 2 : 1;
  if (filter_syntax_ok(text.substr(std::min(skip, text.size())))) return true;
  report_at_node(diag::MessageKind::Error, diag::Code::BADFLTSTX, text, filter);
  return false;
}

ExecutionFilter take_filter(const SyntaxNode* filter) {
  ExecutionFilter result;
  if (filter == nullptr) return result;
  check_filter_syntax(filter);
  std::string_view text = filter->text;
  result.present = true;
  result.text = text.substr(text.empty() ? 0 : 1);
  return result;
}

namespace {

// The next item of the top list, or null when it is finished. A list whose turn comes is started
// first (its `start`, then its first item).
const SyntaxNode* next_of_top(AnalysisContext& context, ListWalk& walk) {
  ListFrame& top = walk.frames.back();
  if (!top.started) {
    top.started = true;
    if (top.list.start != nullptr) top.list.start(context, top.list);
    top.next = script::statement_items(top.list.first_item).begin();
  }
  const SyntaxNode* item = *top.next;
  if (item != nullptr) ++top.next;
  return item;
}

// Runs the walk until its stack is empty. A compound statement hands its nested lists on
// (walk_nested_list) instead of walking them: they are pushed above its own list and walked
// before the list's next item, so that nesting depth costs no call depth.
void run_walk(AnalysisContext& context, ListWalk& walk) {
  ListWalk* outer = std::exchange(context.state.list_walk, &walk);
  while (!walk.frames.empty()) {
    const SyntaxNode* item = next_of_top(context, walk);
    if (item == nullptr) {
      walk.frames.pop_back();
      end_native_run(context);
      continue;
    }
    std::size_t mark = walk.frames.size();
    Scope* scope = walk.frames.back().list.scope;
    if (const SyntaxNode* header = script::item_group_header(item)) {
      end_native_run(context);
      const Entry* last_before = scope->last;
      // The group is a walk of its own, finished when the call returns.
      bool go_on = analyse_instance_group(context, header, script::item_group_statements(item), scope, false);
      check_after_end(context, scope, last_before);
      if (!go_on) walk.frames[mark - 1].next = script::NodeChain::iterator();
      continue;
    }
    analyse_item(context, item, scope);
    // The lists handed on by the statement, in the order given: the first one on top.
    std::reverse(walk.frames.begin() + static_cast<std::ptrdiff_t>(mark), walk.frames.end());
  }
  context.state.list_walk = outer;
}

}  // namespace

void walk_nested_list(AnalysisContext& context, NestedList list) {
  ListWalk* walk = context.state.list_walk;
  if (walk != nullptr) {
    walk->frames.push_back(ListFrame{std::move(list), {}, false});
    return;
  }
  ListWalk own;
  own.frames.push_back(ListFrame{std::move(list), {}, false});
  run_walk(context, own);
}

void analyse_statement_list(AnalysisContext& context, const SyntaxNode* first_item, Scope* scope) {
  NestedList list;
  list.first_item = first_item;
  list.scope = scope;
  ListWalk walk;
  walk.frames.push_back(ListFrame{std::move(list), {}, false});
  run_walk(context, walk);
}

void analyse_body(AnalysisContext& context, const SyntaxNode* first_list, Scope* scope, std::string_view scope_name) {
  AnalysisState& state = context.state;
  end_native_run(context);
  std::string outer_name = std::move(state.scope_name);
  bool outer_instructions_seen = state.instructions_seen;
  state.scope_name.assign(scope_name);
  state.instructions_seen = false;
  // A FORMAT holds from its statement to the end of its body: each body has a format level.
  ++state.format_level;
  for (const SyntaxNode* list : script::body_lists(first_list)) {
    bool declarations = list->kind == script::DeclarationList;
    const SyntaxNode* restriction = script::body_restriction(list);
    if (restriction != nullptr && declarations && state.instructions_seen) {
      // Instance-restricted declarations must come before the first instructions of a body.
      report_at_node(diag::MessageKind::Error, diag::Code::BADIBSEQ, "", restriction);
      break;
    }
    if (restriction != nullptr) {
      const Entry* last_before = scope->last;
      analyse_instance_group(context, restriction, script::body_statements(list), scope, declarations);
      check_after_end(context, scope, last_before);
    } else {
      analyse_statement_list(context, script::body_statements(list), scope);
    }
    if (!declarations) state.instructions_seen = true;
  }
  end_native_run(context);
  iface::anc_drop_formats(state.format_level);
  --state.format_level;
  state.scope_name = std::move(outer_name);
  state.instructions_seen = outer_instructions_seen;
}

}  // namespace sema
