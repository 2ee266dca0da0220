#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monster_fixture.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

class MonsterDeleteTest : public MonsterEditorTest {
 protected:
  void SetUp() override {
    ASSERT_NE(commit_creature("ork"), nullptr);
    ed.panel.new_button.click();
    ASSERT_NE(commit_creature("troll"), nullptr);
    droom& cave = *setup_room(work(), "barlang");
    add_mixed(cave.contents, "ork", "3");
    add_mixed(cave.contents, "kard", "1");
    add_mixed(setup_room(work(), "erdo")->contents, "ork", "1");
    add_mixed(work().tmproom.contents, "ork", "1");
    ed.panel.filename.set_text("ork");
    add_mixed(work().tmpmons.speech, "Hahó!", "0");
    ed.panel.delete_button.click();
  }
  droom& room(const char* name) { return *setup_room_named(work(), name); }
};

TEST_F(MonsterDeleteTest, OpensInFrontWithNoFocusedAndTheMainWindowDisabled) {
  EXPECT_TRUE(ed.panel.delete_dialog.form.visible());
  EXPECT_EQ(ed.panel.delete_dialog.question.caption(), "Biztosan törölni akarod az élőlényt ?");
  EXPECT_GT(ed.panel.delete_dialog.form.front_order(), ed.panel.form.front_order());
  EXPECT_FALSE(host.main_enabled);
  EXPECT_TRUE(host.focus().on(ed.panel.delete_dialog.nemtorles));
}

TEST_F(MonsterDeleteTest, YesRemovesTheCreatureFromTheWorkAndEveryRoom) {
  ed.panel.delete_dialog.yes.click();
  EXPECT_EQ(work().monsters.size(), 1u);
  EXPECT_FALSE(work().monsters.contains("ork"));
  EXPECT_EQ(query_mixed(room("barlang").contents, "ork"), "");
  EXPECT_EQ(query_mixed(room("barlang").contents, "kard"), "1");
  EXPECT_TRUE(room("erdo").contents.empty());
  EXPECT_EQ(query_mixed(work().tmproom.contents, "ork"), "1") << "the room being edited keeps it";
  EXPECT_EQ(ed.panel.filename.items(), Strings{"troll"});
  EXPECT_EQ(ed.panel.filename.text(), "");
  EXPECT_EQ(ed.panel.name.text(), "");
  EXPECT_TRUE(work().tmpmons.speech.empty());
  EXPECT_FALSE(ed.panel.delete_dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
  EXPECT_TRUE(host.messages.empty());
}

// The name may be an item's: its entries in the rooms stay.
TEST_F(MonsterDeleteTest, YesForAnUnstoredNameOnlyEmptiesTmpmons) {
  ed.panel.delete_dialog.form.close();
  setup_item(work(), "kard");
  ed.panel.filename.set_text("");
  ed.panel.filename.type("kard");
  ed.panel.name.set_text("Megmarad");
  ed.panel.delete_button.click();
  ed.panel.delete_dialog.yes.click();
  EXPECT_EQ(work().monsters.size(), 2u);
  EXPECT_EQ(query_mixed(room("barlang").contents, "kard"), "1");
  EXPECT_EQ(query_mixed(room("barlang").contents, "ork"), "3");
  EXPECT_EQ(ed.panel.name.text(), "Megmarad") << "no creature, no reset";
  EXPECT_TRUE(work().tmpmons.speech.empty());
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(MonsterDeleteTest, NoAndTheCloseBoxChangeNothing) {
  ed.panel.delete_dialog.nemtorles.click();
  EXPECT_FALSE(ed.panel.delete_dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
  ed.panel.delete_button.click();
  ed.panel.delete_dialog.form.close();
  EXPECT_TRUE(host.main_enabled);
  EXPECT_EQ(work().monsters.size(), 2u);
  EXPECT_EQ(query_mixed(room("barlang").contents, "ork"), "3");
  EXPECT_EQ(query_mixed(work().tmpmons.speech, "Hahó!"), "0");
  EXPECT_EQ(ed.panel.filename.text(), "ork");
}

}  // namespace
}  // namespace tamo::editors
