#include "gen/output_set.h"

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

#include "base/checked.h"
#include "base/names.h"
#include "diag/report.h"

namespace gen {

namespace {

void discard_set(void* set) { static_cast<OutputSet*>(set)->discard(); }

// "<directory>/.<file name>.XXXXXX": beside the target, so that the final rename stays within one
// file system, and hidden, so that a listing of the directory does not show it as an output.
std::string temporary_template(const std::string& name) {
  return base::join_path(base::directory_of(name), "." + base::file_name_of(name) + ".XXXXXX");
}

}  // namespace

OutputSet::OutputSet() { base::set_exit_cleanup(discard_set, this); }

OutputSet::~OutputSet() {
  discard();
  base::set_exit_cleanup(nullptr, nullptr);
}

std::FILE* OutputSet::create(const std::string& name) {
  std::string temporary = temporary_template(name);
  int descriptor = ::mkstemp(temporary.data());
  std::FILE* file = descriptor >= 0 ? ::fdopen(descriptor, "w") : nullptr;
  if (file == nullptr) {
    if (descriptor >= 0) {
      ::close(descriptor);
      ::unlink(temporary.c_str());
    }
    diag::report_fatal(diag::Code::FICERROPN, name);
  }
  // mkstemp creates the file readable by its owner only; an output gets the usual mode.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(descriptor, 0666 & ~mask);
  // Outputs run to hundreds of megabytes for large scripts: write them in large blocks.
  std::setvbuf(file, nullptr, _IOFBF, 1 << 20);
  pending_.push_back(Pending{name, std::move(temporary), file});
  return file;
}

void OutputSet::close(std::FILE* file) {
  for (Pending& pending : pending_) {
    if (pending.file != file) continue;
    pending.file = nullptr;
    base::checked_close(file);
    return;
  }
}

// A name that a rename cannot replace (a directory of that name) is found before any file takes
// its name, so that the run leaves all of its files or none.
void OutputSet::check_targets() const {
  for (const Pending& pending : pending_) {
    struct stat status {};
    if (::stat(pending.name.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
      diag::report_fatal(diag::Code::FICERROPN, pending.name);
    }
  }
}

void OutputSet::commit() {
  for (Pending& pending : pending_) {
    if (pending.file != nullptr) close(pending.file);
  }
  check_targets();
  for (Pending& pending : pending_) {
    if (std::rename(pending.temporary.c_str(), pending.name.c_str()) != 0) {
      diag::report_fatal(diag::Code::FICERROPN, pending.name);
    }
    pending.temporary.clear();
  }
  pending_.clear();
}

void OutputSet::discard() {
  for (Pending& pending : pending_) {
    if (pending.file != nullptr) std::fclose(pending.file);
    pending.file = nullptr;
    if (!pending.temporary.empty()) ::unlink(pending.temporary.c_str());
  }
  pending_.clear();
}

std::vector<std::string> OutputSet::temporary_names() const {
  std::vector<std::string> names;
  for (const Pending& pending : pending_) names.push_back(pending.temporary);
  return names;
}

}  // namespace gen
