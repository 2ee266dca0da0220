#include "map/scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace tamo::map {

namespace {

constexpr double kCaptionHeight = 0.5;
constexpr double kStubLength = 0.32;

Point centre(const Rect& r) {
  return {r.x + r.w / 2, r.y + r.h / 2};
}

// Where the ray from the centre of `r` towards `toward` leaves the box.
Point edge_towards(const Rect& r, Point toward) {
  Point c = centre(r);
  double dx = toward.x - c.x, dy = toward.y - c.y;
  if (dx == 0 && dy == 0) return c;
  double tx = dx != 0 ? (r.w / 2) / std::abs(dx) : INFINITY;
  double ty = dy != 0 ? (r.h / 2) / std::abs(dy) : INFINITY;
  double t = std::min(tx, ty);
  return {c.x + dx * t, c.y + dy * t};
}

Point along(Point a, Point b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Stubs of exits that have no direction fan out from the box's lower right corner.
constexpr std::array<Point, 4> kFreeStubDirections = {
    {{0.7, 0.7}, {0.7, -0.7}, {-0.7, 0.7}, {-0.7, -0.7}}};

class SceneBuilder {
 public:
  SceneBuilder(const MapLayout& layout, Scene& scene) : layout_(layout), scene_(scene) {}

  void bands() {
    std::map<int, std::pair<int, int>, std::greater<>> rows;  // level -> south, north
    for (const MapRoom& r : layout_.rooms) {
      auto [it, fresh] = rows.try_emplace(r.cell.z, r.cell.y, r.cell.y);
      it->second.first = std::min(it->second.first, r.cell.y);
      it->second.second = std::max(it->second.second, r.cell.y);
    }
    const bool captions = rows.size() > 1;
    double top = 0;
    for (const auto& [level, span] : rows) {
      if (captions) {
        scene_.captions.push_back(
            {{0, top + kCaptionHeight * 0.7}, "Szint " + std::to_string(level)});
        top += kCaptionHeight;
      }
      scene_.bands.push_back({level, top, span.second});
      top += (span.second - span.first + 1) * kCellHeight + kCellHeight;
    }
    int columns = 0;
    for (const MapRoom& r : layout_.rooms) columns = std::max(columns, r.cell.x + 1);
    scene_.bounds = {-0.5, -0.5, columns * kCellWidth + 1.0,
                     std::max(top - kCellHeight, 0.0) + 1.0};
  }

  void boxes(std::size_t current) {
    std::unordered_map<int, const Scene::Band*> band_of;
    for (const Scene::Band& b : scene_.bands) band_of[b.level] = &b;
    scene_.boxes.reserve(layout_.rooms.size());
    for (std::size_t i = 0; i < layout_.rooms.size(); ++i) {
      const MapRoom& r = layout_.rooms[i];
      const Scene::Band& b = *band_of.at(r.cell.z);
      double cx = r.cell.x * kCellWidth + kCellWidth / 2;
      double cy = b.top + (b.north - r.cell.y) * kCellHeight + kCellHeight / 2;
      SceneBox box;
      box.room = i;
      box.rect = {cx - kBoxWidth / 2, cy - kBoxHeight / 2, kBoxWidth, kBoxHeight};
      box.label = r.name;
      box.tooltip = r.short_text;
      box.unreached = r.unreached;
      box.current = i == current;
      scene_.boxes.push_back(std::move(box));
      scene_.cells.emplace(r.cell, i);
    }
    // A word for an exit is no fault of the room: it is listed, not outlined.
    for (const MapProblem& p : layout_.problems)
      if (p.kind != ProblemKind::free_name) scene_.boxes[p.room].problem = true;
  }

  void links() {
    std::vector<int> stubs(layout_.rooms.size(), 0);
    for (std::size_t i = 0; i < layout_.exits.size(); ++i) {
      const MapExit& e = layout_.exits[i];
      const Rect& from = scene_.boxes[e.from].rect;
      std::optional<Cell> step = exit_vector(e.name);
      if (e.kind == ExitKind::dangling || e.kind == ExitKind::free ||
          e.kind == ExitKind::self_loop) {
        Point dir = step && step->z == 0 ? unit({double(step->x), double(-step->y)})
                                         : kFreeStubDirections[stubs[e.from]++ % 4];
        Point a = edge_towards(from, {centre(from).x + dir.x, centre(from).y + dir.y});
        Point b{a.x + dir.x * kStubLength, a.y + dir.y * kStubLength};
        LinkKind kind = e.kind == ExitKind::dangling ? LinkKind::dangling
                        : e.kind == ExitKind::free   ? LinkKind::free
                                                     : LinkKind::self_loop;
        std::string label = e.kind == ExitKind::free       ? e.name + " → " + e.target
                            : e.kind == ExitKind::dangling ? e.target
                                                           : e.name;
        scene_.links.push_back({kind, a, b, false, std::move(label), i});
        marks(e, a, b);
        continue;
      }
      const Rect& to = scene_.boxes[e.to].rect;
      if (step->z != 0 && e.kind != ExitKind::distorted) {
        (step->z > 0 ? scene_.boxes[e.from].up : scene_.boxes[e.from].down) = true;
        Point corner{from.x + from.w, from.y + (step->z > 0 ? 0 : from.h)};
        marks(e, corner, {corner.x + 0.2, corner.y});
        continue;
      }
      Point a = edge_towards(from, centre(to));
      Point b = edge_towards(to, centre(from));
      marks(e, a, b);
      if (e.two_way && e.partner < i) continue;  // drawn with its partner
      LinkKind kind = e.kind == ExitKind::distorted ? LinkKind::distorted
                      : e.two_way                   ? LinkKind::two_way
                                                    : LinkKind::one_way;
      scene_.links.push_back({kind, a, b, !e.two_way, {}, i});
    }
  }

 private:
  static Point unit(Point p) {
    double l = std::hypot(p.x, p.y);
    return {p.x / l, p.y / l};
  }

  // Marks sit on the exit's own half of the line, so both sides of a door show; a door
  // named alike on both sides is named once.
  void marks(const MapExit& e, Point a, Point b) {
    if (e.guarded) scene_.marks.push_back({MarkKind::guard, along(a, b, 0.15), {}});
    if (e.door.empty()) return;
    Point door = along(a, b, 0.35);
    bool named =
        !(e.two_way && e.partner < exit_index(e) && layout_.exits[e.partner].door == e.door);
    scene_.marks.push_back({MarkKind::door, door, named ? e.door : std::string()});
    if (e.key) scene_.marks.push_back({MarkKind::key, {door.x + 0.05, door.y + 0.06}, {}});
  }

  std::size_t exit_index(const MapExit& e) const { return std::size_t(&e - layout_.exits.data()); }

  const MapLayout& layout_;
  Scene& scene_;
};

}  // namespace

const SceneBox* Scene::box_at(Point p) const {
  for (const Band& b : bands) {
    if (p.y < b.top) continue;
    int row = int(std::floor((p.y - b.top) / kCellHeight));
    Cell cell{int(std::floor(p.x / kCellWidth)), b.north - row, b.level};
    auto it = cells.find(cell);
    if (it != cells.end() && boxes[it->second].rect.contains(p)) return &boxes[it->second];
  }
  return nullptr;
}

Scene build_scene(const MapLayout& layout, std::size_t current) {
  Scene scene;
  SceneBuilder builder(layout, scene);
  builder.bands();
  builder.boxes(current);
  builder.links();
  return scene;
}

std::size_t current_room_index(const Work& work) {
  std::size_t i = 0;
  for (const droom& r : work.rooms) {
    if (&r == work.current_room) return i;
    ++i;
  }
  return kNoRoom;
}

}  // namespace tamo::map
