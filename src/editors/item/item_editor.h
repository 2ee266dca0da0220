#pragma once

#include <optional>
#include <string>
#include <vector>

#include "balance/verdict.h"
#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/common/host.h"
#include "editors/common/number_box.h"
#include "editors/common/shared_panel.h"
#include "editors/common/text_fields.h"
#include "editors/item/item_antis_dialog.h"
#include "editors/item/item_bonuses_dialog.h"
#include "editors/item/item_kinds.h"
#include "model/input_rules.h"

namespace tamo::editors {

// The item panel: one item of the work at a time. Its scalar fields live in the controls;
// its ids, restrictions and bonuses in the working copy `tmpitem`, edited by the dialogs.
class ItemEditor {
 public:
  explicit ItemEditor(EditorHost& host);

  // The form, file-name box, name, descriptions, "Azonosítók", "Törlés", "Új tárgy", "Kész"
  // and the delete and id dialogs.
  SharedPanel<ditem> panel;

  NumberBox itemminlevel{"itemminlevel", "Minimum szint", validnumber, 3};
  NumberBox rarity{"rarity", "Ritkaság", validnumber, 3};
  NumberBox weight{"weight", "Súly", validnumber, 5};
  NumberBox value{"value", "Érték", validnumber, 5};
  controls::ComboBox itemtype{"itemtype", "Típus", controls::ComboBox::Style::drop_down_list, true};
  controls::RadioGroup is_weapon{"is_weapon", "Típus", item_kind_names(), 2};
  controls::CheckBox invisitem{"invisitem", "   Láthatatlan tárgy"};

  // Group "Ha fegyver": wc1, the label "d", wc2 and two_handed.
  controls::Group ifweapon{"ifweapon", "Ha fegyver"};
  controls::Edit wc1{"wc1", "Sebzés"};
  controls::Label wcd{"wcd", "d"};
  controls::Edit wc2{"wc2"};
  controls::RadioGroup two_handed{"two_handed", {}, {"egykezes", "kétkezes"}, 2};

  // Group "Ha étel vagy ital": my_mess, your_mess and strength.
  controls::Group ifkajapia{"ifkajapia", "Ha étel vagy ital"};
  controls::Edit my_mess{"my_mess", "Amit nekem ír"};
  controls::Edit your_mess{"your_mess", "Amit a többieknek ír"};
  NumberBox strength{"strength", "Erősség", validnumber};

  controls::Button antis{"antis", "Antis"};
  controls::Button bonuses{"bonuses", "Bónuszok"};

  ItemAntisDialog antis_dialog;
  ItemBonusesDialog bonuses_dialog;

  // The panel and every dialog form of the item editor.
  std::vector<controls::Form*> forms();

  // Empties the panel (not the working copy) and hides the side dialogs.
  void init_item();
  // Rebuilds the file-name choices from the work's items, after a load or a new work.
  void fill_filename_choices();

  // The item as the balance verdict sees it: the panel's values and the working copy's.
  balance::ItemValues item_values() const;
  // "Kész" without its message: stores the panel's item, or returns why it is refused (the
  // balance verdict among them). A number text the verdict cannot read escapes as
  // ConversionError before anything is stored.
  std::optional<std::string> commit_item();

  // True when "Kész" would change the work: the panel differs from the stored item of its
  // name, or holds typing for an item not stored yet.
  bool pending_edits() const;

  void is_weaponClick();
  void wc1Change();
  void b11Click();

 private:
  void load(const ditem& stored);
  // The first of the panel's own checks that refuses the item, if any.
  std::optional<std::string> item_refusal() const;
  void take_fields(ditem& record) const;

  EditorHost& host_;
  // A loaded kind or handedness the radio groups cannot show as stored, kept for the store
  // until the builder chooses.
  std::optional<std::string> kept_kind_;
  std::optional<std::string> kept_hands_;
  TextFields<ditem> texts_;
  // What an empty panel with an empty working copy would store.
  ditem blank_;
};

}  // namespace tamo::editors
