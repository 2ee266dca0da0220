#include <gtest/gtest.h>

#include <string>

#include "room_fixture.h"

namespace tamo::testing {
namespace {

class ThingsDialogTest : public RoomEditorTest {
 protected:
  editors::RoomThingsDialog& dialog = editor.things;

  void enter_thing(std::string_view name, std::string_view look, std::string_view smell,
                   std::string_view listen, std::string_view search) {
    dialog.itemname.type(name);
    dialog.looked.user_set_text(std::string(look));
    dialog.smelled.user_set_text(std::string(smell));
    dialog.listened.user_set_text(std::string(listen));
    dialog.searched.user_set_text(std::string(search));
    dialog.itemready.click();
  }
  std::vector<std::string> shown() const {
    return {dialog.looked.text(), dialog.smelled.text(), dialog.listened.text(),
            dialog.searched.text()};
  }
};

TEST_F(ThingsDialogTest, OpeningListsEveryKeyOnceInOrderOfFirstAppearance) {
  add_mixed(work.tmproom.search, "lada", "x");
  add_mixed(work.tmproom.items, "asztal", "x");
  add_mixed(work.tmproom.smell, "virag", "x");
  add_mixed(work.tmproom.smell, "asztal", "x");
  dialog.looked.user_set_text("regi");
  editor.RoomItems.click();
  EXPECT_EQ(dialog.itemname.items(), (std::vector<std::string>{"asztal", "virag", "lada"}));
  EXPECT_EQ(dialog.itemname.text(), "");
  EXPECT_EQ(dialog.looked.text(), "");
  EXPECT_TRUE(host.focus().on(dialog.itemname));
}

TEST_F(ThingsDialogTest, AThingWithOnlyASmellShowsItsSmellAndThreeEmptyTexts) {
  editor.RoomItems.click();
  enter_thing("virag", "", "Illatos.", "", "");
  EXPECT_EQ(entries(work.tmproom.items), (std::vector<dmixed>{{"virag", ""}}));
  EXPECT_EQ(entries(work.tmproom.smell), (std::vector<dmixed>{{"virag", "Illatos."}}));
  EXPECT_EQ(dialog.itemname.items(), std::vector<std::string>{"virag"});
  EXPECT_EQ(shown(), (std::vector<std::string>{"", "", "", ""}));

  dialog.looked.user_set_text("maradek");
  dialog.itemname.select(0);
  EXPECT_EQ(shown(), (std::vector<std::string>{"", "Illatos.", "", ""}));
}

TEST_F(ThingsDialogTest, AThingWithFourEmptyTextsLeavesTheEditsAsTheyWere) {
  editor.RoomItems.click();
  enter_thing("ko", "", "", "", "");
  dialog.looked.user_set_text("marad");
  dialog.itemname.type("ko");
  EXPECT_EQ(shown(), (std::vector<std::string>{"marad", "", "", ""}));
}

TEST_F(ThingsDialogTest, AnInvalidThingNameEmptiesTheBoxAndReadyWithNoNameDoesNothing) {
  editor.RoomItems.click();
  dialog.itemname.type("Asztal");
  EXPECT_EQ(dialog.itemname.text(), "sztal");
  dialog.itemname.user_set_text("nagy asztal");
  EXPECT_EQ(dialog.itemname.text(), "");
  dialog.looked.user_set_text("Egy asztal.");
  dialog.itemready.click();
  EXPECT_TRUE(work.tmproom.items.empty());
  EXPECT_EQ(dialog.looked.text(), "Egy asztal.");
}

TEST_F(ThingsDialogTest, ReadyWritesAllFourListsThroughToACommittedRoom) {
  commit_room("kocsma");
  editor.RoomItems.click();
  enter_thing("asztal", "Egy asztal.", "Sorszag.", "Csend.", "Egy erme.");
  const droom& stored = *room_exists(work, "kocsma");
  EXPECT_EQ(query_mixed(stored.items, "asztal"), "Egy asztal.");
  EXPECT_EQ(query_mixed(stored.smell, "asztal"), "Sorszag.");
  EXPECT_EQ(query_mixed(stored.listen, "asztal"), "Csend.");
  EXPECT_EQ(query_mixed(stored.search, "asztal"), "Egy erme.");
}

TEST_F(ThingsDialogTest, DeletingAThingDoesNotWriteThroughAndComesBackOnReopening) {
  commit_room("kocsma");
  editor.RoomItems.click();
  enter_thing("asztal", "Egy asztal.", "", "Csend.", "");
  dialog.itemname.type("asztal");
  dialog.Button1.click();
  EXPECT_EQ(dialog.itemname.count(), 0u);
  EXPECT_EQ(dialog.itemname.text(), "");
  EXPECT_EQ(shown(), (std::vector<std::string>{"", "", "", ""}));
  // The empty smell and search entries stay, as a delete of an empty value does.
  EXPECT_EQ(entries(work.tmproom.smell), (std::vector<dmixed>{{"asztal", ""}}));
  EXPECT_TRUE(work.tmproom.items.empty());
  EXPECT_TRUE(work.tmproom.listen.empty());
  EXPECT_EQ(query_mixed(room_exists(work, "kocsma")->items, "asztal"), "Egy asztal.");

  dialog.OKitems.click();
  editor.RoomItems.click();
  EXPECT_EQ(dialog.itemname.items(), std::vector<std::string>{"asztal"});
  EXPECT_EQ(query_mixed(work.tmproom.items, "asztal"), "Egy asztal.");
}

TEST_F(ThingsDialogTest, DeletingANameNotInTheListOnlyEmptiesTheFields) {
  editor.RoomItems.click();
  add_mixed(work.tmproom.items, "lada", "Egy lada.");
  dialog.itemname.type("lada");
  dialog.Button1.click();
  EXPECT_EQ(query_mixed(work.tmproom.items, "lada"), "Egy lada.");
  EXPECT_EQ(dialog.itemname.text(), "");
}

}  // namespace
}  // namespace tamo::testing
