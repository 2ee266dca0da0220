#pragma once

#include <cstddef>

#include "controls/control.h"
#include "controls/lists.h"
#include "editors/common/record_list_dialog.h"

namespace tamo::editors {

// Form15: what the creature carries, one row per single item.
class MonsEquipmentDialog : public RecordListDialog<dmons> {
 public:
  // A larger count (only a file can hold one) shows this many rows of its item; the count
  // itself is kept and changed exactly.
  static constexpr std::size_t kMostRowsPerItem = 100;

  MonsEquipmentDialog(EditorHost& host, const controls::ComboBox& monsfilename);

  controls::ComboBox posequipment{"posequipment", "", controls::ComboBox::Style::drop_down_list,
                                  true};
  controls::Button Button1{"Button1", "> >"};
  controls::Button Button2{"Button2", "< <"};
  controls::ListBox equipment{"equipment"};
  controls::Button Button3{"Button3", "Kész"};

  // Refused with a message, changing nothing, when a count is not a number.
  void open();
  void Button1Click();
  void Button2Click();
  void Button3Click();
};

}  // namespace tamo::editors
