#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "map/layout.h"
#include "map_fixture.h"
#include "work_setup.h"

namespace tamo::map::testing {
namespace {

// In opposite pairs: a step's opposite is its index with the lowest bit flipped.
constexpr Cell kSteps[] = {{0, 1, 0},   {0, -1, 0}, {1, 0, 0},  {-1, 0, 0}, {1, 1, 0},
                           {-1, -1, 0}, {-1, 1, 0}, {1, -1, 0}, {0, 0, 1},  {0, 0, -1}};

std::string name_of(Cell c) {
  return "r" + std::to_string(c.x) + "x" + std::to_string(c.y) + "x" + std::to_string(c.z);
}

// Rooms on every cell of a small 3-D grid, joined along rows, the first column and the
// first shaft, plus random pairs of opposite exits between neighbours. Rooms and their
// exits come in random order.
struct GridWork {
  explicit GridWork(unsigned seed, int width = 6, int height = 5, int levels = 3) {
    std::mt19937 random(seed);
    std::vector<Cell> cells;
    for (int z = 0; z < levels; ++z)
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) cells.push_back({x, y, z});
    auto inside = [&](Cell c) {
      return c.x >= 0 && c.y >= 0 && c.z >= 0 && c.x < width && c.y < height && c.z < levels;
    };
    std::set<std::pair<int, int>> linked;  // cell index and step index
    std::vector<std::vector<std::pair<std::string, std::string>>> exits(cells.size());
    auto index_of = [&](Cell c) { return (c.z * height + c.y) * width + c.x; };
    auto link = [&](Cell a, int s) {
      Cell b = a + kSteps[s];
      if (!inside(b) || !linked.insert({index_of(a), s}).second) return;
      int back = s ^ 1;
      linked.insert({index_of(b), back});
      exits[index_of(a)].push_back({std::string(direction_name(kSteps[s])), name_of(b)});
      exits[index_of(b)].push_back({std::string(direction_name(kSteps[back])), name_of(a)});
    };
    for (Cell c : cells) {
      if (c.x + 1 < width) link(c, 2);
      if (c.x == 0) link(c, 0);
      if (c.x == 0 && c.y == 0) link(c, 8);
      for (int s = 0; s < 10; ++s)
        if (random() % 4 == 0) link(c, s);
    }
    std::vector<std::size_t> order(cells.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    for (std::size_t i : order) {
      droom& r = *setup_room(work, name_of(cells[i]));
      std::shuffle(exits[i].begin(), exits[i].end(), random);
      for (const auto& [exit, target] : exits[i]) add_mixed(r.exits, exit, target);
      where.push_back(cells[i]);
    }
  }

  Work work;
  std::vector<Cell> where;  // each room's cell, in work order
};

TEST(GridProperty, ConsistentExitsGiveTheGeneratorsPictureWithoutProblems) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    GridWork grid(seed);
    MapLayout layout = layout_map(grid.work);
    ASSERT_TRUE(layout.problems.empty()) << "seed " << seed << "\n" << layout_text(layout);
    EXPECT_EQ(layout.components, 1);
    Cell origin = layout.rooms[0].cell - grid.where[0];
    for (std::size_t i = 0; i < layout.rooms.size(); ++i)
      ASSERT_EQ(layout.rooms[i].cell - grid.where[i], origin)
          << "seed " << seed << " room " << layout.rooms[i].name;
    for (const MapExit& e : layout.exits) ASSERT_EQ(e.kind, ExitKind::perfect) << e.name;
  }
}

TEST(GridProperty, StrayExitsStillPlaceEveryRoomOnceAndTheSameWay) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    GridWork grid(seed, 5, 4, 2);
    std::mt19937 random(seed * 7919);
    std::vector<droom*> rooms;
    for (droom& r : setup_data(grid.work).rooms) rooms.push_back(&r);
    for (int k = 0; k < 25; ++k) {
      droom& from = *rooms[random() % rooms.size()];
      const droom& to = *rooms[random() % rooms.size()];
      add_mixed(from.exits, direction_name(kSteps[random() % 10]), to.filename);
    }
    MapLayout layout = layout_map(grid.work);
    std::set<std::tuple<int, int, int>> cells;
    for (const MapRoom& r : layout.rooms) cells.insert({r.cell.x, r.cell.y, r.cell.z});
    EXPECT_EQ(cells.size(), layout.rooms.size()) << "seed " << seed;
    EXPECT_EQ(layout_text(layout_map(grid.work)), layout_text(layout)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tamo::map::testing
