#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "sample_works.h"
#include "temp_folder.h"
#include "workfile/workfile.h"

namespace tamo::workfile {
namespace {

using testing::expect_same_work;
using namespace std::string_literals;

constexpr const char* kCreator =
    "CREATORPROJECT\r\npelda\r\nCREATORNAME\r\nvalaki\r\nCREATORMAIL\r\nv@example.com\r\n";
const std::string kBadName =
    "A fájlnév nem volt megfelelő, atírva tamotmp.tamo - re.\r\n"
    "Javaslom, ird át a munka nevét, aztán mentsél!";

std::string early_end(int line) {
  return "A munkafájl túl korán véget ért: a(z) " + std::to_string(line) + ". sor hiányzik.";
}

std::vector<std::string> room_names(const Work& work) {
  std::vector<std::string> names;
  for (const droom& room : work.rooms) names.push_back(room.filename);
  return names;
}

// The file's bytes: the lines in Windows-1250 with CR LF, as the writer would put them.
std::string file(const std::vector<std::string>& lines) {
  return encode_lines(lines);
}

TEST(Reader, WorkedExampleLoadsBackToTheSameWork) {
  Work work;
  LoadResult result = load_bytes(work, testing::pelda_bytes());
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(result.messages.empty());
  expect_same_work(testing::pelda_work(), work);
}

TEST(Reader, SavedWorkLoadsBackEqualAndSavesToTheSameBytes) {
  Work original = testing::full_work();
  std::string bytes = encode_lines(work_lines(original));
  Work loaded;
  LoadResult result = load_bytes(loaded, bytes);
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(result.messages.empty());
  expect_same_work(original, loaded);
  EXPECT_EQ(bytes, encode_lines(work_lines(loaded)));
}

TEST(Reader, CreatorValuesAreTakenByPositionAlone) {
  Work work;
  LoadResult result = load_bytes(work,
                                 "x\ny\nz\nKov\xE1"
                                 "cs \xC9va\n\n\n");
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ("y", work.project);
  EXPECT_EQ("Kovács Éva", work.name);
  EXPECT_EQ("", work.mail);
  EXPECT_TRUE(result.complete);
}

TEST(Reader, BadProjectNameFallsBackWithTheTwoLineMessage) {
  for (std::string name : {"Pelda", "", "pelda.tamo", "12345"}) {
    Work work;
    LoadResult result = load_bytes(work, file({"CREATORPROJECT", name, "N", "n", "M", "m"}));
    EXPECT_EQ("tamotmp", work.project) << name;
    EXPECT_EQ(std::vector<std::string>{kBadName}, result.messages) << name;
    EXPECT_TRUE(result.complete);
  }
}

TEST(Reader, SixLineFileLoadsCreatorDataOnly) {
  Work work;
  LoadResult result = load_bytes(work, kCreator);
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ("pelda", work.project);
  EXPECT_EQ("valaki", work.name);
  EXPECT_EQ("v@example.com", work.mail);
  EXPECT_FALSE(has_records(work));
  EXPECT_EQ(nullptr, work.current_room);
}

TEST(Reader, DescriptionDropsLeadingEmptyLinesAndEndsAtItsMarker) {
  Work work;
  load_bytes(work, std::string(kCreator) + file({"CREATORDESC", "", "", "abc", "", "def",
                                                 "CREATORDESCEND", "ROOMBEGIN", "ROOMEND"}));
  EXPECT_EQ("abc\r\n\r\ndef", work.desc);
  EXPECT_EQ(1u, work.rooms.size());

  Work cut;
  LoadResult result =
      load_bytes(cut, std::string(kCreator) + file({"CREATORDESC", "első", "CREATORDESCEND", "más",
                                                    "CREATORDESCEND", "ROOMBEGIN", "ROOMEND"}));
  EXPECT_EQ("első", cut.desc);
  EXPECT_EQ(1u, cut.rooms.size());
  EXPECT_FALSE(result.complete);
}

TEST(Reader, KeysInAnotherOrderAreStillRead) {
  Work work;
  load_bytes(work,
             std::string(kCreator) +
                 file({"MONSBEGIN", "MONSMONEY", "7", "MONSSHORT", "egy ork", "MONSNAME", "ork",
                       "MONSIDS", "ork", "1", "MIXEDEND", "MONSFILENAME", "or1", "MONSEND"}));
  ASSERT_EQ(1u, work.monsters.size());
  const dmons& m = work.monsters[0];
  EXPECT_EQ("or1", m.filename);
  EXPECT_EQ("ork", m.name);
  EXPECT_EQ("egy ork", m.short_);
  EXPECT_EQ("7", m.money);
  EXPECT_EQ("1", query_mixed(m.ids, "ork"));
  EXPECT_EQ(&m, mons_exists(work, "or1"));
}

TEST(Reader, BlocksOfEveryKindAreReadInAnyOrder) {
  Work work;
  LoadResult result =
      load_bytes(work, std::string(kCreator) +
                           file({"ITEMBEGIN", "ITEMFILENAME", "i1", "ITEMEND", "ROOMBEGIN",
                                 "ROOMFILENAME", "r1", "ROOMEND", "MONSBEGIN", "MONSFILENAME", "m1",
                                 "MONSEND", "ROOMBEGIN", "ROOMFILENAME", "r2", "ROOMEND"}));
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ((std::vector<std::string>{"r1", "r2"}), room_names(work));
  EXPECT_EQ(1u, work.monsters.size());
  EXPECT_EQ(1u, work.items.size());
  EXPECT_EQ(room_exists(work, "r1"), work.current_room);
}

TEST(Reader, RepeatedFileNamesKeepFileOrderAndTheLastIsFound) {
  Work work;
  load_bytes(work, std::string(kCreator) +
                       file({"ROOMBEGIN", "ROOMFILENAME", "a", "ROOMSHORT", "1", "ROOMEND",
                             "ROOMBEGIN", "ROOMFILENAME", "b", "ROOMEND", "ROOMBEGIN",
                             "ROOMFILENAME", "a", "ROOMSHORT", "2", "ROOMEND"}));
  ASSERT_EQ(3u, work.rooms.size());
  EXPECT_EQ("1", work.rooms[0].short_);
  EXPECT_EQ("b", work.rooms[1].filename);
  EXPECT_EQ(&work.rooms[2], room_exists(work, "a"));
  EXPECT_EQ("2", room_exists(work, "a")->short_);
  EXPECT_EQ(&work.rooms[1], room_exists(work, "b"));
}

TEST(Reader, TheLoneEndLineOfAnEmptyLongTextIsNoProblem) {
  Work work;
  LoadResult result = load_bytes(
      work, std::string(kCreator) + file({"ITEMBEGIN", "ITEMFILENAME", "i1", "ITEMLONGEND",
                                          "ITEMNAME", "kard", "ITEMEND"}));
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(result.messages.empty());
  ASSERT_EQ(1u, work.items.size());
  EXPECT_EQ("kard", work.items[0].name);
  EXPECT_EQ("", work.items[0].long_);
  EXPECT_EQ("0", work.items[0].invisitem);
}

// Files a builder's text editor or a broken copy can leave behind. Each keeps every block it
// can, says which lines it skipped, and counts as not whole.
TEST(Reader, MalformedFilesKeepEveryBlockAndNameTheLinesTheySkipped) {
  const std::string head = "A munkafájlt nem sikerült hiánytalanul beolvasni";
  struct Case {
    const char* what;
    std::vector<std::string> lines;  // after the six creator lines
    std::vector<std::string> rooms;
    std::size_t monsters;
    std::size_t items;
    std::string message;
  };
  const Case cases[] = {
      {"an empty line between blocks",
       {"ROOMBEGIN", "ROOMFILENAME", "r1", "ROOMEND", "", "ROOMBEGIN", "ROOMFILENAME", "r2",
        "ROOMEND", "ITEMBEGIN", "ITEMEND"},
       {"r1", "r2"},
       0,
       1,
       head + ":\r\n11. sor: „” kimaradt, mert nem illik ide."},
      {"a begin line with a trailing blank",
       {"ROOMBEGIN ", "ROOMFILENAME", "r1", "ROOMEND", "ROOMBEGIN", "ROOMFILENAME", "r2",
        "ROOMEND"},
       {"r2"},
       0,
       0,
       head + " (4 hiba):\r\n7. sor: „ROOMBEGIN ” kimaradt, mert nem illik ide.\r\n"
              "8. sor: „ROOMFILENAME” kimaradt, mert nem illik ide.\r\n"
              "9. sor: „r1” kimaradt, mert nem illik ide.\r\n"
              "10. sor: „ROOMEND” kimaradt, mert nem illik ide."},
      {"the description's end line inside the description",
       {"CREATORDESC", "első", "CREATORDESCEND", "más", "CREATORDESCEND", "MONSBEGIN",
        "MONSFILENAME", "m1", "MONSEND"},
       {},
       1,
       0,
       head + " (2 hiba):\r\n10. sor: „más” kimaradt, mert nem illik ide.\r\n"
              "11. sor: „CREATORDESCEND” kimaradt, mert nem illik ide."},
      {"a room's end line missing",
       {"ROOMBEGIN", "ROOMFILENAME", "r1", "ROOMEXITS", "kelet", "r2", "MIXEDEND", "ROOMBEGIN",
        "ROOMFILENAME", "r2", "ROOMEND"},
       {"r1", "r2"},
       0,
       0,
       head + ":\r\n7. sor: a blokkból hiányzik a(z) ROOMEND sor, a(z) 14. sornál új blokk "
              "kezdődik."},
      {"an item's end line missing before a creature",
       {"ITEMBEGIN", "ITEMFILENAME", "i1", "MONSBEGIN", "MONSFILENAME", "m1", "MONSEND"},
       {},
       1,
       1,
       head + ":\r\n7. sor: a blokkból hiányzik a(z) ITEMEND sor, a(z) 10. sornál új blokk "
              "kezdődik."},
      {"a misspelt key and another kind's end line inside a block",
       {"ROOMBEGIN", "ROOMFILENAME", "r1", "ROOMSHROT", "MONSLONGEND", "ROOMEND"},
       {"r1"},
       0,
       0,
       head + " (2 hiba):\r\n10. sor: „ROOMSHROT” kimaradt, mert nem illik ide.\r\n"
              "11. sor: „MONSLONGEND” kimaradt, mert nem illik ide."},
      {"many stray lines",
       {"a", "b", "c", "d", "e", "f", "g", "ROOMBEGIN", "ROOMFILENAME", "r1", "ROOMEND", "h"},
       {"r1"},
       0,
       0,
       head + " (8 hiba):\r\n7. sor: „a” kimaradt, mert nem illik ide.\r\n"
              "8. sor: „b” kimaradt, mert nem illik ide.\r\n"
              "9. sor: „c” kimaradt, mert nem illik ide.\r\n"
              "10. sor: „d” kimaradt, mert nem illik ide.\r\n"
              "11. sor: „e” kimaradt, mert nem illik ide.\r\n…és még 3 hasonló."},
      {"a long stray line",
       {std::string(70, 'x') + "é", "ROOMBEGIN", "ROOMEND"},
       {""},
       0,
       0,
       head + ":\r\n7. sor: „" + std::string(60, 'x') + "…” kimaradt, mert nem illik ide."},
  };
  for (const Case& c : cases) {
    Work work;
    LoadResult result = load_bytes(work, std::string(kCreator) + file(c.lines));
    EXPECT_FALSE(result.complete) << c.what;
    EXPECT_EQ(std::vector<std::string>{c.message}, result.messages) << c.what;
    EXPECT_EQ(c.rooms, room_names(work)) << c.what;
    EXPECT_EQ(c.monsters, work.monsters.size()) << c.what;
    EXPECT_EQ(c.items, work.items.size()) << c.what;
  }
}

TEST(Reader, ABlockCutShortByTheNextKeepsWhatItReadAndTheNextKeepsItsOwn) {
  Work work;
  load_bytes(work,
             std::string(kCreator) +
                 file({"ROOMBEGIN", "ROOMFILENAME", "r1", "ROOMEXITS", "kelet", "r2", "MIXEDEND",
                       "ROOMBEGIN", "ROOMFILENAME", "r2", "ROOMSHORT", "ketto", "ROOMEND"}));
  ASSERT_EQ(2u, work.rooms.size());
  EXPECT_EQ("r2", query_mixed(work.rooms[0].exits, "kelet"));
  EXPECT_EQ("", work.rooms[0].short_);
  EXPECT_TRUE(work.rooms[1].exits.empty());
  EXPECT_EQ("ketto", work.rooms[1].short_);
}

TEST(Reader, AnEmptyInvisibilityFlagReadsAsItsDefaultSoSavesAgree) {
  Work work;
  load_bytes(work, std::string(kCreator) +
                       file({"ITEMBEGIN", "ITEMFILENAME", "i1", "ITEMINVISITEM", "", "ITEMEND"}));
  ASSERT_EQ(1u, work.items.size());
  EXPECT_EQ("0", work.items[0].invisitem);
  std::string once = encode_lines(work_lines(work));
  Work again;
  load_bytes(again, once);
  EXPECT_EQ(once, encode_lines(work_lines(again)));
}

TEST(Reader, ValuesAreTakenWhateverTheyHold) {
  Work work;
  load_bytes(work, std::string(kCreator) +
                       file({"ROOMBEGIN", "ROOMSHORT", "ROOMEND", "ROOMITEMS", "ROOMEND",
                             "MIXEDEND", "a", "1", "a", "2", "b", "", "MIXEDEND", "ROOMEND"}));
  ASSERT_EQ(1u, work.rooms.size());
  const droom& r = work.rooms[0];
  EXPECT_EQ("ROOMEND", r.short_);
  std::vector<dmixed> expected = {{"ROOMEND", "MIXEDEND"}, {"a", "2"}, {"b", ""}};
  EXPECT_EQ(expected, std::vector<dmixed>(r.items.begin(), r.items.end()));
}

TEST(Reader, LongListsKeepAddMixedMeaning) {
  std::vector<std::string> lines = {"ROOMBEGIN", "ROOMEXITS"};
  MixedList expected;
  for (int k = 0; k < 2000; ++k) {
    std::string key = "k" + std::to_string(k % 1500);
    std::string value = std::to_string(k);
    lines.insert(lines.end(), {key, value});
    add_mixed(expected, key, value);
  }
  lines.insert(lines.end(), {"MIXEDEND", "ROOMEND"});
  Work work;
  load_bytes(work, std::string(kCreator) + file(lines));
  ASSERT_EQ(1u, work.rooms.size());
  EXPECT_EQ(expected, work.rooms[0].exits);
}

TEST(Reader, ARepeatedListKeyAddsToTheSameList) {
  for (int first_size : {1, 20}) {
    std::vector<std::string> lines = {"ROOMBEGIN", "ROOMEXITS"};
    MixedList expected;
    auto entry = [&](const std::string& key, const std::string& value) {
      lines.insert(lines.end(), {key, value});
      add_mixed(expected, key, value);
    };
    for (int k = 0; k < first_size; ++k) entry("k" + std::to_string(k), "1");
    lines.insert(lines.end(), {"MIXEDEND", "ROOMSHORT", "s", "ROOMEXITS"});
    entry("k0", "2");
    entry("uj", "3");
    lines.insert(lines.end(), {"MIXEDEND", "ROOMEND"});
    Work work;
    load_bytes(work, std::string(kCreator) + file(lines));
    ASSERT_EQ(1u, work.rooms.size());
    EXPECT_EQ(expected, work.rooms[0].exits) << first_size;
  }
}

TEST(Reader, LineBreaksOfEveryKindAndANulThatEndsTheText) {
  struct Case {
    std::string bytes;
    std::string desc;
  };
  const Case cases[] = {
      {"P\np\rN\r\nn\rM\nm\nCREATORDESC\na\rb\r\n\nc\n\rd\nCREATORDESCEND"s,
       "a\r\nb\r\n\r\nc\r\n\r\nd"},
      {"P\np\nN\nn\nM\nm\nCREATORDESC\r\nx\r\nCREATORDESCEND\r\n\0ROOMBEGIN\r\nROOMEND"s, "x"},
      {"P\np\nN\nn\nM\nm\nCREATORDESC\nx\0y\nCREATORDESCEND\n"s, "x"},
  };
  for (const Case& c : cases) {
    Work work;
    LoadResult result = load_bytes(work, c.bytes);
    EXPECT_EQ("p", work.project);
    EXPECT_EQ("n", work.name);
    EXPECT_EQ("m", work.mail);
    EXPECT_EQ(c.desc, work.desc);
    EXPECT_FALSE(has_records(work));
  }
  Work cut;
  LoadResult result = load_bytes(cut, cases[2].bytes);
  EXPECT_EQ(std::vector<std::string>{early_end(9)}, result.messages);
}

TEST(Reader, EarlyEndKeepsWhatWasReadAndNamesTheMissingLine) {
  struct Case {
    std::string bytes;
    int missing;
    std::size_t rooms;
  };
  const Case cases[] = {
      {"", 1, 0},
      {"CREATORPROJECT\r\npelda\r\nCREATORNAME", 4, 0},
      {std::string(kCreator) + "CREATORDESC\r\nabc\r\n", 9, 0},
      {std::string(kCreator) + "ROOMBEGIN\r\nROOMFILENAME\r\nr1\r\nROOMSHORT", 11, 1},
      {std::string(kCreator) + "ROOMBEGIN\r\nROOMFILENAME\r\nr1\r\nROOMEND\r\nROOMBEGIN\r\n"
                               "ROOMITEMS\r\na\r\n1\r\n",
       15, 2},
      {std::string(kCreator) + "ROOMBEGIN\r\nROOMLONG\r\nabc\r\nROOMEND\r\n", 11, 1},
  };
  for (const Case& c : cases) {
    Work work;
    LoadResult result = load_bytes(work, c.bytes);
    EXPECT_FALSE(result.complete) << c.bytes;
    EXPECT_EQ(std::vector<std::string>{early_end(c.missing)}, result.messages) << c.bytes;
    EXPECT_EQ(c.rooms, work.rooms.size()) << c.bytes;
    EXPECT_EQ(work.rooms.head(), work.current_room);
  }
}

TEST(Reader, BrokenOffRecordKeepsTheFieldsReadSoFar) {
  Work work;
  load_bytes(work, std::string(kCreator) +
                       "ROOMBEGIN\r\nROOMFILENAME\r\nr1\r\nROOMITEMS\r\na\r\n1\r\nb\r\n");
  ASSERT_EQ(1u, work.rooms.size());
  EXPECT_EQ(room_exists(work, "r1"), &work.rooms[0]);
  EXPECT_EQ("1", query_mixed(work.rooms[0].items, "a"));
  EXPECT_EQ(1u, work.rooms[0].items.size());
}

TEST(Reader, BadNameMessageComesBeforeTheEarlyEnd) {
  Work work;
  LoadResult result = load_bytes(work, "CREATORPROJECT\r\nRossz\r\n");
  EXPECT_EQ((std::vector<std::string>{kBadName, early_end(3)}), result.messages);
  EXPECT_EQ("tamotmp", work.project);
}

// Stands in for any failure that ends a load half way: the work refuses to be replaced.
class RefusingWatcher : public WorkWatcher {
 public:
  void before(const Work&, const Change&) override { throw std::runtime_error("refused"); }
  void after(const Work&, const Change&) override {}
};

std::size_t open_descriptors() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
    ++count;
  return count;
}

TEST(Reader, ALoadThatThrowsClosesItsFile) {
  const std::filesystem::path folder = tamo::testing::fresh_temp_folder("tamo_throwing_load");
  const std::filesystem::path path = folder / "pelda.tamo";
  {
    std::ofstream out(path, std::ios::binary);
    out << testing::pelda_bytes();
  }
  Work work;
  RefusingWatcher refusing;
  work.add_watcher(&refusing);
  const std::size_t before = open_descriptors();
  for (int i = 0; i < 3; ++i) EXPECT_THROW(loadfile(work, path), std::runtime_error);
  EXPECT_EQ(open_descriptors(), before);
  work.remove_watcher(&refusing);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tamo::workfile
