// Name queries of the script side over the type dictionary, and the declaration services of the
// generators. A name may be qualified ("N::C::x"); a plain name is looked up from `scope` (see
// anc_session.h for scope names) and then outwards.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "iface/dict/dictionary.h"

namespace iface {

// 0 when not declared, for a function and for a typedef name; 2 for a static object; 1 otherwise.
int anc_declaration_kind(std::string_view name, std::string_view scope);
// The declaration a name finds from `scope`, as an identity to compare with another lookup's;
// null when the name is not declared.
const void* anc_declaration_identity(std::string_view name, std::string_view scope);
// 1 when the name is declared in exactly `scope` ("" = global).
int anc_is_declared_in(std::string_view name, std::string_view scope);
// 1 for a static object.
int anc_is_static(std::string_view name, std::string_view scope);

// 1 when `name` names a type at file level, as a script's COMMTYPE and DEF_TRIGGER lines write
// one: a base type word ("int", "char", "unsigned" ...), a typedef name, a struct, class, union or
// enumeration tag, or a qualified name of such a type ("net::packet"). A class template without
// its arguments, an object and a function are no type names.
int anc_is_type_name(std::string_view name);

// The type questions below take a name of the global scope: an object, a typedef or a tag.
int anc_is_class_type(std::string_view name);
int anc_is_not_template_type(std::string_view name);
int anc_class_has_flagged_member(std::string_view name);
// 1 for a class with a virtual member function or a virtual base, its own or a base class's
// (a class that dynamic_cast and typeid see through).
int anc_is_polymorphic_class(std::string_view name);
// When the name's type (through typedefs) is a pointer to a struct/class: that class, its name.
const TypeDescriptor* anc_pointer_to_class(std::string_view name);
const char* anc_pointer_class_name(std::string_view name);
// 0 for equal names, the depth of `base_name` among the bases of `class_name` (breadth first,
// 1 for a direct base), -1 when it is none of them.
int anc_base_distance(std::string_view class_name, std::string_view base_name);

struct FileVariable {
  std::string name;
  int declaration_kind = 0;
};
// Appends the file-level symbols declared in `file`, in the dictionary's generator order.
void anc_variables_of_file(std::string_view file, std::vector<FileVariable>& list);

// The declaration of a declared variable. Mode 0 prints it as recorded; mode 1 (the generators'
// copy of a static variable) prints it without the const/volatile of the variable itself, so that
// the copy can be assigned. "int <name>;" for a symbol without type, "internal error;" for an
// unknown name.
void anc_declaration_text(std::string_view name, int mode, std::string& out);

}  // namespace iface
