#include "driver/interface_phase.h"

#include "driver/options.h"
#include "iface/query/anc_session.h"

namespace driver {

InterfacePhaseInput interface_phase_input(const std::vector<std::string>& interface_files,
                                          const std::string& definitions_file) {
  InterfacePhaseInput input;
  input.restriction = restriction();
  input.include_dirs = include_dirs();
  input.defines = defines();
  input.definitions_file = definitions_file;
  input.interface_files = interface_files;
  return input;
}

void start_interface_analysis(const InterfacePhaseInput& input) {
  iface::anc_begin(input.restriction, input.include_dirs, input.defines, input.definitions_file);
  for (const std::string& file : input.interface_files) iface::anc_load_interface_file(file);
}

void end_interface_analysis() { iface::anc_end(); }

}  // namespace driver
