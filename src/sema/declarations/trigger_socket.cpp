#include "sema/declarations/trigger_socket.h"

#include "sema/declarations/communication.h"

namespace sema {

void declare_trigger_socket(AnalysisContext& context) { declare_socket_comm_type(context, context.model.global()); }

}  // namespace sema
