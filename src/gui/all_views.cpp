#include "gui/all_views.h"

#include "gui/shell_views.h"

namespace tamo::gui {

Views all_views(app::Workbench& bench) {
  Views all = shell_views(bench.app());
  for (Views part : {room_views(bench), monster_views(bench), item_views(bench),
                     console_views(bench), check_views(bench), find_views(bench), map_views(bench)})
    all.merge(part);
  return all;
}

}  // namespace tamo::gui
