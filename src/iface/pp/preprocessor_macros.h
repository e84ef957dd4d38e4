// The preprocessor's symbol table: buckets of doubly linked entries (1403 at the start, doubled
// whenever the entries outnumber them twice, so that a lookup stays short however many macros a
// run defines), the special symbols and the user macros with their pre-scanned bodies.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "iface/pp/preprocessor_token.h"

namespace iface::pp {

enum class SymbolKind : std::uint8_t {
  Line = 10,
  Date = 11,
  File = 12,
  BaseFile = 13,
  IncludeLevel = 14,
  Time = 16,
  Constant = 17,
  Macro = 18,
  Defined = 20,
  Feature = 21,  // __has_include ... __has_cpp_attribute: `constant` is the FeatureOperator
};

struct Symbol {
  std::string name;
  SymbolKind kind = SymbolKind::Macro;
  std::uint32_t hash = 0;
  Symbol* prev = nullptr;
  Symbol* next = nullptr;
  // Macro definition.
  int params = -1;               // -1: object-like
  int variadic = 0;              // 0 none, 1 named, 2 anonymous ("__VA_ARGS__")
  std::string param_text;        // "a, b, c", compared on redefinition
  std::string body_text;         // the body, blanks collapsed, compared on redefinition
  std::string storage;           // the body's characters; the body tokens point into it
  std::vector<Token> body;
  bool has_paste = false;        // the body uses ## (no direct replay of the body)
  bool disabled = false;         // being expanded: not expanded again
  long constant = 0;             // value of the constant kind

  bool function_like() const { return params >= 0; }
};

inline constexpr std::size_t initial_symbol_buckets = 1403;

std::uint32_t symbol_hash(std::string_view name);

class SymbolTable {
 public:
  SymbolTable();
  ~SymbolTable();
  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;

  Symbol* find(std::string_view name) const;
  Symbol* find(std::string_view name, std::uint32_t hash) const;
  // Takes ownership; the entry goes to the head of its bucket.
  Symbol* insert(std::unique_ptr<Symbol> symbol);
  // Unlinks the entry and hands it back (callers keep removed bodies alive while their
  // tokens may still be in use).
  std::unique_ptr<Symbol> unlink(Symbol* symbol);
  // Unlinks every entry for which `drop` holds.
  template <class Pred>
  std::vector<std::unique_ptr<Symbol>> unlink_if(Pred drop) {
    std::vector<std::unique_ptr<Symbol>> removed;
    for (std::size_t b = 0; b < heads_.size(); ++b) {
      for (Symbol* s = heads_[b]; s != nullptr;) {
        Symbol* next = s->next;
        if (drop(*s)) removed.push_back(unlink(s));
        s = next;
      }
    }
    return removed;
  }
  void clear();
  std::size_t size() const { return count_; }
  std::size_t bucket_count() const { return heads_.size(); }

 private:
  Symbol*& head_of(std::uint32_t hash) { return heads_[hash % heads_.size()]; }
  // Doubles the buckets and relinks every entry.
  void grow();

  std::vector<Symbol*> heads_;
  std::size_t count_ = 0;
};

}  // namespace iface::pp
