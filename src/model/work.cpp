#include "model/work.h"

#include <algorithm>
#include <utility>

#include "model/work_changes.h"

namespace tamo {

Work::Work(WorkData data) : data_(std::move(data)) {
  current_room = data_.rooms.head();
}

Work::Work(const Work& other) {
  *this = other;
}

Work& Work::operator=(const Work& other) {
  if (this == &other) return *this;
  data_.project = other.data_.project;
  data_.name = other.data_.name;
  data_.mail = other.data_.mail;
  data_.desc = other.data_.desc;
  data_.rooms = other.data_.rooms;
  data_.monsters = other.data_.monsters;
  data_.items = other.data_.items;
  tmproom = other.tmproom;
  tmpmons = other.tmpmons;
  tmpitem = other.tmpitem;
  current_room = nullptr;
  for (std::size_t i = 0; i < other.rooms.size(); ++i)
    if (&other.rooms[i] == other.current_room) current_room = &rooms[i];
  ++revision_;
  return *this;
}

Work::Work(Work&& other) noexcept
    : tmproom(std::move(other.tmproom)),
      tmpmons(std::move(other.tmpmons)),
      tmpitem(std::move(other.tmpitem)),
      current_room(std::exchange(other.current_room, nullptr)),
      data_(std::move(other.data_)),
      revision_(other.revision_) {}

Work& Work::operator=(Work&& other) noexcept {
  if (this == &other) return *this;
  data_ = std::move(other.data_);
  tmproom = std::move(other.tmproom);
  tmpmons = std::move(other.tmpmons);
  tmpitem = std::move(other.tmpitem);
  current_room = std::exchange(other.current_room, nullptr);
  // Past both revisions, so that no earlier state of either work compares equal.
  revision_ = std::max(revision_, other.revision_) + 1;
  return *this;
}

const droom* room_exists(const Work& work, std::string_view filename) {
  return work.rooms.find_last(filename);
}
const dmons* mons_exists(const Work& work, std::string_view filename) {
  return work.monsters.find_last(filename);
}
const ditem* item_exists(const Work& work, std::string_view filename) {
  return work.items.find_last(filename);
}
bool cont_is_mons(const Work& work, std::string_view filename) {
  return work.monsters.contains(filename);
}

const droom* lastroom(const Work& work) {
  return work.rooms.last();
}
const dmons* lastmons(const Work& work) {
  return work.monsters.last();
}
const ditem* lastitem(const Work& work) {
  return work.items.last();
}

void tmproomclear(Work& work) {
  for (MixedList droom::*list : kRoomLists) clear_mixed(work.tmproom.*list);
}

void tmpmonsclear(Work& work) {
  for (MixedList dmons::*list : kMonsLists) clear_mixed(work.tmpmons.*list);
}

void tmpitemclear(Work& work) {
  for (MixedList ditem::*list : kItemLists) clear_mixed(work.tmpitem.*list);
  for (Text* bonus : bonus_fields(work.tmpitem)) bonus->clear();
}

void reset_work(Work& work) {
  replace_work(work, WorkData{});
  work.current_room = nullptr;
}

void replace_work(Work& work, WorkData data) {
  work.tmproom = droom{};
  work.tmpmons = dmons{};
  work.tmpitem = ditem{};
  WorkChanges::apply(work, {Change::Target::whole}, [&](WorkData& d) { d = std::move(data); });
  work.current_room = work.rooms.head();
}

}  // namespace tamo
