// Directives: #define, #undef, #include(_next), the conditionals with their skipped groups,
// #pragma (the tool's own "quelt" pragmas, aliases, the analysis switch), #warning, #error
// and #line.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "iface/pp/preprocessor_engine.h"
#include "iface/pp/preprocessor_expr.h"
#include "iface/pp/preprocessor_features.h"

namespace iface::pp {

using diag::MessageKind;

std::string join_tokens(const Token* b, std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (b[i].flags & Spaced)) s.push_back(' ');
    s.append(b[i].text, b[i].len);
  }
  return s;
}

namespace {

enum class Directive { Define, If, Ifdef, Ifndef, Endif, Else, Elif, Include, IncludeNext, Undef, Pragma, Warning,
                       Error, Line, None };

Directive directive_of(std::string_view w) {
  struct Row {
    const char* name;
    Directive id;
  };
  static const Row table[] = {
      {"define", Directive::Define}, {"if", Directive::If},           {"ifdef", Directive::Ifdef},
      {"ifndef", Directive::Ifndef}, {"endif", Directive::Endif},     {"else", Directive::Else},
      {"elif", Directive::Elif},     {"include", Directive::Include}, {"include_next", Directive::IncludeNext},
      {"undef", Directive::Undef},   {"pragma", Directive::Pragma},   {"warning", Directive::Warning},
      {"error", Directive::Error},   {"line", Directive::Line},
  };
  for (const Row& r : table)
    if (w == r.name) return r.id;
  return Directive::None;
}

// The pragma keywords of "#pragma quelt", in table order.
const char* const quelt_keywords[] = {
    "incl_std",   "stop_analyse", "start_analyse", "sizeof",       "signof",      "pragma",
    "type_modifier", "crc_justify", "crc_justify_all", "crc_justify_everywhere", "stop_analyze", "start_analyze",
    "insert",     "prefix_call",  "type_boolean",  "ex_call",      "exit_instr",  "accept",
    "reduce",     "fctreduce",    "nothingbefore", "nointerpret",  "directive",   "stop_instr",
    "start_instr", "ato_stub",    "testing_tool_call_place"};

enum QueltKeyword { KwInclStd = 0, KwStopAnalyse = 1, KwStartAnalyse = 2, KwPragma = 5, KwTypeModifier = 6,
                    KwStopAnalyze = 10, KwStartAnalyze = 11 };

// The first keyword that starts with `word`, or -1.
int quelt_keyword(std::string_view word) {
  if (word.empty()) return -1;
  int i = 0;
  for (const char* k : quelt_keywords) {
    if (std::strncmp(k, word.data(), word.size()) == 0 && std::strlen(k) >= word.size()) return i;
    ++i;
  }
  return -1;
}

std::string without_blanks(std::string_view s) {
  std::string r;
  r.reserve(s.size());
  for (char c : s)
    if (!is_space(c)) r.push_back(c);
  return r;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
  return s;
}

// The raw text of a run of tokens of one line (they are contiguous in their buffer).
std::string_view raw_span(const Token* b, std::size_t n) {
  if (n == 0) return {};
  return std::string_view(b[0].text, static_cast<std::size_t>(b[n - 1].text + b[n - 1].len - b[0].text));
}

// "incl_std" list: commas or blanks separate, double quotes are removed and protect commas.
std::vector<std::string> split_directories(std::string_view text) {
  std::vector<std::string> dirs;
  std::string cur;
  bool quoted = false;
  bool any = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (!quoted && (c == ',' || is_space(c))) {
      if (!cur.empty()) dirs.push_back(cur);
      cur.clear();
      any = false;
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty() || any) {
    if (!cur.empty()) dirs.push_back(cur);
  }
  return dirs;
}

std::string directory_part(std::string_view path) {
  std::size_t cut = path.find_last_of("/\\");
  if (cut == std::string_view::npos) return {};
  return std::string(path.substr(0, cut == 0 ? 1 : cut));
}

void expr_report(void* context, diag::Code code, std::string_view argument) {
  static_cast<Engine*>(context)->message(MessageKind::Warning, code, argument);
}

}  // namespace

