// Token streams of the script reader: the rules, their order and longest match, the start
// conditions, the scanner flags, line counting and continuation.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "script/keywords.h"
#include "script/reader.h"
#include "script/script_grammar.hpp"

namespace {

struct Token {
  int code;
  std::string text;
  int line;
  bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Token& t) {
  return out << "{" << t.code << ", \"" << t.text << "\", " << t.line << "}";
}

class ReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() /
                 ("qmk_reader_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::string write(const std::string& name, const std::string& bytes) {
    std::string path = (directory_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // Every token of `text` up to the end (the end token excluded).
  std::vector<Token> tokens(const std::string& text) {
    script::ScriptReader reader({}, directory_.string());
    reader.open_script(write("t.pts", text));
    std::vector<Token> out;
    for (int code; (code = reader.next_token()) != 0;) {
      out.push_back({code, reader.token_text(), reader.token_position().line});
      if (out.size() > 1000) break;
    }
    return out;
  }

  std::vector<int> codes(const std::string& text) {
    std::vector<int> out;
    for (const Token& t : tokens(text)) out.push_back(t.code);
    return out;
  }

  std::filesystem::path directory_;
};

TEST_F(ReaderTest, KeywordsAreUpperCaseWholeWords) {
  auto t = tokens("call Call CALL_1 CALLX END\n");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0], (Token{TOK_IDENT, "call", 1}));
  EXPECT_EQ(t[1], (Token{TOK_IDENT, "Call", 1}));
  EXPECT_EQ(t[2], (Token{TOK_IDENT, "CALL_1", 1}));
  EXPECT_EQ(t[3], (Token{TOK_IDENT, "CALLX", 1}));
  EXPECT_EQ(t[4], (Token{TOK_END, "END", 1}));
  EXPECT_EQ(t[5].code, TOK_EOL);
}

TEST_F(ReaderTest, CallReadsTheNameUpToTheParenthesis) {
  auto t = tokens("CALL  my END proc (x)\nCALL p\n");
  ASSERT_GE(t.size(), 9u);
  EXPECT_EQ(t[0].code, TOK_CALL);
  EXPECT_EQ(t[1], (Token{TOK_CALLNAME, "  my END proc ", 1}));
  EXPECT_EQ(t[2].code, TOK_LPAREN);
  EXPECT_EQ(t[3], (Token{TOK_EXPR, "x", 1}));
  EXPECT_EQ(t[4].code, TOK_RPAREN);
  EXPECT_EQ(t[5].code, TOK_EOL);
  EXPECT_EQ(t[7], (Token{TOK_CALLNAME, " p", 2}));
  EXPECT_EQ(t[8].code, TOK_EOL);
}

TEST_F(ReaderTest, EmptyLinesGiveOneEndOfLine) {
  EXPECT_EQ(codes("A\n\n\n   \n-- comment only\nB\n"),
            (std::vector<int>{TOK_IDENT, TOK_EOL, TOK_IDENT, TOK_EOL}));
}

TEST_F(ReaderTest, ContinuationKeepsPhysicalLineNumbers) {
  auto t = tokens("PRINT a\n& , b\nX\n");
  ASSERT_EQ(t.size(), 7u);
  EXPECT_EQ(t[1], (Token{TOK_IDENT, "a", 1}));
  EXPECT_EQ(t[2], (Token{TOK_COMMA, ",", 2}));
  EXPECT_EQ(t[3], (Token{TOK_EXPR, " b", 2}));
  EXPECT_EQ(t[4], (Token{TOK_EOL, "\n", 2}));
  EXPECT_EQ(t[5], (Token{TOK_IDENT, "X", 3}));
}

TEST_F(ReaderTest, ContinuationIsOffWhileAnIncludeNameIsRead) {
  auto t = tokens("INCLUDE \"x\"\n&y\n");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0].code, TOK_INCLUDE);
  EXPECT_EQ(t[1], (Token{TOK_STRING, "\"x\"", 1}));
  EXPECT_EQ(t[2].code, TOK_EOL);
  EXPECT_EQ(t[3], (Token{TOK_UNKNOWN, "&", 2}));
  EXPECT_EQ(t[4], (Token{TOK_IDENT, "y", 2}));
}

