// WAITTIL: the matching tests of its two conditions (the message each awaits, the channel it is
// polled on, the CALLBACK that reads it), the conditions prepared for the WAIT function, the
// time-out, and the registration of the WAITTIL for the generated wait functions.
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "script/tree_view.h"
#include "sema/lookup.h"
#include "sema/node_report.h"
#include "sema/statements/message_routines.h"
#include "sema/statements/statement_handlers.h"
#include "sema/statements/statement_support.h"

namespace sema {

using script::SyntaxNode;

namespace {

void report_error(diag::Code code, std::string_view argument, const SyntaxNode* node) {
  report_at_node(diag::MessageKind::Error, code, argument, node);
}

// The matching as the condition text writes it: "MATCHING(req_ok,ctrl_ch)".
std::string matching_text(const SyntaxNode* matching) {
  std::string text = matching->text + '(' + std::string(leaf_text(script::matching_message(matching)));
  if (const SyntaxNode* channel = script::matching_channel(matching)) (text += ',') += leaf_text(channel);
  return text + ')';
}

// Without a channel, a message is polled on every channel of the communication type whose
// callback reads it: that type must be the only one with a callback for the message.
bool resolve_without_channel(AnalysisContext& context, const SyntaxNode* matching, const SyntaxNode* node,
                             Entry* message_type, AwaitedMessage& awaited) {
  int readers = 0;
  bool ambiguous = false;
  for (const auto& [name, comm_type] : context.index.comm_types) {
    RoutineChoice choice = choose_routine(context, EntryKind::Callback, message_type, comm_type);
    if (choice.routine == nullptr && !choice.ambiguous) continue;
    ++readers;
    awaited.comm_type = comm_type;
    awaited.callback = choice.routine;
    ambiguous = choice.ambiguous;
  }
  if (readers > 1) {
    report_error(diag::Code::DBLCOMTYP, matching_text(matching), node);
    return false;
  }
  if (ambiguous) report_error(diag::Code::CBALAMBIG, matching_text(matching), node);
  else if (readers == 0) report_error(diag::Code::CBNOTDECL, matching_text(matching), node);
  return readers == 1 && !ambiguous;
}

// One matching of a condition: its message, its channel (written, or in a TRIGGER script the
// channel of its message type) and the callback that reads it. Reports the first mistake.
bool resolve_matching(AnalysisContext& context, const SyntaxNode* matching, const SyntaxNode* node,
                      AwaitedMessage& awaited) {
  awaited.test = matching->text;
  std::string_view message_name = leaf_text(script::matching_message(matching));
  awaited.event_variable = find_event_variable(context, message_name);
  if (awaited.event_variable == nullptr) {
    report_error(diag::Code::UNKMSGNAM, message_name, node);
    return false;
  }
  Entry* message_type = record_of<EventVariableRecord>(awaited.event_variable).message_type;
  if (const SyntaxNode* channel = script::matching_channel(matching)) {
    awaited.channel = find_channel(context, leaf_text(channel));
    if (awaited.channel == nullptr) {
      report_error(diag::Code::UNKCHANAM, leaf_text(channel), node);
      return false;
    }
  } else if (context.parameters.script_flags == 2) {
    // TRIGGER without COMMTYPE: each message type has a channel of "qlx_socket" of its own.
    awaited.channel = record_of<MessageTypeRecord>(message_type).socket_channel;
  }
  if (awaited.channel == nullptr) return resolve_without_channel(context, matching, node, message_type, awaited);
  awaited.comm_type = record_of<ChannelRecord>(awaited.channel).comm_type;
  RoutineChoice choice = choose_routine(context, EntryKind::Callback, message_type, awaited.comm_type);
  if (choice.routine == nullptr) {
    report_error(choice.ambiguous ? diag::Code::CBALAMBIG : diag::Code::CBNOTDECL, matching_text(matching), node);
    return false;
  }
  awaited.callback = choice.routine;
  return true;
}

// One callback reads each polled channel: two messages read by different callbacks (two message
// types) on one channel cannot both be awaited by one WAITTIL. A message awaited without a
// channel is polled on every channel of its communication type.
class PollingCheck {
 public:
  // Whether `awaited` can be polled beside the messages accepted so far; "DBLMSGTYP" (once per
  // channel or communication type) when it cannot.
  bool accept(const AwaitedMessage& awaited, const SyntaxNode* node) {
    const Entry* conflict = awaited.channel != nullptr ? channel_conflict(awaited) : comm_type_conflict(awaited);
    if (conflict != nullptr) {
      if (reported_.insert(conflict).second) report_error(diag::Code::DBLMSGTYP, conflict->name, node);
      return false;
    }
    if (awaited.channel == nullptr) {
      whole_comm_types_.emplace(awaited.comm_type, awaited.callback);
      return true;
    }
    channels_.emplace(awaited.channel, awaited.callback);
    Readers& readers = channel_readers_[awaited.comm_type];
    for (Reader& reader : readers.distinct) {
      if (reader.callback == nullptr) {
        reader = Reader{awaited.callback, awaited.channel};
        break;
      }
      if (reader.callback == awaited.callback) break;
    }
    return true;
  }

