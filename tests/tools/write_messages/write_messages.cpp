// write_messages <script> <interface_file>[,<interface_file>] <root> [options]
//
// Runs what qmkprepro runs up to the TDC file (which numbers the elements), with qmkprepro's
// command line, then writes "<root>_messages.cc" with the C++ driver's writer: for each message
// type, in declaration order, its dump, reference and compare member functions; then, for each
// DEF_MESSAGE statement of the model (depth first, in scope order), a line "// DEF_MESSAGE <message>"
// and the statement. The file is a fragment, not a driver: it lets the message functions be
// checked while the rest of the communication code is not written. Diagnostics go to stderr; the
// exit status is the run's; nothing is written when the analysis reported errors.
#include <QCoreApplication>
#include <string>
#include <vector>

#include "../front_end.h"
#include "driver/generation_phase.h"
#include "gen/cpp/cpp_writer.h"
#include "gen/model_walk.h"
#include "gen/tdc/probe_header.h"
#include "gen/tdc/tdc_writer.h"

namespace {

// The DEF_MESSAGE statements of the model, depth first in scope order.
std::vector<const sema::Entry*> def_messages(const sema::Scope* global) {
  std::vector<const sema::Entry*> found;
  std::vector<const sema::Entry*> pending;
  if (global->first != nullptr) pending.push_back(global->first);
  while (!pending.empty()) {
    const sema::Entry* e = pending.back();
    pending.pop_back();
    if (e->next != nullptr) pending.push_back(e->next);
    if (e->kind == sema::EntryKind::DefMessage) found.push_back(e);
    if (e->descriptor == nullptr) continue;
    if (const auto* condition = std::get_if<sema::ConditionRecord>(&e->descriptor->record)) {
      if (condition->else_scope != nullptr && condition->else_scope->first != nullptr)
        pending.push_back(condition->else_scope->first);
    }
    const sema::Scope* inside = gen::child_scope(e);
    if (inside != nullptr && inside->first != nullptr) pending.push_back(inside->first);
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  tools::install_handlers();
  QCoreApplication application(argc, argv);
  tools::FrontEnd run = tools::run_front_end(application, argc, argv);
  const driver::RunOptions& options = run.options;
  sema::AnalysisResult& analysed = run.analysed;
  if (diag::error_count() == 0 && analysed.model != nullptr) {
    driver::GenerationInput input{options, run.script, run.effective_line, run.parsed.files, analysed};
    gen::GenParameters parameters = driver::generation_parameters(input);
    gen::RunIdentifier identifier{"Thu Jan  1 00:00:00 1970", 0};
    gen::OutputSet outputs;
    gen::GenContext context{*analysed.model, parameters, identifier, outputs, {}, {}};
    gen::write_tdc(context, driver::tdc_file_name(options.root), driver::header_file_name(options.root));
    gen::CppParameters cpp = driver::cpp_parameters(options);
    cpp.source = options.root + "_messages.cc";
    gen::CppWriter writer(context, cpp);
    gen::gen_open(outputs, writer.out(), cpp.source);
    for (const sema::Entry* e = analysed.model->global()->first; e != nullptr; e = e->next) {
      if (e->kind == sema::EntryKind::MessageType) writer.write_message_functions(e);
    }
    for (const sema::Entry* statement : def_messages(analysed.model->global())) {
      writer.empty();
      writer.raw("// DEF_MESSAGE " + statement->text);
      writer.write_def_message(statement);
    }
    gen::gen_close(writer.out());
    gen::close_probe_header(context);
    outputs.commit();
  }

  tools::finish_front_end(run);
}
