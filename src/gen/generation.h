// The generation record: what the generators of one run share. The driver fills it once, after
// the semantic analysis, and hands it to the TDC writer, the TSF writer and (later) the C++
// writer in that order; the writers put the element and trace numbers back into the model for the
// writers after them. Nothing of it is static.
#pragma once
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "gen/output.h"
#include "gen/output_set.h"
#include "gen/run_identifier.h"
#include "sema/model/model.h"

namespace gen {

// One script source file as the generators see it (the driver copies the script reader's
// records, newest first). The "two numbers" of a file are its size and the CRC of its bytes as
// read; the "two further numbers" are its file entry's CRC and identity key.
struct ScriptFile {
  std::string name;          // as opened
  int ordinal = 0;           // its file-table number, from 1: the location field of the records
  long size = 0;             // the two numbers
  long crc = 0;
  long entry_crc = 0;        // the two further numbers
  long identity_key = 0;
  std::string directory;     // absolute: the working directory joined with the name's directory
  std::string base_name;     // the name without its directory
};

// The options and names the generators take from the run.
struct GenParameters {
  std::string script;                        // the script's name (with its extension)
  std::string command_line;                  // the effective command line
  std::vector<ScriptFile> files;             // every file read, newest first
  std::optional<std::string> instance_name;  // -INSTANCE, dropped by the driver in mode 3
  int instance_mode = 0;                     // 0 to 3, as the analysis found it
  int trace_level = 0;                       // -TRACE: 0, 5, 10, 20 or 50
  int probe_mode = 0;                        // -PROBE: 0 none, 1 DEFAULT, 2 CUSTOM
};

struct GenContext {
  sema::Model& model;
  const GenParameters& parameters;
  const RunIdentifier& run;
  OutputSet& outputs;
  // PROBE mode: the probe header, opened by the TDC writer and left open for the C++ writer,
  // which adds the probe decoder's declarations; close_probe_header (tdc/probe_header.h)
  // ends it.
  GenOutput probe_header;
  // PROBE mode: the macro the probe header defined for an element's number (a SEND, a WAITTIL's
  // first receive, a message definition, a scenario's start), for the decoder to name it by.
  std::unordered_map<const sema::Entry*, std::string> probe_names;
};

}  // namespace gen
