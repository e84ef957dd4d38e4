// The handler of each statement node kind. statements.cpp dispatches to them through its table;
// each family lives in the file named in its group below. A handler reports its statement's
// mistakes at the statement's file and line, records the entries of the statement in `scope`
// (none when the statement is in error), and lets the walk go on.
#pragma once
#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/statements/statement_list.h"

namespace sema {

using StatementHandler = void (*)(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// calls.cpp: CALL of a PROC, a C/C++ function or a macro.
void analyse_call(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// control_flow.cpp: IF, WHILE, CASE with its WHEN branches.
void analyse_if(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_while(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_case(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// value_checks.cpp: VAR with INIT=, EV= or EV==, and DEF_MESSAGE.
void analyse_var(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_def_message(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// waittil.cpp: WAITTIL.
void analyse_waittil(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// messaging.cpp: SEND, ADD_ID, CLEAR_ID, MESSAGE_DATE, NO_MESSAGE.
void analyse_send(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_add_id(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_clear_id(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_message_date(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_no_message(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// timers.cpp: TIMER, RESET, PAUSE, PRINT.
void analyse_timer(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_reset(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_pause(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_print(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// handlers.cpp: CATCH, ENABLE_CLEANUP, DISABLE_CLEANUP.
void analyse_catch(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_enable_cleanup(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_disable_cleanup(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// run_control.cpp: SET, UNSET, TRACE_ON, TRACE_OFF, FLUSH_TRACE, RENDEZVOUS, FORMAT.
void analyse_set(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_unset(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_trace_on(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_trace_off(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_flush_trace(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_rendezvous(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_format(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

// intertester.cpp: INTERSEND, INTERRECV.
void analyse_intersend(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);
void analyse_interrecv(AnalysisContext&, const script::SyntaxNode*, Scope*, const ExecutionFilter&);

}  // namespace sema
