#include "diag/translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "base/checked.h"

namespace diag {

const std::vector<std::string>& translation_prefixes() {
  static const std::vector<std::string> prefixes = {"qmk_",    "velqident_", "bibli_",    "modbas_",
                                                    "anaccpp_", "cab_",       "qmkprepro_"};
  return prefixes;
}

void install_translators(QCoreApplication& application, const std::vector<std::string>& prefixes) {
  const char* installation = std::getenv("QANDORDIR");
  if (installation == nullptr || *installation == '\0') {
    std::fprintf(stderr, "Fatal Error: please setup QANDORDIR environment variable.\n");
    base::terminate_run(-1);
  }
  QString directory = QString::fromLocal8Bit(installation) + QDir::separator() + "lib" + QDir::separator() + "locale";
  if (!QFileInfo(directory).isDir()) {
    QString text = QString("Fatal Error: directory doesn't exist '%1'\n").arg(directory);
    std::fprintf(stderr, "%s", text.toLocal8Bit().constData());
    base::terminate_run(-1);
  }
  QString locale = QLocale::system().name();
  for (const std::string& prefix : prefixes) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QString::fromStdString(prefix) + locale, directory)) {
      QCoreApplication::installTranslator(translator);
    } else {
      delete translator;
    }
  }
}

namespace {
void quiet_handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // Qt's own warnings (e.g. about arg placeholders) never reach the user's stderr.
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::abort();
  }
}
}  // namespace

void install_quiet_message_handler() { qInstallMessageHandler(quiet_handler); }

}  // namespace diag
