#include "model/item_kind.h"

namespace tamo {

namespace {
constexpr ItemKind kLastKind = ItemKind::other;
}  // namespace

std::optional<ItemKind> stored_item_kind(std::string_view stored) {
  // Only the single digit the program writes names a kind; "05" or "5 " shows no choice.
  if (stored.size() != 1 || stored[0] < '0' || stored[0] > '0' + static_cast<int>(kLastKind))
    return std::nullopt;
  return static_cast<ItemKind>(stored[0] - '0');
}

std::string stored_text(ItemKind kind) {
  return std::to_string(static_cast<int>(kind));
}

bool is_key_item(const ditem& item) {
  return stored_item_kind(item.is_weapon) == ItemKind::key;
}

}  // namespace tamo
