#include "base/intern.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace base {

namespace {

constexpr std::size_t initial_bucket_count = 19997;
constexpr std::size_t initial_entries = 10000;
constexpr std::size_t entry_growth = 20000;
constexpr std::size_t initial_block_size = 100000;

const char empty_text[] = "";

// A cell of the entry array: the stored text, its length and hash, and the index of the next
// entry of its chain.
struct Entry {
  const char* text;
  std::uint32_t next;
  std::uint32_t length;
  std::uint32_t hash;
};

}  // namespace

struct InternTable::Data {
  std::vector<std::uint32_t> buckets;  // entry index of each chain head, 0 = empty chain
  std::vector<Entry> entries;          // entry 0 is the empty string
  std::size_t used = 1;
  std::vector<std::unique_ptr<char[]>> blocks;  // the text pool; freed with the table
  std::size_t block_size = initial_block_size;
  std::size_t block_free = 0;  // characters left in the newest block
  char* block_next = nullptr;  // where the next text goes

  Data() : buckets(initial_bucket_count, 0), entries(initial_entries, Entry{nullptr, 0, 0, 0}) {
    entries[0] = Entry{empty_text, 0, 0, 0};
  }

  // Twice the buckets (plus one), every entry relinked: chains stay short however many
  // identifiers a run stores.
  void grow_buckets() {
    buckets.assign(buckets.size() * 2 + 1, 0);
    for (std::uint32_t i = 1; i < used; ++i) {
      std::uint32_t& head = buckets[entries[i].hash % buckets.size()];
      entries[i].next = head;
      head = i;
    }
  }

  // A copy of `text` and its terminator in the pool, starting a new block when it does not fit.
  const char* store_text(std::string_view text) {
    std::size_t needed = text.size() + 1;
    if (needed > block_free) {
      if (needed > block_size) block_size += needed;
      blocks.push_back(std::make_unique<char[]>(block_size));
      block_next = blocks.back().get();
      block_free = block_size;
    }
    char* copy = block_next;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    block_next += needed;
    block_free -= needed;
    return copy;
  }
};

namespace {

InternTable* table_in_use = nullptr;

InternTable& process_table() {
  static InternTable instance;
  return instance;
}

// FNV-1a over the bytes: identifiers of a large header (E0 ... E199999) spread over all the
// buckets, and equal hashes are rare enough that a text is compared only on a real match.
std::uint32_t hash_of(std::string_view text) {
  std::uint32_t h = 2166136261u;
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

}  // namespace

InternTable::InternTable() : data_(std::make_unique<Data>()) {}

InternTable::~InternTable() {
  if (table_in_use == this) table_in_use = nullptr;
}

const char* InternTable::intern(std::string_view text) {
  if (text.empty()) return nullptr;
  Data& t = *data_;
  std::uint32_t hash = hash_of(text);
  for (std::uint32_t i = t.buckets[hash % t.buckets.size()]; i != 0; i = t.entries[i].next) {
    const Entry& e = t.entries[i];
    if (e.hash == hash && e.length == text.size() && std::memcmp(e.text, text.data(), text.size()) == 0) return e.text;
  }
  if (t.used == t.entries.size()) t.entries.resize(t.entries.size() + entry_growth, Entry{nullptr, 0, 0, 0});
  if (t.used > 2 * t.buckets.size()) t.grow_buckets();
  std::uint32_t index = static_cast<std::uint32_t>(t.used++);
  const char* copy = t.store_text(text);
  std::uint32_t& head = t.buckets[hash % t.buckets.size()];
  t.entries[index] = Entry{copy, head, static_cast<std::uint32_t>(text.size()), hash};
  head = index;
  return copy;
}

InternTable* use_intern_table(InternTable* table) {
  InternTable* previous = table_in_use;
  table_in_use = table;
  return previous;
}

const char* intern(std::string_view text) {
  return (table_in_use != nullptr ? *table_in_use : process_table()).intern(text);
}

const char* intern_or_empty(const char* stored) { return stored == nullptr ? empty_text : stored; }

int compare_identifiers(const char* a, const char* b) {
  if (a == nullptr) return b == nullptr ? 0 : -1;
  if (b == nullptr) return 1;
  return std::strcmp(a, b);
}

}  // namespace base
