// The window where the builder waits: opening a work until the window has drawn it and
// answers again, a dialog filling long lists, and console lines with many colours or
// great length. Runs offscreen unless a display is chosen.
// Run: build/bench/tamo_window_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QListWidget>

#include "app/area_check.h"
#include "generated_work.h"
#include "gui/program.h"
#include "model/storing.h"
#include "work_setup.h"

namespace fs = std::filesystem;
using namespace tamo;

namespace {

// Lets Qt lay out and paint whatever the last event left behind, as the window does
// before it takes the next key press.
void settle() {
  QApplication::processEvents();
  QApplication::sendPostedEvents();
  QApplication::processEvents();
}

fs::path area_or_work(const benchmark::State& state) {
  int rooms = static_cast<int>(state.range(0));
  if (rooms > 0)
    return bench::generated_area(static_cast<std::size_t>(rooms), bench::bench_folder());
  return bench::generated_work(bench::Shape::real, static_cast<int>(-rooms), bench::bench_folder());
}

// "tamo FILE": the window is built and shown, the work opened, and everything drawn.
void BM_StartWithWork(benchmark::State& state) {
  fs::path file = area_or_work(state);
  for (auto _ : state) {
    gui::Program program;
    program.window().show();
    program.open(file);
    settle();
    state.PauseTiming();
    benchmark::DoNotOptimize(program.bench().work().rooms.size());
    state.ResumeTiming();
  }
  state.counters["file_MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}

// "tamo FILE", then the window left alone until the area check has judged the whole work:
// when the window was drawn, the longest single event after that (what a key pressed
// meanwhile waits at most) and when the check's lines were all in its list; with the check's
// window closed, or open beside it (check_window:1).
void BM_StartThenCheck(benchmark::State& state) {
  fs::path file = area_or_work(state);
  using Clock = std::chrono::steady_clock;
  auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
  double shown_ms = 0;
  double longest_ms = 0;
  double checked_ms = 0;
  for (auto _ : state) {
    gui::Program program;
    program.window().show();
    if (state.range(1) == 1) {
      program.screen().run([&] { program.bench().area_check().form.show(); });
      settle();
    }
    auto start = Clock::now();
    program.open(file);
    settle();
    auto last = Clock::now();
    shown_ms += ms(last - start);
    const Work& work = program.bench().work();
    const std::size_t records = work.rooms.size() + work.monsters.size() + work.items.size();
    app::AreaCheck& check = program.bench().area_check();
    // The window's events are handled as they come, without waiting for more: the time of one
    // pass over them is what a key press meanwhile waits, and waiting idle for a timer is not.
    while (check.judging() || check.filling() || check.lines().size() < records) {
      auto before = Clock::now();
      QApplication::processEvents();
      last = Clock::now();
      longest_ms = std::max(longest_ms, ms(last - before));
    }
    checked_ms += ms(last - start);
    auto* list = program.window().page("areacheck")->findChild<QListWidget*>("problems");
    if (list == nullptr || static_cast<std::size_t>(list->count()) != check.lines().size())
      state.SkipWithError("the check window's list lacks lines");
  }
  double n = static_cast<double>(state.iterations());
  state.counters["shown_ms"] = shown_ms / n;
  state.counters["longest_event_ms"] = longest_ms;
  state.counters["checked_ms"] = checked_ms / n;
}

// The room panel of a work whose one room lists `rows` rows of contents, in an order that
// sorting has to change, then "Tartalom".
void BM_ContentsDialog(benchmark::State& state) {
  constexpr int kPerCreature = 10000;
  int creatures = static_cast<int>(state.range(0)) / kPerCreature;
  for (auto _ : state) {
    state.PauseTiming();
    gui::Program program;
    program.window().show();
    app::Workbench& bench = program.bench();
    Work& work = bench.work();
    droom* room = setup_data(work).rooms.add("terem");
    room->short_ = "Terem";
    room->long_ = "Nagy terem.";
    for (int n = creatures - 1; n >= 0; --n) {
      std::string name = "ork" + std::to_string(n);
      setup_data(work).monsters.add(name);
      add_mixed(room->contents, name, std::to_string(kPerCreature));
    }
    program.screen().run([&] {
      bench.app().show_room_panel();
      bench.room_editor().filename.set_text("terem");
    });
    settle();
    state.ResumeTiming();
    program.screen().run([&] { bench.room_editor().Button4.click(); });
    settle();
    state.PauseTiming();
    if (bench.room_editor().contents.contents.count() != static_cast<std::size_t>(state.range(0)))
      state.SkipWithError("rows missing");
    state.ResumeTiming();
  }
}

// A first room whose short text is `text`; "Teszt" shows it, then one more command runs
// while the line is still on screen.
void console_case(benchmark::State& state, const std::string& text) {
  std::int64_t shown_ns = 0;
  std::int64_t next_ns = 0;
  for (auto _ : state) {
    state.PauseTiming();
    gui::Program program;
    program.window().show();
    app::Workbench& bench = program.bench();
    droom* room = setup_data(bench.work()).rooms.add("terem");
    room->short_ = text;
    room->long_ = "Nagy terem.";
    bench.work().current_room = room;
    settle();
    state.ResumeTiming();
    auto start = std::chrono::steady_clock::now();
    program.screen().run([&] { bench.app().Teszt1Click(); });
    settle();
    auto shown = std::chrono::steady_clock::now();
    program.screen().run([&] { bench.console().command("fel"); });
    settle();
    auto next = std::chrono::steady_clock::now();
    shown_ns += std::chrono::duration_cast<std::chrono::nanoseconds>(shown - start).count();
    next_ns += std::chrono::duration_cast<std::chrono::nanoseconds>(next - shown).count();
  }
  double n = static_cast<double>(state.iterations());
  state.counters["shown_ms"] = static_cast<double>(shown_ns) / n / 1e6;
  state.counters["next_command_ms"] = static_cast<double>(next_ns) / n / 1e6;
}

void BM_ConsoleColourRuns(benchmark::State& state) {
  std::string text;
  for (std::int64_t n = 0; n < state.range(0); ++n) text += n % 2 ? "%^RED%^ab" : "%^BLUE%^cd";
  console_case(state, text);
}

void BM_ConsoleLongLine(benchmark::State& state) {
  std::string text;
  while (text.size() < static_cast<std::size_t>(state.range(0))) text += "Egy hosszú sor. ";
  console_case(state, text);
}

}  // namespace

// Positive: an area of that many rooms; negative: a work of that many MB.
BENCHMARK(BM_StartWithWork)
    ->ArgName("rooms_or_-MB")
    ->Arg(200)
    ->Arg(-25)
    ->Arg(-100)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_StartThenCheck)
    ->ArgNames({"rooms_or_-MB", "check_window"})
    ->Args({200, 0})
    ->Args({-100, 0})
    ->Args({-100, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(BM_ContentsDialog)
    ->ArgName("rows")
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ConsoleColourRuns)
    ->ArgName("runs")
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ConsoleLongLine)
    ->ArgName("bytes")
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qapp(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(bench::bench_folder(), ignored);
  return 0;
}
