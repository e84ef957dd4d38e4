// Type descriptors of the interface analysis: one record per C/C++ type, with a kind and the
// kind's own record. Descriptors live in a TypeStore owned by the dictionary; they are never
// freed one by one, so pointers to them stay valid until the store is cleared.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace iface {

// Expression tree of the declaration analyser (kept opaque here: the dictionary only stores
// array bound expressions for the analyser and the query layer).
struct ExprNode;

// The descriptor kinds. The numbers are the dictionary's data layout; 2 is the kind this
// implementation gives to namespaces (and to script scopes), which are scopes with no type.
enum class TypeKind : int {
  Integer = 0,
  Floating = 1,
  Namespace = 2,
  Pointer = 3,
  Array = 4,
  Enumeration = 5,
  Union = 6,
  Typedef = 7,
  Function = 8,
  Void = 9,
  Struct = 10,  // struct or class
  Qualified = 11,
  Reference = 12,
  Ellipsis = 13,
  ClassTemplate = 14,
  TemplateInstance = 15,
};

// Display bases of a descriptor (FORMAT).
enum DisplayBase : int {
  kBaseHexadecimal = 0,
  kBaseDecimal = 1,
  kBaseBinary = 2,
  kBaseUnsigned = 3,
  kBaseFixed = 4,
  kBaseExponent = 5,
  kBaseDefault = 6,
};

struct TypeDescriptor;

// Bits of a member's (or base class's) flag byte. Bit 0 is the member flag that the query layer
// tests: here it marks a virtual member function or a virtual base, the members that give a
// class a hidden table pointer. Bits 2-3 hold the access.
enum MemberFlag : std::uint8_t {
  kMemberVirtual = 1,
  kMemberStatic = 2,
  kMemberProtected = 4,
  kMemberPrivate = 8,
};

struct Member {
  const char* name = nullptr;  // interned; null for an unnamed member (anonymous struct/union, padding)
  TypeDescriptor* type = nullptr;
  std::uint8_t flags = 0;
  int bit_width = -1;  // bit-field width, -1 when the member is no bit-field
};

struct BaseClass {
  TypeDescriptor* type = nullptr;
  std::uint8_t flags = 0;  // kMemberVirtual for a virtual base; access bits as for members
};

struct Enumerator {
  const char* name = nullptr;  // interned
  long long value = 0;
};

struct Parameter {
  const char* name = nullptr;  // interned, or null
  TypeDescriptor* type = nullptr;
};

struct TemplateParameter {
  const char* name = nullptr;         // interned
  bool is_type = true;                 // "class T" / "typename T" rather than a value parameter
  TypeDescriptor* value_type = nullptr;  // type of a value parameter
};

struct TemplateArgument {
  std::string text;                // the argument as written (normalised by the analyser)
  TypeDescriptor* type = nullptr;  // its type when the argument is a type
};

// A scope-capable record (namespace, struct/class, union) carries its qualified name, as
// registered in the scope table, and the namespaces that its using-directives name.
struct ScopeInfo {
  std::string qualified_name;  // parts joined by "::"; empty while not registered
  std::vector<TypeDescriptor*> used_namespaces;
};

// Kinds 0 and 1. For floating types `bits` is informative only.
struct BaseTypeData {
  std::string name;
  int bits = 0;  // negative = signed
  bool character = false;
};

struct PointerData {
  TypeDescriptor* pointee = nullptr;
};

struct ArrayData {
  TypeDescriptor* element = nullptr;
  std::string bound_text;  // may be empty
  const ExprNode* bound_expression = nullptr;
};

struct EnumData {
  const char* name = nullptr;  // interned, null when anonymous
  std::vector<Enumerator> enumerators;
  bool complete = false;  // the enumerator list has been seen
};

// Kinds 6 (union) and 10 (struct or class).
struct CompoundData {
  const char* name = nullptr;  // interned, null when anonymous
  std::vector<Member> members;
  std::vector<BaseClass> bases;
  bool is_struct = true;  // "struct" (or "union") rather than "class"
  bool complete = false;  // the body has been seen
  ScopeInfo scope;
};

struct TypedefData {
  const char* name = nullptr;  // interned
  TypeDescriptor* target = nullptr;
};

struct FunctionData {
  TypeDescriptor* result = nullptr;
  std::vector<Parameter> parameters;  // "..." is a parameter of kind Ellipsis
};

struct QualifiedData {
  std::string qualifier;  // "const" or "volatile"
  TypeDescriptor* target = nullptr;
};

struct ReferenceData {
  TypeDescriptor* referenced = nullptr;
};

struct TemplateData {
  std::vector<TemplateParameter> parameters;
  bool is_struct = false;  // "struct" rather than "class"
  const char* name = nullptr;  // interned
  TypeDescriptor* pattern = nullptr;  // the class body as written, when the analyser keeps one
  std::vector<TypeDescriptor*> instances;  // instances made so far, one per argument list
};

