#pragma once

#include "app/find_box.h"
#include "gui/screen.h"

class QObject;

namespace tamo::gui {

// Searches again once the typing pauses, and whenever the work changed while the find box
// shows: a keystroke never waits for a search through a big work.
void follow_find_box(QObject& owner, Screen& screen, app::FindBox& box);

}  // namespace tamo::gui
