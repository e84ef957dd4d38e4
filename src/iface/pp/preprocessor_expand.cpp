// Token flow and macro expansion: the input stack is read through next_token; expand_next
// replaces macro names (rescanning, no re-expansion of a macro inside its own expansion,
// # and ##, variadic parameters, empty arguments).
#include <charconv>
#include <ctime>

#include "iface/pp/preprocessor_engine.h"

namespace iface::pp {

using diag::MessageKind;

std::vector<Token> Engine::take_vector() {
  if (pool_.empty()) return {};
  std::vector<Token> v = std::move(pool_.back());
  pool_.pop_back();
  v.clear();
  return v;
}

void Engine::give_vector(std::vector<Token>&& v) {
  if (v.capacity() == 0 || pool_.size() >= 64) return;
  v.clear();
  pool_.push_back(std::move(v));
}

bool Engine::can_push(std::string_view what) {
  if (levels_.size() + ctx_.size() < max_levels) return true;
  message(MessageKind::Internal, diag::Code::NBRECURSI, what);
  return false;
}

bool Engine::charge(std::size_t bytes) {
  work_ += bytes;
  if (work_ > output_limit_ && !stopped_) {
    stopped_ = true;
    message(MessageKind::Internal, diag::Code::NBRECURSI, levels_.empty() ? std::string_view() : std::string_view(level().name));
  }
  return !stopped_;
}

void Engine::stop_expansion(std::string_view name) {
  if (!expansion_stopped_) message(MessageKind::Internal, diag::Code::NBRECURSI, name);
  expansion_stopped_ = true;
  // Not done: every open expansion ends here.
  for (std::size_t i = ctx_.size(); i-- > 0 && ctx_[i].kind == CtxKind::Macro;) ctx_[i].pos = ctx_[i].n;
}

bool Engine::push_context(Context&& c) {
  ctx_.push_back(std::move(c));
  Context& top = ctx_.back();
  if (!top.own.empty()) {
    top.toks = top.own.data();
    top.n = top.own.size();
  }
  if (top.macro != nullptr) top.macro->disabled = true;
  return true;
}

void Engine::pop_context() {
  Context& c = ctx_.back();
  if (c.macro != nullptr) {
    if (c.hold) held_.push_back(c.macro);
    else c.macro->disabled = false;
  }
  give_vector(std::move(c.own));
  ctx_.pop_back();
}

void Engine::release_held(std::size_t mark) {
  while (held_.size() > mark) {
    held_.back()->disabled = false;
    held_.pop_back();
  }
}

void Engine::next_token(Token& t) {
  if (!pushback_.empty()) {
    t = pushback_.back();
    pushback_.pop_back();
    return;
  }
  while (!ctx_.empty()) {
    Context& c = ctx_.back();
    if (c.kind == CtxKind::Level) {
      if (levels_.size() >= c.level) {
        lex_base(t);
        return;
      }
      pop_context();
      continue;
    }
    if (c.pos < c.n) {
      t = c.toks[c.pos];
      if (c.kind == CtxKind::Macro) {
        t.line = c.line;
        if (c.pos == 0) t.flags = static_cast<std::uint8_t>((t.flags & ~Spaced) | c.first_flags);
        expansion_bytes_ += t.len;
        if (++expansion_tokens_ > max_expansion_tokens || expansion_bytes_ > expansion_limit_ ||
            !charge(t.len + 1u)) {
          stop_expansion(c.macro != nullptr ? std::string_view(c.macro->name) : std::string_view());
          continue;
        }
      }
      ++c.pos;
      return;
    }
    if (c.kind == CtxKind::List) {
      t = Token{};
      t.kind = TokKind::End;
      t.line = c.line;
      return;
    }
    pop_context();
  }
  lex_base(t);
}

void Engine::expand_next(Token& t) {
  for (;;) {
    next_token(t);
    if (t.kind != TokKind::Ident || (t.flags & NoExpand)) return;
    Symbol* m = symbols_.find(t.view());
    if (m == nullptr) return;
    if (m->kind != SymbolKind::Macro) {
      if (m->kind == SymbolKind::Defined) {
        handle_defined(t);
      } else if (m->kind == SymbolKind::Feature) {
        // Outside a condition the operator is a plain identifier, as gcc leaves it.
        if (in_condition_) handle_feature(m, t);
      } else {
        t = special_token(m, t);
      }
      return;
    }
    if (m->disabled) {
      t.flags |= NoExpand;
      return;
    }
    if (!enter_macro(m, t)) return;
  }
}

bool Engine::peek_paren() {
  std::vector<Token> newlines;
  Token t;
  for (;;) {
    next_token(t);
    if (t.kind != TokKind::Newline) break;
    newlines.push_back(t);
  }
  if (t.is('(')) return true;
  pushback_.push_back(t);
  for (std::size_t i = newlines.size(); i-- > 0;) pushback_.push_back(newlines[i]);
  return false;
}

bool Engine::enter_macro(Symbol* m, const Token& name) {
  if (stopped_ || !charge(16)) return false;
  Context c;
  c.kind = CtxKind::Macro;
  c.macro = m;
  c.line = name.line;
  c.first_flags = name.flags & Spaced;
  if (!m->function_like()) {
    if (!can_push(m->name)) return false;
    if (m->has_paste) {
      MacroArgs none;
      c.own = take_vector();
      substitute(m, none, name, c.own);
      c.n = c.own.size();
    } else {
      c.toks = m->body.data();
      c.n = m->body.size();
    }
    return push_context(std::move(c));
  }
  if (!peek_paren()) return false;
  MacroArgs args;
  args.toks = take_vector();
  // An unterminated call is expanded with what was collected.
  c.hold = !collect_args(m, args);
  check_arg_count(m, args);
  std::size_t held = args.toks.size();
  if (live_argument_tokens_ + held > max_live_argument_tokens) {
    stop_expansion(m->name);
    give_vector(std::move(args.toks));
    return false;
  }
  if (!can_push(m->name)) {
    give_vector(std::move(args.toks));
    return false;
  }
  live_argument_tokens_ += held;
  c.own = take_vector();
  substitute(m, args, name, c.own);
  live_argument_tokens_ -= held;
  give_vector(std::move(args.toks));
  c.n = c.own.size();
  return push_context(std::move(c));
}

bool Engine::collect_args(Symbol* m, MacroArgs& args) {
  args.toks.clear();
  args.start.assign(1, 0);
  int depth = 0;
  std::uint8_t pending = 0;
  std::size_t va_index = m->variadic != 0 ? static_cast<std::size_t>(m->params - 1) : SIZE_MAX;
  Token t;
  for (;;) {
    next_token(t);
    if (t.kind == TokKind::Eof || t.kind == TokKind::End) {
      // The level (or list) keeps answering Eof / End, so nothing is pushed back: the
      // expansion of what was collected comes first.
      message(MessageKind::Warning, diag::Code::ERRINLINE, "unterminated macro call");
      args.start.push_back(static_cast<std::uint32_t>(args.toks.size()));
      return false;
    }
    if (t.kind == TokKind::Newline) {
      pending = Spaced;
      continue;
    }
    t.flags |= pending;
    pending = 0;
    if (t.kind == TokKind::Punct && t.len == 1) {
      char c = t.text[0];
      if (c == '(') {
        ++depth;
      } else if (c == ')') {
        if (depth == 0) break;
        --depth;
      } else if (c == ',' && depth == 0 && args.start.size() - 1 < va_index) {
        args.start.push_back(static_cast<std::uint32_t>(args.toks.size()));
        continue;
      }
    } else if (t.kind == TokKind::Ident && !(t.flags & NoExpand)) {
      Symbol* s = symbols_.find(t.view());
      if (s != nullptr && s->disabled) t.flags |= NoExpand;
    }
    args.toks.push_back(t);
  }
  args.start.push_back(static_cast<std::uint32_t>(args.toks.size()));
  return true;
}

void Engine::check_arg_count(Symbol* m, MacroArgs& args) {
  std::size_t given = args.count();
  if (given == 1 && args.start[1] == args.start[0]) given = 0;
  std::size_t params = static_cast<std::size_t>(m->params);
  if (params == 0) {
    if (given > 0) message(MessageKind::Warning, diag::Code::ARGTOMACR, m->name);
  } else if (given < params) {
    bool only_variadic_missing = m->variadic != 0 && given == params - 1;
    if (!only_variadic_missing) {
      if (given == 0) {
        // A one-parameter macro called as F() receives one empty argument, as in standard C
        // (glibc's __STRING () relies on it): quiet in every mode.
        if (params != 1) message(MessageKind::Warning, diag::Code::NOARTOMAC, m->name);
      } else {
        message(MessageKind::Warning, diag::Code::NBARGMACR, m->name);
      }
    }
  } else if (given > params && m->variadic == 0) {
    message(MessageKind::Warning, diag::Code::TOMANYARG, m->name);
  }
  // Missing arguments are empty.
  while (args.count() < params) args.start.push_back(static_cast<std::uint32_t>(args.toks.size()));
  if (m->variadic != 0 && params > 0) {
    std::size_t length = 0;
    for (std::uint32_t i = args.start[params - 1]; i < args.start[params]; ++i)
      length += args.toks[i].len + ((args.toks[i].flags & Spaced) ? 1 : 0);
    if (length > max_variadic_text) message(MessageKind::Internal, diag::Code::TOMANYARG, m->name);
  }
}

void Engine::expand_list(const Token* b, std::size_t n, std::vector<Token>& out) {
  std::vector<Token> saved;
  saved.swap(pushback_);
  Context c;
  c.kind = CtxKind::List;
  c.toks = b;
  c.n = n;
  c.line = n > 0 ? b[0].line : 0;
  std::size_t held = held_.size();
  if (can_push("")) {
    push_context(std::move(c));
    Token t;
    for (;;) {
      expand_next(t);
      if (t.kind == TokKind::End) break;
      out.push_back(t);
    }
    pop_context();
  }
  release_held(held);
  pushback_.swap(saved);
}

void Engine::substitute(Symbol* m, MacroArgs& args, const Token& name, std::vector<Token>& out) {
  (void)name;
  const std::vector<Token>& body = m->body;
  std::size_t params = m->params > 0 ? static_cast<std::size_t>(m->params) : 0;
  // Expanded arguments, made when first needed: expanded[i] is a range of `store`.
  std::vector<Token> store;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> expanded(params, {UINT32_MAX, 0});
  for (std::size_t i = 0; i < body.size(); ++i) {
    const Token& bt = body[i];
    if (bt.kind != TokKind::Param) {
      out.push_back(bt);
      continue;
    }
    std::size_t idx = bt.aux;
    const Token* raw = args.toks.data() + args.start[idx];
    std::size_t raw_n = args.start[idx + 1] - args.start[idx];
    std::uint8_t space = bt.flags & Spaced;
    bool after_paste = i > 0 && (body[i - 1].flags & PasteLeft);
    if (bt.flags & Stringify) {
      Token s = stringify(raw, raw_n);
      s.flags = static_cast<std::uint8_t>(space | (bt.flags & PasteLeft));
      out.push_back(s);
      continue;
    }
    if ((bt.flags & PasteLeft) || after_paste) {
      if (after_paste && (bt.flags & VaArgs) && !out.empty() && out.back().is(',')) {
        // ", ## __VA_ARGS__": the comma goes away with an empty variable part, else stays.
        out.back().flags &= static_cast<std::uint8_t>(~PasteLeft);
        if (raw_n == 0) {
          out.pop_back();
          continue;
        }
      }
      if (raw_n == 0) {
        Token p;
        p.kind = TokKind::Placemarker;
        p.flags = static_cast<std::uint8_t>(space | (bt.flags & PasteLeft));
        out.push_back(p);
        continue;
      }
      std::size_t first = out.size();
      out.insert(out.end(), raw, raw + raw_n);
      out[first].flags = static_cast<std::uint8_t>((out[first].flags & ~Spaced) | space);
      if (bt.flags & PasteLeft) out.back().flags |= PasteLeft;
      continue;
    }
    auto& range = expanded[idx];
    if (range.first == UINT32_MAX) {
      range.first = static_cast<std::uint32_t>(store.size());
      expand_list(raw, raw_n, store);
      range.second = static_cast<std::uint32_t>(store.size());
    }
    if (range.second == range.first) continue;
    std::size_t first = out.size();
    out.insert(out.end(), store.begin() + range.first, store.begin() + range.second);
    out[first].flags = static_cast<std::uint8_t>((out[first].flags & ~Spaced) | space);
  }
  std::size_t bytes = 0;
  for (const Token& t : out) bytes += t.len + 1u;
  if (!charge(bytes)) {
    out.clear();
    return;
  }
  if (!m->has_paste) return;
  std::size_t w = 0;
  for (std::size_t r = 0; r < out.size(); ++r) {
    Token cur = out[r];
    while ((cur.flags & PasteLeft) && r + 1 < out.size()) {
      const Token& rhs = out[++r];
      std::uint8_t rhs_paste = rhs.flags & PasteLeft;
      if (cur.kind == TokKind::Placemarker) {
        std::uint8_t space = cur.flags & Spaced;
        cur = rhs;
        cur.flags = static_cast<std::uint8_t>((cur.flags & ~Spaced) | space);
      } else if (rhs.kind == TokKind::Placemarker) {
        cur.flags = static_cast<std::uint8_t>((cur.flags & ~PasteLeft) | rhs_paste);
      } else if (paste(cur, rhs)) {
        cur.flags = static_cast<std::uint8_t>((cur.flags & ~PasteLeft) | rhs_paste);
      } else {
        // Not one token: both stay, side by side.
        cur.flags &= static_cast<std::uint8_t>(~PasteLeft);
        out[w++] = cur;
        cur = rhs;
      }
    }
    cur.flags &= static_cast<std::uint8_t>(~PasteLeft);
    if (cur.kind != TokKind::Placemarker) out[w++] = cur;
  }
  out.resize(w);
}

bool Engine::paste(Token& left, const Token& right) {
  if (!charge(std::size_t{left.len} + right.len)) return false;
  scratch_.assign(left.text, left.len);
  scratch_.append(right.text, right.len);
  Cursor c;
  c.p = scratch_.data();
  c.end = scratch_.data() + scratch_.size();
  Token t;
  lex_token(c, t);
  if (c.p != c.end || (t.flags & Spaced) || t.kind == TokKind::Eof || t.kind == TokKind::Newline || c.problems)
    return false;
  const char* text = arena_.store(scratch_);
  left.text = text;
  left.len = static_cast<std::uint32_t>(scratch_.size());
  left.kind = t.kind;
  left.flags &= static_cast<std::uint8_t>(~NoExpand);
  return true;
}

Token Engine::stringify(const Token* b, std::size_t n) {
  scratch_.assign(1, '"');
  for (std::size_t i = 0; i < n; ++i) {
    const Token& t = b[i];
    if (t.kind == TokKind::Placemarker) continue;
    if (i > 0 && (t.flags & Spaced)) scratch_.push_back(' ');
    bool literal = t.kind == TokKind::String || t.kind == TokKind::Char;
    for (std::uint32_t k = 0; k < t.len; ++k) {
      unsigned char c = static_cast<unsigned char>(t.text[k]);
      if (c == '"' || (literal && c == '\\')) {
        scratch_.push_back('\\');
        scratch_.push_back(static_cast<char>(c));
      } else if (c < 32 || c >= 127) {
        char buf[8];
        buf[0] = '\\';
        buf[1] = static_cast<char>('0' + ((c >> 6) & 7));
        buf[2] = static_cast<char>('0' + ((c >> 3) & 7));
        buf[3] = static_cast<char>('0' + (c & 7));
        scratch_.append(buf, 4);
      } else {
        scratch_.push_back(static_cast<char>(c));
      }
    }
  }
  scratch_.push_back('"');
  charge(scratch_.size());
  Token s;
  s.kind = TokKind::String;
  s.text = arena_.store(scratch_);
  s.len = static_cast<std::uint32_t>(scratch_.size());
  s.line = n > 0 ? b[0].line : 0;
  return s;
}

void Engine::handle_defined(Token& t) {
  Token a;
  next_token(a);
  bool paren = a.is('(');
  if (paren) next_token(a);
  bool ok = a.kind == TokKind::Ident;
  if (ok && paren) {
    Token close;
    next_token(close);
    if (!close.is(')')) {
      pushback_.push_back(close);
      ok = false;
    }
  } else if (!ok) {
    pushback_.push_back(a);
  }
  bool value = false;
  if (ok) {
    Symbol* s = symbols_.find(a.view());
    value = s != nullptr && s->kind != SymbolKind::Defined;
  } else {
    message(MessageKind::Warning, diag::Code::ERDEFINED, "");
  }
  std::uint32_t line = t.line;
  t = Token{};
  t.kind = TokKind::Number;
  t.text = value ? "1" : "0";
  t.len = 1;
  t.line = line;
  t.flags = Spaced;
}

namespace {

void format_date_time(std::string& date, std::string& time_text) {
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[64];
  std::snprintf(buf, sizeof buf, "\"%s %2d %4d\"", months[local.tm_mon % 12], local.tm_mday, local.tm_year + 1900);
  date = buf;
  std::snprintf(buf, sizeof buf, "\"%02d:%02d:%02d\"", local.tm_hour, local.tm_min, local.tm_sec);
  time_text = buf;
}

}  // namespace

Token Engine::special_token(Symbol* m, const Token& name) {
  Token t;
  t.line = name.line;
  t.flags = name.flags & Spaced;
  t.kind = TokKind::Number;
  char digits[24];
  auto number = [&](long long v) {
    auto r = std::to_chars(digits, digits + sizeof digits, v);
    t.text = arena_.store(std::string_view(digits, static_cast<std::size_t>(r.ptr - digits)));
    t.len = static_cast<std::uint32_t>(r.ptr - digits);
  };
  auto quoted = [&](std::string_view s) {
    scratch_.assign(1, '"');
    scratch_.append(s);
    scratch_.push_back('"');
    t.kind = TokKind::String;
    t.text = arena_.store(scratch_);
    t.len = static_cast<std::uint32_t>(scratch_.size());
  };
  switch (m->kind) {
    case SymbolKind::Line:
      number(name.line != 0 ? name.line : (levels_.empty() ? 0 : level().cur.line));
      break;
    case SymbolKind::File:
      quoted(levels_.empty() ? std::string_view() : std::string_view(level().name));
      break;
    case SymbolKind::BaseFile: {
      std::string_view base;
      for (const auto& l : levels_)
        if (!l->name.empty() && l->kind != LevelKind::Init) {
          base = l->name;
          break;
        }
      quoted(base);
      break;
    }
    case SymbolKind::IncludeLevel: {
      long long files = 0;
      for (const auto& l : levels_)
        if (l->kind == LevelKind::File) ++files;
      number(files > 0 ? files - 1 : 0);
      break;
    }
    case SymbolKind::Date:
    case SymbolKind::Time:
      if (date_text_.empty()) format_date_time(date_text_, time_text_);
      t.kind = TokKind::String;
      t.text = m->kind == SymbolKind::Date ? date_text_.c_str() : time_text_.c_str();
      t.len = static_cast<std::uint32_t>(m->kind == SymbolKind::Date ? date_text_.size() : time_text_.size());
      break;
    default:
      number(m->constant);
      break;
  }
  return t;
}

// --- The _Pragma operator ---

namespace {

// The text of a _Pragma string literal: its encoding prefix and quotes dropped, \" and \\ turned
// back into " and \.
std::string destringize(std::string_view literal) {
  std::string_view body = literal.substr(literal.find('"') + 1);
  if (!body.empty() && body.back() == '"') body.remove_suffix(1);
  std::string text;
  text.reserve(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == '\\' && i + 1 < body.size() && (body[i + 1] == '"' || body[i + 1] == '\\')) ++i;
    text.push_back(body[i]);
  }
  return text;
}

}  // namespace

