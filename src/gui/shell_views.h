#pragma once

#include "app/application.h"
#include "gui/screen.h"

namespace tamo::gui {

// The views of the shell's own forms: the description panel, "A munka adatai", "Névjegy".
Views shell_views(app::Application& app);

}  // namespace tamo::gui
