#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/workbench.h"
#include "editors/item/item_kinds.h"
#include "undo_fixture.h"
#include "work_setup.h"
#include "workfile/workfile.h"

// "Visszavonás" and "Újra" as the builder reaches them: through the menu, after the buttons
// that change the work.
namespace tamo::app::testing {
namespace {

TEST_F(UndoTest, TheEntriesNameWhatTheyWouldDoAndAreOffWhenThereIsNothing) {
  EXPECT_EQ(undo_entry().caption, "&Visszavonás");
  EXPECT_FALSE(undo_entry().enabled);
  EXPECT_EQ(undo_entry().shortcut, "Ctrl+Z");
  EXPECT_EQ(redo_entry().shortcut, "Ctrl+Shift+Z");
  EXPECT_EQ(redo_entry().second_shortcut, "Ctrl+Y");
  editors::RoomEditor& room = bench.room_editor();
  open_room("pince");
  event([&] {
    room.short_.user_set_text("Pince");
    room.long_.user_set_text("Sotet pince.");
  });
  const std::vector<std::string> before = lines();
  event([&] { room.Button1.click(); });
  ASSERT_NE(room_exists(bench.work(), "pince"), nullptr);
  const std::vector<std::string> after = lines();
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: szoba tárolása");
  EXPECT_TRUE(undo_entry().enabled);
  EXPECT_FALSE(redo_entry().enabled);

  choose("Visszavons1");
  EXPECT_EQ(lines(), before);
  EXPECT_EQ(room_exists(bench.work(), "pince"), nullptr);
  EXPECT_EQ(redo_entry().caption, "Ú&jra: szoba tárolása");
  EXPECT_TRUE(redo_entry().enabled);
  EXPECT_EQ(app.status().text(), "Visszavonva: szoba tárolása");
  // The panel keeps what the builder typed: it is now an edit not yet stored.
  EXPECT_EQ(room.short_.text(), "Pince");
  EXPECT_TRUE(room.pending_edits());
  EXPECT_EQ(room.filename.index_of("pince"), -1);

  choose("jra1");
  EXPECT_EQ(lines(), after);
  EXPECT_FALSE(room.pending_edits());
  EXPECT_GE(room.filename.index_of("pince"), 0);
}

TEST_F(UndoTest, DeletingAnExitAndItsReverseIsOneStep) {
  open_room("kapu");
  editors::ExitEditor& exits = bench.room_editor().exits;
  event([&] { bench.room_editor().Button5.click(); });
  const std::vector<std::string> before = lines();
  event([&] {
    exits.exitdir.user_select(exits.exitdir.index_of("kelet"));
    exits.Button1.click();
  });
  ASSERT_TRUE(room_exists(bench.work(), "udvar")->exits.empty());
  ASSERT_TRUE(room_exists(bench.work(), "kapu")->exits.empty());
  event([&] { exits.Button3.click(); });
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: kijárat törlése");
  choose("Visszavons1");
  EXPECT_EQ(lines(), before);
}

TEST_F(UndoTest, UndoingACreaturesDeletionBringsBackEveryRoomsReference) {
  editors::MonsterEditor& m = bench.monster_editor();
  event([&] {
    app.llny1Click();
    m.panel.filename.user_set_text("ork");
  });
  const std::vector<std::string> before = lines();
  event([&] { m.panel.delete_button.click(); });
  event([&] { m.panel.delete_dialog.yes.click(); });
  ASSERT_EQ(mons_exists(bench.work(), "ork"), nullptr);
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: élőlény törlése");
  choose("Visszavons1");
  EXPECT_EQ(lines(), before);
  EXPECT_EQ(query_mixed(room_exists(bench.work(), "udvar")->contents, "ork"), "1");
}

TEST_F(UndoTest, UndoingAStoreKeepsTheTypingThenTakesItBackAndAPanelWithoutEditsFollows) {
  editors::RoomEditor& room = bench.room_editor();
  open_room("udvar");
  const std::vector<std::string> before = lines();
  event([&] {
    room.short_.user_set_text("Szuk udvar");
    room.Button1.click();
  });
  const std::vector<std::string> after = lines();
  choose("Visszavons1");
  EXPECT_EQ(lines(), before);
  // Just before "Kész" the panel held the typing: it is an edit not stored again.
  EXPECT_EQ(room.short_.text(), "Szuk udvar");
  EXPECT_TRUE(room.pending_edits());
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: gépelés (szoba, Rövid leírás)");
  choose("Visszavons1");
  EXPECT_EQ(room.short_.text(), "Az udvaron");
  EXPECT_FALSE(room.pending_edits());

  choose("jra1");
  choose("jra1");
  EXPECT_EQ(lines(), after);
  EXPECT_EQ(room.short_.text(), "Szuk udvar");
  EXPECT_FALSE(room.pending_edits());

  // A store made elsewhere and taken back: the panel shows the record as the work now has it.
  event([&] { room.Button5.click(); });
  event([&] {
    room.exits.exitdir.user_select(room.exits.exitdir.index_of("nyugat"));
    room.exits.Button1.click();
  });
  event([&] { room.exits.Button3.click(); });
  ASSERT_TRUE(room_exists(bench.work(), "udvar")->exits.empty());
  choose("Visszavons1");
  EXPECT_EQ(query_mixed(bench.work().tmproom.exits, "nyugat"), "kapu");
  EXPECT_FALSE(room.pending_edits());
  event([&] { room.long_.user_set_text("Amit most irok."); });
  choose("Visszavons1");
  EXPECT_EQ(room.long_.text(), "Tagas udvar.");
  EXPECT_EQ(lines(), after);
}

// One step per run of typing: the same field while it keeps the focus, until the builder does
// anything else.
TEST_F(UndoTest, TypingMergesWhileTheFieldKeepsTheFocus) {
  editors::RoomEditor& room = bench.room_editor();
  auto type = [&](controls::Edit& field, std::string_view text) {
    for (std::string_view ch : controls::utf8_chars(text)) event([&] { field.type_char(ch); });
  };
  struct Case {
    const char* what;
    std::function<void()> act;
    std::size_t steps;
  };
  const Case cases[] = {
      {"keystrokes in one field", [&] { type(room.short_, " és a kút"); }, 1},
      {"the focus leaves and comes back",
       [&] {
         type(room.short_, " és");
         app.focus().set(&room.long_);
         app.focus().set(&room.short_);
         type(room.short_, " a kút");
       },
       2},
      {"another field between",
       [&] {
         type(room.short_, " és");
         type(room.long_, " Kút.");
         type(room.short_, " a kút");
       },
       3},
      {"a button between",
       [&] {
         type(room.short_, " és");
         event([&] { room.Button3.click(); });
         type(room.short_, " a kút");
       },
       2},
      {"typing back to the start",
       [&] {
         type(room.short_, "xy");
         event([&] { room.short_.user_set_text("Az udvaron"); });
       },
       0},
      {"a paste then keystrokes",
       [&] {
         event([&] { room.short_.user_set_text("Kút"); });
         type(room.short_, "ja");
       },
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    open_room("udvar");
    event([&] { app.focus().set(&room.short_); });
    const std::size_t at = app.history().position();
    const std::string text = room.short_.text();
    c.act();
    EXPECT_EQ(app.history().position() - at, c.steps);
    for (std::size_t n = 0; n < c.steps; ++n) choose("Visszavons1");
    EXPECT_EQ(app.history().position(), at);
    EXPECT_EQ(room.short_.text(), text);
    EXPECT_EQ(room.long_.text(), "Tagas udvar.");
    EXPECT_FALSE(room.pending_edits());
  }
}

// Every panel's text fields, the description's too: undo gives back the text as it was before
// the typing, redo the typed one, and the menu names the field.
TEST_F(UndoTest, UndoAndRedoOfTypingInEachPanel) {
  editors::MonsterEditor& m = bench.monster_editor();
  editors::ItemEditor& i = bench.item_editor();
  struct Case {
    std::function<void()> open;
    controls::Edit& field;
    const char* label;
  };
  const Case cases[] = {
      {[&] { open_room("kapu"); }, bench.room_editor().long_, "gépelés (szoba, Hosszú leírás)"},
      {[&] {
         app.llny1Click();
         m.panel.filename.user_set_text("ork");
       },
       m.panel.name, "gépelés (élőlény, Név)"},
      {[&] {
         app.Trgy1Click();
         i.panel.filename.user_set_text("kard");
       },
       i.wc2, "gépelés (tárgy, Sebzés)"},
      {[&] { app.Lers1Click(); }, app.description().maindesc, "gépelés (leírás)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    event(c.open);
    event([&] { app.focus().set(&c.field); });
    const std::string text = c.field.text();
    const std::vector<std::string> work = lines();
    event([&] { c.field.type("1"); });
    event([&] { c.field.type("2"); });
    const std::string typed = c.field.text();
    ASSERT_NE(typed, text);
    EXPECT_EQ(undo_entry().caption, "&Visszavonás: " + std::string(c.label));
    choose("Visszavons1");
    EXPECT_EQ(c.field.text(), text);
    EXPECT_EQ(redo_entry().caption, "Ú&jra: " + std::string(c.label));
    EXPECT_EQ(app.status().text(), "Visszavonva: " + std::string(c.label));
    choose("jra1");
    EXPECT_EQ(c.field.text(), typed);
    EXPECT_EQ(lines(), work) << "typing changes no record before its \"Kész\"";
  }
}

TEST_F(UndoTest, TypingAfterAnUndoDropsWhatCouldBeRedone) {
  editors::RoomEditor& room = bench.room_editor();
  open_room("udvar");
  event([&] { room.short_.user_set_text("Szuk udvar"); });
  event([&] { room.Button1.click(); });
  choose("Visszavons1");
  ASSERT_TRUE(redo_entry().enabled);
  event([&] { room.long_.type("!"); });
  EXPECT_FALSE(redo_entry().enabled);
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: gépelés (szoba, Hosszú leírás)");
  choose("Visszavons1");
  choose("Visszavons1");
  EXPECT_EQ(room.short_.text(), "Az udvaron");
  EXPECT_EQ(room.long_.text(), "Tagas udvar.");
  EXPECT_EQ(room_exists(bench.work(), "udvar")->short_, "Az udvaron");
}

// Typing whose panel has since turned to another record, or was emptied, is never put back:
// it would land in the wrong record. The step goes, and undo takes back the one before it.
TEST_F(UndoTest, TypingIsNotPutBackIntoAPanelShowingAnotherRecord) {
  editors::RoomEditor& room = bench.room_editor();
  struct Case {
    const char* what;
    std::function<void()> turn_away;
  };
  const Case cases[] = {
      {"another room chosen", [&] { room.filename.user_select(room.filename.index_of("kapu")); }},
      {"a new room begun", [&] { room.Button6.click(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    open_room("udvar");
    const std::string desc = bench.work().desc;
    event([&] { set_description(bench.work(), c.what); });  // a step before the typing
    const std::string work_step = app.history().undo_label();
    event([&] { room.smelldefault.user_set_text("Dohos"); });
    event([&] { room.Button1.click(); });
    event(c.turn_away);
    const std::string shown = room.short_.text();
    const std::string smell = room.smelldefault.text();
    choose("Visszavons1");  // the store
    EXPECT_EQ(room_exists(bench.work(), "udvar")->smelldefault, "");
    EXPECT_EQ(undo_entry().caption, "&Visszavonás: " + work_step);
    choose("Visszavons1");
    EXPECT_EQ(room.short_.text(), shown);
    EXPECT_EQ(room.smelldefault.text(), smell);
    EXPECT_EQ(bench.work().desc, desc);
  }
}

TEST_F(UndoTest, UndoAcrossASaveChangesTheWorkAndRedoMakesItSavedAgain) {
  set_description(bench.work(), "Elso.");
  event([&] { app.Ments1Click(); });
  ASSERT_FALSE(app.work_changed());
  choose("Visszavons1");
  EXPECT_EQ(bench.work().desc, "");
  EXPECT_TRUE(app.work_changed());
  choose("jra1");
  EXPECT_EQ(bench.work().desc, "Elso.");
  EXPECT_FALSE(app.work_changed());
}

TEST_F(UndoTest, NewAndLoadStartAFreshHistory) {
  event([&] { app.Ments1Click(); });
  const std::filesystem::path saved = app.saved_path();
  set_description(bench.work(), "Valami.");
  ASSERT_TRUE(undo_entry().enabled || app.history().can_undo());
  platform.answer = UnsavedAnswer::discard;
  choose("j1");
  EXPECT_FALSE(app.history().can_undo());
  EXPECT_FALSE(undo_entry().enabled);
  choose("Visszavons1");
  EXPECT_TRUE(bench.work().rooms.empty());

  set_description(bench.work(), "Mas.");
  platform.chosen_file = saved;
  choose("Betlts1");
  ASSERT_EQ(bench.work().project, "falu");
  EXPECT_FALSE(app.history().can_undo());
  EXPECT_FALSE(undo_entry().enabled);
}

// Every kind of choice in the panels: the builder's change is one step named after what it
// chooses; undo puts the choice back, the stored record stays as it was, redo chooses again.
TEST_F(UndoTest, UndoAndRedoOfEachKindOfChoiceInThePanels) {
  editors::MonsterEditor& m = bench.monster_editor();
  editors::ItemEditor& i = bench.item_editor();
  auto open_creature = [&] {
    app.llny1Click();
    m.panel.filename.user_set_text("ork");
  };
  auto open_item = [&] {
    app.Trgy1Click();
    i.panel.filename.user_set_text("kard");
    i.is_weapon.set_index(editors::kind_index(ItemKind::weapon));
  };
  struct Case {
    std::function<void()> open;
    controls::UserValue& choice;
    std::function<void()> change;
    const char* label;
  };
  const Case cases[] = {
      {open_creature, m.race, [&] { m.race.user_select(0); }, "választás (élőlény, Faj)"},
      {open_creature, m.gender, [&] { m.gender.user_select(1); }, "választás (élőlény, Nem)"},
      {open_creature, m.class3, [&] { m.class3.user_select(0); },
       "választás (élőlény, Harmadik osztály)"},
      {open_item, i.itemtype, [&] { i.itemtype.user_select(0); }, "választás (tárgy, Típus)"},
      {open_item, i.is_weapon,
       [&] { i.is_weapon.user_set_index(editors::kind_index(ItemKind::key)); },
       "választás (tárgy, Fajta)"},
      {open_item, i.two_handed, [&] { i.two_handed.user_set_index(1); },
       "választás (tárgy, Egy- vagy kétkezes)"},
      {open_item, i.invisitem, [&] { i.invisitem.user_set_checked(true); },
       "választás (tárgy, Láthatatlan tárgy)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    event(c.open);
    const std::string was = c.choice.value();
    const std::vector<std::string> work = lines();
    const std::string step_before = app.history().undo_label();
    event(c.change);
    const std::string chosen = c.choice.value();
    ASSERT_NE(chosen, was);
    EXPECT_EQ(undo_entry().caption, "&Visszavonás: " + std::string(c.label));
    choose("Visszavons1");
    EXPECT_EQ(c.choice.value(), was);
    EXPECT_EQ(lines(), work) << "a choice changes no record before its \"Kész\"";
    EXPECT_EQ(app.history().undo_label(), step_before);
    EXPECT_EQ(app.status().text(), "Visszavonva: " + std::string(c.label));
    choose("jra1");
    EXPECT_EQ(c.choice.value(), chosen);
    EXPECT_EQ(lines(), work);
  }
}

// A kind of item empties the fields it has no use for; taking the kind back brings them back.
TEST_F(UndoTest, UndoingAnItemsKindBringsBackTheFieldsItEmptied) {
  editors::ItemEditor& i = bench.item_editor();
  event([&] {
    app.Trgy1Click();
    i.panel.filename.user_set_text("kard");
    i.is_weapon.user_set_index(editors::kind_index(ItemKind::weapon));
  });
  event([&] {
    i.itemtype.user_select(0);
    i.two_handed.user_set_index(1);
  });
  event([&] { i.wc1.type("2"); });
  event([&] { app.focus().set(&i.wc2); });
  event([&] { i.wc2.type("6"); });
  const std::string type = i.itemtype.text();
  ASSERT_FALSE(type.empty());
  event([&] { i.is_weapon.user_set_index(editors::kind_index(ItemKind::key)); });
  ASSERT_EQ(i.wc1.text(), "");
  ASSERT_EQ(i.itemtype.text(), "");
  choose("Visszavons1");
  EXPECT_EQ(i.is_weapon.index(), editors::kind_index(ItemKind::weapon));
  EXPECT_EQ(i.itemtype.text(), type);
  EXPECT_EQ(i.two_handed.index(), 1);
  EXPECT_EQ(i.wc1.text(), "2");
  EXPECT_EQ(i.wc2.text(), "6");
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: gépelés (tárgy, Sebzés)");
  choose("jra1");
  EXPECT_EQ(i.is_weapon.index(), editors::kind_index(ItemKind::key));
  EXPECT_EQ(i.wc1.text(), "");
  EXPECT_EQ(i.wc2.text(), "");
}

// A choice made between two runs of typing in one field splits them: each comes back in turn.
TEST_F(UndoTest, AChoiceBetweenTypingKeepsTheOrderOfTheSteps) {
  editors::MonsterEditor& m = bench.monster_editor();
  event([&] {
    app.llny1Click();
    m.panel.filename.user_set_text("ork");
  });
  event([&] { app.focus().set(&m.panel.name); });
  event([&] { m.panel.name.type(" vezer"); });
  event([&] { m.race.user_select(0); });
  event([&] { m.panel.name.type("e"); });
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: gépelés (élőlény, Név)");
  choose("Visszavons1");
  EXPECT_EQ(m.panel.name.text(), "Ork vezer");
  EXPECT_EQ(m.race.selected(), 0);
  EXPECT_EQ(undo_entry().caption, "&Visszavonás: választás (élőlény, Faj)");
  choose("Visszavons1");
  EXPECT_EQ(m.race.selected(), -1);
  EXPECT_EQ(m.panel.name.text(), "Ork vezer");
  choose("Visszavons1");
  EXPECT_EQ(m.panel.name.text(), "Ork");
  choose("jra1");
  choose("jra1");
  choose("jra1");
  EXPECT_EQ(m.panel.name.text(), "Ork vezere");
  EXPECT_EQ(m.race.selected(), 0);
}

// A choice whose panel has since turned to another record is never put back into it.
TEST_F(UndoTest, AChoiceIsNotPutBackIntoAPanelShowingAnotherRecord) {
  editors::MonsterEditor& m = bench.monster_editor();
  event([&] {
    app.llny1Click();
    m.panel.filename.user_set_text("ork");
  });
  const std::string before = app.history().undo_label();
  event([&] { m.gender.user_select(0); });
  ASSERT_EQ(app.history().undo_label(), "választás (élőlény, Nem)");
  event([&] { m.panel.filename.user_set_text("troll"); });
  EXPECT_EQ(app.history().undo_label(), before);
}

}  // namespace
}  // namespace tamo::app::testing
