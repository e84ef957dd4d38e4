/* The script grammar: an LALR(1) grammar whose actions build the syntax tree.
 *
 * Lines end with an end-of-line token; empty lines are allowed between any two lines. Error
 * recovery is at line level: a line that does not parse is skipped up to its end of line.
 * An INCLUDE line is reduced as soon as its string is read, before any look-ahead, so that the
 * included file's tokens follow it.
 */
%define api.pure full
%define api.prefix {script_yy}
%define api.token.prefix {TOK_}
%define api.location.type {script::ParserLocation}
%locations
%expect 0
%param {script::ParseContext* context}

%code requires {
// Token positions are plain records: the parser may grow its stacks (up to YYMAXDEPTH).
#define SCRIPT_YYLTYPE_IS_TRIVIAL 1
#include "script/syntax_tree.h"
#include "script/tree_build.h"
namespace script {
struct ParseContext;
// The parser's location type: a source position, also constructible from the parser's own
// default initialiser.
struct ParserLocation : SourcePosition {
  ParserLocation(int = 0, int = 0, int = 0, int = 0) {}
  ParserLocation(const SourcePosition& position) : SourcePosition(position) {}
};
}
}

%code provides {
int script_yylex(SCRIPT_YYSTYPE* value, script::ParserLocation* location, script::ParseContext* context);
void script_yyerror(script::ParserLocation* location, script::ParseContext* context, const char* message);
namespace script {
const char* token_display_name(int token);
}
}

%code {
#include "script/parse_context.h"

#define YYLLOC_DEFAULT(Current, Rhs, N)                      \
  do {                                                       \
    if (N) (Current) = YYRHSLOC(Rhs, 1);                     \
    else (Current) = YYRHSLOC(Rhs, 0);                       \
  } while (0)
#define YYMAXDEPTH 102400
#define YYINITDEPTH 256

namespace {

using namespace script;

SyntaxNode* node(int kind, const SourcePosition& at, SyntaxNode* a = nullptr, SyntaxNode* b = nullptr,
                 SyntaxNode* c = nullptr) {
  return new_node(kind, at, a, b, c);
}

// A leaf of `kind` made from a token leaf (text as read).
SyntaxNode* leaf(SyntaxNode* token, int kind) {
  token->kind = kind;
  return token;
}

// A name leaf from an expression token that must be an identifier; null when it is not.
SyntaxNode* identifier_from_expression(SyntaxNode* token) {
  std::string text = trimmed(token->text);
  if (!is_identifier(text)) return nullptr;
  token->kind = Name;
  token->text = std::move(text);
  return token;
}

NodeList empty_list() { return {nullptr, nullptr}; }

SyntaxNode* item(int kind, SyntaxNode* element) { return node(kind, {element->line, element->file, element->file_number}, element); }

SyntaxNode* keyword_leaf(int kind, const SourcePosition& at, const char* text) { return new_leaf(kind, at, text); }

// Statements of a list line: a holder with an optional filter.
SyntaxNode* statement_item(SyntaxNode* holder) { return item(StatementItem, holder); }

SyntaxNode* comment_item(ParseContext* context, SyntaxNode* comment) {
  if (!context->comments) {
    release_tree(comment);
    return nullptr;
  }
  comment->kind = CommentLine;
  comment->text = comment->text.size() > 8 ? comment->text.substr(8) : std::string();
  SourcePosition at{comment->line, comment->file, comment->file_number};
  return statement_item(node(StatementHolder, at, nullptr, comment));
}

// The CALL argument list: one blank argument without '@' parts is no argument at all.
SyntaxNode* call_arguments(NodeList list) {
  SyntaxNode* only = list.head;
  if (only != nullptr && only->second == nullptr && only->first->kind == ArgumentValue) {
    SyntaxNode* holder = only->first->first;
    if (holder->first == nullptr && holder->second == nullptr && holder->third == nullptr) {
      release_tree(only);
      return nullptr;
    }
  }
  return list.head;
}

// Appends a condition part and its text to a condition node.
void add_condition_part(SyntaxNode* condition, NodeList& parts, SyntaxNode* part, const std::string& text) {
  condition->text += text;
  parts = list_append(parts, item(ConditionPart, part), Link::Second);
  condition->first = parts.head;
}

std::string matching_text(const SyntaxNode* matching) {
  std::string text = matching->text + "(" + matching->first->text;
  if (matching->second != nullptr) text += "," + matching->second->text;
  return text + ")";
}

}  // namespace
}

