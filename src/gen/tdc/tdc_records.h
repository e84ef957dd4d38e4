// TDC records: one line per record, its key directly followed by its number, one blank, then the
// fields separated by ", ". A text field is quoted with every inner double quote doubled, a
// missing text is a bare ?, a number is written as quoted text, and most records end with the
// element's location: the ordinal of its script file (0 when none) and its line.
//
// Numbers come from one counter per file, from 0, one per record written; the number of an
// element is the number of its first record.
#pragma once
#include <string>
#include <string_view>

#include "gen/output.h"
#include "sema/model/model.h"

namespace gen {

// `"text"` with every double quote doubled.
std::string tdc_quoted(std::string_view text);

class TdcRecord {
 public:
  explicit TdcRecord(std::string_view key) : key_(key) {}
  TdcRecord& text(std::string_view value);
  // The text, or ? when it is empty.
  TdcRecord& text_or_missing(std::string_view value);
  TdcRecord& missing();
  TdcRecord& number(long value);
  // The file ordinal and the line of `entry`.
  TdcRecord& location(const sema::Entry* entry);

  // The whole line with the record number.
  std::string line(int number) const;

 private:
  void separate();
  std::string key_;
  std::string fields_;
};

// The TDC file being written and its record counter.
class TdcRecords {
 public:
  explicit TdcRecords(GenOutput& out) : out_(out) {}
  // Writes the record with the next number and returns that number.
  int write(const TdcRecord& record);
  // A line that is not a record (the file's first line).
  void write_line(std::string_view text);
  int next_number() const { return counter_; }

 private:
  GenOutput& out_;
  int counter_ = 0;
};

// The statements that write one record of a fixed shape and nothing else, from the element table.
enum class SimpleShape {
  Location,          // location only
  Text,              // the entry's text, location
  Word,              // a fixed word, location
  Missing,           // ?, location
  Name,              // the entry's name, location
};

struct SimpleRecord {
  sema::EntryKind kind;
  const char* key;
  SimpleShape shape;
  const char* word;  // Word only
};

// The row of `kind`, or null when the element is not a simple one.
const SimpleRecord* simple_record_of(sema::EntryKind kind);

// The record of a simple element.
TdcRecord simple_record(const SimpleRecord& row, const sema::Entry* entry);

}  // namespace gen
