#include "base/intern.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Each test interns into a fresh table of its own.
class InternTable : public ::testing::Test {
 protected:
  void SetUp() override { previous = base::use_intern_table(&table); }
  void TearDown() override { base::use_intern_table(previous); }

  base::InternTable table;
  base::InternTable* previous = nullptr;
};

TEST_F(InternTable, OneCopyPerText) {
  std::string first = "qlx_runtime";
  std::string second = "qlx_runtime";
  const char* a = base::intern(first);
  const char* b = base::intern(second);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, first.c_str());
  EXPECT_STREQ(a, "qlx_runtime");
  EXPECT_NE(base::intern("qlx_runtim"), a);
  EXPECT_NE(base::intern("qlx_runtime2"), a);
  // A view into a longer text interns only the viewed characters.
  std::string_view part = std::string_view("abcdef").substr(0, 3);
  EXPECT_EQ(base::intern(part), base::intern("abc"));
  EXPECT_STREQ(base::intern(part), "abc");
}

TEST_F(InternTable, EmptyTextIsNull) {
  EXPECT_EQ(base::intern(""), nullptr);
  EXPECT_EQ(base::intern(std::string_view()), nullptr);
  const char* empty = base::intern_or_empty(nullptr);
  ASSERT_NE(empty, nullptr);
  EXPECT_STREQ(empty, "");
  EXPECT_EQ(base::intern_or_empty(nullptr), empty);
  const char* x = base::intern("x");
  EXPECT_EQ(base::intern_or_empty(x), x);
}

TEST_F(InternTable, NonAsciiCharactersHash) {
  const char* a = base::intern("\xe9t\xe9");
  const char* b = base::intern("\xff\xfe\x80");
  EXPECT_EQ(a, base::intern("\xe9t\xe9"));
  EXPECT_EQ(b, base::intern("\xff\xfe\x80"));
  EXPECT_NE(a, b);
}

TEST_F(InternTable, PointersStayValidAcrossGrowth) {
  // Early texts, then more than 100000 others: the entry array grows past 10000 cells several
  // times and the pool spans many 100000-character blocks.
  std::vector<std::string> early_texts;
  std::vector<const char*> early;
  for (int i = 0; i < 50; ++i) {
    early_texts.push_back("early_" + std::to_string(i));
    early.push_back(base::intern(early_texts.back()));
  }
  std::vector<const char*> later;
  later.reserve(120000);
  for (int i = 0; i < 120000; ++i) later.push_back(base::intern("identifier_number_" + std::to_string(i)));
  for (std::size_t i = 0; i < early.size(); ++i) {
    EXPECT_STREQ(early[i], early_texts[i].c_str());
    EXPECT_EQ(base::intern(early_texts[i]), early[i]);
  }
  for (int i = 0; i < 120000; i += 997) {
    std::string text = "identifier_number_" + std::to_string(i);
    EXPECT_STREQ(later[i], text.c_str());
    EXPECT_EQ(base::intern(text), later[i]);
  }
}

TEST_F(InternTable, TextLongerThanAPoolBlock) {
  std::string huge(250000, 'h');
  const char* first = base::intern("before");
  const char* stored = base::intern(huge);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(std::strlen(stored), huge.size());
  EXPECT_EQ(base::intern(huge), stored);
  // Later texts still go somewhere valid.
  const char* after = base::intern("after");
  EXPECT_STREQ(after, "after");
  EXPECT_STREQ(first, "before");
  std::string other(250000, 'o');
  EXPECT_NE(base::intern(other), stored);
  EXPECT_EQ(std::strlen(base::intern(other)), other.size());
}

TEST_F(InternTable, TablesKeepTheirOwnCopies) {
  const char* mine = base::intern("shared_name");
  EXPECT_EQ(table.intern("shared_name"), mine);
  {
    base::InternTable other;
    EXPECT_EQ(base::use_intern_table(&other), &table);
    const char* theirs = base::intern("shared_name");
    EXPECT_NE(theirs, mine);
    EXPECT_STREQ(theirs, "shared_name");
    EXPECT_EQ(base::intern("only_there"), other.intern("only_there"));
    // Destroying the table in use puts the process's table back in use, not a dangling one.
  }
  const char* after = base::intern("shared_name");
  EXPECT_STREQ(after, "shared_name");
  EXPECT_NE(after, mine);
  EXPECT_EQ(base::use_intern_table(&table), nullptr);
  EXPECT_EQ(base::intern("shared_name"), mine);
}

TEST(CompareIdentifiers, CharacterOrderAndNull) {
  EXPECT_EQ(base::compare_identifiers("abc", "abc"), 0);
  EXPECT_LT(base::compare_identifiers("abc", "abd"), 0);
  EXPECT_GT(base::compare_identifiers("abd", "abc"), 0);
  EXPECT_LT(base::compare_identifiers("ab", "abc"), 0);
  EXPECT_LT(base::compare_identifiers(nullptr, "a"), 0);
  EXPECT_LT(base::compare_identifiers(nullptr, ""), 0);
  EXPECT_GT(base::compare_identifiers("a", nullptr), 0);
  EXPECT_EQ(base::compare_identifiers(nullptr, nullptr), 0);
}

}  // namespace
