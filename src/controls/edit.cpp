#include "controls/edit.h"

#include <algorithm>
#include <utility>

namespace tamo::controls {

std::size_t utf8_length(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::vector<std::string_view> utf8_chars(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t j = i + 1;
    while (j < s.size() && (static_cast<unsigned char>(s[j]) & 0xC0) == 0x80) ++j;
    out.push_back(s.substr(i, j - i));
    i = j;
  }
  return out;
}

namespace {

// Where the first CR or LF from `from` on stands, or the text's end. A plain scan: searching
// for either of two characters otherwise costs a call per character of a long text.
std::size_t break_from(std::string_view text, std::size_t from) {
  auto it = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                         [](char c) { return c == '\r' || c == '\n'; });
  return static_cast<std::size_t>(it - text.begin());
}

// True when every line break of the text is already CR LF, as in every text a work file gives.
bool crlf_only(std::string_view text) {
  for (std::size_t i = break_from(text, 0); i < text.size(); i = break_from(text, i + 2)) {
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') return false;
  }
  return true;
}

}  // namespace

std::string first_line(std::string text) {
  text.resize(break_from(text, 0));
  return text;
}

std::string crlf_lines(std::string text) {
  if (crlf_only(text)) return text;
  std::string out;
  out.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      out += text[i];
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    out += "\r\n";
  }
  return out;
}

void Edit::set_text(std::string text) {
  text = accepted(std::move(text));
  // This way round: GCC 12 at -O3 wrongly warns that the moved-in text may be uninitialised.
  if (text_ == text) return;
  text_ = std::move(text);
  changed();
  if (on_change) on_change();
}

bool Edit::type_char(std::string_view ch) {
  if (read_only_ || !enabled()) return false;
  if (max_length_ != 0 && utf8_length(text_) >= max_length_) return false;
  std::string piece = ch == "\n" && !line_break().empty() ? line_break() : std::string(ch);
  user_change([this, &piece] { set_text(text_ + piece); });
  return true;
}

void Edit::type(std::string_view s) {
  for (std::string_view ch : utf8_chars(s)) type_char(ch);
}

void Edit::user_set_text(std::string text) {
  if (read_only_ || !enabled()) return;
  user_change([this, &text] { set_text(std::move(text)); });
}

}  // namespace tamo::controls
