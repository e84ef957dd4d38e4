// libFuzzer target: the declaration analyser over arbitrary text (as if it were preprocessed
// header text), then the same text as a type name. Messages are counted, not echoed; the
// analyser reports no fatal message, so every input must end normally. Each input gets a fresh
// analysis (its names included).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "diag/report.h"
#include "iface/cparse/c_declarations.h"
#include "iface/cparse/c_type_from_text.h"
#include "iface/dict/dictionary.h"
#include "iface/query/analysis_context.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static iface::Analysis analysis;
  iface::use_analysis(&analysis);
  diag::reset_reporting();
  diag::open_listing("", false);
  analysis.reset();
  iface::DeclarationAnalyser& analyser = analysis.analyser();
  std::string_view text(reinterpret_cast<const char*>(data), size);
  iface::analyse_declarations(analyser, text, nullptr, "fuzz.h", 1);
  // Again, over what the first pass recorded: redeclarations and type names now known.
  iface::analyse_declarations(analyser, text, nullptr, "fuzz.h", 1);
  iface::type_from_text(analyser, text, nullptr, "fuzz.h", 1);
  return 0;
}
