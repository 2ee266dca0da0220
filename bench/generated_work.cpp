#include "generated_work.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "workfile/codec.h"

namespace fs = std::filesystem;

namespace tamo::bench {

namespace {

constexpr std::size_t kRoomsPerMegabyte = 570;

// Lines go out through one buffer, turned into the file's code page on the way.
class LineWriter {
 public:
  explicit LineWriter(const fs::path& path) : file_(std::fopen(path.c_str(), "wb")) {
    if (file_ == nullptr) std::abort();
  }
  ~LineWriter() {
    flush();
    std::fclose(file_);
  }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void line(std::string_view text) {
    workfile::append_utf8_as_cp1250(buffer_, text);
    buffer_ += "\r\n";
    if (buffer_.size() > (1 << 20)) flush();
  }
  void field(std::string_view key, std::string_view value) {
    line(key);
    line(value);
  }
  std::size_t written() const { return written_ + buffer_.size(); }

 private:
  void flush() {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) std::abort();
    written_ += buffer_.size();
    buffer_.clear();
  }
  std::FILE* file_;
  std::string buffer_;
  std::size_t written_ = 0;
};

std::string sentence(std::size_t n, int words) {
  static constexpr std::string_view kWords[] = {
      "árnyas", "kőfal", "mögött", "egy",   "öreg",   "tölgy", "áll",   "szél",   "zúgja", "ősi",
      "dalát",  "völgy", "felett", "ködös", "hegyek", "és",    "patak", "csobog", "sötét", "erdő"};
  std::string out = "Ez";
  for (int w = 0; w < words; ++w) {
    out += ' ';
    out += kWords[(n * 7 + static_cast<std::size_t>(w) * 3) % 20];
  }
  return out + '.';
}

void long_text(LineWriter& out, std::string_view key, std::string_view end, std::size_t n,
               int lines) {
  out.line(key);
  for (int l = 0; l < lines; ++l) out.line(sentence(n + static_cast<std::size_t>(l), 11));
  out.line(end);
}

void write_real(LineWriter& out, std::size_t rooms) {
  std::size_t creatures = std::max<std::size_t>(rooms / 2, 1);
  std::size_t items = rooms;
  for (std::size_t n = 0; n < rooms; ++n) {
    std::string id = std::to_string(n);
    out.line("ROOMBEGIN");
    out.field("ROOMFILENAME", "szoba" + id);
    out.field("ROOMSHORT", "Egy csendes tisztás " + id);
    long_text(out, "ROOMLONG", "ROOMLONGEND", n, 6);
    out.field("ROOMSMELLDEFAULT", "Fenyőillat.");
    out.line("ROOMITEMS");
    out.field("fa", sentence(n, 6));
    out.field("kő", sentence(n + 1, 5));
    out.line("MIXEDEND");
    out.line("ROOMSEARCH");
    out.field("bokor", sentence(n + 2, 5));
    out.line("MIXEDEND");
    out.line("ROOMPROPERTIES");
    out.field("indoors", "0");
    out.field("light", "1");
    out.field("nomagic", n % 2 ? "1" : "0");
    out.line("MIXEDEND");
    out.line("ROOMCONTENTS");
    out.field("ork" + std::to_string(n % creatures), "1");
    out.field("gyuru" + id, "1");
    out.line("MIXEDEND");
    out.line("ROOMEXITS");
    out.field("kelet", "szoba" + std::to_string((n + 1) % rooms));
    out.field("nyugat", "szoba" + std::to_string((n + rooms - 1) % rooms));
    out.line("MIXEDEND");
    out.line("ROOMEND");
  }
  for (std::size_t n = 0; n < creatures; ++n) {
    std::string id = std::to_string(n);
    out.line("MONSBEGIN");
    out.field("MONSFILENAME", "ork" + id);
    out.field("MONSNAME", "Ork " + id);
    out.field("MONSSHORT", "egy morcos ork");
    long_text(out, "MONSLONG", "MONSLONGEND", n + 3, 5);
    out.field("MONSRACE", "ork");
    out.field("MONSGENDER", "ferfi");
    out.field("MONSCLASS1", "harcos");
    out.field("MONSLEVEL", std::to_string(n % 30 + 1));
    out.field("MONSALIGNMENT", "-300");
    out.field("MONSMONEY", "12");
    out.line("MONSIDS");
    out.field("ork", "ork");
    out.field("morcos", "morcos");
    out.line("MIXEDEND");
    out.line("MONSSPEECH");
    out.field(sentence(n, 5), "0");
    out.field(sentence(n + 1, 4), "1");
    out.line("MIXEDEND");
    out.line("MONSEMOTE");
    out.field("morog", "0");
    out.line("MIXEDEND");
    out.line("MONSEQUIPMENT");
    out.field("gyuru" + std::to_string(n % items), "1");
    out.line("MIXEDEND");
    out.line("MONSEND");
  }
  for (std::size_t n = 0; n < items; ++n) {
    std::string id = std::to_string(n);
    out.line("ITEMBEGIN");
    out.field("ITEMFILENAME", "gyuru" + id);
    out.field("ITEMNAME", "gyuru");
    out.field("ITEMSHORT", "egy gyűrű");
    long_text(out, "ITEMLONG", "ITEMLONGEND", n + 5, 3);
    out.field("ITEMMINLEVEL", "0");
    out.field("ITEMRARITY", "0");
    out.field("ITEMWEIGHT", "5");
    out.field("ITEMVALUE", "500");
    out.field("ITEMITEMTYPE", "gyuru");
    out.field("ITEMIS_WEAPON", "0");
    out.field("ITEMINVISITEM", "0");
    out.field("ITEMTWO_HANDED", "0");
    out.field("ITEMAC", "1");
    out.line("ITEMIDS");
    out.field("gyuru", "gyuru");
    out.line("MIXEDEND");
    out.line("ITEMEND");
  }
}

void write_empty_records(LineWriter& out, std::size_t bytes) {
  for (std::string_view kind : {"ROOM", "MONS", "ITEM"}) {
    std::string begin = std::string(kind) + "BEGIN";
    std::string end = std::string(kind) + "END";
    std::size_t until = out.written() + bytes / 3;
    while (out.written() < until) {
      out.line(begin);
      out.line(end);
    }
  }
}

// One-letter names and one-letter list entries: the smallest records that still hold
// something in every kind of field.
void write_tiny_records(LineWriter& out, std::size_t bytes) {
  std::size_t until = out.written() + bytes / 3;
  while (out.written() < until) {
    out.line("ROOMBEGIN");
    out.field("ROOMFILENAME", "r");
    out.field("ROOMSHORT", "s");
    out.line("ROOMEXITS");
    out.field("k", "r");
    out.line("MIXEDEND");
    out.line("ROOMEND");
  }
  until = out.written() + bytes / 3;
  while (out.written() < until) {
    out.line("MONSBEGIN");
    out.field("MONSFILENAME", "m");
    out.line("MONSIDS");
    out.field("a", "b");
    out.line("MIXEDEND");
    out.line("MONSEND");
  }
  until = out.written() + bytes / 3;
  while (out.written() < until) {
    out.line("ITEMBEGIN");
    out.field("ITEMFILENAME", "i");
    out.field("ITEMHP", "1");
    out.line("ITEMEND");
  }
}

}  // namespace

