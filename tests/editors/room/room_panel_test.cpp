#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "room_fixture.h"
#include "work_setup.h"

namespace tamo::testing {
namespace {

TEST_F(RoomEditorTest, PanelControlsCarryTheirCaptionsHintsAndLimits) {
  EXPECT_EQ(editor.filename.caption(), "Fájlnév");
  EXPECT_EQ(editor.filename.max_length(), 8u);
  EXPECT_TRUE(editor.filename.sorted());
  EXPECT_EQ(editor.filename.style(), controls::ComboBox::Style::editable);
  EXPECT_EQ(editor.short_.name(), "short");
  EXPECT_EQ(editor.long_.name(), "long");
  EXPECT_EQ(editor.RoomItems.hint(),
            "Itt adhatod meg a szobában nézhető, kereshető, szagolható és hallgatható tárgyakat.");
  EXPECT_EQ(editor.Button4.hint(),
            "Itt adhatod meg a szoba tartalmát (pl a szobában található előlények és földön lévő "
            "tárgyak).");
  std::vector<std::pair<std::string, std::string>> forms;
  for (const controls::Form* f : editor.forms()) forms.emplace_back(f->name(), f->caption());
  EXPECT_EQ(forms, (std::vector<std::pair<std::string, std::string>>{{"room", "Szoba"},
                                                                     {"Form2", "Szoba jellemzők"},
                                                                     {"Form3", "Szoba törlése"},
                                                                     {"Form4", "Tárgyak"},
                                                                     {"Form5", "Kijáratszerkesztő"},
                                                                     {"Form7", "A szoba tartalma"},
                                                                     {"Form18", "Őrök"}}));
}

class FilenameTyping : public RoomEditorTest,
                       public ::testing::WithParamInterface<std::tuple<std::string, std::string>> {
};

TEST_P(FilenameTyping, BreakingTheRuleEmptiesTheBox) {
  auto [typed, shown] = GetParam();
  editor.filename.type(typed);
  EXPECT_EQ(editor.filename.text(), shown);
  EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Keystrokes, FilenameTyping,
                         ::testing::Values(std::tuple{"kocsma_2", "kocsma_2"},
                                           std::tuple{"kocsmaudvar", "kocsmaud"},  // 8 typed
                                           std::tuple{"Kocsma", "ocsma"},
                                           std::tuple{"kocs ma", "ma"}, std::tuple{"kocsmá", ""},
                                           std::tuple{"12", ""}, std::tuple{"a12", "a12"}));

TEST_F(RoomEditorTest, ChoosingAStoredRoomLoadsItsTextsAndListsIntoTmproom) {
  add_mixed(work.tmproom.exits, "kelet", "udvar");
  add_mixed(work.tmproom.guard, "guardname", "orc");
  editor.smelldefault.user_set_text("Sor");
  editor.listendefault.user_set_text("Zaj");
  droom stored = commit_room("kocsma", "A kocsma", "Füstös.\r\nSötét.");
  editor.Button6.click();
  add_mixed(work.tmproom.items, "asztal", "Egy asztal.");

  choose_room("kocsma");

  EXPECT_EQ(editor.short_.text(), "A kocsma");
  EXPECT_EQ(editor.long_.text(), "Füstös.\r\nSötét.");
  EXPECT_EQ(editor.smelldefault.text(), "Sor");
  EXPECT_EQ(editor.listendefault.text(), "Zaj");
  droom expected;
  expected.exits = stored.exits;
  expected.guard = stored.guard;
  EXPECT_EQ(work.tmproom, expected);
}

TEST_F(RoomEditorTest, TypingANewNameKeepsFieldsAndTmproomSoARoomCanBeCopied) {
  commit_room("kocsma", "A kocsma");
  add_mixed(work.tmproom.exits, "fel", "padlas");
  choose_room("pince");
  EXPECT_EQ(editor.short_.text(), "A kocsma");
  EXPECT_EQ(query_mixed(work.tmproom.exits, "fel"), "padlas");
}

TEST_F(RoomEditorTest, LongTextHoldingTheEndMarkerIsEmptied) {
  editor.long_.user_set_text("Szoveg");
  editor.long_.type("\nROOMLONGEN");
  EXPECT_EQ(editor.long_.text(), "Szoveg\r\nROOMLONGEN");
  editor.long_.type("D");
  EXPECT_EQ(editor.long_.text(), "");
  editor.long_.user_set_text("xROOMLONGENDx");
  EXPECT_EQ(editor.long_.text(), "");
}

struct Refusal {
  std::string name;
  std::string short_text;
  std::string long_text;
  std::string message;
};

class CommitRefusal : public RoomEditorTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(CommitRefusal, ShowsOneMessageAndChangesNothing) {
  const Refusal& r = GetParam();
  add_monster("orc");
  add_item("kard");
  add_mixed(work.tmproom.exits, "kelet", "udvar");
  Work before = work;
  choose_room(r.name);
  editor.short_.user_set_text(r.short_text);
  editor.long_.user_set_text(r.long_text);

