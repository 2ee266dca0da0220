#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Scans that look at eight bytes at once: loading and saving a large work is mostly
// ASCII text cut into lines.
namespace tamo::workfile {

namespace byte_scan_detail {
inline constexpr std::uint64_t kOnes = 0x0101010101010101u;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080u;
inline std::uint64_t load8(const char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, sizeof x);
  return x;
}
}  // namespace byte_scan_detail

// The high bits of the first `length` (at most eight) bytes at p, in a word whose bytes
// stand as in memory.
inline std::uint64_t high_bytes(const char* p, std::size_t length) {
  using namespace byte_scan_detail;
  std::uint64_t x = 0;
  std::memcpy(&x, p, length);
  return x & kHighBits;
}

// Index in memory order of the first byte whose high bit is set in a nonzero word.
inline std::size_t first_marked_byte(std::uint64_t marks) {
  int bit = std::endian::native == std::endian::little ? std::countr_zero(marks)
                                                       : std::countl_zero(marks);
  return static_cast<std::size_t>(bit) / 8;
}

// Index in memory order of the byte of the word's lowest set bit, the one that
// `marks &= marks - 1` clears.
inline std::size_t lowest_marked_byte(std::uint64_t marks) {
  std::size_t byte = static_cast<std::size_t>(std::countr_zero(marks)) / 8;
  return std::endian::native == std::endian::little ? byte : 7 - byte;
}

// Length of the leading run of bytes below 0x80.
inline std::size_t ascii_prefix(std::string_view s) {
  using namespace byte_scan_detail;
  std::size_t i = 0;
  while (i + 8 <= s.size() && (load8(s.data() + i) & kHighBits) == 0) i += 8;
  while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

// Position of the first CR, LF or NUL, or the size when there is none.
inline std::size_t find_break_or_nul(std::string_view s) {
  using namespace byte_scan_detail;
  auto stops = [](char c) { return c == '\r' || c == '\n' || c == '\0'; };
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t x = load8(s.data() + i);
    // True when some byte of the eight is below 0x0E, as CR, LF and NUL are.
    if (((x - kOnes * 0x0E) & ~x & kHighBits) == 0) continue;
    for (std::size_t j = i; j < i + 8; ++j)
      if (stops(s[j])) return j;
  }
  for (; i < s.size(); ++i)
    if (stops(s[i])) return i;
  return s.size();
}

// Position of the first CR or LF, or the size when there is none.
inline std::size_t find_line_break(std::string_view s) {
  for (std::size_t from = 0;;) {
    std::size_t at = from + find_break_or_nul(s.substr(from));
    if (at == s.size() || s[at] != '\0') return at;
    from = at + 1;
  }
}

}  // namespace tamo::workfile
