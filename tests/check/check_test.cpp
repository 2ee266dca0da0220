#include "check/report.h"

#include <functional>

#include "work_files.h"
#include "work_setup.h"

namespace tamo::check {
namespace {

using Strings = std::vector<std::string>;
using tamo::testing::clean_work;

class Check : public tamo::testing::WorkFileTest {};

Strings verdicts(const Report& r) {
  Strings out;
  for (const RecordVerdict& v : r.records)
    out.push_back(v.kind + " " + v.name + ": " + v.refusal.value_or("ok"));
  return out;
}

TEST_F(Check, ACleanWorkIsAllOkInListOrder) {
  Report r = check_file(write_work(clean_work()));
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(verdicts(r), (Strings{"szoba kapu: ok", "szoba udvar: ok", "élőlény ork: ok",
                                  "tárgy gyuru: ok", "tárgy kulcs: ok"}));
  EXPECT_EQ(r.warnings, Strings{});
  EXPECT_FALSE(r.work_refusal);
  EXPECT_EQ(r.status(), 0);
}

struct Refusal {
  const char* name;
  std::function<void(Work&)> make;
  Strings refused;  // "kind name: result" of each refused record
  Strings warnings = {};
};

class Refusals : public Check, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, AreWhatTheEditorShows) {
  Work w = clean_work();
  GetParam().make(w);
  Report r = check_file(write_work(w));
  Strings refused;
  for (const RecordVerdict& v : r.records)
    if (!v.ok()) refused.push_back(v.kind + " " + v.name + ": " + *v.refusal);
  EXPECT_EQ(refused, GetParam().refused);
  EXPECT_EQ(r.warnings, GetParam().warnings);
  EXPECT_EQ(r.status(), 1);
}

const Refusal kRefusals[] = {
    {"room_without_long_text",
     [](Work& w) { setup_room_named(w, "udvar")->long_.clear(); },
     {"szoba udvar: Nincs hosszú leírás megadva!"}},
    {"room_named_like_an_item",
     [](Work& w) { setup_data(w).rooms.rename(*setup_room_named(w, "udvar"), "gyuru"); },
     {"szoba gyuru: Már van ilyen fájlnév!", "tárgy gyuru: Már van ilyen fájlnév!"},
     {"szoba kapu: a(z) kelet kijárat nem létező szobába vezet: udvar",
      "a(z) gyuru fájlnév többször szerepel: szoba, tárgy"}},
    {"creature_of_a_class_combination_that_cannot_be",
     [](Work& w) {
       setup_mons_named(w, "ork")->class1 = "lovag";
       setup_mons_named(w, "ork")->class2 = "nekromanta";
     },
     {"élőlény ork: A lény jelleme nem megfelelő!"}},
    {"creature_race_not_offered",
     [](Work& w) { setup_mons_named(w, "ork")->race = "marslako"; },
     {"élőlény ork: Nincs faj megadva!"}},
    {"creature_level_too_high_shows_while_opening",
     [](Work& w) { setup_mons_named(w, "ork")->level = "150"; },
     {"élőlény ork: Nincs szint megadva!"},
     {"élőlény ork megnyitásakor: Ilyen szintű lény nem lehetséges!"}},
    {"unbalanced_ring",
     [](Work& w) { setup_item_named(w, "gyuru")->ac = "2"; },
     {"tárgy gyuru: A tárgy bónuszainak összege túlsagosan nagy."}},
    {"unreadable_number_is_the_conversion_message",
     [](Work& w) {
       ditem& club = *setup_item_named(w, "gyuru");
       club.is_weapon = "1";
       club.itemtype = "zuzo";
       club.minlevel = "20";
       club.weight = "100";
       club.value = "2000";
       club.ac.clear();
       club.wc1 = "3";
       club.wc2 = "8x";  // only a change of wc1 polices wc2, and wc2 is filled after it
     },
     {"tárgy gyuru: '8x' nem érvényes egész szám."}},
    {"item_kind_that_is_no_number",
     [](Work& w) {
       ditem& kulcs = *setup_item_named(w, "kulcs");
       kulcs.is_weapon = "kulcs";
       kulcs.value = "3001";
     },
     {"tárgy kulcs: Nincs típus megadva!"},
     {"szoba kapu: a(z) kelet kijárat kulcsa nem kulcs: kulcs",
      "tárgy kulcs megnyitásakor: A tárgy típusa nem szám a munkafájlban (\"kulcs\"), ezért "
      "páncélként jelenik meg."}},
};

INSTANTIATE_TEST_SUITE_P(Examples, Refusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Check, ARepeatedNameIsJudgedAsTheEditorOpensItTheLastOfThatName) {
  Work w = clean_work();
  droom* again = setup_room(w, "udvar");
  again->short_ = "Masik udvar";  // no long text: the editor refuses this one
  Report r = check_file(write_work(w));
  ASSERT_EQ(r.records.size(), 6u);
  EXPECT_EQ(r.records[1].refusal, "Nincs hosszú leírás megadva!");
  EXPECT_EQ(r.records[2].refusal, "Nincs hosszú leírás megadva!");
  EXPECT_EQ(r.warnings, Strings{"a(z) udvar fájlnév többször szerepel: szoba, szoba"});
}

TEST_F(Check, AFileThatBreaksOffIsJudgedAsFarAsItWasRead) {
  std::string bytes = workfile::encode_lines(workfile::work_lines(clean_work()));
  bytes.resize(bytes.rfind("ROOMEND"));  // inside the second room
  Report r = check_file(write_bytes("w.tamo", bytes));
  EXPECT_FALSE(r.complete);
  ASSERT_EQ(r.records.size(), 2u);
  EXPECT_TRUE(r.records[0].ok());
  EXPECT_EQ(r.loading.size(), 1u);
  EXPECT_EQ(r.status(), 2);
}

TEST_F(Check, CreatorDataAreJudgedAsSavingWould) {
  struct Case {
    std::string WorkData::*field;
    const char* refusal;
  };
  for (auto [field, refusal] : {Case{&WorkData::project, "Nincs munkanév megadva!"},
                                Case{&WorkData::name, "Nincs készítőnév megadva!"},
                                Case{&WorkData::mail, "Nincs e-mail cím megadva!"}}) {
    Work w = clean_work();
    setup_data(w).*field = "";
    Report r = check_work(w);
    EXPECT_EQ(r.work_refusal, refusal);
    EXPECT_EQ(r.status(), 1) << refusal;
  }
}

TEST_F(Check, AWorkInMemoryIsJudgedWithoutTouchingIt) {
  Work w = clean_work();
  setup_room_named(w, "udvar")->long_.clear();
  add_mixed(w.tmproom.exits, "fel", "padlas");  // what the builder is editing right now
  const Work before = w;
  Report r = check_work(w);
  EXPECT_EQ(r.records[1].refusal, "Nincs hosszú leírás megadva!");
  EXPECT_EQ(workfile::work_lines(w), workfile::work_lines(before));
  EXPECT_EQ(w.tmproom, before.tmproom);
}

struct ValueFault {
  const char* name;
  std::function<void(Work&)> make;
  Strings warnings;
};

class ValueFaults : public Check, public ::testing::WithParamInterface<ValueFault> {};

// What no editor lets in but a file can hold: each is named, and nothing is refused for it.
TEST_P(ValueFaults, AreWarnedOf) {
  Work w = clean_work();
  GetParam().make(w);
  Report r = check_file(write_work(w));
  EXPECT_EQ(r.warnings, GetParam().warnings);
  EXPECT_EQ(r.status(), 0);
}

const ValueFault kValueFaults[] = {
    {"bonuses_the_verdict_reads_as_zero",
     [](Work& w) {
       ditem& gyuru = *setup_item_named(w, "gyuru");
       gyuru.hp = "+999";
       gyuru.mp = " 999";
       gyuru.sp = "999 ";
       gyuru.tb = "-0";  // a plain number that is zero
     },
     {"tárgy gyuru: a(z) hp bónusz nem egyszerű szám, a mérlegelés 0-nak veszi: +999",
      "tárgy gyuru: a(z) mp bónusz nem egyszerű szám, a mérlegelés 0-nak veszi:  999",
      "tárgy gyuru: a(z) sp bónusz nem egyszerű szám, a mérlegelés 0-nak veszi: 999 "}},
    {"key_with_bonuses_and_restrictions",
     [](Work& w) {
       ditem& kulcs = *setup_item_named(w, "kulcs");
       kulcs.ac = "3";
       kulcs.kari = "0";
       kulcs.bolcsi = "-2";
       add_mixed(kulcs.antis, "jo", "1");
       add_mixed(kulcs.antis, "harcos", "0");
       add_mixed(kulcs.antis, "pap", "1");
     },
     {"tárgy kulcs: ilyen fajta tárgynak nem lehet bónusza, mégis van: ac, bolcsi",
      "tárgy kulcs: ilyen fajta tárgynak nem lehet korlátozása, mégis van: jo, pap"}},
    {"armour_may_hold_bonuses",
     [](Work& w) { add_mixed(setup_item_named(w, "gyuru")->antis, "jo", "1"); },
     {}},
    {"control_characters_in_one_line_values",
     [](Work& w) {
       setup_data(w).name = "epito\x1b[2J";
       setup_room_named(w, "kapu")->short_ = "A kapu\x07";
       setup_room_named(w, "kapu")->long_ = "Hosszu\r\nleiras";  // several lines are its nature
       add_mixed(setup_room_named(w, "udvar")->listen, "szel", "fuj\xc2\x81");
       setup_mons_named(w, "ork")->name = "Ork\x7f";
       add_mixed(setup_item_named(w, "gyuru")->ids, "gy\turu", "1");
     },
     {"munka: a(z) CREATORNAME értékében vezérlőkarakter van",
      "szoba kapu: a(z) ROOMSHORT értékében vezérlőkarakter van",
      "szoba udvar: a(z) ROOMLISTEN értékében vezérlőkarakter van",
      "élőlény ork: a(z) MONSNAME értékében vezérlőkarakter van",
      "tárgy gyuru: a(z) ITEMIDS értékében vezérlőkarakter van"}},
};

INSTANTIATE_TEST_SUITE_P(Examples, ValueFaults, ::testing::ValuesIn(kValueFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckStatus, RefusalsAndBrokenFilesDecide) {
  Report whole_ok;
  Report refused;
  refused.records.push_back({"szoba", "x", "nem"});
  Report work_refused;
  work_refused.work_refusal = "Nincs munkanév megadva!";
  Report broken;
  broken.complete = false;
  EXPECT_EQ(whole_ok.status(), 0);
  EXPECT_EQ(refused.status(), 1);
  EXPECT_EQ(work_refused.status(), 1);
  EXPECT_EQ(broken.status(), 2);
}

}  // namespace
}  // namespace tamo::check
