// Scenario selection by the command line: the family test (-FAMILY, -EXFAMILY) and the scenario
// test on full names (-SCN, -EXSCN). Pure functions of the names and the lists.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace sema {

// The family test of a scenario with a FAMILY clause naming `families`: with a -FAMILY list, it
// passes when one of the families is in that list; otherwise, with an -EXFAMILY list, it passes
// unless one of them is in that list; with neither list, it passes.
bool passes_family_test(const std::vector<std::string_view>& families, const std::vector<std::string>& wanted,
                        const std::vector<std::string>& excluded);

// The scenario test on a full name ("login.wrong_password"; the root scenario's is empty and
// always passes). With a -SCN list, a name passes when it is a listed name, lies below one
// ("A.B" for "A") or above one ("A" for "A.B"): the selected scenarios, everything inside them and
// the scenarios that lead to them. Otherwise, with an -EXSCN list, a listed name and everything
// below it fail. With neither list, every name passes.
bool passes_scenario_test(std::string_view full_name, const std::vector<std::string>& wanted,
                          const std::vector<std::string>& excluded);

// Whether `name` and `listed` agree up to the shorter one's length and the longer one continues
// there with '.' (or both have that length).
bool on_one_path(std::string_view name, std::string_view listed);

}  // namespace sema
