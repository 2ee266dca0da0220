#include "balance/verdict.h"

namespace tamo::balance {

// Placeholder until the tables land: every item passes.
void set_db() {}

std::string balance(const ItemValues&) {
  return "ok";
}

}  // namespace tamo::balance
