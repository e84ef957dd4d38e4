#include "script/reader.h"

#include <cstdio>
#include <utility>

#include "base/checked.h"
#include "base/names.h"
#include "diag/report.h"
#include "script/keywords.h"
#include "script/script_grammar.hpp"

namespace script {

namespace {

constexpr int end_of_file = -1;

bool is_letter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(int c) { return c >= '0' && c <= '9'; }
bool is_word_start(int c) { return is_letter(c) || c == '_'; }
bool is_word_char(int c) { return is_letter(c) || is_digit(c) || c == '_' || c == '$'; }
bool is_blank_char(int c) { return c == ' ' || c == '\t'; }
bool is_filter_char(int c) { return (c >= 'A' && c <= 'Z') || c == '+' || c == '~'; }
bool is_hex_digit(int c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool is_octal_digit(int c) { return c >= '0' && c <= '7'; }
bool is_suffix(int c) { return c == 'u' || c == 'U' || c == 'l' || c == 'L'; }

// Characters that a native expression takes as they are.
bool is_native_char(int c) {
  switch (c) {
    case '!': case '#': case '%': case '&': case '*': case '+': case '-': case '.': case '/': case ':':
    case '<': case '=': case '>': case '?': case '^': case '_': case '|': case '~':
      return true;
    default:
      return is_digit(c);
  }
}

// Reads the whole file; false when it cannot be opened or read, or is no regular file (a
// directory, a device or a pipe).
bool read_whole_file(const std::string& name, std::string& bytes) {
  std::FILE* stream = nullptr;
  if (!base::open_regular_file(name, &stream)) return false;
  bytes.clear();
  char buffer[65536];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) bytes.append(buffer, count);
  bool failed = std::ferror(stream) != 0;
  std::fclose(stream);
  return !failed;
}

// String token text: backslash-quote and backslash-backslash become the second character.
std::string reduced_string(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\')) ++i;
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace

ScriptReader::ScriptReader(std::vector<std::string> include_directories, std::string working_directory)
    : include_directories_(std::move(include_directories)), working_directory_(std::move(working_directory)) {}

ScriptReader::Input ScriptReader::open_input(const std::string& name, std::string bytes) {
  files_.push_back(make_source_file(name, bytes, table_, working_directory_));
  Input input;
  input.bytes = std::move(bytes);
  input.file = files_.back().get();
  return input;
}

void ScriptReader::open_script(const std::string& name) {
  std::string bytes;
  if (!read_whole_file(name, bytes)) diag::report_fatal(diag::Code::FICNOTOPN, name);
  open_script_text(name, std::move(bytes));
}

void ScriptReader::open_script_text(const std::string& name, std::string bytes) {
  input_ = open_input(name, std::move(bytes));
}

SourcePosition ScriptReader::current_position() const {
  if (input_.file == nullptr) return {input_.line, nullptr, 0};
  return {input_.line, input_.file->name.c_str(), input_.file->entry.number};
}

SourceFileList ScriptReader::take_files() {
  SourceFileList newest_first;
  newest_first.reserve(files_.size());
  for (auto it = files_.rbegin(); it != files_.rend(); ++it) newest_first.push_back(std::move(*it));
  files_.clear();
  return newest_first;
}

// ---- characters ----

int ScriptReader::raw_char() {
  Input& in = input_;
  if (!in.pushed_back.empty()) {
    int c = in.pushed_back.back();
    in.pushed_back.pop_back();
    return c;
  }
  if (in.position >= in.bytes.size()) return end_of_file;
  unsigned char c = static_cast<unsigned char>(in.bytes[in.position++]);
  // A carriage return directly before a newline is dropped, as a text-mode read does.
  if (c == '\r' && in.position < in.bytes.size() && in.bytes[in.position] == '\n') {
    ++in.position;
    c = '\n';
  }
  return c;
}

int ScriptReader::read_char() {
  if (token_.size() > token_text_limit) {
    SourcePosition at = current_position();
    diag::report_at(diag::MessageKind::Fatal, diag::Code::LEXTKTLNG, token_, at.file ? at.file : "", at.line);
  }
  for (;;) {
    int c = raw_char();
    last_was_end_ = c == end_of_file;
    if (c != '\n') return c;
    ++input_.line;
    if (include_name_) return c;
    // Line continuation: a newline followed by '&' is dropped with the '&'.
    int after = raw_char();
    if (after != '&') {
      if (after != end_of_file) input_.pushed_back.push_back(after);
      return c;
    }
  }
}

void ScriptReader::unread_char(int c) {
  if (c == end_of_file) return;
  if (c == '\n') --input_.line;
  input_.pushed_back.push_back(c);
  // A longest-match attempt that read up to the end of the file and gave its characters back
  // (an unterminated string, say) has not reached the end: those characters are read again.
  last_was_end_ = false;
}

void ScriptReader::take(int c) {
  token_.push_back(static_cast<char>(c));
  input_.previous_char = c;
}

void ScriptReader::give_back(std::size_t keep) {
  while (token_.size() > keep) {
    unread_char(static_cast<unsigned char>(token_.back()));
    token_.pop_back();
  }
  if (!token_.empty()) input_.previous_char = static_cast<unsigned char>(token_.back());
}

bool ScriptReader::resume_including_file() {
  if (include_stack_.empty()) return false;
  input_ = std::move(include_stack_.back());
  include_stack_.pop_back();
  // The INCLUDE line of the including file still ends at its own newline, without continuation.
  include_name_ = input_.include_name;
  return true;
}

int ScriptReader::finish_token(int code) {
  line_start_ = false;
  return code;
}

// ---- tokens ----

int ScriptReader::next_token() {
  for (;;) {
    int code = -1;
    switch (mode_) {
      case StartCondition::StatementStart:
      case StartCondition::StatementBody: code = scan_statement(); break;
      case StartCondition::NativeExpression: code = scan_native(); break;
      case StartCondition::CallName: code = scan_call_name(); break;
      case StartCondition::MatchingList: code = scan_matching_list(); break;
    }
    if (code >= 0) return code;
  }
}

void ScriptReader::enter_native() {
  mode_ = StartCondition::NativeExpression;
  paren_depth_ = 0;
  bracket_depth_ = 0;
}

void ScriptReader::scan_rest_of_line() {
  for (;;) {
    int c = read_char();
    if (c == end_of_file || c == '\n') {
      unread_char(c);
      return;
    }
    take(c);
  }
}

bool ScriptReader::scan_string_body(bool reduce) {
  // The opening quote is the last character taken.
  std::size_t start = token_.size() - 1;
  for (;;) {
    int c = read_char();
    if (c == end_of_file) break;
    take(c);
    if (c == '"') {
      if (reduce) token_ = reduced_string(token_);
      return true;
    }
    if (c == '\\') {
      int escaped = read_char();
      if (escaped == end_of_file || escaped == '\n') {
        unread_char(escaped);
        break;
      }
      take(escaped);
    }
  }
  give_back(start + 1);
  return false;
}

bool ScriptReader::scan_char_constant() {
  std::size_t start = token_.size() - 1;
  int c = read_char();
  if (c != end_of_file && c != '\n') {
    take(c);
    if (c == '\\') {
      c = read_char();
      if (c != end_of_file && c != '\n') take(c);
      else unread_char(c);
    }
    int close = read_char();
    if (close == '\'' && token_.size() > start + 1 && !(token_.size() == start + 2 && token_.back() == '\\')) {
      take(close);
      return true;
    }
    unread_char(close);
  } else {
    unread_char(c);
  }
  give_back(start + 1);
  return false;
}

int ScriptReader::scan_statement() {
  for (;;) {
    token_.clear();
    bool at_line_start = input_.previous_char == '\n';
    token_position_ = current_position();
    int c = read_char();
    // Reading the character may have crossed a continued line: the token starts where it is.
    if (c != '\n' && c != end_of_file) token_position_ = current_position();
    if (c == end_of_file) {
      if (resume_including_file()) continue;
      // A last line without its newline still ends its statement.
      if (!line_start_ && !end_line_given_) {
        end_line_given_ = true;
        line_start_ = true;
        return TOK_EOL;
      }
      return 0;
    }
    take(c);
    switch (c) {
      case '\n': {
        bool returned = !line_start_;
        line_start_ = true;
        expression_position_ = true;
        include_name_ = false;
        mode_ = StartCondition::StatementStart;
        if (returned) return TOK_EOL;
        continue;
      }
      case '(':
        if (expression_position_) enter_native();
        return finish_token(TOK_LPAREN);
      case ',':
        if (expression_position_) enter_native();
        return finish_token(TOK_COMMA);
      case ')': return finish_token(TOK_RPAREN);
      case ':': return finish_token(TOK_COLON);
      case ';': return finish_token(TOK_SEMI);
      case '[': return finish_token(TOK_LBRACKET);
      case ']': return finish_token(TOK_RBRACKET);
      case '@':
        if (mode_ == StartCondition::StatementBody) {
          mode_ = StartCondition::NativeExpression;
          return finish_token(TOK_AT);
        }
        scan_rest_of_line();
        return finish_token(TOK_AT_LINE);
      case '=': {
        int next = read_char();
        if (next == '>') {
          take(next);
          return finish_token(TOK_ARROW);
        }
        unread_char(next);
        return finish_token(TOK_UNKNOWN);
      }
      case '.': {
        int second = read_char();
        if (second == '.') {
          int third = read_char();
          if (third == '.') {
            take(second);
            take(third);
            return finish_token(TOK_ELLIPSIS);
          }
          unread_char(third);
        }
        unread_char(second);
        return finish_token(TOK_UNKNOWN);
      }
      case '"':
        return finish_token(scan_string_body(true) ? TOK_STRING : TOK_UNKNOWN);
      case '\'':
        return finish_token(scan_char_constant() ? TOK_CHAR : TOK_UNKNOWN);
      case '$': {
        int next;
        while (is_word_start(next = read_char())) take(next);
        unread_char(next);
        return finish_token(token_.size() > 1 ? TOK_ENVVAR : TOK_UNKNOWN);
      }
      case '-': {
        int next = read_char();
        if (next == '-') {
          take(next);
          scan_rest_of_line();
          continue;
        }
        unread_char(next);
        return finish_token(TOK_UNKNOWN);
      }
      case '#':
        scan_rest_of_line();
        return finish_token(TOK_HASH_LINE);
      case '%': {
        if (!at_line_start) return finish_token(TOK_UNKNOWN);
        int code = TOK_FILTER;
        int next = read_char();
        if (next == '%') {
          take(next);
          code = TOK_DFILTER;
          next = read_char();
        }
        std::size_t letters = token_.size();
        while (is_filter_char(next)) {
          take(next);
          next = read_char();
        }
        unread_char(next);
        if (token_.size() > letters) return finish_token(code);
        give_back(1);
        return finish_token(TOK_UNKNOWN);
      }
      case ' ':
      case '\t':
      case '\f':
        continue;
      default:
        if (is_digit(c)) return scan_number(c);
        if (is_word_start(c)) return scan_word(c);
        return finish_token(TOK_UNKNOWN);
    }
  }
}

int ScriptReader::scan_number(int c) {
  int next = read_char();
  if (c == '0' && (next == 'x' || next == 'X')) {
    int digit = read_char();
    if (is_hex_digit(digit)) {
      take(next);
      take(digit);
      while (is_hex_digit(next = read_char())) take(next);
    } else {
      unread_char(digit);
    }
  } else if (c == '0') {
    while (is_octal_digit(next)) {
      take(next);
      next = read_char();
    }
  } else {
    while (is_digit(next)) {
      take(next);
      next = read_char();
    }
  }
  for (int suffixes = 0; suffixes < 2 && is_suffix(next); ++suffixes) {
    take(next);
    next = read_char();
  }
  unread_char(next);
  return finish_token(TOK_NUMBER);
}

int ScriptReader::scan_word(int c) {
  (void)c;
  int next;
  while (is_word_char(next = read_char())) take(next);
  const std::string word = token_;

  // "VIRTUAL", blanks or tabs, "CALLBACK" / "PROCSEND": one token.
  if (word == "VIRTUALCALLBACK" || word == "VIRTUALPROCSEND") {
    unread_char(next);
    return keyword_token(word == "VIRTUALCALLBACK" ? TOK_VIRTUALCALLBACK : TOK_VIRTUALPROCSEND, true);
  }
  if (word == "VIRTUAL" && is_blank_char(next)) {
    std::size_t keep = token_.size();
    while (is_blank_char(next)) {
      take(next);
      next = read_char();
    }
    std::size_t tail = token_.size();
    for (int i = 0; i < 8 && is_letter(next); ++i) {
      take(next);
      next = read_char();
    }
    std::string_view rest(token_.data() + tail, token_.size() - tail);
    if (rest == "CALLBACK" || rest == "PROCSEND") {
      unread_char(next);
      return keyword_token(rest == "CALLBACK" ? TOK_VIRTUALCALLBACK : TOK_VIRTUALPROCSEND, true);
    }
    unread_char(next);
    give_back(keep);
    next = read_char();
  }

  if (next == '=') {
    if (word == "FORMAT" || word == "INIT") {
      take(next);
      return keyword_token(word == "FORMAT" ? TOK_FORMAT_EQ : TOK_INIT_EQ, false);
    }
    if (word == "EV" || word == "VA") {
      int after = read_char();
      if (after != '=') {
        unread_char(after);
        take(next);
        return keyword_token(TOK_VALUE_EQ, false);
      }
      if (word == "EV") {
        take(next);
        take(after);
        return keyword_token(TOK_EXPECT_EQ, false);
      }
      unread_char(after);
    }
  }

  int code = TOK_IDENT;
  if (next == ':') {
    int second = read_char();
    int start = second == ':' ? read_char() : end_of_file;
    if (second == ':' && is_word_start(start)) {
      take(next);
      take(second);
      take(start);
      while (is_word_char(next = read_char())) take(next);
      code = TOK_SCOPED;
    } else {
      unread_char(start);
      unread_char(second);
    }
  }
  unread_char(next);

  if (code == TOK_IDENT) {
    if (const Keyword* keyword = find_keyword(word)) return keyword_token(keyword->token, keyword->declaration);
  }
  // "COMMENT" and the rest of the line, unless that rest is empty.
  if (word.compare(0, 7, "COMMENT") == 0) {
    std::size_t keep = token_.size();
    scan_rest_of_line();
    if (token_.size() > keep) return finish_token(TOK_COMMENT_LINE);
  }
  return finish_token(code);
}

int ScriptReader::keyword_token(int code, bool declaration) {
  if (code == TOK_COMMTYPE || code == TOK_TRIGGER) {
    int own = code == TOK_COMMTYPE ? flag_commtype : flag_trigger;
    int other = code == TOK_COMMTYPE ? flag_trigger : flag_commtype;
    if (script_flags_ & other) return finish_token(TOK_UNKNOWN);
    script_flags_ |= own;
  }
  if (declaration) expression_position_ = false;
  switch (code) {
    case TOK_DEF_MESSAGE:
    case TOK_PAUSE:
    case TOK_VAR:
    case TOK_FORMAT_EQ:
    case TOK_INIT_EQ:
    case TOK_VALUE_EQ:
    case TOK_EXPECT_EQ:
      enter_native();
      break;
    case TOK_CALL: mode_ = StartCondition::CallName; break;
    case TOK_REF: mode_ = StartCondition::StatementBody; break;
    case TOK_INCLUDE: include_name_ = true; break;
    default: break;
  }
  return finish_token(code);
}

// ---- native expressions ----

int ScriptReader::end_native(int terminator) {
  unread_char(terminator);
  mode_ = StartCondition::StatementBody;
  return finish_token(TOK_EXPR);
}

int ScriptReader::scan_native() {
  token_.clear();
  token_position_ = current_position();
  for (;;) {
    SourcePosition before = current_position();
    int c = read_char();
    // The position of this character: reading it may have crossed a continued line.
    SourcePosition here = c == '\n' ? before : current_position();
    if (token_.empty()) token_position_ = here;
    switch (c) {
      case end_of_file:
        mode_ = StartCondition::StatementBody;
        return finish_token(TOK_EXPR);
      case ' ':
      case '\t':
        take(c);
        continue;
      case '(':
        ++paren_depth_;
        take(c);
        continue;
      case '[':
        ++bracket_depth_;
        take(c);
        continue;
      case ')':
        if (paren_depth_ > 0) {
          --paren_depth_;
          take(c);
          continue;
        }
        if (bracket_depth_ > 0) {
          take(c);
          continue;
        }
        return end_native(c);
      case ',':
      case '@':
      case '\n':
        if (paren_depth_ == 0 && bracket_depth_ == 0) return end_native(c);
        take(c);
        continue;
      case ']':
        if (bracket_depth_ > 0) {
          --bracket_depth_;
          take(c);
        }
        continue;
      case '\f':
        continue;
      case '"':
      case '\'': {
        take(c);
        bool whole = c == '"' ? scan_string_body(false) : scan_char_constant();
        if (whole) continue;
        break;  // an unmatched quote is an unknown sequence
      }
      default:
        if (is_word_start(c)) {
          int code = scan_native_word(c, here);
          if (code >= 0) return code;
          continue;
        }
        if (is_native_char(c)) {
          take(c);
          continue;
        }
        break;
    }
    // Unknown sequence: the text collected so far is dropped, collection starts again after it.
    token_.assign(1, static_cast<char>(c));
    input_.previous_char = c;
    token_position_ = here;
    return finish_token(TOK_UNKNOWN);
  }
}

int ScriptReader::scan_native_word(int c, const SourcePosition& here) {
  std::size_t start = token_.size();
  take(c);
  int next;
  while (is_word_char(next = read_char())) take(next);
  std::string_view word(token_.data() + start, token_.size() - start);

  if (word == "REF") {
    unread_char(next);
    if (!is_blank(std::string_view(token_.data(), start))) {
      // The expression before REF is a token of its own; REF is read again.
      give_back(start);
      return finish_token(TOK_EXPR);
    }
    token_ = "REF";
    token_position_ = here;
    mode_ = StartCondition::StatementBody;
    return finish_token(TOK_REF);
  }
  int matching = matching_keyword(word);
  if (matching != 0) {
    std::size_t keep = token_.size();
    while (is_blank_char(next)) {
      take(next);
      next = read_char();
    }
    if (next == '(') {
      unread_char(next);
      token_.resize(start);
      pending_matching_ = matching;
      mode_ = StartCondition::MatchingList;
      return finish_token(TOK_EXPR);
    }
    (void)keep;
  }
  unread_char(next);
  return -1;
}

// ---- CALL name and matching lists ----

int ScriptReader::scan_call_name() {
  token_.clear();
  token_position_ = current_position();
  for (;;) {
    int c = read_char();
    if (c == end_of_file || c == '(' || c == '\n') {
      unread_char(c);
      break;
    }
    if (c == '\f') continue;
    take(c);
  }
  mode_ = StartCondition::StatementStart;
  return finish_token(TOK_CALLNAME);
}

int ScriptReader::scan_matching_list() {
  for (;;) {
    token_.clear();
    token_position_ = current_position();
    int c = read_char();
    if (c != '\n' && c != end_of_file) token_position_ = current_position();
    if (c == end_of_file) {
      mode_ = StartCondition::StatementBody;
      return -1;
    }
    if (c == ' ' || c == '\t') continue;
    if (c == '\n') {
      // The line ends inside the list: the list is over, the newline is read as a statement's end.
      unread_char(c);
      mode_ = StartCondition::StatementStart;
      return -1;
    }
    take(c);
    switch (c) {
      case '(': return finish_token(pending_matching_);
      case ',': return finish_token(TOK_LIST_COMMA);
      case ')':
        mode_ = StartCondition::NativeExpression;
        return finish_token(TOK_LIST_CLOSE);
      default: break;
    }
    if (is_letter(c) || is_digit(c) || c == '_') {
      int next;
      while (is_letter(next = read_char()) || is_digit(next) || next == '_') take(next);
      unread_char(next);
      return finish_token(TOK_IDENT);
    }
    return finish_token(TOK_UNKNOWN);
  }
}

// ---- INCLUDE ----

void ScriptReader::include_file(const std::string& string_token, const SourcePosition& at) {
  std::string name = string_token.size() >= 2 ? string_token.substr(1, string_token.size() - 2) : std::string();
  const char* at_file = at.file ? at.file : "";
  std::string bytes;
  std::string found;
  if (!name.empty() && read_whole_file(name, bytes)) {
    found = name;
  } else if (!name.empty() && !base::is_absolute_path(name)) {
    for (const std::string& directory : include_directories_) {
      std::string candidate = base::join_path(directory, name);
      if (read_whole_file(candidate, bytes)) {
        found = candidate;
        break;
      }
    }
  }
  if (found.empty()) diag::report_at(diag::MessageKind::Fatal, diag::Code::CANNOTOPN, name, at_file, at.line);

  auto is_active = [&](const Input& input) { return input.file != nullptr && input.file->name == found; };
  bool loop = is_active(input_);
  for (const Input& frame : include_stack_) loop = loop || is_active(frame);
  if (loop) diag::report_at(diag::MessageKind::Fatal, diag::Code::INCLOOPDT, "", at_file, at.line);

  input_.include_name = include_name_;
  include_name_ = false;
  include_stack_.push_back(std::move(input_));
  input_ = open_input(found, std::move(bytes));
  // The same file under another name (same identity key and CRC) is a loop as well.
  int number = input_.file->entry.number;
  for (const Input& frame : include_stack_) {
    if (frame.file != nullptr && frame.file->entry.number == number) {
      diag::report_at(diag::MessageKind::Fatal, diag::Code::INCLOOPDT, "", at_file, at.line);
    }
  }
}

}  // namespace script
