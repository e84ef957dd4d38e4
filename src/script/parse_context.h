// State shared by the script grammar's actions and its token and error hooks.
#pragma once
#include "diag/message_codes.h"
#include "script/reader.h"
#include "script/syntax_tree.h"
#include "script/tree_build.h"

namespace script {

struct ParseContext {
  ScriptReader* reader = nullptr;
  bool comments = true;              // COMMENT lines build nodes
  const char* script_file = nullptr;
  SyntaxNode* root = nullptr;
  NodeList declarations{nullptr, nullptr};  // the root's declaration chain (148)
  NodeList level{nullptr, nullptr};         // the root's scenario-level list (45)
  int last_token = 0;                       // the token the parser read last
  SourcePosition last_position;

  // Reports the syntax error chosen by `token` at `at` (the parser's own errors use the last
  // token read).
  void syntax_error_at(int token, const SourcePosition& at) const;
};

// The message code for a syntax error on `token`, or null when the token has no entry.
const diag::Code* syntax_error_code(int token);

}  // namespace script
