#include "model/work.h"

namespace tamo {

Work::Work(const Work& other) {
  *this = other;
}

Work& Work::operator=(const Work& other) {
  if (this == &other) return *this;
  project = other.project;
  name = other.name;
  mail = other.mail;
  desc = other.desc;
  rooms = other.rooms;
  monsters = other.monsters;
  items = other.items;
  tmproom = other.tmproom;
  tmpmons = other.tmpmons;
  tmpitem = other.tmpitem;
  current_room = nullptr;
  for (std::size_t i = 0; i < other.rooms.size(); ++i)
    if (&other.rooms[i] == other.current_room) current_room = &rooms[i];
  return *this;
}

droom* room_exists(const Work& work, std::string_view filename) {
  return work.rooms.find_last(filename);
}
dmons* mons_exists(const Work& work, std::string_view filename) {
  return work.monsters.find_last(filename);
}
ditem* item_exists(const Work& work, std::string_view filename) {
  return work.items.find_last(filename);
}
bool cont_is_mons(const Work& work, std::string_view filename) {
  return work.monsters.contains(filename);
}

droom* lastroom(const Work& work) {
  return work.rooms.last();
}
dmons* lastmons(const Work& work) {
  return work.monsters.last();
}
ditem* lastitem(const Work& work) {
  return work.items.last();
}

void tmproomclear(Work& work) {
  droom& r = work.tmproom;
  for (MixedList* l : {&r.items, &r.smell, &r.listen, &r.search, &r.properties, &r.contents,
                       &r.exits, &r.doors, &r.keys, &r.guard})
    clear_mixed(*l);
}

void tmpmonsclear(Work& work) {
  dmons& m = work.tmpmons;
  for (MixedList* l : {&m.ids, &m.speech, &m.emote, &m.equipment}) clear_mixed(*l);
}

void tmpitemclear(Work& work) {
  clear_mixed(work.tmpitem.ids);
  clear_mixed(work.tmpitem.antis);
  for (std::string* bonus : bonus_fields(work.tmpitem)) bonus->clear();
}

void reset_work(Work& work) {
  work.project.clear();
  work.name.clear();
  work.mail.clear();
  work.desc.clear();
  work.tmproom = droom{};
  work.tmpmons = dmons{};
  work.tmpitem = ditem{};
  work.current_room = nullptr;
  work.rooms.clear();
  work.monsters.clear();
  work.items.clear();
}

}  // namespace tamo
