// Expression queries: argument classes in ANSI and K&R mode, constant expressions, same type,
// value classes.
#include "iface/query/anc_expressions.h"

#include <utility>
#include <vector>

#include "iface/query/anc_expression_type.h"
#include "iface/query/anc_types.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

constexpr const char* kHeader =
    "int compute(int count, char *text, ...); int old_style(); int no_arguments(void);\n"
    "char *named(const char label[16], double); struct pair { int a; int b; } p, pairs[3];\n"
    "int grid[5][2]; int *ptr; int value; typedef char buffer_t[32]; buffer_t buffer;\n";

class ArgumentClass : public QueryTest {
 protected:
  // The type of an expression typed in `scope`; null after a failure.
  static const TypeDescriptor* type_of_text(std::string_view text, std::string_view scope) {
    std::unique_ptr<ExprTree> tree = anc_parse_text(text, scope, "s.pts", 1, false);
    return tree != nullptr ? type_expression(tree->root, anc_scope(scope)) : nullptr;
  }

  void SetUp() override {
    QueryTest::SetUp();
    ASSERT_EQ(declare(kHeader), "");
  }
};

TEST_F(ArgumentClass, ReturnTypeParametersAndEllipsis) {
  ArgumentAnswer result = anc_argument_class("compute", "", 0);
  EXPECT_EQ(result.type_class, 2);
  EXPECT_EQ(result.type_text, "int");
  ArgumentAnswer first = anc_argument_class("compute", "", 1);
  EXPECT_EQ(first.type_class, 2);
  EXPECT_EQ(first.parameter_name, "count");
  ArgumentAnswer second = anc_argument_class("compute", "", 2);
  EXPECT_EQ(second.type_class, 6);
  EXPECT_EQ(second.parameter_name, "text");
  EXPECT_EQ(second.type_text, "char *");
  EXPECT_EQ(anc_argument_class("compute", "", 3).type_class, 15);  // the "..." itself
  EXPECT_EQ(anc_argument_class("compute", "", 9).type_class, 15);  // past it
  EXPECT_EQ(anc_argument_class("compute", "", -1).type_class, -1);
  EXPECT_EQ(anc_argument_class("named", "", 3).type_class, -1);  // past the last, no "..."
  ArgumentAnswer label = anc_argument_class("named", "", 1);
  EXPECT_EQ(label.parameter_name, "label");
  EXPECT_EQ(label.type_class, 7);
  EXPECT_EQ(label.bound_text, "[16]");
  EXPECT_EQ(label.first_bound, 16);
  ArgumentAnswer unnamed = anc_argument_class("named", "", 2);
  EXPECT_EQ(unnamed.type_class, 5);
  EXPECT_EQ(unnamed.parameter_name, "");
  EXPECT_EQ(anc_argument_class("named", "", 0).type_class, 6);
}

TEST_F(ArgumentClass, EmptyParameterListsDependOnTheRestriction) {
  EXPECT_EQ(anc_argument_class("old_style", "", 1).type_class, 14);  // ANSI: (void)
  EXPECT_EQ(anc_argument_class("old_style", "", 2).type_class, -1);
  EXPECT_EQ(anc_argument_class("old_style", "", 0).type_class, 2);
  EXPECT_EQ(anc_argument_class("no_arguments", "", 1).type_class, 14);  // one void parameter
  anc_end();
  begin(0);  // K&R
  declare(kHeader);
  EXPECT_EQ(anc_argument_class("old_style", "", 1).type_class, 17);
  EXPECT_EQ(anc_argument_class("old_style", "", 5).type_class, 17);
  anc_end();
  begin(2);  // not given: not ANSI
  declare(kHeader);
  EXPECT_EQ(anc_argument_class("old_style", "", 1).type_class, 17);
}

TEST_F(ArgumentClass, NoFunctionGivesNothing) {
  ArgumentAnswer answer = anc_argument_class("value", "", 0);
  EXPECT_EQ(answer.type_class, -1);
  EXPECT_EQ(answer.type_text, "");
  EXPECT_EQ(anc_argument_class("", "", 0).type_class, -1);
  EXPECT_EQ(anc_argument_class("ptr", "", 0).type_class, -1);  // a pointer, but not to a function
}

