// One action, its undo and its redo on a large generated work, through the headless
// application as the window runs them, what the window asks after each change, and what 200
// single-field steps keep in memory.
// Run: build/bench/tamo_undo_bench
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "app/workbench.h"
#include "generated_work.h"

using namespace tamo;

namespace {

// The desktop of a benchmark: no message ever waits for an answer.
struct QuietPlatform : app::MessageSink,
                       app::OpenFileDialog,
                       app::UnsavedWorkQuestion,
                       app::SaveFileDialog,
                       app::ReplaceQuestion {
  app::Platform ports() { return {*this, *this, *this, *this, *this}; }
  void show_message(const std::string&) override {}
  std::optional<std::filesystem::path> choose(const app::OpenFileRequest&) override { return {}; }
  app::UnsavedAnswer ask(const std::string&) override { return app::UnsavedAnswer::discard; }
  std::optional<std::filesystem::path> choose_save(const app::SaveFileRequest&) override {
    return {};
  }
  bool ask_replace(const std::string&) override { return false; }
};

// A work of that many MB loaded once, with its first room open in the room panel.
struct Loaded {
  QuietPlatform platform;
  app::Workbench bench{platform.ports()};
  explicit Loaded(int megabytes) {
    bench.app().start();
    bench.app().open_work(
        bench::generated_work(bench::Shape::real, megabytes, bench::bench_folder()));
    bench.app().run_event([&] {
      bench.app().Szoba1Click();
      bench.room_editor().filename.user_set_text(bench.work().rooms.head()->filename);
    });
  }
};

Loaded& loaded(int megabytes) {
  static std::map<int, std::unique_ptr<Loaded>> works;
  auto& slot = works[megabytes];
  if (!slot) slot = std::make_unique<Loaded>(megabytes);
  return *slot;
}

// The builder changes the short text and presses "Kész": one stored room.
void store_room(app::Workbench& bench, int n) {
  bench.app().run_event([&] {
    bench.room_editor().short_.user_set_text("Rovid " + std::to_string(n));
    bench.room_editor().Button1.click();
  });
}

void choose(app::Workbench& bench, const char* entry) {
  bench.app().run_event([&] { bench.app().menu_bar().choose(entry); });
}

void BM_StoreRoom(benchmark::State& state) {
  app::Workbench& bench = loaded(static_cast<int>(state.range(0))).bench;
  int n = 0;
  for (auto _ : state) store_room(bench, ++n);
  state.counters["rooms"] = static_cast<double>(bench.work().rooms.size());
}

void BM_UndoRedo(benchmark::State& state) {
  app::Workbench& bench = loaded(static_cast<int>(state.range(0))).bench;
  store_room(bench, -1);
  for (auto _ : state) {
    choose(bench, "Visszavons1");
    choose(bench, "jra1");
  }
  state.counters["rooms"] = static_cast<double>(bench.work().rooms.size());
}

// What the window asks after every change, to mark its caption: did the work change since it
// was loaded or saved?
void BM_ChangedAfterStore(benchmark::State& state) {
  app::Workbench& bench = loaded(static_cast<int>(state.range(0))).bench;
  int n = 0;
  for (auto _ : state) {
    store_room(bench, ++n);
    benchmark::DoNotOptimize(bench.app().work_changed());
  }
}

// The area check the window re-judges after a pause in the builder's work.
void BM_CheckAfterStore(benchmark::State& state) {
  app::Workbench& bench = loaded(static_cast<int>(state.range(0))).bench;
  int n = 0;
  for (auto _ : state) {
    store_room(bench, ++n);
    bench.area_check().refresh_if_changed();
  }
}

// 200 single-field steps of one room: the history's own estimate of what it keeps.
void BM_TwoHundredSteps(benchmark::State& state) {
  app::Workbench& bench = loaded(static_cast<int>(state.range(0))).bench;
  for (auto _ : state) {
    bench.app().history().clear();
    for (int n = 0; n < 200; ++n) store_room(bench, n);
  }
  state.counters["steps"] = static_cast<double>(bench.app().history().steps());
  state.counters["history_MiB"] = static_cast<double>(bench.app().history().bytes()) / (1 << 20);
}

}  // namespace

BENCHMARK(BM_StoreRoom)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedo)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChangedAfterStore)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckAfterStore)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoHundredSteps)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
