// Descriptors: composition of specifiers, the size pragmas, members by name and position,
// "is character string", operator and destructor names.
#include "dict_test_support.h"
#include "iface/dict/type_members.h"
#include "iface/dict/type_operators.h"

namespace iface {
namespace {

using testing_support::DictionaryTest;

class DictTypesTest : public DictionaryTest {
 protected:
  TypeDescriptor* compose(std::string_view word, TypeDescriptor* type) {
    return compose_type(dict.base, dict.types, word, type, where);
  }
  // "<name>/<bits>/<c when character>" of a base type, or "none".
  std::string describe(const TypeDescriptor* type) {
    const BaseTypeData* base = base_data(type);
    if (base == nullptr) return "none";
    return base->name + "/" + std::to_string(base->bits) + (base->character ? "/c" : "");
  }
};

TEST_F(DictTypesTest, BuiltinTypesHaveTheDefaultSizes) {
  EXPECT_EQ(describe(builtin("char")), "char/-8/c");
  EXPECT_EQ(describe(builtin("short")), "short/-16");
  EXPECT_EQ(describe(builtin("int")), "int/-32");
  EXPECT_EQ(describe(builtin("long")), "long/-32");
  EXPECT_EQ(describe(builtin("long long")), "long long/-64");
  EXPECT_EQ(builtin("double")->kind, TypeKind::Floating);
  EXPECT_EQ(builtin("void")->kind, TypeKind::Void);
  EXPECT_EQ(dict.base.builtin.ellipsis_type->kind, TypeKind::Ellipsis);
  EXPECT_EQ(builtin("longlong"), nullptr);
  // Fresh descriptors start with the default display attributes.
  EXPECT_EQ(int_type()->display_base, kBaseDefault);
  EXPECT_EQ(int_type()->format_kind, -1);
  EXPECT_EQ(int_type()->size, 0);
}

TEST_F(DictTypesTest, SignWordsKeepTheCharacterFlagAndSetTheSign) {
  EXPECT_EQ(describe(compose("unsigned", char_type())), "unsigned char/8/c");
  EXPECT_EQ(describe(compose("signed", char_type())), "signed char/-8/c");
  EXPECT_EQ(describe(compose("unsigned", int_type())), "unsigned int/32");
  EXPECT_EQ(describe(compose("signed", int_type())), "signed int/-32");
}

TEST_F(DictTypesTest, LengthWordsGiveTheirSizesInEitherOrder) {
  start_capture();
  TypeDescriptor* long_int = compose("long", int_type());
  EXPECT_EQ(describe(long_int), "long/-32");
  EXPECT_EQ(describe(compose("long", long_int)), "long long/-64");
  EXPECT_EQ(describe(compose("short", int_type())), "short/-16");
  // The character flag goes; the sign already given stays.
  EXPECT_EQ(describe(compose("short", char_type())), "short/-16");
  EXPECT_EQ(describe(compose("long", compose("unsigned", int_type()))), "unsigned long/32");
  EXPECT_EQ(describe(compose("unsigned", long_int)), "unsigned long/32");
  EXPECT_EQ(describe(compose("unsigned", compose("long", long_int))), "unsigned long long/64");
  EXPECT_EQ(describe(compose("short", compose("unsigned", int_type()))), "unsigned short/16");
  TypeDescriptor* long_double = compose("long", builtin("double"));
  EXPECT_EQ(long_double->kind, TypeKind::Floating);
  EXPECT_EQ(base_data(long_double)->name, "long double");
  EXPECT_EQ(captured(), "");
}

TEST_F(DictTypesTest, ClashingOrUnknownWordsAreBadConstructions) {
  start_capture();
  EXPECT_EQ(compose("unsigned", compose("signed", int_type())), nullptr);
  EXPECT_EQ(compose("signed", compose("unsigned", char_type())), nullptr);
  EXPECT_EQ(compose("long", compose("short", int_type())), nullptr);
  EXPECT_EQ(compose("short", compose("long", int_type())), nullptr);
  EXPECT_EQ(compose("long", compose("long", compose("long", int_type()))), nullptr);
  EXPECT_EQ(compose("huge", int_type()), nullptr);
  EXPECT_EQ(compose("unsigned", builtin("float")), nullptr);
  EXPECT_EQ(compose("unsigned", record(TypeKind::Struct, n("S"), {"a"})), nullptr);
  std::string lines = captured();
  EXPECT_NE(lines.find("Qandor-W-CONSTRUCT,  [a.h:7] Bad construction unsigned signed int\n"), std::string::npos);
  EXPECT_NE(lines.find("Qandor-W-CONSTRUCT,  [a.h:7] Bad construction huge int\n"), std::string::npos);
  EXPECT_NE(lines.find("Qandor-W-CONSTRUCT,  [a.h:7] Bad construction unsigned S\n"), std::string::npos);
  EXPECT_EQ(diag::warning_count(), 8);
}

TEST_F(DictTypesTest, CompositionAppliesToThePointeeOrTarget) {
  TypeDescriptor* pointer = compose("unsigned", make_pointer(dict.types, char_type()));
  ASSERT_EQ(pointer->kind, TypeKind::Pointer);
  EXPECT_EQ(describe(pointer_data(pointer)->pointee), "unsigned char/8/c");
  TypeDescriptor* constant = compose("long", make_qualified(dict.types, "const", int_type()));
  ASSERT_EQ(constant->kind, TypeKind::Qualified);
  EXPECT_EQ(qualified_data(constant)->qualifier, "const");
  EXPECT_EQ(describe(qualified_data(constant)->target), "long/-32");
}

TEST_F(DictTypesTest, SizePragmasChangeBuiltinsAndLaterCompositions) {
  EXPECT_TRUE(set_builtin_size(dict.base, "int", 16));
  EXPECT_TRUE(set_builtin_size(dict.base, "long", 64));
  EXPECT_TRUE(set_builtin_size(dict.base, "longlong", 128));
  EXPECT_FALSE(set_builtin_size(dict.base, "float", 64));
  EXPECT_EQ(describe(int_type()), "int/-16");
  EXPECT_EQ(describe(compose("long", int_type())), "long/-64");
  EXPECT_EQ(describe(compose("long", compose("long", int_type()))), "long long/-128");
  EXPECT_EQ(dict.base.sizes.int_bits, 16);
  set_plain_char_unsigned(dict.base, true);
  EXPECT_EQ(describe(char_type()), "char/8/c");
  EXPECT_TRUE(set_builtin_size(dict.base, "char", 16));
  EXPECT_EQ(describe(char_type()), "char/16/c");
  set_plain_char_unsigned(dict.base, false);
  EXPECT_EQ(describe(char_type()), "char/-16/c");
}

TEST_F(DictTypesTest, PragmaOnATypedefChangesOnlyThatTypedef) {
  SymbolEntry* word = declare_typedef(dict, n("word"), int_type(), nullptr, n("a.h"), where);
  EXPECT_TRUE(set_typedef_integer_size(dict.types, word->declaration.type, 16));
  EXPECT_EQ(describe(typedef_data(word->declaration.type)->target), "int/-16");
  EXPECT_EQ(describe(int_type()), "int/-32");
  EXPECT_TRUE(set_typedef_integer_sign(dict.types, word->declaration.type, true));
  EXPECT_EQ(describe(typedef_data(word->declaration.type)->target), "int/16");
  SymbolEntry* real = declare_typedef(dict, n("real"), builtin("double"), nullptr, n("a.h"), where);
  EXPECT_FALSE(set_typedef_integer_size(dict.types, real->declaration.type, 32));
  EXPECT_FALSE(set_typedef_integer_size(dict.types, int_type(), 32));
}

TEST_F(DictTypesTest, MemberPositionIsOneBasedAndLooksThroughTypedefsAndQualifiers) {
  TypeDescriptor* s = record(TypeKind::Struct, n("S"), {"a", "b", "c"});
  EXPECT_EQ(member_position(s, n("a")), 1);
  EXPECT_EQ(member_position(s, n("c")), 3);
  EXPECT_EQ(member_position(s, n("missing")), 0);
  SymbolEntry* alias = declare_typedef(dict, n("S_t"), make_qualified(dict.types, "const", s), nullptr, n("a.h"), where);
  EXPECT_EQ(member_position(alias->declaration.type, n("b")), 2);
  TypeDescriptor* u = record(TypeKind::Union, n("U"), {"x", "y"});
  EXPECT_EQ(member_position(u, n("y")), 2);
  TypeDescriptor* e = begin_tag_definition(dict, TypeKind::Enumeration, n("E"), true, nullptr, n("a.h"), where);
  add_enumerator(e, n("RED"), 0);
  add_enumerator(e, n("GREEN"), 1);
  complete_tag(dict, e, n("a.h"), where);
  EXPECT_EQ(member_position(e, n("GREEN")), 2);
  // No type at all gives 1; a template and a scalar give 0.
  EXPECT_EQ(member_position(nullptr, n("a")), 1);
  TypeDescriptor* pattern = declare_class_template(dict, n("V"), false, {}, nullptr, n("a.h"), where);
  template_data(pattern)->pattern = s;
  EXPECT_EQ(member_position(pattern, n("a")), 0);
  EXPECT_EQ(member_position(int_type(), n("a")), 0);
  // A pointer is not looked through; an instance is, to its template's class.
  EXPECT_EQ(member_position(make_pointer(dict.types, s), n("a")), 0);
  EXPECT_EQ(member_position(instantiate_template(dict, pattern, {TemplateArgument{"int", int_type()}}), n("b")), 2);
}

TEST_F(DictTypesTest, UnnamedMembersTakeAPositionButMatchNoName) {
  TypeDescriptor* s = begin_tag_definition(dict, TypeKind::Struct, n("P"), true, nullptr, n("a.h"), where);
  add_member(s, Member{n("a"), int_type(), 0, -1});
  add_member(s, Member{nullptr, int_type(), 0, 3});
  add_member(s, Member{n("b"), int_type(), 0, -1});
  complete_tag(dict, s, n("a.h"), where);
  EXPECT_EQ(member_position(s, n("b")), 3);
  EXPECT_EQ(member_position(s, nullptr), 0);
}

TEST_F(DictTypesTest, MemberAtCountsAndAppendsTheName) {
  TypeDescriptor* s = record(TypeKind::Struct, n("S"), {"first", "second"});
  TypeDescriptor* reference = make_reference(dict.types, make_typedef(dict.types, n("S_t"), s));
  std::string names = "x.";
  int counter = 0;
  const Member* member = member_at(reference, 2, &counter, &names);
  ASSERT_NE(member, nullptr);
  EXPECT_STREQ(member->name, "second");
  EXPECT_EQ(names, "x.second");
  EXPECT_EQ(counter, 2);
  // Past the end: none, and the counter has passed every member.
  counter = 10;
  EXPECT_EQ(member_at(s, 3, &counter, nullptr), nullptr);
  EXPECT_EQ(counter, 12);
  EXPECT_EQ(member_at(s, 0, nullptr, nullptr), nullptr);
  EXPECT_EQ(member_at(int_type(), 1, nullptr, nullptr), nullptr);
  EXPECT_STREQ(member_at(record(TypeKind::Union, n("U"), {"only"}), 1, nullptr, nullptr)->name, "only");
}

TEST_F(DictTypesTest, FindMemberSearchesUnnamedMembersAndBases) {
  TypeDescriptor* base = record(TypeKind::Struct, n("Base"), {"inherited"});
  TypeDescriptor* inner = record(TypeKind::Union, nullptr, {"alternative"});
  TypeDescriptor* derived = begin_tag_definition(dict, TypeKind::Struct, n("Derived"), false, nullptr, n("a.h"), where);
  add_base(derived, base, 0);
  add_base(derived, base, kMemberVirtual);  // a diamond reaches Base twice
  add_member(derived, Member{n("own"), int_type(), 0, -1});
  add_member(derived, Member{nullptr, inner, 0, -1});
  complete_tag(dict, derived, n("a.h"), where);
  EXPECT_STREQ(find_member(derived, n("own"))->name, "own");
  EXPECT_STREQ(find_member(derived, n("alternative"))->name, "alternative");
  EXPECT_STREQ(find_member(derived, n("inherited"))->name, "inherited");
  EXPECT_EQ(find_member(derived, n("nothing")), nullptr);
  EXPECT_EQ(find_member(make_qualified(dict.types, "const", derived), n("own")), find_member(derived, n("own")));
  // Member position stays with the class's own declaration order.
  EXPECT_EQ(member_position(derived, n("inherited")), 0);
}

TEST_F(DictTypesTest, FlaggedMemberOrBaseOfAClass) {
  TypeDescriptor* plain = record(TypeKind::Struct, n("Plain"), {"a"});
  EXPECT_FALSE(has_flagged_member(plain));
  TypeDescriptor* with_method = begin_tag_definition(dict, TypeKind::Struct, n("Shape"), false, nullptr, n("a.h"), where);
  add_member(with_method, Member{n("area"), function(int_type(), {}), kMemberVirtual | kMemberProtected, -1});
  complete_tag(dict, with_method, n("a.h"), where);
  EXPECT_TRUE(has_flagged_member(make_typedef(dict.types, n("Shape_t"), with_method)));
  TypeDescriptor* with_base = begin_tag_definition(dict, TypeKind::Struct, n("Derived"), false, nullptr, n("a.h"), where);
  add_base(with_base, plain, kMemberVirtual);
  complete_tag(dict, with_base, n("a.h"), where);
  EXPECT_TRUE(has_flagged_member(with_base));
  // Other flags do not count, and neither do unions.
  TypeDescriptor* other = begin_tag_definition(dict, TypeKind::Struct, n("Other"), false, nullptr, n("a.h"), where);
  add_member(other, Member{n("count"), int_type(), kMemberStatic | kMemberPrivate, -1});
  add_base(other, plain, kMemberProtected);
  complete_tag(dict, other, n("a.h"), where);
  EXPECT_FALSE(has_flagged_member(other));
  TypeDescriptor* choice = begin_tag_definition(dict, TypeKind::Union, n("Choice"), true, nullptr, n("a.h"), where);
  add_member(choice, Member{n("f"), int_type(), kMemberVirtual, -1});
  EXPECT_FALSE(has_flagged_member(choice));
  EXPECT_FALSE(has_flagged_member(make_pointer(dict.types, with_method)));
}

TEST_F(DictTypesTest, CharacterStringsThroughTypedefsQualifiersAndReferences) {
  TypeStore& store = dict.types;
  EXPECT_TRUE(is_character_string(make_pointer(store, char_type())));
  EXPECT_TRUE(is_character_string(make_array(store, char_type(), "10")));
  EXPECT_TRUE(is_character_string(make_pointer(store, make_qualified(store, "const", char_type()))));
  EXPECT_TRUE(is_character_string(make_pointer(store, compose("unsigned", char_type()))));
  TypeDescriptor* text = make_typedef(store, n("text"), make_array(store, make_typedef(store, n("ch"), char_type()), "4"));
  EXPECT_TRUE(is_character_string(make_reference(store, make_qualified(store, "const", text))));
  EXPECT_FALSE(is_character_string(char_type()));
  EXPECT_FALSE(is_character_string(make_pointer(store, int_type())));
  EXPECT_FALSE(is_character_string(make_pointer(store, make_pointer(store, char_type()))));
  EXPECT_FALSE(is_character_string(make_array(store, compose("short", char_type()), "2")));
  EXPECT_FALSE(is_character_string(nullptr));
}

TEST(DictOperators, EveryOperatorHasItsWord) {
  const std::pair<const char*, const char*> table[] = {
      {"++", "increment"},       {"+=", "add_assign"},        {"+", "plus"},
      {"--", "decrement"},       {"-=", "sub_assign"},        {"->*", "arrow_star"},
      {"->", "ptr"},             {"-", "minus"},              {"*=", "mul_assign"},
      {"*", "mul"},              {"/=", "div_assign"},        {"/", "div"},
      {"%=", "mod_assign"},      {"%", "mod"},                {"~", "invbit"},
      {"^=", "xor_assign"},      {"^", "xorbit"},             {"&&", "and"},
      {"&=", "and_assign"},      {"&", "andbit"},             {"||", "or"},
      {"|=", "or_assign"},       {"|", "orbit"},              {"!=", "not_equal"},
      {"!", "not"},              {"==", "equal"},             {"=", "assign"},
      {"<<=", "left_shift_assign"}, {"<<", "left_shift"},     {"<=", "less_equal"},
      {"<", "less"},             {">>=", "right_shift_assign"}, {">>", "right_shift"},
      {">=", "greater_equal"},   {">", "greater"},            {".*", "dot_star"},
      {".", "dot"},              {"()", "function_call"},     {"[]", "subscript"},
  };
  for (const auto& [op, word] : table) {
    EXPECT_EQ(operator_function_name(op), std::string("operator_") + word) << op;
  }
  EXPECT_EQ(operator_function_name("new"), "");
  EXPECT_EQ(operator_word("<=>"), "");
  EXPECT_EQ(destructor_name("Widget"), "destructor_Widget");
}

}  // namespace
}  // namespace iface
