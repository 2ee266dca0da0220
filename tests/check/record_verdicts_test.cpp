#include "check/record_verdicts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "model/storing.h"
#include "work_files.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::check {
namespace {

namespace fs = std::filesystem;

struct Judgement {
  std::vector<RecordVerdict> verdicts;
  std::vector<Warning> opening;
  bool operator==(const Judgement&) const = default;
};

// The builder's way, plainly: one set of editors on the whole work, every record of every
// kind in list order, each opened by its name and committed.
Judgement one_by_one(Work work) {
  Judgement out;
  RecordJudge judge(work);
  auto each = [&](const auto& list, RecordKind kind) {
    std::vector<std::string> names;
    for (const auto& r : list) names.push_back(r.filename);
    for (const std::string& name : names) {
      Judged j = judge.judge(kind, name);
      out.verdicts.push_back(j.verdict);
      out.opening.insert(out.opening.end(), j.opening.begin(), j.opening.end());
    }
  };
  each(work.rooms, RecordKind::room);
  each(work.monsters, RecordKind::monster);
  each(work.items, RecordKind::item);
  return out;
}

Judgement judged(Work work) {
  Judgement out;
  judge_records(std::move(work), out.verdicts, out.opening);
  return out;
}

// Where two judgements first part, for a failure to show.
std::string first_difference(const Judgement& a, const Judgement& b) {
  auto line = [](const RecordVerdict& v) {
    return v.kind + " " + v.name + ": " + v.refusal.value_or("ok");
  };
  for (std::size_t i = 0; i < std::max(a.verdicts.size(), b.verdicts.size()); ++i)
    if (i >= a.verdicts.size() || i >= b.verdicts.size() || !(a.verdicts[i] == b.verdicts[i]))
      return "verdict " + std::to_string(i) + ": " +
             (i < a.verdicts.size() ? line(a.verdicts[i]) : "(none)") + " / " +
             (i < b.verdicts.size() ? line(b.verdicts[i]) : "(none)");
  for (std::size_t i = 0; i < std::max(a.opening.size(), b.opening.size()); ++i)
    if (i >= a.opening.size() || i >= b.opening.size() || !(a.opening[i] == b.opening[i]))
      return "opening " + std::to_string(i) + ": " +
             (i < a.opening.size() ? a.opening[i].text : "(none)") + " / " +
             (i < b.opening.size() ? b.opening[i].text : "(none)");
  return "none";
}

void expect_as_one_by_one(const Work& work, const std::string& what) {
  Judgement expected = one_by_one(work);
  Judgement got = judged(work);
  EXPECT_TRUE(got == expected) << what << ": " << first_difference(got, expected);
}

// Every work the tests keep as files, as "Betöltés" reads it, however broken.
TEST(JudgeRecords, JudgesEveryKeptWorkFileAsOneSetOfEditorsDoesRecordByRecord) {
  std::vector<fs::path> files;
  for (const char* folder : {TAMO_ACCEPTANCE_FIXTURES, TAMO_FUZZ_REGRESSIONS, TAMO_SUPPORT_WORKS})
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
      if (e.is_regular_file()) files.push_back(e.path());
  ASSERT_GT(files.size(), 10u);
  for (const fs::path& file : files) {
    Work work;
    workfile::loadfile(work, file);
    expect_as_one_by_one(work, file.filename().string());
  }
}

// Random records whose names the kinds share, repeat, break or leave out, and whose fields
// the editors refuse, correct or tell of while opening them.
class RandomWork {
 public:
  explicit RandomWork(unsigned seed) : random_(seed) {}

