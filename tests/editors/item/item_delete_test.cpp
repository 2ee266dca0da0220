#include <string>
#include <vector>

#include "item_fixture.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

class ItemDelete : public ItemEditorTest {
 public:
  ItemDelete() {
    for (const char* name : {"kard", "sisak"}) {
      editor.panel.new_button.click();
      enter_item(name);
      editor.panel.ready_button.click();
    }
    editor.panel.filename.user_select(editor.panel.filename.index_of("kard"));
    add_mixed(work().tmpitem.ids, "kard", "kard");
    for (const char* owner : {"ork", "troll"}) {
      dmons& m = *setup_mons(work(), owner);
      add_mixed(m.equipment, "kard", "2");
      add_mixed(m.equipment, "sisak", "1");
    }
    add_mixed(setup_room(work(), "terem")->contents, "kard", "1");
  }

  Strings equipment_of(const char* owner) {
    Strings keys;
    for (const dmixed& e : mons_exists(work(), owner)->equipment) keys.push_back(e.key);
    return keys;
  }
};

TEST_F(ItemDelete, AsksWithTheFocusOnNoAndTheMainWindowDisabled) {
  editor.panel.delete_button.click();
  EXPECT_TRUE(editor.panel.delete_dialog.form.visible());
  EXPECT_TRUE(host.focus().on(editor.panel.delete_dialog.nemtorles));
  EXPECT_FALSE(host.main_enabled);
}

TEST_F(ItemDelete, NoAndTheCloseBoxKeepEverything) {
  const Work before = work();
  editor.panel.delete_button.click();
  editor.panel.delete_dialog.nemtorles.click();
  EXPECT_FALSE(editor.panel.delete_dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);

  editor.panel.delete_button.click();
  editor.panel.delete_dialog.form.close();
  EXPECT_TRUE(host.main_enabled);
  EXPECT_EQ(work().items.size(), before.items.size());
  EXPECT_EQ(equipment_of("ork"), (Strings{"kard", "sisak"}));
  EXPECT_EQ(editor.panel.filename.text(), "kard");
}

TEST_F(ItemDelete, YesRemovesTheItemItsEquipmentEntriesAndItsChoice) {
  editor.panel.delete_button.click();
  editor.panel.delete_dialog.yes.click();

  EXPECT_EQ(item_exists(work(), "kard"), nullptr);
  EXPECT_NE(item_exists(work(), "sisak"), nullptr);
  EXPECT_EQ(equipment_of("ork"), Strings{"sisak"});
  EXPECT_EQ(equipment_of("troll"), Strings{"sisak"});
  EXPECT_EQ(query_mixed(room_exists(work(), "terem")->contents, "kard"), "1")
      << "rooms' contents are not cleaned";
  EXPECT_EQ(editor.panel.filename.items(), Strings{"sisak"});
  EXPECT_EQ(editor.panel.filename.text(), "");
  EXPECT_EQ(editor.panel.name.text(), "");
  EXPECT_EQ(tmpitem(), ditem{});
  EXPECT_FALSE(editor.panel.delete_dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ItemDelete, YesForATypedNameDeletesTheChoiceOfThatName) {
  editor.panel.filename.user_set_text("sisak");
  editor.panel.delete_button.click();
  editor.panel.delete_dialog.yes.click();
  EXPECT_EQ(editor.panel.filename.items(), Strings{"kard"});
  EXPECT_EQ(equipment_of("ork"), Strings{"kard"});
}

TEST_F(ItemDelete, YesForAnUnstoredNameLeavesEquipmentAndThePanel) {
  editor.panel.filename.type("x");
  EXPECT_EQ(editor.panel.filename.text(), "kardx");
  add_mixed(setup_mons_named(work(), "ork")->equipment, "kardx", "1");
  editor.panel.delete_button.click();
  editor.panel.delete_dialog.yes.click();
  EXPECT_EQ(work().items.size(), 2u);
  EXPECT_EQ(equipment_of("ork"), (Strings{"kard", "sisak", "kardx"}))
      << "a name that is no item may still name something the creature carries";
  EXPECT_EQ(editor.panel.filename.text(), "kardx");
  EXPECT_EQ(editor.panel.name.text(), "Egy targy");
  EXPECT_EQ(tmpitem(), ditem{}) << "the dialog still clears the working copy";
  EXPECT_TRUE(host.main_enabled);
}

}  // namespace
}  // namespace tamo::editors
