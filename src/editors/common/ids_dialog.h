#pragma once

#include <string>
#include <string_view>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/lists.h"
#include "editors/common/record_list_dialog.h"

namespace tamo::editors {

// Where one panel's "Azonosítók" differs from another's: its component names, whether its
// list is sorted, and whether the word box takes the focus on opening.
struct IdsDialogNames {
  std::string form;
  std::string word;
  std::string words;
  bool sorted = false;
  bool focus_word = false;
};

// "Azonosítók": the words a player's commands can name the record by, kept in the working
// copy and written through to a stored record on "Kész".
template <class Record>
class IdsDialog : public RecordListDialog<Record> {
 public:
  IdsDialog(EditorHost& host, const controls::ComboBox& file_name, const IdsDialogNames& names);

  controls::Edit word;
  controls::Button Button1{"Button1", "> >"};
  controls::Button Button2{"Button2", "< <"};
  controls::ListBox words;
  controls::Button Button3{"Button3", "Kész"};

  // The word box keeps its text across openings; only the list is rebuilt.
  void open();
  void wordChange();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 private:
  bool focus_word_;
};

// An id word: lower-case letters a to z and blanks only.
bool valid_id_word(std::string_view text);

extern template class IdsDialog<dmons>;
extern template class IdsDialog<ditem>;

}  // namespace tamo::editors
