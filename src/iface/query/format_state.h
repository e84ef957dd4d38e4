// The FORMAT overrides in force: what format.cpp changes and the analysis context empties. Kept
// apart from format.h so that the context can hold the record without the FORMAT services.
#pragma once
#include <vector>

#include "iface/dict/type_descriptor.h"

namespace iface {

// One FORMAT: the type slot it repointed, at the script nesting level of the FORMAT.
struct FormatOverride {
  int level = 0;
  TypeDescriptor** slot = nullptr;
  TypeDescriptor* new_type = nullptr;
  TypeDescriptor* previous_type = nullptr;  // the slot's type when the override was made
};

// The overrides in force, oldest first. Emptied when the analysis is reset (the dictionary they
// point into is emptied too).
struct FormatState {
  std::vector<FormatOverride> overrides;
};

}  // namespace iface
