// Test frame of the query layer: the run's interface analysis begun afresh for each test (the
// real message texts, no include directories), declarations entered through anc_declare, and the
// diagnostic lines captured.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/intern.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "iface/query/anc_session.h"
#include "iface/dict/dictionary.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/dictionary_scopes.h"

namespace iface::querytest {

class QueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::reset_catalogue();
    diag::register_all_messages();
    begin(1);
  }
  void TearDown() override {
    anc_end();
    diag::reset_reporting();
    diag::reset_catalogue();
  }

  static void begin(int restriction) { anc_begin(restriction, {}, {}, ""); }

  // Declares `text` in `scope` of the run's dictionary; gives the diagnostic lines.
  static std::string declare(std::string_view text, std::string_view scope = "", std::string_view file = "t.h") {
    ::testing::internal::CaptureStderr();
    anc_declare(text, scope, file, 1);
    return ::testing::internal::GetCapturedStderr();
  }

  // The type of a global object, or of a type name.
  static const TypeDescriptor* type_of(std::string_view name) {
    const Dictionary& dictionary = the_dictionary();
    const char* interned = base::intern(name);
    if (SymbolEntry* entry = lookup_ordinary(dictionary, interned, global_context())) return entry->declaration.type;
    SymbolEntry* entry = lookup_type_name(dictionary, interned, global_context());
    return entry != nullptr ? entry->declaration.type : nullptr;
  }
};

}  // namespace iface::querytest
