#include "load_check.h"

#include <cstdio>

#include "model/input_rules.h"
#include "workfile/line_reader.h"
#include "workfile/reader.h"
#include "workfile/workfile.h"

namespace tamo::workfile {

namespace {

std::string saved_bytes(const Work& work) {
  return encode_lines(work_lines(work));
}

// Reads through a stream with a tiny chunk, so that line breaks fall across chunk edges.
std::optional<LoadResult> load_in_chunks(Work& work, std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  std::string copy(bytes);
  std::FILE* stream = fmemopen(copy.data(), copy.size(), "rb");
  if (stream == nullptr) return std::nullopt;
  LineReader lines(stream, 1 + bytes.size() % 7);
  LoadResult result = read_work(work, lines);
  std::fclose(stream);
  return result;
}

}  // namespace

std::optional<std::string> check_load(std::string_view bytes) {
  Work first;
  LoadResult loaded = load_bytes(first, bytes);
  if (first.current_room != first.rooms.head()) return "the current room is not the first room";
  std::string once = saved_bytes(first);

  Work chunked;
  if (auto result = load_in_chunks(chunked, bytes)) {
    if (result->messages != loaded.messages || result->complete != loaded.complete)
      return "reading in chunks gives other messages";
    if (saved_bytes(chunked) != once) return "reading in chunks gives another work";
  }

  Work second;
  LoadResult reloaded = load_bytes(second, once);
  // Only a work name that was never read (a file cut short) can fail the name check.
  bool named = validfilename(first.project);
  if (!reloaded.complete || reloaded.messages.size() != (named ? 0u : 1u))
    return "a saved work does not load whole";
  // One more round: the first save may still add defaults the input lacked.
  std::string twice = saved_bytes(second);
  Work third;
  load_bytes(third, twice);
  if (saved_bytes(third) != twice) return "saving a loaded work again changes its bytes";
  return std::nullopt;
}

}  // namespace tamo::workfile
