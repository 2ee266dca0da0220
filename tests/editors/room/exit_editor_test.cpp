#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "editors/room/exit_names.h"
#include "room_fixture.h"
#include "work_setup.h"

namespace tamo::testing {
namespace {

TEST(ExitNames, EveryStandardNameHasItsPairAndOtherWordsHaveNone) {
  for (std::string_view name : editors::kExitNames) {
    std::string back = editors::iranypar(name);
    EXPECT_FALSE(back.empty()) << name;
    EXPECT_EQ(editors::iranypar(back), name);
  }
  EXPECT_EQ(editors::iranypar("kelet"), "nyugat");
  EXPECT_EQ(editors::iranypar("eszaknyugat"), "delkelet");
  EXPECT_EQ(editors::iranypar("le"), "fel");
  EXPECT_EQ(editors::iranypar("lyuk"), "");
  EXPECT_EQ(editors::iranypar("Kelet"), "");
}

TEST(ExitNames, QueryExitFindsTheLastRoomOfTheTargetName) {
  Work work;
  droom& from = *setup_room(work, "kocsma");
  setup_room(work, "udvar");
  droom* later = setup_room(work, "udvar");
  add_mixed(from.exits, "kelet", "udvar");
  add_mixed(from.exits, "le", "nincs");
  EXPECT_EQ(editors::query_exit(work, from, "kelet"), later);
  EXPECT_EQ(editors::query_exit(work, from, "le"), nullptr);
  EXPECT_EQ(editors::query_exit(work, from, "fel"), nullptr);
}

class ExitEditorTest : public RoomEditorTest {
 protected:
  editors::ExitEditor& dialog = editor.exits;

