#pragma once

#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace tamo {

class TextArena;

// A text field of a record. Works hold hundreds of thousands of records whose fields are
// mostly empty or a few characters long, so a field is one word: empty allocates nothing,
// up to seven bytes sit in the word itself, and longer texts get one block of their size.
// It reads like a std::string_view and takes any string.
class Text {
 public:
  using size_type = std::size_t;
  using const_iterator = const char*;
  static constexpr size_type npos = std::string_view::npos;

  Text() noexcept = default;
  Text(std::string_view s) { assign(s); }
  Text(const std::string& s) { assign(s); }
  Text(const char* s) { assign(std::string_view(s)); }
  Text(const Text& other) { assign(other.view()); }
  Text(Text&& other) noexcept : word_(std::exchange(other.word_, 0)) {}
  ~Text() { release(); }

  Text& operator=(const Text& other) {
    if (this != &other) assign(other.view());
    return *this;
  }
  Text& operator=(Text&& other) noexcept {
    if (this != &other) {
      release();
      word_ = std::exchange(other.word_, 0);
    }
    return *this;
  }
  Text& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  Text& operator=(const std::string& s) {
    assign(s);
    return *this;
  }
  Text& operator=(const char* s) {
    assign(std::string_view(s));
    return *this;
  }

  std::string_view view() const noexcept { return {data(), size()}; }
  operator std::string_view() const noexcept { return view(); }
  operator std::string() const { return std::string(view()); }
  std::string str() const { return std::string(view()); }

  const char* data() const noexcept {
    if (inline_()) return reinterpret_cast<const char*>(&word_) + 1;
    return word_ == 0 ? "" : block() + sizeof(size_type);
  }
  size_type size() const noexcept {
    if (inline_()) return (word_ & 0xFF) >> 1;
    return word_ == 0 ? 0 : *reinterpret_cast<const size_type*>(block());
  }
  size_type length() const noexcept { return size(); }
  bool empty() const noexcept { return word_ == 0; }
  void clear() noexcept {
    release();
    word_ = 0;
  }

  const_iterator begin() const noexcept { return data(); }
  const_iterator end() const noexcept { return data() + size(); }
  char operator[](size_type i) const noexcept { return data()[i]; }
  char front() const noexcept { return data()[0]; }
  char back() const noexcept { return data()[size() - 1]; }

  size_type find(std::string_view s, size_type from = 0) const noexcept {
    return view().find(s, from);
  }
  size_type find(char c, size_type from = 0) const noexcept { return view().find(c, from); }
  std::string_view substr(size_type from, size_type n = npos) const {
    return view().substr(from, n);
  }
  bool starts_with(std::string_view s) const noexcept { return view().starts_with(s); }
  bool ends_with(std::string_view s) const noexcept { return view().ends_with(s); }

  friend bool operator==(const Text& a, const Text& b) noexcept { return a.view() == b.view(); }
  friend bool operator==(const Text& a, std::string_view b) noexcept { return a.view() == b; }
  friend bool operator==(const Text& a, const std::string& b) noexcept { return a.view() == b; }
  friend bool operator==(const Text& a, const char* b) noexcept { return a.view() == b; }
  friend std::strong_ordering operator<=>(const Text& a, const Text& b) noexcept {
    return a.view() <=> b.view();
  }
  friend std::strong_ordering operator<=>(const Text& a, std::string_view b) noexcept {
    return a.view() <=> b;
  }
  friend std::strong_ordering operator<=>(const Text& a, const std::string& b) noexcept {
    return a.view() <=> std::string_view(b);
  }
  friend std::strong_ordering operator<=>(const Text& a, const char* b) noexcept {
    return a.view() <=> std::string_view(b);
  }

 private:
  friend class TextArena;
  // The word holds either a block's address (aligned to 8, so its lowest bits are clear; the
  // second bit set when the block lies in a TextArena's chunk) or, with the lowest bit set,
  // the length times two in its lowest byte and the bytes after it.
  static_assert(std::endian::native == std::endian::little);
  static_assert(sizeof(std::uintptr_t) == 8);
  static constexpr size_type kInline = 7;
  static constexpr std::uintptr_t kInChunk = 2;
  static constexpr std::uintptr_t kTagBits = 7;

  bool inline_() const noexcept { return (word_ & 1) != 0; }
  const char* block() const noexcept { return reinterpret_cast<const char*>(word_ & ~kTagBits); }
  void assign(std::string_view s, TextArena* arena = nullptr);
  void release() noexcept;

  std::uintptr_t word_ = 0;
};

std::ostream& operator<<(std::ostream& out, const Text& text);

// Texts assigned through an arena are cut from shared chunks instead of getting a block of
// their own each: loading a work then costs no allocation per text. A chunk is given back
// when the last text cut from it goes, whenever and on whatever thread that is, so texts may
// outlive the arena and move anywhere; a copy gets a block of its own.
class TextArena {
 public:
  TextArena() = default;
  ~TextArena();
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;

  void assign(Text& text, std::string_view value) { text.assign(value, this); }

 private:
  friend class Text;
  // The block for a text of that many bytes, or none when it is better off on its own.
  char* block_for(std::size_t bytes);
  static void release(std::uintptr_t word) noexcept;
  void drop_chunk() noexcept;

  char* chunk_ = nullptr;
  std::size_t used_ = 0;
};

inline std::string operator+(const Text& a, std::string_view b) {
  std::string out(a.view());
  out += b;
  return out;
}
inline std::string operator+(std::string_view a, const Text& b) {
  std::string out(a);
  out += b.view();
  return out;
}
inline std::string operator+(const std::string& a, const Text& b) {
  return std::string_view(a) + b;
}
inline std::string operator+(const char* a, const Text& b) {
  return std::string_view(a) + b;
}
inline std::string operator+(const Text& a, const std::string& b) {
  return a + std::string_view(b);
}
inline std::string operator+(const Text& a, const char* b) {
  return a + std::string_view(b);
}

}  // namespace tamo