void Engine::read_line(TextLevel& l, std::vector<Token>& out) {
  Token t;
  for (;;) {
    lex_token(l.cur, t);
    if (l.cur.problems) {
      if (l.cur.problems & UnterminatedComment) message(MessageKind::Warning, diag::Code::UNTERCOMM, "");
      if (l.cur.problems & UnterminatedLiteral) message(MessageKind::Warning, diag::Code::UNTERSTRI, "");
      l.cur.problems = 0;
    }
    if (t.kind == TokKind::Newline || t.kind == TokKind::Eof) return;
    out.push_back(t);
  }
}

void Engine::copy_line(std::string_view text, const std::vector<Token>& line) {
  (void)line;
  writer_.whole_line(text, directive_line_, level().name);
}

void Engine::directive(TextLevel& l) {
  bool saved_in = in_directive_;
  std::uint32_t saved_line = directive_line_;
  in_directive_ = true;
  directive_line_ = l.cur.line;
  Token name;
  lex_token(l.cur, name);
  l.cur.problems = 0;
  if (name.kind == TokKind::Newline || name.kind == TokKind::Eof) {
    in_directive_ = saved_in;
    directive_line_ = saved_line;
    return;
  }
  std::vector<Token> line = take_vector();
  read_line(l, line);
  Directive d = name.kind == TokKind::Ident ? directive_of(name.view()) : Directive::None;
  switch (d) {
    case Directive::Define: do_define(line); break;
    case Directive::Undef: do_undef(line); break;
    case Directive::Include: do_include(l, line, false); break;
    case Directive::IncludeNext: do_include(l, line, true); break;
    case Directive::If: do_if(l, line); break;
    case Directive::Ifdef: do_ifdef(l, line, false); break;
    case Directive::Ifndef: do_ifdef(l, line, true); break;
    case Directive::Else: do_else(l, "#else"); break;
    case Directive::Elif: do_elif(l); break;
    case Directive::Endif: do_endif(); break;
    case Directive::Pragma: do_pragma(l, line); break;
    case Directive::Warning: do_message("warning", line); break;
    case Directive::Error: do_message("error", line); break;
    case Directive::Line: do_line(l, line); break;
    case Directive::None: {
      // Not a directive of the table: the line is ordinary text, copied as it stands.
      std::string text = "#" + std::string(name.view());
      if (!line.empty()) text += " " + join_tokens(line.data(), line.size());
      copy_line(text, line);
      break;
    }
  }
  give_vector(std::move(line));
  in_directive_ = saved_in;
  directive_line_ = saved_line;
}

