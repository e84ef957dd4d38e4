#include "base/analysis_alloc.h"

#include <cstdlib>

#include "base/checked.h"

namespace base {

namespace {

[[noreturn]] void analysis_memory_overflow() { internal_fault(InternalFault::AnalysisMemory); }

}  // namespace

void* analysis_alloc(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) analysis_memory_overflow();
  return block;
}

void* analysis_realloc(void* block, std::size_t size) {
  void* grown = std::realloc(block, size == 0 ? 1 : size);
  if (grown == nullptr) analysis_memory_overflow();
  return grown;
}

void* analysis_calloc(std::size_t count, std::size_t size) {
  void* block = std::calloc(count == 0 ? 1 : count, size == 0 ? 1 : size);
  if (block == nullptr) analysis_memory_overflow();
  return block;
}

void analysis_free(void* block) {
  if (block != nullptr) std::free(block);
}

}  // namespace base
