#include "check/live_check.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "check/report.h"
#include "check/report_lines.h"
#include "model/storing.h"
#include "model/work_parts.h"
#include "work_files.h"
#include "work_setup.h"

namespace tamo::check {
namespace {

// The check kept up to date beside the work, and the lines it shows.
class Following {
 public:
  explicit Following(Work& work) : work_(work) { work_.add_watcher(&live_); }
  ~Following() { work_.remove_watcher(&live_); }

  const std::vector<ReportLine>& update(const std::vector<std::string>& loading = {}) {
    apply_edits(lines_, live_.update(work_, loading));
    return lines_;
  }

 private:
  Work& work_;
  LiveCheck live_;
  std::vector<ReportLine> lines_;
};

std::vector<ReportLine> full(const Work& work, const std::vector<std::string>& loading = {}) {
  Report report = check_work(work);
  report.loading = loading;
  return report_lines(report);
}

// Where two lists of lines first part, for a failure to show.
std::string first_difference(const std::vector<ReportLine>& a, const std::vector<ReportLine>& b) {
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    std::string x = i < a.size() ? a[i].text : "(none)";
    std::string y = i < b.size() ? b[i].text : "(none)";
    if (!(i < a.size() && i < b.size() && a[i] == b[i]))
      return "line " + std::to_string(i) + ": kept \"" + x + "\", whole check \"" + y + "\"";
  }
  return "none";
}

TEST(LiveCheck, FirstUpdateIsTheWholeCheckAndLoadingMessagesFollow) {
  Work work = testing::clean_work();
  Following live(work);
  EXPECT_EQ(live.update(), full(work));
  EXPECT_EQ(live.update({"rossz sor"}), full(work, {"rossz sor"}));
  EXPECT_EQ(live.update(), full(work));
}

// Names a walk picks from: some shared across kinds, one the box refuses, and the empty one.
const std::vector<std::string> kNames = {"kapu", "udvar", "ork", "gyuru", "kulcs", "Rossz nev", ""};

// One random change through the named operations, as the editors, dialogs and undo make them.
class Walk {
 public:
  Walk(Work& work, unsigned seed) : work_(work), random_(seed) {}

