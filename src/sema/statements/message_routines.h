// The CALLBACK that reads, and the PROCSEND that sends, a message type on a communication type:
// the one declared for the pair, or else the one of the nearest base class of the message type
// (in a message class hierarchy, the routine of a base class also handles the derived messages).
#pragma once
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

struct RoutineChoice {
  Entry* routine = nullptr;  // none: no routine for the message type, nor for a base class of it
  bool ambiguous = false;    // two or more base classes at the nearest distance have one
};

// `kind` is EntryKind::Callback or EntryKind::Procsend. Only the routines declared so far count.
RoutineChoice choose_routine(AnalysisContext& context, EntryKind kind, const Entry* message_type,
                             const Entry* comm_type);

}  // namespace sema
