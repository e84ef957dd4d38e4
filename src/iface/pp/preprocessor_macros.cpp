#include "iface/pp/preprocessor_macros.h"

#include <cstring>

namespace iface::pp {

std::uint32_t symbol_hash(std::string_view name) {
  std::uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

SymbolTable::SymbolTable() { std::memset(heads_, 0, sizeof heads_); }

SymbolTable::~SymbolTable() { clear(); }

Symbol* SymbolTable::find(std::string_view name) const { return find(name, symbol_hash(name)); }

Symbol* SymbolTable::find(std::string_view name, std::uint32_t hash) const {
  for (Symbol* s = heads_[hash % symbol_buckets]; s != nullptr; s = s->next)
    if (s->hash == hash && s->name == name) return s;
  return nullptr;
}

Symbol* SymbolTable::insert(std::unique_ptr<Symbol> symbol) {
  Symbol* s = symbol.release();
  s->hash = symbol_hash(s->name);
  Symbol*& head = heads_[s->hash % symbol_buckets];
  s->prev = nullptr;
  s->next = head;
  if (head != nullptr) head->prev = s;
  head = s;
  ++count_;
  return s;
}

std::unique_ptr<Symbol> SymbolTable::unlink(Symbol* s) {
  Symbol*& head = heads_[s->hash % symbol_buckets];
  if (s->prev != nullptr) s->prev->next = s->next;
  else head = s->next;
  if (s->next != nullptr) s->next->prev = s->prev;
  s->prev = s->next = nullptr;
  --count_;
  return std::unique_ptr<Symbol>(s);
}

void SymbolTable::clear() {
  for (Symbol*& head : heads_) {
    for (Symbol* s = head; s != nullptr;) {
      Symbol* next = s->next;
      delete s;
      s = next;
    }
    head = nullptr;
  }
  count_ = 0;
}

}  // namespace iface::pp
