// The include chain and file search, #pragma once, and the recursion limit of inclusion.
#include <cstdlib>

#include "iface/pp/preprocessor_include.h"
#include "pp_fixture.h"

namespace {

using diag::MessageKind;
using pptest::messages;
using pptest::Pp;
using pptest::squeeze;

using PpInclude = Pp;

// Sets or clears an environment variable for the scope of a test.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value != nullptr) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~EnvVar() {
    if (had_) setenv(name_, old_.c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

TEST(PpIncludeChain, OrderOfTheChain) {
  EnvVar a("QMKTGT", "/tgt");
  EnvVar b("QLXTGT", "/other");
  EnvVar c("QMW_ADD_USR_INCLUDE", "1");
  auto chain = iface::pp::build_include_chain({"one", "two"});
  EXPECT_EQ(chain.dirs, (std::vector<std::string>{"one", "two", "/tgt/lib", "/usr/include", "/usr/local/include"}));
  EXPECT_EQ(chain.pragma_start, 5u);
  EXPECT_EQ(chain.longest, std::string("/usr/local/include").size());
}

TEST(PpIncludeChain, QlxtgtWhenQmktgtIsUnset) {
  EnvVar a("QMKTGT", nullptr);
  EnvVar b("QLXTGT", "/q\\x");
  EnvVar c("QMW_ADD_USR_INCLUDE", nullptr);
  auto chain = iface::pp::build_include_chain({});
  EXPECT_EQ(chain.dirs, (std::vector<std::string>{"/q/x/lib"}));
}

TEST_F(PpInclude, SearchOrderAsWrittenThenChainThenIncluderDirectory) {
  write("d1/x.h", "d1\n");
  write("d2/x.h", "d2\n");
  write("d2/y.h", "y2\n");
  write("sub/main.h", "#include \"x.h\"\n#include \"z.h\"\n#include <y.h>\n");
  write("sub/z.h", "beside\n");
  iface::PreprocessorStart s;
  s.include_dirs = {dir() + "/d1", dir() + "/d2"};
  start(s);
  std::string out = include(dir() + "/sub/main.h");
  EXPECT_EQ(codes(), "");
  EXPECT_EQ(squeeze(out), "#line 1 \"" + dir() + "/d1/x.h\" d1 #line 1 \"" + dir() + "/sub/z.h\" beside #line 1 \"" +
                              dir() + "/d2/y.h\" y2");
}

TEST_F(PpInclude, AngleIncludeIsNotLookedForBesideTheIncluder) {
  write("sub/main.h", "#include <z.h>\n");
  write("sub/z.h", "beside\n");
  include(dir() + "/sub/main.h");
  EXPECT_EQ(codes(), "IMPOUVFIC");
  EXPECT_EQ(messages()[0].kind, MessageKind::Fatal);
  EXPECT_EQ(messages()[0].argument, "z.h");
  EXPECT_EQ(messages()[0].line, 1);
}

TEST_F(PpInclude, IncludeNextContinuesAfterTheDirectoryOfTheCurrentFile) {
  write("a/limits.h", "a_first\n#include_next <limits.h>\n");
  write("b/limits.h", "b_second\n#include_next <limits.h>\n");
  write("c/limits.h", "c_third\n");
  iface::PreprocessorStart s;
  s.include_dirs = {dir() + "/a", dir() + "/b", dir() + "/c"};
  start(s);
  std::string out;
  pp.run_file_text("#include <limits.h>", out);
  EXPECT_EQ(codes(), "");
  EXPECT_NE(out.find("a_first"), std::string::npos);
  EXPECT_NE(out.find("b_second"), std::string::npos);
  EXPECT_NE(out.find("c_third"), std::string::npos);
}

TEST_F(PpInclude, MacroFormsOfTheFileName) {
  write("m.h", "m\n");
  std::string main = write("main.h", "#define Q \"" + dir() + "/m.h\"\n#include Q\n#define NONE 12\n#include NONE\n");
  std::string out = include(main);
  EXPECT_NE(out.find("m\n"), std::string::npos);
  EXPECT_EQ(codes(), "ERINCLUDE");
  EXPECT_EQ(messages()[0].argument, "12");
}

TEST_F(PpInclude, PragmaOnceAndInclStd) {
  write("once.h", "#pragma once\nonce\n");
  write("extra/e.h", "extra\n");
  std::string main = write("main.h", "#include \"" + dir() + "/once.h\"\n#include \"" + dir() +
                                         "/once.h\"\n#pragma quelt incl \"" + dir() + "/none\", " + dir() +
                                         "/extra\n#include <e.h>\n");
  std::string out = include(main);
  EXPECT_EQ(codes(), "");
  EXPECT_EQ(out.find("\nonce\n"), out.rfind("\nonce\n"));
  EXPECT_NE(out.find("\nonce\n"), std::string::npos);
  EXPECT_NE(out.find("extra"), std::string::npos);
  // The directories of the pragma go at the end call.
  pp.end();
  include(write("again.h", "#include <e.h>\n"));
  EXPECT_EQ(codes(), "IMPOUVFIC");
}

TEST_F(PpInclude, InclStdQuotesProtectCommasAndBlanks) {
  write("a,b c/q.h", "quoted_dir\n");
  write("p/r.h", "plain_dir\n");
  std::string main = write("main.h", "#pragma quelt incl_std \"" + dir() + "/a,b c\" " + dir() +
                                         "/p\n#include <q.h>\n#include <r.h>\n");
  std::string out = include(main);
  EXPECT_EQ(codes(), "");
  EXPECT_NE(out.find("quoted_dir"), std::string::npos);
  EXPECT_NE(out.find("plain_dir"), std::string::npos);
}

TEST_F(PpInclude, SelfInclusionStopsAtTheLevelLimit) {
  std::string self = write("self.h", "#include \"" + dir() + "/self.h\"\n");
  include(self);
  ASSERT_FALSE(messages().empty());
  EXPECT_EQ(messages().back().code, "NBRECURSI");
  EXPECT_EQ(messages().back().kind, MessageKind::Internal);
}

TEST_F(PpInclude, SameMacroInTwoInterfaceFiles) {
  std::string a = write("a.h", "#define SAME 1 + 2\n#define DIFF 1\n");
  std::string b = write("b.h", "#define SAME 1   +   2\n#define DIFF 2\n");
  include(a);
  include(b);
  ASSERT_EQ(codes(), "IDENREDEF");
  EXPECT_EQ(messages()[0].argument, "DIFF");
  EXPECT_EQ(messages()[0].file, b);
  EXPECT_EQ(messages()[0].line, 2);
}

TEST_F(PpInclude, FileLevelsAreNamedAfterTheirPathAndStringsAfterTheirLabel) {
  std::string h = write("h.h", "int a;\n");
  EXPECT_EQ(include(h), "#line 1 \"" + h + "\"\nint a;\n");
  EXPECT_EQ(run_labelled("x\ny\n", "script.pts", 40), "#line 40 \"script.pts\"\nx\ny\n");
  run_labelled("\n#if\n#endif\n", "script.pts", 40);
  ASSERT_EQ(codes(), "EMPTYEXPR");
  EXPECT_EQ(messages()[0].file, "script.pts");
  EXPECT_EQ(messages()[0].line, 41);
}

}  // namespace