void Engine::do_define(const std::vector<Token>& line) {
  if (line.empty() || line[0].kind != TokKind::Ident) {
    message(MessageKind::Warning, diag::Code::INVAMACRO, join_tokens(line.data(), line.size()));
    return;
  }
  const Token& name = line[0];
  if (name.view() == "defined") {
    message(MessageKind::Warning, diag::Code::INVDEFINE, "defined");
    return;
  }
  auto sym = std::make_unique<Symbol>();
  sym->name.assign(name.text, name.len);
  std::size_t i = 1;
  std::size_t n = line.size();
  std::vector<std::string_view> names;
  if (i < n && line[i].is('(') && !(line[i].flags & Spaced)) {
    ++i;
    auto rest = [&](std::size_t from) { return join_tokens(line.data() + from, n - from); };
    bool done = false;
    if (i < n && line[i].is(')')) {
      ++i;
      done = true;
    }
    while (!done) {
      if (i >= n) {
        message(MessageKind::Warning, diag::Code::UNTPARDEF, sym->name);
        return;
      }
      const Token& p = line[i];
      if (p.is_punct("...")) {
        names.push_back("__VA_ARGS__");
        sym->variadic = 2;
        ++i;
      } else if (p.kind == TokKind::Ident) {
        names.push_back(p.view());
        ++i;
        int dots = 0;
        while (i < n && line[i].kind == TokKind::Punct && (line[i].is('.') || line[i].is_punct("..."))) {
          dots += static_cast<int>(line[i].len);
          ++i;
        }
        if (dots != 0) {
          if (dots != 3) {
            message(MessageKind::Warning, diag::Code::BADPARDEF, "\"...\" expected");
            return;
          }
          sym->variadic = 1;
        }
      } else if (p.is(',') || p.is(')')) {
        message(MessageKind::Warning, diag::Code::BADPARDEF, rest(i));
        return;
      } else {
        message(MessageKind::Warning, diag::Code::PARASTART, p.view());
        names.push_back(p.view());
        ++i;
      }
      if (i >= n) {
        message(MessageKind::Warning, diag::Code::UNTPARDEF, sym->name);
        return;
      }
      if (line[i].is(')')) {
        ++i;
        break;
      }
      if (!line[i].is(',')) {
        message(MessageKind::Warning, diag::Code::BADPARDEF, rest(i));
        return;
      }
      if (sym->variadic != 0) {
        message(MessageKind::Warning, diag::Code::BADPARDEF, "another parameter follow \"...\"");
        return;
      }
      ++i;
    }
    sym->params = static_cast<int>(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
      if (k > 0) sym->param_text += ", ";
      sym->param_text.append(names[k]);
    }
    if (sym->variadic == 1) sym->param_text += "...";
  }
  // The body: its characters are copied and scanned again, so that the macro outlives the
  // buffer of its definition.
  sym->storage.assign(raw_span(line.data() + i, n - i));
  std::vector<Token> raw;
  {
    Cursor c;
    c.p = sym->storage.data();
    c.end = sym->storage.data() + sym->storage.size();
    Token t;
    for (;;) {
      lex_token(c, t);
      if (t.kind == TokKind::Eof) break;
      if (t.kind == TokKind::Newline) continue;
      raw.push_back(t);
    }
  }
  if (!raw.empty()) raw[0].flags &= static_cast<std::uint8_t>(~Spaced);
  sym->body_text = join_tokens(raw.data(), raw.size());
  // Parameters, # and ##.
  // Long parameter lists are looked up through a map, so that a huge definition stays linear.
  std::unordered_map<std::string_view, int> by_name;
  if (names.size() > 8)
    for (std::size_t k = names.size(); k-- > 0;) by_name[names[k]] = static_cast<int>(k);
  auto param_index = [&](const Token& t) -> int {
    if (t.kind != TokKind::Ident && t.kind != TokKind::Number) return -1;
    if (!by_name.empty()) {
      auto it = by_name.find(t.view());
      return it == by_name.end() ? -1 : it->second;
    }
    for (std::size_t k = 0; k < names.size(); ++k)
      if (names[k] == t.view()) return static_cast<int>(k);
    return -1;
  };
  std::vector<Token>& body = sym->body;
  body.reserve(raw.size());
  for (std::size_t k = 0; k < raw.size(); ++k) {
    Token t = raw[k];
    t.line = 0;
    if (sym->function_like()) {
      int p = param_index(t);
      if (p >= 0) {
        t.kind = TokKind::Param;
        t.aux = static_cast<std::uint16_t>(p);
        if (sym->variadic != 0 && p == sym->params - 1) t.flags |= VaArgs;
      } else if (t.is('#')) {
        int q = k + 1 < raw.size() ? param_index(raw[k + 1]) : -1;
        if (q < 0) {
          message(MessageKind::Warning, diag::Code::OPERMACRO, sym->name);
        } else {
          Token s = raw[k + 1];
          s.kind = TokKind::Param;
          s.aux = static_cast<std::uint16_t>(q);
          s.line = 0;
          s.flags = static_cast<std::uint8_t>((s.flags & ~Spaced) | (t.flags & Spaced) | Stringify);
          if (sym->variadic != 0 && q == sym->params - 1) s.flags |= VaArgs;
          body.push_back(s);
          ++k;
          continue;
        }
      }
    }
    if (t.is_punct("##") && !body.empty() && k + 1 < raw.size()) {
      body.back().flags |= PasteLeft;
      sym->has_paste = true;
      continue;
    }
    body.push_back(t);
  }
  Symbol* old = symbols_.find(sym->name);
  if (old != nullptr) {
    bool same = old->kind == SymbolKind::Macro && old->body_text == sym->body_text &&
                old->param_text == sym->param_text && old->params == sym->params;
    if (old->kind != SymbolKind::Constant && !same) message(MessageKind::Warning, diag::Code::IDENREDEF, sym->name);
    while ((old = symbols_.find(sym->name)) != nullptr) removed_symbols_.push_back(symbols_.unlink(old));
  }
  symbols_.insert(std::move(sym));
}

