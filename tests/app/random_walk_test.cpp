#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/workbench.h"
#include "app_fixture.h"
#include "editors/common/file_name_choices.h"
#include "work_setup.h"

// A builder who types, pastes and presses anything in any order must find after saving and
// loading exactly the work that was saved.
namespace tamo::app::testing {
namespace {

// One control the walk may use, with the form that must be usable for the builder to reach it.
struct Reachable {
  const controls::Form* form;
  bool is_panel;  // a panel takes input only while no dialog disables the main window
  std::function<void(std::mt19937&)> act;
};

const std::vector<std::string>& fragments() {
  static const std::vector<std::string> pool{
      "kapu", "kapuzat", "udvar",  "ork",          "kard",        "a",         "1",     "12",
      "-5",   "0",       "5",      "Egy szép nap", "\r\n",        "\n",        "ő",     "X",
      " ",    "kelet",   "nyugat", "MIXEDEND",     "ROOMLONGEND", "guardname", "gyuru", "harcos"};
  return pool;
}

std::string random_text(std::mt19937& rng) {
  std::uniform_int_distribution<std::size_t> pick(0, fragments().size() - 1);
  std::string text;
  for (int n = std::uniform_int_distribution<int>(1, 3)(rng); n > 0; --n)
    text += fragments()[pick(rng)];
  return text;
}

std::string random_name(std::mt19937& rng) {
  static const std::vector<std::string> names{"kapu",  "kapuzat", "udvar", "pince", "ork",
                                              "orkok", "kard",    "gyuru", "sor"};
  return names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(rng)];
}

// Picks the named choice of a list as the builder would.
void choose(controls::ComboBox& box, const std::string& item) {
  box.user_select(box.index_of(item));
}

int random_row(std::mt19937& rng, std::size_t rows) {
  return std::uniform_int_distribution<int>(-1, static_cast<int>(rows))(rng);
}

class Catalog {
 public:
  Catalog(const controls::Form& form, bool is_panel, std::vector<Reachable>& out)
      : form_(form), is_panel_(is_panel), out_(out) {}

  template <class Box>
  Catalog& text(Box& box) {
    add([&box](std::mt19937& rng) {
      if (rng() % 2) {
        box.type(random_text(rng));
      } else {
        box.user_set_text(random_text(rng));  // a paste
      }
    });
    return *this;
  }
  Catalog& rows(controls::ListBox& list) {
    add([&list](std::mt19937& rng) { list.user_select(random_row(rng, list.count())); });
    return *this;
  }
  Catalog& choice(controls::RadioGroup& group) {
    add([&group](std::mt19937& rng) {
      group.user_set_index(random_row(rng, group.items().size()));
    });
    return *this;
  }
  Catalog& tick(controls::CheckBox& box) {
    add([&box](std::mt19937&) { box.user_set_checked(!box.checked()); });
    return *this;
  }
  // A builder who fills a whole panel in one go, so that the walk stores records often.
  Catalog& then(std::function<void(std::mt19937&)> act) {
    add(std::move(act));
    return *this;
  }
  template <class... Buttons>
  Catalog& press(Buttons&... buttons) {
    (add([&buttons](std::mt19937&) { buttons.click(); }), ...);
    return *this;
  }

