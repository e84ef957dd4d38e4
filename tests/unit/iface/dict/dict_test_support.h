// Shared set-up of the dictionary tests: a fresh dictionary, stable name pointers (one per
// distinct text, as interned names are), and the captured diagnostic lines.
#pragma once
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "iface/dict/dictionary.h"
#include "iface/dict/dictionary_declare.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/dictionary_scopes.h"

namespace iface::testing_support {

class DictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::reset_catalogue();
    diag::catalogue_insert("REDEFSYMB", "%1Symbol %2 redefined");
    diag::catalogue_insert("REDEFSTRU", "%1Structure or union data type %2 redefined");
    diag::catalogue_insert("CONSTRUCT", "%1Bad construction %2");
    initialise_dictionary(dict, "QUELT");
  }
  void TearDown() override {
    diag::reset_reporting();
    diag::reset_catalogue();
  }

  // One pointer per distinct text, as the identifier table gives.
  const char* n(std::string_view text) { return names.emplace(text).first->c_str(); }

  TypeDescriptor* builtin(std::string_view name) { return builtin_type(dict.base, name); }
  TypeDescriptor* int_type() { return dict.base.builtin.int_type; }
  TypeDescriptor* char_type() { return dict.base.builtin.char_type; }

  SymbolEntry* object(std::string_view name, TypeDescriptor* type, TypeDescriptor* scope = nullptr,
                      unsigned flags = 0) {
    return declare_object(dict, n(name), type, scope, n("a.h"), flags, where);
  }
  TypeDescriptor* function(TypeDescriptor* result, std::initializer_list<TypeDescriptor*> parameters) {
    std::vector<Parameter> list;
    for (TypeDescriptor* parameter : parameters) list.push_back(Parameter{nullptr, parameter});
    return make_function(dict.types, result, std::move(list));
  }
  // A complete struct (or union) with int members of the given names.
  TypeDescriptor* record(TypeKind kind, const char* tag, std::initializer_list<std::string_view> members,
                         TypeDescriptor* scope = nullptr) {
    TypeDescriptor* type = begin_tag_definition(dict, kind, tag, true, scope, n("a.h"), where);
    for (std::string_view member : members) add_member(type, Member{n(member), int_type(), 0, -1});
    complete_tag(dict, type, n("a.h"), where);
    return type;
  }

  void start_capture() { ::testing::internal::CaptureStderr(); }
  std::string captured() { return ::testing::internal::GetCapturedStderr(); }

  Dictionary dict;
  std::set<std::string, std::less<>> names;
  SourcePosition where{"a.h", 7};
};

}  // namespace iface::testing_support
