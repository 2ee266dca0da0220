#include "app/undo_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/storing.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::app {
namespace {

// Two rooms joined east-west, a creature standing in the first with an item in its hands.
void shape(Work& w) {
  droom* kapu = setup_room(w, "kapu");
  kapu->short_ = "A kapu elott";
  kapu->long_ = "Egy magas fal.";
  add_mixed(kapu->exits, "kelet", "udvar");
  add_mixed(kapu->contents, "ork", "1");
  droom* udvar = setup_room(w, "udvar");
  udvar->short_ = "Az udvaron";
  udvar->long_ = "Tagas udvar.";
  add_mixed(udvar->exits, "nyugat", "kapu");
  add_mixed(udvar->contents, "ork", "2");
  dmons* ork = setup_mons(w, "ork");
  ork->name = "Ork";
  add_mixed(ork->equipment, "kard", "1");
  ditem* kard = setup_item(w, "kard");
  kard->name = "Kard";
  w.current_room = w.rooms.head();
}

struct Action {
  const char* what;
  std::function<void(Work&)> act;
};

// One user action of each kind, as the named operations make it.
const std::vector<Action>& actions() {
  static const std::vector<Action> all{
      {"a new room stored",
       [](Work& w) {
         add_mixed(w.tmproom.exits, "le", "kapu");
         store_room(w, "pince", [](droom& r) { r.short_ = "Pince"; });
       }},
      {"a stored room changed",
       [](Work& w) { store_room(w, "udvar", [](droom& r) { r.long_ = "Szuk udvar."; }); }},
      {"an exit added with its reverse exit",
       [](Work& w) {
         MixedList exits = w.rooms.find_last("kapu")->exits;
         add_mixed(exits, "del", "udvar");
         set_room_list(w, "kapu", &droom::exits, exits);
         add_reverse_exits(w, "udvar", "eszak", "kapu");
       }},
      {"an exit deleted with its reverse exit",
       [](Work& w) {
         set_room_list(w, "kapu", &droom::exits, MixedList{});
         remove_reverse_exits(w, "udvar", "nyugat", "kapu");
       }},
      {"the current room deleted", [](Work& w) { delete_room(w, "kapu"); }},
      {"a creature deleted from every room's contents", [](Work& w) { delete_mons(w, "ork"); }},
      {"an item deleted from every creature's equipment", [](Work& w) { delete_item(w, "kard"); }},
      {"a creature stored",
       [](Work& w) { store_mons(w, "troll", [](dmons& m) { m.name = "Troll"; }); }},
      {"an item stored", [](Work& w) { store_item(w, "kard", [](ditem& i) { i.weight = "5"; }); }},
      {"a room's contents changed",
       [](Work& w) {
         MixedList contents;
         add_mixed(contents, "kard", "3");
         set_room_list(w, "udvar", &droom::contents, contents);
       }},
      {"a creature's equipment changed",
       [](Work& w) { set_mons_list(w, "ork", &dmons::equipment, MixedList{}); }},
      {"the creator data", [](Work& w) { set_creator(w, "vandor", "Bela", "b@example.org"); }},
      {"the description", [](Work& w) { set_description(w, "Egy kis falu.\r\nKapuval."); }},
  };
  return all;
}

TEST(UndoHistory, UndoGivesBackExactlyTheStateBeforeAndRedoTheStateAfter) {
  for (const Action& action : actions()) {
    SCOPED_TRACE(action.what);
    Work w;
    shape(w);
    UndoHistory history(w);
    const std::vector<std::string> before = workfile::work_lines(w);
    history.open("lépés");
    action.act(w);
    history.close(false);
    const std::vector<std::string> after = workfile::work_lines(w);
    ASSERT_NE(before, after);
    ASSERT_EQ(history.undo_label(), "lépés");

    ASSERT_TRUE(history.undo());
    EXPECT_EQ(workfile::work_lines(w), before);
    EXPECT_EQ(history.redo_label(), "lépés");
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(workfile::work_lines(w), after);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(workfile::work_lines(w), before);
    // The console stands in one of the work's rooms, never in a record that went.
    bool current_is_a_room = false;
    for (const droom& r : w.rooms) current_is_a_room |= &r == w.current_room;
    EXPECT_TRUE(current_is_a_room);
  }
}

TEST(UndoHistory, ACompoundActionIsOneStep) {
  Work w;
  shape(w);
  UndoHistory history(w);
  const std::vector<std::string> before = workfile::work_lines(w);
  history.open("élőlény törlése");
  delete_mons(w, "ork");
  history.close(false);
  EXPECT_EQ(history.steps(), 1u);
  ASSERT_TRUE(history.undo());
  EXPECT_EQ(workfile::work_lines(w), before);
  EXPECT_EQ(query_mixed(w.rooms.find_last("udvar")->contents, "ork"), "2");
}

TEST(UndoHistory, AFailedActionLeavesTheWorkAsItWasAndNoStep) {
  Work w;
  shape(w);
  UndoHistory history(w);
  const std::vector<std::string> before = workfile::work_lines(w);
  EXPECT_THROW(
      {
        UndoStep step(history, "szoba tárolása");
        store_room(w, "udvar", [](droom& r) { r.short_ = "Mas"; });
        store_room(w, "kapu", [](droom&) { throw std::runtime_error("megszakadt"); });
      },
      std::runtime_error);
  EXPECT_EQ(workfile::work_lines(w), before);
  EXPECT_FALSE(history.can_undo());
}

TEST(UndoHistory, NestedActionsAreOneStepNamedByTheFirstLabel) {
  Work w;
  shape(w);
  UndoHistory history(w);
  {
    UndoStep event(history, "");
    UndoStep button(history, "kijárat törlése");
    UndoStep inner(history, "más");
    remove_reverse_exits(w, "udvar", "nyugat", "kapu");
    set_room_list(w, "kapu", &droom::exits, MixedList{});
  }
  EXPECT_EQ(history.steps(), 1u);
  EXPECT_EQ(history.undo_label(), "kijárat törlése");
}

TEST(UndoHistory, AnActionThatChangesNothingLeavesNoStepAndKeepsTheRedoTail) {
  Work w;
  shape(w);
  UndoHistory history(w);
  set_description(w, "Mas");
  ASSERT_TRUE(history.undo());
  {
    UndoStep step(history, "leírás tárolása");
    set_description(w, w.desc);  // stores what is already stored
  }
  EXPECT_TRUE(history.can_redo());
  {
    UndoStep step(history, "leírás tárolása");
    set_description(w, "Harmadik");
  }
  EXPECT_FALSE(history.can_redo()) << "a new action drops what could be redone";
}

TEST(UndoHistory, AChangeOutsideAnyActionIsAStepOfItsOwn) {
  Work w;
  shape(w);
  UndoHistory history(w);
  set_description(w, "Egy");
  set_description(w, "Ketto");
  EXPECT_EQ(history.steps(), 2u);
  EXPECT_EQ(history.undo_label(), kUnnamedStep);
}

TEST(UndoHistory, ReplacingTheWholeWorkStartsAFreshHistory) {
  Work w;
  UndoHistory history(w);
  set_description(w, "Egy");
  ASSERT_TRUE(history.can_undo());
  WorkData loaded;
  loaded.desc = "Betoltve";
  replace_work(w, std::move(loaded));
  EXPECT_FALSE(history.can_undo());
  EXPECT_FALSE(history.undo());
  EXPECT_EQ(w.desc, "Betoltve");
}

TEST(UndoHistory, KeepsTheNewestStepsUpToItsBound) {
  Work w;
  UndoHistory history(w);
  const std::size_t made = UndoHistory::kMaxSteps + 50;
  for (std::size_t n = 1; n <= made; ++n) set_description(w, std::to_string(n));
  EXPECT_EQ(history.steps(), UndoHistory::kMaxSteps);
  std::size_t undone = 0;
  while (history.undo()) ++undone;
  EXPECT_EQ(undone, UndoHistory::kMaxSteps);
  EXPECT_EQ(w.desc, std::to_string(made - UndoHistory::kMaxSteps));
  EXPECT_GE(UndoHistory::kMaxSteps, 200u);
}

TEST(UndoHistory, BeyondTheMemoryBudgetOldStepsGoButTwoHundredStay) {
  Work w;
  const std::size_t budget = std::size_t{1} << 20;
  UndoHistory history(w, budget);
  // A step keeps the text twice, so about three hundred steps fill the budget.
  const std::string big(budget / 600, 'x');
  for (int n = 0; n < 400; ++n) set_description(w, big + std::to_string(n));
  EXPECT_LT(history.steps(), 400u);
  EXPECT_GE(history.steps(), UndoHistory::kMinSteps);
  EXPECT_LE(history.bytes(), budget);
  // Steps larger than the budget allows still leave two hundred to undo.
  const std::string huge(budget / 100, 'y');
  for (int n = 0; n < 300; ++n) set_description(w, huge + std::to_string(n));
  EXPECT_EQ(history.steps(), UndoHistory::kMinSteps);
}

TEST(UndoHistory, AStepCostsTheRecordsItTouchedNotTheWork) {
  Work w;
  for (int n = 0; n < 2000; ++n) {
    droom* r = setup_room(w, "szoba" + std::to_string(n));
    r->long_ = std::string(500, 'x');
  }
  UndoHistory history(w);
  for (int n = 0; n < 200; ++n)
    store_room(w, "szoba7", [n](droom& r) { r.short_ = std::to_string(n); });
  EXPECT_EQ(history.steps(), 200u);
  // Two copies of one room per step at most; the work holds about a megabyte.
  EXPECT_LT(history.bytes(), 200u * 2 * 2000);
}

}  // namespace
}  // namespace tamo::app
