#pragma once

#include <string>
#include <string_view>

namespace tamo::workfile {

// Windows-1250 bytes to UTF-8; every byte has a character (the five unassigned ones map to
// the C1 code points of the same value), so any file round-trips byte for byte.
std::string cp1250_to_utf8(std::string_view bytes);
// UTF-8 to Windows-1250; a character the code page cannot hold becomes "?".
std::string utf8_to_cp1250(std::string_view text);
// The text as it will be saved: characters Windows-1250 cannot hold become "?".
std::string cp1250_safe(std::string_view text);

// Appending forms of the two conversions, so that long texts and whole files are built
// without temporaries.
void append_cp1250_as_utf8(std::string& out, std::string_view bytes);
// Returns how many characters became "?".
std::size_t append_utf8_as_cp1250(std::string& out, std::string_view text);

// The length of the valid UTF-8 sequence at text[i], or 0 when the bytes there are none.
std::size_t utf8_sequence_at(std::string_view text, std::size_t i);

}  // namespace tamo::workfile