TEST_F(ReaderTest, ValueKeywordsCollectTheValueAsOneExpression) {
  auto t = tokens("VAR x, INIT=(a, f(b, c))\nVAR y, EV=1, 2\n");
  ASSERT_GE(t.size(), 13u);
  EXPECT_EQ(t[0].code, TOK_VAR);
  EXPECT_EQ(t[1], (Token{TOK_EXPR, " x", 1}));
  EXPECT_EQ(t[2].code, TOK_COMMA);
  EXPECT_EQ(t[3].code, TOK_INIT_EQ);
  EXPECT_EQ(t[4], (Token{TOK_EXPR, "(a, f(b, c))", 1}));
  EXPECT_EQ(t[5].code, TOK_EOL);
  EXPECT_EQ(t[9].code, TOK_VALUE_EQ);
  EXPECT_EQ(t[10], (Token{TOK_EXPR, "1", 2}));
  // VAR cleared the expression position: the second comma is plain punctuation.
  EXPECT_EQ(t[11].code, TOK_COMMA);
  EXPECT_EQ(t[12], (Token{TOK_NUMBER, "2", 2}));
}

TEST_F(ReaderTest, ValueKeywordSpellings) {
  EXPECT_EQ(codes("VA=1\n")[0], TOK_VALUE_EQ);
  EXPECT_EQ(codes("EV=1\n")[0], TOK_VALUE_EQ);
  EXPECT_EQ(codes("EV==1\n")[0], TOK_EXPECT_EQ);
  EXPECT_EQ(codes("FORMAT=x\n")[0], TOK_FORMAT_EQ);
  EXPECT_EQ(codes("INIT=x\n")[0], TOK_INIT_EQ);
  // "VA==" is no value keyword: the identifier VA and two unknown sequences.
  EXPECT_EQ(codes("VA==\n"), (std::vector<int>{TOK_IDENT, TOK_UNKNOWN, TOK_UNKNOWN, TOK_EOL}));
  EXPECT_EQ(codes("FORMAT\n"), (std::vector<int>{TOK_IDENT, TOK_EOL}));
}

TEST_F(ReaderTest, NumbersHaveNoSignFractionOrExponent) {
  auto t = tokens("1.5 0x1Fu 0x 017 09 10UL 1uuu\n");
  std::vector<Token> expected = {
      {TOK_NUMBER, "1", 1},  {TOK_UNKNOWN, ".", 1}, {TOK_NUMBER, "5", 1},    {TOK_NUMBER, "0x1Fu", 1},
      {TOK_NUMBER, "0", 1},  {TOK_IDENT, "x", 1},   {TOK_NUMBER, "017", 1},  {TOK_NUMBER, "0", 1},
      {TOK_NUMBER, "9", 1},  {TOK_NUMBER, "10UL", 1}, {TOK_NUMBER, "1uu", 1}, {TOK_IDENT, "u", 1},
      {TOK_EOL, "\n", 1}};
  EXPECT_EQ(t, expected);
}

TEST_F(ReaderTest, EnvironmentVariablesEndAtDigits) {
  auto t = tokens("$HOME9 $ $_X\n");
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0], (Token{TOK_ENVVAR, "$HOME", 1}));
  EXPECT_EQ(t[1], (Token{TOK_NUMBER, "9", 1}));
  EXPECT_EQ(t[2], (Token{TOK_UNKNOWN, "$", 1}));
  EXPECT_EQ(t[3], (Token{TOK_ENVVAR, "$_X", 1}));
}

