// The preprocessor's state and its working parts: the input stack (text levels and
// expansion contexts), the conditional stack, the symbol table, the include chain, the
// pragma aliases and the analysis switch. A Preprocessor (preprocessor.h) owns one.
//
// Expansion works on tokens: a macro's body is scanned once when it is defined; an
// expansion is a context that replays tokens while its macro is disabled; arguments are
// expanded in a context of their own that ends with an End token. Tokens are small records
// that point into file buffers, macro bodies or the text arena, so no text is copied per
// token.
#pragma once
#include "diag/message_codes.h"
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "iface/pp/preprocessor.h"
#include "iface/pp/preprocessor_include.h"
#include "iface/pp/preprocessor_lexer.h"
#include "iface/pp/preprocessor_macros.h"
#include "iface/pp/preprocessor_output.h"
#include "iface/pp/preprocessor_token.h"

namespace iface::pp {

inline constexpr std::size_t max_levels = 1999;
inline constexpr std::size_t max_variadic_text = 9999;
// Tokens one expansion of a source token may deliver (guards against exponential macros).
inline constexpr std::size_t max_expansion_tokens = std::size_t{1} << 24;
// Argument tokens that the open macro calls may hold at once. A call inside an argument copies
// what follows it at each level ("P(P(P(...)))"), so deep nesting would cost the product of the
// depth and the length; past this many the expansion stops with "NBRECURSI".
inline constexpr std::size_t max_live_argument_tokens = std::size_t{1} << 20;

enum class LevelKind : std::uint8_t { File, String, Alias, Init };

struct TextLevel {
  LevelKind kind = LevelKind::String;
  std::string name;
  SourceFile source;       // the buffer (and, for files, the chain index it was found through)
  Cursor cur;
  std::size_t cond_depth = 0;
};

// Macro: the tokens of an expansion. List: a token list expanded on its own (an argument), ended
// by an End token. Level: the input level `level` - 1 (a pragma alias's replacement met through
// _Pragma) is read before the contexts below; the context ends with that level.
enum class CtxKind : std::uint8_t { Macro, List, Level };

struct Context {
  CtxKind kind = CtxKind::Macro;
  std::size_t level = 0;
  Symbol* macro = nullptr;
  const Token* toks = nullptr;
  std::size_t n = 0;
  std::size_t pos = 0;
  std::vector<Token> own;
  std::uint32_t line = 0;
  std::uint8_t first_flags = 0;
  bool hold = false;  // expansion of an unterminated call: its macro stays disabled (see held_)
};

enum CondKind : int { CondIfdef = 3, CondIfndef = 4, CondIf = 5, CondElse = 6, CondElif = 7 };

struct Cond {
  int kind = CondIf;
  std::string file;
  std::uint32_t line = 0;
  bool taken = false;
  bool else_seen = false;
};

struct PragmaAlias {
  std::string key;          // the pragma text without blanks
  std::string replacement;
};

struct MacroArgs {
  std::vector<Token> toks;
  std::vector<std::uint32_t> start;  // argument i is toks[start[i], start[i+1])
  std::size_t count() const { return start.empty() ? 0 : start.size() - 1; }
};

class Engine {
 public:
  Engine(const PreprocessorStart& start, PreprocessorReportHook hook);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  int run(std::string_view text, std::string name, std::uint32_t line, LevelKind kind, std::string& out);
  void end();

  SymbolTable& symbols() { return symbols_; }
  bool analysis_on() const { return analysis_on_; }
  void message(diag::MessageKind kind, diag::Code code, std::string_view argument);

