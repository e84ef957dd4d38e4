// Select structs of message types with unions.
#include "iface/query/anc_select_struct.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

class SelectStruct : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    ASSERT_EQ(declare("union flat { int i; float f; };\n"
                      "union deep { int i; struct { union flat inner; int n; } s; };\n"
                      "struct point { int x; int y; };\n"
                      "typedef struct { int code; union flat value; struct point at; union deep many[4];\n"
                      "                 union flat open[]; const union flat fixed; char *text; } msg_t;\n"
                      "typedef struct point plain_t; typedef const union flat cflat;\n"),
              "");
  }
  static std::string text(std::string_view name) {
    std::string out;
    return anc_select_struct_text(name, "s.pts", out) ? out : "(none)";
  }
};

TEST_F(SelectStruct, UnionsNestedAsInTheType) {
  EXPECT_EQ(text("flat"), "struct {\nint select;\n\n}QLX_flat;\n");
  EXPECT_EQ(text("cflat"), "struct {\nint select;\n\n}QLX_cflat;\n");  // through the typedef and const
  EXPECT_EQ(text("deep"),
            "struct {\nint select;\n\n"
            "struct {\nstruct {\nint select;\n\n}inner;\n\n}s;\n"
            "\n}QLX_deep;\n");
}

TEST_F(SelectStruct, StructsKeepOnlyTheirMembersWithUnionsAndArraysTheirBounds) {
  EXPECT_EQ(text("msg_t"),
            "struct {\n"
            "struct {\nint select;\n\n}value;\n"
            "struct {\nint select;\n\nstruct {\nstruct {\nint select;\n\n}inner;\n\n}s;\n\n}many[4];\n"
            "struct {\nint select;\n\n}open[0];\n"
            "struct {\nint select;\n\n}fixed;\n"
            "\n}QLX_msg_t;\n");
}

TEST_F(SelectStruct, NothingWithoutUnions) {
  EXPECT_EQ(text("point"), "(none)");
  EXPECT_EQ(text("plain_t"), "(none)");
  EXPECT_EQ(text("unknown"), "(none)");
  EXPECT_EQ(text(""), "(none)");
}

}  // namespace
}  // namespace iface::querytest
