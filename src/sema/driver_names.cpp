#include "sema/driver_names.h"

#include <algorithm>
#include <array>

#include "sema/node_report.h"

namespace sema {

namespace {

// Keywords of C++ that are not keywords of C (those the C analysis rejects already), in order.
constexpr std::array<std::string_view, 59> kCppKeywords = {
    "alignas",      "alignof",     "and",          "and_eq",       "asm",         "bitand",
    "bitor",        "bool",        "catch",        "char16_t",     "char32_t",    "char8_t",
    "class",        "co_await",    "co_return",    "co_yield",     "compl",       "concept",
    "const_cast",   "consteval",   "constexpr",    "constinit",    "decltype",    "delete",
    "dynamic_cast", "explicit",    "export",       "false",        "friend",      "mutable",
    "namespace",    "new",         "noexcept",     "not",          "not_eq",      "nullptr",
    "operator",     "or",          "or_eq",        "private",      "protected",   "public",
    "reinterpret_cast", "requires", "static_assert", "static_cast", "template",   "this",
    "thread_local", "throw",       "true",         "try",          "typeid",      "typename",
    "using",        "virtual",     "wchar_t",      "xor",         "xor_eq"};

// Names the driver declares itself or takes from the runtime, in order.
constexpr std::array<std::string_view, 7> kDriverNames = {"K_TRACECTX_MAX_PRIORITY", "NIL", "NONIL", "QUELT",
                                                          "TIME", "WTIME", "main"};

bool starts_with(std::string_view name, std::string_view prefix) { return name.substr(0, prefix.size()) == prefix; }

// The class's loop counters I0, I1, ... and J0, J1, ...
bool is_counter(std::string_view name) {
  if (name.size() < 2 || (name[0] != 'I' && name[0] != 'J')) return false;
  return std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool is_reserved_in_driver(std::string_view name, bool own_prefix_allowed) {
  if (std::binary_search(kCppKeywords.begin(), kCppKeywords.end(), name)) return true;
  if (std::binary_search(kDriverNames.begin(), kDriverNames.end(), name)) return true;
  if (is_counter(name)) return true;
  // The runtime's types, macros and helpers.
  if (starts_with(name, "QLX_") || starts_with(name, "QMK_") || starts_with(name, "priv_")) return true;
  return !own_prefix_allowed && starts_with(name, "qlx_");
}

bool report_reserved_name(std::string_view name, const script::SyntaxNode* node, bool own_prefix_allowed) {
  if (name.empty() || !is_reserved_in_driver(name, own_prefix_allowed)) return false;
  report_at_node(diag::MessageKind::Error, diag::Code::DRVRESNAM, name, node);
  return true;
}

}  // namespace sema
