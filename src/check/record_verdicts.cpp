#include "check/record_verdicts.h"

#include <functional>
#include <optional>

#include "balance/verdict.h"
#include "controls/control.h"
#include "editors/common/host.h"
#include "editors/item/item_editor.h"
#include "editors/monster/monster_editor.h"
#include "editors/room/room_editor.h"
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

template <class Record>
void judge_list(RecordJudge& judge, const RecordList<Record>& list, RecordKind kind,
                const std::function<void(RecordKind, std::size_t, Judged)>& judged) {
  // Stores during the pass change records, never their names or number.
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const Record& r : list) names.push_back(r.filename);
  for (std::size_t i = 0; i < names.size(); ++i) judged(kind, i, judge.judge(kind, names[i]));
}

}  // namespace

void judge_records(Work& work, const std::function<void(RecordKind, std::size_t, Judged)>& judged) {
  RecordJudge judge(work);
  judge_list(judge, work.rooms, RecordKind::room, judged);
  judge_list(judge, work.monsters, RecordKind::monster, judged);
  judge_list(judge, work.items, RecordKind::item, judged);
}

void judge_records(Work& work, std::vector<RecordVerdict>& verdicts,
                   std::vector<Warning>& warnings) {
  judge_records(work, [&](RecordKind, std::size_t, Judged j) {
    verdicts.push_back(std::move(j.verdict));
    warnings.insert(warnings.end(), std::make_move_iterator(j.opening.begin()),
                    std::make_move_iterator(j.opening.end()));
  });
}

}  // namespace tamo::check
