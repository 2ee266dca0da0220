// The area check on a room with many exits, each guarded or not: guarded exits must cost
// about what plain exits cost, not a search through the room's exits each.
// Run: build/bench/tamo_check_bench
#include <benchmark/benchmark.h>

#include <string>

#include "check/report.h"
#include "model/work.h"
#include "work_setup.h"

using namespace tamo;

namespace {

constexpr int kExits = 100000;

Work room_with_exits(int exits, bool guarded) {
  Work work;
  setup_data(work).project = "kapuk";
  setup_data(work).name = "epito";
  setup_data(work).mail = "epito@example.com";
  droom* hall = setup_data(work).rooms.add("csarnok");
  hall->short_ = "Egy csarnok";
  hall->long_ = "Sok kapu nyilik innen.";
  droom* yard = setup_data(work).rooms.add("udvar");
  yard->short_ = "Az udvar";
  yard->long_ = "Tagas udvar.";
  dmons* guard = setup_data(work).monsters.add("or");
  guard->name = "Or";
  guard->short_ = "Egy or";
  guard->long_ = "Mogorva or.";
  guard->race = "ember";
  guard->gender = "ferfi";
  guard->class1 = "harcos";
  guard->level = "5";
  guard->alignment = "0";
  guard->money = "10";
  add_mixed(hall->contents, "or", "1");
  if (guarded) {
    add_mixed(hall->guard, "guardname", "or");
    add_mixed(hall->guard, "guardspeech", "Megallj!");
  }
  for (int i = 0; i < exits; ++i) {
    std::string exit = "kapu" + std::to_string(i);
    add_mixed(hall->exits, exit, "udvar");
    if (guarded) add_mixed(hall->guard, exit, "guarddir");
  }
  return work;
}

void BM_CheckExits(benchmark::State& state) {
  const Work work = room_with_exits(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) benchmark::DoNotOptimize(check::check_work(work));
  state.SetComplexityN(state.range(0));
}

}  // namespace

// Second argument: 0 plain exits, 1 every exit guarded.
BENCHMARK(BM_CheckExits)
    ->ArgsProduct({{kExits / 10, kExits}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
