#include "model/work_parts.h"

#include <array>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include "model/work_changes.h"

namespace tamo {

WorkPart part_of(const Change& change) {
  if (change.target != Change::Target::record) return {change.target};
  return {change.target, change.kind, std::string(change.name)};
}

namespace {

template <class Record>
std::vector<KeptRecord<Record>> read_records(const RecordList<Record>& list,
                                             const std::string& name) {
  std::vector<KeptRecord<Record>> kept;
  for (const Record* record : list.all_named(name))
    kept.push_back({list.order_of(*record), std::make_shared<const Record>(*record)});
  return kept;
}

template <class Record>
void put_records(RecordList<Record>& list, const std::string& name,
                 const std::vector<KeptRecord<Record>>& kept) {
  for (Record* record : list.all_named(name)) list.erase(record);
  for (const KeptRecord<Record>& k : kept) list.insert_at(*k.record, k.order);
}

template <class Record>
bool same_records(const std::vector<KeptRecord<Record>>& a,
                  const std::vector<KeptRecord<Record>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].order != b[i].order || !(*a[i].record == *b[i].record)) return false;
  return true;
}

std::size_t text_bytes(std::initializer_list<const Text*> texts) {
  std::size_t n = 0;
  for (const Text* t : texts) n += t->size();
  return n;
}

std::size_t list_bytes(const MixedList& list) {
  std::size_t n = list.size() * sizeof(dmixed);
  for (const dmixed& e : list) n += e.key.size() + e.value.size();
  return n;
}

template <class Record, std::size_t N>
std::size_t lists_bytes(const Record& r, const std::array<MixedList Record::*, N>& lists) {
  std::size_t n = 0;
  for (MixedList Record::*list : lists) n += list_bytes(r.*list);
  return n;
}

std::size_t record_bytes(const droom& r) {
  return sizeof r + lists_bytes(r, kRoomLists) +
         text_bytes({&r.filename, &r.short_, &r.long_, &r.listendefault, &r.smelldefault});
}

std::size_t record_bytes(const dmons& m) {
  return sizeof m + lists_bytes(m, kMonsLists) +
         text_bytes({&m.filename, &m.name, &m.short_, &m.long_, &m.race, &m.gender, &m.class1,
                     &m.class2, &m.class3, &m.level, &m.alignment, &m.aggressive, &m.money,
                     &m.speed, &m.spemspeed});
}

std::size_t record_bytes(const ditem& i) {
  std::size_t n = sizeof i + lists_bytes(i, kItemLists) +
                  text_bytes({&i.filename, &i.name, &i.short_, &i.long_, &i.minlevel, &i.rarity,
                              &i.weight, &i.value, &i.itemtype, &i.is_weapon, &i.invisitem, &i.wc1,
                              &i.wc2, &i.two_handed, &i.my_mess, &i.your_mess, &i.strength});
  for (const Text* bonus : bonus_fields(i)) n += bonus->size();
  return n;
}

}  // namespace

PartState read_part(const Work& work, const WorkPart& part) {
  switch (part.target) {
    case Change::Target::creator:
      return std::vector<std::string>{work.project, work.name, work.mail};
    case Change::Target::description:
      return std::vector<std::string>{work.desc};
    case Change::Target::whole:
      break;
    case Change::Target::record:
      switch (part.kind) {
        case RecordKind::room:
          return read_records(work.rooms, part.name);
        case RecordKind::monster:
          return read_records(work.monsters, part.name);
        case RecordKind::item:
          return read_records(work.items, part.name);
      }
  }
  return std::vector<std::string>{};
}

void restore_part(Work& work, const WorkPart& part, const PartState& state) {
  Change change{part.target, part.kind, part.name};
  WorkChanges::apply(work, change, [&](WorkData& d) {
    if (const auto* texts = std::get_if<std::vector<std::string>>(&state)) {
      if (part.target == Change::Target::creator && texts->size() == 3) {
        d.project = (*texts)[0];
        d.name = (*texts)[1];
        d.mail = (*texts)[2];
      } else if (part.target == Change::Target::description && texts->size() == 1) {
        d.desc = (*texts)[0];
      }
    } else if (const auto* rooms = std::get_if<std::vector<KeptRecord<droom>>>(&state)) {
      const droom* current = work.current_room;
      bool current_goes = current && current->filename == part.name;
      std::uint64_t order = current_goes ? d.rooms.order_of(*current) : 0;
      put_records(d.rooms, part.name, *rooms);
      if (current_goes || !current) {
        work.current_room = d.rooms.head();
        for (const droom* room : d.rooms.all_named(part.name))
          if (current_goes && d.rooms.order_of(*room) == order) work.current_room = room;
      }
    } else if (const auto* monsters = std::get_if<std::vector<KeptRecord<dmons>>>(&state)) {
      put_records(d.monsters, part.name, *monsters);
    } else if (const auto* items = std::get_if<std::vector<KeptRecord<ditem>>>(&state)) {
      put_records(d.items, part.name, *items);
    }
  });
}

bool same_state(const PartState& a, const PartState& b) {
  if (a.index() != b.index()) return false;
  return std::visit(
      [&b](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        const T& y = std::get<T>(b);
        if constexpr (std::is_same_v<T, std::vector<std::string>>)
          return x == y;
        else
          return same_records(x, y);
      },
      a);
}

std::size_t state_bytes(const PartState& state) {
  return std::visit(
      [](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        std::size_t n = sizeof(PartState);
        if constexpr (std::is_same_v<T, std::vector<std::string>>) {
          for (const std::string& s : x) n += sizeof s + s.size();
        } else {
          for (const auto& k : x) n += sizeof k + record_bytes(*k.record);
        }
        return n;
      },
      state);
}

}  // namespace tamo
