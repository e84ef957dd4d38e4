// The analyser's lexer over real headers: the host compiler's preprocessed output of the C
// library, zlib and sqlite3 headers lexes with no message, and token positions follow the
// line markers back into the headers.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "iface/cparse/c_lexer.h"

namespace {

// The output of `command`, or an empty text when it cannot run.
std::string run(const std::string& command) {
  std::string output;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

// The 1-based line of `header` that first contains `needle`, 0 when none does.
int line_of(const std::string& header, const std::string& needle) {
  std::ifstream in(header);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.find(needle) != std::string::npos) return number;
  }
  return 0;
}

const char* const headers[] = {"stdio.h", "stdlib.h", "string.h", "stdint.h", "signal.h", "time.h",
                               "wchar.h", "math.h",   "zlib.h",   "sqlite3.h"};

class RealHeaders : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string source = testing::TempDir() + "clex_headers_" + std::to_string(getpid()) + ".c";
    {
      std::ofstream out(source);
      for (const char* header : headers) out << "#include <" << header << ">\n";
    }
    text_ = new std::string(run("gcc -E " + source + " 2>/dev/null"));
    std::remove(source.c_str());
  }
  static void TearDownTestSuite() {
    delete text_;
    text_ = nullptr;
  }
  void SetUp() override {
    if (text_->size() < 100000) GTEST_SKIP() << "gcc or the zlib/sqlite3 headers are missing";
    diag::reset_reporting();
  }

  static std::string* text_;
};

std::string* RealHeaders::text_ = nullptr;

TEST_F(RealHeaders, LexWithoutMessagesAndPositionsFollowTheMarkers) {
  const std::string stdio = "/usr/include/stdio.h";
  const std::string sqlite = "/usr/include/sqlite3.h";
  const std::string zlib = "/usr/include/zlib.h";
  int fopen_line = line_of(stdio, "*fopen (");
  int sqlite_open_line = line_of(sqlite, "int sqlite3_open(");
  int deflate_line = line_of(zlib, "ZEXTERN int ZEXPORT deflate OF(");
  ASSERT_GT(fopen_line, 0);
  ASSERT_GT(sqlite_open_line, 0);
  iface::SizeSettings sizes;
  iface::Lexer lexer;
  iface::lexer_init(lexer, *text_, "all.c", 1, &sizes);
  testing::internal::CaptureStderr();
  std::size_t count = 0;
  int found = 0;
  for (iface::Token t = iface::next_token(lexer); t.kind != iface::TokenKind::End; t = iface::next_token(lexer)) {
    ++count;
    EXPECT_NE(t.kind, iface::TokenKind::Invalid) << t.text << " at " << t.file << ":" << t.line;
    if (t.kind != iface::TokenKind::Identifier) continue;
    std::string_view name = t.text;
    if (name == "fopen" && found == 0) {
      EXPECT_EQ(std::string(t.file), stdio);
      EXPECT_EQ(t.line, fopen_line);
      found |= 1;
    } else if (name == "sqlite3_open" && (found & 2) == 0) {
      EXPECT_EQ(std::string(t.file), sqlite);
      EXPECT_EQ(t.line, sqlite_open_line);
      found |= 2;
    } else if (name == "deflate" && deflate_line > 0 && (found & 4) == 0) {
      EXPECT_EQ(std::string(t.file), zlib);
      EXPECT_EQ(t.line, deflate_line);
      found |= 4;
    }
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(found, deflate_line > 0 ? 7 : 3);
  EXPECT_GT(count, 20000u);
  EXPECT_EQ(diag::warning_count(), 0);
}

// The C++ library's headers: templates, namespaces, binary constants, raw C++ punctuators.
TEST(RealCxxHeaders, LexWithoutMessages) {
  std::string source = testing::TempDir() + "clex_cxx_headers_" + std::to_string(getpid()) + ".cc";
  {
    std::ofstream out(source);
    out << "#include <cstdio>\n#include <string>\n#include <vector>\n#include <map>\n#include <memory>\n";
  }
  std::string text = run("g++ -std=c++20 -E " + source + " 2>/dev/null");
  std::remove(source.c_str());
  if (text.size() < 100000) GTEST_SKIP() << "g++ is missing";
  diag::reset_reporting();
  iface::Lexer lexer;
  iface::lexer_init(lexer, text, "all.cc", 1, nullptr);
  testing::internal::CaptureStderr();
  std::size_t invalid = 0;
  std::size_t scopes = 0;
  for (iface::Token t = iface::next_token(lexer); t.kind != iface::TokenKind::End; t = iface::next_token(lexer)) {
    if (t.kind == iface::TokenKind::Invalid) ++invalid;
    if (t.kind == iface::TokenKind::Scope) ++scopes;
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(invalid, 0u);
  EXPECT_GT(scopes, 1000u);
}

}  // namespace
