// Printing declarations: the three parts, declarators that need parentheses, qualifiers,
// tags and scopes, anonymous bodies, and the character-pointer buffer mode.
#include "dict_test_support.h"
#include "iface/dict/type_print.h"

namespace iface {
namespace {

using testing_support::DictionaryTest;

class DictPrintTest : public DictionaryTest {
 protected:
  TypeDescriptor* ptr(TypeDescriptor* to) { return make_pointer(dict.types, to); }
  TypeDescriptor* arr(TypeDescriptor* of, std::string_view bound) { return make_array(dict.types, of, bound); }
  TypeDescriptor* constant(TypeDescriptor* of) { return make_qualified(dict.types, "const", of); }
  std::string line(TypeDescriptor* type, std::string_view name, PrintMode mode = PrintMode::AsDeclared) {
    return declaration_statement(type, name, mode);
  }
  // "type|declarator|array"
  std::string parts(TypeDescriptor* type, std::string_view name, PrintMode mode = PrintMode::AsDeclared) {
    DeclarationParts printed = print_declaration(type, name, mode);
    return printed.type_text + "|" + printed.declarator_text + "|" + printed.array_text;
  }
};

TEST_F(DictPrintTest, ThreePartsOfSimpleDeclarations) {
  EXPECT_EQ(parts(int_type(), "x"), "int |x|");
  EXPECT_EQ(parts(ptr(ptr(char_type())), "argv"), "char |**argv|");
  EXPECT_EQ(parts(arr(arr(int_type(), "2"), "3"), "grid"), "int |grid|[3][2]");
  EXPECT_EQ(parts(arr(ptr(char_type()), "4"), "names"), "char |*names|[4]");
  EXPECT_EQ(parts(arr(int_type(), ""), "open"), "int |open|[]");
  // An absent type prints "int".
  EXPECT_EQ(parts(nullptr, "implicit"), "int |implicit|");
  EXPECT_EQ(line(builtin("void"), "nothing"), "void nothing;");
}

TEST_F(DictPrintTest, PointersToArraysAndFunctionsKeepTheirArraysInside) {
  EXPECT_EQ(parts(ptr(arr(int_type(), "3")), "row"), "int |(*row)[3]|");
  TypeDescriptor* callback = function(int_type(), {int_type(), ptr(char_type())});
  EXPECT_EQ(parts(ptr(callback), "handler"), "int |(*handler)(int, char *)|");
  EXPECT_EQ(parts(arr(ptr(callback), "8"), "table"), "int |(*table[8])(int, char *)|");
  EXPECT_EQ(parts(ptr(ptr(arr(int_type(), "3"))), "pp"), "int |(**pp)[3]|");
  EXPECT_EQ(line(make_reference(dict.types, arr(int_type(), "5")), "ref"), "int (&ref)[5];");
}

TEST_F(DictPrintTest, FunctionsWithNamedParametersResultsAndEllipsis) {
  std::vector<Parameter> parameters = {Parameter{n("format"), ptr(constant(char_type()))},
                                       Parameter{nullptr, dict.base.builtin.ellipsis_type}};
  TypeDescriptor* printf_like = make_function(dict.types, int_type(), parameters);
  EXPECT_EQ(line(printf_like, "print"), "int print(const char *format, ...);");
  EXPECT_EQ(line(function(ptr(char_type()), {}), "name_of"), "char *name_of();");
  EXPECT_EQ(line(function(builtin("void"), {builtin("void")}), "stop"), "void stop(void);");
  // A function returning a pointer to a function.
  TypeDescriptor* returns_handler = function(ptr(function(builtin("void"), {int_type()})), {int_type()});
  EXPECT_EQ(line(returns_handler, "signal_like"), "void (*signal_like(int))(int);");
}

TEST_F(DictPrintTest, QualifiersOnBaseTypesAndOnPointers) {
  EXPECT_EQ(line(constant(int_type()), "c"), "const int c;");
  EXPECT_EQ(line(constant(ptr(char_type())), "fixed"), "char *const fixed;");
  EXPECT_EQ(line(ptr(constant(ptr(constant(char_type())))), "both"), "const char *const *both;");
  EXPECT_EQ(line(make_qualified(dict.types, "volatile", constant(int_type())), "reg"), "volatile const int reg;");
  EXPECT_EQ(line(arr(constant(int_type()), "2"), "ro"), "const int ro[2];");
  EXPECT_EQ(type_text(constant(ptr(char_type()))), "char *const");
  EXPECT_EQ(type_text(ptr(char_type())), "char *");
}

TEST_F(DictPrintTest, TagsTypedefsAndScopesPrintByName) {
  TypeDescriptor* ns = enter_namespace(dict, n("N"), nullptr, where);
  TypeDescriptor* s = record(TypeKind::Struct, n("S"), {"a"});
  TypeDescriptor* scoped = record(TypeKind::Struct, n("Inner"), {"a"}, ns);
  TypeDescriptor* klass = begin_tag_definition(dict, TypeKind::Struct, n("Widget"), false, nullptr, n("a.h"), where);
  complete_tag(dict, klass, n("a.h"), where);
  TypeDescriptor* u = record(TypeKind::Union, n("U"), {"a"});
  TypeDescriptor* e = begin_tag_definition(dict, TypeKind::Enumeration, n("E"), true, ns, n("a.h"), where);
  complete_tag(dict, e, n("a.h"), where);
  SymbolEntry* alias = declare_typedef(dict, n("handle"), ptr(s), ns, n("a.h"), where);
  EXPECT_EQ(line(s, "s"), "struct S s;");
  EXPECT_EQ(line(ptr(scoped), "p"), "struct N::Inner *p;");
  EXPECT_EQ(line(klass, "w"), "class Widget w;");
  EXPECT_EQ(line(u, "u"), "union U u;");
  EXPECT_EQ(line(e, "e"), "enum N::E e;");
  EXPECT_EQ(line(alias->declaration.type, "h"), "N::handle h;");
  // Types declared in a script scope carry no qualification.
  TypeDescriptor* block = ensure_script_scope(dict, "S1@init", nullptr);
  SymbolEntry* local = declare_typedef(dict, n("local_t"), int_type(), block, nullptr, where);
  EXPECT_EQ(line(local->declaration.type, "l"), "local_t l;");
}

TEST_F(DictPrintTest, AnonymousTagsPrintTheirBodies) {
  TypeDescriptor* body = begin_tag_definition(dict, TypeKind::Struct, nullptr, true, nullptr, n("a.h"), where);
  add_member(body, Member{n("count"), int_type(), 0, -1});
  add_member(body, Member{n("name"), arr(char_type(), "8"), 0, -1});
  add_member(body, Member{n("flag"), builtin("int"), 0, 1});
  add_member(body, Member{nullptr, int_type(), 0, 7});
  complete_tag(dict, body, n("a.h"), where);
  EXPECT_EQ(line(body, "v"), "struct { int count; char name[8]; int flag : 1; int : 7; } v;");
  TypeDescriptor* choice = record(TypeKind::Union, nullptr, {"i"});
  EXPECT_EQ(line(choice, "c"), "union { int i; } c;");
  TypeDescriptor* e = begin_tag_definition(dict, TypeKind::Enumeration, nullptr, true, nullptr, n("a.h"), where);
  add_enumerator(e, n("A"), 0);
  add_enumerator(e, n("B"), 4);
  complete_tag(dict, e, n("a.h"), where);
  EXPECT_EQ(line(e, "mode"), "enum { A = 0, B = 4 } mode;");
}

TEST_F(DictPrintTest, TemplateInstancesPrintTheirArguments) {
  TypeDescriptor* vec = declare_class_template(dict, n("Vec"), false, {}, nullptr, n("a.h"), where);
  TypeDescriptor* of_int = instantiate_template(dict, vec, {TemplateArgument{"int", int_type()}});
  EXPECT_EQ(line(of_int, "v"), "Vec<int> v;");
  TypeDescriptor* map = declare_class_template(dict, n("Map"), false, {}, nullptr, n("a.h"), where);
  TypeDescriptor* nested = instantiate_template(dict, map, {TemplateArgument{"int", int_type()}, TemplateArgument{"Vec<int>", of_int}});
  EXPECT_EQ(line(nested, "m"), "Map<int, Vec<int> > m;");
}

TEST_F(DictPrintTest, CharacterPointerBufferMode) {
  EXPECT_EQ(parts(ptr(char_type()), "text", PrintMode::CharacterPointerAsBuffer), "char |text|[200]");
  EXPECT_EQ(line(ptr(char_type()), "text", PrintMode::CharacterPointerAsBuffer), "char text[200];");
  // Through typedefs and qualifiers, for any character type.
  SymbolEntry* string_t = declare_typedef(dict, n("string_t"), ptr(constant(char_type())), nullptr, n("a.h"), where);
  EXPECT_EQ(line(constant(string_t->declaration.type), "s", PrintMode::CharacterPointerAsBuffer), "char s[200];");
  TypeDescriptor* unsigned_char = compose_type(dict.base, dict.types, "unsigned", char_type(), where);
  EXPECT_EQ(line(ptr(unsigned_char), "bytes", PrintMode::CharacterPointerAsBuffer), "char bytes[200];");
  // Other types print as declared, and the plain mode leaves character pointers alone.
  EXPECT_EQ(line(ptr(int_type()), "p", PrintMode::CharacterPointerAsBuffer), "int *p;");
  EXPECT_EQ(line(ptr(ptr(char_type())), "pp", PrintMode::CharacterPointerAsBuffer), "char **pp;");
  EXPECT_EQ(line(arr(char_type(), "4"), "a", PrintMode::CharacterPointerAsBuffer), "char a[4];");
  EXPECT_EQ(line(ptr(char_type()), "text"), "char *text;");
}

TEST_F(DictPrintTest, IdenticalArraysPrintIdentically) {
  // The query layer compares arrays by their printed text: two equal array types must print the same.
  TypeDescriptor* first = arr(arr(ptr(char_type()), "3"), "N");
  TypeDescriptor* second = arr(arr(ptr(char_type()), "3"), "N");
  EXPECT_EQ(joined_declaration(print_declaration(first, "", PrintMode::AsDeclared)),
            joined_declaration(print_declaration(second, "", PrintMode::AsDeclared)));
  EXPECT_EQ(type_text(first), "char *[N][3]");
  EXPECT_NE(type_text(first), type_text(arr(arr(ptr(char_type()), "N"), "3")));
}

}  // namespace
}  // namespace iface
