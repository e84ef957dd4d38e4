#include "diag/report.h"

#include <cstdio>

#include "base/checked.h"
#include "diag/arg_subst.h"
#include "diag/catalogue.h"

namespace diag {

namespace {

struct ReportState {
  int errors = 0;
  int warnings = 0;
  bool echo = true;
  std::string listing_name;
  bool listing_open = false;
  std::FILE* listing = nullptr;
  std::string file;
  int line = 0;
};

ReportState& state() {
  static ReportState instance;
  return instance;
}

std::string_view text_or_blank(const char* text) { return text == nullptr ? std::string_view(" ") : text; }

}  // namespace

char kind_letter(MessageKind kind) {
  switch (kind) {
    case MessageKind::Internal: return 'S';
    case MessageKind::Fatal: return 'F';
    case MessageKind::Error: return 'E';
    case MessageKind::Warning: return 'W';
    case MessageKind::Information: return 'I';
  }
  return '?';
}

std::string format_message(MessageKind kind, std::string_view code, std::string_view first,
                           std::string_view second) {
  std::string line = "Qandor-";
  line += kind_letter(kind);
  line += '-';
  line += code;
  line += ",  ";
  if (const std::string* text = catalogue_find(code)) {
    if (!first.empty() && !second.empty()) {
      line += arg(arg(*text, first), second);
    } else if (!first.empty()) {
      line += arg(*text, first);
    } else if (!second.empty()) {
      line += arg(*text, second);
    } else {
      line += *text;
    }
  }
  line += '\n';
  remove_leftover_placeholders(line);
  return line;
}

void report(MessageKind kind, Code code, std::string_view first, std::string_view second) {
  ReportState& s = state();
  if (kind == MessageKind::Error) ++s.errors;
  if (kind == MessageKind::Warning) ++s.warnings;
  std::string line = format_message(kind, code_name(code), first, second);
  if (s.listing_open && s.listing != nullptr) {
    // Line by line, and before the console: what was reported stays in the listing when the run
    // is ended from outside (a kill, a broken pipe on the console).
    std::fwrite(line.data(), 1, line.size(), s.listing);
    if (std::fflush(s.listing) != 0) {
      s.listing_open = false;
      base::fatal_system_error("fflush");
    }
  }
  if (s.echo) std::fwrite(line.data(), 1, line.size(), stderr);
  if (kind == MessageKind::Internal || kind == MessageKind::Fatal) {
    close_listing();
    base::terminate_run(kind == MessageKind::Internal ? 9 : 7);
  }
}

void report_internal(Code code, std::string_view first, std::string_view second) {
  report(MessageKind::Internal, code, first, second);
  base::terminate_run(9);
}

void report_fatal(Code code, std::string_view first, std::string_view second) {
  report(MessageKind::Fatal, code, first, second);
  base::terminate_run(7);
}

void report_error(Code code, std::string_view first, std::string_view second) {
  report(MessageKind::Error, code, first, second);
}

void report_warning(Code code, std::string_view first, std::string_view second) {
  report(MessageKind::Warning, code, first, second);
}

void report_info(Code code, std::string_view first, std::string_view second) {
  report(MessageKind::Information, code, first, second);
}

void report_internal_text(Code code, const char* first, const char* second) {
  report_internal(code, text_or_blank(first), text_or_blank(second));
}

void report_fatal_text(Code code, const char* first, const char* second) {
  report_fatal(code, text_or_blank(first), text_or_blank(second));
}

std::string location_prefix(std::string_view file, int line) {
  if (file.empty() && line == 0) return " ";
  // Appended piece by piece: g++ 12 at -O3 warns (-Wrestrict) on chains of operator+.
  std::string prefix = "[";
  if (!file.empty()) {
    prefix.append(file);
    prefix.push_back(':');
  }
  prefix.append(std::to_string(line));
  prefix.append("] ");
  return prefix;
}

void report_at(MessageKind kind, Code code, std::string_view argument, std::string_view file, int line) {
  report(kind, code, location_prefix(file, line), argument);
}

void report_at_text(MessageKind kind, Code code, const char* argument, std::string_view file, int line) {
  report_at(kind, code, text_or_blank(argument), file, line);
}

void report_here(MessageKind kind, Code code, std::string_view argument) {
  // Copy: the position may change while the message is emitted.
  std::string file = state().file;
  report_at(kind, code, argument, file, state().line);
}

void set_current_file(std::string_view name) { state().file.assign(name); }
const std::string& current_file() { return state().file; }
void set_current_line(int line) { state().line = line; }
int current_line() { return state().line; }

int error_count() { return state().errors; }
int warning_count() { return state().warnings; }

void open_listing(const std::string& path, bool echo) {
  ReportState& s = state();
  s.echo = echo;
  if (path.empty()) return;
  s.listing_name = path;
  s.listing_open = true;
  s.listing = std::fopen(path.c_str(), "w");
  if (s.listing == nullptr) {
    s.listing_open = false;
    // The listing is not there: the message can only reach the console.
    s.echo = true;
    report_fatal(Code::FICERROPN, path, "");
  }
}

void close_listing() {
  ReportState& s = state();
  if (s.listing_open && s.listing != nullptr) {
    s.listing_open = false;
    std::FILE* stream = s.listing;
    s.listing = nullptr;
    base::checked_close(stream);
  }
}

void finish_run() {
  int e = state().errors;
  int w = state().warnings;
  std::string first = e > 0 ? std::to_string(e) : std::string();
  std::string second = w > 0 ? std::to_string(w) : std::string();
  Code code = e > 0 ? (w > 0 ? Code::ENDERRWAR : Code::ENDERRNWR) : (w > 0 ? Code::ENDNOEWAR : Code::ENDNOENWR);
  report_info(code, first, second);
  close_listing();
  base::terminate_run(e > 0 ? 5 : (w > 0 ? 3 : 0));
}

void reset_reporting() {
  close_listing();
  state() = ReportState{};
}

}  // namespace diag
