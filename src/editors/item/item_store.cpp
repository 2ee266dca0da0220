#include "editors/item/item_editor.h"

#include "model/numbers.h"
#include "model/storing.h"
#include "model/work.h"

namespace tamo::editors {

balance::ItemValues ItemEditor::item_values() const {
  const ditem& tmp = host_.work().tmpitem;
  balance::ItemValues values;
  values.minlevel = itemminlevel.text();
  values.rarity = rarity.text();
  values.weight = weight.text();
  values.value = value.text();
  values.itemtype = itemtype.text();
  values.is_weapon = is_weapon.index();
  values.two_handed = two_handed.index();
  values.wc1 = wc1.text();
  values.wc2 = wc2.text();
  values.strength = strength.text();
  auto bonus = bonus_fields(tmp);
  for (std::size_t k = 0; k < kBonusCount; ++k) values.bonuses[k] = *bonus[k];
  values.antis = tmp.antis;
  return values;
}

std::optional<std::string> ItemEditor::item_refusal() const {
  if (auto common = common_store_refusal(host_.work(), RecordKind::item, panel.filename.text()))
    return common;
  if (auto missing = panel.missing_text()) return missing;
  if (itemminlevel.text().empty()) return "Nincs minimum szint megadva!";
  if (rarity.text().empty()) return "Nincs ritkaság megadva!";
  if (str2int(rarity.text()) > 100) return "A ritkasag erteke nem lehet 100-nal nagyobb!";
  if (weight.text().empty()) return "Nincs súly megadva!";
  if (value.text().empty()) return "Nincs érték megadva!";
  const int kind = is_weapon.index();
  if (kind <= kind_index(ItemKind::weapon) && itemtype.selected() < 0)
    return "Nincs típus megadva!";
  if (kind == kind_index(ItemKind::weapon) && (wc1.text().empty() || wc2.text().empty()))
    return "A fegyver sebzése nincs megfelelően megadva!";
  if (kind_layout(kind).food_fields &&
      (my_mess.text().empty() || your_mess.text().empty() || strength.text().empty()))
    return "Az étel vagy ital tulajdnoságok nincsenek megfelelően megadva!";
  return std::nullopt;
}

std::optional<std::string> ItemEditor::commit_item() {
  if (std::optional<std::string> refusal = item_refusal()) return refusal;
  std::string verdict = balance::balance(item_values());
  if (verdict != "ok") return verdict;
  panel.record.store();
  return std::nullopt;
}

bool ItemEditor::pending_edits() const {
  return panel.record.pending(blank_);
}

void ItemEditor::take_fields(ditem& record) const {
  texts_.take(record);
  record.is_weapon = kept_kind_.value_or(std::to_string(is_weapon.index()));
  record.invisitem = btostr(invisitem.checked());
  record.two_handed = kept_hands_.value_or(std::to_string(two_handed.index()));
}

}  // namespace tamo::editors
