#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "balance/table.h"
#include "balance/working_values.h"

namespace tamo::balance {

// The checks armour and weapons share. Each failing check overwrites the verdict, so the
// last one to fail decides.

// Weighted sum over `values` (weights from column 1 on), against (base + factor·L)·K taken
// from the two columns after the weights.
void check_weighted_sum(const Table& table, int row, std::span<const std::int64_t> values,
                        const WorkingValues& w, std::string& verdict);

struct BandCap {
  int column;
  std::int64_t value;
  bool is_minimum;  // the cell is a least allowed value rather than a greatest
  const char* sentence;
};

// Checks the caps of each band row of `type` that holds the minimum level.
void check_band_caps(const Table& table, const std::string& type, const WorkingValues& w,
                     std::initializer_list<BandCap> caps, std::string& verdict);

// Checks each of `rows` in order: the named stat's bonus, unscaled and without sign, against
// base + factor·L.
void check_single_bonuses(const Table& table, std::span<const int> rows, const WorkingValues& w,
                          std::string& verdict);

}  // namespace tamo::balance