%union {
  script::SyntaxNode* node;
  script::NodeList list;
  int number;
}

%destructor { script::release_tree($$); } <node>
%destructor { script::release_tree($$.head); } <list>

/* Punctuation and token classes */
%token EOL "end of line"
%token LPAREN "(" RPAREN ")" COLON ":" AT "@" COMMA "," SEMI ";" LBRACKET "[" RBRACKET "]"
%token ARROW "=>" ELLIPSIS "..."
%token VIRTUALCALLBACK VIRTUALPROCSEND
%token FORMAT_EQ "FORMAT=" INIT_EQ "INIT=" VALUE_EQ "EV=" EXPECT_EQ "EV=="
%token <node> NUMBER STRING ENVVAR SCOPED IDENT CALLNAME COMMENT_LINE CHAR HASH_LINE AT_LINE
%token <node> FILTER DFILTER EXPR
%token MATCHING MATCHED NOTMATCHING NOTMATCHED LIST_COMMA LIST_CLOSE
%token UNKNOWN
/* Keywords */
%token ADD_ID CALL CALLBACK CASE CATCH CHANNEL CLEAR_ID COMMTYPE DECLARE_INSTANCE DEF_MESSAGE
%token DEF_TRIGGER DISABLE_CLEANUP ELSE ENABLE_CLEANUP END ERROR EXCEPTION EXIT FAMILY FD_ADD FD_DEL
%token FLUSH_TRACE HEADER IF INCLUDE INITIALIZATION INSTANCE INTERRECV INTERSEND IS LOOP MESSAGE
%token MESSAGE_DATE MULTIPLEXING NO_MESSAGE ON OTHERS PAUSE PRINT PROC PROCSEND REF RENDEZVOUS RESET
%token SCENARIO SEND SET SHARE TERMINATION THEN TIMEOUT TIMER TRACE_OFF TRACE_ON TRIGGER UNSET VAR
%token WAITTIL WHEN WHILE WITH

%type <node> header header_part include_line declaration commtype channel def_trigger trigger callback procsend proc
%type <node> callback_head opt_parameters parameter type_name
%type <node> scenario opt_number opt_family block contents
%type <node> holder statement filter call opt_call_arguments opt_return argument call_name
%type <node> case when_branch when_label if else_part while var value waittil condition matching
%type <node> print catch opt_catch_type name_or_string event_name
%type <number> matching_keyword
%type <list> top_lines decl_lines lines line_list names parameters properties arguments at_parts
%type <list> when_list when_labels event_names expression_list condition_parts neutral level_rest
%type <node> line decl_line level_line top_line

%start script

%%

script
  : header top_lines
      {
        SourcePosition at{1, context->reader->token_position().file, 1};
        if (context->script_file != nullptr) at.file = context->script_file;
        context->root = node(ScriptRoot, at, $1, context->declarations.head, context->level.head);
        context->declarations = empty_list();
        context->level = empty_list();
        release_tree($2.head);
      }
  ;

header
  : %empty { $$ = nullptr; }
  | HEADER header_part COMMA header_part COMMA header_part EOL { $$ = node(Header, @1, $2, $4, $6); }
  | HEADER error EOL { $$ = nullptr; }
  ;

header_part
  : STRING { $$ = leaf($1, StringText); }
  | ENVVAR { $$ = leaf($1, EnvText); }
  ;

/* ---- top level: declarations and the scenario level, in any order ---- */

top_lines
  : %empty { $$ = empty_list(); }
  | top_lines top_line { $$ = $1; release_tree($2); }
  ;

