// Inside the declaration parser: its state and the pieces that its files share
// (c_declarations.cpp: declarations, namespaces, templates, recovery; c_declarations_specifiers.cpp:
// specifiers and tag bodies; c_declarations_declarators.cpp: declarators and parameters;
// c_declarations_eval.cpp: constant values of enumerators and bit-field widths).
#pragma once
#include "diag/message_codes.h"
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "iface/cparse/c_declarations.h"
#include "iface/dict/dictionary_scopes.h"

namespace iface::decl {

// The template parameters in force: their names are type names inside the template.
struct TemplateFrame {
  std::vector<TemplateParameter> parameters;
  std::vector<TypeDescriptor*> parameter_types;  // one typedef without target per type parameter
  const char* defined_name = nullptr;            // the template whose body is being read
  TypeDescriptor* pattern = nullptr;             // that body
  bool variadic = false;
};

// The class whose body is being read.
struct ClassFrame {
  TypeDescriptor* compound = nullptr;
  const char* name = nullptr;  // interned; null for an anonymous class
  std::uint8_t access = 0;     // kMemberPrivate, kMemberProtected or 0 (public)
  ClassFrame* outer = nullptr;
  bool pattern = false;  // a class template's body: nothing in it is entered in the dictionary's tables
};

struct Parser;
// Whether the parser reads a class template's body.
bool in_pattern(const Parser& p);

struct Parser {
  DeclarationAnalyser* analyser = nullptr;
  Dictionary* dict = nullptr;
  Lexer lexer;
  Token current;
  const char* previous_end = nullptr;
  int previous_line = 0;               // position of the last token used
  const char* previous_file = nullptr;
  const char* default_file = nullptr;  // interned
  TypeDescriptor* scope = nullptr;     // the namespace or class declarations go into
  ClassFrame* in_class = nullptr;
  std::vector<TemplateFrame*> templates;
  int depth = 0;
  bool quiet = false;     // a message was given for the declaration being read
  bool discard = false;   // read the declaration, record nothing (function templates...)
  bool force_extern = false;  // extern "C" before a single declaration
  bool end_is_syntax_error = false;  // a type text: its end is no incomplete declaration
};

inline bool in_pattern(const Parser& p) { return p.in_class != nullptr && p.in_class->pattern; }

// --- Tokens (c_declarations.cpp) ---
void advance(Parser& p);
inline bool at(const Parser& p, TokenKind kind) { return p.current.kind == kind; }
TokenKind peek(Parser& p);
// Fails unless the current token is `kind`; consumes it.
bool expect(Parser& p, TokenKind kind);
// "syntax error" (or "UNEXP_EOF" at the end of the text), once per failing declaration. Always false.
bool fail(Parser& p);
// Reports `code` with `argument` as a warning at the current token, once per failing declaration.
bool fail_with(Parser& p, diag::Code code, std::string_view argument);
SourcePosition here(const Parser& p);
const char* current_file(const Parser& p);

// One open construct for the time of its parse; the 150th reports "yacc stack overflow".
class Nest {
 public:
  explicit Nest(Parser& p);
  ~Nest() { --p_.depth; }
  Nest(const Nest&) = delete;
  Nest& operator=(const Nest&) = delete;
  bool ok() const { return ok_; }

