// The TSF dynamic trace template: per script file, the trace points that a driver built with
// QMK_DYNFLW reports, so that the trace reader can show them against the script. Writing it gives
// the scenarios, blocks, SENDs, WAITTILs, inter-tester statements and rendezvous their trace
// numbers, which the C++ writer passes to the runtime.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "gen/generation.h"

namespace gen {

// Writes `tsf_name` through the context's output set. "FICERROPN" when it cannot be created,
// "SIZBUFOVL" for a line over 4095 characters.
void write_tsf(GenContext& context, const std::string& tsf_name);

// The script files that get a trace section: the first file of the list with each ordinal 1, 2,
// ..., stopping at the first ordinal that no file has. The driver notifies the same files.
std::vector<const ScriptFile*> files_by_ordinal(const std::vector<ScriptFile>& files);

// The directory of the "SO" line: escaped twice (backslashes doubled and double quotes escaped
// with a backslash, then both again), every "/" then written as two backslashes.
std::string tsf_source_directory(std::string_view directory);
// A quoted text of the template: every inner double quote doubled; ? for a missing (empty) text.
std::string tsf_quoted(std::string_view text);

}  // namespace gen
