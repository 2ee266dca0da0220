#include "model/bulk_memory.h"

#include <new>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace tamo::bulk_memory {

void* allocate(std::size_t bytes) {
  std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* block = ::operator new (rounded, std::align_val_t{kHugePage});
#ifdef MADV_HUGEPAGE
  // Only advice: where huge pages are off or scarce the block works as any other.
  ::madvise(block, rounded, MADV_HUGEPAGE);
#endif
  return block;
}

void release(void* block) noexcept {
  ::operator delete (block, std::align_val_t{kHugePage});
}

}  // namespace tamo::bulk_memory
