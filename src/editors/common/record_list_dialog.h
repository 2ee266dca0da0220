#pragma once

#include <string>

#include "controls/control.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/common/host.h"
#include "editors/common/record_lists.h"
#include "model/records.h"

namespace tamo::editors {

// What a panel's list dialogs share: each edits one list of the panel's working copy,
// reloads it from the stored record on opening and writes it through on "Kész". The stored
// record is the one named by the panel's file-name box.
template <class Record>
class RecordListDialog {
 public:
  RecordListDialog(const RecordListDialog&) = delete;
  RecordListDialog& operator=(const RecordListDialog&) = delete;

  controls::Form form;

 protected:
  RecordListDialog(EditorHost& host, const controls::ComboBox& file_name, MixedList Record::*list,
                   std::string name, std::string caption);
  ~RecordListDialog() = default;

  const Record* stored() const;
  // The dialog's list in the working copy.
  MixedList& list() const;
  // Replaces the working copy's list with the stored record's, when there is one.
  void reload();
  // Shows the dialog in front with the main window disabled; `focused`, when given, takes
  // the focus.
  void show(const controls::Control* focused);
  // "Kész": the list goes into the stored record at once, then the dialog closes.
  void write_through_and_close();

  EditorHost& host_;

 private:
  const controls::ComboBox& file_name_;
  MixedList Record::*list_;
};

extern template class RecordListDialog<dmons>;
extern template class RecordListDialog<ditem>;

}  // namespace tamo::editors
