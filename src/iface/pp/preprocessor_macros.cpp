#include "iface/pp/preprocessor_macros.h"

#include <cstring>

namespace iface::pp {

std::uint32_t symbol_hash(std::string_view name) {
  std::uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

SymbolTable::SymbolTable() : heads_(initial_symbol_buckets, nullptr) {}

SymbolTable::~SymbolTable() { clear(); }

Symbol* SymbolTable::find(std::string_view name) const { return find(name, symbol_hash(name)); }

Symbol* SymbolTable::find(std::string_view name, std::uint32_t hash) const {
  for (Symbol* s = heads_[hash % heads_.size()]; s != nullptr; s = s->next)
    if (s->hash == hash && s->name == name) return s;
  return nullptr;
}

Symbol* SymbolTable::insert(std::unique_ptr<Symbol> symbol) {
  Symbol* s = symbol.release();
  s->hash = symbol_hash(s->name);
  if (count_ + 1 > 2 * heads_.size()) grow();
  Symbol*& head = head_of(s->hash);
  s->prev = nullptr;
  s->next = head;
  if (head != nullptr) head->prev = s;
  head = s;
  ++count_;
  return s;
}

std::unique_ptr<Symbol> SymbolTable::unlink(Symbol* s) {
  Symbol*& head = head_of(s->hash);
  if (s->prev != nullptr) s->prev->next = s->next;
  else head = s->next;
  if (s->next != nullptr) s->next->prev = s->prev;
  s->prev = s->next = nullptr;
  --count_;
  return std::unique_ptr<Symbol>(s);
}

void SymbolTable::grow() {
  std::vector<Symbol*> old(heads_.size() * 2 + 1, nullptr);
  old.swap(heads_);
  for (Symbol* chain : old) {
    for (Symbol* s = chain; s != nullptr;) {
      Symbol* next = s->next;
      Symbol*& head = head_of(s->hash);
      s->prev = nullptr;
      s->next = head;
      if (head != nullptr) head->prev = s;
      head = s;
      s = next;
    }
  }
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
