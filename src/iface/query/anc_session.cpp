#include "iface/query/anc_session.h"

#include "iface/dict/dictionary_scopes.h"

namespace iface {

void anc_begin(int restriction, const std::vector<std::string>& include_dirs,
               const std::vector<std::string>& defines, std::string_view definitions_file) {
  Analysis& analysis = current_analysis();
  analysis.reset();
  analysis.session().restriction = restriction;
  PreprocessorStart start;
  start.ansi = restriction == 1;
  start.kr = restriction == 0;
  start.include_dirs = include_dirs;
  start.defines = defines;
  analysis.preprocessor().start(start);
  if (!definitions_file.empty()) anc_load_interface_file(definitions_file);
}

void anc_load_interface_file(std::string_view file) {
  std::string text = "#include \"";
  text += file;
  text += '"';
  std::string out;
  Analysis& analysis = current_analysis();
  analysis.preprocessor().run_file_text(text, out);
  analyse_declarations(analysis.analyser(), out, nullptr, file, 1);
}

void anc_end() { the_preprocessor().end(); }

int anc_preprocess(std::string_view text, std::string_view label, int line, std::string& out) {
  out.clear();
  return the_preprocessor().run_string(text, label, line, out);
}

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The end of the literal that starts at `i` (a quote), past its closing quote.
std::size_t literal_end(const std::string& text, std::size_t i) {
  char quote = text[i];
  for (std::size_t j = i + 1; j < text.size(); ++j) {
    if (text[j] == '\\') {
      ++j;
    } else if (text[j] == quote || text[j] == '\n') {
      return j + 1;
    }
  }
  return text.size();
}

// Whether the "#" at `i` introduces a line directive ("# line", "#line").
bool is_line_directive(const std::string& text, std::size_t i) {
  std::size_t j = i + 1;
  while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
  return text.compare(j, 4, "line") == 0;
}

}  // namespace

void anc_normalise(std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool after_hash = false;  // inside a line that holds a "#" other than a line directive
  for (std::size_t i = 0; i < text.size();) {
    char c = text[i];
    if (c == '"' || c == '\'') {
      std::size_t end = literal_end(text, i);
      out.append(text, i, end - i);
      i = end;
    } else if (c == '#' && is_line_directive(text, i)) {
      std::size_t end = text.find('\n', i);
      i = end == std::string::npos ? text.size() : end + 1;
    } else if (c == '\n' && after_hash) {
      out += ' ';
      after_hash = false;
      ++i;
    } else {
      if (c == '#') after_hash = true;
      if (c == '\n') after_hash = false;
      out += c;
      ++i;
    }
  }
  std::size_t first = 0;
  while (first < out.size() && is_blank(out[first])) ++first;
  std::size_t last = out.size();
  while (last > first && is_blank(out[last - 1])) --last;
  text.assign(out, first, last - first);
}

TypeDescriptor* anc_scope(std::string_view scope) {
  if (scope.empty()) return nullptr;
  Dictionary& dictionary = the_dictionary();
  if (TypeDescriptor* known = find_scope(dictionary, scope)) return known;
  if (scope.find("::") != std::string_view::npos) return nullptr;
  std::size_t cut = scope.find_last_of(".@");
  TypeDescriptor* enclosing = cut == std::string_view::npos || cut == 0 ? nullptr : anc_scope(scope.substr(0, cut));
  return ensure_script_scope(dictionary, scope, enclosing);
}

void anc_declare(std::string_view text, std::string_view scope, std::string_view file, int line) {
  analyse_declarations(the_analyser(), text, anc_scope(scope), file, line);
}

}  // namespace iface
