#include "workfile/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace tamo::workfile {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

Lines split(LineReader& reader) {
  Lines lines;
  std::string_view line;
  while (reader.next(line)) lines.emplace_back(line);
  return lines;
}

TEST(LineReader, SplitsAtEveryBreakInMemoryAndInAFileWhateverTheChunk) {
  struct Case {
    std::string bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\r\n", {""}},
      {"\r", {""}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},
      {"\r\r\n\n", {"", "", ""}},
      {"ab\0cd\r\n"s, {"ab"}},
      {"ab\r\n\0cd"s, {"ab"}},
      {"\0ab"s, {}},
      {std::string(5000, 'x') + "\r\ny", {std::string(5000, 'x'), "y"}},
  };
  for (const Case& c : cases) {
    LineReader in_memory(c.bytes);
    EXPECT_EQ(c.lines, split(in_memory)) << c.bytes;
    for (std::size_t chunk : {1, 2, 3, 7, 4096}) {
      std::FILE* file = std::tmpfile();
      ASSERT_NE(nullptr, file);
      std::fwrite(c.bytes.data(), 1, c.bytes.size(), file);
      std::rewind(file);
      LineReader from_file(file, chunk);
      EXPECT_EQ(c.lines, split(from_file)) << c.bytes << " chunk " << chunk;
      EXPECT_FALSE(from_file.failed());
      std::fclose(file);
    }
  }
}

}  // namespace
}  // namespace tamo::workfile
