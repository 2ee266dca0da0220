#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/lists.h"

namespace tamo::editors {

// The file-name box of a record editor lists each stored name once, however many records
// share it (a loaded file may hold two of one name; the later one is the one shown).
template <class Records>
void fill_file_name_choices(controls::ComboBox& box, const Records& records) {
  std::vector<std::string> names;
  for (const auto& record : records)
    if (records.first_of_its_name(record)) names.push_back(record.filename);
  box.assign(std::move(names));
}

// After a record was stored under the name: its choice, once.
inline void add_file_name_choice(controls::ComboBox& box, const std::string& name) {
  if (box.index_of(name) < 0) box.add(name);
}

// After a record of the name was deleted: its choice goes unless another record keeps it.
template <class Records>
void drop_file_name_choice(controls::ComboBox& box, const Records& records,
                           const std::string& name) {
  if (!records.contains(name)) box.remove(box.index_of(name));
}

// After records of the name came or went without the panel (an undo, a redo): the choice is
// there exactly when a record keeps the name.
template <class Records>
void follow_file_name_choice(controls::ComboBox& box, const Records& records,
                             const std::string& name) {
  if (records.contains(name))
    add_file_name_choice(box, name);
  else
    box.remove(box.index_of(name));
}

}  // namespace tamo::editors
