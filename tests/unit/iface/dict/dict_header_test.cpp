// A whole interface header entered the way the declaration analyser enters it, then queried.
// The header:
//
//   typedef struct point { int x; int y; } point;          // typedef of its own tag
//   typedef struct { unsigned char r, g, b; } colour_t;    // anonymous struct
//   enum mode { MODE_OFF, MODE_ON = 4 };
//   union value { int i; double d; char *s; };
//   extern int counter;
//   int counter;                                           // declaration, then definition
//   static const char *banner;
//   int add(int a, int b);
//   int add(int a, int b) { return a + b; }
//   namespace net {
//     typedef unsigned long address_t;
//     int counter;                                         // hides ::counter inside net
//     struct packet { address_t from; char data[64]; };
//     class socket : public packet {
//      public:
//       virtual int send(const char *text, ...);
//       int operator[](int index);
//       ~socket();
//     };
//     namespace detail { int depth; }
//   }
//   using namespace net;
//   template <class T> class box { T content; };
//   box<int> boxed;
//
#include "dict_test_support.h"
#include "iface/dict/type_members.h"
#include "iface/dict/type_operators.h"
#include "iface/dict/type_print.h"

namespace iface {
namespace {

using testing_support::DictionaryTest;

class DictHeaderTest : public DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    start_capture();
    load_header();
    load_messages = captured();
  }

  void load_header() {
    const char* file = n("iface.h");
    TypeStore& types = dict.types;
    // typedef struct point { int x; int y; } point;
    point = begin_tag_definition(dict, TypeKind::Struct, n("point"), true, nullptr, file, where);
    add_member(point, Member{n("x"), int_type(), 0, -1});
    add_member(point, Member{n("y"), int_type(), 0, -1});
    complete_tag(dict, point, file, where);
    declare_typedef(dict, n("point"), point, nullptr, file, where);
    // typedef struct { unsigned char r, g, b; } colour_t;
    TypeDescriptor* byte = compose_type(dict.base, types, "unsigned", char_type(), where);
    TypeDescriptor* colour = begin_tag_definition(dict, TypeKind::Struct, nullptr, true, nullptr, file, where);
    for (const char* component : {"r", "g", "b"}) add_member(colour, Member{n(component), byte, 0, -1});
    complete_tag(dict, colour, file, where);
    declare_typedef(dict, n("colour_t"), colour, nullptr, file, where);
    // enum mode { MODE_OFF, MODE_ON = 4 };
    mode = begin_tag_definition(dict, TypeKind::Enumeration, n("mode"), true, nullptr, file, where);
    add_enumerator(mode, n("MODE_OFF"), 0);
    add_enumerator(mode, n("MODE_ON"), 4);
    complete_tag(dict, mode, file, where);
    // union value { int i; double d; char *s; };
    value = begin_tag_definition(dict, TypeKind::Union, n("value"), true, nullptr, file, where);
    add_member(value, Member{n("i"), int_type(), 0, -1});
    add_member(value, Member{n("d"), builtin("double"), 0, -1});
    add_member(value, Member{n("s"), make_pointer(types, char_type()), 0, -1});
    complete_tag(dict, value, file, where);
    // extern int counter; int counter;
    declare_object(dict, n("counter"), int_type(), nullptr, file, kSymbolExtern, where);
    declare_object(dict, n("counter"), int_type(), nullptr, file, 0, where);
    // static const char *banner;
    TypeDescriptor* text = make_pointer(types, make_qualified(types, "const", char_type()));
    declare_object(dict, n("banner"), text, nullptr, file, kSymbolStatic, where);
    // int add(int a, int b); and its definition
    std::vector<Parameter> operands = {Parameter{n("a"), int_type()}, Parameter{n("b"), int_type()}};
    declare_object(dict, n("add"), make_function(types, int_type(), operands), nullptr, file, 0, where);
    declare_object(dict, n("add"), make_function(types, int_type(), operands), nullptr, file, kSymbolDefined, where);
    // namespace net { ... }
    net = enter_namespace(dict, n("net"), nullptr, where);
    TypeDescriptor* unsigned_long = compose_type(dict.base, types, "unsigned",
                                                 compose_type(dict.base, types, "long", int_type(), where), where);
    address = declare_typedef(dict, n("address_t"), unsigned_long, net, file, where)->declaration.type;
    declare_object(dict, n("counter"), builtin("long"), net, file, 0, where);
    packet = begin_tag_definition(dict, TypeKind::Struct, n("packet"), true, net, file, where);
    add_member(packet, Member{n("from"), address, 0, -1});
    add_member(packet, Member{n("data"), make_array(types, char_type(), "64"), 0, -1});
    complete_tag(dict, packet, file, where);
    socket = begin_tag_definition(dict, TypeKind::Struct, n("socket"), false, net, file, where);
    add_base(socket, packet, 0);
    std::vector<Parameter> send_parameters = {Parameter{n("text"), text}, Parameter{nullptr, dict.base.builtin.ellipsis_type}};
    add_member(socket, Member{n("send"), make_function(types, int_type(), send_parameters), kMemberVirtual, -1});
    add_member(socket, Member{n(operator_function_name("[]")),
                              make_function(types, int_type(), {Parameter{n("index"), int_type()}}), 0, -1});
    add_member(socket, Member{n(destructor_name("socket")), make_function(types, builtin("void"), {}), 0, -1});
    complete_tag(dict, socket, file, where);
    TypeDescriptor* detail = enter_namespace(dict, n("detail"), net, where);
    declare_object(dict, n("depth"), int_type(), detail, file, 0, where);
    // using namespace net;
    add_using_directive(dict, nullptr, net);
    // template <class T> class box { T content; };  box<int> boxed;
    TypeDescriptor* box = declare_class_template(dict, n("box"), false, {TemplateParameter{n("T"), true, nullptr}},
                                                 nullptr, file, where);
    TypeDescriptor* body = make_compound(types, TypeKind::Struct, n("box"), false);
    add_member(body, Member{n("content"), make_typedef(types, n("T"), nullptr), kMemberPrivate, -1});
    template_data(box)->pattern = body;
    boxed = instantiate_template(dict, box, {TemplateArgument{"int", int_type()}});
    declare_object(dict, n("boxed"), boxed, nullptr, file, 0, where);
  }

