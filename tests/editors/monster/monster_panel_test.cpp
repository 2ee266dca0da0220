#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editors/monster/creature_choices.h"
#include "monster_fixture.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;
constexpr const char* kLevelMessage = "Ilyen szintű lény nem lehetséges!";

TEST_F(MonsterEditorTest, FieldsCarryTheirLabelsHintsAndLimits) {
  struct Expected {
    const controls::Edit& box;
    const char* caption;
    std::size_t limit;
    const char* hint;
  };
  const Expected fields[] = {
      {ed.level, "Szint", 3, ""},
      {ed.panel.name, "Név", 0, ""},
      {ed.panel.short_text, "Rövid leírás", 0, ""},
      {ed.panel.long_text, "Hosszú leírás", 0, ""},
      {ed.money, "Pénz", 5, ""},
      {ed.aggressive, "Agresszivitás", 2, "Milyen karizma alatt támadjon a lény."},
      {ed.alignment, "Jellem", 5, "Jellem. 1500 a szent, 0 a semleges, -1500 a démoni."},
      {ed.speed, "Sebesség", 0,
       "Ha nem szeretnéd, hogy a lény mozogjon, akkor ne töltsd ki. Egyébként, azt írd ide, hány "
       "szívdobbanás teljen el a lény mozgásai között."},
      {ed.spemspeed, "Beszéd és érzési sebesség", 0,
       "A lény beszéd- és erzéssebessége szívdobbanásokban (2 mp) kifejezve. Másképpen: ennyi * 2 "
       "másodpercenként mond valamit a lény."},
  };
  for (const Expected& f : fields) {
    EXPECT_EQ(f.box.caption(), f.caption) << f.box.name();
    EXPECT_EQ(f.box.max_length(), f.limit) << f.box.name();
    EXPECT_EQ(f.box.hint(), f.hint) << f.box.name();
  }
  EXPECT_EQ(ed.Button10.hint(),
            "Azt kell megadni, hog mit mondjon. Pl.: 'Kotrodj innen!'. Ekkor ezt fogod majd "
            "latni: Leny mondja: Kodrodj innen! ");
  EXPECT_EQ(ed.Button9.hint(),
            "Itt azt lehet megadni, hogy mit csinálgasson. Például, ha azt akarod, hogy a "
            "'Harcosno' nevű lény  rádmorogjon, akkor ezt kell megadni: 'Harcosno radmorog.' . "
            "NAGYON FONTOS!!! Ide teljes mondatot kell írni, ellentetben azzal, amit a lény mond.");
}

TEST_F(MonsterEditorTest, ChoiceBoxesOfferTheFixedLists) {
  EXPECT_EQ(ed.panel.filename.style(), controls::ComboBox::Style::editable);
  EXPECT_TRUE(ed.panel.filename.sorted());
  EXPECT_EQ(ed.race.style(), controls::ComboBox::Style::drop_down_list);
  EXPECT_EQ(ed.race.items(), creature_races());
  EXPECT_EQ(ed.gender.items(), creature_genders());
  for (const controls::ComboBox* c : {&ed.class1, &ed.class2, &ed.class3}) {
    EXPECT_EQ(c->style(), controls::ComboBox::Style::drop_down_list);
    EXPECT_EQ(c->items(), creature_classes()) << c->name();
  }
}

TEST_F(MonsterEditorTest, FormsAreThePanelAndItsFiveDialogs) {
  Strings names, captions;
  for (const controls::Form* f : ed.forms()) {
    names.push_back(f->name());
    captions.push_back(f->caption());
  }
  EXPECT_EQ(names, (Strings{"monster", "Form6", "Form8", "Form9", "Form10", "Form15"}));
  EXPECT_EQ(captions, (Strings{"Élőlény", "Élőlény törlése", "Azonosítók", "Amiket a lény mond...",
                               "Amiket a lények csinálgatnak...", "Felszerelés"}));
}

// What a box holds after typing into it, keystroke by keystroke.
struct Typed {
  controls::Edit& box;
  const char* keys;
  const char* shown;
};

