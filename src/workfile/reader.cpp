#include "workfile/reader.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "model/input_rules.h"
#include "workfile/codec.h"
#include "workfile/file_names.h"
#include "workfile/format.h"

namespace tamo::workfile {

namespace {

constexpr std::string_view kBadProjectMessage =
    "A fájlnév nem volt megfelelő, atírva tamotmp.tamo - re.\r\n"
    "Javaslom, ird át a munka nevét, aztán mentsél!";
constexpr std::string_view kFallbackProject = "tamotmp";

// The field of a key line, or none. Keys mostly follow in the writer's order, so the search
// starts after the field read last; keys in any other order are still found.
template <class R>
const format::Field<R>* find_field(const format::Block<R>& block, std::size_t& next,
                                   std::string_view key) {
  std::size_t count = block.fields.size();
  for (std::size_t tried = 0; tried < count; ++tried, ++next) {
    if (next == count) next = 0;
    if (block.fields[next].key == key) return &block.fields[next++];
  }
  return nullptr;
}

// A line's text, as the file's code page or already transcoded.
void append_text(std::string& out, std::string_view line, const LineReader&) {
  append_cp1250_as_utf8(out, line);
}
void append_text(std::string& out, std::string_view line, const LinePipe&) {
  out.append(line);
}

// Walks the lines forward once, from a LineReader or a LinePipe. Every reading step returns false
// when the line it needs is past the end of the file; the caller then stops where it is.
template <class Lines>
class Reader {
 public:
  Reader(Work& work, Lines& lines) : work_(work), lines_(lines) { more_ = lines_.next(line_); }

  LoadResult read() {
    bool whole = read_creator() && read_description() &&
                 read_records(format::room_block(), data_.rooms, droom{}) &&
                 read_records(format::monster_block(), data_.monsters, dmons{}) &&
                 read_records(format::item_block(), data_.items, fresh_item());
    // The work changes only now, once reading is over: a read that throws leaves it as it was.
    replace_work(work_, std::move(data_));
    if (!whole) {
      result_.complete = false;
      result_.messages.push_back("A munkafájl túl korán véget ért: a(z) " +
                                 std::to_string(index_ + 1) + ". sor hiányzik.");
    }
    return std::move(result_);
  }

 private:
  static ditem fresh_item() {
    ditem item;
    item.invisitem = "0";
    return item;
  }

  bool at(std::string_view expected) const { return more_ && line_ == expected; }
  bool pass() {
    if (!more_) return false;
    more_ = lines_.next(line_);
    ++index_;
    return true;
  }
  bool take(std::string& out) {
    if (!more_) return false;
    out.clear();
    append_text(out, line_, lines_);
    return pass();
  }

  // Creator values by position: lines 0, 2 and 4 are not looked at.
  bool read_creator() {
    if (!pass() || !take(data_.project)) return false;
    if (!validfilename(data_.project)) {
      data_.project = kFallbackProject;
      result_.messages.emplace_back(kBadProjectMessage);
    }
    return pass() && take(data_.name) && pass() && take(data_.mail);
  }

  bool read_description() {
    if (!at(format::kCreatorDesc)) return true;
    return pass() && read_multiline(data_.desc, format::kCreatorDescEnd);
  }

  // The lines up to the end line, joined by CR LF; leading empty lines vanish.
  // The text is gathered apart, so that it gets its memory once, at its size.
  bool read_multiline(std::string& text, std::string_view end) {
    joined_.clear();
    for (; more_ && line_ != end; pass()) {
      if (!joined_.empty()) joined_ += "\r\n";
      append_text(joined_, line_, lines_);
    }
    text = joined_;
    return pass();
  }

  bool read_list(MixedList& list) {
    entries_.clear();
    bool whole = true;
    while (whole && !at(kMixedEnd)) {
      dmixed& entry = entries_.emplace_back();
      whole = take(entry.key) && take(entry.value);
      if (!whole) entries_.pop_back();
    }
    add_mixed_all(list, entries_);
    return whole && pass();
  }

  template <class R>
  bool read_field(const format::Field<R>& field, R& record) {
    switch (field.kind) {
      case format::Kind::kText:
        return take(record.*field.text);
      case format::Kind::kLong:
        return read_multiline(record.*field.text, field.long_end);
      case format::Kind::kList:
        return read_list(record.*field.list);
    }
    return false;
  }

  // A line that is no key of the block (a misspelt key, the lone end line of an empty long
  // text) is skipped, so the rest of the block is still read.
  template <class R>
  bool read_block(const format::Block<R>& block, R& record) {
    std::size_t next = 0;
    pass();
    for (;;) {
      if (!more_) return false;
      if (line_ == block.end) return pass();
      const format::Field<R>* field = find_field(block, next, line_);
      pass();
      if (field != nullptr && !read_field(*field, record)) return false;
    }
  }

  // A record joins its list even when its block breaks off, with the fields read so far.
  template <class R>
  bool read_records(const format::Block<R>& block, RecordList<R>& list, const R& fresh) {
    std::vector<std::unique_ptr<R>> records;
    bool whole = true;
    while (whole && at(block.begin)) {
      records.push_back(std::make_unique<R>(fresh));
      whole = read_block(block, *records.back());
    }
    list.append(std::move(records));
    return whole;
  }

  Work& work_;
  WorkData data_;
  Lines& lines_;
  std::string_view line_;  // line i, when more_: none past the end
  bool more_ = false;
  std::size_t index_ = 0;
  LoadResult result_;
  // Buffers of the multi-line text and of the list being read, kept to spare allocations.
  std::string joined_;
  std::vector<dmixed> entries_;
};

}  // namespace

LoadResult read_work(Work& work, LineReader& lines) {
  return Reader(work, lines).read();
}

LoadResult read_work(Work& work, LinePipe& lines) {
  return Reader(work, lines).read();
}

LoadResult load_bytes(Work& work, std::string_view bytes) {
  LineReader lines(bytes);
  return read_work(work, lines);
}

LoadResult loadfile(Work& work, const std::filesystem::path& path) {
  std::string name = shown_path(path);
  std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                          &std::fclose);
  if (file == nullptr) return {{"Nem sikerült megnyitni a(z) " + name + " fájlt."}, false};
  LoadResult result;
  bool failed = false;
  {
    LinePipe lines(file.get());
    result = read_work(work, lines);
    failed = lines.failed();
  }
  file.reset();
  if (failed) {
    // The early end that a failed read causes is not the file's fault.
    if (!result.complete) result.messages.pop_back();
    result.messages.push_back("Nem sikerült beolvasni a(z) " + name + " fájlt.");
    result.complete = false;
  }
  return result;
}

}  // namespace tamo::workfile