// A callee reached through a function pointer, declared directly or through a typedef.
TEST_F(ArgumentClass, FunctionPointers) {
  ASSERT_EQ(declare("typedef char *(*handler_t)(int code, double); handler_t on_event;\n"
                    "void (*notify)(long when, ...); const handler_t fixed = 0;"),
            "");
  EXPECT_EQ(anc_argument_class("on_event", "", 0).type_class, 6);
  ArgumentAnswer code = anc_argument_class("on_event", "", 1);
  EXPECT_EQ(code.type_class, 2);
  EXPECT_EQ(code.parameter_name, "code");
  EXPECT_EQ(anc_argument_class("on_event", "", 2).type_class, 5);
  EXPECT_EQ(anc_argument_class("on_event", "", 3).type_class, -1);
  EXPECT_EQ(anc_argument_class("fixed", "", 1).parameter_name, "code");
  EXPECT_EQ(anc_argument_class("notify", "", 0).type_class, 14);
  EXPECT_EQ(anc_argument_class("notify", "", 1).type_class, 3);
  EXPECT_EQ(anc_argument_class("notify", "", 4).type_class, 15);
  EXPECT_EQ(anc_argument_class("*notify", "", 1).parameter_name, "when");
}

TEST_F(ArgumentClass, ConstantExpressions) {
  EXPECT_EQ(anc_is_constant_expression("value", ""), 0);
  EXPECT_EQ(anc_is_constant_expression("grid[1][0]", ""), 0);
  EXPECT_EQ(anc_is_constant_expression("(value)", ""), 0);
  EXPECT_EQ(anc_is_constant_expression("*ptr", ""), 0);
  EXPECT_EQ(anc_is_constant_expression("(*(ptr))", ""), 0);
  EXPECT_EQ(anc_is_constant_expression("p.a", ""), 1);  // member access
  EXPECT_EQ(anc_is_constant_expression("3", ""), 1);
  EXPECT_EQ(anc_is_constant_expression("value + 1", ""), 1);
  EXPECT_EQ(anc_is_constant_expression("compute(1, 0)", ""), 1);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(anc_is_constant_expression("value +", ""), 1);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("SYNTAXERR"), std::string::npos);
}

TEST_F(ArgumentClass, SameType) {
  EXPECT_EQ(anc_same_type("p", "struct pair", "", "s.pts"), 1);
  EXPECT_EQ(anc_same_type("pairs[1]", "struct pair", "", "s.pts"), 1);
  EXPECT_EQ(anc_same_type("grid", "int [5][2]", "", "s.pts"), 1);
  EXPECT_EQ(anc_same_type("grid", "int [2][5]", "", "s.pts"), 0);
  EXPECT_EQ(anc_same_type("buffer", "char [32]", "", "s.pts"), 1);
  EXPECT_EQ(anc_same_type("value", "long", "", "s.pts"), 1);  // compatible classes
  EXPECT_EQ(anc_same_type("value", "struct pair", "", "s.pts"), 0);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(anc_same_type("p.c", "int", "", "s.pts"), 0);           // typing warned
  EXPECT_EQ(anc_same_type("value", "no_such_type", "", "s.pts"), 0);  // no type
  EXPECT_EQ(anc_same_type("value +", "int", "", "s.pts"), 0);
  ::testing::internal::GetCapturedStderr();
}

TEST_F(ArgumentClass, ValueClassAndFirstBound) {
  int type_class = 0;
  int bound = 0;
  anc_value_class("NONIL", "", "s.pts", 3, type_class, bound);
  EXPECT_EQ(type_class, 8);
  EXPECT_EQ(bound, 0);
  anc_value_class("grid", "", "s.pts", 3, type_class, bound);
  EXPECT_EQ(type_class, 11);
  EXPECT_EQ(bound, 5);
  anc_value_class("buffer", "", "s.pts", 3, type_class, bound);
  EXPECT_EQ(type_class, 7);
  EXPECT_EQ(bound, 32);
  anc_value_class("value", "", "s.pts", 3, type_class, bound);
  EXPECT_EQ(type_class, 2);
  EXPECT_EQ(bound, 0);
  anc_value_class("", "", "s.pts", 3, type_class, bound);
  EXPECT_EQ(type_class, -1);
  int expression_class = 0;
  ::testing::internal::CaptureStderr();
  anc_expression_class("nothing_here", "", "s.pts", 3, expression_class);
  std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(expression_class, -1);
  EXPECT_NE(messages.find("[s.pts:3] Unknown identifier nothing_here"), std::string::npos);
}

TEST_F(ArgumentClass, ExpressionsInAScriptScope) {
  declare("int qlx_msgrcv; struct pair local;", "A.B@init");
  int type_class = 0;
  anc_expression_class("local.b", "A.B@init", "s.pts", 1, type_class);
  EXPECT_EQ(type_class, 2);
  anc_expression_class("value", "A.B@init", "s.pts", 1, type_class);  // from the global scope
  EXPECT_EQ(type_class, 2);
  ::testing::internal::CaptureStderr();
  anc_expression_class("local", "A.B", "s.pts", 1, type_class);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(type_class, -1);
}

