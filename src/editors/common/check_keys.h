#pragma once

#include <string_view>
#include <type_traits>
#include <utility>

#include "controls/control.h"
#include "model/mixed_list.h"

namespace tamo::editors {

// Check boxes kept in a record's list, each under its key as "1" or "0". A list of boxes
// names each box by its key; a box given alone is keyed by its component name.
template <class Entry>
std::pair<std::string_view, controls::CheckBox*> keyed_box(const Entry& entry) {
  if constexpr (std::is_pointer_v<Entry>) {
    return {entry->name(), entry};
  } else {
    return {entry.first, entry.second};
  }
}

// Ticks each box as the list holds its key.
template <class Boxes>
void show_checks(const MixedList& list, const Boxes& boxes) {
  for (const auto& entry : boxes) {
    auto [key, box] = keyed_box(entry);
    box->set_checked(strtob(query_mixed(list, key)));
  }
}

// Writes each box's state under its key, in the order of the boxes.
template <class Boxes>
void store_checks(MixedList& list, const Boxes& boxes) {
  for (const auto& entry : boxes) {
    auto [key, box] = keyed_box(entry);
    add_mixed(list, key, btostr(box->checked()));
  }
}

}  // namespace tamo::editors
