#include "cli/visible_text.h"

#include <cstdio>

namespace tamo::cli {

Utf8Char utf8_char_at(std::string_view text, std::size_t pos) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || pos + length > text.size()) return {lead, 1, false};
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {lead, 1, false};
    code = (code << 6) | (byte(i) & 0x3F);
  }
  // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kShortest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
    return {lead, 1, false};
  return {code, length, true};
}

bool is_utf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    Utf8Char c = utf8_char_at(text, pos);
    if (!c.valid) return false;
    pos += c.length;
  }
  return true;
}

std::string visible(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  append_visible(out, text);
  return out;
}

void append_visible(std::string& out, std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    // A report is mostly plain ASCII: runs of it go across whole.
    std::size_t plain = pos;
    while (plain < text.size() && text[plain] >= 0x20 && text[plain] < 0x7F) ++plain;
    out.append(text, pos, plain - pos);
    pos = plain;
    if (pos == text.size()) break;
    Utf8Char c = utf8_char_at(text, pos);
    if (c.valid && !is_control(c.code)) {
      out.append(text, pos, c.length);
    } else {
      char buf[8];
      if (c.valid && c.code >= 0x80)
        std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c.code));
      else
        std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(c.code));
      out += buf;
    }
    pos += c.length;
  }
}

}  // namespace tamo::cli