// "nullptr" is a pointer; "this" a pointer to the class whose scope the expression stands in, and
// an unknown identifier elsewhere.
TEST_F(ArgumentClass, ThisAndNullptr) {
  ASSERT_EQ(declare("class counter { public: int count; int next(); };"), "");
  int type_class = 0;
  anc_expression_class("nullptr", "", "s.pts", 1, type_class);
  EXPECT_EQ(type_class, 9);
  const TypeDescriptor* type = type_of_text("this", "counter");
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type_class_of(type), 9);
  EXPECT_EQ(type_class_of(type_of_text("this->count", "counter")), 2);
  ::testing::internal::CaptureStderr();
  anc_expression_class("this", "", "s.pts", 4, type_class);
  std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(type_class, -1);
  EXPECT_NE(messages.find("[s.pts:4] Unknown identifier this"), std::string::npos);
}

// The items of a value list must have one type: "TYPESDIFF" with the list text otherwise; classes
// that are compatible count as one type, and empty or designated items are left out.
TEST_F(ArgumentClass, ListItemsOfDifferentTypes) {
  ::testing::internal::CaptureStderr();
  std::unique_ptr<ExprTree> same = anc_parse_text("{1, value, 2L, , 'c'}", "", "s.pts", 2, true);
  ASSERT_NE(same, nullptr);
  EXPECT_EQ(type_expression(same->root, anc_scope("")), nullptr);
  std::unique_ptr<ExprTree> designated = anc_parse_text("{a => 1, b => \"x\"}", "", "s.pts", 2, true);
  ASSERT_NE(designated, nullptr);
  type_expression(designated->root, anc_scope(""));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  ::testing::internal::CaptureStderr();
  std::unique_ptr<ExprTree> mixed = anc_parse_text("{1, \"text\"}", "", "s.pts", 5, true);
  ASSERT_NE(mixed, nullptr);
  EXPECT_EQ(type_expression(mixed->root, anc_scope("")), nullptr);
  std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(messages.find("TYPESDIFF"), std::string::npos) << messages;
  EXPECT_NE(messages.find("[s.pts:5]"), std::string::npos) << messages;
  EXPECT_NE(messages.find("{1, \"text\"}"), std::string::npos) << messages;
}

// "T(arguments)" names a class: its constructor must be declared; without arguments the implicit
// default constructor of a class without constructors serves.
TEST_F(ArgumentClass, ConstructorCalls) {
  ASSERT_EQ(declare("class point { public: point(int x, int y); int x; };\nstruct plain { int v; };"), "");
  int type_class = 0;
  anc_expression_class("point(1, 2)", "", "s.pts", 1, type_class);
  EXPECT_EQ(type_class, 10);
  anc_expression_class("point(1, 2).x", "", "s.pts", 1, type_class);
  EXPECT_EQ(type_class, 2);
  anc_expression_class("plain()", "", "s.pts", 1, type_class);
  EXPECT_EQ(type_class, 10);
  ::testing::internal::CaptureStderr();
  anc_expression_class("plain(3)", "", "s.pts", 6, type_class);
  std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(type_class, -1);
  EXPECT_NE(messages.find("CONSTRINC"), std::string::npos) << messages;
  EXPECT_NE(messages.find("[s.pts:6]"), std::string::npos) << messages;
  EXPECT_NE(messages.find("plain"), std::string::npos) << messages;
}

// ".*" and "->*" give the type the member pointer points to; their left operands are checked as
// for "." and "->".
TEST_F(ArgumentClass, MemberPointerOperators) {
  ASSERT_EQ(declare("struct rec { double weight; } r, *rp; double rec::*pw = 0;"), "");
  int type_class = 0;
  anc_expression_class("r.*pw", "", "s.pts", 1, type_class);
  EXPECT_EQ(type_class, 5);
  anc_expression_class("rp->*pw", "", "s.pts", 1, type_class);
  EXPECT_EQ(type_class, 5);
  const std::vector<std::pair<const char*, const char*>> faults = {
      {"value.*pw", "INVCHASTR"}, {"r->*pw", "NOPOSTRUC"}, {"ptr->*pw", "POINSTRUC"}, {"r.*value", "NONPOINTE"}};
  for (const auto& [text, code] : faults) {
    ::testing::internal::CaptureStderr();
    anc_expression_class(text, "", "s.pts", 2, type_class);
    std::string messages = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(type_class, -1) << text;
    EXPECT_NE(messages.find(code), std::string::npos) << text << ": " << messages;
  }
}

}  // namespace
}  // namespace iface::querytest
