#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "balance/verdict.h"

namespace {

using tamo::balance::ItemValues;

ItemValues item(int kind, const char* type, const char* level, const char* weight,
                const char* value, const char* wc1 = "", const char* wc2 = "") {
  ItemValues v;
  v.is_weapon = kind;
  v.itemtype = type;
  v.minlevel = level;
  v.weight = weight;
  v.value = value;
  v.wc1 = wc1;
  v.wc2 = wc2;
  v.strength = "5";
  return v;
}

// A mix of kinds, types, levels and rarities, passing and failing items alike.
std::vector<ItemValues> mixed_items() {
  std::vector<ItemValues> items = {
      item(0, "gyuru", "0", "5", "500"),
      item(0, "pancel", "10", "100", "2000"),
      item(0, "kopeny", "33", "20", "3000"),
      item(0, "pajzs", "55", "50", "2750"),
      item(1, "zuzo", "20", "100", "2000", "3", "8"),
      item(1, "vago", "40", "50", "100", "2", "8"),
      item(1, "szuro", "12", "10", "900", "2", "6"),
      item(1, "ij", "27", "60", "2400", "4", "8"),
      item(2, "", "0", "1", "10"),
      item(4, "", "0", "1", "3001"),
  };
  items[1].bonuses = {"10", "", "", "1", "", "9", "", "", "", "", "", "", "", ""};
  items[2].rarity = "15";
  items[2].bonuses = {"", "", "", "", "", "", "1", "", "-1", "", "", "", "", ""};
  items[4].bonuses = {"", "", "", "0", "1", "", "", "", "", "", "", "", "", ""};
  items[7].two_handed = 1;
  items[7].rarity = "30";
  tamo::add_mixed(items[7].antis, "semleges", "1");
  tamo::add_mixed(items[7].antis, "jo", "1");
  return items;
}

void BM_Verdicts(benchmark::State& state) {
  tamo::balance::set_db();
  const std::vector<ItemValues> items = mixed_items();
  for (auto _ : state)
    for (const ItemValues& i : items) benchmark::DoNotOptimize(tamo::balance::balance(i));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(items.size()));
}
BENCHMARK(BM_Verdicts);

}  // namespace

BENCHMARK_MAIN();
