// tamo-cli check on a large work, side by side with loading it ("Betöltés") and with the
// bare reader: the check must cost about what the load costs.
// Run: build/bench/tamo_cli_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "check/report.h"
#include "cli/session.h"
#include "model/storing.h"
#include "work_builder.h"
#include "workfile/workfile.h"

namespace fs = std::filesystem;
using namespace tamo;

namespace {

// 50,000 records of each kind make a work of about 100 MB.
constexpr int kFullRecords = 50000;

std::string text_line(int n, int words) {
  static const char* const kWords[] = {"árnyas", "kőfal", "mögött", "egy",   "öreg",
                                       "tölgy",  "áll",   "szél",   "zúgja", "ősi"};
  std::string out = "Ez";
  for (int w = 0; w < words; ++w) out += std::string(" ") + kWords[(n * 7 + w * 3) % 10];
  return out + '.';
}

std::string long_text(int n, int lines) {
  std::string out;
  for (int l = 0; l < lines; ++l) out += (l ? "\r\n" : "") + text_line(n + l, 14);
  return out;
}

// Every record passes its editor's checks, so each one runs the whole of "Kész".
Work make_work(int records) {
  Work work;
  set_creator(work, "nagymunka", "epito", "epito@example.com");
  for (int n = 0; n < records; ++n) {
    std::string id = std::to_string(n);
    droom* r = setup_room(work, "szoba" + id, "Egy csendes tisztás " + id, long_text(n, 6));
    r->smelldefault = "Fenyőillat.";
    add_mixed(r->items, "fa", text_line(n, 6));
    add_mixed(r->search, "bokor", text_line(n + 1, 6));
    for (const char* flag : {"indoors", "light", "nomagic"}) add_mixed(r->properties, flag, "1");
    add_mixed(r->exits, "kelet", "szoba" + std::to_string((n + 1) % records));
    add_mixed(r->exits, "nyugat", "szoba" + std::to_string((n + records - 1) % records));
    add_mixed(r->contents, "ork" + id, "1");
    add_mixed(r->contents, "gyuru" + id, "1");

    dmons* m = setup_mons(work, "ork" + id,
                          {.name = "Ork " + id,
                           .short_ = "egy ork",
                           .long_ = long_text(n + 2, 4),
                           .race = "ork",
                           .alignment = "-300",
                           .money = "12"});
    add_mixed(m->ids, "ork", "ork");
    add_mixed(m->speech, text_line(n, 5), "0");
    add_mixed(m->equipment, "gyuru" + id, "1");

    ditem* i = setup_item(work, "gyuru" + id,
                          {.name = "gyuru",
                           .short_ = "egy gyűrű",
                           .long_ = long_text(n + 3, 3),
                           .weight = "5",
                           .value = "500",
                           .itemtype = "gyuru"});
    i->ac = "1";
    add_mixed(i->ids, "gyuru", "gyuru");
  }
  return work;
}

std::map<int, fs::path>& generated_files() {
  static std::map<int, fs::path> files;
  return files;
}

// The work file of that many records of each kind, written once per run.
const fs::path& work_file(int records) {
  auto [it, fresh] = generated_files().try_emplace(records);
  if (fresh) {
    fs::path folder = fs::temp_directory_path() / ("tamo_cli_bench_" + std::to_string(records));
    fs::create_directories(folder);
    it->second = workfile::savetamo(make_work(records), folder).path;
  }
  return it->second;
}

void set_counters(benchmark::State& state, const fs::path& file) {
  state.counters["MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}

void BM_ReadFile(benchmark::State& state) {
  const fs::path& file = work_file(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Work work;
    benchmark::DoNotOptimize(workfile::loadfile(work, file));
  }
  set_counters(state, file);
}

void BM_LoadInWorkbench(benchmark::State& state) {
  const fs::path& file = work_file(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    cli::Session session;
    benchmark::DoNotOptimize(session.open(file));
  }
  set_counters(state, file);
}

void BM_Check(benchmark::State& state) {
  const fs::path& file = work_file(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(check::check_file(file));
  set_counters(state, file);
}

}  // namespace

BENCHMARK(BM_ReadFile)->Arg(kFullRecords / 10)->Arg(kFullRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadInWorkbench)
    ->Arg(kFullRecords / 10)
    ->Arg(kFullRecords)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(kFullRecords / 10)->Arg(kFullRecords)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (const auto& [records, file] : generated_files()) fs::remove_all(file.parent_path());
  return 0;
}
