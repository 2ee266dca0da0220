#include <gtest/gtest.h>

#include <string>

#include "room_fixture.h"
#include "work_setup.h"

namespace tamo::testing {
namespace {

class PropertiesDialogTest : public RoomEditorTest {
 protected:
  editors::RoomPropertiesDialog& dialog = editor.properties;
};

TEST_F(PropertiesDialogTest, AnEmptyListShowsOutsideAverageLightAndNothingForbidden) {
  editor.RoomProperties.click();
  EXPECT_EQ(dialog.indoors.index(), 0);
  EXPECT_EQ(dialog.light.items()[dialog.light.index()], "Átlagos fényviszonyok");
  EXPECT_FALSE(dialog.nomagic.checked());
  EXPECT_TRUE(host.focus().on(dialog.indoors));
  EXPECT_EQ(dialog.nemszabad.caption(), "Nem szabad");
}

TEST_F(PropertiesDialogTest, ReadyStoresEveryKeyInOrderWithLightAsPositionMinusThree) {
  editor.RoomProperties.click();
  dialog.indoors.set_index(1);
  dialog.light.set_index(0);  // "Mágikus sötétség"
  dialog.nosteal.set_checked(true);
  dialog.nocommunicate.set_checked(true);
  dialog.OkProperties.click();
  EXPECT_EQ(entries(work.tmproom.properties), (std::vector<dmixed>{{"indoors", "1"},
                                                                   {"light", "-3"},
                                                                   {"no attack", "0"},
                                                                   {"no magic", "0"},
                                                                   {"no steal", "1"},
                                                                   {"no teleport", "0"},
                                                                   {"no rest", "0"},
                                                                   {"no sleep", "0"},
                                                                   {"no talk", "0"},
                                                                   {"no communicate", "1"}}));
  EXPECT_FALSE(dialog.form.visible());
}

TEST_F(PropertiesDialogTest, OpeningShowsTheStoredValues) {
  add_mixed(work.tmproom.properties, "light", "5");
  add_mixed(work.tmproom.properties, "indoors", "1");
  add_mixed(work.tmproom.properties, "no talk", "1");
  add_mixed(work.tmproom.properties, "no rest", "yes");  // only "1" ticks
  editor.RoomProperties.click();
  EXPECT_EQ(dialog.indoors.index(), 1);
  EXPECT_EQ(dialog.light.index(), 8);
  EXPECT_TRUE(dialog.notalk.checked());
  EXPECT_FALSE(dialog.norest.checked());
}

TEST_F(PropertiesDialogTest, ReadyOfAnUncommittedRoomChangesOnlyTmproom) {
  commit_room("udvar");
  Work before = work;
  choose_room("kocsma");
  editor.RoomProperties.click();
  dialog.noattack.set_checked(true);
  dialog.OkProperties.click();
  EXPECT_EQ(query_mixed(work.tmproom.properties, "no attack"), "1");
  EXPECT_EQ(work.rooms[0], before.rooms[0]);
}

TEST_F(PropertiesDialogTest, ReadyOfACommittedRoomWritesThroughAtOnce) {
  commit_room("kocsma");
  editor.RoomProperties.click();
  dialog.noattack.set_checked(true);
  dialog.OkProperties.click();
  EXPECT_EQ(query_mixed(room_exists(work, "kocsma")->properties, "no attack"), "1");
}

TEST_F(PropertiesDialogTest, ReopeningACommittedRoomDiscardsUncommittedChanges) {
  commit_room("kocsma");
  add_mixed(work.tmproom.properties, "light", "-2");
  editor.RoomProperties.click();
  EXPECT_EQ(dialog.light.index(), 5);
  EXPECT_TRUE(work.tmproom.properties.empty());
}

TEST_F(PropertiesDialogTest, TheCloseBoxStoresNothing) {
  editor.RoomProperties.click();
  dialog.nomagic.set_checked(true);
  dialog.form.close();
  EXPECT_TRUE(work.tmproom.properties.empty());
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(PropertiesDialogTest, LightAboveTheChoicesShowsTheLastAndIsStoredAsItsValue) {
  add_mixed(work.tmproom.properties, "light", "2147483647");  // must not overflow
  editor.RoomProperties.click();
  EXPECT_EQ(dialog.light.index(), 8);
  dialog.OkProperties.click();
  EXPECT_EQ(query_mixed(work.tmproom.properties, "light"), "5");
}

TEST_F(PropertiesDialogTest, LightBelowTheChoicesShowsNoneAndKeepsTheStoredValue) {
  add_mixed(work.tmproom.properties, "light", "-7");
  add_mixed(work.tmproom.properties, "indoors", "-2147483648");
  editor.RoomProperties.click();
  EXPECT_EQ(dialog.light.index(), -1);
  EXPECT_EQ(dialog.indoors.index(), -1);
  dialog.OkProperties.click();
  EXPECT_EQ(query_mixed(work.tmproom.properties, "light"), "-7");
  EXPECT_EQ(query_mixed(work.tmproom.properties, "indoors"), "-2147483648");
  editor.RoomProperties.click();
  dialog.light.set_index(2);
  dialog.OkProperties.click();
  EXPECT_EQ(query_mixed(work.tmproom.properties, "light"), "-1");
}

TEST_F(PropertiesDialogTest, AStoredValueThatIsNoNumberStopsTheOpeningWithAMessage) {
  commit_room("kocsma");
  add_mixed(setup_room_named(work, "kocsma")->properties, "light", "sok");
  add_mixed(work.tmproom.properties, "indoors", "1");
  Work before = work;
  editor.RoomProperties.click();
  EXPECT_EQ(host.messages, std::vector<std::string>{"'sok' nem érvényes egész szám."});
  EXPECT_FALSE(dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
  EXPECT_EQ(work.tmproom, before.tmproom);
}

}  // namespace
}  // namespace tamo::testing