top_line
  : EOL { $$ = nullptr; }
  | include_line { context->level = list_append(context->level, item(LevelList, $1), Link::Second); $$ = nullptr; }
  | COMMENT_LINE EOL { release_tree($1); $$ = nullptr; }
  | declaration EOL
      { context->declarations = list_append(context->declarations, item(DeclarationItem, $1), Link::Third); $$ = nullptr; }
  | DECLARE_INSTANCE names EOL
      {
        SyntaxNode* declared = node(DeclareInstance, @1, $2.head);
        context->declarations = list_append(context->declarations, node(DeclarationItem, @1, nullptr, declared), Link::Third);
        $$ = nullptr;
      }
  | INSTANCE names EOL decl_lines END INSTANCE EOL
      {
        SyntaxNode* block = node(InstanceBlock, @1, $2.head, $4.head);
        context->declarations = list_append(context->declarations, node(DeclarationItem, @1, nullptr, block), Link::Third);
        $$ = nullptr;
      }
  | scenario EOL { context->level = list_append(context->level, item(LevelList, $1), Link::Second); $$ = nullptr; }
  | block EOL { context->level = list_append(context->level, item(LevelList, $1), Link::Second); $$ = nullptr; }
  | error EOL { $$ = nullptr; }
  ;

decl_lines
  : %empty { $$ = empty_list(); }
  | decl_lines decl_line { $$ = list_append($1, $2, Link::Third); }
  ;

decl_line
  : EOL { $$ = nullptr; }
  | include_line { release_tree($1); $$ = nullptr; }
  | COMMENT_LINE EOL { release_tree($1); $$ = nullptr; }
  | declaration EOL { $$ = item(DeclarationItem, $1); }
  | error EOL { $$ = nullptr; }
  ;

include_line
  : INCLUDE STRING
      {
        context->reader->include_file($2->text, @1);
        release_tree($2);
        $$ = node(Include, @1);
      }
  ;

/* ---- declarations ---- */

declaration
  : commtype
  | channel
  | def_trigger
  | trigger
  | callback
  | procsend
  | proc
  | HASH_LINE { $$ = leaf($1, HashLine); $$->text.erase(0, 1); }
  ;

commtype
  : COMMTYPE IDENT IS type_name { $$ = node(Commtype, @1, leaf($2, Name), $4); }
  | COMMTYPE IDENT IS type_name WITH properties { $$ = node(Commtype, @1, leaf($2, Name), $4, $6.head); }
  ;

properties
  : MULTIPLEXING { $$ = list_of(node(PropertyItem, @1, node(Multiplexing, @1))); }
  | properties COMMA MULTIPLEXING { $$ = list_append($1, node(PropertyItem, @3, node(Multiplexing, @3)), Link::Second); }
  ;

type_name
  : IDENT { $$ = leaf($1, Name); }
  | SCOPED { $$ = leaf($1, Name); }
  ;

channel
  : CHANNEL IDENT COLON names { $$ = node(Channel, @1, leaf($2, Name), $4.head); for (SyntaxNode* n = $4.head; n; n = n->second) n->kind = ChannelName; }
  ;

def_trigger
  : DEF_TRIGGER IDENT COLON event_names
      { $$ = node(DefTrigger, @1, leaf($2, Name), $4.head); for (SyntaxNode* n = $4.head; n; n = n->second) n->kind = DefTriggerVariable; }
  ;

trigger
  : TRIGGER IDENT COLON event_names
      { $$ = node(Trigger, @1, leaf($2, Name), $4.head); for (SyntaxNode* n = $4.head; n; n = n->second) n->kind = TriggerVariable; }
  ;

/* After DEF_TRIGGER a comma opens an expression: later names arrive as expression tokens. */
event_names
  : IDENT { $$ = list_of(item(Name, leaf($1, Name))); }
  | event_names COMMA event_name { $$ = list_append($1, item(Name, $3), Link::Second); }
  ;

