// The interface analysis in the compiler's run: started with the command line's restriction,
// include directories, definitions and definitions file, then every interface file loaded in
// the order of the command line; ended after the semantic phase.
#pragma once
#include <string>
#include <vector>

namespace driver {

struct InterfacePhaseInput {
  int restriction = 2;  // 0 KR, 1 ANSI, 2 not given
  std::vector<std::string> include_dirs;
  std::vector<std::string> defines;
  std::string definitions_file;  // empty: none
  std::vector<std::string> interface_files;
};

// The run's values from the decoded command line (the definitions file already named).
InterfacePhaseInput interface_phase_input(const std::vector<std::string>& interface_files,
                                          const std::string& definitions_file);
void start_interface_analysis(const InterfacePhaseInput& input);
// May still report "UNTERCOND".
void end_interface_analysis();

}  // namespace driver
