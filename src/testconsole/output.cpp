#include "testconsole/output.h"

#include <algorithm>

namespace tamo::testconsole {

namespace {

// Hands each segment between CR LF, CR or LF to `part`; a text without breaks is one segment.
template <class Part>
void for_each_line(std::string_view text, Part part) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    part(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  part(text.substr(start));
}

void add_run(ConsoleLine& line, std::size_t begin, std::size_t length, Rgb colour) {
  if (length == 0) return;
  if (!line.runs.empty()) {
    ColourRun& last = line.runs.back();
    if (last.colour == colour && last.begin + last.length == begin) {
      last.length += length;
      return;
    }
  }
  line.runs.push_back({begin, length, colour});
}

void paint(ConsoleLine& line, std::size_t begin, std::size_t length, Rgb colour) {
  std::size_t end = std::min(begin + length, line.text.size());
  if (begin >= end) return;
  // Runs are in order and two neighbours never share a colour, so only the runs the span
  // reaches and one neighbour on each side can change; the rest of a line of a hundred
  // thousand colours stays where it is.
  std::vector<ColourRun>& runs = line.runs;
  auto reached =
      std::upper_bound(runs.begin(), runs.end(), begin,
                       [](std::size_t at, const ColourRun& r) { return at < r.begin + r.length; });
  auto after = std::lower_bound(reached, runs.end(), end,
                                [](const ColourRun& r, std::size_t at) { return r.begin < at; });
  auto from = reached == runs.begin() ? reached : reached - 1;
  auto to = after == runs.end() ? after : after + 1;
  ConsoleLine repainted;
  bool painted = false;
  for (auto it = from; it != to; ++it) {
    const ColourRun& run = *it;
    std::size_t run_end = run.begin + run.length;
    if (run_end <= begin || run.begin >= end) {
      if (!painted && run.begin >= end) {
        add_run(repainted, begin, end - begin, colour);
        painted = true;
      }
      add_run(repainted, run.begin, run.length, run.colour);
      continue;
    }
    if (run.begin < begin) add_run(repainted, run.begin, begin - run.begin, run.colour);
    if (!painted) {
      add_run(repainted, begin, end - begin, colour);
      painted = true;
    }
    if (run_end > end) add_run(repainted, end, run_end - end, run.colour);
  }
  if (!painted) add_run(repainted, begin, end - begin, colour);
  auto at = runs.erase(from, to);
  runs.insert(at, repainted.runs.begin(), repainted.runs.end());
}

}  // namespace

Rgb ConsoleLine::colour_at(std::size_t byte) const {
  for (const ColourRun& run : runs)
    if (byte >= run.begin && byte < run.begin + run.length) return run.colour;
  return 0;
}

void Output::add_text(std::string_view text, Rgb colour) {
  ++depth_;
  std::uint64_t first_new = next_seq_;
  while (lines_.size() > kKeptLines) lines_.pop_front();
  if (contains_colour_code(text)) {
    add_color_text(text, colour);
  } else {
    for_each_line(text, [this, colour](std::string_view part) { append_line(part, colour); });
  }
  --depth_;
  if (depth_ == 0 && on_line)
    for (const ConsoleLine& line : lines_)
      if (line.seq >= first_new) on_line(line);
}

void Output::add_color_text(std::string_view text, Rgb colour) {
  init_szin();
  if (text.empty()) return;
  add_text("", kSilver);
  // A text between two codes holds no code, so it is printed; each code changes the colour.
  Rgb current = colour;
  walk_pieces(
      text, [this, &current](std::string_view piece) { add_to_last_line(piece, current); },
      [&current](const ColourCode& code) { current = code.colour; });
  make_szin();
}

void Output::add_to_last_line(std::string_view piece, Rgb colour) {
  if (lines_.empty()) append_line("", colour);
  bool first = true;
  for_each_line(piece, [&](std::string_view part) {
    if (!first) append_line("", colour);
    first = false;
    ConsoleLine& last = lines_.back();
    // Slots are taken in order and freed all at once, so the first free one is the next.
    if (spans_taken_ < kSpanSlots) {
      spans_[spans_taken_] = {last.seq, last.text.size(), part.size(), colour};
      if (!part.empty()) ++spans_taken_;
    }
    // Written in its colour at once, so a piece that found no free slot keeps the colour too.
    append_to_last(part, colour);
  });
}

void Output::make_szin() {
  for (const ColourSpan& span : spans_) {
    if (span.length == 0) continue;
    if (ConsoleLine* line = line_by_seq(span.line))
      paint(*line, span.start, span.length, span.colour);
  }
  init_szin();
}

void Output::init_szin() {
  spans_.fill(ColourSpan{});
  spans_taken_ = 0;
}

void Output::clear() {
  lines_.clear();
  init_szin();
}

std::vector<ConsoleLine> Output::lines_since(std::uint64_t seq) const {
  std::vector<ConsoleLine> out;
  for (const ConsoleLine& line : lines_)
    if (line.seq >= seq) out.push_back(line);
  return out;
}

void Output::append_line(std::string_view text, Rgb colour) {
  lines_.push_back(ConsoleLine{next_seq_++, {}, {}});
  append_to_last(text, colour);
}

void Output::append_to_last(std::string_view text, Rgb colour) {
  ConsoleLine& last = lines_.back();
  add_run(last, last.text.size(), text.size(), colour);
  last.text += text;
}

ConsoleLine* Output::line_by_seq(std::uint64_t seq) {
  // Lines are only dropped from the front, so their seqs are consecutive.
  if (lines_.empty() || seq < lines_.front().seq) return nullptr;
  std::uint64_t index = seq - lines_.front().seq;
  return index < lines_.size() ? &lines_[index] : nullptr;
}

}  // namespace tamo::testconsole
