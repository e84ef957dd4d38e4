// The scenario functions: a leaf scenario runs its statements; a composite one runs its
// sub-scenarios in order, each inside the INITIALIZATION, TERMINATION and EXCEPTION blocks met
// before it, repeated as often as its number says. The functions of a tree are written children
// first, with an explicit stack, so a deep tree never deepens the writer's own calls.
#include <string>
#include <vector>

#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

bool is_block(const Entry* entry) {
  return entry->kind == EntryKind::Initialization || entry->kind == EntryKind::Termination ||
         entry->kind == EntryKind::Exception;
}

bool is_leaf(const Entry* scenario) {
  for (const Entry* e = child_scope(scenario) != nullptr ? child_scope(scenario)->first : nullptr; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::Scenario) return false;
  }
  return true;
}

const sema::BlockRecord& block_record(const Entry* block) { return std::get<sema::BlockRecord>(block->descriptor->record); }

int repeat_count(const Entry* scenario) {
  const auto& record = std::get<sema::ScenarioRecord>(scenario->descriptor->record);
  return record.has_number ? record.number : 0;
}

std::string str(long value) { return std::to_string(value); }

// The three remembered blocks of a composite scenario while its children are walked.
struct Blocks {
  const Entry* initialization = nullptr;
  const Entry* termination = nullptr;
  const Entry* exception = nullptr;
};

// What each block kind writes: its trace code, its before and after runtime calls.
struct BlockCalls {
  const char* code;
  const char* before;
  const char* after;
};
constexpr BlockCalls initialization_calls{"1", "binit", "ainit"};
constexpr BlockCalls termination_calls{"2", "bterm", "aterm"};
constexpr BlockCalls exception_calls{"3", "bexcep", "aexcep"};

}  // namespace

// Writes the composite scenario function and the sequences around each sub-scenario.
class ScenarioFunctions {
 public:
  ScenarioFunctions(CppWriter& writer) : w_(writer) {}

  void leaf(const Entry* scenario) {
    w_.raw("QLX_T_INT QUELT::qlx_S" + str(scenario->numbers.element) + "()");
    body_function(child_scope(scenario));
  }

  void block(const Entry* block) {
    w_.raw("QLX_T_INT QUELT::" + block_function_name(block) + " ()");
    body_function(child_scope(block));
  }

  void composite(const Entry* scenario, int depth) {
    depth_ = str(depth);
    w_.raw("QLX_T_INT QUELT::qlx_S" + str(scenario->numbers.element) + "()");
    w_.open_brace();
    w_.line("QLX_T_INT $local_state = 0;");
    w_.line("QLX_T_INT $global_state = 0;");
    w_.raw("J" + depth_ + " = 1;");
    Blocks blocks;
    for (const Entry* e = child_scope(scenario)->first; e != nullptr; e = e->next) {
      if (e->kind == EntryKind::Initialization) blocks.initialization = e;
      if (e->kind == EntryKind::Termination) blocks.termination = e;
      if (e->kind == EntryKind::Exception) blocks.exception = e;
      if (e->kind == EntryKind::Scenario && is_generated_scenario(e)) sub_scenario(e, blocks);
    }
    w_.line("return ( $global_state );");
    w_.close_brace();
  }

 private:
  void body_function(const sema::Scope* body) {
    w_.open_brace();
    w_.ifdef("QLX_TESSVIA_DEBUG");
    w_.line("QLX_T_INT $debug_state = 0;");
    w_.endif();
    w_.write_body(body);
    w_.ifdef("QLX_TESSVIA_DEBUG");
    w_.line("return ( $debug_state );");
    w_.else_();
    w_.line("return ( 0 );");
    w_.endif();
    w_.close_brace();
  }

  void traced(const std::string& call) {
    w_.raw("#if QMK_DYNFLW");
    w_.line(call);
    w_.raw("#endif /* QMK_DYNFLW */");
    w_.empty();
  }

  void flush_level() {
    if (w_.buffer_rule()) w_.line("$.$flush_circular_buffer(" + str(w_.context().parameters.trace_level) + ");");
  }

  void flush_max() {
    if (w_.buffer_rule()) w_.line("$.$flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);");
  }

