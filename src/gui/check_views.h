#pragma once

#include "app/area_check.h"
#include "gui/screen.h"

class QMainWindow;

namespace tamo::gui {

// Keeps the area check in step with the work a moment after the user stops, and shows its
// count of problems in the window's status bar.
void follow_area_check(QMainWindow& window, Screen& screen, app::AreaCheck& check);

}  // namespace tamo::gui