event_name
  : IDENT { $$ = leaf($1, Name); }
  | EXPR
      {
        $$ = identifier_from_expression($1);
        if ($$ == nullptr) {
          context->syntax_error_at(TOK_EXPR, @1);
          release_tree($1);
          YYERROR;
        }
      }
  ;

callback
  : CALLBACK callback_head EOL lines END CALLBACK
      { $$ = $2; $$->kind = Callback; $$->third = make_body($4.head, @1.line + 1); }
  | VIRTUALCALLBACK callback_head EOL lines END CALLBACK
      { $$ = $2; $$->kind = VirtualCallback; $$->third = make_body($4.head, @1.line + 1); $$->line = @1.line; }
  | CALLBACK error EOL lines END CALLBACK { $$ = node(Callback, @1, nullptr, nullptr, make_body($4.head, @1.line + 1)); }
  ;

procsend
  : PROCSEND callback_head EOL lines END PROCSEND
      { $$ = $2; $$->kind = Procsend; $$->third = make_body($4.head, @1.line + 1); }
  | VIRTUALPROCSEND callback_head EOL lines END PROCSEND
      { $$ = $2; $$->kind = VirtualProcsend; $$->third = make_body($4.head, @1.line + 1); }
  | PROCSEND error EOL lines END PROCSEND { $$ = node(Procsend, @1, nullptr, nullptr, make_body($4.head, @1.line + 1)); }
  ;

callback_head
  : IDENT opt_parameters ON IDENT
      { $$ = node(Callback, @1, node(CallbackMessage, @1, leaf($1, Name), $2), node(CallbackComm, @4, leaf($4, Name))); }
  ;

proc
  : PROC IDENT opt_parameters EOL lines END PROC
      { $$ = node(Proc, @1, leaf($2, Name), $3, make_body($5.head, @1.line + 1)); }
  | PROC error EOL lines END PROC { $$ = node(Proc, @1, nullptr, nullptr, make_body($4.head, @1.line + 1)); }
  ;

opt_parameters
  : %empty { $$ = nullptr; }
  | LPAREN RPAREN { $$ = nullptr; }
  | LPAREN parameters RPAREN { $$ = $2.head; }
  ;

parameters
  : parameter { $$ = list_of($1); }
  | parameters COMMA parameter { $$ = list_append($1, $3, Link::Third); }
  ;

/* Words of a parameter: the last one is its name, the others its type; one word is a type. */
parameter
  : type_name { $$ = node(Parameter, @1, $1); }
  | parameter type_name
      {
        $$ = $1;
        if ($$->second != nullptr) {
          $$->first->text += " " + $$->second->text;
          release_tree($$->second);
        }
        $$->second = $2;
      }
  ;

names
  : IDENT { $$ = list_of(item(InstanceName, leaf($1, Name))); }
  | names COMMA IDENT { $$ = list_append($1, item(InstanceName, leaf($3, Name)), Link::Second); }
  ;

/* ---- scenarios and blocks ---- */

scenario
  : SCENARIO IDENT opt_number opt_family EOL contents END SCENARIO
      {
        SourcePosition inside{@1.line + 1, @1.file, @1.file_number};
        $$ = node(Scenario, @1, leaf($2, Name), node(ScenarioContents, inside, $3, $4, $6));
      }
  /* A header line that does not parse: the contents are still read (and checked). */
  | SCENARIO error EOL contents END SCENARIO
      {
        SourcePosition inside{@1.line + 1, @1.file, @1.file_number};
        $$ = node(Scenario, @1, nullptr, node(ScenarioContents, inside, nullptr, node(Empty, @1), $4));
      }
  ;

opt_number
  : %empty { $$ = nullptr; }
  | NUMBER { $$ = leaf($1, Number); }
  ;

opt_family
  : %empty { $$ = node(Empty, @$); }
  | FAMILY names { for (SyntaxNode* n = $2.head; n; n = n->second) n->kind = FamilyName; $$ = node(FamilyClause, @1, $2.head); }
  ;

