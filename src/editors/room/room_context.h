#pragma once

#include "controls/lists.h"
#include "editors/common/host.h"
#include "model/work.h"

namespace tamo::editors {

// What the room dialogs share with the panel: the host, and the file-name box that names
// the stored room their write-through goes to.
struct RoomContext {
  EditorHost& host;
  const controls::ComboBox& filename;

  Work& work() const { return host.work(); }
  droom& tmproom() const { return host.work().tmproom; }
  // The room stored under the panel's file name, or none.
  const droom* stored_room() const { return room_exists(host.work(), filename.text()); }
};

}  // namespace tamo::editors
