#pragma once

#include <array>
#include <string>

#include "model/mixed_list.h"
#include "model/records.h"

namespace tamo::balance {

// An item as the item editor hands it to the verdict: the panel's texts and indexes and the
// working copy's bonuses and restrictions.
struct ItemValues {
  std::string minlevel;
  std::string rarity;
  std::string weight;
  std::string value;
  std::string itemtype;
  int is_weapon = 0;   // selected kind: 0 armour, 1 weapon, others food, drink, key, other
  int two_handed = 0;  // 0 one-handed, 1 two-handed
  std::string wc1;
  std::string wc2;
  std::string strength;
  // hp, mp, sp, tb, sb, ac, magi, meri, ero, allo, ugyi, iq, bolcsi, kari
  std::array<std::string, kBonusCount> bonuses;
  MixedList antis;
};

// Loads the balance tables; called once at start-up, harmless to call again.
void set_db();

// "ok", or the sentence of the last rule the item breaks. Throws ConversionError for a
// number text that is not a number.
std::string balance(const ItemValues& item);

}  // namespace tamo::balance
