#include "app/find_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/workbench.h"
#include "app_fixture.h"
#include "work_files.h"
#include "work_setup.h"

namespace tamo::app::testing {
namespace {

// An area written with accents and capitals; every text that holds "kard" in some spelling.
Work accented_work() {
  Work w = tamo::testing::clean_work();
  droom* kapu = setup_room_named(w, "kapu");
  kapu->short_ = "A Kárd-kapu előtt";
  add_mixed(kapu->items, "pajzs", "Egy KARD van rajta festve.");
  dmons* ork = setup_mons_named(w, "ork");
  add_mixed(ork->ids, "kardos", "kardos");
  add_mixed(ork->speech, "Add a kardod!", "0");
  add_mixed(ork->emote, "Kardot fen.", "0");
  ditem* gyuru = setup_item_named(w, "gyuru");
  add_mixed(gyuru->ids, "kardgyuru", "kardgyuru");
  return w;
}

// The work opened from its file as the builder opens it, the find box at hand.
class FindBoxTest : public tamo::testing::WorkFileTest {
 protected:
  FindBoxTest() { bench.app().start(); }

  void load(const Work& w) {
    bench.app().open_work(write_work(w));
    platform.messages.clear();
  }
  void choose(std::string_view menu_item) {
    bench.app().run_event([&] { bench.app().menu_bar().choose(menu_item); });
  }
  void type(const std::string& text) {
    bench.app().run_event([&] { box().findtext.type(text); });
  }
  void activate(std::string_view line) {
    int row = box().found.index_of(line);
    ASSERT_NE(row, -1) << line;
    bench.app().run_event([&] { box().found.user_activate(row); });
  }
  FindBox& box() { return bench.find_box(); }