struct InstanceData {
  std::vector<TemplateArgument> arguments;
  TypeDescriptor* template_type = nullptr;  // kind ClassTemplate
  TypeDescriptor* instantiated = nullptr;   // the class built for these arguments, when there is one
};

struct NamespaceData {
  const char* name = nullptr;  // interned last part
  ScopeInfo scope;
};

using KindData = std::variant<std::monostate, BaseTypeData, PointerData, ArrayData, EnumData, CompoundData,
                              TypedefData, FunctionData, QualifiedData, ReferenceData, TemplateData,
                              InstanceData, NamespaceData>;

// The descriptor. A FORMAT copy shares `data` with its original and has its own display base,
// size and format kind; a format kind that is not negative says that a FORMAT applies.
struct TypeDescriptor {
  TypeKind kind = TypeKind::Void;
  int display_base = kBaseDefault;
  int size = 0;  // display size in bits, negative when signed; 0 when not set
  int format_kind = -1;
  KindData* data = nullptr;
  bool scoped = false;                // declared inside a namespace or class
  TypeDescriptor* scope = nullptr;    // that namespace or class
  std::array<void*, 7> links{};       // free for the declaration analyser
};

// Owner of every descriptor and kind record of one dictionary.
struct TypeStore {
  std::deque<TypeDescriptor> descriptors;
  std::deque<KindData> records;
};

void clear_store(TypeStore& store);

// A new descriptor of `kind` holding `data` (its own new record).
TypeDescriptor* new_descriptor(TypeStore& store, TypeKind kind, KindData data);
// A FORMAT copy: same kind and kind record, default display attributes, same scope.
TypeDescriptor* copy_descriptor(TypeStore& store, const TypeDescriptor* original);
// Places a named type in `scope` (null: file level).
void set_scope(TypeDescriptor* type, TypeDescriptor* scope);

TypeDescriptor* make_pointer(TypeStore& store, TypeDescriptor* pointee);
TypeDescriptor* make_reference(TypeStore& store, TypeDescriptor* referenced);
TypeDescriptor* make_qualified(TypeStore& store, std::string_view qualifier, TypeDescriptor* target);
TypeDescriptor* make_array(TypeStore& store, TypeDescriptor* element, std::string_view bound_text,
                           const ExprNode* bound_expression = nullptr);
TypeDescriptor* make_function(TypeStore& store, TypeDescriptor* result, std::vector<Parameter> parameters);
TypeDescriptor* make_typedef(TypeStore& store, const char* name, TypeDescriptor* target);
// An empty (incomplete) struct/class (`kind` Struct) or union (`kind` Union).
TypeDescriptor* make_compound(TypeStore& store, TypeKind kind, const char* name, bool is_struct);
TypeDescriptor* make_enumeration(TypeStore& store, const char* name);
TypeDescriptor* make_class_template(TypeStore& store, const char* name, bool is_struct,
                                    std::vector<TemplateParameter> parameters);
TypeDescriptor* make_namespace(TypeStore& store, const char* name);

// Typed access to the kind record: null when `type` is null or of another kind.
const BaseTypeData* base_data(const TypeDescriptor* type);  // kinds Integer, Floating
BaseTypeData* base_data(TypeDescriptor* type);
const PointerData* pointer_data(const TypeDescriptor* type);
const ArrayData* array_data(const TypeDescriptor* type);
const EnumData* enum_data(const TypeDescriptor* type);
EnumData* enum_data(TypeDescriptor* type);
const CompoundData* compound_data(const TypeDescriptor* type);  // kinds Struct, Union
CompoundData* compound_data(TypeDescriptor* type);
const TypedefData* typedef_data(const TypeDescriptor* type);
const FunctionData* function_data(const TypeDescriptor* type);
const QualifiedData* qualified_data(const TypeDescriptor* type);
const ReferenceData* reference_data(const TypeDescriptor* type);
const TemplateData* template_data(const TypeDescriptor* type);
TemplateData* template_data(TypeDescriptor* type);
const InstanceData* instance_data(const TypeDescriptor* type);
const NamespaceData* namespace_data(const TypeDescriptor* type);
// The scope record of a namespace, struct/class or union; null for other kinds.
const ScopeInfo* scope_info(const TypeDescriptor* type);
ScopeInfo* scope_info(TypeDescriptor* type);

// The name a named type carries: the tag of a struct/class, union, enumeration or template, the
// name of a typedef or namespace, the base type's name; null otherwise (or when anonymous).
const char* type_name(const TypeDescriptor* type);

// Unwrapping. Each returns its argument when there is nothing to remove (null stays null).
const TypeDescriptor* strip_typedefs(const TypeDescriptor* type);
// Typedefs and const/volatile wrappers.
const TypeDescriptor* strip_typedefs_and_qualifiers(const TypeDescriptor* type);
// Typedefs, qualifiers and references.
const TypeDescriptor* strip_to_object_type(const TypeDescriptor* type);

// Whether `type` is an integer base type flagged as a character type.
bool is_character_type(const TypeDescriptor* type);

}  // namespace iface
