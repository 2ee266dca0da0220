// Loading and saving a large work, side by side with iconv transcoding the same file.
// Run: build/bench/tamo_workfile_bench
// The peak memory of a load is measured in a child process of this program, so that the
// generated work of the parent does not count.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "work_setup.h"
#include "workfile/workfile.h"

namespace fs = std::filesystem;
using namespace tamo;
using namespace tamo::workfile;

namespace {

// The full work has about 100 MB on disk; the smaller ones show how cost grows.
constexpr int kFullScale = 8;
constexpr int kRecordsPerScale = 5000;

const fs::path& bench_folder() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / "tamo_workfile_bench";
    fs::create_directories(f);
    return f;
  }();
  return folder;
}

std::string sentence(int n, int words) {
  static const char* const kWords[] = {"árnyas", "kőfal",      "mögött", "egy",    "öreg",
                                       "tölgy",  "áll",        "szél",   "zúgja",  "ősi",
                                       "dalát",  "a",          "völgy",  "felett", "ködös",
                                       "hegyek", "magasodnak", "és",     "patak",  "csobog"};
  std::string out = "Ez";
  for (int w = 0; w < words; ++w) {
    out += ' ';
    out += kWords[(n * 7 + w * 3) % 20];
  }
  return out + '.';
}

std::string long_text(int n, int lines) {
  std::string out;
  for (int l = 0; l < lines; ++l) out += (l ? "\r\n" : "") + sentence(n + l, 12);
  return out;
}

void fill_list(MixedList& list, const std::string& stem, int n, int entries) {
  for (int e = 0; e < entries; ++e) add_mixed(list, stem + std::to_string(e), sentence(n + e, 5));
}

Work make_work(int scale) {
  Work work;
  setup_data(work).project = "nagymunka";
  setup_data(work).name = "Építő";
  setup_data(work).mail = "epito@example.com";
  setup_data(work).desc = long_text(0, 20);
  int records = scale * kRecordsPerScale;
  for (int n = 0; n < records; ++n) {
    std::string id = std::to_string(n);
    droom* r = setup_room(work, "szoba" + id);
    r->short_ = "Egy csendes tisztás " + id;
    r->long_ = long_text(n, 5);
    r->smelldefault = "Fenyőillat.";
    r->listendefault = "Madárcsicsergés.";
    fill_list(r->items, "fa", n, 3);
    fill_list(r->smell, "virág", n, 1);
    fill_list(r->search, "bokor", n, 1);
    for (const char* flag : {"indoors", "light", "nomagic", "noteleport", "nofight"})
      add_mixed(r->properties, flag, n % 2 ? "1" : "0");
    add_mixed(r->exits, "kelet", "szoba" + std::to_string(n + 1));
    add_mixed(r->exits, "nyugat", "szoba" + std::to_string(n ? n - 1 : 0));
    add_mixed(r->contents, "ork" + id, "1");
    dmons* m = setup_mons(work, "ork" + id);
    m->name = "ork";
    m->short_ = "egy morcos ork";
    m->long_ = long_text(n, 3);
    m->race = "ork";
    m->gender = "1";
    m->class1 = "harcos";
    m->level = std::to_string(n % 30 + 1);
    m->alignment = "-500";
    m->speed = "10";
    m->spemspeed = "20";
    m->aggressive = "1";
    m->money = "120";
    fill_list(m->ids, "ork", n, 2);
    fill_list(m->speech, "szia", n, 3);
    fill_list(m->emote, "morog", n, 2);
    add_mixed(m->equipment, "kard" + id, "1");
    ditem* i = setup_item(work, "kard" + id);
    i->name = "kard";
    i->short_ = "egy rozsdás kard";
    i->long_ = long_text(n, 2);
    i->minlevel = "5";
    i->rarity = "10";
    i->weight = "150";
    i->value = "200";
    i->itemtype = "vágó";
    i->is_weapon = "1";
    i->invisitem = "0";
    i->wc1 = "2";
    i->wc2 = "8";
    i->two_handed = "0";
    i->my_mess = "Lesújtasz a karddal.";
    i->your_mess = "lesújt a karddal.";
    i->hp = "5";
    i->ero = "1";
    fill_list(i->ids, "kard", n, 2);
    add_mixed(i->antis, "pap", "1");
  }
  work.current_room = work.rooms.head();
  return work;
}

