#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/string_hash.h"

namespace tamo::balance {

// One balance table: cells addressed by column and row. Cells keep their text; the numeric
// columns are converted once when the table is built, so a verdict never parses text.
class Table {
 public:
  enum class Numbers { integers, reals };

  // `text_columns` leading columns are keys (type name, stat name, flag); the rest are numbers
  // read as integers (str2int) or as 6-byte reals (str2float).
  Table(std::vector<std::vector<std::string>> rows, int text_columns, Numbers numbers);

  int rows() const { return static_cast<int>(cells_.size()); }
  int columns() const { return columns_; }
  const std::string& text(int column, int row) const;
  std::int64_t integer(int column, int row) const;
  long double real(int column, int row) const;

  // The rows whose key column (the first) holds `key`, in row order. A verdict reads a few
  // rows of each table for every item, so they are found once, when the table is built.
  std::span<const int> rows_of(std::string_view key) const;
  // Every row, in order.
  std::span<const int> all_rows() const { return all_rows_; }

 private:
  std::vector<std::vector<std::string>> cells_;
  std::vector<std::vector<long double>> numbers_;
  std::unordered_map<std::string, std::vector<int>, StringHash, std::equal_to<>> rows_by_key_;
  std::vector<int> all_rows_;
  int columns_ = 0;
  int text_columns_ = 0;
  Numbers kind_;
};

// Cuts a text row into its cells at blanks; runs of blanks separate like one.
std::vector<std::string> split_row(const std::string& row);

// True when lo <= x <= hi: whether a level band holds the minimum level.
inline bool B(std::int64_t hi, std::int64_t lo, long double x) {
  return x <= static_cast<long double>(hi) && static_cast<long double>(lo) <= x;
}

inline long double MAX(long double a, long double b) {
  return a > b ? a : b;
}

}  // namespace tamo::balance
