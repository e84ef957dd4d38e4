// The probe header of PROBE mode: `#define` lines that name the element numbers of the TDC file,
// so that application code instrumented with the probe macros reports the same numbers as a
// generated driver. The TDC writer starts it and writes it along its walk; the probe decoder adds
// its declarations later and close_probe_header ends it. Outside PROBE mode nothing is written.
//
// Every macro is defined once: an element whose name is already taken (a second leaf scenario,
// a second SEND of one message on one channel, a second definition of one message, ...) gets its
// number appended ("QLX_TDC_Sscn_12"), as often as needed. The name each element got is kept in
// the context's probe_names for the decoder.
#pragma once
#include <string>
#include <string_view>
#include <unordered_set>

#include "gen/generation.h"

namespace gen {

class ProbeHeader {
 public:
  // In PROBE mode, opens `name` as the run's probe header (context.probe_header) and writes its
  // first lines; otherwise the header stays closed and every call below does nothing.
  ProbeHeader(GenContext& context, const std::string& name);

  bool active() const { return out_ != nullptr; }

  // "#define QLX_TDC_gen "<run identifier>""
  void run_identifier(std::string_view text);
  // A scenario's start and end numbers: QLX_TDC_Sscn/Escn for a leaf, QLX_TDC_Spts/Epts else.
  void scenario_start(const sema::Entry* scenario, bool leaf, int number);
  void scenario_end(bool leaf, int number);
  // A SEND and a receive are named the way the trace macros build their codes: the message type,
  // the message and the channel ("QLX_TDC_SEND_<type>_<message>_<channel>").
  void send(const sema::Entry* send, std::string_view type, std::string_view message, std::string_view channel,
            int number);
  // A WAITTIL's number (QLX_TDC_LAST_ID), and each message it receives on each channel; the
  // WAITTIL's first receive is the name the decoder uses.
  void waittil(int number);
  void receive(const sema::Entry* waittil, std::string_view type, std::string_view message, std::string_view channel,
               int number);
  void message(std::string_view name, int number, int end_number);
  void definition(const sema::Entry* definition, std::string_view name, int number);
  void channel(std::string_view name, int number);
  void rendezvous(std::string_view name, int number);
  // QLX_TDC_LAST_SEND and QLX_TDC_LAST_ID; the header stays open for the probe decoder.
  void finish();

 private:
  // Defines `name` (made unique with the number) and returns the name defined.
  std::string define(std::string name, long value);
  void name_element(const sema::Entry* entry, std::string name);
  GenOutput* out_ = nullptr;
  std::unordered_map<const sema::Entry*, std::string>* names_ = nullptr;
  std::unordered_set<std::string> defined_;
  int last_send_ = 0;
  int last_receive_ = 0;
};

// Ends the probe header ("\n#endif\n") and closes it; nothing when no header is open.
void close_probe_header(GenContext& context);

}  // namespace gen
