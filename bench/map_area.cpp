#include "map_area.h"

#include <random>
#include <string>

#include "work_setup.h"

namespace tamo::bench {

namespace {

constexpr const char* kWays[][2] = {
    {"kelet", "nyugat"}, {"eszak", "del"}, {"eszakkelet", "delnyugat"}, {"fel", "le"}};

}  // namespace

Work map_area(int size) {
  Work work;
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
      droom& r = setup_data(work).rooms[i];
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

}  // namespace tamo::bench
