#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tamo::testconsole {

// A display colour as 0xRRGGBB. No colour code has the value 0, so 0 means "not a code".
using Rgb = std::uint32_t;

inline constexpr Rgb kSilver = 0xC0C0C0;
inline constexpr Rgb kBrightRed = 0xFF0000;
inline constexpr Rgb kBrightBlue = 0x0000FF;
inline constexpr Rgb kGreen = 0x008000;
inline constexpr Rgb kOlive = 0x808000;
inline constexpr Rgb kTeal = 0x008080;

struct ColourCode {
  std::string text;
  Rgb colour;
};

inline constexpr std::size_t kColourCodeCount = 46;

// The game's colour codes; the order decides which code wins where several start at one place.
const std::array<ColourCode, kColourCodeCount>& colour_codes();

// The colour of a text that is exactly one code, or 0.
Rgb query_szinkod(std::string_view text);

bool contains_colour_code(std::string_view text);

// Where a code starts in a text, and which.
struct CodeAt {
  std::size_t at;
  const ColourCode* code;
};
// Every code of a text in order, where darabol splits it: the earliest next code each time,
// the later table entry where two start at one place.
std::vector<CodeAt> find_codes(std::string_view text);

// Walks the pieces darabol gives without copying them: `plain` gets the (possibly empty)
// text before each code and a non-empty remainder, `code` each code, in text order.
template <class Plain, class Code>
void walk_pieces(std::string_view text, Plain plain, Code code) {
  std::size_t from = 0;
  for (const CodeAt& found : find_codes(text)) {
    plain(text.substr(from, found.at - from));
    code(*found.code);
    from = found.at + found.code->text.size();
  }
  if (from < text.size()) plain(text.substr(from));
}

// Splits a text into plain pieces and codes: each code is preceded by the (possibly empty)
// text before it, and a non-empty remainder ends the list.
std::vector<std::string> darabol(std::string_view text);

}  // namespace tamo::testconsole
