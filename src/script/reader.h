// The script reader: characters of the script and its included files, line counting, '&' line
// continuation, the include stack and the token rules with their start conditions.
#pragma once
#include <string>
#include <vector>

#include "script/source_files.h"
#include "script/syntax_tree.h"

namespace script {

enum class StartCondition { StatementStart, StatementBody, NativeExpression, CallName, MatchingList };

// Script flags returned to the driver.
inline constexpr int flag_commtype = 1;
inline constexpr int flag_trigger = 2;

// Token text limit: a token may not grow beyond this many characters.
inline constexpr std::size_t token_text_limit = 14999;

class ScriptReader {
 public:
  ScriptReader(std::vector<std::string> include_directories, std::string working_directory);

  // Opens the script as file 1 (fatal "FICNOTOPN" when it cannot be read).
  void open_script(const std::string& name);
  // Reads `bytes` as the script named `name` (file 1).
  void open_script_text(const std::string& name, std::string bytes);

  // The next token code (codes of the script grammar), 0 at the end of the last file. Its text
  // and position stay readable until the next call.
  int next_token();
  const std::string& token_text() const { return token_; }
  SourcePosition token_position() const { return token_position_; }

  // Switches input to the file named by a string token (quotes included); fatal "CANNOTOPN"
  // or "INCLOOPDT" at `at`.
  void include_file(const std::string& string_token, const SourcePosition& at);

  // True when the last character read was the end of a file and no character read before it
  // is waiting to be read again.
  bool at_end_of_input() const { return last_was_end_; }
  SourcePosition current_position() const;
  int script_flags() const { return script_flags_; }
  StartCondition start_condition() const { return mode_; }

  // The source file records, newest first; the reader gives them up.
  SourceFileList take_files();

 private:
  struct Input {
    std::string bytes;
    std::size_t position = 0;
    SourceFile* file = nullptr;
    int line = 1;
    std::vector<int> pushed_back;  // read before the bytes, last first
    int previous_char = '\n';
    bool include_name = false;  // the include-name flag of this file while another one is read
  };

  int raw_char();
  int read_char();
  void unread_char(int c);
  int next_char();
  void take(int c);
  void give_back(std::size_t keep);

  bool resume_including_file();
  int finish_token(int code);

  int scan_statement();
  int scan_word(int c);
  int scan_number(int c);
  bool scan_string_body(bool reduce);
  bool scan_char_constant();
  void scan_rest_of_line();
  int scan_native();
  int scan_native_word(int c, const SourcePosition& here);
  int end_native(int terminator);
  int scan_call_name();
  int scan_matching_list();
  int keyword_token(int code, bool declaration);
  void enter_native();

  Input open_input(const std::string& name, std::string bytes);

  std::vector<std::string> include_directories_;
  std::string working_directory_;
  FileTable table_;
  SourceFileList files_;
  Input input_;
  std::vector<Input> include_stack_;

  std::string token_;
  SourcePosition token_position_;
  StartCondition mode_ = StartCondition::StatementStart;
  bool line_start_ = true;
  bool expression_position_ = true;
  bool include_name_ = false;
  bool last_was_end_ = false;
  bool end_line_given_ = false;
  int paren_depth_ = 0;
  int bracket_depth_ = 0;
  int pending_matching_ = 0;
  int script_flags_ = 0;
};

}  // namespace script
