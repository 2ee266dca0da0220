#include "app/about_box.h"

namespace tamo::app {

AboutBox::AboutBox() {
  ok.on_click = [this] { form.hide(); };
}

}  // namespace tamo::app
