#pragma once

#include <string_view>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "editors/common/host.h"

namespace tamo::editors {

// "Azonosítók": the words by which commands name the item, kept in the working copy and
// written through to a stored item on "Kész".
class ItemIdsDialog {
 public:
  // `itemfilename` is the panel's file-name box, naming the item being edited.
  ItemIdsDialog(EditorHost& host, const controls::ComboBox& itemfilename);

  controls::Form form{"Form12", "Azonosítók"};
  controls::Edit itemids{"itemids"};
  controls::Button Button1{"Button1", "> >"};
  controls::ListBox itemnewids{"itemnewids", {}, true};
  controls::Button Button2{"Button2", "< <"};
  controls::Button Button3{"Button3", "Kész"};

  void open();
  void itemidsChange();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 private:
  EditorHost& host_;
  const controls::ComboBox& itemfilename_;
};

// An id word: lower-case letters a to z and blanks only.
bool valid_id_word(std::string_view text);

}  // namespace tamo::editors
