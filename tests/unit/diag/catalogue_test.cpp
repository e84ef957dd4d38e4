// The message catalogue after registration: texts in force, the rows each table hands to the
// translators (contexts, counts, translator comments), the register-once flags and the overwrite rule.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "diag/catalogue.h"
#include "recording_translator.h"

namespace {

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { diag::reset_catalogue(); }
  void TearDown() override { diag::reset_catalogue(); }
};

std::string text_of(const char* code) {
  const std::string* text = diag::catalogue_find(code);
  return text == nullptr ? std::string("<none>") : *text;
}

TEST_F(CatalogueTest, TextsInForceAfterAllFourTables) {
  diag::register_all_messages();
  const std::pair<const char*, const char*> expected[] = {
      {"NOMESSDEF", "Undefined message for code number %1"},
      {"ENDERRWAR", "End of execution with %1 error(s) and %2 warning(s)"},
      {"ENDERRNWR", "End of execution with %1 error(s)"},
      {"ENDNOEWAR", "End of execution with %1%2 warning(s)"},
      {"ENDNOENWR", "End of execution with 0 error and 0 warning%1%2"},
      {"FICERROPN", "File %1 opening problem"},
      {"ERRINTERN", "%1Internal error in %2"},
      {"EXPERRONE", "%1Bad expression: %2"},
      // The analyser table registers last.
      {"CHAMPINCO", "%1Unknown field %2"},
      {"LISTEINVA", "%1Invalid value list %2"},
      // The support library replaces the script compiler's rows.
      {"CONSTINIT", "%1Not a constant expression: %2"},
      {"ERTAILTAB", "%1Bad array size %2"},
      {"FORMREDEF", "%1Several FORMAT instructions for variable %2"},
      {"NOMVARINC", "%1Bad variable name %2"},
      {"TYPEINCON", "%1Unknown type %2"},
      {"ERRINTFCT", "%1Internal error in function %2"},
      {"ERRPARENT", "%1Unbalanced parentheses %2"},
  };
  for (const auto& [code, text] : expected) EXPECT_EQ(text_of(code), text) << code;
}

TEST_F(CatalogueTest, TextsOfTheOwningComponents) {
  diag::register_all_messages();
  const std::pair<const char*, const char*> expected[] = {
      {"UNEXPTEOF", "%1Unexpected end of file"},
      {"UNEXPTRET", "%1Unexpected end of line"},
      {"UNEXPWHIL", "%1Unexpected keyword WHILE"},
      {"UNEXPALLC", "%1Unexpected '...'"},
      {"UNEXPIDWH", "%1Unexpected scoped identifier"},
      {"UNEXPCATC", "%1Unexpected keyword CATCH"},
      {"UNEXPLOOP", "%1Unexpected keyword LOOP"},
      {"UNEXPTOUT", "%1Unexpected keyword TIMEOUT"},
      {"UNDECISTN", "%1Instance '%2' not declared"},
      {"STXNODNIL", "%1Null syntax node. Ask for maintenance help."},
      {"INCLOVFLW", "%1Too many included files in current test script"},
      {"NOSCENGEN", "No scenario generated (see options -SCN, -EXSCN, -FAMILY, -EXFAMILY)"},
      {"CANNOTOPN", "%1Cannot open file %2"},
      {"UKNEVTSTC", "%1The event structure associated to \"%2\" is unknown"},
      {"VARNOGOOD", "%1Incorrect expression (%2)"},
      {"INCOMPTYP", "%1Incompatible types (%2)"},
      {"BADPARAMS", "Incorrect parameters"},
      {"FICNOTOPN", "File %1 access problem"},
      {"COMMUSAGE", "%1"},
      {"COMMFATAL", "Invalid command line"},
      {"STARTEXEC", "%1%2"},
      {"COPYRIGHT", "%1"},
      {"SIZBUFOVL", "Out of bound on output buffer. Contact your administrative."},
      {"INITPBRLM", "Initialization problem on command line"},
      {"BADFLTVAL", "Incorrect -SET option : filters must be upper case letters"},
      {"BADBSZVAL", "Incorrect -BUFSIZE option : buffer size must be a number"},
      {"EROPFICMD", "Incorrect option in option file: %1"},
      {"ALLOCMEMO", "%1Program shutdown: out of memory %2"},
      {"ERRERRNO", "%1Acces error to file: %2"},
      {"UNEXP_EOF", "%1Unexpected end of file or incomplete line: %2"},
      {"MATCHLINE", "%1Matches line %2"},
      {"LIGNERRON", "%1Error in line: %2"},
      {"IMPOUVFIC", "%1Cannot open the file %2"},
      {"NBRECURSI", "%1There are too many macro or include recursions %2"},
      {"PRAGMAINC", "%1UnknownUnit Testing pragma: %2"},
      {"IDENREDEF", "%1Warning: %2 redefined"},
      {"NOHEXDIGI", "%1No hexadecimal digit after \\x"},
      {"OVERFLOW", "%1Overflow"},
      {"DIVBYZERO", "%1Division by zero"},
      {"WARNERR", "%1%2"},
  };
  for (const auto& [code, text] : expected) EXPECT_EQ(text_of(code), text) << code;
  EXPECT_NE(diag::catalogue_find("INVLCATCH"), nullptr);
  EXPECT_NE(diag::catalogue_find("NOTSTATIC"), nullptr);
  // The script reader's allocation failure has no row: its line carries the prefix only.
  EXPECT_EQ(diag::catalogue_find("ALLOCFAILD"), nullptr);
}

