// Test frame of the declaration analyser: a fresh dictionary and analyser per test, the real
// message texts, the diagnostic lines captured, and short ways to reach what was recorded.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/intern.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "iface/cparse/c_declarations.h"
#include "iface/dict/dictionary.h"
#include "iface/dict/dictionary_declare.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/dictionary_scopes.h"
#include "iface/dict/type_members.h"
#include "iface/dict/type_print.h"

namespace iface::decltest {

class DeclTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::reset_catalogue();
    diag::register_all_messages();
    initialise_dictionary(dict, "QUELT");
    reset_analyser(analyser, dict);
  }
  void TearDown() override {
    diag::reset_reporting();
    diag::reset_catalogue();
  }

  // Analyses `text` into the global scope; gives the diagnostic lines.
  std::string load(std::string_view text, std::string_view file = "t.h") {
    ::testing::internal::CaptureStderr();
    analyse_declarations(analyser, text, nullptr, file, 1);
    return ::testing::internal::GetCapturedStderr();
  }

  static const char* n(std::string_view text) { return base::intern(text); }

  SymbolEntry* global(std::string_view name) { return lookup_ordinary(dict, n(name), global_context()); }
  SymbolEntry* in(TypeDescriptor* scope, std::string_view name) {
    return lookup_ordinary(dict, n(name), scope_context(scope));
  }
  TypeDescriptor* type_of(std::string_view name) {
    SymbolEntry* entry = global(name);
    return entry != nullptr ? entry->declaration.type : nullptr;
  }
  TypeDescriptor* tag(std::string_view name) {
    SymbolEntry* entry = lookup_type_name(dict, n(name), global_context());
    return entry != nullptr ? entry->declaration.type : nullptr;
  }
  // The declaration of a global symbol as printed by the dictionary.
  std::string printed(std::string_view name) {
    TypeDescriptor* type = type_of(name);
    return declaration_statement(type, name, PrintMode::AsDeclared);
  }
  std::string printed_target(std::string_view typedef_name) {
    const TypedefData* data = typedef_data(type_of(typedef_name));
    return data != nullptr ? declaration_statement(data->target, typedef_name, PrintMode::AsDeclared) : "(none)";
  }

  Dictionary dict;
  DeclarationAnalyser analyser;
};

}  // namespace iface::decltest
