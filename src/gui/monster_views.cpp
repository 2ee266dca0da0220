#include "gui/all_views.h"

namespace tamo::gui {

Views monster_views(app::Workbench&) {
  return {};
}

}  // namespace tamo::gui
