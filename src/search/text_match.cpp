#include "search/text_match.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tamo::search {

namespace {

// Every accented letter Windows-1250 can hold, with its plain small letter.
constexpr std::array<std::pair<char32_t, char>, 80> kPlainLetters{{
    {0x00C1, 'a'}, {0x00C2, 'a'}, {0x00C4, 'a'}, {0x00C7, 'c'}, {0x00C9, 'e'}, {0x00CB, 'e'},
    {0x00CD, 'i'}, {0x00CE, 'i'}, {0x00D3, 'o'}, {0x00D4, 'o'}, {0x00D6, 'o'}, {0x00DA, 'u'},
    {0x00DC, 'u'}, {0x00DD, 'y'}, {0x00E1, 'a'}, {0x00E2, 'a'}, {0x00E4, 'a'}, {0x00E7, 'c'},
    {0x00E9, 'e'}, {0x00EB, 'e'}, {0x00ED, 'i'}, {0x00EE, 'i'}, {0x00F3, 'o'}, {0x00F4, 'o'},
    {0x00F6, 'o'}, {0x00FA, 'u'}, {0x00FC, 'u'}, {0x00FD, 'y'}, {0x0102, 'a'}, {0x0103, 'a'},
    {0x0104, 'a'}, {0x0105, 'a'}, {0x0106, 'c'}, {0x0107, 'c'}, {0x010C, 'c'}, {0x010D, 'c'},
    {0x010E, 'd'}, {0x010F, 'd'}, {0x0110, 'd'}, {0x0111, 'd'}, {0x0118, 'e'}, {0x0119, 'e'},
    {0x011A, 'e'}, {0x011B, 'e'}, {0x0139, 'l'}, {0x013A, 'l'}, {0x013D, 'l'}, {0x013E, 'l'},
    {0x0141, 'l'}, {0x0142, 'l'}, {0x0143, 'n'}, {0x0144, 'n'}, {0x0147, 'n'}, {0x0148, 'n'},
    {0x0150, 'o'}, {0x0151, 'o'}, {0x0154, 'r'}, {0x0155, 'r'}, {0x0158, 'r'}, {0x0159, 'r'},
    {0x015A, 's'}, {0x015B, 's'}, {0x015E, 's'}, {0x015F, 's'}, {0x0160, 's'}, {0x0161, 's'},
    {0x0162, 't'}, {0x0163, 't'}, {0x0164, 't'}, {0x0165, 't'}, {0x016E, 'u'}, {0x016F, 'u'},
    {0x0170, 'u'}, {0x0171, 'u'}, {0x0179, 'z'}, {0x017A, 'z'}, {0x017B, 'z'}, {0x017C, 'z'},
    {0x017D, 'z'}, {0x017E, 'z'},
}};

// All those letters are two UTF-8 bytes, led by one of these three: U+00C0 to U+017F.
constexpr char32_t kFirstAccented = 0xC0;
constexpr std::array<char, 0x180 - kFirstAccented> kPlainOf = [] {
  std::array<char, 0x180 - kFirstAccented> plain{};
  for (auto [letter, small] : kPlainLetters) plain[letter - kFirstAccented] = small;
  return plain;
}();

// The text folded into `out`, whose storage is reused from one text to the next: the find
// box folds every text of the work at each keystroke. With `origins`, each folded byte's
// position in the text.
void fold_into(std::string_view text, std::string& out, std::vector<std::size_t>* origins) {
  out.resize(text.size());
  if (origins) origins->resize(text.size());
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (origins) (*origins)[n] = i;
    auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out[n++] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      continue;
    }
    if (c >= 0xC3 && c <= 0xC5 && i + 1 < text.size()) {
      auto next = static_cast<unsigned char>(text[i + 1]);
      if ((next & 0xC0) == 0x80) {
        char32_t letter = ((c & 0x1Fu) << 6) | (next & 0x3Fu);
        if (char plain = kPlainOf[letter - kFirstAccented]) {
          out[n++] = plain;
          ++i;
          continue;
        }
      }
    }
    out[n++] = static_cast<char>(c);
  }
  out.resize(n);
  if (origins) origins->resize(n);
}

bool continues_letter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string fold(std::string_view text) {
  std::string out;
  fold_into(text, out, nullptr);
  return out;
}

TextMatch::TextMatch(std::string_view typed) : typed_(typed), exact_(fold(typed) != typed) {}

bool TextMatch::matches(std::string_view text) const {
  if (exact_) return text.find(typed_) != std::string_view::npos;
  thread_local std::string folded;
  fold_into(text, folded, nullptr);
  return folded.find(typed_) != std::string::npos;
}

std::size_t TextMatch::find(std::string_view text) const {
  if (exact_) return text.find(typed_);
  std::string folded;
  std::vector<std::size_t> origins;
  fold_into(text, folded, &origins);
  std::size_t at = folded.find(typed_);
  return at == std::string::npos ? std::string_view::npos : origins[at];
}

std::string excerpt(std::string_view line, const TextMatch& match, std::size_t width) {
  if (line.size() <= width) return std::string(line);
  std::size_t at = match.find(line);
  if (at == std::string_view::npos) at = 0;
  std::size_t start = at > width / 4 ? at - width / 4 : 0;
  while (start > 0 && continues_letter(line[start])) --start;
  std::size_t end = std::min(line.size(), start + width);
  while (end < line.size() && continues_letter(line[end])) --end;
  std::string out = start > 0 ? "…" : "";
  out += line.substr(start, end - start);
  if (end < line.size()) out += "…";
  return out;
}

}  // namespace tamo::search
