#include "workfile/codec.h"

#include "workfile/byte_scan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tamo::workfile {

namespace {

// Code points of the bytes 0x80 to 0xFF; below 0x80 a byte is its own code point.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

struct Utf8Unit {
  std::array<char, 3> bytes{};
  std::uint8_t size = 0;
};

// The UTF-8 form of every byte, computed once.
constexpr std::array<Utf8Unit, 256> make_utf8_units() {
  std::array<Utf8Unit, 256> units{};
  for (std::size_t b = 0; b < units.size(); ++b) {
    char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : kHighHalf[b - 0x80];
    Utf8Unit& u = units[b];
    if (cp < 0x80) {
      u.bytes = {static_cast<char>(cp), 0, 0};
      u.size = 1;
    } else if (cp < 0x800) {
      u.bytes = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0};
      u.size = 2;
    } else {
      u.bytes = {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (cp & 0x3F))};
      u.size = 3;
    }
  }
  return units;
}
constexpr std::array<Utf8Unit, 256> kUtf8Units = make_utf8_units();

// Byte of every code point below 0x10000 that Windows-1250 holds above 0x7F; 0 for none.
struct ReverseTable {
  std::array<std::uint8_t, 0x10000> byte{};
  ReverseTable() {
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
      byte[kHighHalf[i]] = static_cast<std::uint8_t>(0x80 + i);
  }
};
const ReverseTable& reverse_table() {
  static const ReverseTable table;
  return table;
}

// The code point starting at text[i] and its length; a malformed sequence yields one byte
// with no code point.
struct Decoded {
  char32_t cp;
  std::size_t size;
  bool valid;
};
Decoded decode_utf8(std::string_view text, std::size_t i) {
  auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char lead = at(i);
  std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (lead >= 0xF8 || (lead >= 0x80 && lead < 0xC0) || i + size > text.size()) return {0, 1, false};
  char32_t cp = size == 1 ? lead : lead & (0x7F >> size);
  for (std::size_t k = 1; k < size; ++k) {
    if ((at(i + k) & 0xC0) != 0x80) return {0, 1, false};
    cp = (cp << 6) | (at(i + k) & 0x3F);
  }
  constexpr char32_t kMinForSize[] = {0, 0, 0x80, 0x800, 0x10000};
  bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  if (cp < kMinForSize[size] || cp > 0x10FFFF || surrogate) return {0, 1, false};
  return {cp, size, true};
}

}  // namespace

// Sized first, then written eight bytes at a time: the ASCII between accented letters is
// copied a word at a time and only the letters themselves are looked up.
void append_cp1250_as_utf8(std::string& out, std::string_view bytes) {
  std::size_t ascii = ascii_prefix(bytes);
  if (ascii == bytes.size()) {
    out.append(bytes);
    return;
  }
  const char* s = bytes.data() + ascii;
  const char* end = bytes.data() + bytes.size();
  auto unit = [](const char* c) -> const Utf8Unit& {
    return kUtf8Units[static_cast<unsigned char>(*c)];
  };
  std::size_t size = bytes.size();
  for (const char* w = s; w < end; w += 8) {
    std::size_t length = std::min<std::size_t>(8, static_cast<std::size_t>(end - w));
    for (std::uint64_t high = high_bytes(w, length); high != 0; high &= high - 1)
      size += unit(w + lowest_marked_byte(high)).size - 1;
  }
  std::size_t at = out.size();
  // Units are copied whole, so the last one may write two bytes past the text.
  out.resize(at + size + 2);
  char* p = out.data() + at;
  std::memcpy(p, bytes.data(), ascii);
  p += ascii;
  // Eight input bytes never give less than eight output bytes, so no word overruns.
  while (end - s >= 8) {
    std::uint64_t high = high_bytes(s, 8);
    std::size_t run = high == 0 ? 8 : first_marked_byte(high);
    std::memcpy(p, s, 8);
    p += run;
    s += run;
    if (run == 8) continue;
    std::memcpy(p, unit(s).bytes.data(), 3);
    p += unit(s++).size;
  }
  for (; s < end; ++s) {
    std::memcpy(p, unit(s).bytes.data(), 3);
    p += unit(s).size;
  }
  out.resize(at + size);
}

// Every character gives at most as many bytes as its UTF-8 form has, so the output is sized
// by the text and shrunk after; ASCII is copied a word at a time as in the other direction.
std::size_t append_utf8_as_cp1250(std::string& out, std::string_view text) {
  const ReverseTable& table = reverse_table();
  std::size_t replaced = 0;
  std::size_t at = out.size();
  out.resize(at + text.size());
  char* p = out.data() + at;
  std::size_t i = 0;
  while (i < text.size()) {
    // The output never runs ahead of the input, so a whole word fits wherever one is read.
    if (text.size() - i >= 8) {
      std::uint64_t high = high_bytes(text.data() + i, 8);
      std::size_t run = high == 0 ? 8 : first_marked_byte(high);
      std::memcpy(p, text.data() + i, 8);
      p += run;
      i += run;
      if (run == 8) continue;
    } else if (static_cast<unsigned char>(text[i]) < 0x80) {
      *p++ = text[i++];
      continue;
    }
    Decoded d = decode_utf8(text, i);
    std::uint8_t b = d.valid && d.cp < 0x10000 ? table.byte[d.cp] : 0;
    *p++ = b != 0 ? static_cast<char>(b) : '?';
    replaced += b == 0;
    i += d.size;
  }
  out.resize(static_cast<std::size_t>(p - out.data()));
  return replaced;
}

std::size_t utf8_sequence_at(std::string_view text, std::size_t i) {
  Decoded d = decode_utf8(text, i);
  return d.valid ? d.size : 0;
}

std::string cp1250_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  append_cp1250_as_utf8(out, bytes);
  return out;
}

std::string utf8_to_cp1250(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  append_utf8_as_cp1250(out, text);
  return out;
}

std::string cp1250_safe(std::string_view text) {
  return cp1250_to_utf8(utf8_to_cp1250(text));
}

}  // namespace tamo::workfile
