#pragma once

#include <string>

#include "controls/control.h"
#include "controls/form.h"
#include "editors/common/host.h"

namespace tamo::editors {

// What tells one editor's deletion question from another's: its form, its question and the
// component name of its "Igen".
struct DeleteQuestion {
  std::string form;
  std::string caption;
  std::string question_name;
  std::string question;
  std::string yes_name;
};

// Asks before the record named in a panel goes. "Nem" has the focus, so a stray Enter keeps
// the record.
class ConfirmDeleteDialog {
 public:
  // `delete_record` removes the record and resets its panel.
  ConfirmDeleteDialog(EditorHost& host, const DeleteQuestion& names,
                      controls::Handler delete_record);
  ConfirmDeleteDialog(const ConfirmDeleteDialog&) = delete;
  ConfirmDeleteDialog& operator=(const ConfirmDeleteDialog&) = delete;

  controls::Form form;
  controls::Label question;
  controls::Button yes;
  controls::Button nemtorles{"nemtorles", "Nem"};

  // The panel's "Törlés".
  void open();
  void yesClick();
  void nemtorlesClick();

 private:
  EditorHost& host_;
  controls::Handler delete_record_;
};

}  // namespace tamo::editors
