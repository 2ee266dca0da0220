#include "gui/all_views.h"

namespace tamo::gui {

Views item_views(app::Workbench&) {
  return {};
}

}  // namespace tamo::gui
