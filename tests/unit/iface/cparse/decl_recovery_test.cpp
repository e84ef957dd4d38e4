// Failing declarations: the messages a user sees, the safe points the analysis resumes at, the
// parser's stack limit, and the declaration-side messages of templates, functions and access
// declarations.
#include "decl_fixture.h"

namespace iface::decltest {
namespace {

using Recovery = DeclTest;

TEST_F(Recovery, ABadDeclarationIsReportedAndTheNextOnesAreRead) {
  std::string messages = load("int good1;\nint x y;\nint good2;\n");
  EXPECT_EQ(messages, "Qandor-W-SYNTAXERR,  [t.h:2] Syntax error syntax error\n");
  EXPECT_NE(global("good1"), nullptr);
  EXPECT_NE(global("good2"), nullptr);
  EXPECT_EQ(global("y"), nullptr);
}

TEST_F(Recovery, OneMessagePerFailingDeclaration) {
  std::string messages = load("int a b c d e f;\nint after;\n");
  EXPECT_EQ(diag::warning_count(), 1);
  EXPECT_NE(global("after"), nullptr);
  EXPECT_NE(messages.find("[t.h:1]"), std::string::npos);
}

TEST_F(Recovery, ABadMemberSkipsOnlyThatMember) {
  std::string messages = load("struct s { int a; int 3; int b; };\nint after;\n");
  EXPECT_EQ(diag::warning_count(), 1);
  TypeDescriptor* s = tag("s");
  EXPECT_EQ(member_position(s, n("a")), 1);
  EXPECT_EQ(member_position(s, n("b")), 2);
  EXPECT_NE(global("after"), nullptr);
}

TEST_F(Recovery, ABadDeclarationWithABodyResumesAfterTheBody) {
  load("struct broken { int a; } 42 { int x; };\nint after;\n");
  EXPECT_EQ(diag::warning_count(), 1);
  EXPECT_NE(global("after"), nullptr);
  EXPECT_EQ(global("x"), nullptr);
}

TEST_F(Recovery, AStrayClosingBraceAtFileLevel) {
  load("int a;\n}\nint b;\n");
  EXPECT_EQ(diag::warning_count(), 1);
  EXPECT_NE(global("b"), nullptr);
}

TEST_F(Recovery, ErrorsInsideANamespaceStayInside) {
  load("namespace n { int 1; int inner; }\nint outer;\n");
  TypeDescriptor* ns = find_scope(dict, "n");
  ASSERT_NE(ns, nullptr);
  EXPECT_EQ(in(ns, "inner")->declaration.scope, ns);
  EXPECT_EQ(global("outer")->declaration.scope, nullptr);
}

TEST_F(Recovery, TheEndOfTheTextInsideADeclarationIsAnError) {
  EXPECT_EQ(load("int x"), "Qandor-E-UNEXP_EOF,  [t.h:1] Unexpected end of file or incomplete line: "
                           "end of text inside a declaration\n");
  EXPECT_EQ(diag::error_count(), 1);
  diag::reset_reporting();
  load("namespace open { int a;\n");
  EXPECT_EQ(diag::error_count(), 1);
  diag::reset_reporting();
  load("inline int f(void) { return 0;\n");
  EXPECT_EQ(diag::error_count(), 1);
}

TEST_F(Recovery, MessagesFollowTheLineDirectives) {
  std::string messages = load("# 1 \"a.h\"\nint ok;\n#line 40 \"b.h\"\nint bad bad;\n");
  EXPECT_EQ(messages, "Qandor-W-SYNTAXERR,  [b.h:40] Syntax error syntax error\n");
  EXPECT_STREQ(global("ok")->declaration.file, "a.h");
}

std::string nested(int levels, std::string_view open, std::string_view middle, std::string_view close) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += open;
  text += middle;
  for (int i = 0; i < levels; ++i) text += close;
  return text;
}

TEST_F(Recovery, TheParserStackHoldsLessThan150OpenConstructs) {
  // The declarator itself is one construct; 148 parentheses around the name fill the stack.
  EXPECT_EQ(load("int " + nested(148, "(", "deep", ")") + ";\n"), "");
  EXPECT_NE(global("deep"), nullptr);
  std::string messages = load("int " + nested(149, "(", "deeper", ")") + ";\nint after;\n");
  EXPECT_EQ(messages, "Qandor-W-SYNTAXERR,  [t.h:1] Syntax error yacc stack overflow\n");
  EXPECT_EQ(global("deeper"), nullptr);
  EXPECT_NE(global("after"), nullptr);
}

TEST_F(Recovery, StackOverflowInNamespacesAndArrayBounds) {
  std::string messages = load(nested(200, "namespace n { ", "int x;", "} ") + "\nint after;\n");
  EXPECT_EQ(messages, "Qandor-W-SYNTAXERR,  [t.h:1] Syntax error yacc stack overflow\n");
  EXPECT_NE(global("after"), nullptr);
  diag::reset_reporting();
  messages = load("int a[" + nested(160, "(", "1", ")") + "];\nint b[" + nested(20, "(", "1", ")") + "];\n");
  EXPECT_EQ(messages, "Qandor-W-SYNTAXERR,  [t.h:1] Syntax error yacc stack overflow\n");
  EXPECT_EQ(global("a"), nullptr);
  EXPECT_NE(global("b"), nullptr);
}

TEST_F(Recovery, FunctionDefinitionsThatAreIncorrect) {
  EXPECT_EQ(load("int a, f(void) { return 0; }\n"),
            "Qandor-W-FUNCT_DEF,  [t.h:1] Incorrect function definition f\n");
  diag::reset_reporting();
  EXPECT_EQ(load("int k(a) int b; { return 0; }\nint after;\n"),
            "Qandor-W-FUNCT_DEF,  [t.h:1] Incorrect function definition b\n");
  EXPECT_NE(global("after"), nullptr);
  diag::reset_reporting();
  EXPECT_NE(load("typedef int t(void) { }\n").find("FUNCT_DEF"), std::string::npos);
}

TEST_F(Recovery, TemplateMessages) {
  EXPECT_EQ(load("template <class T, > class bad;\nint after;\n"),
            "Qandor-W-TEMPLADEC,  [t.h:1] Incorrect template declaration template\n");
  EXPECT_NE(global("after"), nullptr);
  diag::reset_reporting();
  EXPECT_EQ(load("template <class T> ;\n"), "Qandor-W-TEMPLADEC,  [t.h:1] Incorrect template declaration template\n");
  diag::reset_reporting();
  EXPECT_EQ(load("template <class T> class box;\nbox<int, char> two;\nbox<int> one;\n"),
            "Qandor-W-TEMINSINC,  [t.h:2] Incorrect template instantiation box\n");
  EXPECT_EQ(global("two"), nullptr);
  EXPECT_EQ(type_of("one")->kind, TypeKind::TemplateInstance);
  diag::reset_reporting();
  EXPECT_EQ(load("template <class... T> class pack;\npack<int, char, long> three;\n"), "");
}

TEST_F(Recovery, AccessDeclarationOfAnUnknownMember) {
  std::string messages = load(
      "class B { public: int known; };\n"
      "class D : public B {\n public:\n  B::known;\n  B::missing;\n  using B::absent;\n  int own;\n};\n");
  EXPECT_EQ(messages,
            "Qandor-W-MODACCINC,  [t.h:5] Access declaration of an unknown inherited member B::missing\n"
            "Qandor-W-MODACCINC,  [t.h:6] Access declaration of an unknown inherited member B::absent\n");
  EXPECT_EQ(member_position(tag("D"), n("own")), 1);
}

TEST_F(Recovery, AQualifiedNameThroughAUnion) {
  EXPECT_EQ(load("union U { int i; };\nU::T x;\nint after;\n"), "Qandor-W-SYNTAXERR,  [t.h:2] Syntax error U::T\n");
  EXPECT_NE(global("after"), nullptr);
}

TEST_F(Recovery, UnknownNamesInUsingDirectivesAndBases) {
  EXPECT_EQ(load("using namespace nowhere;\nint after;\n"), "Qandor-W-IDENTIINC,  [t.h:1] Unknown identifier nowhere\n");
  EXPECT_NE(global("after"), nullptr);
  diag::reset_reporting();
  EXPECT_EQ(load("class D : public Missing { };\n"), "Qandor-W-IDENTIINC,  [t.h:1] Unknown identifier Missing\n");
}

TEST_F(Recovery, RedefinitionsAreTheDictionarysMessages) {
  EXPECT_EQ(load("int x;\ndouble x;\n"), "Qandor-W-REDEFSYMB,  [t.h:2] Symbol x redefined\n");
  diag::reset_reporting();
  EXPECT_EQ(load("struct s { int a; };\nstruct s { int b; };\n"),
            "Qandor-W-REDEFSTRU,  [t.h:2] Structure or union data type s redefined\n");
  diag::reset_reporting();
  EXPECT_EQ(load("extern int y;\nint y;\nint f(int);\nint f(int a) { return a; }\n"), "");
}

TEST_F(Recovery, BadSpecifierCombinations) {
  EXPECT_NE(load("short long x;\n").find("CONSTRUCT"), std::string::npos);
  diag::reset_reporting();
  EXPECT_NE(load("int char y;\nint z;\n").find("SYNTAXERR"), std::string::npos);
  EXPECT_NE(global("z"), nullptr);
}

}  // namespace
}  // namespace iface::decltest
