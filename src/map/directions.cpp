#include "map/directions.h"

#include <array>
#include <utility>

namespace tamo::map {

namespace {

constexpr std::array<std::pair<std::string_view, Cell>, 10> kDirections = {{
    {"eszak", {0, 1, 0}},
    {"del", {0, -1, 0}},
    {"kelet", {1, 0, 0}},
    {"nyugat", {-1, 0, 0}},
    {"eszakkelet", {1, 1, 0}},
    {"eszaknyugat", {-1, 1, 0}},
    {"delkelet", {1, -1, 0}},
    {"delnyugat", {-1, -1, 0}},
    {"fel", {0, 0, 1}},
    {"le", {0, 0, -1}},
}};

}  // namespace

std::optional<Cell> exit_vector(std::string_view exit_name) {
  for (const auto& [name, step] : kDirections)
    if (name == exit_name) return step;
  return std::nullopt;
}

std::string_view direction_name(Cell step) {
  for (const auto& [name, s] : kDirections)
    if (s == step) return name;
  return {};
}

}  // namespace tamo::map
