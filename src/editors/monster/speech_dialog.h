#pragma once

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/lists.h"
#include "editors/common/record_list_dialog.h"

namespace tamo::editors {

// Form9: what the creature says, at any time and in combat.
class MonsSpeechDialog : public RecordListDialog<dmons> {
 public:
  MonsSpeechDialog(EditorHost& host, const controls::ComboBox& monsfilename);

  controls::Edit posspeech{"posspeech"};
  controls::Button Button1{"Button1", "Hozzáad"};
  controls::Button Button2{"Button2", "Töröl / Átír"};
  controls::ListBox speech{"speech", "Ezeket mondogatja a lény", true};
  controls::Edit poscombatspeech{"poscombatspeech"};
  controls::Button Button4{"Button4", "Hozzáad"};
  controls::Button Button5{"Button5", "Töröl / Átír"};
  controls::ListBox combatspeech{"combatspeech", "Ezeket mondogatja a lény harc közben ", true};
  controls::Button Button3{"Button3", "Kész"};

  void open();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
};

}  // namespace tamo::editors
