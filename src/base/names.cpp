#include "base/names.h"

#include <cstdlib>
#include <ctime>
#include <vector>

namespace base {

namespace {

// The text of a component list: each component keeps its own trailing separator.
std::vector<std::string_view> components_of(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (is_separator(path[i])) {
      parts.push_back(path.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  if (start < path.size()) parts.push_back(path.substr(start));
  return parts;
}

// Components are equal when their characters are, '/' and '\' counting as the same separator.
bool same_component(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && !(is_separator(a[i]) && is_separator(b[i]))) return false;
  }
  return true;
}

// `directory` with a trailing separator: the one the text already uses, '\' when it has none.
std::string with_trailing_separator(std::string_view directory) {
  std::string result(directory);
  if (!result.empty() && is_separator(result.back())) return result;
  std::size_t last = result.find_last_of("/\\");
  result += last == std::string::npos ? '\\' : result[last];
  return result;
}

std::size_t last_separator(std::string_view path) { return path.find_last_of("/\\"); }

}  // namespace

bool is_separator(char c) { return c == '/' || c == '\\'; }

bool is_absolute_path(std::string_view path) {
  if (path.empty()) return false;
  return is_separator(path[0]) || (path.size() >= 2 && path[1] == ':');
}

std::string split_extension(std::string& name) {
  for (std::size_t i = name.size(); i-- > 0;) {
    if (name[i] == '.') {
      std::string ext = name.substr(i + 1);
      name.resize(i);
      return ext;
    }
    if (is_separator(name[i])) break;
  }
  return {};
}

void append_extension(std::string& name, std::string_view ext) {
  name += '.';
  name += ext;
}

void append_default_extension(std::string& name, std::string_view default_ext, const char* variable) {
  std::string value = variable == nullptr ? std::string() : environment_value(variable);
  append_extension(name, value.empty() ? default_ext : std::string_view(value));
}

std::string file_name_of(std::string_view path) {
  std::size_t last = last_separator(path);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string directory_of(std::string_view path) {
  if (path.empty()) return {};
  std::size_t last = last_separator(path);
  if (last == std::string_view::npos) return ".";
  // The root ("/x", "\x") and a drive root ("c:\x") keep their separator.
  if (last == 0 || (last == 2 && path[1] == ':')) return std::string(path.substr(0, last + 1));
  return std::string(path.substr(0, last));
}

std::string join_path(std::string_view directory, std::string_view name) {
  if (is_absolute_path(name)) return std::string(name);
  if (name.empty()) return std::string(directory);
  std::string result(directory);
  if (!result.empty() && !is_separator(result.back())) result += '/';
  result += name;
  return result;
}

std::string path_join(std::string_view first, std::string_view second) {
  std::string result(first);
  result += '\\';
  result += second;
  return result;
}

// Common leading components are skipped; each remaining component of `from_directory` gives one
// "..\" step, then the rest of `to_directory` follows. When the two do not even share their first
// component and `to_directory` is absolute (another root or drive), no chain of steps leads there:
// the absolute directory itself is the answer.
std::string relative_path(std::string_view from_directory, std::string_view to_directory) {
  std::string from = with_trailing_separator(from_directory);
  std::string to = with_trailing_separator(to_directory);
  std::vector<std::string_view> from_parts = components_of(from);
  std::vector<std::string_view> to_parts = components_of(to);
  std::size_t common = 0;
  while (common < from_parts.size() && common < to_parts.size() &&
         same_component(from_parts[common], to_parts[common])) {
    ++common;
  }
  if (common == 0 && is_absolute_path(to)) return to;
  std::string result;
  for (std::size_t i = common; i < from_parts.size(); ++i) result += "..\\";
  for (std::size_t i = common; i < to_parts.size(); ++i) result += to_parts[i];
  return result;
}

std::string environment_value(const char* name) {
  const char* value = name == nullptr ? nullptr : std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string current_date_text() {
  std::time_t now = std::time(nullptr);
  char buffer[64];
  // ctime_r: the C-locale ctime form whatever the process locale, "Www Mmm dd hh:mm:ss yyyy\n".
  if (ctime_r(&now, buffer) == nullptr) return {};
  std::string text(buffer);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace base
