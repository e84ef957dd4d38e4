#include "script/parse_script.h"

#include <string>
#include <utility>

#include "diag/report.h"
#include "script/parse_context.h"
#include "script/script_grammar.hpp"
#include "script/tree_build.h"

int script_yylex(SCRIPT_YYSTYPE* value, script::ParserLocation* location, script::ParseContext* context) {
  script::ScriptReader& reader = *context->reader;
  int code = reader.next_token();
  *location = reader.token_position();
  context->last_token = code;
  context->last_position = *location;
  switch (code) {
    case TOK_NUMBER: case TOK_STRING: case TOK_ENVVAR: case TOK_SCOPED: case TOK_IDENT: case TOK_CALLNAME:
    case TOK_COMMENT_LINE: case TOK_CHAR: case TOK_HASH_LINE: case TOK_AT_LINE: case TOK_FILTER: case TOK_DFILTER:
    case TOK_EXPR:
      value->node = script::new_leaf(script::Name, *location, reader.token_text());
      break;
    default:
      break;
  }
  return code;
}

void script_yyerror(script::ParserLocation* location, script::ParseContext* context, const char* message) {
  (void)location;
  (void)message;  // the message is chosen by the offending token
  context->syntax_error_at(context->last_token, context->last_position);
}

namespace script {

void ParseContext::syntax_error_at(int token, const SourcePosition& at) const {
  if (reader->at_end_of_input()) {
    SourcePosition end = reader->current_position();
    diag::report_at(diag::MessageKind::Error, diag::Code::UNEXPTEOF, "", end.file ? end.file : "", end.line);
    return;
  }
  const diag::Code* code = syntax_error_code(token);
  const char* file = at.file ? at.file : "";
  if (code == nullptr) {
    diag::report_at(diag::MessageKind::Internal, diag::Code::STXNOMESS, std::to_string(token), file, at.line);
    return;
  }
  diag::report_at(diag::MessageKind::Error, *code, "", file, at.line);
}

namespace {

ParseResult run_parser(ScriptReader& reader, bool comments) {
  ParseContext context;
  context.reader = &reader;
  context.comments = comments;
  context.script_file = reader.current_position().file;
  script_yyparse(&context);
  if (context.root == nullptr) {
    release_tree(context.declarations.head);
    release_tree(context.level.head);
  }
  wrap_root_scenario(context.root);
  ParseResult result;
  result.root = context.root;
  result.files = reader.take_files();
  result.script_flags = reader.script_flags();
  return result;
}

}  // namespace

ParseResult parse_script(const std::string& script_name, const std::vector<std::string>& include_directories,
                         bool comments) {
  ScriptReader reader(include_directories, working_directory());
  reader.open_script(script_name);
  return run_parser(reader, comments);
}

ParseResult parse_script_text(const std::string& name, std::string bytes,
                              const std::vector<std::string>& include_directories, bool comments) {
  ScriptReader reader(include_directories, working_directory());
  reader.open_script_text(name, std::move(bytes));
  return run_parser(reader, comments);
}

void release_files(SourceFileList& files) { files.clear(); }

}  // namespace script
