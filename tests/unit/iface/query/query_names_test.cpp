// Name queries, scopes of the script side, declaration texts and the variables of a file.
#include "base/intern.h"
#include "iface/query/anc_names.h"
#include "iface/dict/type_descriptor.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

class NameQueries : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    ASSERT_EQ(declare("int counter; static int hidden; extern int outside; int f(int);\n"
                      "typedef int count_t; typedef struct node { int v; } node;\n"
                      "struct base { virtual void f(); }; struct plain { int a; };\n"
                      "struct mid : base { int m; }; struct top : mid, plain { int t; };\n"
                      "struct far : top {}; typedef struct top *top_ptr; top_ptr tp; struct plain *pp;\n"
                      "int *ip; template <class T> class box { T v; }; box<int> ib;\n"
                      "namespace net { int port; static int local; struct packet { int n; }; }\n"
                      "const int fixed = 3; const char *const label = \"x\";\n",
                      "", "a.h"),
              "");
  }
};

TEST_F(NameQueries, DeclarationKindAndStatic) {
  EXPECT_EQ(anc_declaration_kind("counter", ""), 1);
  EXPECT_EQ(anc_declaration_kind("outside", ""), 1);
  EXPECT_EQ(anc_declaration_kind("hidden", ""), 2);
  EXPECT_EQ(anc_declaration_kind("f", ""), 0);        // a function
  EXPECT_EQ(anc_declaration_kind("count_t", ""), 0);  // a typedef name
  EXPECT_EQ(anc_declaration_kind("node", ""), 0);     // a typedef giving a struct its tag name
  EXPECT_EQ(anc_declaration_kind("nothing", ""), 0);
  EXPECT_EQ(anc_declaration_kind("", ""), 0);
  EXPECT_EQ(anc_declaration_kind("net::local", ""), 2);
  EXPECT_EQ(anc_declaration_kind("net::port", ""), 1);
  EXPECT_EQ(anc_declaration_kind("port", "net"), 1);
  EXPECT_EQ(anc_declaration_kind("port", ""), 0);  // not visible at file level
  EXPECT_EQ(anc_is_static("hidden", ""), 1);
  EXPECT_EQ(anc_is_static("counter", ""), 0);
  EXPECT_EQ(anc_is_static("local", "net"), 1);
}

TEST_F(NameQueries, ScriptScopesFallOutwardsAndDeclaredInIsExact) {
  EXPECT_EQ(declare("int qlx_msgrcv; static int step;", "A.B@init"), "");
  EXPECT_EQ(declare("int in_b;", "A.B"), "");
  EXPECT_EQ(declare("int in_a;", "A"), "");
  EXPECT_EQ(anc_declaration_kind("qlx_msgrcv", "A.B@init"), 1);
  EXPECT_EQ(anc_declaration_kind("step", "A.B@init"), 2);
  EXPECT_EQ(anc_declaration_kind("qlx_msgrcv", "A.B"), 0);  // inner names stay inside
  EXPECT_EQ(anc_declaration_kind("qlx_msgrcv", ""), 0);
  EXPECT_EQ(anc_declaration_kind("in_b", "A.B@init"), 1);  // outwards: A.B, A, global
  EXPECT_EQ(anc_declaration_kind("in_a", "A.B@init"), 1);
  EXPECT_EQ(anc_declaration_kind("counter", "A.B@init"), 1);
  EXPECT_EQ(anc_declaration_kind("in_b", "A.C"), 0);  // a sibling scope does not see A.B
  EXPECT_EQ(anc_declaration_kind("in_a", "A.C"), 1);
  EXPECT_EQ(anc_is_declared_in("qlx_msgrcv", "A.B@init"), 1);
  EXPECT_EQ(anc_is_declared_in("in_b", "A.B@init"), 0);  // visible, but declared outside
  EXPECT_EQ(anc_is_declared_in("counter", ""), 1);
  EXPECT_EQ(anc_is_declared_in("counter", "A"), 0);
  EXPECT_EQ(anc_is_declared_in("port", "net"), 1);
  EXPECT_EQ(anc_is_declared_in("port", ""), 0);
  // Declaring the same name again in its own scope is a redefinition; in another scope it is not.
  EXPECT_EQ(declare("int in_b;", "A.B@init"), "");
  EXPECT_NE(declare("char in_b;", "A.B"), "");
}

// The type names that COMMTYPE and DEF_TRIGGER accept.
TEST_F(NameQueries, TypeNames) {
  for (const char* name : {"int", "char", "long", "double", "void", "unsigned", "signed", "count_t", "node", "plain",
                           "top_ptr", "net::packet"}) {
    EXPECT_EQ(anc_is_type_name(name), 1) << name;
  }
  // Objects, functions, a template without arguments, unknown and empty names, a tag of a
  // namespace seen from file level.
  for (const char* name : {"counter", "f", "tp", "box", "unknown", "", "packet", "net::port", "net::nothing"}) {
    EXPECT_EQ(anc_is_type_name(name), 0) << name;
  }
}

