#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "workfile/writer.h"

namespace tamo::workfile {

// A 64-bit digest of the bytes a save writes for the lines that stream past (Windows-1250,
// CR LF), taken a block of bytes at a time rather than line by line. A save hands it the
// file's own buffers; anything else hands it lines, which it encodes the same way, so both
// routes give the same value for the same work.
//
// Two works that write the same bytes can still differ where a character became "?": such
// a line is also taken as it was given, so the digest tells them apart as the lines would.
class WorkDigest : public LineSink {
 public:
  void tf(std::string_view line) override;
  // The next bytes of the file, already encoded.
  void take(std::string_view bytes);
  // A line whose encoding replaced characters; `end` is where its bytes end in the file.
  void note_replaced(std::uint64_t end, std::string_view line);
  std::uint64_t value() const;

 private:
  void absorb(std::string_view bytes);

  std::array<std::uint64_t, 4> lanes_{0x243F6A8885A308D3ULL, 0x13198A2E03707344ULL,
                                      0xA4093822299F31D0ULL, 0x082EFA98EC4E6C89ULL};
  std::uint64_t replaced_ = 0x452821E638D01377ULL;
  std::uint64_t size_ = 0;  // bytes absorbed
  // Bytes short of a whole block, and lines encoded but not yet absorbed.
  std::array<char, 32> part_{};
  std::size_t part_size_ = 0;
  std::string pending_;
};

// Appends the line as the file holds it, CR LF included. Where characters became "?", the
// digest (when given) learns the line; `file_offset` is where `out` starts in the file.
void append_file_line(std::string& out, std::string_view line, std::uint64_t file_offset,
                      WorkDigest* digest);

}  // namespace tamo::workfile
