// Checked services and allocation failures: the checked calls end with status 7 and the fatal
// system text, the analysis allocators with the internal "ERRINTFCT" at the current position (status 9).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "base/analysis_alloc.h"
#include "base/checked.h"
#include "diag/base_faults.h"
#include "diag/catalogue.h"
#include "diag/report.h"

#if defined(__SANITIZE_ADDRESS__)
#define QMK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QMK_UNDER_ASAN 1
#endif
#endif

#ifdef QMK_UNDER_ASAN
// The allocators must see a failed allocation as a null result, as the C library gives it,
// rather than have the sanitizer end the process first.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
#endif

namespace {

// Far more than the machine has, yet not a size the compiler or the allocator rejects outright.
volatile std::size_t impossible_size = SIZE_MAX / 4;

// Where the message of a failed allocation starts: at the beginning, after the warning line that
// the sanitizer prints when it hands out a null block.
#ifdef QMK_UNDER_ASAN
#define QMK_FAILED_ALLOCATION "^(==[0-9]+==WARNING: AddressSanitizer failed to allocate [^\n]*\n)?"
#else
#define QMK_FAILED_ALLOCATION "^"
#endif

const char fatal_text[] = QMK_FAILED_ALLOCATION "FATAL ERROR on 'malloc',\n Please contact your administrative.$";

class Allocation : public ::testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::install_base_fault_handler();
    diag::catalogue_insert("ERRINTFCT", "%1Internal error in function %2");
  }
  void TearDown() override {
    diag::reset_catalogue();
    diag::reset_reporting();
  }
};

TEST_F(Allocation, CheckedAllocatorsWork) {
  char* block = static_cast<char*>(base::checked_alloc(0));
  ASSERT_NE(block, nullptr);
  block = static_cast<char*>(base::checked_realloc(block, 100));
  std::memset(block, 'x', 100);
  std::free(block);
  EXPECT_EQ(base::checked_strdup(nullptr), nullptr);
  char* copy = base::checked_strdup("text");
  EXPECT_STREQ(copy, "text");
  std::free(copy);
}

TEST_F(Allocation, CheckedFailuresAreFatal) {
  EXPECT_EXIT(base::checked_alloc(impossible_size), ::testing::ExitedWithCode(7), fatal_text);
  EXPECT_EXIT(base::checked_realloc(nullptr, impossible_size), ::testing::ExitedWithCode(7),
              QMK_FAILED_ALLOCATION "FATAL ERROR on 'realloc',\n Please contact your administrative.$");
}

TEST_F(Allocation, FailedNewIsFatal) {
#ifdef QMK_UNDER_ASAN
  GTEST_SKIP() << "the sanitizer's operator new reports out-of-memory itself and never calls the new-handler";
#else
  EXPECT_EXIT(
      {
        base::install_allocation_handler();
        char* never = new char[impossible_size];
        std::printf("%p\n", static_cast<void*>(never));
      },
      ::testing::ExitedWithCode(7), fatal_text);
#endif
}

TEST_F(Allocation, SystemErrorsNameTheOperation) {
  EXPECT_EXIT(base::fatal_system_error("fclose"), ::testing::ExitedWithCode(7),
              "^FATAL ERROR on 'fclose',\n Please contact your administrative.$");
  EXPECT_EXIT(base::fatal_system_error("sprintf(%d"), ::testing::ExitedWithCode(7),
              "^FATAL ERROR on 'sprintf\\(%d',\n");
}

TEST_F(Allocation, FailedStreamCallsAreFatal) {
  // A stream opened for reading refuses output; a full device fails the flush of fclose.
  EXPECT_EXIT(
      {
        std::FILE* input = std::fopen("/dev/null", "r");
        base::write_to(input, "%s", "text");
      },
      ::testing::ExitedWithCode(7), "^FATAL ERROR on 'fprintf',\n Please contact your administrative.$");
  EXPECT_EXIT(
      {
        std::FILE* full = std::fopen("/dev/full", "w");
        std::fputs("text", full);
        base::checked_close(full);
      },
      ::testing::ExitedWithCode(7), "^FATAL ERROR on 'fclose',\n");
}

TEST_F(Allocation, FormatToBuildsLongTexts) {
  std::string long_text(10000, 'q');
  std::string result = base::format_to("<%s:%d>", long_text.c_str(), 42);
  EXPECT_EQ(result.size(), long_text.size() + 5);
  EXPECT_EQ(result.substr(result.size() - 4), ":42>");
}

TEST_F(Allocation, AnalysisAllocatorsWork) {
  int* cells = static_cast<int*>(base::analysis_calloc(10, sizeof(int)));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(cells[i], 0);
  cells = static_cast<int*>(base::analysis_realloc(cells, 1000 * sizeof(int)));
  cells[999] = 1;
  base::analysis_free(cells);
  base::analysis_free(nullptr);
  void* block = base::analysis_alloc(0);
  EXPECT_NE(block, nullptr);
  base::analysis_free(block);
}

TEST_F(Allocation, AnalysisFailuresAreInternalAtTheCurrentPosition) {
  diag::set_current_file("types.h");
  diag::set_current_line(12);
  const char expected[] = QMK_FAILED_ALLOCATION "Qandor-S-ERRINTFCT,  \\[types.h:12\\] Internal error in function memory overflow\n$";
  EXPECT_EXIT(base::analysis_alloc(impossible_size), ::testing::ExitedWithCode(9), expected);
  EXPECT_EXIT(base::analysis_realloc(nullptr, impossible_size), ::testing::ExitedWithCode(9), expected);
  // count * size beyond the address space: calloc refuses it rather than wrapping.
  EXPECT_EXIT(base::analysis_calloc(SIZE_MAX / 2, 4), ::testing::ExitedWithCode(9), expected);
}

// The base services stand alone: with no handler installed a fault still ends the run, status 9,
// with a plain line instead of a catalogue message.
TEST_F(Allocation, FaultWithoutHandlerStillEndsTheRun) {
  EXPECT_EXIT(
      {
        base::set_internal_fault_handler(nullptr);
        base::analysis_calloc(SIZE_MAX / 2, 4);
      },
      ::testing::ExitedWithCode(9), "internal fault 0 in the base services\n");
}

}  // namespace
