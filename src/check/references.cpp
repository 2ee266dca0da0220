#include "check/references.h"

#include <future>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "check/report.h"
#include "model/item_kind.h"

namespace tamo::check {

namespace {

constexpr std::string_view kGuardName = "guardname";
constexpr std::string_view kGuardedExit = "guarddir";

// Long lists answer through their key index, so a room with many guarded exits stays linear.
bool has_key(const MixedList& list, std::string_view key) {
  return list.find(key) != MixedList::npos;
}

// The dialogs that hold each kind of reference.
constexpr const char* kExitsDialog = "Form5";
constexpr const char* kContentsDialog = "Form7";
constexpr const char* kEquipmentDialog = "Form15";
constexpr const char* kGuardsDialog = "Form18";

// Opens each sentence with its record and remembers the dialog that holds the fault.
class Teller {
 public:
  Teller(std::vector<Warning>& out, std::string_view kind, std::string_view name)
      : out_(out), kind_(kind), name_(name) {}
  void tell(const char* form, const std::string& text) {
    out_.push_back({kind_ + " " + name_ + ": " + text, {kind_, name_, form}});
  }

 private:
  std::vector<Warning>& out_;
  std::string kind_;
  std::string name_;
};

}  // namespace

void room_references(const Work& work, const droom& room, std::vector<Warning>& out) {
  Teller room_says(out, kRoomKind, room.filename);
  for (const dmixed& exit : room.exits)
    if (!room_exists(work, exit.value))
      room_says.tell(kExitsDialog,
                     "a(z) " + exit.key + " kijárat nem létező szobába vezet: " + exit.value);
  for (const dmixed& entry : room.guard)
    if (entry.value == kGuardedExit && !has_key(room.exits, entry.key))
      room_says.tell(kGuardsDialog, "az őr nem létező kijáratot őriz: " + entry.key);
  for (const dmixed& thing : room.contents)
    if (!mons_exists(work, thing.key) && !item_exists(work, thing.key))
      room_says.tell(kContentsDialog,
                     "a tartalomban szereplő " + thing.key + " sem élőlény, sem tárgy");
  for (const dmixed& key : room.keys) {
    const ditem* item = item_exists(work, key.value);
    if (item == nullptr || !is_key_item(*item))
      room_says.tell(kExitsDialog, "a(z) " + key.key + " kijárat kulcsa nem kulcs: " + key.value);
  }
  if (!room.guard.empty()) {
    std::string guard = query_mixed(room.guard, kGuardName);
    if (!has_key(room.contents, guard) || !cont_is_mons(work, guard))
      room_says.tell(kGuardsDialog, "az őr nincs a szobában: " + guard);
  }
}

void creature_references(const Work& work, const dmons& creature, std::vector<Warning>& out) {
  Teller creature_says(out, kCreatureKind, creature.filename);
  for (const dmixed& thing : creature.equipment)
    if (!item_exists(work, thing.key))
      creature_says.tell(kEquipmentDialog, "a felszerelésben szereplő " + thing.key + " nem tárgy");
}

namespace {

// The names a record of another kind also has, or another record of its own list: a record
// that is not the last of its name in its list has one, and so has every other of that name.
std::unordered_set<std::string_view> shared_names(const Work& work) {
  std::unordered_set<std::string_view> shared;
  for (const droom& r : work.rooms)
    if (work.rooms.find_last(r.filename) != &r || work.monsters.contains(r.filename) ||
        work.items.contains(r.filename))
      shared.insert(r.filename);
  for (const dmons& m : work.monsters)
    if (work.monsters.find_last(m.filename) != &m || work.items.contains(m.filename))
      shared.insert(m.filename);
  for (const ditem& i : work.items)
    if (work.items.find_last(i.filename) != &i) shared.insert(i.filename);
  return shared;
}

// Names used more than once, in the order of their first use, with the kind of each use.
void check_names(const Work& work, std::vector<Warning>& out) {
  // Most works use every name once: only the names shared are gathered.
  const std::unordered_set<std::string_view> shared = shared_names(work);
  if (shared.empty()) return;
  std::vector<std::pair<std::string_view, std::vector<std::string_view>>> uses;
  std::unordered_map<std::string_view, std::size_t> index;
  auto use = [&](std::string_view name, std::string_view kind) {
    if (!shared.contains(name)) return;
    auto [it, fresh] = index.try_emplace(name, uses.size());
    if (fresh) uses.push_back({name, {}});
    uses[it->second].second.push_back(kind);
  };
  for (const droom& r : work.rooms) use(r.filename, kRoomKind);
  for (const dmons& m : work.monsters) use(m.filename, kCreatureKind);
  for (const ditem& i : work.items) use(i.filename, kItemKind);
  for (const auto& [name, kinds] : uses) {
    if (kinds.size() < 2) continue;
    std::string line = "a(z) " + std::string(name) + " fájlnév többször szerepel:";
    for (std::size_t k = 0; k < kinds.size(); ++k) line += (k ? ", " : " ") + std::string(kinds[k]);
    // The first use is the record to look at.
    out.push_back({std::move(line), {std::string(kinds.front()), std::string(name), {}}});
  }
}

}  // namespace

std::vector<Warning> reference_warnings(const Work& work) {
  // Only reading the work, the second half of the rooms, the creatures and the names are
  // looked at on a thread of their own; each record's lists are read by one thread only.
  const std::size_t half = work.rooms.size() / 2;
  std::future<std::vector<Warning>> rest = std::async(std::launch::async, [&work, half] {
    std::vector<Warning> out;
    for (std::size_t i = half; i < work.rooms.size(); ++i)
      room_references(work, work.rooms[i], out);
    for (const dmons& creature : work.monsters) creature_references(work, creature, out);
    check_names(work, out);
    return out;
  });
  std::vector<Warning> out;
  for (std::size_t i = 0; i < half; ++i) room_references(work, work.rooms[i], out);
  std::vector<Warning> later = rest.get();
  out.insert(out.end(), std::make_move_iterator(later.begin()),
             std::make_move_iterator(later.end()));
  return out;
}

std::optional<Warning> name_warning(const Work& work, std::string_view name) {
  std::size_t rooms = work.rooms.all_named(name).size();
  std::size_t creatures = work.monsters.all_named(name).size();
  std::size_t items = work.items.all_named(name).size();
  if (rooms + creatures + items < 2) return std::nullopt;
  std::string line = "a(z) " + std::string(name) + " fájlnév többször szerepel:";
  std::string_view first;
  auto uses = [&](std::size_t n, std::string_view kind) {
    for (std::size_t k = 0; k < n; ++k) {
      line += (first.empty() ? " " : ", ") + std::string(kind);
      if (first.empty()) first = kind;
    }
  };
  uses(rooms, kRoomKind);
  uses(creatures, kCreatureKind);
  uses(items, kItemKind);
  return Warning{std::move(line), {std::string(first), std::string(name), {}}};
}

void referenced_names(const droom& room, std::vector<std::string>& out) {
  for (const dmixed& exit : room.exits) out.emplace_back(exit.value);
  for (const dmixed& thing : room.contents) out.emplace_back(thing.key);
  for (const dmixed& key : room.keys) out.emplace_back(key.value);
  if (!room.guard.empty()) out.push_back(query_mixed(room.guard, kGuardName));
}

void referenced_names(const dmons& creature, std::vector<std::string>& out) {
  for (const dmixed& thing : creature.equipment) out.emplace_back(thing.key);
}

}  // namespace tamo::check