void Engine::do_undef(const std::vector<Token>& line) {
  if (line.empty() || line[0].kind != TokKind::Ident) return;
  std::string_view name = line[0].view();
  if (name == "defined") {
    message(MessageKind::Warning, diag::Code::UNDEFININ, "defined");
    return;
  }
  while (Symbol* s = symbols_.find(name)) {
    if (s->kind != SymbolKind::Macro && s->kind != SymbolKind::Constant)
      message(MessageKind::Warning, diag::Code::UNDEFININ, s->name);
    removed_symbols_.push_back(symbols_.unlink(s));
  }
}

namespace {

// "file" or <file> at the start of `line`.
bool header_name(const Token* b, std::size_t n, std::string& name, bool* quoted) {
  if (n == 0) return false;
  if (b[0].kind == TokKind::String && b[0].text[0] == '"') {
    std::string_view t = b[0].view();
    t.remove_prefix(1);
    if (!t.empty() && t.back() == '"') t.remove_suffix(1);
    name.assign(t);
    *quoted = true;
    return true;
  }
  if (b[0].is('<')) {
    for (std::size_t j = 1; j < n; ++j) {
      if (b[j].is('>')) {
        name = join_tokens(b + 1, j - 1);
        *quoted = false;
        return true;
      }
    }
  }
  return false;
}

}  // namespace

void Engine::do_include(TextLevel& l, const std::vector<Token>& line, bool next) {
  std::string name;
  bool quoted = false;
  if (!header_name(line.data(), line.size(), name, &quoted)) {
    std::vector<Token> expanded = take_vector();
    expand_list(line.data(), line.size(), expanded);
    bool ok = header_name(expanded.data(), expanded.size(), name, &quoted);
    std::string text = join_tokens(expanded.data(), expanded.size());
    give_vector(std::move(expanded));
    if (!ok) {
      message(MessageKind::Warning, diag::Code::ERINCLUDE, text);
      return;
    }
  }
  int from = -1;
  if (next && l.kind == LevelKind::File && l.source.dir_index >= 0) from = l.source.dir_index + 1;
  std::string includer = l.kind == LevelKind::File ? directory_part(l.source.path) : std::string();
  SourceFile src;
  if (!find_include(chain_, name, quoted, from, includer, src)) {
    message(MessageKind::Fatal, diag::Code::IMPOUVFIC, name);
    return;
  }
  if (!once_files_.empty()) {
    char* real = realpath(src.path.c_str(), nullptr);
    bool seen = real != nullptr && once_files_.count(real) != 0;
    std::free(real);
    if (seen) return;
  }
  std::string path = src.path;
  push_source(std::move(src), LevelKind::File, std::move(path), 1);
}

bool Engine::push_source(SourceFile&& src, LevelKind kind, std::string name, std::uint32_t line) {
  if (!can_push(name)) return false;
  auto l = std::make_unique<TextLevel>();
  l->kind = kind;
  l->name = std::move(name);
  l->source = std::move(src);
  l->cur.p = l->source.data.get();
  l->cur.end = l->cur.p + l->source.size;
  l->cur.line = line;
  l->cur.bol = true;
  l->cond_depth = conds_.size();
  levels_.push_back(std::move(l));
  return true;
}

