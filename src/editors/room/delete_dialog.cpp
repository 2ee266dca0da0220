#include "editors/room/delete_dialog.h"

#include <utility>

namespace tamo::editors {

RoomDeleteDialog::RoomDeleteDialog(EditorHost& host, controls::Handler room_delete)
    : host_(host), room_delete_(std::move(room_delete)) {
  attach_dialog_protocol(host_, form);
  oktorles.on_click = [this] { oktorlesClick(); };
  nemtorles.on_click = [this] { nemtorlesClick(); };
}

void RoomDeleteDialog::open() {
  open_dialog(host_, form);
  host_.focus().set(&nemtorles);
}

void RoomDeleteDialog::oktorlesClick() {
  form.close();
  room_delete_();
}

void RoomDeleteDialog::nemtorlesClick() {
  form.close();
}

}  // namespace tamo::editors