  SymbolEntry* global(const char* name) { return lookup_ordinary(dict, n(name), global_context()); }

  std::string load_messages;
  TypeDescriptor* point = nullptr;
  TypeDescriptor* mode = nullptr;
  TypeDescriptor* value = nullptr;
  TypeDescriptor* net = nullptr;
  TypeDescriptor* address = nullptr;
  TypeDescriptor* packet = nullptr;
  TypeDescriptor* socket = nullptr;
  TypeDescriptor* boxed = nullptr;
};

TEST_F(DictHeaderTest, LoadsWithoutMessages) {
  EXPECT_EQ(load_messages, "");
  EXPECT_EQ(diag::warning_count(), 0);
}

TEST_F(DictHeaderTest, FileLevelRuleAgainstNamespaceRule) {
  // "counter" is at file level and in net; net is used at file level, so both are visible from
  // file level and the later declaration (net's) is the one returned.
  SymbolEntry* from_file = global("counter");
  ASSERT_NE(from_file, nullptr);
  EXPECT_EQ(from_file->declaration.scope, net);
  dict.return_first = true;
  EXPECT_EQ(global("counter")->declaration.scope, nullptr);
  dict.return_first = false;
  // Inside net only net's is visible at the first level.
  EXPECT_EQ(lookup_ordinary(dict, n("counter"), scope_context(net))->declaration.type, builtin("long"));
  // The nested namespace is not opened by the directive that names its parent.
  EXPECT_EQ(global("depth"), nullptr);
  const char* depth[] = {n("net"), n("detail"), n("depth")};
  EXPECT_NE(lookup_qualified(dict, depth), nullptr);
  EXPECT_NE(lookup_ordinary(dict, n("address_t"), global_context()), nullptr);
}

TEST_F(DictHeaderTest, TypeNamesOfTheHeader) {
  EXPECT_EQ(lookup_type_name(dict, n("point"), global_context())->declaration.type, point);
  EXPECT_EQ(typedef_data(global("point")->declaration.type)->target, point);
  EXPECT_EQ(lookup_type_name(dict, n("colour_t"), global_context())->table, SymbolTable::Ordinary);
  EXPECT_EQ(lookup_type_name(dict, n("socket"), global_context())->declaration.type, socket);
  EXPECT_EQ(lookup_type_name(dict, n("box"), global_context())->declaration.type->kind, TypeKind::ClassTemplate);
  EXPECT_EQ(lookup_type_name(dict, n("mode"), global_context())->declaration.type, mode);
  EXPECT_EQ(lookup_type_name(dict, n("value"), global_context())->declaration.type, value);
  EXPECT_EQ(lookup_type_name(dict, n("counter"), global_context()), nullptr);
  EXPECT_EQ(find_scope(dict, "net::socket"), socket);
  EXPECT_EQ(lookup_value_name(dict, n("MODE_ON"), global_context())->declaration.type, mode);
}

