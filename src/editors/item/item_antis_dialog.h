#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "controls/control.h"
#include "controls/form.h"
#include "editors/common/host.h"

namespace tamo::editors {

// "Nem engedélyezett osztályok, jellemek": the alignments and classes that may not use the
// item, kept in the working copy's `antis` list.
class ItemAntisDialog {
 public:
  explicit ItemAntisDialog(EditorHost& host);

  controls::Form form{"Form13", "Nem engedélyezett osztályok, jellemek"};

  controls::Group jellemek{"jellemek", "Nem engedélyezett jellemek"};
  controls::CheckBox gonosz{"gonosz", "gonosz"};
  controls::CheckBox semleges{"semleges", "semleges"};
  controls::CheckBox jo{"jo", "jó"};

  controls::Group osztalyok{"osztalyok", "Nem engedélyezett osztályok"};
  controls::CheckBox harcos{"harcos", "harcos"};
  controls::CheckBox lovag{"lovag", "lovag"};
  controls::CheckBox erdojaro{"erdojaro", "erdojaro"};
  controls::CheckBox kardmuvesz{"kardmuvesz", "kardmuvesz"};
  controls::CheckBox barbar{"barbar", "barbar"};
  controls::CheckBox tolvaj{"tolvaj", "tolvaj"};
  controls::CheckBox bard{"bard", "bard"};
  controls::CheckBox arnyjaro{"arnyjaro", "arnyjaro"};
  controls::CheckBox fejvadasz{"fejvadasz", "fejvadasz"};
  controls::CheckBox utonallo{"utonallo", "utonallo"};
  controls::CheckBox pap{"pap", "pap"};
  controls::CheckBox paladin{"paladin", "paladin"};
  controls::CheckBox szerzetes{"szerzetes", "szerzetes"};
  controls::CheckBox druida{"druida", "druida"};
  controls::CheckBox saman{"saman", "saman"};
  controls::CheckBox magus{"magus", "magus"};
  controls::CheckBox mentalista{"mentalista", "mentalista"};
  controls::CheckBox elementalista{"elementalista", "elementalista"};
  controls::CheckBox illuzionista{"illuzionista", "illuzionista"};
  controls::CheckBox nekromanta{"nekromanta", "nekromanta"};
  controls::CheckBox foldmagus{"foldmagus", "foldmagus"};
  controls::CheckBox levegomagus{"levegomagus", "levegomagus"};
  controls::CheckBox vizmagus{"vizmagus", "vizmagus"};
  controls::CheckBox tuzmagus{"tuzmagus", "tuzmagus"};

  controls::Button Button1{"Button1", "Mindet kijelöli"};
  controls::Button Button2{"Button2", "Mindet törli"};
  controls::Button Button3{"Button3", "Kész"};
  controls::Button Button4{"Button4", "Vissza"};

  // The boxes in display order, for a view to lay out.
  std::array<controls::CheckBox*, 3> alignment_boxes() { return {&gonosz, &semleges, &jo}; }
  std::array<controls::CheckBox*, 24> class_boxes();

  void open();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 private:
  // Every box in the order `antis` is written; each is stored under its component name.
  std::array<controls::CheckBox*, 27> stored_order();
  void check_classes(bool checked);

  EditorHost& host_;
};

}  // namespace tamo::editors
