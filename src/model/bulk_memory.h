#pragma once

#include <cstddef>

namespace tamo::bulk_memory {

// Storage that fills at once and stays (a loaded work's records and texts) comes in blocks
// aligned to a huge page, and the kernel is asked to back them with huge pages: faulting a
// large work in 4 KiB at a time costs a fifth of loading it.
inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// At least `bytes` (rounded up to whole huge pages), aligned to kHugePage.
void* allocate(std::size_t bytes);
void release(void* block) noexcept;

}  // namespace tamo::bulk_memory
