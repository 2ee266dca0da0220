#include "model/storing.h"

namespace tamo {

bool filename_clash(const Work& work, RecordKind kind, std::string_view name) {
  switch (kind) {
    case RecordKind::room:
      return work.monsters.contains(name) || work.items.contains(name);
    case RecordKind::monster:
      return work.rooms.contains(name) || work.items.contains(name);
    case RecordKind::item:
      return work.monsters.contains(name) || work.rooms.contains(name);
  }
  return false;
}

std::optional<std::string> common_store_refusal(const Work& work, RecordKind kind,
                                                std::string_view name) {
  if (filename_clash(work, kind, name)) return std::string(kMsgNameClash);
  if (name.empty()) return std::string(kMsgNoFilename);
  return std::nullopt;
}

namespace {
template <class Record>
Stored<Record> find_or_add(RecordList<Record>& list, std::string_view name) {
  if (Record* found = list.find_last(name)) return {found, false};
  return {list.add(std::string(name)), true};
}
}  // namespace

Stored<droom> store_room(Work& work, std::string_view name) {
  bool was_empty = work.rooms.empty();
  Stored<droom> s = find_or_add(work.rooms, name);
  if (s.created && was_empty) work.current_room = s.record;
  const droom& t = work.tmproom;
  droom& r = *s.record;
  copy_mixed(t.properties, r.properties);
  copy_mixed(t.items, r.items);
  copy_mixed(t.listen, r.listen);
  copy_mixed(t.smell, r.smell);
  copy_mixed(t.search, r.search);
  copy_mixed(t.exits, r.exits);
  copy_mixed(t.doors, r.doors);
  copy_mixed(t.keys, r.keys);
  copy_mixed(t.contents, r.contents);
  copy_mixed(t.guard, r.guard);
  return s;
}

Stored<dmons> store_mons(Work& work, std::string_view name) {
  Stored<dmons> s = find_or_add(work.monsters, name);
  const dmons& t = work.tmpmons;
  dmons& m = *s.record;
  copy_mixed(t.ids, m.ids);
  copy_mixed(t.speech, m.speech);
  copy_mixed(t.emote, m.emote);
  copy_mixed(t.equipment, m.equipment);
  return s;
}

Stored<ditem> store_item(Work& work, std::string_view name) {
  Stored<ditem> s = find_or_add(work.items, name);
  const ditem& t = work.tmpitem;
  ditem& i = *s.record;
  auto from = bonus_fields(t);
  auto to = bonus_fields(i);
  for (std::size_t k = 0; k < kBonusCount; ++k) *to[k] = *from[k];
  copy_mixed(t.ids, i.ids);
  copy_mixed(t.antis, i.antis);
  return s;
}

bool delete_room(Work& work, std::string_view name) {
  droom* room = work.rooms.find_last(name);
  if (!room) return false;
  bool was_current = work.current_room == room;
  work.rooms.erase(room);
  if (was_current) work.current_room = work.rooms.head();
  return true;
}

// The references go only with a record of that name: a name that is no creature (or no
// item) may well name something else in the rooms' contents.
bool delete_mons(Work& work, std::string_view name) {
  dmons* mons = work.monsters.find_last(name);
  if (!mons) return false;
  for (droom& room : work.rooms) delete_mixed(room.contents, name);
  work.monsters.erase(mons);
  return true;
}

bool delete_item(Work& work, std::string_view name) {
  ditem* item = work.items.find_last(name);
  if (!item) return false;
  for (dmons& mons : work.monsters) delete_mixed(mons.equipment, name);
  work.items.erase(item);
  return true;
}

}  // namespace tamo
