// dump_tree [-I DIR]... [--nocomment] [--quiet] SCRIPT
// Parses SCRIPT as the compiler does and prints, on stdout, one line per syntax-tree node
// (slot, kind number and name, line, file number, text) indented by depth, then the source file
// records and the script flags. Diagnostics and the end message go to stderr; the exit status
// is the run's status.
#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/checked.h"
#include "diag/base_faults.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "diag/translators.h"
#include "script/parse_script.h"
#include "script/tree_view.h"

namespace {

// Texts of the reader's and parser's codes, used only when the catalogue has none for a code
// (so that the tests see positions before every table is complete).
const char* const fallback_texts[][2] = {
    {"UNEXPTEOF", "%1Unexpected end of file"},
    {"UNEXPTRET", "%1Unexpected end of line"},
    {"UNEXPASSG", "%1Unexpected '='"},
    {"UNEXPLPAR", "%1Unexpected '('"},
    {"UNEXPRPAR", "%1Unexpected ')'"},
    {"UNEXPLBRA", "%1Unexpected '['"},
    {"UNEXPRBRA", "%1Unexpected ']'"},
    {"UNEXPARRW", "%1Unexpected '=>'"},
    {"UNEXPCOLN", "%1Unexpected ':'"},
    {"UNEXPCOMM", "%1Unexpected ','"},
    {"UNEXPSEMI", "%1Unexpected ';'"},
    {"UNEXPAROB", "%1Unexpected '@'"},
    {"UNEXPCALL", "%1Unexpected keyword CALL"},
    {"UNEXPCASE", "%1Unexpected keyword CASE"},
    {"UNEXPDFTR", "%1Unexpected keyword DEF_TRIGGER"},
    {"UNEXPDISC", "%1Unexpected keyword DISABLE_CLEANUP"},
    {"UNEXPELSE", "%1Unexpected keyword ELSE"},
    {"UNEXPENAC", "%1Unexpected keyword ENABLE_CLEANUP"},
    {"UNEXPTEND", "%1Unexpected keyword END"},
    {"UNEXPERRR", "%1Unexpected keyword ERROR"},
    {"UNEXPEXIT", "%1Unexpected keyword EXIT"},
    {"UNEXPFAML", "%1Unexpected keyword FAMILY"},
    {"UNEXPFDAD", "%1Unexpected keyword FD_ADD"},
    {"UNEXPFDDE", "%1Unexpected keyword FD_DEL"},
    {"UNEXPHEAD", "%1Unexpected keyword HEADER"},
    {"UNEXPTKIF", "%1Unexpected keyword IF"},
    {"UNEXPINCL", "%1Unexpected keyword INCLUDE"},
    {"UNEXPTKIS", "%1Unexpected keyword IS"},
    {"UNEXPINTZ", "%1Unexpected keyword INITIALIZATION"},
    {"UNEXPOTHR", "%1Unexpected keyword OTHERS"},
    {"UNEXPPROC", "%1Unexpected keyword PROC"},
    {"UNEXPTREF", "%1Unexpected keyword REF"},
    {"UNEXPSCEN", "%1Unexpected keyword SCENARIO"},
    {"UNEXPTSET", "%1Unexpected keyword SET"},
    {"UNEXPTERM", "%1Unexpected keyword TERMINATION"},
    {"UNEXPEXCP", "%1Unexpected keyword EXCEPTION"},
    {"UNEXPTHEN", "%1Unexpected keyword THEN"},
    {"UNEXPTRIG", "%1Unexpected keyword TRIGGER"},
    {"UNEXPUNST", "%1Unexpected keyword UNSET"},
    {"UNEXPTVAR", "%1Unexpected keyword VAR"},
    {"UNEXPWAIT", "%1Unexpected keyword WAITTIL"},
    {"UNEXPWHIL", "%1Unexpected keyword WHILE"},
    {"UNEXPWHEN", "%1Unexpected keyword WHEN"},
    {"UNEXPDECM", "%1Unexpected number"},
    {"UNEXPSTRG", "%1Unexpected string"},
    {"UNEXPENVV", "%1Unexpected environment variable"},
    {"UNEXPIDNT", "%1Unexpected identifier"},
    {"UNEXPFILT", "%1Unexpected execution filter"},
    {"UNEXPSND", "%1Unexpected keyword SEND"},
    {"UNEXPPSND", "%1Unexpected keyword PROCSEND"},
    {"UNEXPIDCL", "%1Unexpected keyword DECLARE_INSTANCE"},
    {"UNEXPIST", "%1Unexpected keyword INSTANCE"},
    {"UNEXPFTRC", "%1Unexpected keyword FLUSH_TRACE"},
    {"UNEXPTRON", "%1Unexpected keyword TRACE_ON"},
    {"UNEXPTROF", "%1Unexpected keyword TRACE_OFF"},
    {"UNEXPISND", "%1Unexpected keyword INTERSEND"},
    {"UNEXPIRCV", "%1Unexpected keyword INTERRECV"},
    {"UNEXPCMMT", "%1Unexpected COMMENT line"},
    {"UNEXPNIAN", "%1Unexpected native line"},
    {"UNEXPEXPR", "%1Unexpected native expression"},
    {"LEXTKTLNG", "%1Token longer than 14999 characters: %2"},
    {"INCLOOPDT", "%1Include loop: a file cannot include itself or a file that includes it"},
    {"STXNOMESS", "%1No syntax message for token %2. Ask for maintenance help."},
    {"LEXSEQUNK", "%1Unknown character sequence"},
    {"UNEXPVARI", "%1Unexpected keyword INIT="},
    {"UNEXPVARV", "%1Unexpected value keyword (VA=, EV= or EV==)"},
    {"UNEXPSHAR", "%1Unexpected keyword SHARE"},
    {"UNEXPCMTY", "%1Unexpected keyword COMMTYPE"},
    {"UNEXPCHAN", "%1Unexpected keyword CHANNEL"},
    {"UNEXPMSGE", "%1Unexpected keyword MESSAGE"},
    {"UNEXPNOMS", "%1Unexpected keyword NO_MESSAGE"},
    {"UNEXPMSDT", "%1Unexpected keyword MESSAGE_DATE"},
    {"UNEXPDFMS", "%1Unexpected keyword DEF_MESSAGE"},
    {"UNEXPCBON", "%1Unexpected keyword ON"},
    {"UNEXPWITH", "%1Unexpected keyword WITH"},
    {"UNEXPMULT", "%1Unexpected keyword MULTIPLEXING"},
    {"UNEXNMTIG", "%1Unexpected keyword NOTMATCHING"},
    {"UNEXNMTED", "%1Unexpected keyword NOTMATCHED"},
    {"UNEXMATIG", "%1Unexpected keyword MATCHING"},
    {"UNEXMATED", "%1Unexpected keyword MATCHED"},
    {"UNEXPADDI", "%1Unexpected keyword ADD_ID"},
    {"UNEXPCLRI", "%1Unexpected keyword CLEAR_ID"},
    {"UNEXPCLBK", "%1Unexpected keyword CALLBACK"},
    {"UNEXPFRMT", "%1Unexpected keyword FORMAT="},
    {"UNEXPTRDV", "%1Unexpected keyword RENDEZVOUS"},
    {"UNEXPTCAR", "%1Unexpected character constant"},
    {"UNEXPTIMR", "%1Unexpected keyword TIMER"},
    {"UNEXPREST", "%1Unexpected keyword RESET"},
    {"UNEXPAUSE", "%1Unexpected keyword PAUSE"},
    {"UNEXPRINT", "%1Unexpected keyword PRINT"},
    {"UNEXPALLC", "%1Unexpected '...'"},
    {"UNEXPIDWH", "%1Unexpected scoped identifier"},
    {"UNEXPCATC", "%1Unexpected keyword CATCH"},
    {"UNEXPLOOP", "%1Unexpected keyword LOOP"},
    {"UNEXPTOUT", "%1Unexpected keyword TIMEOUT"},
    {"INCLOVFLW", "%1Too many included files in current test script"},
    {"UNEXENDPO", "Unexpected end position %1"},
};

void register_fallback_texts() {
  for (const auto& row : fallback_texts) {
    if (diag::catalogue_find(row[0]) == nullptr) diag::catalogue_insert(row[0], row[1]);
  }
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c == '"' || c == '\\') out += std::string("\\") + c;
    else out += c;
  }
  return out + "\"";
}

