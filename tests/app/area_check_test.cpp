#include "app/area_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "app/workbench.h"
#include "app_fixture.h"
#include "check/report.h"
#include "model/storing.h"
#include "work_files.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::app::testing {
namespace {

// A work loaded from its file, as the builder opens it, with the check window at hand.
class AreaCheckTest : public tamo::testing::WorkFileTest {
 protected:
  AreaCheckTest() { bench.app().start(); }

  void load(const Work& w) {
    bench.app().open_work(write_work(w));
    platform.messages.clear();
  }
  void choose(std::string_view menu_item) {
    bench.app().run_event([&] { bench.app().menu_bar().choose(menu_item); });
  }
  // Double-clicks the line that starts with `text`.
  void activate(std::string_view text) {
    AreaCheck& window = bench.area_check();
    const auto& items = window.problems.items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].starts_with(text)) {
        bench.app().run_event([&] { window.problems.user_activate(static_cast<int>(i)); });
        return;
      }
    ADD_FAILURE() << "no line " << text;
  }

  ScriptedPlatform platform;
  Workbench bench{platform.ports()};
};

TEST_F(AreaCheckTest, F7ListsEveryRecordAndCountsNoProblemInACleanWork) {
  load(tamo::testing::clean_work());
  EXPECT_EQ(bench.app().menu_bar().item("Ellenrzs1").shortcut, "F7");
  choose("Ellenrzs1");
  AreaCheck& window = bench.area_check();
  EXPECT_TRUE(window.form.visible());
  EXPECT_TRUE(bench.app().main_window().enabled()) << "the main window stays usable beside it";
  EXPECT_EQ(window.problems.items(),
            (std::vector<std::string>{"szoba kapu: ok", "szoba udvar: ok", "élőlény ork: ok",
                                      "tárgy gyuru: ok", "tárgy kulcs: ok"}));
  EXPECT_EQ(window.problem_count(), 0u);
  EXPECT_EQ(window.summary(), "Ellenőrzés: nincs probléma");
}

struct Fault {
  const char* name;
  std::function<void(Work&)> make;
  const char* line;      // the start of the line double-clicked
  const char* panel;     // the panel brought to the front, or "" for none
  const char* filename;  // what its file-name box then shows
  const char* dialog;    // the dialog opened, or "" for none
};

class Faults : public AreaCheckTest, public ::testing::WithParamInterface<Fault> {};

// A double-click opens the record in its panel and the dialog that holds the fault.
TEST_P(Faults, ADoubleClickOpensTheRecordAndTheDialogHoldingTheFault) {
  Work w = tamo::testing::clean_work();
  GetParam().make(w);
  load(w);
  choose("Ellenrzs1");
  EXPECT_GE(bench.area_check().problem_count(), 1u);
  activate(GetParam().line);
  EXPECT_EQ(front_panel(bench.app()), GetParam().panel);
  std::string panel = GetParam().panel;
  const std::map<std::string, const controls::ComboBox*> filename_boxes{
      {"room", &bench.room_editor().filename},
      {"monster", &bench.monster_editor().panel.filename},
      {"item", &bench.item_editor().panel.filename}};
  if (auto box = filename_boxes.find(panel); box != filename_boxes.end()) {
    EXPECT_EQ(box->second->text(), GetParam().filename);
  }
  std::string dialog = GetParam().dialog;
  for (const auto& e : bench.app().forms().entries()) {
    if (e.kind != FormRegistry::Kind::dialog || e.form == &bench.area_check().form) continue;
    EXPECT_EQ(e.form->visible(), e.form->name() == dialog) << e.form->name();
  }
  EXPECT_TRUE(bench.area_check().form.visible()) << "the list stays open beside it";
}

const Fault kFaults[] = {
    {"exit_into_nothing",
     [](Work& w) { add_mixed(setup_room_named(w, "udvar")->exits, "le", "pince"); },
     "figyelmeztetés: szoba udvar: a(z) le kijárat", "room", "udvar", "Form5"},
    {"contents_naming_nothing",
     [](Work& w) { add_mixed(setup_room_named(w, "udvar")->contents, "szellem", "1"); },
     "figyelmeztetés: szoba udvar: a tartalomban", "room", "udvar", "Form7"},
    {"equipment_naming_nothing",
     [](Work& w) { add_mixed(setup_mons_named(w, "ork")->equipment, "pajzs", "1"); },
     "figyelmeztetés: élőlény ork:", "monster", "ork", "Form15"},
    {"refused_room", [](Work& w) { setup_room_named(w, "udvar")->long_.clear(); },
     "szoba udvar: Nincs hosszú", "room", "udvar", ""},
    {"refused_item", [](Work& w) { setup_item_named(w, "gyuru")->short_.clear(); },
     "tárgy gyuru:", "item", "gyuru", ""},
    {"creator_data_refused", [](Work& w) { setup_data(w).name.clear(); }, "munka:", "", "",
     "Form16"},
};

