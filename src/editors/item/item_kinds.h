#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/item_kind.h"

namespace tamo::editors {

// The choices of the kind radio group `is_weapon`, in the order of `ItemKind`.
std::vector<std::string> item_kind_names();
// The radio group's index of a kind.
constexpr int kind_index(ItemKind kind) {
  return static_cast<int>(kind);
}

// What the panel shows for one kind: the type list and which field groups apply.
struct KindLayout {
  std::span<const std::string_view> types;  // the balance tables' keys for the kind
  bool weapon_fields;                       // `ifweapon`: damage and handedness
  bool food_fields;                         // `ifkajapia`: messages and strength
  bool judged_by_bonuses;                   // "Bónuszok" and "Antis" apply (armour and weapons)
};

// The layout for a selected index. No selection (a stored index below 0) shows no types and
// no field group, and keeps the bonus buttons: only the kinds after weapons disable them.
KindLayout kind_layout(int index);

}  // namespace tamo::editors
