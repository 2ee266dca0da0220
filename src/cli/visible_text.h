#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tamo::cli {

// One character of a UTF-8 text: its code point and byte length, or a byte that starts no
// well-formed sequence (then `valid` is false and `length` is 1).
struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 1;
  bool valid = false;
};
Utf8Char utf8_char_at(std::string_view text, std::size_t pos);
bool is_utf8(std::string_view text);

// C0 controls, DEL and C1 controls: what a terminal may take as a command.
inline bool is_control(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The text as a terminal may safely show it: controls and bytes that are no UTF-8 become
// visible escapes (`\x1b` for a byte or a C0 control, `\u0085` for a C1 control).
std::string visible(std::string_view text);
// visible(text) added to the end of `out`.
void append_visible(std::string& out, std::string_view text);

}  // namespace tamo::cli
