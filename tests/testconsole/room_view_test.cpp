#include <gtest/gtest.h>

#include "console_fixture.h"
#include "model/numbers.h"
#include "testconsole/tables.h"

namespace tamo::testconsole::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(Szamtoiras, WordsUpToTwelveThenSok) {
  const std::pair<std::int64_t, std::string> cases[] = {
      {0, "Nulla"},     {1, "Egy"},         {2, "Ketto"}, {5, "Ot"},    {10, "Tiz"},
      {11, "Tizenegy"}, {12, "Tizenketto"}, {13, "Sok "}, {-1, "Sok "}, {2147483647, "Sok "},
  };
  for (const auto& [n, word] : cases) EXPECT_EQ(szamtoiras(n), word) << n;
}

class RoomView : public ConsoleTest {};

TEST_F(RoomView, PrintsTheRoomInItsColours) {
  droom& r = room("terem", "Egy terem");
  r.long_ = "Elso sor\r\nMasodik sor";
  r.smelldefault = "Dohos";
  r.listendefault = "Csend";
  work.current_room = &r;
  console.describe_current_room();
  EXPECT_EQ(texts(), (Lines{"terem", "Egy terem", "Elso sor", "Masodik sor", "Dohos", "Csend", "",
                            "Nem latsz kijaratot.", ""}));
  const Rgb colours[] = {kSilver, kBrightBlue, kSilver, kSilver, kOlive, kTeal, 0, kGreen, 0};
  for (std::size_t i = 0; i < std::size(colours); ++i) EXPECT_EQ(colour_of(i), colours[i]) << i;
  EXPECT_EQ(host.calls, (Lines{"focus_input"}));
}

TEST_F(RoomView, EmptyFieldsStillPrintTheirLines) {
  work.current_room = &room("ures");
  console.describe_current_room();
  EXPECT_EQ(texts(), (Lines{"ures", "", "", "", "", "", "Nem latsz kijaratot.", ""}));
}

TEST_F(RoomView, CountsAndNamesTheExits) {
  const std::pair<Lines, std::string> cases[] = {
      {{"le"}, "Egy kijaratot latsz: le."},
      {{"eszak", "del"}, "Ketto kijaratot latsz: eszak es del."},
      {{"eszak", "kelet", "del"}, "Harom kijaratot latsz: eszak, kelet es del."},
      {{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"},
       "Sok  kijaratot latsz: a, b, c, d, e, f, g, h, i, j, k, l es m."},
  };
  droom& r = room("terem");
  work.current_room = &r;
  for (const auto& [exits, sentence] : cases) {
    clear_mixed(r.exits);
    for (const std::string& e : exits) add_mixed(r.exits, e, "x");
    console.output().clear();
    console.describe_current_room();
    EXPECT_EQ(texts().at(6), sentence);
  }
}

TEST_F(RoomView, ListsContentsWithTheirCountsInRoomOrder) {
  droom& r = room("terem");
  creature("ork").short_ = "Egy ork";
  item("kard").short_ = "Egy kard";
  creature("kard").short_ = "Egy kardhal";  // one name for a creature and an item: two lines
  creature("ketszer").short_ = "Elso";
  creature("ketszer").short_ = "Masodik";
  const std::pair<std::string, std::string> contents[] = {
      {"kard", "2"},    {"ork", "1"}, {"senki", "5"},
      {"ketszer", "0"}, {"ork", "1"},  // a repeated key only updates the entry
  };
  for (const auto& [k, v] : contents) add_mixed(r.contents, k, v);
  work.current_room = &r;
  console.describe_current_room();
  Lines lines = texts();
  EXPECT_EQ(
      Lines(lines.begin() + 7, lines.end()),
      (Lines{"Ketto Egy kardhal", "Ketto Egy kard", "Egy ork", "Nulla Elso", "Nulla Masodik", ""}));
  EXPECT_EQ(colour_of(7), kBrightRed);
}

TEST_F(RoomView, OnlyTheExactTextOneGoesWithoutANumberWord) {
  const std::pair<std::string, std::string> cases[] = {
      {"1", "Ork"},       {"01", "Egy Ork"},        {"2", "Ketto Ork"},
      {"0", "Nulla Ork"}, {"12", "Tizenketto Ork"}, {"13", "Sok  Ork"},
      {"-3", "Sok  Ork"}, {"", "Nulla Ork"},        {"2147483647", "Sok  Ork"},
  };
  droom& r = room("terem");
  creature("ork").short_ = "Ork";
  work.current_room = &r;
  for (const auto& [count, shown] : cases) {
    add_mixed(r.contents, "ork", count);
    console.output().clear();
    console.describe_current_room();
    EXPECT_EQ(texts().at(7), shown) << count;
  }
}

TEST_F(RoomView, ANonNumericCountStopsTheViewAndKeepsWhatWasPrinted) {
  droom& r = room("terem");
  creature("ork").short_ = "Ork";
  creature("elf").short_ = "Elf";
  add_mixed(r.contents, "ork", "1");
  add_mixed(r.contents, "elf", "ketto");
  work.current_room = &r;
  try {
    console.describe_current_room();
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.text(), "ketto");
  }
  EXPECT_EQ(texts().back(), "Ork");
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(RoomView, WithoutACurrentRoomNothingHappens) {
  console.describe_current_room();
  EXPECT_TRUE(texts().empty());
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace tamo::testconsole::testing
