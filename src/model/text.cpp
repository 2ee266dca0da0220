#include "model/text.h"

#include <cstring>
#include <new>
#include <ostream>

namespace tamo {

void Text::assign(std::string_view s) {
  // The new text is built before the old one goes: `s` may be a view of it.
  std::uintptr_t word = 0;
  if (s.size() <= kInline && !s.empty()) {
    unsigned char bytes[sizeof word] = {};
    bytes[0] = static_cast<unsigned char>(s.size() << 1 | 1);
    std::memcpy(bytes + 1, s.data(), s.size());
    std::memcpy(&word, bytes, sizeof word);
  } else if (!s.empty()) {
    char* block = static_cast<char*>(::operator new(sizeof(size_type) + s.size() + 1));
    size_type size = s.size();
    std::memcpy(block, &size, sizeof size);
    std::memcpy(block + sizeof size, s.data(), s.size());
    block[sizeof size + s.size()] = '\0';
    word = reinterpret_cast<std::uintptr_t>(block);
  }
  release();
  word_ = word;
}

void Text::release() noexcept {
  if (word_ != 0 && !inline_()) ::operator delete(reinterpret_cast<void*>(word_));
}

std::ostream& operator<<(std::ostream& out, const Text& text) {
  return out << text.view();
}

}  // namespace tamo
