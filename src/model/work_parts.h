#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "model/work.h"

namespace tamo {

// One part of the work a change touches: the creator data, the description, or every record
// of one kind and file name.
struct WorkPart {
  Change::Target target;
  RecordKind kind = RecordKind::room;
  std::string name = {};

  friend bool operator==(const WorkPart&, const WorkPart&) = default;
};

WorkPart part_of(const Change& change);

// A record as it was, with its place in its list. Records are shared, never changed, so two
// states holding the same record cost it once.
template <class Record>
struct KeptRecord {
  std::uint64_t order;
  std::shared_ptr<const Record> record;
};

// What one part held at one moment: the creator data (project, name, mail) or the
// description as texts, or the records of that name in list order.
using PartState = std::variant<std::vector<std::string>, std::vector<KeptRecord<droom>>,
                               std::vector<KeptRecord<dmons>>, std::vector<KeptRecord<ditem>>>;

PartState read_part(const Work& work, const WorkPart& part);
// Puts the part back as `state` holds it, as one change of that part. A room that was the
// current room and comes back stays current; otherwise a lost current room gives way to the
// head of the list.
void restore_part(Work& work, const WorkPart& part, const PartState& state);
bool same_state(const PartState& a, const PartState& b);
// Roughly what the state keeps in memory.
std::size_t state_bytes(const PartState& state);

}  // namespace tamo
