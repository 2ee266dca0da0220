#include "editors/common/host.h"

namespace tamo::editors {

void attach_dialog_protocol(EditorHost& host, controls::Form& dialog) {
  controls::Handler own = std::move(dialog.on_close);
  dialog.on_close = [&host, own = std::move(own)] {
    if (own) own();
    host.set_main_enabled(true);
  };
}

void open_dialog(EditorHost& host, controls::Form& dialog) {
  dialog.show();
  host.set_main_enabled(false);
}

}  // namespace tamo::editors
