// Test frame of the TDC and TSF writers: a model built by hand (the statements of every kind,
// whatever the analysis records today), the writers run into a fresh directory, and the files
// read back whole.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "gen/generation.h"
#include "gen/tdc/probe_header.h"
#include "gen/tdc/tdc_writer.h"
#include "gen/tsf/tsf_writer.h"
#include "sema/model/model.h"

namespace gen::test {

namespace fs = std::filesystem;

using sema::DescriptorKind;
using sema::Entry;
using sema::EntryKind;
using sema::Scope;

class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::register_all_messages();
    directory = fs::path(::testing::TempDir()) /
                ("gen_writer_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(directory);
    fs::create_directories(directory);
  }
  void TearDown() override {
    fs::remove_all(directory);
    diag::reset_catalogue();
    diag::reset_reporting();
  }

  // ---- the model ----

  // An entry of `kind` at `line` of file `file` appended to `scope` (the global scope for none).
  Entry* add(Scope* scope, EntryKind kind, std::string_view name, int line, int file = 1) {
    return sema::new_entry(model, scope != nullptr ? scope : model.global(), kind, name,
                           sema::Position{"t.pts", file, line});
  }
  // The entry's descriptor of `kind`, made on first use.
  sema::Descriptor* descriptor(Entry* entry, DescriptorKind kind) {
    return entry->descriptor != nullptr ? entry->descriptor : sema::new_descriptor(model, entry, kind);
  }
  template <typename Record>
  Record& record(Entry* entry, DescriptorKind kind) {
    return sema::record_of<Record>(descriptor(entry, kind));
  }
  // The entry's child scope, opened on first use (the descriptor must exist).
  Scope* inside(Entry* entry) {
    sema::Descriptor* d = entry->descriptor;
    return d->child_scope != nullptr ? d->child_scope : sema::open_scope(model, d, entry->scope);
  }
  // A selected scenario (the root when `name` is empty) with its scope.
  Entry* scenario(Scope* scope, std::string_view name, int line, int file = 1, bool selected = true) {
    Entry* e = add(scope, EntryKind::Scenario, name, line, file);
    record<sema::ScenarioRecord>(e, DescriptorKind::Scenario).selected = selected;
    inside(e);
    return e;
  }
  Entry* procedure(std::string_view name, int line, bool used) {
    Entry* e = add(nullptr, EntryKind::Procedure, name, line);
    record<sema::ProcedureRecord>(e, DescriptorKind::Procedure).used = used;
    inside(e);
    return e;
  }
  // A statement entry with a text operand.
  Entry* statement(Scope* scope, EntryKind kind, int line, std::string_view text = {}, std::string_view name = {}) {
    Entry* e = add(scope, kind, name, line);
    e->text = text;
    return e;
  }

  // ---- the writers ----

  void add_file(int ordinal, std::string base_name, long entry_crc = 7, long identity_key = 11) {
    ScriptFile file;
    file.name = base_name;
    file.ordinal = ordinal;
    file.size = 100 + ordinal;
    file.crc = 200 + ordinal;
    file.entry_crc = entry_crc;
    file.identity_key = identity_key;
    file.directory = fs::current_path().string();
    file.base_name = std::move(base_name);
    parameters.files.push_back(std::move(file));
  }

  std::string path(std::string_view name) const { return (directory / name).string(); }

  static std::string read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs the TDC writer, then the TSF writer, and commits both files.
  void generate() {
    OutputSet outputs;
    GenContext context{model, parameters, run, outputs, {}, {}};
    write_tdc(context, path("t.tdc"), path("t.h"));
    write_tsf(context, path("t_dyn.tsf"));
    close_probe_header(context);
    outputs.commit();
  }

  // The TDC records after the head (the lines from the first one whose key is not a head key).
  std::string tdc_elements() {
    std::string text = read(path("t.tdc"));
    std::istringstream lines(text);
    std::string line;
    std::string elements;
    bool head = true;
    while (std::getline(lines, line)) {
      if (head && (line.rfind("QUELT", 0) == 0 || line[0] == 'G' || line[0] == 'H' || line[0] == 'F' ||
                   line.rfind("IL", 0) == 0 || line.rfind("CF", 0) == 0)) {
        continue;
      }
      head = false;
      elements += line + "\n";
    }
    return elements;
  }

  // The lines of the TSF section of file `ordinal` after its "IN "VirtualTester" 2" line, up to
  // its "ED".
  std::string tsf_points(int ordinal) {
    std::string text = read(path("t_dyn.tsf"));
    std::istringstream lines(text);
    std::string line;
    std::string points;
    int section = -1;
    bool inside_points = false;
    while (std::getline(lines, line)) {
      if (line == "DB \"Tessvia-Tracer\"") {
        ++section;
        inside_points = false;
        continue;
      }
      if (section != ordinal) continue;
      if (line.rfind("IN \"VirtualTester\" 2 ", 0) == 0) {
        inside_points = true;
        continue;
      }
      if (line == "ED") break;
      if (inside_points) points += line + "\n";
    }
    return points;
  }

  sema::Model model;
  GenParameters parameters;
  RunIdentifier run{"Thu Jan  1 00:00:00 1970", 0};
  fs::path directory;
};

}  // namespace gen::test
