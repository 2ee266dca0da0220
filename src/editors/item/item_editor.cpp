#include "editors/item/item_editor.h"

#include "editors/common/field_filter.h"
#include "editors/common/panel_record.h"
#include "model/input_rules.h"
#include "model/numbers.h"
#include "model/storing.h"
#include "model/work.h"

namespace tamo::editors {

namespace {

// The panel's component names as the window and the builders' documentation know them.
const SharedPanelNames kItemPanel{"item",      "Tárgy",    "itemfilename", "itemname",
                                  "itemshort", "itemlong", "itemids",      "b8",
                                  "b11",       "Új tárgy", "b14"};

// A radio index as the work file holds it; only a hand-edited file holds no number there.
std::optional<int> stored_index(std::string_view text) {
  try {
    return str2int(text);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// Shows a stored radio index. A stored text the group cannot show as it is (not a number, or
// out of range) is told to the builder (`message(true)` when it is no number) and returned,
// to be stored again until the builder chooses; a text the group shows faithfully gives none.
// The messages are made only when told: every item shown passes here.
template <class Message>
std::optional<std::string> show_stored_index(controls::RadioGroup& group, std::string_view text,
                                             int fallback, const Message& message,
                                             EditorHost& host) {
  std::optional<int> index = stored_index(text);
  group.set_index(index.value_or(fallback));
  if (!index) {
    host.debug(message(true));
  } else if (*index >= static_cast<int>(group.items().size()) || *index < -1) {
    host.debug(message(false));
  }
  if (std::to_string(group.index()) == text) return std::nullopt;
  return std::string(text);
}

}  // namespace

ItemEditor::ItemEditor(EditorHost& host)
    : panel(
          host, kItemPanel,
          {"Form11", "Tárgy törlése", "Label1", "Biztosan törölni akarod a tárgyat ?", "Button1"},
          {"Form12", "itemids", "itemnewids", true, false}, [this] { init_item(); },
          [this](ditem& i) { take_fields(i); }, [this](const ditem& i) { load(i); },
          [this] { return commit_item(); }),
      antis_dialog(host),
      bonuses_dialog(host),
      host_(host),
      texts_(panel.short_text, &ditem::short_, panel.long_text, &ditem::long_, panel.name,
             &ditem::name, itemminlevel, &ditem::minlevel, rarity, &ditem::rarity, weight,
             &ditem::weight, value, &ditem::value, itemtype, &ditem::itemtype, wc1, &ditem::wc1,
             wc2, &ditem::wc2, my_mess, &ditem::my_mess, your_mess, &ditem::your_mess, strength,
             &ditem::strength) {
  rarity.set_hint("A tárgy ritkasága. Minél magasabb ez az érték, annál ritkább a tárgy.");
  weight.set_hint("A tárgy súlya dekagrammban.");
  value.set_hint("A tárgy értéke aranyban.");
  wc1.set_max_length(2);
  wc2.set_max_length(2);
  my_mess.set_hint("Az a szöveg, amit nekem ír ki, ha megiszom. Pl.: Megiszod a pálinkát.");
  your_mess.set_hint(
      "Az a szöveg, amit másoknak ír ki, amikor én megiszom. Pl.: megissza a pálinkát. ( A "
      "nevet majd behelyettesíti.)");
  strength.set_hint("Az étel vagy ital erőssége, 1-10 : 1 a leggyengébb, 5 már igen erős.");

  is_weapon.on_click = [this] { is_weaponClick(); };
  wc1.on_change = [this] { wc1Change(); };
  panel.dialogs.add(antis, antis_dialog, bonuses, bonuses_dialog);
  panel.new_button.on_click = [this] { b11Click(); };

  // The panel starts on armour: its type list filled, both field groups hidden.
  is_weapon.set_index(kind_index(ItemKind::armour));
  two_handed.set_index(0);
  two_handed.on_click = [this] { kept_hands_.reset(); };
  blank_ = panel.record.contents();
  const ditem fresh;
  copy_lists(kItemLists, fresh, blank_);
  copy_bonuses(fresh, blank_);
}

std::vector<controls::Form*> ItemEditor::forms() {
  return panel.dialogs.forms();
}

void ItemEditor::init_item() {
  panel.record.empty(texts_);
  invisitem.set_checked(false);
  is_weapon.set_index(kind_index(ItemKind::armour));
  kept_kind_.reset();
  kept_hands_.reset();
  host_.closeallotherforms();
}

void ItemEditor::fill_filename_choices() {
  panel.record.fill_choices();
}

void ItemEditor::load(const ditem& stored) {
  // The kind first: it fills the type list and hides what the kind has not, and the texts
  // shown after it stay as stored.
  std::optional<std::string> kept_kind = show_stored_index(
      is_weapon, stored.is_weapon, kind_index(ItemKind::armour),
      [&stored](bool not_a_number) {
        const std::string kind = "(\"" + stored.is_weapon + "\")";
        return not_a_number ? "A tárgy típusa nem szám a munkafájlban " + kind +
                                  ", ezért páncélként jelenik meg."
                            : "A tárgy típusa a munkafájlban nincs a választhatók között " + kind +
                                  ". Amíg nem választasz típust, a tárolt érték marad.";
      },
      host_);
  texts_.show(stored);
  invisitem.set_checked(strtob(stored.invisitem));
  std::optional<std::string> kept_hands = show_stored_index(
      two_handed, stored.two_handed, 0,
      [&stored](bool not_a_number) {
        const std::string hands = "(\"" + stored.two_handed + "\")";
        return not_a_number ? "A fegyver kezessége nem szám a munkafájlban " + hands +
                                  ", ezért egykezesként jelenik meg."
                            : "A fegyver kezessége a munkafájlban nincs a választhatók között " +
                                  hands + ". Amíg nem választasz, a tárolt érték marad.";
      },
      host_);
  kept_kind_ = std::move(kept_kind);
  kept_hands_ = std::move(kept_hands);

  copy_lists(kItemLists, stored, host_.work().tmpitem);
  copy_bonuses(stored, host_.work().tmpitem);
}

void ItemEditor::is_weaponClick() {
  kept_kind_.reset();
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
  // What the builder cannot see is not stored: a kind without bonuses drops them. A loaded
  // item's own values are copied in after its kind is shown, so they stay.
  if (!layout.judged_by_bonuses) {
    ditem& tmp = host_.work().tmpitem;
    for (Text* bonus : bonus_fields(tmp)) bonus->clear();
    clear_mixed(tmp.antis);
  }
  bonuses.set_enabled(layout.judged_by_bonuses);
  antis.set_enabled(layout.judged_by_bonuses);
}

void ItemEditor::wc1Change() {
  // wc2 has no handler of its own: it is policed whenever wc1 changes.
  empty_unless(wc1, validnumber);
  empty_unless(wc2, validnumber);
}

void ItemEditor::b11Click() {
  tmpitemclear(host_.work());
  init_item();
}

}  // namespace tamo::editors