/* A scenario holds either sub-scenarios and blocks or statements; empty lines, comments and
   includes before the first of them decide nothing. */
contents
  : neutral
      {
        NodeList level = empty_list();
        for (SyntaxNode* n = $1.head; n != nullptr;) {
          SyntaxNode* next = n->third;
          n->third = nullptr;
          if (n->kind == Include) level = list_append(level, item(LevelList, n), Link::Second);
          else release_tree(n);
          n = next;
        }
        $$ = level.head;
      }
  | neutral level_line level_rest
      {
        NodeList level = empty_list();
        for (SyntaxNode* n = $1.head; n != nullptr;) {
          SyntaxNode* next = n->third;
          n->third = nullptr;
          if (n->kind == Include) level = list_append(level, item(LevelList, n), Link::Second);
          else release_tree(n);
          n = next;
        }
        level = list_append(level, $2, Link::Second);
        level = list_concat(level, $3, Link::Second);
        $$ = level.head;
      }
  | neutral line line_list
      {
        NodeList body = empty_list();
        for (SyntaxNode* n = $1.head; n != nullptr;) {
          SyntaxNode* next = n->third;
          n->third = nullptr;
          if (n->kind == StatementItem) body = list_append(body, n, Link::Third);
          else release_tree(n);
          n = next;
        }
        body = list_append(body, $2, Link::Third);
        body = list_concat(body, $3, Link::Third);
        $$ = make_body(body.head, @$.line + 1);
      }
  ;

/* Neutral lines, chained through third: includes (24) and comments (146). */
neutral
  : %empty { $$ = empty_list(); }
  | neutral EOL { $$ = $1; }
  | neutral include_line { $$ = list_append($1, $2, Link::Third); }
  | neutral COMMENT_LINE EOL { $$ = list_append($1, comment_item(context, $2), Link::Third); }
  ;

level_line
  : scenario EOL { $$ = item(LevelList, $1); }
  | block EOL { $$ = item(LevelList, $1); }
  ;

level_rest
  : %empty { $$ = empty_list(); }
  | level_rest level_line { $$ = list_append($1, $2, Link::Second); }
  | level_rest EOL { $$ = $1; }
  | level_rest include_line { $$ = list_append($1, item(LevelList, $2), Link::Second); }
  | level_rest COMMENT_LINE EOL { $$ = $1; release_tree($2); }
  | level_rest error EOL { $$ = $1; }
  ;

block
  : INITIALIZATION CALL call_name opt_call_arguments { $$ = node(Initialization, @1, $3, nullptr, $4); }
  | INITIALIZATION EOL lines END INITIALIZATION { $$ = node(Initialization, @1, nullptr, make_body($3.head, @1.line + 1)); }
  | TERMINATION CALL call_name opt_call_arguments { $$ = node(Termination, @1, $3, nullptr, $4); }
  | TERMINATION EOL lines END TERMINATION { $$ = node(Termination, @1, nullptr, make_body($3.head, @1.line + 1)); }
  | EXCEPTION CALL call_name opt_call_arguments { $$ = node(Exception, @1, $3, nullptr, $4); }
  | EXCEPTION EOL lines END EXCEPTION { $$ = node(Exception, @1, nullptr, make_body($3.head, @1.line + 1)); }
  ;

/* ---- statement lists ---- */

lines
  : %empty { $$ = empty_list(); }
  | lines line { $$ = list_append($1, $2, Link::Third); }
  | lines EOL { $$ = $1; }
  | lines include_line { $$ = $1; release_tree($2); }
  | lines COMMENT_LINE EOL { $$ = list_append($1, comment_item(context, $2), Link::Third); }
  ;

/* The lines after the first statement line of a scenario. */
line_list
  : %empty { $$ = empty_list(); }
  | line_list line { $$ = list_append($1, $2, Link::Third); }
  | line_list EOL { $$ = $1; }
  | line_list include_line { $$ = $1; release_tree($2); }
  | line_list COMMENT_LINE EOL { $$ = list_append($1, comment_item(context, $2), Link::Third); }
  ;

