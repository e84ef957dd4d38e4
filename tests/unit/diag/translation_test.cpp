// The shipped translation files, loaded the way the programs load them.
//
// install_translators takes the locale name from QLocale::system(). On POSIX that reads LC_ALL,
// then LC_MESSAGES, then LANG (a non-C value can still be overridden by LANGUAGE), once per
// process, on first use; QLocale::setDefault does not change it. So each locale is checked in a
// process of its own: a death test in "threadsafe" style re-runs this program for the one test,
// the check sets the environment before anything asks Qt for a locale, and it exits with 0 when
// every text matched (the mismatches go to stderr, which the failure report shows).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "diag/catalogue.h"
#include "diag/report.h"
#include "diag/translators.h"
#include "recording_translator.h"

namespace {

const char usage_source[] =
    "\nUsage QMKPREPRO:\n\t<scn>\n\t<interface_file>[,interface_file]\n\t<root>\n"
    "\t[-INCL=<directory_list>[,directory_list]]\n\t[-SET=<letters>]\n"
    "\t[-DEFINE=<compiler_option>[,compiler_option]]\n\t[-STD_DEFINE=<file>]\n\t[-STUDIO_LOG=<file>]\n"
    "\t[-SCN=<scenario_name>[,scenario_name]]\n\t[-EXSCN=<exscenario_name>[,exscenario_name]]\n"
    "\t[-FAMILY=<family_name>[,family_name]]\n\t[-EXFAMILY=<exfamily_name>[,exfamily_name]]\n"
    "\t[-INSTANCE=<instance_name>]\n\t[-RESTRICTION=<ANSI|KR>]\n\t[-FAST|-NOFAST]\n\t[-PROBE=<CUSTOM|DEFAULT>]\n"
    "\t[-LOG|-NOLOG]\n\t[-ALLOCATION[=<DYNAMIC|STACK>]]\n\t[-THREAD[=<routine_name>]]\n\t[-NOTSHARED]\n"
    "\t[-NOPATH]\n\t[-NOCOMMENT]\n\t[-SPVGEN]\n\t[-TRACE=<ERROR|TIME|SCN|CIRCULAR>]\n\t[-BUFSIZE=<buffer_size>]";

const char usage_french[] =
    "\nUtilisation de QMKPREPRO :\n\t<scn>\n\t<fichier_interface>[,fichier_interface]\n\t<racine>\n"
    "\t[-INCL=<liste_repertoires>[,liste_repertoires]]\n\t[-SET=<lettres>]\n"
    "\t[-DEFINE=<option_compilation>[,option_compilation]]\n\t[-STD_DEFINE=<fichier>]\n\t[-STUDIO_LOG=<fichier>]\n"
    "\t[-SCN=<nom_scenario>[,nom_scenario]]\n\t[-EXSCN=<nom_exscenario>[,nom_exscenario]]\n"
    "\t[-FAMILY=<nom_famille>[,nom_famille]]\n\t[-EXFAMILY=<nom_exfamille>[,nom_exfamille]]\n"
    "\t[-INSTANCE=<nom_instance>]\n\t[-RESTRICTION=<ANSI|KR>]\n\t[-FAST|-NOFAST]\n\t[-PROBE=<CUSTOM|DEFAULT>]\n"
    "\t[-LOG|-NOLOG]\n\t[-ALLOCATION[=<DYNAMIC|STACK>]]\n\t[-THREAD[=<nom_routine>]]\n\t[-NOTSHARED]\n"
    "\t[-NOPATH]\n\t[-NOCOMMENT]\n\t[-SPVGEN]\n\t[-TRACE=<ERROR|TIME|SCN|CIRCULAR>]\n\t[-BUFSIZE=<taille_buffer>]";

const char fatal_system_source[] = "FATAL ERROR on '%1',\n Please contact your administrative.";

// Collects the mismatches of one run.
struct Mismatches {
  std::string text;
  void expect(const std::string& what, const std::string& actual, const std::string& expected) {
    if (actual != expected) text += what + ":\n  got      [" + actual + "]\n  expected [" + expected + "]\n";
  }
  void expect_true(const std::string& what, bool condition) {
    if (!condition) text += what + "\n";
  }
};

std::string tr(const char* context, const char* source, const char* comment = nullptr) {
  return QCoreApplication::translate(context, source, comment).toStdString();
}

std::string catalogue_text(const char* code) {
  const std::string* text = diag::catalogue_find(code);
  return text == nullptr ? std::string("<none>") : *text;
}

// The placeholders of a text in order, and whether it starts with one.
std::string placeholder_signature(const std::string& text) {
  std::string signature = text.rfind("%", 0) == 0 ? "lead:" : "";
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
    if (at + 1 < text.size()) signature += text.substr(at, 2);
  return signature;
}

std::string locale_directory() { return std::string(std::getenv("QANDORDIR")) + "/lib/locale"; }

// Sets the locale environment, creates the application and installs the translators as
// qmkprepro does; ends the process with 0 when `check` finds no mismatch.
[[noreturn]] void run_in_locale(const char* locale, void (*check)(Mismatches&)) {
  unsetenv("LANGUAGE");
  unsetenv("LC_MESSAGES");
  setenv("LC_ALL", locale, 1);
  setenv("LANG", locale, 1);
  static int argc = 1;
  static char name[] = "unit_diag";
  static char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  diag::install_translators(application, diag::translation_prefixes());
  diag::reset_catalogue();
  diag::register_all_messages();
  Mismatches mismatches;
  check(mismatches);
  std::fputs(mismatches.text.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(mismatches.text.empty() ? 0 : 1);
}

// Every catalogue row has its French text, with the placeholders of the source in the same order.
void check_every_row_translated(Mismatches& m) {
  diag_test::RecordingTranslator recorder;  // asked first, answers nothing
  QCoreApplication::installTranslator(&recorder);
  diag::reset_catalogue();
  diag::register_all_messages();
  QCoreApplication::removeTranslator(&recorder);
  m.expect_true("no row reached the translators", !recorder.lookups.empty());
  for (const diag_test::Lookup& row : recorder.lookups) {
    std::string french = tr(row.context.c_str(), row.source.c_str(), row.has_comment ? row.comment.c_str() : nullptr);
    std::string what = row.context + " / " + row.comment + " / " + row.source;
    bool only_placeholders = row.source.find_first_not_of("%12") == std::string::npos;
    m.expect_true("untranslated: " + what, french != row.source || only_placeholders);
    m.expect(what, placeholder_signature(french), placeholder_signature(row.source));
  }
}

void check_french(Mismatches& m) {
  m.expect("decoder message", tr("CAB", "Unknown option,"), "Option inconnue,");
  m.expect("decoder message", tr("CAB", "Ambiguous value of option,"), "Valeur d'option ambiguë,");
  m.expect("decoder title", tr("CAB", "Command analysis"), "Analyse de la commande");
  m.expect("joining word", tr("CAB", "and"), "et");
  m.expect("product name", tr("CAB", "QMKPREPRO"), "QMKPREPRO");
  m.expect("usage text", tr("Command-line", usage_source), usage_french);
  m.expect("banner title", tr("VELQIdent", "Rudoze D++ Oriz Avudavuv"), "Rudoze D++ Oriz Avudavuv, édition française");
  m.expect("copyright", tr("VELQIdent", "Copyright (c) 2026 The QMKPREPRO developers"),
           "Copyright (c) 2026 Les développeurs de QMKPREPRO");
  m.expect("fatal system text", tr("Fatal Error (cstsyst)", fatal_system_source, "'%1' is a function name"),
           "ERREUR FATALE sur '%1',\n Veuillez contacter votre administrateur.");
  m.expect("fatal system text without comment", tr("Fatal Error (cstsyst)", fatal_system_source),
           "ERREUR FATALE sur '%1',\n Veuillez contacter votre administrateur.");
  m.expect("error parameter", tr("Error Parameter", "memory overflow", "Used as a parameter for 'ERRINTFCT' error message"),
           "dépassement de mémoire");

  // Catalogue texts in force: the end texts come from the base table, which registers last for them.
  m.expect("ENDERRWAR", catalogue_text("ENDERRWAR"), "Fin d'exécution avec %1 erreur(s) et %2 avertissement(s)");
  m.expect("ENDERRNWR", catalogue_text("ENDERRNWR"), "Fin d'exécution avec %1 erreur(s)");
  m.expect("ENDNOEWAR", catalogue_text("ENDNOEWAR"), "Fin d'exécution avec %1%2 avertissement(s)");
  m.expect("ENDNOENWR", catalogue_text("ENDNOENWR"), "Fin d'exécution avec 0 erreur et 0 avertissement%1%2");
  m.expect("FICERROPN", catalogue_text("FICERROPN"), "Problème d'ouverture du fichier %1");
  m.expect("FICNOTOPN", catalogue_text("FICNOTOPN"), "Problème d'accès au fichier %1");
  m.expect("NOMESSDEF", catalogue_text("NOMESSDEF"), "Message non défini pour le code numéro %1");
  m.expect("UNEXPWHIL", catalogue_text("UNEXPWHIL"), "%1Mot-clé WHILE inattendu");
  m.expect("STARTEXEC", catalogue_text("STARTEXEC"), "%1%2");
  m.expect("end line", diag::format_message(diag::MessageKind::Information, "ENDNOEWAR", "", "3"),
           "Qandor-I-ENDNOEWAR,  Fin d'exécution avec 3 avertissement(s)\n");
  m.expect("positioned line",
           diag::format_message(diag::MessageKind::Error, "CANNOTOPN", diag::location_prefix("a.pts", 3), "x.h"),
           "Qandor-E-CANNOTOPN,  [a.pts:3] Impossible d'ouvrir le fichier x.h\n");

  // The script compiler's own rows are translated as well (they are in force until the base table).
  m.expect("script-compiler ENDNOENWR",
           tr("Information", "End of execution with 0 error and 0 warning%1%2", "Error code is \"ENDNOENWR\""),
           "Fin d'exécution avec 0 erreur et 0 avertissement%1%2");
  m.expect("script-compiler FICERROPN", tr("File error", "File %1 opening problem", "Error code is \"FICERROPN\""),
           "Problème d'ouverture du fichier %1");
  check_every_row_translated(m);
  // Every prefix has its French file.
  for (const std::string& prefix : diag::translation_prefixes()) {
    QTranslator translator;
    m.expect_true(prefix + "fr_FR does not load",
                  translator.load(QString::fromStdString(prefix + "fr_FR"), QString::fromStdString(locale_directory())));
  }
}

void check_c_locale(Mismatches& m) {
  m.expect("decoder message", tr("CAB", "Unknown option,"), "Unknown option,");
  m.expect("usage text", tr("Command-line", usage_source), usage_source);
  m.expect("banner title", tr("VELQIdent", "Rudoze D++ Oriz Avudavuv"), "Rudoze D++ Oriz Avudavuv");
  m.expect("ENDERRWAR", catalogue_text("ENDERRWAR"), "End of execution with %1 error(s) and %2 warning(s)");
  m.expect("FICNOTOPN", catalogue_text("FICNOTOPN"), "File %1 access problem");
  // No file answers to the C locale: the search shortens "cab_C" to "cab", which must not exist.
  for (const std::string& prefix : diag::translation_prefixes()) {
    QTranslator translator;
    m.expect_true(prefix + "C loads a file",
                  !translator.load(QString::fromStdString(prefix + "C"), QString::fromStdString(locale_directory())));
  }
}

class TranslationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ASSERT_NE(std::getenv("QANDORDIR"), nullptr) << "QANDORDIR must name the build folder (ctest sets it)";
    ASSERT_TRUE(QDir(QString::fromStdString(locale_directory())).exists());
  }
};

TEST_F(TranslationTest, FrenchLocaleGivesFrenchTexts) {
  EXPECT_EXIT(run_in_locale("fr_FR.UTF-8", check_french), ::testing::ExitedWithCode(0), "");
}

TEST_F(TranslationTest, LocaleNameWithoutEncodingAlsoLoads) {
  EXPECT_EXIT(run_in_locale("fr_FR", check_french), ::testing::ExitedWithCode(0), "");
}

TEST_F(TranslationTest, CLocaleKeepsTheSourceTexts) {
  EXPECT_EXIT(run_in_locale("C", check_c_locale), ::testing::ExitedWithCode(0), "");
}

}  // namespace
