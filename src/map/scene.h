#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "map/layout.h"

namespace tamo::map {

// Scene coordinates are grid units: one cell is kCellWidth wide, x grows right, y down.
inline constexpr double kCellWidth = 1.0;
inline constexpr double kCellHeight = 0.75;
inline constexpr double kBoxWidth = 0.78;
inline constexpr double kBoxHeight = 0.36;

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  double x = 0;
  double y = 0;
  double w = 0;
  double h = 0;
  bool contains(Point p) const { return p.x >= x && p.x <= x + w && p.y >= y && p.y <= y + h; }
  bool intersects(const Rect& o) const {
    return x <= o.x + o.w && o.x <= x + w && y <= o.y + o.h && o.y <= y + h;
  }
};

struct SceneBox {
  std::size_t room = 0;
  Rect rect;
  std::string label;    // the file name
  std::string tooltip;  // the short description
  bool unreached = false;
  bool current = false;  // where the test console stands
  bool problem = false;  // one of its exits is listed as a problem
  bool up = false;       // a "fel" exit leaves from here
  bool down = false;     // a "le" exit leaves from here
};

enum class LinkKind {
  two_way,    // a line
  one_way,    // an arrow
  distorted,  // a line in the warning colour, an arrow when one-way
  free,       // a labelled stub: the exit name and its target
  dangling,   // a red stub with the missing room's name
  self_loop,  // a labelled stub back into the room
};

struct SceneLink {
  LinkKind kind = LinkKind::two_way;
  Point from;
  Point to;
  bool arrow = false;  // an arrow head at `to`
  std::string label;
  std::size_t exit = 0;
};

enum class MarkKind { door, key, guard };

struct SceneMark {
  MarkKind kind = MarkKind::door;
  Point at;
  std::string label;  // the door's name; empty for a key or a guard
};

struct SceneCaption {
  Point at;
  std::string text;
};

struct Scene {
  std::vector<SceneBox> boxes;  // in work order
  std::vector<SceneLink> links;
  std::vector<SceneMark> marks;
  std::vector<SceneCaption> captions;  // one per level when there are several
  Rect bounds;

  // The box under a point, or none.
  const SceneBox* box_at(Point p) const;
  // The box of a room.
  const SceneBox& box_of(std::size_t room) const { return boxes[room]; }

  struct Band {
    int level;
    double top;
    int north;  // the grid row shown at the top of the band
  };
  std::vector<Band> bands;  // levels from the highest down
  std::unordered_map<Cell, std::size_t, CellHash> cells;
};

// `current` is the test console's room (an index of the layout), or kNoRoom.
Scene build_scene(const MapLayout& layout, std::size_t current);

// The index of the work's current room among the layout's rooms, or kNoRoom.
std::size_t current_room_index(const Work& work);

}  // namespace tamo::map
