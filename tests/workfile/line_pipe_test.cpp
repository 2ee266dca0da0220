#include "workfile/line_pipe.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

#include "sample_works.h"
#include "work_setup.h"
#include "workfile/codec.h"
#include "workfile/file_form.h"
#include "workfile/line_reader.h"
#include "workfile/reader.h"
#include "workfile/workfile.h"

namespace tamo::workfile {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr std::size_t kChunks[] = {1, 2, 7, 4096, LinePipe::kDefaultChunk};

std::FILE* stream_of(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) return nullptr;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

// Every line handed out as UTF-8, with the failure flag as it stood right after it.
std::string utf8(std::string_view line, const LineReader&) {
  return cp1250_to_utf8(line);
}
std::string utf8(std::string_view line, const LinePipe&) {
  return std::string(line);
}

template <class Lines>
std::vector<std::pair<std::string, bool>> steps(Lines& lines) {
  std::vector<std::pair<std::string, bool>> out;
  std::string_view line;
  while (lines.next(line)) out.emplace_back(utf8(line, lines), lines.failed());
  out.emplace_back("<end>", lines.failed());
  return out;
}

void expect_same_result(const LoadResult& expected, const LoadResult& actual) {
  EXPECT_EQ(expected.messages, actual.messages);
  EXPECT_EQ(expected.complete, actual.complete);
}

// Loads the bytes through the pipe, from a named file and from streams of every chunk
// size, and expects what loading them at once gives.
void expect_pipe_loads_as_bytes(const std::string& bytes, std::span<const std::size_t> chunks) {
  Work expected;
  LoadResult wanted = load_bytes(expected, bytes);

  fs::path path = fs::temp_directory_path() / ("tamo_line_pipe_" + std::to_string(::getpid()));
  std::ofstream(path, std::ios::binary) << bytes;
  Work from_path;
  expect_same_result(wanted, loadfile(from_path, path));
  testing::expect_same_work(expected, from_path);
  fs::remove(path);

  // A file in another encoding is converted before its lines are split.
  if (!sniff_file_form(bytes).plain()) return;
  for (std::size_t chunk : chunks) {
    SCOPED_TRACE("chunk " + std::to_string(chunk));
    std::FILE* file = stream_of(bytes);
    ASSERT_NE(nullptr, file);
    Work piped;
    LoadResult result;
    {
      LinePipe lines(file, chunk);
      result = read_work(piped, lines);
      EXPECT_FALSE(lines.failed());
    }
    std::fclose(file);
    expect_same_result(wanted, result);
    testing::expect_same_work(expected, piped);
  }
}

std::string saved_bytes(const Work& work) {
  return encode_lines(work_lines(work));
}

std::string replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t found; (found = text.find(from, at)) != std::string_view::npos;
       at = found + from.size())
    out.append(text.substr(at, found - at)).append(to);
  return out.append(text.substr(at));
}

TEST(LinePipe, HandsOutTheLinesAndFailuresOfTheLineReaderWhateverTheChunk) {
  const std::string cases[] = {
      "",
      "\r\n",
      "\r",
      "a",
      "a\r\nb\r\n",
      "a\nb\rc\r\nd",
      "a\n\rb",
      "\r\r\n\n",
      "ab\0cd\r\n"s,
      "ab\r\n\0cd"s,
      "\0ab"s,
      "ab\r\0"s,
      "ab\r"s + "\0"s + "\n",
      std::string(5000, 'x') + "\r\ny",
      "\xe1rv\xedzt\xfbr\xf5\r\n\x81\xff",
  };
  for (const std::string& bytes : cases) {
    for (std::size_t chunk : kChunks) {
      SCOPED_TRACE(bytes + " chunk " + std::to_string(chunk));
      std::FILE* file = stream_of(bytes);
      ASSERT_NE(nullptr, file);
      LineReader reader(file, chunk);
      auto expected = steps(reader);
      std::rewind(file);
      LinePipe pipe(file, chunk);
      EXPECT_EQ(expected, steps(pipe));
      std::fclose(file);
    }
  }
}

