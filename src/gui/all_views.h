#pragma once

#include "app/workbench.h"
#include "gui/screen.h"

namespace tamo::gui {

// The views of every panel and dialog, by form name.
Views all_views(app::Workbench& bench);

// Each area's views, in a file of its own.
Views room_views(app::Workbench& bench);
Views monster_views(app::Workbench& bench);
Views item_views(app::Workbench& bench);
Views console_views(app::Workbench& bench);
Views check_views(app::Workbench& bench);
Views find_views(app::Workbench& bench);
Views map_views(app::Workbench& bench);

}  // namespace tamo::gui