TEST_F(MonsterEditorTest, NumberFiltersEmptyTheBoxOnABadKeystroke) {
  const Typed cases[] = {
      {ed.money, "12a", ""},
      {ed.money, "123456", "12345"},
      {ed.aggressive, "99", "99"},
      {ed.aggressive, "1 ", ""},
      {ed.speed, "12a", ""},
      {ed.speed, "1234567", "1234567"},
      {ed.spemspeed, "x", ""},
      {ed.spemspeed, "30", "30"},
      {ed.alignment, "-1500", "-1500"},
      {ed.alignment, "1500", "1500"},
      {ed.alignment, "-", "-"},
      {ed.alignment, "1-", ""},
      {ed.alignment, "1+", ""},
      {ed.alignment, "+1", "1"},  // the plus went first
      {ed.alignment, "--", ""},
      {ed.level, "100", "100"},
      {ed.level, "0", "0"},
      {ed.level, "1a", ""},
      {ed.level, "1-", ""},
  };
  for (const Typed& t : cases) {
    controls::Edit& box = t.box;
    box.set_text("");
    box.type(t.keys);
    EXPECT_EQ(box.text(), t.shown) << box.name() << " typed " << t.keys;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MonsterEditorTest, LevelAboveAHundredIsEmptiedWithAMessage) {
  ed.level.type("101");
  EXPECT_EQ(ed.level.text(), "");
  EXPECT_EQ(host.messages, Strings{kLevelMessage});
  ed.level.set_text("0100");
  EXPECT_EQ(ed.level.text(), "0100");
  ed.level.set_text("99999999999999999999999");  // from a file: no conversion overflow
  EXPECT_EQ(ed.level.text(), "");
  EXPECT_EQ(host.messages, (Strings{kLevelMessage, kLevelMessage}));
}

TEST_F(MonsterEditorTest, LongTextHoldingTheEndMarkerIsCleared) {
  ed.panel.long_text.type("Egy ork.\nMONSLONGEND");
  EXPECT_EQ(ed.panel.long_text.text(), "");
  ed.panel.long_text.type("monslongend\nROOMLONGEND");
  EXPECT_EQ(ed.panel.long_text.text(), "monslongend\r\nROOMLONGEND");
}

TEST_F(MonsterEditorTest, FileNameFilter) {
  ed.panel.filename.type("1ork");
  EXPECT_EQ(ed.panel.filename.text(), "ork") << "a lone digit has no letter";
  ed.panel.filename.type("K");
  EXPECT_EQ(ed.panel.filename.text(), "");
  ed.panel.filename.type("abcdefghijklmnopq");
  EXPECT_EQ(ed.panel.filename.text(), "") << "17 bytes";
  ed.panel.filename.user_set_text("1ork");
  EXPECT_EQ(ed.panel.filename.text(), "1ork");
}

TEST_F(MonsterEditorTest, CommitStoresTheCreatureAndOffersItsName) {
  add_mixed(work().tmpmons.ids, "ork", "ork");
  type_creature("ork");
  ed.speed.type("5");
  ed.class2.user_select(ed.class2.index_of("kardmuvesz"));
  ed.panel.ready_button.click();

  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(work().monsters.size(), 1u);
  const dmons& m = *work().monsters.head();
  EXPECT_EQ(m.filename, "ork");
  EXPECT_EQ(m.name, "Ork");
  EXPECT_EQ(m.short_, "egy ork");
  EXPECT_EQ(m.long_, "Egy nagy, zöld ork.");
  EXPECT_EQ(m.race, "ork");
  EXPECT_EQ(m.gender, "ferfi");
  EXPECT_EQ(m.class1, "harcos");
  EXPECT_EQ(m.class2, "kardmuvesz");
  EXPECT_EQ(m.class3, "");
  EXPECT_EQ(m.level, "12");
  EXPECT_EQ(m.money, "150");
  EXPECT_EQ(m.alignment, "-300");
  EXPECT_EQ(m.aggressive, "");
  EXPECT_EQ(m.speed, "5");
  EXPECT_EQ(m.spemspeed, "");
  EXPECT_EQ(m.ids, work().tmpmons.ids);
  EXPECT_EQ(ed.panel.filename.items(), Strings{"ork"});
  EXPECT_TRUE(host.focus().on(ed.panel.filename));
  EXPECT_EQ(ed.panel.name.text(), "Ork") << "the panel keeps its contents";
  EXPECT_EQ(query_mixed(work().tmpmons.ids, "ork"), "ork") << "tmpmons is kept";
}

TEST_F(MonsterEditorTest, CommitUnderAStoredNameReplacesThatCreatureInPlace) {
  commit_creature("ork");
  ed.panel.new_button.click();
  commit_creature("troll");
  ed.panel.filename.set_text("ork");
  ed.panel.name.set_text("Vén ork");
  ed.panel.ready_button.click();
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(work().monsters.size(), 2u);
  EXPECT_EQ(work().monsters[0].filename, "ork");
  EXPECT_EQ(work().monsters[0].name, "Vén ork");
  EXPECT_EQ(ed.panel.filename.items(), (Strings{"ork", "troll"}));
}

TEST_F(MonsterEditorTest, ANewCreatureTakesTheListsOfTmpmonsAtCommit) {
  type_creature("ork");
  add_mixed(work().tmpmons.speech, "Kotrodj innen!", "1");
  add_mixed(work().tmpmons.equipment, "kard", "2");
  ed.panel.ready_button.click();
  const dmons& m = *work().monsters.find_last("ork");
  EXPECT_EQ(query_mixed(m.speech, "Kotrodj innen!"), "1");
  EXPECT_EQ(query_mixed(m.equipment, "kard"), "2");
  EXPECT_TRUE(m.ids.empty());
}

TEST_F(MonsterEditorTest, NameOfARoomOrAnItemIsRefused) {
  for (const char* kind : {"room", "item"}) {
    testing::FakeHost h;
    MonsterEditor e{h};
    if (std::string(kind) == "room") {
      setup_room(h.work(), "ork");
    } else {
      setup_item(h.work(), "ork");
    }
    e.panel.filename.type("ork");
    e.panel.ready_button.click();
    EXPECT_EQ(h.messages, Strings{"Már van ilyen fájlnév!"}) << kind;
    EXPECT_TRUE(h.work().monsters.empty());
    EXPECT_TRUE(h.focus().on(e.panel.filename));
  }
}

// Each check is met by a valid creature and broken by its breaker; with every later check
// broken too, the earliest failing one must speak, once, and nothing may be stored.
TEST_F(MonsterEditorTest, CommitChecksSpeakInTheirOrder) {
  struct Check {
    const char* message;
    std::function<void(MonsterEditor&)> breaks;
  };
  const std::vector<Check> checks = {
      {"Nincs fájlnév megadva!", [](MonsterEditor& e) { e.panel.filename.set_text(""); }},
      {"Nincs név megadva!", [](MonsterEditor& e) { e.panel.name.set_text(""); }},
      {"Nincs rövid leírás megadva!", [](MonsterEditor& e) { e.panel.short_text.set_text(""); }},
      {"Nincs hosszú leírás megadva!", [](MonsterEditor& e) { e.panel.long_text.set_text(""); }},
      {"Nincs szint megadva!", [](MonsterEditor& e) { e.level.set_text(""); }},
      {"Nincs faj megadva!", [](MonsterEditor& e) { e.race.select(-1); }},
      {"Nincs nem megadva!", [](MonsterEditor& e) { e.gender.select(-1); }},
      {"Nincs osztály megadva!", [](MonsterEditor& e) { e.class1.select(-1); }},
      {"Nincs pénz megadva!", [](MonsterEditor& e) { e.money.set_text(""); }},
      {"Nincs jellem megadva!", [](MonsterEditor& e) { e.alignment.set_text(""); }},
      {"A lény jelleme nem megfelelő!",
       [](MonsterEditor& e) {
         e.class2.set_text("paladin");
         e.class3.set_text("barbar");
       }},
  };
  for (std::size_t first = 0; first < checks.size(); ++first) {
    testing::FakeHost h;
    MonsterEditor e{h};
    setup_item(h.work(), "kard");
    e.panel.filename.type("ork");
    e.panel.name.type("Ork");
    e.panel.short_text.type("egy ork");
    e.panel.long_text.type("Egy ork.");
    e.level.type("1");
    e.race.set_text("ork");
    e.gender.set_text("no");
    e.class1.set_text("paladin");
    e.money.type("0");
    e.alignment.type("0");
    for (std::size_t k = first; k < checks.size(); ++k) checks[k].breaks(e);
    e.panel.ready_button.click();
    EXPECT_EQ(h.messages, Strings{checks[first].message}) << first;
    EXPECT_TRUE(h.work().monsters.empty());
    EXPECT_TRUE(h.focus().on(e.panel.filename));
    if (first > 0) {
      // The name clash comes before them all.
      h.messages.clear();
      e.panel.filename.set_text("kard");
      e.panel.ready_button.click();
      EXPECT_EQ(h.messages, Strings{"Már van ilyen fájlnév!"});
    }
  }
}

TEST_F(MonsterEditorTest, OptionalFieldsAndALoneMinusPass) {
  type_creature("ork");
  ed.alignment.set_text("-");
  ed.panel.ready_button.click();
  EXPECT_TRUE(host.messages.empty());
  const dmons& m = *work().monsters.find_last("ork");
  EXPECT_EQ(m.alignment, "-");
  EXPECT_EQ(m.speed, "");
  EXPECT_EQ(m.spemspeed, "");
}

TEST_F(MonsterEditorTest, ChoosingAStoredNameLoadsTheCreature) {
  dmons* stored = commit_creature("ork");
  ASSERT_NE(stored, nullptr);
  add_mixed(stored->ids, "zold ork", "zold ork");
  add_mixed(stored->emote, "Az ork morog.", "0");
  stored->speed = "7";
  ed.panel.new_button.click();
  add_mixed(work().tmpmons.speech, "elveszik", "0");

  ed.panel.filename.type("ork");
  EXPECT_EQ(ed.panel.name.text(), "Ork");
  EXPECT_EQ(ed.panel.short_text.text(), "egy ork");
  EXPECT_EQ(ed.panel.long_text.text(), "Egy nagy, zöld ork.");
  EXPECT_EQ(ed.race.text(), "ork");
  EXPECT_EQ(ed.gender.text(), "ferfi");
  EXPECT_EQ(ed.class1.text(), "harcos");
  EXPECT_EQ(ed.class2.selected(), -1);
  EXPECT_EQ(ed.level.text(), "12");
  EXPECT_EQ(ed.money.text(), "150");
  EXPECT_EQ(ed.alignment.text(), "-300");
  EXPECT_EQ(ed.speed.text(), "7");
  EXPECT_EQ(work().tmpmons.ids, stored->ids);
  EXPECT_EQ(work().tmpmons.emote, stored->emote);
  EXPECT_TRUE(work().tmpmons.speech.empty()) << "every list is replaced";
}

TEST_F(MonsterEditorTest, AnUnknownNameKeepsFieldsAndListsForACopy) {
  ASSERT_NE(commit_creature("ork"), nullptr);
  add_mixed(work().tmpmons.ids, "ork", "ork");
  ed.panel.filename.set_text("");
  ed.panel.filename.type("troll");
  EXPECT_EQ(ed.panel.name.text(), "Ork");
  EXPECT_EQ(query_mixed(work().tmpmons.ids, "ork"), "ork");
  ed.panel.ready_button.click();
  EXPECT_EQ(work().monsters.size(), 2u);
  EXPECT_EQ(query_mixed(work().monsters.find_last("troll")->ids, "ork"), "ork");
}

TEST_F(MonsterEditorTest, TextsOutsideTheFixedListsLoadAsNoChoice) {
  dmons& loaded = *setup_mons(work(), "hobbit");
  loaded.name = "Hobbit";
  loaded.short_ = "egy hobbit";
  loaded.long_ = "Kicsi.";
  loaded.level = "3";
  loaded.race = "hobbit";
  loaded.gender = "ferfi";
  loaded.class1 = "harcos";
  loaded.class2 = "varazslo";
  loaded.money = "1";
  loaded.alignment = "0";
  ed.fill_filename_choices();

  ed.panel.filename.type("hobbit");
  EXPECT_EQ(ed.race.selected(), -1);
  EXPECT_EQ(ed.class2.selected(), -1);
  ed.panel.ready_button.click();
  EXPECT_EQ(host.messages, Strings{"Nincs faj megadva!"});

  host.messages.clear();
  ed.race.set_text("ember");
  ed.panel.ready_button.click();
  EXPECT_TRUE(host.messages.empty()) << "an unknown second class is simply not chosen";
  EXPECT_EQ(loaded.class2, "");
  EXPECT_EQ(loaded.race, "ember");

  loaded.class1 = "varazslo";
  ed.panel.filename.set_text("");
  ed.panel.filename.type("hobbit");
  ed.panel.ready_button.click();
  EXPECT_EQ(host.messages, Strings{"Nincs osztály megadva!"});
}

TEST_F(MonsterEditorTest, NewCreatureEmptiesPanelAndTmpmons) {
  type_creature("ork");
  ed.class2.set_text("lovag");
  add_mixed(work().tmpmons.equipment, "kard", "1");
  ed.panel.new_button.click();
  const controls::Edit* const boxes[] = {&ed.panel.name, &ed.panel.short_text, &ed.level,
                                         &ed.money,      &ed.alignment,        &ed.aggressive,
                                         &ed.speed,      &ed.spemspeed};
  for (const controls::Edit* box : boxes) EXPECT_EQ(box->text(), "") << box->name();
  EXPECT_EQ(ed.panel.long_text.text(), "");
  EXPECT_EQ(ed.panel.filename.text(), "");
  for (const controls::ComboBox* box : {&ed.race, &ed.gender, &ed.class1, &ed.class2, &ed.class3})
    EXPECT_EQ(box->selected(), -1) << box->name();
  EXPECT_TRUE(work().tmpmons.equipment.empty());
  EXPECT_EQ(host.closeallotherforms_calls, 1);
  EXPECT_TRUE(host.focus().on(ed.panel.filename));
}

TEST_F(MonsterEditorTest, InitMonsLeavesTmpmonsAlone) {
  add_mixed(work().tmpmons.ids, "ork", "ork");
  ed.init_mons();
  EXPECT_EQ(query_mixed(work().tmpmons.ids, "ork"), "ork");
  EXPECT_EQ(host.closeallotherforms_calls, 1);
}

TEST_F(MonsterEditorTest, FileNameChoicesFollowTheWork) {
  ed.panel.filename.add("regi");
  setup_mons(work(), "troll");
  setup_mons(work(), "ork");
  ed.fill_filename_choices();
  EXPECT_EQ(ed.panel.filename.items(), (Strings{"ork", "troll"}));
}

TEST_F(MonsterEditorTest, ShowCreaturePutsTheGivenCreatureIntoThePanel) {
  dmons* stored = commit_creature("ork");
  ASSERT_NE(stored, nullptr);
  dmons other = *stored;  // a creature of the same name, not the one the list finds
  other.name = "Másik ork";
  add_mixed(other.speech, "Hahó!", "0");
  ed.panel.new_button.click();
  ed.show_creature(other);
  EXPECT_EQ(ed.panel.filename.text(), "ork");
  EXPECT_EQ(ed.panel.name.text(), "Másik ork");
  EXPECT_EQ(ed.race.text(), "ork");
  EXPECT_EQ(work().tmpmons.speech, other.speech);
  EXPECT_EQ(stored->name, "Ork") << "the work is not changed";
}

}  // namespace
}  // namespace tamo::editors
