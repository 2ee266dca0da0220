#include "editors/item/item_delete_dialog.h"

#include <utility>

namespace tamo::editors {

ItemDeleteDialog::ItemDeleteDialog(EditorHost& host, std::function<void()> item_delete)
    : host_(host), item_delete_(std::move(item_delete)) {
  attach_dialog_protocol(host_, form);
  Button1.on_click = [this] { Button1Click(); };
  nemtorles.on_click = [this] { nemtorlesClick(); };
}

void ItemDeleteDialog::open() {
  open_dialog(host_, form);
  host_.focus().set(&nemtorles);
}

void ItemDeleteDialog::Button1Click() {
  item_delete_();
  form.close();
  tmpitemclear(host_.work());
}

void ItemDeleteDialog::nemtorlesClick() {
  form.close();
}

}  // namespace tamo::editors
