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
#include "diag/catalogue.h"
#include "diag/report.h"
#include "diag/translators.h"
#include "script/parse_script.h"

namespace {

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
    if (n->third) pending.push_back({n->third, p.depth + 1, '3'});
    if (n->second) pending.push_back({n->second, p.depth + 1, '2'});
    if (n->first) pending.push_back({n->first, p.depth + 1, '1'});
  }
}

}  // namespace

int main(int argc, char** argv) {
  diag::install_quiet_message_handler();
  base::install_allocation_handler();
  QCoreApplication application(argc, argv);
  diag::install_translators(application, diag::translation_prefixes());
  diag::register_all_messages();

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