long Engine::include_exists(const std::vector<Token>& operand, bool next) {
  std::string name;
  bool quoted = false;
  if (!header_name(operand.data(), operand.size(), name, &quoted)) {
    std::vector<Token> expanded = take_vector();
    expand_list(operand.data(), operand.size(), expanded);
    bool ok = header_name(expanded.data(), expanded.size(), name, &quoted);
    give_vector(std::move(expanded));
    if (!ok) return -1;
  }
  const TextLevel& l = level();
  int from = -1;
  if (next && l.kind == LevelKind::File && l.source.dir_index >= 0) from = l.source.dir_index + 1;
  std::string includer = l.kind == LevelKind::File ? directory_part(l.source.path) : std::string();
  SourceFile found;
  return find_include(chain_, name, quoted, from, includer, found) ? 1 : 0;
}

void Engine::handle_feature(Symbol* m, Token& t) {
  auto op = static_cast<FeatureOperator>(m->constant);
  std::vector<Token> operand;
  Token a;
  next_token(a);
  bool ok = a.is('(');
  if (!ok) pushback_.push_back(a);
  for (int depth = 0; ok;) {
    next_token(a);
    if (a.kind == TokKind::End || a.kind == TokKind::Eof || a.kind == TokKind::Newline) {
      pushback_.push_back(a);
      ok = false;
    } else if (a.is(')') && depth == 0) {
      break;
    } else {
      if (a.is('(')) ++depth;
      if (a.is(')')) --depth;
      operand.push_back(a);
    }
  }
  long value = 0;
  if (ok && !operand.empty()) {
    HostCompiler host;
    if (Symbol* gnu = symbols_.find("__GNUC__"); gnu != nullptr && !gnu->body.empty())
      host.gnu_major = std::atoi(std::string(gnu->body[0].view()).c_str());
    host.clang = symbols_.find("__clang__") != nullptr;
    host.cplusplus = symbols_.find("__cplusplus") != nullptr;
    std::string name = join_tokens(operand.data(), operand.size());
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    switch (op) {
      case FeatureOperator::HasInclude:
      case FeatureOperator::HasIncludeNext:
        value = include_exists(operand, op == FeatureOperator::HasIncludeNext);
        ok = value >= 0;
        break;
      case FeatureOperator::HasBuiltin: value = has_builtin(host, name); break;
      case FeatureOperator::HasAttribute: value = has_attribute(host, name); break;
      case FeatureOperator::HasCppAttribute: value = has_cpp_attribute(host, name); break;
    }
  }
  if (!ok || operand.empty()) {
    message(MessageKind::Warning, diag::Code::SYNTAXERR, m->name);
    value = 0;
  }
  std::uint32_t line = t.line;
  std::string digits = std::to_string(value);
  t = Token{};
  t.kind = TokKind::Number;
  t.text = arena_.store(digits);
  t.len = static_cast<std::uint32_t>(digits.size());
  t.line = line;
  t.flags = Spaced;
}

bool Engine::evaluate(std::vector<Token>& line) {
  // "#machine(" reads " defined(", "#lint(on)" reads "(0)".
  std::vector<Token> cond = take_vector();
  for (std::size_t i = 0; i < line.size(); ++i) {
    const Token& t = line[i];
    if (t.is('#') && i + 2 < line.size() && line[i + 1].view() == "machine" && line[i + 2].is('(')) {
      Token d = line[i + 1];
      d.text = "defined";
      d.len = 7;
      d.flags |= Spaced;
      cond.push_back(d);
      ++i;
      continue;
    }
    if (t.is('#') && i + 4 < line.size() && line[i + 1].view() == "lint" && line[i + 2].is('(') &&
        line[i + 3].view() == "on" && line[i + 4].is(')')) {
      Token zero = line[i + 3];
      zero.kind = TokKind::Number;
      zero.text = "0";
      zero.len = 1;
      cond.push_back(line[i + 2]);
      cond.push_back(zero);
      cond.push_back(line[i + 4]);
      i += 4;
      continue;
    }
    cond.push_back(t);
  }
  auto def = std::make_unique<Symbol>();
  def->name = "defined";
  def->kind = SymbolKind::Defined;
  Symbol* installed = symbols_.insert(std::move(def));
  std::vector<Token> expanded = take_vector();
  in_condition_ = true;
  expand_list(cond.data(), cond.size(), expanded);
  in_condition_ = false;
  symbols_.unlink(installed);
  bool char_unsigned = symbols_.find("__CHAR_UNSIGNED__") != nullptr;
  bool value = evaluate_condition(expanded.data(), expanded.size(), char_unsigned, expr_report, this) != 0;
  give_vector(std::move(expanded));
  give_vector(std::move(cond));
  return value;
}

