// The string-identifier table: one stored copy per distinct text, compared by pointer.
//
// A table owns the texts it stored: they stay valid while the table lives and go with it; no
// table is ever emptied in place (a fresh set of names is a fresh table). intern() stores in the
// table in use: the one put in use with use_intern_table() (the interface analysis puts its own
// in use), else the process's table, which lives until the process ends.
#pragma once
#include <memory>
#include <string_view>

namespace base {

class InternTable {
 public:
  InternTable();
  // A table in use is taken out of use first: the process's table is used again.
  ~InternTable();
  InternTable(const InternTable&) = delete;
  InternTable& operator=(const InternTable&) = delete;

  // The stored copy of `text` (stable while the table lives), or null for an empty text.
  const char* intern(std::string_view text);

 private:
  struct Data;
  std::unique_ptr<Data> data_;
};

// Puts `table` in use for intern() (null: the process's table); gives the table that was in use
// (null for the process's table).
InternTable* use_intern_table(InternTable* table);

// The stored copy of `text` in the table in use, or null for an empty text.
const char* intern(std::string_view text);
// `stored`, or an empty string when `stored` is null.
const char* intern_or_empty(const char* stored);
// Character-wise comparison; a null `a` compares as smaller. <0, 0, >0 like strcmp.
int compare_identifiers(const char* a, const char* b);

}  // namespace base
