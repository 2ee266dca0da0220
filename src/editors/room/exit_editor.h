#pragma once

#include <array>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/room/room_context.h"

namespace tamo::editors {

// Form5: the room's exits, a door on each, and the key item that opens the door. Adding and
// removing an exit on both sides writes the reverse exit into the target room at once.
class ExitEditor {
 public:
  explicit ExitEditor(RoomContext context);

  controls::Form form{"Form5", "Kijáratszerkesztő"};
  controls::ComboBox posexits{"posexits", "Lehetséges kijáratnevek",
                              controls::ComboBox::Style::editable};
  controls::ListBox exitname{"exitname", "Lehetséges kijáratok szobái", true};
  controls::ListBox exitdir{"exitdir", "Aktuális kijáratok", true};
  controls::Edit exitdesc{"exitdesc", "Ide vezet"};
  controls::Edit doorname{"doorname", "Az ajtó neve"};
  controls::ComboBox doorkey{"doorkey", "Az ajtóhoz tartozó kulcs",
                             controls::ComboBox::Style::drop_down_list};
  controls::Button Button2{"Button2", "> >"};
  controls::Button Button1{"Button1", "< <"};
  controls::Button Button4{"Button4", "<"};
  controls::Button doorkeysave{"doorkeysave", "Aktuális ajtó mentése"};
  controls::Button doordelete{"doordelete", "Az ajtó törlése"};
  controls::Button keydelete{"keydelete", "Kulcs törlése"};
  controls::Button Button3{"Button3", "Kész"};
  controls::Button Button5{"Button5", "Vissza"};
  controls::Label note{"Label1",
                       "Fontos: az ajtókat mindkét oldalról meg kell csinálni, mégpedig úgy, hogy "
                       "azonos legyen az ajtó és az esetleges kulcs neve a két oldalon."};

  // The panel's "Kijáratok".
  void open();
  void posexitsonchange();
  void doornameChange();
  void exitdirMouseUp();
  void Button2Click();
  void Button1Click();
  void Button4Click();
  void doorkeysaveClick();
  void doordeleteClick();
  void keydeleteClick();
  void Button3Click();
  void Button5Click();

 private:
  std::array<controls::Control*, 5> door_controls();
  void enable_door_controls(bool enabled);
  // Takes the selected exit with its door and key out of tmproom and the list, and empties
  // and disables the door controls.
  void remove_selected_exit();

  RoomContext context_;
};

}  // namespace tamo::editors