INSTANTIATE_TEST_SUITE_P(Check, Faults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// Opening another record would drop what the room panel holds unstored: the builder is told
// and the panel keeps it.
TEST_F(AreaCheckTest, APanelWithUnstoredEditsIsNotTurnedAway) {
  Work w = tamo::testing::clean_work();
  setup_room_named(w, "udvar")->long_.clear();
  load(w);
  bench.app().Szoba1Click();
  bench.room_editor().filename.type("pince");
  bench.room_editor().short_.type("Egy pince");
  choose("Ellenrzs1");
  activate("szoba udvar:");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("tárolatlan"), std::string::npos);
  EXPECT_EQ(bench.room_editor().filename.text(), "pince");
  EXPECT_EQ(bench.room_editor().short_.text(), "Egy pince");
}

// The list follows the work: a room stored in the panel shows up at the next refresh, and
// the line the builder chose stays chosen.
TEST_F(AreaCheckTest, RefreshFollowsTheWorkAndKeepsTheChosenLine) {
  Work w = tamo::testing::clean_work();
  setup_item_named(w, "gyuru")->short_.clear();
  load(w);
  choose("Ellenrzs1");
  AreaCheck& window = bench.area_check();
  EXPECT_EQ(window.problem_count(), 1u);
  EXPECT_EQ(window.summary(), "Ellenőrzés: 1 probléma");
  window.problems.user_select(window.problems.index_of("szoba udvar: ok"));

  editors::RoomEditor& room = bench.room_editor();
  bench.app().Szoba1Click();
  room.filename.type("pince");
  room.short_.type("Egy pince");
  room.long_.type("Sotet pince.");
  bench.app().run_event([&] { room.Button1.click(); });
  ASSERT_NE(room_exists(bench.work(), "pince"), nullptr);
  window.refresh();
  EXPECT_NE(window.problems.index_of("szoba pince: ok"), -1);
  EXPECT_EQ(window.problems.selected_text(), "szoba udvar: ok");
}

// The window only re-judges when something changed; what it lists must still be what a full
// judgement lists, also when a save drops the loading messages without touching the work.
TEST_F(AreaCheckTest, ASkippedRefreshListsWhatAFullOneWould) {
  std::string bytes = workfile::encode_lines(workfile::work_lines(tamo::testing::clean_work()));
  const std::string block_end = "ROOMEND\r\n";
  bytes.erase(bytes.find(block_end), block_end.size());
  bench.app().open_work(write_bytes("torott.tamo", bytes));
  platform.messages.clear();
  ASSERT_FALSE(bench.app().load_messages().empty());
  choose("Ellenrzs1");
  AreaCheck& window = bench.area_check();
  auto agrees_with_a_full_judgement = [&] {
    window.refresh_if_changed();
    AreaCheck fresh(bench.app());
    fresh.refresh();
    return window.problems.items() == fresh.problems.items();
  };
  EXPECT_TRUE(agrees_with_a_full_judgement()) << "nothing changed";

  editors::RoomEditor& room = bench.room_editor();
  bench.app().Szoba1Click();
  room.filename.type("pince");
  room.short_.type("Egy pince");
  room.long_.type("Sotet pince.");
  bench.app().run_event([&] { room.Button1.click(); });
  EXPECT_TRUE(agrees_with_a_full_judgement()) << "a stored room";
  EXPECT_NE(window.problems.index_of("szoba pince: ok"), -1);

  bench.app().set_work_folder(folder);
  bench.app().run_event([&] { bench.app().Ments1Click(); });
  ASSERT_TRUE(bench.app().load_messages().empty());
  EXPECT_TRUE(agrees_with_a_full_judgement()) << "a save that dropped the loading messages";
}

// The list kept up to date after each action equals a whole check of the work as it is then,
// line for line, through undo and redo, a deletion with its clean-up, a new and a loaded work.
TEST_F(AreaCheckTest, TheListFollowsEachActionAsAWholeCheckWouldList) {
  Work w = tamo::testing::clean_work();
  setup_item_named(w, "gyuru")->short_.clear();
  load(w);
  choose("Ellenrzs1");
  AreaCheck& window = bench.area_check();
  editors::RoomEditor& room = bench.room_editor();
  struct Action {
    const char* name;
    std::function<void()> act;
  };
  const Action actions[] = {
      {"store a room",
       [&] {
         bench.app().Szoba1Click();
         room.filename.type("pince");
         room.short_.type("Egy pince");
         room.long_.type("Sotet pince.");
         bench.app().run_event([&] { room.Button1.click(); });
       }},
      {"exits both ways", [&] { add_reverse_exits(bench.app().work(), "pince", "fel", "udvar"); }},
      {"delete the guard",
       [&] { bench.app().run_event([&] { delete_mons(bench.app().work(), "ork"); }); }},
      {"undo", [&] { choose("Visszavons1"); }},
      {"undo again", [&] { choose("Visszavons1"); }},
      {"redo", [&] { choose("jra1"); }},
      {"delete the key",
       [&] { bench.app().run_event([&] { delete_item(bench.app().work(), "kulcs"); }); }},
      {"load", [&] { load(tamo::testing::clean_work()); }},
      {"new", [&] { choose("j1"); }},
  };
  for (const Action& a : actions) {
    a.act();
    window.refresh_if_changed();
    check::Report whole = check::check_work(bench.work());
    whole.loading = bench.app().load_messages();
    EXPECT_EQ(window.lines(), check::report_lines(whole)) << a.name;
  }
}

