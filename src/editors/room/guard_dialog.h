#pragma once

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/room/room_context.h"

namespace tamo::editors {

// Form18: one of the room's creatures guards chosen exits and says a sentence.
class GuardDialog {
 public:
  explicit GuardDialog(RoomContext context);

  controls::Form form{"Form18", "Őrök"};
  controls::ComboBox guardname{"guardname", "Melyik lény legyen az őr?",
                               controls::ComboBox::Style::drop_down_list};
  controls::ComboBox posguardexits{"posguardexits", "Lehetséges irányok",
                                   controls::ComboBox::Style::drop_down_list};
  controls::Button Button1{"Button1", "> >"};
  controls::Button Button2{"Button2", "< <"};
  controls::ListBox guardexits{"guardexits", "Ezen irányokat őrzi"};
  controls::Edit guardspeech{"guardspeech", "A szöveg, amit az őr mond"};
  controls::Button guarddelete{"guarddelete", "Őr törlése"};
  controls::Button Button3{"Button3", "Vissza"};
  controls::Button Button4{"Button4", "Kész"};

  // The panel's "Őrök".
  void open();
  void Button1Click();
  void Button2Click();
  void guarddeleteClick();
  void Button3Click();
  void Button4Click();

 private:
  RoomContext context_;
};

}  // namespace tamo::editors
