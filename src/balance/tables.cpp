#include "balance/tables.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tamo::balance {

namespace {

using Rows = std::vector<std::vector<std::string>>;
using BandRow = std::array<int, 12>;

// (upper, lower) in row order of both band tables.
constexpr std::array<std::pair<int, int>, 12> kBands = {{{55, 55},
                                                         {54, 50},
                                                         {49, 45},
                                                         {44, 40},
                                                         {39, 35},
                                                         {34, 30},
                                                         {29, 25},
                                                         {24, 20},
                                                         {19, 15},
                                                         {14, 10},
                                                         {9, 5},
                                                         {4, 0}}};

constexpr std::array<const char*, 13> kStatNames = {
    "ero",     "allokepesseg",   "ugyesseg",       "intelligencia", "bolcsesseg",
    "karizma", "magiaimmunitas", "meregimmunitas", "talalatbonusz", "sebzesbonusz",
    "eletero", "magia",          "stamina"};

// The stats share limits in groups: six attributes, two immunities, tb and sb, hp mp sp.
constexpr std::array<int, 13> kStatGroup = {0, 0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 3};

struct StatLimits {
  const char* key;
  std::array<std::array<const char*, 2>, 4> groups;  // base, per-level factor
};

constexpr StatLimits kArmourStats[] = {
    {"gyuru", {{{"1", "0.025"}, {"0.5", "0.1"}, {"1", "0.12727"}, {"10", "2"}}}},
    {"nyaklanc", {{{"1.75", "0.025"}, {"0", "0.2"}, {"0", "0.12727"}, {"10", "2"}}}},
    {"sisak", {{{"1", "0.06"}, {"1", "0.12727"}, {"1", "0.08"}, {"10", "2"}}}},
    {"pancel", {{{"2", "0.1"}, {"1.25", "0.15"}, {"0", "0.15"}, {"20", "2.2"}}}},
    {"csizma", {{{"1", "0"}, {"0.75", "0.05"}, {"0.5", "0.1"}, {"5", "1"}}}},
    {"kesztyu", {{{"1", "0"}, {"0.5", "0.09"}, {"1", "0.15"}, {"5", "1"}}}},
    {"alkarpancel", {{{"1", "0"}, {"0.5", "0.09"}, {"1", "0.15"}, {"5", "1"}}}},
    {"nadrag", {{{"1", "0"}, {"0.5", "0.09"}, {"0", "0.035"}, {"5", "0.8"}}}},
    {"pajzs", {{{"0", "0.02"}, {"0.125", "0.125"}, {"0", "0.12"}, {"5", "1.25"}}}},
    {"karkoto", {{{"0", "0.02"}, {"0", "0.13"}, {"1", "0.14"}, {"10", "2"}}}},
    {"ov", {{{"0", "0.02"}, {"0.125", "0.125"}, {"1", "0.13"}, {"5", "1.25"}}}},
    {"kopeny", {{{"0", "0.02"}, {"1", "0.15"}, {"0", "0.1"}, {"10", "2"}}}},
};

constexpr StatLimits kWeaponStats[] = {
    {"0", {{{"1", "0"}, {"0", "0.0625"}, {"2", "0.25"}, {"0", "1"}}}},
    {"1", {{{"1", "0"}, {"0", "0.125"}, {"2", "0.25"}, {"0", "2"}}}},
};

struct ArmourBands {
  const char* type;
  int min_weight;
  BandRow armour, value, hms, tbsb, immunities, attributes;
};

constexpr ArmourBands kArmourBands[] = {
    {"gyuru",
     5,
     {16, 15, 14, 13, 12, 11, 10, 9, 8, 6, 4, 2},
     {5500, 5500, 5000, 4500, 4000, 3500, 2000, 2500, 2000, 1500, 1000, 500},
     {60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5},
     {4, 4, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1},
     {3, 3, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0},
     {2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1}},
    {"nyaklanc",
     5,
     {16, 15, 14, 13, 12, 11, 10, 9, 8, 6, 4, 2},
     {5500, 5500, 5000, 4500, 4000, 3500, 3000, 2500, 2000, 1500, 1000, 500},
     {60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5},
     {4, 4, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1},
     {3, 3, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0},
     {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"sisak",
     20,
     {22, 20, 19, 18, 17, 15, 13, 11, 9, 7, 5, 3},
     {11000, 10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000, 200},
     {75, 67, 59, 52, 45, 40, 35, 30, 25, 20, 15, 10},
     {3, 3, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0},
     {4, 3, 3, 2, 2, 1, 1, 0, 0, 0, 0, 0},
     {3, 3, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1}},
    {"pancel",
     100,
     {40, 36, 32, 28, 24, 20, 16, 13, 11, 9, 7, 5},
     {11000, 10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000, 200},
     {85, 75, 65, 60, 55, 50, 45, 40, 35, 30, 25, 20},
     {5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0},
     {5, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2, 1},
     {4, 4, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2}},
    {"csizma",
     30,
     {16, 15, 14, 13, 12, 11, 10, 9, 8, 6, 4, 2},
     {2750, 2500, 2250, 2000, 1750, 1500, 1250, 1000, 750, 500, 250, 50},
     {21, 20, 19, 18, 17, 16, 15, 13, 11, 9, 7, 5},
     {3, 3, 2, 2, 2, 1, 1, 1, 1, 0, 0, 0},
     {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"kesztyu",
     10,
     {16, 15, 14, 13, 12, 11, 10, 9, 8, 6, 4, 2},
     {2750, 2500, 2250, 2000, 1750, 1500, 1250, 1000, 750, 500, 250, 50},
     {40, 35, 30, 26, 22, 19, 16, 14, 12, 10, 7, 4},
     {6, 5, 4, 4, 3, 3, 2, 2, 2, 1, 1, 1},
     {3, 3, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"alkarpancel",
     10,
     {18, 16, 15, 14, 13, 12, 11, 10, 8, 6, 4, 2},
     {2750, 2500, 2250, 2000, 1750, 1500, 1250, 1000, 750, 500, 250, 50},
     {40, 35, 30, 26, 22, 19, 16, 13, 10, 7, 4, 1},
     {5, 5, 4, 4, 3, 3, 2, 2, 2, 2, 1, 1},
     {4, 3, 3, 2, 2, 1, 1, 1, 1, 0, 0, 0},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"nadrag",
     20,
     {18, 16, 15, 14, 13, 12, 11, 10, 8, 6, 4, 2},
     {2750, 2500, 2250, 2000, 1750, 1500, 1250, 1000, 750, 500, 250, 50},
     {30, 27, 25, 23, 21, 19, 17, 15, 12, 9, 6, 3},
     {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0},
     {3, 3, 2, 2, 2, 1, 1, 1, 0, 0, 0, 0},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"pajzs",
     50,
     {19, 17, 16, 15, 14, 13, 12, 11, 9, 7, 5, 3},
     {2750, 2500, 2250, 2000, 1750, 1500, 1250, 1000, 750, 500, 250, 50},
     {50, 45, 40, 35, 30, 25, 20, 15, 12, 9, 6, 4},
     {3, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1},
     {4, 4, 3, 3, 3, 2, 2, 2, 1, 1, 0, 0},
     {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"karkoto",
     5,
     {16, 15, 14, 13, 12, 11, 10, 9, 8, 6, 4, 2},
     {5500, 5000, 4500, 4000, 3500, 3000, 3500, 2000, 1500, 1000, 500, 100},
     {60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5},
     {5, 5, 4, 4, 3, 3, 3, 2, 2, 2, 1, 1},
     {3, 3, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0},
     {2, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
    {"ov",
     10,
     {18, 16, 15, 14, 13, 12, 11, 10, 8, 6, 4, 2},
     {5500, 5000, 4500, 4000, 3500, 3000, 2500, 2000, 1500, 1000, 500, 100},
     {50, 45, 40, 35, 30, 25, 20, 15, 11, 9, 6, 3},
     {5, 4, 4, 3, 3, 3, 2, 2, 2, 1, 1, 1},
     {4, 3, 3, 3, 2, 2, 1, 1, 1, 0, 0, 0},
     {2, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0}},
    {"kopeny",
     20,
     {18, 16, 15, 14, 13, 12, 11, 10, 8, 6, 4, 2},
     {5500, 5000, 4500, 4000, 3500, 3000, 2500, 2000, 1500, 1000, 500, 100},
     {60, 50, 45, 40, 35, 30, 26, 22, 18, 14, 10, 7},
     {3, 3, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0},
     {5, 5, 4, 4, 3, 3, 3, 2, 2, 2, 1, 1},
     {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};

struct WeaponBands {
  const char* type;
  int min_weight;
  BandRow average, tbsb, value, hms, attributes, immunities, armour;
};

// Columns that several weapon types share.
constexpr BandRow kMeleeTbsb = {17, 16, 14, 13, 12, 10, 9, 8, 6, 5, 3, 2};
constexpr BandRow kWeaponValue = {5500, 5000, 4500, 4000, 3500, 3000,
                                  2500, 2000, 1500, 1000, 500,  100};
constexpr BandRow kWeaponAttributes = {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
constexpr BandRow kWeaponImmunities = {3, 3, 2, 2, 2, 1, 1, 1, 0, 0, 0, 0};
constexpr BandRow kWeaponArmour = {8, 7, 6, 6, 5, 5, 4, 3, 3, 2, 1, 0};

constexpr WeaponBands kWeaponBands[] = {
    {"zuzo",
     100,
     {36, 35, 32, 29, 26, 23, 20, 17, 14, 11, 8, 5},
     kMeleeTbsb,
     kWeaponValue,
     {55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5, 0},
     kWeaponAttributes,
     kWeaponImmunities,
     kWeaponArmour},
    {"vago",
     50,
     {35, 34, 31, 28, 25, 22, 19, 16, 13, 10, 7, 4},
     kMeleeTbsb,
     kWeaponValue,
     {45, 40, 36, 32, 28, 24, 20, 16, 12, 8, 4, 0},
     kWeaponAttributes,
     kWeaponImmunities,
     kWeaponArmour},
    {"szuro",
     10,
     {34, 33, 30, 27, 24, 21, 18, 15, 12, 9, 6, 3},
     kMeleeTbsb,
     kWeaponValue,
     {35, 30, 27, 24, 21, 18, 15, 12, 9, 6, 3, 0},
     kWeaponAttributes,
     kWeaponImmunities,
     kWeaponArmour},
    {"ij",
     50,
     {45, 44, 40, 36, 32, 28, 24, 20, 16, 12, 8, 4},
     {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
     kWeaponValue,
     {32, 31, 27, 24, 21, 18, 15, 12, 9, 6, 3, 0},
     kWeaponAttributes,
     kWeaponImmunities,
     kWeaponArmour},
};

constexpr const char* kArmourSums[] = {
    "gyuru 3.7 1 1 1 10 10 20 20 20 20 20 20 15 15 4 1.4",
    "nyaklanc 3.7 1 1 1 10 10 20 20 20 20 20 20 15 15 4 1.4",
    "sisak 3.4 1 1 1 25 25 20 20 20 20 20 20 18 18 10 1.5",
    "pancel 2.1 1 1 1 15 15 15 15 15 15 15 15 15 15 20 1.7",
    "csizma 1.3 1 1 1 7 7 20 20 20 20 20 20 10 10 4 0.5",
    "kesztyu 2.5 1 1 1 6 6 20 20 20 20 20 20 10 10 5 0.9",
    "alkarpancel 2.2 1 1 1 7 7 20 20 20 20 20 20 10 10 6 1.0",
    "nadrag 1.6 1 1 1 20 20 20 20 20 20 20 20 10 10 3 0.6",
    "pajzs 2.6 1 1 1 15 15 40 40 40 40 40 40 10 10 15 1.0",
    "karkoto 3.7 1 1 1 10 10 30 30 30 30 30 30 15 15 10 1.2",
    "ov 2.7 1 1 1 10 10 20 20 20 20 20 20 12.5 12.5 10 1.0",
    "kopeny 3.3 1 1 1 15 15 50 50 50 50 50 50 10 10 10 1.2",
};

constexpr const char* kWeaponSums[] = {
    "1 0.66667 4 4 0.5 0.5 0.5 2.5 10 10 10 10 10 10 5 5 12 1.7",
    "0 1 4 4 1 1 1 5 10 10 10 10 10 10 10 10 12 1.7",
};

template <std::size_t N>
Rows stat_rows(const StatLimits (&limits)[N]) {
  Rows rows;
  for (const StatLimits& key : limits)
    for (std::size_t stat = 0; stat < kStatNames.size(); ++stat) {
      const auto& limit = key.groups[kStatGroup[stat]];
      rows.push_back({key.key, kStatNames[stat], limit[0], limit[1]});
    }
  return rows;
}

std::vector<std::string> band_row(const char* type, std::size_t band,
                                  std::initializer_list<int> cells) {
  std::vector<std::string> row = {type, std::to_string(kBands[band].first),
                                  std::to_string(kBands[band].second)};
  for (int cell : cells) row.push_back(std::to_string(cell));
  return row;
}

Rows armour_band_rows() {
  Rows rows;
  for (const ArmourBands& t : kArmourBands)
    for (std::size_t b = 0; b < kBands.size(); ++b)
      rows.push_back(band_row(t.type, b,
                              {t.armour[b], t.value[b], t.min_weight, t.hms[b], t.tbsb[b],
                               t.immunities[b], t.attributes[b]}));
  return rows;
}

Rows weapon_band_rows() {
  Rows rows;
  for (const WeaponBands& t : kWeaponBands)
    for (std::size_t b = 0; b < kBands.size(); ++b)
      rows.push_back(band_row(t.type, b,
                              {t.average[b], t.tbsb[b], t.value[b], t.min_weight, t.hms[b],
                               t.attributes[b], t.immunities[b], t.armour[b]}));
  return rows;
}

template <std::size_t N>
Rows text_rows(const char* const (&rows)[N]) {
  Rows split;
  for (const char* row : rows) split.push_back(split_row(row));
  return split;
}

BalanceTables build() {
  using enum Table::Numbers;
  return {Table(stat_rows(kArmourStats), 2, reals), Table(armour_band_rows(), 1, integers),
          Table(text_rows(kArmourSums), 1, reals),  Table(stat_rows(kWeaponStats), 2, reals),
          Table(weapon_band_rows(), 1, integers),   Table(text_rows(kWeaponSums), 1, reals)};
}

}  // namespace

const BalanceTables& tables() {
  static const BalanceTables built = build();
  return built;
}

}  // namespace tamo::balance
