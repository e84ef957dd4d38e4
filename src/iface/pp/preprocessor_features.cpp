#include "iface/pp/preprocessor_features.h"

namespace iface::pp {

namespace {

struct Feature {
  std::string_view name;
  int since;  // the GCC major version that has it
};

bool available(const HostCompiler& host, int since) {
  return host.clang || (host.gnu_major > 0 && host.gnu_major >= since);
}

// Builtin functions whose arrival real headers test; every other "__builtin_*", "__sync_*" and
// "__atomic_*" name counts as present in any GCC-compatible compiler.
constexpr Feature versioned_builtins[] = {
    {"__builtin_launder", 7},
    {"__builtin_is_constant_evaluated", 9},
    {"__builtin_bit_cast", 11},
    {"__builtin_source_location", 11},
    {"__builtin_is_corresponding_member", 12},
    {"__builtin_is_pointer_interconvertible_with_class", 12},
    {"__builtin_shufflevector", 12},
    {"__builtin_assoc_barrier", 12},
};

// C++ type-trait builtins (keywords of the C++ front end only).
constexpr Feature type_traits[] = {
    {"__has_nothrow_assign", 4},          {"__has_nothrow_constructor", 4},
    {"__has_nothrow_copy", 4},            {"__has_trivial_assign", 4},
    {"__has_trivial_constructor", 4},     {"__has_trivial_copy", 4},
    {"__has_trivial_destructor", 4},      {"__has_virtual_destructor", 4},
    {"__is_abstract", 4},                 {"__is_base_of", 4},
    {"__is_class", 4},                    {"__is_empty", 4},
    {"__is_enum", 4},                     {"__is_literal_type", 4},
    {"__is_pod", 4},                      {"__is_polymorphic", 4},
    {"__is_standard_layout", 4},          {"__is_trivial", 4},
    {"__is_union", 4},                    {"__underlying_type", 4},
    {"__is_final", 4},                    {"__is_trivially_assignable", 5},
    {"__is_trivially_constructible", 5},  {"__is_trivially_copyable", 5},
    {"__has_unique_object_representations", 7}, {"__is_aggregate", 7},
    {"__is_assignable", 8},               {"__is_constructible", 8},
    {"__is_same", 10},                    {"__is_same_as", 6},
    {"__is_nothrow_assignable", 11},      {"__is_nothrow_constructible", 11},
    {"__is_layout_compatible", 12},       {"__is_pointer_interconvertible_base_of", 12},
};

// GNU attributes, by their plain name.
constexpr Feature gnu_attributes[] = {
    {"alias", 3},          {"aligned", 3},         {"alloc_align", 5},      {"alloc_size", 4},
    {"always_inline", 3},  {"artificial", 4},      {"assume_aligned", 5},   {"cleanup", 3},
    {"cold", 4},           {"common", 3},          {"const", 3},            {"constructor", 3},
    {"copy", 9},           {"deprecated", 3},      {"designated_init", 5},  {"destructor", 3},
    {"error", 4},          {"externally_visible", 4}, {"fallthrough", 7},   {"flatten", 4},
    {"format", 3},         {"format_arg", 3},      {"gnu_inline", 4},       {"hot", 4},
    {"ifunc", 4},          {"leaf", 4},            {"malloc", 3},           {"may_alias", 3},
    {"mode", 3},           {"no_instrument_function", 3}, {"no_reorder", 5}, {"no_sanitize", 8},
    {"no_sanitize_address", 4}, {"no_sanitize_undefined", 4}, {"no_split_stack", 4},
    {"no_stack_protector", 11}, {"noclone", 4},    {"nocommon", 3},         {"noinit", 10},
    {"noinline", 3},       {"noipa", 8},           {"nonnull", 3},          {"nonstring", 8},
    {"noplt", 6},          {"noreturn", 3},        {"nothrow", 3},          {"optimize", 4},
    {"packed", 3},         {"persistent", 10},     {"pure", 3},             {"retain", 11},
    {"returns_nonnull", 4}, {"returns_twice", 3},  {"scalar_storage_order", 6}, {"section", 3},
    {"sentinel", 4},       {"symver", 10},         {"target", 4},           {"target_clones", 6},
    {"tls_model", 3},      {"transparent_union", 3}, {"unavailable", 12},   {"unused", 3},
    {"used", 3},           {"vector_size", 3},     {"visibility", 4},       {"warn_if_not_aligned", 8},
    {"warn_unused_result", 3}, {"warning", 4},     {"weak", 3},             {"weakref", 4},
    {"access", 10},        {"zero_call_used_regs", 11}, {"init_priority", 3}, {"abi_tag", 5},
};

// Standard C++ attributes and the date GCC gives them.
struct StandardAttribute {
  std::string_view name;
  long date;
  int since;
};
constexpr StandardAttribute standard_attributes[] = {
    {"noreturn", 200809, 4},     {"carries_dependency", 200809, 4}, {"deprecated", 201309, 4},
    {"fallthrough", 201910, 7},  {"maybe_unused", 201603, 7},      {"nodiscard", 201907, 7},
    {"likely", 201803, 9},       {"unlikely", 201803, 9},          {"no_unique_address", 201803, 9},
};

bool starts_with(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// "__x__" is "x".
std::string_view plain(std::string_view name) {
  if (name.size() > 4 && starts_with(name, "__") && name.substr(name.size() - 2) == "__")
    return name.substr(2, name.size() - 4);
  return name;
}

// "gnu::x" or "__gnu__::x": true and `name` becomes "x".
bool gnu_scoped(std::string_view& name) {
  for (std::string_view scope : {"gnu::", "__gnu__::"}) {
    if (starts_with(name, scope)) {
      name.remove_prefix(scope.size());
      return true;
    }
  }
  return false;
}

long gnu_attribute(const HostCompiler& host, std::string_view name) {
  name = plain(name);
  for (const Feature& f : gnu_attributes)
    if (f.name == name) return available(host, f.since) ? 1 : 0;
  return 0;
}

long standard_attribute(const HostCompiler& host, std::string_view name) {
  if (!host.cplusplus) return 0;
  name = plain(name);
  for (const StandardAttribute& a : standard_attributes)
    if (a.name == name) return available(host, a.since) ? a.date : 0;
  return 0;
}

}  // namespace

long has_builtin(const HostCompiler& host, std::string_view name) {
  if (host.gnu_major == 0 && !host.clang) return 0;
  for (const Feature& f : versioned_builtins)
    if (f.name == name) return available(host, f.since) ? 1 : 0;
  if (starts_with(name, "__builtin_") || starts_with(name, "__sync_") || starts_with(name, "__atomic_")) return 1;
  if (!host.cplusplus) return 0;
  for (const Feature& f : type_traits)
    if (f.name == name) return available(host, f.since) ? 1 : 0;
  return 0;
}

long has_attribute(const HostCompiler& host, std::string_view name) {
  if (host.gnu_major == 0 && !host.clang) return 0;
  if (gnu_scoped(name)) return gnu_attribute(host, name);
  if (long value = gnu_attribute(host, name)) return value;
  return standard_attribute(host, name);
}

long has_cpp_attribute(const HostCompiler& host, std::string_view name) {
  if (host.gnu_major == 0 && !host.clang) return 0;
  if (gnu_scoped(name)) return gnu_attribute(host, name);
  return standard_attribute(host, name);
}

}  // namespace iface::pp
