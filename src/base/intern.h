// The string-identifier table: one stored copy per distinct text, compared by pointer.
#pragma once
#include <string_view>

namespace base {

// The stored copy of `text` (stable for the whole run), or null for an empty text.
const char* intern(std::string_view text);
// `stored`, or the table's empty string when `stored` is null.
const char* intern_or_empty(const char* stored);
// Character-wise comparison; a null `a` compares as smaller. <0, 0, >0 like strcmp.
int compare_identifiers(const char* a, const char* b);
// Empties the table (tests only: every pointer handed out before becomes invalid).
void reset_intern_table();

}  // namespace base
