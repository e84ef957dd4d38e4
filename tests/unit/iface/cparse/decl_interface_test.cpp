// A C++ interface header that uses every construct the analyser reads (the lit test's
// Inputs/interface.hpp) loads without a message, and what it records answers the lookups.
#include <fstream>
#include <sstream>

#include "decl_fixture.h"
#include "iface/pp/preprocessor.h"

namespace iface::decltest {
namespace {

// The header is the lit test's input, found from this file's own path (the build compiles it by
// its absolute name).
std::string read_header() {
  std::string here = __FILE__;
  std::string folder = here.substr(0, here.find_last_of('/'));
  std::ifstream in(folder + "/../../../lit/declare/Inputs/interface.hpp");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class InterfaceHeader : public DeclTest {
 protected:
  void SetUp() override {
    DeclTest::SetUp();
    std::string text = read_header();
    ASSERT_FALSE(text.empty());
    // As the compiler reads it: through the preprocessor (comments go, line directives come).
    Preprocessor preprocessor;
    std::string preprocessed;
    preprocessor.run_string(text, "interface.hpp", 1, preprocessed);
    preprocessor.end();
    messages = load(preprocessed, "interface.hpp");
    net = find_scope(dict, "net");
    socket = find_scope(dict, "net::socket");
  }
  std::string messages;
  TypeDescriptor* net = nullptr;
  TypeDescriptor* socket = nullptr;
};

TEST_F(InterfaceHeader, LoadsWithoutAnyMessage) {
  EXPECT_EQ(messages, "");
  EXPECT_EQ(diag::warning_count(), 0);
  EXPECT_EQ(diag::error_count(), 0);
}

TEST_F(InterfaceHeader, NamespacesUsingDirectivesAndTheFileLevelRule) {
  ASSERT_NE(net, nullptr);
  EXPECT_EQ(net->kind, TypeKind::Namespace);
  // "counter" in net and at file level; "using namespace net" makes both visible from file
  // level, the last declared (the file-level one) wins; inside net, net's own.
  EXPECT_EQ(global("counter")->declaration.scope, nullptr);
  EXPECT_EQ(in(net, "counter")->declaration.scope, net);
  // A namespace reopened keeps one scope.
  EXPECT_EQ(in(net, "reopened")->declaration.scope, net);
  EXPECT_EQ(global("reopened")->declaration.scope, net);  // through the directive
  // Nested namespaces are not opened by the directive that names their parent.
  EXPECT_EQ(global("depth"), nullptr);
  const char* depth[] = {n("net"), n("detail"), n("depth")};
  EXPECT_NE(lookup_qualified(dict, depth), nullptr);
  // Unnamed namespaces, numbered in order, are used by their enclosing scope.
  TypeDescriptor* first = find_scope(dict, "net::quelt_unnamed_namespace_1");
  TypeDescriptor* second = find_scope(dict, "quelt_unnamed_namespace_2");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(in(net, "hidden")->declaration.scope, first);
  EXPECT_EQ(global("file_hidden")->declaration.scope, second);
}

TEST_F(InterfaceHeader, TypedefOfOwnTagAndTypeNames) {
  TypeDescriptor* point = type_of("point");
  ASSERT_NE(point, nullptr);
  EXPECT_EQ(point->kind, TypeKind::Typedef);
  EXPECT_EQ(typedef_data(point)->target, tag("point"));
  EXPECT_EQ(symbol_declaration_kind(global("point")), 0);
  EXPECT_EQ(printed_target("size_type"), "unsigned long size_type;");
  EXPECT_EQ(printed_target("wide_t"), "long long wide_t;");
  EXPECT_EQ(printed("table"), "char table[2][3+1];");
  EXPECT_EQ(printed("handler"), "int (*handler)(int signal_number);");
  EXPECT_EQ(printed("status"), "const volatile int status;");
  EXPECT_EQ(printed("c_entry"), "int c_entry(const char *text, ...);");
  EXPECT_EQ(printed("old_style"), "int old_style(int a, char *b);");
  EXPECT_EQ(printed("restricted"), "int restricted(char *out, const char *in);");
  EXPECT_EQ(printed("big"), "__int128 big;");
  EXPECT_EQ(printed("quad"), "_Float128 quad;");
  EXPECT_EQ(printed("typed"), "int typed;");
  EXPECT_EQ(printed_target("va_list_t"), "void *va_list_t;");
}

TEST_F(InterfaceHeader, StorageClassesAndDeclarationKinds) {
  EXPECT_EQ(symbol_declaration_kind(global("file_count")), 2);  // static object
  EXPECT_EQ(symbol_declaration_kind(global("counter")), 1);
  EXPECT_EQ(symbol_declaration_kind(global("twice")), 0);  // function
  EXPECT_TRUE(global("status")->flags & kSymbolExtern);
  EXPECT_TRUE(global("single_entry")->flags & kSymbolExtern);  // extern "C" before one declaration
  EXPECT_FALSE(global("c_entry")->flags & kSymbolExtern);      // inside an extern "C" block
  EXPECT_TRUE(global("twice")->flags & kSymbolDefined);
  EXPECT_TRUE(global("twice")->flags & kSymbolInline);
  EXPECT_TRUE(global("quick")->flags & kSymbolStatic);
  EXPECT_STREQ(global("counter")->declaration.file, "interface.hpp");
}

TEST_F(InterfaceHeader, StructMembersBitFieldsAndEnumerators) {
  TypeDescriptor* flags = tag("flags");
  EXPECT_EQ(member_position(flags, n("mode")), 2);
  EXPECT_EQ(member_position(flags, n("wide")), 4);  // after the unnamed bit-field
  EXPECT_EQ(find_member(flags, n("mode"))->bit_width, 3);
  EXPECT_EQ(find_member(flags, n("wide"))->bit_width, 40);
  EXPECT_EQ(compound_data(flags)->members[2].name, nullptr);
  EXPECT_EQ(compound_data(flags)->members[2].bit_width, 0);
  TypeDescriptor* colour = tag("colour");
  ASSERT_EQ(enum_data(colour)->enumerators.size(), 4U);
  EXPECT_EQ(enum_data(colour)->enumerators[2].value, 5);
  EXPECT_EQ(enum_data(colour)->enumerators[3].value, 16);
  EXPECT_EQ(lookup_enumerator(dict, n("BLUE"), global_context())->declaration.type, colour);
  // The anonymous struct inside the union is a member whose members belong to the union.
  TypeDescriptor* value = tag("value");
  EXPECT_EQ(member_position(value, n("s")), 3);
  EXPECT_NE(find_member(value, n("hi")), nullptr);
  EXPECT_EQ(member_position(value, n("missing")), 0);
}

TEST_F(InterfaceHeader, ClassMembersAccessAndNestedTypes) {
  ASSERT_NE(socket, nullptr);
  const CompoundData* data = compound_data(socket);
  EXPECT_FALSE(data->is_struct);
  ASSERT_EQ(data->bases.size(), 1U);
  EXPECT_EQ(data->bases[0].type, find_scope(dict, "net::packet"));
  EXPECT_EQ(member_position(socket, n("socket")), 1);  // the constructors
  EXPECT_EQ(member_position(socket, n("destructor_socket")), 3);
  EXPECT_EQ(member_position(socket, n("send")), 4);
  EXPECT_EQ(member_position(socket, n("operator_assign")), 5);
  EXPECT_EQ(member_position(socket, n("operator_subscript")), 6);
  EXPECT_EQ(member_position(socket, n("operator_equal")), 7);
  EXPECT_EQ(member_position(socket, n("operator_conversion")), 8);
  EXPECT_EQ(member_position(socket, n("open_count")), 9);
  EXPECT_EQ(member_position(socket, n("peek")), 0);  // friends are no members
  EXPECT_EQ(member_position(socket, n("descriptor_")), 10);
  EXPECT_TRUE(find_member(socket, n("send"))->flags & kMemberVirtual);
  EXPECT_TRUE(find_member(socket, n("destructor_socket"))->flags & kMemberVirtual);
  EXPECT_TRUE(find_member(socket, n("open_count"))->flags & kMemberStatic);
  EXPECT_EQ(find_member(socket, n("descriptor_"))->flags, kMemberProtected);
  EXPECT_EQ(find_member(socket, n("options_"))->flags, kMemberPrivate);
  EXPECT_EQ(find_member(socket, n("send"))->flags & (kMemberPrivate | kMemberProtected), 0);
  EXPECT_TRUE(has_flagged_member(socket));
  // Nested types are scoped in the class; a friend class goes to the enclosing namespace.
  TypeDescriptor* option = find_scope(dict, "net::socket::option");
  ASSERT_NE(option, nullptr);
  EXPECT_EQ(find_member(socket, n("options_"))->type->kind, TypeKind::Array);
  EXPECT_EQ(array_data(find_member(socket, n("options_"))->type)->element, option);
  EXPECT_EQ(lookup_enumerator(dict, n("OPEN"), scope_context(socket))->declaration.scope, socket);
  EXPECT_NE(find_tag_in_scope(dict, TypeKind::Struct, n("inspector"), net), nullptr);
  EXPECT_EQ(find_member(socket, n("data")), compound_data(find_scope(dict, "net::packet"))->members.data() + 1);
}

TEST_F(InterfaceHeader, MultipleAndVirtualBasesAndAccessDeclarations) {
  TypeDescriptor* derived = tag("derived");
  const CompoundData* data = compound_data(derived);
  ASSERT_EQ(data->bases.size(), 2U);
  EXPECT_EQ(data->bases[0].flags, 0);                                // public
  EXPECT_EQ(data->bases[1].flags, kMemberVirtual | kMemberPrivate);  // a class's bases are private by default
  EXPECT_TRUE(has_flagged_member(derived));
  EXPECT_EQ(find_member(derived, n("alias"))->type->kind, TypeKind::Reference);
  EXPECT_EQ(member_position(derived, n("derived")), 2);
}

TEST_F(InterfaceHeader, ClassTemplatesAndInstances) {
  TypeDescriptor* array_of = tag("array_of");
  ASSERT_NE(array_of, nullptr);
  ASSERT_EQ(array_of->kind, TypeKind::ClassTemplate);
  const TemplateData* data = template_data(array_of);
  ASSERT_EQ(data->parameters.size(), 2U);
  EXPECT_TRUE(data->parameters[0].is_type);
  EXPECT_FALSE(data->parameters[1].is_type);
  ASSERT_NE(data->pattern, nullptr);
  EXPECT_EQ(member_position(data->pattern, n("items")), 1);
  EXPECT_EQ(member_position(data->pattern, n("operator_subscript")), 2);
  EXPECT_EQ(global("value_type"), nullptr);  // a template's typedefs stay in its body
  TypeDescriptor* eight = type_of("eight_ints");
  ASSERT_EQ(eight->kind, TypeKind::TemplateInstance);
  EXPECT_EQ(instance_data(eight)->template_type, array_of);
  ASSERT_EQ(instance_data(eight)->arguments.size(), 2U);
  EXPECT_EQ(instance_data(eight)->arguments[0].text, "int");
  EXPECT_EQ(instance_data(eight)->arguments[1].text, "8");
  EXPECT_EQ(printed("nested_arrays"), "array_of<array_of<char, 2> > nested_arrays;");
  // The full specialisation is the instance for its arguments, with its own body.
  std::vector<TemplateArgument> one = {TemplateArgument{"double", nullptr}, TemplateArgument{"1", nullptr}};
  TypeDescriptor* special = instantiate_template(dict, array_of, one);
  ASSERT_NE(instance_data(special)->instantiated, nullptr);
  EXPECT_EQ(member_position(special, n("only")), 1);
  // A template declared without body, and a function template that records nothing.
  EXPECT_EQ(tag("holder")->kind, TypeKind::ClassTemplate);
  EXPECT_EQ(global("maximum"), nullptr);
}

}  // namespace
}  // namespace iface::decltest
