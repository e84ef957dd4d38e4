// Declaring symbols: merging a declaration with an earlier one, "REDEFSYMB" and "REDEFSTRU",
// tags declared then defined, enumerations, templates.
#include "dict_test_support.h"

namespace iface {
namespace {

using testing_support::DictionaryTest;

class DictDeclareTest : public DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    start_capture();
  }
  // The diagnostic lines printed since the last call.
  std::string messages() {
    std::string text = captured();
    start_capture();
    return text;
  }
  void TearDown() override {
    captured();
    DictionaryTest::TearDown();
  }
  int ordinary_count(const char* name) {
    return static_cast<int>(entries_named(dict, SymbolTable::Ordinary, n(name)).size());
  }
};

TEST_F(DictDeclareTest, FunctionDeclarationThenDefinitionIsOneEntry) {
  TypeDescriptor* declared = function(int_type(), {int_type()});
  std::vector<Parameter> named = {Parameter{n("count"), int_type()}};
  TypeDescriptor* defined = make_function(dict.types, int_type(), named);
  SymbolEntry* first = object("f", declared, nullptr, kSymbolExtern);
  SymbolEntry* second = object("f", defined, nullptr, kSymbolDefined);
  EXPECT_EQ(first, second);
  EXPECT_EQ(ordinary_count("f"), 1);
  EXPECT_TRUE(first->flags & kSymbolDefined);
  // The definition's parameter names are kept.
  EXPECT_EQ(first->declaration.type, defined);
  // A prototype repeated after the definition changes nothing.
  EXPECT_EQ(object("f", function(int_type(), {int_type()})), first);
  EXPECT_EQ(first->declaration.type, defined);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, TwoDefinitionsOrAnotherResultTypeAreRedefinitions) {
  object("g", function(int_type(), {}), nullptr, kSymbolDefined);
  SymbolEntry* again = object("g", function(int_type(), {}), nullptr, kSymbolDefined);
  EXPECT_EQ(messages(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol g redefined\n");
  EXPECT_EQ(ordinary_count("g"), 2);
  EXPECT_EQ(lookup_ordinary(dict, n("g"), global_context()), again);
  object("h", function(int_type(), {char_type()}));
  object("h", function(char_type(), {char_type()}));
  EXPECT_EQ(messages(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol h redefined\n");
  EXPECT_EQ(diag::warning_count(), 2);
}

TEST_F(DictDeclareTest, OverloadsAreSeparateEntriesWithoutMessage) {
  object("over", function(int_type(), {int_type()}));
  object("over", function(int_type(), {char_type()}));
  object("over", function(int_type(), {int_type(), int_type()}));
  EXPECT_EQ(ordinary_count("over"), 3);
  // Declared again, an overload merges with its own earlier entry.
  object("over", function(int_type(), {char_type()}));
  EXPECT_EQ(ordinary_count("over"), 3);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, ObjectsMergeWhenTheirTypesAgree) {
  SymbolEntry* declared = object("x", int_type(), nullptr, kSymbolExtern);
  SymbolEntry* defined = object("x", int_type());
  EXPECT_EQ(declared, defined);
  EXPECT_FALSE(declared->flags & kSymbolExtern);
  // Two extern declarations stay extern; static is kept from either.
  SymbolEntry* both = object("y", int_type(), nullptr, kSymbolExtern);
  object("y", int_type(), nullptr, kSymbolExtern);
  EXPECT_TRUE(both->flags & kSymbolExtern);
  SymbolEntry* local = object("s", int_type(), nullptr, kSymbolStatic);
  object("s", int_type());
  EXPECT_TRUE(local->flags & kSymbolStatic);
  // Equivalent, not identical, descriptors: two "char *" types.
  SymbolEntry* text = object("t", make_pointer(dict.types, char_type()));
  EXPECT_EQ(object("t", make_pointer(dict.types, char_type())), text);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, AnArrayWithoutBoundTakesTheLaterBound) {
  SymbolEntry* open = object("table", make_array(dict.types, int_type(), ""), nullptr, kSymbolExtern);
  TypeDescriptor* sized = make_array(dict.types, int_type(), "10");
  EXPECT_EQ(object("table", sized), open);
  EXPECT_EQ(open->declaration.type, sized);
  // The bound stays when an unbounded declaration follows.
  EXPECT_EQ(object("table", make_array(dict.types, int_type(), ""), nullptr, kSymbolExtern), open);
  EXPECT_EQ(open->declaration.type, sized);
  // Two different bounds conflict.
  object("table", make_array(dict.types, int_type(), "20"));
  EXPECT_EQ(messages(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol table redefined\n");
}

TEST_F(DictDeclareTest, ConflictingKindsOfOrdinaryNames) {
  object("k", int_type());
  object("k", char_type());
  object("k", function(int_type(), {}));
  declare_typedef(dict, n("k"), int_type(), nullptr, n("a.h"), where);
  EXPECT_EQ(messages(),
            "Qandor-W-REDEFSYMB,  [a.h:7] Symbol k redefined\n"
            "Qandor-W-REDEFSYMB,  [a.h:7] Symbol k redefined\n"
            "Qandor-W-REDEFSYMB,  [a.h:7] Symbol k redefined\n");
  EXPECT_EQ(ordinary_count("k"), 4);
}

TEST_F(DictDeclareTest, RepeatedTypedefsMergeAndDifferentTargetsConflict) {
  SymbolEntry* first = declare_typedef(dict, n("T"), int_type(), nullptr, n("a.h"), where);
  EXPECT_EQ(declare_typedef(dict, n("T"), int_type(), nullptr, n("b.h"), where), first);
  EXPECT_STREQ(first->declaration.file, "a.h");
  EXPECT_EQ(messages(), "");
  declare_typedef(dict, n("T"), char_type(), nullptr, n("a.h"), where);
  EXPECT_EQ(messages(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol T redefined\n");
}

TEST_F(DictDeclareTest, SameNameInAnotherScopeIsNoConflict) {
  TypeDescriptor* ns = enter_namespace(dict, n("N"), nullptr, where);
  object("same", int_type());
  object("same", char_type(), ns);
  record(TypeKind::Struct, n("Tag"), {"a"});
  record(TypeKind::Struct, n("Tag"), {"a"}, ns);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, ReservedVariableTakesEachNewTypeSilently) {
  SymbolEntry* first = object(kReservedVariable, int_type());
  SymbolEntry* second = object(kReservedVariable, make_pointer(dict.types, char_type()));
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->declaration.type->kind, TypeKind::Pointer);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, TagDeclaredThenDefinedIsOneDescriptor) {
  // struct S;  struct S *p;  struct S { int a; };
  TypeDescriptor* forward = reference_tag(dict, TypeKind::Struct, n("S"), true, global_context(), nullptr, n("a.h"), where);
  TypeDescriptor* used = reference_tag(dict, TypeKind::Struct, n("S"), true, global_context(), nullptr, n("a.h"), where);
  EXPECT_EQ(forward, used);
  SymbolEntry* entry = find_tag_in_scope(dict, TypeKind::Struct, n("S"), nullptr);
  ASSERT_NE(entry, nullptr);
  EXPECT_FALSE(entry->flags & kSymbolDefined);
  TypeDescriptor* pointer_to_s = make_pointer(dict.types, forward);
  TypeDescriptor* body = begin_tag_definition(dict, TypeKind::Struct, n("S"), true, nullptr, n("a.h"), where);
  EXPECT_EQ(body, forward);
  add_member(body, Member{n("a"), int_type(), 0, -1});
  complete_tag(dict, body, n("a.h"), where);
  EXPECT_TRUE(entry->flags & kSymbolDefined);
  EXPECT_EQ(compound_data(pointer_data(pointer_to_s)->pointee)->members.size(), 1U);
  EXPECT_EQ(find_scope(dict, "S"), body);
  // Named again after its definition, the tag is the same.
  EXPECT_EQ(reference_tag(dict, TypeKind::Struct, n("S"), true, global_context(), nullptr, n("a.h"), where), body);
  EXPECT_EQ(entries_named(dict, SymbolTable::Tags, n("S")).size(), 1U);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, DefinitionThroughDeclareSymbolCompletesTheEarlierDescriptor) {
  TypeDescriptor* forward = make_compound(dict.types, TypeKind::Union, n("V"), true);
  SymbolEntry* entry = declare_symbol(dict, make_declaration(n("V"), forward, nullptr, n("a.h")), SymbolTable::Tags, 0, where);
  TypeDescriptor* body = make_compound(dict.types, TypeKind::Union, n("V"), true);
  compound_data(body)->members.push_back(Member{n("i"), int_type(), 0, -1});
  compound_data(body)->complete = true;
  SymbolEntry* merged = declare_symbol(dict, make_declaration(n("V"), body, nullptr, n("a.h")), SymbolTable::Tags, 0, where);
  EXPECT_EQ(merged, entry);
  EXPECT_EQ(merged->declaration.type, forward);
  EXPECT_EQ(compound_data(forward)->members.size(), 1U);
  EXPECT_TRUE(compound_data(forward)->complete);
  // Both descriptors now show the same body.
  EXPECT_EQ(compound_data(body), compound_data(forward));
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, SecondBodyOfAStructOrUnionIsReportedAsStructureRedefinition) {
  TypeDescriptor* first = record(TypeKind::Struct, n("R"), {"a"});
  TypeDescriptor* second = record(TypeKind::Struct, n("R"), {"b"});
  EXPECT_NE(first, second);
  record(TypeKind::Union, n("W"), {"a"});
  record(TypeKind::Union, n("W"), {"a"});
  EXPECT_EQ(messages(),
            "Qandor-W-REDEFSTRU,  [a.h:7] Structure or union data type R redefined\n"
            "Qandor-W-REDEFSTRU,  [a.h:7] Structure or union data type W redefined\n");
  EXPECT_EQ(entries_named(dict, SymbolTable::Tags, n("R")).size(), 2U);
}

TEST_F(DictDeclareTest, TagOfAnotherKindOrSecondEnumerationIsASymbolRedefinition) {
  record(TypeKind::Struct, n("Mixed"), {"a"});
  record(TypeKind::Union, n("Mixed"), {"a"});
  EXPECT_EQ(messages(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol Mixed redefined\n");
  TypeDescriptor* e1 = begin_tag_definition(dict, TypeKind::Enumeration, n("E"), true, nullptr, n("a.h"), where);
  add_enumerator(e1, n("ONE"), 1);
  complete_tag(dict, e1, n("a.h"), where);
  TypeDescriptor* e2 = begin_tag_definition(dict, TypeKind::Enumeration, n("E"), true, nullptr, n("a.h"), where);
  add_enumerator(e2, n("ONE"), 1);
  complete_tag(dict, e2, n("a.h"), where);
  // The enumeration, then its constant.
  EXPECT_EQ(messages(),
            "Qandor-W-REDEFSYMB,  [a.h:7] Symbol E redefined\n"
            "Qandor-W-REDEFSYMB,  [a.h:7] Symbol ONE redefined\n");
}

TEST_F(DictDeclareTest, ElaboratedTagFromAnInnerScopeIsTheVisibleOne) {
  TypeDescriptor* ns = enter_namespace(dict, n("N"), nullptr, where);
  TypeDescriptor* outer = record(TypeKind::Struct, n("Shared"), {"a"});
  // "struct Shared *p;" inside N refers to the file-level tag; no new tag is made in N.
  EXPECT_EQ(reference_tag(dict, TypeKind::Struct, n("Shared"), true, scope_context(ns), ns, n("a.h"), where), outer);
  EXPECT_EQ(find_tag_in_scope(dict, TypeKind::Struct, n("Shared"), ns), nullptr);
  // "union Shared" is another tag: made in N, incomplete.
  TypeDescriptor* other = reference_tag(dict, TypeKind::Union, n("Shared"), true, scope_context(ns), ns, n("a.h"), where);
  EXPECT_EQ(other->kind, TypeKind::Union);
  EXPECT_EQ(other->scope, ns);
  EXPECT_FALSE(compound_data(other)->complete);
  // A class template answers "class".
  TypeDescriptor* pattern = declare_class_template(dict, n("Tpl"), false, {}, nullptr, n("a.h"), where);
  EXPECT_EQ(reference_tag(dict, TypeKind::Struct, n("Tpl"), false, global_context(), nullptr, n("a.h"), where), pattern);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, BodyAfterAClashingTagCompletesTheTagOfItsKind) {
  TypeDescriptor* forward = reference_tag(dict, TypeKind::Struct, n("S"), true, global_context(), nullptr, n("a.h"), where);
  record(TypeKind::Union, n("S"), {"u"});
  EXPECT_EQ(messages(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol S redefined\n");
  TypeDescriptor* body = record(TypeKind::Struct, n("S"), {"a"});
  EXPECT_EQ(body, forward);
  EXPECT_EQ(messages(), "");
  EXPECT_EQ(entries_named(dict, SymbolTable::Tags, n("S")).size(), 2U);
}

TEST_F(DictDeclareTest, AnonymousTagsHaveNoEntry) {
  TypeDescriptor* anonymous = begin_tag_definition(dict, TypeKind::Struct, nullptr, true, nullptr, n("a.h"), where);
  complete_tag(dict, anonymous, n("a.h"), where);
  EXPECT_TRUE(compound_data(anonymous)->complete);
  int tags = 0;
  visit_symbols(dict, [&](const SymbolEntry&) { ++tags; });
  EXPECT_EQ(tags, 0);
}

TEST_F(DictDeclareTest, EnumeratorsAreEnteredWithTheEnumerationsScopeAndFile) {
  TypeDescriptor* ns = enter_namespace(dict, n("N"), nullptr, where);
  TypeDescriptor* e = begin_tag_definition(dict, TypeKind::Enumeration, nullptr, true, ns, n("e.h"), where);
  add_enumerator(e, n("A"), 0);
  add_enumerator(e, n("B"), 5);
  complete_tag(dict, e, n("e.h"), where);
  SymbolEntry* b = lookup_enumerator(dict, n("B"), scope_context(ns));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->declaration.scope, ns);
  EXPECT_TRUE(b->declaration.scoped);
  EXPECT_STREQ(b->declaration.file, "e.h");
  EXPECT_EQ(lookup_enumerator(dict, n("B"), global_context()), nullptr);
  EXPECT_EQ(enum_data(e)->enumerators[1].value, 5);
}

TEST_F(DictDeclareTest, TemplatesAndTheirInstances) {
  std::vector<TemplateParameter> parameters = {TemplateParameter{n("T"), true, nullptr}};
  TypeDescriptor* vec = declare_class_template(dict, n("Vec"), false, parameters, nullptr, n("a.h"), where);
  EXPECT_EQ(declare_class_template(dict, n("Vec"), false, parameters, nullptr, n("a.h"), where), vec);
  TypeDescriptor* of_int = instantiate_template(dict, vec, {TemplateArgument{"int", int_type()}});
  TypeDescriptor* again = instantiate_template(dict, vec, {TemplateArgument{"int", int_type()}});
  TypeDescriptor* of_char = instantiate_template(dict, vec, {TemplateArgument{"char", char_type()}});
  EXPECT_EQ(of_int, again);
  EXPECT_NE(of_int, of_char);
  EXPECT_EQ(instance_data(of_int)->template_type, vec);
  // The class built later for an instance is kept on it.
  TypeDescriptor* built = record(TypeKind::Struct, nullptr, {"data"});
  EXPECT_EQ(instantiate_template(dict, vec, {TemplateArgument{"int", int_type()}}, built), of_int);
  EXPECT_EQ(instance_data(of_int)->instantiated, built);
  EXPECT_EQ(messages(), "");
}

TEST_F(DictDeclareTest, TemplateBodiesFollowTheTagRules) {
  TypeDescriptor* declared = declare_class_template(dict, n("Box"), false, {}, nullptr, n("a.h"), where);
  TypeDescriptor* body = record(TypeKind::Struct, nullptr, {"content"});
  EXPECT_EQ(declare_class_template(dict, n("Box"), false, {}, nullptr, n("a.h"), where, body), declared);
  EXPECT_EQ(template_data(declared)->pattern, body);
  EXPECT_EQ(messages(), "");
  TypeDescriptor* second = declare_class_template(dict, n("Box"), false, {}, nullptr, n("a.h"), where, body);
  EXPECT_NE(second, declared);
  EXPECT_EQ(messages(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol Box redefined\n");
}

TEST(DictEquivalence, TypesAreEquivalentByStructureExceptTags) {
  Dictionary dict;
  initialise_dictionary(dict, "QUELT");
  TypeStore& store = dict.types;
  TypeDescriptor* integer = dict.base.builtin.int_type;
  TypeDescriptor* character = dict.base.builtin.char_type;
  EXPECT_TRUE(types_equivalent(make_qualified(store, "const", make_pointer(store, integer)),
                               make_qualified(store, "const", make_pointer(store, integer))));
  EXPECT_FALSE(types_equivalent(make_qualified(store, "const", integer), make_qualified(store, "volatile", integer)));
  EXPECT_FALSE(types_equivalent(make_pointer(store, integer), make_reference(store, integer)));
  EXPECT_FALSE(types_equivalent(make_array(store, integer, "3"), make_array(store, integer, "4")));
  EXPECT_FALSE(types_equivalent(make_function(store, integer, {Parameter{nullptr, integer}}),
                                make_function(store, integer, {Parameter{nullptr, character}})));
  EXPECT_FALSE(types_equivalent(make_compound(store, TypeKind::Struct, nullptr, true),
                                make_compound(store, TypeKind::Struct, nullptr, true)));
  EXPECT_FALSE(types_equivalent(integer, nullptr));
  EXPECT_TRUE(types_equivalent(nullptr, nullptr));
}

}  // namespace
}  // namespace iface
