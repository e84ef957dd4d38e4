// The code under test of not_shared.test: the globals the driver copies, and a call that shows
// the global counter beside the value the tester passes.
#include <cstdio>

#include "shared.h"

int counter = 5;
point_t origin = {1, 2};
const char *label = "L";

int bump(int by) {
  std::printf("UT bump %d, global counter %d\n", by, counter);
  return by + 1;
}
