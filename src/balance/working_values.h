#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "balance/verdict.h"

namespace tamo::balance {

// Bonus positions in ItemValues::bonuses.
enum class Bonus { hp, mp, sp, tb, sb, ac, magi, meri, ero, allo, ugyi, iq, bolcsi, kari };

// The numbers a verdict works on. 64-bit so that sums and products of any 32-bit texts stay
// exact instead of overflowing.
struct WorkingValues {
  std::int64_t L = 0;  // minimum level
  std::int64_t R = 0;  // rarity, limited
  std::int64_t W = 0, V = 0, WC1 = 0, WC2 = 0;
  std::array<std::int64_t, kBonusCount> bonus{};  // unscaled
  std::int64_t ATTR = 0, TBSB = 0, HMS = 0, IMM = 0, AC = 0, AC0 = 0;
  std::int64_t AVG = 0, AVG0 = 0;
  long double K = 1;
  bool anti_good = false, anti_neutral = false, anti_evil = false;

  std::int64_t operator[](Bonus b) const { return bonus[static_cast<std::size_t>(b)]; }
};

// Reads the item's texts; a text that is not a number throws ConversionError.
WorkingValues gather(const ItemValues& item);

// Sets K from rarity and alignment and, for a rare item, scales the sums, value and weight
// (and the average damage, which a weapon has set before).
void apply_rarity(WorkingValues& w);

// Cut toward zero, as every scaling does.
std::int64_t cut(long double x);

}  // namespace tamo::balance
