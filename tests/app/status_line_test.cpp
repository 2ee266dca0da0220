#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "app/workbench.h"
#include "app_fixture.h"
#include "work_setup.h"

namespace tamo::app::testing {
namespace {

// The letter a caption marks with "&", lower-cased by byte for ASCII; 0 when none.
std::string access_key(const std::string& caption) {
  auto at = caption.find('&');
  if (at == std::string::npos || at + 1 >= caption.size()) return {};
  // A marked letter may be a two-byte UTF-8 character ("&Élőlény").
  std::size_t len = (static_cast<unsigned char>(caption[at + 1]) & 0x80) ? 2 : 1;
  std::string key = caption.substr(at + 1, len);
  if (len == 1) key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
  return key;
}

TEST_F(AppTest, EveryMenuAndEntryMarksALetterOfItsOwn) {
  std::set<std::string> menu_keys;
  for (const Menu& m : app.menus()) {
    EXPECT_TRUE(menu_keys.insert(access_key(m.caption)).second) << m.caption;
    std::set<std::string> keys;
    for (const MenuItem& item : m.items) {
      if (is_separator(item)) continue;
      std::string key = access_key(item.caption);
      EXPECT_FALSE(key.empty()) << item.caption;
      EXPECT_TRUE(keys.insert(key).second) << item.caption;
    }
  }
  EXPECT_EQ(menu_keys.count(""), 0u);
}

TEST_F(AppTest, QuitLeavesAtOnceOnlyWhenNothingIsUnsaved) {
  app.quit();
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_TRUE(app.finished());
}

struct QuitCase {
  UnsavedAnswer answer;
  bool finished;
};

class QuitWithUnsavedWork : public AppTest, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitWithUnsavedWork, AsksTheCloseBoxQuestion) {
  setup_data(app.work()).desc = "valami";
  app.Nvjegy1Click();
  platform.answer = GetParam().answer;
  app.quit();
  EXPECT_EQ(platform.questions, (std::vector<std::string>{std::string(kMsgUnsaved)}));
  EXPECT_EQ(app.finished(), GetParam().finished);
  EXPECT_EQ(app.form("Form17").visible(), !GetParam().finished);
}

// Saving is refused here (no creator data), so the program stays.
INSTANTIATE_TEST_SUITE_P(Answers, QuitWithUnsavedWork,
                         ::testing::Values(QuitCase{UnsavedAnswer::cancel, false},
                                           QuitCase{UnsavedAnswer::discard, true},
                                           QuitCase{UnsavedAnswer::save, false}));

class StatusLineTest : public ::testing::Test {
 protected:
  StatusLineTest() {
    // One folder per test: ctest runs the tests of this suite side by side.
    folder = tamo::testing::fresh_temp_folder(
        "tamo_status_line_" +
        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    app.set_work_folder(folder);
    app.start();
  }
  ~StatusLineTest() override { std::filesystem::remove_all(folder); }

  const std::string& status() { return app.status().text(); }
  void commit_room(const std::string& name) {
    editors::RoomEditor& r = bench.room_editor();
    app.Szoba1Click();
    r.filename.type(name);
    r.short_.type("Egy kapu");
    r.long_.type("Egy magas kapu elott allsz.");
    app.run_event([&] { r.Button1.click(); });
  }

  ScriptedPlatform platform;
  Workbench bench{platform.ports()};
  Application& app = bench.app();
  std::filesystem::path folder;
};

TEST_F(StatusLineTest, AStoredRoomSaysSoAndARefusalEmptiesTheLine) {
  commit_room("kapu");
  EXPECT_EQ(status(), "kapu szoba tárolva");
  std::uint64_t seen = app.status().revision();
  commit_room("kapu");  // the same name once more is a store over it
  EXPECT_GT(app.status().revision(), seen) << "told again, so it shows again";
  app.run_event([&] { bench.room_editor().Button6.click(); });
  bench.room_editor().filename.set_text("");
  app.run_event([&] { bench.room_editor().Button1.click(); });
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(status(), "") << "the refusal is the news, in its own box";
}

TEST_F(StatusLineTest, SavingAndLoadingNameTheFileAndWhatItHolds) {
  commit_room("kapu");
  setup_data(app.work()).project = "erdo";
  setup_data(app.work()).name = "valaki";
  setup_data(app.work()).mail = "v@example.org";
  app.Ments1Click();
  std::filesystem::path file = std::filesystem::absolute(folder / "erdo.tamo");
  EXPECT_EQ(status(), "Mentve: …/erdo.tamo");
  EXPECT_EQ(app.work_file(), file);
  app.j1Click();
  EXPECT_EQ(status(), "Új munka");
  EXPECT_EQ(app.work_file(), std::filesystem::path());
  app.open_work(file);
  EXPECT_EQ(status(), "Betöltve: …/erdo.tamo, 1 szoba, 0 élőlény, 0 tárgy");
  EXPECT_EQ(app.work_file(), file);
}

TEST_F(StatusLineTest, ABrokenOffLoadSaysSoAndAMissingFileNamesNoWork) {
  std::filesystem::path file = std::filesystem::absolute(folder / "fel.tamo");
  std::ofstream(file, std::ios::binary) << "CREATORPROJECT\r\nfel\r\nROOMBEGIN\r\n";
  app.open_work(file);
  EXPECT_EQ(status().rfind("Nem egészben betöltve: …/fel.tamo, ", 0), 0u) << status();
  EXPECT_EQ(app.work_file(), file);
  app.open_work(folder / "nincs.tamo");
  EXPECT_EQ(app.work_file(), std::filesystem::path());
}

TEST_F(StatusLineTest, TheDescriptionAndTheCreatorDataSayTheyWereStored) {
  app.Lers1Click();
  app.run_event([&] { app.description().descready.click(); });
  EXPECT_EQ(status(), "Leírás tárolva");
  app.Kszt1Click();
  app.run_event([&] { app.creator_data().Button1.click(); });
  EXPECT_EQ(status(), "A munka adatai tárolva");
  app.Kszt1Click();
  app.run_event([&] { app.creator_data().Button2.click(); });
  EXPECT_EQ(status(), "A munka adatai tárolva") << "Vissza stores nothing and says nothing";
}

TEST_F(StatusLineTest, AStoredItemPassedTheBalanceAndAnUnbalancedOneIsNotAnnounced) {
  editors::ItemEditor& e = bench.item_editor();
  app.Trgy1Click();
  e.panel.filename.type("gyuru");
  e.panel.name.type("Egy gyuru");
  e.panel.short_text.type("egy gyuru");
  e.panel.long_text.type("Egy szep gyuru.");
  e.is_weapon.set_index(editors::kind_index(ItemKind::armour));
  e.itemtype.user_select(e.itemtype.index_of("gyuru"));
  for (auto [box, text] : {std::pair{&e.itemminlevel, "0"}, std::pair{&e.rarity, "0"},
                           std::pair{&e.weight, "5"}, std::pair{&e.value, "500"}})
    box->user_set_text(text);
  app.run_event([&] { e.panel.ready_button.click(); });
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
  EXPECT_EQ(status(), "gyuru tárgy tárolva. A tárgy megfelel az egyensúlynak");

  e.value.user_set_text("900000");
  app.run_event([&] { e.panel.ready_button.click(); });
  ASSERT_EQ(platform.messages.size(), 1u) << "the verdict names the broken rule";
  EXPECT_EQ(status(), "");
}

TEST_F(StatusLineTest, ADoorSavedOnAnExitNamesBoth) {
  commit_room("udvar");
  commit_room("kapu");
  editors::ExitEditor& x = bench.room_editor().exits;
  app.run_event([&] { bench.room_editor().Button5.click(); });
  x.exitname.user_select(x.exitname.index_of("udvar"));
  x.posexits.user_set_text("kelet");
  app.run_event([&] { x.Button2.click(); });
  ASSERT_GE(x.exitdir.index_of("kelet"), 0);
  x.exitdir.user_select(x.exitdir.index_of("kelet"));
  x.doorname.user_set_text("vaskapu");
  app.run_event([&] { x.doorkeysave.click(); });
  EXPECT_EQ(status(), "kelet kijárat ajtaja: vaskapu");
}

}  // namespace
}  // namespace tamo::app::testing
