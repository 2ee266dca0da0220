#include "map/layout.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>

#include "model/guard_keys.h"

namespace tamo::map {

namespace {

struct Neighbour {
  std::size_t room;
  Cell step;
  bool two_way;
};

class UnionFind {
 public:
  explicit UnionFind(std::size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
  std::size_t find(std::size_t a) {
    while (parent_[a] != a) a = parent_[a] = parent_[parent_[a]];
    return a;
  }
  // The smaller index stays the root, so roots do not depend on the order of joining.
  void join(std::size_t a, std::size_t b) {
    a = find(a);
    b = find(b);
    if (a != b) parent_[std::max(a, b)] = std::min(a, b);
  }

 private:
  std::vector<std::size_t> parent_;
};

bool directional(const MapExit& e) {
  return e.kind != ExitKind::free && e.kind != ExitKind::dangling && e.kind != ExitKind::self_loop;
}

void read_exits(const Work& work, MapLayout& out, std::vector<std::size_t>& first_exit) {
  std::unordered_map<const droom*, std::size_t> index;
  index.reserve(work.rooms.size());
  for (const droom& r : work.rooms) {
    index.emplace(&r, out.rooms.size());
    out.rooms.push_back({r.filename, r.short_, {}, 0, true});
  }
  std::size_t from = 0;
  for (const droom& r : work.rooms) {
    first_exit.push_back(out.exits.size());
    for (const dmixed& e : r.exits) {
      MapExit x;
      x.from = from;
      x.name = e.key;
      x.target = e.value;
      if (const droom* t = room_exists(work, e.value)) x.to = index.at(t);
      x.door = query_mixed(r.doors, e.key);
      x.key = !query_mixed(r.keys, e.key).empty();
      x.guarded = query_mixed(r.guard, e.key) == kGuardedExit;
      if (x.to == kNoRoom)
        x.kind = ExitKind::dangling;
      else if (x.to == from)
        x.kind = ExitKind::self_loop;
      else if (exit_vector(x.name))
        x.kind = ExitKind::perfect;  // settled once the rooms are placed
      else
        x.kind = ExitKind::free;
      out.exits.push_back(std::move(x));
    }
    ++from;
  }
  first_exit.push_back(out.exits.size());
  for (const MapExit& e : out.exits)
    if (e.to != kNoRoom && e.to != e.from) out.rooms[e.to].unreached = false;
}

// Pairs each direction exit with the opposite exit of its target that leads straight back.
void pair_exits(MapLayout& out, const std::vector<std::size_t>& first_exit) {
  for (std::size_t i = 0; i < out.exits.size(); ++i) {
    MapExit& e = out.exits[i];
    if (!directional(e)) continue;
    std::string_view back = direction_name(Cell{} - *exit_vector(e.name));
    for (std::size_t j = first_exit[e.to]; j < first_exit[e.to + 1]; ++j)
      if (out.exits[j].name == back && out.exits[j].to == e.from) {
        e.two_way = true;
        e.partner = j;
      }
  }
}

class Placer {
 public:
  Placer(std::vector<MapRoom>& rooms, std::vector<bool>& placed) : rooms_(rooms), placed_(placed) {}

  void place(std::size_t room, Cell wanted) {
    Cell cell = taken_.count(wanted) ? nearest_free(wanted) : wanted;
    taken_.emplace(cell, room);
    rooms_[room].cell = cell;
    placed_[room] = true;
  }

 private:
  // The free cell of the same level closest to the wanted one; ties go by a fixed order.
  Cell nearest_free(Cell wanted) const {
    for (int r = 1;; ++r) {
      std::optional<Cell> best;
      int best_d = 0;
      for (int dy = r; dy >= -r; --dy)
        for (int dx = -r; dx <= r; ++dx) {
          if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
          Cell c{wanted.x + dx, wanted.y + dy, wanted.z};
          int d = dx * dx + dy * dy;
          if (taken_.count(c) || (best && d >= best_d)) continue;
          best = c;
          best_d = d;
        }
      if (best) return *best;
    }
  }

