// The probe header of PROBE mode: `#define` lines that name the element numbers of the TDC file,
// so that application code instrumented with the probe macros reports the same numbers as a
// generated driver. The TDC writer starts it and writes it along its walk; the probe decoder adds
// its declarations later and close_probe_header ends it. Outside PROBE mode nothing is written.
#pragma once
#include <string>
#include <string_view>

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
  void scenario_start(bool leaf, int number);
  void scenario_end(bool leaf, int number);
  void send(std::string_view message, std::string_view channel, int number);
  // A WAITTIL's number (QLX_TDC_LAST_ID), and the name of each message it receives.
  void waittil(int number);
  void receive(std::string_view message_type, std::string_view channel, int number);
  void message(std::string_view name, int number, int end_number);
  void definition(std::string_view name, int number);
  void channel(std::string_view name, int number);
  void rendezvous(std::string_view name, int number);
  // QLX_TDC_LAST_SEND and QLX_TDC_LAST_ID; the header stays open for the probe decoder.
  void finish();

 private:
  void define(std::string_view name, long value);
  GenOutput* out_ = nullptr;
  int last_send_ = 0;
  int last_receive_ = 0;
};

// Ends the probe header ("\n#endif\n") and closes it; nothing when no header is open.
void close_probe_header(GenContext& context);

}  // namespace gen
