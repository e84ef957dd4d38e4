#include "base/intern.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace base {

namespace {

constexpr std::size_t bucket_count = 19997;
constexpr std::size_t initial_entries = 10000;
constexpr std::size_t entry_growth = 20000;
constexpr std::size_t initial_block_size = 100000;

// The first 256 primes, 2 .. 1619: the mixing table of the identifier hash.
constexpr std::uint32_t primes[256] = {
    2,    3,    5,    7,    11,   13,   17,   19,   23,   29,   31,   37,   41,   43,   47,   53,   59,   61,   67,
    71,   73,   79,   83,   89,   97,   101,  103,  107,  109,  113,  127,  131,  137,  139,  149,  151,  157,  163,
    167,  173,  179,  181,  191,  193,  197,  199,  211,  223,  227,  229,  233,  239,  241,  251,  257,  263,  269,
    271,  277,  281,  283,  293,  307,  311,  313,  317,  331,  337,  347,  349,  353,  359,  367,  373,  379,  383,
    389,  397,  401,  409,  419,  421,  431,  433,  439,  443,  449,  457,  461,  463,  467,  479,  487,  491,  499,
    503,  509,  521,  523,  541,  547,  557,  563,  569,  571,  577,  587,  593,  599,  601,  607,  613,  617,  619,
    631,  641,  643,  647,  653,  659,  661,  673,  677,  683,  691,  701,  709,  719,  727,  733,  739,  743,  751,
    757,  761,  769,  773,  787,  797,  809,  811,  821,  823,  827,  829,  839,  853,  857,  859,  863,  877,  881,
    883,  887,  907,  911,  919,  929,  937,  941,  947,  953,  967,  971,  977,  983,  991,  997,  1009, 1013, 1019,
    1021, 1031, 1033, 1039, 1049, 1051, 1061, 1063, 1069, 1087, 1091, 1093, 1097, 1103, 1109, 1117, 1123, 1129, 1151,
    1153, 1163, 1171, 1181, 1187, 1193, 1201, 1213, 1217, 1223, 1229, 1231, 1237, 1249, 1259, 1277, 1279, 1283, 1289,
    1291, 1297, 1301, 1303, 1307, 1319, 1321, 1327, 1361, 1367, 1373, 1381, 1399, 1409, 1423, 1427, 1429, 1433, 1439,
    1447, 1451, 1453, 1459, 1471, 1481, 1483, 1487, 1489, 1493, 1499, 1511, 1523, 1531, 1543, 1549, 1553, 1559, 1567,
    1571, 1579, 1583, 1597, 1601, 1607, 1609, 1613, 1619};

const char empty_text[] = "";

// A cell of the entry array: the stored text and the index of the next entry of its chain.
struct Entry {
  const char* text;
  std::uint32_t next;
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

  Data() : buckets(bucket_count, 0), entries(initial_entries, Entry{nullptr, 0}) { entries[0] = Entry{empty_text, 0}; }

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

// h = 128; per character (as a signed byte) h += P[h mod 256] + c; then h += P[h mod 256].
// Unsigned arithmetic keeps "h mod 256" an index whatever the characters are.
std::size_t bucket_of(std::string_view text) {
  std::uint32_t h = 128;
  for (char c : text) h += primes[h % 256] + static_cast<std::uint32_t>(static_cast<signed char>(c));
  h += primes[h % 256];
  return h % bucket_count;
}

bool stored_equals(const char* stored, std::string_view text) {
  return std::strncmp(stored, text.data(), text.size()) == 0 && stored[text.size()] == '\0';
}

}  // namespace

InternTable::InternTable() : data_(std::make_unique<Data>()) {}

InternTable::~InternTable() {
  if (table_in_use == this) table_in_use = nullptr;
}

const char* InternTable::intern(std::string_view text) {
  if (text.empty()) return nullptr;
  Data& t = *data_;
  std::size_t bucket = bucket_of(text);
  for (std::uint32_t i = t.buckets[bucket]; i != 0; i = t.entries[i].next) {
    if (stored_equals(t.entries[i].text, text)) return t.entries[i].text;
  }
  if (t.used == t.entries.size()) t.entries.resize(t.entries.size() + entry_growth, Entry{nullptr, 0});
  std::uint32_t index = static_cast<std::uint32_t>(t.used++);
  const char* copy = t.store_text(text);
  t.entries[index] = Entry{copy, t.buckets[bucket]};
  t.buckets[bucket] = index;
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
