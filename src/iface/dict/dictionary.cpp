#include "iface/dict/dictionary.h"

namespace iface {

void initialise_dictionary(Dictionary& dictionary, std::string_view name) {
  dictionary.name.assign(name);
  dictionary.return_first = false;
  dictionary.tables = {};
  dictionary.scope_buckets = {};
  dictionary.file_level_using.clear();
  dictionary.symbol_count = 0;
  dictionary.entries.clear();
  dictionary.scope_entries.clear();
  dictionary.scope_by_name.clear();
  for (auto& index : dictionary.by_name) index.clear();
  for (auto& index : dictionary.by_scoped_name) index.clear();
  dictionary.unnamed_namespace_count = 0;
  clear_store(dictionary.types);
  dictionary.base = BaseTypes{};
  install_builtin_types(dictionary.base, dictionary.types);
}

BucketIndex symbol_bucket(std::string_view name) {
  unsigned sum = 0;
  for (char c : name) sum += static_cast<unsigned char>(c);
  return BucketIndex{static_cast<int>(sum % kBucketRows), static_cast<int>(name.size() % kBucketColumns)};
}

int scope_bucket(std::string_view qualified_name) {
  unsigned sum = 0;
  for (char c : qualified_name) sum = (sum + static_cast<unsigned char>(c)) % kScopeBucketCount;
  return static_cast<int>(sum);
}

SymbolEntry* append_symbol(Dictionary& dictionary, const Declaration& declaration, SymbolTable table,
                           unsigned flags) {
  SymbolEntry& entry = dictionary.entries.emplace_back();
  entry.declaration = declaration;
  entry.flags = flags;
  entry.table = table;
  entry.number = ++dictionary.symbol_count;
  const char* name = declaration.name != nullptr ? declaration.name : "";
  BucketIndex index = symbol_bucket(name);
  Bucket& bucket = dictionary.tables[static_cast<int>(table)][index.row][index.column];
  if (bucket.tail != nullptr) {
    bucket.tail->next = &entry;
  } else {
    bucket.head = &entry;
  }
  bucket.tail = &entry;
  dictionary.by_name[static_cast<int>(table)][declaration.name].push_back(&entry);
  dictionary.by_scoped_name[static_cast<int>(table)][ScopedName{declaration.name, declaration.scope}].push_back(&entry);
  return &entry;
}

const std::vector<SymbolEntry*>& entries_named(const Dictionary& dictionary, SymbolTable table, const char* name) {
  static const std::vector<SymbolEntry*> none;
  const auto& index = dictionary.by_name[static_cast<int>(table)];
  auto found = index.find(name);
  return found != index.end() ? found->second : none;
}

const std::vector<SymbolEntry*>& entries_in_scope(const Dictionary& dictionary, SymbolTable table, const char* name,
                                                  const TypeDescriptor* scope) {
  static const std::vector<SymbolEntry*> none;
  const auto& index = dictionary.by_scoped_name[static_cast<int>(table)];
  auto found = index.find(ScopedName{name, scope});
  return found != index.end() ? found->second : none;
}

void visit_symbols(const Dictionary& dictionary, const std::function<void(const SymbolEntry&)>& visit) {
  for (int row = 0; row < kBucketRows; ++row) {
    for (int column = 0; column < kBucketColumns; ++column) {
      for (const SymbolBuckets& table : dictionary.tables) {
        for (const SymbolEntry* entry = table[row][column].head; entry != nullptr; entry = entry->next) {
          visit(*entry);
        }
      }
    }
  }
}

std::vector<const SymbolEntry*> file_level_symbols_of(const Dictionary& dictionary, std::string_view file) {
  std::vector<const SymbolEntry*> symbols;
  visit_symbols(dictionary, [&](const SymbolEntry& entry) {
    const Declaration& declaration = entry.declaration;
    if (declaration.scoped || declaration.file == nullptr || declaration.name == nullptr) return;
    if (*declaration.name == '\0' || declaration.name == kReservedVariable) return;
    if (declaration.file != file) return;
    symbols.push_back(&entry);
  });
  return symbols;
}

int symbol_declaration_kind(const SymbolEntry* entry) {
  if (entry == nullptr) return 0;
  const Declaration& declaration = entry->declaration;
  const TypedefData* alias = typedef_data(declaration.type);
  if (alias != nullptr && alias->name == declaration.name) return 0;
  const TypeDescriptor* type = strip_typedefs(declaration.type);
  if (type != nullptr && type->kind == TypeKind::Function) return 0;
  return (entry->flags & kSymbolStatic) != 0 ? 2 : 1;
}

Declaration make_declaration(const char* name, TypeDescriptor* type, TypeDescriptor* scope, const char* file) {
  return Declaration{name, type, scope != nullptr, scope, file};
}

}  // namespace iface
