#pragma once

#include <array>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "editors/common/host.h"
#include "model/records.h"

namespace tamo::editors {

// "Bónuszok": the item's fourteen bonuses, kept in the working copy.
class ItemBonusesDialog {
 public:
  explicit ItemBonusesDialog(EditorHost& host);

  controls::Form form{"Form14", "Bónuszok"};
  controls::Edit hp{"hp", "Életerő"};
  controls::Edit mp{"mp", "Mágia"};
  controls::Edit sp{"sp", "Kitartás"};
  controls::Edit tb{"tb", "Találatbónusz"};
  controls::Edit sb{"sb", "Sebzésbónusz"};
  controls::Edit ac{"ac", "Páncélzat"};
  controls::Edit magi{"magi", "Mágiaimmunitás"};
  controls::Edit meri{"meri", "Méregimmunitás"};
  controls::Edit ero{"ero", "Erő"};
  controls::Edit allo{"allo", "Állóképesség"};
  controls::Edit ugyi{"ugyi", "Ügyesség"};
  controls::Edit iq{"iq", "Intelligencia"};
  controls::Edit bolcsi{"bolcsi", "Bölcsesség"};
  controls::Edit kari{"kari", "Karizma"};
  controls::Button Button1{"Button1", "Kész"};
  controls::Button Button2{"Button2", "Vissza"};

  // The fourteen boxes in the order of the record's bonus fields.
  std::array<controls::Edit*, kBonusCount> boxes() {
    return {&hp, &mp, &sp, &tb, &sb, &ac, &magi, &meri, &ero, &allo, &ugyi, &iq, &bolcsi, &kari};
  }

  void open();
  void hpChange() { keep_any_number(hp); }
  void mpChange() { keep_any_number(mp); }
  void spChange() { keep_any_number(sp); }
  void tbChange() { keep_any_number(tb); }
  void sbChange() { keep_any_number(sb); }
  void acChange() { keep_any_number(ac); }
  void magiChange() { keep_any_number(magi); }
  void meriChange() { keep_any_number(meri); }
  void eroChange() { keep_any_number(ero); }
  void alloChange() { keep_any_number(allo); }
  void ugyiChange() { keep_any_number(ugyi); }
  void iqChange() { keep_any_number(iq); }
  void bolcsiChange() { keep_any_number(bolcsi); }
  void kariChange() { keep_any_number(kari); }
  void Button1Click();
  void Button2Click();

 private:
  static void keep_any_number(controls::Edit& box);

  EditorHost& host_;
};

}  // namespace tamo::editors