line
  : holder EOL { $$ = statement_item($1); }
  | INSTANCE names EOL lines END INSTANCE EOL
      { $$ = node(StatementItem, @1, node(InstanceHeader, @1, $2.head), $4.head); }
  | error EOL { $$ = nullptr; }
  ;

holder
  : statement { $$ = node(StatementHolder, @1, nullptr, $1); }
  | filter statement { $$ = node(StatementHolder, @1, $1, $2); }
  ;

filter
  : FILTER { $$ = leaf($1, Filter); }
  | DFILTER { $$ = leaf($1, DoubleFilter); }
  ;

statement
  : call
  | case
  | if
  | while
  | var
  | waittil
  | print
  | catch
  | ERROR { $$ = node(Error, @1); }
  | EXIT { $$ = node(Exit, @1); }
  | HASH_LINE { $$ = leaf($1, HashLine); $$->text.erase(0, 1); }
  | AT_LINE { $$ = leaf($1, AtLine); $$->text.erase(0, 1); }
  | SET STRING { $$ = node(Set, @1, leaf($2, StringText)); }
  | UNSET STRING { $$ = node(Unset, @1, leaf($2, StringText)); }
  | RENDEZVOUS IDENT { $$ = node(Rendezvous, @1, leaf($2, Name)); }
  | DEF_MESSAGE EXPR COMMA INIT_EQ EXPR
      { $$ = node(DefMessage, @1, retag_trimmed($2, Name), leaf($5, InitValue)); $$->second->text = trimmed($$->second->text); }
  | NO_MESSAGE { $$ = node(NoMessage, @1); }
  | MESSAGE_DATE { $$ = node(MessageDate, @1); }
  | ADD_ID LPAREN EXPR COMMA EXPR RPAREN
      {
        SyntaxNode* channel = node(ArgumentList, @3, retag_trimmed($3, Name));
        SyntaxNode* identifier = node(ArgumentList, @5, retag_trimmed($5, Name));
        $$ = node(AddId, @1, channel, identifier);
      }
  | CLEAR_ID LPAREN EXPR RPAREN { $$ = node(ClearId, @1, node(ArgumentList, @3, retag_trimmed($3, Name))); }
  | TIMER IDENT { $$ = node(Timer, @1, leaf($2, Name)); }
  | RESET IDENT { $$ = node(Reset, @1, leaf($2, Name)); }
  | PAUSE expression_list { $$ = node(Pause, @1, $2.head); }
  | SEND IDENT ON IDENT { $$ = node(Send, @1, node(SendOperands, @2, leaf($2, Name), leaf($4, Name))); }
  | FLUSH_TRACE { $$ = keyword_leaf(FlushTrace, @1, "FLUSH_TRACE"); }
  | TRACE_ON { $$ = keyword_leaf(TraceOn, @1, "TRACE_ON"); }
  | TRACE_OFF { $$ = keyword_leaf(TraceOff, @1, "TRACE_OFF"); }
  | INTERSEND LPAREN EXPR COMMA EXPR RPAREN
      { $$ = node(Intersend, @1, node(IntersendOperands, @3, retag_trimmed($3, Name), retag_trimmed($5, Name))); }
  | INTERRECV LPAREN EXPR RPAREN
      { $$ = node(Interrecv, @1, node(InterrecvOperands, @3, retag_trimmed($3, Name))); }
  | INTERRECV LPAREN EXPR COMMA EXPR RPAREN
      { $$ = node(Interrecv, @1, node(InterrecvOperands, @3, retag_trimmed($3, Name), retag_trimmed($5, Name))); }
  | ENABLE_CLEANUP IDENT { $$ = node(EnableCleanup, @1, leaf($2, Name)); }
  | DISABLE_CLEANUP IDENT { $$ = node(DisableCleanup, @1, leaf($2, Name)); }
  ;

