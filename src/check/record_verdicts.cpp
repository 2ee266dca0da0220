#include "check/record_verdicts.h"

#include <algorithm>
#include <functional>
#include <future>
#include <latch>
#include <optional>
#include <utility>

#include "balance/verdict.h"
#include "controls/control.h"
#include "editors/common/host.h"
#include "editors/item/item_editor.h"
#include "editors/monster/monster_editor.h"
#include "editors/room/room_editor.h"
#include "model/input_rules.h"
#include "model/numbers.h"

namespace tamo::check {

namespace {

// The editors' surroundings without a window: messages are collected, dialogs never open.
class QuietHost : public editors::EditorHost {
 public:
  explicit QuietHost(Work& work) : work_(work) {}
  Work& work() override { return work_; }
  void debug(const std::string& text) override { shown_.push_back(text); }
  void closeallotherforms() override {}
  void set_main_enabled(bool) override {}
  controls::Focus& focus() override { return focus_; }

  std::vector<std::string> take_shown() { return std::exchange(shown_, {}); }

 private:
  Work& work_;
  controls::Focus focus_;
  std::vector<std::string> shown_;
};

// A number text that cannot be read ends the handler with its message, as the window's
// event entry shows it.
std::optional<std::string> conversion_error_of(const std::function<void()>& step) {
  try {
    step();
  } catch (const ConversionError& e) {
    return e.what();
  }
  return std::nullopt;
}

std::string_view kind_word(RecordKind kind) {
  switch (kind) {
    case RecordKind::room:
      return kRoomKind;
    case RecordKind::monster:
      return kCreatureKind;
    case RecordKind::item:
      return kItemKind;
  }
  return {};
}

}  // namespace

struct RecordJudge::Editors {
  explicit Editors(Work& work) : host(work), room(host), monster(host), item(host) {}

  controls::ComboBox& box(RecordKind kind) {
    switch (kind) {
      case RecordKind::room:
        return room.filename;
      case RecordKind::monster:
        return monster.panel.filename;
      case RecordKind::item:
        break;
    }
    return item.panel.filename;
  }
  std::optional<std::string> commit(RecordKind kind) {
    switch (kind) {
      case RecordKind::room:
        return room.commit_room();
      case RecordKind::monster:
        return monster.commit_creature();
      case RecordKind::item:
        break;
    }
    return item.commit_item();
  }

  QuietHost host;
  editors::RoomEditor room;
  editors::MonsterEditor monster;
  editors::ItemEditor item;
};

RecordJudge::RecordJudge(Work& work) {
  balance::set_db();
  tmproomclear(work);
  tmpmonsclear(work);
  tmpitemclear(work);
  editors_ = std::make_unique<Editors>(work);
}

RecordJudge::~RecordJudge() = default;

Judged RecordJudge::judge(RecordKind kind, const std::string& name) {
  const std::string word(kind_word(kind));
  Judged out{{word, name, std::nullopt}, {}};
  auto opening_error = conversion_error_of([&] { editors_->box(kind).set_text(name); });
  std::vector<std::string> opening = editors_->host.take_shown();
  if (opening_error) opening.push_back(*opening_error);
  for (const std::string& m : opening)
    out.opening.push_back({word + " " + name + " megnyitásakor: " + m, {word, name, {}}});
  if (auto error = conversion_error_of([&] { out.verdict.refusal = editors_->commit(kind); }))
    out.verdict.refusal = error;
  editors_->host.take_shown();
  return out;
}

void RecordJudge::leave(RecordKind kind) {
  conversion_error_of([&] { editors_->box(kind).set_text({}); });
  editors_->host.take_shown();
}

namespace {

using Judgements = std::vector<Judged>;

template <class Record>
Judgements judge_list(RecordJudge& judge, const RecordList<Record>& list, RecordKind kind) {
  // Stores during the pass change records, never their names or number.
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const Record& r : list) names.push_back(r.filename);
  Judgements out;
  out.reserve(names.size());
  for (const std::string& name : names) out.push_back(judge.judge(kind, name));
  return out;
}

// The name the file-name box holds once the name is chosen: its first line, or nothing when
// the box refuses it.
std::string_view box_text(std::string_view name) {
  name = name.substr(0, std::min(name.find('\r'), name.find('\n')));
  return validfilename(name) ? name : std::string_view();
}

// Gives `stubs` a record holding only the name when `named` has one of that name: "Kész"
// refuses a name another kind has, and that is all an editor asks of the other kinds.
template <class Record>
void add_name(RecordList<Record>& stubs, const RecordList<Record>& named, std::string_view name) {
  if (named.contains(name) && !stubs.contains(name)) stubs.add(std::string(name));
}

// Each part's own names its boxes meet that the other part has, as name-only records.
void name_rooms_and_creatures(WorkData& part, const WorkData& items) {
  for (const droom& r : part.rooms) add_name(part.items, items.items, box_text(r.filename));
  for (const dmons& m : part.monsters) add_name(part.items, items.items, box_text(m.filename));
}

void name_items(WorkData& part, const WorkData& rooms_and_creatures) {
  for (const ditem& i : part.items) {
    const std::string_view box = box_text(i.filename);
    add_name(part.rooms, rooms_and_creatures.rooms, box);
    add_name(part.monsters, rooms_and_creatures.monsters, box);
  }
}

// Tells the latch once its scope ends, however it ends, so that no thread waits for ever.
class CountDown {
 public:
  explicit CountDown(std::latch& latch) : latch_(latch) {}
  ~CountDown() { latch_.count_down(); }
  CountDown(const CountDown&) = delete;
  CountDown& operator=(const CountDown&) = delete;

 private:
  std::latch& latch_;
};

}  // namespace

void judge_records(Work work, std::vector<RecordVerdict>& verdicts,
                   std::vector<Warning>& warnings) {
  // The rooms and creatures, and the items: each editor reads and stores only its own kind,
  // so the two parts are judged apart and at once, each keeping the other's names its boxes
  // meet. Each part is named on its own thread; neither is judged before both are named, as
  // the other part's names are read meanwhile.
  WorkData first = std::move(work).take_data();
  WorkData second;
  second.items = std::move(first.items);
  first.items = {};
  std::latch named(2);
  // The items' thread also frees them.
  std::future<Judgements> items = std::async(std::launch::async, [&first, &second, &named] {
    {
      CountDown done(named);
      name_items(second, first);
    }
    named.wait();
    Work own(std::move(second));
    RecordJudge judge(own);
    return judge_list(judge, own.items, RecordKind::item);
  });
  {
    CountDown done(named);
    name_rooms_and_creatures(first, second);
  }
  named.wait();
  Judgements rooms, creatures;
  {
    Work own(std::move(first));
    RecordJudge judge(own);
    rooms = judge_list(judge, own.rooms, RecordKind::room);
    creatures = judge_list(judge, own.monsters, RecordKind::monster);
  }
  Judgements judged_items = items.get();
  for (Judgements* kind : {&rooms, &creatures, &judged_items}) {
    for (Judged& j : *kind) {
      verdicts.push_back(std::move(j.verdict));
      warnings.insert(warnings.end(), std::make_move_iterator(j.opening.begin()),
                      std::make_move_iterator(j.opening.end()));
    }
  }
}

}  // namespace tamo::check