 private:
  Parser& p_;
  bool ok_ = true;
};

// From "(" "[" or "{" to its partner; false at the end of the text.
bool skip_balanced(Parser& p);
// "__attribute__((...))", "[[...]]", "alignas(...)", "__asm__(...)", "__extension__" and
// "__declspec(...)" wherever they stand; true when one was skipped.
bool skip_extension(Parser& p);
// Tokens up to (not including) the first of `stops` at depth 0 of (), [], {} and, with
// `angles`, <>. Gives the normalised text of the tokens skipped.
std::string skip_until(Parser& p, std::initializer_list<TokenKind> stops, bool angles);
// The token texts of a range joined, with one blank only between two words.
void append_token_text(std::string& out, std::string_view text);

// --- Names and lookups (c_declarations.cpp) ---
LookupContext context_of(const Parser& p);
// The type that `name` names here: a template parameter, a template being defined, or the
// dictionary's type-name lookup. Null when it is no type name.
TypeDescriptor* type_named(Parser& p, const char* name);
// The dictionary's query for the expression parser.
TypeNameQuery type_name_query(Parser& p);
ExprContext expression_context(Parser& p);
// The namespace or class named by `parts` as seen from the current scope (outward), or null.
TypeDescriptor* resolve_scope(const Parser& p, const std::vector<const char*>& parts, bool leading_global);

// --- Declarations (c_declarations.cpp) ---
// Ready to read `text` into `scope`: the first token is current.
void start_parser(Parser& p, DeclarationAnalyser& analyser, std::string_view text, TypeDescriptor* scope,
                  std::string_view file, int line);
// The declarations up to the end of the text, or up to the "}" that ends the body being read
// (not consumed).
void parse_declaration_list(Parser& p, bool in_body);
bool parse_template_arguments(Parser& p, std::vector<TemplateArgument>& arguments);

// --- Specifiers (c_declarations_specifiers.cpp) ---
enum class SpecifierUse { Declaration, Member, Parameter, TypeName };

struct Specifiers {
  TypeDescriptor* type = nullptr;  // the type named; null with `has_type` false: none given (int)
  bool has_type = false;
  TypeDescriptor* core = nullptr;  // a base keyword's type, before the words below apply
  int longs = 0;
  int shorts = 0;
  int sign = 0;  // 1 signed, 2 unsigned
  bool is_const = false;
  bool is_volatile = false;
  bool is_typedef = false;
  bool is_static = false;
  bool is_extern = false;
  bool is_inline = false;
  bool is_virtual = false;
  bool is_friend = false;
  bool defined_tag = false;       // a struct/union/enum body was given
  bool anonymous_tag = false;     // ... and it has no name
  bool elaborated = false;        // "struct S" without body
};

bool parse_specifiers(Parser& p, Specifiers& specifiers, SpecifierUse use);
// "wchar_t", "char16_t", "char32_t", "bool", "_FloatN": keywords that C headers (or glibc in
// C++ mode) declare as typedefs.
bool is_c_typedef_keyword(TokenKind k);
// The complete type of the specifiers: words composed, qualifiers applied.
TypeDescriptor* specified_type(Parser& p, const Specifiers& specifiers);
// Whether the current token can start a declaration's specifiers or a type name.
bool starts_specifiers(Parser& p);
// "struct/class/union ... { members }" (current token: the key) and "enum ... { enumerators }".
bool parse_class_specifier(Parser& p, Specifiers& specifiers);
bool parse_enum_specifier(Parser& p, Specifiers& specifiers);
// The members of a class body, "{" consumed, up to the "}" (consumed).
bool parse_member_list(Parser& p, ClassFrame& frame);
// ": public B, virtual C" (current token: ":").
bool parse_base_list(Parser& p, TypeDescriptor* compound);

// --- Declarators (c_declarations_declarators.cpp) ---
enum class OperationKind { Pointer, Reference, Array, Function, Qualify };

struct Operation {
  OperationKind kind = OperationKind::Pointer;
  std::string bound_text;               // Array
  const ExprNode* bound = nullptr;      // Array
  std::vector<Parameter> parameters;    // Function
  std::vector<const char*> kr_names;    // Function: a K&R identifier list
  bool kr = false;
  bool has_trailing_result = false;          // Function: "-> type"
  TypeDescriptor* trailing_result = nullptr;
  const char* qualifier = nullptr;      // Qualify: "const" or "volatile"
};

struct Declarator {
  const char* name = nullptr;  // interned; null for an abstract declarator
  bool qualified = false;      // "C::f", "N::x": a definition of something declared elsewhere
  bool special = false;        // constructor, destructor or operator
  std::vector<Operation> operations;  // in the order they apply to the specifiers' type
  int bit_width = -1;
  bool invalid = false;        // reported: read to its end, recorded nowhere
  bool is_function() const { return !operations.empty() && operations.back().kind == OperationKind::Function; }
  const Operation* function() const { return is_function() ? &operations.back() : nullptr; }
};

// A declarator; `abstract` allows it without a name (parameters, type names).
bool parse_declarator(Parser& p, Declarator& declarator, bool abstract);
TypeDescriptor* apply_declarator(Parser& p, TypeDescriptor* type, const Declarator& declarator);
// A type name: specifiers and an abstract declarator ("const char *", "int (*)(void)"). Null on failure.
TypeDescriptor* parse_type_id(Parser& p, bool* ok);
// After a function declarator: K&R parameter declarations (up to "{"), applied to `declarator`.
bool parse_kr_declarations(Parser& p, Declarator& declarator);
// A function body from "{" (or a constructor's ": init" / "try"), skipped.
bool skip_function_body(Parser& p);

// --- Constant values (c_declarations_eval.cpp) ---
// The value of a constant expression (enumerator values, bit-field widths); false when it is not
// one the analyser can compute (names that are no enumerators, calls...). `enumeration` is the
// enumeration being defined, whose enumerators are not in the dictionary yet.
bool constant_value(Parser& p, const ExprNode* node, const TypeDescriptor* enumeration, long long* value);
// Parses a conditional expression at the current token and computes it.
bool parse_constant(Parser& p, const TypeDescriptor* enumeration, long long* value, bool* computed);

}  // namespace iface::decl