  std::string step() {
    switch (pick(14)) {
      case 0:
      case 1:
        return store_room_step();
      case 2:
        return store_mons_step();
      case 3:
      case 4:
        return store_item_step();
      case 5: {
        std::string n = name();
        delete_room(work_, n);
        return "delete room " + n;
      }
      case 6: {
        std::string n = name();
        delete_mons(work_, n);
        return "delete creature " + n;
      }
      case 7: {
        std::string n = name();
        delete_item(work_, n);
        return "delete item " + n;
      }
      case 8: {
        std::string target = name(), from = name();
        add_reverse_exits(work_, target, "nyugat", from);
        return "reverse exit " + target + " -> " + from;
      }
      case 9: {
        // A name used twice, or a name the box refuses, as only a file brings them.
        droom r;
        r.filename = name();
        r.short_ = "Ket szoba";
        r.long_ = pick(2) ? "Hosszu." : "";
        add_mixed(r.exits, "le", name());
        append_room(work_, r);
        return "append room " + r.filename.str();
      }
      case 10: {
        // What undo does: a part put back as it was, records back at their old places.
        if (kept_.empty() || pick(2)) {
          WorkPart part{Change::Target::record, static_cast<RecordKind>(pick(3)), name()};
          kept_.push_back({part, read_part(work_, part)});
          return "keep " + part.name;
        }
        auto [part, state] = kept_[pick(static_cast<int>(kept_.size()))];
        restore_part(work_, part, state);
        return "restore " + part.name;
      }
      case 11:
        set_creator(work_, pick(2) ? "pelda" : "", "epito", pick(4) ? "a@b.hu" : "a\tb");
        return "creator";
      case 12: {
        ditem i;
        i.filename = name();
        i.is_weapon = pick(2) ? "x" : "5";
        i.two_handed = "7";
        append_item(work_, i);
        return "append item " + i.filename.str();
      }
      default:
        // A new or loaded work starts a fresh history: nothing kept before comes back.
        kept_.clear();
        if (pick(3) == 0) {
          replace_work(work_, testing::clean_work().take_data());
          return "load";
        }
        reset_work(work_);
        return "new";
    }
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  std::string name() {
    return kNames[static_cast<std::size_t>(pick(static_cast<int>(kNames.size())))];
  }

  std::string store_room_step() {
    std::string n = name();
    droom& tmp = work_.tmproom;
    clear_mixed(tmp.exits);
    clear_mixed(tmp.contents);
    clear_mixed(tmp.keys);
    clear_mixed(tmp.guard);
    add_mixed(tmp.exits, "kelet", name());
    if (pick(2)) add_mixed(tmp.keys, "kelet", name());
    if (pick(2)) add_mixed(tmp.contents, name(), "1");
    if (pick(3) == 0) {
      add_mixed(tmp.guard, "guardname", name());
      add_mixed(tmp.guard, pick(2) ? "kelet" : "del", "guarddir");
    }
    const bool whole = pick(4) != 0;
    store_room(work_, n, [&](droom& r) {
      r.short_ = whole ? "Egy szoba" : "";
      r.long_ = pick(5) ? "Hosszu leiras." : "Sor\r\nvege\x01";
    });
    return "store room " + n;
  }

  std::string store_mons_step() {
    std::string n = name();
    clear_mixed(work_.tmpmons.equipment);
    if (pick(2)) add_mixed(work_.tmpmons.equipment, name(), "1");
    const std::string level = pick(3) ? "5" : (pick(2) ? "500" : "");
    store_mons(work_, n, [&](dmons& m) {
      m.name = "Ork";
      m.short_ = "Egy ork";
      m.long_ = "Morcos ork.";
      m.level = level;
      m.race = "ork";
      m.gender = "hím";
      m.class1 = "harcos";
      m.money = "10";
      m.alignment = "0";
    });
    return "store creature " + n;
  }

  std::string store_item_step() {
    std::string n = name();
    work_.tmpitem.ac = pick(2) ? "1" : "x";
    const std::string kind = pick(3) ? "5" : (pick(2) ? "0" : "x");
    store_item(work_, n, [&](ditem& i) {
      i.name = "Targy";
      i.short_ = "egy targy";
      i.long_ = "Egy targy.";
      i.minlevel = "1";
      i.rarity = pick(4) ? "10" : "abc";
      i.weight = "5";
      i.value = "500";
      i.itemtype = "gyuru";
      i.is_weapon = kind;
    });
    return "store item " + n;
  }

  Work& work_;
  std::mt19937 random_;
  std::vector<std::pair<WorkPart, PartState>> kept_;
};

// After every change of a random walk the lines kept up to date are the whole check's, line
// for line: what one change reaches is judged again, and nothing else is needed.
TEST(LiveCheck, FollowsEveryChangeOfARandomWalkExactly) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    Work work = testing::clean_work();
    Following live(work);
    live.update();
    Walk walk(work, seed);
    std::string path;
    for (int n = 0; n < 60; ++n) {
      path += walk.step() + "; ";
      if (n % 3 == 2) continue;  // several changes may come between two updates
      const std::vector<ReportLine>& kept = live.update();
      const std::vector<ReportLine> whole = full(work);
      ASSERT_TRUE(kept == whole) << "seed " << seed << ": " << path << "\n"
                                 << first_difference(kept, whole);
    }
  }
}

// Judging the whole work a few records at a time, with changes of a random walk coming
// between the slices (a new or loaded work starts it again): once done, the lines are the
// whole check's; while under way, there are none.
TEST(LiveCheck, AWholeJudgementInSlicesEndsAsTheWholeCheckWhateverChangesMeanwhile) {
  int changes_while_judging = 0;
  for (unsigned seed = 1; seed <= 100; ++seed) {
    Work work = testing::clean_work();
    LiveCheck live;
    work.add_watcher(&live);
    std::vector<ReportLine> lines;
    Walk walk(work, seed);
    std::string path;
    for (int n = 0; n < 80; ++n) {
      if (live.judging()) ++changes_while_judging;
      path += walk.step() + "; ";
      apply_edits(lines, live.update_some(work, {}, 1 + n % 3));
      if (live.judging()) {
        ASSERT_TRUE(lines.empty()) << "seed " << seed << ": " << path;
        continue;
      }
      const std::vector<ReportLine> whole = full(work);
      ASSERT_TRUE(lines == whole) << "seed " << seed << ": " << path << "\n"
                                  << first_difference(lines, whole);
    }
    work.remove_watcher(&live);
  }
  EXPECT_GT(changes_while_judging, 100) << "the walk must change the work mid-judgement";
}

// A change the check did not see (a work changed before it watched, then again) is caught by
// the revision, and the whole work is judged again.
TEST(LiveCheck, AChangeUnseenJudgesTheWholeWorkAgain) {
  Work work = testing::clean_work();
  LiveCheck live;
  std::vector<ReportLine> lines;
  apply_edits(lines, live.update(work, {}));
  delete_mons(work, "ork");
  work.add_watcher(&live);
  delete_item(work, "kulcs");
  apply_edits(lines, live.update(work, {}));
  EXPECT_EQ(lines, full(work));
  work.remove_watcher(&live);
}

}  // namespace
}  // namespace tamo::check
