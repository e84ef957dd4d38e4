#include "driver/interface_phase.h"

#include "iface/query/anc_session.h"

namespace driver {

InterfacePhaseInput interface_phase_input(const RunOptions& options, const std::string& definitions_file) {
  InterfacePhaseInput input;
  input.restriction = options.restriction;
  input.include_dirs = options.include_dirs;
  input.defines = options.defines;
  input.definitions_file = definitions_file;
  input.interface_files = options.interface_files;
  return input;
}

void start_interface_analysis(const InterfacePhaseInput& input) {
  iface::anc_begin(static_cast<int>(input.restriction), input.include_dirs, input.defines, input.definitions_file);
  for (const std::string& file : input.interface_files) iface::anc_load_interface_file(file);
}

void end_interface_analysis() { iface::anc_end(); }

}  // namespace driver
