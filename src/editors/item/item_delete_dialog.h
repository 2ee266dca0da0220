#pragma once

#include <functional>

#include "controls/control.h"
#include "controls/form.h"
#include "editors/common/host.h"

namespace tamo::editors {

// "Tárgy törlése": asks before the item of the panel is deleted.
class ItemDeleteDialog {
 public:
  // `item_delete` removes the item named by the panel and empties the panel.
  ItemDeleteDialog(EditorHost& host, std::function<void()> item_delete);

  controls::Form form{"Form11", "Tárgy törlése"};
  controls::Label Label1{"Label1", "Biztosan törölni akarod a tárgyat ?"};
  controls::Button Button1{"Button1", "Igen"};
  controls::Button nemtorles{"nemtorles", "Nem"};

  // Opens with the focus on "Nem", so that Enter keeps the item.
  void open();
  void Button1Click();
  void nemtorlesClick();

 private:
  EditorHost& host_;
  std::function<void()> item_delete_;
};

}  // namespace tamo::editors
