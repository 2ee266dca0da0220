#include "testconsole/colour_codes.h"

namespace tamo::testconsole {

namespace {

std::array<ColourCode, kColourCodeCount> build_table() {
  std::array<ColourCode, kColourCodeCount> table{{
      {"%^RED%^", 0xAA0000},
      {"%^BLUE%^", 0x0000AA},
      {"%^ORANGE%^", 0x808000},
      {"%^YELLOW%^", 0xFFFF00},
      {"%^GREEN%^", 0x00AA00},
      {"%^BLACK%^", 0x808080},
      {"%^WHITE%^", 0xC0C0C0},
      {"%^CYAN%^", 0x00AAAA},
      {"%^MAGENTA%^", 0xAA00AA},
      {"%^RESET%^", 0xC0C0C0},
  }};
  struct Bold {
    const char* word;
    Rgb colour;
  };
  static constexpr Bold bold[] = {
      {"RED", 0xFF0000},    {"BLUE", 0x0000FF},   {"GREEN", 0x00FF00},
      {"ORANGE", 0xFFFF00}, {"YELLOW", 0xFFFF00}, {"BLACK", 0x808080},
      {"WHITE", 0xFFFFFF},  {"CYAN", 0x00FFFF},   {"MAGENTA", 0xFF00FF},
  };
  std::size_t entry = 10;
  for (const Bold& b : bold) {
    std::string w = b.word;
    for (std::string form : {"%^BOLD%^%^" + w + "%^", "%^BOLD%^" + w + "%^",
                             "%^" + w + "%^%^BOLD%^", "%^" + w + "%^BOLD%^"})
      table[entry++] = {std::move(form), b.colour};
  }
  return table;
}

}  // namespace

const std::array<ColourCode, kColourCodeCount>& colour_codes() {
  static const std::array<ColourCode, kColourCodeCount> table = build_table();
  return table;
}

Rgb query_szinkod(std::string_view text) {
  for (const ColourCode& code : colour_codes())
    if (code.text == text) return code.colour;
  return 0;
}

bool contains_colour_code(std::string_view text) {
  for (const ColourCode& code : colour_codes())
    if (text.find(code.text) != std::string_view::npos) return true;
  return false;
}

std::vector<std::string> darabol(std::string_view text) {
  const auto& codes = colour_codes();
  // Where each code next occurs at or after the split point; refreshed only once the split
  // point has passed it, so a text with many codes is scanned a bounded number of times.
  std::array<std::size_t, kColourCodeCount> next{};
  for (std::size_t e = 0; e < kColourCodeCount; ++e) next[e] = text.find(codes[e].text);

  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (;;) {
    std::size_t best = std::string_view::npos;
    std::size_t best_entry = 0;
    // Downward, keeping only strictly earlier hits: at one position the higher entry wins.
    for (std::size_t e = kColourCodeCount; e-- > 0;) {
      if (next[e] < from) next[e] = text.find(codes[e].text, from);
      if (next[e] < best) {
        best = next[e];
        best_entry = e;
      }
    }
    if (best == std::string_view::npos) {
      if (from < text.size()) pieces.emplace_back(text.substr(from));
      return pieces;
    }
    pieces.emplace_back(text.substr(from, best - from));
    pieces.emplace_back(codes[best_entry].text);
    from = best + codes[best_entry].text.size();
  }
}

}  // namespace tamo::testconsole
