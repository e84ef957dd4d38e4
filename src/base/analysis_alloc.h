// Allocation for the interface analysis: a failure is the internal fault AnalysisMemory, which the
// program reports as "ERRINTFCT" ("memory overflow") at the current position, status 9.
#pragma once
#include <cstddef>

namespace base {

void* analysis_alloc(std::size_t size);
void* analysis_realloc(void* block, std::size_t size);
void* analysis_calloc(std::size_t count, std::size_t size);
void analysis_free(void* block);

}  // namespace base