TEST_F(ReaderTest, CommtypeAndTriggerExcludeEachOther) {
  EXPECT_EQ(codes("COMMTYPE\nTRIGGER\nCOMMTYPE\n"),
            (std::vector<int>{TOK_COMMTYPE, TOK_EOL, TOK_UNKNOWN, TOK_EOL, TOK_COMMTYPE, TOK_EOL}));
  EXPECT_EQ(codes("TRIGGER\nCOMMTYPE\n"), (std::vector<int>{TOK_TRIGGER, TOK_EOL, TOK_UNKNOWN, TOK_EOL}));
}

TEST_F(ReaderTest, CarriageReturnBeforeNewlineIsDropped) {
  auto t = tokens("A\r\nB\rC\r\n");
  std::vector<Token> expected = {{TOK_IDENT, "A", 1}, {TOK_EOL, "\n", 1}, {TOK_IDENT, "B", 2},
                                 {TOK_UNKNOWN, "\r", 2}, {TOK_IDENT, "C", 2}, {TOK_EOL, "\n", 2}};
  EXPECT_EQ(t, expected);
}

TEST_F(ReaderTest, NulBytesAreUnknownSequencesNotTheEndOfTheFile) {
  auto t = tokens(std::string("A\0B\n", 4));
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[1].code, TOK_UNKNOWN);
  EXPECT_EQ(t[2], (Token{TOK_IDENT, "B", 1}));
}

TEST_F(ReaderTest, VirtualCallbackIsOneTokenByLongestMatch) {
  auto t = tokens("VIRTUAL \t CALLBACK VIRTUALPROCSEND VIRTUAL CALLBACKS VIRTUALCALLBACKX VIRTUAL x\n");
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[0], (Token{TOK_VIRTUALCALLBACK, "VIRTUAL \t CALLBACK", 1}));
  EXPECT_EQ(t[1].code, TOK_VIRTUALPROCSEND);
  EXPECT_EQ(t[2], (Token{TOK_VIRTUALCALLBACK, "VIRTUAL CALLBACK", 1}));
  EXPECT_EQ(t[3], (Token{TOK_IDENT, "S", 1}));
  EXPECT_EQ(t[4], (Token{TOK_IDENT, "VIRTUALCALLBACKX", 1}));
  EXPECT_EQ(t[5], (Token{TOK_IDENT, "VIRTUAL", 1}));
  EXPECT_EQ(t[6], (Token{TOK_IDENT, "x", 1}));
}

TEST_F(ReaderTest, ScopedIdentifiersHaveOneLevel) {
  auto t = tokens("a::b x::y::z CALL::f c: :d\n");
  std::vector<Token> expected = {{TOK_SCOPED, "a::b", 1}, {TOK_SCOPED, "x::y", 1}, {TOK_COLON, ":", 1},
                                 {TOK_COLON, ":", 1},     {TOK_IDENT, "z", 1},    {TOK_SCOPED, "CALL::f", 1},
                                 {TOK_IDENT, "c", 1},     {TOK_COLON, ":", 1},    {TOK_COLON, ":", 1},
                                 {TOK_IDENT, "d", 1},     {TOK_EOL, "\n", 1}};
  EXPECT_EQ(t, expected);
}

TEST_F(ReaderTest, CommentLinesAndIdentifiersBeginningWithComment) {
  auto t = tokens("COMMENT some text\nCOMMENTARY\nCOMMENT\nCOMMENTX = 5\n");
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[0], (Token{TOK_COMMENT_LINE, "COMMENT some text", 1}));
  EXPECT_EQ(t[2], (Token{TOK_IDENT, "COMMENTARY", 2}));
  EXPECT_EQ(t[4], (Token{TOK_IDENT, "COMMENT", 3}));
  EXPECT_EQ(t[6], (Token{TOK_COMMENT_LINE, "COMMENTX = 5", 4}));
}

