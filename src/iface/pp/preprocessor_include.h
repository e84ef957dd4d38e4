// The include directory chain and the file search of #include / #include_next.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace iface::pp {

struct IncludeChain {
  std::vector<std::string> dirs;
  std::size_t pragma_start = 0;  // dirs from here on were added by "incl_std"
  std::size_t longest = 0;       // length of the longest entry

  void add(std::string dir);
  void drop_pragma_dirs();
};

// The -INCL directories in order; then $QMKTGT/lib (else $QLXTGT/lib); then, when
// QMW_ADD_USR_INCLUDE is set, /usr/include and /usr/local/include.
IncludeChain build_include_chain(const std::vector<std::string>& incl);

// A loaded source: cleaned text with its name and the chain index it was found through.
struct SourceFile {
  std::string path;
  int dir_index = -1;        // -1: found as written or beside the including file
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
};

// Reads a whole file and cleans it (see clean_source). False when it cannot be opened.
bool load_source(const std::string& path, SourceFile& out);

// Searches `name`: as written (unless `from_dir` >= 0, the include_next case), then the
// chain from `from_dir` (0 when negative), then, for a quoted name, `includer_dir`.
bool find_include(const IncludeChain& chain, std::string_view name, bool quoted, int from_dir,
                  std::string_view includer_dir, SourceFile& out);

// dir + "/" + name; backslashes in the name become slashes (the host's separator).
std::string join_for_open(std::string_view dir, std::string_view name);

}  // namespace iface::pp