/* Comma-separated expressions (PAUSE, PRINT): kind-125 chain, blank items kept as absent leaves. */
expression_list
  : EXPR { $$ = list_of(node(ArgumentList, @1, retag_trimmed($1, Name))); }
  | expression_list COMMA EXPR { $$ = list_append($1, node(ArgumentList, @3, retag_trimmed($3, Name)), Link::Second); }
  ;

/* ---- CALL ---- */

call
  : CALL call_name opt_call_arguments opt_return { $$ = node(Call, @1, $2, $3, $4); }
  ;

call_name
  : CALLNAME { $$ = retag_trimmed($1, Name); }
  ;

opt_call_arguments
  : %empty { $$ = nullptr; }
  | LPAREN arguments RPAREN { $$ = call_arguments($2); }
  ;

arguments
  : argument { $$ = list_of($1); }
  | arguments COMMA argument { $$ = list_append($1, $3, Link::Second); }
  ;

argument
  : REF type_name { $$ = node(ArgumentItem, @1, node(RefArgument, @1, $2)); }
  | EXPR at_parts
      {
        SyntaxNode* holder = node(ValueHolder, @1, retag_trimmed($1, Name), $2.head, $2.tail != $2.head ? $2.tail : nullptr);
        if (holder->second != nullptr) holder->second->second = nullptr;
        $$ = node(ArgumentItem, @1, node(ArgumentValue, @1, holder));
      }
  ;

/* Up to two '@' parts, kept as leaves (a blank part is an empty leaf). */
at_parts
  : %empty { $$ = empty_list(); }
  | AT EXPR { $$ = list_of(leaf($2, Name)); $2->text = trimmed($2->text); }
  | AT EXPR AT EXPR
      {
        $2->text = trimmed($2->text);
        $4->text = trimmed($4->text);
        $$ = list_append(list_of(leaf($2, Name)), leaf($4, Name), Link::Second);
      }
  ;

opt_return
  : %empty { $$ = nullptr; }
  | AT EXPR { $$ = node(ReturnPart, @1, retag_trimmed($2, Name)); }
  | AT EXPR COMMA EXPR { $$ = node(ReturnPart, @1, retag_trimmed($2, Name), retag_trimmed($4, Name)); }
  ;

/* ---- CASE, IF, WHILE ---- */

case
  : CASE LPAREN EXPR RPAREN EOL when_list END CASE { $$ = node(Case, @1, retag_trimmed($3, Name), $6.head); }
  ;

when_list
  : when_branch { $$ = list_of(item(WhenItem, $1)); }
  | when_list when_branch { $$ = list_append($1, item(WhenItem, $2), Link::Second); }
  ;

when_branch
  : WHEN when_labels EOL lines { $$ = node(WhenBranch, @1, $2.head, $4.head); }
  | WHEN error EOL lines { $$ = node(WhenBranch, @1, nullptr, $4.head); }
  ;

when_labels
  : when_label { $$ = list_of(item(WhenLabel, $1)); }
  | when_labels COMMA EXPR
      {
        SyntaxNode* label = retag_trimmed($3, Name);
        if (label == nullptr) {
          context->syntax_error_at(TOK_COMMA, @2);
          release_tree($1.head);
          YYERROR;
        }
        $$ = list_append($1, item(WhenLabel, label), Link::Second);
      }
  ;

when_label
  : NUMBER { $$ = leaf($1, Number); }
  | IDENT { $$ = leaf($1, Name); }
  | OTHERS { $$ = node(Others, @1); }
  | LPAREN EXPR RPAREN
      {
        $$ = retag_trimmed($2, Name);
        if ($$ == nullptr) {
          context->syntax_error_at(TOK_RPAREN, @3);
          YYERROR;
        }
      }
  ;

if
  : IF LPAREN EXPR RPAREN THEN EOL lines else_part END IF { $$ = node(If, @1, retag_trimmed($3, Name), $7.head, $8); }
  | IF error EOL lines else_part END IF { $$ = node(If, @1, nullptr, $4.head, $5); }
  ;

