#include "editors/item/item_kinds.h"

#include <array>

namespace tamo::editors {

namespace {
constexpr std::array<std::string_view, 12> kArmourTypes = {
    "alkarpancel", "csizma",   "gyuru", "karkoto", "kesztyu", "kopeny",
    "nadrag",      "nyaklanc", "ov",    "pajzs",   "pancel",  "sisak"};
constexpr std::array<std::string_view, 4> kWeaponTypes = {"szuro", "vago", "zuzo", "ij"};
}  // namespace

std::vector<std::string> item_kind_names() {
  return {"páncél", "fegyver", "étel", "alkohol", "alkoholmentes", "kulcs", "egyéb"};
}

KindLayout kind_layout(int index) {
  switch (index) {
    case kKindArmour:
      return {kArmourTypes, false, false, true};
    case kKindWeapon:
      return {kWeaponTypes, true, false, true};
    case 2:  // food
    case 3:  // alcoholic drink
    case 4:  // soft drink
      return {{}, false, true, false};
    default:  // key, other, or nothing selected
      return {{}, false, false, index < 0};
  }
}

}  // namespace tamo::editors
