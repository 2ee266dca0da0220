#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "room_fixture.h"
#include "work_setup.h"

namespace tamo::testing {
namespace {

TEST_F(RoomEditorTest, DeleteAsksWithNoAsTheFocusedChoice) {
  commit_room("kocsma");
  editor.Button7.click();
  EXPECT_TRUE(editor.deletion.form.visible());
  EXPECT_EQ(editor.deletion.question.caption(), "Biztosan törölni akarod a szobát?");
  EXPECT_TRUE(host.focus().on(editor.deletion.nemtorles));
  EXPECT_FALSE(host.main_enabled);

  editor.deletion.nemtorles.click();
  EXPECT_FALSE(editor.deletion.form.visible());
  EXPECT_TRUE(host.main_enabled);
  EXPECT_EQ(work.rooms.size(), 1u);
  EXPECT_EQ(editor.filename.text(), "kocsma");
}

TEST_F(RoomEditorTest, YesDeletesTheRoomResetsThePanelAndMovesTheCurrentRoom) {
  droom& first = commit_room("kocsma");
  commit_room("akna");
  choose_room("kocsma");
  ASSERT_EQ(work.current_room, &first);
  add_mixed(work.tmproom.exits, "le", "akna");

  editor.Button7.click();
  editor.deletion.yes.click();

  EXPECT_FALSE(room_exists(work, "kocsma"));
  EXPECT_EQ(work.current_room, room_exists(work, "akna"));
  EXPECT_EQ(editor.filename.items(), std::vector<std::string>{"akna"});
  EXPECT_EQ(editor.filename.text(), "");
  EXPECT_EQ(editor.short_.text(), "");
  EXPECT_EQ(work.tmproom, droom{});
  EXPECT_TRUE(host.main_enabled);
  EXPECT_FALSE(editor.deletion.form.visible());
}

TEST_F(RoomEditorTest, DeletingTheLastRoomLeavesNoCurrentRoom) {
  commit_room("kocsma");
  editor.Button7.click();
  editor.deletion.yes.click();
  EXPECT_TRUE(work.rooms.empty());
  EXPECT_EQ(work.current_room, nullptr);
}

TEST_F(RoomEditorTest, DeletingAnUnknownNameOnlyClearsTmproom) {
  commit_room("kocsma");
  choose_room("pince");
  add_mixed(work.tmproom.exits, "le", "akna");
  editor.Button7.click();
  editor.deletion.yes.click();
  EXPECT_EQ(work.rooms.size(), 1u);
  EXPECT_EQ(editor.filename.text(), "pince");
  EXPECT_EQ(editor.short_.text(), "Egy szoba");
  EXPECT_EQ(work.tmproom, droom{});
}

TEST_F(RoomEditorTest, DeletingOneOfTwoLoadedRoomsOfOneNameKeepsTheName) {
  setup_room(work, "pince")->short_ = "elso";
  setup_room(work, "pince")->short_ = "masodik";
  editor.fill_filename_choices();
  choose_room("pince");
  EXPECT_EQ(editor.short_.text(), "masodik");
  editor.Button7.click();
  editor.deletion.yes.click();
  ASSERT_EQ(work.rooms.size(), 1u);
  EXPECT_EQ(work.rooms[0].short_, "elso");
  EXPECT_EQ(editor.filename.items(), std::vector<std::string>{"pince"});
}

TEST_F(RoomEditorTest, InitRoomHidesTheSideDialogs) {
  editor.init_room();
  EXPECT_EQ(host.closeallotherforms_calls, 1);
}

TEST_F(RoomEditorTest, EveryDialogOpensInFrontWithTheMainWindowDisabledAndEveryCloseEnablesIt) {
  struct Route {
    controls::Button& opener;
    controls::Form& form;
    std::vector<controls::Button*> leavers;  // and the close box
  };
  std::vector<Route> routes = {
      {editor.RoomProperties, editor.properties.form, {&editor.properties.OkProperties}},
      {editor.RoomItems, editor.things.form, {&editor.things.OKitems}},
      {editor.Button5, editor.exits.form, {&editor.exits.Button3, &editor.exits.Button5}},
      {editor.Button4, editor.contents.form, {&editor.contents.kesz}},
      {editor.Button8, editor.guards.form, {&editor.guards.Button3, &editor.guards.guarddelete}},
      {editor.Button7, editor.deletion.form, {&editor.deletion.nemtorles}}};
  commit_room("kocsma");
  editor.room.show();
  for (Route& route : routes) {
    route.leavers.push_back(nullptr);
    for (controls::Button* leaver : route.leavers) {
      SCOPED_TRACE(route.form.name() + " " + (leaver ? leaver->name() : "close box"));
      route.opener.click();
      EXPECT_TRUE(route.form.visible());
      EXPECT_GT(route.form.front_order(), editor.room.front_order());
      EXPECT_FALSE(host.main_enabled);
      if (leaver) {
        leaver->click();
      } else {
        route.form.close();
      }
      EXPECT_FALSE(route.form.visible());
      EXPECT_TRUE(host.main_enabled);
    }
  }
}

}  // namespace
}  // namespace tamo::testing
