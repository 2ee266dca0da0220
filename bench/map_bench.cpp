#include <benchmark/benchmark.h>

#include "map/layout.h"
#include "map/scene.h"
#include "map_area.h"

namespace {

void BM_Layout(benchmark::State& state) {
  tamo::Work work = tamo::bench::map_area(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(tamo::map::layout_map(work).rooms.data());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Layout)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_Scene(benchmark::State& state) {
  tamo::Work work = tamo::bench::map_area(static_cast<int>(state.range(0)));
  tamo::map::MapLayout layout = tamo::map::layout_map(work);
  for (auto _ : state) benchmark::DoNotOptimize(tamo::map::build_scene(layout, 0).boxes.data());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Scene)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
