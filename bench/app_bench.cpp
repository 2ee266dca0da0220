// Opening, saving and checking generated works through the headless application, the path
// the window and tamo-cli take, with two iconv passes over the same file beside them.
// Run: build/bench/tamo_app_bench
// Peak memory is read from a fresh child process per file (this program run again with
// --peak), so that nothing the parent holds counts.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "check/report.h"
#include "cli/resave.h"
#include "cli/session.h"
#include "generated_work.h"

namespace fs = std::filesystem;
using namespace tamo;
using tamo::bench::Shape;

namespace {

const fs::path& file_for(const benchmark::State& state) {
  static std::map<std::pair<int, int>, fs::path> files;
  auto key = std::make_pair(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  auto [it, fresh] = files.try_emplace(key);
  if (fresh)
    it->second =
        bench::generated_work(static_cast<Shape>(key.first), key.second, bench::bench_folder());
  return it->second;
}

fs::path out_folder() {
  fs::path folder = bench::bench_folder() / "out";
  fs::create_directories(folder);
  return folder;
}

void set_counters(benchmark::State& state, const fs::path& file) {
  state.SetLabel(bench::shape_name(static_cast<Shape>(state.range(0))));
  double bytes = static_cast<double>(fs::file_size(file));
  state.counters["file_MB"] = bytes / 1e6;
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

// What `tamo-cli resave --replace` does, minus printing: each run replaces the last one's file.
int resave(const fs::path& file, const fs::path& folder) {
  cli::Session session;
  std::ostringstream out;
  std::ostringstream err;
  return cli::resave(session, {file.string(), folder.string(), true}, out, err);
}

double children_cpu_ms() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Two passes, as loading and saving each pass over the file once. iconv runs in child
// processes, so their CPU time is reported apart, as `iconv_cpu_ms`.
void BM_TwoIconvPasses(benchmark::State& state) {
  const fs::path& file = file_for(state);
  std::string once = "iconv -f CP1250 -t UTF-8 '" + file.string() + "' > '" +
                     (out_folder() / "iconv.out").string() + "'";
  std::string command = once + " && " + once;
  double before = children_cpu_ms();
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("iconv failed");
  set_counters(state, file);
  state.counters["iconv_cpu_ms"] =
      (children_cpu_ms() - before) / static_cast<double>(state.iterations());
}

// "Betöltés" of the file, as the window and tamo-cli open it.
void BM_Open(benchmark::State& state) {
  const fs::path& file = file_for(state);
  for (auto _ : state) {
    cli::Session session;
    benchmark::DoNotOptimize(session.open(file));
  }
  set_counters(state, file);
}

void BM_Resave(benchmark::State& state) {
  const fs::path& file = file_for(state);
  fs::path folder = out_folder();
  for (auto _ : state)
    if (resave(file, folder) != 0) state.SkipWithError("resave failed");
  set_counters(state, file);
}

void BM_Check(benchmark::State& state) {
  const fs::path& file = file_for(state);
  for (auto _ : state) benchmark::DoNotOptimize(check::check_file(file));
  set_counters(state, file);
}

// Whether the opened work changed: asked before every load, new work and close.
void BM_WorkChanged(benchmark::State& state) {
  const fs::path& file = file_for(state);
  cli::Session session;
  session.open(file);
  for (auto _ : state) benchmark::DoNotOptimize(session.app().work_changed());
  set_counters(state, file);
}

// Runs `resave`, `check` or `open` on the file in a fresh child and reads its peak memory.
void BM_PeakMemory(benchmark::State& state, const char* what) {
  const fs::path& file = file_for(state);
  std::string command = "'" + fs::read_symlink("/proc/self/exe").string() + "' --peak " + what +
                        " '" + file.string() + "' '" + out_folder().string() + "'";
  double peak = 0;
  for (auto _ : state) {
    std::FILE* child = popen(command.c_str(), "r");
    if (child == nullptr || std::fscanf(child, "%lf", &peak) != 1) state.SkipWithError("child");
    if (child && pclose(child) != 0) state.SkipWithError("child failed");
  }
  set_counters(state, file);
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_per_file"] = peak / static_cast<double>(fs::file_size(file));
}

// The peak resident memory of this process's own address space, in bytes. ru_maxrss would
// also count what the parent held when it forked.
double own_peak_bytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024;
  return 0;
}

int peak_child(const std::string& what, const fs::path& file, const fs::path& folder) {
  int code = 2;
  if (what == "resave") {
    code = resave(file, folder);
  } else if (what == "check") {
    code = check::check_file(file).complete ? 0 : 2;
  } else {
    cli::Session session;
    code = session.open(file) ? 0 : 2;
  }
  std::printf("%.0f\n", own_peak_bytes());
  return code;
}

constexpr int kReal = static_cast<int>(Shape::real);
constexpr int kEmpty = static_cast<int>(Shape::empty_records);
constexpr int kTiny = static_cast<int>(Shape::tiny_records);

// Works as builders make them at 25, 50 and 100 MB; the hostile ones cost many times their
// size, so they are kept smaller on a shared machine (their growth is as linear).
void all_sizes(benchmark::internal::Benchmark* b, std::initializer_list<int> shapes) {
  b->ArgNames({"shape", "MB"});
  for (int shape : shapes)
    for (int mb : {25, 50, 100}) b->Args({shape, shape == kReal ? mb : mb / 5});
  b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

}  // namespace

BENCHMARK(BM_TwoIconvPasses)->Apply([](auto* b) { all_sizes(b, {kReal}); });
BENCHMARK(BM_Open)->Apply([](auto* b) { all_sizes(b, {kReal, kEmpty, kTiny}); });
BENCHMARK(BM_Resave)->Apply([](auto* b) { all_sizes(b, {kReal, kEmpty, kTiny}); });
BENCHMARK(BM_Check)->Apply([](auto* b) { all_sizes(b, {kReal}); });
BENCHMARK(BM_WorkChanged)->Apply([](auto* b) { all_sizes(b, {kReal}); });
BENCHMARK_CAPTURE(BM_PeakMemory, resave, "resave")
    ->Apply([](auto* b) {
      all_sizes(b, {kReal, kEmpty, kTiny});
    }) -> Iterations(1);
BENCHMARK_CAPTURE(BM_PeakMemory, check, "check")
    ->Apply([](auto* b) { all_sizes(b, {kReal}); }) -> Iterations(1);

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--peak") return peak_child(argv[2], argv[3], argv[4]);
  // Leaves a generated work for trying by hand: --write real|empty_records|tiny_records MB DIR
  if (argc == 5 && std::string(argv[1]) == "--write") {
    for (Shape shape : {Shape::real, Shape::empty_records, Shape::tiny_records})
      if (bench::shape_name(shape) == argv[2])
        std::printf("%s\n", bench::generated_work(shape, std::atoi(argv[3]), argv[4]).c_str());
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(bench::bench_folder(), ignored);
  return 0;
}
