#include "balance/checks.h"

#include <array>
#include <string_view>

#include "balance/sentences.h"

namespace tamo::balance {

namespace {

struct StatBonus {
  std::string_view stat;
  Bonus bonus;
  const char* sentence;
};

constexpr std::array<StatBonus, 13> kStatBonuses = {{
    {"ero", Bonus::ero, "A tárgy túl sok erőt ad."},
    {"allokepesseg", Bonus::allo, "A tárgy túl sok állóképességet ad."},
    {"ugyesseg", Bonus::ugyi, "A tárgy túl sok ügyességet ad."},
    {"intelligencia", Bonus::iq, "A tárgy túl sok intelligenciát ad."},
    {"bolcsesseg", Bonus::bolcsi, "A tárgy túl sok bölcsességet ad."},
    {"karizma", Bonus::kari, "A tárgy túl sok karizmát ad."},
    {"talalatbonusz", Bonus::tb, "A tárgy túl sok találatbónuszt ad."},
    {"sebzesbonusz", Bonus::sb, "A tárgy túl sok sebzésbónuszt ad."},
    {"magiaimmunitas", Bonus::magi, "A tárgy túl sok mágiaimmunitást ad."},
    {"meregimmunitas", Bonus::meri, "A tárgy túl sok méregimmunitást ad."},
    {"eletero", Bonus::hp, "A tárgy túl sok életerőt ad."},
    {"magia", Bonus::mp, "A tárgy túl sok mágiát ad."},
    {"stamina", Bonus::sp, "A tárgy túl sok staminát ad."},
}};

const StatBonus* find_stat(std::string_view stat) {
  for (const StatBonus& s : kStatBonuses)
    if (s.stat == stat) return &s;
  return nullptr;
}

long double level_limit(const Table& table, int base_column, int row, std::int64_t level) {
  return table.real(base_column, row) +
         table.real(base_column + 1, row) * static_cast<long double>(level);
}

}  // namespace

void check_weighted_sum(const Table& table, int row, std::span<const std::int64_t> values,
                        const WorkingValues& w, std::string& verdict) {
  long double sum = 0;
  int column = 1;
  for (std::int64_t value : values)
    sum += table.real(column++, row) * static_cast<long double>(value);
  if (sum > level_limit(table, column, row, w.L) * w.K) verdict = sentence::kSumTooLarge;
}

void check_band_caps(const Table& table, const std::string& type, const WorkingValues& w,
                     std::initializer_list<BandCap> caps, std::string& verdict) {
  for (int row : table.rows_of(type)) {
    if (!B(table.integer(1, row), table.integer(2, row), static_cast<long double>(w.L))) continue;
    for (const BandCap& cap : caps) {
      const std::int64_t cell = table.integer(cap.column, row);
      if (cap.is_minimum ? cap.value < cell : cap.value > cell) verdict = cap.sentence;
    }
  }
}

void check_single_bonuses(const Table& table, std::span<const int> rows, const WorkingValues& w,
                          std::string& verdict) {
  for (int row : rows) {
    const StatBonus* stat = find_stat(table.text(1, row));
    if (!stat) continue;
    const std::int64_t value = w[stat->bonus];
    const long double size = static_cast<long double>(value < 0 ? -value : value);
    if (size > level_limit(table, 2, row, w.L)) verdict = stat->sentence;
  }
}

}  // namespace tamo::balance
