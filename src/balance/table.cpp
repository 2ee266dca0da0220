#include "balance/table.h"

#include <sstream>
#include <stdexcept>

#include "model/numbers.h"

namespace tamo::balance {

Table::Table(std::vector<std::vector<std::string>> rows, int text_columns, Numbers numbers)
    : cells_(std::move(rows)), text_columns_(text_columns), kind_(numbers) {
  if (!cells_.empty()) columns_ = static_cast<int>(cells_.front().size());
  for (const auto& row : cells_) {
    if (static_cast<int>(row.size()) != columns_)
      throw std::logic_error("balance table row of the wrong width: " + row.front());
    std::vector<long double> converted;
    for (int column = text_columns_; column < columns_; ++column) {
      const std::string& cell = row[column];
      converted.push_back(kind_ == Numbers::integers ? str2int(cell) : str2float(cell));
    }
    numbers_.push_back(std::move(converted));
  }
  for (int row = 0; row < this->rows(); ++row) {
    rows_by_key_[cells_[row].front()].push_back(row);
    all_rows_.push_back(row);
  }
}

std::span<const int> Table::rows_of(std::string_view key) const {
  auto found = rows_by_key_.find(key);
  if (found == rows_by_key_.end()) return {};
  return found->second;
}

const std::string& Table::text(int column, int row) const {
  return cells_.at(row).at(column);
}

std::int64_t Table::integer(int column, int row) const {
  if (kind_ != Numbers::integers) throw std::logic_error("balance table of reals read as integer");
  return static_cast<std::int64_t>(numbers_.at(row).at(column - text_columns_));
}

long double Table::real(int column, int row) const {
  if (kind_ != Numbers::reals) throw std::logic_error("balance table of integers read as real");
  return numbers_.at(row).at(column - text_columns_);
}

std::vector<std::string> split_row(const std::string& row) {
  std::vector<std::string> words;
  std::istringstream in(row);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace tamo::balance
