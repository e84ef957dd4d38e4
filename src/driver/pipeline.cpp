#include "driver/pipeline.h"

#include <QCoreApplication>

#include "base/checked.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "diag/translators.h"

namespace driver {

int run_qmkprepro(int argc, char** argv) {
  diag::install_quiet_message_handler();
  base::install_allocation_handler();
  QCoreApplication application(argc, argv);
  diag::install_translators(application, diag::translation_prefixes());
  diag::register_all_messages();
  diag::finish_run();
}

}  // namespace driver