TEST_F(CatalogueTest, LaterTableReplacesEarlierText) {
  diag::register_script_compiler_messages();
  EXPECT_EQ(text_of("NOMESSDEF"), "Message code %1 not defined");
  EXPECT_EQ(text_of("LISTEINVA"), "<none>");
  diag::register_library_messages();
  EXPECT_EQ(text_of("NOMESSDEF"), "Undefined message for code number %1");
  EXPECT_EQ(text_of("LISTEINVA"), "%1Invalid list %2");
  diag::register_analyser_messages();
  EXPECT_EQ(text_of("LISTEINVA"), "%1Invalid value list %2");

  // The order of registration decides, not the table.
  diag::reset_catalogue();
  diag::register_analyser_messages();
  diag::register_library_messages();
  EXPECT_EQ(text_of("LISTEINVA"), "%1Invalid list %2");
}

TEST_F(CatalogueTest, EachTableRegistersOnceUntilReset) {
  diag::register_script_compiler_messages();
  diag::catalogue_insert("NOMESSDEF", "changed");
  diag::register_script_compiler_messages();
  EXPECT_EQ(text_of("NOMESSDEF"), "changed");
  diag::register_all_messages();  // the other three still register
  EXPECT_EQ(text_of("NOMESSDEF"), "Undefined message for code number %1");
  diag::register_all_messages();
  diag::catalogue_insert("EROPFICMD", "kept");
  diag::register_base_messages();
  EXPECT_EQ(text_of("EROPFICMD"), "kept");

  diag::reset_catalogue();
  EXPECT_EQ(diag::catalogue_find("NOMESSDEF"), nullptr);
  EXPECT_EQ(diag::catalogue_find("UNEXPTEOF"), nullptr);
  diag::register_script_compiler_messages();
  EXPECT_EQ(text_of("NOMESSDEF"), "Message code %1 not defined");
}

TEST_F(CatalogueTest, InsertReplacesAndLookupIsExact) {
  diag::catalogue_insert("ABCDEFGHI", "one");
  diag::catalogue_insert("ABCDEFGHI", "two");
  EXPECT_EQ(text_of("ABCDEFGHI"), "two");
  EXPECT_EQ(diag::catalogue_find("ABCDEFGH"), nullptr);
  EXPECT_EQ(diag::catalogue_find("abcdefghi"), nullptr);
  EXPECT_EQ(diag::catalogue_find("ABCDEFGHI "), nullptr);
}

using diag_test::Lookup;
using diag_test::RecordingTranslator;

std::vector<Lookup> record_registration() {
  static int argc = 1;
  static char name[] = "unit_diag";
  static char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  RecordingTranslator recorder;
  QCoreApplication::installTranslator(&recorder);
  diag::reset_catalogue();
  diag::register_all_messages();
  QCoreApplication::removeTranslator(&recorder);
  return recorder.lookups;
}

std::string code_from_comment(const std::string& comment) {
  const std::string lead = "Error code is \"";
  if (comment.rfind(lead, 0) != 0 || comment.size() < lead.size() + 2 || comment.back() != '"') return {};
  return comment.substr(lead.size(), comment.size() - lead.size() - 1);
}

