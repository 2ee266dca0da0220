#include <array>
#include <cstdlib>

#include "balance/checks.h"
#include "balance/evaluations.h"
#include "balance/sentences.h"
#include "balance/tables.h"
#include "model/numbers.h"

namespace tamo::balance {

namespace {

void check_type_rules(const WorkingValues& w, const std::string& type, bool two_handed,
                      std::string& verdict) {
  const std::int64_t tb = w[Bonus::tb];
  const std::int64_t sb = w[Bonus::sb];
  const long double M = 0.05L * static_cast<long double>(w.L);
  const bool any = tb != 0 || sb != 0;
  const bool gap_too_large =
      static_cast<long double>(std::llabs(tb - sb)) > MAX(round_real48(M), 1);
  if (type == "zuzo") {
    if (any && static_cast<long double>(sb - tb) < M)
      verdict = "A zúzó típusú fegyver találatbónusza a sebzésbónuszhoz viszonyítva túl magas.";
  } else if (type == "vago") {
    if (gap_too_large) verdict = sentence::kTbSbGapTooLarge;
  } else if (type == "szuro") {
    if (any && static_cast<long double>(tb - sb) < M)
      verdict = "A szúró típusú fegyver sebzésbónusza a találatbónuszhoz viszonyítva túl magas.";
  } else if (type == "ij") {
    if (w.WC2 != 0 && w.WC2 != 4 && w.WC2 != 8)
      verdict = "Az íjak sebzésének második érteke kötelezően 0, 4 vagy 8.";
    if (gap_too_large) verdict = sentence::kTbSbGapTooLarge;
    if (!two_handed) verdict = "Az íj kötelezoen kétkezes fegyver.";
  }
}

}  // namespace

std::string balwea(WorkingValues w, const std::string& type, int two_handed_index) {
  std::string verdict = sentence::kOk;
  const bool two_handed = two_handed_index >= 1;
  w.AVG = w.AVG0 = cut(static_cast<long double>(w.WC1 * w.WC2 + w.WC1) * 0.5L);
  apply_rarity(w);
  if (two_handed) {
    w.AVG = cut(static_cast<long double>(w.AVG) * (2.0L / 3.0L));
    for (std::int64_t* x : {&w.HMS, &w.IMM, &w.AC, &w.W})
      *x = cut(static_cast<long double>(*x) * 0.5L);
  }
  const BalanceTables& db = tables();

  const std::array<std::int64_t, 15> weighted = {w.AVG0,         w[Bonus::tb],   w[Bonus::sb],
                                                 w[Bonus::hp],   w[Bonus::mp],   w[Bonus::sp],
                                                 w.AC0,          w[Bonus::ero],  w[Bonus::allo],
                                                 w[Bonus::ugyi], w[Bonus::iq],   w[Bonus::bolcsi],
                                                 w[Bonus::kari], w[Bonus::magi], w[Bonus::meri]};
  // A two-handed weapon is held to the rows of the "1" set only.
  const auto rows_in_force = [&two_handed](const Table& table) {
    return two_handed ? table.rows_of("1") : table.all_rows();
  };
  for (int row : rows_in_force(db.weasum)) check_weighted_sum(db.weasum, row, weighted, w, verdict);

  if (type != "ij" && std::llabs(w.WC1 - w.WC2) > 7)
    verdict = "A tárgy sebzésének két érteke túlságosan eltérő.";
  if (std::llabs(w[Bonus::tb] - w[Bonus::sb]) > 10)
    verdict = "A tárgy találat és sebzésbónusza túlságosan eltérő.";

  check_band_caps(db.weaband, type, w,
                  {{3, w.AVG, false, " A tárgy átlagsebzése túl magas."},
                   {4, w.TBSB, false, sentence::kTooMuchTbsb},
                   {5, w.V, false, sentence::kTooValuable},
                   {6, w.W, true, sentence::kTooLight},
                   {7, w.HMS, false, sentence::kTooMuchHms},
                   {8, w.ATTR, false, sentence::kTooMuchAttributes},
                   {9, w.IMM, false, sentence::kTooMuchImmunity},
                   {10, w.AC, false, sentence::kTooMuchArmour}},
                  verdict);

  check_type_rules(w, type, two_handed, verdict);

  check_single_bonuses(db.weastat, rows_in_force(db.weastat), w, verdict);
  return verdict;
}

}  // namespace tamo::balance
