// The four message tables, in registration order. Rows keep the order of their contexts;
// a code registered again (in the same or a later table) replaces the earlier text.
#include "diag/catalogue.h"

#include <iterator>

namespace diag {

namespace {

const MessageEntry script_compiler_table[] = {
    {"Generic", "Message code %1 not defined", "NOMESSDEF"},
    {"Syntax analysis", "%1Unexpected end of file", "UNEXPTEOF"},
    {"Syntax analysis", "%1Unexpected end of line", "UNEXPTRET"},
    {"Semantic analysis", "%1Cannot open file %2", "CANNOTOPN"},
    {"Fatal error", "%1Internal error in function %2", "ERRINTFCT"},
    {"Fatal error", "%1", "COMMUSAGE"},
    {"Fatal error", "Invalid command line", "COMMFATAL"},
    {"File error", "File %1 access problem", "FICNOTOPN"},
    {"File error", "File %1 opening problem", "FICERROPN"},
    {"Information", "%1%2", "STARTEXEC"},
    {"Information", "%1", "COPYRIGHT"},
    {"Information", "End of execution with %1 error(s) and %2 warning(s)", "ENDERRWAR"},
    {"Information", "End of execution with %1 error(s)", "ENDERRNWR"},
    {"Information", "End of execution with %1%2 warning(s)", "ENDNOEWAR"},
    {"Information", "End of execution with 0 error and 0 warning%1%2", "ENDNOENWR"},
    {"TDC edition", "Out of bound on output buffer. Contact your administrative.", "SIZBUFOVL"},
    {"Command line error", "Initialization problem on command line", "INITPBRLM"},
    {"Command line error", "Incorrect -SET option : filters must be upper case letters", "BADFLTVAL"},
    {"Command line error", "Incorrect -BUFSIZE option : buffer size must be a number", "BADBSZVAL"},
};

const MessageEntry library_table[] = {
    {"Internal Errors (bibli)", "%1Internal error in %2", "ERRINTERN"},
    {"Internal Errors (bibli)", "%1Internal error in function %2", "ERRINTFCT"},
    {"Internal Errors (bibli)", "Undefined message for code number %1", "NOMESSDEF"},
};

const MessageEntry base_table[] = {
    {"Error-modbas", "Undefined message for code number %1", "NOMESSDEF"},
    {"Error-modbas", "End of execution with %1 error(s) and %2 warning(s)", "ENDERRWAR"},
    {"Error-modbas", "End of execution with %1%2 warning(s)", "ENDNOEWAR"},
    {"Error-modbas", "End of execution with 0 error and 0 warning%1%2", "ENDNOENWR"},
    {"Error-modbas", "File %1 opening problem", "FICERROPN"},
    {"Error-modbas", "End of execution with %1 error(s)", "ENDERRNWR"},
    {"Error-modbas", "Incorrect option in option file: %1", "EROPFICMD"},
};

const MessageEntry analyser_table[] = {
    {"Internal Error (ana_c_cpp)", "%1Program shutdown: out of memory %2", "ALLOCMEMO"},
    {"Internal Error (ana_c_cpp)", "%1Internal error in %2", "ERRINTERN"},
};

}  // namespace

void register_script_compiler_messages() {
  register_table(MessageTable::ScriptCompiler, script_compiler_table, std::size(script_compiler_table),
                 CommentRule::ErrorCode);
}

void register_library_messages() {
  register_table(MessageTable::Library, library_table, std::size(library_table), CommentRule::ErrorCode);
}

void register_base_messages() {
  register_table(MessageTable::Base, base_table, std::size(base_table), CommentRule::BaseTable);
}

void register_analyser_messages() {
  register_table(MessageTable::Analyser, analyser_table, std::size(analyser_table), CommentRule::ErrorCode);
}

}  // namespace diag
