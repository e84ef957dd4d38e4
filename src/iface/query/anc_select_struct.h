// The select struct of a message type that contains unions: a companion declaration with one
// "int select;" per union, recording which member of each union is selected, nested as the
// unions are nested in the type.
#pragma once
#include <string>
#include <string_view>

namespace iface {

// The text of the select struct of the type named `type_name` (a typedef, or a struct/union
// tag), declared as "QLX_<name>"; false (and `out` empty) when the type is unknown or contains
// no union. `file` is the script position of the request (unused: nothing is reported).
bool anc_select_struct_text(std::string_view type_name, std::string_view file, std::string& out);

}  // namespace iface
