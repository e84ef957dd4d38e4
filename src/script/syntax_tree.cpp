#include "script/syntax_tree.h"

#include <utility>
#include <vector>

namespace script {

SyntaxNode* new_node(int kind, const SourcePosition& at, SyntaxNode* first, SyntaxNode* second, SyntaxNode* third) {
  auto* node = new SyntaxNode;
  node->kind = kind;
  node->first = first;
  node->second = second;
  node->third = third;
  node->line = at.line;
  node->file = at.file;
  node->file_number = at.file_number;
  return node;
}

SyntaxNode* new_leaf(int kind, const SourcePosition& at, std::string text) {
  SyntaxNode* node = new_node(kind, at);
  node->has_text = true;
  node->text = std::move(text);
  return node;
}

void release_tree(SyntaxNode* node, bool with_texts) {
  (void)with_texts;  // texts belong to their nodes and go with them
  std::vector<SyntaxNode*> pending;
  if (node != nullptr) pending.push_back(node);
  while (!pending.empty()) {
    SyntaxNode* current = pending.back();
    pending.pop_back();
    for (SyntaxNode* child : {current->first, current->second, current->third}) {
      if (child != nullptr) pending.push_back(child);
    }
    delete current;
  }
}

namespace {

struct KindName {
  int kind;
  const char* name;
};

constexpr KindName kind_names[] = {
    {ArgumentItem, "ArgumentItem"}, {Call, "Call"}, {WhenBranch, "WhenBranch"}, {Case, "Case"},
    {WhenItem, "WhenItem"}, {CommentLine, "CommentLine"}, {Number, "Number"}, {ArgumentValue, "ArgumentValue"},
    {Parameter, "Parameter"}, {ElsePart, "ElsePart"}, {Empty, "Empty"}, {Error, "Error"}, {Exit, "Exit"},
    {ValueHolder, "ValueHolder"}, {FamilyName, "FamilyName"}, {FamilyClause, "FamilyClause"}, {Name, "Name"},
    {If, "If"}, {Include, "Include"}, {Initialization, "Initialization"},
    {EnvironmentVariable, "EnvironmentVariable"}, {Header, "Header"}, {StatementHolder, "StatementHolder"},
    {Filter, "Filter"}, {HashLine, "HashLine"}, {AtLine, "AtLine"}, {DoubleFilter, "DoubleFilter"},
    {Proc, "Proc"}, {ScriptRoot, "ScriptRoot"}, {Scenario, "Scenario"}, {LevelList, "LevelList"},
    {Trigger, "Trigger"}, {TriggerVariable, "TriggerVariable"}, {Others, "Others"},
    {RefArgument, "RefArgument"}, {Set, "Set"}, {StringText, "StringText"}, {Termination, "Termination"},
    {Matching, "Matching"}, {Unset, "Unset"}, {Var, "Var"}, {Waittil, "Waittil"}, {WhenLabel, "WhenLabel"},
    {While, "While"}, {Condition, "Condition"}, {ConditionPart, "ConditionPart"}, {Exception, "Exception"},
    {ReturnPart, "ReturnPart"}, {EnvText, "EnvText"}, {InstructionList, "InstructionList"},
    {DeclarationList, "DeclarationList"}, {InitValue, "InitValue"}, {ExpectedValue, "ExpectedValue"},
    {Rendezvous, "Rendezvous"}, {ExpectTest, "ExpectTest"}, {Format, "Format"},
    {FormatVariable, "FormatVariable"}, {DefMessage, "DefMessage"}, {Callback, "Callback"},
    {CallbackMessage, "CallbackMessage"}, {Channel, "Channel"}, {ChannelName, "ChannelName"},
    {Commtype, "Commtype"}, {DefTrigger, "DefTrigger"}, {DefTriggerVariable, "DefTriggerVariable"},
    {CallbackComm, "CallbackComm"}, {NoMessage, "NoMessage"}, {MessageDate, "MessageDate"}, {AddId, "AddId"},
    {ClearId, "ClearId"}, {Multiplexing, "Multiplexing"}, {ArgumentList, "ArgumentList"},
    {PropertyItem, "PropertyItem"}, {Timer, "Timer"}, {Reset, "Reset"}, {Pause, "Pause"}, {Print, "Print"},
    {ScenarioContents, "ScenarioContents"}, {Catch, "Catch"}, {Send, "Send"}, {Procsend, "Procsend"},
    {EnableCleanup, "EnableCleanup"}, {DisableCleanup, "DisableCleanup"}, {SendOperands, "SendOperands"},
    {InstanceBlock, "InstanceBlock"}, {DeclareInstance, "DeclareInstance"}, {InstanceName, "InstanceName"},
    {StatementItem, "StatementItem"}, {DeclarationItem, "DeclarationItem"}, {InstanceHeader, "InstanceHeader"},
    {FlushTrace, "FlushTrace"}, {TraceOn, "TraceOn"}, {TraceOff, "TraceOff"}, {Intersend, "Intersend"},
    {IntersendOperands, "IntersendOperands"}, {Interrecv, "Interrecv"}, {InterrecvOperands, "InterrecvOperands"},
    {VirtualCallback, "VirtualCallback"}, {VirtualProcsend, "VirtualProcsend"},
};

}  // namespace

const char* node_kind_name(int kind) {
  for (const KindName& entry : kind_names) {
    if (entry.kind == kind) return entry.name;
  }
  return "";
}

}  // namespace script