void Engine::do_if(TextLevel& l, std::vector<Token>& line) {
  bool value = evaluate(line);
  conds_.push_back(Cond{CondIf, l.name, directive_line_, value, false});
  if (!value) skip_group(l);
}

void Engine::do_ifdef(TextLevel& l, const std::vector<Token>& line, bool negate) {
  bool value = false;
  const char* word = negate ? "ifndef" : "ifdef";
  if (line.empty()) {
    message(MessageKind::Warning, diag::Code::NOARGUMEN, word);
  } else if (line[0].kind == TokKind::Number) {
    message(MessageKind::Warning, diag::Code::STARTDIGI, line[0].view());
  } else if (line[0].kind != TokKind::Ident) {
    message(MessageKind::Warning, diag::Code::ARGPUNCTU, line[0].view());
  } else {
    if (line.size() > 1) message(MessageKind::Warning, diag::Code::INVALIEND, join_tokens(line.data() + 1, line.size() - 1));
    bool defined = symbols_.find(line[0].view()) != nullptr;
    value = defined != negate;
  }
  conds_.push_back(Cond{negate ? CondIfndef : CondIfdef, l.name, directive_line_, value, false});
  if (!value) skip_group(l);
}

bool Engine::else_after_else(const Cond& c, std::string_view word) {
  message(MessageKind::Warning, diag::Code::ELIFAELSE, word);
  std::string where = " " + std::to_string(c.line);
  if (c.file != level().name) where += " file " + c.file;
  message(MessageKind::Information, diag::Code::MATCHLINE, where);
  return true;
}

void Engine::do_else(TextLevel& l, std::string_view word) {
  if (conds_.empty()) {
    message(MessageKind::Warning, diag::Code::NOCONDITI, word);
    return;
  }
  Cond& c = conds_.back();
  if (c.else_seen) else_after_else(c, "else or elif");
  c.else_seen = true;
  c.kind = CondElse;
  if (!c.taken) {
    c.taken = true;
    return;
  }
  skip_group(l);
}

void Engine::do_elif(TextLevel& l) {
  if (conds_.empty()) {
    message(MessageKind::Warning, diag::Code::NOCONDITI, "#elif");
    return;
  }
  Cond& c = conds_.back();
  if (c.else_seen) else_after_else(c, "elif");
  c.kind = CondElif;
  // The group before was processed, so this one is skipped without evaluating it.
  if (c.taken) {
    skip_group(l);
    return;
  }
  // Only reached after a skipped group ran off the end of its file.
  c.taken = true;
}

void Engine::do_endif() {
  if (conds_.empty()) {
    message(MessageKind::Warning, diag::Code::UNBAENDIF, "");
    return;
  }
  conds_.pop_back();
}

