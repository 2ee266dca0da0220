#include "check/references.h"

#include <string_view>
#include <unordered_map>

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

std::string subject(std::string_view kind, std::string_view name) {
  return std::string(kind) + " " + std::string(name) + ": ";
}

void check_room(const Work& work, const droom& room, std::vector<std::string>& out) {
  const std::string who = subject(kRoomKind, room.filename);
  for (const dmixed& exit : room.exits)
    if (!room_exists(work, exit.value))
      out.push_back(who + "a(z) " + exit.key + " kijárat nem létező szobába vezet: " + exit.value);
  for (const dmixed& entry : room.guard)
    if (entry.value == kGuardedExit && !has_key(room.exits, entry.key))
      out.push_back(who + "az őr nem létező kijáratot őriz: " + entry.key);
  for (const dmixed& thing : room.contents)
    if (!mons_exists(work, thing.key) && !item_exists(work, thing.key))
      out.push_back(who + "a tartalomban szereplő " + thing.key + " sem élőlény, sem tárgy");
  for (const dmixed& key : room.keys) {
    const ditem* item = item_exists(work, key.value);
    if (item == nullptr || !is_key_item(*item))
      out.push_back(who + "a(z) " + key.key + " kijárat kulcsa nem kulcs: " + key.value);
  }
  if (!room.guard.empty()) {
    std::string guard = query_mixed(room.guard, kGuardName);
    if (!has_key(room.contents, guard) || !cont_is_mons(work, guard))
      out.push_back(who + "az őr nincs a szobában: " + guard);
  }
}

void check_creature(const Work& work, const dmons& creature, std::vector<std::string>& out) {
  for (const dmixed& thing : creature.equipment)
    if (!item_exists(work, thing.key))
      out.push_back(subject(kCreatureKind, creature.filename) + "a felszerelésben szereplő " +
                    thing.key + " nem tárgy");
}

// Names used more than once, in the order of their first use, with the kind of each use.
void check_names(const Work& work, std::vector<std::string>& out) {
  std::vector<std::pair<std::string_view, std::vector<std::string_view>>> uses;
  std::unordered_map<std::string_view, std::size_t> index;
  auto use = [&](std::string_view name, std::string_view kind) {
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
    out.push_back(std::move(line));
  }
}

}  // namespace

std::vector<std::string> reference_warnings(const Work& work) {
  std::vector<std::string> out;
  for (const droom& room : work.rooms) check_room(work, room, out);
  for (const dmons& creature : work.monsters) check_creature(work, creature, out);
  check_names(work, out);
  return out;
}

}  // namespace tamo::check
