// The information messages given once the whole script has been analysed.
#pragma once
#include "sema/context.h"

namespace sema {

// "IGNEDTRON", "IGNEDTROF", "IGNEDFTRC" for trace statements dropped because of the trace level;
// "NOPROCCAL" for each procedure that nothing calls; "NODEFMESS" when WAITTILs were analysed and
// no DEF_MESSAGE was.
void report_statement_notices(AnalysisContext& context);

}  // namespace sema
