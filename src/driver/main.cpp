// qmkprepro: the test-script compiler.
#include <string>

#include "driver/decoder_messages.h"
#include "driver/help_version.h"
#include "driver/pipeline.h"

namespace {

// The usage text of a command line that does not decode, without its leading newline.
std::string usage() { return driver::usage_text().substr(1) + "\n"; }

}  // namespace

int main(int argc, char** argv) {
  driver::answer_help_or_version(argc, argv, "qmkprepro", usage);
  return driver::run_qmkprepro(argc, argv);
}