  ScriptedPlatform platform;
  Workbench bench{platform.ports()};
};

TEST_F(FindBoxTest, CtrlFOpensTheBoxAndTypingListsHitsGroupedByKind) {
  load(accented_work());
  EXPECT_EQ(bench.app().menu_bar().item("Keress1").shortcut, "Ctrl+F");
  choose("Keress1");
  EXPECT_TRUE(box().form.visible());
  EXPECT_TRUE(bench.app().focus().on(box().findtext));
  EXPECT_TRUE(bench.app().main_window().enabled()) << "the main window stays usable beside it";
  type("kard");
  EXPECT_EQ(box().found.items(), (std::vector<std::string>{
                                     "Szobák (2)",
                                     "    kapu – rövid leírás: A Kárd-kapu előtt",
                                     "    kapu – nézve: Egy KARD van rajta festve.",
                                     "Élőlények (3)",
                                     "    ork – azonosító: kardos",
                                     "    ork – beszéd: Add a kardod!",
                                     "    ork – cselekvés: Kardot fen.",
                                     "Tárgyak (1)",
                                     "    gyuru – azonosító: kardgyuru",
                                 }));
  // An accent typed finds that spelling only.
  bench.app().run_event([&] { box().findtext.user_set_text("Kárd"); });
  EXPECT_EQ(box().found.items(),
            (std::vector<std::string>{"Szobák (1)", "    kapu – rövid leírás: A Kárd-kapu előtt"}));
  bench.app().run_event([&] { box().findtext.user_set_text(""); });
  EXPECT_TRUE(box().found.items().empty());
}

struct Opening {
  const char* line;      // the line double-clicked
  const char* panel;     // the panel brought to the front
  const char* filename;  // what its file-name box then shows
  const char* dialog;    // the dialog opened, or "" for none
};

class Openings : public FindBoxTest, public ::testing::WithParamInterface<Opening> {};

// A double-click opens the record in its panel and the dialog that holds the text.
TEST_P(Openings, ADoubleClickOpensTheRecordAndTheDialogHoldingTheText) {
  Work w = accented_work();
  add_mixed(setup_room_named(w, "udvar")->guard, "guardspeech", "Kardot le!");
  setup_item_named(w, "kulcs")->my_mess = "Kardnak latod.";
  load(w);
  choose("Keress1");
  type("kard");
  activate(GetParam().line);
  EXPECT_EQ(front_panel(bench.app()), GetParam().panel);
  const controls::ComboBox* filename = &bench.room_editor().filename;
  if (std::string(GetParam().panel) == "monster") filename = &bench.monster_editor().panel.filename;
  if (std::string(GetParam().panel) == "item") filename = &bench.item_editor().panel.filename;
  EXPECT_EQ(filename->text(), GetParam().filename);
  std::string dialog = GetParam().dialog;
  for (const auto& e : bench.app().forms().entries()) {
    if (e.kind != FormRegistry::Kind::dialog || e.form == &box().form) continue;
    EXPECT_EQ(e.form->visible(), e.form->name() == dialog) << e.form->name();
  }
  EXPECT_TRUE(box().form.visible()) << "the box stays open beside it";
}

INSTANTIATE_TEST_SUITE_P(
    Hits, Openings,
    ::testing::Values(Opening{"    kapu – rövid leírás: A Kárd-kapu előtt", "room", "kapu", ""},
                      Opening{"    kapu – nézve: Egy KARD van rajta festve.", "room", "kapu",
                              "Form4"},
                      Opening{"    udvar – az őr szövege: Kardot le!", "room", "udvar", "Form18"},
                      Opening{"    ork – azonosító: kardos", "monster", "ork", "Form8"},
                      Opening{"    ork – beszéd: Add a kardod!", "monster", "ork", "Form9"},
                      Opening{"    ork – cselekvés: Kardot fen.", "monster", "ork", "Form10"},
                      Opening{"    gyuru – azonosító: kardgyuru", "item", "gyuru", "Form12"},
                      Opening{"    kulcs – amit nekem ír: Kardnak latod.", "item", "kulcs", ""}));

// Enter in the typed text opens the chosen hit, or the first when none is chosen; a heading
// opens nothing.
TEST_F(FindBoxTest, EnterOpensTheChosenHitOrTheFirst) {
  load(accented_work());
  choose("Keress1");
  type("kardo");
  bench.app().run_event([&] { box().openfound.click(); });
  EXPECT_EQ(front_panel(bench.app()), "monster");
  EXPECT_TRUE(bench.app().form("Form8").visible()) << "the first hit is the creature's id";

  bench.app().run_event(
      [&] { box().found.user_select(box().found.index_of("    ork – cselekvés: Kardot fen.")); });
  bench.app().run_event([&] { box().openfound.click(); });
  EXPECT_TRUE(bench.app().form("Form10").visible());

  bench.app().run_event([&] { bench.app().form("Form10").hide(); });
  bench.app().run_event([&] { box().found.user_select(box().found.index_of("Élőlények (3)")); });
  bench.app().run_event([&] { box().openfound.click(); });
  EXPECT_FALSE(bench.app().form("Form10").visible());
}

// Opening a record would drop what its panel holds unstored: the builder is told instead.
TEST_F(FindBoxTest, APanelWithUnstoredEditsIsNotTurnedAway) {
  load(accented_work());
  bench.app().Szoba1Click();
  bench.room_editor().filename.type("pince");
  bench.room_editor().short_.type("Egy pince");
  choose("Keress1");
  type("kard");
  activate("    kapu – rövid leírás: A Kárd-kapu előtt");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("tárolatlan"), std::string::npos);
  EXPECT_EQ(bench.room_editor().short_.text(), "Egy pince");
}

// A list that would outgrow what anyone reads stops, and its last line says how many more
// there are; the headings count them all.
TEST_F(FindBoxTest, ManyHitsAreCappedAndTheRestCounted) {
  Work w = tamo::testing::clean_work();
  for (std::size_t i = 0; i < kMaxListedHits + 20; ++i) {
    droom* r = setup_room(w, "terem" + std::to_string(i));
    r->short_ = "Egy terem";
    r->long_ = "Ures.";
  }
  load(w);
  choose("Keress1");
  type("terem");
  const std::vector<std::string>& lines = box().found.items();
  // Each room matches by its file name and its short text.
  std::size_t all = 2 * (kMaxListedHits + 20);
  EXPECT_EQ(lines.front(), "Szobák (" + std::to_string(all) + ")");
  EXPECT_EQ(lines.size(), kMaxListedHits + 2);
  EXPECT_EQ(lines.back(), "… és még " + std::to_string(all - kMaxListedHits) +
                              " találat, amely nem fér ide: pontosítsd a keresést");
  EXPECT_EQ(box().hit_at(static_cast<int>(lines.size()) - 1), nullptr);
}

// The list follows the work: a stored room is found at the next refresh, and the chosen line
// stays chosen.
TEST_F(FindBoxTest, AChangedWorkIsSearchedAgain) {
  load(accented_work());
  choose("Keress1");
  type("kard");
  EXPECT_FALSE(box().stale());
  std::string chosen = "    ork – beszéd: Add a kardod!";
  bench.app().run_event([&] { box().found.user_select(box().found.index_of(chosen)); });

  editors::RoomEditor& room = bench.room_editor();
  bench.app().Szoba1Click();
  room.filename.type("fegyvert");
  room.short_.type("Kardok mindenutt");
  room.long_.type("Sok kard.");
  bench.app().run_event([&] { room.Button1.click(); });
  ASSERT_NE(room_exists(bench.work(), "fegyvert"), nullptr)
      << ::testing::PrintToString(platform.messages);
  EXPECT_TRUE(box().stale());
  box().refresh();
  EXPECT_FALSE(box().stale());
  EXPECT_NE(box().found.index_of("    fegyvert – rövid leírás: Kardok mindenutt"), -1);
  EXPECT_EQ(box().found.selected_text(), chosen);
}

}  // namespace
}  // namespace tamo::app::testing
