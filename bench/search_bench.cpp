// The find box's search at each keystroke, on generated works as builders write them: a text
// found nowhere (every text is read), one found everywhere (the list is capped), and one
// typed with an accent (matched as written).
// Run: build/bench/tamo_search_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "app/find_box.h"
#include "generated_work.h"
#include "workfile/workfile.h"

using namespace tamo;

namespace {

const Work& work_of(int megabytes) {
  static std::map<int, std::unique_ptr<Work>> works;
  auto& work = works[megabytes];
  if (!work) {
    work = std::make_unique<Work>();
    workfile::loadfile(*work,
                       bench::generated_work(bench::Shape::real, megabytes, bench::bench_folder()));
  }
  return *work;
}

void BM_FindAsTyped(benchmark::State& state, const char* typed) {
  const Work& work = work_of(static_cast<int>(state.range(0)));
  app::FindBox box(work);
  std::size_t rows = 0;
  for (auto _ : state) {
    box.findtext.set_text(typed);
    state.PauseTiming();
    rows = box.found.items().size();
    box.findtext.set_text({});
    state.ResumeTiming();
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.SetLabel(typed);
}

}  // namespace

BENCHMARK_CAPTURE(BM_FindAsTyped, nowhere, "sarkanytojas")
    ->Arg(25)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindAsTyped, everywhere, "a")
    ->Arg(25)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindAsTyped, accented, "Sárkány")
    ->Arg(25)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
