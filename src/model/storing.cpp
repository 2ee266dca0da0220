#include "model/storing.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/work_changes.h"

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

void set_creator(Work& work, std::string project, std::string name, std::string mail) {
  WorkChanges::apply(work, {Change::Target::creator}, [&](WorkData& d) {
    d.project = std::move(project);
    d.name = std::move(name);
    d.mail = std::move(mail);
  });
}

void set_description(Work& work, std::string desc) {
  WorkChanges::apply(work, {Change::Target::description},
                     [&](WorkData& d) { d.desc = std::move(desc); });
}

namespace {

// The record to store into, and whether it was made for the purpose.
template <class Record>
std::pair<Record*, bool> find_or_add(RecordList<Record>& list, std::string_view name) {
  if (Record* found = list.find_last(name)) return {found, false};
  return {list.add(std::string(name)), true};
}

Change record_change(RecordKind kind, std::string_view name) {
  return {Change::Target::record, kind, name};
}

}  // namespace

Stored<droom> store_room(Work& work, std::string_view name,
                         const std::function<void(droom&)>& texts) {
  return WorkChanges::apply(work, record_change(RecordKind::room, name), [&](WorkData& d) {
    bool was_empty = d.rooms.empty();
    auto [found, created] = find_or_add(d.rooms, name);
    droom& r = *found;
    if (created && was_empty) work.current_room = &r;
    copy_lists(kRoomLists, work.tmproom, r);
    if (texts) texts(r);
    return Stored<droom>{&r, created};
  });
}

Stored<dmons> store_mons(Work& work, std::string_view name,
                         const std::function<void(dmons&)>& texts) {
  return WorkChanges::apply(work, record_change(RecordKind::monster, name), [&](WorkData& d) {
    auto [found, created] = find_or_add(d.monsters, name);
    dmons& m = *found;
    copy_lists(kMonsLists, work.tmpmons, m);
    if (texts) texts(m);
    return Stored<dmons>{&m, created};
  });
}

Stored<ditem> store_item(Work& work, std::string_view name,
                         const std::function<void(ditem&)>& texts) {
  return WorkChanges::apply(work, record_change(RecordKind::item, name), [&](WorkData& d) {
    auto [found, created] = find_or_add(d.items, name);
    ditem& i = *found;
    copy_bonuses(work.tmpitem, i);
    copy_lists(kItemLists, work.tmpitem, i);
    if (texts) texts(i);
    return Stored<ditem>{&i, created};
  });
}

namespace {
template <class Record>
const Record& append_to(Work& work, RecordKind kind, RecordList<Record> WorkData::*list,
                        Record record) {
  std::string name = record.filename;
  return WorkChanges::apply(work, record_change(kind, name), [&](WorkData& d) -> const Record& {
    Record* added = (d.*list).add(std::move(name));
    *added = std::move(record);
    return *added;
  });
}
}  // namespace

const droom& append_room(Work& work, droom record) {
  return append_to(work, RecordKind::room, &WorkData::rooms, std::move(record));
}
const dmons& append_mons(Work& work, dmons record) {
  return append_to(work, RecordKind::monster, &WorkData::monsters, std::move(record));
}
const ditem& append_item(Work& work, ditem record) {
  return append_to(work, RecordKind::item, &WorkData::items, std::move(record));
}

bool delete_room(Work& work, std::string_view name) {
  const droom* room = work.rooms.find_last(name);
  if (!room) return false;
  WorkChanges::apply(work, record_change(RecordKind::room, name), [&](WorkData& d) {
    bool was_current = work.current_room == room;
    d.rooms.erase(room);
    if (was_current) work.current_room = d.rooms.head();
  });
  return true;
}

namespace {
// Each record that loses the reference is a change of its own, so a watcher sees every
// record a deletion touches.
template <class Record>
void clean_references(Work& work, const RecordList<Record>& now,
                      RecordList<Record> WorkData::*records, RecordKind kind,
                      MixedList Record::*list, std::string_view name) {
  std::vector<std::string> holders;
  for (const Record& r : now)
    if (!query_mixed(r.*list, name).empty() &&
        std::find(holders.begin(), holders.end(), r.filename) == holders.end())
      holders.push_back(r.filename);
  for (const std::string& holder : holders)
    WorkChanges::apply(work, record_change(kind, holder), [&](WorkData& d) {
      for (Record* r : (d.*records).all_named(holder)) delete_mixed(r->*list, name);
    });
}
}  // namespace

// The references go only with a record of that name: a name that is no creature (or no
// item) may well name something else in the rooms' contents.
bool delete_mons(Work& work, std::string_view name) {
  const dmons* mons = work.monsters.find_last(name);
  if (!mons) return false;
  clean_references(work, work.rooms, &WorkData::rooms, RecordKind::room, &droom::contents, name);
  WorkChanges::apply(work, record_change(RecordKind::monster, name),
                     [&](WorkData& d) { d.monsters.erase(mons); });
  return true;
}

bool delete_item(Work& work, std::string_view name) {
  const ditem* item = work.items.find_last(name);
  if (!item) return false;
  clean_references(work, work.monsters, &WorkData::monsters, RecordKind::monster, &dmons::equipment,
                   name);
  WorkChanges::apply(work, record_change(RecordKind::item, name),
                     [&](WorkData& d) { d.items.erase(item); });
  return true;
}

void add_reverse_exits(Work& work, std::string_view target, std::string_view back,
                       std::string_view from) {
  WorkChanges::apply(work, record_change(RecordKind::room, target), [&](WorkData& d) {
    for (droom* room : d.rooms.all_named(target))
      if (query_mixed(room->exits, back).empty()) add_mixed(room->exits, back, from);
  });
}

void remove_reverse_exits(Work& work, std::string_view target, std::string_view back,
                          std::string_view from) {
  WorkChanges::apply(work, record_change(RecordKind::room, target), [&](WorkData& d) {
    for (droom* room : d.rooms.all_named(target))
      if (query_mixed(room->exits, back) == from) delete_mixed(room->exits, back);
  });
}

namespace {
template <class Record>
void set_list(Work& work, RecordKind kind, RecordList<Record> WorkData::*records,
              std::string_view name, MixedList Record::*list, const MixedList& value) {
  WorkChanges::apply(work, record_change(kind, name), [&](WorkData& d) {
    if (Record* record = (d.*records).find_last(name)) copy_mixed(value, record->*list);
  });
}
}  // namespace

void set_room_list(Work& work, std::string_view name, MixedList droom::*list,
                   const MixedList& value) {
  set_list(work, RecordKind::room, &WorkData::rooms, name, list, value);
}
void set_mons_list(Work& work, std::string_view name, MixedList dmons::*list,
                   const MixedList& value) {
  set_list(work, RecordKind::monster, &WorkData::monsters, name, list, value);
}
void set_item_list(Work& work, std::string_view name, MixedList ditem::*list,
                   const MixedList& value) {
  set_list(work, RecordKind::item, &WorkData::items, name, list, value);
}

}  // namespace tamo