std::string shape_name(Shape shape) {
  switch (shape) {
    case Shape::real:
      return "real";
    case Shape::empty_records:
      return "empty_records";
    case Shape::tiny_records:
      return "tiny_records";
  }
  return "?";
}

namespace {

// Writes the file under a passing name first, so that a run cut short leaves no half file
// that a later run would take for whole.
template <class Body>
fs::path write_once(const fs::path& path, Body body) {
  if (fs::exists(path)) return path;
  fs::path partial = path;
  partial += ".part";
  {
    LineWriter out(partial);
    out.field("CREATORPROJECT", "nagymunka");
    out.field("CREATORNAME", "epito");
    out.field("CREATORMAIL", "epito@example.com");
    body(out);
  }
  fs::rename(partial, path);
  return path;
}

}  // namespace

fs::path generated_area(std::size_t rooms, const fs::path& folder) {
  return write_once(folder / ("terulet_" + std::to_string(rooms) + ".tamo"),
                    [rooms](LineWriter& out) { write_real(out, rooms); });
}

fs::path generated_work(Shape shape, int megabytes, const fs::path& folder) {
  fs::path path =
      folder / ("munka_" + shape_name(shape) + "_" + std::to_string(megabytes) + ".tamo");
  return write_once(path, [shape, megabytes](LineWriter& out) {
    std::size_t bytes = static_cast<std::size_t>(megabytes) * 1000000;
    switch (shape) {
      case Shape::real:
        write_real(out, kRoomsPerMegabyte * static_cast<std::size_t>(megabytes));
        break;
      case Shape::empty_records:
        write_empty_records(out, bytes);
        break;
      case Shape::tiny_records:
        write_tiny_records(out, bytes);
        break;
    }
  });
}

const fs::path& bench_folder() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / "tamo_bench";
    fs::create_directories(f);
    return f;
  }();
  return folder;
}

double peak_rss_bytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024;
}

}  // namespace tamo::bench
