#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_fixture.h"
#include "model/work.h"

namespace tamo::gui::testing {
namespace {

TEST_F(WindowTest, CtrlZTakesBackAStoredRoomAndTheMenuNamesIt) {
  // Key presses reach the shortcuts only in the active window.
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QAction* undo = window.findChild<QAction*>("Visszavons1");
  QAction* redo = window.findChild<QAction*>("jra1");
  ASSERT_NE(undo, nullptr);
  ASSERT_NE(redo, nullptr);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));

  trigger("Szoba1");
  QWidget* room = window.page("room");
  auto* name = find<QComboBox>(room, "filename");
  QTest::keyClicks(name->lineEdit(), "pince");
  QTest::keyClicks(find<QLineEdit>(room, "short"), "Pince");
  QTest::keyClicks(find<QPlainTextEdit>(room, "long"), "Sotet pince.");
  find<QPushButton>(room, "Button1")->click();
  ASSERT_NE(room_exists(app.work(), "pince"), nullptr);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), "&Visszavonás: szoba tárolása");

  // Away from a text field, Ctrl+Z is the window's own undo.
  auto* button = find<QPushButton>(room, "Button3");
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(room_exists(app.work(), "pince"), nullptr);
  EXPECT_EQ(undo->text(), "&Visszavonás: gépelés (szoba, Hosszú leírás)");
  EXPECT_EQ(redo->text(), "Ú&jra: szoba tárolása");

  QTest::keyClick(button, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_NE(room_exists(app.work(), "pince"), nullptr);
}

// In a text field Ctrl+Z is still the window's undo: it takes back the field's run of typing
// whole, then the step of the work before it, and Ctrl+Y and Ctrl+Shift+Z do them again.
TEST_F(WindowTest, CtrlZInAFieldTakesBackTheTypingThenTheWorksStep) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  trigger("Szoba1");
  QWidget* room = window.page("room");
  QTest::keyClicks(find<QComboBox>(room, "filename")->lineEdit(), "pince");
  auto* short_text = find<QLineEdit>(room, "short");
  QTest::keyClicks(short_text, "Pince");
  QTest::keyClicks(find<QPlainTextEdit>(room, "long"), "Sotet pince.");
  find<QPushButton>(room, "Button1")->click();
  ASSERT_NE(room_exists(app.work(), "pince"), nullptr);

  short_text->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return short_text->hasFocus(); }));
  QTest::keyClicks(short_text, " es a pince");
  ASSERT_EQ(short_text->text(), "Pince es a pince");
  QAction* undo = window.findChild<QAction*>("Visszavons1");
  EXPECT_EQ(undo->text(), "&Visszavonás: gépelés (szoba, Rövid leírás)");

  QTest::keyClick(short_text, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(short_text->text(), "Pince");
  EXPECT_NE(room_exists(app.work(), "pince"), nullptr);
  QTest::keyClick(short_text, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(room_exists(app.work(), "pince"), nullptr);
  EXPECT_EQ(short_text->text(), "Pince");

  QTest::keyClick(short_text, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_NE(room_exists(app.work(), "pince"), nullptr);
  QTest::keyClick(short_text, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(short_text->text(), "Pince es a pince");

  // A multi-line box too.
  auto* long_text = find<QPlainTextEdit>(room, "long");
  long_text->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return long_text->hasFocus(); }));
  long_text->moveCursor(QTextCursor::End);
  QTest::keyClicks(long_text, " Hideg.");
  ASSERT_EQ(long_text->toPlainText(), "Sotet pince. Hideg.");
  QTest::keyClick(long_text, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(long_text->toPlainText(), "Sotet pince.");
  EXPECT_EQ(short_text->text(), "Pince es a pince");
}

// In an open dialog the same keys turn the dialog's own steps: a sentence added, then the
// typing that wrote it.
TEST_F(WindowTest, CtrlZInADialogTakesBackItsOwnSteps) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  trigger("llny1");
  QWidget* panel = window.page("monster");
  QTest::keyClicks(find<QComboBox>(panel, "monsfilename")->lineEdit(), "ork");
  find<QPushButton>(panel, "Button10")->click();
  QWidget* dialog = window.page("Form9");
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  auto* entry = find<QLineEdit>(dialog, "posspeech");
  auto* sentences = find<QListWidget>(dialog, "speech");
  entry->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return entry->hasFocus(); }));
  QTest::keyClicks(entry, "Hoho");
  find<QPushButton>(dialog, "Button1")->click();
  ASSERT_EQ(sentences->count(), 1);
  ASSERT_EQ(entry->text(), "");

  QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(sentences->count(), 0);
  EXPECT_EQ(entry->text(), "Hoho");
  QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(entry->text(), "");
  // Nothing before the dialog opened turns here: the creature's name stays typed.
  QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(find<QComboBox>(panel, "monsfilename")->currentText(), "ork");
  EXPECT_TRUE(dialog->isVisible());

  QTest::keyClick(entry, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(entry->text(), "Hoho");
  QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(sentences->count(), 1);
  EXPECT_EQ(entry->text(), "");
}

}  // namespace
}  // namespace tamo::gui::testing