  Work make() {
    Work work;
    const int records = 4 + pick(20);
    for (int n = 0; n < records; ++n) {
      switch (pick(3)) {
        case 0:
          append_room(work, room());
          break;
        case 1:
          append_mons(work, creature());
          break;
        default:
          append_item(work, item());
      }
    }
    return work;
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  Text of(const std::vector<const char*>& choices) {
    return choices[static_cast<std::size_t>(pick(static_cast<int>(choices.size())))];
  }
  Text name() { return of({"kapu", "udvar", "ork", "gyuru", "Rossz nev", "", "ork\nx", "kard"}); }
  Text text() { return of({"", "Egy.", "Egy hosszabb szoveg.", "Sor\r\nvege", "lf\nsor", "cr\r"}); }
  Text number() { return of({"", "0", "5", "12", "150", "-3", "abc", "99999999999999999999"}); }
  void entries(MixedList& list) {
    for (int n = pick(3); n > 0; --n) add_mixed(list, name().view(), number().view());
  }

  droom room() {
    droom r;
    r.filename = name();
    r.short_ = text();
    r.long_ = text();
    r.smelldefault = text();
    r.listendefault = text();
    for (MixedList droom::*list : kRoomLists) entries(r.*list);
    if (pick(2)) add_mixed(r.guard, "guardname", name().view());
    return r;
  }

  dmons creature() {
    dmons m;
    m.filename = name();
    m.name = text();
    m.short_ = text();
    m.long_ = text();
    m.race = of({"ork", "ember", "", "nincs ilyen"});
    m.gender = of({"ferfi", "no", "", "x"});
    m.class1 = of({"harcos", "", "x"});
    m.class2 = of({"", "harcos", "x"});
    m.class3 = of({"", "x"});
    m.level = number();
    m.alignment = number();
    m.aggressive = number();
    m.money = number();
    m.speed = number();
    m.spemspeed = number();
    for (MixedList dmons::*list : kMonsLists) entries(m.*list);
    return m;
  }

  ditem item() {
    ditem i;
    i.filename = name();
    i.name = text();
    i.short_ = text();
    i.long_ = text();
    i.minlevel = number();
    i.rarity = number();
    i.weight = number();
    i.value = number();
    i.itemtype = of({"gyuru", "kard", "", "x", "sisak"});
    i.is_weapon = of({"0", "1", "2", "3", "5", "9", "-1", "x", ""});
    i.invisitem = of({"0", "1", "x"});
    i.wc1 = number();
    i.wc2 = number();
    i.two_handed = of({"0", "1", "7", "x"});
    i.my_mess = text();
    i.your_mess = text();
    i.strength = number();
    for (Text* bonus : bonus_fields(i)) *bonus = pick(3) ? Text() : number();
    for (MixedList ditem::*list : kItemLists) entries(i.*list);
    return i;
  }

  std::mt19937 random_;
};

TEST(JudgeRecords, JudgesRandomWorksAsOneSetOfEditorsDoesRecordByRecord) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    Work work = RandomWork(seed).make();
    expect_as_one_by_one(work, "seed " + std::to_string(seed));
    if (HasFailure()) return;
  }
}

// A kind judged apart still refuses a name another kind has, also one its box shortens.
TEST(JudgeRecords, ANameAnotherKindHasIsRefusedWhicheverPartJudgesIt) {
  Work work = tamo::testing::clean_work();
  setup_data(work).rooms.rename(*setup_room_named(work, "udvar"), "gyuru");
  setup_data(work).monsters.rename(*setup_mons_named(work, "ork"), "kulcs\nmasik");
  Judgement got = judged(work);
  EXPECT_TRUE(got == one_by_one(work)) << first_difference(got, one_by_one(work));
  std::vector<std::string> refused;
  for (const RecordVerdict& v : got.verdicts)
    if (!v.ok()) refused.push_back(v.kind + " " + v.name + ": " + *v.refusal);
  EXPECT_EQ(refused, (std::vector<std::string>{"szoba gyuru: Már van ilyen fájlnév!",
                                               "élőlény kulcs\nmasik: Már van ilyen fájlnév!",
                                               "tárgy gyuru: Már van ilyen fájlnév!"}));
}

}  // namespace
}  // namespace tamo::check
