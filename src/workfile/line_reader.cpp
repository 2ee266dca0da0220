#include "workfile/line_reader.h"

#include <algorithm>

#include "workfile/byte_scan.h"

namespace tamo::workfile {

LineReader::LineReader(std::string_view bytes) : rest_(bytes) {}

LineReader::LineReader(std::FILE* file, std::size_t chunk) : file_(file) {
  chunk_.resize(std::max<std::size_t>(chunk, 1));
}

bool LineReader::refill() {
  if (file_ == nullptr || ended_) return false;
  std::size_t got = std::fread(chunk_.data(), 1, chunk_.size(), file_);
  if (got == 0 && std::ferror(file_)) failed_ = true;
  rest_ = std::string_view(chunk_.data(), got);
  return got > 0;
}

bool LineReader::next(std::string_view& line) {
  spanning_.clear();
  bool spans = false;
  for (;;) {
    if (rest_.empty() && !refill()) {
      line = spanning_;
      return spans;
    }
    if (skip_lf_) {
      skip_lf_ = false;
      if (rest_.front() == '\n') {
        rest_.remove_prefix(1);
        continue;
      }
    }
    std::size_t length = find_break_or_nul(rest_);
    std::string_view piece = rest_.substr(0, length);
    if (length == rest_.size()) {
      spanning_.append(piece);
      spans = true;
      rest_ = {};
      continue;
    }
    char brk = rest_[length];
    rest_.remove_prefix(length + 1);
    if (brk == '\0') {
      ended_ = true;
      rest_ = {};
      if (!spans && piece.empty()) return false;
    }
    skip_lf_ = brk == '\r';
    if (spans) spanning_.append(piece);
    line = spans ? std::string_view(spanning_) : piece;
    return true;
  }
}

}  // namespace tamo::workfile
