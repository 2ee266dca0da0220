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
  switch (static_cast<ItemKind>(index)) {
    case ItemKind::armour:
      return {kArmourTypes, false, false, true};
    case ItemKind::weapon:
      return {kWeaponTypes, true, false, true};
    case ItemKind::food:
    case ItemKind::alcohol:
    case ItemKind::soft_drink:
      return {{}, false, true, false};
    case ItemKind::key:
    case ItemKind::other:
      return {{}, false, false, false};
  }
  // Nothing selected, or a stored index no choice shows.
  return {{}, false, false, index < 0};
}

}  // namespace tamo::editors
