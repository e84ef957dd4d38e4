// The syntax-error message of each token: the parser reports the code of the token it could
// not accept.
#include <iterator>

#include "script/parse_context.h"
#include "script/script_grammar.hpp"

namespace script {

namespace {

struct TokenMessage {
  int token;
  diag::Code code;
};

constexpr TokenMessage token_messages[] = {
    {TOK_EOL, diag::Code::UNEXPTRET}, {TOK_LPAREN, diag::Code::UNEXPLPAR}, {TOK_RPAREN, diag::Code::UNEXPRPAR}, {TOK_LIST_CLOSE, diag::Code::UNEXPRPAR},
    {TOK_LBRACKET, diag::Code::UNEXPLBRA}, {TOK_RBRACKET, diag::Code::UNEXPRBRA}, {TOK_ARROW, diag::Code::UNEXPARRW}, {TOK_COMMA, diag::Code::UNEXPCOMM},
    {TOK_LIST_COMMA, diag::Code::UNEXPCOMM}, {TOK_AT, diag::Code::UNEXPAROB}, {TOK_COLON, diag::Code::UNEXPCOLN}, {TOK_SEMI, diag::Code::UNEXPSEMI},
    {TOK_ELLIPSIS, diag::Code::UNEXPALLC}, {TOK_NUMBER, diag::Code::UNEXPDECM}, {TOK_STRING, diag::Code::UNEXPSTRG}, {TOK_CHAR, diag::Code::UNEXPTCAR},
    {TOK_ENVVAR, diag::Code::UNEXPENVV}, {TOK_IDENT, diag::Code::UNEXPIDNT}, {TOK_CALLNAME, diag::Code::UNEXPIDNT}, {TOK_SCOPED, diag::Code::UNEXPIDWH},
    {TOK_EXPR, diag::Code::UNEXPEXPR}, {TOK_HASH_LINE, diag::Code::UNEXPNIAN}, {TOK_AT_LINE, diag::Code::UNEXPNIAN},
    {TOK_COMMENT_LINE, diag::Code::UNEXPCMMT}, {TOK_FILTER, diag::Code::UNEXPFILT}, {TOK_DFILTER, diag::Code::UNEXPFILT},
    {TOK_INIT_EQ, diag::Code::UNEXPVARI}, {TOK_VALUE_EQ, diag::Code::UNEXPVARV}, {TOK_EXPECT_EQ, diag::Code::UNEXPVARV},
    {TOK_FORMAT_EQ, diag::Code::UNEXPFRMT}, {TOK_UNKNOWN, diag::Code::LEXSEQUNK},
    {TOK_ADD_ID, diag::Code::UNEXPADDI}, {TOK_CALL, diag::Code::UNEXPCALL}, {TOK_CALLBACK, diag::Code::UNEXPCLBK}, {TOK_CASE, diag::Code::UNEXPCASE},
    {TOK_CATCH, diag::Code::UNEXPCATC}, {TOK_CHANNEL, diag::Code::UNEXPCHAN}, {TOK_CLEAR_ID, diag::Code::UNEXPCLRI},
    {TOK_COMMTYPE, diag::Code::UNEXPCMTY}, {TOK_DECLARE_INSTANCE, diag::Code::UNEXPIDCL}, {TOK_DEF_MESSAGE, diag::Code::UNEXPDFMS},
    {TOK_DEF_TRIGGER, diag::Code::UNEXPDFTR}, {TOK_DISABLE_CLEANUP, diag::Code::UNEXPDISC}, {TOK_ELSE, diag::Code::UNEXPELSE},
    {TOK_ENABLE_CLEANUP, diag::Code::UNEXPENAC}, {TOK_END, diag::Code::UNEXPTEND}, {TOK_ERROR, diag::Code::UNEXPERRR},
    {TOK_EXCEPTION, diag::Code::UNEXPEXCP}, {TOK_EXIT, diag::Code::UNEXPEXIT}, {TOK_FAMILY, diag::Code::UNEXPFAML}, {TOK_FD_ADD, diag::Code::UNEXPFDAD},
    {TOK_FD_DEL, diag::Code::UNEXPFDDE}, {TOK_FLUSH_TRACE, diag::Code::UNEXPFTRC}, {TOK_HEADER, diag::Code::UNEXPHEAD}, {TOK_IF, diag::Code::UNEXPTKIF},
    {TOK_INCLUDE, diag::Code::UNEXPINCL}, {TOK_INITIALIZATION, diag::Code::UNEXPINTZ}, {TOK_INSTANCE, diag::Code::UNEXPIST},
    {TOK_INTERRECV, diag::Code::UNEXPIRCV}, {TOK_INTERSEND, diag::Code::UNEXPISND}, {TOK_IS, diag::Code::UNEXPTKIS}, {TOK_LOOP, diag::Code::UNEXPLOOP},
    {TOK_MATCHED, diag::Code::UNEXMATED}, {TOK_MATCHING, diag::Code::UNEXMATIG}, {TOK_MESSAGE, diag::Code::UNEXPMSGE},
    {TOK_MESSAGE_DATE, diag::Code::UNEXPMSDT}, {TOK_MULTIPLEXING, diag::Code::UNEXPMULT}, {TOK_NO_MESSAGE, diag::Code::UNEXPNOMS},
    {TOK_NOTMATCHED, diag::Code::UNEXNMTED}, {TOK_NOTMATCHING, diag::Code::UNEXNMTIG}, {TOK_ON, diag::Code::UNEXPCBON},
    {TOK_OTHERS, diag::Code::UNEXPOTHR}, {TOK_PAUSE, diag::Code::UNEXPAUSE}, {TOK_PRINT, diag::Code::UNEXPRINT}, {TOK_PROC, diag::Code::UNEXPPROC},
    {TOK_PROCSEND, diag::Code::UNEXPPSND}, {TOK_REF, diag::Code::UNEXPTREF}, {TOK_RENDEZVOUS, diag::Code::UNEXPTRDV}, {TOK_RESET, diag::Code::UNEXPREST},
    {TOK_SCENARIO, diag::Code::UNEXPSCEN}, {TOK_SEND, diag::Code::UNEXPSND}, {TOK_SET, diag::Code::UNEXPTSET}, {TOK_SHARE, diag::Code::UNEXPSHAR},
    {TOK_TERMINATION, diag::Code::UNEXPTERM}, {TOK_THEN, diag::Code::UNEXPTHEN}, {TOK_TIMEOUT, diag::Code::UNEXPTOUT}, {TOK_TIMER, diag::Code::UNEXPTIMR},
    {TOK_TRACE_OFF, diag::Code::UNEXPTROF}, {TOK_TRACE_ON, diag::Code::UNEXPTRON}, {TOK_TRIGGER, diag::Code::UNEXPTRIG},
    {TOK_UNSET, diag::Code::UNEXPUNST}, {TOK_VAR, diag::Code::UNEXPTVAR}, {TOK_WAITTIL, diag::Code::UNEXPWAIT}, {TOK_WHEN, diag::Code::UNEXPWHEN},
    {TOK_WHILE, diag::Code::UNEXPWHIL}, {TOK_WITH, diag::Code::UNEXPWITH},
    {TOK_VIRTUALCALLBACK, diag::Code::UNEXPVCBK}, {TOK_VIRTUALPROCSEND, diag::Code::UNEXPVPSD},
};

// Every token the reader gives has a row (a user's mistake never reads as an internal error);
// the list-close, list-comma, CALL-name and second filter tokens share rows.
static_assert(std::size(token_messages) == 98);

}  // namespace

const diag::Code* syntax_error_code(int token) {
  for (const TokenMessage& entry : token_messages) {
    if (entry.token == token) return &entry.code;
  }
  return nullptr;
}

}  // namespace script
