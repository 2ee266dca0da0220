#include "balance/verdict.h"

#include "balance/evaluations.h"
#include "balance/tables.h"
#include "balance/working_values.h"

namespace tamo::balance {

void set_db() {
  tables();
}

std::string balance(const ItemValues& item) {
  const WorkingValues w = gather(item);
  switch (item.is_weapon) {
    case 1:
      return balwea(w, item.itemtype, item.two_handed);
    case 0:
      return balarm(w, item.itemtype);
    default:
      return baloth(w, item.strength);
  }
}

}  // namespace tamo::balance