TEST_F(DictHeaderTest, MemberPositionsAndMembers) {
  EXPECT_EQ(member_position(global("point")->declaration.type, n("y")), 2);
  EXPECT_EQ(member_position(global("colour_t")->declaration.type, n("b")), 3);
  EXPECT_EQ(member_position(mode, n("MODE_ON")), 2);
  EXPECT_EQ(member_position(value, n("s")), 3);
  EXPECT_EQ(member_position(socket, n("operator_subscript")), 2);
  EXPECT_EQ(member_position(socket, n("destructor_socket")), 3);
  EXPECT_EQ(member_position(socket, n("from")), 0);
  EXPECT_STREQ(find_member(socket, n("data"))->name, "data");
  EXPECT_EQ(member_position(boxed, n("content")), 1);
  EXPECT_TRUE(has_flagged_member(socket));
  EXPECT_FALSE(has_flagged_member(packet));
  EXPECT_TRUE(is_character_string(find_member(socket, n("data"))->type));
}

TEST_F(DictHeaderTest, MergedDeclarationsAndPrintedTexts) {
  SymbolEntry* counter = nullptr;
  for (SymbolEntry* entry : entries_named(dict, SymbolTable::Ordinary, n("counter"))) {
    if (entry->declaration.scope == nullptr) {
      EXPECT_EQ(counter, nullptr) << "one file-level counter";
      counter = entry;
    }
  }
  ASSERT_NE(counter, nullptr);
  EXPECT_FALSE(counter->flags & kSymbolExtern);
  EXPECT_EQ(entries_named(dict, SymbolTable::Ordinary, n("add")).size(), 1U);
  EXPECT_TRUE(global("add")->flags & kSymbolDefined);
  EXPECT_EQ(symbol_declaration_kind(global("banner")), 2);
  EXPECT_EQ(declaration_statement(global("banner")->declaration.type, "banner", PrintMode::AsDeclared),
            "const char *banner;");
  EXPECT_EQ(declaration_statement(global("banner")->declaration.type, "banner", PrintMode::CharacterPointerAsBuffer),
            "char banner[200];");
  EXPECT_EQ(declaration_statement(global("add")->declaration.type, "add", PrintMode::AsDeclared),
            "int add(int a, int b);");
  EXPECT_EQ(declaration_statement(global("boxed")->declaration.type, "boxed", PrintMode::AsDeclared), "box<int> boxed;");
  EXPECT_EQ(declaration_statement(global("colour_t")->declaration.type, "c", PrintMode::AsDeclared), "colour_t c;");
  EXPECT_EQ(declaration_statement(typedef_data(global("colour_t")->declaration.type)->target, "c", PrintMode::AsDeclared),
            "struct { unsigned char r; unsigned char g; unsigned char b; } c;");
  EXPECT_EQ(type_text(find_member(socket, n("send"))->type), "int (const char *text, ...)");
  EXPECT_EQ(type_text(address), "net::address_t");
}

TEST_F(DictHeaderTest, FileLevelSymbolsInGeneratorOrder) {
  std::vector<std::string> listed;
  for (const SymbolEntry* entry : file_level_symbols_of(dict, "iface.h")) {
    listed.push_back(std::string(entry->declaration.name) + "/" + std::to_string(static_cast<int>(entry->table)) +
                     "/" + std::to_string(symbol_declaration_kind(entry)));
  }
  // Buckets [sum % 10][length % 10]: boxed 0/5, banner 0/6, mode 1/4, value 1/5, colour_t 1/8,
  // point 4/5 (the typedef, then the tag), MODE_ON 5/7, add 7/3, MODE_OFF 7/8, counter 8/7, box 9/3.
  // net's counter is inside a namespace and is left out.
  EXPECT_EQ(listed, (std::vector<std::string>{"boxed/0/1", "banner/0/2", "mode/1/1", "value/1/1", "colour_t/0/0",
                                              "point/0/0", "point/1/1", "MODE_ON/2/1", "add/0/0", "MODE_OFF/2/1",
                                              "counter/0/1", "box/1/1"}));
}

}  // namespace
}  // namespace iface