// The saved file of the work at that scale, written once.
const fs::path& work_file(int scale) {
  static std::map<int, fs::path> files;
  auto [it, added] = files.try_emplace(scale);
  if (added) {
    Work work = make_work(scale);
    setup_data(work).project = "nagymunka" + std::to_string(scale);
    SaveResult saved = savetamo(work, bench_folder());
    if (!saved.saved) std::abort();
    it->second = saved.path;
  }
  return it->second;
}

double children_cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void set_size_counters(benchmark::State& state, const fs::path& file) {
  double bytes = static_cast<double>(fs::file_size(file));
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
  state.counters["file_MB"] = bytes / 1e6;
}

void BM_Load(benchmark::State& state) {
  const fs::path& file = work_file(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto work = std::make_unique<Work>();
    state.ResumeTiming();
    LoadResult result = loadfile(*work, file);
    if (!result.complete) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(work->items.size());
    state.PauseTiming();
    work.reset();
    state.ResumeTiming();
  }
  set_size_counters(state, file);
  state.SetComplexityN(state.range(0));
}

void BM_Save(benchmark::State& state) {
  int scale = static_cast<int>(state.range(0));
  const fs::path& file = work_file(scale);
  Work work;
  loadfile(work, file);
  fs::path folder = bench_folder() / "save";
  fs::create_directories(folder);
  for (auto _ : state) {
    SaveResult saved = savetamo(work, folder);
    if (!saved.saved) state.SkipWithError("save failed");
  }
  set_size_counters(state, file);
  state.SetComplexityN(state.range(0));
}

// iconv runs as a child process, so its processor time is read from the children's usage.
// Its output goes to /dev/null (the counterpart of loading) or to a file in the work's
// folder (the counterpart of saving).
void BM_Iconv(benchmark::State& state) {
  const fs::path& file = work_file(static_cast<int>(state.range(0)));
  std::string target = state.range(1) ? (bench_folder() / "iconv.out").string() : "/dev/null";
  std::string command = "iconv -f CP1250 -t UTF-8 '" + file.string() + "' > '" + target + "'";
  double cpu_before = children_cpu_seconds();
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("iconv failed");
  state.counters["child_cpu_ms"] =
      (children_cpu_seconds() - cpu_before) * 1e3 / static_cast<double>(state.iterations());
  set_size_counters(state, file);
}

// Loads the file in a fresh child process and reports its peak memory against the file size.
void BM_LoadPeakMemory(benchmark::State& state) {
  const fs::path& file = work_file(static_cast<int>(state.range(0)));
  std::string command =
      "'" + fs::read_symlink("/proc/self/exe").string() + "' --peak-load '" + file.string() + "'";
  double peak_kb = 0;
  for (auto _ : state) {
    std::FILE* child = popen(command.c_str(), "r");
    if (child == nullptr || std::fscanf(child, "%lf", &peak_kb) != 1) state.SkipWithError("child");
    if (child) pclose(child);
  }
  double file_mb = static_cast<double>(fs::file_size(file)) / 1e6;
  state.counters["file_MB"] = file_mb;
  state.counters["peak_MB"] = peak_kb * 1024 / 1e6;
  state.counters["peak_per_file"] = peak_kb * 1024 / 1e6 / file_mb;
}

long max_rss_kb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

BENCHMARK(BM_Load)
    ->Arg(2)
    ->Arg(4)
    ->Arg(kFullScale)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);
BENCHMARK(BM_Save)
    ->Arg(2)
    ->Arg(4)
    ->Arg(kFullScale)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);
BENCHMARK(BM_Iconv)
    ->ArgNames({"scale", "to_file"})
    ->Args({kFullScale, 0})
    ->Args({kFullScale, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_LoadPeakMemory)->Arg(kFullScale)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--peak-load") {
    // The growth of the peak over what the program needed before loading.
    long before = max_rss_kb();
    Work work;
    loadfile(work, argv[2]);
    std::printf("%ld\n", max_rss_kb() - before);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(bench_folder(), ignored);
  return 0;
}
