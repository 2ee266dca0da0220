#include <gtest/gtest.h>

#include "console_fixture.h"
#include "model/numbers.h"
#include "testconsole/tables.h"

namespace tamo::testconsole::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(HolViseli, PhraseByItemType) {
  const std::pair<std::string, std::string> cases[] = {
      {"szuro", "megfogva"},
      {"zuzo", "megfogva"},
      {"vago", "megfogva"},
      {"ij", "haton viselve"},
      {"pajzs", "pajzskent viselve"},
      {"pancel", "torzson viselve"},
      {"sisak", "fejen viselve"},
      {"gyuru", "ujjon viselve"},
      {"nyaklanc", "nyak korul viselve"},
      {"kopeny", "torzs korul viselve"},
      {"alkarpancel", "karon viselve"},
      {"karkoto", "csuklon viselve"},
      {"kesztyu", "kezen viselve"},
      {"csizma", "labfejen viselve"},
      {"ov", "ovkent viselve"},
      {"nadrag", "labon viselve"},
      {"", "mittomen hogyan hasznalja"},
      {"Pajzs", "mittomen hogyan hasznalja"},
  };
  for (const auto& [type, phrase] : cases) EXPECT_EQ(hol_viseli(type), phrase) << type;
}

TEST(Experience, TableThenTheFormulaFromThirty) {
  const std::tuple<std::int32_t, std::int64_t, std::int64_t> cases[] = {
      {0, 20, 1},
      {1, 1000, 50},
      {17, 150000, 7500},
      {50, 5000000, 250000},
      {51, 8150000, 407500},
      {-1, 350000, 17500},
      {2147483647, 322122547550000, 16106127377500},
      {-2147483648, -322122546700000, -16106127335000},
  };
  for (const auto& [level, base, points] : cases) {
    EXPECT_EQ(get_exp(level), base) << level;
    EXPECT_EQ(kill_experience(level), points) << level;
  }
}

class Interaction : public ConsoleTest {
 protected:
  void SetUp() override {
    here = &room("terem");
    work.current_room = here;
  }
  dmons& ork() {
    dmons& m = creature("ork", "Grok");
    m.long_ = "Nagy es zold.";
    add_mixed(m.ids, "ork", "");
    add_mixed(here->contents, "ork", "1");
    return m;
  }
  ditem& equip(dmons& m, const std::string& file, const std::string& type, const std::string& n) {
    ditem& i = item(file);
    i.short_ = "egy " + file;
    i.itemtype = type;
    add_mixed(m.equipment, file, n);
    return i;
  }
  droom* here = nullptr;
};

TEST_F(Interaction, LooksAtACreatureWithDefaultRaceAndGender) {
  ork();
  EXPECT_EQ(console.param_fv("nez", "ork"),
            "Vegigmered a fajtalan veletlenszerut.\r\nNagy es zold.\r\nEgeszseges.");
}

TEST_F(Interaction, ListsEquipmentWithWearPlacesAndCounts) {
  dmons& m = ork();
  m.race = "ork";
  m.gender = "no";
  equip(m, "kard", "vago", "2");
  equip(m, "pajzs", "pajzs", "1").invisitem = "1";
  add_mixed(m.equipment, "nincsilyen", "3");  // names no item: skipped, its line break stays
  equip(m, "gyuru", "gyuru", "0");
  equip(m, "ov", "ov", "1");
  EXPECT_EQ(console.param_fv("nez", "ork"),
            "Vegigmered a ork not.\r\nNagy es zold.\r\nEgeszseges.\r\n"
            "A kovetkezo targyakat hasznalja:\r\n"
            "egy kard (megfogva)\r\negy kard (megfogva)\r\n"
            "egy pajzs (pajzskent viselve) (láthatatlan)\r\n\r\n\r\negy ov (ovkent viselve)");
}

TEST_F(Interaction, LookingLeavesTheItemEditorAlone) {
  dmons& m = ork();
  equip(m, "kard", "vago", "1");
  work.tmpitem.short_ = "felbehagyott";
  add_mixed(work.tmpitem.ids, "felbe", "");
  ditem before = work.tmpitem;
  console.param_fv("nez", "ork");
  EXPECT_EQ(work.tmpitem, before);
}

TEST_F(Interaction, AHugeEquipmentCountShowsItsLinesUpToABoundThenHowManyMore) {
  dmons& m = ork();
  equip(m, "kard", "vago", "2147483647");
  equip(m, "ov", "ov", "2147483647");
  std::string text = console.param_fv("nez", "ork");
  std::size_t swords = 0;
  for (std::size_t at = text.find("egy kard (megfogva)\r\n"); at != std::string::npos;
       at = text.find("egy kard (megfogva)\r\n", at + 1))
    ++swords;
  EXPECT_EQ(swords, 10000u);
  EXPECT_TRUE(
      text.ends_with("egy kard (megfogva)\r\n"
                     "(és még 2147473647 darab: egy kard (megfogva))\r\n"
                     "(és még 2147483647 darab: egy ov (ovkent viselve))"));
}

