#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace tamo::map {

// A grid cell or a step between cells: x grows east, y north, z up.
struct Cell {
  int x = 0;
  int y = 0;
  int z = 0;

  friend bool operator==(const Cell&, const Cell&) = default;
  friend Cell operator+(Cell a, Cell b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
  friend Cell operator-(Cell a, Cell b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
};

struct CellHash {
  std::size_t operator()(const Cell& c) const {
    std::size_t h = std::hash<int>{}(c.x);
    h = h * 1000003u ^ std::hash<int>{}(c.y);
    return h * 1000003u ^ std::hash<int>{}(c.z);
  }
};

// The step an exit of that name takes; none for a name that is no direction, which is
// drawn as a labelled link and never placed by.
std::optional<Cell> exit_vector(std::string_view exit_name);

// The direction name of a step, or the empty text when no exit name means it.
std::string_view direction_name(Cell step);

}  // namespace tamo::map
