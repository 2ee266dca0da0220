#pragma once

#include <array>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/room/room_context.h"

namespace tamo::editors {

// Form4: what the room's lookable things look, smell, sound like and what searching finds.
class RoomThingsDialog {
 public:
  explicit RoomThingsDialog(RoomContext context);

  controls::Form form{"Form4", "Tárgyak"};
  controls::ComboBox itemname{"itemname", "A tárgy neve", controls::ComboBox::Style::editable};
  controls::Edit looked{"looked", "Nézve"};
  controls::Edit smelled{"smelled", "Szagolva"};
  controls::Edit listened{"listened", "Hallgatva"};
  controls::Edit searched{"searched", "Keresve"};
  controls::Button itemready{"itemready", "Kész"};
  controls::Button Button1{"Button1", "Tárgy törlése"};
  controls::Button OKitems{"OKitems", "Vissza"};

  // The panel's "Nézhető tárgyak".
  void open();
  void OnChangeItem();
  void itemreadyClick();
  void Button1Click();
  void OKitemsClick();

 private:
  // Each edit with the list of tmproom it writes, in the order items, smell, listen, search.
  std::array<std::pair<controls::Edit*, MixedList*>, 4> texts();
  static std::array<MixedList*, 4> sense_lists(droom& room);
  void empty_fields();

  RoomContext context_;
};

}  // namespace tamo::editors
