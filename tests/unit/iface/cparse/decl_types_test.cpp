// What declarations record: declarator shapes, specifier words, parameter lists, enumerator
// values, array bounds, size pragmas, GNU extensions, qualified names, declarations into a
// given scope, and the type of a type written as text.
#include "decl_fixture.h"
#include "iface/cparse/c_type_from_text.h"

namespace iface::decltest {
namespace {

using Declarations = DeclTest;

TEST_F(Declarations, DeclaratorShapes) {
  EXPECT_EQ(load("int (*(*fp)(int))[3];\nchar *const *cp;\nint (&ra)[2];\nvoid (*signal_of(int, void (*)(int)))(int);\n"
                 "int *a[4], b, (*c)[5];\n"),
            "");
  EXPECT_EQ(printed("fp"), "int (*(*fp)(int))[3];");
  EXPECT_EQ(printed("cp"), "char *const *cp;");
  EXPECT_EQ(type_of("ra")->kind, TypeKind::Reference);
  EXPECT_EQ(printed("signal_of"), "void (*signal_of(int, void (*)(int)))(int);");
  EXPECT_EQ(printed("a"), "int *a[4];");
  EXPECT_EQ(printed("b"), "int b;");
  EXPECT_EQ(printed("c"), "int (*c)[5];");
}

TEST_F(Declarations, SpecifierWordsInAnyOrder) {
  load("unsigned long int a; long unsigned b; short c; unsigned d; signed char e; long long f;\n"
       "long double g; unsigned char h; long int long i; const unsigned int j;\n");
  EXPECT_EQ(printed("a"), "unsigned long a;");
  EXPECT_EQ(type_of("a"), type_of("b"));  // one descriptor per composed type
  EXPECT_EQ(printed("c"), "short c;");
  EXPECT_EQ(printed("d"), "unsigned int d;");
  EXPECT_EQ(printed("e"), "signed char e;");
  EXPECT_EQ(printed("f"), "long long f;");
  EXPECT_EQ(printed("g"), "long double g;");
  EXPECT_EQ(base_data(type_of("h"))->bits, 8);
  EXPECT_TRUE(base_data(type_of("h"))->character);
  EXPECT_EQ(printed("i"), "long long i;");
  EXPECT_EQ(printed("j"), "const unsigned int j;");
}

TEST_F(Declarations, ImplicitIntOfOldDeclarations) {
  EXPECT_EQ(load("extern x;\nstatic y;\nf();\n"), "");
  EXPECT_EQ(type_of("x"), nullptr);  // a symbol without type: printed "int"
  EXPECT_EQ(printed("x"), "int x;");
  EXPECT_EQ(member_position(type_of("x"), n("any")), 1);  // member position on no type
  EXPECT_EQ(symbol_declaration_kind(global("y")), 2);
  EXPECT_EQ(function_data(type_of("f"))->result, nullptr);
}

TEST_F(Declarations, ParameterLists) {
  load("int none();\nint empty(void);\nint vararg(const char *, ...);\nint kr(a, b) long b; { return 0; }\n"
       "int arrays(int v[], char m[static 4][2]);\nint defaults(int a = 1, int b = (2, 3));\n");
  EXPECT_TRUE(function_data(type_of("none"))->parameters.empty());
  ASSERT_EQ(function_data(type_of("empty"))->parameters.size(), 1U);
  EXPECT_EQ(function_data(type_of("empty"))->parameters[0].type->kind, TypeKind::Void);
  EXPECT_EQ(function_data(type_of("vararg"))->parameters[1].type->kind, TypeKind::Ellipsis);
  const FunctionData* kr = function_data(type_of("kr"));
  ASSERT_EQ(kr->parameters.size(), 2U);
  EXPECT_EQ(kr->parameters[0].type, nullptr);  // undeclared K&R parameter: int
  EXPECT_EQ(type_text(kr->parameters[1].type), "long");
  EXPECT_EQ(printed("arrays"), "int arrays(int v[], char m[4][2]);");
  EXPECT_EQ(function_data(type_of("defaults"))->parameters.size(), 2U);
}

TEST_F(Declarations, EnumeratorValues) {
  EXPECT_EQ(load("enum e { A = 'a', B, C = -3, D, E = 0x10 | 1, F = sizeof(int) * 2, G = A + 1,\n"
                 "  H = 1 ? 7 : 8, I = 1 / 0, J = 1LL << 62, K = ~0, L = unknown(2), M, };\n"),
            "");
  const EnumData* data = enum_data(tag("e"));
  ASSERT_EQ(data->enumerators.size(), 13U);
  std::vector<long long> expected = {97, 98, -3, -2, 17, 8, 98, 7, 8, 1LL << 62, -1, (1LL << 62) + 1, 0};
  // I: a division by zero is no value, so I follows H; L: a call is none either, so L follows K.
  expected[8] = 8;
  expected[11] = 0;
  expected[12] = 1;
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(data->enumerators[i].value, expected[i]) << i;
  // Enumerators of other enumerations count too.
  load("enum f { Z = K + 5 };\n");
  EXPECT_EQ(enum_data(tag("f"))->enumerators[0].value, 4);
}

TEST_F(Declarations, ArrayBoundsKeepTextAndExpression) {
  load("enum { N = 4 };\nint grid[N * 2][ (N) ];\nint open[];\nint star(int v[*]);\n");
  const ArrayData* outer = array_data(type_of("grid"));
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(outer->bound_text, "N*2");
  ASSERT_NE(array_bound_expression(type_of("grid")), nullptr);
  EXPECT_EQ(expression_outline(array_bound_expression(type_of("grid"))), "(binary * (id N) (lit 2))");
  EXPECT_EQ(array_data(outer->element)->bound_text, "(N)");
  EXPECT_EQ(array_data(type_of("open"))->bound_text, "");
  EXPECT_EQ(array_bound_expression(type_of("open")), nullptr);
  EXPECT_EQ(array_data(function_data(type_of("star"))->parameters[0].type)->bound_text, "");
}

TEST_F(Declarations, SizePragmasChangeTheBaseTypes) {
  EXPECT_EQ(load("#pragma quelt sizeof int 16\nint small;\n#pragma quelt signof char unsigned\nchar c;\n"
                 "typedef int word;\n#pragma quelt sizeof word 64\ntypedef short half;\n"
                 "#pragma quelt signof half unsigned\nenum { W = sizeof(int) };\n"),
            "");
  EXPECT_EQ(base_data(typedef_data(type_of("half"))->target)->bits, 16);
  EXPECT_EQ(base_data(dict.base.builtin.short_type)->bits, -16);  // other shorts keep their sign
  EXPECT_EQ(base_data(type_of("small"))->bits, -16);
  EXPECT_EQ(base_data(type_of("c"))->bits, 8);
  EXPECT_EQ(base_data(typedef_data(type_of("word"))->target)->bits, -64);
  EXPECT_EQ(lookup_enumerator(dict, n("W"), global_context()) != nullptr, true);
  EXPECT_EQ(enum_data(lookup_enumerator(dict, n("W"), global_context())->declaration.type)->enumerators[0].value, 2);
}

TEST_F(Declarations, GnuExtensionsWhereRealHeadersPutThem) {
  EXPECT_EQ(load("__extension__ typedef struct { long long q; } __attribute__((aligned(8))) wide;\n"
                 "extern int f(int) __attribute__((__nothrow__)) __asm__(\"\" \"f64\") __attribute__((__pure__));\n"
                 "struct __attribute__((packed)) s { int a __attribute__((aligned)); __extension__ union { int b; }; };\n"
                 "_Static_assert(1, \"x\");\nstatic __inline __attribute__((__always_inline__)) int g(void) { return 0; }\n"
                 "extern void (*hook)(void) __attribute__((deprecated));\n__typeof__(1 + 2) t;\n"
                 "typedef _Complex double cd;\n_Atomic int counter;\ntypedef int __attribute__((vector_size(16))) v4;\n"
                 "int [[nodiscard]] h(void);\nalignas(16) char buffer[16];\n"),
            "");
  EXPECT_EQ(printed_target("wide"), "struct { long long q; } wide;");
  EXPECT_EQ(printed("f"), "int f(int);");
  EXPECT_NE(find_member(tag("s"), n("b")), nullptr);
  EXPECT_TRUE(global("g")->flags & kSymbolInline);
  EXPECT_EQ(printed("hook"), "void (*hook)(void);");
  EXPECT_EQ(printed("t"), "int t;");
  EXPECT_EQ(printed_target("cd"), "double cd;");
  EXPECT_NE(global("counter"), nullptr);
  EXPECT_NE(global("h"), nullptr);
  EXPECT_EQ(printed("buffer"), "char buffer[16];");
}

TEST_F(Declarations, QualifiedTypeNames) {
  EXPECT_EQ(load("namespace a { typedef int t; namespace b { struct s { int m; }; } }\n"
                 "a::t v;\n::a::t w;\na::b::s x;\nnamespace a { t inside; b::s relative; }\n"),
            "");
  EXPECT_EQ(printed("v"), "a::t v;");
  EXPECT_EQ(type_of("v"), type_of("w"));
  EXPECT_EQ(type_of("x"), find_scope(dict, "a::b::s"));
  TypeDescriptor* a = find_scope(dict, "a");
  EXPECT_EQ(in(a, "relative")->declaration.type, find_scope(dict, "a::b::s"));
}

TEST_F(Declarations, DefinitionsOutsideTheirClassRecordNothing) {
  EXPECT_EQ(load("class C { public: C(); int f(); static int n; int C::*pm; };\n"
                 "C::C() : f_(1), g_{2} { }\nint C::f() { return 0; }\nint C::n = 3;\n"
                 "int C::*member_pointer;\nint after;\n"),
            "");
  EXPECT_EQ(global("f"), nullptr);
  EXPECT_EQ(global("n"), nullptr);
  EXPECT_EQ(type_of("member_pointer")->kind, TypeKind::Pointer);
  EXPECT_NE(global("after"), nullptr);
}

TEST_F(Declarations, TemplateArgumentsAndClosingShifts) {
  EXPECT_EQ(load("template <class A, class B = int> class pair;\ntemplate <int N> class fixed;\n"
                 "pair<pair<int, char>> p;\npair<const char *, unsigned long> q;\nfixed<(3 > 2)> r;\n"
                 "fixed<4 * 2> s;\n"),
            "");
  const InstanceData* p = instance_data(type_of("p"));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->arguments[0].text, "pair<int, char>");
  EXPECT_EQ(instance_data(type_of("q"))->arguments[0].text, "const char *");
  EXPECT_EQ(instance_data(type_of("q"))->arguments[1].text, "unsigned long");
  EXPECT_EQ(instance_data(type_of("r"))->arguments[0].text, "(3>2)");
  EXPECT_EQ(instance_data(type_of("s"))->arguments[0].text, "4*2");
  // The same arguments give the same instance; an explicit instantiation makes one.
  std::size_t before = template_data(tag("pair"))->instances.size();
  EXPECT_EQ(load("pair<pair<int, char> > again;\ntemplate class pair<long, long>;\ntemplate int f<int>(int);\n"), "");
  EXPECT_EQ(type_of("again"), type_of("p"));
  EXPECT_EQ(template_data(tag("pair"))->instances.size(), before + 1);
  EXPECT_EQ(global("f"), nullptr);
}

TEST_F(Declarations, TemplateBodiesNameThemselvesAndTheirParameters) {
  EXPECT_EQ(load("template <typename T, T v> struct constant {\n  static const T value = v;\n"
                 "  typedef constant<T, v> type;\n  enum { inner = 1 };\n};\n"
                 "template <bool b> using flag = constant<bool, b>;\n"
                 "template <> struct constant<int, 0> { enum { special = 2 }; };\n"),
            "");
  const TemplateData* data = template_data(tag("constant"));
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->parameters.size(), 2U);
  EXPECT_FALSE(data->parameters[1].is_type);
  EXPECT_EQ(member_position(data->pattern, n("type")), 0);  // a typedef is no member
  EXPECT_EQ(member_position(data->pattern, n("value")), 1);
  // Nothing of the bodies reaches the tables: no enumerators, no alias.
  EXPECT_EQ(lookup_enumerator(dict, n("inner"), global_context()), nullptr);
  EXPECT_EQ(lookup_enumerator(dict, n("special"), global_context()), nullptr);
  EXPECT_EQ(global("flag"), nullptr);
}

