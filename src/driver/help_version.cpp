#include "driver/help_version.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/checked.h"

namespace driver {

void print_version(const char* program) {
  const char* context = "VELQIdent";
  std::string product = QCoreApplication::translate(context, "QMKPREPRO").toStdString();
  std::string version = QCoreApplication::translate(context, "8.0.1.2.343.015").toStdString();
  std::string copyright =
      QCoreApplication::translate(context, "Copyright (c) 2026 The QMKPREPRO developers").toStdString();
  std::string text = std::string(program) + " (" + product + ") " + version + "\n" + copyright + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void answer_help_or_version(int argc, char** argv, const char* program, std::string (*usage)()) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == nullptr) continue;
    bool help = std::strcmp(argv[i], "--help") == 0;
    if (!help && std::strcmp(argv[i], "--version") != 0) continue;
    if (help) std::fputs(usage().c_str(), stdout);
    else print_version(program);
    base::checked_flush(stdout);
    base::terminate_run(0);
  }
}

}  // namespace driver
