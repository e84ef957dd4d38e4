// The GNU options of both programs: "--help" prints the usage text and "--version" the product
// name and version, on the standard output, with status 0. They need no installation directory:
// without one the texts are the source texts.
#pragma once
#include <string>

namespace driver {

// The product's name and version for "--version": "<program> (QMKPREPRO) <version>" and the
// copyright line.
void print_version(const char* program);

// When an argument is "--help" or "--version" (the first one found wins), prints the answer to
// the standard output and ends the process with status 0 (status 7 with "FATAL ERROR on
// 'fflush'" when the answer cannot be written). `usage` gives the program's usage text. Returns
// when neither is given.
void answer_help_or_version(int argc, char** argv, const char* program, std::string (*usage)());

}  // namespace driver