TEST_F(Interaction, ANonNumericEquipmentCountThrows) {
  equip(ork(), "kard", "vago", "sok");
  EXPECT_THROW(console.param_fv("nez", "ork"), ConversionError);
}

TEST_F(Interaction, LooksAtRoomDetailsAndItemsByExactId) {
  add_mixed(here->items, "fal", "Repedezett fal.");
  add_mixed(here->items, "ork", "A falon egy ork kepe.");
  ditem& kard = item("kard");
  kard.long_ = "Eles kard.";
  add_mixed(kard.ids, "kard", "");
  add_mixed(here->contents, "kard", "1");
  creature("nevtelen").long_ = "Nincs ids-e.";
  add_mixed(here->contents, "nevtelen", "1");
  ork();
  const std::pair<std::string, std::string> cases[] = {
      {"fal", "Repedezett fal."}, {"kard", "Eles kard."}, {"Kard", ""},
      {"nevtelen", ""},           {" fal", ""},
  };
  for (const auto& [arg, result] : cases) EXPECT_EQ(console.param_fv("nez", arg), result) << arg;
  // A creature id wins over a room detail of the same word.
  EXPECT_TRUE(console.param_fv("nez", "ork").starts_with("Vegigmered"));
}

TEST_F(Interaction, ListensSmellsAndSearchesRoomDetails) {
  add_mixed(here->listen, "kut", "Csobogas.");
  add_mixed(here->smell, "kut", "Iszap.");
  add_mixed(here->search, "kut", "Egy erme.");
  add_mixed(here->items, "kut", "Kokut.");
  EXPECT_EQ(console.param_fv("hallgat", "kut"), "Csobogas.");
  EXPECT_EQ(console.param_fv("szagol", "kut"), "Iszap.");
  EXPECT_EQ(console.param_fv("keres", "kut"), "Egy erme.");
  EXPECT_EQ(console.param_fv("keres", "fal"), "");
}

TEST_F(Interaction, KillingReportsTheExperienceAndKeepsTheCreature) {
  ork().level = "1";
  for (int round = 0; round < 2; ++round) {
    console.output().clear();
    EXPECT_EQ(console.param_fv("ol", "ork"), "");
    EXPECT_EQ(texts(), (Lines{"Egy hirtelen gondolattal megolted Grok-t!",
                              "Szereztel 50 tapasztalati pontot.", ""}));
    EXPECT_EQ(colour_of(0), kBrightRed);
    EXPECT_EQ(colour_of(1), kSilver);
  }
}

TEST_F(Interaction, KillingWithAWrongLevelStopsAfterTheFirstLine) {
  ork().level = "x";
  EXPECT_THROW(console.param_fv("ol", "ork"), ConversionError);
  EXPECT_EQ(texts(), (Lines{"Egy hirtelen gondolattal megolted Grok-t!"}));
}

TEST_F(Interaction, ItemsCannotBeKilledOrEdited) {
  add_mixed(item("kard").ids, "kard", "");
  add_mixed(here->contents, "kard", "1");
  EXPECT_EQ(console.param_fv("ol", "kard"), "");
  EXPECT_EQ(console.param_fv("szerkeszt", "kard"), "");
  EXPECT_TRUE(texts().empty());
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(Interaction, EditingOpensTheCreatureAndLoadsItsLists) {
  dmons& m = ork();
  add_mixed(m.speech, "Hahó!", "");
  add_mixed(m.emote, "Vakarozik.", "");
  add_mixed(m.equipment, "kard", "1");
  add_mixed(work.tmpmons.speech, "regi", "");
  EXPECT_EQ(console.param_fv("szerkeszt", "ork"), "");
  EXPECT_EQ(host.calls, (Lines{"open_creature ork"}));
  EXPECT_EQ(work.tmpmons.ids, m.ids);
  EXPECT_EQ(work.tmpmons.speech, m.speech);
  EXPECT_EQ(work.tmpmons.emote, m.emote);
  EXPECT_EQ(work.tmpmons.equipment, m.equipment);
}

TEST_F(Interaction, ACreatureOutsideTheRoomCannotBeAddressed) {
  dmons& m = creature("tavoli", "Tavoli");
  add_mixed(m.ids, "tavoli", "");
  EXPECT_EQ(console.param_fv("nez", "tavoli"), "");
  EXPECT_EQ(console.param_fv("szerkeszt", "tavoli"), "");
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace tamo::testconsole::testing
