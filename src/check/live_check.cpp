#include "check/live_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "check/record_verdicts.h"
#include "check/references.h"
#include "check/value_warnings.h"
#include "model/input_rules.h"
#include "model/item_kind.h"
#include "model/storing.h"
#include "workfile/workfile.h"

namespace tamo::check {

namespace {

constexpr std::array<RecordKind, 3> kKinds = {RecordKind::room, RecordKind::monster,
                                              RecordKind::item};

// A judgement of the whole work is paid in steps: making a record's slot, finding whether its
// name is used twice or putting one line together costs one; judging a record costs about
// this many.
constexpr std::size_t kStepsPerRecord = 12;
// Room enough for the creator data's refusal and warnings.
constexpr std::size_t kMostCreatorLines = 32;

std::size_t rank(RecordKind kind) {
  return static_cast<std::size_t>(kind);
}

std::string_view kind_word(RecordKind kind) {
  constexpr std::array<std::string_view, 3> words = {kRoomKind, kCreatureKind, kItemKind};
  return words[rank(kind)];
}

// What one record's lines say.
struct Findings {
  std::optional<std::string> refusal;
  std::vector<Warning> references;
  std::vector<Warning> values;
  std::vector<Warning> opening;
};

// A record as the check last saw it, in its list's order.
struct Slot {
  const void* record = nullptr;
  std::uint64_t order = 0;
  std::string name;
  Findings now;
  // During an update: what the lines showed before it (a record judged again), or that the
  // record is new to the check.
  std::optional<Findings> before;
  bool fresh = false;
  // Not judged yet by a judgement of the whole work under way.
  bool pending = false;
};

enum class Part { verdict, references, values, opening };

std::size_t line_count(Part part, const Findings& f) {
  switch (part) {
    case Part::verdict:
      return 1;
    case Part::references:
      return f.references.size();
    case Part::values:
      return f.values.size();
    case Part::opening:
      return f.opening.size();
  }
  return 0;
}

bool same_lines(Part part, const Findings& a, const Findings& b) {
  switch (part) {
    case Part::verdict:
      return a.refusal == b.refusal;
    case Part::references:
      return a.references == b.references;
    case Part::values:
      return a.values == b.values;
    case Part::opening:
      return a.opening == b.opening;
  }
  return true;
}

void add_lines(Part part, RecordKind kind, const Slot& slot, std::vector<ReportLine>& out) {
  auto warnings = [&](const std::vector<Warning>& ws) {
    for (const Warning& w : ws) out.push_back(warning_line(w));
  };
  switch (part) {
    case Part::verdict:
      out.push_back(verdict_line({std::string(kind_word(kind)), slot.name, slot.now.refusal}));
      break;
    case Part::references:
      warnings(slot.now.references);
      break;
    case Part::values:
      warnings(slot.now.values);
      break;
    case Part::opening:
      warnings(slot.now.opening);
      break;
  }
}

// The lines not kept per record: the creator data's refusal, names used twice, the creator
// data's values and the loading's messages.
enum class Whole { refusal, names, creator, loading };

// One run of lines, in the order the report shows them.
struct Section {
  bool per_record;
  RecordKind kind;
  Part part;
  Whole whole;
};

constexpr Section record_section(RecordKind kind, Part part) {
  return {true, kind, part, Whole::refusal};
}
constexpr Section whole_section(Whole whole) {
  return {false, RecordKind::room, Part::verdict, whole};
}

constexpr std::array<Section, 15> kSections = {
    whole_section(Whole::refusal),
    record_section(RecordKind::room, Part::verdict),
    record_section(RecordKind::monster, Part::verdict),
    record_section(RecordKind::item, Part::verdict),
    record_section(RecordKind::room, Part::references),
    record_section(RecordKind::monster, Part::references),
    whole_section(Whole::names),
    whole_section(Whole::creator),
    record_section(RecordKind::room, Part::values),
    record_section(RecordKind::monster, Part::values),
    record_section(RecordKind::item, Part::values),
    record_section(RecordKind::room, Part::opening),
    record_section(RecordKind::monster, Part::opening),
    record_section(RecordKind::item, Part::opening),
    whole_section(Whole::loading)};

// Whether records of each kind have a name, and whether the last item of it is a key: all a
// room's or creature's references ask of the rest of the work.
struct World {
  bool room = false;
  bool creature = false;
  bool item = false;
  bool key = false;
  bool operator==(const World&) const = default;
};

World world_of(const Work& work, std::string_view name) {
  const ditem* item = item_exists(work, name);
  return {work.rooms.contains(name), work.monsters.contains(name), item != nullptr,
          item != nullptr && is_key_item(*item)};
}

template <class Value>
using ByName = std::unordered_map<std::string, Value, StringHash, std::equal_to<>>;
using NameSet = std::unordered_set<std::string, StringHash, std::equal_to<>>;

// A slot of the new order, or one whose record left the list.
struct Step {
  Slot* kept = nullptr;
  std::unique_ptr<Slot> gone;
};

struct KindState {
  std::vector<std::unique_ptr<Slot>> order;
  std::unordered_map<const void*, Slot*> by_record;
  NameSet changed;  // names whose records changed since the last update
};

// The name the file-name box holds once the editor took a name: one it refuses empties it.
std::string box_text(const std::string& name) {
  return validfilename(name) ? name : std::string();
}

template <class Record>
const RecordList<Record>& list_of(const Work& work);
template <>
const RecordList<droom>& list_of(const Work& work) {
  return work.rooms;
}
template <>
const RecordList<dmons>& list_of(const Work& work) {
  return work.monsters;
}
template <>
const RecordList<ditem>& list_of(const Work& work) {
  return work.items;
}

bool has_name(const Work& work, RecordKind kind, std::string_view name) {
  switch (kind) {
    case RecordKind::room:
      return work.rooms.contains(name);
    case RecordKind::monster:
      return work.monsters.contains(name);
    case RecordKind::item:
      break;
  }
  return work.items.contains(name);
}

void append_copy(Work& work, const droom& r) {
  append_room(work, r);
}
void append_copy(Work& work, const dmons& r) {
  append_mons(work, r);
}
void append_copy(Work& work, const ditem& r) {
  append_item(work, r);
}

// A record of that kind that only holds the name, for the name clash of "Kész".
void append_name(Work& work, RecordKind kind, const std::string& name) {
  switch (kind) {
    case RecordKind::room: {
      droom r;
      r.filename = name;
      append_room(work, std::move(r));
      return;
    }
    case RecordKind::monster: {
      dmons r;
      r.filename = name;
      append_mons(work, std::move(r));
      return;
    }
    case RecordKind::item: {
      ditem r;
      r.filename = name;
      append_item(work, std::move(r));
      return;
    }
  }
}

}  // namespace

struct LiveCheck::State {
  bool built = false;
  bool whole_changed = false;
  std::uint64_t seen_revision = 0;
  std::array<KindState, 3> kinds;
  // How each changed name stood in the work before its first change since the last update.
  ByName<World> world_before;
  // The rooms and creatures each name was referenced by when they were last looked at; a
  // record gone or changed since may still be listed, and is then looked at for nothing.
  ByName<std::vector<const void*>> holders;
  // Names used more than once, by the place of their first use.
  std::map<std::pair<std::size_t, std::uint64_t>, Warning> names;
  ByName<std::pair<std::size_t, std::uint64_t>> name_keys;
  std::array<std::vector<ReportLine>, 4> whole_lines;  // by Whole
  std::array<std::size_t, kSections.size()> totals{};

