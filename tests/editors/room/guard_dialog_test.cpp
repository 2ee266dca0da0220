#include <gtest/gtest.h>

#include <string>

#include "room_fixture.h"

namespace tamo::testing {
namespace {

class GuardDialogTest : public RoomEditorTest {
 protected:
  editors::GuardDialog& dialog = editor.guards;

  void SetUp() override {
    add_monster("orc");
    add_monster("troll");
    add_item("kard");
    add_mixed(work.tmproom.contents, "kard", "1");
    add_mixed(work.tmproom.contents, "troll", "2");
    add_mixed(work.tmproom.contents, "orc", "1");
    add_mixed(work.tmproom.exits, "eszak", "udvar");
    add_mixed(work.tmproom.exits, "kelet", "pince");
  }
  void guard_exit(std::string_view exit) {
    dialog.posguardexits.user_select(dialog.posguardexits.index_of(exit));
    dialog.Button1.click();
  }
  void enter_guard() {
    dialog.guardname.user_select(dialog.guardname.index_of("orc"));
    dialog.guardspeech.user_set_text("Nem mehetsz tovabb!");
    guard_exit("eszak");
    guard_exit("kelet");
  }
};

TEST_F(GuardDialogTest, OpeningOffersOnlyTheRoomsCreaturesAndItsExits) {
  dialog.guardspeech.user_set_text("regi");
  editor.Button8.click();
  EXPECT_EQ(dialog.guardname.items(), (std::vector<std::string>{"troll", "orc"}));
  EXPECT_EQ(dialog.guardname.selected(), -1);
  EXPECT_EQ(dialog.posguardexits.items(), (std::vector<std::string>{"eszak", "kelet"}));
  EXPECT_EQ(dialog.guardspeech.text(), "");
  EXPECT_EQ(dialog.guardexits.count(), 0u);
  EXPECT_TRUE(host.focus().on(dialog.guardname));
}

TEST_F(GuardDialogTest, ReadyStoresNameSpeechAndExitsFromTheLastRowToTheFirst) {
  editor.Button8.click();
  enter_guard();
  guard_exit("eszak");  // already guarded: not listed twice
  EXPECT_EQ(dialog.guardexits.items(), (std::vector<std::string>{"eszak", "kelet"}));
  dialog.Button4.click();
  EXPECT_EQ(entries(work.tmproom.guard),
            (std::vector<dmixed>{{"guardname", "orc"},
                                 {"guardspeech", "Nem mehetsz tovabb!"},
                                 {"kelet", "guarddir"},
                                 {"eszak", "guarddir"}}));
  EXPECT_FALSE(dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(GuardDialogTest, AnIncompleteGuardIsRefusedAndTheDialogStaysOpen) {
  for (int missing = 0; missing < 3; ++missing) {
    SCOPED_TRACE(missing);
    host.messages.clear();
    editor.Button8.click();
    enter_guard();
    if (missing == 0) dialog.guardname.select(-1);
    if (missing == 1) dialog.guardspeech.user_set_text("");
    if (missing == 2)
      while (dialog.guardexits.count() > 0) {
        dialog.guardexits.user_select(0);
        dialog.Button2.click();
      }
    dialog.Button4.click();
    EXPECT_EQ(host.messages, std::vector<std::string>{"Az őr megadása nem megfelelő!"});
    EXPECT_TRUE(dialog.form.visible());
    EXPECT_TRUE(work.tmproom.guard.empty());
    dialog.Button3.click();
  }
}

TEST_F(GuardDialogTest, ReopeningShowsTheGuardAndNoCreatureOnceItLeftTheContents) {
  editor.Button8.click();
  enter_guard();
  dialog.Button4.click();
  editor.Button8.click();
  EXPECT_EQ(dialog.guardname.text(), "orc");
  EXPECT_EQ(dialog.guardspeech.text(), "Nem mehetsz tovabb!");
  EXPECT_EQ(dialog.guardexits.items(), (std::vector<std::string>{"kelet", "eszak"}));
  dialog.Button3.click();

  delete_mixed(work.tmproom.contents, "orc");
  editor.Button8.click();
  EXPECT_EQ(dialog.guardname.selected(), -1);
  EXPECT_EQ(dialog.guardspeech.text(), "Nem mehetsz tovabb!");
  EXPECT_EQ(dialog.guardexits.count(), 2u);
}

TEST_F(GuardDialogTest, RemovingAGuardedExitTakesItFromTmproomEvenAfterBack) {
  editor.Button8.click();
  enter_guard();
  dialog.Button4.click();
  editor.Button8.click();
  dialog.guardexits.user_select(dialog.guardexits.index_of("kelet"));
  dialog.Button2.click();
  dialog.Button3.click();
  EXPECT_EQ(query_mixed(work.tmproom.guard, "kelet"), "");
  EXPECT_EQ(query_mixed(work.tmproom.guard, "eszak"), "guarddir");
}

TEST_F(GuardDialogTest, ReadyDoesNotWriteThroughButDeletingTheGuardDoes) {
  droom saved = work.tmproom;
  droom& stored = commit_room("kocsma");
  editor.Button8.click();
  enter_guard();
  dialog.Button4.click();
  EXPECT_TRUE(stored.guard.empty());
  editor.Button1.click();  // the room's own "Kész" takes the guard along
  EXPECT_EQ(query_mixed(stored.guard, "guardname"), "orc");

  editor.Button8.click();
  dialog.guarddelete.click();
  EXPECT_TRUE(work.tmproom.guard.empty());
  EXPECT_TRUE(stored.guard.empty());
  EXPECT_FALSE(dialog.form.visible());
  EXPECT_EQ(work.tmproom.contents, saved.contents);
}

}  // namespace
}  // namespace tamo::testing
