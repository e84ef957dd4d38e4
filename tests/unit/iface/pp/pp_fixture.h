// Test frame for the preprocessor: each test has a preprocessor of its own whose messages are
// captured through the report hook (fatal and internal ones do not end the test process), and
// writes its files to a fresh folder.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "iface/pp/preprocessor.h"

namespace pptest {

struct Message {
  diag::MessageKind kind;
  std::string code;
  std::string argument;
  std::string file;
  int line;
};

inline std::vector<Message>& messages() {
  static std::vector<Message> m;
  return m;
}

inline void capture(diag::MessageKind kind, diag::Code code, std::string_view argument, std::string_view file,
                    int line) {
  messages().push_back(Message{kind, std::string(diag::code_name(code)), std::string(argument), std::string(file), line});
}

class Pp : public ::testing::Test {
 protected:
  void SetUp() override {
    messages().clear();
    pp.set_report_hook(capture);
    dir_ = std::filesystem::temp_directory_path() /
           ("pp_" + std::to_string(::getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    start();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void start(iface::PreprocessorStart s = {}) {
    pp.start(s);
    messages().clear();
  }

  // String mode without a label: no #line lines, only the expanded text.
  std::string run(const std::string& text) {
    std::string out;
    pp.run_string(text, "", 1, out);
    return out;
  }
  std::string run_labelled(const std::string& text, const std::string& label, int line) {
    std::string out;
    pp.run_string(text, label, line, out);
    return out;
  }
  // File mode: `#include "<path>"`.
  std::string include(const std::string& path) {
    std::string out;
    pp.run_file_text("#include \"" + path + "\"", out);
    return out;
  }
  std::string write(const std::string& name, const std::string& text) {
    std::filesystem::path p = dir_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }
  std::string dir() const { return dir_.string(); }

  // The codes of the captured messages, in order, blank-separated.
  static std::string codes() {
    std::string s;
    for (const Message& m : messages()) {
      if (!s.empty()) s += ' ';
      s += m.code;
    }
    return s;
  }
  static const Message& only() {
    EXPECT_EQ(messages().size(), 1u) << codes();
    static Message none{diag::MessageKind::Information, "", "", "", 0};
    return messages().empty() ? none : messages().front();
  }

  iface::Preprocessor pp;  // a preprocessor of the test's own, reporting through `capture`
  std::filesystem::path dir_;
};

// Collapses every run of white space into one blank and trims the ends.
inline std::string squeeze(const std::string& s) {
  std::string r;
  bool blank = false;
  for (char c : s) {
    if (c == ' ' || c == '\n' || c == '\t') {
      blank = !r.empty();
    } else {
      if (blank) r += ' ';
      blank = false;
      r += c;
    }
  }
  return r;
}

}  // namespace pptest
