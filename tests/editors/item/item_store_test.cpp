#include <functional>
#include <string>
#include <vector>

#include "item_fixture.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

struct Step {
  std::function<void(ItemEditorTest&)> fill;
  const char* message;  // the refusal after the step, or nullptr once the item is stored
};

class CheckOrder : public ItemEditorTest {
 protected:
  // Presses "Kész" after each step: each press shows exactly the step's message and stores
  // nothing until the last.
  void walk(const std::vector<Step>& steps) {
    Strings expected;
    for (const Step& step : steps) {
      step.fill(*this);
      editor.panel.ready_button.click();
      if (step.message) expected.push_back(step.message);
      EXPECT_EQ(host.messages, expected)
          << "after the step before " << (step.message ? step.message : "storing");
      EXPECT_EQ(work().items.size(), step.message ? 0u : 1u);
      EXPECT_TRUE(host.focus().on(editor.panel.filename));
    }
  }
  template <class Box>
  void type(Box ItemEditor::*box, const char* text) {
    (editor.*box).type(text);
  }
};

TEST_F(CheckOrder, WeaponChecksComeOneAtATimeInTheirOrder) {
  walk({
      {[](auto&) {}, "Nincs fájlnév megadva!"},
      {[](auto& t) { t.editor.panel.filename.type("kard"); }, "Nincs név megadva!"},
      {[](auto& t) { t.editor.panel.name.type("Kard"); }, "Nincs rövid leírás megadva!"},
      {[](auto& t) { t.editor.panel.short_text.type("egy kard"); }, "Nincs hosszú leírás megadva!"},
      {[](auto& t) { t.editor.panel.long_text.type("Eles."); }, "Nincs minimum szint megadva!"},
      {[](auto& t) { t.editor.itemminlevel.type("20"); }, "Nincs ritkaság megadva!"},
      {[](auto& t) { t.editor.rarity.type("101"); },
       "A ritkasag erteke nem lehet 100-nal nagyobb!"},
      {[](auto& t) { t.editor.rarity.user_set_text("100"); }, "Nincs súly megadva!"},
      {[](auto& t) { t.editor.weight.type("100"); }, "Nincs érték megadva!"},
      {[](auto& t) {
         t.editor.value.type("2000");
         t.choose_kind(kind_index(ItemKind::weapon));
       },
       "Nincs típus megadva!"},
      {[](auto& t) { t.choose_type("zuzo"); }, "A fegyver sebzése nincs megfelelően megadva!"},
      {[](auto& t) { t.editor.wc1.type("3"); }, "A fegyver sebzése nincs megfelelően megadva!"},
      {[](auto& t) { t.editor.wc2.type("8"); }, nullptr},
  });
}

TEST_F(CheckOrder, FoodNeedsNoTypeButAllThreeOfItsFields) {
  walk({
      {[](auto& t) {
         t.enter_item("kenyer", 2);
         t.editor.strength.set_text({});
       },
       "Az étel vagy ital tulajdnoságok nincsenek megfelelően megadva!"},
      {[](auto& t) {
         t.editor.strength.type("3");
         t.editor.my_mess.set_text({});
       },
       "Az étel vagy ital tulajdnoságok nincsenek megfelelően megadva!"},
      {[](auto& t) { t.editor.my_mess.type("Megeszed."); }, nullptr},
  });
}

TEST_F(ItemEditorTest, ArmourWithoutATypeIsRefused) {
  enter_item("sisak");
  editor.itemtype.select(-1);
  editor.panel.ready_button.click();
  EXPECT_EQ(host.messages, Strings{"Nincs típus megadva!"});
  for (int kind : {5, 6}) {
    choose_kind(kind);
    editor.panel.ready_button.click();
  }
  EXPECT_EQ(host.messages.size(), 1u) << "keys and other items need no type";
  EXPECT_EQ(work().items.size(), 1u);
}

class NameClash : public ItemEditorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NameClash, ANameOfARoomOrCreatureIsRefusedBeforeAnythingElse) {
  if (GetParam()) {
    setup_room(work(), "kard");
  } else {
    setup_mons(work(), "kard");
  }
  editor.panel.filename.type("kard");
  editor.panel.ready_button.click();
  EXPECT_EQ(host.messages, Strings{"Már van ilyen fájlnév!"});
  enter_item("");
  editor.panel.ready_button.click();
  EXPECT_EQ(host.messages, (Strings{"Már van ilyen fájlnév!", "Már van ilyen fájlnév!"}));
  EXPECT_TRUE(work().items.empty());
}

