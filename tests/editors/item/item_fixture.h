#pragma once

#include <gtest/gtest.h>

#include <string>

#include "balance/verdict.h"
#include "editors/item/item_editor.h"
#include "fake_host.h"

namespace tamo::editors {

// An item panel on a fake host, with the steps a builder takes to enter an item.
class ItemEditorTest : public ::testing::Test {
 public:
  ItemEditorTest() {
    balance::set_db();
    host.stack(editor.forms());
  }

  Work& work() { return host.work(); }
  const ditem& tmpitem() { return host.work().tmpitem; }

  void choose_kind(int kind) { editor.is_weapon.set_index(kind); }
  void choose_type(const std::string& type) {
    editor.itemtype.user_select(editor.itemtype.index_of(type));
  }

  // Every field the checks ask for, typed as a builder would, for a balanced item of the given
  // kind: a ring of level 0, a level 20 club of 3 d 8, or anything else with a strength of 5.
  void enter_item(const std::string& filename, int kind = kind_index(ItemKind::armour)) {
    editor.panel.filename.type(filename);
    editor.panel.name.type("Egy targy");
    editor.panel.short_text.type("egy targy");
    editor.panel.long_text.type("Egy szep targy.");
    choose_kind(kind);
    if (kind == kind_index(ItemKind::weapon)) {
      enter_numbers("20", "0", "100", "2000");
    } else {
      enter_numbers("0", "0", "5", "500");
    }
    if (kind == kind_index(ItemKind::armour)) choose_type("gyuru");
    if (kind == kind_index(ItemKind::weapon)) {
      choose_type("zuzo");
      enter_damage("3", "8");
    }
    if (editor.ifkajapia.visible()) {
      editor.my_mess.type("Megeszed.");
      editor.your_mess.type("megeszi.");
      editor.strength.type("5");
    }
  }

  void enter_numbers(const std::string& minlevel, const std::string& rarity,
                     const std::string& weight, const std::string& value) {
    editor.itemminlevel.user_set_text(minlevel);
    editor.rarity.user_set_text(rarity);
    editor.weight.user_set_text(weight);
    editor.value.user_set_text(value);
  }

  void enter_damage(const std::string& wc1, const std::string& wc2) {
    editor.wc2.user_set_text(wc2);
    editor.wc1.user_set_text(wc1);
  }

  // Opens "Bónuszok", types one bonus and confirms.
  void enter_bonus(controls::Edit ItemBonusesDialog::*box, const std::string& text) {
    editor.bonuses.click();
    (editor.bonuses_dialog.*box).user_set_text(text);
    editor.bonuses_dialog.Button1.click();
  }

  testing::FakeHost host;
  ItemEditor editor{host};
};

}  // namespace tamo::editors
