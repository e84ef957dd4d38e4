// libFuzzer target: string mode of the preprocessor over arbitrary bytes. Messages are
// counted, not printed, and fatal or internal ones do not end the process, so every input
// must end with ordinary output.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "iface/pp/preprocessor.h"

namespace {

void quiet(diag::MessageKind, diag::Code, std::string_view, std::string_view, int) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static iface::Preprocessor preprocessor;
  preprocessor.set_report_hook(quiet);
  iface::PreprocessorStart start;
  start.defines = {"FUZZ=1"};
  start.expansion_limit = std::size_t{1} << 20;
  start.output_limit = std::size_t{4} << 20;
  preprocessor.start(start);
  std::string out;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  preprocessor.run_string(text, "fuzz.pts", 1, out);
  // The same text again: macros of the first call are visible to the second.
  out.clear();
  preprocessor.run_string(text, "fuzz.pts", 2, out);
  preprocessor.end();
  return 0;
}
