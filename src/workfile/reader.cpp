#include "workfile/reader.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

#include "model/input_rules.h"
#include "workfile/codec.h"
#include "workfile/file_form.h"
#include "workfile/file_names.h"
#include "workfile/format.h"

namespace tamo::workfile {

namespace {

constexpr std::string_view kBadProjectMessage =
    "A fájlnév nem volt megfelelő, atírva tamotmp.tamo - re.\r\n"
    "Javaslom, ird át a munka nevét, aztán mentsél!";
constexpr std::string_view kFallbackProject = "tamotmp";
// How many lines a skipped or broken line's text is shown with, and how many problems one
// message names before it only counts the rest.
constexpr std::size_t kShownCharacters = 60;
constexpr std::size_t kShownProblems = 5;

// The line as a message quotes it: cut after kShownCharacters characters.
std::string quoted_line(std::string_view text) {
  std::size_t characters = 0, end = 0;
  for (; end < text.size(); ++end) {
    bool starts_character = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
    if (starts_character && characters++ == kShownCharacters) break;
  }
  return "„" + std::string(text.substr(0, end)) + (end < text.size() ? "…”" : "”");
}

// The lines that could not be placed, gathered into one message at the end.
class Problems {
 public:
  void add(std::size_t line, std::string text) {
    if (shown_.size() < kShownProblems)
      shown_.push_back(std::to_string(line) + ". sor: " + std::move(text));
    ++count_;
  }
  bool empty() const { return count_ == 0; }
  std::string message() const {
    std::string out = "A munkafájlt nem sikerült hiánytalanul beolvasni";
    out += count_ == 1 ? ":" : " (" + std::to_string(count_) + " hiba):";
    for (const std::string& entry : shown_) out += "\r\n" + entry;
    if (count_ > shown_.size())
      out += "\r\n…és még " + std::to_string(count_ - shown_.size()) + " hasonló.";
    return out;
  }

 private:
  std::vector<std::string> shown_;
  std::size_t count_ = 0;
};

// The end line that the writer puts alone into a block whose long text is empty.
template <class R>
std::string_view long_end_of(const format::Block<R>& block) {
  for (const format::Field<R>& field : block.fields)
    if (field.kind == format::Kind::kLong) return field.long_end;
  return {};
}

bool is_begin_line(std::string_view line) {
  return line == format::room_block().begin || line == format::monster_block().begin ||
         line == format::item_block().begin;
}

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
    bool whole = read_creator() && read_description() && read_blocks();
    // Records are indexed by name only now, a kind at once, and the work changes only once
    // reading is over: a read that throws leaves it as it was.
    data_.rooms.index_added();
    data_.monsters.index_added();
    data_.items.index_added();
    replace_work(work_, std::move(data_));
    if (!problems_.empty()) {
      result_.complete = false;
      result_.messages.push_back(problems_.message());
    }
    if (!whole) {
      result_.complete = false;
      result_.ended_early = true;
      result_.messages.push_back("A munkafájl túl korán véget ért: a(z) " +
                                 std::to_string(index_ + 1) + ". sor hiányzik.");
    }
    return std::move(result_);
  }

