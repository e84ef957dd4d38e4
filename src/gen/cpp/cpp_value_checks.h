// The check writer of the C++ driver: one walk over a tree of check entries (a VAR value, a
// message's reference value or one of its definitions) that writes it in one of four modes.
#pragma once
#include <string>

#include "sema/model/model.h"

namespace gen {

enum class CheckMode {
  Compare,  // "cmp_" calls: a VAR with EV=, a received message against its definition
  Dump,     // "dmp_" calls: every field of a received message
  Print,    // "var_" calls: the reference of a message definition, ranges from its minimum and maximum
  Init,     // assignments: a VAR with INIT=, the values a DEF_MESSAGE gives its message
};

// What the checked value and its expected values are called in the generated code. A root is
// the text the member and element paths of the check entries are appended to.
struct CheckTarget {
  CheckMode mode = CheckMode::Compare;
  std::string actual;     // the checked (or assigned) value
  std::string reference;  // expected values taken from this value instead of the script's texts
  std::string minimum;    // range bounds taken from these values instead of the script's texts
  std::string maximum;
  std::string select;     // the select struct of the message type ("QLX_<type>"), or none
};

// The deepest nesting of array elements in the check trees under `scope` (0 without arrays):
// the I counters a driver needs.
int check_counter_depth(const sema::Scope* scope);

}  // namespace gen
