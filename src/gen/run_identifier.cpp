#include "gen/run_identifier.h"

#include <charconv>
#include <ctime>

#include <unistd.h>

#include "base/names.h"

namespace gen {

namespace {

// The ctime form of `when`, without the newline: local time, or UTC for a reproducible date.
// asctime_r writes the C-locale names whatever the process locale.
std::string date_text(std::time_t when, bool utc) {
  std::tm parts{};
  if (utc ? gmtime_r(&when, &parts) == nullptr : localtime_r(&when, &parts) == nullptr) return {};
  char buffer[64];
  if (asctime_r(&parts, buffer) == nullptr) return {};
  std::string text(buffer);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// SOURCE_DATE_EPOCH: decimal digits only, no sign, no blank.
bool parse_epoch(std::string_view text, long long& seconds) {
  if (text.empty()) return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  return error == std::errc() && end == text.data() + text.size() && text.front() != '-';
}

}  // namespace

std::string RunIdentifier::text() const { return date + ' ' + std::to_string(process); }

long RunIdentifier::check_value(long file_second_number) const {
  long sum = 0;
  for (char c : date) sum += static_cast<unsigned char>(c) - 32;
  return process + file_second_number + sum;
}

RunIdentifier run_identifier_from(std::string_view epoch, long now, long process) {
  RunIdentifier identifier;
  long long seconds = 0;
  if (parse_epoch(epoch, seconds)) {
    identifier.date = date_text(static_cast<std::time_t>(seconds), true);
    identifier.process = 0;
  } else {
    identifier.date = date_text(static_cast<std::time_t>(now), false);
    identifier.process = process;
  }
  return identifier;
}

RunIdentifier make_run_identifier() {
  return run_identifier_from(base::environment_value("SOURCE_DATE_EPOCH"), static_cast<long>(std::time(nullptr)),
                             static_cast<long>(::getpid()));
}

}  // namespace gen
