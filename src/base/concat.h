// Bounded concatenation: results never exceed 24576 characters.
#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>

namespace base {

inline constexpr std::size_t concat_limit = 24576;

// Appends `texts` to `*destination` up to concat_limit characters in all (a destination already
// longer is left as it is; null texts are skipped). A null destination is the internal fault
// ConcatNullDestination, a text that points into the destination's own buffer ConcatOverlap.
void concat_into(std::string* destination, std::initializer_list<const char*> texts);
// A new text holding the concatenation, limited the same way.
std::string concat_new(std::initializer_list<const char*> texts);

}  // namespace base