 private:
  // Token flow (preprocessor_expand.cpp).
  void next_token(Token& t);
  void lex_base(Token& t);
  void expand_next(Token& t);
  bool enter_macro(Symbol* m, const Token& name);
  bool peek_paren();
  bool collect_args(Symbol* m, MacroArgs& args);
  void check_arg_count(Symbol* m, MacroArgs& args);
  void substitute(Symbol* m, MacroArgs& args, const Token& name, std::vector<Token>& out);
  void expand_list(const Token* b, std::size_t n, std::vector<Token>& out);
  Token special_token(Symbol* m, const Token& name);
  Token stringify(const Token* b, std::size_t n);
  bool paste(Token& left, const Token& right);
  void handle_defined(Token& t);
  // A feature-test operator of #if and its parenthesised operand: `t` becomes its value
  // (preprocessor_directives.cpp).
  void handle_feature(Symbol* m, Token& t);
  long include_exists(const std::vector<Token>& operand, bool next);
  bool push_context(Context&& c);
  void pop_context();
  void release_held(std::size_t mark);
  std::vector<Token> take_vector();
  void give_vector(std::vector<Token>&& v);
  bool can_push(std::string_view what);
  void stop_expansion(std::string_view name);
  bool charge(std::size_t bytes);
  void abandon_levels(std::size_t base);
  // The _Pragma operator, met where a token goes to the output.
  void pragma_operator(const Token& name);
  bool read_pragma_operand(std::string& text);
  void pragma_operand_token(Token& t, std::vector<Token>* newlines);
  void unread(const Token& t);
  void read_level_in_place();

  // Directives (preprocessor_directives.cpp).
  void directive(TextLevel& level);
  void read_line(TextLevel& level, std::vector<Token>& out);
  void do_define(const std::vector<Token>& line);
  void do_undef(const std::vector<Token>& line);
  void do_include(TextLevel& level, const std::vector<Token>& line, bool next);
  void do_if(TextLevel& level, std::vector<Token>& line);
  void do_ifdef(TextLevel& level, const std::vector<Token>& line, bool negate);
  void do_else(TextLevel& level, std::string_view word);
  void do_elif(TextLevel& level);
  void do_endif();
  void do_pragma(TextLevel& level, const std::vector<Token>& line);
  void do_quelt_pragma(TextLevel& level, const std::vector<Token>& line);
  void do_message(std::string_view word, const std::vector<Token>& line);
  void do_line(TextLevel& level, const std::vector<Token>& line);
  bool evaluate(std::vector<Token>& line);
  void skip_group(TextLevel& level);
  void skip_analysis(TextLevel& level);
  bool else_after_else(const Cond& c, std::string_view word);
  bool push_source(SourceFile&& src, LevelKind kind, std::string name, std::uint32_t line);
  bool is_start_analyse(const Token* b, std::size_t n) const;
  const PragmaAlias* find_alias(const Token* b, std::size_t n) const;
  void define_option(const std::string& item);
  void install_specials();

  TextLevel& level() { return *levels_.back(); }
  void copy_line(std::string_view word, const std::vector<Token>& line);

  PreprocessorReportHook hook_;
  bool ansi_ = false;
  bool kr_ = false;
  SymbolTable symbols_;
  TextArena arena_;
  IncludeChain chain_;
  std::vector<std::unique_ptr<TextLevel>> levels_;
  std::vector<std::unique_ptr<TextLevel>> finished_levels_;   // buffers kept until the call ends
  std::vector<std::unique_ptr<Symbol>> removed_symbols_;     // bodies kept until the call ends
  std::vector<Context> ctx_;
  std::vector<Token> pushback_;
  std::vector<std::vector<Token>> pool_;
  // Macros expanded from an unterminated call stay disabled until the end of the level (or
  // argument list) that ended the call; otherwise an expansion that opens a new call of the
  // same macro at that end would repeat forever.
  std::vector<Symbol*> held_;
  std::vector<Cond> conds_;
  std::vector<PragmaAlias> aliases_;
  std::unordered_set<std::string> once_files_;
  bool analysis_on_ = true;
  OutputWriter writer_;
  std::size_t expansion_tokens_ = 0;
  std::size_t expansion_bytes_ = 0;
  std::size_t expansion_limit_;
  std::size_t output_limit_;
  bool expansion_stopped_ = false;
  std::size_t live_argument_tokens_ = 0;  // held by the macro calls being expanded
  std::size_t work_ = 0;        // bytes made by expansion in this call (bounded by output_limit_)
  bool stopped_ = false;        // the work bound was passed: no more expansion in this call
  bool in_directive_ = false;
  bool in_condition_ = false;   // expanding an #if condition: the feature-test operators answer
  std::uint32_t directive_line_ = 0;
  int call_messages_ = 0;
  std::string date_text_;
  std::string time_text_;
  std::string base_file_;
  std::string scratch_;
};

// Texts of tokens joined as written: one blank where the source had white space.
std::string join_tokens(const Token* b, std::size_t n);

}  // namespace iface::pp
