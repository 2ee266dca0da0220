#include <QAction>
#include <QComboBox>
#include <QLineEdit>
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
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), "Ú&jra: szoba tárolása");

  QTest::keyClick(button, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_NE(room_exists(app.work(), "pince"), nullptr);
}

}  // namespace
}  // namespace tamo::gui::testing
