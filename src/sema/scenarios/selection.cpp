#include "sema/scenarios/selection.h"

#include <algorithm>

namespace sema {

namespace {

bool listed(std::string_view name, const std::vector<std::string>& list) {
  return std::any_of(list.begin(), list.end(), [name](const std::string& item) { return item == name; });
}

bool any_listed(const std::vector<std::string_view>& names, const std::vector<std::string>& list) {
  return std::any_of(names.begin(), names.end(), [&list](std::string_view name) { return listed(name, list); });
}

// `name` is `prefix` or lies below it ("A.B.C" below "A.B").
bool at_or_below(std::string_view name, std::string_view prefix) {
  if (name.substr(0, prefix.size()) != prefix) return false;
  return name.size() == prefix.size() || name[prefix.size()] == '.';
}

}  // namespace

bool passes_family_test(const std::vector<std::string_view>& families, const std::vector<std::string>& wanted,
                        const std::vector<std::string>& excluded) {
  if (!wanted.empty()) return any_listed(families, wanted);
  if (!excluded.empty()) return !any_listed(families, excluded);
  return true;
}

bool on_one_path(std::string_view name, std::string_view listed_name) {
  return name.size() >= listed_name.size() ? at_or_below(name, listed_name) : at_or_below(listed_name, name);
}

bool passes_scenario_test(std::string_view full_name, const std::vector<std::string>& wanted,
                          const std::vector<std::string>& excluded) {
  if (full_name.empty()) return true;
  if (!wanted.empty()) {
    return std::any_of(wanted.begin(), wanted.end(),
                       [full_name](const std::string& item) { return on_one_path(full_name, item); });
  }
  return std::none_of(excluded.begin(), excluded.end(),
                      [full_name](const std::string& item) { return at_or_below(full_name, item); });
}

}  // namespace sema
