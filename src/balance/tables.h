#pragma once

#include "balance/table.h"

namespace tamo::balance {

struct BalanceTables {
  Table armstat;  // type, stat name, base, per-level factor
  Table armband;  // type, upper, lower, armour, value, min weight, hp+mp+sp, tb+sb, immunities,
                  // attributes
  Table armsum;   // type, weights of ac hp mp sp tb sb ero allo ugyi iq bolcsi kari magi meri,
                  // base, per-level factor
  Table weastat;  // set flag, stat name, base, per-level factor
  Table weaband;  // type, upper, lower, average damage, tb+sb, value, min weight, hp+mp+sp,
                  // attributes, immunities, armour
  Table weasum;   // flag, weights of avg tb sb hp mp sp ac ero allo ugyi iq bolcsi kari magi meri,
                  // base, per-level factor
};

// The built-in tables, built on first use and read only afterwards.
const BalanceTables& tables();

}  // namespace tamo::balance
