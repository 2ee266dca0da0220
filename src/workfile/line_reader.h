#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tamo::workfile {

// Splits bytes into lines as the work file is read: a line ends at CR LF, a lone LF or a
// lone CR; a last line without a break is still a line; a NUL byte ends the text. A file
// is read a chunk at a time, so memory stays at the longest line plus one chunk.
class LineReader {
 public:
  static constexpr std::size_t kDefaultChunk = std::size_t{1} << 20;

  explicit LineReader(std::string_view bytes);
  explicit LineReader(std::FILE* file, std::size_t chunk = kDefaultChunk);

  // Sets the line to the next one without its break, valid until the next call; false at
  // the end. The view is filled in place: copying a returned optional view stalled the
  // processor on every line of a large work.
  bool next(std::string_view& line);
  // True when the file could not be read to its end.
  bool failed() const { return failed_; }

 private:
  bool refill();

  std::FILE* file_ = nullptr;
  std::string chunk_;
  std::string_view rest_;  // bytes not yet split
  std::string spanning_;   // a line that began in an earlier chunk
  bool ended_ = false;     // a NUL byte was reached
  bool skip_lf_ = false;   // the last line ended in CR, so an LF right after belongs to it
  bool failed_ = false;
};

}  // namespace tamo::workfile
