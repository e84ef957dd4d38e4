#include "gen/tdc/tdc_elements.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "diag/report.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

// A family list longer than this does not fit the record's field buffer.
constexpr std::size_t family_list_limit = 3998;

template <typename Record>
const Record* record_if(const Entry* entry) {
  return entry->descriptor != nullptr ? std::get_if<Record>(&entry->descriptor->record) : nullptr;
}

std::string_view name_of(const Entry* entry) {
  return entry != nullptr ? std::string_view(entry->name) : std::string_view();
}

// The names of the scenario's family entries joined by ", "; "SIZBUFOVL" past 3998 characters.
std::string family_list(const sema::ScenarioRecord& scenario) {
  std::string list;
  if (scenario.family_scope == nullptr) return list;
  for (const Entry* family = scenario.family_scope->first; family != nullptr; family = family->next) {
    if (!list.empty()) list += ", ";
    list += family->name;
    if (list.size() > family_list_limit) diag::report_internal(diag::Code::SIZBUFOVL);
  }
  return list;
}

// A leaf scenario holds statements, no sub-scenario.
bool is_leaf_scenario(const Entry* scenario) {
  const sema::Scope* scope = child_scope(scenario);
  for (const Entry* e = scope != nullptr ? scope->first : nullptr; e != nullptr; e = e->next) {
    if (e->kind == EntryKind::Scenario) return false;
  }
  return true;
}

const char* block_kind_number(EntryKind kind) {
  switch (kind) {
    case EntryKind::Initialization: return "0";
    case EntryKind::Termination: return "1";
    default: return "2";
  }
}

// An event variable has values once a SEND or DEF_MESSAGE gave it its reference checks or a
// definition.
bool has_values(const sema::EventVariableRecord& record) {
  return record.reference_checks != nullptr || !record.definitions.empty();
}

// A value entry (23) of a message's own list: its checks belong to the message's records.
bool is_message_value(const Entry* entry) {
  const sema::Descriptor* owner = entry->scope != nullptr ? entry->scope->owner : nullptr;
  return owner != nullptr &&
         (owner->kind == sema::DescriptorKind::EventVariable || owner->kind == sema::DescriptorKind::MessageDefinition);
}

// The field that names a check entry: an array element by its index or index range (an OTHERS
// element by the interval it stands for), anything else by its member name.
std::string check_designation(const Entry* entry, const sema::CheckRecord& check) {
  if (entry->kind == EntryKind::ArrayElement) {
    std::string text = "(" + std::to_string(check.low);
    if (check.high != check.low) text += ".." + std::to_string(check.high);
    return text + ")";
  }
  return !check.text.empty() ? check.text : entry->name;
}

// The value a check entry compares with: its text, or its range "low..high".
std::string check_value(const sema::CheckRecord& check) {
  if (!check.value_text.empty()) return check.value_text;
  if (!check.low_text.empty() || !check.high_text.empty()) return check.low_text + ".." + check.high_text;
  return {};
}

// An awaited message as its condition names it: "MATCHING(ack)", "MATCHED(ack, status_ch)".
std::string awaited_text(const sema::AwaitedMessage& awaited) {
  std::string text = awaited.test + "(" + std::string(name_of(awaited.event_variable));
  if (awaited.channel != nullptr) text += ", " + awaited.channel->name;
  return text + ")";
}

std::string_view message_type_of(const Entry* event_variable) {
  const auto* message = event_variable != nullptr ? record_if<sema::EventVariableRecord>(event_variable) : nullptr;
  return name_of(message != nullptr ? message->message_type : nullptr);
}

ChannelsByType channels_by_type(const sema::Model& model) {
  ChannelsByType channels;
  for (const Entry* e = model.global()->first; e != nullptr; e = e->next) {
    if (e->kind != EntryKind::Channel) continue;
    const auto* channel = record_if<sema::ChannelRecord>(e);
    channels[channel != nullptr ? channel->comm_type : nullptr].push_back(e);
  }
  return channels;
}

// The channels an awaited message is polled on: its own, or every channel of its communication type.
std::vector<const Entry*> polled_channels(const sema::AwaitedMessage& awaited, const ChannelsByType& channels) {
  if (awaited.channel != nullptr) return {awaited.channel};
  auto found = channels.find(awaited.comm_type);
  return found != channels.end() ? found->second : std::vector<const Entry*>{};
}

