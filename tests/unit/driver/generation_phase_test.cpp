// The generators' parameters from the run: the file records in the reader's order with their
// numbers, the instance mode and name, the trace level and PROBE mode.
#include "driver/generation_phase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<script::SourceFile> source_file(const std::string& name, int number, std::size_t size) {
  auto file = std::make_unique<script::SourceFile>();
  file->name = name;
  file->size = size;
  file->crc = 0xBEEF;
  file->entry.number = number;
  file->entry.identity_key = 70000 + number;
  file->entry.crc = 0xBEEF;
  file->entry.absolute_directory = "/work/inc";
  file->entry.base_name = name.substr(name.find_last_of('/') + 1);
  return file;
}

TEST(GenerationPhase, FilesKeepTheReadersOrderAndNumbers) {
  script::SourceFileList files;
  files.push_back(source_file("inc/steps.pts", 2, 40));
  files.push_back(source_file("main.pts", 1, 140));
  std::vector<gen::ScriptFile> list = driver::script_files_for_generators(files);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "inc/steps.pts");
  EXPECT_EQ(list[0].base_name, "steps.pts");
  EXPECT_EQ(list[0].ordinal, 2);
  EXPECT_EQ(list[0].size, 40);
  EXPECT_EQ(list[0].crc, 0xBEEF);
  EXPECT_EQ(list[0].entry_crc, 0xBEEF);
  EXPECT_EQ(list[0].identity_key, 70002);
  EXPECT_EQ(list[0].directory, "/work/inc");
  EXPECT_EQ(list[1].ordinal, 1);
}

TEST(GenerationPhase, ParametersComeFromTheRunAndTheAnalysis) {
  // On the heap: g++ 12 sees a local optional<string> copied inline as maybe uninitialized.
  auto options = std::make_unique<driver::RunOptions>();
  options->instance_name = "panel";
  options->trace = driver::TraceLevel::Circular;
  options->probe = driver::ProbeMode::Custom;
  script::SourceFileList files;
  files.push_back(source_file("s.pts", 1, 10));
  sema::AnalysisResult analysed;
  analysed.instance_mode = sema::InstanceMode::Selected;
  std::string script = "s.pts";
  std::string line = "qmkprepro s.pts a.h out";
  gen::GenParameters parameters =
      driver::generation_parameters(driver::GenerationInput{*options, script, line, files, analysed});
  EXPECT_EQ(parameters.script, "s.pts");
  EXPECT_EQ(parameters.command_line, line);
  EXPECT_EQ(parameters.instance_name.value_or(""), "panel");
  EXPECT_EQ(parameters.instance_mode, 1);
  EXPECT_EQ(parameters.trace_level, 50);
  EXPECT_EQ(parameters.probe_mode, 2);
  EXPECT_EQ(parameters.files.size(), 1u);
}

}  // namespace