// A work of many rooms, every third refused for lacking its long text: more lines than the
// list takes in one call when the check goes a few records a call.
Work many_rooms(int count) {
  Work w = tamo::testing::clean_work();
  for (int i = 0; i < count; ++i) {
    std::string name = "r" + std::to_string(1000 + i);
    setup_room(w, name, "Egy szoba", i % 3 == 0 ? "" : "Csendes szoba.");
  }
  return w;
}

std::vector<std::string> texts(const std::vector<check::ReportLine>& lines) {
  std::vector<std::string> out;
  for (const check::ReportLine& line : lines) out.push_back(line.text);
  return out;
}

std::vector<std::string> whole_check_texts(Workbench& bench) {
  check::Report whole = check::check_work(bench.work());
  whole.loading = bench.app().load_messages();
  return texts(check::report_lines(whole));
}

// Opening a big work, the list gains the check's lines a slice a call, always the first ones,
// while the status line already counts every problem; in the end it lists the whole check.
TEST_F(AreaCheckTest, ABigWorksLinesReachTheListASliceAtATime) {
  load(many_rooms(300));
  AreaCheck& window = bench.area_check();
  int calls_filling = 0;
  for (int calls = 0; calls < 10000; ++calls) {
    window.refresh_if_changed(2);
    if (!window.judging() && !window.filling()) break;
    if (!window.filling()) continue;
    ++calls_filling;
    const std::vector<std::string>& rows = window.problems.items();
    const std::vector<std::string> lines = texts(window.lines());
    ASSERT_LT(rows.size(), lines.size());
    ASSERT_TRUE(std::equal(rows.begin(), rows.end(), lines.begin()));
    EXPECT_EQ(window.summary(), "Ellenőrzés: 100 probléma");
  }
  EXPECT_GT(calls_filling, 2);
  EXPECT_FALSE(window.filling());
  EXPECT_EQ(window.problems.items(), whole_check_texts(bench));
  EXPECT_EQ(window.summary(), "Ellenőrzés: 100 probléma");
}

struct ChangeWhileFilling {
  const char* name;
  std::function<void(Workbench&)> act;
  bool chosen_stays;  // the line chosen before is chosen again once the list is whole
};

class ChangesWhileFilling : public AreaCheckTest,
                            public ::testing::WithParamInterface<ChangeWhileFilling> {};

// A change while the list is still filling: the rows from the first line it touched give way
// and come back, and the list ends as a whole check of the work as it is then.
TEST_P(ChangesWhileFilling, EndAsTheWholeCheckOfTheWorkThen) {
  load(many_rooms(300));
  AreaCheck& window = bench.area_check();
  while (!window.filling()) window.refresh_if_changed(2);
  while (window.problems.count() < 60) window.refresh_if_changed(2);
  const int chosen = window.problems.index_of("szoba r1050: ok");
  ASSERT_GE(chosen, 0);
  window.problems.user_select(chosen);
  GetParam().act(bench);
  for (int calls = 0; calls < 10000; ++calls)
    if (!window.refresh_if_changed(2)) break;
  EXPECT_FALSE(window.filling());
  EXPECT_EQ(window.problems.items(), whole_check_texts(bench));
  EXPECT_EQ(window.lines().size(), window.problems.count());
  EXPECT_EQ(window.problems.selected_text(), GetParam().chosen_stays ? "szoba r1050: ok" : "");
}

void run(Workbench& bench, const std::function<void(Work&)>& change) {
  bench.app().run_event([&] { change(bench.app().work()); });
}

const ChangeWhileFilling kChangesWhileFilling[] = {
    {"room_deleted_above", [](Workbench& b) { run(b, [](Work& w) { delete_room(w, "r1003"); }); },
     true},
    {"room_deleted_far_below",
     [](Workbench& b) { run(b, [](Work& w) { delete_room(w, "r1290"); }); }, true},
    {"key_gone", [](Workbench& b) { run(b, [](Work& w) { delete_item(w, "kulcs"); }); }, true},
    {"creator_refused", [](Workbench& b) { run(b, [](Work& w) { setup_data(w).name.clear(); }); },
     true},
    {"new_work", [](Workbench& b) { b.app().run_event([&] { b.app().menu_bar().choose("j1"); }); },
     false},
};

INSTANTIATE_TEST_SUITE_P(Check, ChangesWhileFilling, ::testing::ValuesIn(kChangesWhileFilling),
                         [](const auto& info) { return std::string(info.param.name); });

// F7 finishes at once what is still on its way to the list.
TEST_F(AreaCheckTest, F7WhileTheListFillsListsEveryLineAtOnce) {
  load(many_rooms(300));
  AreaCheck& window = bench.area_check();
  while (!window.filling()) window.refresh_if_changed(2);
  choose("Ellenrzs1");
  EXPECT_FALSE(window.filling());
  EXPECT_EQ(window.problems.items(), whole_check_texts(bench));
}

}  // namespace
}  // namespace tamo::app::testing
