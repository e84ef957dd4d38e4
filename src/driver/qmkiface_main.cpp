// qmkiface: the interface inspector. Runs the interface analysis of the compiler on header
// files and prints what it sees, one subcommand per question:
//   qmkiface preprocess [OPTIONS] FILE...   the preprocessor's output for `#include "FILE"`
//   qmkiface declare    [OPTIONS] FILE...   the symbols that loading the FILEs records
//   qmkiface class      [OPTIONS] -e EXPR FILE...   the type class of EXPR in the global scope
//   qmkiface checks     [OPTIONS] [--format VAR=FORMAT]... -n NAME -v ASSIGNMENT FILE...
//                                           the check list of a message value
// Diagnostics go to stderr in the compiler's format; the exit status is the compiler's
// (0 clean, 3 warnings, 5 errors, 7 fatal, 9 internal). Unlike qmkprepro, qmkiface prints
// no end-of-run message: its stderr carries only the messages about the files themselves.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/checked.h"
#include "diag/base_faults.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "diag/translators.h"
#include "driver/help_version.h"
#include "iface/query/analysis_context.h"
#include "iface/query/anc_expressions.h"
#include "iface/query/anc_session.h"
#include "iface/query/format.h"
#include "iface/query/value_check.h"
#include "iface/cparse/c_declarations.h"
#include "iface/dict/dictionary.h"
#include "iface/pp/preprocessor.h"
#include "iface/dict/type_print.h"

namespace {

struct Options {
  std::vector<std::string> include_dirs;
  std::vector<std::string> defines;
  std::string defs_file;
  int restriction = 2;  // 1 ANSI, 0 K&R, 2 not given
  std::vector<std::string> files;
  std::string expression;  // class: -e
  std::string name;        // checks: -n
  std::string assignment;  // checks: -v
  std::vector<std::string> formats;  // checks: --format VAR=FORMAT, in order
};

// Position of the messages about the texts given on the command line.
constexpr const char* kCommandLineFile = "<cmdline>";

const char usage_text[] =
    "usage: qmkiface preprocess [OPTIONS] FILE...\n"
    "       qmkiface declare    [OPTIONS] FILE...\n"
    "       qmkiface class      [OPTIONS] -e EXPR FILE...\n"
    "       qmkiface checks     [OPTIONS] [--format VAR=FORMAT]... -n NAME -v ASSIGNMENT FILE...\n"
    "OPTIONS: -I DIR  -D NAME[=VALUE]  --defs FILE  --ansi | --kr\n"
    "         qmkiface --help | --version\n";

[[noreturn]] void usage_error() {
  std::fputs(usage_text, stderr);
  diag::report_fatal(diag::Code::COMMFATAL);
}

// Reads the common options; every other argument is a file. `extra` takes the options of
// one subcommand: it returns the number of arguments it used (0: not its option).
Options parse_options(int argc, char** argv, int first) {
  Options o;
  for (int i = first; i < argc; ++i) {
    std::string_view a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) usage_error();
      return argv[++i];
    };
    if (a == "-I") {
      o.include_dirs.push_back(value());
    } else if (a.size() > 2 && a.substr(0, 2) == "-I") {
      o.include_dirs.emplace_back(a.substr(2));
    } else if (a == "-D") {
      o.defines.push_back(value());
    } else if (a.size() > 2 && a.substr(0, 2) == "-D") {
      o.defines.emplace_back(a.substr(2));
    } else if (a == "--defs") {
      o.defs_file = value();
    } else if (a == "-e") {
      o.expression = value();
    } else if (a == "-n") {
      o.name = value();
    } else if (a == "-v") {
      o.assignment = value();
    } else if (a == "--format") {
      o.formats.push_back(value());
    } else if (a == "--ansi") {
      o.restriction = 1;
    } else if (a == "--kr") {
      o.restriction = 0;
    } else if (a.size() > 1 && a[0] == '-') {
      usage_error();
    } else {
      o.files.emplace_back(a);
    }
  }
  if (o.files.empty()) usage_error();
  return o;
}