  // A judgement of the whole work under way, a slice at a time: the slots are made for every
  // record, those still pending are judged in list order from the cursors, then the names
  // used twice are found and the lines put together. A change meanwhile judges again what it
  // reached and puts the lines together anew.
  enum class Stage { gather, judge, names, lines };
  bool building = false;
  Stage stage = Stage::gather;
  std::array<std::size_t, 3> cursor{};
  std::size_t to_do = 0;
  std::size_t done = 0;
  std::size_t records = 0;
  std::size_t gathered = 0;
  std::size_t assembled_steps = 0;
  // The work's revision the names and lines are being found for.
  std::uint64_t assembling = 0;
  NameSet names_seen;
  std::size_t record_lines = 0;  // what the records' lines come to, counted with the names
  std::size_t section = 0;
  std::optional<std::map<std::pair<std::size_t, std::uint64_t>, Warning>::const_iterator> name_at;
  std::vector<ReportLine> assembled;

  // Per update.
  std::array<std::vector<Step>, 3> steps;
  std::array<NameSet, 3> to_judge;
  std::vector<Slot*> touched;
  // Each slot's place in its kind's order, made when a name used twice is judged.
  std::array<std::unordered_map<const Slot*, std::size_t>, 3> places;

  void start_build(const Work& work);
  bool catch_up(const Work& work);
  bool build_some(const Work& work, const std::vector<std::string>& loading, std::size_t budget);
  bool gather(const Work& work, std::size_t& budget);
  bool advance(const Work& work, std::size_t& budget);
  bool find_names(const Work& work, std::size_t& budget);
  bool assemble(const Work& work, const std::vector<std::string>& loading, std::size_t& budget);
  void judge_again();
  int progress() const;
  bool judge_slot(const Work& work, RecordKind kind, Slot& slot, Work& scratch, RecordJudge& judge);
  void forget_judging();
  std::optional<std::vector<LineEdit>> follow(const Work& work,
                                              const std::vector<std::string>& loading);

