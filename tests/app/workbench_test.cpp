#include "app/workbench.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "model/storing.h"
#include "temp_folder.h"
#include "work_builder.h"
#include "work_files.h"

namespace tamo::app::testing {
namespace {

// Two stored rooms joined east-west, a creature in the first, as a builder would make them.
class WorkbenchTest : public ::testing::Test {
 protected:
  WorkbenchTest() {
    bench.app().start();
    Work& w = bench.work();
    droom* kapu = setup_room(w, "kapu", "A kapu elott", "Egy magas fal elott allsz.");
    add_mixed(kapu->exits, "kelet", "udvar");
    add_mixed(kapu->contents, "ork", "1");
    droom* udvar = setup_room(w, "udvar", "Az udvaron", "Tagas udvar.");
    add_mixed(udvar->exits, "nyugat", "kapu");
    add_mixed(udvar->items, "kut", "Egy kut.");
    dmons* ork = setup_mons(w, "ork", tamo::testing::ork_texts());
    add_mixed(ork->ids, "ork", "ork");
    add_mixed(ork->speech, "Grr!", "0");
    w.current_room = kapu;
    bench.room_editor().fill_filename_choices();
    bench.monster_editor().fill_filename_choices();
  }

  void type_command(std::string_view text) {
    bench.mud().inmud.type(text);
    bench.app().run_event([&] { bench.inmud_enter(); });
  }

  std::vector<std::string> console_lines() {
    std::vector<std::string> out;
    for (const auto& line : bench.console().output().lines()) out.push_back(line.text);
    return out;
  }

