// The interface analysis as one object: the intern table of its names, the type dictionary, the
// declaration analyser, the preprocessor (with its report hook), the FORMAT overrides and the
// session settings. One reset() empties all of them in the order their pointers require, so a
// process can run one analysis after another, or keep several side by side.
//
// The anc_* services work on the analysis in use: the newest one made, or the one put in use
// since with use_analysis(); with none, the process's own analysis (made on first use). Putting
// an analysis in use also puts its intern table in use for base::intern(), so that the names the
// services intern are the ones its dictionary compares by pointer and keeps. Work on an analysis
// only while it is in use: declarations made into one that is not would keep names of another
// analysis's table.
#pragma once
#include <memory>

#include "base/intern.h"
#include "iface/cparse/c_declarations.h"
#include "iface/dict/dictionary.h"
#include "iface/pp/preprocessor.h"
#include "iface/query/format_state.h"

namespace iface {

// What the run gave the analysis; `restriction` 1 = ANSI, 0 = K&R, 2 = not given.
struct AncSession {
  int restriction = 2;
};

class Analysis {
 public:
  // An empty analysis, as after reset(), put in use.
  Analysis();
  // An analysis in use stops being in use: the process's own analysis is used again.
  ~Analysis();
  // The analyser and the FORMAT overrides point into the dictionary: never copied or moved.
  Analysis(const Analysis&) = delete;
  Analysis& operator=(const Analysis&) = delete;

  // Empties the analysis: the FORMAT overrides, the session settings, the preprocessor (back to
  // its default start and report hook), the dictionary (named "QUELT", holding the built-in types
  // anew) and the analyser; then the intern table is replaced by an empty one, since nothing of
  // the analysis holds its names any more. Whatever a caller kept from before (expression trees,
  // check lists, names, descriptors) is invalid afterwards.
  void reset();

  Dictionary& dictionary() { return dictionary_; }
  DeclarationAnalyser& analyser() { return analyser_; }
  Preprocessor& preprocessor() { return preprocessor_; }
  FormatState& formats() { return formats_; }
  AncSession& session() { return session_; }

 private:
  friend Analysis* use_analysis(Analysis* analysis);

  // Declared first, so that it is destroyed last: every other member may hold its names.
  std::unique_ptr<base::InternTable> names_;
  Dictionary dictionary_;
  DeclarationAnalyser analyser_;
  Preprocessor preprocessor_;
  FormatState formats_;
  AncSession session_;
};

// Puts `analysis` (null: the process's own) and its intern table in use; gives the analysis that
// was in use (null when none was yet).
Analysis* use_analysis(Analysis* analysis);
// The analysis in use; the process's own when none was put in use.
Analysis& current_analysis();

// The parts of the analysis in use.
inline Dictionary& the_dictionary() { return current_analysis().dictionary(); }
inline DeclarationAnalyser& the_analyser() { return current_analysis().analyser(); }
inline Preprocessor& the_preprocessor() { return current_analysis().preprocessor(); }
inline FormatState& the_format_state() { return current_analysis().formats(); }
inline AncSession& the_anc_session() { return current_analysis().session(); }

}  // namespace iface
