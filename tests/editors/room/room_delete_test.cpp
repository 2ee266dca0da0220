#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "room_fixture.h"

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
  editor.deletion.oktorles.click();

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
  editor.deletion.oktorles.click();
  EXPECT_TRUE(work.rooms.empty());
  EXPECT_EQ(work.current_room, nullptr);
}

TEST_F(RoomEditorTest, DeletingAnUnknownNameOnlyClearsTmproom) {
  commit_room("kocsma");
  choose_room("pince");
  add_mixed(work.tmproom.exits, "le", "akna");
  editor.Button7.click();
  editor.deletion.oktorles.click();
  EXPECT_EQ(work.rooms.size(), 1u);
  EXPECT_EQ(editor.filename.text(), "pince");
  EXPECT_EQ(editor.short_.text(), "Egy szoba");
  EXPECT_EQ(work.tmproom, droom{});
}

TEST_F(RoomEditorTest, DeletingOneOfTwoLoadedRoomsOfOneNameKeepsTheName) {
  work.rooms.add("pince")->short_ = "elso";
  work.rooms.add("pince")->short_ = "masodik";
  editor.fill_filename_choices();
  choose_room("pince");
  EXPECT_EQ(editor.short_.text(), "masodik");
  editor.Button7.click();
  editor.deletion.oktorles.click();
  ASSERT_EQ(work.rooms.size(), 1u);
  EXPECT_EQ(work.rooms[0].short_, "elso");
  EXPECT_EQ(editor.filename.items(), std::vector<std::string>{"pince"});
}

TEST_F(RoomEditorTest, InitRoomHidesTheSideDialogs) {
  editor.init_room();
  EXPECT_EQ(host.closeallotherforms_calls, 1);
}

// Each way a room dialog is opened from the panel, and one way of leaving it.
struct DialogRoute {
  const char* name;
  std::function<controls::Button&(editors::RoomEditor&)> opener;
  std::function<controls::Form&(editors::RoomEditor&)> form;
  std::function<controls::Button*(editors::RoomEditor&)> leaver;  // none: the close box
};

class DialogProtocol : public RoomEditorTest, public ::testing::WithParamInterface<DialogRoute> {};

TEST_P(DialogProtocol, OpensInFrontWithTheMainWindowDisabledAndEveryCloseEnablesIt) {
  const DialogRoute& route = GetParam();
  commit_room("kocsma");
  controls::Form& form = route.form(editor);
  editor.room.show();

  route.opener(editor).click();
  EXPECT_TRUE(form.visible());
  EXPECT_GT(form.front_order(), editor.room.front_order());
  EXPECT_FALSE(host.main_enabled);

  if (controls::Button* leaver = route.leaver(editor)) {
    leaver->click();
  } else {
    form.close();
  }
  EXPECT_FALSE(form.visible());
  EXPECT_TRUE(host.main_enabled);
}

using E = editors::RoomEditor;
INSTANTIATE_TEST_SUITE_P(
    AllRoomDialogs, DialogProtocol,
    ::testing::Values(
        DialogRoute{"properties_ok", [](E& e) -> auto& { return e.RoomProperties; },
                    [](E& e) -> auto& { return e.properties.form; },
                    [](E& e) { return &e.properties.OkProperties; }},
        DialogRoute{"properties_box", [](E& e) -> auto& { return e.RoomProperties; },
                    [](E& e) -> auto& { return e.properties.form; },
                    [](E&) -> controls::Button* { return nullptr; }},
        DialogRoute{"things_back", [](E& e) -> auto& { return e.RoomItems; },
                    [](E& e) -> auto& { return e.things.form; },
                    [](E& e) { return &e.things.OKitems; }},
        DialogRoute{"things_box", [](E& e) -> auto& { return e.RoomItems; },
                    [](E& e) -> auto& { return e.things.form; },
                    [](E&) -> controls::Button* { return nullptr; }},
        DialogRoute{"exits_ready", [](E& e) -> auto& { return e.Button5; },
                    [](E& e) -> auto& { return e.exits.form; },
                    [](E& e) { return &e.exits.Button3; }},
        DialogRoute{"exits_back", [](E& e) -> auto& { return e.Button5; },
                    [](E& e) -> auto& { return e.exits.form; },
                    [](E& e) { return &e.exits.Button5; }},
        DialogRoute{"exits_box", [](E& e) -> auto& { return e.Button5; },
                    [](E& e) -> auto& { return e.exits.form; },
                    [](E&) -> controls::Button* { return nullptr; }},
        DialogRoute{"contents_ready", [](E& e) -> auto& { return e.Button4; },
                    [](E& e) -> auto& { return e.contents.form; },
                    [](E& e) { return &e.contents.kesz; }},
        DialogRoute{"contents_box", [](E& e) -> auto& { return e.Button4; },
                    [](E& e) -> auto& { return e.contents.form; },
                    [](E&) -> controls::Button* { return nullptr; }},
        DialogRoute{"guards_back", [](E& e) -> auto& { return e.Button8; },
                    [](E& e) -> auto& { return e.guards.form; },
                    [](E& e) { return &e.guards.Button3; }},
        DialogRoute{"guards_delete", [](E& e) -> auto& { return e.Button8; },
                    [](E& e) -> auto& { return e.guards.form; },
                    [](E& e) { return &e.guards.guarddelete; }},
        DialogRoute{"guards_box", [](E& e) -> auto& { return e.Button8; },
                    [](E& e) -> auto& { return e.guards.form; },
                    [](E&) -> controls::Button* { return nullptr; }},
        DialogRoute{"delete_no", [](E& e) -> auto& { return e.Button7; },
                    [](E& e) -> auto& { return e.deletion.form; },
                    [](E& e) { return &e.deletion.nemtorles; }},
        DialogRoute{"delete_box", [](E& e) -> auto& { return e.Button7; },
                    [](E& e) -> auto& { return e.deletion.form; },
                    [](E&) -> controls::Button* { return nullptr; }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tamo::testing