// Walks what the TDC writer walks and collects the channels its WAITTILs receive on (the state
// channels that are used).
class StateChannels {
 public:
  explicit StateChannels(const ChannelsByType& channels) : channels_(channels) {}

  void enter(Entry* entry, WalkPlan& plan) {
    if (plan_generated_body(entry, plan)) return;
    switch (entry->kind) {
      case EntryKind::Waittil:
        if (const auto* waittil = record_if<sema::WaittilRecord>(entry)) {
          for (const sema::AwaitedMessage& awaited : waittil->awaited) {
            for (const Entry* channel : polled_channels(awaited, channels_)) found_.insert(channel);
          }
        }
        break;
      default: plan_statement_lists(entry, plan); break;
    }
  }
  void leave(Entry*) {}

  std::unordered_set<const Entry*> take() { return std::move(found_); }

 private:
  const ChannelsByType& channels_;
  std::unordered_set<const Entry*> found_;
};

// A PRINT label is a string literal: the record holds its text without the quotes.
std::string_view print_label(std::string_view label) {
  if (label.size() >= 2 && label.front() == '"' && label.back() == '"') return label.substr(1, label.size() - 2);
  return label;
}

}  // namespace

TdcElements::TdcElements(TdcRecords& records, ProbeHeader& probe, const sema::Model& model)
    : records_(records), probe_(probe), channels_(channels_by_type(model)) {
  StateChannels collector(channels_);
  walk_model(model.global(), collector);
  state_channels_ = collector.take();
}

void TdcElements::enter(Entry* entry, WalkPlan& plan) {
  if (const SimpleRecord* row = simple_record_of(entry->kind)) {
    entry->numbers.element = records_.write(simple_record(*row, entry));
    if (entry->kind == EntryKind::Rendezvous) probe_.rendezvous(entry->name, entry->numbers.element);
    return;
  }
  switch (entry->kind) {
    case EntryKind::Scenario: enter_scenario(entry, plan); break;
    case EntryKind::Initialization:
    case EntryKind::Termination:
    case EntryKind::Exception: enter_block(entry, plan); break;
    case EntryKind::Procedure: enter_procedure(entry, plan); break;
    case EntryKind::Callback:
    case EntryKind::Procsend:
      if (is_used_routine(entry)) plan.scope(child_scope(entry));
      break;
    case EntryKind::Call: enter_call(entry, plan); break;
    case EntryKind::Send: enter_send(entry); break;
    case EntryKind::Waittil: enter_waittil(entry); break;
    case EntryKind::EventVariable: enter_event_variable(entry, plan); break;
    case EntryKind::MessageDefinition: enter_definition(entry, plan); break;
    case EntryKind::Var: enter_value(entry, plan); break;
    case EntryKind::ArrayBegin:
    case EntryKind::ArrayElement:
    case EntryKind::StructBegin:
    case EntryKind::StructField:
    case EntryKind::BaseClassPart:
    case EntryKind::UnionBegin:
    case EntryKind::UnionMember: enter_check(entry, plan); break;
    case EntryKind::Value: enter_argument(entry); break;
    case EntryKind::Channel: enter_channel(entry); break;
    case EntryKind::Print: enter_print(entry); break;
    // The registrations of the WAITTILs at the head of the global scope stand for statements that
    // are written where they are, in their bodies.
    case EntryKind::WaittilRegistration: break;
    default: plan_statement_lists(entry, plan); break;
  }
}

void TdcElements::leave(Entry* entry) {
  switch (entry->kind) {
    case EntryKind::Scenario: {
      bool leaf = is_leaf_scenario(entry);
      TdcRecord record("S");
      record.text_or_missing(entry->name).missing().missing().missing().location(entry);
      entry->numbers.element_end = records_.write(record);
      probe_.scenario_end(leaf, entry->numbers.element_end);
      break;
    }
    case EntryKind::Initialization:
    case EntryKind::Termination:
    case EntryKind::Exception:
      entry->numbers.element_end = records_.write(TdcRecord("Z").missing().missing().location(entry));
      break;
    case EntryKind::Procedure:
      entry->numbers.after = records_.write(TdcRecord("P").missing().location(entry));
      break;
    case EntryKind::Call: leave_call(entry); break;
    case EntryKind::Var:
      entry->numbers.element_end = records_.write(TdcRecord("K").missing().location(entry));
      break;
    case EntryKind::EventVariable:
      entry->numbers.element_end = records_.write(TdcRecord("T").missing().location(entry));
      probe_.message(entry->name, entry->numbers.element, entry->numbers.element_end);
      break;
    default: break;
  }
}

