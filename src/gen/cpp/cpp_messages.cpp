// The service functions of a message type with values: dump, reference and compare. This file
// holds their frames only, so that drivers with messages compile: the dump and the reference
// output write nothing yet and the comparison has no field checks, so every received message
// matches. The per-field bodies come with the VAR and DEF_MESSAGE writer, which replaces this file.
#include "gen/cpp/cpp_writer.h"

namespace gen {

void CppWriter::write_message_functions(const sema::Entry* message) { write_message_frames(message); }

}  // namespace gen
