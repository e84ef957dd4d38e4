#include "gen/tsf/tsf_writer.h"

#include <QCoreApplication>
#include <string>

#include "diag/arg_subst.h"
#include "gen/model_walk.h"
#include "gen/tsf/tsf_points.h"

namespace gen {

namespace {

constexpr const char* translation_context = "TsfGen context";

std::string translated(const char* source) {
  return QCoreApplication::translate(translation_context, source).toStdString();
}

// One escaping pass: backslashes doubled, double quotes preceded by a backslash.
std::string escaped_once(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

void write_point(GenOutput& out, const TracePoint& point) {
  if (point.kind == TracePoint::Instance) {
    gen_line(out, "SI 1");
    gen_line(out, "IN \"VirtualTester\" " + std::to_string(point.number) + ' ' + tsf_quoted(point.text));
    return;
  }
  gen_line(out, "ST " + std::to_string(point.code));
  gen_line(out, "LK " + std::to_string(point.line));
  std::string last = point.kind == TracePoint::Message ? "MS " : "TX ";
  gen_line(out, last + std::to_string(point.number) + ' ' + tsf_quoted(point.text));
}

void write_section(GenContext& context, GenOutput& out, const ScriptFile& file, const TraceSection& section,
                   const std::string& default_tester) {
  gen_line(out, "DB \"Tessvia-Tracer\"");
  gen_line(out, "ID " + std::to_string(file.entry_crc) + ' ' + std::to_string(context.run.check_value(file.identity_key)));
  // A file name holds no separator; its quotes are escaped as the directory's are.
  std::string source = "SO \"" + tsf_source_directory(file.directory) + "\\\\" +
                       escaped_once(escaped_once(file.base_name)) + "\" 0000 \"txt\"";
  gen_line(out, source);
  gen_line(out, "IN \"File\" 1 " + tsf_quoted(file.base_name));
  gen_line(out, "SI 1");
  gen_line(out, "IN \"VirtualTester\" 2 " + tsf_quoted(default_tester));
  for (const TracePoint& point : section.points) write_point(out, point);
  gen_line(out, "ED");
}

}  // namespace

std::vector<const ScriptFile*> files_by_ordinal(const std::vector<ScriptFile>& files) {
  std::vector<const ScriptFile*> by_ordinal;
  for (const ScriptFile& file : files) {
    if (file.ordinal < 1 || file.ordinal > static_cast<int>(files.size())) continue;
    if (by_ordinal.size() < static_cast<std::size_t>(file.ordinal)) by_ordinal.resize(static_cast<std::size_t>(file.ordinal));
    const ScriptFile*& slot = by_ordinal[static_cast<std::size_t>(file.ordinal - 1)];
    if (slot == nullptr) slot = &file;
  }
  for (std::size_t i = 0; i < by_ordinal.size(); ++i) {
    if (by_ordinal[i] == nullptr) {
      by_ordinal.resize(i);
      break;
    }
  }
  return by_ordinal;
}

std::string tsf_source_directory(std::string_view directory) {
  std::string twice = escaped_once(escaped_once(directory));
  std::string out;
  out.reserve(twice.size() + twice.size() / 4);
  for (char c : twice) {
    if (c == '/') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::string tsf_quoted(std::string_view text) {
  if (text.empty()) return "?";
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

void write_tsf(GenContext& context, const std::string& tsf_name) {
  GenOutput out;
  gen_open(context.outputs, out, tsf_name);
  std::vector<const ScriptFile*> files = files_by_ordinal(context.parameters.files);
  TraceTexts texts;
  texts.end_waittil = diag::arg(translated("END %1"), "WAITTIL");
  TsfPoints points(static_cast<int>(files.size()), std::move(texts));
  walk_model(context.model.global(), points);

  gen_line(out, "DB \"Tessvia-Tracer\"");
  gen_line(out, "ID 1 1");
  gen_line(out, "IN \"Sut\" 1 " + tsf_quoted(translated("System under test")));
  gen_line(out, "ED");
  std::string default_tester = translated("default tester");
  for (std::size_t i = 0; i < files.size(); ++i) {
    write_section(context, out, *files[i], points.section(static_cast<int>(i) + 1), default_tester);
  }
  gen_close(out);
}

}  // namespace gen
