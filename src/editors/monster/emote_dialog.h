#pragma once

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/lists.h"
#include "editors/common/record_list_dialog.h"

namespace tamo::editors {

// Form10: what the creature does, at any time and in combat. Emotes are full sentences.
class MonsEmoteDialog : public RecordListDialog<dmons> {
 public:
  MonsEmoteDialog(EditorHost& host, const controls::ComboBox& monsfilename);

  controls::Edit posemote{"posemote"};
  controls::Button b1{"b1", "Hozzáad"};
  controls::Button b2{"b2", "Töröl / Átír"};
  controls::ListBox emote{"emote", "Ezeket csinálgatja a lény", true};
  controls::Edit poscombatemote{"poscombatemote"};
  controls::Button b3{"b3", "Hozzáad"};
  controls::Button b4{"b4", "Töröl / Átír"};
  controls::ListBox combatemote{"combatemote", "Ezeket csinálgatja a lény harc közben ", true};
  controls::Button Button3{"Button3", "Kész"};

  void open();
  void b1Click();
  void b2Click();
  void b3Click();
  void b4Click();
  void Button3Click();
};

}  // namespace tamo::editors