TEST_F(NameQueries, ClassQuestions) {
  EXPECT_EQ(anc_is_class_type("plain"), 1);
  EXPECT_EQ(anc_is_class_type("node"), 1);  // through the typedef
  EXPECT_EQ(anc_is_class_type("net::packet"), 1);
  EXPECT_EQ(anc_is_class_type("counter"), 0);
  EXPECT_EQ(anc_is_class_type("tp"), 0);
  EXPECT_EQ(anc_is_class_type("unknown"), 0);
  EXPECT_EQ(anc_is_not_template_type("plain"), 1);
  EXPECT_EQ(anc_is_not_template_type("box"), 0);
  EXPECT_EQ(anc_is_not_template_type("counter"), 1);
  EXPECT_EQ(anc_is_not_template_type("unknown"), 0);
  EXPECT_EQ(anc_class_has_flagged_member("base"), 1);  // a virtual member function
  EXPECT_EQ(anc_class_has_flagged_member("plain"), 0);
  EXPECT_EQ(anc_class_has_flagged_member("counter"), 0);
}

TEST_F(NameQueries, PointerToClass) {
  EXPECT_EQ(anc_pointer_to_class("tp"), type_of("top"));
  EXPECT_STREQ(anc_pointer_class_name("tp"), "top");
  EXPECT_STREQ(anc_pointer_class_name("pp"), "plain");
  EXPECT_EQ(anc_pointer_to_class("ip"), nullptr);
  EXPECT_EQ(anc_pointer_class_name("counter"), nullptr);
  EXPECT_EQ(anc_pointer_class_name("unknown"), nullptr);
}

TEST_F(NameQueries, BaseDistanceIsBreadthFirst) {
  EXPECT_EQ(anc_base_distance("top", "top"), 0);
  EXPECT_EQ(anc_base_distance("unknown", "unknown"), 0);
  EXPECT_EQ(anc_base_distance("top", "mid"), 1);
  EXPECT_EQ(anc_base_distance("top", "plain"), 1);
  EXPECT_EQ(anc_base_distance("top", "base"), 2);
  EXPECT_EQ(anc_base_distance("far", "base"), 3);
  EXPECT_EQ(anc_base_distance("base", "top"), -1);
  EXPECT_EQ(anc_base_distance("plain", "base"), -1);
  EXPECT_EQ(anc_base_distance("unknown", "base"), -1);
}

TEST_F(NameQueries, BaseDistanceOverAWideHierarchy) {
  // 600 direct bases and one base two levels down: the work queue grows past its first step.
  std::string text;
  for (int i = 0; i < 600; ++i) text += "struct w" + std::to_string(i) + " { int a; };\n";
  text += "struct deep { int d; }; struct wl : deep { int l; };\nstruct wide :";
  for (int i = 0; i < 600; ++i) text += " w" + std::to_string(i) + ",";
  text += " wl { int z; };\n";
  ASSERT_EQ(declare(text), "");
  EXPECT_EQ(anc_base_distance("wide", "w599"), 1);
  EXPECT_EQ(anc_base_distance("wide", "deep"), 2);
}

TEST_F(NameQueries, DeclarationTexts) {
  std::string out;
  anc_declaration_text("counter", 0, out);
  EXPECT_EQ(out, "int counter;");
  anc_declaration_text("fixed", 0, out);
  EXPECT_EQ(out, "const int fixed;");
  anc_declaration_text("fixed", 1, out);
  EXPECT_EQ(out, "int fixed;");
  anc_declaration_text("label", 1, out);
  EXPECT_EQ(out, "const char *label;");
  anc_declaration_text("missing", 0, out);
  EXPECT_EQ(out, "internal error;");
  SymbolEntry* untyped = append_symbol(the_dictionary(), make_declaration(base::intern("bare"), nullptr, nullptr, nullptr),
                                       SymbolTable::Ordinary, 0);
  ASSERT_NE(untyped, nullptr);
  anc_declaration_text("bare", 0, out);
  EXPECT_EQ(out, "int bare;");
}

TEST_F(NameQueries, VariablesOfAFileInBucketOrder) {
  // Buckets [sum of codes % 10][length % 10]: "f" (2,1), "ab" and "ba" (5,2), "a" (7,1), "b" (8,1); rows
  // first, and in one bucket the ordinary names before the tags, whatever the declaration order.
  declare("int b; struct ba { int x; }; static int a; int ab; namespace n { int ab; }\n"
          "int __quelt_var; int f(void);", "", "c.h");
  declare("int other_file;", "", "d.h");
  std::vector<FileVariable> list;
  anc_variables_of_file("c.h", list);
  std::string names;
  for (const FileVariable& v : list) names += v.name + ":" + std::to_string(v.declaration_kind) + " ";
  EXPECT_EQ(names, "f:0 ab:1 ba:1 a:2 b:1 ");
  anc_variables_of_file("d.h", list);  // appends
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list.back().name, "other_file");
}

}  // namespace
}  // namespace iface::querytest
