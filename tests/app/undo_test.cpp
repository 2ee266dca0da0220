#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/workbench.h"
#include "app_fixture.h"
#include "work_setup.h"
#include "workfile/workfile.h"

// "Visszavonás" and "Újra" as the builder reaches them: through the menu, after the buttons
// that change the work.
namespace tamo::app::testing {
namespace {

class UndoTest : public ::testing::Test {
 protected:
  UndoTest() {
    folder = std::filesystem::temp_directory_path() /
             ("tamo_undo_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    app.set_work_folder(folder);
    app.start();
    Work& w = bench.work();
    droom* kapu = setup_room(w, "kapu");
    kapu->short_ = "A kapu elott";
    kapu->long_ = "Egy magas fal.";
    add_mixed(kapu->exits, "kelet", "udvar");
    add_mixed(kapu->contents, "ork", "1");
    droom* udvar = setup_room(w, "udvar");
    udvar->short_ = "Az udvaron";
    udvar->long_ = "Tagas udvar.";
    add_mixed(udvar->exits, "nyugat", "kapu");
    add_mixed(udvar->contents, "ork", "1");
    dmons* ork = setup_mons(w, "ork");
    ork->name = "Ork";
    w.current_room = w.rooms.head();
    set_creator(w, "falu", "Bela", "bela@example.org");
    bench.room_editor().fill_filename_choices();
    bench.monster_editor().fill_filename_choices();
  }
  ~UndoTest() override { std::filesystem::remove_all(folder); }

  std::vector<std::string> lines() { return workfile::work_lines(bench.work()); }
  void event(const std::function<void()>& handler) { app.run_event(handler); }
  void choose(std::string_view entry) {
    event([&] { app.menu_bar().choose(entry); });
  }
  const MenuItem& undo_entry() { return app.menu_bar().item("Visszavons1"); }
  const MenuItem& redo_entry() { return app.menu_bar().item("jra1"); }

  void open_room(const std::string& name) {
    event([&] {
      app.Szoba1Click();
      bench.room_editor().filename.user_set_text(name);
    });
  }

  std::filesystem::path folder;
  ScriptedPlatform platform;
  Workbench bench{platform.ports()};
  Application& app = bench.app();
};

TEST_F(UndoTest, TheEntriesNameWhatTheyWouldDoAndAreOffWhenThereIsNothing) {
  EXPECT_EQ(undo_entry().caption, "&Visszavonás");
  EXPECT_FALSE(undo_entry().enabled);
  EXPECT_EQ(undo_entry().shortcut, "Ctrl+Z");
  EXPECT_EQ(redo_entry().shortcut, "Ctrl+Shift+Z");
  EXPECT_EQ(redo_entry().second_shortcut, "Ctrl+Y");
  editors::RoomEditor& room = bench.room_editor();
  open_room("pince");
  event([&] {
    room.short_.user_set_text("Pince");
    room.long_.user_set_text("Sotet pince.");
  });
  const std::vector<std::string> before = lines();
  event([&] { room.Button1.click(); });
  ASSERT_NE(room_exists(bench.work(), "pince"), nullptr);
  const std::vector<std::string> after = lines();
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: szoba tárolása");
  EXPECT_TRUE(undo_entry().enabled);
  EXPECT_FALSE(redo_entry().enabled);

  choose("Visszavons1");
  EXPECT_EQ(lines(), before);
  EXPECT_EQ(room_exists(bench.work(), "pince"), nullptr);
  EXPECT_EQ(redo_entry().caption, "Ú&jra: szoba tárolása");
  EXPECT_TRUE(redo_entry().enabled);
  EXPECT_EQ(app.status().text(), "Visszavonva: szoba tárolása");
  // The panel keeps what the builder typed: it is now an edit not yet stored.
  EXPECT_EQ(room.short_.text(), "Pince");
  EXPECT_TRUE(room.pending_edits());
  EXPECT_EQ(room.filename.index_of("pince"), -1);

  choose("jra1");
  EXPECT_EQ(lines(), after);
  EXPECT_FALSE(room.pending_edits());
  EXPECT_GE(room.filename.index_of("pince"), 0);
}

TEST_F(UndoTest, DeletingAnExitAndItsReverseIsOneStep) {
  open_room("kapu");
  editors::ExitEditor& exits = bench.room_editor().exits;
  event([&] { bench.room_editor().Button5.click(); });
  const std::vector<std::string> before = lines();
  event([&] {
    exits.exitdir.user_select(exits.exitdir.index_of("kelet"));
    exits.Button1.click();
  });
  ASSERT_TRUE(room_exists(bench.work(), "udvar")->exits.empty());
  ASSERT_TRUE(room_exists(bench.work(), "kapu")->exits.empty());
  event([&] { exits.Button3.click(); });
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: kijárat törlése");
  choose("Visszavons1");
  EXPECT_EQ(lines(), before);
}

TEST_F(UndoTest, UndoingACreaturesDeletionBringsBackEveryRoomsReference) {
  editors::MonsterEditor& m = bench.monster_editor();
  event([&] {
    app.llny1Click();
    m.monsfilename.user_set_text("ork");
  });
  const std::vector<std::string> before = lines();
  event([&] { m.bt.click(); });
  event([&] { m.delete_dialog.yes.click(); });
  ASSERT_EQ(mons_exists(bench.work(), "ork"), nullptr);
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: élőlény törlése");
  choose("Visszavons1");
  EXPECT_EQ(lines(), before);
  EXPECT_EQ(query_mixed(room_exists(bench.work(), "udvar")->contents, "ork"), "1");
}

TEST_F(UndoTest, APanelWithoutEditsShowsTheRestoredRecordAndOneWithEditsKeepsThem) {
  editors::RoomEditor& room = bench.room_editor();
  open_room("udvar");
  event([&] {
    room.short_.user_set_text("Szuk udvar");
    room.Button1.click();
  });
  choose("Visszavons1");
  EXPECT_EQ(room.short_.text(), "Az udvaron");
  EXPECT_FALSE(room.pending_edits());

  choose("jra1");
  EXPECT_EQ(room.short_.text(), "Szuk udvar");
  event([&] { room.long_.user_set_text("Amit most irok."); });
  choose("Visszavons1");
  EXPECT_EQ(room_exists(bench.work(), "udvar")->short_, "Az udvaron");
  EXPECT_EQ(room.long_.text(), "Amit most irok.");
  EXPECT_TRUE(room.pending_edits());
}

TEST_F(UndoTest, UndoAcrossASaveChangesTheWorkAndRedoMakesItSavedAgain) {
  set_description(bench.work(), "Elso.");
  event([&] { app.Ments1Click(); });
  ASSERT_FALSE(app.work_changed());
  choose("Visszavons1");
  EXPECT_EQ(bench.work().desc, "");
  EXPECT_TRUE(app.work_changed());
  choose("jra1");
  EXPECT_EQ(bench.work().desc, "Elso.");
  EXPECT_FALSE(app.work_changed());
}

TEST_F(UndoTest, NewAndLoadStartAFreshHistory) {
  event([&] { app.Ments1Click(); });
  const std::filesystem::path saved = app.saved_path();
  set_description(bench.work(), "Valami.");
  ASSERT_TRUE(undo_entry().enabled || app.history().can_undo());
  platform.answer = UnsavedAnswer::discard;
  choose("j1");
  EXPECT_FALSE(app.history().can_undo());
  EXPECT_FALSE(undo_entry().enabled);
  choose("Visszavons1");
  EXPECT_TRUE(bench.work().rooms.empty());

  set_description(bench.work(), "Mas.");
  platform.chosen_file = saved;
  choose("Betlts1");
  ASSERT_EQ(bench.work().project, "falu");
  EXPECT_FALSE(app.history().can_undo());
  EXPECT_FALSE(undo_entry().enabled);
}

}  // namespace
}  // namespace tamo::app::testing
