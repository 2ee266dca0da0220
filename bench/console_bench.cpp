#include <benchmark/benchmark.h>

#include <string>

#include "model/work.h"
#include "testconsole/console.h"
#include "work_setup.h"

namespace {

using tamo::testconsole::Console;

class NullHost : public tamo::testconsole::ConsoleHost {
 public:
  void show_console() override {}
  void open_room(const tamo::droom&, bool) override {}
  void open_creature(const tamo::dmons&) override {}
  void focus_input() override {}
};

// A hub room with `size` exits to side rooms (each leading back) and `size` content entries,
// in a work of `size` creatures and `size` items, each creature carrying three items.
struct LargeWork {
  explicit LargeWork(int size) {
    hub = setup_room(work, "hub");
    hub->short_ = "%^BOLD%^%^GREEN%^Nagy csarnok%^RESET%^";
    hub->long_ = "Egy hosszu leiras,\r\nket sorban.";
    for (int i = 0; i < size; ++i) {
      std::string n = std::to_string(i);
      tamo::droom* side = setup_room(work, "szoba" + n);
      side->short_ = "Kis szoba";
      add_mixed(side->exits, "vissza", "hub");
      add_mixed(hub->exits, "kijarat" + n, "szoba" + n);
      add_mixed(hub->doors, "kijarat" + n, "ajto" + n);
      add_mixed(hub->keys, "kijarat" + n, "targy" + n);
      tamo::dmons* m = setup_mons(work, "leny" + n);
      m->name = "Lény " + n;
      m->short_ = "Egy %^RED%^lény%^RESET%^";
      m->level = std::to_string(i % 60);
      add_mixed(m->ids, "lény" + n, "");
      add_mixed(m->speech, "Szia, vándor!", "");
      tamo::ditem* it = setup_item(work, "targy" + n);
      it->short_ = "egy tárgy";
      it->itemtype = "vago";
      for (int k = 0; k < 3; ++k)
        add_mixed(m->equipment, "targy" + std::to_string((i + k) % size), "1");
      add_mixed(hub->contents, i % 2 ? "leny" + n : "targy" + n, std::to_string(i % 20));
    }
    work.current_room = hub;
  }
  tamo::Work work;
  NullHost host;
  Console console{work, host};
  tamo::droom* hub;
};

void run_commands(benchmark::State& state, std::initializer_list<std::string> commands) {
  LargeWork large(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const std::string& c : commands) large.console.command(c);
    benchmark::DoNotOptimize(large.console.output().lines().size());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(commands.size()));
}

void BM_LookAround(benchmark::State& state) {
  run_commands(state, {"n"});
}
void BM_WalkOutAndBack(benchmark::State& state) {
  run_commands(state, {"kijarat499", "vissza"});
}
void BM_LookAtCreature(benchmark::State& state) {
  run_commands(state, {"n lény499"});
}
void BM_Speech(benchmark::State& state) {
  run_commands(state, {"beszed"});
}
void BM_UnknownCommand(benchmark::State& state) {
  run_commands(state, {"tancol"});
}

BENCHMARK(BM_LookAround)->Arg(500)->Arg(5000);
BENCHMARK(BM_WalkOutAndBack)->Arg(500)->Arg(5000);
BENCHMARK(BM_LookAtCreature)->Arg(500)->Arg(5000);
BENCHMARK(BM_Speech)->Arg(500)->Arg(5000);
BENCHMARK(BM_UnknownCommand)->Arg(500)->Arg(5000);

}  // namespace

BENCHMARK_MAIN();
