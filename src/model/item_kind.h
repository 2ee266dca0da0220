#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/records.h"

namespace tamo {

// An item's kind, in the order the item panel offers them; the file stores the chosen
// index as digits in `is_weapon`.
enum class ItemKind { armour, weapon, food, alcohol, soft_drink, key, other };

// The kind the stored text names; none for any other text.
std::optional<ItemKind> stored_item_kind(std::string_view stored);
// What the file stores for a kind.
std::string stored_text(ItemKind kind);

// Only an item of the kind "kulcs" can be a door's key.
bool is_key_item(const ditem& item);

}  // namespace tamo
