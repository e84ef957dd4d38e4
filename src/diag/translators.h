// Installation of the translators from "$QANDORDIR/lib/locale".
#pragma once
#include <string>
#include <vector>

class QCoreApplication;

namespace diag {

// The translation-file prefixes of qmkprepro, in load order.
const std::vector<std::string>& translation_prefixes();

// Reads QANDORDIR; unset/empty or a missing lib/locale directory prints its fatal text and exits
// with status 255. Loads prefix + locale name for each prefix and installs what loaded.
void install_translators(QCoreApplication& application, const std::vector<std::string>& prefixes);

// Drops Qt's own warnings so that stderr carries only the system's lines.
void install_quiet_message_handler();

}  // namespace diag
