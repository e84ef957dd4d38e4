// The C preprocessor of the interface analysis. One instance per analysis (see
// query/analysis_context.h), shared by file mode (interface files, through the text
// `#include "<file>"`) and string mode (the C fragments of the script), so that macros of the
// interface files reach every fragment.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "diag/report.h"

namespace iface {

struct PreprocessorStart {
  bool ansi = false;
  bool kr = false;                        // K&R: no "__STDC__"
  std::vector<std::string> include_dirs;  // -INCL, in order
  std::vector<std::string> defines;       // -DEFINE items: NAME or NAME=VALUE
  // Guards against runaway input: the text one source token may expand to (macros that double
  // at each level; past it the internal error "NBRECURSI"), and the output of one preprocessing
  // call (an interface file that includes too much; past it the fatal error "PPOUTSIZE" with the
  // limit). Either way the expansion (or the call) is not done. Real headers stay far below
  // both: the whole C++ standard library preprocesses to a few megabytes.
  std::size_t expansion_limit = std::size_t{32} << 20;
  std::size_t output_limit = std::size_t{64} << 20;
};

// Receives every message of the preprocessor with its position. The default sets the
// reporting service's current position and calls report_here.
using PreprocessorReportHook = void (*)(diag::MessageKind kind, diag::Code code, std::string_view argument,
                                        std::string_view file, int line);

namespace pp {
class Engine;
}

class Preprocessor {
 public:
  Preprocessor();
  ~Preprocessor();
  Preprocessor(const Preprocessor&) = delete;
  Preprocessor& operator=(const Preprocessor&) = delete;

  // Null: the default. Taken by the next start() (or by the first use without a start) and
  // kept by later starts; reset() puts the default back.
  void set_report_hook(PreprocessorReportHook hook);

  // Builds the include chain, defines "QLX_WIN32", "USE_QMK", "QLX_CPLUSPLUS_LANGUAGE",
  // installs the special symbols and defines the -DEFINE items. A previous state is discarded.
  // Without a start, the first call starts with the default settings.
  void start(const PreprocessorStart& start);

  // File mode: `text` (such as `#include "x.h"`) is read as an unnamed level; the analysis
  // switch applies to the files it includes. The output is appended to `out`.
  // Returns 0, or 1 when the call reported an error or a warning.
  int run_file_text(std::string_view text, std::string& out);
  // String mode: `text` is a level named `label` starting at `line`; never skipped.
  int run_string(std::string_view text, std::string_view label, int line, std::string& out);

  // Reports "UNTERCOND" for each open conditional, removes every user macro and the
  // directories added by pragmas.
  void end();

  // Queries for the declaration analyser and the tests.
  bool is_macro(std::string_view name);
  bool analysis_on();

  // Forgets everything, the report hook included: as a new preprocessor.
  void reset();

 private:
  pp::Engine& engine();

  std::unique_ptr<pp::Engine> engine_;
  PreprocessorReportHook hook_ = nullptr;
};

}  // namespace iface
