// The type dictionary: every object, function, typedef, tag, template and namespace that the
// declaration analyser learns from the interface files and from the script's declarations.
//
// Layout (the generators list symbols in this order, so it is kept as it is):
//  - three symbol tables (ordinary names, tags, enumeration constants) of 10 x 10 buckets; a name
//    goes to bucket [sum of its character codes % 10][its length % 10]; each bucket is a list
//    appended at its tail;
//  - a scope table of 100 buckets mapping qualified scope names ("A::B") to the descriptors of
//    those namespaces and classes;
//  - the using-directives in force at file level (each namespace or class keeps its own in its
//    ScopeInfo).
// Names are interned (base::intern): symbol and member names compare by pointer.
//
// The run's dictionary belongs to the interface analysis (query/analysis_context.h); every
// operation takes the dictionary explicitly, so tests build and reset their own.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "iface/dict/type_base.h"
#include "iface/dict/type_descriptor.h"

namespace iface {

enum class SymbolTable : int { Ordinary = 0, Tags = 1, Enumerators = 2 };
inline constexpr int kSymbolTableCount = 3;
inline constexpr int kBucketRows = 10;
inline constexpr int kBucketColumns = 10;
inline constexpr int kScopeBucketCount = 100;

// The name reserved for the analyser's "type from text" declarations; redeclaring it replaces
// its type silently, and the generators never list it.
inline constexpr std::string_view kReservedVariable = "__quelt_var";

// Flags of a symbol entry.
enum SymbolFlag : unsigned {
  kSymbolStatic = 1,   // declared "static"
  kSymbolExtern = 2,   // declared "extern" (a declaration, no definition)
  kSymbolDefined = 4,  // a function with its body, or a tag with its body
  kSymbolInline = 8,
};

struct Declaration {
  const char* name = nullptr;        // interned
  TypeDescriptor* type = nullptr;    // null: a symbol without type (printed "int")
  bool scoped = false;               // declared inside a namespace or class
  TypeDescriptor* scope = nullptr;   // that namespace or class
  const char* file = nullptr;        // interface file of the declaration (interned), or null
};

struct SymbolEntry {
  Declaration declaration;
  unsigned flags = 0;
  SymbolEntry* next = nullptr;  // next in the bucket
  int number = 0;               // 1 for the first symbol declared, then 2, 3...
  SymbolTable table = SymbolTable::Ordinary;
};

// A symbol name (interned) in one scope (null: file level).
struct ScopedName {
  const char* name = nullptr;
  const TypeDescriptor* scope = nullptr;
  bool operator==(const ScopedName& other) const { return name == other.name && scope == other.scope; }
};
struct ScopedNameHash {
  std::size_t operator()(const ScopedName& key) const {
    return std::hash<const void*>{}(key.name) * 31 + std::hash<const void*>{}(key.scope);
  }
};

struct Bucket {
  SymbolEntry* head = nullptr;
  SymbolEntry* tail = nullptr;
};

using SymbolBuckets = std::array<std::array<Bucket, kBucketColumns>, kBucketRows>;

struct ScopeEntry {
  std::string name;  // the qualified name
  TypeDescriptor* descriptor = nullptr;
  ScopeEntry* next = nullptr;
};

struct Dictionary {
  Dictionary() = default;
  // Entries and descriptors point at each other: a dictionary is never copied.
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  std::string name;
  bool return_first = false;  // several matching symbols: the first rather than the last
  std::array<SymbolBuckets, kSymbolTableCount> tables{};
  std::array<ScopeEntry*, kScopeBucketCount> scope_buckets{};
  std::vector<TypeDescriptor*> file_level_using;
  int symbol_count = 0;

  TypeStore types;
  BaseTypes base;
  // Storage of the entries, and per table the entries of each name in bucket order (an index
  // over the buckets, so that a lookup does not walk a whole bucket).
  std::deque<SymbolEntry> entries;
  std::deque<ScopeEntry> scope_entries;
  // The scope buckets' index: each qualified name with its latest registration, so that a script
  // with thousands of scenario scopes finds one without walking a bucket.
  std::unordered_map<std::string_view, TypeDescriptor*> scope_by_name;
  std::array<std::unordered_map<const char*, std::vector<SymbolEntry*>>, kSymbolTableCount> by_name;
  // The same entries grouped by the scope they are declared in: a script declares the same names
  // (qlx_msgrcv, timers, parameters) in thousands of scenario scopes, and a lookup or a
  // redeclaration check must not walk all of them.
  std::array<std::unordered_map<ScopedName, std::vector<SymbolEntry*>, ScopedNameHash>, kSymbolTableCount>
      by_scoped_name;
  int unnamed_namespace_count = 0;
};

// Stores the new name and empties everything: the three symbol tables, the scope table, the
// using-directives, the descriptors (the built-in types are made anew with the default sizes).
void initialise_dictionary(Dictionary& dictionary, std::string_view name);

// The bucket of a symbol name: {sum of character codes % 10, length % 10}.
struct BucketIndex {
  int row = 0;
  int column = 0;
};
BucketIndex symbol_bucket(std::string_view name);
// The scope-table bucket: running sum of the character codes, reduced modulo 100 after each one.
int scope_bucket(std::string_view qualified_name);

// Appends a new entry at the tail of its bucket and gives it the next symbol number. No merge,
// no message (see declare_symbol in dictionary_declare.h for that).
SymbolEntry* append_symbol(Dictionary& dictionary, const Declaration& declaration, SymbolTable table,
                           unsigned flags);

// The entries of `name` in `table`, in bucket order (oldest first).
const std::vector<SymbolEntry*>& entries_named(const Dictionary& dictionary, SymbolTable table, const char* name);

// The entries of `name` in `table` declared in exactly `scope` (null: file level), oldest first.
const std::vector<SymbolEntry*>& entries_in_scope(const Dictionary& dictionary, SymbolTable table, const char* name,
                                                  const TypeDescriptor* scope);

// Visits every symbol in generator order: bucket row 0..9, column 0..9, and for each bucket the
// three tables in turn, each bucket list from head to tail.
void visit_symbols(const Dictionary& dictionary, const std::function<void(const SymbolEntry&)>& visit);

// The file-level symbols declared in `file` (compared by text), in generator order; symbols
// inside a namespace or class, without file, without name, and the reserved variable are left out.
std::vector<const SymbolEntry*> file_level_symbols_of(const Dictionary& dictionary, std::string_view file);

// What a symbol declares, as the generators and the script checks see it: 0 for none (null),
// for a function, and for a typedef name (a symbol whose type is a typedef of its own name);
// 2 for an object declared "static"; 1 for any other object (also a symbol without type).
int symbol_declaration_kind(const SymbolEntry* entry);

// Convenience for a Declaration: the scoped flag follows the scope.
Declaration make_declaration(const char* name, TypeDescriptor* type, TypeDescriptor* scope, const char* file);

}  // namespace iface
