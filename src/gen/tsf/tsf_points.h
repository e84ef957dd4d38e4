// The trace points of the TSF template, per script file: one walk of the model in declaration
// order (into scenarios, used procedures, callbacks and procsends, blocks and every statement
// list) collects the points of each element in the section of the file it comes from, numbered by
// that section's counter, and puts the trace numbers back into the model for the C++ writer.
//
// A scenario or block reserves its start number and the next one (its end line's) before its
// children are numbered, so that the end is always the start number + 1, as the driver's calls
// assume; the end line then comes after the children's lines.
#pragma once
#include <string>
#include <vector>

#include "gen/model_walk.h"
#include "sema/model/model.h"

namespace gen {

// One line group of a section: a trace point ("ST", "LK", then "TX" or "MS") or an instance
// ("SI 1", then "IN "VirtualTester"").
struct TracePoint {
  enum Kind { Text, Message, Instance } kind = Text;
  int code = 0;        // the trace reader's code: 310, 380, 383, 390, 393, 400, 410, 420, 433
  int line = 0;
  int number = 0;
  std::string text;    // the quoted text's contents; empty: missing
};

// A file's section: its counter starts at 3.
struct TraceSection {
  int counter = 3;
  std::vector<TracePoint> points;
};

// The translated texts the points use.
struct TraceTexts {
  std::string end_waittil;  // "END %1" applied to "WAITTIL"
};

class TsfPoints {
 public:
  // Sections for the files numbered 1 .. `file_count`; elements of any other file write nothing.
  TsfPoints(int file_count, TraceTexts texts) : sections_(static_cast<std::size_t>(file_count)), texts_(std::move(texts)) {}

  void enter(sema::Entry* entry, WalkPlan& plan);
  void leave(sema::Entry* entry);

  const TraceSection& section(int ordinal) const { return sections_[static_cast<std::size_t>(ordinal - 1)]; }

 private:
  // The section of the entry's file, or null.
  TraceSection* section_of(const sema::Entry* entry);
  // A start and end pair (scenario, block): both numbers taken now, the end line at leave.
  void enter_pair(sema::Entry* entry, int code, const std::string& text);
  void enter_send(sema::Entry* entry, std::string text);
  void enter_waittil(sema::Entry* entry);
  void enter_rendezvous(sema::Entry* entry);
  void enter_instance(sema::Entry* entry);

  std::vector<TraceSection> sections_;
  TraceTexts texts_;
};

}  // namespace gen
