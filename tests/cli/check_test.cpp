#include "cli/check.h"

#include <functional>

#include "cli_fixture.h"
#include "work_setup.h"

namespace tamo::cli::testing {
namespace {

using Strings = std::vector<std::string>;

class Check : public CliTest {};

TEST_F(Check, ACleanWorkIsAllOkInListOrder) {
  FileCheck c = check_file(write_work(clean_work()), "w.tamo");
  EXPECT_TRUE(c.complete);
  EXPECT_EQ(check_text(c),
            "w.tamo\n"
            "szoba kapu: ok\n"
            "szoba udvar: ok\n"
            "élőlény ork: ok\n"
            "tárgy gyuru: ok\n"
            "tárgy kulcs: ok\n");
  EXPECT_EQ(check_status({c}), 0);
}

struct Refusal {
  const char* name;
  std::function<void(Work&)> make;
  Strings refused;  // "kind name: result" of each refused record
  Strings warnings = {};
};

class Refusals : public CliTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, AreWhatTheEditorShows) {
  Work w = clean_work();
  GetParam().make(w);
  FileCheck c = check_file(write_work(w), "w.tamo");
  Strings refused;
  for (const RecordCheck& r : c.records)
    if (!r.ok) refused.push_back(r.kind + " " + r.name + ": " + r.result);
  EXPECT_EQ(refused, GetParam().refused);
  EXPECT_EQ(c.warnings, GetParam().warnings);
  EXPECT_EQ(check_status({c}), 1);
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
  FileCheck c = check_file(write_work(w), "w.tamo");
  ASSERT_EQ(c.records.size(), 6u);
  EXPECT_EQ(c.records[1].result, "Nincs hosszú leírás megadva!");
  EXPECT_EQ(c.records[2].result, "Nincs hosszú leírás megadva!");
  EXPECT_EQ(c.warnings, Strings{"a(z) udvar fájlnév többször szerepel: szoba, szoba"});
}

TEST_F(Check, AFileThatBreaksOffIsJudgedAsFarAsItWasRead) {
  std::string bytes = workfile::encode_lines(workfile::work_lines(clean_work()));
  bytes.resize(bytes.rfind("ROOMEND"));  // inside the second room
  FileCheck c = check_file(write_bytes("w.tamo", bytes), "w.tamo");
  EXPECT_FALSE(c.complete);
  ASSERT_EQ(c.records.size(), 2u);
  EXPECT_EQ(c.records[0].result, "ok");
  ASSERT_EQ(c.errors.size(), 1u);
  EXPECT_EQ(check_status({c}), 2);
  std::string text = check_text(c);
  EXPECT_EQ(text.substr(text.rfind("hiba: ")), "hiba: " + c.errors.front() + "\n");
}

TEST_F(Check, AMessageOfSeveralLinesStaysOnOneOutputLine) {
  Work w = clean_work();
  setup_data(w).project = "Rossz Nev";
  FileCheck c = check_file(write_work(w), "w.tamo");
  EXPECT_TRUE(c.complete);
  EXPECT_EQ(check_status({c}), 0) << "a replaced work name refuses no record";
  ASSERT_EQ(c.errors.size(), 1u);
  EXPECT_NE(c.errors.front().find("\r\n"), std::string::npos);
  EXPECT_NE(check_text(c).find("hiba: A fájlnév nem volt megfelelő, atírva tamotmp.tamo - re. "
                               "Javaslom, ird át a munka nevét, aztán mentsél!\n"),
            std::string::npos);
}

TEST_F(Check, JsonHoldsTheSameFacts) {
  Work w = clean_work();
  setup_room_named(w, "udvar")->long_.clear();
  add_mixed(setup_room_named(w, "kapu")->exits, "del", "pince");
  FileCheck c = check_file(write_work(w), "a \"b\".tamo");
  EXPECT_EQ(check_json({c}),
            "{\"files\":[{\"path\":\"a \\\"b\\\".tamo\",\"complete\":true,\"records\":["
            "{\"kind\":\"szoba\",\"name\":\"kapu\",\"ok\":true,\"result\":\"ok\"},"
            "{\"kind\":\"szoba\",\"name\":\"udvar\",\"ok\":false,"
            "\"result\":\"Nincs hosszú leírás megadva!\"},"
            "{\"kind\":\"élőlény\",\"name\":\"ork\",\"ok\":true,\"result\":\"ok\"},"
            "{\"kind\":\"tárgy\",\"name\":\"gyuru\",\"ok\":true,\"result\":\"ok\"},"
            "{\"kind\":\"tárgy\",\"name\":\"kulcs\",\"ok\":true,\"result\":\"ok\"}],"
            "\"warnings\":[\"szoba kapu: a(z) del kijárat nem létező szobába vezet: pince\"],"
            "\"errors\":[]}],\"status\":1}\n");
}

TEST(CheckStatus, TheWorstFileDecides) {
  FileCheck whole_ok;
  whole_ok.complete = true;
  FileCheck refused = whole_ok;
  refused.records.push_back({"szoba", "x", false, "nem"});
  FileCheck broken;
  EXPECT_EQ(check_status({}), 0);
  EXPECT_EQ(check_status({whole_ok, refused}), 1);
  EXPECT_EQ(check_status({refused, broken, whole_ok}), 2);
}

}  // namespace
}  // namespace tamo::cli::testing
