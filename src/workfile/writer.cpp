#include "workfile/writer.h"

#include "workfile/byte_scan.h"
#include "workfile/codec.h"
#include "workfile/format.h"
#include "workfile/workfile.h"

namespace tamo::workfile {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// A value is one line of the file: a CR or LF inside it would split it and shift every line
// after it, so a blank stands in for each.
void value_line(LineSink& sink, std::string_view value) {
  if (find_line_break(value) == value.size()) return sink.tf(value);
  std::string line(value);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  sink.tf(line);
}

void stf(LineSink& sink, std::string_view key, std::string_view value) {
  if (value.empty()) return;
  sink.tf(key);
  value_line(sink, value);
}

void mixedtf(LineSink& sink, std::string_view key, const MixedList& list) {
  bool opened = false;
  for (const dmixed& entry : list) {
    if (entry.value.empty()) continue;
    if (!opened) sink.tf(key);
    opened = true;
    value_line(sink, entry.key);
    value_line(sink, entry.value);
  }
  if (opened) sink.tf(kMixedEnd);
}

// A multi-line text puts each of its lines on a line of its own.
void text_lines(LineSink& sink, std::string_view text) {
  for (;;) {
    std::size_t brk = text.find(kLineBreak);
    value_line(sink, text.substr(0, brk));
    if (brk == std::string_view::npos) return;
    text.remove_prefix(brk + kLineBreak.size());
  }
}

template <class R>
void emit_block(LineSink& sink, const format::Block<R>& block, const R& record) {
  sink.tf(block.begin);
  for (const format::Field<R>& field : block.fields) {
    switch (field.kind) {
      case format::Kind::kText:
        stf(sink, field.key, record.*field.text);
        break;
      case format::Kind::kLong:
        if (!(record.*field.text).empty()) {
          sink.tf(field.key);
          text_lines(sink, record.*field.text);
        }
        sink.tf(field.long_end);
        break;
      case format::Kind::kList:
        mixedtf(sink, field.key, record.*field.list);
        break;
    }
  }
  sink.tf(block.end);
}

class CollectedLines : public LineSink {
 public:
  void tf(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

}  // namespace

void emit_work(const Work& work, LineSink& sink) {
  emit_creator(work, sink);
  emit_description(work, sink);
  for (const droom& room : work.rooms) emit_record(room, sink);
  for (const dmons& mons : work.monsters) emit_record(mons, sink);
  for (const ditem& item : work.items) emit_record(item, sink);
}

void emit_creator(const Work& work, LineSink& sink) {
  sink.tf(format::kCreatorProject);
  value_line(sink, work.project);
  sink.tf(format::kCreatorName);
  value_line(sink, work.name);
  sink.tf(format::kCreatorMail);
  value_line(sink, work.mail);
}

void emit_description(const Work& work, LineSink& sink) {
  if (work.desc.empty()) return;
  sink.tf(format::kCreatorDesc);
  text_lines(sink, work.desc);
  sink.tf(format::kCreatorDescEnd);
}

void emit_record(const droom& room, LineSink& sink) {
  emit_block(sink, format::room_block(), room);
}
void emit_record(const dmons& mons, LineSink& sink) {
  emit_block(sink, format::monster_block(), mons);
}
void emit_record(const ditem& item, LineSink& sink) {
  emit_block(sink, format::item_block(), item);
}

std::size_t append_encoded_line(std::string& out, std::string_view line) {
  std::size_t replaced = append_utf8_as_cp1250(out, line);
  out.append(kLineBreak);
  return replaced;
}

std::vector<std::string> work_lines(const Work& work) {
  CollectedLines collected;
  emit_work(work, collected);
  return std::move(collected.lines);
}

std::string encode_lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) append_encoded_line(out, line);
  return out;
}

}  // namespace tamo::workfile
