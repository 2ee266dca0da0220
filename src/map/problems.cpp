#include <string>

#include "map/layout.h"

namespace tamo::map {

namespace {

std::string offset_text(Cell c) {
  return std::to_string(c.x) + "," + std::to_string(c.y) + "," + std::to_string(c.z);
}

}  // namespace

std::string problem_text(const MapLayout& layout, const MapProblem& p) {
  const MapExit& e = layout.exits[p.exit];
  const std::string who = "szoba " + layout.rooms[p.room].name + ": a(z) " + e.name + " kijárat ";
  switch (p.kind) {
    case ProblemKind::free_name:
      return who + "neve nem irány, felirattal jelölve: " + e.target;
    case ProblemKind::dangling:
      return who + "nem létező szobába vezet: " + e.target;
    case ProblemKind::self_loop:
      return who + "önmagába vezet";
    case ProblemKind::one_way:
      return who + "egyirányú, nem vezet vissza: " + e.target;
    case ProblemKind::asymmetric:
      return who + "visszafelé nem " + std::string(direction_name(Cell{} - *exit_vector(e.name))) +
             " irányban vezet: " + e.target;
    case ProblemKind::contradiction:
      return who + "nem illik a térképbe: " + e.target + " máshol áll (eltérés " +
             offset_text(p.offset) + ")";
  }
  return who;
}

std::string layout_text(const MapLayout& layout) {
  std::string out;
  for (const MapRoom& r : layout.rooms) out += r.name + ": " + offset_text(r.cell) + "\n";
  for (const MapProblem& p : layout.problems) out += problem_text(layout, p) + "\n";
  return out;
}

}  // namespace tamo::map
