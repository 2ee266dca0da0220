#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "testconsole/colour_codes.h"

namespace tamo::testconsole {

// Bytes [begin, begin + length) of a line's UTF-8 text shown in one colour.
struct ColourRun {
  std::size_t begin = 0;
  std::size_t length = 0;
  Rgb colour = 0;

  friend bool operator==(const ColourRun&, const ColourRun&) = default;
};

// One console line. `seq` grows by one for every line ever added, so a reader can ask for
// the lines after the last one it has seen.
struct ConsoleLine {
  std::uint64_t seq = 0;
  std::string text;
  std::vector<ColourRun> runs;  // in order, covering the text; an empty line has none

  Rgb colour_at(std::size_t byte) const;
};

// A colour waiting to be applied to part of the line being built; length 0 is a free slot.
struct ColourSpan {
  std::uint64_t line = 0;
  std::size_t start = 0;
  std::size_t length = 0;
  Rgb colour = 0;
};

// The console's coloured output: a short scrolling list of lines.
class Output {
 public:
  static constexpr std::size_t kKeptLines = 24;
  static constexpr std::size_t kSpanSlots = 51;

  // Prints one text (several lines if it holds line breaks) after dropping the oldest lines
  // down to kKeptLines; a text with colour codes is shown in the codes' colours.
  void add_text(std::string_view text, Rgb colour);
  void add_color_text(std::string_view text, Rgb colour);
  void add_to_last_line(std::string_view piece, Rgb colour);
  // "szín" is colour: paints the waiting colour spans into their lines, then frees the slots.
  void make_szin();
  // Frees every colour slot without painting.
  void init_szin();

  void clear();
  const std::deque<ConsoleLine>& lines() const { return lines_; }
  // The lines still held whose seq is at least `seq`.
  std::vector<ConsoleLine> lines_since(std::uint64_t seq) const;
  // The seq the next line will get.
  std::uint64_t next_seq() const { return next_seq_; }
  const std::array<ColourSpan, kSpanSlots>& spans() const { return spans_; }

  // Runs for every line once the add_text that made it has returned, so a reader that
  // streams the output also sees lines that the limit drops within one command.
  std::function<void(const ConsoleLine&)> on_line;

 private:
  void append_line(std::string_view text, Rgb colour);
  void append_to_last(std::string_view text, Rgb colour);
  ConsoleLine* line_by_seq(std::uint64_t seq);

  std::deque<ConsoleLine> lines_;
  std::uint64_t next_seq_ = 0;
  std::array<ColourSpan, kSpanSlots> spans_{};
  std::size_t spans_taken_ = 0;  // the slots before this one hold a span
  int depth_ = 0;  // add_color_text prints through add_text; report lines only at the top
};

}  // namespace tamo::testconsole
