// Where the statements that report on a read message may stand (messaging.cpp).
#pragma once
#include "sema/model/model.h"

namespace sema {

// Whether MESSAGE_DATE and NO_MESSAGE may stand in `scope`: going outwards through the scopes of
// IF, WHILE, CASE and WHEN, the first other enclosing block is a PROC or a CALLBACK.
bool reads_messages_here(const Scope* scope);

}  // namespace sema