TEST_F(ReaderTest, StringsAndCharacterConstants) {
  auto t = tokens("\"a\\\"b\\\\c\\n\" \"two\nlines\" 'x' '\\'' 'ab'\n");
  ASSERT_GE(t.size(), 8u);
  EXPECT_EQ(t[0], (Token{TOK_STRING, "\"a\"b\\c\\n\"", 1}));
  EXPECT_EQ(t[1], (Token{TOK_STRING, "\"two\nlines\"", 1}));
  EXPECT_EQ(t[2], (Token{TOK_CHAR, "'x'", 2}));
  EXPECT_EQ(t[3], (Token{TOK_CHAR, "'\\''", 2}));
  EXPECT_EQ(t[4], (Token{TOK_UNKNOWN, "'", 2}));
  EXPECT_EQ(t[5], (Token{TOK_IDENT, "ab", 2}));
  EXPECT_EQ(t[6], (Token{TOK_UNKNOWN, "'", 2}));
}

TEST_F(ReaderTest, UnterminatedStringIsAnUnknownQuoteAndTheRestIsReadAgain) {
  auto t = tokens("X \"abc\nY\n");
  std::vector<Token> expected = {{TOK_IDENT, "X", 1}, {TOK_UNKNOWN, "\"", 1}, {TOK_IDENT, "abc", 1},
                                 {TOK_EOL, "\n", 1},  {TOK_IDENT, "Y", 2},     {TOK_EOL, "\n", 2}};
  EXPECT_EQ(t, expected);
  // A backslash before the newline ends the string attempt too.
  EXPECT_EQ(codes("\"a\\\nb\"\n")[0], TOK_UNKNOWN);
}

TEST_F(ReaderTest, AQuoteUnclosedAtTheEndOfTheFileIsNotTheEndOfInput) {
  // The search for the closing quote reads up to the end of the file, then gives the characters
  // back: the quote's token is no end of input (the parser names the unknown sequence).
  script::ScriptReader reader({}, directory_.string());
  reader.open_script(write("t.pts", "SET \"AB\nC"));
  ASSERT_EQ(reader.next_token(), TOK_SET);
  ASSERT_EQ(reader.next_token(), TOK_UNKNOWN);
  EXPECT_EQ(reader.token_text(), "\"");
  EXPECT_EQ(reader.token_position().line, 1);
  EXPECT_FALSE(reader.at_end_of_input());
  EXPECT_EQ(reader.next_token(), TOK_IDENT);
  EXPECT_EQ(reader.next_token(), TOK_EOL);
  EXPECT_EQ(reader.next_token(), TOK_IDENT);
  EXPECT_EQ(reader.token_position().line, 2);
  // The last token, read up to the end of the file: now the end is reached.
  EXPECT_TRUE(reader.at_end_of_input());
}

TEST_F(ReaderTest, NativeLinesAndFilters) {
  auto t = tokens("# int x;\n@ y = 1;\n%A+B PRINT\n%%X\n %A\nPRINT %A\n%\n");
  std::vector<Token> expected = {
      {TOK_HASH_LINE, "# int x;", 1}, {TOK_EOL, "\n", 1},    {TOK_AT_LINE, "@ y = 1;", 2}, {TOK_EOL, "\n", 2},
      {TOK_FILTER, "%A+B", 3},        {TOK_PRINT, "PRINT", 3}, {TOK_EOL, "\n", 3},         {TOK_DFILTER, "%%X", 4},
      {TOK_EOL, "\n", 4},             {TOK_UNKNOWN, "%", 5}, {TOK_IDENT, "A", 5},          {TOK_EOL, "\n", 5},
      {TOK_PRINT, "PRINT", 6},        {TOK_UNKNOWN, "%", 6}, {TOK_IDENT, "A", 6},          {TOK_EOL, "\n", 6},
      {TOK_UNKNOWN, "%", 7},          {TOK_EOL, "\n", 7}};
  EXPECT_EQ(t, expected);
}

