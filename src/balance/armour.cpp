#include <array>

#include "balance/checks.h"
#include "balance/evaluations.h"
#include "balance/sentences.h"
#include "balance/tables.h"

namespace tamo::balance {

std::string balarm(WorkingValues w, const std::string& type) {
  std::string verdict = sentence::kOk;
  apply_rarity(w);
  const BalanceTables& db = tables();

  const std::array<std::int64_t, 14> weighted = {w.AC0,          w[Bonus::hp],     w[Bonus::mp],
                                                 w[Bonus::sp],   w[Bonus::tb],     w[Bonus::sb],
                                                 w[Bonus::ero],  w[Bonus::allo],   w[Bonus::ugyi],
                                                 w[Bonus::iq],   w[Bonus::bolcsi], w[Bonus::kari],
                                                 w[Bonus::magi], w[Bonus::meri]};
  for (int row : db.armsum.rows_of(type)) check_weighted_sum(db.armsum, row, weighted, w, verdict);

  check_band_caps(db.armband, type, w,
                  {{3, w.AC, false, sentence::kTooMuchArmour},
                   {4, w.V, false, sentence::kTooValuable},
                   {5, w.W, true, sentence::kTooLight},
                   {6, w.HMS, false, sentence::kTooMuchHms},
                   {7, w.TBSB, false, sentence::kTooMuchTbsb},
                   {8, w.IMM, false, sentence::kTooMuchImmunity},
                   {9, w.ATTR, false, sentence::kTooMuchAttributes}},
                  verdict);

  check_single_bonuses(db.armstat, db.armstat.rows_of(type), w, verdict);
  return verdict;
}

}  // namespace tamo::balance