else_part
  : %empty { $$ = node(Empty, @$); }
  | ELSE EOL lines { $$ = node(ElsePart, @1, $3.head); }
  ;

while
  : WHILE LPAREN EXPR RPAREN EOL lines END WHILE { $$ = node(While, @1, retag_trimmed($3, Name), $6.head); }
  | WHILE error EOL lines END WHILE { $$ = node(While, @1, nullptr, $4.head); }
  ;

/* ---- VAR and FORMAT ---- */

var
  : VAR EXPR COMMA value
      {
        if ($4->kind == Format) {
          SyntaxNode* variable = retag_trimmed($2, Name);
          if (variable == nullptr) variable = new_leaf(Name, @2, "");
          variable->kind = FormatVariable;
          $4->kind = Name;
          $$ = node(Format, @1, variable, $4);
        } else {
          $$ = node(Var, @1, retag_trimmed($2, Name), $4);
        }
      }
  ;

value
  : INIT_EQ EXPR { $$ = leaf($2, InitValue); $$->text = trimmed($$->text); }
  | VALUE_EQ EXPR { $$ = leaf($2, ExpectedValue); $$->text = trimmed($$->text); }
  | EXPECT_EQ EXPR { $$ = leaf($2, ExpectTest); $$->text = trimmed($$->text); }
  | FORMAT_EQ EXPR { $$ = leaf($2, Format); $$->text = trimmed($$->text); }
  ;

/* ---- WAITTIL ---- */

waittil
  : WAITTIL LPAREN condition COMMA condition RPAREN { $$ = node(Waittil, @1, $3, $5); }
  ;

condition
  : condition_parts { $$ = node(Condition, @1); for (SyntaxNode* p = $1.head; p; p = p->second) { $$->text += p->first->kind == Matching ? matching_text(p->first) : p->first->text; } $$->text = trimmed($$->text); $$->has_text = true; $$->first = $1.head; }
  ;

condition_parts
  : EXPR { $$ = list_of(item(ConditionPart, leaf($1, Name))); }
  | condition_parts matching EXPR
      {
        $$ = list_append($1, item(ConditionPart, $2), Link::Second);
        $$ = list_append($$, item(ConditionPart, leaf($3, Name)), Link::Second);
      }
  ;

matching
  : matching_keyword IDENT LIST_CLOSE { $$ = keyword_leaf(Matching, @1, token_display_name($1)); $$->first = leaf($2, Name); }
  | matching_keyword IDENT LIST_COMMA IDENT LIST_CLOSE
      { $$ = keyword_leaf(Matching, @1, token_display_name($1)); $$->first = leaf($2, Name); $$->second = leaf($4, Name); }
  ;

matching_keyword
  : MATCHING { $$ = TOK_MATCHING; }
  | MATCHED { $$ = TOK_MATCHED; }
  | NOTMATCHING { $$ = TOK_NOTMATCHING; }
  | NOTMATCHED { $$ = TOK_NOTMATCHED; }
  ;

/* ---- PRINT, CATCH ---- */

print
  : PRINT name_or_string { $$ = node(Print, @1, $2); }
  | PRINT name_or_string COMMA expression_list { $$ = node(Print, @1, $2, $4.head); }
  ;

name_or_string
  : IDENT { $$ = leaf($1, Name); }
  | STRING { $$ = leaf($1, Name); }
  ;

catch
  : CATCH opt_catch_type WITH IDENT { $$ = node(Catch, @1, $2, leaf($4, Name)); }
  ;

opt_catch_type
  : %empty { $$ = nullptr; }
  | type_name
  | LPAREN EXPR RPAREN { $$ = retag_trimmed($2, Name); }
  ;

%%

namespace script {

const char* token_display_name(int token) {
  switch (token) {
    case TOK_MATCHING: return "MATCHING";
    case TOK_MATCHED: return "MATCHED";
    case TOK_NOTMATCHING: return "NOTMATCHING";
    case TOK_NOTMATCHED: return "NOTMATCHED";
    default: return "";
  }
}

}  // namespace script
