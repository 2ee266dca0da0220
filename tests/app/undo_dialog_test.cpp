#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "model/guard_keys.h"
#include "undo_fixture.h"

// While a dialog is open, what the builder does in it is a step of the history of its own:
// its keys of undo and redo turn exactly those steps, and its "Kész" stays one step.
namespace tamo::app::testing {
namespace {

std::string rows(const controls::ListBox& box) {
  std::string out;
  for (const std::string& row : box.items()) out += row + "|";
  return out;
}

std::string entries(const MixedList& list) {
  std::string out;
  for (const dmixed& e : list) out += std::string(e.key) + "=" + std::string(e.value) + "|";
  return out;
}

struct DialogCase {
  const char* name;
  // Opens the dialog and does what comes before the action (typing, picking).
  std::function<void(Workbench&)> prepare;
  std::function<void(Workbench&)> act;
  const char* label;
  // What the builder sees of the dialog and what its panel would store.
  std::function<std::string(Workbench&)> seen;
  std::function<const controls::Form&(Workbench&)> dialog;
};

void PrintTo(const DialogCase& c, std::ostream* out) {
  *out << c.name;
}

void open_creature(Workbench& b) {
  b.app().llny1Click();
  b.monster_editor().panel.filename.user_set_text("ork");
}

void open_room_kapu(Workbench& b) {
  b.app().Szoba1Click();
  b.room_editor().filename.user_set_text("kapu");
}

void open_item(Workbench& b) {
  b.app().Trgy1Click();
  b.item_editor().panel.filename.user_set_text("kard");
}

const DialogCase kCases[] = {
    {"sentence",
     [](Workbench& b) {
       open_creature(b);
       b.monster_editor().Button10.click();
       b.monster_editor().speech_dialog.posspeech.user_set_text("Hoho");
     },
     [](Workbench& b) { b.monster_editor().speech_dialog.Button1.click(); }, "mondat hozzáadása",
     [](Workbench& b) {
       const editors::MonsSpeechDialog& d = b.monster_editor().speech_dialog;
       return rows(d.speech) + "/" + d.posspeech.text() + "/" + entries(b.work().tmpmons.speech);
     },
     [](Workbench& b) -> const controls::Form& { return b.monster_editor().speech_dialog.form; }},
    {"creature_id",
     [](Workbench& b) {
       open_creature(b);
       b.monster_editor().panel.ids_button.click();
       b.monster_editor().panel.ids_dialog.word.user_set_text("orkocska");
     },
     [](Workbench& b) { b.monster_editor().panel.ids_dialog.Button1.click(); },
     "azonosító hozzáadása",
     [](Workbench& b) {
       const auto& d = b.monster_editor().panel.ids_dialog;
       return rows(d.words) + "/" + d.word.text() + "/" + entries(b.work().tmpmons.ids);
     },
     [](Workbench& b) -> const controls::Form& {
       return b.monster_editor().panel.ids_dialog.form;
     }},
    {"contents",
     [](Workbench& b) {
       open_room_kapu(b);
       b.room_editor().Button4.click();
       b.room_editor().contents.posmons.user_select(0);
     },
     [](Workbench& b) { b.room_editor().contents.Button2.click(); }, "élőlény a szoba tartalmába",
     [](Workbench& b) {
       return rows(b.room_editor().contents.contents) + "/" + entries(b.work().tmproom.contents);
     },
     [](Workbench& b) -> const controls::Form& { return b.room_editor().contents.form; }},
    {"guarded_exit",
     [](Workbench& b) {
       open_room_kapu(b);
       b.room_editor().Button8.click();
       b.room_editor().guards.posguardexits.user_select(0);
     },
     [](Workbench& b) { b.room_editor().guards.Button1.click(); }, "őrzött irány hozzáadása",
     [](Workbench& b) { return rows(b.room_editor().guards.guardexits); },
     [](Workbench& b) -> const controls::Form& { return b.room_editor().guards.form; }},
    {"property_tick",
     [](Workbench& b) {
       open_room_kapu(b);
       b.room_editor().RoomProperties.click();
     },
     [](Workbench& b) { b.room_editor().properties.nomagic.user_set_checked(true); },
     "módosítás (Szoba jellemzők)",
     [](Workbench& b) { return b.room_editor().properties.nomagic.value(); },
     [](Workbench& b) -> const controls::Form& { return b.room_editor().properties.form; }},
    {"every_restriction",
     [](Workbench& b) {
       open_item(b);
       b.item_editor().antis.click();
     },
     [](Workbench& b) { b.item_editor().antis_dialog.Button1.click(); }, "minden tiltás kijelölése",
     [](Workbench& b) {
       std::string out;
       for (controls::CheckBox* box : b.item_editor().antis_dialog.class_boxes())
         out += box->value();
       return out;
     },
     [](Workbench& b) -> const controls::Form& { return b.item_editor().antis_dialog.form; }},
    {"bonus_typed",
     [](Workbench& b) {
       open_item(b);
       b.item_editor().bonuses.click();
     },
     [](Workbench& b) { b.item_editor().bonuses_dialog.hp.user_set_text("5"); },
     "gépelés (Bónuszok, Életerő)",
     [](Workbench& b) { return b.item_editor().bonuses_dialog.hp.text(); },
     [](Workbench& b) -> const controls::Form& { return b.item_editor().bonuses_dialog.form; }},
};

class DialogUndo : public UndoTest, public ::testing::WithParamInterface<DialogCase> {
 protected:
  DialogUndo() {
    setup_item(bench.work(), "kard")->name = "Kard";
    bench.item_editor().fill_filename_choices();
  }
};

TEST_P(DialogUndo, TheDialogsKeysTakeBackItsActionAndDoItAgain) {
  const DialogCase& c = GetParam();
  event([&] { c.prepare(bench); });
  const controls::Form& dialog = c.dialog(bench);
  ASSERT_TRUE(dialog.visible());
  const std::string before = c.seen(bench);
  const std::vector<std::string> work_before = lines();
  event([&] { c.act(bench); });
  const std::string after = c.seen(bench);
  ASSERT_NE(after, before);
  EXPECT_EQ(app.history().undo_label(), c.label);
  event([&] { app.undo_in(dialog); });
  EXPECT_EQ(c.seen(bench), before);
  EXPECT_EQ(lines(), work_before);
  EXPECT_TRUE(dialog.visible());
  event([&] { app.redo_in(dialog); });
  EXPECT_EQ(c.seen(bench), after);
  EXPECT_EQ(lines(), work_before);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogUndo, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UndoTest, InADialogOnlyItsOwnStepsTurn) {
  open_room("kapu");
  event([&] { bench.room_editor().short_.user_set_text("A kapunal"); });
  const std::string label = app.history().undo_label();
  ASSERT_EQ(label, "gépelés (szoba, Rövid leírás)");
  event([&] { bench.room_editor().Button4.click(); });
  const controls::Form& dialog = bench.room_editor().contents.form;
  ASSERT_TRUE(dialog.visible());
  event([&] { app.undo_in(dialog); });
  EXPECT_EQ(app.status().text(), kNothingToUndoHere);
  EXPECT_EQ(bench.room_editor().short_.text(), "A kapunal");
  EXPECT_EQ(app.history().undo_label(), label);
}

// The guard's "Kész" writes into the panel's working copy only: once the dialog is closed, the
// main window's undo takes that back, and the dialog's own steps are gone with the dialog.
TEST_F(UndoTest, ADialogsKeszIsOneStepOfItsPanelAndItsInnerStepsCloseWithIt) {
  editors::RoomEditor& room = bench.room_editor();
  open_room("kapu");
  const std::string label_before = app.history().undo_label();
  event([&] { room.Button8.click(); });
  event([&] { room.guards.guardname.user_select(0); });
  event([&] { room.guards.guardspeech.user_set_text("Megallj!"); });
  event([&] { room.guards.posguardexits.user_select(0); });
  event([&] { room.guards.Button1.click(); });
  event([&] { room.guards.Button4.click(); });
  ASSERT_FALSE(room.guards.form.visible());
  ASSERT_FALSE(bench.work().tmproom.guard.empty());
  EXPECT_TRUE(room.pending_edits());
  EXPECT_EQ(app.history().undo_label(), "őr megadása");
  choose("Visszavons1");
  EXPECT_TRUE(bench.work().tmproom.guard.empty());
  EXPECT_FALSE(room.pending_edits());
  EXPECT_EQ(app.history().undo_label(), label_before);
  choose("jra1");
  EXPECT_EQ(query_mixed(bench.work().tmproom.guard, std::string(kGuardSpeech)), "Megallj!");
}

TEST_F(UndoTest, ADialogLeftWithoutKeszLeavesNoStep) {
  editors::RoomEditor& room = bench.room_editor();
  open_room("kapu");
  const std::string label_before = app.history().undo_label();
  event([&] { room.Button8.click(); });
  event([&] { room.guards.posguardexits.user_select(0); });
  event([&] { room.guards.Button1.click(); });
  ASSERT_EQ(app.history().undo_label(), "őrzött irány hozzáadása");
  event([&] { room.guards.Button3.click(); });
  ASSERT_FALSE(room.guards.form.visible());
  EXPECT_EQ(app.history().undo_label(), label_before);
}

}  // namespace
}  // namespace tamo::app::testing
