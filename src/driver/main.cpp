// qmkprepro: the test-script compiler.
#include "driver/pipeline.h"

int main(int argc, char** argv) { return driver::run_qmkprepro(argc, argv); }
