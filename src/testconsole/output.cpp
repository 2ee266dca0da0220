#include "testconsole/output.h"

#include <algorithm>

namespace tamo::testconsole {

namespace {

// Splits at CR LF, CR or LF; a text without breaks is one segment.
std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  out.push_back(text.substr(start));
  return out;
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
  std::vector<ColourRun> old = std::move(line.runs);
  line.runs.clear();
  bool painted = false;
  for (const ColourRun& run : old) {
    std::size_t run_end = run.begin + run.length;
    if (run_end <= begin || run.begin >= end) {
      if (!painted && run.begin >= end) {
        add_run(line, begin, end - begin, colour);
        painted = true;
      }
      add_run(line, run.begin, run.length, run.colour);
      continue;
    }
    if (run.begin < begin) add_run(line, run.begin, begin - run.begin, run.colour);
    if (!painted) {
      add_run(line, begin, end - begin, colour);
      painted = true;
    }
    if (run_end > end) add_run(line, end, run_end - end, run.colour);
  }
  if (!painted) add_run(line, begin, end - begin, colour);
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
    for (std::string_view part : split_lines(text)) append_line(part, colour);
  }
  --depth_;
  if (depth_ == 0 && on_line)
    for (const ConsoleLine& line : lines_)
      if (line.seq >= first_new) on_line(line);
}

void Output::add_color_text(std::string_view text, Rgb colour) {
  init_szin();
  std::vector<std::string> pieces = darabol(text);
  if (pieces.empty()) return;
  add_text("", kSilver);
  Rgb current = colour;
  for (const std::string& piece : pieces) {
    Rgb code = query_szinkod(piece);
    if (code == 0)
      add_to_last_line(piece, current);
    else
      current = code;
  }
  make_szin();
}

void Output::add_to_last_line(std::string_view piece, Rgb colour) {
  if (lines_.empty()) append_line("", colour);
  std::vector<std::string_view> parts = split_lines(piece);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) append_line("", colour);
    ConsoleLine& last = lines_.back();
    auto free_slot = std::find_if(spans_.begin(), spans_.end(),
                                  [](const ColourSpan& s) { return s.length == 0; });
    if (free_slot != spans_.end())
      *free_slot = {last.seq, last.text.size(), parts[i].size(), colour};
    // Written in its colour at once, so a piece that found no free slot keeps the colour too.
    append_to_last(parts[i], colour);
  }
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