  void SetUp() override {
    commit_room("udvar");
    commit_room("pince");
    commit_room("kocsma");
  }
  void add_exit(std::string_view exit, std::string_view target) {
    dialog.posexits.user_set_text(std::string(exit));
    dialog.exitname.user_select(dialog.exitname.index_of(target));
    dialog.Button2.click();
  }
  void select_exit(std::string_view exit) {
    dialog.exitdir.user_select(dialog.exitdir.index_of(exit));
  }
  bool door_controls_enabled() const {
    return dialog.doorname.enabled() && dialog.doorkey.enabled() && dialog.doordelete.enabled() &&
           dialog.keydelete.enabled() && dialog.doorkeysave.enabled();
  }
  bool door_controls_disabled() const {
    return !dialog.doorname.enabled() && !dialog.doorkey.enabled() &&
           !dialog.doordelete.enabled() && !dialog.keydelete.enabled() &&
           !dialog.doorkeysave.enabled();
  }
  droom& room(std::string_view name) { return *setup_room_named(work, name); }
};

TEST_F(ExitEditorTest, OpeningListsTheStandardNamesTheOtherRoomsAndTheRoomsExits) {
  add_mixed(room("kocsma").exits, "le", "pince");
  add_mixed(work.tmproom.exits, "fel", "padlas");  // not committed: the reload drops it
  add_item("kulcs2", "5");
  add_item("kard", "0");
  add_item("kulcs1", "5");
  dialog.exitdesc.set_text("regi");
  editor.Button5.click();
  EXPECT_EQ(dialog.posexits.items(),
            (std::vector<std::string>{"kelet", "nyugat", "eszak", "del", "eszakkelet",
                                      "eszaknyugat", "delnyugat", "delkelet", "fel", "le"}));
  EXPECT_EQ(dialog.exitname.items(), (std::vector<std::string>{"pince", "udvar"}));
  EXPECT_EQ(dialog.exitdir.items(), std::vector<std::string>{"le"});
  EXPECT_EQ(dialog.doorkey.items(), (std::vector<std::string>{"kulcs2", "kulcs1"}));
  EXPECT_EQ(dialog.doorkey.selected(), -1);
  EXPECT_TRUE(door_controls_disabled());
  EXPECT_TRUE(host.focus().on(dialog.posexits));
  EXPECT_TRUE(dialog.exitdesc.read_only());
}

TEST_F(ExitEditorTest, AnUncommittedRoomOffersEveryStoredRoom) {
  choose_room("akna");
  editor.Button5.click();
  EXPECT_EQ(dialog.exitname.items(), (std::vector<std::string>{"kocsma", "pince", "udvar"}));
}

TEST_F(ExitEditorTest, AddingAnExitWritesTheReverseExitIntoTheTargetAtOnce) {
  editor.Button5.click();
  add_exit("kelet", "udvar");
  EXPECT_EQ(entries(work.tmproom.exits), (std::vector<dmixed>{{"kelet", "udvar"}}));
  EXPECT_EQ(dialog.exitdir.items(), std::vector<std::string>{"kelet"});
  EXPECT_EQ(entries(room("udvar").exits), (std::vector<dmixed>{{"nyugat", "kocsma"}}));
  EXPECT_TRUE(room("kocsma").exits.empty());  // its own exits wait for "Kész"
  EXPECT_EQ(dialog.posexits.text(), "");
}

TEST_F(ExitEditorTest, ATargetWithAnExitInTheOppositeDirectionIsLeftAlone) {
  add_mixed(room("udvar").exits, "nyugat", "pince");
  editor.Button5.click();
  add_exit("kelet", "udvar");
  EXPECT_EQ(entries(room("udvar").exits), (std::vector<dmixed>{{"nyugat", "pince"}}));
}

TEST_F(ExitEditorTest, AnOwnExitNameAddsAndRemovesNoReverseExit) {
  Work before = work;
  editor.Button5.click();
  add_exit("lyuk", "udvar");
  EXPECT_EQ(query_mixed(work.tmproom.exits, "lyuk"), "udvar");
  EXPECT_EQ(room("udvar"), before.rooms[0]);
  add_mixed(room("udvar").exits, "nyugat", "kocsma");
  select_exit("lyuk");
  dialog.Button1.click();
  EXPECT_EQ(query_mixed(room("udvar").exits, "nyugat"), "kocsma");
}

TEST_F(ExitEditorTest, AddingAgainRedirectsTheExitAndTheEarlierTargetKeepsItsReverse) {
  editor.Button5.click();
  add_exit("fel", "udvar");
  add_exit("kelet", "udvar");
  add_exit("fel", "pince");
  EXPECT_EQ(entries(work.tmproom.exits),
            (std::vector<dmixed>{{"fel", "pince"}, {"kelet", "udvar"}}));
  EXPECT_EQ(dialog.exitdir.items(), (std::vector<std::string>{"fel", "kelet"}));
  EXPECT_EQ(query_mixed(room("udvar").exits, "le"), "kocsma");
  EXPECT_EQ(query_mixed(room("pince").exits, "le"), "kocsma");
}

TEST_F(ExitEditorTest, AddingWithoutANameOrATargetOnlyEmptiesTheBoxes) {
  editor.Button5.click();
  dialog.posexits.type("kelet");
  dialog.Button2.click();
  dialog.exitname.user_select(0);
  dialog.exitdesc.set_text("x");
  dialog.Button2.click();
  EXPECT_TRUE(work.tmproom.exits.empty());
  EXPECT_EQ(dialog.exitdesc.text(), "");
}

class ExitWordTyping : public ExitEditorTest,
                       public ::testing::WithParamInterface<std::tuple<std::string, std::string>> {
};

TEST_P(ExitWordTyping, AnythingButLowerCaseLettersEmptiesTheBox) {
  auto [typed, shown] = GetParam();
  editor.Button5.click();
  dialog.posexits.type(typed);
  EXPECT_EQ(dialog.posexits.text(), shown);
  add_exit("kelet", "udvar");
  select_exit("kelet");
  dialog.doorname.type(typed);
  EXPECT_EQ(dialog.doorname.text(), shown);
}

INSTANTIATE_TEST_SUITE_P(Keystrokes, ExitWordTyping,
                         ::testing::Values(std::tuple{"lyuk", "lyuk"}, std::tuple{"lyUk", "k"},
                                           std::tuple{"lyuk2", ""}, std::tuple{"a lyuk", "lyuk"},
                                           std::tuple{"lyukó", ""}, std::tuple{"le_", ""}));

TEST_F(ExitEditorTest, SelectingAnExitShowsItsTargetDoorAndKeyAndEnablesTheDoorControls) {
  add_item("rozsdas", "5");
  add_mixed(room("kocsma").exits, "le", "pince");
  add_mixed(work.tmproom.doors, "le", "csapoajto");
  add_mixed(work.tmproom.keys, "le", "rozsdas");
  editor.Button5.click();
  select_exit("le");
  EXPECT_EQ(dialog.exitdesc.text(), "pince");
  EXPECT_EQ(dialog.doorname.text(), "csapoajto");
  EXPECT_EQ(dialog.doorkey.text(), "rozsdas");
  EXPECT_TRUE(door_controls_enabled());
}

TEST_F(ExitEditorTest, AKeyThatIsNoLongerAKeyItemShowsNoKey) {
  add_item("rozsdas", "0");
  add_mixed(room("kocsma").exits, "le", "pince");
  add_mixed(work.tmproom.keys, "le", "rozsdas");
  editor.Button5.click();
  select_exit("le");
  EXPECT_EQ(dialog.doorkey.selected(), -1);
}

TEST_F(ExitEditorTest, SavingADoorStoresDoorAndChosenKeyInTmproom) {
  add_item("rozsdas", "5");
  editor.Button5.click();
  add_exit("le", "pince");
  select_exit("le");
  dialog.doorkeysave.click();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Nincs ajtónév megadva!"});
  EXPECT_TRUE(work.tmproom.doors.empty());

  dialog.doorname.type("csapoajto");
  dialog.doorkey.user_select(0);
  dialog.doorkeysave.click();
  EXPECT_EQ(entries(work.tmproom.doors), (std::vector<dmixed>{{"le", "csapoajto"}}));
  EXPECT_EQ(entries(work.tmproom.keys), (std::vector<dmixed>{{"le", "rozsdas"}}));

  dialog.doorkey.select(-1);  // without a key chosen the key stays
  dialog.doorname.user_set_text("vasajto");
  dialog.doorkeysave.click();
  EXPECT_EQ(query_mixed(work.tmproom.doors, "le"), "vasajto");
  EXPECT_EQ(query_mixed(work.tmproom.keys, "le"), "rozsdas");
  EXPECT_TRUE(room("kocsma").doors.empty());
}

TEST_F(ExitEditorTest, DeletingTheDoorTakesItsKeyAndDeletingTheKeyLeavesTheDoor) {
  add_item("rozsdas", "5");
  editor.Button5.click();
  add_exit("le", "pince");
  add_exit("fel", "udvar");
  for (std::string_view exit : {"le", "fel"}) {
    select_exit(exit);
    dialog.doorname.user_set_text("ajto");
    dialog.doorkey.user_select(0);
    dialog.doorkeysave.click();
  }
  select_exit("fel");
  dialog.keydelete.click();
  EXPECT_EQ(dialog.doorkey.selected(), -1);
  EXPECT_EQ(query_mixed(work.tmproom.doors, "fel"), "ajto");
  EXPECT_EQ(query_mixed(work.tmproom.keys, "fel"), "");

  select_exit("le");
  dialog.doordelete.click();
  EXPECT_EQ(dialog.doorname.text(), "");
  EXPECT_EQ(dialog.doorkey.selected(), -1);
  EXPECT_EQ(entries(work.tmproom.doors), (std::vector<dmixed>{{"fel", "ajto"}}));
  EXPECT_TRUE(work.tmproom.keys.empty());
}

TEST_F(ExitEditorTest, DoorButtonsDoNothingWithoutASelectedExit) {
  add_mixed(work.tmproom.doors, "le", "csapoajto");
  add_mixed(work.tmproom.keys, "le", "rozsdas");
  editor.Button5.click();
  droom before = work.tmproom;
  // The buttons are disabled here; the handlers themselves must still do nothing.
  dialog.doordeleteClick();
  dialog.keydeleteClick();
  dialog.doorkeysaveClick();
  EXPECT_EQ(work.tmproom, before);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ExitEditorTest, RemovingOnBothSidesTakesTheReverseExitThatLeadsBack) {
  add_mixed(room("udvar").exits, "fel", "kocsma");
  editor.Button5.click();
  add_exit("kelet", "udvar");  // writes udvar's "nyugat" back to kocsma
  add_mixed(room("udvar").doors, "nyugat", "kapu");
  add_exit("le", "pince");
  select_exit("kelet");
  dialog.doorname.user_set_text("kapu");
  dialog.doorkeysave.click();

  dialog.Button1.click();

  EXPECT_EQ(entries(work.tmproom.exits), (std::vector<dmixed>{{"le", "pince"}}));
  EXPECT_TRUE(work.tmproom.doors.empty());
  EXPECT_EQ(dialog.exitdir.items(), std::vector<std::string>{"le"});
  EXPECT_EQ(entries(room("udvar").exits), (std::vector<dmixed>{{"fel", "kocsma"}}));
  EXPECT_EQ(query_mixed(room("udvar").doors, "nyugat"), "kapu");
  EXPECT_EQ(entries(room("kocsma").exits), (std::vector<dmixed>{{"le", "pince"}}));  // through
  EXPECT_EQ(dialog.doorname.text(), "");
  EXPECT_TRUE(door_controls_disabled());
}

// The target's exit in the opposite direction belongs to this exit only when it leads back.
TEST_F(ExitEditorTest, RemovingOnBothSidesLeavesAnOppositeExitThatLeadsElsewhere) {
  struct Case {
    const char* opposite_target;
    const char* left_in_target;
  };
  for (const Case& c : {Case{"pince", "pince"}, Case{"", ""}, Case{"kocsma", ""}}) {
    droom& udvar = room("udvar");
    clear_mixed(udvar.exits);
    if (*c.opposite_target) add_mixed(udvar.exits, "nyugat", c.opposite_target);
    editor.Button5.click();
    add_exit("kelet", "udvar");
    select_exit("kelet");
    dialog.Button1.click();
    EXPECT_EQ(query_mixed(room("udvar").exits, "nyugat"), c.left_in_target) << c.opposite_target;
    EXPECT_TRUE(room("kocsma").exits.empty());
    dialog.Button5.click();
  }
}

TEST_F(ExitEditorTest, RemovingOnThisSideOnlyLeavesEveryStoredRoomAlone) {
  editor.Button5.click();
  add_exit("kelet", "udvar");
  dialog.Button3.click();
  Work before = work;
  editor.Button5.click();
  select_exit("kelet");
  dialog.doorname.user_set_text("kapu");
  dialog.doorkeysave.click();

  dialog.Button4.click();

  EXPECT_TRUE(work.tmproom.exits.empty());
  EXPECT_TRUE(work.tmproom.doors.empty());
  EXPECT_EQ(dialog.exitdir.count(), 0u);
  EXPECT_TRUE(door_controls_disabled());
  for (std::size_t i = 0; i < work.rooms.size(); ++i) EXPECT_EQ(work.rooms[i], before.rooms[i]);
}

TEST_F(ExitEditorTest, RemovingWithNothingSelectedChangesNoList) {
  editor.Button5.click();
  add_exit("kelet", "udvar");
  Work before = work;
  dialog.Button1.click();
  dialog.Button4.click();
  EXPECT_EQ(work.tmproom, before.tmproom);
  EXPECT_EQ(room("udvar"), before.rooms[0]);
}

TEST_F(ExitEditorTest, ReadyWritesExitsDoorsAndKeysThroughAndBackKeepsThemInTmproom) {
  editor.Button5.click();
  add_exit("le", "pince");
  select_exit("le");
  dialog.doorname.user_set_text("csapo");
  dialog.doorkeysave.click();
  dialog.Button5.click();
  EXPECT_TRUE(room("kocsma").exits.empty());
  EXPECT_EQ(query_mixed(work.tmproom.doors, "le"), "csapo");

  editor.Button5.click();  // reloads the exits only; the door survives
  EXPECT_EQ(dialog.exitdir.count(), 0u);
  add_exit("le", "pince");
  dialog.Button3.click();
  const droom& stored = room("kocsma");
  EXPECT_EQ(entries(stored.exits), (std::vector<dmixed>{{"le", "pince"}}));
  EXPECT_EQ(entries(stored.doors), (std::vector<dmixed>{{"le", "csapo"}}));
  EXPECT_FALSE(dialog.form.visible());
}

TEST_F(ExitEditorTest, TheReverseExitOfAnUncommittedRoomNamesItsTypedName) {
  choose_room("akna");
  editor.Button5.click();
  add_exit("eszak", "pince");
  EXPECT_EQ(query_mixed(room("pince").exits, "del"), "akna");
}

TEST_F(ExitEditorTest, ARoomWithoutAFileNameWritesNoReverseExit) {
  editor.Button6.click();
  editor.Button5.click();
  add_exit("kelet", "udvar");
  EXPECT_EQ(query_mixed(work.tmproom.exits, "kelet"), "udvar");
  EXPECT_TRUE(room("udvar").exits.empty());
}

TEST_F(ExitEditorTest, TheGuardListsOwnKeysAreRefusedAsExitNames) {
  editor.Button5.click();
  for (const char* name : {"guardname", "guardspeech"}) {
    dialog.posexits.type(name);
    EXPECT_EQ(dialog.posexits.text(), "") << name;
    dialog.posexits.user_set_text(name);
    EXPECT_EQ(dialog.posexits.text(), "") << name;
  }
  dialog.posexits.type("guard");
  EXPECT_EQ(dialog.posexits.text(), "guard");
}

TEST_F(ExitEditorTest, OpeningShowsNoTargetLeftFromTheRoomBefore) {
  editor.Button5.click();
  add_exit("le", "pince");
  select_exit("le");
  ASSERT_EQ(dialog.exitdesc.text(), "pince");
  dialog.Button5.click();
  choose_room("udvar");
  editor.Button5.click();
  EXPECT_EQ(dialog.exitdesc.text(), "");
}

}  // namespace
}  // namespace tamo::testing
