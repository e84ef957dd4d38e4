// File-name helpers. Both '/' and '\' separate path components; a path is absolute when it
// starts with a separator or has a drive letter ("c:..."). Names joined to open a file use '/'.
#pragma once
#include <string>
#include <string_view>

namespace base {

bool is_separator(char c);
bool is_absolute_path(std::string_view path);

// Scans `name` backwards; at a '.' found before any separator, returns the text after it and
// cuts `name` at the '.'; otherwise returns "" and leaves `name` unchanged. The scan includes the
// first character, so ".pts" becomes "" with the extension "pts".
std::string split_extension(std::string& name);
// Appends "." and `ext`.
void append_extension(std::string& name, std::string_view ext);
// Appends "." and the value of `variable` when it is set and not empty, else `default_ext`.
void append_default_extension(std::string& name, std::string_view default_ext, const char* variable);

// The last component of `path` (no directory).
std::string file_name_of(std::string_view path);
// The directory part of `path`: "" for an empty path, "." when there is no directory part.
std::string directory_of(std::string_view path);
// `name` when absolute, `directory` when `name` is empty, else directory + '/' + name (no '/' is
// added after a directory that already ends with a separator, nor to an empty directory).
std::string join_path(std::string_view directory, std::string_view name);
// first + '\' + second (a text written into generated files).
std::string path_join(std::string_view first, std::string_view second);
// The "..\" steps and remaining part that lead from `from_directory` to `to_directory`, both taken
// as ending with a separator: "\a\b\" to "\a\c\" is "..\c\". The steps are always written with '\'
// (a text for generated files); the remaining part keeps its own separators. Another root or
// drive cannot be reached by steps: the absolute `to_directory` (with its separator) is returned.
std::string relative_path(std::string_view from_directory, std::string_view to_directory);

// The variable's value, or "" when unset.
std::string environment_value(const char* name);
// The local time in ctime form without the trailing newline (24 characters).
std::string current_date_text();

}  // namespace base
