// The TSF writer on models built by hand: the escaping of the "SO" line, one section per file in
// ordinal order with its own numbering from 3, the trace points of each element kind, the end
// line of a scenario or block numbered start + 1 whatever its children hold, and the trace numbers
// put back into the model.
#include <gtest/gtest.h>

#include <string>

#include "writer_fixture.h"

namespace gen::test {
namespace {

class TsfWriterTest : public WriterTest {};

TEST(TsfText, SourceDirectoryIsEscapedTwice) {
  // One backslash becomes four; a "/" two; a quote is escaped at both levels.
  EXPECT_EQ(tsf_source_directory("c:\\tests"), "c:\\\\\\\\tests");
  EXPECT_EQ(tsf_source_directory("/home/me"), "\\\\home\\\\me");
  EXPECT_EQ(tsf_source_directory("/a \"b\""), "\\\\a \\\\\\\"b\\\\\\\"");
  EXPECT_EQ(tsf_source_directory(""), "");
  EXPECT_EQ(tsf_source_directory("d\xc3\xa9j\xc3\xa0"), "d\xc3\xa9j\xc3\xa0");  // other bytes as they are
}

TEST(TsfText, TextsAreQuotedWithDoubledQuotes) {
  EXPECT_EQ(tsf_quoted("ack"), "\"ack\"");
  EXPECT_EQ(tsf_quoted("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(tsf_quoted(""), "?");
}

TEST_F(TsfWriterTest, HeadAndOneSectionPerFileInOrdinalOrder) {
  run = RunIdentifier{"AB", 100};  // date checksum ('A' - 32) + ('B' - 32) = 67
  // The list is newest first; the same file read twice keeps its first record's name.
  add_file(2, "inc \"x\".pts", 4660, 5000);
  add_file(1, "t.pts", 17, 30);
  add_file(2, "again.pts", 4660, 5000);
  generate();
  std::string so = "SO \"" + tsf_source_directory(fs::current_path().string());
  EXPECT_EQ(read(path("t_dyn.tsf")),
            "DB \"Tessvia-Tracer\"\n"
            "ID 1 1\n"
            "IN \"Sut\" 1 \"System under test\"\n"
            "ED\n"
            "DB \"Tessvia-Tracer\"\n"
            "ID 17 197\n" + so + "\\\\t.pts\" 0000 \"txt\"\n"
            "IN \"File\" 1 \"t.pts\"\n"
            "SI 1\n"
            "IN \"VirtualTester\" 2 \"default tester\"\n"
            "ED\n"
            "DB \"Tessvia-Tracer\"\n"
            "ID 4660 5167\n" + so + "\\\\inc \\\\\\\"x\\\\\\\".pts\" 0000 \"txt\"\n"
            "IN \"File\" 1 \"inc \"\"x\"\".pts\"\n"
            "SI 1\n"
            "IN \"VirtualTester\" 2 \"default tester\"\n"
            "ED\n");
}

// The sections stop at the first ordinal that no file has.
TEST_F(TsfWriterTest, SectionsStopAtTheFirstMissingOrdinal) {
  add_file(1, "t.pts");
  add_file(3, "far.pts");
  generate();
  std::string text = read(path("t_dyn.tsf"));
  EXPECT_NE(text.find("\"t.pts\""), std::string::npos);
  EXPECT_EQ(text.find("far.pts"), std::string::npos);
}

// A scenario or block takes its start number and start + 1 before its children are numbered; its
// end line comes after theirs.
TEST_F(TsfWriterTest, EndLinesTakeTheStartNumberPlusOne) {
  add_file(1, "t.pts");
  Entry* root = scenario(nullptr, "", 1);
  Entry* init = add(inside(root), EntryKind::Initialization, "", 2);
  descriptor(init, DescriptorKind::Initialization);
  statement(inside(init), EntryKind::Rendezvous, 3, "", "ready");
  Entry* login = scenario(inside(root), "login", 5);
  Entry* rdv = statement(inside(login), EntryKind::Rendezvous, 6, "", "go");
  Entry* send = statement(inside(login), EntryKind::Send, 7);
  Entry* message = add(nullptr, EntryKind::EventVariable, "req", 1);
  record<sema::SendRecord>(send, DescriptorKind::Send).event_variable = message;
  generate();
  EXPECT_EQ(tsf_points(1),
            "ST 400\nLK 2\nTX 3 \"INITIALIZATION\"\n"
            "ST 310\nLK 3\nTX 5 \"ready\"\n"
            "ST 400\nLK 2\nTX 4 \"INITIALIZATION\"\n"
            "ST 390\nLK 5\nTX 6 \"login\"\n"
            "ST 310\nLK 6\nTX 8 \"go\"\n"
            "ST 383\nLK 7\nMS 9 \"req\"\n"
            "ST 393\nLK 5\nTX 7 \"login\"\n");
  EXPECT_EQ(init->numbers.trace, 3);
  EXPECT_EQ(init->numbers.trace_end, 4);
  EXPECT_EQ(login->numbers.trace, 6);
  EXPECT_EQ(login->numbers.trace_end, 7);
  EXPECT_EQ(rdv->numbers.trace, 8);
  EXPECT_EQ(send->numbers.trace, 9);
  EXPECT_EQ(root->numbers.trace, -1);  // no name: no lines of its own
}

// Each element is written in the section of its own file, numbered there from 3; a scenario's
// children are walked whatever their file.
TEST_F(TsfWriterTest, ElementsGoToTheirOwnFilesSection) {
  add_file(2, "inc.pts");
  add_file(1, "t.pts");
  Entry* outer = scenario(inside(scenario(nullptr, "", 1)), "outer", 2);
  Entry* included = scenario(inside(outer), "included", 1, 2);
  Entry* inner = statement(inside(included), EntryKind::Rendezvous, 2, "", "sync");
  inner->file_number = 2;
  Entry* last = statement(inside(outer), EntryKind::Intersend, 9);
  generate();
  EXPECT_EQ(tsf_points(1),
            "ST 390\nLK 2\nTX 3 \"outer\"\n"
            "ST 383\nLK 9\nMS 5 \"...\"\n"
            "ST 393\nLK 2\nTX 4 \"outer\"\n");
  EXPECT_EQ(tsf_points(2),
            "ST 390\nLK 1\nTX 3 \"included\"\n"
            "ST 310\nLK 2\nTX 5 \"sync\"\n"
            "ST 393\nLK 1\nTX 4 \"included\"\n");
  EXPECT_EQ(inner->numbers.trace, 5);
  EXPECT_EQ(last->numbers.trace, 5);
}

// A WAITTIL: its begin, its reception (the number kept), its end; written once although it is
// registered again at the head of the global scope.
TEST_F(TsfWriterTest, WaittilTakesThreeNumbersAndKeepsTheMiddleOne) {
  add_file(1, "t.pts");
  Scope* body = inside(scenario(nullptr, "", 1));
  Entry* waittil = statement(body, EntryKind::Waittil, 4);
  descriptor(waittil, DescriptorKind::Waittil);
  Entry* registration =
      sema::new_entry_at(model, sema::Insertion::Head, model.global(), EntryKind::WaittilRegistration, "",
                         sema::Position{"t.pts", 1, 4});
  record<sema::WaittilRecord>(registration, DescriptorKind::Waittil).waittil = waittil;
  statement(body, EntryKind::Interrecv, 5);
  generate();
  EXPECT_EQ(tsf_points(1),
            "ST 433\nLK 4\nTX 3 \"WAITTIL\"\n"
            "ST 380\nLK 4\nMS 4 \"...\"\n"
            "ST 433\nLK 4\nTX 5 \"END WAITTIL\"\n"
            "ST 383\nLK 5\nMS 6 \"...\"\n");
  EXPECT_EQ(waittil->numbers.trace, 4);
}

// Declared instances are virtual testers of their file's section, numbered by the same counter.
TEST_F(TsfWriterTest, InstancesAreNumberedWithTheTracePoints) {
  add_file(1, "t.pts");
  add(nullptr, EntryKind::DeclaredInstance, "panel", 2);
  add(nullptr, EntryKind::DeclaredInstance, "console", 2);
  statement(inside(scenario(nullptr, "", 3)), EntryKind::Rendezvous, 4, "", "meet");
  generate();
  EXPECT_EQ(tsf_points(1),
            "SI 1\nIN \"VirtualTester\" 3 \"panel\"\n"
            "SI 1\nIN \"VirtualTester\" 4 \"console\"\n"
            "ST 310\nLK 4\nTX 5 \"meet\"\n");
}

// Statement lists of IF, WHILE, CASE and WHEN, used procedures and callbacks are walked; an unused
// procedure is not.
TEST_F(TsfWriterTest, TracePointsInsideEveryStatementList) {
  add_file(1, "t.pts");
  Entry* unused = procedure("spare", 2, false);
  statement(inside(unused), EntryKind::Rendezvous, 3, "", "never");
  Entry* used = procedure("step", 4, true);
  statement(inside(used), EntryKind::Rendezvous, 5, "", "in_proc");
  Scope* body = inside(scenario(nullptr, "", 7));
  Entry* if_entry = statement(body, EntryKind::If, 8, "a");
  descriptor(if_entry, DescriptorKind::If);
  statement(inside(if_entry), EntryKind::Rendezvous, 9, "", "in_if");
  Entry* choice = statement(body, EntryKind::Case, 10, "a");
  descriptor(choice, DescriptorKind::Case);
  Entry* branch = statement(inside(choice), EntryKind::WhenBranch, 11);
  descriptor(branch, DescriptorKind::WhenBranch);
  statement(inside(branch), EntryKind::Rendezvous, 12, "", "in_when");
  generate();
  EXPECT_EQ(tsf_points(1),
            "ST 310\nLK 5\nTX 3 \"in_proc\"\n"
            "ST 310\nLK 9\nTX 4 \"in_if\"\n"
            "ST 310\nLK 12\nTX 5 \"in_when\"\n");
}

}  // namespace
}  // namespace gen::test
