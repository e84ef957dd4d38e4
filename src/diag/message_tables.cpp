// Registration of the four message tables (rows in messages_*.inc), in registration order. Rows keep the order of their contexts;
// a code registered again (in the same or a later table) replaces the earlier text.
//
// Texts of positioned messages begin with %1, which receives the location prefix ("[file:line] ",
// "[line] " or " "); %2 then receives the argument. Texts without a leading %1 are reported
// without a location, and %1 is their argument.
//
// Rows beyond the codes of the catalogue proper:
// - "Syntax analysis": UNEXPALLC, UNEXPIDWH, UNEXPCATC, UNEXPLOOP and UNEXPTOUT, which the parser
//   reports for "...", a scoped identifier, CATCH, LOOP and TIMEOUT; without a text their lines
//   would carry neither a text nor a position.
// - "Semantic analysis": INVLCATCH (CATCH in a block that cannot hold one) and NOTSTATIC (a name
//   that is not a static object), both reported by the semantic analysis.
// - "Warning (ana_c_cpp)": WARNERR, the preprocessor's #warning and #error line, whose whole text
//   is the argument.
#include "diag/catalogue.h"
#include "diag/message_codes.h"

#include <iterator>

namespace diag {

namespace {

#define QMK_MESSAGE(code, context, source) {context, source, #code},
#define QMK_MESSAGE_AGAIN(code, context, source) {context, source, #code},

const MessageEntry script_compiler_table[] = {
#include "diag/messages_script_compiler.inc"
};

const MessageEntry library_table[] = {
#include "diag/messages_library.inc"
};

const MessageEntry base_table[] = {
#include "diag/messages_base.inc"
};

const MessageEntry analyser_table[] = {
#include "diag/messages_analyser.inc"
};

#undef QMK_MESSAGE
#undef QMK_MESSAGE_AGAIN

// The names of the codes, in the enum's order.
const char* const code_names[] = {
#define QMK_MESSAGE(code, context, source) #code,
#define QMK_MESSAGE_AGAIN(code, context, source)
#include "diag/messages_script_compiler.inc"
#include "diag/messages_library.inc"
#include "diag/messages_base.inc"
#include "diag/messages_analyser.inc"
#undef QMK_MESSAGE
#undef QMK_MESSAGE_AGAIN
};

}  // namespace

const char* code_name(Code code) { return code_names[static_cast<int>(code)]; }

void register_script_compiler_messages() {
  register_table(MessageTable::ScriptCompiler, script_compiler_table, std::size(script_compiler_table),
                 CommentRule::ErrorCode);
}

void register_library_messages() {
  register_table(MessageTable::Library, library_table, std::size(library_table), CommentRule::ErrorCode);
}

void register_base_messages() {
  register_table(MessageTable::Base, base_table, std::size(base_table), CommentRule::BaseTable);
}

void register_analyser_messages() {
  register_table(MessageTable::Analyser, analyser_table, std::size(analyser_table), CommentRule::ErrorCode);
}

}  // namespace diag
