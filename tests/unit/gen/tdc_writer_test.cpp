// The TDC writer on models built by hand: the head and its instance list, the records of every
// element kind in walk order, the statement lists it walks into, the numbers it puts back into the
// model, the probe header, and the limits that end the run.
#include <gtest/gtest.h>

#include <string>

#include "writer_fixture.h"

namespace gen::test {
namespace {

class TdcWriterTest : public WriterTest {};

TEST_F(TdcWriterTest, HeadHoldsTheRunTheScriptAndItsFiles) {
  parameters.script = "t.pts";
  parameters.command_line = "qmkprepro t.pts \"h\".h out";
  parameters.trace_level = 50;
  add_file(2, "inc.pts");
  add_file(1, "t.pts");
  generate();
  std::string cwd = fs::current_path().string();
  EXPECT_EQ(read(path("t.tdc")),
            "QUELT Tessvia \"v2.6a\", \"QMK_C++\", \"TDC file\", \"Thu Jan  1 00:00:00 1970 0\"\n"
            "G0 \"qmkprepro t.pts \"\"h\"\".h out\"\n"
            "H1 \"Thu Jan  1 00:00:00 1970\"\n"
            "F2 \"t.pts\"\n"
            "F3 \"50\"\n"
            "IL4 \"\"\n"
            "FB5 \"\"\n"
            "CF6 \"inc.pts\", \"\", \"" + cwd + "\", \"102\", \"202\"\n"
            "CF7 \"t.pts\", \"\", \"" + cwd + "\", \"101\", \"201\"\n");
  // Without PROBE mode there is no header at all.
  EXPECT_FALSE(fs::exists(path("t.h")));
}

TEST_F(TdcWriterTest, InstanceListFollowsTheInstanceMode) {
  add(nullptr, EntryKind::DeclaredInstance, "panel", 2);
  add(nullptr, EntryKind::DeclaredInstance, "console", 2);
  parameters.instance_mode = 2;
  generate();
  EXPECT_NE(read(path("t.tdc")).find("\nIL4 \"panel\", \"console\"\n"), std::string::npos);
  parameters.instance_mode = 3;
  generate();
  EXPECT_NE(read(path("t.tdc")).find("\nIL4 \"panel\", \"console\"\n"), std::string::npos);
  parameters.instance_mode = 1;
  parameters.instance_name = "console";
  generate();
  EXPECT_NE(read(path("t.tdc")).find("\nIL4 \"console\"\n"), std::string::npos);
}

TEST_F(TdcWriterTest, ImpossibleInstanceParametersAreInternalErrors) {
  parameters.instance_mode = 2;
  parameters.instance_name = "panel";  // a name together with instances chosen at run time
  EXPECT_EXIT(generate(), ::testing::ExitedWithCode(9), "BADPARAMS");
  parameters.instance_mode = 4;
  parameters.instance_name.reset();
  EXPECT_EXIT(generate(), ::testing::ExitedWithCode(9), "BADPARAMS");
  // Nothing of the run is left behind.
  EXPECT_TRUE(fs::is_empty(directory));
}

// Scenarios, blocks, used procedures: start and end records around their contents; the numbers
// go back into the model.
TEST_F(TdcWriterTest, ScenariosBlocksAndProceduresNestTheirRecords) {
  Entry* unused = procedure("spare", 3, false);
  Entry* used = procedure("setup", 5, true);
  statement(inside(used), EntryKind::Comment, 6, "in setup");
  Entry* root = scenario(nullptr, "", 9);
  Entry* init = add(inside(root), EntryKind::Initialization, "", 10);
  record<sema::BlockRecord>(init, DescriptorKind::Initialization).procedure = used;
  Entry* login = scenario(inside(root), "login", 12);
  auto& login_record = record<sema::ScenarioRecord>(login, DescriptorKind::Scenario);
  login_record.has_number = true;
  login_record.number = 3;
  login_record.family_scope = sema::open_scope(model, nullptr, inside(root));
  add(login_record.family_scope, EntryKind::FamilyName, "smoke", 12);
  add(login_record.family_scope, EntryKind::FamilyName, "nightly", 12);
  Entry* exception = add(inside(login), EntryKind::Exception, "", 13);
  descriptor(exception, DescriptorKind::Exception);
  statement(inside(exception), EntryKind::Error, 14);
  Entry* leaf = scenario(inside(login), "first", 16);
  statement(inside(leaf), EntryKind::Exit, 17);
  Entry* skipped = scenario(inside(root), "skipped", 20, 1, false);
  statement(inside(skipped), EntryKind::Error, 21);
  generate();
  EXPECT_EQ(tdc_elements(),
            "P6 \"setup\", \"1\", \"5\"\n"
            "C7 \"in setup\", \"1\", \"6\"\n"
            "P8 ?, \"1\", \"5\"\n"
            "S9 ?, ?, ?, ?, \"1\", \"9\"\n"
            "Z10 \"0\", \"6\", \"1\", \"10\"\n"
            "Z11 ?, ?, \"1\", \"10\"\n"
            "S12 \"login\", ?, \"smoke, nightly\", \"3\", \"1\", \"12\"\n"
            "Z13 \"2\", ?, \"1\", \"13\"\n"
            "O14 \"ERROR\", \"1\", \"14\"\n"
            "Z15 ?, ?, \"1\", \"13\"\n"
            "S16 \"first\", ?, ?, ?, \"1\", \"16\"\n"
            "Q17 \"1\", \"17\"\n"
            "S18 \"first\", ?, ?, ?, \"1\", \"16\"\n"
            "S19 \"login\", ?, ?, ?, \"1\", \"12\"\n"
            "S20 ?, ?, ?, ?, \"1\", \"9\"\n");
  EXPECT_EQ(used->numbers.element, 6);
  EXPECT_EQ(used->numbers.after, 8);
  EXPECT_EQ(unused->numbers.element, -1);
  EXPECT_EQ(login->numbers.element, 12);
  EXPECT_EQ(login->numbers.element_end, 19);
  EXPECT_EQ(exception->numbers.element, 13);
  EXPECT_EQ(exception->numbers.element_end, 15);
  EXPECT_EQ(skipped->numbers.element, -1);
}

// The walk goes into the statements of IF, WHILE, CASE and WHEN: what they hold gets its records
// and numbers like any other statement.
TEST_F(TdcWriterTest, EveryStatementListIsWalked) {
  Scope* body = inside(scenario(inside(scenario(nullptr, "", 1)), "s", 2));
  Entry* if_entry = statement(body, EntryKind::If, 3, "a > 0");
  descriptor(if_entry, DescriptorKind::If);
  Entry* in_if = statement(inside(if_entry), EntryKind::Rendezvous, 4, "", "meet");
  descriptor(in_if, DescriptorKind::Rendezvous);
  Scope* else_scope = model.make_scope();  // the ELSE statements: a scope of the IF's own
  else_scope->parent = body;
  else_scope->owner = if_entry->descriptor;
  record<sema::ConditionRecord>(if_entry, DescriptorKind::If).else_scope = else_scope;
  statement(else_scope, EntryKind::Rendezvous, 5, "", "otherwise");
  Entry* loop = statement(body, EntryKind::While, 6, "a");
  descriptor(loop, DescriptorKind::While);
  statement(inside(loop), EntryKind::Comment, 7, "looping");
  Entry* choice = statement(body, EntryKind::Case, 9, "a");
  descriptor(choice, DescriptorKind::Case);
  Entry* branch = statement(inside(choice), EntryKind::WhenBranch, 10);
  descriptor(branch, DescriptorKind::WhenBranch);
  statement(inside(branch), EntryKind::WhenLabel, 10, "1");
  statement(inside(branch), EntryKind::SetFilter, 11, "AB");
  statement(body, EntryKind::GuardedStatementsBegin, 13);
  statement(body, EntryKind::UnsetFilter, 14, "B");
  statement(body, EntryKind::GuardedStatementsEnd, 13);
  for (EntryKind kind : {EntryKind::FlushTrace, EntryKind::TraceOn, EntryKind::TraceOff, EntryKind::MessageDate,
                         EntryKind::NoMessage, EntryKind::AddId, EntryKind::Intersend, EntryKind::Interrecv}) {
    statement(body, kind, 20);
  }
  generate();
  EXPECT_EQ(tdc_elements(),
            "S6 ?, ?, ?, ?, \"1\", \"1\"\n"
            "S7 \"s\", ?, ?, ?, \"1\", \"2\"\n"
            "N8 \"meet\", \"1\", \"4\"\n"
            "N9 \"otherwise\", \"1\", \"5\"\n"
            "C10 \"looping\", \"1\", \"7\"\n"
            "J11 \"AB\", \"1\", \"11\"\n"
            "U12 \"B\", \"1\", \"14\"\n"
            "FT13 \"1\", \"20\"\n"
            "TN14 \"1\", \"20\"\n"
            "TF15 \"1\", \"20\"\n"
            "O16 \"MSGDATE\", \"1\", \"20\"\n"
            "O17 \"NOMSG\", \"1\", \"20\"\n"
            "O18 \"ADD_ID\", \"1\", \"20\"\n"
            "ID19 ?, \"1\", \"20\"\n"
            "IC20 ?, \"1\", \"20\"\n"
            "S21 \"s\", ?, ?, ?, \"1\", \"2\"\n"
            "S22 ?, ?, ?, ?, \"1\", \"1\"\n");
  EXPECT_EQ(in_if->numbers.element, 8);
}

// A WAITTIL also registered at the head of the global scope is written once, where it stands.
TEST_F(TdcWriterTest, WaittilRegistrationsAreNotWalkedASecondTime) {
  Scope* body = inside(scenario(nullptr, "", 1));
  Entry* waittil = statement(body, EntryKind::Waittil, 2);
  auto& w = record<sema::WaittilRecord>(waittil, DescriptorKind::Waittil);
  w.conditions[0] = "MATCHING(ack)";
  w.conditions[1] = "WTIME > \"5\"";
  Entry* registration =
      sema::new_entry_at(model, sema::Insertion::Head, model.global(), EntryKind::WaittilRegistration, "",
                         sema::Position{"t.pts", 1, 2});
  record<sema::WaittilRecord>(registration, DescriptorKind::Waittil).waittil = waittil;
  generate();
  EXPECT_EQ(tdc_elements(),
            "S6 ?, ?, ?, ?, \"1\", \"1\"\n"
            "W7 \"MATCHING(ack)\", \"WTIME > \"\"5\"\"\", \"1\", \"2\"\n"
            "W8 ?, ?, \"1\", \"2\"\n"
            "S9 ?, ?, ?, ?, \"1\", \"1\"\n");
  EXPECT_EQ(waittil->numbers.element, 7);
  EXPECT_EQ(waittil->numbers.element_end, 8);
  EXPECT_EQ(registration->numbers.element, -1);
}

// The messages a WAITTIL awaits: one "Y" record each; the channels it receives on are the used
// state channels (every channel of the type when the message names none); in PROBE mode the
// WAITTIL is named under each message type and channel, once.
TEST_F(TdcWriterTest, AwaitedMessagesAndStateChannels) {
  Entry* link = add(nullptr, EntryKind::CommType, "link", 1);
  descriptor(link, DescriptorKind::CommType);
  Entry* other = add(nullptr, EntryKind::CommType, "other", 1);
  descriptor(other, DescriptorKind::CommType);
  Entry* unused = add(nullptr, EntryKind::Channel, "unused", 2);
  record<sema::ChannelRecord>(unused, DescriptorKind::Channel).comm_type = other;
  Entry* cmd = add(nullptr, EntryKind::Channel, "cmd", 2);
  record<sema::ChannelRecord>(cmd, DescriptorKind::Channel).comm_type = link;
  Entry* status = add(nullptr, EntryKind::Channel, "status", 2);
  record<sema::ChannelRecord>(status, DescriptorKind::Channel).comm_type = link;
  Entry* type = add(nullptr, EntryKind::MessageType, "frame_t", 3);
  descriptor(type, DescriptorKind::MessageType);
  Entry* ack = add(nullptr, EntryKind::EventVariable, "ack", 3);
  record<sema::EventVariableRecord>(ack, DescriptorKind::EventVariable).message_type = type;
  Scope* body = inside(scenario(nullptr, "", 5));
  Entry* waittil = statement(body, EntryKind::Waittil, 6);
  auto& w = record<sema::WaittilRecord>(waittil, DescriptorKind::Waittil);
  w.conditions[0] = "MATCHING(ack, status) || NOTMATCHED(ack)";
  w.awaited.push_back(sema::AwaitedMessage{"MATCHING", ack, status, link, nullptr});
  w.awaited.push_back(sema::AwaitedMessage{"NOTMATCHED", ack, nullptr, link, nullptr});
  parameters.probe_mode = 1;
  generate();
  EXPECT_EQ(tdc_elements(),
            "CN6 \"cmd\"\n"
            "CN7 \"status\"\n"
            "S8 ?, ?, ?, ?, \"1\", \"5\"\n"
            "W9 \"MATCHING(ack, status) || NOTMATCHED(ack)\", ?, \"1\", \"6\"\n"
            "Y10 \"MATCHING(ack, status)\", \"1\", \"6\"\n"
            "Y11 \"NOTMATCHED(ack)\", \"1\", \"6\"\n"
            "W12 ?, ?, \"1\", \"6\"\n"
            "S13 ?, ?, ?, ?, \"1\", \"5\"\n");
  EXPECT_EQ(cmd->numbers.element, 6);
  EXPECT_EQ(unused->numbers.element, -1);
  std::string header = read(path("t.h"));
  EXPECT_NE(header.find("#define QLX_TDC_CH_cmd 6\n#define QLX_TDC_CH_status 7\n"), std::string::npos) << header;
  EXPECT_NE(header.find("#define QLX_TDC_RECV_frame_t_ack_status 9\n#define QLX_TDC_RECV_frame_t_ack_cmd 9\n#define QLX_TDC_Escn"),
            std::string::npos)
      << header;
  EXPECT_NE(header.find("#define QLX_TDC_LAST_SEND 0\n#define QLX_TDC_LAST_ID 9\n"), std::string::npos) << header;
}

// A WAITTIL in a scenario that the selection leaves out makes no channel a used one.
TEST_F(TdcWriterTest, OnlyGeneratedWaittilsUseChannels) {
  Entry* cmd = add(nullptr, EntryKind::Channel, "cmd", 2);
  descriptor(cmd, DescriptorKind::Channel);
  Scope* body = inside(scenario(inside(scenario(nullptr, "", 5)), "off", 6, 1, false));
  Entry* waittil = statement(body, EntryKind::Waittil, 7);
  record<sema::WaittilRecord>(waittil, DescriptorKind::Waittil).awaited.push_back(
      sema::AwaitedMessage{"MATCHING", nullptr, cmd, nullptr, nullptr});
  generate();
  EXPECT_EQ(tdc_elements(), "S6 ?, ?, ?, ?, \"1\", \"5\"\nS7 ?, ?, ?, ?, \"1\", \"5\"\n");
}

// A CALL: its record, then the check of a stored result (the end number minus 1), then its end.
TEST_F(TdcWriterTest, CallsWriteTheirResultCheckBeforeTheirEnd) {
  Scope* body = inside(scenario(nullptr, "", 1));
  Entry* stored = statement(body, EntryKind::Call, 2);
  auto& s = record<sema::CallRecord>(stored, DescriptorKind::Call);
  s.function = "read_level";
  s.return_variable = "level";
  s.expected_value = "3";
  Entry* checked = statement(body, EntryKind::Call, 3);
  auto& c = record<sema::CallRecord>(checked, DescriptorKind::Call);
  c.function = "reset";
  c.return_variable = "qlx_return_0";
  c.return_variable_generated = true;
  c.expected_value = "0";
  Entry* plain = statement(body, EntryKind::Call, 4);
  record<sema::CallRecord>(plain, DescriptorKind::Call).function = "tick";
  // The return check of the first call, after its argument (in the call's scope, as recorded).
  Entry* argument = add(inside(stored), EntryKind::Value, "", 2);
  record<sema::ValueRecord>(argument, DescriptorKind::ReturnCheck).text = "port";
  Entry* result = add(inside(stored), EntryKind::Value, "", 2);
  auto& result_record = record<sema::ValueRecord>(result, DescriptorKind::ReturnCheck);
  result_record.text = "3";
  result_record.return_check = true;
  generate();
  EXPECT_EQ(tdc_elements(),
            "S6 ?, ?, ?, ?, \"1\", \"1\"\n"
            "A7 \"read_level\", \"level\", \"1\", \"2\"\n"
            "R8 ?, \"3\", \"0\", \"level\"\n"
            "A9 ?, ?, \"1\", \"2\"\n"
            "A10 \"reset\", ?, \"1\", \"3\"\n"
            "R11 ?, \"0\", \"0\", ?\n"
            "A12 ?, ?, \"1\", \"3\"\n"
            "A13 \"tick\", ?, \"1\", \"4\"\n"
            "A14 ?, ?, \"1\", \"4\"\n"
            "S15 ?, ?, ?, ?, \"1\", \"1\"\n");
  EXPECT_EQ(stored->numbers.element, 7);
  EXPECT_EQ(stored->numbers.element_end, 9);
  EXPECT_EQ(result->numbers.element, 8);
  EXPECT_EQ(argument->numbers.element, -1);
  EXPECT_EQ(plain->numbers.element_end, 14);
}

// Arguments checked after the call ('@' parts): a check record each, in argument order, with "1"
// when a maximum is given; the result check last.
TEST_F(TdcWriterTest, CheckedArgumentsWriteTheirOwnRecords) {
  Scope* body = inside(scenario(nullptr, "", 1));
  Entry* call = statement(body, EntryKind::Call, 2);
  auto& c = record<sema::CallRecord>(call, DescriptorKind::Call);
  c.function = "measure";
  c.return_variable = "qlx_return_0";
  c.return_variable_generated = true;
  auto argument = [&](std::string text, std::string first, std::string second) {
    Entry* e = add(inside(call), EntryKind::Value, "", 2);
    auto& v = record<sema::ValueRecord>(e, DescriptorKind::ReturnCheck);
    v.text = std::move(text);
    v.at_parts[0] = std::move(first);
    v.at_parts[1] = std::move(second);
    return e;
  };
  Entry* ranged = argument("level", "1", "5");
  argument("port", "", "");
  Entry* exact = argument("mode", "2", "");
  generate();
  EXPECT_EQ(tdc_elements(),
            "S6 ?, ?, ?, ?, \"1\", \"1\"\n"
            "A7 \"measure\", ?, \"1\", \"2\"\n"
            "R8 ?, \"1\", \"1\", \"level\"\n"
            "R9 ?, \"2\", \"0\", \"mode\"\n"
            "R10 ?, ?, \"0\", ?\n"
            "A11 ?, ?, \"1\", \"2\"\n"
            "S12 ?, ?, ?, ?, \"1\", \"1\"\n");
  EXPECT_EQ(ranged->numbers.element, 8);
  EXPECT_EQ(exact->numbers.element, 9);
}

// A VAR statement: the variable, one record per check entry of its tree, the end record.
TEST_F(TdcWriterTest, VarWritesItsCheckTree) {
  Scope* body = inside(scenario(nullptr, "", 1));
  Entry* var = statement(body, EntryKind::Var, 2, "where");
  descriptor(var, DescriptorKind::ExpectedCheck);
  Entry* x = add(inside(var), EntryKind::StructField, "x", 2);
  record<sema::CheckRecord>(x, DescriptorKind::ExpectedCheck) = sema::CheckRecord{7, "x", 2, 0, 0, 6, "1", "", ""};
  Entry* points = add(inside(var), EntryKind::ArrayBegin, "points", 2);
  record<sema::CheckRecord>(points, DescriptorKind::ExpectedCheck).text = "points";
  Entry* element = add(inside(points), EntryKind::ArrayElement, "", 2);
  record<sema::CheckRecord>(element, DescriptorKind::ExpectedCheck) = sema::CheckRecord{7, "", 2, 1, 3, 6, "", "0", "9"};
  Entry* single = add(inside(points), EntryKind::ArrayElement, "", 2);
  record<sema::CheckRecord>(single, DescriptorKind::ExpectedCheck) = sema::CheckRecord{7, "", 2, 0, 0, 6, "5", "", ""};
  generate();
  EXPECT_EQ(tdc_elements(),
            "S6 ?, ?, ?, ?, \"1\", \"1\"\n"
            "K7 \"where\", \"1\", \"2\"\n"
            "K8 \"x\", \"1\", \"1\", \"2\"\n"
            "K9 \"points\", ?, \"1\", \"2\"\n"
            "K10 \"(1..3)\", \"0..9\", \"1\", \"2\"\n"
            "K11 \"(0)\", \"5\", \"1\", \"2\"\n"
            "K12 ?, \"1\", \"2\"\n"
            "S13 ?, ?, ?, ?, \"1\", \"1\"\n");
  EXPECT_EQ(var->numbers.element, 7);
  EXPECT_EQ(var->numbers.element_end, 12);
  EXPECT_EQ(element->numbers.element, 10);
}

// A message with values: its record, the checks of its reference value, its end, then one record
// per definition with that definition's checks. A message without values writes nothing.
TEST_F(TdcWriterTest, MessagesWithValuesAndTheirDefinitions) {
  add(nullptr, EntryKind::EventVariable, "idle", 3);
  descriptor(model.global()->last, DescriptorKind::EventVariable);
  Entry* ack = add(nullptr, EntryKind::EventVariable, "ack", 4);
  auto& message = record<sema::EventVariableRecord>(ack, DescriptorKind::EventVariable);
  Entry* reference = statement(inside(ack), EntryKind::Var, 8, "ack");
  descriptor(reference, DescriptorKind::ExpectedCheck);
  Entry* code = add(inside(reference), EntryKind::StructField, "code", 8);
  record<sema::CheckRecord>(code, DescriptorKind::ExpectedCheck).text = "code";
  message.reference_checks = reference;
  Entry* definition = statement(inside(ack), EntryKind::MessageDefinition, 9, "ack");
  descriptor(definition, DescriptorKind::MessageDefinition);
  Entry* value = statement(inside(definition), EntryKind::Var, 9, "qlx_msgrcv");
  descriptor(value, DescriptorKind::ReceiveCheck);
  Entry* field = add(inside(value), EntryKind::StructField, "code", 9);
  record<sema::CheckRecord>(field, DescriptorKind::ReceiveCheck) = sema::CheckRecord{7, "code", 2, 0, 0, 6, "1", "", ""};
  message.definitions.push_back(definition);
  parameters.probe_mode = 1;
  generate();
  EXPECT_EQ(tdc_elements(),
            "T6 \"ack\", \"1\", \"4\"\n"
            "K7 \"code\", ?, \"1\", \"8\"\n"
            "T8 ?, \"1\", \"4\"\n"
            "V9 \"ack\", \"1\", \"9\"\n"
            "K10 \"code\", \"1\", \"1\", \"9\"\n");
  EXPECT_EQ(ack->numbers.element, 6);
  EXPECT_EQ(ack->numbers.element_end, 8);
  EXPECT_EQ(definition->numbers.element, 9);
  std::string header = read(path("t.h"));
  EXPECT_NE(header.find("#define QLX_TDC_EVT_ack 6\n#define QLX_TDC_EEVT_ack 8\n#define QLX_TDC_DEFM_ack 9\n"),
            std::string::npos)
      << header;
}

// PROBE mode: the header opens with its fixed lines and the run identifier, names the numbers of
// the scenarios, SENDs and rendezvous, and ends with the largest SEND and receive numbers.
TEST_F(TdcWriterTest, ProbeHeaderNamesTheNumbers) {
  Entry* channel = add(nullptr, EntryKind::Channel, "cmd", 2);
  Entry* type = add(nullptr, EntryKind::MessageType, "frame_t", 3);
  descriptor(type, DescriptorKind::MessageType);
  Entry* message = add(nullptr, EntryKind::EventVariable, "req", 3);
  record<sema::EventVariableRecord>(message, DescriptorKind::EventVariable).message_type = type;
  Scope* root = inside(scenario(nullptr, "", 5));
  Scope* body = inside(scenario(root, "leaf", 6));
  Entry* send = statement(body, EntryKind::Send, 7);
  auto& s = record<sema::SendRecord>(send, DescriptorKind::Send);
  s.channel = channel;
  s.event_variable = message;
  statement(body, EntryKind::Waittil, 8);
  descriptor(body->last, DescriptorKind::Waittil);
  statement(body, EntryKind::Rendezvous, 9, "", "sync");
  parameters.probe_mode = 2;
  generate();
  EXPECT_EQ(tdc_elements(),
            "S6 ?, ?, ?, ?, \"1\", \"5\"\n"
            "S7 \"leaf\", ?, ?, ?, \"1\", \"6\"\n"
            "SD8 \"cmd\", \"req\", \"1\", \"7\"\n"
            "SD9 ?, ?, \"1\", \"7\"\n"
            "W10 ?, ?, \"1\", \"8\"\n"
            "W11 ?, ?, \"1\", \"8\"\n"
            "N12 \"sync\", \"1\", \"9\"\n"
            "S13 \"leaf\", ?, ?, ?, \"1\", \"6\"\n"
            "S14 ?, ?, ?, ?, \"1\", \"5\"\n");
  EXPECT_EQ(read(path("t.h")),
            "#ifndef QLX_PROBE_H\n"
            "#define QLX_PROBE_H\n"
            "\n"
            "#define QLX_TDC_END_SEND 1\n"
            "#define QLX_TDC_END_RECV 2\n"
            "\n"
            "#define QLX_TDC_gen \"Thu Jan  1 00:00:00 1970 0\"\n"
            "#define QLX_TDC_Spts 6\n"
            "#define QLX_TDC_Sscn 7\n"
            "#define QLX_TDC_SEND_frame_t_req_cmd 8\n"
            "#define QLX_TDC_RDV_sync 12\n"
            "#define QLX_TDC_Escn 13\n"
            "#define QLX_TDC_Epts 14\n"
            "#define QLX_TDC_LAST_SEND 8\n"
            "#define QLX_TDC_LAST_ID 10\n"
            "\n"
            "#endif\n");
  EXPECT_EQ(send->numbers.element, 8);
  EXPECT_EQ(send->numbers.element_end, 9);
}

// A name is defined once: a second SEND of one message on one channel takes its number as a
// suffix, and a later name that the suffix made taken (a channel named like it) takes its own.
TEST_F(TdcWriterTest, ProbeHeaderNamesAreDefinedOnce) {
  Entry* cmd = add(nullptr, EntryKind::Channel, "cmd", 2);
  Entry* lookalike = add(nullptr, EntryKind::Channel, "cmd_9", 2);
  Entry* type = add(nullptr, EntryKind::MessageType, "frame_t", 3);
  descriptor(type, DescriptorKind::MessageType);
  Entry* message = add(nullptr, EntryKind::EventVariable, "req", 3);
  record<sema::EventVariableRecord>(message, DescriptorKind::EventVariable).message_type = type;
  Scope* body = inside(scenario(nullptr, "", 5));
  for (Entry* channel : {cmd, cmd, lookalike}) {
    auto& s = record<sema::SendRecord>(statement(body, EntryKind::Send, 6), DescriptorKind::Send);
    s.channel = channel;
    s.event_variable = message;
  }
  parameters.probe_mode = 1;
  generate();
  std::string header = read(path("t.h"));
  EXPECT_NE(header.find("#define QLX_TDC_SEND_frame_t_req_cmd 7\n"
                        "#define QLX_TDC_SEND_frame_t_req_cmd_9 9\n"
                        "#define QLX_TDC_SEND_frame_t_req_cmd_9_11 11\n"),
            std::string::npos)
      << header;
}

TEST_F(TdcWriterTest, PrintAndCommentTextsAreQuoted) {
  Scope* body = inside(scenario(nullptr, "", 1));
  Entry* print = statement(body, EntryKind::Print, 2, "\"time \"\"ms\"\"\"");
  record<sema::PrintRecord>(print, DescriptorKind::Print).expression = "TIME(t)";
  statement(body, EntryKind::Comment, 3, "say \"hi\", bye");
  generate();
  EXPECT_EQ(tdc_elements(),
            "S6 ?, ?, ?, ?, \"1\", \"1\"\n"
            "M7 \"time \"\"\"\"ms\"\"\"\"\", \"TIME(t)\", \"1\", \"2\"\n"
            "C8 \"say \"\"hi\"\", bye\", \"1\", \"3\"\n"
            "S9 ?, ?, ?, ?, \"1\", \"1\"\n");
}

// A family list is at most 3998 characters: one more is the internal "SIZBUFOVL", and the run
// leaves no file behind.
TEST_F(TdcWriterTest, FamilyListOver3998CharactersIsAnInternalError) {
  Entry* s = scenario(nullptr, "s", 1);
  auto& r = record<sema::ScenarioRecord>(s, DescriptorKind::Scenario);
  r.family_scope = sema::open_scope(model, nullptr, model.global());
  add(r.family_scope, EntryKind::FamilyName, std::string(1999, 'a'), 1);
  add(r.family_scope, EntryKind::FamilyName, std::string(1997, 'b'), 1);  // 1999 + 2 + 1997 = 3998
  generate();
  EXPECT_NE(read(path("t.tdc")).find(std::string(1997, 'b') + "\", ?"), std::string::npos);
  r.family_scope->last->name += 'b';
  EXPECT_EXIT(generate(), ::testing::ExitedWithCode(9), "SIZBUFOVL");
}

// Statements nested far deeper than a call stack would allow are walked all the same.
TEST_F(TdcWriterTest, DeepNestingIsWalkedWithoutRecursion) {
  Scope* scope = inside(scenario(nullptr, "", 1));
  constexpr int depth = 200000;
  for (int i = 0; i < depth; ++i) {
    Entry* loop = statement(scope, EntryKind::While, i + 2, "x");
    descriptor(loop, DescriptorKind::While);
    scope = inside(loop);
  }
  Entry* innermost = statement(scope, EntryKind::Exit, depth + 2);
  generate();
  EXPECT_EQ(innermost->numbers.element, 7);
}

}  // namespace
}  // namespace gen::test
