#include "gen/tdc/tdc_writer.h"

#include <unistd.h>

#include "base/names.h"
#include "diag/report.h"
#include "gen/model_walk.h"
#include "gen/tdc/probe_header.h"
#include "gen/tdc/tdc_elements.h"
#include "gen/tdc/tdc_records.h"

namespace gen {

namespace {

// The working directory must fit the 4000-character path buffer of the file records.
constexpr std::size_t directory_buffer_size = 4000;

std::string current_directory() {
  std::string buffer(directory_buffer_size, '\0');
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) diag::report_internal(diag::Code::SIZBUFOVL);
  buffer.resize(buffer.find('\0'));
  return buffer;
}

// "IL": the instance of the run (mode 1), every declared instance (modes 2 and 3: chosen when the
// test runs), or an empty text (mode 0: none declared).
TdcRecord instance_list(const GenContext& context) {
  const GenParameters& parameters = context.parameters;
  TdcRecord record("IL");
  switch (parameters.instance_mode) {
    case 0: record.text(""); break;
    case 1: record.text(parameters.instance_name.value_or("")); break;
    case 2:
    case 3:
      if (parameters.instance_name) diag::report_internal(diag::Code::BADPARAMS);
      for (const sema::Entry* e = context.model.global()->first; e != nullptr; e = e->next) {
        if (e->kind == sema::EntryKind::DeclaredInstance) record.text(e->name);
      }
      break;
    default: diag::report_internal(diag::Code::BADPARAMS);
  }
  return record;
}

// The first line, the run's records and one "CF" record per script file.
void write_head(GenContext& context, TdcRecords& records, ProbeHeader& probe) {
  const GenParameters& parameters = context.parameters;
  std::string identifier = context.run.text();
  std::string first = "QUELT Tessvia ";
  first += tdc_quoted("v2.6a") + ", " + tdc_quoted("QMK_C++") + ", " + tdc_quoted("TDC file") + ", ";
  first += tdc_quoted(identifier);
  records.write_line(first);
  probe.run_identifier(identifier);

  records.write(TdcRecord("G").text(parameters.command_line));
  records.write(TdcRecord("H").text(context.run.date));
  records.write(TdcRecord("F").text(parameters.script));
  records.write(TdcRecord("F").text(std::to_string(parameters.trace_level)));
  records.write(instance_list(context));

  std::string directory = current_directory();
  records.write(TdcRecord("FB").text(""));
  for (const ScriptFile& file : parameters.files) {
    TdcRecord record("CF");
    record.text(file.base_name);
    record.text(base::relative_path(directory, file.directory));
    record.text(file.directory);
    record.number(file.size).number(file.crc);
    records.write(record);
  }
}

}  // namespace

void write_tdc(GenContext& context, const std::string& tdc_name, const std::string& header_name) {
  GenOutput out;
  gen_open(context.outputs, out, tdc_name);
  ProbeHeader probe(context, header_name);
  TdcRecords records(out);
  write_head(context, records, probe);

  TdcElements elements(records, probe, context.model);
  walk_model(context.model.global(), elements);

  gen_close(out);
  probe.finish();
}

}  // namespace gen
