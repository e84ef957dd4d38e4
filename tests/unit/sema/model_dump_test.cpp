// The text form of the model (what dump_model prints): scope nesting and headers, entry lines,
// record fields, references, the function list, and a tree too deep for a recursive printer.
#include "sema/model/model_dump.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <memory>
#include <set>
#include <string>

namespace {

using sema::DescriptorKind;
using sema::EntryKind;

class ModelDumpTest : public ::testing::Test {
 protected:
  sema::Entry* add(sema::Scope* scope, EntryKind kind, const char* name, int line) {
    return sema::new_entry(model, scope, kind, name, sema::Position{"s.pts", 1, line});
  }
  sema::Model model;
};

TEST_F(ModelDumpTest, ScopesEntriesRecordsAndFunctions) {
  sema::Scope* g = model.global();
  sema::Entry* comm = add(g, EntryKind::CommType, "tcp", 2);
  auto& c = sema::record_of<sema::CommTypeRecord>(sema::new_descriptor(model, comm, DescriptorKind::CommType));
  c.connection_id_type = "int";
  c.multiplexing = true;
  c.next_channel = 2;
  sema::Entry* channel = add(g, EntryKind::Channel, "ch\"1", 3);
  auto& ch = sema::record_of<sema::ChannelRecord>(sema::new_descriptor(model, channel, DescriptorKind::Channel));
  ch.comm_type = comm;
  ch.number = 1;

  sema::Entry* scenario = add(g, EntryKind::Scenario, "A", 5);
  sema::Descriptor* sd = sema::new_descriptor(model, scenario, DescriptorKind::Scenario);
  auto& s = sema::record_of<sema::ScenarioRecord>(sd);
  s.full_name = "A";
  s.selected = true;
  s.header_line = 5;
  sema::Scope* family = model.make_scope();
  s.family_scope = family;
  sema::new_entry(model, family, EntryKind::FamilyName, "smoke", sema::Position{"s.pts", 1, 5});
  sema::Scope* body = sema::open_scope(model, sd, g);
  sema::Entry* note = sema::new_entry(model, body, EntryKind::Comment, "", sema::Position{"s.pts", 1, 6}, "%A", true);
  note->text = "line\tone\n";
  sema::Entry* empty_block = add(body, EntryKind::Initialization, "", 7);
  sema::open_scope(model, sema::new_descriptor(model, empty_block, DescriptorKind::Initialization), body);
  add(g, EntryKind::Exit, "", 9)->numbers.element = 4;
  sema::add_to_function_list(model, scenario);
  sema::add_to_function_list(model, empty_block);

  EXPECT_EQ(sema::dump_model(model),
            "scope global\n"
            "  entry 50 CommType \"tcp\" F1 L2\n"
            "    record 104 CommType connection_id_type=\"int\" number=0 multiplexing=1 next_channel=2\n"
            "  entry 49 Channel \"ch\\\"1\" F1 L3\n"
            "    record 106 Channel comm_type=CommType:\"tcp\" number=1\n"
            "  entry 0 Scenario \"A\" F1 L5\n"
            "    record 101 Scenario source_file=\"\" selected=1 number=\"\" header_line=5 full_name=\"A\" "
            "family_scope=below\n"
            "    family scope\n"
            "      entry 5 FamilyName \"smoke\" F1 L5\n"
            "    scope\n"
            "      entry 6 Comment - F1 L6 filter=\"%A\" text=\"line\\tone\\n\"\n"
            "      entry 21 Initialization - F1 L7\n"
            "        record 115 Initialization procedure=none line=0 value=-1\n"
            "        scope\n"
            "  entry 20 Exit - F1 L9 numbers=4,-1,-1,-1,-1\n"
            "functions\n"
            "  function 21 Initialization - F1 L7\n"
            "  function 0 Scenario \"A\" F1 L5\n");
}

TEST_F(ModelDumpTest, CallbackRecordAndThePredefinedSocket) {
  sema::Entry* socket = add(model.global(), EntryKind::CommType, "qlx_socket", 0);
  sema::record_of<sema::CommTypeRecord>(sema::new_descriptor(model, socket, DescriptorKind::SocketVariable))
      .connection_id_type = "int";
  sema::Entry* callback = add(model.global(), EntryKind::Callback, "T_ON_qlx_socket", 4);
  auto& r = sema::record_of<sema::CallbackRecord>(sema::new_descriptor(model, callback, DescriptorKind::Callback));
  r.comm_type = socket;
  r.generated = true;
  r.message_variable = "qlx_msg";
  std::string text = sema::dump_model(model);
  EXPECT_NE(text.find("    record 138 SocketVariable connection_id_type=\"int\" number=0 multiplexing=0 "
                      "next_channel=0\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("    record 119 Callback message_type=none comm_type=CommType:\"qlx_socket\" used=0 virtual=0 "
                      "generated=1 message_variable=\"qlx_msg\" connection_table=\"\" count_variable=\"\" "
                      "parameters=none\n"),
            std::string::npos)
      << text;
}

// Kind names are distinct (a name copied to a second kind would make two kinds look alike),
// and numbers that no kind has print as "".
TEST_F(ModelDumpTest, KindNamesAreDistinct) {
  std::set<std::string> entry_names;
  int named = 0;
  for (int k = sema::first_entry_kind; k <= sema::last_entry_kind; ++k) {
    std::string name = sema::entry_kind_name(static_cast<EntryKind>(k));
    if (name.empty()) continue;
    ++named;
    EXPECT_TRUE(entry_names.insert(name).second) << name;
  }
  EXPECT_EQ(named, 67);  // every EntryKind
  std::set<std::string> descriptor_names;
  for (int k = sema::first_descriptor_kind; k <= sema::last_descriptor_kind; ++k) {
    std::string name = sema::descriptor_kind_name(static_cast<DescriptorKind>(k));
    if (name.empty()) continue;
    EXPECT_TRUE(descriptor_names.insert(name).second) << name;
  }
  EXPECT_EQ(descriptor_names.size(), 37u);  // every DescriptorKind
  EXPECT_STREQ(sema::entry_kind_name(static_cast<EntryKind>(7)), "");
  EXPECT_STREQ(sema::descriptor_kind_name(static_cast<DescriptorKind>(130)), "");
}

// A printer that recursed per scope would need far more than the small stack of this thread for
// 2,000 nested scopes; the walk keeps its own stack.
void* print_deep_model(void* argument) {
  auto* text = static_cast<std::string*>(argument);
  sema::Model model;
  sema::Scope* scope = model.global();
  for (int level = 0; level < 2000; ++level) {
    sema::Entry* e = sema::new_entry(model, scope, EntryKind::Scenario, "S", sema::Position{"d.pts", 1, 1});
    scope = sema::open_scope(model, sema::new_descriptor(model, e, DescriptorKind::Scenario), scope);
  }
  sema::new_entry(model, scope, EntryKind::Exit, "", sema::Position{"d.pts", 1, 2});
  sema::new_entry(model, model.global(), EntryKind::Error, "", sema::Position{"d.pts", 1, 3});
  *text = sema::dump_model(model);
  return nullptr;
}

TEST(ModelDumpDepth, DeepTreesPrintIterativelyWithTheirIndentation) {
  std::string text;
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 128 * 1024);
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, &attributes, print_deep_model, &text), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
  std::string deepest(2000 * 4 + 2, ' ');
  deepest += "entry 20 Exit - F1 L2\n";
  std::size_t at = text.find(deepest);
  ASSERT_NE(at, std::string::npos);
  // The global scope's second entry follows everything below the first one.
  EXPECT_EQ(text.substr(at + deepest.size()), "  entry 19 Error - F1 L3\nfunctions\n");
}

}  // namespace
