#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "map/directions.h"
#include "model/work.h"

namespace tamo::map {

inline constexpr std::size_t kNoRoom = static_cast<std::size_t>(-1);

struct MapRoom {
  std::string name;        // the room's file name
  std::string short_text;  // its short description
  Cell cell;               // x and y start at 0; the first room of each part stands on level 0
  int component = 0;       // parts joined by direction exits, numbered in work order
  bool unreached = false;  // no exit of another room leads here
};

// How an exit came out on the grid.
enum class ExitKind {
  perfect,    // the target is one step away in the exit's direction
  stretched,  // the target is further away, but in the exit's direction
  distorted,  // the target sits elsewhere (a loop that does not close, a crowded cell)
  free,       // the name is no direction: drawn as a labelled link
  dangling,   // no room has the target's name
  self_loop,  // the exit leads back into its own room
};

struct MapExit {
  std::size_t from = 0;
  std::string name;
  std::string target;        // the file name the exit names
  std::size_t to = kNoRoom;  // the room it leads to (the last of that name), or none
  ExitKind kind = ExitKind::free;
  bool two_way = false;           // the target's opposite exit leads straight back
  std::size_t partner = kNoRoom;  // that opposite exit, when two-way
  std::string door;               // the door's name on this side, or empty
  bool key = false;               // a key is set for the door
  bool guarded = false;           // a guard watches this exit
};

enum class ProblemKind {
  free_name,      // an exit name that is no direction
  dangling,       // the target room does not exist
  self_loop,      // the exit leads into its own room
  one_way,        // nothing leads back from the target
  asymmetric,     // the way back is not the opposite direction
  contradiction,  // the target could not stand where the direction says
};

struct MapProblem {
  ProblemKind kind;
  std::size_t room = 0;  // the room whose exit it is
  std::size_t exit = 0;  // index into MapLayout::exits
  Cell offset;           // contradiction: where the target is, less where it should be
};

// Where every room of a work goes on the grid, and what could not be placed by direction.
// The same work always gives the same layout.
struct MapLayout {
  std::vector<MapRoom> rooms;  // in work order
  std::vector<MapExit> exits;  // by room, then in each room's exit order
  std::vector<MapProblem> problems;
  int components = 0;

  // The room standing on that cell, or kNoRoom.
  std::size_t room_at(Cell cell) const;

  std::unordered_map<Cell, std::size_t, CellHash> occupancy;
};

MapLayout layout_map(const Work& work);

// Hungarian one-line description of a problem, naming the room and the exit.
std::string problem_text(const MapLayout& layout, const MapProblem& problem);

// A plain text picture of the layout: one "name: x,y,z" line per room, then one line per
// problem. Tests and tamo-cli print it.
std::string layout_text(const MapLayout& layout);

}  // namespace tamo::map
