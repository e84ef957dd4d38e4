// Fuzz target: reads and parses arbitrary bytes as a script, then frees the tree.
// Inputs that would end the run on purpose (INCLUDE of files, the VIRTUAL keywords whose misuse
// is an internal error, tokens beyond the length limit) are skipped: they exit the process.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "diag/report.h"
#include "script/parse_script.h"
#include "script/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > script::token_text_limit) return 0;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string_view text(bytes);
  if (text.find("INCLUDE") != std::string_view::npos || text.find("VIRTUAL") != std::string_view::npos) return 0;
  diag::open_listing("", false);  // no console output
  script::ParseResult result = script::parse_script_text("fuzz.pts", std::move(bytes), {}, true);
  script::release_tree(result.root);
  return 0;
}
