#pragma once

#include <functional>

#include "controls/control.h"
#include "controls/form.h"
#include "editors/common/host.h"

namespace tamo::editors {

// Form6: asks before the creature named in the panel is deleted.
class MonsDeleteDialog {
 public:
  // mons_delete deletes the creature and resets the panel.
  MonsDeleteDialog(EditorHost& host, std::function<void()> mons_delete);
  MonsDeleteDialog(const MonsDeleteDialog&) = delete;
  MonsDeleteDialog& operator=(const MonsDeleteDialog&) = delete;

  controls::Form form{"Form6", "Élőlény törlése"};
  controls::Label question{"question", "Biztosan törölni akarod az élőlényt ?"};
  controls::Button torles{"torles", "Igen"};
  controls::Button nemtorles{"nemtorles", "Nem"};

  // "Nem" has the focus, so a stray Enter keeps the creature.
  void open();
  void torlesClick();
  void nemtorlesClick();

 private:
  EditorHost& host_;
  std::function<void()> mons_delete_;
};

}  // namespace tamo::editors
