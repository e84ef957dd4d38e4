// Test frame of the semantic analysis: a script given as text is parsed and analysed against
// declarations entered in a fresh interface analysis; the messages are captured and the model
// is kept for inspection.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "iface/query/anc_session.h"
#include "script/parse_script.h"
#include "sema/analysis.h"
#include "sema/model/model.h"

namespace sema::test {

class AnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::reset_catalogue();
    diag::register_all_messages();
    diag::open_listing("", true);
    iface::anc_begin(1, {}, {}, "");
  }

  void TearDown() override {
    iface::anc_end();
    script::release_tree(parsed_.root);
    script::release_files(parsed_.files);
    diag::reset_reporting();
    diag::reset_catalogue();
  }

  // Declarations of the interface files.
  static void declare(std::string_view text) { iface::anc_declare(text, "", "t.h", 1); }

  // Parses and analyses `script` (named "t.pts"); the messages of both go to messages().
  const AnalysisResult& analyse(const std::string& script, const AnalysisParameters& parameters = {}) {
    ::testing::internal::CaptureStderr();
    // A test may analyse several scripts: the previous tree and files go first.
    script::release_tree(parsed_.root);
    script::release_files(parsed_.files);
    parsed_.root = nullptr;
    parsed_ = script::parse_script_text("t.pts", script, {}, true);
    EXPECT_EQ(diag::error_count(), 0) << "the script does not parse";
    parameters_ = parameters;
    parameters_.script_flags = parsed_.script_flags;
    if (parsed_.root != nullptr) result_ = analyse_script(parsed_.root, parsed_.files, parameters_);
    messages_ = ::testing::internal::GetCapturedStderr();
    return result_;
  }

  const std::string& messages() const { return messages_; }
  Model& model() { return *result_.model; }

  // The scenario of that full name, through the function list.
  Entry* scenario(std::string_view full_name) {
    for (Entry* e = model().global()->function_list; e != nullptr; e = e->chain) {
      if (e->kind == EntryKind::Scenario && record_of<ScenarioRecord>(e).full_name == full_name) return e;
    }
    ADD_FAILURE() << "no scenario " << full_name;
    return nullptr;
  }

  static std::vector<const Entry*> entries(const Scope* scope) {
    std::vector<const Entry*> list;
    for (const Entry* e = scope != nullptr ? scope->first : nullptr; e != nullptr; e = e->next) list.push_back(e);
    return list;
  }

  static std::vector<EntryKind> kinds(const Scope* scope) {
    std::vector<EntryKind> list;
    for (const Entry* e : entries(scope)) list.push_back(e->kind);
    return list;
  }

  static Scope* child(Entry* entry) { return entry->descriptor != nullptr ? entry->descriptor->child_scope : nullptr; }

  // The first entry of `kind` in the global scope with that name.
  Entry* global_entry(EntryKind kind, std::string_view name) {
    for (Entry* e = model().global()->first; e != nullptr; e = e->next) {
      if (e->kind == kind && e->name == name) return e;
    }
    ADD_FAILURE() << "no global entry " << name;
    return nullptr;
  }

 private:
  script::ParseResult parsed_;
  AnalysisParameters parameters_;
  AnalysisResult result_;
  std::string messages_;
};

}  // namespace sema::test
