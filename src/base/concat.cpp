#include "base/concat.h"

#include <cstring>
#include <functional>

#include "base/checked.h"

namespace base {

namespace {


// True when `text` points into the characters (or the terminator) of `destination`.
bool points_into(const std::string& destination, const char* text) {
  std::less_equal<const char*> at_most;
  return at_most(destination.data(), text) && at_most(text, destination.data() + destination.size());
}

// Appends `texts` (null entries are skipped) while the total stays within concat_limit.
void append_bounded(std::string& destination, std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    if (text == nullptr) continue;
    if (destination.size() >= concat_limit) return;
    std::size_t room = concat_limit - destination.size();
    destination.append(text, strnlen(text, room));
  }
}

}  // namespace

void concat_into(std::string* destination, std::initializer_list<const char*> texts) {
  if (destination == nullptr) internal_fault(InternalFault::ConcatNullDestination);
  for (const char* text : texts) {
    if (text != nullptr && points_into(*destination, text)) internal_fault(InternalFault::ConcatOverlap);
  }
  append_bounded(*destination, texts);
}

std::string concat_new(std::initializer_list<const char*> texts) {
  std::string result;
  append_bounded(result, texts);
  return result;
}

}  // namespace base
