#include <gtest/gtest.h>

#include "sample_works.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::workfile {
namespace {

using testing::pelda_bytes;
using testing::pelda_work;
using Lines = std::vector<std::string>;

Work creator_only() {
  Work work;
  setup_data(work).project = "pelda";
  setup_data(work).name = "valaki";
  setup_data(work).mail = "v@example.com";
  return work;
}

Lines lines_after_creator(const Work& work) {
  Lines lines = work_lines(work);
  return Lines(lines.begin() + 6, lines.end());
}

TEST(Writer, WorkedExampleIsProducedByteForByte) {
  Lines lines = work_lines(pelda_work());
  EXPECT_EQ(51u, lines.size());
  EXPECT_EQ(pelda_bytes(), encode_lines(lines));
}

TEST(Writer, CreatorDataOnlyIsSixLines) {
  EXPECT_EQ(
      (Lines{"CREATORPROJECT", "pelda", "CREATORNAME", "valaki", "CREATORMAIL", "v@example.com"}),
      work_lines(creator_only()));
  Work empty;
  EXPECT_EQ((Lines{"CREATORPROJECT", "", "CREATORNAME", "", "CREATORMAIL", ""}), work_lines(empty));
}

TEST(Writer, DescriptionBlockFollowsTheCreatorLines) {
  Work work = creator_only();
  setup_data(work).desc = "Első sor\r\n\r\nharmadik";
  setup_item(work, "i");
  EXPECT_EQ((Lines{"CREATORDESC", "Első sor", "", "harmadik", "CREATORDESCEND", "ITEMBEGIN",
                   "ITEMFILENAME", "i", "ITEMLONGEND", "ITEMEND"}),
            lines_after_creator(work));
}

TEST(Writer, EmptyLongWritesOnlyItsEndLineAndEmptyTextsNothing) {
  Work work = creator_only();
  setup_room(work, "");
  setup_mons(work, "m")->short_ = " ";
  EXPECT_EQ((Lines{"ROOMBEGIN", "ROOMLONGEND", "ROOMEND", "MONSBEGIN", "MONSFILENAME", "m",
                   "MONSSHORT", " ", "MONSLONGEND", "MONSEND"}),
            lines_after_creator(work));
}

TEST(Writer, ListEntriesWithEmptyValuesAreLeftOut) {
  Work work = creator_only();
  droom* room = setup_room(work, "r");
  add_mixed(room->properties, "indoors", "");
  add_mixed(room->properties, "light", "");
  add_mixed(room->exits, "kelet", "");
  add_mixed(room->exits, "nyugat", "r2");
  EXPECT_EQ((Lines{"ROOMBEGIN", "ROOMFILENAME", "r", "ROOMLONGEND", "ROOMEXITS", "nyugat", "r2",
                   "MIXEDEND", "ROOMEND"}),
            lines_after_creator(work));
}

// A line break inside a one-line value would split it and shift every line after it.
TEST(Writer, ALineBreakInsideAOneLineValueBecomesABlankAndTheWorkReadsBackWhole) {
  Work work = creator_only();
  setup_data(work).name = "valaki\r\n";
  droom* room = setup_room(work, "r");
  room->short_ = "egy\rketto\nharom";
  room->long_ = "sor\negy\r\nmasodik";
  add_mixed(room->exits, "kelet", "r\r\n2");
  setup_mons(work, "m")->short_ = "x";
  EXPECT_EQ((Lines{"CREATORPROJECT",
                   "pelda",
                   "CREATORNAME",
                   "valaki  ",
                   "CREATORMAIL",
                   "v@example.com",
                   "ROOMBEGIN",
                   "ROOMFILENAME",
                   "r",
                   "ROOMSHORT",
                   "egy ketto harom",
                   "ROOMLONG",
                   "sor egy",
                   "masodik",
                   "ROOMLONGEND",
                   "ROOMEXITS",
                   "kelet",
                   "r  2",
                   "MIXEDEND",
                   "ROOMEND",
                   "MONSBEGIN",
                   "MONSFILENAME",
                   "m",
                   "MONSSHORT",
                   "x",
                   "MONSLONGEND",
                   "MONSEND"}),
            work_lines(work));
  Work back;
  LoadResult result = load_bytes(back, encode_lines(work_lines(work)));
  EXPECT_TRUE(result.complete);
  EXPECT_EQ(back.mail, "v@example.com");
  EXPECT_EQ(back.rooms.size(), 1u);
  EXPECT_EQ(back.monsters.size(), 1u);
}

// The break is searched a word at a time: one past the first words, or after a NUL byte
// (which stays), is found as well.
TEST(Writer, ALineBreakAnywhereInAValueBecomesABlank) {
  using namespace std::string_literals;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"tizenhat betu...\n", "tizenhat betu... "},
      {"a\0b\rc"s, "a\0b c"s},
      {"\0\0\0\0\0\0\0\0\0\r\n"s, "\0\0\0\0\0\0\0\0\0  "s},
      {"nulla\0utan sem\0"s, "nulla\0utan sem\0"s},
  };
  for (const auto& [value, line] : cases) {
    Work work = creator_only();
    setup_room(work, "r")->short_ = value;
    Lines lines = lines_after_creator(work);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[3], "ROOMSHORT");
    EXPECT_EQ(lines[4], line);
  }
}

TEST(Writer, FileOrderDiffersFromRecordOrderWhereStoredFilesNeedIt) {
  Work work = creator_only();
  droom* room = setup_room(work, "r");
  room->listendefault = "csend";
  room->smelldefault = "füst";
  add_mixed(room->exits, "kelet", "r2");
  add_mixed(room->guard, "kelet", "or1");
  dmons* mons = setup_mons(work, "m");
  mons->short_ = "egy ork";
  mons->name = "ork";
  mons->money = "5";
  mons->level = "3";
  ditem* item = setup_item(work, "i");
  add_mixed(item->antis, "harcos", "1");
  add_mixed(item->ids, "kard", "1");
  item->kari = "2";
  item->hp = "1";
  EXPECT_EQ((Lines{"ROOMBEGIN",
                   "ROOMFILENAME",
                   "r",
                   "ROOMLONGEND",
                   "ROOMSMELLDEFAULT",
                   "füst",
                   "ROOMLISTENDEFAULT",
                   "csend",
                   "ROOMGUARD",
                   "kelet",
                   "or1",
                   "MIXEDEND",
                   "ROOMEXITS",
                   "kelet",
                   "r2",
                   "MIXEDEND",
                   "ROOMEND",
                   "MONSBEGIN",
                   "MONSFILENAME",
                   "m",
                   "MONSNAME",
                   "ork",
                   "MONSSHORT",
                   "egy ork",
                   "MONSLONGEND",
                   "MONSLEVEL",
                   "3",
                   "MONSMONEY",
                   "5",
                   "MONSEND",
                   "ITEMBEGIN",
                   "ITEMFILENAME",
                   "i",
                   "ITEMLONGEND",
                   "ITEMHP",
                   "1",
                   "ITEMKARI",
                   "2",
                   "ITEMIDS",
                   "kard",
                   "1",
                   "MIXEDEND",
                   "ITEMANTIS",
                   "harcos",
                   "1",
                   "MIXEDEND",
                   "ITEMEND"}),
            lines_after_creator(work));
}

TEST(Writer, EncodingIsWindows1250WithCrLfAfterEveryLineAndNoByteOrderMark) {
  EXPECT_EQ("\xC1rv\xEDz\r\n\r\n?\r\n", encode_lines({"Árvíz", "", "日"}));
  EXPECT_EQ("", encode_lines({}));
}

}  // namespace
}  // namespace tamo::workfile
