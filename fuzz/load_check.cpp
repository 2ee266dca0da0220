#include "load_check.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/input_rules.h"
#include "workfile/file_form.h"
#include "workfile/line_pipe.h"
#include "workfile/line_reader.h"
#include "workfile/reader.h"
#include "workfile/workfile.h"

namespace tamo::workfile {

namespace {

namespace fs = std::filesystem;

std::string saved_bytes(const Work& work) {
  return encode_lines(work_lines(work));
}

bool same_load(const LoadResult& a, const LoadResult& b) {
  return a.messages == b.messages && a.complete == b.complete;
}

// Reads through a stream with a tiny chunk, so that line breaks fall across chunk edges, once
// on this thread and once through the line pipe's thread.
template <class Lines>
std::optional<LoadResult> load_in_chunks(Work& work, std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  std::string copy(bytes);
  std::FILE* stream = fmemopen(copy.data(), copy.size(), "rb");
  if (stream == nullptr) return std::nullopt;
  LoadResult result;
  {
    Lines lines(stream, 1 + bytes.size() % 7);
    result = read_work(work, lines);
  }
  std::fclose(stream);
  return result;
}

// The bytes as a named file in memory, loaded as the window loads a file.
std::optional<LoadResult> load_named(Work& work, std::string_view bytes) {
  int fd = ::memfd_create("tamo_fuzz", 0);
  if (fd < 0) return std::nullopt;
  bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  std::optional<LoadResult> result;
  if (written) result = loadfile(work, "/proc/self/fd/" + std::to_string(fd));
  ::close(fd);
  return result;
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Saves the work into a folder of this process's own, loads the file back and saves it again.
std::optional<std::string> check_save(const Work& work, const std::string& once) {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / ("tamo_fuzz_" + std::to_string(::getpid()));
    fs::create_directories(f);
    return f;
  }();
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove(entry.path());
  SaveResult saved = savetamo(work, folder);
  if (creator_refusal(work)) {
    if (saved.saved || fs::directory_iterator(folder) != fs::directory_iterator())
      return "a refused save wrote a file";
    return std::nullopt;
  }
  if (!saved.saved) return "saving failed: " + saved.message.value_or("");
  if (read_file(saved.path) != once) return "the saved file is not the writer's bytes";
  Work loaded;
  LoadResult reloaded = loadfile(loaded, saved.path);
  if (!reloaded.complete) return "a saved file does not load whole";
  if (!savetamo(loaded, folder).saved || read_file(saved.path) != saved_bytes(loaded))
    return "saving a loaded file again failed";
  if (std::distance(fs::directory_iterator(folder), fs::directory_iterator()) != 1)
    return "saving left another file behind";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> check_load(std::string_view bytes) {
  Work first;
  LoadResult loaded = load_bytes(first, bytes);
  if (first.current_room != first.rooms.head()) return "the current room is not the first room";
  std::string once = saved_bytes(first);

  // The lines split on a stream are those of the bytes only when the file needs no converting.
  if (sniff_file_form(bytes).plain()) {
    Work chunked;
    if (auto result = load_in_chunks<LineReader>(chunked, bytes)) {
      if (!same_load(*result, loaded)) return "reading in chunks gives other messages";
      if (saved_bytes(chunked) != once) return "reading in chunks gives another work";
    }
    Work piped;
    if (auto result = load_in_chunks<LinePipe>(piped, bytes)) {
      if (!same_load(*result, loaded)) return "the line pipe gives other messages";
      if (saved_bytes(piped) != once) return "the line pipe gives another work";
    }
  }
  Work named;
  if (auto result = load_named(named, bytes)) {
    if (!same_load(*result, loaded)) return "loading the file gives other messages";
    if (saved_bytes(named) != once) return "loading the file gives another work";
  }

  // A saved file that happens to be valid UTF-8 is read as UTF-8: the one case where the
  // program's own bytes do not speak for themselves.
  bool own_form = sniff_file_form(once).plain();
  Work second;
  LoadResult reloaded = load_bytes(second, once);
  // Only a work name that was never read (a file cut short) can fail the name check.
  bool named_well = validfilename(first.project);
  if (own_form && (!reloaded.complete || reloaded.messages.size() != (named_well ? 0u : 1u)))
    return "a saved work does not load whole";
  std::string twice = saved_bytes(second);
  if (own_form && named_well && twice != once)
    return "saving a loaded work again changes its bytes";
  if (own_form) return check_save(first, once);
  return std::nullopt;
}

}  // namespace tamo::workfile
