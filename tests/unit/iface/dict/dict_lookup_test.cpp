// Lookup: visibility, namespaces and using-directives, the first/last switch, type names,
// qualified names and script scopes.
#include "dict_test_support.h"

namespace iface {
namespace {

using testing_support::DictionaryTest;

class DictLookupTest : public DictionaryTest {
 protected:
  TypeDescriptor* space(const char* name, TypeDescriptor* enclosing = nullptr) {
    return enter_namespace(dict, n(name), enclosing, where);
  }
  SymbolEntry* ordinary(const char* name, TypeDescriptor* scope) {
    return lookup_ordinary(dict, n(name), scope_context(scope));
  }
  SymbolEntry* type_named(const char* name, TypeDescriptor* scope) {
    return lookup_type_name(dict, n(name), scope_context(scope));
  }
};

TEST_F(DictLookupTest, NamespaceNameHidesFileLevelNameOnlyInsideTheNamespace) {
  TypeDescriptor* ns = space("N");
  SymbolEntry* outer = object("x", int_type());
  SymbolEntry* inner = object("x", char_type(), ns);
  EXPECT_EQ(ordinary("x", ns), inner);
  EXPECT_EQ(ordinary("x", nullptr), outer);
  EXPECT_EQ(lookup_ordinary(dict, n("x"), global_context()), outer);
}

TEST_F(DictLookupTest, LookupWalksOutwardThroughEnclosingScopesToFileLevel) {
  TypeDescriptor* a = space("A");
  TypeDescriptor* b = space("B", a);
  SymbolEntry* in_a = object("y", int_type(), a);
  SymbolEntry* at_file = object("z", int_type());
  EXPECT_EQ(ordinary("y", b), in_a);
  EXPECT_EQ(ordinary("z", b), at_file);
  // Nothing looks inward: A's name is not visible from file level.
  EXPECT_EQ(ordinary("y", nullptr), nullptr);
  EXPECT_EQ(ordinary("unknown", b), nullptr);
  EXPECT_EQ(enclosing_context(scope_context(b)).scope, a);
  EXPECT_EQ(enclosing_context(scope_context(a)).kind, 0);
}

TEST_F(DictLookupTest, FileLevelUsingDirectiveMakesNamespaceNamesVisibleGlobally) {
  TypeDescriptor* ns = space("N");
  SymbolEntry* w = object("w", int_type(), ns);
  EXPECT_EQ(ordinary("w", nullptr), nullptr);
  add_using_directive(dict, nullptr, ns);
  add_using_directive(dict, nullptr, ns);
  EXPECT_EQ(dict.file_level_using.size(), 1U);
  EXPECT_EQ(ordinary("w", nullptr), w);
  // And from any namespace, through the walk out to file level.
  EXPECT_EQ(ordinary("w", space("Other")), w);
}

TEST_F(DictLookupTest, ScopeUsingDirectiveAppliesToThatScopeAndScopesInsideIt) {
  TypeDescriptor* used = space("U");
  TypeDescriptor* user = space("P");
  TypeDescriptor* inside_user = space("Q", user);
  TypeDescriptor* stranger = space("S");
  SymbolEntry* v = object("v", int_type(), used);
  add_using_directive(dict, user, used);
  EXPECT_EQ(ordinary("v", user), v);
  EXPECT_EQ(ordinary("v", inside_user), v);
  EXPECT_EQ(ordinary("v", stranger), nullptr);
  EXPECT_EQ(ordinary("v", nullptr), nullptr);
}

TEST_F(DictLookupTest, UsingDirectivesAreNotTransitive) {
  TypeDescriptor* first = space("First");
  TypeDescriptor* second = space("Second");
  TypeDescriptor* user = space("User");
  object("deep", int_type(), second);
  add_using_directive(dict, first, second);
  add_using_directive(dict, user, first);
  EXPECT_EQ(ordinary("deep", user), nullptr);
  EXPECT_NE(ordinary("deep", first), nullptr);
}

TEST_F(DictLookupTest, SeveralMatchesGiveTheLastUnlessTheSwitchAsksForTheFirst) {
  SymbolEntry* by_int = object("f", function(int_type(), {int_type()}));
  SymbolEntry* by_char = object("f", function(int_type(), {char_type()}));
  ASSERT_NE(by_int, by_char);  // overloads are separate entries
  EXPECT_EQ(ordinary("f", nullptr), by_char);
  dict.return_first = true;
  EXPECT_EQ(ordinary("f", nullptr), by_int);
  // The switch applies to type names too: a struct defined twice has two entries.
  dict.return_first = false;
  TypeDescriptor* first_body = record(TypeKind::Struct, n("T"), {"a"});
  start_capture();
  TypeDescriptor* second_body = record(TypeKind::Struct, n("T"), {"b"});
  captured();
  EXPECT_EQ(type_named("T", nullptr)->declaration.type, second_body);
  dict.return_first = true;
  EXPECT_EQ(type_named("T", nullptr)->declaration.type, first_body);
}

TEST_F(DictLookupTest, TypedefOfOwnTagIsATypeNameThroughTheOrdinaryTable) {
  // typedef struct { int a; } Anon;  typedef struct Tagged Tagged;
  TypeDescriptor* anonymous = record(TypeKind::Struct, nullptr, {"a"});
  SymbolEntry* anon = declare_typedef(dict, n("Anon"), anonymous, nullptr, n("a.h"), where);
  EXPECT_EQ(type_named("Anon", nullptr), anon);
  TypeDescriptor* tagged = record(TypeKind::Struct, n("Tagged"), {"a"});
  SymbolEntry* alias = declare_typedef(dict, n("Tagged"), tagged, nullptr, n("a.h"), where);
  // The tag comes first in the type-name order; the ordinary lookup finds the typedef.
  EXPECT_EQ(type_named("Tagged", nullptr)->declaration.type, tagged);
  EXPECT_EQ(ordinary("Tagged", nullptr), alias);
  // A variable is no type name, even when it is of a typedef type.
  object("variable", alias->declaration.type);
  EXPECT_EQ(type_named("variable", nullptr), nullptr);
}

TEST_F(DictLookupTest, TypeNameOrderIsStructTemplateTypedefEnumUnion) {
  TypeDescriptor* ns = space("Order");
  start_capture();  // the clashing tags below are reported; the order is what is tested
  declare_symbol(dict, make_declaration(n("K"), make_compound(dict.types, TypeKind::Union, n("K"), true), ns, nullptr),
                 SymbolTable::Tags, 0, where);
  TypeDescriptor* enumeration = make_enumeration(dict.types, n("K"));
  declare_symbol(dict, make_declaration(n("K"), enumeration, ns, nullptr), SymbolTable::Tags, 0, where);
  EXPECT_EQ(type_named("K", ns)->declaration.type, enumeration);
  SymbolEntry* alias = declare_typedef(dict, n("K"), int_type(), ns, nullptr, where);
  EXPECT_EQ(type_named("K", ns), alias);
  TypeDescriptor* pattern = declare_class_template(dict, n("K"), false, {}, ns, nullptr, where);
  EXPECT_EQ(type_named("K", ns)->declaration.type, pattern);
  TypeDescriptor* structure = make_compound(dict.types, TypeKind::Struct, n("K"), true);
  declare_symbol(dict, make_declaration(n("K"), structure, ns, nullptr), SymbolTable::Tags, 0, where);
  EXPECT_EQ(type_named("K", ns)->declaration.type, structure);
  captured();
}

TEST_F(DictLookupTest, InnerLevelWinsOverAnEarlierCategoryFurtherOut) {
  TypeDescriptor* ns = space("Inner");
  TypeDescriptor* outer_struct = record(TypeKind::Struct, n("U"), {"a"});
  TypeDescriptor* inner_union = record(TypeKind::Union, n("U"), {"b"}, ns);
  EXPECT_EQ(type_named("U", ns)->declaration.type, inner_union);
  EXPECT_EQ(type_named("U", nullptr)->declaration.type, outer_struct);
  // From a scope that knows none, the search ends at file level.
  EXPECT_EQ(type_named("U", space("Elsewhere"))->declaration.type, outer_struct);
}

TEST_F(DictLookupTest, EnumerationConstantsAreValueNamesButNotOrdinaryNames) {
  TypeDescriptor* colour = begin_tag_definition(dict, TypeKind::Enumeration, n("colour"), true, nullptr, n("a.h"), where);
  add_enumerator(colour, n("RED"), 0);
  add_enumerator(colour, nullptr, 1);
  add_enumerator(colour, n("BLUE"), 2);
  complete_tag(dict, colour, n("a.h"), where);
  EXPECT_EQ(ordinary("RED", nullptr), nullptr);
  SymbolEntry* red = lookup_value_name(dict, n("RED"), global_context());
  ASSERT_NE(red, nullptr);
  EXPECT_EQ(red->table, SymbolTable::Enumerators);
  EXPECT_EQ(red->declaration.type, colour);
  EXPECT_STREQ(red->declaration.file, "a.h");
  EXPECT_EQ(lookup_enumerator(dict, n("BLUE"), global_context())->declaration.type, colour);
  // An object of the same name comes first.
  SymbolEntry* variable = object("RED", int_type());
  EXPECT_EQ(lookup_value_name(dict, n("RED"), global_context()), variable);
}

TEST_F(DictLookupTest, QualifiedNamesLookInTheNamedScopeOnly) {
  TypeDescriptor* a = space("A");
  TypeDescriptor* b = space("B", a);
  TypeDescriptor* helper = space("Helper");
  add_using_directive(dict, b, helper);
  SymbolEntry* x = object("x", int_type(), b);
  SymbolEntry* helped = object("h", int_type(), helper);
  SymbolEntry* top = object("top", int_type());
  object("in_a", int_type(), a);
  const char* path[] = {n("A"), n("B"), n("x")};
  EXPECT_EQ(lookup_qualified(dict, path), x);
  const char* through_using[] = {n("A"), n("B"), n("h")};
  EXPECT_EQ(lookup_qualified(dict, through_using), helped);
  // A::B::in_a is not found in A::B's surroundings, unlike an unqualified name.
  const char* not_outward[] = {n("A"), n("B"), n("in_a")};
  EXPECT_EQ(lookup_qualified(dict, not_outward), nullptr);
  const char* rooted[] = {nullptr, n("top")};
  EXPECT_EQ(lookup_qualified(dict, rooted), top);
  const char* unknown_scope[] = {n("A"), n("C"), n("x")};
  EXPECT_EQ(lookup_qualified(dict, unknown_scope), nullptr);
  EXPECT_EQ(find_scope(dict, "A::B"), b);
  EXPECT_EQ(find_scope(dict, "B"), nullptr);
}

TEST_F(DictLookupTest, ClassesAreScopesForTheirNestedTypes) {
  TypeDescriptor* ns = space("N");
  TypeDescriptor* outer = record(TypeKind::Struct, n("Outer"), {"a"}, ns);
  EXPECT_EQ(find_scope(dict, "N::Outer"), outer);
  TypeDescriptor* nested = record(TypeKind::Struct, n("Nested"), {"b"}, outer);
  EXPECT_EQ(find_scope(dict, "N::Outer::Nested"), nested);
  const char* path[] = {n("N"), n("Outer"), n("Nested")};
  SymbolEntry* found = lookup_qualified_type(dict, path);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->declaration.type, nested);
  // From inside the class the nested type is found unqualified; from the namespace it is not.
  EXPECT_EQ(type_named("Nested", outer)->declaration.type, nested);
  EXPECT_EQ(type_named("Nested", ns), nullptr);
}

TEST_F(DictLookupTest, NamespacesReopenAndClashWithClasses) {
  TypeDescriptor* first = space("Re");
  EXPECT_EQ(space("Re"), first);
  TypeDescriptor* inner = space("In", first);
  EXPECT_EQ(namespace_data(inner)->scope.qualified_name, "Re::In");
  EXPECT_TRUE(inner->scoped);
  EXPECT_EQ(inner->scope, first);
  TypeDescriptor* klass = record(TypeKind::Struct, n("Klass"), {"a"});
  start_capture();
  EXPECT_EQ(space("Klass"), klass);
  EXPECT_EQ(captured(), "Qandor-W-REDEFSYMB,  [a.h:7] Symbol Klass redefined\n");
  EXPECT_EQ(next_unnamed_namespace_name(dict), "quelt_unnamed_namespace_1");
  EXPECT_EQ(next_unnamed_namespace_name(dict), "quelt_unnamed_namespace_2");
}

TEST_F(DictLookupTest, UnnamedNamespaceNamesAreVisibleWhereItStands) {
  TypeDescriptor* hidden = enter_unnamed_namespace(dict, n(next_unnamed_namespace_name(dict)), nullptr, where);
  EXPECT_STREQ(namespace_data(hidden)->name, "quelt_unnamed_namespace_1");
  SymbolEntry* secret = object("secret", int_type(), hidden);
  EXPECT_EQ(ordinary("secret", nullptr), secret);
  // Inside a named namespace the names show in that namespace and the ones inside it only.
  TypeDescriptor* outer = space("Outer");
  TypeDescriptor* inner = enter_unnamed_namespace(dict, n(next_unnamed_namespace_name(dict)), outer, where);
  EXPECT_EQ(find_scope(dict, "Outer::quelt_unnamed_namespace_2"), inner);
  SymbolEntry* nested = object("nested", int_type(), inner);
  EXPECT_EQ(ordinary("nested", outer), nested);
  EXPECT_EQ(ordinary("nested", space("In", outer)), nested);
  EXPECT_EQ(ordinary("nested", nullptr), nullptr);
}

TEST_F(DictLookupTest, ScriptScopesHoldTheScriptsDeclarations) {
  TypeDescriptor* block = ensure_script_scope(dict, "S1.S2@init", nullptr);
  EXPECT_EQ(ensure_script_scope(dict, "S1.S2@init", nullptr), block);
  EXPECT_EQ(find_scope(dict, "S1.S2@init"), block);
  SymbolEntry* timer = object("t1", int_type(), block);
  SymbolEntry* global = object("g", int_type());
  EXPECT_EQ(ordinary("t1", block), timer);
  EXPECT_EQ(ordinary("g", block), global);
  EXPECT_EQ(ordinary("t1", nullptr), nullptr);
  EXPECT_EQ(ordinary("t1", ensure_script_scope(dict, "S1", nullptr)), nullptr);
  // A script scope may be placed inside another one.
  TypeDescriptor* scenario = ensure_script_scope(dict, "S3", nullptr);
  TypeDescriptor* nested = ensure_script_scope(dict, "S3@term", scenario);
  SymbolEntry* in_scenario = object("v", int_type(), scenario);
  EXPECT_EQ(ordinary("v", nested), in_scenario);
}

}  // namespace
}  // namespace iface
