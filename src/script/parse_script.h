// Entry of the script front end: reads and parses the script and its included files.
#pragma once
#include <string>
#include <vector>

#include "script/source_files.h"
#include "script/syntax_tree.h"

namespace script {

struct ParseResult {
  // The script root (43), or null when the parse stopped before the top rule was reduced.
  SyntaxNode* root = nullptr;
  // Every file read, newest first. The tree's file names point into these records: keep them
  // until the tree is released.
  SourceFileList files;
  // Bit 0: COMMTYPE was read; bit 1: TRIGGER was read.
  int script_flags = 0;
};

// Reads `script_name` (file 1) with the INCLUDE search path `include_directories` (the -INCL
// list, in order); COMMENT lines build nodes when `comments` is true. Syntax errors are counted
// errors (diag::error_count()); an unreadable script is fatal "FICNOTOPN". A non-empty scenario
// level is wrapped in the unnamed root scenario.
ParseResult parse_script(const std::string& script_name, const std::vector<std::string>& include_directories,
                         bool comments);

// The same for a script whose contents are already in memory (`name` names it in messages).
ParseResult parse_script_text(const std::string& name, std::string bytes,
                              const std::vector<std::string>& include_directories, bool comments);

// Frees the source file records.
void release_files(SourceFileList& files);

}  // namespace script