TEST_F(Declarations, UsingAliasesAndDirectivesInsideNamespaces) {
  EXPECT_EQ(load("namespace x { int only_x; }\nnamespace y { using namespace x; using number = unsigned; }\n"
                 "namespace z = y;\ny::number n;\n"),
            "");
  TypeDescriptor* y = find_scope(dict, "y");
  EXPECT_NE(in(y, "only_x"), nullptr);  // y uses x
  EXPECT_EQ(global("only_x"), nullptr);
  EXPECT_EQ(printed("n"), "y::number n;");
}

TEST_F(Declarations, FileLevelAgainstNamespaceWithoutDirective) {
  EXPECT_EQ(load("int x;\nnamespace N { double x; struct x_holder { int m; }; typedef int own; }\n"
                 "struct own_tag { int m; };\ntypedef struct own_tag own_tag;\n"),
            "");
  TypeDescriptor* ns = find_scope(dict, "N");
  EXPECT_EQ(type_of("x"), dict.base.builtin.int_type);
  EXPECT_EQ(in(ns, "x")->declaration.type, dict.base.builtin.double_type);
  EXPECT_EQ(lookup_type_name(dict, n("x_holder"), global_context()), nullptr);
  EXPECT_NE(lookup_type_name(dict, n("x_holder"), scope_context(ns)), nullptr);
  // The typedef of its own tag name is a type name through the ordinary table as well.
  EXPECT_EQ(typedef_data(type_of("own_tag"))->target, tag("own_tag"));
  EXPECT_EQ(load("own_tag value;\n"), "");
  EXPECT_EQ(strip_typedefs(type_of("value")), tag("own_tag"));
}