  ScriptedPlatform platform;
  Workbench bench{platform.ports()};
};

TEST_F(WorkbenchTest, AMoveFillsTheRoomEditorWithoutBringingItForward) {
  bench.app().Teszt1Click();
  type_command("k");
  EXPECT_EQ(bench.work().current_room, room_exists(bench.work(), "udvar"));
  editors::RoomEditor& editor = bench.room_editor();
  EXPECT_EQ(editor.filename.text(), "udvar");
  EXPECT_EQ(editor.short_.text(), "Az udvaron");
  EXPECT_EQ(editor.long_.text(), "Tagas udvar.");
  EXPECT_EQ(query_mixed(bench.work().tmproom.items, "kut"), "Egy kut.");
  EXPECT_EQ(front_panel(bench.app()), "mud");
  EXPECT_TRUE(bench.mud().inmud.text().empty()) << "every Enter empties the input";
  EXPECT_TRUE(bench.app().focus().on(bench.mud().inmud));
}

TEST_F(WorkbenchTest, SzBringsTheRoomPanelForward) {
  bench.app().Teszt1Click();
  type_command("sz");
  EXPECT_EQ(front_panel(bench.app()), "room");
  EXPECT_EQ(bench.room_editor().filename.text(), "kapu");
  EXPECT_EQ(query_mixed(bench.work().tmproom.exits, "kelet"), "udvar");
}

TEST_F(WorkbenchTest, SzerkesztACreatureFillsTheCreaturePanel) {
  bench.app().Teszt1Click();
  type_command("szerkeszt ork");
  EXPECT_EQ(front_panel(bench.app()), "monster");
  editors::MonsterEditor& m = bench.monster_editor();
  EXPECT_EQ(m.panel.filename.text(), "ork");
  EXPECT_EQ(m.panel.name.text(), "Ork");
  EXPECT_EQ(m.panel.long_text.text(), "Zold es buta.");
  EXPECT_EQ(m.race.text(), "ork");
  EXPECT_EQ(m.gender.text(), "ferfi");
  EXPECT_EQ(m.class1.text(), "harcos");
  EXPECT_EQ(m.level.text(), "5");
  EXPECT_EQ(m.alignment.text(), "-300");
  EXPECT_EQ(query_mixed(bench.work().tmpmons.speech, "Grr!"), "0");
}

// A file name the panel would not take (one from a hand-made file) empties the box, as typed.
TEST_F(WorkbenchTest, SzerkesztKeepsTheFileNameRuleOfTheCreaturePanel) {
  dmons* vad = setup_data(bench.work()).monsters.add("Vad_Ork");
  vad->name = "Vad ork";
  add_mixed(vad->ids, "vad", "vad");
  add_mixed(setup_room_named(bench.work(), "kapu")->contents, "Vad_Ork", "1");
  bench.app().Teszt1Click();
  type_command("szerkeszt vad");
  editors::MonsterEditor& m = bench.monster_editor();
  EXPECT_EQ(m.panel.filename.text(), "");
  EXPECT_EQ(m.panel.name.text(), "Vad ork");
  bench.app().run_event([&] { m.panel.ready_button.click(); });
  EXPECT_EQ(bench.work().monsters.size(), 2u);
}

TEST_F(WorkbenchTest, TheConsoleNeverTouchesTheItemEditor) {
  ditem* kard = setup_item(bench.work(), "kard");
  kard->short_ = "egy kard";
  add_mixed(setup_room_named(bench.work(), "kapu")->contents, "kard", "1");
  add_mixed(setup_mons_named(bench.work(), "ork")->equipment, "kard", "1");
  bench.item_editor().panel.name.set_text("fel van irva");
  bench.work().tmpitem.hp = "3";
  bench.app().Teszt1Click();
  type_command("n ork");
  EXPECT_EQ(bench.item_editor().panel.name.text(), "fel van irva");
  EXPECT_EQ(bench.work().tmpitem.hp, "3");
}

TEST_F(WorkbenchTest, HogyNezKiShowsTheStoredRoomOnAClearedConsole) {
  bench.app().Teszt1Click();
  type_command("kik");
  bench.app().Szoba1Click();
  bench.room_editor().filename.type("udvar");
  bench.room_editor().Button3.click();
  EXPECT_EQ(front_panel(bench.app()), "mud");
  EXPECT_EQ(bench.work().current_room, room_exists(bench.work(), "udvar"));
  ASSERT_FALSE(console_lines().empty());
  EXPECT_EQ(console_lines().front(), "udvar") << "earlier output was cleared";

  bench.room_editor().filename.set_text("");
  bench.room_editor().filename.type("ujszoba");
  bench.room_editor().Button3.click();
  EXPECT_EQ(bench.work().current_room, room_exists(bench.work(), "udvar"))
      << "a room that is not stored is not previewed";
}

TEST_F(WorkbenchTest, ANewWorkEmptiesTheConsoleAndTheEditorsChoices) {
  bench.app().Teszt1Click();
  platform.answer = UnsavedAnswer::discard;
  bench.app().j1Click();
  EXPECT_TRUE(bench.console().output().lines().empty());
  EXPECT_EQ(bench.room_editor().filename.count(), 0u);
  EXPECT_EQ(bench.work().current_room, nullptr);
  EXPECT_EQ(front_panel(bench.app()), "");
}

TEST_F(WorkbenchTest, CloseallotherformsReachesTheEditorsDialogs) {
  bench.app().Szoba1Click();
  bench.room_editor().RoomProperties.click();
  EXPECT_TRUE(bench.room_editor().properties.form.visible());
  EXPECT_FALSE(bench.app().main_window().enabled());
  bench.app().closeallotherforms();
  EXPECT_FALSE(bench.room_editor().properties.form.visible());
}

TEST_F(WorkbenchTest, TerkepOpensTheMapBesideAUsableMainWindow) {
  bench.app().menu_bar().choose("Terkep1");
  EXPECT_TRUE(bench.app().form("Terkep").visible());
  EXPECT_EQ(bench.app().form("Terkep").caption(), "Térkép");
  EXPECT_TRUE(bench.app().main_window().enabled());
  bench.app().closeallotherforms();
  EXPECT_TRUE(bench.app().form("Terkep").visible()) << "the map is no editor's dialog";
}

TEST_F(WorkbenchTest, ClickingARoomOnTheMapOpensItInTheRoomPanel) {
  bench.map_open_room("udvar");
  EXPECT_EQ(front_panel(bench.app()), "room");
  EXPECT_EQ(bench.room_editor().filename.text(), "udvar");
  EXPECT_EQ(bench.room_editor().short_.text(), "Az udvaron");
  EXPECT_EQ(query_mixed(bench.work().tmproom.items, "kut"), "Egy kut.");
  EXPECT_TRUE(platform.messages.empty());

  bench.map_preview_room("kapu");
  EXPECT_EQ(front_panel(bench.app()), "mud");
  EXPECT_EQ(bench.work().current_room, room_exists(bench.work(), "kapu"));
  EXPECT_EQ(bench.room_editor().filename.text(), "kapu");
  ASSERT_FALSE(console_lines().empty());
  EXPECT_EQ(console_lines().front(), "kapu");
}

// Typing the panel has not stored is unsaved work even when the work itself was just saved.
TEST_F(WorkbenchTest, LeavingAsksBeforeRoomEditsNotYetStoredAreLost) {
  std::filesystem::path folder = tamo::testing::fresh_temp_folder("tamo_bench_pending");
  set_creator(bench.work(), "pelda", "valaki", "valaki@example.org");
  bench.app().set_work_folder(folder);
  bench.app().Ments1Click();
  ASSERT_FALSE(bench.app().work_changed());
  bench.map_open_room("kapu");
  bench.room_editor().short_.type(" es a fal");
  ASSERT_TRUE(bench.app().pending_edits());

  platform.answer = UnsavedAnswer::cancel;
  bench.app().quit();
  EXPECT_FALSE(bench.app().FormCloseQuery());
  bench.app().j1Click();
  EXPECT_EQ(platform.questions, std::vector<std::string>(3, std::string(kMsgUnsaved)));
  EXPECT_FALSE(bench.app().finished());
  EXPECT_EQ(bench.room_editor().short_.text(), "A kapu elott es a fal");

  platform.answer = UnsavedAnswer::discard;
  bench.app().quit();
  EXPECT_TRUE(bench.app().finished());
  std::filesystem::remove_all(folder);
}

// Walking and "sz" fill the room panel, and "szerkeszt" the creature panel, only when the
// panel holds nothing its "Kész" has not stored.
TEST_F(WorkbenchTest, TheConsoleNeverReplacesEditsNotYetStored) {
  editors::RoomEditor& room = bench.room_editor();
  bench.map_open_room("kapu");
  room.short_.type(" es a fal");
  bench.app().Teszt1Click();
  type_command("k");
  EXPECT_EQ(bench.work().current_room, room_exists(bench.work(), "udvar")) << "the walk goes on";
  EXPECT_EQ(room.filename.text(), "kapu");
  EXPECT_EQ(room.short_.text(), "A kapu elott es a fal");
  EXPECT_EQ(query_mixed(bench.work().tmproom.exits, "kelet"), "udvar");
  EXPECT_EQ(platform.messages.size(), 1u) << "the builder is told why the panel stayed";

  type_command("ny");
  type_command("sz");
  EXPECT_EQ(front_panel(bench.app()), "room") << "its own room comes forward as it is";
  EXPECT_EQ(room.short_.text(), "A kapu elott es a fal");

  editors::MonsterEditor& m = bench.monster_editor();
  bench.app().llny1Click();
  m.panel.filename.user_set_text("ork");
  m.panel.name.type(" vezer");
  dmons* troll = setup_mons(bench.work(), "troll", tamo::testing::ork_texts());
  add_mixed(troll->ids, "ork", "ork");
  add_mixed(setup_room_named(bench.work(), "kapu")->contents, "troll", "1");
  bench.app().Teszt1Click();
  type_command("szerkeszt ork");
  EXPECT_EQ(m.panel.filename.text(), "ork");
  EXPECT_EQ(m.panel.name.text(), "Ork vezer");
}

TEST_F(WorkbenchTest, TheMapNeverReplacesRoomEditsNotYetStored) {
  bench.map_open_room("kapu");
  bench.room_editor().short_.type(" es a fal");
  bench.map_open_room("udvar");
  ASSERT_EQ(platform.messages, std::vector<std::string>{std::string(kMsgRoomPanelUnsaved)});
  EXPECT_EQ(bench.room_editor().filename.text(), "kapu");
  EXPECT_EQ(bench.room_editor().short_.text(), "A kapu elott es a fal");

  bench.app().Teszt1Click();
  bench.map_open_room("kapu");  // its own room: the panel comes forward as it is
  EXPECT_EQ(front_panel(bench.app()), "room");
  EXPECT_EQ(bench.room_editor().short_.text(), "A kapu elott es a fal");
  EXPECT_EQ(platform.messages.size(), 1u);

  // A new room typed but never stored counts as well.
  bench.room_editor().Button6.click();
  bench.room_editor().filename.type("uj");
  bench.map_preview_room("udvar");
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(bench.room_editor().filename.text(), "uj");
  EXPECT_EQ(bench.work().current_room, room_exists(bench.work(), "kapu"));
}

TEST_F(WorkbenchTest, TheMapWaitsWhileADialogHoldsTheMainWindow) {
  bench.map_open_room("kapu");
  bench.room_editor().Button5.click();
  ASSERT_FALSE(bench.app().main_window().enabled());
  bench.map_open_room("udvar");
  bench.map_preview_room("udvar");
  EXPECT_EQ(bench.room_editor().filename.text(), "kapu");
  EXPECT_EQ(bench.work().current_room, room_exists(bench.work(), "kapu"));
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace tamo::app::testing
