#pragma once

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

}  // namespace tamo::workfile
