#include "editors/monster/delete_dialog.h"

#include <utility>

namespace tamo::editors {

MonsDeleteDialog::MonsDeleteDialog(EditorHost& host, std::function<void()> mons_delete)
    : host_(host), mons_delete_(std::move(mons_delete)) {
  attach_dialog_protocol(host_, form);
  torles.on_click = [this] { torlesClick(); };
  nemtorles.on_click = [this] { nemtorlesClick(); };
}

void MonsDeleteDialog::open() {
  open_dialog(host_, form);
  host_.focus().set(&nemtorles);
}

void MonsDeleteDialog::torlesClick() {
  mons_delete_();
  form.close();
  tmpmonsclear(host_.work());
}

void MonsDeleteDialog::nemtorlesClick() {
  form.close();
}

}  // namespace tamo::editors
