#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "balance/tables.h"
#include "model/numbers.h"

namespace tamo::balance {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// tables.txt is a separate transcription of the six tables, one text row per line under a
// "[name]" heading; the code's tables must agree with it in every cell.
std::map<std::string, Rows> read_reference() {
  std::ifstream in(TAMO_BALANCE_TABLES_FILE);
  std::map<std::string, Rows> tables;
  Rows* current = nullptr;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    if (line.front() == '[')
      current = &tables[line.substr(1, line.size() - 2)];
    else if (current)
      current->push_back(split_row(line));
  }
  return tables;
}

void expect_same(const Rows& expected, const Table& actual, const std::string& name) {
  ASSERT_EQ(actual.rows(), static_cast<int>(expected.size())) << name;
  for (int row = 0; row < actual.rows(); ++row) {
    ASSERT_EQ(actual.columns(), static_cast<int>(expected[row].size())) << name << " row " << row;
    for (int column = 0; column < actual.columns(); ++column)
      EXPECT_EQ(actual.text(column, row), expected[row][column])
          << name << " row " << row << " column " << column;
  }
}

TEST(BalanceTables, EveryCellMatchesTheReferenceTranscription) {
  const auto reference = read_reference();
  ASSERT_EQ(reference.size(), 6u) << "reference file not found or incomplete";
  const BalanceTables& t = tables();
  expect_same(reference.at("armstat"), t.armstat, "armstat");
  expect_same(reference.at("armband"), t.armband, "armband");
  expect_same(reference.at("armsum"), t.armsum, "armsum");
  expect_same(reference.at("weastat"), t.weastat, "weastat");
  expect_same(reference.at("weaband"), t.weaband, "weaband");
  expect_same(reference.at("weasum"), t.weasum, "weasum");
}

// A verdict reads only the rows its item's type keys; the key index must hand out exactly the
// rows a scan of the key column finds, in row order (the last failing row decides).
TEST(BalanceTables, RowsOfAKeyAreTheRowsHoldingIt) {
  const BalanceTables& t = tables();
  for (const Table* table :
       {&t.armstat, &t.armband, &t.armsum, &t.weastat, &t.weaband, &t.weasum}) {
    std::map<std::string, std::vector<int>> scanned;
    for (int row = 0; row < table->rows(); ++row) scanned[table->text(0, row)].push_back(row);
    for (const auto& [key, rows] : scanned) {
      const std::span<const int> indexed = table->rows_of(key);
      EXPECT_EQ(std::vector<int>(indexed.begin(), indexed.end()), rows) << key;
    }
    EXPECT_TRUE(table->rows_of("nincs ilyen").empty());
    EXPECT_TRUE(table->rows_of("").empty());
    EXPECT_EQ(table->all_rows().size(), static_cast<std::size_t>(table->rows()));
  }
}

TEST(BalanceTables, DecimalCellsAreSixByteReals) {
  const BalanceTables& t = tables();
  EXPECT_EQ(t.weasum.text(0, 0), "1");
  EXPECT_EQ(t.weasum.real(1, 0), round_real48(0.66667L));
  EXPECT_NE(t.weasum.real(1, 0), 0.66667L);
  int ov = 0;
  while (t.armsum.text(0, ov) != "ov") ++ov;
  EXPECT_EQ(t.armsum.real(13, ov), 12.5L);
  EXPECT_EQ(t.armsum.real(14, ov), 12.5L);
  EXPECT_EQ(t.armband.integer(4, 0), 5500);
}

TEST(BalanceTables, BandHoldsBothBoundsOnly) {
  EXPECT_TRUE(B(54, 50, 50));
  EXPECT_TRUE(B(54, 50, 54));
  EXPECT_FALSE(B(54, 50, 49));
  EXPECT_FALSE(B(54, 50, 55));
}

TEST(BalanceTables, NoBandHoldsLevelsOutsideZeroToFiftyFive) {
  const BalanceTables& t = tables();
  for (const Table* band : {&t.armband, &t.weaband})
    for (int row = 0; row < band->rows(); ++row)
      for (int level : {56, -1})
        EXPECT_FALSE(B(band->integer(1, row), band->integer(2, row), level)) << row;
}

TEST(BalanceTables, MaxPrefersTheFirstOnlyWhenLarger) {
  EXPECT_EQ(MAX(0.5L, 1), 1);
  EXPECT_EQ(MAX(2, 1), 2);
  EXPECT_EQ(MAX(1, 1), 1);
}

}  // namespace
}  // namespace tamo::balance
