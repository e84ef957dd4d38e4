// The syntax-error code chosen by the offending token.
#include <gtest/gtest.h>

#include <string>

#include "script/parse_context.h"
#include "script/script_grammar.hpp"

namespace {

std::string code_of(int token) {
  const diag::Code* code = script::syntax_error_code(token);
  return code == nullptr ? "(none)" : diag::code_name(*code);
}

TEST(SyntaxErrorCode, SharedRowsAndTokenClasses) {
  EXPECT_EQ(code_of(TOK_EOL), "UNEXPTRET");
  EXPECT_EQ(code_of(TOK_RPAREN), "UNEXPRPAR");
  EXPECT_EQ(code_of(TOK_LIST_CLOSE), "UNEXPRPAR");
  EXPECT_EQ(code_of(TOK_COMMA), "UNEXPCOMM");
  EXPECT_EQ(code_of(TOK_LIST_COMMA), "UNEXPCOMM");
  EXPECT_EQ(code_of(TOK_IDENT), "UNEXPIDNT");
  EXPECT_EQ(code_of(TOK_CALLNAME), "UNEXPIDNT");
  EXPECT_EQ(code_of(TOK_HASH_LINE), "UNEXPNIAN");
  EXPECT_EQ(code_of(TOK_AT_LINE), "UNEXPNIAN");
  EXPECT_EQ(code_of(TOK_FILTER), "UNEXPFILT");
  EXPECT_EQ(code_of(TOK_DFILTER), "UNEXPFILT");
  EXPECT_EQ(code_of(TOK_VALUE_EQ), "UNEXPVARV");
  EXPECT_EQ(code_of(TOK_EXPECT_EQ), "UNEXPVARV");
  EXPECT_EQ(code_of(TOK_INIT_EQ), "UNEXPVARI");
  EXPECT_EQ(code_of(TOK_FORMAT_EQ), "UNEXPFRMT");
  EXPECT_EQ(code_of(TOK_UNKNOWN), "LEXSEQUNK");
  EXPECT_EQ(code_of(TOK_ELLIPSIS), "UNEXPALLC");
  EXPECT_EQ(code_of(TOK_SCOPED), "UNEXPIDWH");
}

TEST(SyntaxErrorCode, KeywordsWithIrregularCodes) {
  EXPECT_EQ(code_of(TOK_INSTANCE), "UNEXPIST");
  EXPECT_EQ(code_of(TOK_SEND), "UNEXPSND");
  EXPECT_EQ(code_of(TOK_PAUSE), "UNEXPAUSE");
  EXPECT_EQ(code_of(TOK_MATCHED), "UNEXMATED");
  EXPECT_EQ(code_of(TOK_NOTMATCHING), "UNEXNMTIG");
  EXPECT_EQ(code_of(TOK_ON), "UNEXPCBON");
  EXPECT_EQ(code_of(TOK_DECLARE_INSTANCE), "UNEXPIDCL");
  EXPECT_EQ(code_of(TOK_TIMEOUT), "UNEXPTOUT");
}

TEST(SyntaxErrorCode, VirtualKeywordsHaveTheirOwnRows) {
  EXPECT_EQ(code_of(TOK_VIRTUALCALLBACK), "UNEXPVCBK");
  EXPECT_EQ(code_of(TOK_VIRTUALPROCSEND), "UNEXPVPSD");
  // The end of the file is reported by the parser itself ("UNEXPTEOF"), not through this table.
  EXPECT_EQ(code_of(0), "(none)");
}

// A token without a row would turn a user's mistake into "STXNOMESS ... Ask for maintenance help".
TEST(SyntaxErrorCode, EveryTokenOfTheGrammarHasARow) {
  for (int token = TOK_EOL; token <= TOK_WITH; ++token) EXPECT_NE(code_of(token), "(none)") << "token " << token;
}

}  // namespace