 private:
  struct Reader {
    const Entry* callback = nullptr;
    const Entry* channel = nullptr;
  };
  // The callbacks reading named channels of one communication type: two distinct ones are enough
  // to find, for any callback, a channel read by another one.
  struct Readers {
    Reader distinct[2];
  };

  const Entry* channel_conflict(const AwaitedMessage& awaited) const {
    auto channel = channels_.find(awaited.channel);
    if (channel != channels_.end() && channel->second != awaited.callback) return awaited.channel;
    auto whole = whole_comm_types_.find(awaited.comm_type);
    if (whole != whole_comm_types_.end() && whole->second != awaited.callback) return awaited.channel;
    return nullptr;
  }

  const Entry* comm_type_conflict(const AwaitedMessage& awaited) const {
    auto whole = whole_comm_types_.find(awaited.comm_type);
    if (whole != whole_comm_types_.end() && whole->second != awaited.callback) return awaited.comm_type;
    auto named = channel_readers_.find(awaited.comm_type);
    if (named == channel_readers_.end()) return nullptr;
    for (const Reader& reader : named->second.distinct) {
      if (reader.callback != nullptr && reader.callback != awaited.callback) return reader.channel;
    }
    return nullptr;
  }

  std::unordered_map<const Entry*, const Entry*> channels_;          // named channel -> callback
  std::unordered_map<const Entry*, const Entry*> whole_comm_types_;  // comm type polled whole -> callback
  std::unordered_map<const Entry*, Readers> channel_readers_;
  std::unordered_set<const Entry*> reported_;
};

// The runtime test of a matching on its message value's state: "QLX_MATCHING_1(qlx_msg_T[i])",
// with a channel "QLX_MATCHING_2(qlx_msg_T[i],qlx_state_channel[c][n])" (communication type
// number, channel number). The runtime declares these names, so the prepared condition types.
std::string prepared_test(const AwaitedMessage& awaited) {
  const EventVariableRecord& message = record_of<EventVariableRecord>(awaited.event_variable);
  std::string value = "qlx_msg_" + message.message_type->name + '[' + std::to_string(message.index) + ']';
  if (awaited.channel == nullptr) return "QLX_" + awaited.test + "_1(" + value + ')';
  int comm_type = record_of<CommTypeRecord>(awaited.comm_type).number;
  int channel = record_of<ChannelRecord>(awaited.channel).number;
  return "QLX_" + awaited.test + "_2(" + value + ",qlx_state_channel[" + std::to_string(comm_type) + "][" +
         std::to_string(channel) + "])";
}

// The time-out written in a condition: after the first "WTIME", blanks and tabs, then '>' or '='
// (one more '=' after it is skipped), then the characters below '*' are skipped and the text is
// the run of characters from '*' to 'z' that follows. "0" when any of it is missing.
std::string timeout_text(std::string_view condition) {
  std::size_t at = condition.find("WTIME");
  if (at == std::string_view::npos) return "0";
  std::size_t i = at + 5;
  while (i < condition.size() && (condition[i] == ' ' || condition[i] == '\t')) ++i;
  if (i == condition.size() || (condition[i] != '>' && condition[i] != '=')) return "0";
  ++i;
  if (i < condition.size() && condition[i] == '=') ++i;
  while (i < condition.size() && static_cast<unsigned char>(condition[i]) < '*') ++i;
  std::size_t start = i;
  while (i < condition.size() && condition[i] >= '*' && condition[i] <= 'z') ++i;
  if (i == start) return "0";
  return std::string(condition.substr(start, i - start));
}

// The checked conditions of a WAITTIL.
struct Conditions {
  std::string texts[2];
  std::string prepared[2];
  std::vector<AwaitedMessage> awaited;
};

// Walks both conditions: every matching is resolved and checked against the polling of the
// others; the prepared forms are built on the way. False after any mistake (reported).
bool check_conditions(AnalysisContext& context, const SyntaxNode* node, Conditions& out) {
  const SyntaxNode* conditions[2] = {script::waittil_first_condition(node), script::waittil_second_condition(node)};
  // The WAIT function tests both: an empty one would leave it without a test.
  if (trimmed(conditions[0]->text).empty() || trimmed(conditions[1]->text).empty()) {
    report_error(diag::Code::TOOFEWARG, "WAITTIL", node);
    return false;
  }
  PollingCheck polling;
  bool valid = true;
  for (int i = 0; i < 2; ++i) {
    out.texts[i] = conditions[i]->text;
    std::string prepared;
    for (const SyntaxNode* item : script::condition_part_items(script::condition_parts(conditions[i]))) {
      const SyntaxNode* part = script::condition_part(item);
      if (part->kind != script::Matching) {
        prepared += part->text;
        continue;
      }
      AwaitedMessage awaited;
      if (!resolve_matching(context, part, node, awaited) || !polling.accept(awaited, node)) {
        valid = false;
        continue;
      }
      prepared += prepared_test(awaited);
      out.awaited.push_back(awaited);
    }
    out.prepared[i] = std::string(trimmed(prepared));
  }
  return valid;
}

// The WAITTIL entry (12) in the body and its registration (58) at the head of the global scope,
// which joins the function list.
void record_waittil(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter,
                    Conditions& conditions) {
  Model& model = context.model;
  int number = context.state.waittil_counter++;
  Entry* entry = statement_entry(context, scope, EntryKind::Waittil, node, filter);
  WaittilRecord& record = record_of<WaittilRecord>(new_descriptor(model, entry, DescriptorKind::Waittil));
  for (int i = 0; i < 2; ++i) {
    record.conditions[i] = std::move(conditions.texts[i]);
    record.prepared[i] = std::move(conditions.prepared[i]);
  }
  // The second condition's time-out, unless it has none.
  record.timeout = timeout_text(record.conditions[1]);
  if (record.timeout == "0") record.timeout = timeout_text(record.conditions[0]);
  record.number = number;
  record.awaited = std::move(conditions.awaited);

  Entry* registration = new_entry_at(model, Insertion::Head, model.global(), EntryKind::WaittilRegistration, "",
                                     position_of(node));
  // The registration carries the same record, so that the wait functions need no other walk.
  WaittilRecord& registered =
      record_of<WaittilRecord>(new_descriptor(model, registration, DescriptorKind::Waittil));
  registered = record;
  registered.waittil = entry;
  add_to_function_list(model, registration);
}

}  // namespace

void analyse_waittil(AnalysisContext& context, const SyntaxNode* node, Scope* scope, const ExecutionFilter& filter) {
  ++context.state.waittil_count;
  Conditions conditions;
  if (!check_conditions(context, node, conditions)) return;
  // The prepared conditions are what the driver tests: typed, so that a mistake in their C part
  // is reported by the interface analysis now.
  for (const std::string& prepared : conditions.prepared) expression_class(context, prepared, node);
  for (const AwaitedMessage& awaited : conditions.awaited) {
    record_of<CallbackRecord>(awaited.callback).used = true;
    record_of<EventVariableRecord>(awaited.event_variable).used = true;
  }
  record_waittil(context, node, scope, filter, conditions);
}

}  // namespace sema