TEST_F(ReaderTest, AtOpensAnExpressionAfterAnExpressionEnded) {
  auto t = tokens("CALL f(a @ b) @ 0, r\n");
  std::vector<Token> expected = {{TOK_CALL, "CALL", 1},    {TOK_CALLNAME, " f", 1}, {TOK_LPAREN, "(", 1},
                                 {TOK_EXPR, "a ", 1},      {TOK_AT, "@", 1},        {TOK_EXPR, " b", 1},
                                 {TOK_RPAREN, ")", 1},     {TOK_AT, "@", 1},        {TOK_EXPR, " 0", 1},
                                 {TOK_COMMA, ",", 1},      {TOK_EXPR, " r", 1},     {TOK_EOL, "\n", 1}};
  EXPECT_EQ(t, expected);
}

TEST_F(ReaderTest, NativeExpressionDepths) {
  auto t = tokens("IF (a[i, j] + (b, c) ] @x)\n");
  ASSERT_GE(t.size(), 6u);
  EXPECT_EQ(t[1].code, TOK_LPAREN);
  // The ']' at depth 0 is dropped; ',' inside parentheses or brackets stays in the text.
  EXPECT_EQ(t[2], (Token{TOK_EXPR, "a[i, j] + (b, c)  ", 1}));
  EXPECT_EQ(t[3].code, TOK_AT);
  EXPECT_EQ(t[4], (Token{TOK_EXPR, "x", 1}));
  EXPECT_EQ(t[5].code, TOK_RPAREN);
}

TEST_F(ReaderTest, NativeExpressionSpansLinesInsideParentheses) {
  auto t = tokens("IF (f(a,\nb))\nX\n");
  ASSERT_GE(t.size(), 6u);
  EXPECT_EQ(t[2], (Token{TOK_EXPR, "f(a,\nb)", 1}));
  EXPECT_EQ(t[3], (Token{TOK_RPAREN, ")", 2}));
  EXPECT_EQ(t[5], (Token{TOK_IDENT, "X", 3}));
}

TEST_F(ReaderTest, NativeExpressionUnknownCharacters) {
  auto t = tokens("IF (a; {b} \"s\")\n");
  std::vector<Token> expected = {{TOK_IF, "IF", 1},          {TOK_LPAREN, "(", 1},   {TOK_UNKNOWN, ";", 1},
                                 {TOK_UNKNOWN, "{", 1},      {TOK_UNKNOWN, "}", 1},  {TOK_EXPR, " \"s\"", 1},
                                 {TOK_RPAREN, ")", 1},       {TOK_EOL, "\n", 1}};
  EXPECT_EQ(t, expected);
}

TEST_F(ReaderTest, MatchingLists) {
  auto t = tokens("WAITTIL (x && MATCHING (m1, ch) || NOTMATCHED(m2), WTIME > 5)\n");
  std::vector<Token> expected = {
      {TOK_WAITTIL, "WAITTIL", 1}, {TOK_LPAREN, "(", 1},         {TOK_EXPR, "x && ", 1},
      {TOK_MATCHING, "(", 1},      {TOK_IDENT, "m1", 1},         {TOK_LIST_COMMA, ",", 1},
      {TOK_IDENT, "ch", 1},        {TOK_LIST_CLOSE, ")", 1},     {TOK_EXPR, " || ", 1},
      {TOK_NOTMATCHED, "(", 1},    {TOK_IDENT, "m2", 1},         {TOK_LIST_CLOSE, ")", 1},
      {TOK_EXPR, "", 1},           {TOK_COMMA, ",", 1},          {TOK_EXPR, " WTIME > 5", 1},
      {TOK_RPAREN, ")", 1},        {TOK_EOL, "\n", 1}};
  EXPECT_EQ(t, expected);
  // MATCHING without '(' is a plain identifier of the expression.
  EXPECT_EQ(tokens("IF (MATCHING + 1)\n")[2], (Token{TOK_EXPR, "MATCHING + 1", 1}));
}

TEST_F(ReaderTest, LineEndInsideAMatchingListEndsTheList) {
  EXPECT_EQ(codes("WAITTIL (MATCHED(a\nX\n"),
            (std::vector<int>{TOK_WAITTIL, TOK_LPAREN, TOK_EXPR, TOK_MATCHED, TOK_IDENT, TOK_EOL, TOK_IDENT, TOK_EOL}));
}

