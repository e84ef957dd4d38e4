// Symbol tables: bucket rule, list order, numbering, generator order, reset.
#include <algorithm>
#include <vector>

#include "dict_test_support.h"
#include "iface/query/analysis_context.h"

namespace iface {
namespace {

using testing_support::DictionaryTest;

TEST(DictBuckets, SymbolBucketIsCodeSumAndLengthModuloTen) {
  // 'a' = 97: row 7, length 1.
  EXPECT_EQ(symbol_bucket("a").row, 7);
  EXPECT_EQ(symbol_bucket("a").column, 1);
  // "ab" = 97 + 98 = 195: row 5, column 2.
  EXPECT_EQ(symbol_bucket("ab").row, 5);
  EXPECT_EQ(symbol_bucket("ab").column, 2);
  // Ten characters wrap the column to 0; characters above 127 count as unsigned codes.
  EXPECT_EQ(symbol_bucket("abcdefghij").column, 0);
  EXPECT_EQ(symbol_bucket("\xe9").row, 233 % 10);
  EXPECT_EQ(symbol_bucket("").row, 0);
}

TEST(DictBuckets, ScopeBucketReducesAfterEachCharacter) {
  // "zz": (122 % 100 + 122) % 100 = 44, the same as the plain sum.
  EXPECT_EQ(scope_bucket("zz"), 44);
  EXPECT_EQ(scope_bucket("A::B"), (65 + 58 + 58 + 66) % 100);
  EXPECT_EQ(scope_bucket(""), 0);
}

TEST_F(DictionaryTest, EntriesAreAppendedAtTheBucketTailAndNumbered) {
  // "ab" and "ba" share a bucket; the list keeps declaration order.
  SymbolEntry* first = object("ab", int_type());
  SymbolEntry* second = object("ba", int_type());
  BucketIndex index = symbol_bucket("ab");
  const Bucket& bucket = dict.tables[0][index.row][index.column];
  EXPECT_EQ(bucket.head, first);
  EXPECT_EQ(bucket.tail, second);
  EXPECT_EQ(first->next, second);
  EXPECT_EQ(first->number, 1);
  EXPECT_EQ(second->number, 2);
  EXPECT_EQ(dict.symbol_count, 2);
}

TEST_F(DictionaryTest, GeneratorOrderIsBucketByBucketThenTableByTable) {
  // "c" (99, row 9) comes after "ab" (195, row 5) whatever the order of declaration; within one
  // bucket the ordinary table comes before the tags and the enumeration constants.
  object("c", int_type());
  record(TypeKind::Struct, n("ba"), {"x"});
  object("ab", int_type());
  TypeDescriptor* colour = begin_tag_definition(dict, TypeKind::Enumeration, n("colour"), true, nullptr, n("a.h"), where);
  add_enumerator(colour, n("ba"), 0);
  complete_tag(dict, colour, n("a.h"), where);
  std::vector<std::string> order;
  visit_symbols(dict, [&](const SymbolEntry& entry) {
    order.push_back(std::string(entry.declaration.name) + "/" + std::to_string(static_cast<int>(entry.table)));
  });
  // colour: 99+111+108+111+117+114 = 660 -> row 0.
  EXPECT_EQ(order, (std::vector<std::string>{"colour/1", "ab/0", "ba/1", "ba/2", "c/0"}));
}

TEST_F(DictionaryTest, FileLevelSymbolsOfAFileSkipScopedUnnamedReservedAndOtherFiles) {
  TypeDescriptor* space = enter_namespace(dict, n("N"), nullptr, where);
  object("kept", int_type());
  object("inside", int_type(), space);
  object(kReservedVariable, int_type());
  declare_object(dict, n("other"), int_type(), nullptr, n("b.h"), 0, where);
  declare_object(dict, n("fileless"), int_type(), nullptr, nullptr, 0, where);
  declare_object(dict, n(""), int_type(), nullptr, n("a.h"), 0, where);
  record(TypeKind::Struct, n("tag"), {"x"});
  std::vector<std::string> listed;
  for (const SymbolEntry* entry : file_level_symbols_of(dict, "a.h")) listed.push_back(entry->declaration.name);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"kept", "tag"}));
}

TEST_F(DictionaryTest, DeclarationKindOfAnEntry) {
  EXPECT_EQ(symbol_declaration_kind(nullptr), 0);
  EXPECT_EQ(symbol_declaration_kind(object("f", function(int_type(), {}))), 0);
  SymbolEntry* alias = declare_typedef(dict, n("T"), int_type(), nullptr, n("a.h"), where);
  EXPECT_EQ(symbol_declaration_kind(alias), 0);
  // An object of a typedef type, or of a typedef of a function type.
  EXPECT_EQ(symbol_declaration_kind(object("of_t", alias->declaration.type)), 1);
  EXPECT_EQ(symbol_declaration_kind(object("fn", make_typedef(dict.types, n("F"), function(int_type(), {})))), 0);
  EXPECT_EQ(symbol_declaration_kind(object("kept", int_type(), nullptr, kSymbolStatic)), 2);
  EXPECT_EQ(symbol_declaration_kind(object("untyped", nullptr)), 1);
}

TEST_F(DictionaryTest, InitialiseEmptiesEverythingAndRestoresDefaultSizes) {
  object("x", int_type());
  enter_namespace(dict, n("N"), nullptr, where);
  add_using_directive(dict, nullptr, find_scope(dict, "N"));
  set_builtin_size(dict.base, "int", 16);
  dict.return_first = true;
  initialise_dictionary(dict, "OTHER");
  EXPECT_EQ(dict.name, "OTHER");
  EXPECT_EQ(dict.symbol_count, 0);
  EXPECT_EQ(lookup_ordinary(dict, n("x"), global_context()), nullptr);
  EXPECT_EQ(find_scope(dict, "N"), nullptr);
  EXPECT_TRUE(dict.file_level_using.empty());
  EXPECT_FALSE(dict.return_first);
  EXPECT_EQ(base_data(dict.base.builtin.int_type)->bits, -32);
  int visited = 0;
  visit_symbols(dict, [&](const SymbolEntry&) { ++visited; });
  EXPECT_EQ(visited, 0);
  // Numbering starts again.
  EXPECT_EQ(object("y", int_type())->number, 1);
}

TEST_F(DictionaryTest, ProcessWideDictionaryCanBeReset) {
  Dictionary& shared = the_dictionary();
  // Ready for use from the start: it holds the built-in types.
  ASSERT_NE(shared.base.builtin.int_type, nullptr);
  declare_object(shared, n("p"), shared.base.builtin.int_type, nullptr, n("a.h"), 0, where);
  EXPECT_NE(lookup_ordinary(shared, n("p"), global_context()), nullptr);
  initialise_dictionary(shared, "QUELT");
  EXPECT_EQ(lookup_ordinary(shared, n("p"), global_context()), nullptr);
  EXPECT_EQ(&shared, &the_dictionary());
}

}  // namespace
}  // namespace iface
