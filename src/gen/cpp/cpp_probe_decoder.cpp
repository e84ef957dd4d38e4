// PROBE mode: the decoder. Each code the application reports is the number of a SEND or a WAITTIL
// of the script (or, past QLX_TDC_LAST_ID, a selector). A SEND becomes send, the message's dump
// and endsend; a WAITTIL becomes waittil, the event of the message it awaits, the dump and the
// end of the wait, with the definition of the message in force at that WAITTIL.
//
// The codes of SENDs and WAITTILs interleave in the numbering (a WAITTIL before the last SEND has
// a smaller number), so a code is told to be a SEND's by the list of SEND codes, not by comparing
// it with QLX_TDC_LAST_SEND.
#include <string>
#include <unordered_map>
#include <vector>

#include "gen/cpp/cpp_comm.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"

namespace gen {

using sema::Entry;
using sema::EntryKind;

namespace {

template <typename Record>
const Record* record_if(const Entry* entry) {
  return entry != nullptr && entry->descriptor != nullptr ? std::get_if<Record>(&entry->descriptor->record) : nullptr;
}

const Entry* type_of_message(const Entry* message) {
  const auto* record = record_if<sema::EventVariableRecord>(message);
  return record != nullptr ? record->message_type : nullptr;
}

bool message_has_values(const Entry* message) {
  const auto* record = record_if<sema::EventVariableRecord>(message);
  return record != nullptr && (record->reference_checks != nullptr || !record->definitions.empty());
}

// The SENDs and WAITTILs in the order the TDC writer numbered them (the same walk), with the
// definition of each message that the last DEF_MESSAGE before them chose.
class ProbeTable {
 public:
  explicit ProbeTable(const sema::Scope* global) : channels_(channels_by_comm_type(global)) {}

  void enter(Entry* entry, WalkPlan& plan) {
    if (plan_generated_body(entry, plan)) return;
    switch (entry->kind) {
      case EntryKind::DefMessage:
        if (const auto* def = record_if<sema::DefMessageRecord>(entry)) in_force_[def->event_variable] = def->counterpart;
        break;
      case EntryKind::Send: add_send(entry); break;
      case EntryKind::Waittil: add_waittil(entry); break;
      default: plan_statement_lists(entry, plan); break;
    }
  }
  void leave(Entry*) {}

  std::vector<ProbeElement> take() { return std::move(elements_); }

 private:
  void add_send(const Entry* entry) {
    const auto* send = record_if<sema::SendRecord>(entry);
    ProbeElement element;
    element.entry = entry;
    element.send = true;
    element.message = send != nullptr ? send->event_variable : nullptr;
    element.type = type_of_message(element.message);
    element.channel = send != nullptr ? send->channel : nullptr;
    elements_.push_back(element);
  }

  // A WAITTIL is decoded as the reception of the first message it awaits, on the first channel
  // that message is polled on.
  void add_waittil(const Entry* entry) {
    const auto* waittil = record_if<sema::WaittilRecord>(entry);
    ProbeElement element;
    element.entry = entry;
    if (waittil != nullptr && !waittil->awaited.empty()) {
      const sema::AwaitedMessage& first = waittil->awaited.front();
      element.message = first.event_variable;
      element.type = type_of_message(first.event_variable);
      std::vector<const Entry*> channels = polled_channels(channels_, first);
      element.channel = channels.empty() ? nullptr : channels.front();
      auto found = in_force_.find(first.event_variable);
      element.definition = found != in_force_.end() ? found->second : nullptr;
    }
    elements_.push_back(element);
  }

