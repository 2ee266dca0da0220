#include "balance/verdict.h"

#include "balance/evaluations.h"
#include "balance/tables.h"
#include "balance/working_values.h"
#include "model/item_kind.h"

namespace tamo::balance {

void set_db() {
  tables();
}

std::string balance(const ItemValues& item) {
  const WorkingValues w = gather(item);
  switch (static_cast<ItemKind>(item.is_weapon)) {
    case ItemKind::weapon:
      return balwea(w, item.itemtype, item.two_handed);
    case ItemKind::armour:
      return balarm(w, item.itemtype);
    default:
      return baloth(w, item.strength);
  }
}

}  // namespace tamo::balance
