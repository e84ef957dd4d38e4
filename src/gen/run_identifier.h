// The identifier of one run of the compiler: the generation date in ctime form and the process
// number. The TDC file, the TSF template and the C++ driver all carry it, so that the runtime and
// the report tools can tell that a trace and the files that describe it belong together.
//
// Reproducible outputs: when SOURCE_DATE_EPOCH holds a number of seconds since 1970 (the
// reproducible-builds convention), the date is that instant in UTC and the process number is 0,
// so that two runs on the same input write the same bytes. Any other value is ignored.
#pragma once
#include <string>
#include <string_view>

namespace gen {

struct RunIdentifier {
  std::string date;  // "Tue Dec  8 13:29:08 2026": ctime form without its newline
  long process = 0;

  // "<date> <process>", as the TDC head and the driver's initrio call write it.
  std::string text() const;
  // The check value of a script file's trace section: the process number plus the file's second
  // number plus the date's checksum (the sum over its characters of the character code minus 32).
  long check_value(long file_second_number) const;
};

// The identifier of this run, from the clock and the process, or from SOURCE_DATE_EPOCH.
RunIdentifier make_run_identifier();
// The same from explicit values: `epoch` (the text of SOURCE_DATE_EPOCH, empty when unset), the
// current time and process number.
RunIdentifier run_identifier_from(std::string_view epoch, long now, long process);

}  // namespace gen
