#include "balance/evaluations.h"
#include "balance/sentences.h"
#include "model/numbers.h"

namespace tamo::balance {

std::string baloth(const WorkingValues& w, const std::string& strength) {
  std::string verdict = sentence::kOk;
  if (str2int(strength) > 10) verdict = "A tárgy túl erős.";
  if (w.W < 1) verdict = sentence::kTooLight;
  if (w.V > 3000) verdict = sentence::kTooValuable;
  return verdict;
}

}  // namespace tamo::balance