void Engine::skip_group(TextLevel& l) {
  int depth = 0;
  Token name;
  for (;;) {
    if (!skip_to_directive(l.cur)) return;  // end of the level: the conditional stays open
    std::uint32_t line = l.cur.line;
    lex_token(l.cur, name);
    l.cur.problems = 0;
    if (name.kind == TokKind::Newline || name.kind == TokKind::Eof) continue;
    Directive d = name.kind == TokKind::Ident ? directive_of(name.view()) : Directive::None;
    if (d == Directive::If || d == Directive::Ifdef || d == Directive::Ifndef) {
      ++depth;
    } else if (d == Directive::Endif) {
      if (depth == 0) {
        skip_rest_of_line(l.cur);
        if (!conds_.empty()) conds_.pop_back();
        return;
      }
      --depth;
    } else if (depth == 0 && (d == Directive::Else || d == Directive::Elif) && !conds_.empty()) {
      std::uint32_t saved = directive_line_;
      directive_line_ = line;
      bool saved_in = in_directive_;
      in_directive_ = true;
      Cond& c = conds_.back();
      bool resume = false;
      if (d == Directive::Else) {
        skip_rest_of_line(l.cur);
        if (c.else_seen) else_after_else(c, "else or elif");
        c.else_seen = true;
        c.kind = CondElse;
        resume = !c.taken;
        if (resume) c.taken = true;
      } else {
        std::vector<Token> tokens = take_vector();
        read_line(l, tokens);
        if (c.else_seen) else_after_else(c, "elif");
        c.kind = CondElif;
        if (!c.taken && evaluate(tokens)) {
          conds_.back().taken = true;
          resume = true;
        }
        give_vector(std::move(tokens));
      }
      directive_line_ = saved;
      in_directive_ = saved_in;
      if (resume) return;
      continue;
    }
    skip_rest_of_line(l.cur);
  }
}

bool Engine::is_start_analyse(const Token* b, std::size_t n) const {
  if (n < 2 || b[0].view() != "quelt" || b[1].kind != TokKind::Ident) return false;
  int k = quelt_keyword(b[1].view());
  return k == KwStartAnalyse || k == KwStartAnalyze;
}

const PragmaAlias* Engine::find_alias(const Token* b, std::size_t n) const {
  if (aliases_.empty()) return nullptr;
  std::string key = without_blanks(join_tokens(b, n));
  for (const PragmaAlias& a : aliases_)
    if (a.key == key) return &a;
  return nullptr;
}

namespace {

// Whether `text` is a "#pragma quelt start_analyse" line.
bool replacement_starts_analysis(std::string_view text, const Engine& engine,
                                 bool (Engine::*check)(const Token*, std::size_t) const) {
  Cursor c;
  c.p = text.data();
  c.end = text.data() + text.size();
  std::vector<Token> toks;
  Token t;
  for (;;) {
    lex_token(c, t);
    if (t.kind == TokKind::Eof || t.kind == TokKind::Newline) break;
    toks.push_back(t);
  }
  if (toks.size() < 2 || !toks[0].is('#') || toks[1].view() != "pragma") return false;
  return (engine.*check)(toks.data() + 2, toks.size() - 2);
}

}  // namespace

void Engine::skip_analysis(TextLevel& l) {
  Token name;
  for (;;) {
    if (!skip_to_directive(l.cur)) return;
    std::uint32_t line = l.cur.line;
    lex_token(l.cur, name);
    l.cur.problems = 0;
    if (name.kind == TokKind::Newline || name.kind == TokKind::Eof) continue;
    if (name.view() != "pragma") {
      skip_rest_of_line(l.cur);
      continue;
    }
    std::vector<Token> tokens = take_vector();
    read_line(l, tokens);
    bool start = is_start_analyse(tokens.data(), tokens.size());
    if (!start) {
      const PragmaAlias* a = find_alias(tokens.data(), tokens.size());
      start = a != nullptr && replacement_starts_analysis(a->replacement, *this, &Engine::is_start_analyse);
    }
    give_vector(std::move(tokens));
    if (start) {
      (void)line;
      analysis_on_ = true;
      return;
    }
  }
}

void Engine::do_pragma(TextLevel& l, const std::vector<Token>& line) {
  if (!line.empty() && line[0].view() == "quelt") {
    do_quelt_pragma(l, line);
    return;
  }
  if (line.size() == 1 && line[0].view() == "once") {
    if (l.kind == LevelKind::File) {
      char* real = realpath(l.source.path.c_str(), nullptr);
      if (real != nullptr) once_files_.insert(real);
      std::free(real);
    }
    return;
  }
  if (const PragmaAlias* a = find_alias(line.data(), line.size())) {
    // The replacement stands in place of the pragma: a level of its own at this position.
    SourceFile src;
    src.size = a->replacement.size() + 1;
    src.data.reset(new char[src.size]);
    std::memcpy(src.data.get(), a->replacement.data(), a->replacement.size());
    src.data[a->replacement.size()] = '\n';
    src.size = clean_source(src.data.get(), src.size);
    push_source(std::move(src), LevelKind::Alias, l.name, directive_line_);
    return;
  }
  copy_line("#pragma " + join_tokens(line.data(), line.size()), line);
}

