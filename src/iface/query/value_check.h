// Message values: a value written in the script, walked together with the type of the variable
// it is compared with, into a flat list of check nodes that the semantic analysis rebuilds into
// a tree (kinds 1, 5, 10 open a level; 2, 4, 6, 11 close one).
#pragma once
#include <string>
#include <string_view>

#include "iface/cparse/c_expression.h"

namespace iface {

enum CheckKind : int {
  kCheckHead = 0,
  kCheckArrayBegin = 1,
  kCheckArrayEnd = 2,
  kCheckElementBegin = 3,
  kCheckElementEnd = 4,
  kCheckStructBegin = 5,
  kCheckStructEnd = 6,
  kCheckCompare = 7,
  kCheckWhole = 9,
  kCheckUnionBegin = 10,
  kCheckUnionEnd = 11,
  kCheckRange = 12,
};

struct CheckNode {
  int kind = kCheckHead;
  const char* name = nullptr;  // interned; null when none
  int type_class = -1;
  int index_low = 0;
  int index_high = 0;
  std::string value_text;
  std::string low_text;
  std::string high_text;
  int whole = 0;
  int display_base = 6;
  int selected_member = 0;
  // 1 on the struct begin and end nodes (5, 6) of the part of a derived object that a base class
  // makes up (named by the base class); 0 otherwise.
  int base_class = 0;
  CheckNode* next = nullptr;
};

// `assignment_text` is a keyword, "=" and the value ("EV=qlx_msgrcv"). 1 with `list` set; 1 with
// no list when the value's shape is rejected; 0 with no list after "VARNOGOOD". Messages are
// reported at `file` and `line`.
int anc_build_value_checks(std::string_view name, std::string_view assignment_text, std::string_view scope,
                           std::string_view file, int line, CheckNode*& list);
void anc_free_value_checks(CheckNode* list);

// Integer constant expressions of index designators and ranges: 32-bit signed, shifts modulo 32;
// "DIVBYZERO" (and 0) for a division by zero, "CONSTINIT" (and 0) for any other identifier or
// operator. Enumeration constants of the dictionary count as constants (array bounds of headers
// name them).
int evaluate_constant(const ExprNode* node, std::string_view file, int line);

// The display base of a value of `type`: a FORMAT's base when one applies on the way, else the
// integer or floating descriptor's base; a pointer's default base is given as hexadecimal; 6 for
// any other type.
int display_base_of(const TypeDescriptor* type);

}  // namespace iface
