// FORMAT: display base texts, format names, overrides per level and their removal.
#include "iface/query/format.h"
#include "iface/dict/type_members.h"
#include "query_fixture.h"

namespace iface::querytest {
namespace {

std::string parsed(std::string_view text) {
  DisplayBaseText d = parse_display_base(text);
  return std::to_string(d.base) + " " + std::to_string(d.size) + (d.error ? " " + std::string(diag::code_name(*d.error)) + ":" + d.argument : "");
}

TEST(DisplayBase, LettersNumbersAndSizes) {
  EXPECT_EQ(parsed(""), "6 0");
  EXPECT_EQ(parsed("16"), "0 0");
  EXPECT_EQ(parsed("2"), "2 0");
  EXPECT_EQ(parsed("H"), "0 0");
  EXPECT_EQ(parsed("h32"), "0 -32");
  EXPECT_EQ(parsed("D8"), "1 -8");
  EXPECT_EQ(parsed("b16"), "2 -16");
  EXPECT_EQ(parsed("U16"), "3 16");  // the only size kept positive
  EXPECT_EQ(parsed("u"), "3 0");
  EXPECT_EQ(parsed("F"), "4 -6");    // default precisions
  EXPECT_EQ(parsed("E"), "5 -48");
  EXPECT_EQ(parsed("f3"), "4 -3");
  EXPECT_EQ(parsed("E12"), "5 -12");  // floating precisions need no multiple of 8
}

TEST(DisplayBase, MalformedTextsFallBackToTheDefault) {
  EXPECT_EQ(parsed("D12"), "6 0 TAILLEDIV:12");
  EXPECT_EQ(parsed("U16x"), "6 0 TAILLEERR:U16x");
  EXPECT_EQ(parsed("X"), "6 0 BASEINCON:X");
  EXPECT_EQ(parsed("162"), "6 0 BASEINCON:162");
  EXPECT_EQ(parsed("2H"), "6 0 BASEINCON:2H");
  EXPECT_EQ(parsed("1"), "6 0 BASEINCON:1");
  EXPECT_EQ(parsed("H99999999999"), "6 0 TAILLEERR:H99999999999");  // no overflow
}

TEST(FormatTable, ExactNamesAndCompaction) {
  ASSERT_NE(find_format("string_ptr"), nullptr);
  EXPECT_EQ(find_format("string_ptr")->format_kind, 9);
  EXPECT_EQ(find_format("pointer")->default_size, 32);
  EXPECT_EQ(find_format("int")->default_size, -32);
  EXPECT_STREQ(find_format("longdouble")->c_type, "long double");
  EXPECT_EQ(find_format("String"), nullptr);  // case-sensitive
  EXPECT_EQ(find_format("booleen"), nullptr);  // the alias is not matched
  EXPECT_EQ(compact_format_name("  string_$ptr  "), "string_ptr");
  EXPECT_EQ(compact_format_name("long \t double"), "long double");
  EXPECT_EQ(compact_format_name("boolean(yes, no)#H"), "boolean");
}

class FormatOverrides : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    ASSERT_EQ(declare("struct rec { int code; char *text; int grid[2][3]; } r; int plain; struct rec *rp;\n"
                      "int values[4]; int *ptr; int fn(void); typedef int count_t; count_t counted;\n"),
              "");
  }
  static std::string formats(std::string_view variable, std::string_view format, int level = 1) {
    ::testing::internal::CaptureStderr();
    anc_set_format(level, "", variable, format, "s.pts", 7);
    return ::testing::internal::GetCapturedStderr();
  }
  static const TypeDescriptor* member_type(std::string_view name) {
    return find_member(type_of("r"), base::intern(name))->type;
  }
};

TEST_F(FormatOverrides, UnsignedSixteenOnAnIntAndTheDeclarationUntouched) {
  const TypeDescriptor* declared = type_of("plain");
  EXPECT_EQ(formats("plain", "int#U16"), "");
  const TypeDescriptor* now = type_of("plain");
  ASSERT_NE(now, declared);
  EXPECT_EQ(now->display_base, kBaseUnsigned);
  EXPECT_EQ(now->size, 16);
  EXPECT_EQ(now->format_kind, -1);  // a C type was given
  EXPECT_EQ(declared->display_base, kBaseDefault);
  anc_drop_formats(1);
  EXPECT_EQ(type_of("plain"), declared);
}

