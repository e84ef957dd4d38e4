// The answers of the feature-test operators of #if: __has_builtin, __has_attribute and
// __has_cpp_attribute, as the host compiler gives them. Which compiler the headers are read for
// is known from the definitions file (its __GNUC__, __clang__ and __cplusplus); the tables hold
// the builtins and attributes of GCC (and Clang, which answers alike for these) with the GCC
// version that brought each one, as far as real headers test them. __has_include and
// __has_include_next look in the include chain (the engine answers them).
#pragma once
#include <string_view>

namespace iface::pp {

// The compiler the interface files are read for, from the macros defined so far.
struct HostCompiler {
  int gnu_major = 0;       // __GNUC__; 0: not a GCC-compatible compiler, every answer is 0
  bool clang = false;      // __clang__: answers as the newest GCC of the tables
  bool cplusplus = false;  // __cplusplus: C++ type traits and standard attributes exist
};

// The five operators, in the order of the symbol's `constant`.
enum class FeatureOperator { HasInclude, HasIncludeNext, HasBuiltin, HasAttribute, HasCppAttribute };

inline constexpr std::string_view feature_operator_names[] = {
    "__has_include", "__has_include_next", "__has_builtin", "__has_attribute", "__has_cpp_attribute"};

// Non-zero when `name` is a builtin function or type trait of the host compiler.
long has_builtin(const HostCompiler& host, std::string_view name);
// A GNU attribute (written "x", "__x__", "gnu::x" or "__gnu__::x"); in C++ also a standard one.
long has_attribute(const HostCompiler& host, std::string_view name);
// "[[x]]": a standard attribute gives its date (201603...), "gnu::x" as has_attribute.
long has_cpp_attribute(const HostCompiler& host, std::string_view name);

}  // namespace iface::pp
