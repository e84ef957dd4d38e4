// The preprocessor's life cycle (start, file mode, string mode, end).
#include "iface/pp/preprocessor.h"

#include <iterator>

#include "iface/pp/preprocessor_features.h"

#include <cstring>

#include "iface/pp/preprocessor_engine.h"

namespace iface {

namespace pp {

using diag::MessageKind;

namespace {

void default_hook(MessageKind kind, diag::Code code, std::string_view argument, std::string_view file,
                  int line) {
  diag::set_current_file(file);
  diag::set_current_line(line);
  diag::report_here(kind, code, argument);
}

}  // namespace

Engine::Engine(const PreprocessorStart& start, PreprocessorReportHook hook)
    : hook_(hook != nullptr ? hook : default_hook),
      ansi_(start.ansi),
      kr_(start.kr),
      expansion_limit_(start.expansion_limit),
      output_limit_(start.output_limit) {
  chain_ = build_include_chain(start.include_dirs);
  for (const char* name : {"QLX_WIN32", "USE_QMK", "QLX_CPLUSPLUS_LANGUAGE"}) define_option(name);
  install_specials();
  for (const std::string& item : start.defines) define_option(item);
}

Engine::~Engine() = default;

void Engine::install_specials() {
  struct Row {
    const char* name;
    SymbolKind kind;
  };
  static const Row rows[] = {{"__LINE__", SymbolKind::Line},         {"__DATE__", SymbolKind::Date},
                             {"__FILE__", SymbolKind::File},         {"__BASE_FILE__", SymbolKind::BaseFile},
                             {"__INCLUDE_LEVEL__", SymbolKind::IncludeLevel}, {"__TIME__", SymbolKind::Time},
                             {"__STDC__", SymbolKind::Constant}};
  for (const Row& r : rows) {
    if (r.kind == SymbolKind::Constant && kr_) continue;
    auto s = std::make_unique<Symbol>();
    s->name = r.name;
    s->kind = r.kind;
    s->constant = 0;
    symbols_.insert(std::move(s));
  }
  // The feature-test operators: "defined(__has_include)" is true, as with gcc and clang.
  for (std::size_t op = 0; op < std::size(feature_operator_names); ++op) {
    auto s = std::make_unique<Symbol>();
    s->name = std::string(feature_operator_names[op]);
    s->kind = SymbolKind::Feature;
    s->constant = static_cast<long>(op);
    symbols_.insert(std::move(s));
  }
}

void Engine::define_option(const std::string& item) {
  std::size_t i = 0;
  if (!item.empty() && is_ident_start(item[0]))
    while (i < item.size() && is_ident_char(item[i])) ++i;
  if (i == 0 || (i < item.size() && item[i] != '=')) {
    message(MessageKind::Warning, diag::Code::MALFOROPT, "-D" + item);
    return;
  }
  std::string text = "#define " + item.substr(0, i) + " ";
  if (i == item.size()) {
    text += "1";
  } else {
    // Backslash-newlines (with or without a carriage return) leave the value.
    std::string_view value = std::string_view(item).substr(i + 1);
    for (std::size_t k = 0; k < value.size(); ++k) {
      if (value[k] == '\\' && k + 1 < value.size() && value[k + 1] == '\n') {
        ++k;
      } else if (value[k] == '\\' && k + 2 < value.size() && value[k + 1] == '\r' && value[k + 2] == '\n') {
        k += 2;
      } else {
        text.push_back(value[k]);
      }
    }
  }
  text += "\n";
  std::string discarded;
  run(text, "*Initialization*", 1, LevelKind::Init, discarded);
}

void Engine::message(MessageKind kind, diag::Code code, std::string_view argument) {
  std::string_view file;
  int line = 0;
  if (!levels_.empty()) {
    const TextLevel& l = *levels_.back();
    file = l.name;
    line = static_cast<int>(in_directive_ ? directive_line_ : l.cur.line);
  }
  if (kind == MessageKind::Warning || kind == MessageKind::Error) ++call_messages_;
  // Copies: the hook may outlive nothing, but the level may change while it reports.
  std::string file_copy(file);
  hook_(kind, code, argument, file_copy, line);
}

void Engine::lex_base(Token& t) {
  for (;;) {
    TextLevel& l = level();
    if (!analysis_on_ && l.kind == LevelKind::File) {
      // A _Pragma may turn the analysis off in the middle of a line: that line ends here.
      writer_.end_line();
      skip_analysis(l);
    }
    bool bol = l.cur.bol;
    lex_token(l.cur, t);
    if (l.cur.problems) {
      std::uint32_t line = l.cur.line;
      l.cur.line = l.cur.problem_line;
      if (l.cur.problems & UnterminatedComment) message(MessageKind::Warning, diag::Code::UNTERCOMM, "");
      if (l.cur.problems & UnterminatedLiteral) message(MessageKind::Warning, diag::Code::UNTERSTRI, "");
      l.cur.line = line;
      l.cur.problems = 0;
    }
    if (bol && t.kind == TokKind::Punct && t.len == 1 && t.text[0] == '#') {
      directive(l);
      continue;
    }
    expansion_tokens_ = 0;
    expansion_bytes_ = 0;
    expansion_stopped_ = false;
    return;
  }
}

int Engine::run(std::string_view text, std::string name, std::uint32_t line, LevelKind kind, std::string& out) {
  writer_.start(&out);
  SourceFile src;
  src.size = text.size();
  src.data.reset(new char[text.size() + 1]);
  std::memcpy(src.data.get(), text.data(), text.size());
  src.size = clean_source(src.data.get(), src.size);
  std::size_t base = levels_.size();
  if (base == 0) {
    work_ = 0;
    stopped_ = false;
  }
  int saved_messages = call_messages_;
  call_messages_ = 0;
  if (push_source(std::move(src), kind, std::move(name), line)) {
    Token t;
    while (levels_.size() > base) {
      expand_next(t);
      switch (t.kind) {
        case TokKind::Eof:
          writer_.end_line();
          finished_levels_.push_back(std::move(levels_.back()));
          levels_.pop_back();
          release_held(0);
          break;
        case TokKind::Newline:
          writer_.newline(t.line, level().name);
          break;
        case TokKind::End:
        case TokKind::Placemarker:
          break;
        case TokKind::Ident:
          // _Pragma is done after expansion, where its pragma stands in the output.
          if (t.view() == "_Pragma") {
            pragma_operator(t);
            break;
          }
          [[fallthrough]];
        default:
          writer_.token(t, level().name);
          if (out.size() > output_limit_ && !stopped_) {
            stopped_ = true;
            message(MessageKind::Fatal, diag::Code::PPOUTSIZE, std::to_string(output_limit_));
          }
          if (stopped_) abandon_levels(base);
          break;
      }
    }
  }
  writer_.end_line();
  int status = call_messages_ > 0 ? 1 : 0;
  call_messages_ = saved_messages + call_messages_;
  if (base == 0) {
    // Nothing is in flight any more: the kept buffers and bodies can go.
    while (!ctx_.empty()) pop_context();
    release_held(0);
    pushback_.clear();
    finished_levels_.clear();
    removed_symbols_.clear();
    arena_.clear();
  }
  return status;
}

void Engine::abandon_levels(std::size_t base) {
  while (!ctx_.empty() && ctx_.back().kind != CtxKind::List) pop_context();
  pushback_.clear();
  while (levels_.size() > base) {
    finished_levels_.push_back(std::move(levels_.back()));
    levels_.pop_back();
  }
  release_held(0);
}

void Engine::end() {
  for (const Cond& c : conds_) {
    const char* word = c.kind == CondIfdef ? "ifdef" : c.kind == CondIfndef ? "ifndef"
                     : c.kind == CondElse ? "else" : c.kind == CondElif ? "elif" : "if";
    hook_(MessageKind::Warning, diag::Code::UNTERCOND, word, c.file, static_cast<int>(c.line));
  }
  conds_.clear();
  auto removed = symbols_.unlink_if([](const Symbol& s) { return s.kind == SymbolKind::Macro; });
  chain_.drop_pragma_dirs();
}

}  // namespace pp

Preprocessor::Preprocessor() = default;

Preprocessor::~Preprocessor() = default;

pp::Engine& Preprocessor::engine() {
  if (!engine_) engine_ = std::make_unique<pp::Engine>(PreprocessorStart{}, hook_);
  return *engine_;
}

void Preprocessor::set_report_hook(PreprocessorReportHook hook) { hook_ = hook; }

void Preprocessor::start(const PreprocessorStart& start) {
  engine_.reset();
  engine_ = std::make_unique<pp::Engine>(start, hook_);
}

int Preprocessor::run_file_text(std::string_view text, std::string& out) {
  return engine().run(text, std::string(), 1, pp::LevelKind::String, out);
}

int Preprocessor::run_string(std::string_view text, std::string_view label, int line, std::string& out) {
  return engine().run(text, std::string(label), static_cast<std::uint32_t>(line < 0 ? 0 : line),
                      pp::LevelKind::String, out);
}

void Preprocessor::end() { engine().end(); }

bool Preprocessor::is_macro(std::string_view name) {
  pp::Symbol* s = engine().symbols().find(name);
  return s != nullptr && s->kind == pp::SymbolKind::Macro;
}

bool Preprocessor::analysis_on() { return engine().analysis_on(); }

void Preprocessor::reset() {
  engine_.reset();
  hook_ = nullptr;
}

}  // namespace iface