TEST_F(FormatOverrides, TableFormatsCopyTheVariablesType) {
  EXPECT_EQ(formats("r.text", "pointer"), "");
  const TypeDescriptor* text = member_type("text");
  EXPECT_EQ(text->kind, TypeKind::Pointer);
  EXPECT_EQ(text->format_kind, 6);
  EXPECT_EQ(text->display_base, kBaseHexadecimal);  // the pointer row's default
  EXPECT_EQ(text->size, 32);
  EXPECT_EQ(formats("rp->code", "boolean"), "");
  EXPECT_EQ(member_type("code")->format_kind, 1);
  EXPECT_EQ(formats("r.grid[]", "#B8"), "");  // empty format: int; the elements of every dimension
  const TypeDescriptor* grid = member_type("grid");
  const TypeDescriptor* element = array_data(array_data(grid)->element)->element;
  EXPECT_EQ(element->display_base, kBaseBinary);
  EXPECT_EQ(element->size, -8);
  EXPECT_EQ(formats("ptr [ ] ", "#D"), "");
  EXPECT_EQ(pointer_data(type_of("ptr"))->pointee->display_base, kBaseDecimal);
  EXPECT_EQ(formats("fn", "#H"), "");  // a function's result
  EXPECT_EQ(function_data(type_of("fn"))->result->display_base, kBaseHexadecimal);
  EXPECT_EQ(formats("counted", "integer"), "");
  EXPECT_EQ(type_of("counted")->kind, TypeKind::Typedef);  // a copy of the typedef itself
  EXPECT_EQ(type_of("counted")->size, -32);                 // the row's default size
  EXPECT_EQ(formats("plain", "unsigned#H"), "");            // a C type first: the type of that text
  EXPECT_EQ(type_of("plain")->format_kind, -1);
  EXPECT_EQ(type_of("plain")->size, 0);
  EXPECT_EQ(base_data(type_of("plain"))->bits, 32);
}

TEST_F(FormatOverrides, MessagesAndTheTypeLeftAsItWas) {
  const TypeDescriptor* declared = type_of("plain");
  EXPECT_NE(formats("plain", "int#D12").find("[s.pts:7] The integer size 12 is not a multiple of 8"), std::string::npos);
  EXPECT_EQ(type_of("plain")->display_base, kBaseDefault);  // applied with the default base
  anc_drop_formats(1);
  EXPECT_NE(formats("plain", "nosuch").find("TYPEINCON"), std::string::npos);
  EXPECT_EQ(type_of("plain"), declared);
  EXPECT_NE(formats("missing", "int").find("Qandor-W-IDENTINCO,  [s.pts:7] Unknown ident missing"), std::string::npos);
  EXPECT_NE(formats("plain.x", "int").find("NOMVARINC"), std::string::npos);
  EXPECT_NE(formats("r.nope.more", "int").find("Unknown field nope.more"), std::string::npos);
  EXPECT_NE(formats("r->code", "int").find("NOMVARINC"), std::string::npos);  // "->" needs a pointer
  EXPECT_NE(formats("plain[]", "int").find("NOMVARINC"), std::string::npos);
  EXPECT_NE(formats("values]", "int").find("NOMVARINC"), std::string::npos);
  EXPECT_EQ(type_of("plain"), declared);
  EXPECT_TRUE(the_format_state().overrides.empty());
}

TEST_F(FormatOverrides, SecondFormatAtOneLevelReplacesAndDroppingRestoresTheLevelBelow) {
  const TypeDescriptor* declared = type_of("plain");
  EXPECT_EQ(formats("plain", "#H", 1), "");
  const TypeDescriptor* outer = type_of("plain");
  EXPECT_EQ(formats("plain", "#D", 2), "");
  const TypeDescriptor* inner = type_of("plain");
  EXPECT_NE(formats("plain", "#B", 2).find("Several FORMAT instructions for variable plain"), std::string::npos);
  EXPECT_EQ(type_of("plain")->display_base, kBaseBinary);
  EXPECT_NE(type_of("plain"), inner);
  EXPECT_EQ(the_format_state().overrides.size(), 2u);
  anc_drop_formats(2);
  EXPECT_EQ(type_of("plain"), outer);
  anc_drop_formats(2);  // nothing left at that level
  EXPECT_EQ(type_of("plain"), outer);
  anc_drop_formats(1);
  EXPECT_EQ(type_of("plain"), declared);
}

TEST_F(FormatOverrides, BeginForgetsTheOverrides) {
  formats("plain", "#H");
  anc_end();
  begin(1);
  EXPECT_TRUE(the_format_state().overrides.empty());
}

}  // namespace
}  // namespace iface::querytest