  editor.Button1.click();

  EXPECT_EQ(host.messages, std::vector<std::string>{r.message});
  EXPECT_EQ(work.rooms.size(), 0u);
  EXPECT_EQ(work.tmproom, before.tmproom);
  EXPECT_EQ(editor.filename.count(), 0u);
  EXPECT_EQ(editor.short_.text(), r.short_text);
  EXPECT_TRUE(host.focus().on(editor.filename));
}

INSTANTIATE_TEST_SUITE_P(InOrderOfChecking, CommitRefusal,
                         ::testing::Values(Refusal{"orc", "", "", "Már van ilyen fájlnév!"},
                                           Refusal{"kard", "r", "h", "Már van ilyen fájlnév!"},
                                           Refusal{"", "", "", "Nincs fájlnév megadva!"},
                                           Refusal{"kocsma", "", "", "Nincs rövid leírás megadva!"},
                                           Refusal{"kocsma", "r", "",
                                                   "Nincs hosszú leírás megadva!"}));

TEST_F(RoomEditorTest, CommitAppendsNewRoomsAndOnlyTheFirstBecomesCurrent) {
  add_mixed(work.tmproom.properties, "light", "4");
  droom* first = &commit_room("kocsma", "A kocsma", "Hosszu");
  EXPECT_EQ(work.current_room, first);
  EXPECT_EQ(first->short_, "A kocsma");
  EXPECT_EQ(first->long_, "Hosszu");
  EXPECT_EQ(query_mixed(first->properties, "light"), "4");
  EXPECT_EQ(query_mixed(work.tmproom.properties, "light"), "4");  // kept after storing
  EXPECT_EQ(editor.short_.text(), "A kocsma");

  commit_room("akna");
  EXPECT_EQ(work.current_room, first);
  EXPECT_EQ(&work.rooms[1], room_exists(work, "akna"));
  EXPECT_EQ(editor.filename.items(), (std::vector<std::string>{"akna", "kocsma"}));
}

TEST_F(RoomEditorTest, CommittingAnExistingNameOverwritesInPlace) {
  commit_room("kocsma", "Regi");
  commit_room("akna");
  choose_room("kocsma");
  add_mixed(work.tmproom.doors, "le", "csapoajto");
  editor.short_.user_set_text("Uj");
  editor.Button1.click();
  editor.Button1.click();  // twice in a row: still one room
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(work.rooms.size(), 2u);
  EXPECT_EQ(work.rooms[0].filename, "kocsma");
  EXPECT_EQ(work.rooms[0].short_, "Uj");
  EXPECT_EQ(query_mixed(work.rooms[0].doors, "le"), "csapoajto");
  EXPECT_EQ(editor.filename.items(), (std::vector<std::string>{"akna", "kocsma"}));
}

TEST_F(RoomEditorTest, CommitEmptiesTheThingNameChoicesAndFocusesTheFileName) {
  editor.things.itemname.add("asztal");
  host.focus().set(&editor.short_);
  commit_room("kocsma");
  EXPECT_EQ(editor.things.itemname.count(), 0u);
  EXPECT_TRUE(host.focus().on(editor.filename));
}

TEST_F(RoomEditorTest, NewRoomEmptiesThePanelAndTmproomAndHidesTheDialogs) {
  commit_room("kocsma");
  add_mixed(work.tmproom.contents, "orc", "1");
  editor.smelldefault.user_set_text("Sor");
  editor.Button6.click();
  for (const controls::Edit* e : std::initializer_list<const controls::Edit*>{
           &editor.short_, &editor.long_, &editor.smelldefault, &editor.listendefault})
    EXPECT_EQ(e->text(), "") << e->name();
  EXPECT_EQ(editor.filename.text(), "");
  EXPECT_EQ(work.tmproom, droom{});
  EXPECT_EQ(host.closeallotherforms_calls, 1);
  EXPECT_TRUE(host.focus().on(editor.filename));
  EXPECT_EQ(work.rooms.size(), 1u);
}

TEST_F(RoomEditorTest, FillingTheChoicesListsEveryStoredRoomNameOnce) {
  setup_room(work, "pince");
  setup_room(work, "akna");
  setup_room(work, "pince");
  editor.filename.add("regi");
  editor.fill_filename_choices();
  EXPECT_EQ(editor.filename.items(), (std::vector<std::string>{"akna", "pince"}));
}

}  // namespace
}  // namespace tamo::testing
