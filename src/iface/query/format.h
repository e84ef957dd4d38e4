// FORMAT: how a variable (or field, or the elements of an array) is displayed. A FORMAT never
// changes the dictionary's declaration: the variable's type slot is pointed at a copy of its type
// descriptor carrying the display base, the format kind and the size. Overrides are kept per
// nesting level (the script block of the FORMAT) and dropped with it.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diag/message_codes.h"
#include "iface/dict/type_descriptor.h"

namespace iface {

struct FormatRow {
  const char* name;
  const char* c_type;
  const char* alias;
  int format_kind;
  int default_size;  // bits, negative = signed
};

inline constexpr int kFormatKindPointer = 6;
// The twelve formats; only the name is matched (exactly, case-sensitive).
const std::array<FormatRow, 12>& format_table();
const FormatRow* find_format(std::string_view name);

// The part after "#": display base and size. `error` is unset, or the code to report with
// `argument` ("BASEINCON", "TAILLEERR", "TAILLEDIV"); after an error the base is the default and
// the size 0. `size_given` tells a size written (or a default precision) from none.
struct DisplayBaseText {
  int base = kBaseDefault;
  int size = 0;
  bool size_given = false;
  std::optional<diag::Code> error;
  std::string argument;
};
DisplayBaseText parse_display_base(std::string_view text);

// Blanks and tabs dropped except one blank between words, "$" dropped, cut at "#" and at "(".
std::string compact_format_name(std::string_view text);

// Each override is recorded in the current analysis's FormatState (format_state.h). A second
// override of the same slot at the same level replaces the first and is reported ("FORMREDEF")
// unless `report_redefinition` is false (the compiler's own re-typing of a variable).
void anc_set_format(int level, std::string_view scope, std::string_view variable_expr, std::string_view format_text,
                    std::string_view file, int line, bool report_redefinition = true);
// Restores each slot that `level` changed to the override of the nearest level below for that
// slot, else to the declared type.
void anc_drop_formats(int level);

}  // namespace iface
