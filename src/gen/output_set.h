// Whole or absent: the files one run generates (TDC file, probe header, TSF template, C++ driver,
// SPG file) are written under temporary names in their target directories and take their own
// names only when every generator of the run has finished. A run that ends early (a fatal or
// internal error, a write error) removes its temporary files; a file of the same name from an
// earlier run is never touched before the end.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace gen {

class OutputSet {
 public:
  // The set becomes the one an early end of the run cleans up.
  OutputSet();
  // Removes the temporary files that were not committed.
  ~OutputSet();
  OutputSet(const OutputSet&) = delete;
  OutputSet& operator=(const OutputSet&) = delete;

  // Creates the temporary file of `name` in `name`'s directory (".<file name>.XXXXXX") and
  // returns it open for writing. "FICERROPN" with `name` (fatal) when it cannot be created.
  std::FILE* create(const std::string& name);
  // Closes a file made by `create`. A write that failed on the way, or while closing, ends the
  // run ("fclose"), which removes every temporary file of the set.
  void close(std::FILE* file);
  // Closes the files still open and gives every file its name, in the order they were created.
  // "FICERROPN" with the name (fatal) when a name is taken by a directory (found before any file
  // is renamed) or when a rename fails.
  void commit();
  // Removes every temporary file (open ones are closed first).
  void discard();

  // The temporary names of the files not yet committed (tests).
  std::vector<std::string> temporary_names() const;

 private:
  void check_targets() const;

  struct Pending {
    std::string name;
    std::string temporary;
    std::FILE* file = nullptr;
  };
  std::vector<Pending> pending_;
};

}  // namespace gen