TEST(LinePipe, AFolderFailsToReadAtTheSameLineAsWithTheLineReader) {
  fs::path folder = fs::temp_directory_path();
  std::FILE* file = std::fopen(folder.c_str(), "rb");
  ASSERT_NE(nullptr, file);
  LineReader reader(file);
  auto expected = steps(reader);
  EXPECT_TRUE(expected.back().second);
  std::fclose(file);
  file = std::fopen(folder.c_str(), "rb");
  ASSERT_NE(nullptr, file);
  {
    LinePipe pipe(file, 3);
    EXPECT_EQ(expected, steps(pipe));
  }
  std::fclose(file);
}

TEST(LinePipe, LoadsTheFixturesAndEveryCutOfThemAsTheBytesAtOnce) {
  std::vector<std::string> inputs = {testing::pelda_bytes(), saved_bytes(testing::full_work())};
  std::string full = inputs[1];
  inputs.push_back(replaced(full, "\r\n", "\n"));
  inputs.push_back(replaced(full, "\r\n", "\r"));
  inputs.push_back(replaced(replaced(full, "\r\nR", "\rR"), "\r\nI", "\nI"));
  for (std::size_t at : {full.size() / 3, full.size() / 2})
    inputs.push_back(full.substr(0, at) + '\0' + full.substr(at));
  const std::size_t chunks[] = {1, 3, 4096};
  for (const std::string& bytes : inputs) expect_pipe_loads_as_bytes(bytes, chunks);
  // Tiny chunks hand over a batch a byte, too slow for every cut.
  const std::size_t cut_chunks[] = {7, 4096};
  for (std::size_t cut = 0; cut < full.size(); cut += 5) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    expect_pipe_loads_as_bytes(full.substr(0, cut), cut_chunks);
  }
}

TEST(LinePipe, LoadsTheFuzzCorpusAndRegressionsAsTheBytesAtOnce) {
  const std::size_t chunks[] = {1, 5, 4096};
  for (const char* folder : {TAMO_FUZZ_REGRESSIONS, TAMO_FUZZ_CORPUS}) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      SCOPED_TRACE(entry.path().string());
      std::ifstream in(entry.path(), std::ios::binary);
      expect_pipe_loads_as_bytes(std::string(std::istreambuf_iterator<char>(in), {}), chunks);
    }
  }
}

// Several megabytes, so that the default chunk is crossed and the queue fills up.
std::string large_work_bytes() {
  Work work = testing::full_work();
  for (int n = 0; n < 20000; ++n) {
    std::string id = std::to_string(n);
    droom* room = setup_room(work, "terem" + id);
    room->short_ = "Hosszú folyosó " + id;
    room->long_ = "Első sor " + id + ".\r\nMásodik sor, ékezetekkel: őű.\r\n\r\nVége.";
    add_mixed(room->exits, "észak", "terem" + std::to_string(n + 1));
    add_mixed(room->items, "kő" + id, "1");
  }
  return saved_bytes(work);
}

TEST(LinePipe, LoadsALargeWorkAndItsCutsAsTheBytesAtOnce) {
  std::string bytes = large_work_bytes();
  ASSERT_GT(bytes.size(), 2 * LinePipe::kDefaultChunk);
  const std::size_t chunks[] = {4093, LinePipe::kDefaultChunk};
  expect_pipe_loads_as_bytes(bytes, chunks);
  expect_pipe_loads_as_bytes(bytes.substr(0, bytes.size() / 2 + 1), chunks);
  expect_pipe_loads_as_bytes(replaced(bytes, "\r\n", "\n"), chunks);
}

TEST(LinePipe, StopsWhenTheReaderLeavesEarly) {
  std::FILE* file = stream_of(std::string(1 << 16, '\n'));
  ASSERT_NE(nullptr, file);
  {
    LinePipe pipe(file, 1);
    std::string_view line;
    EXPECT_TRUE(pipe.next(line));
  }
  std::fclose(file);
}

}  // namespace
}  // namespace tamo::workfile