TEST_F(ReaderTest, RefInsideAnExpression) {
  auto t = tokens("CALL f(REF x, a REF y)\n");
  std::vector<Token> expected = {{TOK_CALL, "CALL", 1},   {TOK_CALLNAME, " f", 1}, {TOK_LPAREN, "(", 1},
                                 {TOK_REF, "REF", 1},     {TOK_IDENT, "x", 1},     {TOK_COMMA, ",", 1},
                                 {TOK_EXPR, " a ", 1},    {TOK_REF, "REF", 1},     {TOK_IDENT, "y", 1},
                                 {TOK_RPAREN, ")", 1},    {TOK_EOL, "\n", 1}};
  EXPECT_EQ(t, expected);
}

TEST_F(ReaderTest, DeclarationKeywordsEndTheExpressionPosition) {
  // After SEND '(' and ',' are punctuation; after PRINT (no declaration keyword) ',' opens an
  // expression.
  EXPECT_EQ(codes("SEND a (b, c)\n"), (std::vector<int>{TOK_SEND, TOK_IDENT, TOK_LPAREN, TOK_IDENT, TOK_COMMA,
                                                        TOK_IDENT, TOK_RPAREN, TOK_EOL}));
  EXPECT_EQ(codes("PRINT a, b c\n"), (std::vector<int>{TOK_PRINT, TOK_IDENT, TOK_COMMA, TOK_EXPR, TOK_EOL}));
}

TEST_F(ReaderTest, PunctuationAndUnknownSequences) {
  EXPECT_EQ(codes("( ) : ; [ ] => ... .. = - \\ !\n"),
            (std::vector<int>{TOK_LPAREN, TOK_EXPR, TOK_RPAREN, TOK_COLON, TOK_SEMI, TOK_LBRACKET, TOK_RBRACKET,
                              TOK_ARROW, TOK_ELLIPSIS, TOK_UNKNOWN, TOK_UNKNOWN, TOK_UNKNOWN, TOK_UNKNOWN,
                              TOK_UNKNOWN, TOK_UNKNOWN, TOK_EOL}));
}

TEST_F(ReaderTest, LastLineWithoutNewlineStillEnds) {
  script::ScriptReader reader({}, directory_.string());
  reader.open_script(write("t.pts", "EXIT"));
  EXPECT_EQ(reader.next_token(), TOK_EXIT);
  // The keyword ended at the end of the file: that was the last character read.
  EXPECT_TRUE(reader.at_end_of_input());
  EXPECT_EQ(reader.next_token(), TOK_EOL);
  EXPECT_TRUE(reader.at_end_of_input());
  EXPECT_EQ(reader.next_token(), 0);
  EXPECT_EQ(reader.next_token(), 0);
}