  void touch(Slot& slot) {
    if (slot.fresh || slot.before) return;
    slot.before = slot.now;
    touched.push_back(&slot);
  }
  void own_findings(const Work& work, RecordKind kind, Slot& slot);
  template <class Record>
  bool merge(const Work& work, RecordKind kind);
  bool judge_groups(const Work& work);
  template <class Record>
  bool judge_group(const Work& work, RecordKind kind, const std::string& name, Work& scratch,
                   RecordJudge& judge);
  void follow_world(const Work& work);
  void follow_names(const Work& work);
  void name_entry(const Work& work, const std::string& name);
  std::vector<ReportLine> whole(const Work& work, Whole which,
                                const std::vector<std::string>& loading) const;
  std::vector<LineEdit> edits(const Work& work, const std::vector<std::string>& loading);
  void finish(const Work& work);
};

void LiveCheck::State::own_findings(const Work& work, RecordKind kind, Slot& slot) {
  slot.now.references.clear();
  slot.now.values.clear();
  std::vector<std::string> named;
  switch (kind) {
    case RecordKind::room: {
      const auto& room = *static_cast<const droom*>(slot.record);
      room_references(work, room, slot.now.references);
      record_value_warnings(room, slot.now.values);
      referenced_names(room, named);
      break;
    }
    case RecordKind::monster: {
      const auto& creature = *static_cast<const dmons*>(slot.record);
      creature_references(work, creature, slot.now.references);
      record_value_warnings(creature, slot.now.values);
      referenced_names(creature, named);
      break;
    }
    case RecordKind::item:
      record_value_warnings(*static_cast<const ditem*>(slot.record), slot.now.values);
      break;
  }
  for (std::string& name : named) {
    auto [it, fresh] = holders.try_emplace(std::move(name));
    if (it->second.empty() || it->second.back() != slot.record) it->second.push_back(slot.record);
  }
}

void LiveCheck::State::name_entry(const Work& work, const std::string& name) {
  if (auto old = name_keys.find(name); old != name_keys.end()) {
    names.erase(old->second);
    name_keys.erase(old);
  }
  std::optional<Warning> warning = name_warning(work, name);
  if (!warning) return;
  // The first use: the first record of the name in rooms, creatures, items order.
  auto first = [&](const auto& list) -> std::optional<std::uint64_t> {
    auto all = list.all_named(name);
    if (all.empty()) return std::nullopt;
    return list.order_of(*all.front());
  };
  std::pair<std::size_t, std::uint64_t> key;
  if (auto order = first(work.rooms))
    key = {rank(RecordKind::room), *order};
  else if ((order = first(work.monsters)))
    key = {rank(RecordKind::monster), *order};
  else if ((order = first(work.items)))
    key = {rank(RecordKind::item), *order};
  names.emplace(key, std::move(*warning));
  name_keys.emplace(name, key);
}

std::vector<ReportLine> LiveCheck::State::whole(const Work& work, Whole which,
                                                const std::vector<std::string>& loading) const {
  std::vector<ReportLine> out;
  switch (which) {
    case Whole::refusal:
      if (std::optional<std::string> refusal = workfile::creator_refusal(work))
        out.push_back(work_refusal_line(*refusal));
      break;
    case Whole::names:
      for (const auto& [key, warning] : names) out.push_back(warning_line(warning));
      break;
    case Whole::creator: {
      std::vector<Warning> warnings;
      creator_value_warnings(work, warnings);
      for (const Warning& w : warnings) out.push_back(warning_line(w));
      break;
    }
    case Whole::loading:
      for (const std::string& m : loading) out.push_back(loading_line(m));
      break;
  }
  return out;
}

void LiveCheck::State::start_build(const Work& work) {
  // An update given up half way may have left slots in these.
  touched.clear();
  for (auto& s : steps) s.clear();
  for (auto& names_to_judge : to_judge) names_to_judge.clear();
  for (KindState& ks : kinds) ks = {};
  world_before.clear();
  holders.clear();
  names.clear();
  name_keys.clear();
  totals = {};
  for (auto& lines : whole_lines) lines.clear();
  auto make_room = [&](RecordKind kind, std::size_t count) {
    kinds[rank(kind)].order.reserve(count);
    kinds[rank(kind)].by_record.reserve(count);
  };
  make_room(RecordKind::room, work.rooms.size());
  make_room(RecordKind::monster, work.monsters.size());
  make_room(RecordKind::item, work.items.size());
  records = work.rooms.size() + work.monsters.size() + work.items.size();
  to_do = records;
  done = 0;
  gathered = 0;
  judge_again();
  stage = Stage::gather;
  for (auto& place : places) place.clear();
  building = true;
  built = true;
  whole_changed = false;
  seen_revision = work.revision();
}

// Until every record has its slot, any change starts the judgement over.
bool LiveCheck::State::gather(const Work& work, std::size_t& budget) {
  auto slots = [&](const auto& list, RecordKind kind) {
    KindState& ks = kinds[rank(kind)];
    for (std::size_t& at = cursor[rank(kind)]; at < list.size(); ++at) {
      if (budget == 0) return false;
      --budget;
      ++gathered;
      const auto& record = list[at];
      auto slot = std::make_unique<Slot>();
      slot->record = &record;
      slot->order = list.order_of(record);
      slot->name = record.filename;
      slot->pending = true;
      ks.by_record.emplace(&record, slot.get());
      ks.order.push_back(std::move(slot));
    }
    return true;
  };
  if (!slots(work.rooms, RecordKind::room) || !slots(work.monsters, RecordKind::monster) ||
      !slots(work.items, RecordKind::item))
    return false;
  cursor = {};
  stage = Stage::judge;
  return true;
}

// What was found of names and put together of lines no longer holds: the records a change
// reached are judged, then the rest is done again.
void LiveCheck::State::judge_again() {
  stage = Stage::judge;
  cursor = {};
  assembled_steps = 0;
  names_seen = {};
  record_lines = 0;
  section = 0;
  name_at.reset();
  assembled = {};
}

bool LiveCheck::State::judge_slot(const Work& work, RecordKind kind, Slot& slot, Work& scratch,
                                  RecordJudge& judge) {
  // The records of a name used twice are judged together, once the last of them is reached.
  const void* last = nullptr;
  switch (kind) {
    case RecordKind::room:
      last = work.rooms.find_last(slot.name);
      break;
    case RecordKind::monster:
      last = work.monsters.find_last(slot.name);
      break;
    case RecordKind::item:
      last = work.items.find_last(slot.name);
      break;
  }
  if (last != slot.record) {
    const KindState& ks = kinds[rank(kind)];
    if (auto it = ks.by_record.find(last); it != ks.by_record.end() && it->second->pending)
      return true;
  }
  switch (kind) {
    case RecordKind::room:
      return judge_group<droom>(work, kind, slot.name, scratch, judge);
    case RecordKind::monster:
      return judge_group<dmons>(work, kind, slot.name, scratch, judge);
    case RecordKind::item:
      break;
  }
  return judge_group<ditem>(work, kind, slot.name, scratch, judge);
}

// The bookkeeping of one update, which a judgement under way has no use for.
void LiveCheck::State::forget_judging() {
  for (Slot* slot : touched) {
    slot->before.reset();
    slot->fresh = false;
  }
  touched.clear();
}

// Changes made while a judgement is under way: the records they reached are judged again.
bool LiveCheck::State::catch_up(const Work& work) {
  if (!merge<droom>(work, RecordKind::room) || !merge<dmons>(work, RecordKind::monster) ||
      !merge<ditem>(work, RecordKind::item))
    return false;
  follow_world(work);
  follow_names(work);
  auto again = [&](const auto& list, RecordKind kind) {
    KindState& ks = kinds[rank(kind)];
    for (const std::string& name : to_judge[rank(kind)])
      for (const auto* record : list.all_named(name))
        if (auto it = ks.by_record.find(record); it != ks.by_record.end() && !it->second->pending) {
          it->second->pending = true;
          ++to_do;
        }
  };
  again(work.rooms, RecordKind::room);
  again(work.monsters, RecordKind::monster);
  again(work.items, RecordKind::item);
  // The lists' order changed under the cursors: they look again from the top.
  judge_again();
  finish(work);
  return true;
}

bool LiveCheck::State::advance(const Work& work, std::size_t& budget) {
  Work scratch;
  RecordJudge judge(scratch);
  bool all = true;
  for (RecordKind kind : kKinds) {
    auto& order = kinds[rank(kind)].order;
    std::size_t& at = cursor[rank(kind)];
    for (; at < order.size(); ++at) {
      Slot& slot = *order[at];
      if (!slot.pending) continue;
      if (budget < kStepsPerRecord) {
        all = false;
        break;
      }
      budget -= kStepsPerRecord;
      ++done;
      slot.pending = false;
      own_findings(work, kind, slot);
      if (!judge_slot(work, kind, slot, scratch, judge)) {
        // A record the slots do not know: something changed unseen; the next call starts over.
        whole_changed = true;
        forget_judging();
        return false;
      }
    }
    if (!all) break;
  }
  forget_judging();
  if (!all) return false;
  cursor = {};
  stage = Stage::names;
  assembling = work.revision();
  return true;
}

bool LiveCheck::State::find_names(const Work& work, std::size_t& budget) {
  for (RecordKind kind : kKinds) {
    const auto& order = kinds[rank(kind)].order;
    for (std::size_t& at = cursor[rank(kind)]; at < order.size(); ++at) {
      if (budget == 0) return false;
      --budget;
      ++assembled_steps;
      const Slot& slot = *order[at];
      if (names_seen.insert(slot.name).second) name_entry(work, slot.name);
      record_lines +=
          1 + slot.now.references.size() + slot.now.values.size() + slot.now.opening.size();
    }
  }
  names_seen = {};
  cursor = {};
  stage = Stage::lines;
  section = 0;
  totals = {};
  return true;
}

bool LiveCheck::State::assemble(const Work& work, const std::vector<std::string>& loading,
                                std::size_t& budget) {
  auto spend = [&](std::size_t lines) {
    budget -= std::min(budget, lines);
    assembled_steps += lines;
  };
  // Growing the lines a slice at a time would now and then move all of them at once.
  if (section == 0 && assembled.empty())
    assembled.reserve(record_lines + names.size() + loading.size() + kMostCreatorLines);
  for (; section < kSections.size(); ++section) {
    const Section& sec = kSections[section];
    auto& kept = whole_lines[static_cast<std::size_t>(sec.whole)];
    if (sec.per_record) {
      // Records without lines in this part cost next to nothing.
      const auto& order = kinds[rank(sec.kind)].order;
      for (std::size_t& at = cursor[0]; at < order.size(); ++at) {
        if (budget == 0) return false;
        const std::size_t before = assembled.size();
        add_lines(sec.part, sec.kind, *order[at], assembled);
        totals[section] += assembled.size() - before;
        spend(assembled.size() - before);
      }
      cursor[0] = 0;
    } else if (sec.whole == Whole::names) {
      // A work may use thousands of names twice.
      if (!name_at) {
        name_at = names.begin();
        kept.clear();
      }
      for (; *name_at != names.end(); ++*name_at) {
        if (budget == 0) return false;
        kept.push_back(warning_line((*name_at)->second));
        assembled.push_back(kept.back());
        ++totals[section];
        spend(1);
      }
      name_at.reset();
    } else {
      if (budget == 0) return false;
      kept = whole(work, sec.whole, loading);
      assembled.insert(assembled.end(), kept.begin(), kept.end());
      totals[section] = kept.size();
      spend(kept.size());
    }
  }
  return true;
}

bool LiveCheck::State::build_some(const Work& work, const std::vector<std::string>& loading,
                                  std::size_t budget) {
  // Any change, the creator data's too, may alter what was found so far.
  if ((stage == Stage::names || stage == Stage::lines) && work.revision() != assembling)
    judge_again();
  if (stage == Stage::gather && !gather(work, budget)) return false;
  if (stage == Stage::judge && !advance(work, budget)) return false;
  if (stage == Stage::names && !find_names(work, budget)) return false;
  return assemble(work, loading, budget);
}

// Gathering, finding names and putting lines together cost a step a record or line each,
// judging a record kStepsPerRecord; the lines are reckoned at one for each record.
int LiveCheck::State::progress() const {
  if (!building) return 100;
  const std::size_t total = records * 3 + to_do * kStepsPerRecord;
  if (total == 0) return 0;
  const std::size_t now = gathered + done * kStepsPerRecord + assembled_steps;
  return static_cast<int>(std::min<std::size_t>(99, now * 100 / total));
}

template <class Record>
bool LiveCheck::State::merge(const Work& work, RecordKind kind) {
  const RecordList<Record>& list = list_of<Record>(work);
  KindState& ks = kinds[rank(kind)];
  std::vector<Step>& out = steps[rank(kind)];
  out.clear();
  out.reserve(list.size() + 1);
  std::vector<std::unique_ptr<Slot>> old = std::move(ks.order);
  ks.order.clear();
  ks.order.reserve(list.size());
  auto changed = [&](const std::string& name) {
    return !ks.changed.empty() && ks.changed.contains(name);
  };
  auto leave = [&](std::unique_ptr<Slot> slot) {
    if (auto it = ks.by_record.find(slot->record);
        it != ks.by_record.end() && it->second == slot.get())
      ks.by_record.erase(it);
    out.push_back({nullptr, std::move(slot)});
  };
  // A record whose neighbour came or went may now follow one of its own name, or no longer:
  // the editor then opens it again, or not.
  bool neighbour_changed = false;
  // A record gone may leave its place in memory to a new one of another name.
  auto same = [](const Slot& slot, const Record& record) {
    return slot.record == &record && slot.name == record.filename;
  };
  std::size_t i = 0;
  for (const Record& record : list) {
    while (i < old.size() && !same(*old[i], record) && changed(old[i]->name)) {
      leave(std::move(old[i++]));
      neighbour_changed = true;
    }
    if (i < old.size() && same(*old[i], record)) {
      Slot& slot = *old[i];
      ks.order.push_back(std::move(old[i++]));
      if (changed(slot.name)) {
        touch(slot);
        own_findings(work, kind, slot);
        to_judge[rank(kind)].insert(slot.name);
      } else if (neighbour_changed && list.all_named(slot.name).size() > 1) {
        to_judge[rank(kind)].insert(slot.name);
      }
      neighbour_changed = false;
      out.push_back({&slot, nullptr});
      continue;
    }
    // Records only come with a change of their name; anything else went unseen.
    if (!changed(record.filename)) return false;
    auto slot = std::make_unique<Slot>();
    slot->record = &record;
    slot->order = list.order_of(record);
    slot->name = record.filename;
    slot->fresh = true;
    own_findings(work, kind, *slot);
    to_judge[rank(kind)].insert(slot->name);
    ks.by_record[&record] = slot.get();
    out.push_back({slot.get(), nullptr});
    touched.push_back(slot.get());
    ks.order.push_back(std::move(slot));
    neighbour_changed = true;
  }
  for (; i < old.size(); ++i) {
    if (!changed(old[i]->name)) return false;
    leave(std::move(old[i]));
  }
  return true;
}

void LiveCheck::State::follow_world(const Work& work) {
  for (const auto& [name, then] : world_before) {
    if (world_of(work, name) == then) continue;
    auto it = holders.find(name);
    if (it == holders.end()) continue;
    // Looked at again below, the holders register anew.
    std::vector<const void*> held = std::move(it->second);
    holders.erase(it);
    for (const void* record : held)
      for (RecordKind kind : {RecordKind::room, RecordKind::monster}) {
        KindState& ks = kinds[rank(kind)];
        auto found = ks.by_record.find(record);
        if (found == ks.by_record.end()) continue;
        Slot& slot = *found->second;
        if (slot.fresh) {
          // Its findings are new, but it still depends on the name.
          holders[name].push_back(record);
          continue;
        }
        touch(slot);
        own_findings(work, kind, slot);
      }
  }
}

void LiveCheck::State::follow_names(const Work& work) {
  NameSet names_changed;
  for (const KindState& ks : kinds) names_changed.insert(ks.changed.begin(), ks.changed.end());
  for (const std::string& name : names_changed) {
    name_entry(work, name);
    // "Kész" refuses a name another kind has: records of the other kinds may judge otherwise.
    for (RecordKind kind : kKinds) {
      if (name.empty() || !validfilename(name)) {
        // Every name the box refuses is judged as the empty name.
        if (!name.empty()) continue;
        for (const auto& slot : kinds[rank(kind)].order)
          if (!validfilename(slot->name)) to_judge[rank(kind)].insert(slot->name);
        continue;
      }
      if (has_name(work, kind, name)) to_judge[rank(kind)].insert(name);
    }
  }
}

template <class Record>
bool LiveCheck::State::judge_group(const Work& work, RecordKind kind, const std::string& name,
                                   Work& scratch, RecordJudge& judge) {
  const RecordList<Record>& list = list_of<Record>(work);
  std::vector<const Record*> members = list.all_named(name);
  if (members.empty()) return true;
  KindState& ks = kinds[rank(kind)];
  reset_work(scratch);
  for (const Record* m : members) append_copy(scratch, *m);
  const std::string box = box_text(name);
  for (RecordKind other : kKinds)
    if (other != kind && has_name(work, other, box)) append_name(scratch, other, box);
  // Where each record stands in its list, for whether two of a name follow each other.
  auto& place = places[rank(kind)];
  if (members.size() > 1 && place.empty()) {
    place.reserve(ks.order.size());
    for (std::size_t i = 0; i < ks.order.size(); ++i) place.emplace(ks.order[i].get(), i);
  }
  auto position = [&](const Slot& slot) -> std::ptrdiff_t {
    if (members.size() == 1) return 0;
    auto it = place.find(&slot);
    return it == place.end() ? -4 : static_cast<std::ptrdiff_t>(it->second);
  };
  std::ptrdiff_t previous = -2;
  for (const Record* m : members) {
    auto found = ks.by_record.find(m);
    if (found == ks.by_record.end()) return false;
    Slot& slot = *found->second;
    std::ptrdiff_t at = position(slot);
    // Right after a record of its own name the box already holds the name: nothing opens.
    if (at != previous + 1) judge.leave(kind);
    previous = at;
    Judged judged = judge.judge(kind, name);
    touch(slot);
    slot.now.refusal = std::move(judged.verdict.refusal);
    slot.now.opening = std::move(judged.opening);
  }
  return true;
}

bool LiveCheck::State::judge_groups(const Work& work) {
  bool any = false;
  for (const NameSet& names : to_judge) any = any || !names.empty();
  if (!any) return true;
  // The editors store what they judge: they judge, a name at a time, a work holding the
  // records of that name and, for the name clash, the other kinds' use of it.
  Work scratch;
  RecordJudge judge(scratch);
  for (const std::string& name : to_judge[rank(RecordKind::room)])
    if (!judge_group<droom>(work, RecordKind::room, name, scratch, judge)) return false;
  for (const std::string& name : to_judge[rank(RecordKind::monster)])
    if (!judge_group<dmons>(work, RecordKind::monster, name, scratch, judge)) return false;
  for (const std::string& name : to_judge[rank(RecordKind::item)])
    if (!judge_group<ditem>(work, RecordKind::item, name, scratch, judge)) return false;
  return true;
}

std::vector<LineEdit> LiveCheck::State::edits(const Work& work,
                                              const std::vector<std::string>& loading) {
  std::vector<LineEdit> out;
  std::size_t base = 0;
  for (std::size_t s = 0; s < kSections.size(); ++s) {
    const Section& section = kSections[s];
    std::size_t total = 0;
    if (section.per_record) {
      std::size_t at = base;
      for (const Step& step : steps[rank(section.kind)]) {
        if (step.gone) {
          std::size_t n = line_count(section.part, step.gone->now);
          if (n) out.push_back({at, n, {}});
          at += n;
          continue;
        }
        const Slot& slot = *step.kept;
        std::size_t now = line_count(section.part, slot.now);
        total += now;
        if (slot.fresh) {
          if (now == 0) continue;
          LineEdit e{at, 0, {}};
          add_lines(section.part, section.kind, slot, e.added);
          out.push_back(std::move(e));
          continue;
        }
        const Findings& then = slot.before ? *slot.before : slot.now;
        std::size_t was = line_count(section.part, then);
        if (slot.before && !same_lines(section.part, then, slot.now)) {
          LineEdit e{at, was, {}};
          add_lines(section.part, section.kind, slot, e.added);
          out.push_back(std::move(e));
        }
        at += was;
      }
    } else {
      auto& kept = whole_lines[static_cast<std::size_t>(section.whole)];
      std::vector<ReportLine> now = whole(work, section.whole, loading);
      total = now.size();
      if (now != kept) {
        out.push_back({base, kept.size(), now});
        kept = std::move(now);
      }
    }
    base += totals[s];
    totals[s] = total;
  }
  return out;
}

void LiveCheck::State::finish(const Work& work) {
  for (auto& place : places) place.clear();
  for (Slot* slot : touched) {
    slot->before.reset();
    slot->fresh = false;
  }
  touched.clear();
  for (auto& s : steps) s.clear();
  for (auto& names : to_judge) names.clear();
  for (KindState& ks : kinds) ks.changed.clear();
  world_before.clear();
  seen_revision = work.revision();
}

std::optional<std::vector<LineEdit>> LiveCheck::State::follow(
    const Work& work, const std::vector<std::string>& loading) {
  if (!merge<droom>(work, RecordKind::room) || !merge<dmons>(work, RecordKind::monster) ||
      !merge<ditem>(work, RecordKind::item))
    return std::nullopt;
  follow_world(work);
  follow_names(work);
  if (!judge_groups(work)) return std::nullopt;
  std::vector<LineEdit> out = edits(work, loading);
  finish(work);
  return out;
}

LiveCheck::LiveCheck() : state_(std::make_unique<State>()) {}
LiveCheck::~LiveCheck() = default;

std::vector<LineEdit> LiveCheck::update(const Work& work, const std::vector<std::string>& loading) {
  return update_some(work, loading, std::numeric_limits<std::size_t>::max());
}

std::vector<LineEdit> LiveCheck::update_some(const Work& work,
                                             const std::vector<std::string>& loading,
                                             std::size_t records) {
  State& s = *state_;
  const std::size_t most = std::numeric_limits<std::size_t>::max();
  const std::size_t steps = records > most / kStepsPerRecord ? most : records * kStepsPerRecord;
  std::vector<LineEdit> out;
  const bool seen_all = !s.whole_changed && work.revision() == s.seen_revision;
  if (!s.building) {
    if (s.built && seen_all)
      if (std::optional<std::vector<LineEdit>> edits = s.follow(work, loading)) return *edits;
    std::size_t shown = 0;
    for (std::size_t n : s.totals) shown += n;
    s.start_build(work);
    if (shown) out.push_back({0, shown, {}});
  } else if (!seen_all) {
    s.start_build(work);
  } else if (!s.world_before.empty() ||
             std::any_of(s.kinds.begin(), s.kinds.end(),
                         [](const KindState& ks) { return !ks.changed.empty(); })) {
    if (!s.catch_up(work)) s.start_build(work);
  }
  if (!s.build_some(work, loading, steps)) return out;
  std::vector<ReportLine> lines = std::move(s.assembled);
  s.judge_again();
  s.building = false;
  s.finish(work);
  if (out.empty())
    out.push_back({0, 0, std::move(lines)});
  else
    out.back().added = std::move(lines);
  return out;
}

bool LiveCheck::judging() const {
  return state_->building;
}

int LiveCheck::progress() const {
  return state_->progress();
}

void LiveCheck::before(const Work& work, const Change& change) {
  State& s = *state_;
  if (!s.built || s.whole_changed) return;
  if (change.target == Change::Target::whole || (s.building && s.stage == State::Stage::gather)) {
    s.whole_changed = true;
    return;
  }
  if (change.target != Change::Target::record) return;
  std::string name(change.name);
  s.world_before.try_emplace(name, world_of(work, name));
  s.kinds[rank(change.kind)].changed.insert(std::move(name));
}

void LiveCheck::after(const Work& work, const Change&) {
  State& s = *state_;
  // A change that threw half way bumped the revision without reaching here.
  if (s.built && !s.whole_changed && work.revision() != s.seen_revision + 1) s.whole_changed = true;
  s.seen_revision = work.revision();
}

}  // namespace tamo::check
