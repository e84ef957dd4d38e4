// Type classes, their printed texts, their compatibility and type identity.
#include <utility>
#include <vector>

#include "base/intern.h"
#include "iface/query/anc_types.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

class TypeClasses : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    ASSERT_EQ(declare("enum colour { RED, GREEN } e;\n"
                      "char c; signed char sc; unsigned char uc;\n"
                      "short s; int i; unsigned u; long l; unsigned long ul; long long ll;\n"
                      "float f; double d; long double ld;\n"
                      "char *pc; const char **ppc; int *pi; void *pv; struct S *ps;\n"
                      "char text[10]; char grid[2][3]; int numbers[4]; unsigned char bytes[];\n"
                      "struct S { int a; } st; union U { int a; char b; } un;\n"
                      "int fn(int); void vfn(void);\n"
                      "typedef const char name_t[8]; name_t name;\n"
                      "typedef long long_alias; const volatile long_alias cvl;\n"
                      "typedef char *string_t; string_t str; int &ri = i; char *&rpc = pc;\n"),
              "");
  }
  static int class_of(std::string_view name) { return type_class_of(type_of(name)); }
};

TEST_F(TypeClasses, BaseTypesByNameAndCharacterFlag) {
  const std::vector<std::pair<const char*, int>> expected = {
      {"e", 0},  {"c", 1},  {"sc", 1}, {"uc", 1}, {"s", 2}, {"i", 2}, {"u", 2},
      {"l", 3},  {"ul", 3}, {"ll", 3}, {"f", 4},  {"d", 5}, {"ld", 4},
  };
  for (const auto& [name, type_class] : expected) EXPECT_EQ(class_of(name), type_class) << name;
  EXPECT_EQ(type_class_of(nullptr), 2);  // an absent type is an int
}

TEST_F(TypeClasses, PointersArraysAndCompounds) {
  EXPECT_EQ(class_of("pc"), 6);
  EXPECT_EQ(class_of("ppc"), 6);  // any depth, through the const of the pointee
  EXPECT_EQ(class_of("pi"), 9);
  EXPECT_EQ(class_of("pv"), 9);
  EXPECT_EQ(class_of("ps"), 9);
  EXPECT_EQ(class_of("text"), 7);
  EXPECT_EQ(class_of("bytes"), 7);
  EXPECT_EQ(class_of("grid"), 11);  // the element is an array, not a character
  EXPECT_EQ(class_of("numbers"), 11);
  EXPECT_EQ(class_of("st"), 10);
  EXPECT_EQ(class_of("un"), 12);
  EXPECT_EQ(class_of("fn"), 13);
  EXPECT_EQ(type_class_of(function_data(strip_typedefs(type_of("vfn")))->result), 14);
  EXPECT_EQ(type_class_of(the_dictionary().base.builtin.ellipsis_type), 15);
}

TEST_F(TypeClasses, TypedefsQualifiersAndReferencesAreLookedThrough) {
  EXPECT_EQ(class_of("name"), 7);
  EXPECT_EQ(class_of("cvl"), 3);
  EXPECT_EQ(class_of("str"), 6);
  EXPECT_EQ(class_of("ri"), 2);
  EXPECT_EQ(class_of("rpc"), 6);
}

TEST_F(TypeClasses, PrintedBaseAndBoundTexts) {
  auto texts = [](std::string_view name) {
    ClassifiedType c = classify_type(type_of(name));
    return c.base_text + "|" + c.bound_text;
  };
  EXPECT_EQ(texts("i"), "int|");
  EXPECT_EQ(texts("ul"), "unsigned long|");
  EXPECT_EQ(texts("ppc"), "char **|");
  EXPECT_EQ(texts("grid"), "char|[2][3]");
  EXPECT_EQ(texts("bytes"), "unsigned char|[0]");
  EXPECT_EQ(texts("ri"), "int &|");
  EXPECT_EQ(texts("rpc"), "char * &|");
  EXPECT_EQ(classify_type(nullptr).base_text, "int");
  EXPECT_EQ(texts("pv"), "void *|");
  EXPECT_EQ(first_bound_of(type_of("grid")), 2);
  EXPECT_EQ(first_bound_of(type_of("bytes")), 0);
  EXPECT_EQ(first_bound_of(type_of("i")), 0);
}

TEST(ClassesCompatible, TheRulesOfTheTable) {
  EXPECT_EQ(classes_compatible(8, 3), 1);
  EXPECT_EQ(classes_compatible(3, 8), 1);
  EXPECT_EQ(classes_compatible(9, 7), 1);
  EXPECT_EQ(classes_compatible(9, 10), 0);  // a pointer is no struct
  EXPECT_EQ(classes_compatible(6, 7), 1);
  EXPECT_EQ(classes_compatible(7, 1), 0);
  EXPECT_EQ(classes_compatible(0, 5), 1);
  EXPECT_EQ(classes_compatible(5, 6), 0);
  EXPECT_EQ(classes_compatible(10, 10), 1);
  EXPECT_EQ(classes_compatible(10, 12), 0);
  EXPECT_EQ(classes_compatible(13, 14), 0);
  for (int other = -1; other <= 17; ++other) {
    EXPECT_EQ(classes_compatible(15, other), 1) << other;
    EXPECT_EQ(classes_compatible(other, 17), 1) << other;
  }
}

TEST_F(TypeClasses, TypeIdentity) {
  declare("struct S other_s; typedef struct S s_t; s_t alias_s; struct T { int a; } t;\n"
          "int more[4]; long less[4]; const int cnumbers[4]; typedef int four_t[4]; four_t tnumbers;\n");
  EXPECT_TRUE(types_identical(type_of("st"), type_of("other_s")));
  EXPECT_TRUE(types_identical(type_of("st"), type_of("alias_s")));  // through the typedef
  EXPECT_FALSE(types_identical(type_of("st"), type_of("t")));       // same shape, other descriptor
  EXPECT_FALSE(types_identical(type_of("st"), type_of("un")));
  EXPECT_TRUE(types_identical(type_of("numbers"), type_of("more")));
  EXPECT_TRUE(types_identical(type_of("numbers"), type_of("tnumbers")));
  EXPECT_FALSE(types_identical(type_of("numbers"), type_of("less")));
  EXPECT_FALSE(types_identical(type_of("numbers"), type_of("cnumbers")));  // printed element differs
  EXPECT_FALSE(types_identical(type_of("numbers"), type_of("text")));
  EXPECT_TRUE(types_identical(type_of("i"), type_of("d")));   // both numeric
  EXPECT_TRUE(types_identical(type_of("cvl"), type_of("l")));  // qualifiers removed
  EXPECT_FALSE(types_identical(type_of("i"), type_of("pc")));
}

}  // namespace
}  // namespace iface::querytest