  // A block run around a sub-scenario: its traced start, its call, and the failure and pass branches.
  void block_sequence(const Entry* block, const BlockCalls& calls) {
    std::string trace = str(block->numbers.trace);
    std::string trace_end = str(block->numbers.trace + 1);
    std::string second = str(block->file_number);
    std::string numbers = str(block->numbers.element_end) + "," + str(block->numbers.element) + "," + depth_ + ",J" + depth_;
    std::string closing = str(block->numbers.element_end) + "," + depth_ + ",J" + depth_;
    traced("$.$special_block_tsf ( " + trace + ", " + second + ", " + calls.code + ", 1);");
    w_.line(std::string("$.$") + calls.before + "(" + numbers + ");");
    const Entry* procedure = block_record(block).procedure;
    if (procedure != nullptr) {
      w_.line("$.$bproc(" + str(procedure->numbers.element) + ");");
      w_.line("$local_state = $P" + str(procedure->numbers.element) + " (" + call_argument_list(block) + ");");
      w_.line("$.$aproc(" + str(procedure->numbers.after) + ");");
    } else {
      w_.line("$local_state = " + block_function_name(block) + " ();");
    }
    w_.line("if ($local_state)");
    w_.open_brace();
    traced("$.$special_block_tsf ( " + trace_end + ", " + second + ", " + calls.code + ", 0);");
    w_.line(std::string("$.$") + calls.after + "(1," + closing + ");");
    flush_max();
    w_.ifdef("QLX_TESSVIA_DEBUG");
    w_.line("$global_state = 2;");
    w_.line("if (( $local_state == 3) || ( $local_state == 4) )");
    w_.open_brace();
    w_.line("return ( 4 );");
    w_.close_brace();
    w_.else_();
    w_.line("if ($local_state & 1)");
    w_.open_brace();
    w_.line("++$local_state;");
    w_.line("return ( $local_state );");
    w_.close_brace();
    w_.endif();
    w_.close_brace();
    // Both the traced end and the passed end of the block belong to the else branch.
    w_.line("else");
    w_.open_brace();
    traced("$.$special_block_tsf ( " + trace_end + ", " + second + ", " + calls.code + ", 0);");
    w_.line(std::string("$.$") + calls.after + "(0," + closing + ");");
    w_.close_brace();
  }

  void sub_scenario(const Entry* scenario, const Blocks& blocks) {
    int count = repeat_count(scenario);
    if (count > 1) {
      w_.raw("for(J" + depth_ + "=1; J" + depth_ + "<=" + str(count) + "; ++J" + depth_ + ")");
      w_.open_brace();
    }
    if (blocks.initialization != nullptr) block_sequence(blocks.initialization, initialization_calls);
    flush_level();
    std::string name = "\"" + scenario->name + "\"";
    std::string second = str(scenario->file_number);
    w_.line("$.$startchronomarkloop (" + str(scenario->numbers.element_end) + ", " + str(scenario->numbers.element) + " ," +
            depth_ + ", J" + depth_ + ", " + name + ", " + str(scenario->numbers.trace) + ", " + second + ");");
    w_.line("$local_state = $S" + str(scenario->numbers.element) + " ();");
    w_.line("$.$stopchronomarkloop($local_state," + str(scenario->numbers.element_end) + "," + depth_ + ",J" + depth_ + "," +
            name + "," + str(scenario->numbers.trace + 1) + "," + second + ");");
    w_.line("if ( $local_state )");
    w_.open_brace();
    w_.line("$global_state = 2;");
    flush_max();
    w_.line("if (( $local_state == 3) || ( $local_state == 4) )");
    w_.open_brace();
    w_.line("return ( 4 );");
    w_.close_brace();
    if (blocks.exception != nullptr) block_sequence(blocks.exception, exception_calls);
    w_.close_brace();
    if (blocks.termination != nullptr) {
      w_.line("else");
      w_.open_brace();
      block_sequence(blocks.termination, termination_calls);
      w_.close_brace();
    }
    flush_level();
    if (count > 1) {
      w_.close_brace();
      // The loop leaves its counter past the count: the sub-scenarios after it run in round 1.
      w_.raw("J" + depth_ + " = 1;");
    }
  }

  CppWriter& w_;
  std::string depth_;
};

void CppWriter::write_scenario_tree(Entry* root) {
  if (!is_generated_scenario(root)) return;
  struct Step {
    const Entry* entry;
    int depth;
    bool children_done;
  };
  ScenarioFunctions functions(*this);
  std::vector<Step> stack{{root, 1, false}};
  std::vector<const Entry*> children;
  while (!stack.empty()) {
    Step step = stack.back();
    stack.pop_back();
    const Entry* entry = step.entry;
    if (is_block(entry)) {
      functions.block(entry);
    } else if (is_leaf(entry)) {
      functions.leaf(entry);
    } else if (step.children_done) {
      functions.composite(entry, step.depth);
    } else {
      // The children's functions first, in order, then this one.
      stack.push_back(Step{entry, step.depth, true});
      children.clear();
      for (const Entry* e = child_scope(entry)->first; e != nullptr; e = e->next) {
        bool own_function = (e->kind == EntryKind::Scenario && is_generated_scenario(e)) ||
                            (is_block(e) && block_record(e).procedure == nullptr);
        if (own_function) children.push_back(e);
      }
      for (auto it = children.rbegin(); it != children.rend(); ++it) stack.push_back(Step{*it, step.depth + 1, false});
    }
  }
}

}  // namespace gen
