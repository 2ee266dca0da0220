#include "gui/all_views.h"

namespace tamo::gui {

Views console_views(app::Workbench&) {
  return {};
}

}  // namespace tamo::gui