TEST_F(ReaderTest, IncludedFileTokensFollowTheIncludeAndNumbersRepeat) {
  write("inc.pts", "A\n");
  std::filesystem::create_directories(directory_ / "sub");
  write("sub/other.pts", "B");
  script::ScriptReader reader({(directory_ / "sub").string()}, directory_.string());
  reader.open_script(write("t.pts", "INCLUDE \"x\"\nC\n"));
  EXPECT_EQ(reader.next_token(), TOK_INCLUDE);
  EXPECT_EQ(reader.next_token(), TOK_STRING);
  reader.include_file("\"" + (directory_ / "inc.pts").string() + "\"", reader.token_position());
  EXPECT_EQ(reader.next_token(), TOK_IDENT);
  EXPECT_EQ(reader.token_text(), "A");
  EXPECT_EQ(reader.token_position().file_number, 2);
  EXPECT_EQ(reader.token_position().line, 1);
  EXPECT_EQ(reader.next_token(), TOK_EOL);
  reader.include_file("\"other.pts\"", reader.token_position());  // found in the include directory
  EXPECT_EQ(reader.next_token(), TOK_IDENT);
  EXPECT_EQ(reader.token_text(), "B");
  EXPECT_EQ(reader.token_position().file_number, 3);
  // The included file ends without a newline: the including file's newline ends the line.
  EXPECT_EQ(reader.next_token(), TOK_EOL);
  EXPECT_EQ(reader.token_position().file_number, 1);
  EXPECT_EQ(reader.token_position().line, 1);
  reader.include_file("\"" + (directory_ / "inc.pts").string() + "\"", reader.token_position());
  EXPECT_EQ(reader.next_token(), TOK_IDENT);
  EXPECT_EQ(reader.token_position().file_number, 2);  // the same file keeps its number
  EXPECT_EQ(reader.next_token(), TOK_EOL);
  EXPECT_EQ(reader.next_token(), TOK_IDENT);
  EXPECT_EQ(reader.token_text(), "C");
  EXPECT_EQ(reader.token_position().line, 2);
  script::SourceFileList files = reader.take_files();
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files.front()->entry.number, 2);  // newest first
  EXPECT_EQ(files.back()->entry.number, 1);
}

TEST_F(ReaderTest, TokenLimitIsFatal) {
  std::string line = "# " + std::string(15000, 'x') + "\n";
  EXPECT_EXIT(tokens(line), ::testing::ExitedWithCode(7), "LEXTKTLNG");
  // 14999 characters still make one token.
  auto t = tokens("#" + std::string(14998, 'x') + "\n");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text.size(), 14999u);
}

}  // namespace

namespace {

TEST(Keywords, DeclarationKeywordsAreExactlyTheTwentyFour) {
  const char* declarations[] = {"CALLBACK", "CHANNEL", "COMMTYPE", "DEF_MESSAGE", "DISABLE_CLEANUP",
                                "ENABLE_CLEANUP", "FAMILY", "HEADER", "MESSAGE", "PROC", "DECLARE_INSTANCE",
                                "INSTANCE", "SEND", "PROCSEND", "TRACE_ON", "TRACE_OFF", "FLUSH_TRACE", "SET",
                                "SHARE", "UNSET", "TRIGGER", "VAR"};
  int found = 0;
  for (const char* word : declarations) {
    const script::Keyword* keyword = script::find_keyword(word);
    ASSERT_NE(keyword, nullptr) << word;
    EXPECT_TRUE(keyword->declaration) << word;
    EXPECT_TRUE(script::is_declaration_keyword(keyword->token)) << word;
    ++found;
  }
  EXPECT_TRUE(script::is_declaration_keyword(TOK_VIRTUALCALLBACK));
  EXPECT_TRUE(script::is_declaration_keyword(TOK_VIRTUALPROCSEND));
  EXPECT_EQ(found + 2, 24);
  for (const char* word : {"CALL", "DEF_TRIGGER", "PAUSE", "PRINT", "IF", "WAITTIL", "SCENARIO"}) {
    EXPECT_FALSE(script::find_keyword(word)->declaration) << word;
  }
  EXPECT_EQ(script::find_keyword("call"), nullptr);
  EXPECT_EQ(script::find_keyword("CALLX"), nullptr);
}

}  // namespace

namespace {

class ReaderPositions : public ReaderTest {};

TEST_F(ReaderPositions, TokensAfterAContinuedLineStartOnTheirPhysicalLine) {
  auto t = tokens("CALL f (a)\n& @ 1,\n& r\n");
  ASSERT_GE(t.size(), 9u);
  EXPECT_EQ(t[4], (Token{TOK_RPAREN, ")", 1}));
  EXPECT_EQ(t[5], (Token{TOK_AT, "@", 2}));
  EXPECT_EQ(t[6], (Token{TOK_EXPR, " 1", 2}));
  EXPECT_EQ(t[7], (Token{TOK_COMMA, ",", 2}));
  EXPECT_EQ(t[8], (Token{TOK_EXPR, " r", 3}));
}

}  // namespace
