// Fuzz target: reads and parses arbitrary bytes as a script; when the parse is clean, analyses it
// against a small fixed header, with the selection options chosen from the input's first byte;
// then frees the model and the tree. Messages are counted, not echoed; each input gets a fresh
// interface analysis and fresh counters.
// Inputs that would end the run on purpose (INCLUDE of files and `#include` in native lines,
// the VIRTUAL keywords whose misuse is an internal error, tokens beyond the length limit) are
// skipped: they exit the process.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "diag/report.h"
#include "iface/query/analysis_context.h"
#include "iface/query/anc_session.h"
#include "script/parse_script.h"
#include "script/reader.h"
#include "sema/analysis.h"

namespace {

// What the scripts may refer to: a few types, variables and functions.
constexpr const char* header =
    "typedef struct { int id; char name[8]; } record_t;\n"
    "typedef int link_id_t;\n"
    "typedef unsigned long mask_t;\n"
    "extern record_t last_record;\n"
    "extern char *user_name;\n"
    "extern int counter;\n"
    "int open_link(const char *host, int port);\n";

// The run's options, from the bits of `choice`.
sema::AnalysisParameters parameters_from(unsigned char choice, int script_flags) {
  sema::AnalysisParameters parameters;
  parameters.script_flags = script_flags;
  parameters.fast = (choice & 1) != 0;
  if (choice & 2) parameters.scenarios = {"s", "a.b"};
  else if (choice & 4) parameters.excluded_scenarios = {"s"};
  if (choice & 8) parameters.families = {"f"};
  else if (choice & 16) parameters.excluded_families = {"f"};
  if (choice & 32) {
    parameters.has_instance = true;
    parameters.instance_name = (choice & 64) ? "a" : "nobody";
  }
  if (choice & 128) parameters.trace_level = 50;  // the circular trace: trace statements recorded
  return parameters;
}


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > script::token_text_limit) return 0;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string_view text(bytes);
  for (std::string_view skipped : {"INCLUDE", "VIRTUAL", "include"}) {
    if (text.find(skipped) != std::string_view::npos) return 0;
  }
  unsigned char choice = size > 0 ? data[0] : 0;
  static iface::Analysis analysis;
  iface::use_analysis(&analysis);
  diag::reset_reporting();
  diag::open_listing("", false);  // no console output
  // As in a run: the interface analysis begins, the header is loaded, then the script is read.
  iface::anc_begin(1, {}, {}, "");
  iface::anc_declare(header, "", "fuzz.h", 1);
  script::ParseResult parsed = script::parse_script_text("fuzz.pts", std::move(bytes), {}, true);
  if (parsed.root != nullptr && diag::error_count() == 0) {
    sema::AnalysisResult result =
        sema::analyse_script(parsed.root, parsed.files, parameters_from(choice, parsed.script_flags));
  }
  iface::anc_end();
  script::release_tree(parsed.root);
  script::release_files(parsed.files);
  return 0;
}
