// The declaration side of the C/C++ analyser: reads preprocessed C or C++ text (interface files,
// the definitions file, the declaration texts of the script side) and records what it declares
// in the type dictionary.
//
// The parser is recursive descent over the analyser's lexer (c_lexer.h), the team's choice over a
// generated LALR table: whether a name is a type is the dictionary's answer in the middle of a
// declaration, and real headers need the GNU extensions skipped where they stand. The generated
// parser's observable limits are kept:
//  - an unexpected token reports the warning "SYNTAXERR" with "syntax error" at the token's file
//    and line (at the end of the text the error "UNEXP_EOF" instead: the text stops inside a
//    declaration);
//  - `declaration_stack_limit` open constructs (namespace, class and enumeration bodies,
//    parameter lists, parenthesised declarators, brackets and parentheses inside them) report
//    "SYNTAXERR" with "yacc stack overflow".
// After a failure the declaration is skipped up to a safe point (the next ";" at its own brace
// depth, or the "}" that closes a body it opened) and the analysis goes on with the next one;
// one failing declaration gives one message.
//
// What is recorded: objects and functions (with "static", "extern", "inline" and "defined" as
// symbol flags), typedefs, struct/union/class/enum tags with members, bit-field widths, bases and
// enumerators, namespaces (unnamed ones as "quelt_unnamed_namespace_<n>"), using-directives,
// class templates with their bodies and the instances that declarations name. Choices where C++
// leaves the analyser free:
//  - member functions, constructors (named as the class), destructors ("destructor_<class>") and
//    operators ("operator_<word>"; "operator_new", "operator_delete", "operator_new_array",
//    "operator_delete_array" and "operator_conversion" for the operators without a word) are
//    members of their class, in declaration order with the data members; a constructor or
//    destructor returns void;
//  - friend declarations are read and record nothing but the tag they name;
//  - definitions outside their class or namespace ("int C::f() {...}", "int N::x = 1;"), function
//    templates, partial specialisations and namespace aliases are read and skipped;
//  - "(void)" is a parameter list of one void parameter, "()" an empty one (K&R);
//  - "__builtin_va_list" is a void pointer; "__int128", "_FloatN", "__float128", "_DecimalN" are
//    base types of those names; "_Complex" and "_Atomic" are dropped; "__typeof__" of an
//    expression, and a type named through a template instance ("A<int>::type"), give no type.
#pragma once
#include <deque>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "iface/cparse/c_expression.h"
#include "iface/cparse/c_lexer.h"
#include "iface/dict/dictionary.h"

namespace iface {

inline constexpr int declaration_stack_limit = 150;

// The analyser's state for one run: the size settings that the pragma lines change, the array
// bound expressions (which the dictionary's array descriptors point to) and caches of composed
// base types. Tied to one dictionary; reset it when the dictionary is initialised.
struct DeclarationAnalyser {
  Dictionary* dictionary = nullptr;
  SizeSettings sizes;
  std::deque<std::unique_ptr<ExprTree>> bound_trees;
  // Base types composed from specifier words, keyed by core type and words, so that every
  // "unsigned int" of a header is one descriptor.
  std::unordered_map<std::string, TypeDescriptor*> composed_types;
  std::unordered_map<const char*, TypeDescriptor*> extension_types;  // "__int128", "_Float128"...
  std::unordered_set<const TypeDescriptor*> variadic_templates;
  const TypeDescriptor* cache_owner = nullptr;  // the int descriptor the caches were made with
  std::size_t store_size_seen = 0;               // descriptors in the dictionary at the last analysis
};

// Forgets everything and ties the analyser to `dictionary`. Call it after initialise_dictionary
// (the start of the interface analysis); the analyser also notices an initialisation by itself.
void reset_analyser(DeclarationAnalyser& analyser, Dictionary& dictionary);

// Parses every declaration of `text` and records it in `scope` (null: the global scope) of the
// analyser's dictionary. `file` and `line` are the position of the text's first line (its line
// directives move it); declarations without a line directive are recorded with `file`.
void analyse_declarations(DeclarationAnalyser& analyser, std::string_view text, TypeDescriptor* scope,
                          std::string_view file, int line);

// The bound expression of an array descriptor made by the analyser, or null.
const ExprNode* array_bound_expression(const TypeDescriptor* array);

}  // namespace iface