TEST_F(CatalogueTest, RowsReachTheTranslatorsGroupedByContextInOrder) {
  std::vector<Lookup> lookups = record_registration();
  // Script compiler, support library, base, C/C++ analyser; each context one run of rows.
  const std::vector<std::pair<std::string, std::size_t>> expected = {
      {"Generic", 1},
      {"Syntax analysis", 98},  // 91 + UNEXPALLC, UNEXPIDWH, UNEXPCATC, UNEXPLOOP, UNEXPTOUT, UNEXPVCBK, UNEXPVPSD
      {"Semantic analysis", 95},  // 91 + INVLCATCH, NOTSTATIC, DRVRESNAM, RESNOTTIM
      {"RIO/TDC analysis", 19},
      {"Fatal error", 4},
      {"File error", 4},
      {"Report error", 10},
      {"Information", 10},
      {"TDC edition", 1},
      {"Command line error", 3},
      {"Postpro error", 12},
      {"Internal Errors (bibli)", 15},
      {"Fatal Errors (bibli)", 23},
      {"Warnings (bibli)", 84},
      {"Errors (bibli)", 101},
      {"Informations (bibli)", 10},
      {"Error-modbas", 7},
      {"Internal Error (ana_c_cpp)", 5},
      {"Fatal Error (ana_c_cpp)", 2},
      {"Error (ana_c_cpp)", 6},
      {"Warning (ana_c_cpp)", 99},  // 98 + WARNERR
      {"Information (ana_c_cpp)", 2},
  };
  std::vector<std::pair<std::string, std::size_t>> runs;
  for (const Lookup& lookup : lookups) {
    if (runs.empty() || runs.back().first != lookup.context) runs.emplace_back(lookup.context, 0);
    ++runs.back().second;
  }
  EXPECT_EQ(runs, expected);
  // Per table: 257 script-compiler rows, 233 library rows, 7 base rows, 114 analyser rows.
  ASSERT_EQ(lookups.size(), 257u + 233u + 7u + 114u);
}

TEST_F(CatalogueTest, TranslatorCommentsFollowEachTablesRule) {
  std::vector<Lookup> lookups = record_registration();
  ASSERT_EQ(lookups.size(), 611u);
  const std::size_t base_begin = 257 + 233, base_end = base_begin + 7;
  std::map<std::string, int> rows_per_code;
  for (std::size_t i = 0; i < lookups.size(); ++i) {
    const Lookup& lookup = lookups[i];
    if (i >= base_begin && i < base_end) {
      ASSERT_EQ(lookup.context, "Error-modbas");
      if (lookup.source == "End of execution with 0 error and 0 warning%1%2") {
        EXPECT_EQ(lookup.comment, "%1 and %2 are empty strings: they must still appear in the translation");
      } else {
        EXPECT_FALSE(lookup.has_comment) << lookup.source;
      }
      continue;
    }
    std::string code = code_from_comment(lookup.comment);
    ASSERT_FALSE(code.empty()) << lookup.context << ": " << lookup.comment;
    ++rows_per_code[code];
    // Every code that a row names has a text in the catalogue.
    EXPECT_NE(diag::catalogue_find(code), nullptr) << code;
  }
  // Codes registered by two of the error-code tables; no table lists a code twice.
  const std::map<std::string, int> twice = {
      {"NOMESSDEF", 2}, {"CONSTINIT", 2}, {"ERTAILTAB", 2}, {"FORMREDEF", 2}, {"NOMVARINC", 2},
      {"TYPEINCON", 2}, {"ERRINTFCT", 2}, {"ERRPARENT", 2}, {"ERRINTERN", 2}, {"EXPERRONE", 2},
      {"CHAMPINCO", 2}, {"LISTEINVA", 2}};
  std::map<std::string, int> repeated;
  for (const auto& [code, count] : rows_per_code)
    if (count > 1) repeated.emplace(code, count);
  EXPECT_EQ(repeated, twice);
}

// Contexts whose messages are reported with a location: their texts begin with %1.
bool positioned_context(const std::string& context) {
  return context == "Syntax analysis" || context == "Semantic analysis" || context.find("(bibli)") != std::string::npos ||
         context.find("(ana_c_cpp)") != std::string::npos;
}

TEST_F(CatalogueTest, TextsUseOnlyTheirTwoPlaceholders) {
  std::vector<Lookup> lookups = record_registration();
  for (const Lookup& lookup : lookups) {
    const std::string& text = lookup.source;
    EXPECT_FALSE(text.empty()) << lookup.comment;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
      ASSERT_LT(at + 1, text.size()) << lookup.comment << ": " << text;
      EXPECT_TRUE(text[at + 1] == '1' || text[at + 1] == '2') << lookup.comment << ": " << text;
    }
    bool unpositioned = text == "No scenario generated (see options -SCN, -EXSCN, -FAMILY, -EXFAMILY)" ||
                        text == "Undefined message for code number %1";
    if (positioned_context(lookup.context) && !unpositioned) {
      EXPECT_EQ(text.rfind("%1", 0), 0u) << lookup.comment << ": " << text;
      EXPECT_EQ(text.find("%1", 1), std::string::npos) << lookup.comment << ": " << text;
    }
  }
}

}  // namespace
