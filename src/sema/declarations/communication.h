// The communication declarations: COMMTYPE, CHANNEL, DEF_TRIGGER, TRIGGER, CALLBACK and
// PROCSEND (and their VIRTUAL forms). Each is checked, recorded as entries of `scope` (the global
// scope, or the INSTANCE block's entries in it) and indexed by name (lookup.h); the C names that
// native expressions may use are declared in the interface analysis.
//
// Numbering: communication types, message types and channels count from 0 — communication types
// and message types over the whole script (in declaration order and in order of first use),
// channels within their communication type. The analysis keeps the message type count and the
// highest channel number in use for the generators' tables.
#pragma once
#include <string_view>

#include "script/syntax_tree.h"
#include "sema/context.h"
#include "sema/model/model.h"

namespace sema {

// The predefined communication type "qlx_socket" (entry 50, descriptor 138, connection-id type
// "int") of scripts that use TRIGGER without COMMTYPE; made once.
Entry* declare_socket_comm_type(AnalysisContext& context, Scope* scope);

// COMMTYPE (115): "COMALRDEC", "IDCNOTDEC", "PROPALDEC"; with MULTIPLEXING the connection table
// type "qlx_tabid_<name>".
void analyse_commtype(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);
// CHANNEL (113): "COMMNODEC", "CHAALRDEC" (each ends the list).
void analyse_channel(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);

// DEF_TRIGGER (116): "UKNEVTSTC", then the message type (made on its first use) and its event
// variables ("TRGALRDEC" ends the list).
void analyse_def_trigger(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);
// TRIGGER (46): as DEF_TRIGGER; a new message type also gets a channel "qlx_v1_3_ch_<n>" of
// "qlx_socket" and, unless one is declared, a generated callback.
void analyse_trigger(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);

// CALLBACK (110), VIRTUALCALLBACK (164), PROCSEND (137), VIRTUALPROCSEND (165): "CBALRDEFI" /
// "PSALRDEFI" for a second one of a pair, "COMMNODEC" for an undeclared communication type; the
// parameters and the body in a scope of its own; a callback's body must hold MESSAGE_DATE
// ("NOMSGDCAL") and NO_MESSAGE ("NONMSGCAL").
void analyse_callback(AnalysisContext& context, const script::SyntaxNode* node, Scope* scope);

// After every declaration: "UKNMSGTYP" for each callback or procsend whose message type no
// DEF_TRIGGER or TRIGGER declared.
void check_callback_message_types(AnalysisContext& context);

// Shared by the communication files: a message type by name, made on its first use (entry 47,
// number, select-struct declaration, "int qlx_msg_<name>[];"). `made` tells whether it is new.
Entry* message_type_for(AnalysisContext& context, const script::SyntaxNode* type_leaf, Scope* scope, bool& made);
// A callback (51) or procsend (68) entry named `name`, with its descriptor, record and an empty
// child scope, indexed under the pair of names as written; the entries of the message type and
// of the communication type may be null (not declared, or not yet).
struct CallbackPair {
  std::string_view message_type_name;
  std::string_view comm_type_name;
  Entry* message_type = nullptr;
  Entry* comm_type = nullptr;
};
Entry* new_callback(AnalysisContext& context, Scope* scope, EntryKind kind, std::string_view name,
                    const CallbackPair& pair, const Position& at);
// A channel entry (49) of `comm_type` with its next channel number, at `at`.
Entry* new_channel(AnalysisContext& context, Scope* scope, Entry* comm_type, std::string_view name,
                   const script::SyntaxNode* at);

}  // namespace sema
