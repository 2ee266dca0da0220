#pragma once

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/lists.h"
#include "editors/monster/monster_list_dialog.h"

namespace tamo::editors {

// Form8: the words a player can name the creature by.
class MonsIdsDialog : public MonsterListDialog {
 public:
  MonsIdsDialog(EditorHost& host, const controls::ComboBox& monsfilename);

  controls::Edit ids{"ids"};
  controls::Button Button1{"Button1", "> >"};
  controls::Button Button2{"Button2", "< <"};
  controls::ListBox newids{"newids"};
  controls::Button Button3{"Button3", "Kész"};

  void open();
  void idsChange();
  void Button1Click();
  void Button2Click();
  void Button3Click();
};

}  // namespace tamo::editors
