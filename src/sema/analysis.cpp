// The top of the semantic analysis: the run-time names, the header, the instance mode, the
// declarations, the scenario level and the closing notices, in this order.
#include "sema/analysis.h"

#include <cstdlib>
#include <string>

#include "iface/query/anc_session.h"
#include "script/tree_view.h"
#include "sema/declarations/communication.h"
#include "sema/context.h"
#include "sema/declarations/declarations.h"
#include "sema/scenarios/instances.h"
#include "sema/node_report.h"
#include "sema/notices.h"
#include "sema/scenarios/scenarios.h"
#include "sema/declarations/trigger_socket.h"

namespace sema {

using script::SyntaxNode;

namespace {

// The names the generated driver's runtime provides, declared so that the script's C
// expressions may use them.
void declare_runtime_names(const SyntaxNode* root) {
  std::string text =
      "long WTIME;\n"
      "int QLX_NOTMATCHED_1(int);\nint QLX_MATCHED_1(int);\nint QLX_MATCHING_1(int);\nint QLX_NOTMATCHING_1(int);\n"
      "int QLX_NOTMATCHED_2(int,int);\nint QLX_MATCHED_2(int,int);\nint QLX_MATCHING_2(int,int);\n"
      "int QLX_NOTMATCHING_2(int,int);\n"
      "unsigned long QLX_TIMEOUT;\n"
      "int qlx_state_channel[][];\n"
      "unsigned long TIME(unsigned long timer);\n";
  for (int i = 0; i <= 20; ++i) text += "int I" + std::to_string(i) + ";\n";
  for (int i = 0; i <= 20; ++i) text += "int J" + std::to_string(i) + ";\n";
  std::string_view file = file_of(root);
  std::string ignored;
  iface::anc_preprocess("#define NIL 0\n", file, root->line, ignored);
  text += "void *NONIL;\nint QLX_OCCID;\nint QLX_NUMINSTANCE;\n";
  iface::anc_declare(text, "", file, root->line);
}

// A header part: a string as written, or an environment variable's value (empty when unset).
std::string header_text(const SyntaxNode* part) {
  if (part->kind != script::EnvText) return part->text;
  std::string name = part->text.substr(part->text.empty() ? 0 : 1);
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? std::string(value) : std::string();
}

// The header entry (1) at the head of the global scope, with the three texts of HEADER (empty
// texts without one).
void record_header(AnalysisContext& context, const SyntaxNode* root) {
  Model& model = context.model;
  const SyntaxNode* header = script::root_header(root);
  Entry* entry = new_entry(model, model.global(), EntryKind::Header, "", position_of(header != nullptr ? header : root));
  HeaderRecord& record = record_of<HeaderRecord>(new_descriptor(model, entry, DescriptorKind::Header));
  if (header == nullptr) return;
  for (int index = 1; index <= 3; ++index) record.texts[index - 1] = header_text(script::header_part(header, index));
}

}  // namespace

AnalysisResult analyse_script(const script::SyntaxNode* root, const script::SourceFileList& files,
                              const AnalysisParameters& parameters) {
  AnalysisResult result;
  result.model = std::make_unique<Model>();
  AnalysisContext context{*result.model, parameters, files, AnalysisState{}, ModelIndex{}};

  script::expect_kind(root, script::ScriptRoot);
  declare_runtime_names(root);
  record_header(context, root);
  // TRIGGER without COMMTYPE: the messages travel on the predefined communication type.
  if (parameters.script_flags == 2) declare_trigger_socket(context);
  const SyntaxNode* declarations = script::root_declarations(root);
  choose_instance_mode(context, declarations);
  analyse_declarations(context, declarations, context.model.global());
  check_callback_message_types(context);
  analyse_scenario_level(context, script::root_level(root));
  report_statement_notices(context);

  result.instance_mode = context.state.instance_mode;
  result.chosen_instance = context.state.chosen_instance;
  result.comm_type_count = context.state.comm_type_count;
  result.message_type_count = context.state.message_type_count;
  result.highest_channel = context.state.highest_channel;
  result.timer_count = context.state.timer_counter;
  return result;
}

}  // namespace sema