// A generated scenario: its record, its children, its end record. A scenario that the selection
// left out is not generated, and neither is anything in it.
void TdcElements::enter_scenario(Entry* entry, WalkPlan& plan) {
  if (!is_generated_scenario(entry)) return;
  const auto& scenario = std::get<sema::ScenarioRecord>(entry->descriptor->record);
  TdcRecord record("S");
  record.text_or_missing(entry->name).missing();  // the model keeps no comment text
  if (scenario.family_scope != nullptr) {
    record.text(family_list(scenario));
  } else {
    record.missing();
  }
  if (scenario.has_number && scenario.number > 0) {
    record.number(scenario.number);
  } else {
    record.missing();
  }
  record.location(entry);
  entry->numbers.element = records_.write(record);
  probe_.scenario_start(entry, is_leaf_scenario(entry), entry->numbers.element);
  plan.scope(child_scope(entry));
  plan.leave(entry);
}

// INITIALIZATION, TERMINATION, EXCEPTION: the kind, the called procedure's number (CALL form),
// the statements (statement form), the end record.
void TdcElements::enter_block(Entry* entry, WalkPlan& plan) {
  const sema::BlockRecord* block = record_if<sema::BlockRecord>(entry);
  const Entry* procedure = block != nullptr ? block->procedure : nullptr;
  TdcRecord record("Z");
  record.text(block_kind_number(entry->kind));
  if (procedure != nullptr && procedure->numbers.element >= 0) {
    record.number(procedure->numbers.element);
  } else {
    record.missing();
  }
  record.location(entry);
  entry->numbers.element = records_.write(record);
  // In the CALL form the scope holds the call's arguments, not statements.
  if (procedure == nullptr) plan.scope(child_scope(entry));
  plan.leave(entry);
}

// A used procedure: its record, its body, then the record whose number is its after number.
void TdcElements::enter_procedure(Entry* entry, WalkPlan& plan) {
  if (!is_used_routine(entry)) return;
  entry->numbers.element = records_.write(TdcRecord("P").text(entry->name).location(entry));
  plan.scope(child_scope(entry));
  plan.leave(entry);
}

void TdcElements::enter_call(Entry* entry, WalkPlan& plan) {
  const sema::CallRecord* call = record_if<sema::CallRecord>(entry);
  TdcRecord record("A");
  record.text_or_missing(call != nullptr ? std::string_view(call->function) : std::string_view(entry->name));
  if (call != nullptr && !call->return_variable.empty() && !call->return_variable_generated) {
    record.text(call->return_variable);
  } else {
    record.missing();
  }
  record.location(entry);
  entry->numbers.element = records_.write(record);
  plan.scope(child_scope(entry));
  plan.leave(entry);
}

// After the arguments: the check of a stored result, then the end record (the call's end
// number); the result check's number is the end number minus 1.
void TdcElements::leave_call(Entry* entry) {
  const sema::CallRecord* call = record_if<sema::CallRecord>(entry);
  if (call != nullptr && !call->return_variable.empty()) {
    TdcRecord result("R");
    result.missing().text_or_missing(call->expected_value).text("0");
    if (call->return_variable_generated) {
      result.missing();
    } else {
      result.text(call->return_variable);
    }
    int number = records_.write(result);
    const sema::Scope* arguments = child_scope(entry);
    Entry* check = arguments != nullptr ? arguments->last : nullptr;
    const auto* value = check != nullptr ? record_if<sema::ValueRecord>(check) : nullptr;
    if (value != nullptr && value->return_check) check->numbers.element = number;
  }
  entry->numbers.element_end = records_.write(TdcRecord("A").missing().missing().location(entry));
}

// An argument of a C/C++ function checked after the call ('@' parts): a check record like a
// result's, with "1" when a maximum is given, and the argument as its target. The return check
// is written when the call ends.
void TdcElements::enter_argument(Entry* entry) {
  const sema::ValueRecord* value = record_if<sema::ValueRecord>(entry);
  if (value == nullptr || value->return_check) return;
  if (value->at_parts[0].empty() && value->at_parts[1].empty()) return;
  TdcRecord check("R");
  check.missing().text_or_missing(value->at_parts[0]).text(value->at_parts[1].empty() ? "0" : "1");
  check.text_or_missing(value->text);
  entry->numbers.element = records_.write(check);
}