void Engine::unread(const Token& t) {
  // The end of a level or list answers again by itself.
  if (t.kind != TokKind::Eof && t.kind != TokKind::End) pushback_.push_back(t);
}

// A token of the operand, macros expanded; the line ends passed over are kept in `newlines` (when
// given) or dropped.
void Engine::pragma_operand_token(Token& t, std::vector<Token>* newlines) {
  for (;;) {
    expand_next(t);
    if (t.kind != TokKind::Newline) return;
    if (newlines != nullptr) newlines->push_back(t);
  }
}

// "( string-literal )" after _Pragma: true with the destringized text. A malformed operand is
// false: without "(" the token read stays in the input; after "(" the operand is dropped up to its
// closing parenthesis, but not past the end of the line.
bool Engine::read_pragma_operand(std::string& text) {
  Token t;
  std::vector<Token> newlines;
  pragma_operand_token(t, &newlines);
  if (!t.is('(')) {
    unread(t);
    for (std::size_t i = newlines.size(); i-- > 0;) unread(newlines[i]);
    return false;
  }
  Token literal;
  pragma_operand_token(literal, nullptr);
  t = literal;
  if (literal.kind == TokKind::String) {
    pragma_operand_token(t, nullptr);
    if (t.is(')')) {
      text = destringize(literal.view());
      return true;
    }
  }
  for (int depth = 1;; expand_next(t)) {
    if (t.kind == TokKind::Newline || t.kind == TokKind::Eof || t.kind == TokKind::End) {
      unread(t);
      return false;
    }
    if (t.is('(')) ++depth;
    if (t.is(')') && --depth == 0) return false;
  }
}