  std::vector<MapRoom>& rooms_;
  std::vector<bool>& placed_;
  std::unordered_map<Cell, std::size_t, CellHash> taken_;
};

// Breadth first from the seed along two-way exits on the level; a stair waits until its
// level is laid, and a one-way exit until nothing firmer is left, since either is likelier
// to disagree with the rest.
void place_component(std::size_t seed, const std::vector<std::vector<Neighbour>>& adjacent,
                     std::vector<MapRoom>& rooms, std::vector<bool>& placed) {
  struct Pending {
    std::size_t parent;
    Neighbour next;
  };
  Placer placer(rooms, placed);
  std::deque<std::size_t> lateral;
  std::deque<Pending> stairs;
  std::deque<Pending> one_way;
  auto take = [&](std::deque<Pending>& q) -> std::optional<Pending> {
    while (!q.empty() && placed[q.front().next.room]) q.pop_front();
    if (q.empty()) return std::nullopt;
    Pending p = q.front();
    q.pop_front();
    return p;
  };
  placer.place(seed, {});
  lateral.push_back(seed);
  for (;;) {
    while (!lateral.empty()) {
      std::size_t r = lateral.front();
      lateral.pop_front();
      for (const Neighbour& n : adjacent[r]) {
        if (placed[n.room]) continue;
        if (!n.two_way) {
          one_way.push_back({r, n});
        } else if (n.step.z != 0) {
          stairs.push_back({r, n});
        } else {
          placer.place(n.room, rooms[r].cell + n.step);
          lateral.push_back(n.room);
        }
      }
    }
    std::optional<Pending> p = take(stairs);
    if (!p) p = take(one_way);
    if (!p) return;
    placer.place(p->next.room, rooms[p->parent].cell + p->next.step);
    lateral.push_back(p->next.room);
  }
}

// A longer line in the exit's direction is honest only while it crosses no other room.
ExitKind placed_kind(const MapLayout& out, Cell from, Cell step, Cell to) {
  Cell diff = to - from;
  if (diff == step) return ExitKind::perfect;
  int k = step.x ? diff.x / step.x : step.y ? diff.y / step.y : diff.z / step.z;
  if (k <= 1 || diff != Cell{step.x * k, step.y * k, step.z * k}) return ExitKind::distorted;
  Cell c = from;
  for (int i = 1; i < k; ++i)
    if (out.room_at(c = c + step) != kNoRoom) return ExitKind::distorted;
  return ExitKind::stretched;
}

struct Box {
  int min_x, max_x, min_y, max_y;
  std::size_t rooms = 0;
  std::size_t id = 0;
  int width() const { return max_x - min_x + 1; }
  int height() const { return max_y - min_y + 1; }
};

// Parts side by side, largest first, in rows about 4:3; the top row ends up northmost.
void pack_components(std::vector<MapRoom>& rooms, int components) {
  std::vector<Box> boxes(components);
  std::vector<bool> seen(components, false);
  for (const MapRoom& r : rooms) {
    Box& b = boxes[r.component];
    if (!seen[r.component]) b = {r.cell.x, r.cell.x, r.cell.y, r.cell.y, 0, 0};
    seen[r.component] = true;
    b.min_x = std::min(b.min_x, r.cell.x);
    b.max_x = std::max(b.max_x, r.cell.x);
    b.min_y = std::min(b.min_y, r.cell.y);
    b.max_y = std::max(b.max_y, r.cell.y);
    ++b.rooms;
  }
  double area = 0;
  int widest = 0;
  for (int i = 0; i < components; ++i) {
    boxes[i].id = i;
    area += double(boxes[i].width() + 1) * (boxes[i].height() + 1);
    widest = std::max(widest, boxes[i].width());
  }
  std::vector<Box> order = boxes;
  std::stable_sort(order.begin(), order.end(),
                   [](const Box& a, const Box& b) { return a.rooms > b.rooms; });
  const int row_width = std::max(widest, int(std::ceil(std::sqrt(area * 4.0 / 3.0))));
  std::vector<std::pair<int, int>> corner(components);  // column and row of the top left
  int x = 0, top = 0, row_height = 0;
  for (const Box& b : order) {
    if (x > 0 && x + b.width() > row_width) {
      top += row_height + 1;
      x = 0;
      row_height = 0;
    }
    corner[b.id] = {x, top};
    x += b.width() + 1;
    row_height = std::max(row_height, b.height());
  }
  const int rows = top + row_height;
  for (MapRoom& r : rooms) {
    const Box& b = boxes[r.component];
    auto [cx, cy] = corner[r.component];
    r.cell.x = cx + (r.cell.x - b.min_x);
    r.cell.y = rows - 1 - (cy + (b.max_y - r.cell.y));
  }
}

void list_problems(MapLayout& out, const std::vector<std::size_t>& first_exit) {
  for (std::size_t i = 0; i < out.exits.size(); ++i) {
    const MapExit& e = out.exits[i];
    auto add = [&](ProblemKind kind, Cell offset = {}) {
      out.problems.push_back({kind, e.from, i, offset});
    };
    switch (e.kind) {
      case ExitKind::dangling:
        add(ProblemKind::dangling);
        continue;
      case ExitKind::self_loop:
        add(ProblemKind::self_loop);
        continue;
      case ExitKind::free:
        add(ProblemKind::free_name);
        continue;
      default:
        break;
    }
    if (!e.two_way) {
      auto back = out.exits.begin();
      bool leads_back = std::any_of(back + first_exit[e.to], back + first_exit[e.to + 1],
                                    [&](const MapExit& b) { return b.to == e.from; });
      add(leads_back ? ProblemKind::asymmetric : ProblemKind::one_way);
    }
    // A pair out of place is one fault, told at its first exit.
    if (e.kind == ExitKind::distorted && !(e.two_way && e.partner < i)) {
      Cell wanted = out.rooms[e.from].cell + *exit_vector(e.name);
      add(ProblemKind::contradiction, out.rooms[e.to].cell - wanted);
    }
  }
}

}  // namespace

std::size_t MapLayout::room_at(Cell cell) const {
  auto it = occupancy.find(cell);
  return it == occupancy.end() ? kNoRoom : it->second;
}

MapLayout layout_map(const Work& work) {
  MapLayout out;
  std::vector<std::size_t> first_exit;
  read_exits(work, out, first_exit);
  pair_exits(out, first_exit);

  const std::size_t n = out.rooms.size();
  UnionFind parts(n);
  std::vector<std::vector<Neighbour>> adjacent(n);
  for (const MapExit& e : out.exits)
    if (directional(e)) {
      parts.join(e.from, e.to);
      adjacent[e.from].push_back({e.to, *exit_vector(e.name), e.two_way});
    }
  // A room's own exits lead its placement; exits into it only count after them.
  for (const MapExit& e : out.exits)
    if (directional(e))
      adjacent[e.to].push_back({e.from, Cell{} - *exit_vector(e.name), e.two_way});

  std::vector<int> component_of_root(n, -1);
  std::vector<bool> placed(n, false);
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t root = parts.find(i);
    if (component_of_root[root] < 0) {
      component_of_root[root] = out.components++;
      place_component(i, adjacent, out.rooms, placed);
    }
    out.rooms[i].component = component_of_root[root];
  }

  pack_components(out.rooms, out.components);
  out.occupancy.reserve(n);
  for (std::size_t i = 0; i < n; ++i) out.occupancy.emplace(out.rooms[i].cell, i);

  for (MapExit& e : out.exits)
    if (directional(e))
      e.kind = placed_kind(out, out.rooms[e.from].cell, *exit_vector(e.name), out.rooms[e.to].cell);
  list_problems(out, first_exit);
  return out;
}

}  // namespace tamo::map
