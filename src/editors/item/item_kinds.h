#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamo::editors {

// The choices of the kind radio group `is_weapon`, by index.
inline constexpr int kKindArmour = 0;
inline constexpr int kKindWeapon = 1;
std::vector<std::string> item_kind_names();

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
