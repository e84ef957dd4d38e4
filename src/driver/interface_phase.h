// The interface analysis in the compiler's run: started with the command line's restriction,
// include directories, definitions and definitions file, then every interface file loaded in
// the order of the command line; ended after the semantic phase.
#pragma once
#include <string>
#include <vector>

#include "driver/run_options.h"

namespace driver {

// The phase's parameters.
struct InterfacePhaseInput {
  Restriction restriction = Restriction::NotGiven;
  std::vector<std::string> include_dirs;
  std::vector<std::string> defines;
  std::string definitions_file;  // empty: none
  std::vector<std::string> interface_files;
};

// The parameters from the run's options and its definitions file (already named; empty: none).
InterfacePhaseInput interface_phase_input(const RunOptions& options, const std::string& definitions_file);
void start_interface_analysis(const InterfacePhaseInput& input);
// May still report "UNTERCOND".
void end_interface_analysis();

}  // namespace driver
