// The life cycle of the interface analysis and its text services: begin (the analysis in use
// reset, its preprocessor started, the definitions file loaded), loading interface files, end;
// preprocessing and normalising C fragments of the script; declaring C text into a scope. Every
// service works on the analysis in use (analysis_context.h).
//
// Scopes are given by name: "" is the global scope, a C++ qualified name ("N::C") is the
// registered namespace or class, and any other name is a scope of the script side ("A.B",
// "A.B@init"), made on first use as a namespace enclosed by the scope its name extends ("A.B@init"
// in "A.B", "A.B" in "A", "A" at file level), so that a lookup from it falls back outwards.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "iface/query/analysis_context.h"

namespace iface {

// Resets the analysis in use (Analysis::reset), records the restriction, starts the preprocessor
// with the include directories and definitions, then loads the definitions file when one is given.
void anc_begin(int restriction, const std::vector<std::string>& include_dirs,
               const std::vector<std::string>& defines, std::string_view definitions_file);
// Preprocesses `#include "<file>"` and declares the result in the global scope. Messages are
// reported at the header's own positions.
void anc_load_interface_file(std::string_view file);
// Ends the preprocessor: "UNTERCOND" for each conditional still open, user macros removed.
void anc_end();

// Runs the preprocessor over `text` (a level named `label` starting at `line`); `out` receives
// the expanded text. 0, or 1 when the call reported an error or a warning.
int anc_preprocess(std::string_view text, std::string_view label, int line, std::string& out);
// In place: drops the lines whose "#" is followed by "line", replaces the newline after any other
// "#" by a blank, keeps string and character literals unchanged, trims blanks at both ends.
void anc_normalise(std::string& text);
// Parses the declarations of `text` and records them in `scope`.
void anc_declare(std::string_view text, std::string_view scope, std::string_view file, int line);

// The descriptor of the scope named `scope` (null for the global scope); script scopes are made
// on first use.
TypeDescriptor* anc_scope(std::string_view scope);

}  // namespace iface