// 0 clean, 3 warnings only, 5 errors: the compiler's statuses, without its end message.
[[noreturn]] void finish() {
  int status = diag::error_count() > 0 ? 5 : diag::warning_count() > 0 ? 3 : 0;
  // What was printed must have reached its destination: a write error is fatal ("fflush").
  base::checked_flush(stdout);
  diag::close_listing();
  base::terminate_run(status);
}

// The analysis start that `anc_begin` makes: the preprocessor, then the definitions file, whose
// output goes to `definitions` when given.
void start_analysis(const Options& o, std::string* definitions = nullptr) {
  iface::PreprocessorStart start;
  start.ansi = o.restriction == 1;
  start.kr = o.restriction == 0;
  start.include_dirs = o.include_dirs;
  start.defines = o.defines;
  iface::the_preprocessor().start(start);
  if (!o.defs_file.empty()) {
    std::string out;
    iface::the_preprocessor().run_file_text("#include \"" + o.defs_file + "\"", out);
    if (definitions != nullptr) *definitions = std::move(out);
  }
}

int run_preprocess(const Options& o) {
  start_analysis(o);
  for (const std::string& file : o.files) {
    std::string out;
    iface::the_preprocessor().run_file_text("#include \"" + file + "\"", out);
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  iface::the_preprocessor().end();
  finish();
}

// The enumerators' values of each enumeration, indexed once by name: looking each enumerator up
// in its list would make printing a large enumeration quadratic.
class EnumeratorValues {
 public:
  long long value_of(const iface::TypeDescriptor* enumeration, const char* name) {
    auto [index, fresh] = indexes_.try_emplace(enumeration);
    if (fresh)
      for (const iface::Enumerator& e : iface::enum_data(enumeration)->enumerators) index->second[e.name] = e.value;
    auto found = index->second.find(name);
    return found != index->second.end() ? found->second : 0;
  }

 private:
  std::unordered_map<const iface::TypeDescriptor*, std::unordered_map<const char*, long long>> indexes_;
};

// One recorded symbol as a declaration: "extern int n;", "typedef unsigned long size_t;",
// "struct net::packet;", "enum mode MODE_ON = 4;". An enumerator of an unnamed enumeration is
// "enum { ... } RED = 0;": its enumerators are lines of their own.
std::string printed_symbol(const iface::SymbolEntry& entry, EnumeratorValues& values) {
  const iface::Declaration& d = entry.declaration;
  std::string name = d.name;
  if (const iface::ScopeInfo* scope = iface::scope_info(d.scope); scope != nullptr && !scope->qualified_name.empty())
    name = scope->qualified_name + "::" + name;
  if (entry.table == iface::SymbolTable::Tags && d.type->kind == iface::TypeKind::ClassTemplate)
    return std::string("template ") + (iface::template_data(d.type)->is_struct ? "struct " : "class ") + name + ";";
  if (entry.table == iface::SymbolTable::Tags) return iface::type_text(d.type) + ";";
  if (entry.table == iface::SymbolTable::Enumerators) {
    long long value = values.value_of(d.type, d.name);
    std::string enumeration = iface::enum_data(d.type)->name != nullptr ? iface::type_text(d.type) : "enum { ... }";
    return enumeration + " " + name + " = " + std::to_string(value) + ";";
  }
  const iface::TypedefData* alias = iface::typedef_data(d.type);
  if (alias != nullptr && alias->name == d.name)
    return "typedef " + iface::declaration_statement(alias->target, name, iface::PrintMode::AsDeclared);
  std::string storage = (entry.flags & iface::kSymbolStatic) ? "static " : (entry.flags & iface::kSymbolExtern) ? "extern " : "";
  return storage + iface::declaration_statement(d.type, name, iface::PrintMode::AsDeclared);
}

int run_declare(const Options& o) {
  iface::Analysis& analysis = iface::current_analysis();
  analysis.reset();
  iface::Dictionary& dictionary = analysis.dictionary();
  iface::DeclarationAnalyser& analyser = analysis.analyser();
  std::string definitions;
  start_analysis(o, &definitions);
  if (!o.defs_file.empty()) iface::analyse_declarations(analyser, definitions, nullptr, o.defs_file, 1);
  for (const std::string& file : o.files) {
    std::string out;
    analysis.preprocessor().run_file_text("#include \"" + file + "\"", out);
    iface::analyse_declarations(analyser, out, nullptr, file, 1);
  }
  analysis.preprocessor().end();
  std::string listing;
  EnumeratorValues values;
  iface::visit_symbols(dictionary, [&listing, &values](const iface::SymbolEntry& entry) {
    if (entry.declaration.name == nullptr || entry.declaration.name == iface::kReservedVariable) return;
    listing += printed_symbol(entry, values);
    listing += '\n';
  });
  std::fwrite(listing.data(), 1, listing.size(), stdout);
  finish();
}

// Loads the FILEs as the compiler loads its interface files.
void load_interfaces(const Options& o) {
  iface::anc_begin(o.restriction, o.include_dirs, o.defines, o.defs_file);
  for (const std::string& file : o.files) iface::anc_load_interface_file(file);
}

int run_class(const Options& o) {
  load_interfaces(o);
  int type_class = -1;
  iface::anc_expression_class(o.expression, "", kCommandLineFile, 1, type_class);
  std::printf("%d\n", type_class);
  std::fflush(stdout);
  iface::anc_end();
  finish();
}

// One check node as a tab-separated line.
std::string printed_check(const iface::CheckNode& node) {
  auto or_dash = [](std::string_view text) { return text.empty() ? std::string("-") : std::string(text); };
  std::string line = std::to_string(node.kind);
  for (const std::string& field :
       {or_dash(node.name != nullptr ? node.name : ""), std::to_string(node.type_class), std::to_string(node.index_low),
        std::to_string(node.index_high), std::to_string(node.whole), std::to_string(node.display_base),
        std::to_string(node.selected_member), or_dash(node.value_text), or_dash(node.low_text),
        or_dash(node.high_text)}) {
    line += '\t';
    line += field;
  }
  return line;
}

int run_checks(const Options& o) {
  load_interfaces(o);
  for (const std::string& format : o.formats) {
    std::size_t equals = format.find('=');
    if (equals == std::string::npos) usage_error();
    iface::anc_set_format(1, "", format.substr(0, equals), format.substr(equals + 1), kCommandLineFile, 1);
  }
  iface::CheckNode* list = nullptr;
  int result = iface::anc_build_value_checks(o.name, o.assignment, "", kCommandLineFile, 1, list);
  std::string out = "result " + std::to_string(result) + "\n";
  for (const iface::CheckNode* node = list; node != nullptr; node = node->next) out += printed_check(*node) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
  iface::anc_free_value_checks(list);
  iface::anc_drop_formats(1);
  iface::anc_end();
  finish();
}

struct Subcommand {
  const char* name;
  int (*run)(const Options&);
};

const Subcommand subcommands[] = {
    {"preprocess", run_preprocess},
    {"declare", run_declare},
    {"class", run_class},
    {"checks", run_checks},
};

// Translations when QANDORDIR names an installation; the source texts otherwise.
void install_translations_if_any(QCoreApplication& application) {
  const char* dir = std::getenv("QANDORDIR");
  if (dir == nullptr || *dir == '\0') return;
  QString locale_dir = QString::fromLocal8Bit(dir) + QDir::separator() + "lib" + QDir::separator() + "locale";
  if (!QFileInfo(locale_dir).isDir()) return;
  diag::install_translators(application, diag::translation_prefixes());
}

}  // namespace

int main(int argc, char** argv) {
  diag::install_quiet_message_handler();
  base::install_allocation_handler();
  diag::install_base_fault_handler();
  QCoreApplication application(argc, argv);
  install_translations_if_any(application);
  diag::register_all_messages();
  driver::answer_help_or_version(argc, argv, "qmkiface", [] { return std::string(usage_text); });
  if (argc < 2) usage_error();
  for (const Subcommand& s : subcommands)
    if (std::strcmp(argv[1], s.name) == 0) return s.run(parse_options(argc, argv, 2));
  usage_error();
}
