// The area check on a room with many exits, each guarded or not: guarded exits must cost
// about what plain exits cost, not a search through the room's exits each.
// Run: build/bench/tamo_check_bench
#include <benchmark/benchmark.h>

#include <string>

#include "check/report.h"
#include "model/storing.h"
#include "model/work.h"
#include "work_builder.h"

using namespace tamo;

namespace {

constexpr int kExits = 100000;

Work room_with_exits(int exits, bool guarded) {
  Work work;
  set_creator(work, "kapuk", "epito", "epito@example.com");
  droom* hall = setup_room(work, "csarnok", "Egy csarnok", "Sok kapu nyilik innen.");
  setup_room(work, "udvar", "Az udvar", "Tagas udvar.");
  setup_mons(work, "or", {.name = "Or", .short_ = "Egy or", .long_ = "Mogorva or."});
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