void dump(const script::SyntaxNode* root) {
  struct Pending {
    const script::SyntaxNode* node;
    int depth;
    char slot;
  };
  std::vector<Pending> pending;
  if (root != nullptr) pending.push_back({root, 0, '-'});
  while (!pending.empty()) {
    Pending p = pending.back();
    pending.pop_back();
    const script::SyntaxNode* n = p.node;
    std::string line(static_cast<std::size_t>(p.depth) * 2, ' ');
    line += p.slot;
    line += ' ' + std::to_string(n->kind) + ' ' + script::node_kind_name(n->kind);
    line += " L" + std::to_string(n->line) + " F" + std::to_string(n->file_number);
    if (n->has_text) line += ' ' + quoted(n->text);
    std::printf("%s\n", line.c_str());
    // Children pushed last to first, so that they print first to last.
    for (int index = 3; index >= 1; --index) {
      if (const script::SyntaxNode* c = script::child(n, index)) {
        pending.push_back({c, p.depth + 1, static_cast<char>('0' + index)});
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  diag::install_quiet_message_handler();
  base::install_allocation_handler();
  diag::install_base_fault_handler();
  QCoreApplication application(argc, argv);
  diag::install_translators(application, diag::translation_prefixes());
  diag::register_all_messages();
  register_fallback_texts();

  std::vector<std::string> include_directories;
  bool comments = true;
  bool quiet = false;
  std::string script_name;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument == "-I" && i + 1 < argc) include_directories.push_back(argv[++i]);
    else if (argument == "--nocomment") comments = false;
    else if (argument == "--quiet") quiet = true;
    else script_name = argument;
  }
  if (script_name.empty()) {
    std::fprintf(stderr, "usage: dump_tree [-I DIR]... [--nocomment] [--quiet] SCRIPT\n");
    return 2;
  }
  script::ParseResult result = script::parse_script(script_name, include_directories, comments);
  if (!quiet) {
    dump(result.root);
    for (const auto& file : result.files) {
      std::printf("file %d %s size=%zu crc=%04x key=%ld dir=%s base=%s\n", file->entry.number, file->name.c_str(),
                  file->size, file->crc, file->entry.identity_key, file->entry.absolute_directory.c_str(),
                  file->entry.base_name.c_str());
    }
    std::printf("flags %d\n", result.script_flags);
  }
  std::fflush(stdout);
  script::release_tree(result.root);
  script::release_files(result.files);
  diag::finish_run();
}
