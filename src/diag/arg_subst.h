// The placeholder rules of message texts.
#pragma once
#include <string>
#include <string_view>

namespace diag {

// Replaces every occurrence of the lowest-numbered placeholder %1..%99 still present in `text`
// by `value` (the toolkit's arg rule); `text` is unchanged when none is left.
std::string arg(std::string_view text, std::string_view value);
// Removes every "%1", then every "%2", then every "%3".
void remove_leftover_placeholders(std::string& line);

}  // namespace diag
