// The names of the script, the listing and every generated file.
#pragma once
#include <string>

namespace driver {

// The script as given when it has an extension, else with "pts" (or $QMK_PTS).
std::string script_file_name(const std::string& given);
// Beside the script: its name without extension + "lis" (or $QMK_LIS).
std::string listing_file_name(const std::string& script);
// Beside the script: its name without extension + ".spg".
std::string spg_file_name(const std::string& script);
// The definitions file as given when it has an extension, else with "def" (or $QMK_DEF).
std::string definitions_file_name(const std::string& given);

// Files named after the root (its directory kept).
std::string tdc_file_name(const std::string& root);     // "tdc" / $QMK_TDC
std::string header_file_name(const std::string& root);  // "h" / $QMK_H
std::string tsf_file_name(const std::string& root);     // root + "_dyn", "tsf" / $QMK_TSF
std::string report_file_name(const std::string& root);  // "rio" / $QMK_RIO
std::string source_file_name(const std::string& root);  // as given with an extension, else "cc" / $QMK_SRC

// The thread routine: "<main>" and names stay; "<start>" becomes "<root file name>_start".
std::string thread_routine_name(const std::string& option_value, const std::string& root);

}  // namespace driver
