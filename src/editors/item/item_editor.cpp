#include "editors/item/item_editor.h"

#include "editors/item/field_filter.h"
#include "model/input_rules.h"
#include "model/numbers.h"
#include "model/storing.h"
#include "model/work.h"

namespace tamo::editors {

namespace {

constexpr std::string_view kLongEnd = "ITEMLONGEND";

// A radio index as the work file holds it; only a hand-edited file holds no number there.
std::optional<int> stored_index(const std::string& text) {
  try {
    return str2int(text);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

}  // namespace

ItemEditor::ItemEditor(EditorHost& host)
    : delete_dialog(host, [this] { ItemDelete(); }),
      ids_dialog(host, itemfilename),
      antis_dialog(host),
      bonuses_dialog(host),
      host_(host) {
  itemminlevel.set_max_length(3);
  rarity.set_max_length(3);
  rarity.set_hint("A tárgy ritkasága. Minél magasabb ez az érték, annál ritkább a tárgy.");
  weight.set_max_length(5);
  weight.set_hint("A tárgy súlya dekagrammban.");
  value.set_max_length(5);
  value.set_hint("A tárgy értéke aranyban.");
  wc1.set_max_length(2);
  wc2.set_max_length(2);
  my_mess.set_hint("Az a szöveg, amit nekem ír ki, ha megiszom. Pl.: Megiszod a pálinkát.");
  your_mess.set_hint(
      "Az a szöveg, amit másoknak ír ki, amikor én megiszom. Pl.: megissza a pálinkát. ( A "
      "nevet majd behelyettesíti.)");
  strength.set_hint("Az étel vagy ital erőssége, 1-10 : 1 a leggyengébb, 5 már igen erős.");

  itemfilename.on_change = [this] { itemfilenameChange(); };
  itemlong.on_change = [this] { itemlongChange(); };
  is_weapon.on_click = [this] { is_weaponClick(); };
  itemminlevel.on_change = [this] { itemminlevelChange(); };
  rarity.on_change = [this] { rarityChange(); };
  weight.on_change = [this] { weightChange(); };
  value.on_change = [this] { valueChange(); };
  strength.on_change = [this] { strengthChange(); };
  wc1.on_change = [this] { wc1Change(); };
  itemids.on_click = [this] { itemidsClick(); };
  antis.on_click = [this] { antisClick(); };
  bonuses.on_click = [this] { bonusesClick(); };
  b8.on_click = [this] { b8Click(); };
  b11.on_click = [this] { b11Click(); };
  b14.on_click = [this] { b14Click(); };

  // The panel starts on armour: its type list filled, both field groups hidden.
  is_weapon.set_index(kKindArmour);
  two_handed.set_index(0);
}

std::vector<controls::Form*> ItemEditor::forms() {
  return {&item, &delete_dialog.form, &ids_dialog.form, &antis_dialog.form, &bonuses_dialog.form};
}

void ItemEditor::init_item() {
  itemfilename.set_text({});
  itemshort.set_text({});
  itemname.set_text({});
  value.set_text({});
  weight.set_text({});
  rarity.set_text({});
  itemminlevel.set_text({});
  invisitem.set_checked(false);
  wc1.set_text({});
  wc2.set_text({});
  my_mess.set_text({});
  your_mess.set_text({});
  strength.set_text({});
  itemlong.clear_lines();
  itemtype.select(-1);
  is_weapon.set_index(kKindArmour);
  host_.closeallotherforms();
}

void ItemEditor::fill_filename_choices() {
  std::vector<std::string> names;
  for (const ditem& stored : host_.work().items) names.push_back(stored.filename);
  itemfilename.assign(std::move(names));
}

void ItemEditor::itemfilenameChange() {
  const std::string name = itemfilename.text();
  if (!validfilename(name)) {
    itemfilename.set_text({});
    return;
  }
  // An unknown name keeps what the panel shows, so typing a new name prepares a copy.
  if (const ditem* stored = item_exists(host_.work(), name)) load(*stored);
}

void ItemEditor::load(const ditem& stored) {
  itemshort.set_text(stored.short_);
  itemlong.set_text(stored.long_);
  itemname.set_text(stored.name);
  itemminlevel.set_text(stored.minlevel);
  rarity.set_text(stored.rarity);
  weight.set_text(stored.weight);
  value.set_text(stored.value);
  std::optional<int> kind = stored_index(stored.is_weapon);
  if (!kind)
    host_.debug("A tárgy típusa nem szám a munkafájlban (\"" + stored.is_weapon +
                "\"), ezért páncélként jelenik meg.");
  is_weapon.set_index(kind.value_or(kKindArmour));
  itemtype.set_text(stored.itemtype);
  invisitem.set_checked(strtob(stored.invisitem));
  wc1.set_text(stored.wc1);
  wc2.set_text(stored.wc2);
  my_mess.set_text(stored.my_mess);
  your_mess.set_text(stored.your_mess);
  strength.set_text(stored.strength);
  std::optional<int> hands = stored_index(stored.two_handed);
  if (!hands)
    host_.debug("A fegyver kezessége nem szám a munkafájlban (\"" + stored.two_handed +
                "\"), ezért egykezesként jelenik meg.");
  two_handed.set_index(hands.value_or(0));

  ditem& tmp = host_.work().tmpitem;
  copy_mixed(stored.ids, tmp.ids);
  copy_mixed(stored.antis, tmp.antis);
  auto from = bonus_fields(stored);
  auto to = bonus_fields(tmp);
  for (std::size_t k = 0; k < kBonusCount; ++k) *to[k] = *from[k];
}

void ItemEditor::itemlongChange() {
  // The marker would end the text early when the work file is read back.
  if (itemlong.text().find(kLongEnd) != std::string::npos) itemlong.set_text({});
}

void ItemEditor::is_weaponClick() {
  const KindLayout layout = kind_layout(is_weapon.index());
  itemtype.clear();
  for (std::string_view type : layout.types) itemtype.add(std::string(type));
  if (!layout.weapon_fields) {
    wc1.set_text({});
    wc2.set_text({});
    two_handed.set_index(0);
  }
  ifweapon.set_visible(layout.weapon_fields);
  if (!layout.food_fields) {
    my_mess.set_text({});
    your_mess.set_text({});
    strength.set_text({});
  }
  ifkajapia.set_visible(layout.food_fields);
  // The working copy's bonuses and restrictions stay; only the buttons follow the kind.
  bonuses.set_enabled(layout.judged_by_bonuses);
  antis.set_enabled(layout.judged_by_bonuses);
}

void ItemEditor::itemminlevelChange() {
  empty_unless(itemminlevel, validnumber);
}

void ItemEditor::rarityChange() {
  empty_unless(rarity, validnumber);
}

void ItemEditor::weightChange() {
  empty_unless(weight, validnumber);
}

void ItemEditor::valueChange() {
  empty_unless(value, validnumber);
}

void ItemEditor::strengthChange() {
  empty_unless(strength, validnumber);
}

void ItemEditor::wc1Change() {
  // wc2 has no handler of its own: it is policed whenever wc1 changes.
  empty_unless(wc1, validnumber);
  empty_unless(wc2, validnumber);
}

void ItemEditor::itemidsClick() {
  ids_dialog.open();
}

void ItemEditor::antisClick() {
  antis_dialog.open();
}

void ItemEditor::bonusesClick() {
  bonuses_dialog.open();
}

void ItemEditor::b8Click() {
  delete_dialog.open();
}

void ItemEditor::b11Click() {
  tmpitemclear(host_.work());
  init_item();
}

void ItemEditor::ItemDelete() {
  const std::string name = itemfilename.text();
  if (!delete_item(host_.work(), name)) return;
  init_item();
  itemfilename.remove(itemfilename.index_of(name));
}

}  // namespace tamo::editors