 private:
  bool at(std::string_view expected) const { return more_ && line_ == expected; }
  bool pass() {
    if (!more_) return false;
    more_ = lines_.next(line_);
    ++index_;
    return true;
  }
  // The line's text in the program's form: a LinePipe's lines already are.
  std::string_view converted() {
    if constexpr (std::is_same_v<Lines, LinePipe>) {
      return line_;
    } else {
      scratch_.clear();
      append_text(scratch_, line_, lines_);
      return scratch_;
    }
  }
  // The records' texts are cut from the arena; the creator's values are plain strings.
  void put(Text& text, std::string_view value) { arena_.assign(text, value); }
  void put(std::string& text, std::string_view value) { text = value; }
  template <class Out>
  bool take(Out& out) {
    if (!more_) return false;
    put(out, converted());
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
  template <class Out>
  bool read_multiline(Out& text, std::string_view end) {
    joined_.clear();
    for (; more_ && line_ != end; pass()) {
      if (!joined_.empty()) joined_ += "\r\n";
      append_text(joined_, line_, lines_);
    }
    put(text, joined_);
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

  // Blocks of any kind in any order; a line between them that begins none is skipped.
  bool read_blocks() {
    while (more_) {
      bool read = true;
      if (line_ == format::room_block().begin)
        read = read_block(format::room_block(), *data_.rooms.add_unindexed());
      else if (line_ == format::monster_block().begin)
        read = read_block(format::monster_block(), *data_.monsters.add_unindexed());
      else if (line_ == format::item_block().begin)
        read = read_item();
      else
        skip_line();
      if (!read) return false;
    }
    return true;
  }

  // An empty ITEMINVISITEM value reads as the flag's default: the writer leaves an empty
  // value out, so the next load would read "0" and a second save would differ from the first.
  bool read_item() {
    ditem& item = *data_.items.add_unindexed();
    item.invisitem = "0";
    bool read = read_block(format::item_block(), item);
    if (item.invisitem.empty()) item.invisitem = "0";
    return read;
  }

  void skip_line() {
    std::string text;
    append_text(text, line_, lines_);
    problems_.add(index_ + 1, quoted_line(text) + " kimaradt, mert nem illik ide.");
    pass();
  }

  // A line that is no key of the block (a misspelt key, a stray line) is skipped, so the rest
  // of the block is still read. A begin line ends a block whose end line is missing; the
  // record keeps what was read so far. A record joins its list even when its block breaks
  // off at the end of the file.
  template <class R>
  bool read_block(const format::Block<R>& block, R& record) {
    std::size_t begin = index_ + 1;
    std::size_t next = 0;
    std::string_view lone_long_end = long_end_of(block);
    pass();
    for (;;) {
      if (!more_) return false;
      if (line_ == block.end) return pass();
      if (is_begin_line(line_)) {
        problems_.add(begin, "a blokkból hiányzik a(z) " + std::string(block.end) + " sor, a(z) " +
                                 std::to_string(index_ + 1) + ". sornál új blokk kezdődik.");
        return true;
      }
      const format::Field<R>* field = find_field(block, next, line_);
      if (field == nullptr) {
        if (line_ == lone_long_end)
          pass();
        else
          skip_line();
        continue;
      }
      pass();
      if (!read_field(*field, record)) return false;
    }
  }

  // The loaded texts share chunks: a big work is hundreds of thousands of short texts.
  TextArena arena_;
  Work& work_;
  WorkData data_;
  Lines& lines_;
  std::string_view line_;  // line i, when more_: none past the end
  bool more_ = false;
  std::size_t index_ = 0;
  LoadResult result_;
  Problems problems_;
  // Buffers of the multi-line text and of the list being read, kept to spare allocations.
  std::string joined_;
  std::string scratch_;
  std::vector<dmixed> entries_;
};

}  // namespace

LoadResult read_work(Work& work, LineReader& lines) {
  return Reader(work, lines).read();
}

LoadResult read_work(Work& work, LinePipe& lines) {
  return Reader(work, lines).read();
}

namespace {

constexpr std::size_t kSniffChunk = std::size_t{1} << 16;

// Reads the lines of bytes in the program's own form.
LoadResult read_plain(Work& work, std::string_view bytes) {
  LineReader lines(bytes);
  return read_work(work, lines);
}

// A file in another form is turned into the program's own first, and the user is told.
LoadResult read_in_form(Work& work, std::string_view bytes, FileForm form) {
  if (form.plain()) return read_plain(work, bytes);
  std::size_t replaced = 0;
  std::string plain = to_plain_form(bytes, form, replaced);
  LoadResult result = read_plain(work, plain);
  std::vector<std::string> told = file_form_messages(form, replaced);
  result.messages.insert(result.messages.begin(), told.begin(), told.end());
  // Characters that became "?" are lost from the file.
  if (replaced != 0) result.complete = false;
  return result;
}

// The rest of the file; false when it could not be read.
bool read_rest(std::FILE* file, std::string& bytes) {
  char chunk[kSniffChunk];
  while (std::size_t got = std::fread(chunk, 1, sizeof chunk, file)) bytes.append(chunk, got);
  return !std::ferror(file);
}

// The form of the file from its start; the file is read until the form is decided, then
// rewound. False when it cannot be rewound.
bool sniff_stream(std::FILE* file, FileForm& form) {
  FileFormSniffer sniffer;
  std::string chunk(kSniffChunk, '\0');
  while (std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file))
    if (!sniffer.feed(std::string_view(chunk).substr(0, got))) break;
  form = sniffer.form();
  return !std::ferror(file) && std::fseek(file, 0, SEEK_SET) == 0;
}

// A large work in the program's own form is read on two threads; anything else at once.
LoadResult read_file(Work& work, std::FILE* file, bool& failed) {
  FileForm form;
  std::string bytes;
  // A stream that cannot be rewound (a pipe) is held whole and sniffed in memory.
  if (std::fseek(file, 0, SEEK_SET) != 0) {
    failed = !read_rest(file, bytes);
    return read_in_form(work, bytes, sniff_file_form(bytes));
  }
  if (!sniff_stream(file, form)) {
    failed = true;
    return {};
  }
  if (!form.plain()) {
    failed = !read_rest(file, bytes);
    return read_in_form(work, bytes, form);
  }
  LinePipe lines(file);
  LoadResult result = read_work(work, lines);
  failed = lines.failed();
  return result;
}

}  // namespace

LoadResult load_bytes(Work& work, std::string_view bytes) {
  return read_in_form(work, bytes, sniff_file_form(bytes));
}

LoadResult loadfile(Work& work, const std::filesystem::path& path) {
  std::string name = shown_path(path);
  std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                          &std::fclose);
  if (file == nullptr) {
    LoadResult failed;
    failed.messages.push_back("Nem sikerült megnyitni a(z) " + name +
                              " fájlt: " + system_reason(errno) + ".");
    failed.complete = failed.opened = false;
    return failed;
  }
  bool failed = false;
  LoadResult result = read_file(work, file.get(), failed);
  file.reset();
  if (failed) {
    // The early end that a failed read causes is not the file's fault.
    if (result.ended_early) result.messages.pop_back();
    result.messages.push_back("Nem sikerült beolvasni a(z) " + name + " fájlt.");
    result.complete = false;
  }
  return result;
}

}  // namespace tamo::workfile
