#include "gen/tdc/probe_header.h"

#include <algorithm>
#include <string>
#include <utility>

namespace gen {

namespace {

std::string joined_name(std::string_view prefix, std::string_view type, std::string_view message,
                        std::string_view channel) {
  std::string name(prefix);
  name += type;
  name += '_';
  name += message;
  name += '_';
  name += channel;
  return name;
}

}  // namespace

ProbeHeader::ProbeHeader(GenContext& context, const std::string& name) {
  if (context.parameters.probe_mode == 0) return;
  out_ = &context.probe_header;
  names_ = &context.probe_names;
  gen_open(context.outputs, *out_, name);
  gen_line(*out_, "#ifndef QLX_PROBE_H");
  gen_line(*out_, "#define QLX_PROBE_H");
  gen_line(*out_, "");
  gen_line(*out_, "#define QLX_TDC_END_SEND 1");
  gen_line(*out_, "#define QLX_TDC_END_RECV 2");
  gen_line(*out_, "");
}

std::string ProbeHeader::define(std::string name, long value) {
  if (out_ == nullptr) return name;
  while (!defined_.insert(name).second) name += '_' + std::to_string(value);
  gen_define(*out_, name, std::to_string(value));
  return name;
}

void ProbeHeader::name_element(const sema::Entry* entry, std::string name) {
  if (names_ != nullptr && entry != nullptr) names_->emplace(entry, std::move(name));
}

void ProbeHeader::run_identifier(std::string_view text) {
  if (out_ == nullptr) return;
  std::string value = "\"";
  value += text;
  value += '"';
  gen_define(*out_, "QLX_TDC_gen", value);
}

void ProbeHeader::scenario_start(const sema::Entry* scenario, bool leaf, int number) {
  name_element(scenario, define(leaf ? "QLX_TDC_Sscn" : "QLX_TDC_Spts", number));
}

void ProbeHeader::scenario_end(bool leaf, int number) { define(leaf ? "QLX_TDC_Escn" : "QLX_TDC_Epts", number); }

void ProbeHeader::send(const sema::Entry* send, std::string_view type, std::string_view message,
                       std::string_view channel, int number) {
  last_send_ = std::max(last_send_, number);
  name_element(send, define(joined_name("QLX_TDC_SEND_", type, message, channel), number));
}

void ProbeHeader::waittil(int number) { last_receive_ = std::max(last_receive_, number); }

void ProbeHeader::receive(const sema::Entry* waittil, std::string_view type, std::string_view message,
                          std::string_view channel, int number) {
  name_element(waittil, define(joined_name("QLX_TDC_RECV_", type, message, channel), number));
}

void ProbeHeader::message(std::string_view name, int number, int end_number) {
  define("QLX_TDC_EVT_" + std::string(name), number);
  define("QLX_TDC_EEVT_" + std::string(name), end_number);
}

void ProbeHeader::definition(const sema::Entry* definition, std::string_view name, int number) {
  name_element(definition, define("QLX_TDC_DEFM_" + std::string(name), number));
}

void ProbeHeader::channel(std::string_view name, int number) { define("QLX_TDC_CH_" + std::string(name), number); }

void ProbeHeader::rendezvous(std::string_view name, int number) { define("QLX_TDC_RDV_" + std::string(name), number); }

void ProbeHeader::finish() {
  define("QLX_TDC_LAST_SEND", last_send_);
  define("QLX_TDC_LAST_ID", std::max(last_send_, last_receive_));
}

void close_probe_header(GenContext& context) {
  GenOutput& header = context.probe_header;
  if (header.file == nullptr) return;
  gen_line(header, "");
  gen_line(header, "#endif");
  gen_close(header);
}

}  // namespace gen
