#include <gtest/gtest.h>

#include <string>

#include "room_fixture.h"

namespace tamo::testing {
namespace {

class ContentsDialogTest : public RoomEditorTest {
 protected:
  editors::ContentsDialog& dialog = editor.contents;

  void SetUp() override {
    add_monster("troll");
    add_monster("orc");
    add_item("kard");
  }
  void add_monster_row(std::string_view name) {
    dialog.posmons.user_select(dialog.posmons.index_of(name));
    dialog.Button2.click();
  }
  void remove_row(std::string_view name) {
    dialog.contents.user_select(dialog.contents.index_of(name));
    dialog.Button4.click();
  }
};

TEST_F(ContentsDialogTest, OpeningOffersAllCreaturesAndItemsAndOneRowPerThing) {
  add_mixed(work.tmproom.contents, "orc", "2");
  add_mixed(work.tmproom.contents, "kard", "1");
  add_mixed(work.tmproom.contents, "semmi", "0");
  editor.Button4.click();
  EXPECT_EQ(dialog.posmons.items(), (std::vector<std::string>{"orc", "troll"}));
  EXPECT_EQ(dialog.positem.items(), std::vector<std::string>{"kard"});
  EXPECT_EQ(dialog.posmons.selected(), -1);
  EXPECT_EQ(dialog.contents.items(), (std::vector<std::string>{"kard", "orc", "orc"}));
  EXPECT_TRUE(host.focus().on(dialog.posmons));
}

TEST_F(ContentsDialogTest, AddingThreeAndRemovingCountsUpAndDown) {
  editor.Button4.click();
  for (int i = 0; i < 3; ++i) add_monster_row("orc");
  dialog.positem.user_select(0);
  dialog.Button3.click();
  EXPECT_EQ(dialog.contents.items(), (std::vector<std::string>{"kard", "orc", "orc", "orc"}));
  EXPECT_EQ(entries(work.tmproom.contents), (std::vector<dmixed>{{"orc", "3"}, {"kard", "1"}}));

  remove_row("orc");
  EXPECT_EQ(query_mixed(work.tmproom.contents, "orc"), "2");
  remove_row("orc");
  remove_row("orc");
  EXPECT_EQ(entries(work.tmproom.contents), (std::vector<dmixed>{{"kard", "1"}}));
  EXPECT_EQ(dialog.contents.items(), std::vector<std::string>{"kard"});
}

TEST_F(ContentsDialogTest, AddingWithoutAChoiceAndRemovingWithoutARowDoNothing) {
  editor.Button4.click();
  dialog.Button2.click();
  dialog.Button3.click();
  dialog.Button4.click();
  EXPECT_TRUE(work.tmproom.contents.empty());
  EXPECT_EQ(dialog.contents.count(), 0u);
}

TEST_F(ContentsDialogTest, ARowWhoseNameHasNoCountStays) {
  editor.Button4.click();
  dialog.contents.add("troll");
  remove_row("troll");
  EXPECT_EQ(dialog.contents.items(), std::vector<std::string>{"troll"});
}

TEST_F(ContentsDialogTest, ReadyWritesThroughAndTheCloseBoxKeepsTmproomOnly) {
  commit_room("kocsma");
  editor.Button4.click();
  add_monster_row("troll");
  dialog.form.close();
  EXPECT_TRUE(room_exists(work, "kocsma")->contents.empty());
  EXPECT_EQ(query_mixed(work.tmproom.contents, "troll"), "1");

  editor.Button4.click();  // tmproom, not the stored room, fills the list
  EXPECT_EQ(dialog.contents.items(), std::vector<std::string>{"troll"});
  dialog.kesz.click();
  EXPECT_EQ(entries(room_exists(work, "kocsma")->contents), (std::vector<dmixed>{{"troll", "1"}}));
  EXPECT_FALSE(dialog.form.visible());
}

class BadCount : public ContentsDialogTest,
                 public ::testing::WithParamInterface<std::pair<std::string, std::string>> {};

TEST_P(BadCount, StopsTheOpeningWithAMessageAndChangesNothing) {
  auto [count, message] = GetParam();
  add_mixed(work.tmproom.contents, "orc", "1");
  add_mixed(work.tmproom.contents, "troll", count);
  dialog.contents.add("regi");
  Work before = work;
  editor.Button4.click();
  EXPECT_EQ(host.messages, std::vector<std::string>{message});
  EXPECT_FALSE(dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
  EXPECT_EQ(dialog.contents.items(), std::vector<std::string>{"regi"});
  EXPECT_EQ(work.tmproom, before.tmproom);
}

INSTANTIATE_TEST_SUITE_P(
    LoadedCounts, BadCount,
    ::testing::Values(std::pair{"ketto", "'ketto' nem érvényes egész szám."},
                      std::pair{"99999999999", "'99999999999' nem érvényes egész szám."},
                      std::pair{"10001", "Túl nagy darabszám a szoba tartalmában: troll (10001)."},
                      std::pair{"2147483647",
                                "Túl nagy darabszám a szoba tartalmában: troll (2147483647)."}));

TEST_F(ContentsDialogTest, TheLargestCountIsListedInFull) {
  add_mixed(work.tmproom.contents, "orc", std::to_string(editors::ContentsDialog::kMaxCount));
  editor.Button4.click();
  EXPECT_EQ(dialog.contents.count(), static_cast<std::size_t>(editors::ContentsDialog::kMaxCount));
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace tamo::testing
