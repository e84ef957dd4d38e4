// Turns the base services' internal faults into the reporting service's diagnostics.
#pragma once

namespace diag {

// Installs the handler once at program start (and in tests that provoke a base fault):
// AnalysisMemory is the internal "ERRINTFCT" with the translated "memory overflow" at the current
// position; a misused concatenation is "ERRINTFCT" with "xstrcat (2)" (no destination) or
// "xstrcat" (a text inside its own destination), without a position. Each ends the run, status 9.
void install_base_fault_handler();

}  // namespace diag
