// The message codes, as an enum built from the message tables themselves (messages_*.inc): a
// code that no table lists does not compile. The reporting service takes these; the catalogue
// stays keyed by the codes' names, which are also what the diagnostic line prints.
#pragma once

namespace diag {

enum class Code : int {
#define QMK_MESSAGE(code, context, source) code,
#define QMK_MESSAGE_AGAIN(code, context, source)
#include "diag/messages_script_compiler.inc"
#include "diag/messages_library.inc"
#include "diag/messages_base.inc"
#include "diag/messages_analyser.inc"
#undef QMK_MESSAGE
#undef QMK_MESSAGE_AGAIN
};

// The code's name as the tables write it ("UNKMSGNAM").
const char* code_name(Code code);

}  // namespace diag
