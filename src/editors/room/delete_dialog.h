#pragma once

#include "controls/control.h"
#include "controls/form.h"
#include "editors/common/host.h"

namespace tamo::editors {

// Form3: asks before the room goes. "Nem" is the default and the cancel button.
class RoomDeleteDialog {
 public:
  // room_delete removes the room named in the panel and resets the panel.
  RoomDeleteDialog(EditorHost& host, controls::Handler room_delete);

  controls::Form form{"Form3", "Szoba törlése"};
  controls::Label question{"Label1", "Biztosan törölni akarod a szobát?"};
  controls::Button oktorles{"oktorles", "Igen"};
  controls::Button nemtorles{"nemtorles", "Nem"};

  // The panel's "Törlés".
  void open();
  void oktorlesClick();
  void nemtorlesClick();

 private:
  EditorHost& host_;
  controls::Handler room_delete_;
};

}  // namespace tamo::editors
