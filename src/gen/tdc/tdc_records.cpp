#include "gen/tdc/tdc_records.h"

#include <string>

namespace gen {

using sema::EntryKind;

namespace {

// The one-record statements: their key and the fields after it.
constexpr SimpleRecord simple_records[] = {
    {EntryKind::Comment, "C", SimpleShape::Text, nullptr},
    {EntryKind::SetFilter, "J", SimpleShape::Text, nullptr},
    {EntryKind::UnsetFilter, "U", SimpleShape::Text, nullptr},
    {EntryKind::Error, "O", SimpleShape::Word, "ERROR"},
    {EntryKind::MessageDate, "O", SimpleShape::Word, "MSGDATE"},
    {EntryKind::NoMessage, "O", SimpleShape::Word, "NOMSG"},
    {EntryKind::AddId, "O", SimpleShape::Word, "ADD_ID"},
    {EntryKind::Exit, "Q", SimpleShape::Location, nullptr},
    {EntryKind::FlushTrace, "FT", SimpleShape::Location, nullptr},
    {EntryKind::TraceOn, "TN", SimpleShape::Location, nullptr},
    {EntryKind::TraceOff, "TF", SimpleShape::Location, nullptr},
    {EntryKind::Intersend, "ID", SimpleShape::Missing, nullptr},
    {EntryKind::Interrecv, "IC", SimpleShape::Missing, nullptr},
    {EntryKind::Rendezvous, "N", SimpleShape::Name, nullptr},
};

}  // namespace

std::string tdc_quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

void TdcRecord::separate() {
  if (!fields_.empty()) fields_ += ", ";
}

TdcRecord& TdcRecord::text(std::string_view value) {
  separate();
  fields_ += tdc_quoted(value);
  return *this;
}

TdcRecord& TdcRecord::text_or_missing(std::string_view value) {
  return value.empty() ? missing() : text(value);
}

TdcRecord& TdcRecord::missing() {
  separate();
  fields_ += '?';
  return *this;
}

TdcRecord& TdcRecord::number(long value) { return text(std::to_string(value)); }

TdcRecord& TdcRecord::location(const sema::Entry* entry) {
  number(entry->file_number);
  return number(entry->line);
}

std::string TdcRecord::line(int number) const {
  std::string line = key_;
  line += std::to_string(number);
  line += ' ';
  line += fields_;
  return line;
}

int TdcRecords::write(const TdcRecord& record) {
  int number = counter_++;
  gen_line(out_, record.line(number));
  return number;
}

void TdcRecords::write_line(std::string_view text) { gen_line(out_, text); }

const SimpleRecord* simple_record_of(EntryKind kind) {
  for (const SimpleRecord& row : simple_records) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

TdcRecord simple_record(const SimpleRecord& row, const sema::Entry* entry) {
  TdcRecord record(row.key);
  switch (row.shape) {
    case SimpleShape::Location: break;
    case SimpleShape::Text: record.text(entry->text); break;
    case SimpleShape::Word: record.text(row.word); break;
    case SimpleShape::Missing: record.missing(); break;
    case SimpleShape::Name: record.text(entry->name); break;
  }
  record.location(entry);
  return record;
}

}  // namespace gen