void Engine::pragma_operator(const Token& name) {
  bool saved_in = in_directive_;
  std::uint32_t saved_line = directive_line_;
  in_directive_ = true;
  directive_line_ = name.line;
  std::size_t levels = levels_.size();
  std::string text;
  if (read_pragma_operand(text)) {
    // The text is a #pragma line of its own: the same tokens, the same handling.
    TextLevel operand;
    operand.cur.p = text.data();
    operand.cur.end = text.data() + text.size();
    operand.cur.line = name.line;
    operand.cur.bol = false;
    std::vector<Token> line = take_vector();
    read_line(operand, line);
    do_pragma(level(), line);
    give_vector(std::move(line));
  } else {
    message(MessageKind::Warning, diag::Code::SYNTAXERR, "_Pragma takes a string literal in parentheses");
  }
  in_directive_ = saved_in;
  directive_line_ = saved_line;
  if (levels_.size() > levels) read_level_in_place();
}

// An alias's replacement was pushed as an input level: it is read before the rest of the
// expansion that held the _Pragma (and before the tokens already read ahead).
void Engine::read_level_in_place() {
  if (!pushback_.empty()) {
    Context ahead;
    ahead.kind = CtxKind::Macro;
    ahead.own.assign(pushback_.rbegin(), pushback_.rend());
    ahead.line = ahead.own.front().line;
    ahead.first_flags = ahead.own.front().flags & Spaced;
    pushback_.clear();
    push_context(std::move(ahead));
  }
  Context in_place;
  in_place.kind = CtxKind::Level;
  in_place.level = levels_.size();
  push_context(std::move(in_place));
}

}  // namespace iface::pp
