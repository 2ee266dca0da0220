#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/common/confirm_delete_dialog.h"
#include "editors/common/host.h"
#include "editors/common/ids_dialog.h"
#include "editors/common/panel_dialogs.h"
#include "editors/common/panel_record.h"

namespace tamo::editors {

// The component names that tell one panel's shared controls from another's; the captions are
// the same on every such panel but the form's and "Új ...".
struct SharedPanelNames {
  std::string form;
  std::string form_caption;
  std::string filename;
  std::string name;
  std::string short_text;
  std::string long_text;
  std::string ids_button;
  std::string delete_button;
  std::string new_button;
  std::string new_caption;
  std::string ready_button;
};

// What the creature and item panels have alike: the form, the file-name box with the record it
// names, the name and the two descriptions, "Azonosítók", "Törlés", "Új ..." and "Kész", and the
// delete and id dialogs those open. The file-name box, the long text's guard, "Kész" and the two
// dialogs' buttons are bound here; "Új ..." is left to the editor, whose reset differs.
template <class Record>
class SharedPanel {
 public:
  // `reset` empties the editor's panel after a deletion; `take_fields` and `show` are the
  // editor's side of PanelRecord; `commit` is "Kész" without its message.
  SharedPanel(EditorHost& host, const SharedPanelNames& names, const DeleteQuestion& deletion,
              const IdsDialogNames& ids, controls::Handler reset,
              std::function<void(Record&)> take_fields, std::function<void(const Record&)> show,
              std::function<std::optional<std::string>()> commit)
      : form(names.form, names.form_caption),
        filename(names.filename, "Fájlnév", controls::ComboBox::Style::editable, true),
        name(names.name, "Név"),
        short_text(names.short_text, "Rövid leírás"),
        long_text(names.long_text, "Hosszú leírás"),
        ids_button(names.ids_button, "Azonosítók"),
        delete_button(names.delete_button, "Törlés"),
        new_button(names.new_button, names.new_caption),
        ready_button(names.ready_button, "Kész"),
        delete_dialog(host, deletion, [this, reset = std::move(reset)] { record.erase(reset); }),
        ids_dialog(host, filename, ids),
        record(host, filename, std::move(take_fields), std::move(show)),
        dialogs(form) {
    record.bind(long_text, ready_button, std::move(commit));
    dialogs.add(delete_button, delete_dialog, ids_button, ids_dialog);
  }
  SharedPanel(const SharedPanel&) = delete;
  SharedPanel& operator=(const SharedPanel&) = delete;

  // The first of the three texts every such record needs that the panel leaves empty.
  std::optional<std::string> missing_text() const {
    if (name.text().empty()) return "Nincs név megadva!";
    if (short_text.text().empty()) return "Nincs rövid leírás megadva!";
    if (long_text.text().empty()) return "Nincs hosszú leírás megadva!";
    return std::nullopt;
  }

  controls::Form form;
  controls::ComboBox filename;
  controls::Edit name;
  controls::Edit short_text;
  controls::Memo long_text;
  controls::Button ids_button;
  controls::Button delete_button;
  controls::Button new_button;
  controls::Button ready_button;

  ConfirmDeleteDialog delete_dialog;
  IdsDialog<Record> ids_dialog;

  // The record the file-name box names.
  PanelRecord<Record> record;
  // The form and its dialogs, the delete and id dialogs first; the editor adds its own.
  PanelDialogs dialogs;
};

}  // namespace tamo::editors