INSTANTIATE_TEST_SUITE_P(RoomOrMonster, NameClash, ::testing::Bool());

TEST_F(ItemEditorTest, StoringCopiesEveryFieldAndTheWorkingCopy) {
  enter_item("csakany", kind_index(ItemKind::weapon));
  choose_type("ij");
  editor.two_handed.set_index(1);
  editor.invisitem.set_checked(true);
  add_mixed(work().tmpitem.ids, "csakany", "csakany");
  add_mixed(work().tmpitem.antis, "gonosz", "1");
  work().tmpitem.sb = "1";
  editor.panel.ready_button.click();

  ASSERT_TRUE(host.messages.empty()) << host.messages.front();
  const ditem* r = item_exists(work(), "csakany");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->name, "Egy targy");
  EXPECT_EQ(r->short_, "egy targy");
  EXPECT_EQ(r->long_, "Egy szep targy.");
  EXPECT_EQ(r->minlevel, "20");
  EXPECT_EQ(r->rarity, "0");
  EXPECT_EQ(r->weight, "100");
  EXPECT_EQ(r->value, "2000");
  EXPECT_EQ(r->itemtype, "ij");
  EXPECT_EQ(r->is_weapon, "1");
  EXPECT_EQ(r->invisitem, "1");
  EXPECT_EQ(r->wc1, "3");
  EXPECT_EQ(r->wc2, "8");
  EXPECT_EQ(r->two_handed, "1");
  EXPECT_EQ(r->my_mess, "");
  EXPECT_EQ(r->sb, "1");
  EXPECT_EQ(r->ids, tmpitem().ids);
  EXPECT_EQ(r->antis, tmpitem().antis);
  EXPECT_EQ(editor.panel.filename.items(), Strings{"csakany"});

  add_mixed(work().tmpitem.ids, "bot", "bot");
  EXPECT_EQ(query_mixed(r->ids, "bot"), "") << "the record holds a copy";
}

TEST_F(ItemEditorTest, StoringTwiceOverwritesTheOneRecord) {
  enter_item("gyuru");
  editor.panel.ready_button.click();
  editor.panel.name.set_text("Masik nev");
  editor.invisitem.set_checked(true);
  editor.panel.ready_button.click();
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(work().items.size(), 1u);
  EXPECT_EQ(work().items.head()->name, "Masik nev");
  EXPECT_EQ(work().items.head()->invisitem, "1");
  EXPECT_EQ(editor.panel.filename.items(), Strings{"gyuru"});
}

TEST_F(ItemEditorTest, StoreKeepsTheWorkingCopyForTheNextItemUntilNewItem) {
  enter_item("gyuru");
  add_mixed(work().tmpitem.antis, "jo", "1");
  work().tmpitem.ac = "1";
  editor.panel.ready_button.click();
  EXPECT_EQ(tmpitem().ac, "1");

  editor.panel.filename.set_text("gyuru2");
  editor.panel.ready_button.click();
  EXPECT_EQ(item_exists(work(), "gyuru2")->ac, "1");
  EXPECT_EQ(query_mixed(item_exists(work(), "gyuru2")->antis, "jo"), "1");

  editor.panel.new_button.click();
  EXPECT_EQ(tmpitem(), ditem{});
  enter_item("ora");
  editor.panel.ready_button.click();
  EXPECT_EQ(item_exists(work(), "ora")->ac, "");
  EXPECT_EQ(editor.panel.filename.items(), (Strings{"gyuru", "gyuru2", "ora"}));
}

TEST_F(ItemEditorTest, ARefusalLeavesTheStoredItemAndTheWorkingCopy) {
  enter_item("gyuru");
  work().tmpitem.hp = "3";
  editor.panel.ready_button.click();
  const ditem before = *work().items.head();
  editor.panel.name.set_text({});
  editor.rarity.set_text("9");
  work().tmpitem.hp = "4";
  editor.panel.ready_button.click();
  EXPECT_EQ(host.messages, Strings{"Nincs név megadva!"});
  EXPECT_EQ(*work().items.head(), before);
  EXPECT_EQ(tmpitem().hp, "4");
  EXPECT_EQ(editor.rarity.text(), "9");
}

}  // namespace
}  // namespace tamo::editors