TEST_F(Declarations, DeclarationsIntoAGivenScope) {
  TypeDescriptor* scope = ensure_script_scope(dict, "S1.P2", nullptr);
  ::testing::internal::CaptureStderr();
  analyse_declarations(analyser, "int qlx_msgrcv;", scope, "script.pts", 12);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  SymbolEntry* entry = in(scope, "qlx_msgrcv");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->declaration.scope, scope);
  EXPECT_STREQ(entry->declaration.file, "script.pts");
  EXPECT_EQ(global("qlx_msgrcv"), nullptr);
}

TEST_F(Declarations, TypeFromText) {
  load("struct s { int a; };\ntypedef unsigned char byte;\n");
  ::testing::internal::CaptureStderr();
  TypeDescriptor* ul = type_from_text(analyser, "unsigned long", nullptr, "fmt", 3);
  TypeDescriptor* ps = type_from_text(analyser, "struct s *", nullptr, "fmt", 3);
  TypeDescriptor* arr = type_from_text(analyser, "byte [4]", nullptr, "fmt", 3);
  TypeDescriptor* fn = type_from_text(analyser, "int (*)(void)", nullptr, "fmt", 3);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(type_text(ul), "unsigned long");
  EXPECT_EQ(pointer_data(ps)->pointee, tag("s"));
  EXPECT_EQ(type_text(arr), "byte [4]");
  EXPECT_EQ(type_text(fn), "int (*)(void)");
  // The reserved variable holds the last one, silently, and once.
  EXPECT_EQ(entries_named(dict, SymbolTable::Ordinary, n("__quelt_var")).size(), 1U);
  EXPECT_EQ(type_of("__quelt_var"), fn);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(type_from_text(analyser, "", nullptr, "fmt", 3), nullptr);
  EXPECT_EQ(type_from_text(analyser, "int x", nullptr, "fmt", 3), nullptr);
  EXPECT_EQ(type_from_text(analyser, "nosuchtype", nullptr, "fmt", 7), nullptr);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Qandor-W-SYNTAXERR,  [fmt:3] Syntax error syntax error\n"
            "Qandor-W-SYNTAXERR,  [fmt:7] Syntax error syntax error\n");
}

TEST_F(Declarations, CTypedefsOfCxxKeywords) {
  EXPECT_EQ(load("typedef int wchar_t;\ntypedef unsigned short char16_t;\nwchar_t w;\n"), "");
  EXPECT_NE(global("wchar_t"), nullptr);
  EXPECT_EQ(type_of("w"), dict.base.builtin.wchar_type);
}

}  // namespace
}  // namespace iface::decltest

namespace iface::decltest {
namespace {

TEST_F(Declarations, TheAnalyserForgetsItsTypesWhenTheDictionaryIsEmptied) {
  load("unsigned long before; __int128 wide_before;\n");
  initialise_dictionary(dict, "QUELT");  // without reset_analyser
  EXPECT_EQ(load("unsigned long after; __int128 wide_after;\n"), "");
  ASSERT_NE(type_of("after"), nullptr);
  EXPECT_EQ(type_text(type_of("after")), "unsigned long");
  EXPECT_EQ(base_data(type_of("wide_after"))->bits, -128);
  // Every descriptor of the new declarations is one of the new store.
  bool found = false;
  for (const TypeDescriptor& d : dict.types.descriptors) found = found || &d == type_of("after");
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace iface::decltest
