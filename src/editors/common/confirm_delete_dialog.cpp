#include "editors/common/confirm_delete_dialog.h"

#include <utility>

namespace tamo::editors {

ConfirmDeleteDialog::ConfirmDeleteDialog(EditorHost& host, const DeleteQuestion& names,
                                         controls::Handler delete_record)
    : form(names.form, names.caption),
      question(names.question_name, names.question),
      yes(names.yes_name, "Igen"),
      host_(host),
      delete_record_(std::move(delete_record)) {
  attach_dialog_protocol(host_, form);
  yes.on_click = [this] { yesClick(); };
  nemtorles.on_click = [this] { nemtorlesClick(); };
}

void ConfirmDeleteDialog::open() {
  open_dialog(host_, form);
  host_.focus().set(&nemtorles);
}

// The dialog closes first: the deletion resets the panel, which hides the side dialogs.
void ConfirmDeleteDialog::yesClick() {
  form.close();
  delete_record_();
}

void ConfirmDeleteDialog::nemtorlesClick() {
  form.close();
}

}  // namespace tamo::editors
