// The code under test of the generated-driver suite: the definitions of suite.h. Each call
// prints one "UT ..." line on the standard output, where the dry-run runtime prints its "RT ..."
// lines, so a run's flow shows the calls in order.
#include "suite.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int level = 0;
long total = 0;
char inbox[16] = "";

namespace {

// Whether SUITE_THROW lists the value.
bool listed(int value) {
  const char *list = std::getenv("SUITE_THROW");
  if (list == nullptr) return false;
  for (const char *p = list; *p != '\0';) {
    char *end = nullptr;
    long n = std::strtol(p, &end, 10);
    if (end == p) return false;
    if (n == value) return true;
    p = *end == ',' ? end + 1 : end;
  }
  return false;
}

}  // namespace

int probe(int value) {
  std::printf("UT probe %d\n", value);
  if (listed(value)) {
    if (value < 100) throw value;
    if (value < 200) throw fault_t{value};
    throw "probe failed";
  }
  return value;
}

void note(int step) { std::printf("UT note %d\n", step); }

long add_up(long a, int b, char tag, const char *label) {
  std::printf("UT add_up %ld %d '%c' \"%s\"\n", a, b, tag, label);
  return a + b;
}

void reset_device(void) { std::printf("UT reset\n"); }

int read_level(int *out) {
  std::printf("UT read_level\n");
  *out = 7;
  return 0;
}

const char *device_name(void) { return "dev0"; }
