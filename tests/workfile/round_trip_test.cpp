#include <gtest/gtest.h>

#include <random>

#include "sample_works.h"
#include "work_setup.h"
#include "workfile/format.h"
#include "workfile/workfile.h"

namespace tamo::workfile {
namespace {

// Values a file can hold, odd ones above all: empty, blank, markers of the format, accented
// letters, the bytes Windows-1250 leaves unassigned, a long line.
const std::vector<std::string> kValues = {
    "",
    "",
    " ",
    "a",
    "ROOMEND",
    "MIXEDEND",
    "ITEMBEGIN",
    "ROOMLONGEND",
    "0",
    "-1",
    "árvíztűrő tükörfúrógép",
    "\u0081\u0098",
    "?",
    "  két  ",
    "CREATORDESCEND",
    std::string(3000, 'x') + "é",
};

class WorkGenerator {
 public:
  explicit WorkGenerator(unsigned seed) : random_(seed) {}

  Work work() {
    Work work;
    WorkData& w = setup_data(work);
    w.project = pick({"pelda", "a", "nagy_munka-2", "x1234567890abcde"});
    w.name = value();
    w.mail = value();
    w.desc = text(format::kCreatorDescEnd);
    for (int n = below(4); n > 0; --n) fill(*w.rooms.add(name()), format::room_block());
    for (int n = below(4); n > 0; --n) fill(*w.monsters.add(name()), format::monster_block());
    for (int n = below(4); n > 0; --n) {
      ditem& item = *w.items.add(name());
      fill(item, format::item_block());
      // An empty flag reads back as its default.
      if (item.invisitem.empty()) item.invisitem = "0";
    }
    work.current_room = work.rooms.head();
    return work;
  }

 private:
  int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  std::string pick(std::initializer_list<const char*> choices) {
    return *(choices.begin() + below(static_cast<int>(choices.size())));
  }
  std::string value() {
    return kValues[static_cast<std::size_t>(below(static_cast<int>(kValues.size())))];
  }
  std::string name() { return "r" + std::to_string(below(1000)); }

  // Lines joined by CR LF; never a leading empty line nor the text's own end line, which a
  // file cannot hold.
  std::string text(std::string_view end) {
    std::string out;
    for (int lines = below(4); lines > 0; --lines) {
      std::string line = value();
      if (line == end || (out.empty() && line.empty())) line = "sor";
      out += (out.empty() ? "" : "\r\n") + line;
    }
    if (!out.empty() && below(3) == 0) out += "\r\n";
    return out;
  }

  // Entries with values, as a file holds them.
  void fill(MixedList& list) {
    for (int n = below(4); n > 0; --n) {
      std::string key = value(), entry = value();
      if (key == "MIXEDEND") key = "kulcs";
      if (entry.empty()) entry = "v";
      add_mixed(list, key, entry);
    }
  }

  template <class R>
  void fill(R& record, const format::Block<R>& block) {
    for (const format::Field<R>& field : block.fields) {
      if (field.text == &R::filename) continue;
      switch (field.kind) {
        case format::Kind::kText:
          record.*field.text = value();
          break;
        case format::Kind::kLong:
          record.*field.text = text(field.long_end);
          break;
        case format::Kind::kList:
          fill(record.*field.list);
          break;
      }
    }
  }

  std::mt19937 random_;
};

TEST(RoundTrip, EveryGeneratedWorkLoadsBackWholeAndSavesToTheSameBytes) {
  for (unsigned seed = 0; seed < 300; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Work original = WorkGenerator(seed).work();
    std::string bytes = encode_lines(work_lines(original));
    Work loaded;
    LoadResult result = load_bytes(loaded, bytes);
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(result.messages.empty()) << result.messages.front();
    testing::expect_same_work(original, loaded);
    ASSERT_EQ(bytes, encode_lines(work_lines(loaded)));
  }
}

}  // namespace
}  // namespace tamo::workfile
