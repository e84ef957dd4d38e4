#include "iface/pp/preprocessor_include.h"

#include <cstdio>
#include <cstdlib>

#include "base/checked.h"
#include "iface/pp/preprocessor_lexer.h"

namespace iface::pp {

void IncludeChain::add(std::string dir) {
  if (dir.size() > longest) longest = dir.size();
  dirs.push_back(std::move(dir));
}

void IncludeChain::drop_pragma_dirs() {
  if (dirs.size() > pragma_start) dirs.resize(pragma_start);
  longest = 0;
  for (const std::string& d : dirs)
    if (d.size() > longest) longest = d.size();
}

IncludeChain build_include_chain(const std::vector<std::string>& incl) {
  IncludeChain chain;
  for (const std::string& d : incl) chain.add(d);
  const char* target = std::getenv("QMKTGT");
  if (target == nullptr) target = std::getenv("QLXTGT");
  // The target's lib directory; joined with '/' so that it can be opened here.
  if (target != nullptr) chain.add(join_for_open(target, "lib"));
  if (std::getenv("QMW_ADD_USR_INCLUDE") != nullptr) {
    chain.add("/usr/include");
    chain.add("/usr/local/include");
  }
  chain.pragma_start = chain.dirs.size();
  return chain;
}

std::string join_for_open(std::string_view dir, std::string_view name) {
  std::string path;
  path.reserve(dir.size() + name.size() + 1);
  path.append(dir);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path.push_back('/');
  path.append(name);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

bool load_source(const std::string& path, SourceFile& out) {
  // Only regular files: a directory, a device (/dev/zero) or a pipe is "cannot open".
  std::FILE* f = nullptr;
  if (!base::open_regular_file(path, &f)) return false;
  std::size_t capacity = 64 * 1024;
  std::unique_ptr<char[]> data(new char[capacity]);
  std::size_t size = 0;
  for (;;) {
    if (size == capacity) {
      std::unique_ptr<char[]> bigger(new char[capacity * 2]);
      std::copy(data.get(), data.get() + size, bigger.get());
      data = std::move(bigger);
      capacity *= 2;
    }
    std::size_t n = std::fread(data.get() + size, 1, capacity - size, f);
    if (n == 0) break;
    size += n;
  }
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return false;
  out.path = path;
  out.size = clean_source(data.get(), size);
  out.data = std::move(data);
  return true;
}

namespace {

bool try_path(const std::string& path, int index, SourceFile& out) {
  if (!load_source(path, out)) return false;
  out.dir_index = index;
  return true;
}

}  // namespace

bool find_include(const IncludeChain& chain, std::string_view name, bool quoted, int from_dir,
                  std::string_view includer_dir, SourceFile& out) {
  if (name.empty()) return false;
  bool absolute = name[0] == '/' || name[0] == '\\';
  if (from_dir < 0 || absolute) {
    std::string as_written(name);
    for (char& c : as_written)
      if (c == '\\') c = '/';
    if (try_path(as_written, -1, out)) return true;
    if (absolute) return false;
  }
  std::size_t start = from_dir < 0 ? 0 : static_cast<std::size_t>(from_dir);
  for (std::size_t i = start; i < chain.dirs.size(); ++i)
    if (try_path(join_for_open(chain.dirs[i], name), static_cast<int>(i), out)) return true;
  if (quoted && !includer_dir.empty() && try_path(join_for_open(includer_dir, name), -1, out)) return true;
  return false;
}

}  // namespace iface::pp
