#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "map/layout.h"
#include "map/scene.h"
#include "model/work.h"
#include "work_setup.h"

namespace {

constexpr const char* kWays[][2] = {
    {"kelet", "nyugat"}, {"eszak", "del"}, {"eszakkelet", "delnyugat"}, {"fel", "le"}};

// An area of `size` rooms as builders make them: streets of ten rooms joined both ways,
// side streets, now and then a stair, and one exit in twenty that does not fit (one-way,
// a door word, or leading nowhere), so the layout meets collisions and leftovers.
tamo::Work area(int size) {
  tamo::Work work;
  std::mt19937 random(20);
  auto name = [](int i) { return "szoba" + std::to_string(i); };
  for (int i = 0; i < size; ++i) setup_room(work, name(i))->short_ = "Egy szoba";
  auto link = [&](int a, int b, int way) {
    add_mixed(setup_data(work).rooms[a].exits, kWays[way][0], name(b));
    add_mixed(setup_data(work).rooms[b].exits, kWays[way][1], name(a));
  };
  for (int i = 1; i < size; ++i) {
    if (i % 10)
      link(i - 1, i, 0);
    else
      link(i - 10, i, random() % 50 ? 1 : 3);
    if (random() % 7 == 0 && i >= 11) link(i - 11, i, 2);
    if (random() % 20 == 0) {
      tamo::droom& r = setup_data(work).rooms[i];
      switch (random() % 3) {
        case 0:
          add_mixed(r.exits, "del", name(random() % size));
          break;
        case 1:
          add_mixed(r.exits, "ajto", name(random() % size));
          break;
        default:
          add_mixed(r.exits, "nyugat", "sehol");
          break;
      }
    }
  }
  return work;
}

void BM_Layout(benchmark::State& state) {
  tamo::Work work = area(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(tamo::map::layout_map(work).rooms.data());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Layout)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_Scene(benchmark::State& state) {
  tamo::Work work = area(static_cast<int>(state.range(0)));
  tamo::map::MapLayout layout = tamo::map::layout_map(work);
  for (auto _ : state) benchmark::DoNotOptimize(tamo::map::build_scene(layout, 0).boxes.data());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Scene)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
