// The program's pipeline, from the application object to finish_run.
#pragma once

namespace driver {

// Runs one compilation; never returns normally (the run ends through finish_run or a fatal path).
int run_qmkprepro(int argc, char** argv);

}  // namespace driver
