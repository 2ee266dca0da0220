#include "model/text.h"

#include <atomic>
#include <cstring>
#include <new>
#include <ostream>

namespace tamo {

namespace {

// A chunk is aligned to its size, so a text finds its chunk's count from its own address.
constexpr std::size_t kChunk = std::size_t{1} << 18;
// Longer texts get a block of their own: one of them would leave much of a chunk unused.
constexpr std::size_t kLargestInChunk = kChunk / 64;

struct ChunkHead {
  std::atomic<std::size_t> refs;  // the texts cut from the chunk, and its arena while it fills
};
constexpr std::size_t kHeadSize = (sizeof(ChunkHead) + 7) & ~std::size_t{7};

}  // namespace

TextArena::~TextArena() {
  drop_chunk();
}

char* TextArena::block_for(std::size_t bytes) {
  std::size_t rounded = (bytes + 7) & ~std::size_t{7};
  if (rounded > kLargestInChunk) return nullptr;
  if (chunk_ == nullptr || used_ + rounded > kChunk) {
    drop_chunk();
    chunk_ = static_cast<char*>(::operator new (kChunk, std::align_val_t{kChunk}));
    new (chunk_) ChunkHead{1};
    used_ = kHeadSize;
  }
  char* block = chunk_ + used_;
  used_ += rounded;
  reinterpret_cast<ChunkHead*>(chunk_)->refs.fetch_add(1, std::memory_order_relaxed);
  return block;
}

void TextArena::release(std::uintptr_t word) noexcept {
  auto* head = reinterpret_cast<ChunkHead*>(word & ~(std::uintptr_t{kChunk} - 1));
  if (head->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    head->~ChunkHead();
    ::operator delete (static_cast<void*>(head), std::align_val_t{kChunk});
  }
}

void TextArena::drop_chunk() noexcept {
  if (chunk_ != nullptr) release(reinterpret_cast<std::uintptr_t>(chunk_));
  chunk_ = nullptr;
}

void Text::assign(std::string_view s, TextArena* arena) {
  // An equal text keeps its block: records are often stored again as they were.
  if (s == view()) return;
  // The new text is built before the old one goes: `s` may be a view of it.
  std::uintptr_t word = 0;
  if (s.size() <= kInline && !s.empty()) {
    unsigned char bytes[sizeof word] = {};
    bytes[0] = static_cast<unsigned char>(s.size() << 1 | 1);
    std::memcpy(bytes + 1, s.data(), s.size());
    std::memcpy(&word, bytes, sizeof word);
  } else if (!s.empty()) {
    size_type size = s.size();
    std::size_t bytes = sizeof size + size + 1;
    std::uintptr_t tag = kInChunk;
    char* block = arena != nullptr ? arena->block_for(bytes) : nullptr;
    if (block == nullptr) {
      block = static_cast<char*>(::operator new(bytes));
      tag = 0;
    }
    std::memcpy(block, &size, sizeof size);
    std::memcpy(block + sizeof size, s.data(), s.size());
    block[sizeof size + s.size()] = '\0';
    word = reinterpret_cast<std::uintptr_t>(block) | tag;
  }
  release();
  word_ = word;
}

void Text::release() noexcept {
  if (word_ == 0 || inline_()) return;
  if ((word_ & kInChunk) != 0)
    TextArena::release(word_);
  else
    ::operator delete(reinterpret_cast<void*>(word_));
}

std::ostream& operator<<(std::ostream& out, const Text& text) {
  return out << text.view();
}

}  // namespace tamo
