#include "script/keywords.h"

#include <algorithm>
#include <array>

#include "script/script_grammar.hpp"

namespace script {

namespace {

constexpr Keyword keywords[] = {
    {"ADD_ID", TOK_ADD_ID, false},
    {"CALL", TOK_CALL, false},
    {"CALLBACK", TOK_CALLBACK, true},
    {"CASE", TOK_CASE, false},
    {"CATCH", TOK_CATCH, false},
    {"CHANNEL", TOK_CHANNEL, true},
    {"CLEAR_ID", TOK_CLEAR_ID, false},
    {"COMMTYPE", TOK_COMMTYPE, true},
    {"DECLARE_INSTANCE", TOK_DECLARE_INSTANCE, true},
    {"DEF_MESSAGE", TOK_DEF_MESSAGE, true},
    {"DEF_TRIGGER", TOK_DEF_TRIGGER, false},
    {"DISABLE_CLEANUP", TOK_DISABLE_CLEANUP, true},
    {"ELSE", TOK_ELSE, false},
    {"ENABLE_CLEANUP", TOK_ENABLE_CLEANUP, true},
    {"END", TOK_END, false},
    {"ERROR", TOK_ERROR, false},
    {"EXCEPTION", TOK_EXCEPTION, false},
    {"EXIT", TOK_EXIT, false},
    {"FAMILY", TOK_FAMILY, true},
    {"FD_ADD", TOK_FD_ADD, false},
    {"FD_DEL", TOK_FD_DEL, false},
    {"FLUSH_TRACE", TOK_FLUSH_TRACE, true},
    {"HEADER", TOK_HEADER, true},
    {"IF", TOK_IF, false},
    {"INCLUDE", TOK_INCLUDE, false},
    {"INITIALIZATION", TOK_INITIALIZATION, false},
    {"INSTANCE", TOK_INSTANCE, true},
    {"INTERRECV", TOK_INTERRECV, false},
    {"INTERSEND", TOK_INTERSEND, false},
    {"IS", TOK_IS, false},
    {"LOOP", TOK_LOOP, false},
    {"MESSAGE", TOK_MESSAGE, true},
    {"MESSAGE_DATE", TOK_MESSAGE_DATE, false},
    {"MULTIPLEXING", TOK_MULTIPLEXING, false},
    {"NO_MESSAGE", TOK_NO_MESSAGE, false},
    {"ON", TOK_ON, false},
    {"OTHERS", TOK_OTHERS, false},
    {"PAUSE", TOK_PAUSE, false},
    {"PRINT", TOK_PRINT, false},
    {"PROC", TOK_PROC, true},
    {"PROCSEND", TOK_PROCSEND, true},
    {"REF", TOK_REF, false},
    {"RENDEZVOUS", TOK_RENDEZVOUS, false},
    {"RESET", TOK_RESET, false},
    {"SCENARIO", TOK_SCENARIO, false},
    {"SEND", TOK_SEND, true},
    {"SET", TOK_SET, true},
    {"SHARE", TOK_SHARE, true},
    {"TERMINATION", TOK_TERMINATION, false},
    {"THEN", TOK_THEN, false},
    {"TIMEOUT", TOK_TIMEOUT, false},
    {"TIMER", TOK_TIMER, false},
    {"TRACE_OFF", TOK_TRACE_OFF, true},
    {"TRACE_ON", TOK_TRACE_ON, true},
    {"TRIGGER", TOK_TRIGGER, true},
    {"UNSET", TOK_UNSET, true},
    {"VAR", TOK_VAR, true},
    {"WAITTIL", TOK_WAITTIL, false},
    {"WHEN", TOK_WHEN, false},
    {"WHILE", TOK_WHILE, false},
    {"WITH", TOK_WITH, false},
};

static_assert(std::size(keywords) == 61);

}  // namespace

const Keyword* find_keyword(std::string_view word) {
  if (word.empty() || word[0] < 'A' || word[0] > 'Z') return nullptr;
  // The table is sorted by spelling.
  auto it = std::lower_bound(std::begin(keywords), std::end(keywords), word,
                             [](const Keyword& k, std::string_view w) { return k.spelling < w; });
  if (it != std::end(keywords) && it->spelling == word) return &*it;
  return nullptr;
}

bool is_declaration_keyword(int token) {
  if (token == TOK_VIRTUALCALLBACK || token == TOK_VIRTUALPROCSEND) return true;
  for (const Keyword& k : keywords) {
    if (k.token == token) return k.declaration;
  }
  return false;
}

int matching_keyword(std::string_view word) {
  if (word == "MATCHING") return TOK_MATCHING;
  if (word == "MATCHED") return TOK_MATCHED;
  if (word == "NOTMATCHING") return TOK_NOTMATCHING;
  if (word == "NOTMATCHED") return TOK_NOTMATCHED;
  return 0;
}

}  // namespace script