void TdcElements::enter_send(Entry* entry) {
  const sema::SendRecord* send = record_if<sema::SendRecord>(entry);
  std::string_view channel = name_of(send != nullptr ? send->channel : nullptr);
  std::string_view message = name_of(send != nullptr ? send->event_variable : nullptr);
  entry->numbers.element = records_.write(TdcRecord("SD").text_or_missing(channel).text_or_missing(message).location(entry));
  probe_.send(entry, message_type_of(send != nullptr ? send->event_variable : nullptr), message, channel,
              entry->numbers.element);
  entry->numbers.element_end = records_.write(TdcRecord("SD").missing().missing().location(entry));
}

void TdcElements::enter_waittil(Entry* entry) {
  const sema::WaittilRecord* waittil = record_if<sema::WaittilRecord>(entry);
  TdcRecord record("W");
  if (waittil != nullptr) {
    record.text_or_missing(waittil->conditions[0]).text_or_missing(waittil->conditions[1]);
  } else {
    record.missing().missing();
  }
  int number = records_.write(record.location(entry));
  entry->numbers.element = number;
  probe_.waittil(number);
  if (waittil != nullptr) {
    std::unordered_set<std::string> named;  // one name per message and channel
    for (const sema::AwaitedMessage& awaited : waittil->awaited) {
      records_.write(TdcRecord("Y").text(awaited_text(awaited)).location(entry));
      std::string_view type = message_type_of(awaited.event_variable);
      std::string_view message = name_of(awaited.event_variable);
      for (const Entry* channel : polled_channels(awaited, channels_)) {
        if (named.insert(std::string(message) + '\n' + channel->name).second) {
          probe_.receive(entry, type, message, channel->name, number);
        }
      }
    }
  }
  entry->numbers.element_end = records_.write(TdcRecord("W").missing().missing().location(entry));
}

// A message with values: its record, the checks of its reference value, its end record; then
// one record per definition, with that definition's checks.
void TdcElements::enter_event_variable(Entry* entry, WalkPlan& plan) {
  const sema::EventVariableRecord* message = record_if<sema::EventVariableRecord>(entry);
  if (message == nullptr || !has_values(*message)) return;
  entry->numbers.element = records_.write(TdcRecord("T").text(entry->name).location(entry));
  if (message->reference_checks != nullptr) plan.scope(child_scope(message->reference_checks));
  plan.leave(entry);
  for (Entry* definition : message->definitions) plan.entry(definition);
}

void TdcElements::enter_definition(Entry* entry, WalkPlan& plan) {
  std::string_view name = !entry->text.empty() ? std::string_view(entry->text) : std::string_view(entry->name);
  entry->numbers.element = records_.write(TdcRecord("V").text_or_missing(name).location(entry));
  probe_.definition(entry, name, entry->numbers.element);
  plan.scope(child_scope(entry));
}

// A VAR statement: the checked variable, its checks, the end record. A value of a message's own
// list only holds checks.
void TdcElements::enter_value(Entry* entry, WalkPlan& plan) {
  if (is_message_value(entry)) {
    plan.scope(child_scope(entry));
    return;
  }
  entry->numbers.element = records_.write(TdcRecord("K").text_or_missing(entry->text).location(entry));
  plan.scope(child_scope(entry));
  plan.leave(entry);
}

void TdcElements::enter_check(Entry* entry, WalkPlan& plan) {
  const sema::CheckRecord* check = record_if<sema::CheckRecord>(entry);
  const sema::Scope* parts = child_scope(entry);
  TdcRecord record("K");
  if (check != nullptr) {
    // An aggregate's value is given by its parts' records (its own text holds them all).
    record.text_or_missing(check_designation(entry, *check)).text_or_missing(parts == nullptr ? check_value(*check) : "");
  } else {
    record.text_or_missing(entry->name).missing();
  }
  entry->numbers.element = records_.write(record.location(entry));
  plan.scope(parts);
}

// A state channel: a channel some WAITTIL receives on.
void TdcElements::enter_channel(Entry* entry) {
  if (state_channels_.count(entry) == 0) return;
  entry->numbers.element = records_.write(TdcRecord("CN").text(entry->name));
  probe_.channel(entry->name, entry->numbers.element);
}

void TdcElements::enter_print(Entry* entry) {
  const sema::PrintRecord* print = record_if<sema::PrintRecord>(entry);
  TdcRecord record("M");
  record.text_or_missing(print_label(entry->text)).text_or_missing(print != nullptr ? print->expression : "");
  entry->numbers.element = records_.write(record.location(entry));
}

}  // namespace gen
