#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tamo::search {

// The text with its capitals made small and the accents taken off its letters ("Kárd" gives
// "kard"); other characters stay as they are. UTF-8 in, UTF-8 out.
std::string fold(std::string_view text);

// What the builder typed into the find box. Typed without capitals or accents it finds a
// text however that is written ("kard" finds "Kárd" and "KARD"); typed with any, it finds
// only that exact spelling.
class TextMatch {
 public:
  explicit TextMatch(std::string_view typed);

  bool empty() const { return typed_.empty(); }
  bool exact() const { return exact_; }
  bool matches(std::string_view text) const;
  // Where in the text the first match starts, in bytes of the text; npos when none.
  std::size_t find(std::string_view text) const;

 private:
  std::string typed_;
  bool exact_;
};

// The line as a list shows it: whole when short, else about `width` bytes around the match
// with "…" where it was cut, never inside a letter.
std::string excerpt(std::string_view line, const TextMatch& match, std::size_t width);

}  // namespace tamo::search
