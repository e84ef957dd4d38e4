#include "driver/decoder_messages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>

namespace driver {

namespace {

const char* const message_sources[] = {
    QT_TRANSLATE_NOOP("CAB", "Arg value too small,"),
    QT_TRANSLATE_NOOP("CAB", "Arg value too large,"),
    QT_TRANSLATE_NOOP("CAB", "Arg length too small,"),
    QT_TRANSLATE_NOOP("CAB", "Arg length too large,"),
    QT_TRANSLATE_NOOP("CAB", "Too many arguments invalid argument,"),
    QT_TRANSLATE_NOOP("CAB", "List forbidden invalid argument,"),
    QT_TRANSLATE_NOOP("CAB", "Unknown option,"),
    QT_TRANSLATE_NOOP("CAB", "Invalid character following option,"),
    QT_TRANSLATE_NOOP("CAB", "An option can't be used twice,"),
    QT_TRANSLATE_NOOP("CAB", "Mandatory argument for this option,"),
    QT_TRANSLATE_NOOP("CAB", "No argument for this option,"),
    QT_TRANSLATE_NOOP("CAB", "List forbidden invalid option,"),
    QT_TRANSLATE_NOOP("CAB", "Argument missing,"),
    QT_TRANSLATE_NOOP("CAB", "Ambiguous option,"),
    QT_TRANSLATE_NOOP("CAB", "Unknown value of option,"),
    QT_TRANSLATE_NOOP("CAB", "Ambiguous value of option,"),
    QT_TRANSLATE_NOOP("CAB", "Illegal combination of command elements,"),
    QT_TRANSLATE_NOOP("CAB", "File not found"),
    QT_TRANSLATE_NOOP("CAB", "Command analysis: No memory left"),
    QT_TRANSLATE_NOOP("CAB", "Command analysis"),
    QT_TRANSLATE_NOOP("CAB", "Internal error, bad option name"),
};

const char usage_source[] =
    "\nUsage QMKPREPRO:\n\t<scn>\n\t<interface_file>[,interface_file]\n\t<root>\n"
    "\t[-INCL=<directory_list>[,directory_list]]\n\t[-SET=<letters>]\n"
    "\t[-DEFINE=<compiler_option>[,compiler_option]]\n\t[-STD_DEFINE=<file>]\n\t[-STUDIO_LOG=<file>]\n"
    "\t[-SCN=<scenario_name>[,scenario_name]]\n\t[-EXSCN=<exscenario_name>[,exscenario_name]]\n"
    "\t[-FAMILY=<family_name>[,family_name]]\n\t[-EXFAMILY=<exfamily_name>[,exfamily_name]]\n"
    "\t[-INSTANCE=<instance_name>]\n\t[-RESTRICTION=<ANSI|KR>]\n\t[-FAST|-NOFAST]\n"
    "\t[-PROBE=<CUSTOM|DEFAULT>]\n\t[-LOG|-NOLOG]\n\t[-ALLOCATION[=<DYNAMIC|STACK>]]\n"
    "\t[-THREAD[=<routine_name>]]\n\t[-NOTSHARED]\n\t[-NOPATH]\n\t[-NOCOMMENT]\n\t[-SPVGEN]\n"
    "\t[-TRACE=<ERROR|TIME|SCN|CIRCULAR>]\n\t[-BUFSIZE=<buffer_size>]";

std::string translate(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

std::string decoder_text(DecoderMessage message) {
  return translate("CAB", message_sources[static_cast<int>(message)]);
}

std::string joining_word() { return translate("CAB", "and"); }

std::string decoder_line(DecoderMessage message, std::string_view argument) {
  std::string line = translate("CAB", "QMKPREPRO");
  line += ' ';
  line += decoder_text(DecoderMessage::Title);
  line += " : ";
  line += decoder_text(message);
  if (!argument.empty()) {
    line += ' ';
    line += argument;
  }
  return line;
}

std::string usage_text() {
  QString usage = QCoreApplication::translate("Command-line", usage_source);
  static const QRegularExpression internal_lines(QStringLiteral("\n\t\\[-XT[^\n]*"));
  usage.remove(internal_lines);
  return usage.toStdString();
}

void print_decoder_message(DecoderMessage message, std::string_view argument) {
  std::string text = decoder_line(message, argument) + usage_text() + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace driver