void Engine::do_quelt_pragma(TextLevel& l, const std::vector<Token>& line) {
  (void)l;
  std::string_view word = line.size() > 1 && line[1].kind == TokKind::Ident ? line[1].view() : std::string_view();
  int k = quelt_keyword(word);
  if (k < 0) {
    message(MessageKind::Warning, diag::Code::PRAGMAINC, line.size() > 1 ? line[1].view() : std::string_view());
    return;
  }
  std::string_view rest = raw_span(line.data() + 2, line.size() - 2);
  switch (k) {
    case KwInclStd: {
      std::vector<std::string> dirs = split_directories(rest);
      if (dirs.empty()) message(MessageKind::Warning, diag::Code::SYNTAXERR, "empty pragma quelt incl_std");
      for (std::string& d : dirs) chain_.add(std::move(d));
      return;
    }
    case KwStopAnalyse:
    case KwStopAnalyze:
      analysis_on_ = false;
      return;
    case KwStartAnalyse:
    case KwStartAnalyze:
      analysis_on_ = true;
      return;
    case KwPragma: {
      std::string_view text;
      std::string_view replacement;
      rest = trim(rest);
      std::size_t eq;
      if (!rest.empty() && rest[0] == '"') {
        std::size_t close = rest.find('"', 1);
        eq = close == std::string_view::npos ? close : rest.find('=', close);
        if (close != std::string_view::npos) text = rest.substr(1, close - 1);
      } else {
        eq = rest.find('=');
        if (eq != std::string_view::npos) text = rest.substr(0, eq);
      }
      if (eq == std::string_view::npos) {
        message(MessageKind::Warning, diag::Code::SYNTAXERR, "malformed pragma quelt pragma");
        return;
      }
      replacement = trim(rest.substr(eq + 1));
      std::string key = without_blanks(text);
      for (PragmaAlias& a : aliases_) {
        if (a.key == key) {
          a.replacement.assign(replacement);
          return;
        }
      }
      aliases_.push_back(PragmaAlias{key, std::string(replacement)});
      return;
    }
    case KwTypeModifier:
      if (line.size() != 3 || line[2].kind != TokKind::Ident) {
        message(MessageKind::Warning, diag::Code::TYPMODINC, rest);
        return;
      }
      break;
    default:
      break;
  }
  // The analyser's pragmas (sizeof, signof, type_modifier, ...) reach the output unchanged.
  copy_line("#pragma " + join_tokens(line.data(), line.size()), line);
}

void Engine::do_message(std::string_view word, const std::vector<Token>& line) {
  std::string text = "#" + std::string(word) + " " + join_tokens(line.data(), line.size());
  std::string_view shown(text);
  if (shown.size() > 511) shown = shown.substr(0, 511);
  message(MessageKind::Warning, diag::Code::WARNERR, shown);
  copy_line(text, line);
}

void Engine::do_line(TextLevel& l, const std::vector<Token>& line) {
  if (line.empty() || line[0].kind != TokKind::Number) return;
  std::string digits(line[0].view());
  char* end = nullptr;
  long n = std::strtol(digits.c_str(), &end, 10);
  if (end == digits.c_str() || n < 0 || n > INT_MAX) return;
  if (line.size() > 1) {
    std::string name = join_tokens(line.data() + 1, line.size() - 1);
    for (char& c : name)
      if (c == '"') c = ' ';
    l.name.assign(trim(name));
  }
  l.cur.line = static_cast<std::uint32_t>(n);
}

}  // namespace iface::pp
