#include "diag/base_faults.h"

#include <QCoreApplication>

#include "base/checked.h"
#include "diag/report.h"

namespace diag {

namespace {

[[noreturn]] void report_base_fault(base::InternalFault fault) {
  switch (fault) {
    case base::InternalFault::AnalysisMemory: {
      QString parameter = QCoreApplication::translate("Error Parameter", "memory overflow",
                                                      "Used as a parameter for 'ERRINTFCT' error message");
      report_here(MessageKind::Internal, Code::ERRINTFCT, parameter.toStdString());
      break;
    }
    case base::InternalFault::ConcatNullDestination:
      report_at(MessageKind::Internal, Code::ERRINTFCT, "xstrcat (2)", "", 0);
      break;
    case base::InternalFault::ConcatOverlap:
      report_at(MessageKind::Internal, Code::ERRINTFCT, "xstrcat", "", 0);
      break;
  }
  base::terminate_run(9);  // not reached: an internal message ends the run
}

}  // namespace

void install_base_fault_handler() { base::set_internal_fault_handler(report_base_fault); }

}  // namespace diag
