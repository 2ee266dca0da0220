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

namespace {

constexpr std::string_view kCodeStart = "%^";

// The code that starts at `at`, the highest entry where several do, or none. Every code
// begins with "%^", so only those places need looking at.
const ColourCode* code_at(std::string_view text, std::size_t at) {
  const auto& codes = colour_codes();
  std::string_view rest = text.substr(at);
  if (rest.size() <= kCodeStart.size()) return nullptr;
  // The letter after "%^" rules out most entries before any comparison of the whole code.
  for (std::size_t e = kColourCodeCount; e-- > 0;) {
    const std::string& code = codes[e].text;
    if (code[kCodeStart.size()] == rest[kCodeStart.size()] && rest.starts_with(code))
      return &codes[e];
  }
  return nullptr;
}

// The first place at or after `from` where a code starts, and that code.
CodeAt next_code(std::string_view text, std::size_t from) {
  for (std::size_t at = text.find(kCodeStart, from); at != std::string_view::npos;
       at = text.find(kCodeStart, at + 1))
    if (const ColourCode* code = code_at(text, at)) return {at, code};
  return {std::string_view::npos, nullptr};
}

}  // namespace

bool contains_colour_code(std::string_view text) {
  return next_code(text, 0).code != nullptr;
}

std::vector<CodeAt> find_codes(std::string_view text) {
  // One pass over the text: a long line of many codes is not searched once per code.
  std::vector<CodeAt> found;
  for (CodeAt next = next_code(text, 0); next.code;
       next = next_code(text, next.at + next.code->text.size()))
    found.push_back(next);
  return found;
}

std::vector<std::string> darabol(std::string_view text) {
  std::vector<std::string> pieces;
  walk_pieces(
      text, [&pieces](std::string_view piece) { pieces.emplace_back(piece); },
      [&pieces](const ColourCode& code) { pieces.push_back(code.text); });
  return pieces;
}

}  // namespace tamo::testconsole
