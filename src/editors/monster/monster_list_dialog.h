#pragma once

#include <string>

#include "controls/control.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/common/host.h"
#include "model/records.h"

namespace tamo::editors {

// What the creature panel's list dialogs share: each edits one list of the working copy
// `tmpmons`, reloads it from the stored creature on opening and writes it through on "Kész".
// The stored creature is the one named by the panel's file-name box.
class MonsterListDialog {
 public:
  MonsterListDialog(const MonsterListDialog&) = delete;
  MonsterListDialog& operator=(const MonsterListDialog&) = delete;

  controls::Form form;

 protected:
  MonsterListDialog(EditorHost& host, const controls::ComboBox& monsfilename,
                    MixedList dmons::*list, std::string name, std::string caption);
  ~MonsterListDialog() = default;

  const dmons* stored() const;
  // The dialog's list in the working copy.
  MixedList& list() const;
  // Replaces the working copy's list with the stored creature's, when there is one.
  void reload();
  // Shows the dialog in front with the main window disabled.
  void show(const controls::Control& focused);
  // "Kész": the list goes into the stored creature at once, then the dialog closes.
  void write_through_and_close();

  EditorHost& host_;

 private:
  const controls::ComboBox& monsfilename_;
  MixedList dmons::*list_;
};

}  // namespace tamo::editors