 private:
  void add(std::function<void(std::mt19937&)> act) {
    out_.push_back({&form_, is_panel_, std::move(act)});
  }
  const controls::Form& form_;
  bool is_panel_;
  std::vector<Reachable>& out_;
};

std::vector<Reachable> everything(Workbench& bench) {
  std::vector<Reachable> all;
  Application& app = bench.app();
  auto menu = [&](void (Application::*command)()) {
    all.push_back({&app.main_window(), true, [&app, command](std::mt19937&) { (app.*command)(); }});
  };
  menu(&Application::Szoba1Click);
  menu(&Application::llny1Click);
  menu(&Application::Trgy1Click);

  editors::RoomEditor& r = bench.room_editor();
  Catalog(r.room, true, all)
      .text(r.filename)
      .rows(r.filename)
      .text(r.short_)
      .text(r.long_)
      .text(r.smelldefault)
      .text(r.listendefault)
      .then([&r](std::mt19937& rng) {
        r.filename.type(random_name(rng));
        r.short_.type(random_text(rng));
        r.long_.user_set_text(random_text(rng) + "\r\n" + random_text(rng));
      })
      .press(r.RoomItems, r.RoomProperties, r.Button4, r.Button5, r.Button8, r.Button7, r.Button6,
             r.Button1, r.Button1);
  Catalog(r.properties.form, false, all)
      .choice(r.properties.indoors)
      .choice(r.properties.light)
      .tick(r.properties.noattack)
      .tick(r.properties.notalk)
      .press(r.properties.OkProperties);
  Catalog(r.deletion.form, false, all).press(r.deletion.yes, r.deletion.nemtorles);
  Catalog(r.things.form, false, all)
      .text(r.things.itemname)
      .rows(r.things.itemname)
      .text(r.things.looked)
      .text(r.things.smelled)
      .text(r.things.listened)
      .text(r.things.searched)
      .press(r.things.itemready, r.things.Button1, r.things.OKitems);
  editors::ExitEditor& x = r.exits;
  Catalog(x.form, false, all)
      .text(x.posexits)
      .rows(x.posexits)
      .rows(x.exitname)
      .rows(x.exitdir)
      .text(x.doorname)
      .rows(x.doorkey)
      .press(x.Button2, x.Button2, x.Button1, x.Button4, x.doorkeysave, x.doordelete, x.keydelete,
             x.Button3, x.Button5);
  Catalog(r.contents.form, false, all)
      .rows(r.contents.posmons)
      .rows(r.contents.positem)
      .rows(r.contents.contents)
      .press(r.contents.Button2, r.contents.Button3, r.contents.Button4, r.contents.kesz);
  Catalog(r.guards.form, false, all)
      .rows(r.guards.guardname)
      .rows(r.guards.posguardexits)
      .rows(r.guards.guardexits)
      .text(r.guards.guardspeech)
      .press(r.guards.Button1, r.guards.Button2, r.guards.guarddelete, r.guards.Button3,
             r.guards.Button4);

  editors::MonsterEditor& m = bench.monster_editor();
  Catalog(m.panel.form, true, all)
      .text(m.panel.filename)
      .rows(m.panel.filename)
      .text(m.level)
      .text(m.panel.name)
      .text(m.panel.short_text)
      .text(m.panel.long_text)
      .rows(m.race)
      .rows(m.gender)
      .rows(m.class1)
      .rows(m.class2)
      .text(m.money)
      .text(m.aggressive)
      .text(m.alignment)
      .text(m.speed)
      .text(m.spemspeed)
      .then([&m](std::mt19937& rng) {
        m.panel.filename.type(random_name(rng));
        m.panel.name.user_set_text(random_text(rng));
        m.panel.short_text.type(random_text(rng));
        m.panel.long_text.user_set_text(random_text(rng));
        m.level.type("7");
        choose(m.race, "ork");
        choose(m.gender, "no");
        choose(m.class1, "harcos");
        m.money.type("10");
        m.alignment.type("-20");
      })
      .press(m.panel.ids_button, m.Button10, m.Button9, m.Button12, m.panel.delete_button,
             m.panel.new_button, m.panel.ready_button, m.panel.ready_button);
  Catalog(m.panel.delete_dialog.form, false, all)
      .press(m.panel.delete_dialog.yes, m.panel.delete_dialog.nemtorles);
  Catalog(m.panel.ids_dialog.form, false, all)
      .text(m.panel.ids_dialog.word)
      .rows(m.panel.ids_dialog.words)
      .press(m.panel.ids_dialog.Button1, m.panel.ids_dialog.Button2, m.panel.ids_dialog.Button3);
  editors::MonsSpeechDialog& s = m.speech_dialog;
  Catalog(s.form, false, all)
      .text(s.posspeech)
      .text(s.poscombatspeech)
      .rows(s.speech)
      .rows(s.combatspeech)
      .press(s.Button1, s.Button2, s.Button4, s.Button5, s.Button3);
  editors::MonsEmoteDialog& e = m.emote_dialog;
  Catalog(e.form, false, all)
      .text(e.posemote)
      .text(e.poscombatemote)
      .rows(e.emote)
      .rows(e.combatemote)
      .press(e.b1, e.b2, e.b3, e.b4, e.Button3);
  editors::MonsEquipmentDialog& q = m.equipment_dialog;
  Catalog(q.form, false, all)
      .rows(q.posequipment)
      .rows(q.equipment)
      .press(q.Button1, q.Button2, q.Button3);

  editors::ItemEditor& i = bench.item_editor();
  Catalog(i.panel.form, true, all)
      .text(i.panel.filename)
      .rows(i.panel.filename)
      .text(i.panel.name)
      .text(i.panel.short_text)
      .text(i.panel.long_text)
      .text(i.itemminlevel)
      .text(i.rarity)
      .text(i.weight)
      .text(i.value)
      .rows(i.itemtype)
      .choice(i.is_weapon)
      .tick(i.invisitem)
      .text(i.wc1)
      .text(i.wc2)
      .choice(i.two_handed)
      .text(i.my_mess)
      .text(i.your_mess)
      .text(i.strength)
      .then([&i](std::mt19937& rng) {
        i.panel.filename.type(random_name(rng));
        i.panel.name.user_set_text(random_text(rng));
        i.panel.short_text.type(random_text(rng));
        i.panel.long_text.user_set_text(random_text(rng));
        i.is_weapon.user_set_index(std::uniform_int_distribution<int>(0, 6)(rng));
        i.itemminlevel.type("0");
        i.rarity.type("0");
        i.weight.type("5");
        i.value.type("100");
        i.itemtype.user_select(0);
        i.wc1.type("1");
        i.wc2.type("4");
        i.my_mess.type(random_text(rng));
        i.your_mess.type(random_text(rng));
        i.strength.type("2");
      })
      .press(i.panel.ids_button, i.antis, i.bonuses, i.panel.delete_button, i.panel.new_button,
             i.panel.ready_button, i.panel.ready_button);
  Catalog(i.panel.delete_dialog.form, false, all)
      .press(i.panel.delete_dialog.yes, i.panel.delete_dialog.nemtorles);
  Catalog(i.panel.ids_dialog.form, false, all)
      .text(i.panel.ids_dialog.word)
      .rows(i.panel.ids_dialog.words)
      .press(i.panel.ids_dialog.Button1, i.panel.ids_dialog.Button2, i.panel.ids_dialog.Button3);
  Catalog(i.antis_dialog.form, false, all)
      .tick(i.antis_dialog.gonosz)
      .tick(i.antis_dialog.harcos)
      .press(i.antis_dialog.Button1, i.antis_dialog.Button2, i.antis_dialog.Button3,
             i.antis_dialog.Button4);
  Catalog(i.bonuses_dialog.form, false, all)
      .text(i.bonuses_dialog.hp)
      .text(i.bonuses_dialog.ac)
      .press(i.bonuses_dialog.Button1, i.bonuses_dialog.Button2);
  return all;
}

std::vector<MixedList*> lists_of(droom& r) {
  return {&r.items,    &r.smell, &r.listen, &r.search, &r.properties,
          &r.contents, &r.exits, &r.doors,  &r.keys,   &r.guard};
}
std::vector<MixedList*> lists_of(dmons& m) {
  return {&m.ids, &m.speech, &m.emote, &m.equipment};
}
std::vector<MixedList*> lists_of(ditem& i) {
  return {&i.ids, &i.antis};
}

// The file cannot hold a long text's leading empty lines: the reader drops them.
std::string without_leading_breaks(std::string text) {
  while (text.starts_with("\r\n")) text.erase(0, 2);
  return text;
}

// The writer leaves out list entries without a value, and the leading empty lines of a long
// text do not come back; the rest must come back as it was.
template <class Record>
Record as_saved(Record record) {
  record.long_ = without_leading_breaks(record.long_);
  for (MixedList* list : lists_of(record)) {
    MixedList kept;
    for (const dmixed& e : *list)
      if (!e.value.empty()) add_mixed(kept, e.key, e.value);
    *list = kept;
  }
  return record;
}

std::vector<std::string> lines_of(const droom& r) {
  Work w;
  *setup_data(w).rooms.add(r.filename) = r;
  return workfile::work_lines(w);
}
std::vector<std::string> lines_of(const dmons& m) {
  Work w;
  *setup_data(w).monsters.add(m.filename) = m;
  return workfile::work_lines(w);
}
std::vector<std::string> lines_of(const ditem& i) {
  Work w;
  *setup_data(w).items.add(i.filename) = i;
  return workfile::work_lines(w);
}

// Where two records part, as the lines the writer gives for them, for a readable failure.
template <class Record>
std::string difference(const Record& saved, const Record& loaded) {
  std::vector<std::string> a = lines_of(saved);
  std::vector<std::string> b = lines_of(loaded);
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  if (n == a.size() && n == b.size()) return "the same lines, a difference the writer hides";
  std::string out = "from line " + std::to_string(n) + ":";
  for (std::size_t k = n; k < n + 4 && k < a.size(); ++k) out += " [" + a[k] + "]";
  out += " became";
  for (std::size_t k = n; k < n + 4 && k < b.size(); ++k) out += " [" + b[k] + "]";
  return out;
}

template <class Records>
void expect_same_records(const Records& saved, const Records& loaded, const char* kind) {
  ASSERT_EQ(saved.size(), loaded.size()) << kind;
  for (std::size_t n = 0; n < saved.size(); ++n)
    EXPECT_TRUE(as_saved(saved[n]) == loaded[n])
        << kind << " " << saved[n].filename << ": " << difference(saved[n], loaded[n]);
}

class RandomWalk : public ::testing::TestWithParam<unsigned> {
 protected:
  RandomWalk() {
    folder = tamo::testing::fresh_temp_folder("tamo_walk_" + std::to_string(GetParam()));
  }
  ~RandomWalk() override { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
};

TEST_P(RandomWalk, WhatWasSavedIsWhatLoads) {
  ScriptedPlatform platform;
  Workbench bench(platform.ports());
  Application& app = bench.app();
  app.set_work_folder(folder);
  app.start();
  const std::vector<Reachable> all = everything(bench);
  std::mt19937 rng(GetParam());
  std::vector<const Reachable*> now;
  for (int step = 0; step < 4000; ++step) {
    now.clear();
    for (const Reachable& r : all)
      if (r.form->visible() && (!r.is_panel || app.main_window().enabled())) now.push_back(&r);
    ASSERT_FALSE(now.empty()) << "the window takes no input any more";
    const Reachable& r = *now[std::uniform_int_distribution<std::size_t>(0, now.size() - 1)(rng)];
    app.run_event([&] { r.act(rng); });
  }

  app.closeallotherforms();
  app.set_main_enabled(true);
  CreatorDataDialog& creator = app.creator_data();
  app.run_event([&] {
    app.Kszt1Click();
    creator.cproject.user_set_text("vandor");
    creator.cname.user_set_text("Vándor\r\nBéla");
    creator.cemail.user_set_text("vandor@example.org");
    creator.Button1.click();
  });
  platform.messages.clear();
  app.run_event([&] { app.Ments1Click(); });
  ASSERT_EQ(platform.messages, std::vector<std::string>{std::string(kMsgSaved)});
  const Work saved = app.work();
  EXPECT_GT(saved.rooms.size() + saved.monsters.size() + saved.items.size(), 0u)
      << "the walk stored nothing";

  ScriptedPlatform again_platform;
  Workbench again(again_platform.ports());
  again.app().start();
  again.app().open_work(app.saved_path());
  EXPECT_TRUE(again.app().load_complete()) << ::testing::PrintToString(again_platform.messages);
  const Work& loaded = again.work();
  EXPECT_EQ(loaded.project, saved.project);
  EXPECT_EQ(loaded.name, "Vándor");
  EXPECT_EQ(loaded.mail, saved.mail);
  EXPECT_EQ(loaded.desc, without_leading_breaks(saved.desc));
  expect_same_records(saved.rooms, loaded.rooms, "room");
  expect_same_records(saved.monsters, loaded.monsters, "creature");
  expect_same_records(saved.items, loaded.items, "item");
}

std::vector<std::string> typed_texts(const Application& app) {
  std::vector<std::string> texts;
  for (const TypedField& t : app.typed_fields()) texts.push_back(t.field->value());
  return texts;
}

// What a file-name box filled afresh from the stored records lists.
template <class Records>
std::vector<std::string> fresh_choices(const Records& records) {
  controls::ComboBox box("fresh", "", controls::ComboBox::Style::editable, true);
  editors::fill_file_name_choices(box, records);
  return box.items();
}

// Between actions the builder types, undoes, redoes and saves: the writer's output is always
// the one seen when the history last stood where it stands now; the work counts as changed
// exactly when that output differs from the saved one; each panel offers exactly the stored
// names; and undo or redo changes no panel field but the one whose typing it takes back or
// does again.
TEST_P(RandomWalk, UndoAndRedoReturnToEveryStateOfTheHistory) {
  ScriptedPlatform platform;
  Workbench bench(platform.ports());
  Application& app = bench.app();
  app.set_work_folder(folder);
  app.start();
  const UndoHistory& history = app.history();
  // The writer's output at each state of the history.
  std::map<std::uint64_t, std::vector<std::string>> at;
  at[history.state_id()] = workfile::work_lines(app.work());
  app.run_event([&] { set_creator(app.work(), "vandor", "Bela", "b@example.org"); });
  ASSERT_EQ(history.position(), 1u);
  at[history.state_id()] = workfile::work_lines(app.work());
  const std::vector<Reachable> all = everything(bench);
  std::mt19937 rng(GetParam() + 100);
  std::vector<std::string> saved;
  std::vector<const Reachable*> now;
  int kept = 0;
  int typing_turned = 0;
  for (int step = 0; step < 3000; ++step) {
    const std::uint64_t was = history.state_id();
    const std::vector<std::string> before = workfile::work_lines(app.work());
    int dice = std::uniform_int_distribution<int>(0, 99)(rng);
    // The menu is out of reach while a dialog holds the main window.
    if (!app.main_window().enabled()) dice = 99;
    if (dice < 18) {
      const bool undoing = dice < 10;
      const std::string label = undoing ? history.undo_label() : history.redo_label();
      const std::vector<std::string> fields = typed_texts(app);
      app.run_event([&] { app.menu_bar().choose(undoing ? "Visszavons1" : "jra1"); });
      const std::vector<std::string> turned = typed_texts(app);
      // A choice also brings back what its handler emptied (a kind of item and its fields).
      const bool choice = label.starts_with("választás");
      int changed = 0;
      int named = 0;
      for (std::size_t n = 0; n < fields.size(); ++n) {
        // A working copy's lists and a dialog's rows go back with whichever step changed them.
        if (fields[n] == turned[n] || app.typed_fields()[n].held) continue;
        ++changed;
        if (app.typed_fields()[n].label == label) ++named;
        ASSERT_TRUE(choice || app.typed_fields()[n].label == label) << "step " << step;
      }
      ASSERT_EQ(named, choice || label.starts_with("gépelés") ? 1 : 0)
          << "step " << step << " " << label;
      if (!choice) {
        ASSERT_EQ(changed, named) << "step " << step << " " << label;
      }
      typing_turned += changed;
    } else if (dice < 21) {
      app.run_event([&] { app.save_work(); });
      if (!app.work_changed()) saved = workfile::work_lines(app.work());
    } else if (dice < 33) {
      // A room filled and stored in one go, so that the walk has rooms to join and delete.
      editors::RoomEditor& r = bench.room_editor();
      app.run_event([&] {
        app.Szoba1Click();
        r.filename.user_set_text(random_name(rng));
        r.short_.user_set_text(random_text(rng));
        r.long_.user_set_text(random_text(rng));
      });
      app.run_event([&] { r.Button1.click(); });
    } else {
      now.clear();
      for (const Reachable& r : all)
        if (r.form->visible() && (!r.is_panel || app.main_window().enabled())) now.push_back(&r);
      ASSERT_FALSE(now.empty());
      const Reachable& r = *now[std::uniform_int_distribution<std::size_t>(0, now.size() - 1)(rng)];
      app.run_event([&] { r.act(rng); });
    }
    // Each panel offers exactly the stored names, however the records came and went.
    ASSERT_EQ(bench.room_editor().filename.items(), fresh_choices(app.work().rooms))
        << "step " << step;
    ASSERT_EQ(bench.monster_editor().panel.filename.items(), fresh_choices(app.work().monsters))
        << "step " << step;
    ASSERT_EQ(bench.item_editor().panel.filename.items(), fresh_choices(app.work().items))
        << "step " << step;
    const std::vector<std::string> lines = workfile::work_lines(app.work());
    if (history.state_id() == was) {
      ASSERT_EQ(lines, before) << "step " << step << ": a change the history did not keep";
    } else if (auto [seen, fresh] = at.try_emplace(history.state_id(), lines); !fresh) {
      ASSERT_EQ(lines, seen->second) << "step " << step;
    } else if (lines != before) {
      ++kept;
    }
    if (!saved.empty()) {
      ASSERT_EQ(app.work_changed(), lines != saved) << "step " << step;
    }
  }
  EXPECT_GT(kept, 20) << "the walk changed the work too seldom to test anything";
  EXPECT_GT(typing_turned, 5) << "the walk took back too little typing to test anything";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalk, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
}  // namespace tamo::app::testing
