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

template <class Record>
void judge(QuietHost& host, const RecordList<Record>& list, std::string_view kind,
           controls::ComboBox& filename, const std::function<std::optional<std::string>()>& commit,
           std::vector<RecordVerdict>& verdicts, std::vector<Warning>& warnings) {
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const Record& r : list) names.push_back(r.filename);
  for (std::string& name : names) {
    auto opening_error = conversion_error_of([&] { filename.set_text(name); });
    std::vector<std::string> opening = host.take_shown();
    if (opening_error) opening.push_back(*opening_error);
    for (const std::string& m : opening)
      warnings.push_back(
          {std::string(kind) + " " + name + " megnyitásakor: " + m, {std::string(kind), name, {}}});
    RecordVerdict verdict{std::string(kind), std::move(name), std::nullopt};
    if (auto error = conversion_error_of([&] { verdict.refusal = commit(); }))
      verdict.refusal = error;
    host.take_shown();
    verdicts.push_back(std::move(verdict));
  }
}

}  // namespace

void judge_records(Work& work, std::vector<RecordVerdict>& verdicts,
                   std::vector<Warning>& warnings) {
  balance::set_db();
  tmproomclear(work);
  tmpmonsclear(work);
  tmpitemclear(work);
  QuietHost host(work);
  editors::RoomEditor room(host);
  editors::MonsterEditor monster(host);
  editors::ItemEditor item(host);
  judge(
      host, work.rooms, kRoomKind, room.filename, [&] { return room.commit_room(); }, verdicts,
      warnings);
  judge(
      host, work.monsters, kCreatureKind, monster.panel.filename,
      [&] { return monster.commit_creature(); }, verdicts, warnings);
  judge(
      host, work.items, kItemKind, item.panel.filename, [&] { return item.commit_item(); },
      verdicts, warnings);
}

}  // namespace tamo::check