  ChannelMap channels_;
  std::unordered_map<const Entry*, const Entry*> in_force_;
  std::vector<ProbeElement> elements_;
};

}  // namespace

// The macro the probe header defined for an element, or "" when it defined none.
std::string CppWriter::probe_name(const Entry* entry) const {
  auto found = context_.probe_names.find(entry);
  return found != context_.probe_names.end() ? found->second : std::string();
}

void CppWriter::write_probe_decoder() {
  ProbeTable collector(context_.model.global());
  walk_model(context_.model.global(), collector);
  const std::vector<ProbeElement> table = collector.take();
  bool custom = context_.parameters.probe_mode == 2;

  write_probe_send_test(table);
  set_runtime("qlx_ctx->qlx_quelt.qlx_runtime");
  if (custom) {
    line("void $decode (QLX_PT_CTX $ctx,QLX_T_DATE $time,QLX_T_UINT $code,QLX_T_UINT $key,void * $msg)");
  } else {
    line("void $decode (QLX_PT_CTX $ctx,QLX_T_UINT $code,QLX_T_UINT $key,void * $msg)");
  }
  open_brace();
  line("QLX_T_INT eevt=0,defmsg=0;");
  line("if ($code > QLX_TDC_LAST_ID)");
  line("qlx_set_selector(qlx_ctx,$code,*((QLX_PT_UINT) $msg));");
  line("else");
  open_brace();
  if (custom) line("$set_time($ctx,$time);");
  line("if ($probe_is_send($code))");
  line("$.$send($code,\"\");");
  line("else");
  open_brace();
  line("$.$waittil($code);");
  write_probe_receptions(table);
  close_brace();
  write_probe_dumps(table);
  line("if ($probe_is_send($code))");
  line("$.$endsend(0,$code+QLX_TDC_END_SEND);");
  line("else");
  open_brace();
  line("$.$endevt(eevt);");
  line("$.$def_msg(defmsg);");
  line("$.$endwaittil(0, $code+QLX_TDC_END_RECV,\"\");");
  close_brace();
  close_brace();
  close_brace();
  set_runtime("qlx_runtime");
}

// Whether a code is a SEND's.
void CppWriter::write_probe_send_test(const std::vector<ProbeElement>& table) {
  line("static QLX_T_INT $probe_is_send (QLX_T_UINT $code)");
  open_brace();
  line("switch($code)");
  open_brace();
  bool any = false;
  for (const ProbeElement& element : table) {
    std::string name = element.send ? probe_name(element.entry) : std::string();
    if (name.empty()) continue;
    line("case " + name + ":");
    any = true;
  }
  if (any) line("return 1;");
  close_brace();
  line("return 0;");
  close_brace();
}

// The event of each WAITTIL: the message's end record, its definition in force, the event on
// the channel. What the header does not name (a message without values, no definition, no
// channel) is 0.
void CppWriter::write_probe_receptions(const std::vector<ProbeElement>& table) {
  line("switch($code)");
  open_brace();
  for (const ProbeElement& element : table) {
    std::string name = element.send ? std::string() : probe_name(element.entry);
    if (name.empty()) continue;
    bool values = message_has_values(element.message);
    std::string definition = probe_name(element.definition);
    line("case " + name + ":");
    line("eevt=" + (values ? "QLX_TDC_EEVT_" + element.message->name : std::string("0")) + ";");
    line("defmsg=" + (definition.empty() ? std::string("0") : definition) + ";");
    line("$.$evt(" + (values ? "QLX_TDC_EVT_" + element.message->name : std::string("0")) + "," +
         (element.channel != nullptr ? "QLX_TDC_CH_" + element.channel->name : std::string("0")) + ",0,\" \");");
    line("break;");
  }
  close_brace();
}

// The dump of the message, one group of codes per message type with values, in the order the
// types first appear.
void CppWriter::write_probe_dumps(const std::vector<ProbeElement>& table) {
  std::vector<const Entry*> types;
  std::unordered_map<const Entry*, std::vector<std::string>> codes;
  for (const ProbeElement& element : table) {
    std::string name = probe_name(element.entry);
    if (name.empty() || element.type == nullptr || message_values(element.type).empty()) continue;
    auto& list = codes[element.type];
    if (list.empty()) types.push_back(element.type);
    list.push_back(name);
  }
  line("switch($code)");
  open_brace();
  for (const Entry* type : types) {
    for (const std::string& name : codes[type]) line("case " + name + ":");
    line("$ctx->$quelt.$" + type->name + "_dump_msg(*((" + type->name + " *)$msg));");
    line("break;");
  }
  close_brace();
}

}  // namespace gen
