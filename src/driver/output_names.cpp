#include "driver/output_names.h"

#include "base/names.h"

namespace driver {

namespace {

// `given` as is when it has an extension, else with the default one.
std::string with_default_extension(const std::string& given, const char* default_ext, const char* variable) {
  std::string name = given;
  std::string ext = base::split_extension(name);
  if (!ext.empty()) return given;
  base::append_default_extension(name, default_ext, variable);
  return name;
}

// `name` without its extension, then the default extension.
std::string replace_extension(const std::string& given, const char* suffix, const char* default_ext,
                              const char* variable) {
  std::string name = given;
  base::split_extension(name);
  name += suffix;
  base::append_default_extension(name, default_ext, variable);
  return name;
}

}  // namespace

std::string script_file_name(const std::string& given) { return with_default_extension(given, "pts", "QMK_PTS"); }
std::string listing_file_name(const std::string& script) { return replace_extension(script, "", "lis", "QMK_LIS"); }

std::string spg_file_name(const std::string& script) {
  std::string name = script;
  base::split_extension(name);
  return name + ".spg";
}

std::string definitions_file_name(const std::string& given) {
  return with_default_extension(given, "def", "QMK_DEF");
}

std::string tdc_file_name(const std::string& root) { return replace_extension(root, "", "tdc", "QMK_TDC"); }
std::string header_file_name(const std::string& root) { return replace_extension(root, "", "h", "QMK_H"); }
std::string tsf_file_name(const std::string& root) { return replace_extension(root, "_dyn", "tsf", "QMK_TSF"); }
std::string report_file_name(const std::string& root) { return replace_extension(root, "", "rio", "QMK_RIO"); }
std::string source_file_name(const std::string& root) { return with_default_extension(root, "cc", "QMK_SRC"); }

std::string thread_routine_name(const std::string& option_value, const std::string& root) {
  if (option_value != "<start>") return option_value;
  std::string name = base::file_name_of(root);
  base::split_extension(name);
  return name + "_start";
}

}  // namespace driver
